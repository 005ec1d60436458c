#pragma once
// How a fuzz target splits its input into fields: N texts before the first N bars, and the rest.

#include <array>
#include <cstddef>
#include <string_view>

// The first N fields of `input`, each up to the next '|' (a missing field is empty); `input`
// keeps what follows the N-th bar.
template <std::size_t N> std::array<std::string_view, N> splitBars(std::string_view& input) {
    std::array<std::string_view, N> parts{};
    for (std::size_t i = 0; i < N; ++i) {
        const std::size_t bar = input.find('|');
        parts[i] = input.substr(0, bar);
        input = bar == std::string_view::npos ? std::string_view() : input.substr(bar + 1);
    }
    return parts;
}

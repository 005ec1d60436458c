#include "support/rules.h"

#include "input/number.h"

#include <cmath>

namespace rules {

const Check* FirstBroken(const std::array<double, 3>& values) {
    for (const Check& check : Checks) {
        const double value = values[static_cast<std::size_t>(check.field)];
        bool broken = false;
        switch (check.kind) {
        case Check::NotWhole:
            broken = value != std::floor(value);
            break;
        case Check::outOfRange:
            broken = value < 0 || value > check.top;
            break;
        case Check::SumAbove:
            broken = values[0] + values[1] / 60 + values[2] / 3600 > check.top;
            break;
        }
        if (broken) return &check;
    }
    return nullptr;
}

const Check* FirstBroken(const std::array<std::string, 3>& texts) {
    return FirstBroken(
        {input::ReadNumber(texts[0]), input::ReadNumber(texts[1]), input::ReadNumber(texts[2])});
}

std::string Normalised(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c == ',') c = '.';
    if (input::ReadNumber(result) == 0) result = "00";
    const double value = input::ReadNumber(result);
    if (result.find('0') == std::string::npos && value == std::floor(value) && value > 0 &&
        value < 10)
        result = "0" + result;
    return result;
}

} // namespace rules

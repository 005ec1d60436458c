#include "views/lists.h"

#include "input/location.h"
#include "model/correction.h"

#include <string_view>

namespace views {

namespace {

std::vector<QString> Items(auto const& texts) {
    std::vector<QString> items;
    for (std::string_view text : texts)
        items.push_back(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return items;
}

} // namespace

ui::ItemLists WindowLists() {
    return {Items(input::ZoneItems), Items(model::MonthNames)};
}

} // namespace views

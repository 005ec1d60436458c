#include "views/lists.h"

#include "input/location.h"
#include "model/correction.h"

#include <string_view>

namespace views {

namespace {

std::vector<QString> items(auto const& texts) {
    std::vector<QString> items;
    for (std::string_view text : texts)
        items.push_back(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return items;
}

} // namespace

ui::ItemLists windowLists() {
    return {items(input::ZoneItems), items(model::MonthNames)};
}

} // namespace views

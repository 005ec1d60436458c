#pragma once
// The fixed lists the window offers, from the time zones and month names the program reads.

#include "ui/contents.h"

namespace views {

ui::ItemLists windowLists();

} // namespace views

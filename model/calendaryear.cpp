#include "model/calendaryear.h"

#include <algorithm>

namespace model {

CalendarYear::CalendarYear(int year) : sun_(year) {
    int first = 1;
    for (int month = 1; month <= MonthCount; ++month) {
        int length = ofMonth(MonthLengths, month);
        if (month == 2 && isLeapYear(year)) ++length;
        ofMonth(firstDays_, month) = first;
        ofMonth(lengths_, month) = length;
        first += length;
    }
}

int CalendarYear::monthFirstDay(int month) const {
    return ofMonth(firstDays_, month);
}

int CalendarYear::monthLength(int month) const {
    return ofMonth(lengths_, month);
}

double CalendarYear::daySeconds(int index, const Location& at) const {
    return sun_.correctionSeconds(index, at.longitude, at.zoneMeridian);
}

} // namespace model

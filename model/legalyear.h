#pragma once
// A calendar year read against a place's legal time: each date's clock is the offset the
// place's clock shows at that date's true noon, summer time included. A day is in summer time
// when that offset is above the place's standard offset and above the year's least offset.

#include "model/calendaryear.h"

#include <memory>

namespace model {

class LegalYear final : public Year {
public:
    LegalYear(std::shared_ptr<const CalendarYear> year, std::shared_ptr<const LegalClock> clock);

    std::optional<int> number() const override { return year_->number(); }
    int dayCount() const override { return year_->dayCount(); }
    int monthFirstDay(int month) const override { return year_->monthFirstDay(month); }
    int monthLength(int month) const override { return year_->monthLength(month); }

    // The place's clock at the Sun's crossing of its meridian on that date, minus 12:00 of the
    // date; `at`'s zone plays no part.
    double daySeconds(int index, const Location& at) const override;
    double clockOffsetSeconds(int index, const Location& at) const override;
    bool summerTime(int index, const Location& at) const override;

private:
    // The crossing on day `index`, in seconds since 1970-01-01 00:00 UTC, and 0 h UT of that
    // date on the same count.
    double transitUtc(int index, double longitude) const;
    double dateUtc(int index) const;

    std::shared_ptr<const CalendarYear> year_;
    std::shared_ptr<const LegalClock> clock_;
    int summerAbove_; // the offset summer time exceeds
};

} // namespace model

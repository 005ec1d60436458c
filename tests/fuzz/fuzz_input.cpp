// libFuzzer target: the whole input pipeline on three arbitrary longitude texts, a flag and an
// arbitrary zone text: NormaliseFields, CheckFields, displayOf, ReadLongitude, ReadTimeZone,
// and the correction of every day that the window computes from what passed.
//
// Input: "degrees|minutes|seconds|flag|zone"; the zone is the rest of the input, bars
// included. The place is West when the flag begins with "W" or "w", else East.
//
// Invariants: a field that passes its checks is whole and in range; the first failure is the
// first rule broken; the normalised texts hold no comma and no other text that reads 0 than
// "00"; a padded field is not padded again, and a second normalisation is the last that changes
// anything; the zone meridian is finite and small enough for the correction, and every list item
// reads its nominal value.

#include "input/location.h"
#include "input/number.h"
#include "model/correction.h"
#include "support/bars.h"
#include "support/odd_values.h"
#include "support/rules.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Recorder final : input::TextField {
    std::string value;
    std::vector<std::string> writes;
    std::string text() const override { return value; }
    void setText(const std::string& text) override {
        value = text;
        writes.push_back(text);
    }
};

std::string Shown(std::string_view text) {
    std::string out;
    for (char c : text.substr(0, 120)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        } else {
            out += c;
        }
    }
    if (text.size() > 120) out += "...";
    return out;
}

std::string Case; // the input being run, for the failure message

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "input pipeline: %s\n  on %s\n", what.c_str(), Case.c_str());
    std::abort();
}

bool Whole(double v) {
    return v == std::floor(v);
}

// After a normalisation no text holds a comma, and "00" is the only text that reads 0, but
// for a padded sign: "+5" becomes "0+5" as the rule says, which reads 0 until the next
// normalisation makes it "00". `final` leaves that out.
void CheckNormalised(const std::array<Recorder*, 3>& fields, const char* when, bool final) {
    for (Recorder* field : fields) {
        const std::string& text = field->value;
        if (text.find(',') != std::string::npos)
            Fail(std::string(when) + ": a comma is left in \"" + Shown(text) + "\"");
        if (input::ReadNumber(text) != 0.0 || text == "00") continue;
        const double unpadded = text.empty() ? 0.0 : input::ReadNumber(text.substr(1));
        const bool padded = !final && text[0] == '0' && Whole(unpadded) && unpadded > 0 &&
                            unpadded < 10 && text.find('0', 1) == std::string::npos;
        if (!padded) Fail(std::string(when) + ": \"" + Shown(text) + "\" reads 0");
    }
}

void CheckZone(std::string_view text) {
    const input::TimeZone zone = input::ReadTimeZone(text);
    if (zone.ZoneText != text) Fail("ZoneText is not the text");
    if (zone.ZoneNegative != (text.find('-') != std::string_view::npos)) Fail("ZoneNegative");
    if (!std::isfinite(zone.ZoneHours) || !std::isfinite(zone.ZoneMinutes))
        Fail("zone hours or minutes not finite");
    if (!(std::fabs(zone.ZoneMeridian) <= DBL_MAX / 480.0))
        Fail("zone meridian " + std::to_string(zone.ZoneMeridian) + " too large");
    // The largest longitude term the window can meet stays finite.
    for (double longitude : {-180.0, 0.0, 180.0})
        for (int day : {1, model::PeakDay, model::TroughDay, 365}) {
            const double seconds = model::CorrectionSeconds(day, longitude, zone.ZoneMeridian);
            if (!std::isfinite(seconds)) Fail("correction not finite");
            if (model::wholeNumberText(std::floor(seconds)).empty()) Fail("no number text");
        }
}

// Every list item reads the offset it names.
void CheckListItems() {
    for (std::string_view item : input::ZoneItems) {
        double nominal = 0.0;
        if (item != "GMT") {
            const int hours = (item[5] - '0') * 10 + (item[6] - '0');
            const int minutes = (item[8] - '0') * 10 + (item[9] - '0');
            nominal = (hours + minutes / 60.0) * 15.0 * (item[4] == '-' ? -1 : 1);
        }
        const input::TimeZone zone = input::ReadTimeZone(item);
        if (zone.ZoneMeridian != nominal)
            Fail("list item " + std::string(item) + " reads " + std::to_string(zone.ZoneMeridian));
    }
}

void Run(std::string_view d, std::string_view m, std::string_view s, bool east,
         std::string_view zoneText) {
    Case = "\"" + Shown(d) + "|" + Shown(m) + "|" + Shown(s) + "|" + (east ? "E" : "W") + "|" +
           Shown(zoneText) + "\"";
    Recorder degrees, minutes, seconds;
    degrees.value = d;
    minutes.value = m;
    seconds.value = s;
    const std::array<Recorder*, 3> fields{&degrees, &minutes, &seconds};

    input::NormaliseFields(degrees, minutes, seconds);
    CheckNormalised(fields, "after one normalisation", false);
    const std::array<std::string, 3> once{degrees.value, minutes.value, seconds.value};
    for (Recorder* field : fields) field->writes.clear();

    // The next refresh normalises again: nothing is padded twice, and what a second run leaves
    // is final.
    input::NormaliseFields(degrees, minutes, seconds);
    CheckNormalised(fields, "after two normalisations", true);
    for (std::size_t i = 0; i < 3; ++i) {
        for (const std::string& write : fields[i]->writes)
            if (write.size() == once[i].size() + 1 && write[0] == '0' && write.substr(1) == once[i])
                Fail("field " + std::to_string(i) + " padded again: \"" + Shown(write) + "\"");
        if (fields[i]->value != once[i] && fields[i]->value != "00")
            Fail("second normalisation made \"" + Shown(fields[i]->value) + "\"");
        fields[i]->writes.clear();
    }
    const std::array<std::string, 3> twice{degrees.value, minutes.value, seconds.value};
    input::NormaliseFields(degrees, minutes, seconds);
    for (std::size_t i = 0; i < 3; ++i)
        if (fields[i]->value != twice[i]) Fail("a third normalisation changed a text");

    const double dv = input::ReadNumber(degrees.value);
    const double mv = input::ReadNumber(minutes.value);
    const double sv = input::ReadNumber(seconds.value);
    const input::ValidationFailure failure =
        input::CheckFields(degrees.value, minutes.value, seconds.value);
    // The first broken rule of the table of checks, and the frame it names.
    const rules::Check* broken = rules::FirstBroken({dv, mv, sv});
    if (failure != (broken ? broken->failure : input::ValidationFailure::None))
        Fail("CheckFields gives failure " + std::to_string(static_cast<int>(failure)));
    using enum input::ValidationFailure;
    // A field whose checks passed (the first failure lies beyond them) is whole and in range.
    if (failure > DegreesOutOfRange && !(Whole(dv) && dv >= 0 && dv <= 180)) Fail("degrees passed");
    if (failure > MinutesOutOfRange && !(Whole(mv) && mv >= 0 && mv <= 60)) Fail("minutes passed");
    if (failure > SecondsOutOfRange && !(Whole(sv) && sv >= 0 && sv <= 60)) Fail("seconds passed");

    // The frame and the colours of the failure are those of its row.
    const input::FailureDisplay display = input::displayOf(failure);
    static constexpr const char* FrameNames[] = {nullptr, "FrameErrorM", "FrameErrorP",
                                                 "FrameErrorD", "FrameErrorLo"};
    const char* frame = FrameNames[static_cast<int>(display.frame)];
    if (broken ? !frame || std::string_view(frame) != broken->frame : frame != nullptr)
        Fail("the frame does not follow the failure");
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<rules::Rgb> wanted = broken ? broken->colours[i] : std::nullopt;
        const input::FieldMark mark = display.marks[i];
        if (mark != (!wanted                 ? input::FieldMark::Keep
                     : *wanted == rules::Red ? input::FieldMark::Red
                                             : input::FieldMark::Blue))
            Fail("field " + std::to_string(i) + " is marked " +
                 std::to_string(static_cast<int>(mark)));
    }

    const input::Longitude longitude =
        input::ReadLongitude(degrees.value, minutes.value, seconds.value, east);
    if (longitude.Degrees != dv || longitude.Minutes != mv || longitude.Seconds != sv ||
        longitude.East != east)
        Fail("ReadLongitude parts");
    if (failure == None) {
        if (!(std::fabs(longitude.Longitude) <= 180.0)) Fail("longitude beyond 180 passed");
        if (east ? longitude.Longitude < 0 : longitude.Longitude > 0) Fail("longitude sign");
    }
    CheckZone(zoneText);
}

void RunBytes(std::string_view input) {
    const auto parts = splitBars<4>(input);
    const bool east = parts[3].empty() || (parts[3][0] != 'W' && parts[3][0] != 'w');
    Run(parts[0], parts[1], parts[2], east, input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CheckListItems();
    for (const odd::Expected& row : odd::Numbers)
        for (std::string_view zone : {std::string_view("GMT +02:00"), row.text}) {
            Run(row.text, "31", "43", true, zone);
            Run("23", row.text, "43", false, zone);
            Run("23", "31", row.text, true, zone);
            Run(row.text, row.text, row.text, false, std::string("GMT ") + std::string(row.text));
        }
    const std::string digits = odd::MillionDigits();
    Run(digits, digits, digits, true, digits);
    Run(std::string(100'000, '5'), "0" + std::string(99'999, '0'), "\n", false,
        "GMT +" + std::string(100'000, '9'));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RunBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

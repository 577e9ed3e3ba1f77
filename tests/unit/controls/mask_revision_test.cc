#include "controls/mask_revision.h"

#include <gtest/gtest.h>

#include "controls/mask_edit.h"

namespace zerkon {
namespace {

using enum TMaskOn;

constexpr const char* kDate = "!99.99.9999";

// Wednesday 8 July 2026, 14:37:52.123.
MaskNow Now(int default_year = 0) {
    MaskNow now;
    now.now = LocalDateTime{2026, 7, 8, 14, 37, 52};
    now.millisecond = 123;
    now.date_default_year = default_year;
    return now;
}

std::string OnExit(const char* text, const char* mask, TMaskOn mode, MaskNow now = Now()) {
    return ApplyMaskOn(text, mask, moNone, mode, now);
}

TEST(DateRevision, SpecialRulesOnExitOfTheDateField) {
    EXPECT_EQ(OnExit("5_.1_.9___", kDate, moRevisionSpec), "05.01.2009");
    EXPECT_EQ(OnExit("31.02.2008", kDate, moRevisionSpec), "29.02.2008");
    EXPECT_EQ(OnExit("31.02.2009", kDate, moRevisionSpec), "28.02.2009");
    EXPECT_EQ(OnExit("31.04.2009", kDate, moRevisionSpec), "30.04.2009");
    EXPECT_EQ(OnExit("29.02.2000", kDate, moRevisionSpec), "29.02.2000");
    EXPECT_EQ(OnExit("29.02.1900", kDate, moRevisionSpec), "28.02.1900");
    EXPECT_EQ(OnExit("12.13.2009", kDate, moRevisionSpec), "12.07.2009");
    EXPECT_EQ(OnExit("12.12.45__", kDate, moRevisionSpec), "12.12.1945");
    // An empty day is 09, an empty month and year today's.
    EXPECT_EQ(OnExit("__.__.2009", kDate, moRevisionSpec), "09.07.2009");
    EXPECT_EQ(OnExit("1_.__.____", kDate, moRevisionSpec), "01.07.2026");
}

TEST(DateRevision, UntouchedFieldLeavesEmptyAndShowsThePatternAgain) {
    std::string left = OnExit("__.__.____", kDate, moRevisionSpec);
    EXPECT_EQ(left, "");
    EXPECT_EQ(FitTextToMask(left, kDate), "__.__.____");
    EXPECT_EQ(OnExit("__.__.__", "!99.99.99", moRevisionSpec), "");
    // The day-and-month date alike, instead of inventing "09" and this month.
    EXPECT_EQ(OnExit("__.__", "!99.99", moRevisionSpec), "");
}

TEST(DateRevision, YearsAreCompletedByTheirValue) {
    struct Case {
        const char* year;
        const char* expected;
    } cases[] = {{"____", "2026"}, {"0___", "2000"}, {"0000", "2000"}, {"9___", "2009"},
                 {"10__", "2010"}, {"22__", "2022"}, {"23__", "1923"}, {"99__", "1999"},
                 {"100_", "2026"}, {"999_", "2026"}, {"1000", "1000"}, {"1850", "1850"}};
    for (const Case& c : cases) {
        std::string text = std::string("15.06.") + c.year;
        EXPECT_EQ(OnExit(text.c_str(), kDate, moRevision), std::string("15.06.") + c.expected)
            << c.year;
    }
    EXPECT_EQ(OnExit("15.06.____", kDate, moRevision, Now(1999)), "15.06.1999");
}

TEST(DateRevision, DayAndMonthRulesDifferBySet) {
    // Empty parts.
    EXPECT_EQ(OnExit("__.__.2009", kDate, moRevision), "01.01.2009");
    EXPECT_EQ(OnExit("__.__.2009", kDate, moRevisionSys), "08.07.2009");
    // Zero becomes 01.
    EXPECT_EQ(OnExit("00.00.2009", kDate, moRevision), "01.01.2009");
    // Out of range: the system set takes today, the others keep the last digit.
    EXPECT_EQ(OnExit("35.05.2009", kDate, moRevision), "05.05.2009");
    EXPECT_EQ(OnExit("35.05.2009", kDate, moRevisionSys), "08.05.2009");
    EXPECT_EQ(OnExit("12.19.2009", kDate, moRevision), "12.09.2009");
    EXPECT_EQ(OnExit("12.19.2009", kDate, moRevisionSys), "12.07.2009");
    // A month cut to 0 becomes the current one; a day cut to 0 empties the date.
    EXPECT_EQ(OnExit("12.20.2009", kDate, moRevision), "12.07.2009");
    EXPECT_EQ(OnExit("40.05.2009", kDate, moRevision), "");
    EXPECT_EQ(OnExit("40.05.2009", kDate, moRevisionSpec), "");
    // moRevisionSpec on entry uses the plain set.
    EXPECT_EQ(ApplyMaskOn("__.__.2009", kDate, moRevisionSpec, moNone, Now()), "01.01.2009");
}

TEST(DateRevision, ShortYearAndDayMonthMasks) {
    EXPECT_EQ(OnExit("5_.1_.9_", "!99.99.99", moRevisionSpec), "05.01.09");
    EXPECT_EQ(OnExit("5_.1_.__", "!99.99.99", moRevisionSpec), "05.01.26");
    EXPECT_EQ(OnExit("29.02.08", "!99.99.99", moRevision), "29.02.08");
    EXPECT_EQ(OnExit("30.02.09", "!99.99.99", moRevision), "28.02.09");
    EXPECT_EQ(OnExit("30.02.00", "!99.99.99", moRevision), "29.02.00");
    // Without a year the current (or default) year decides February.
    EXPECT_EQ(OnExit("31.02", "!99.99", moRevision), "28.02");
    EXPECT_EQ(OnExit("31.02", "!99.99", moRevision, Now(2024)), "29.02");
}

TEST(DateRevision, UnrecognisedMasksAndFailuresLeaveTheText) {
    for (TMaskOn mode : {moRevision, moRevisionSpec, moRevisionSys, moSystem}) {
        EXPECT_EQ(OnExit("45.13.", "!99.99.", mode), "45.13.");
        EXPECT_EQ(OnExit("__.__.", "!99.99.", mode), "__.__.");
    }
    // A space typed into a labeled field does not convert.
    EXPECT_EQ(OnExit("1 .05.2009", kDate, moRevisionSpec), "1 .05.2009");
    EXPECT_EQ(OnExit("12.a5.2009", kDate, moRevisionSys), "12.a5.2009");
    EXPECT_EQ(OnExit("12.05.2009", kDate, moNone), "12.05.2009");
    EXPECT_EQ(OnExit("99.99.9999", kDate, moNone), "99.99.9999");
}

TEST(SystemFill, EmptyFieldsReceiveNow) {
    EXPECT_EQ(OnExit("__.__.____", kDate, moSystem), "08.07.2026");
    EXPECT_EQ(OnExit("", kDate, moSystem), "08.07.2026");
    EXPECT_EQ(OnExit("__.__.____", kDate, moSystem, Now(2011)), "08.07.2011");
    EXPECT_EQ(OnExit("__.__.__", "!99.99.99", moSystem), "08.07.26");
    EXPECT_EQ(OnExit("__.__", "!99.99", moSystem), "08.07");
    EXPECT_EQ(OnExit("__:__", "!99:99", moSystem), "14:37");
    EXPECT_EQ(OnExit("__:__", "?99:99", moSystem), "14:37");
    EXPECT_EQ(OnExit("__:__", "!99:15", moSystem), "14:37");
    EXPECT_EQ(OnExit("__:__:__", "!99:99:99", moSystem), "14:37:52");
    EXPECT_EQ(OnExit("__:__:__.___", "!99:99:99.999", moSystem), "14:37:52.123");
    MaskNow early = Now();
    early.now.hour = 7;
    EXPECT_EQ(ApplyMaskOn("__:__", "!99:99", moSystem, moNone, early), "07:37");
    // With digits the system rules revise.
    EXPECT_EQ(OnExit("35.__.2009", kDate, moSystem), "08.07.2009");
}

TEST(TimeRevision, PartsAreCompletedAndCorrected) {
    EXPECT_EQ(OnExit("7_:5_", "!99:99", moRevision), "07:05");
    EXPECT_EQ(OnExit("__:__", "!99:99", moRevision), "00:00");
    EXPECT_EQ(OnExit("24:60", "!99:99", moRevision), "24:60");
    EXPECT_EQ(OnExit("25:61", "!99:99", moRevision), "05:01");
    EXPECT_EQ(OnExit("25:61", "!99:99", moRevisionSys), "14:37");
    // Empty parts count as 99 outside the plain set.
    EXPECT_EQ(OnExit("__:__", "!99:99", moRevisionSpec), "09:09");
    EXPECT_EQ(OnExit("__:__", "!99:99", moRevisionSys), "14:37");
    EXPECT_EQ(OnExit("36:00", "?99:99", moRevisionSpec), "36:00");
    EXPECT_EQ(OnExit("1_:2_:3_.4__", "!99:99:99.999", moRevision), "01:02:03.004");
    EXPECT_EQ(OnExit("10:20:30.12_", "!99:99:99.999", moRevision), "10:20:30.012");
    EXPECT_EQ(OnExit("10:20:__.___", "!99:99:99.999", moRevisionSys), "10:20:52.999");
    EXPECT_EQ(OnExit("10:20:75", "!99:99:99", moRevision), "10:20:05");
}

TEST(TimeRevision, QuarterHoursKeepOnlyWholeQuarters) {
    EXPECT_EQ(OnExit("10:45", "!99:15", moRevision), "10:45");
    EXPECT_EQ(OnExit("10:00", "!99:15", moRevision), "10:00");
    EXPECT_EQ(OnExit("10:20", "!99:15", moRevision), "10:__");
    EXPECT_EQ(OnExit("8_:3_", "!99:15", moRevision), "08:__");
    EXPECT_EQ(OnExit("1_:__", "!99:15", moRevision), "01:00");
}

TEST(RevisionFormats, KeptPerControlAndSetOnEveryPass) {
    DateTimeFormats formats;
    ApplyMaskOn("__.__.____", kDate, moNone, moNone, Now(), &formats);
    EXPECT_EQ(formats.short_date_format, "dd/mm/yyyy");
    EXPECT_EQ(formats.date_separator, 0);
    ApplyMaskOn("1_.__.____", kDate, moNone, moRevision, Now(), &formats);
    EXPECT_EQ(formats.date_separator, '.');
    EXPECT_EQ(formats.time_separator, 0);

    DateTimeFormats times;
    ApplyMaskOn("__:__:__.___", "!99:99:99.999", moSystem, moNone, Now(), &times);
    EXPECT_EQ(times.long_time_format, "hh:mm:ss.zzz");
    EXPECT_EQ(times.time_separator, ':');
    ApplyMaskOn("__:__", "!99:15", moNone, moNone, Now(), &times);
    EXPECT_EQ(times.short_time_format, "hh:mm");

    DateTimeFormats untouched;
    ApplyMaskOn("12.05.", "!99.99.", moRevision, moNone, Now(), &untouched);
    EXPECT_EQ(untouched.short_date_format, "");
}

TEST(MaskEntryAndExit, FitThenReviseWithTheFieldsModes) {
    TMaskSpecEdit mask_settings;
    mask_settings.Mask = kDate;
    mask_settings.MaskOnExit = moRevisionSpec;
    EXPECT_EQ(MaskTextOnEnter("", mask_settings, Now()), "__.__.____");
    EXPECT_EQ(MaskTextOnExit("", mask_settings, Now()), "");
    EXPECT_EQ(MaskTextOnExit("5_.1_.9", mask_settings, Now()), "05.01.2009");
    mask_settings.MaskOnEnter = moSystem;
    EXPECT_EQ(MaskTextOnEnter("", mask_settings, Now()), "08.07.2026");
    EXPECT_EQ(MaskEntryCaret("12.__.____"), 3);
    EXPECT_EQ(MaskEntryCaret("12.05.2009"), -1);
}

TEST(MaskRecognition, ExactMasksOnly) {
    EXPECT_EQ(RecogniseMask("!99.99.9999"), MaskKind::kDayMonthYear4);
    EXPECT_EQ(RecogniseMask("?99:99"), MaskKind::kTimeAnyHours);
    EXPECT_EQ(RecogniseMask("?99.99.9999"), MaskKind::kNone);
    EXPECT_EQ(RecogniseMask("99.99.9999"), MaskKind::kNone);
    EXPECT_EQ(RecogniseMask("!99.99."), MaskKind::kNone);
}

}  // namespace
}  // namespace zerkon

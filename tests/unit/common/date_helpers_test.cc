#include "common/date_helpers.h"

#include <gtest/gtest.h>

namespace zerkon {
namespace {

const RegionalSettings kCzech = RegionalSettings::Czech();

TEST(ToIsoDate, DetectsTheLayout) {
    EXPECT_EQ(ToIsoDate("5.3.2009"), "2009-03-05");
    EXPECT_EQ(ToIsoDate("05.03.2009"), "2009-03-05");
    EXPECT_EQ(ToIsoDate("2009-03-05"), "2009-03-05");
    EXPECT_EQ(ToIsoDate("5-3-2009"), "2009-03-05");
    EXPECT_EQ(ToIsoDate("05.03.09"), "2009-03-05");
    EXPECT_EQ(ToIsoDate("31.12.75"), "1975-12-31");
    EXPECT_EQ(ToIsoDate("29.2.2008"), "2008-02-29");
}

TEST(ToIsoDate, InvalidTextsGiveNothing) {
    EXPECT_EQ(ToIsoDate(""), "");
    EXPECT_EQ(ToIsoDate("29.2.2009"), "");
    EXPECT_EQ(ToIsoDate("32.1.2009"), "");
    EXPECT_EQ(ToIsoDate("1.13.2009"), "");
    EXPECT_EQ(ToIsoDate("5.3."), "");
    EXPECT_EQ(ToIsoDate("5.3.209"), "");
    EXPECT_EQ(ToIsoDate("5.3.2009.1"), "");
    EXPECT_EQ(ToIsoDate("__.__.____"), "");
    EXPECT_EQ(ToIsoDate("2009.03.05"), "");
    EXPECT_EQ(ToIsoDate("29.02.1900"), "");
}

TEST(CompactToDottedDate, ByLength) {
    EXPECT_EQ(CompactToDottedDate("20090307"), "07.03.2009");
    EXPECT_EQ(CompactToDottedDate("090307"), "07.03.09");
    EXPECT_EQ(CompactToDottedDate("0903071"), "");
    EXPECT_EQ(CompactToDottedDate(""), "");
    EXPECT_EQ(CompactToDottedDate("ab  cd"), "cd.  .ab");
}

TEST(ReformatDate, DayAndMonthInTheYear2000) {
    EXPECT_EQ(ReformatDate("d.m.", "05.03.", kCzech), "5.3.");
    EXPECT_EQ(ReformatDate("D.M.", "29.02.", kCzech), "29.2.");
    EXPECT_EQ(ReformatDate("dd.mm.yyyy", "5.3.2009", kCzech), "05.03.2009");
    EXPECT_EQ(ReformatDate("yyyy-mm-dd", "2009.3.5", kCzech), "2009-03-05");
    EXPECT_EQ(ReformatDate("d.m.", "", kCzech), "");
}

TEST(ReformatDate, ANonDateIsAConversionError) {
    const Status failed = ReformatDate("d.m.", "31.02.", kCzech).status();
    EXPECT_EQ(failed.code(), StatusCode::kNotValid);
    EXPECT_EQ(failed.message(), "'31.02.2000' is not a valid date");
    EXPECT_FALSE(ReformatDate("dd.mm.yyyy", "5/3/2009", kCzech).ok());
}

TEST(ReformatShortDate, DayMonthYearInAnyOutputFormat) {
    EXPECT_EQ(ReformatShortDate("d.m.yyyy", "05.03.2009", kCzech), "5.3.2009");
    EXPECT_EQ(ReformatShortDate("D.M.YYYY", "5.3.09", kCzech), "5.3.2009");
    EXPECT_EQ(ReformatShortDate("dd.mm.yy", "5.3.2009", kCzech), "05.03.09");
    EXPECT_EQ(ReformatShortDate("d. m. yyyy (x)", "5.3.2009", kCzech), "5. 3. 2009 (x)");
    EXPECT_EQ(ReformatShortDate("d.m.yyyy", "", kCzech), "");
    EXPECT_EQ(ReformatShortDate("d.m.yyyy", "__.__.____", kCzech).status().message(),
              "'__.__.____' is not a valid date");
    EXPECT_FALSE(ReformatShortDate("d.m.yyyy", "5.3.2009", RegionalSettings::English()).ok());
}

TEST(ClockTexts, TodayAndTimeStamp) {
    const LocalDateTime clock{2009, 3, 7, 14, 5, 9};
    EXPECT_EQ(TodayIso(clock), "2009-03-07");
    EXPECT_EQ(TimeStampDashed(clock), "14-05-09");
    const LocalDateTime midnight{2010, 12, 31, 0, 0, 0};
    EXPECT_EQ(TodayIso(midnight), "2010-12-31");
    EXPECT_EQ(TimeStampDashed(midnight), "00-00-00");
}

}  // namespace
}  // namespace zerkon

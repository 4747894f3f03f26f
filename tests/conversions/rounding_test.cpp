// The rounding compensation. Each expectation is worked out from the rule:
// T = r2(a) + r2(b) + r2(c) + r2(d) + e; a shortfall inside (99.91, 100)
// goes to d; an excess inside (100, 100.09) is taken from d, c, b, a in turn,
// none below 0; outside that open window nothing changes.
#include <gtest/gtest.h>

#include "conversions/rounding.h"

namespace mirl {
namespace {

struct Four {
  double a, b, c, d;
};

bool compensate(Four& v, double e) { return Rundungsfehler_Ausgleichen(v.a, v.b, v.c, v.d, e); }

TEST(Rounding, PatternsRoundHalfAwayFromZero) {
  EXPECT_EQ(r2(2.675), 2.68);  // the decimal form 2.675 is the tie
  EXPECT_EQ(r2(32.9967), 33);
  EXPECT_EQ(r1(7.45), 7.5);
  EXPECT_EQ(r7(1.0 / 3), 0.3333333);
  EXPECT_EQ(r2(-0.004), 0);
}

TEST(Rounding, ExactlyHundredChangesNothing) {
  Four v{49.5, 0.5, 0, 0};
  EXPECT_FALSE(compensate(v, 50));
  EXPECT_EQ(v.a, 49.5);
  EXPECT_EQ(v.b, 0.5);
  EXPECT_EQ(v.d, 0);
}

TEST(Rounding, ShortfallGoesToTheLastPart) {
  // 49,95 + 50 = 99,95: d rises by the missing 0,05.
  Four v{49.95, 50, 0, 0};
  EXPECT_TRUE(compensate(v, 0));
  EXPECT_EQ(v.a, 49.95);
  EXPECT_EQ(v.b, 50);
  EXPECT_EQ(v.c, 0);
  EXPECT_EQ(r2(v.d), 0.05);
  EXPECT_EQ(r2(v.a) + r2(v.b) + r2(v.c) + r2(v.d), 100);
}

TEST(Rounding, TheWindowIsOpenAtBothEnds) {
  // T = 99,91 and T = 100,09 lie outside; 99,92 and 100,08 inside.
  Four low{99.91, 0, 0, 0};
  EXPECT_FALSE(compensate(low, 0));
  EXPECT_EQ(low.d, 0);

  Four high{0, 0, 0, 0};
  EXPECT_FALSE(compensate(high, 100.09));
  EXPECT_EQ(high.d, 0);

  Four justLow{99.92, 0, 0, 0};
  EXPECT_TRUE(compensate(justLow, 0));
  EXPECT_EQ(r2(justLow.d), 0.08);

  Four justHigh{50, 50.08, 0, 0};
  EXPECT_TRUE(compensate(justHigh, 0));
  EXPECT_EQ(r2(justHigh.b), 50);
  EXPECT_EQ(justHigh.a, 50);

  Four far{50, 40, 0, 0};  // 90: a real error, left alone
  EXPECT_FALSE(compensate(far, 0));
  EXPECT_EQ(far.d, 0);
}

TEST(Rounding, ExcessIsTakenFromTheLastPartsFirst) {
  // T = 60,02 + 40 + 0,01 + 0,02 = 100,05: d gives its 0,02 and c its
  // 0,01, both end at 0; b gives the remaining 0,02 and ends at 39,98; a is
  // not touched.
  Four v{60.02, 40, 0.01, 0.02};
  EXPECT_TRUE(compensate(v, 0));
  EXPECT_EQ(v.d, 0);
  EXPECT_EQ(v.c, 0);
  EXPECT_EQ(r2(v.b), 39.98);
  EXPECT_EQ(v.a, 60.02);
}

TEST(Rounding, PartsAtOrBelowZeroAreSkipped) {
  // T = 50 + 51,05 + 0 - 1 = 100,05: d (negative) and c (0) are skipped,
  // b gives the 0,05.
  Four v{50, 51.05, 0, -1};
  EXPECT_TRUE(compensate(v, 0));
  EXPECT_EQ(v.d, -1);
  EXPECT_EQ(v.c, 0);
  EXPECT_EQ(r2(v.b), 51);
  EXPECT_EQ(v.a, 50);
}

TEST(Rounding, WhatTheFourCannotGiveIsDropped) {
  // T = 0,02 + 0,01 + 100,05 = 100,08: a and b give all they have (0,03),
  // the remaining 0,05 is dropped; nothing goes below 0.
  Four v{0.02, 0.01, 0, 0};
  EXPECT_TRUE(compensate(v, 100.05));
  EXPECT_EQ(v.a, 0);
  EXPECT_EQ(v.b, 0);
  EXPECT_EQ(v.c, 0);
  EXPECT_EQ(v.d, 0);
}

TEST(Rounding, PartsAreRoundedOnlyForTheTotal) {
  // 33,333 + 33,333 + 33,333 rounds to 99,99 in the total: d gets
  // 100 - 99,99, the three keep their third decimal.
  Four v{33.333, 33.333, 33.333, 0};
  EXPECT_TRUE(compensate(v, 0));
  EXPECT_EQ(v.a, 33.333);
  EXPECT_EQ(v.c, 33.333);
  EXPECT_EQ(r2(v.d), 0.01);
}

}  // namespace
}  // namespace mirl

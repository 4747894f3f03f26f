// The sum a flavour composition is checked by: the parts above 0, the
// nicotine as one per cent for 10 mg/ml only while it counts, then rounded
// to two decimals before it is compared with 100.
#include "flavours/flavour_checks.h"

#include <gtest/gtest.h>

namespace {

using mirl::compositionSum;

TEST(CompositionSum, AddsThePositivePartsAndRoundsToTwoDecimals) {
  // A, N, PG, VG, W, S.
  EXPECT_EQ(compositionSum({50, 30, 50, 0, 0, 0}, true), 103);
  EXPECT_EQ(compositionSum({50, 30, 50, 0, 0, 0}, false), 100);
  // Zero and negative parts are left out, the nicotine among them.
  EXPECT_EQ(compositionSum({60, -20, 50, -10, 0, -0.5}, true), 110);
  // 0,1 + 0,2 is not 0,3 in binary; rounded it is.
  EXPECT_EQ(compositionSum({0.1, 0, 0.2, 0, 0, 0}, false), 0.3);
  // Halves of the last place round away from zero: 99,995 counts as 100,
  // 99,994 does not.
  EXPECT_EQ(compositionSum({99.995, 0, 0, 0, 0, 0}, false), 100);
  EXPECT_EQ(compositionSum({99.994, 0, 0, 0, 0, 0}, false), 99.99);
  EXPECT_EQ(compositionSum({0, 0, 0, 0, 0, 0}, true), 0);
}

}  // namespace

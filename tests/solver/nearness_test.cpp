#include <gtest/gtest.h>

#include <random>

#include "model/frm_main.h"
#include "solver/nearness.h"

namespace mirl {
namespace {

Vorschlag_Datensatz candidate(double parts, double score) {
  Vorschlag_Datensatz c;
  c.baseAmount(PG_N_Basis) = parts;
  c.score() = score;
  return c;
}

// The insertion as a plain walk over all places, without any shortcut.
void insertByWalking(const Vorschlag_Datensatz& c, ProposalList& list, double target) {
  if (c.score() <= 0) return;
  const double d = Betrag_Differenz(c.score(), target);
  for (int i = 0; i < kNearPlaces; ++i) {
    if (list[i].score() == 0 || Betrag_Differenz(list[i].score(), target) > d) {
      Vorschlag_Datensatz carry = c;
      for (int j = i; j < kNearPlaces; ++j) std::swap(carry, list[j]);
      return;
    }
  }
}

ModelState factors() {
  ModelState m;
  m.Viskositaet_PG = 60;
  m.Viskositaet_VG = 1480;
  m.Viskositaet_Wasser = 1;
  m.Viskositaet_Sonst = 1;
  return m;
}

TEST(Score, NicotineOutweighsEveryViscosity) {
  const ModelState m = factors();
  EXPECT_EQ(Viskositaet_Mischung(m, 0, 0, 100, 0, 0), 1480);
  EXPECT_EQ(Viskositaet_Mischung(m, 0, 50, 50, 0, 0), 770);
  EXPECT_EQ(Viskositaet_Mischung(m, 1, 0, 0, 0, 0), 500000);
  EXPECT_EQ(Viskositaet_Mischung(m, 0, 0, 0, 50, 50), 1);
  EXPECT_EQ(Betrag_Differenz(3, 5), 2);
  EXPECT_EQ(Betrag_Differenz(5, 3), 2);
  EXPECT_EQ(Betrag_Differenz(-0.0, 0.0), 0);
}

TEST(NearList, KeepsNearestFirstAndPutsTiesAfterExistingEntries) {
  ProposalList l{};
  const double target = 100;
  EXPECT_TRUE(insertByNearness(candidate(1, 130), l, target));
  EXPECT_TRUE(insertByNearness(candidate(2, 90), l, target));   // nearer: in front
  EXPECT_TRUE(insertByNearness(candidate(3, 110), l, target));  // as near as 90: after it
  EXPECT_TRUE(insertByNearness(candidate(4, 90), l, target));   // repeat: kept, after both
  EXPECT_EQ(l[0].baseAmount(PG_N_Basis), 2);
  EXPECT_EQ(l[1].baseAmount(PG_N_Basis), 3);
  EXPECT_EQ(l[2].baseAmount(PG_N_Basis), 4);
  EXPECT_EQ(l[3].baseAmount(PG_N_Basis), 1);
  EXPECT_EQ(l[4].score(), 0);
}

TEST(NearList, RefusesScoresOfZeroOrLess) {
  ProposalList l{};
  EXPECT_FALSE(insertByNearness(candidate(1, 0), l, 0));
  EXPECT_FALSE(insertByNearness(candidate(1, -5), l, -5));
  EXPECT_EQ(l, ProposalList{});
}

TEST(NearList, SeventySevenPlacesThenTheFarthestDropsOut) {
  ProposalList l{};
  for (int i = 1; i <= 77; ++i) ASSERT_TRUE(insertByNearness(candidate(i, 1000 + i), l, 1000));
  EXPECT_EQ(l[76].baseAmount(PG_N_Basis), 77);
  EXPECT_EQ(l[77], Vorschlag_Datensatz{});  // place 77 is never used

  // As far as the last entry: not taken.
  EXPECT_FALSE(insertByNearness(candidate(99, 1077), l, 1000));
  // Nearer than all: in front, the farthest (77) drops out.
  EXPECT_TRUE(insertByNearness(candidate(0.5, 1000.5), l, 1000));
  EXPECT_EQ(l[0].baseAmount(PG_N_Basis), 0.5);
  EXPECT_EQ(l[76].baseAmount(PG_N_Basis), 76);
  EXPECT_EQ(l[77], Vorschlag_Datensatz{});
}

TEST(NearList, AllEquallyNearKeepsTheFirst77InOrder) {
  ProposalList l{};
  for (int i = 1; i <= 200; ++i) insertByNearness(candidate(i, 1480), l, 1480);
  for (int i = 0; i < 77; ++i) EXPECT_EQ(l[i].baseAmount(PG_N_Basis), i + 1);
}

TEST(NearList, SameResultAsWalkingEveryPlace) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> scoreOf(-3, 400);
  for (int run = 0; run < 20; ++run) {
    ProposalList fast{}, walked{};
    const double target = 200 + run;
    for (int i = 0; i < 2000; ++i) {
      const auto c = candidate(i, scoreOf(rng) / 2.0);
      insertByNearness(c, fast, target);
      insertByWalking(c, walked, target);
    }
    ASSERT_EQ(fast, walked) << "run " << run;
  }
}

}  // namespace
}  // namespace mirl

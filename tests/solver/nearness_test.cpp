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

// Inserts a candidate whose distance is that of its score to the target's.
bool insert(NearList& n, const Vorschlag_Datensatz& c, double target) {
  return n.insert(c, Betrag_Differenz(c.score(), target));
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
  EXPECT_EQ(Viskositaet_Mischung(scoreTerms(m, 0, 0, 100, 0, 0)), 1480);
  EXPECT_EQ(Viskositaet_Mischung(scoreTerms(m, 0, 50, 50, 0, 0)), 770);
  EXPECT_EQ(Viskositaet_Mischung(scoreTerms(m, 1, 0, 0, 0, 0)), 500000);
  EXPECT_EQ(Viskositaet_Mischung(scoreTerms(m, 0, 0, 0, 50, 50)), 1);
  EXPECT_EQ(Betrag_Differenz(3, 5), 2);
  EXPECT_EQ(Betrag_Differenz(5, 3), 2);
  EXPECT_EQ(Betrag_Differenz(-0.0, 0.0), 0);
}

// 0,0016 % nicotine too much cannot make up for 56 points of VG missing.
TEST(Score, DistanceAddsEveryTermsDifferenceBySize) {
  const ModelState m = factors();
  const ScoreTerms target = scoreTerms(m, 0.15, 40, 60, 0, 0), skewed = scoreTerms(m, 0.1516, 96, 4, 0, 0);
  EXPECT_NEAR(Viskositaet_Mischung(skewed), Viskositaet_Mischung(target), 5);
  EXPECT_NEAR(nearnessDistance(skewed, target), 800 + 56 * 0.6 + 56 * 14.8, 1e-6);
  EXPECT_DOUBLE_EQ(nearnessDistance(scoreTerms(m, 0, 50, 50, 10, 0), scoreTerms(m, 0, 60, 40, 0, 10)), 154.2);
}

TEST(NearList, KeepsNearestFirstAndPutsTiesAfterExistingEntries) {
  ProposalList l{};
  NearList n(l);
  const double target = 100;
  EXPECT_TRUE(insert(n, candidate(1, 130), target));
  EXPECT_TRUE(insert(n, candidate(2, 90), target));   // nearer: in front
  EXPECT_TRUE(insert(n, candidate(3, 110), target));  // as near as 90: after it
  EXPECT_TRUE(insert(n, candidate(4, 90), target));   // repeat: kept, after both
  EXPECT_EQ(l[0].baseAmount(PG_N_Basis), 2);
  EXPECT_EQ(l[1].baseAmount(PG_N_Basis), 3);
  EXPECT_EQ(l[2].baseAmount(PG_N_Basis), 4);
  EXPECT_EQ(l[3].baseAmount(PG_N_Basis), 1);
  EXPECT_EQ(l[4].score(), 0);
}

TEST(NearList, RefusesScoresOfZeroOrLess) {
  ProposalList l{};
  NearList n(l);
  EXPECT_FALSE(insert(n, candidate(1, 0), 0));
  EXPECT_FALSE(insert(n, candidate(1, -5), -5));
  EXPECT_EQ(l, ProposalList{});
}

TEST(NearList, SeventySevenPlacesThenTheFarthestDropsOut) {
  ProposalList l{};
  NearList n(l);
  for (int i = 1; i <= 77; ++i) ASSERT_TRUE(insert(n, candidate(i, 1000 + i), 1000));
  EXPECT_EQ(l[76].baseAmount(PG_N_Basis), 77);
  EXPECT_EQ(l[77], Vorschlag_Datensatz{});  // place 77 is never used

  // As far as the last entry: not taken.
  EXPECT_FALSE(insert(n, candidate(99, 1077), 1000));
  // Nearer than all: in front, the farthest (77) drops out.
  EXPECT_TRUE(insert(n, candidate(0.5, 1000.5), 1000));
  EXPECT_EQ(l[0].baseAmount(PG_N_Basis), 0.5);
  EXPECT_EQ(l[76].baseAmount(PG_N_Basis), 76);
  EXPECT_EQ(l[77], Vorschlag_Datensatz{});
}

TEST(NearList, AllEquallyNearKeepsTheFirst77InOrder) {
  ProposalList l{};
  NearList n(l);
  for (int i = 1; i <= 200; ++i) insert(n, candidate(i, 1480), 1480);
  for (int i = 0; i < 77; ++i) EXPECT_EQ(l[i].baseAmount(PG_N_Basis), i + 1);
}

TEST(NearList, SameResultAsWalkingEveryPlace) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> scoreOf(-3, 400);
  for (int run = 0; run < 20; ++run) {
    ProposalList fast{}, walked{};
    NearList n(fast);
    const double target = 200 + run;
    for (int i = 0; i < 2000; ++i) {
      const auto c = candidate(i, scoreOf(rng) / 2.0);
      insert(n, c, target);
      insertByWalking(c, walked, target);
    }
    ASSERT_EQ(fast, walked) << "run " << run;
  }
}

}  // namespace
}  // namespace mirl

#include <gtest/gtest.h>

#include <vector>

#include "model/frm_main.h"
#include "solver/proposals.h"

namespace mirl {
namespace {

Vorschlag_Datensatz hit(double parts1, double parts2, double price) {
  Vorschlag_Datensatz r;
  r.baseAmount(PG_Basis) = parts1;
  r.baseAmount(VG_Basis) = parts2;
  r.price() = price;
  return r;
}

ProposalList listOf(const std::vector<Vorschlag_Datensatz>& recs) {
  ProposalList l{};
  for (size_t i = 0; i < recs.size(); ++i) l[i] = recs[i];
  return l;
}

void expectEmptyFrom(const ProposalList& l, int from) {
  for (int i = from; i < kProposalPlaces; ++i) EXPECT_EQ(l[i], Vorschlag_Datensatz{}) << "place " << i;
}

TEST(ProposalSort, EqualPricesKeepTheFirstFoundAndTheRestComesEmpty) {
  auto l = listOf({hit(1, 1, 4.5), hit(2, 2, 3.0), hit(3, 3, 4.5)});
  EXPECT_EQ(sortProposalRange(l, 3), 2);
  EXPECT_EQ(l[0], hit(2, 2, 3.0));
  EXPECT_EQ(l[1], hit(1, 1, 4.5));
  expectEmptyFrom(l, 2);
}

TEST(ProposalSort, UnpricedHitsAreKeptOnceNotThrownAway) {
  auto l = listOf({hit(1, 1, 0), hit(2, 2, 0), hit(3, 3, 0)});
  EXPECT_EQ(sortProposalRange(l, 3), 1);
  EXPECT_EQ(l[0], hit(1, 1, 0));
  expectEmptyFrom(l, 1);
}

TEST(ProposalSort, EmptyPlacesBeyondTheHitsNeverComeInFront) {
  // A bubble sort over all 78 places would move the empty (price 0) places
  // in front of the priced hits; only the filled places take part.
  auto l = listOf({hit(1, 1, 6), hit(2, 2, 0), hit(3, 3, 5)});
  EXPECT_EQ(sortProposalRange(l, 3), 3);
  EXPECT_EQ(l[0], hit(2, 2, 0));
  EXPECT_EQ(l[1], hit(3, 3, 5));
  EXPECT_EQ(l[2], hit(1, 1, 6));
  expectEmptyFrom(l, 3);
}

TEST(ProposalSort, SeventyEightDistinctPricesComeOutRising) {
  std::vector<Vorschlag_Datensatz> recs;
  for (int i = 0; i < 78; ++i) recs.push_back(hit(i, 0, (i * 37) % 78 + 1));
  auto l = listOf(recs);
  EXPECT_EQ(sortProposalRange(l, 78), 78);
  for (int i = 0; i < 78; ++i) EXPECT_EQ(l[i].price(), i + 1);
}

TEST(ProposalSort, NothingFilledLeavesAnEmptyList) {
  auto l = listOf({hit(1, 1, 3)});  // stale record beyond the filled places
  EXPECT_EQ(sortProposalRange(l, 0), 0);
  expectEmptyFrom(l, 0);
}

TEST(ProposalList, ReadAndCopyIgnoreIndexesOutsideTheList) {
  auto l = listOf({hit(1, 2, 3)});
  Vorschlag_Datensatz rec = hit(9, 9, 9);
  Vorschlag_Lesen(l, 78, rec);
  Vorschlag_Lesen(l, -1, rec);
  EXPECT_EQ(rec, hit(9, 9, 9));
  Vorschlag_Lesen(l, 0, rec);
  EXPECT_EQ(rec, hit(1, 2, 3));

  ProposalList other{};
  Vorschlag_Kopieren(l, 0, other, 78);
  Vorschlag_Kopieren(l, 78, other, 0);
  EXPECT_EQ(other, ProposalList{});
  EXPECT_EQ(l, listOf({hit(1, 2, 3)}));
  Vorschlag_Kopieren(l, 0, other, 77);
  EXPECT_EQ(other[77], hit(1, 2, 3));

  Vorschlaege_Loeschen(l);
  EXPECT_EQ(l, ProposalList{});
}

}  // namespace
}  // namespace mirl

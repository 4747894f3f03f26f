// The two searches over their full grids, 2 to 6 ticked bases, a target no
// grid point meets: time, tested steps and message-loop passes of the
// search as the program runs it, beside a bare loop of the same grid with
// the same mixing and comparison (and, for the approximation, scoring and
// insertion) and no runtime at all: the floor the search cannot beat.
// Prints a table; asserts nothing about time.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "solver/approximation.h"
#include "solver/base_record.h"
#include "solver/hit_search.h"
#include "solver/nearness.h"
#include "solver/search_common.h"
#include "testkit/test_app.h"

namespace {

using mirl::Basis_Datensatz;
using mirl::BaseSet;
using Clock = std::chrono::steady_clock;

// Every ticked base holds 50 % PG and 50 % VG; the target asks for 50 %
// other, which no mixture has.
void setUp(mirl::testkit::TestApp& t, int ticked) {
  mirl::FrmMain& w = t.main();
  for (int s = 0; s < mirl::kBaseSlots; ++s) {
    mirl::BaseSlot& b = w.basis[s];
    b.txt_mg_ml->setText(std::to_string(s * 3));
    b.txt_PG_Prozent->setText("50");
    b.txt_VG_Prozent->setText("50");
    b.txt_Wasser_Prozent->setText("0");
    b.txt_Sonst_Prozent->setText("0");
    b.chk->setValueSilently(s < ticked ? 1 : 0);
  }
  w.txt_Berechnung_Menge->setText("100");
  w.txt_Berechnung_Prozent_N->setText("0,3");
  w.txt_Berechnung_Prozent_PG->setText("25");
  w.txt_Berechnung_Prozent_VG->setText("25");
  w.txt_Berechnung_Prozent_Wasser->setText("0");
  w.txt_Berechnung_Prozent_Sonst->setText("50");
  w.mnu_Service_MsgBox->setChecked(true);
}

BaseSet bases(int ticked) {
  BaseSet b{};
  for (int s = 0; s < ticked; ++s) {
    b[s].N_Prozent = s * 3 / 10.0;
    b[s].PG_Prozent = 50;
    b[s].VG_Prozent = 50;
  }
  return b;
}

// The bare grid: same traversal as the search (every ticked level tests the
// whole combination, deeper slots keep their last parts), nothing else.
struct Floor {
  Floor(int ticked_, int N_) : rec(bases(ticked_)), ticked(ticked_), N(N_) {}
  BaseSet rec;
  Basis_Datensatz target;
  int ticked, N;
  std::uint64_t steps = 0, hits = 0;
  bool approximation = false;
  mirl::ModelState factors;
  double targetScore = 0;
  mirl::ProposalList list{};

  void level(int k) {
    if (k >= ticked) return;
    for (int i = 0; i <= N; ++i) {
      rec[k].Menge = i;
      const Basis_Datensatz mix = mirl::Mischung_Berechnen(rec);
      ++steps;
      if (approximation) {
        mirl::Vorschlag_Datensatz c;
        for (int s = 0; s < mirl::kBaseSlots; ++s) c(s + 1) = rec[s].Menge;
        c(15) = mirl::Viskositaet_Mischung(factors, mix.N_Prozent, mix.PG_Prozent, mix.VG_Prozent,
                                           mix.Wasser_Prozent, mix.Sonst_Prozent);
        if (mirl::insertByNearness(c, list, targetScore)) ++hits;
      } else if (mirl::Mischung_Ist_Treffer(mix, target)) {
        ++hits;
      }
      level(k + 1);
    }
  }
};

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

void run(int ticked) {
  const int N = mirl::partsPerBase(ticked);

  mirl::testkit::TestApp exact;
  setUp(exact, ticked);
  exact.app().loop().resetPasses();
  auto t0 = Clock::now();
  mirl::Berechnung_Treffersuche(exact.app());
  const double exactTime = seconds(Clock::now() - t0);
  const std::uint64_t exactPasses = exact.app().loop().passes();

  mirl::testkit::TestApp near;
  setUp(near, ticked);
  near.app().loop().resetPasses();
  t0 = Clock::now();
  mirl::Annaeherung_Suche_V1(near.app());
  const double nearTime = seconds(Clock::now() - t0);
  const std::uint64_t nearPasses = near.app().loop().passes();

  Floor exactFloor(ticked, N);
  exactFloor.target.N_Prozent = 0.03;
  exactFloor.target.PG_Prozent = 25;
  exactFloor.target.VG_Prozent = 25;
  exactFloor.target.Sonst_Prozent = 50;
  t0 = Clock::now();
  exactFloor.level(0);
  const double exactFloorTime = seconds(Clock::now() - t0);

  Floor nearFloor(ticked, N);
  nearFloor.approximation = true;
  nearFloor.factors = near.app().model;
  nearFloor.targetScore = mirl::Viskositaet_Mischung(nearFloor.factors, 0.03, 25, 25, 0, 50);
  t0 = Clock::now();
  nearFloor.level(0);
  const double nearFloorTime = seconds(Clock::now() - t0);

  std::printf("%d bases  N=%-3d  steps %8llu | exact %7.3f s  passes %8llu  floor %7.3f s  ratio %4.2f"
              " | approx %7.3f s  passes %8llu  floor %7.3f s  ratio %4.2f\n",
              ticked, N, static_cast<unsigned long long>(exactFloor.steps), exactTime,
              static_cast<unsigned long long>(exactPasses), exactFloorTime, exactTime / exactFloorTime, nearTime,
              static_cast<unsigned long long>(nearPasses), nearFloorTime, nearTime / nearFloorTime);
}

}  // namespace

int main() {
  for (int ticked = 2; ticked <= 6; ++ticked) run(ticked);
  return 0;
}

// The two searches over their full grids, 2 to 6 ticked bases, a target no
// grid point meets. The product is the search as the program runs it, started
// through the scenario driver (a click on the calculate button; a call of the
// approximation). The bare loop walks the same grid with the same mixing,
// written the straightforward way (Mischung_Berechnen at every step), and the
// same comparison or scoring and insertion, with no runtime at all. Each time
// is the best of several runs; the ratio is product ÷ bare loop. Prints a
// table; asserts nothing about time.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>

#include "scenario/runner.h"
#include "solver/base_record.h"
#include "solver/nearness.h"
#include "solver/search_common.h"
#include "testkit/test_app.h"

namespace {

using mirl::Basis_Datensatz;
using mirl::BaseSet;
using Clock = std::chrono::steady_clock;

constexpr int kRepeats = 5;

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

// The bare grid: same traversal of the ticked levels as the search (every
// ticked level tests the whole combination, deeper slots keep their last
// parts), nothing else.
struct BareLoop {
  BareLoop(int ticked_, int N_) : rec(bases(ticked_)), ticked(ticked_), N(N_) {}
  BaseSet rec;
  Basis_Datensatz target;
  int ticked, N;
  std::uint64_t steps = 0, hits = 0;
  bool approximation = false;
  mirl::ModelState factors;
  mirl::ScoreTerms targetTerms{};
  mirl::ProposalList places{};
  mirl::NearList list{places};

  void level(int k) {
    if (k >= ticked) return;
    for (int i = 0; i <= N; ++i) {
      rec[k].Menge = i;
      const Basis_Datensatz mix = mirl::Mischung_Berechnen(rec);
      ++steps;
      if (approximation) {
        mirl::Vorschlag_Datensatz c;
        for (int s = 0; s < mirl::kBaseSlots; ++s) c(s + 1) = rec[s].Menge;
        const mirl::ScoreTerms terms = mirl::scoreTerms(factors, mix.N_Prozent, mix.PG_Prozent, mix.VG_Prozent,
                                                        mix.Wasser_Prozent, mix.Sonst_Prozent);
        c(15) = mirl::Viskositaet_Mischung(terms);
        if (list.insert(c, mirl::nearnessDistance(terms, targetTerms))) ++hits;
      } else if (mirl::Mischung_Ist_Treffer(mix, target)) {
        ++hits;
      }
      level(k + 1);
    }
  }
};

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct Timing {
  double product = 1e9, bare = 1e9;
  std::uint64_t steps = 0, passes = 0;
};

// The search started by a scenario line in a fresh application.
void product(int ticked, const char* line, Timing& t) {
  mirl::testkit::TestApp app;
  setUp(app, ticked);
  std::ostringstream out;
  const auto folder = app.folder();
  mirl::scenario::Runner runner(app.app(), app.host(), {folder, folder, folder}, "bench", out);
  const auto t0 = Clock::now();
  const bool ok = runner.run(line);
  t.product = std::min(t.product, seconds(Clock::now() - t0));
  t.passes = app.app().loop().passes();
  if (!ok) std::fprintf(stderr, "%s", out.str().c_str());
}

void bare(int ticked, bool approximation, Timing& t) {
  BareLoop loop(ticked, mirl::partsPerBase(ticked));
  loop.approximation = approximation;
  loop.target.N_Prozent = 0.03;
  loop.target.PG_Prozent = 25;
  loop.target.VG_Prozent = 25;
  loop.target.Sonst_Prozent = 50;
  loop.factors.Viskositaet_PG = 60;
  loop.factors.Viskositaet_VG = 1480;
  loop.factors.Viskositaet_Wasser = 1;
  loop.factors.Viskositaet_Sonst = 1;
  loop.targetTerms = mirl::scoreTerms(loop.factors, 0.03, 25, 25, 0, 50);
  const auto t0 = Clock::now();
  loop.level(0);
  t.bare = std::min(t.bare, seconds(Clock::now() - t0));
  t.steps = loop.steps;
}

void report(const char* name, const Timing& t) {
  std::printf(" | %-6s %8.4f s %8.4f s %5.2f %9llu", name, t.product, t.bare, t.product / t.bare,
              static_cast<unsigned long long>(t.passes));
}

}  // namespace

int main() {
  std::printf("bases    N     steps |        product  bare loop ratio    passes |        product  bare loop ratio"
              "    passes\n");
  for (int ticked = 2; ticked <= mirl::kBaseSlots; ++ticked) {
    Timing exact, near;
    // Interleaved, so that a busy moment of the machine spoils one run of
    // each kind rather than all runs of one.
    for (int r = 0; r < kRepeats; ++r) {
      product(ticked, "click btn_Berechnung\n", exact);
      bare(ticked, false, exact);
      product(ticked, "call Annaeherung_Suche_V1\n", near);
      bare(ticked, true, near);
    }
    std::printf("%5d %4d %9llu", ticked, mirl::partsPerBase(ticked), static_cast<unsigned long long>(exact.steps));
    report("exact", exact);
    report("approx", near);
    std::printf("\n");
  }
  return 0;
}

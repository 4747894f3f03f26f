// Master refreshes per second on a filled main window: every base and every
// flavour ticked with values, in live analysis so that every live step has
// work to do.
#include <string>

#include "model/refresh.h"
#include "testkit/test_app.h"

#if __has_include(<benchmark/benchmark.h>)
#include <benchmark/benchmark.h>
#define MIRL_HAVE_BENCHMARK 1
#else
#include <chrono>
#include <cstdio>
#endif

namespace {

void fillWindow(mirl::FrmMain& f) {
  for (mirl::BaseSlot& b : f.basis) {
    b.chk->setValue(1);
    b.txt_mg_ml->setText("18");
    b.txt_PG_Prozent->setText("48,2");
    b.txt_VG_Prozent->setText("48");
    b.txt_Wasser_Prozent->setText("1,8");
    b.txt_Sonst_Prozent->setText("0");
    b.txt_Menge->setText("123,45");
    b.txt_Preis_100_ml->setText("1234,5");
  }
  for (int k : mirl::kFlavourRowNumbers) {
    mirl::FlavourRow& r = f.aroma[k];
    r.chk_Aroma->setValue(1);
    r.txt_Aroma_Menge->setText("1,5");
    r.txt_Aroma_Menge_ml->setText("2,25");
    r.txt_Aroma_Preis->setText(std::to_string(k) + ",5");
  }
  f.opt_Berechnungsauswahl[1]->setValue(true);
}

}  // namespace

#ifdef MIRL_HAVE_BENCHMARK

static void BM_Anzeige_Aktualisieren(benchmark::State& state) {
  mirl::testkit::TestApp t;
  fillWindow(t.main());
  for (auto _ : state) mirl::Anzeige_Aktualisieren(t.app());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_Anzeige_Aktualisieren);

BENCHMARK_MAIN();

#else

int main() {
  mirl::testkit::TestApp t;
  fillWindow(t.main());
  constexpr int kRuns = 2000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRuns; ++i) mirl::Anzeige_Aktualisieren(t.app());
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("Anzeige_Aktualisieren: %.0f refreshes per second\n", kRuns / took.count());
  return 0;
}

#endif

// The searches mix from tables computed once per search; mixing the six
// records at every step is the reference. Random set-ups run both ways, each
// in its own application, and everything a search leaves must agree bit for
// bit: hit list, proposal list, status text, indexes and the passes of the
// message loop (so the polls and yields happen at the same steps).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "runtime/number.h"
#include "context/app.h"
#include "solver/approximation.h"
#include "solver/base_record.h"
#include "solver/hit_search.h"
#include "solver/search_common.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

struct BaseSetUp {
  bool ticked = false;
  std::string mg = "0", pg = "0", vg = "0", w = "0", s = "0", price = "0";
  int list = 0;
};

struct Trial {
  std::array<BaseSetUp, kBaseSlots> bases;
  std::string menge = "100", n = "0", pg = "0", vg = "0", w = "0", s = "0";
  bool flavoursInside = false;
  std::array<std::string, kFlavourRows + 1> flavour;  // percentage of a ticked row, "" unticked
  std::uint64_t cutExact = 0, cutNear = 0;            // pass that cancels, 0 for none
  std::uint64_t togglePass = 0;                       // approximation: a tick box flips
  int toggleSlot = 0;

  std::string describe() const {
    std::ostringstream o;
    for (int k = 0; k < kBaseSlots; ++k) {
      const BaseSetUp& b = bases[k];
      if (b.ticked) o << "base " << k << ": " << b.mg << " mg " << b.pg << "/" << b.vg << "/" << b.w << "/" << b.s
                      << " price " << b.price << " list " << b.list << "; ";
    }
    o << "target " << menge << " ml " << n << " mg " << pg << "/" << vg << "/" << w << "/" << s;
    o << (flavoursInside ? " flavours inside:" : " flavours:");
    for (int k = 1; k <= kFlavourRows; ++k) {
      if (!flavour[k].empty()) o << " " << k << "=" << flavour[k];
    }
    o << "; cuts " << cutExact << "/" << cutNear << " toggle " << toggleSlot << "@" << togglePass;
    return o.str();
  }
};

// The shortest text that reads back as exactly v.
std::string exactText(double v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  std::string t(buf, end);
  for (char& c : t) {
    if (c == '.') c = ',';
  }
  return t;
}

class Generator {
 public:
  // A run is cut short by a cancel request at a pass up to this one.
  static constexpr int kCut = 10000;

  explicit Generator(std::uint64_t seed) : rng_(seed) {}

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  std::string hundredths(int lo, int hi) { return rt::num::format(pick(lo * 100, hi * 100) / 100.0, "0.##"); }

  // Four shares adding up to total hundredths: in tens, whole numbers or
  // hundredths (as far as the total allows).
  std::array<std::string, 4> shares(int total = 10000) {
    int unit = std::array{1000, 100, 1}[pick(0, 2)];
    while (total % unit != 0) unit /= 10;
    int left = total / unit;
    std::array<std::string, 4> out;
    for (int j = 0; j < 4; ++j) {
      const int v = j == 3 ? left : pick(0, left);
      left -= v;
      out[j] = rt::num::format(v * unit / 100.0, "0.##");
    }
    if (chance(50)) std::swap(out[pick(0, 3)], out[pick(0, 3)]);
    return out;
  }

  // A set-up whose runs are cut short, or with wholeGrid bases one whose
  // runs go through the whole grid.
  Trial next(int wholeGrid = 0) {
    Trial s;
    const bool whole = wholeGrid != 0;
    const int count = whole ? wholeGrid : pick(2, kBaseSlots);
    std::array<bool, kBaseSlots> ticked{};
    for (int placed = 0; placed < count;) {
      const int k = pick(0, kBaseSlots - 1);
      if (!ticked[k]) ticked[k] = true, ++placed;
    }
    double lo = 1e9, hi = -1;
    for (int k = 0; k < kBaseSlots; ++k) {
      BaseSetUp& b = s.bases[k];
      b.ticked = ticked[k];
      b.mg = chance(70) ? std::array{"0", "0", "3", "6", "12", "18", "20", "48"}[pick(0, 7)] : hundredths(0, 60);
      const auto sh = shares();
      b.pg = sh[0], b.vg = sh[1], b.w = sh[2], b.s = sh[3];
      b.price = chance(80) ? hundredths(1, 40) : "0";
      b.list = pick(0, 3);
      if (ticked[k]) {
        const double mg = *rt::num::parse(b.mg);
        lo = std::min(lo, mg), hi = std::max(hi, mg);
      }
    }

    const int N = partsPerBase(count);
    s.cutExact = whole ? 0 : static_cast<std::uint64_t>(pick(1, kCut));
    s.cutNear = whole ? 0 : static_cast<std::uint64_t>(pick(1, kCut));
    // A base ticked in the middle of a whole run would multiply its grid.
    if (s.cutNear != 0 && chance(25)) {
      s.togglePass = static_cast<std::uint64_t>(pick(1, static_cast<int>(s.cutNear)));
      s.toggleSlot = pick(0, kBaseSlots - 1);
    }

    s.menge = std::array{"100", "100", "10", "30", "250"}[pick(0, 4)];
    s.flavoursInside = chance(30);
    int flavourTotal = 0;
    if (s.flavoursInside || chance(20)) {
      for (int r = pick(1, 3); r > 0; --r) {
        const int k = pick(1, kFlavourRows);
        if (!s.flavour[k].empty()) continue;
        const int percent = pick(1, 20);
        s.flavour[k] = std::to_string(percent);
        flavourTotal += percent;
      }
    }

    if (!s.flavoursInside && chance(60)) {
      hitTarget(s, ticked, N);
    } else {
      // Round or random shares, nicotine between the weakest and the
      // strongest base, so that the plausibility check lets it run.
      // With the flavours inside, the target's shares leave them their part.
      const auto sh = shares(10000 - (s.flavoursInside ? flavourTotal * 100 : 0));
      s.pg = sh[0], s.vg = sh[1], s.w = sh[2], s.s = sh[3];
      const double mg = lo + (hi - lo) * pick(0, 100) / 100.0;
      s.n = rt::num::format(mg, chance(50) ? "0" : "0.0");
      if (*rt::num::parse(s.n) < lo || *rt::num::parse(s.n) > hi) s.n = exactText(lo);
    }
    return s;
  }

 private:
  // The parts the exact-hit search tests at pass q (from 1) of its grid.
  static std::array<int, kBaseSlots> partsAtPass(const std::array<bool, kBaseSlots>& ticked, int N,
                                                 std::uint64_t q) {
    std::array<int, kBaseSlots> parts{};
    std::uint64_t pass = 0;
    std::function<bool(int)> level = [&](int k) {
      if (k == kBaseSlots) return false;
      if (!ticked[k]) return level(k + 1);
      for (int i = 0; i <= N; ++i) {
        parts[k] = i;
        if (++pass == q || level(k + 1)) return true;
      }
      return false;
    };
    level(0);
    return parts;
  }

  // A target that the mixture of a combination tested before the cut meets
  // exactly (its shares written out in full).
  void hitTarget(Trial& s, const std::array<bool, kBaseSlots>& ticked, int N) {
    const std::uint64_t until = s.cutExact == 0 ? kCut : s.cutExact;
    // Now and then the first combination: no parts at all, an all-zero
    // mixture.
    const int q = chance(8) ? 1 : pick(1, static_cast<int>(until));
    const auto parts = partsAtPass(ticked, N, static_cast<std::uint64_t>(q));
    BaseSet rec{};
    for (int k = 0; k < kBaseSlots; ++k) {
      if (!ticked[k]) continue;
      const BaseSetUp& b = s.bases[k];
      rec[k].Menge = parts[k];
      rec[k].N_Prozent = *rt::num::parse(b.mg) / 10;
      rec[k].PG_Prozent = *rt::num::parse(b.pg);
      rec[k].VG_Prozent = *rt::num::parse(b.vg);
      rec[k].Wasser_Prozent = *rt::num::parse(b.w);
      rec[k].Sonst_Prozent = *rt::num::parse(b.s);
    }
    const Basis_Datensatz mix = Mischung_Berechnen(rec);
    // The target's nicotine is read in mg/ml and divided by 10.
    double mg = mix.N_Prozent * 10, up = mg, down = mg;
    for (int step = 0; step < 3 && mg / 10 != mix.N_Prozent; ++step) {
      up = std::nextafter(up, 1e9);
      down = std::nextafter(down, -1e9);
      mg = up / 10 == mix.N_Prozent ? up : down;
    }
    s.n = exactText(mg);
    s.pg = exactText(mix.PG_Prozent);
    s.vg = exactText(mix.VG_Prozent);
    s.w = exactText(mix.Wasser_Prozent);
    s.s = exactText(mix.Sonst_Prozent);
  }

  std::mt19937_64 rng_;
};

// What a search leaves behind.
struct Outcome {
  std::uint64_t passes = 0;
  ProposalList hits{}, shown{};
  double last = 0, index = 0;
  bool present = false;
  std::string status, caption;
};

// Where two outcomes first differ (doubles bit for bit), or "".
std::string difference(const Outcome& a, const Outcome& b) {
  std::ostringstream o;
  if (a.passes != b.passes) o << "passes " << a.passes << " / " << b.passes << "; ";
  const std::pair<const ProposalList*, const ProposalList*> lists[] = {{&a.hits, &b.hits},
                                                                            {&a.shown, &b.shown}};
  for (const auto& [x, y] : lists) {
    for (int p = 0; p < kProposalPlaces; ++p) {
      for (int f = 1; f <= 15; ++f) {
        const double u = (*x)[p](f), v = (*y)[p](f);
        if (std::bit_cast<std::uint64_t>(u) != std::bit_cast<std::uint64_t>(v)) {
          o.precision(17);
          o << (x == &a.hits ? "hit " : "proposal ") << p << " field " << f << ": " << u << " / " << v << "; ";
          p = kProposalPlaces;
          break;
        }
      }
    }
  }
  if (std::bit_cast<std::uint64_t>(a.last) != std::bit_cast<std::uint64_t>(b.last) || a.index != b.index) {
    o << "indexes " << a.last << "," << a.index << " / " << b.last << "," << b.index << "; ";
  }
  if (a.present != b.present) o << "proposals present " << a.present << " / " << b.present << "; ";
  if (a.status != b.status) o << "status '" << a.status << "' / '" << b.status << "'; ";
  if (a.caption != b.caption) o << "caption '" << a.caption << "' / '" << b.caption << "'; ";
  return o.str();
}

void apply(App& app, const Trial& s) {
  FrmMain& w = app.main();
  // A list's click runs the refresh, which would round the fields: first.
  for (int k = 0; k < kBaseSlots; ++k) {
    rt::ComboBox& list = *w.basis[k].cbo_Preis;
    list.setListIndex(s.bases[k].list % list.ListCount());
  }
  for (int k = 0; k < kBaseSlots; ++k) {
    BaseSlot& slot = w.basis[k];
    const BaseSetUp& b = s.bases[k];
    slot.chk->setValueSilently(b.ticked ? 1 : 0);
    slot.txt_mg_ml->setText(b.mg);
    slot.txt_PG_Prozent->setText(b.pg);
    slot.txt_VG_Prozent->setText(b.vg);
    slot.txt_Wasser_Prozent->setText(b.w);
    slot.txt_Sonst_Prozent->setText(b.s);
    slot.txt_Preis_100_ml->setText(b.price);
  }
  for (int r = 1; r <= kFlavourRows; ++r) {
    w.aroma[r].chk_Aroma->setValueSilently(s.flavour[r].empty() ? 0 : 1);
    w.aroma[r].txt_Aroma_Menge->setText(s.flavour[r].empty() ? "0" : s.flavour[r]);
  }
  w.chk_AllAromaProzent->setValueSilently(s.flavoursInside ? 1 : 0);
  w.txt_Berechnung_Menge->setText(s.menge);
  w.txt_Berechnung_Prozent_N->setText(s.n);
  w.txt_Berechnung_Prozent_PG->setText(s.pg);
  w.txt_Berechnung_Prozent_VG->setText(s.vg);
  w.txt_Berechnung_Prozent_Wasser->setText(s.w);
  w.txt_Berechnung_Prozent_Sonst->setText(s.s);
  // Nobody answers a question: no hit ends with the approximation offered
  // on the button.
  w.mnu_Service_MsgBox->setChecked(true);
}

Outcome search(App& app, const Trial& s, bool approximation, GridMixing mixing) {
  apply(app, s);
  FrmMain& w = app.main();
  const std::uint64_t cut = approximation ? s.cutNear : s.cutExact;
  app.loop().setHook([&](std::uint64_t pass) {
    if (pass == cut) app.solver.Berechnung_Abbrechen = true;
    if (approximation && pass == s.togglePass) {
      rt::CheckBox& box = *w.basis[s.toggleSlot].chk;
      box.setValueSilently(box.Value() == 0 ? 1 : 0);
    }
  });
  app.solver.Berechnung_Abbrechen = false;
  app.loop().resetPasses();
  if (approximation) {
    app.solver.Vorschlaege_Vorhanden = Annaeherung_Suche_V1(app, mixing);
  } else {
    Berechnung_Treffersuche(app, mixing);
  }
  app.loop().setHook(nullptr);
  Outcome o;
  o.passes = app.loop().passes();
  o.hits = app.solver.Trefferliste;
  o.shown = app.solver.Vorschlagsliste;
  o.last = app.solver.Vorschlag_Letzter_Index;
  o.index = app.solver.Vorschlag_Index;
  o.present = app.solver.Vorschlaege_Vorhanden;
  o.status = w.StatusBar1->panelText(1);
  o.caption = w.btn_Berechnung->Caption();
  return o;
}

TEST(TableMixing, TablesGiveTheStraightforwardResultsOnRandomSetUps) {
  testkit::TestApp reference, tables;
  Generator gen(20240516);
  int withHits = 0, flavoured = 0;
  for (int run = 0; run < 300; ++run) {
    // Three set-ups go through the whole grid: the outer slots' parts grow
    // only there in the larger grids.
    const Trial s = gen.next(run % 100 == 0 ? kBaseSlots - run / 50 : 0);
    SCOPED_TRACE("set-up " + std::to_string(run) + ": " + s.describe());
    for (bool approximation : {false, true}) {
      const Outcome a = search(reference.app(), s, approximation, GridMixing::Straightforward);
      const Outcome b = search(tables.app(), s, approximation, GridMixing::Tables);
      ASSERT_EQ(difference(a, b), "") << (approximation ? "approximation" : "exact-hit search");
      if (!approximation && a.hits[0](1) + a.hits[0](2) + a.hits[0](3) + a.hits[0](4) + a.hits[0](5) +
                                    a.hits[0](6) > 0) {
        ++withHits;
      }
    }
    flavoured += s.flavoursInside;
  }
  // The set-ups reach what they are meant to reach.
  EXPECT_GE(withHits, 80);
  EXPECT_GE(flavoured, 60);
}

}  // namespace
}  // namespace mirl

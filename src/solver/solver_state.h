#pragma once
// The solver's shared state: the proposal record, the two proposal lists,
// the index of the proposal shown and of the last one, and the flags.
#include <array>
#include <cstddef>

namespace mirl {

// 15 fields, numbered 1 to 15: shares of the six bases (1-6), price of
// 100 ml (7), millilitres of flavours 1 to 7 (8-14), score (15). Code reads
// them by name; the numbers are for the scenario driver.
struct Vorschlag_Datensatz {
  std::array<double, 15> f{};
  double& operator()(int field) { return f[static_cast<std::size_t>(field - 1)]; }
  double operator()(int field) const { return f[static_cast<std::size_t>(field - 1)]; }
  bool operator==(const Vorschlag_Datensatz&) const = default;

  // Base slot s (0 to 5, BaseSlotId): its parts, later its millilitres.
  double& baseAmount(int s) { return (*this)(1 + s); }
  double baseAmount(int s) const { return (*this)(1 + s); }
  double& price() { return (*this)(7); }
  double price() const { return (*this)(7); }
  // Flavour row k (1 to 7): its millilitres.
  double& flavourAmount(int k) { return (*this)(7 + k); }
  double flavourAmount(int k) const { return (*this)(7 + k); }
  // The viscosity score of an approximation; 0 for a place not filled.
  double& score() { return (*this)(15); }
  double score() const { return (*this)(15); }
};

inline constexpr int kProposalPlaces = 78;  // places 0 to 77
using ProposalList = std::array<Vorschlag_Datensatz, kProposalPlaces>;

struct SolverState {
  ProposalList Trefferliste{};
  ProposalList Vorschlagsliste{};
  double Vorschlag_Index = 0;
  double Vorschlag_Letzter_Index = 0;
  bool Vorschlaege_Vorhanden = false;
  bool Berechnung_Abbrechen = false;
  bool Annaeherung_Aktiv = false;
  // True from the start to the end of a search (exact-hit or approximation).
  bool searchRunning = false;
  // The user closed the main window during the search: it closes once the
  // search has returned.
  bool closePending = false;
};

}  // namespace mirl

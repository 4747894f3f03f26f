#pragma once
// Shared values of the main window's model.
namespace mirl {

struct ModelState {
  bool Farbige_Hintergruende = false;
  bool Live_Mix_Markierung = false;
  // Viscosity factors in mPa·s, set at start-up.
  double Viskositaet_PG = 0;
  double Viskositaet_VG = 0;
  double Viskositaet_Wasser = 0;
  double Viskositaet_Sonst = 0;
};

}  // namespace mirl

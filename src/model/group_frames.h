#pragma once
// Captions and frame lines of the three framed groups (nicotine bases,
// nicotine-free bases, flavours): a group with nothing ticked has its
// caption disabled and its frame dotted, otherwise enabled and solid.
namespace mirl {
class App;
class FrmMain;

enum class FrameGroup { N_Basis = 0, Basis = 1, Aromen = 2 };

inline constexpr int kLineSolid = 1;
inline constexpr int kLineDotted = 3;

void enableGroup(FrmMain& f, FrameGroup group);
void Gruppe_N_Basis_Freigabe_Pruefen(App& app);
void Gruppe_Basis_Freigabe_Pruefen(App& app);
void Gruppe_Aromen_Freigabe_Pruefen(App& app);

}  // namespace mirl

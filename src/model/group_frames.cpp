#include "model/group_frames.h"

#include <vector>

#include "context/app.h"

namespace mirl {

namespace {

struct GroupControls {
  rt::Label* caption = nullptr;
  std::vector<rt::CheckBox*> members;
  std::vector<rt::Line*> lines;  // in the order they are set
};

GroupControls groupControls(FrmMain& f, FrameGroup group) {
  GroupControls g;
  switch (group) {
    case FrameGroup::N_Basis:
    case FrameGroup::Basis: {
      const int column = group == FrameGroup::N_Basis ? 0 : 1;
      g.caption = column == 0 ? f.lbl_Main_N_Basis : f.lbl_Main_Basis;
      for (int s = 0; s < 3; ++s) g.members.push_back(f.basis[static_cast<size_t>(3 * column + s)].chk);
      for (auto& edge : f.lineBases) g.lines.push_back(edge[static_cast<size_t>(column)]);
      break;
    }
    case FrameGroup::Aromen:
      g.caption = f.lbl_Aromen;
      for (int k : kFlavourRowNumbers) g.members.push_back(f.aroma[k].chk_Aroma);
      // Line8, Line9, Line10, Line11, Line12 (lineAromen is stored by edge).
      g.lines = {f.lineAromen[1], f.lineAromen[2], f.lineAromen[4], f.lineAromen[0], f.lineAromen[3]};
      break;
  }
  return g;
}

}  // namespace

void enableGroup(FrmMain& f, FrameGroup group) {
  GroupControls g = groupControls(f, group);
  bool any = false;
  for (rt::CheckBox* c : g.members) {
    if (c->Value() != 0) any = true;
  }
  g.caption->setEnabled(any);
  for (rt::Line* l : g.lines) l->setBorderStyle(any ? kLineSolid : kLineDotted);
}

void Gruppe_N_Basis_Freigabe_Pruefen(App& app) { enableGroup(app.main(), FrameGroup::N_Basis); }
void Gruppe_Basis_Freigabe_Pruefen(App& app) { enableGroup(app.main(), FrameGroup::Basis); }
void Gruppe_Aromen_Freigabe_Pruefen(App& app) { enableGroup(app.main(), FrameGroup::Aromen); }

}  // namespace mirl

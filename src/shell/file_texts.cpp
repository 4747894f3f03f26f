#include "shell/file_texts.h"

#include <vector>

#include "flavours/frm_aromen.h"
#include "model/frm_main.h"
#include "runtime/ini_file.h"

namespace mirl {

namespace {

std::vector<rt::TextBox*> fileTexts(FrmMain& main, FrmAromen& flavours) {
  std::vector<rt::TextBox*> v{main.txt_Berechnung_Zusammenstellung, flavours.txt_Name};
  for (BaseSlot& b : main.basis) v.push_back(b.txt_Hersteller);
  for (int k : kFlavourRowNumbers) {
    v.insert(v.end(), {main.aroma[k].txt_Aroma_Kommentar, flavours.row[k].txt_Bezeichnung});
  }
  return v;
}

}  // namespace

void wireFileTexts(FrmMain& main, FrmAromen& flavours) {
  for (rt::TextBox* t : fileTexts(main, flavours)) {
    t->setMaxLength(static_cast<int>(rt::ini::kMaxValue));
    t->setCodePageOnly(true);
  }
}

}  // namespace mirl

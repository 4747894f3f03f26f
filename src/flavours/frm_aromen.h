#pragma once
// The flavour window frm_Aromen: seven rows, each the flavour's tick box,
// name, composition (A, N, PG, VG, W, S), dosage and price with its
// reference quantity, the row's load, save and reset buttons and the labels
// that carry the checks' marks; above them the name of the whole set, below
// them the buttons of the whole list. Rows are tables of the same shape;
// code walks them instead of naming each control.
#include <array>
#include <string_view>

#include "model/flavour_rows.h"
#include "runtime/form.h"

namespace mirl {
class App;

inline constexpr std::string_view kFlavourWindow = "frm_Aromen";

// One row of the window (control arrays with indexes 1 to 7).
struct FlavourWindowRow {
  rt::CheckBox* chk_Activate = nullptr;
  rt::Label* lbl_Bezeichnung = nullptr;
  rt::TextBox* txt_Bezeichnung = nullptr;
  rt::TextBox* txt_Aroma = nullptr;
  rt::Label* lbl_Aroma = nullptr;
  rt::TextBox* txt_N = nullptr;
  rt::Label* lbl_N = nullptr;
  rt::TextBox* txt_PG = nullptr;
  rt::Label* lbl_PG = nullptr;
  rt::TextBox* txt_VG = nullptr;
  rt::Label* lbl_VG = nullptr;
  rt::TextBox* txt_W = nullptr;
  rt::Label* lbl_W = nullptr;
  rt::TextBox* txt_S = nullptr;
  rt::Label* lbl_S = nullptr;
  rt::TextBox* txt_Aroma_in_Basis = nullptr;
  rt::Label* lbl_Aroma_in_Basis = nullptr;
  rt::Label* lbl_Preis = nullptr;
  rt::TextBox* txt_Preis = nullptr;
  rt::Label* lbl_Euro = nullptr;
  rt::ComboBox* cbo_Preis = nullptr;
  rt::CommandButton* btn_Laden = nullptr;
  rt::CommandButton* btn_Speichern = nullptr;
  rt::CommandButton* btn_Reset = nullptr;

  // The composition in the order of a table record: A, N, PG, VG, W, S.
  std::array<rt::TextBox*, 6> composition() const { return {txt_Aroma, txt_N, txt_PG, txt_VG, txt_W, txt_S}; }
  std::array<rt::Label*, 6> compositionLabels() const { return {lbl_Aroma, lbl_N, lbl_PG, lbl_VG, lbl_W, lbl_S}; }
  // The row is active: its tick box is ticked (a grey box is not).
  bool active() const { return chk_Activate->Value() == 1; }
};

class FrmAromen : public rt::Form {
 public:
  FrmAromen();

  // Row k is row[k], k = 1 to 7.
  FlavourRows<FlavourWindowRow> row;

  rt::Label* lbl_Name = nullptr;
  rt::TextBox* txt_Name = nullptr;
  rt::Label* lbl_Zusammenstellung = nullptr;
  rt::Label* lbl_Dosierung = nullptr;
  rt::CommandButton* btn_All_Laden = nullptr;
  rt::CommandButton* btn_All_Speichern = nullptr;
  rt::CommandButton* btn_Reset_All = nullptr;
  rt::CommandButton* btn_Reset_Dosierung = nullptr;

  // Public members, false whenever the window is loaded: the flavour list
  // and the single flavour read last were saved with the nicotine counted
  // into the 100 %.
  bool Aromenliste_Mit_HundertProzentN = false;
  bool Aroma_Mit_HundertProzentN = false;

  // The maximised and minimised state stored for the window, read when it
  // is loaded and applied when the menu shows it.
  bool storedMaximised = false;
  bool storedMinimised = false;
};

// The application's flavour window; touching it loads it (hidden) when it is
// not loaded.
FrmAromen& frmAromen(App& app);

}  // namespace mirl

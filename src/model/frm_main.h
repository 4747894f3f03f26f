#pragma once
// The main window frm_Main: every control with its name, kind and design-time
// caption; its inputs are listed in model/main_inputs.h, their design
// values in model/main_design.h.
// The six base groups and the seven flavour rows are tables of the same
// shape; code walks them instead of naming each control.
#include <array>
#include <string>

#include "model/flavour_rows.h"
#include "runtime/form.h"

namespace mirl {

// The six base slots, always in this order.
enum BaseSlotId { PG_N_Basis = 0, VG_N_Basis, VPG_N_Basis, PG_Basis, VG_Basis, VPG_Basis };
inline constexpr int kBaseSlots = 6;

struct BaseSlotNames {
  const char* stem;       // "PG_N_Basis": control names are txt_ + stem + suffix
  const char* priceList;  // "cbo_N_PG_Preis"
  const char* section;    // session-file section, "N-Basis-PG"
};
extern const std::array<BaseSlotNames, kBaseSlots> kBaseSlotNames;

// One base group: tick box, fields, labels and price list.
struct BaseSlot {
  rt::CheckBox* chk = nullptr;
  rt::TextBox* txt_Hersteller = nullptr;
  rt::Label* lbl_Hersteller = nullptr;
  rt::TextBox* txt_mg_ml = nullptr;
  rt::Label* lbl_mg_ml = nullptr;
  rt::TextBox* txt_PG_Prozent = nullptr;
  rt::TextBox* txt_VG_Prozent = nullptr;
  rt::TextBox* txt_Wasser_Prozent = nullptr;
  rt::TextBox* txt_Sonst_Prozent = nullptr;
  rt::Label* lbl_PG_Prozent = nullptr;
  rt::Label* lbl_VG_Prozent = nullptr;
  rt::Label* lbl_Wasser_Prozent = nullptr;
  rt::Label* lbl_Sonst_Prozent = nullptr;
  rt::TextBox* txt_Preis_100_ml = nullptr;
  rt::Label* lbl_Preis_100_ml = nullptr;
  rt::Label* lbl_Preis_100_ml_Euro = nullptr;
  rt::ComboBox* cbo_Preis = nullptr;
  rt::TextBox* txtl_Preis_Summe = nullptr;
  rt::Label* lbl_Preis_Summe = nullptr;
  rt::Label* lbl_Preis_Summe_Euro = nullptr;
  rt::TextBox* txt_Menge = nullptr;
  rt::Label* lbl_Menge = nullptr;
  rt::Label* lbl_Menge_ml = nullptr;

  // PG, VG, water, other, in this order.
  std::array<rt::TextBox*, 4> percentFields() const {
    return {txt_PG_Prozent, txt_VG_Prozent, txt_Wasser_Prozent, txt_Sonst_Prozent};
  }
  std::array<rt::Label*, 4> percentLabels() const {
    return {lbl_PG_Prozent, lbl_VG_Prozent, lbl_Wasser_Prozent, lbl_Sonst_Prozent};
  }
};

// One flavour row (control arrays with indexes 1 to 7).
struct FlavourRow {
  rt::CheckBox* chk_Aroma = nullptr;
  rt::TextBox* txt_Aroma_Menge = nullptr;
  rt::Label* lbl_Aroma_Mengenbezeichnung = nullptr;
  rt::TextBox* txt_Aroma_Menge_ml = nullptr;
  rt::Label* lbl_Aroma_Mengenbezeichnung_ml = nullptr;
  rt::TextBox* txt_Aroma_Kommentar = nullptr;
  rt::TextBox* txt_Aroma_Preis = nullptr;
  rt::Label* lbl_Aroma_Preis_je = nullptr;
  rt::Label* lbl_Aroma_Preis_Euro = nullptr;
  rt::ComboBox* cbo_Aroma_Preis_Menge = nullptr;
};

class FrmMain : public rt::Form {
 public:
  FrmMain();

  // --- base groups and flavour rows ---------------------------------------
  std::array<BaseSlot, kBaseSlots> basis;
  // Row k is aroma[k], k = 1 to 7.
  FlavourRows<FlavourRow> aroma;

  // Group headings and frame lines (nicotine bases, nicotine-free bases,
  // flavours). Line1..Line5 are arrays: index 0 nicotine bases, 1 the others.
  rt::Label* lbl_Main_N_Basis = nullptr;
  rt::Label* lbl_Main_Basis = nullptr;
  rt::Label* lbl_Aromen = nullptr;
  // [edge][group]: edges left, top piece left of the caption, top right of it,
  // bottom, right.
  std::array<std::array<rt::Line*, 2>, 5> lineBases{};
  // Flavour frame: left, top piece, top right, bottom, right
  // (Line11, Line8, Line9, Line12, Line10).
  std::array<rt::Line*, 5> lineAromen{};
  // The frame of the panel right of the flavours and the separators.
  std::array<rt::Line*, 5> linePanel{};  // Line13 .. Line17
  rt::Line* Line6 = nullptr;
  rt::Line* Line7 = nullptr;
  rt::Line* lne_Aroma_Trenner = nullptr;

  // --- calculation panel (the target) --------------------------------------
  rt::Label* lbl_Berechnung = nullptr;
  rt::Label* lbl_Berechnung_Mischungsverhaeltnis = nullptr;
  rt::TextBox* txt_Berechnung_Prozent_N = nullptr;
  rt::TextBox* txt_Berechnung_Prozent_PG = nullptr;
  rt::TextBox* txt_Berechnung_Prozent_VG = nullptr;
  rt::TextBox* txt_Berechnung_Prozent_Wasser = nullptr;
  rt::TextBox* txt_Berechnung_Prozent_Sonst = nullptr;
  rt::Label* lbl_Berechnung_Prozent_N = nullptr;
  rt::Label* lbl_Berechnung_Prozent_PG = nullptr;
  rt::Label* lbl_Berechnung_Prozent_VG = nullptr;
  rt::Label* lbl_Berechnung_Prozent_Wasser = nullptr;
  rt::Label* lbl_Berechnung_Prozent_Sonst = nullptr;
  rt::TextBox* txt_Berechnung_Menge = nullptr;
  rt::Label* lbl_Berechnung_Menge = nullptr;
  rt::Label* lbl_Berechnung_Menge_ml = nullptr;
  rt::TextBox* txt_Berechnung_Zusatzkosten = nullptr;
  rt::Label* lbl_Berechnung_Zusatzkosten = nullptr;
  rt::Label* lbl_Berechnung_Zusatzkosten_Euro = nullptr;
  rt::TextBox* txt_Berechnung_Preis = nullptr;
  rt::Label* lbl_Berechnung_Preis = nullptr;
  rt::Label* lbl_Berechnung_Preis_Berechnung_Euro = nullptr;
  rt::ComboBox* cbo_Preis_Berechnung = nullptr;
  rt::TextBox* txt_Berechnung_Preis_Gesamt = nullptr;
  rt::Label* lbl_Berechnung_Preis_Gesamt = nullptr;
  rt::Label* lbl_Berechnung_Preis_Gesamt_Euro = nullptr;
  rt::CheckBox* chk_AllAromaProzent = nullptr;
  rt::TextBox* txt_AllAromaProzent = nullptr;
  rt::Label* lbl_Berechnung_AllAromen_Prozent = nullptr;
  rt::TextBox* txt_Berechnung_Zusammenstellung = nullptr;
  rt::Label* lbl_Berechnung_Zusammenstellung = nullptr;
  rt::CommandButton* btn_Berechnung = nullptr;
  rt::CommandButton* btn_Misch_Zu_Menge = nullptr;
  rt::Label* lbl_TopTen = nullptr;
  rt::CommandButton* btn_L = nullptr;
  rt::CommandButton* btn_R = nullptr;
  rt::CommandButton* btn_Reset = nullptr;

  // The target's strength, PG, VG, water and other, in this order (as a
  // base's strength and percentFields()).
  std::array<rt::TextBox*, 5> targetFields() const {
    return {txt_Berechnung_Prozent_N, txt_Berechnung_Prozent_PG, txt_Berechnung_Prozent_VG,
            txt_Berechnung_Prozent_Wasser, txt_Berechnung_Prozent_Sonst};
  }
  std::array<rt::Label*, 5> targetLabels() const {
    return {lbl_Berechnung_Prozent_N, lbl_Berechnung_Prozent_PG, lbl_Berechnung_Prozent_VG,
            lbl_Berechnung_Prozent_Wasser, lbl_Berechnung_Prozent_Sonst};
  }

  // --- live panel ----------------------------------------------------------
  rt::TextBox* txt_Live_Aroma = nullptr;
  rt::TextBox* txt_Live_N = nullptr;
  rt::TextBox* txt_Live_PG = nullptr;
  rt::TextBox* txt_Live_VG = nullptr;
  rt::TextBox* txt_Live_Wasser = nullptr;
  rt::TextBox* txt_Live_Sonstiges = nullptr;
  rt::Label* lbl_Live_Aroma = nullptr;
  rt::Label* lbl_Live_Aroma_Prozent = nullptr;
  rt::Label* lbl_Live_N = nullptr;
  rt::Label* lbl_Live_PG = nullptr;
  rt::Label* lbl_Live_VG = nullptr;
  rt::Label* lbl_Live_Wasser = nullptr;
  rt::Label* lbl_Live_Sonstiges = nullptr;
  rt::TextBox* txt_Live_Menge = nullptr;
  rt::Label* lbl_Live_Menge = nullptr;
  rt::Label* lbl_Live_Menge_ml = nullptr;
  rt::TextBox* txt_Live_Preis_Zusatzkosten = nullptr;
  rt::Label* lbl_Live_Preis_Zusatzkosten = nullptr;
  rt::Label* lbl_Live_Preis_Zusatzkosten_Euro = nullptr;
  rt::TextBox* txt_Live_Preis_Summe = nullptr;
  rt::Label* lbl_Live_Preis_Summe = nullptr;
  rt::Label* lbl_Live_Preis_Summe_Euro = nullptr;
  rt::TextBox* txt_Live_Preis = nullptr;
  rt::Label* lbl_Live_Preis = nullptr;
  rt::Label* lbl_Live_Preis_Euro = nullptr;
  rt::ComboBox* cbo_Preis_Live = nullptr;
  rt::TextBox* txt_Vis_Summe = nullptr;
  rt::Label* lbl_Live_Viskositaet = nullptr;
  rt::Label* lbl_Live_Viskositaet_mPas = nullptr;
  rt::CommandButton* btn_Live_Mix_100ml = nullptr;

  // --- mode ----------------------------------------------------------------
  // [0] calculation, [1] live analysis.
  std::array<rt::OptionButton*, 2> opt_Berechnungsauswahl{};

  // --- menus ---------------------------------------------------------------
  rt::MenuItem* mnu_Datei = nullptr;
  rt::MenuItem* mnu_Datei_Oeffnen = nullptr;
  rt::MenuItem* mnu_Datei_Speichern_Unter = nullptr;
  rt::MenuItem* mnu_Service = nullptr;
  rt::MenuItem* mnu_Service_Auto_Markierung = nullptr;
  rt::MenuItem* mnu_Service_Farben = nullptr;
  rt::MenuItem* mnu_Service_HundertProzentN = nullptr;
  rt::MenuItem* mnu_Service_MsgBox = nullptr;
  rt::MenuItem* mnu_Seperator_01 = nullptr;
  rt::MenuItem* mnu_Service_Sprache = nullptr;
  rt::MenuItem* mnu_Service_Sprache_Deutsch = nullptr;
  rt::MenuItem* mnu_Service_Sprache_English = nullptr;
  rt::MenuItem* mnu_Seperator_02 = nullptr;
  rt::MenuItem* mnu_Service_Aromenkonfiguration = nullptr;
  rt::MenuItem* mnu_Info = nullptr;

  // --- status line and progress -------------------------------------------
  rt::StatusBar* StatusBar1 = nullptr;
  rt::ProgressBar* ProgressBar1 = nullptr;

  // --- the options as the code reads them ---------------------------------
  // Calculation selected (option 0), live analysis selected (option 1).
  bool calculationMode() const { return opt_Berechnungsauswahl[0]->Value(); }
  bool liveMode() const { return opt_Berechnungsauswahl[1]->Value(); }
  // The flavours count inside the target: the flavour-share box is not
  // clear (a grey box counts) ...
  bool flavourShareInside() const { return chk_AllAromaProzent->Value() != 0; }
  // ... or, where a grey box does not count, ticked exactly.
  bool flavourShareTicked() const { return chk_AllAromaProzent->Value() == 1; }
  // Nicotine (mg/ml / 10) counts into the 100 % of every composition.
  bool nicotineInside() const { return mnu_Service_HundertProzentN->Checked(); }
  // Error and information boxes are off (their status texts remain).
  bool messageBoxesOff() const { return mnu_Service_MsgBox->Checked(); }
  // A field selects its whole text when it gets the focus.
  bool selectOnFocusOn() const { return mnu_Service_Auto_Markierung->Checked(); }
};

}  // namespace mirl

#include "support/main_window_texts.h"

#include <array>

#include "context/app.h"

namespace mirl {

namespace {

using Controls = std::vector<rt::Control*>;

// A member of a base group stands for that control of all six slots, a
// member of a flavour row for rows 1 to 7, a member of the window for itself.
template <class T>
void collect(FrmMain& f, T* BaseSlot::*member, Controls& out) {
  for (BaseSlot& slot : f.basis) out.push_back(slot.*member);
}

template <class T>
void collect(FrmMain& f, T* FlavourRow::*member, Controls& out) {
  for (int k : kFlavourRowNumbers) out.push_back(f.aroma[k].*member);
}

template <class T>
void collect(FrmMain& f, T* FrmMain::*member, Controls& out) {
  out.push_back(f.*member);
}

template <auto... Members>
Controls all(App& app) {
  Controls out;
  (collect(app.main(), Members, out), ...);
  return out;
}

// One control of one base slot.
template <int Slot, auto Member>
Controls slot(App& app) {
  return {app.main().basis[Slot].*Member};
}

template <int Index>
Controls modeOption(App& app) {
  return {app.main().opt_Berechnungsauswahl[Index]};
}

constexpr auto Caption = CaptionProperty::Caption;
constexpr auto ToolTip = CaptionProperty::ToolTipText;

const std::array kMainWindow = {
    CaptionText{all<&BaseSlot::cbo_Preis, &FlavourRow::cbo_Aroma_Preis_Menge, &FrmMain::cbo_Preis_Berechnung,
                    &FrmMain::cbo_Preis_Live>,
                ToolTip, "Preis je ...", "Price per ..."},
    CaptionText{all<&BaseSlot::lbl_Hersteller>, Caption, "Hersteller: ", "Vendor: "},
    CaptionText{all<&BaseSlot::lbl_Menge, &FrmMain::lbl_Berechnung_Menge, &FrmMain::lbl_Live_Menge>, Caption,
                "Menge: ", "Amount: "},
    CaptionText{all<&BaseSlot::lbl_Preis_Summe>, Caption, "Zwischensumme: ", "Subtotal: "},
    CaptionText{all<&BaseSlot::lbl_Preis_100_ml, &FlavourRow::lbl_Aroma_Preis_je, &FrmMain::lbl_Berechnung_Preis,
                    &FrmMain::lbl_Live_Preis>,
                Caption, "Preis: ", "Price: "},
    CaptionText{all<&BaseSlot::lbl_Sonst_Prozent, &FrmMain::lbl_Berechnung_Prozent_Sonst, &FrmMain::lbl_Live_Sonstiges>,
                Caption, "% Sonst. ", "% Other "},
    CaptionText{all<&FrmMain::lbl_Main_N_Basis>, Caption, "Vorhandene N-Basen: ", "All supply N-Bases: "},
    CaptionText{all<&FrmMain::lbl_Main_Basis>, Caption, "Vorhandene Nuller-Basen: ", "All supply Zero-Bases: "},
    CaptionText{slot<PG_N_Basis, &BaseSlot::chk>, Caption, "PG - N-Basis", "PG - N-Base"},
    CaptionText{slot<VG_N_Basis, &BaseSlot::chk>, Caption, "VG - N-Basis", "VG - N-Base"},
    CaptionText{slot<VPG_N_Basis, &BaseSlot::chk>, Caption, "VPG - N-Basis", "VPG - N-Base"},
    CaptionText{slot<PG_Basis, &BaseSlot::chk>, Caption, "PG - ohne N", "PG - Zero-Base"},
    CaptionText{slot<VG_Basis, &BaseSlot::chk>, Caption, "VG - ohne N", "VG - Zero-Base"},
    CaptionText{slot<VPG_Basis, &BaseSlot::chk>, Caption, "Destilliertes Wasser ", "Distilled water "},
    CaptionText{all<&FlavourRow::chk_Aroma>, Caption, "Aroma {k}: ", "Flavor {k}: "},
    CaptionText{all<&FrmMain::lbl_Aromen, &FrmMain::lbl_Live_Aroma>, Caption, "Aromen: ", "Flavors: "},
    CaptionText{all<&FrmMain::lbl_Berechnung>, Caption, "Berechnungen: ", "Calculation: "},
    CaptionText{all<&FrmMain::lbl_Berechnung_Zusatzkosten, &FrmMain::lbl_Live_Preis_Zusatzkosten>, Caption,
                "Zusatzkosten: ", "Additional cost: "},
    CaptionText{all<&FrmMain::lbl_Berechnung_Preis_Gesamt, &FrmMain::lbl_Live_Preis_Summe>, Caption,
                "Gesamtkosten: ", "All-in cost: "},
    CaptionText{all<&FrmMain::lbl_Berechnung_Mischungsverhaeltnis>, Caption, "Mischungsverhältnis: ",
                "Mixing ratio: "},
    CaptionText{all<&FrmMain::lbl_Berechnung_Zusammenstellung>, Caption, "Bezeichnung der Zusammenstellung: ",
                "Title of this fantastic mixing ratio: "},
    CaptionText{all<&FrmMain::chk_AllAromaProzent>, Caption, "Inklusive Aromen ", "Inclusive Flavors "},
    CaptionText{all<&FrmMain::lbl_Live_Viskositaet>, Caption, "Probleme: ", "Problems: "},
    CaptionText{modeOption<0>, Caption, "Berechnungen ", "Calculation    "},
    CaptionText{modeOption<1>, Caption, "Invertierte Live-Analyse durch manuelle Mengeneingabe    ",
                "Reversed Live-Analysis by manually amount input   "},
};

const std::array kMixToAmount = {
    CaptionText{all<&FrmMain::btn_Misch_Zu_Menge>, ToolTip,
                "Aktuelles \"Live-Analyse-Mischungsverhältnis\" auf die hier angegebene Menge transferieren",
                "Calculated transfer with this amount to \"Live-Analysis-Amounts\" by those mixing ratio"},
};

const std::array kMenus = {
    CaptionText{all<&FrmMain::mnu_Datei>, Caption, "&Datei", "&File"},
    CaptionText{all<&FrmMain::mnu_Datei_Oeffnen>, Caption, "Oe&ffnen", "&Open"},
    CaptionText{all<&FrmMain::mnu_Datei_Speichern_Unter>, Caption, "Speichern &unter ...", "Save &As ..."},
    CaptionText{all<&FrmMain::mnu_Info>, Caption, "&Info", "&Info"},
    CaptionText{all<&FrmMain::mnu_Service>, Caption, "&Service", "&Service"},
    CaptionText{all<&FrmMain::mnu_Service_Auto_Markierung>, Caption,
                "Automatische Text-&Markierung bei Fokuserhalt", "Autoselect &text on focus"},
    CaptionText{all<&FrmMain::mnu_Service_Farben>, Caption, "&Farbige Hintergründe erlauben",
                "Enable &coloured background"},
    CaptionText{all<&FrmMain::mnu_Service_HundertProzentN>, Caption,
                "100% Berechnung inklusive &N --- Wissenschaftliche Berechnung",
                "Enable 100% calculating inclusive &N --- Scientific methods"},
    CaptionText{all<&FrmMain::mnu_Service_MsgBox>, Caption,
                "Infoboxen (Warnhinweise) deaktivieren --- Infos nur noch in &Statusleiste sichtbar",
                "Disable messagebo&x --- Infos only in statusbar visibly"},
    CaptionText{all<&FrmMain::mnu_Service_Sprache>, Caption, "&Languages / Sprachen", "&Languages / Sprachen"},
    CaptionText{all<&FrmMain::mnu_Service_Sprache_Deutsch>, Caption, "&German --- deutsch", "&German --- deutsch"},
    CaptionText{all<&FrmMain::mnu_Service_Sprache_English>, Caption, "&English --- englisch",
                "&English --- englisch"},
};

}  // namespace

std::span<const CaptionText> mainWindowCaptionTexts() { return kMainWindow; }
std::span<const CaptionText> mixToAmountTooltipText() { return kMixToAmount; }
std::span<const CaptionText> mainMenuCaptionTexts() { return kMenus; }

}  // namespace mirl

#include "model/frm_main.h"

#include "model/control_builder.h"
#include "model/main_design.h"

namespace mirl {

const std::array<BaseSlotNames, kBaseSlots> kBaseSlotNames = {{
    {"PG_N_Basis", "cbo_N_PG_Preis", "N-Basis-PG"},
    {"VG_N_Basis", "cbo_N_VG_Preis", "N-Basis-VG"},
    {"VPG_N_Basis", "cbo_N_VPG_Preis", "N-Basis-VPG"},
    {"PG_Basis", "cbo_PG_Preis", "Nuller-Basis-PG"},
    {"VG_Basis", "cbo_VG_Preis", "Nuller-Basis-VG"},
    {"VPG_Basis", "cbo_VPG_Preis", "Nuller-Basis-VPG"},
}};

namespace {

// The captions of the six base tick boxes.
constexpr std::array<const char*, kBaseSlots> kBaseCaptions = {
    "PG - N-Basis", "VG - N-Basis", "VPG - N-Basis", "PG - ohne N", "VG - ohne N", "Destilliertes Wasser ",
};
constexpr std::string_view kPricePer = "Preis je ...";

// A field that shows `shown` and is locked when one is given (a computed
// value), else an input.
void addField(ControlBuilder& b, rt::TextBox*& field, std::string_view name, const char* shown) {
  if (shown) {
    b.output(field, name, shown);
  } else {
    b.text(field, name);
  }
}

// A caption, a field and the unit after it.
void fieldWithUnit(ControlBuilder& b, rt::Label*& caption, std::string_view captionName, const std::string& text,
                   rt::TextBox*& field, std::string_view fieldName, rt::Label*& unit, std::string_view unitName,
                   const std::string& unitText, const char* shown = nullptr) {
  b.label(caption, captionName, text);
  addField(b, field, fieldName, shown);
  b.label(unit, unitName, unitText);
}

// A composition's strength, PG, VG, water and other: each field after its
// caption.
struct CaptionedField {
  rt::Label*& caption;
  std::string_view captionName;
  rt::TextBox*& field;
  std::string_view fieldName;
};
constexpr std::array<const char*, 5> kCompositionCaptions = {"mg/ml", "% PG", "% VG", "% H₂O", "% Sonst. "};

void addComposition(ControlBuilder& b, const std::array<CaptionedField, 5>& fields, const char* shown = nullptr) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    b.label(fields[i].caption, fields[i].captionName, kCompositionCaptions[i]);
    addField(b, fields[i].field, fields[i].fieldName, shown);
  }
}

void addBaseSlot(FrmMain& f, int s) {
  ControlBuilder b(f, kBaseSlotNames[s].stem);
  BaseSlot& x = f.basis[s];
  b.check(MIRL_NAMED(x, chk), kBaseCaptions[s]);
  b.label(MIRL_NAMED(x, lbl_Hersteller), "Hersteller: ");
  b.text(MIRL_NAMED(x, txt_Hersteller));
  addComposition(b, {{
                        {MIRL_NAMED(x, lbl_mg_ml), MIRL_NAMED(x, txt_mg_ml)},
                        {MIRL_NAMED(x, lbl_PG_Prozent), MIRL_NAMED(x, txt_PG_Prozent)},
                        {MIRL_NAMED(x, lbl_VG_Prozent), MIRL_NAMED(x, txt_VG_Prozent)},
                        {MIRL_NAMED(x, lbl_Wasser_Prozent), MIRL_NAMED(x, txt_Wasser_Prozent)},
                        {MIRL_NAMED(x, lbl_Sonst_Prozent), MIRL_NAMED(x, txt_Sonst_Prozent)},
                    }});
  fieldWithUnit(b, MIRL_NAMED(x, lbl_Preis_100_ml), "Preis: ", MIRL_NAMED(x, txt_Preis_100_ml),
                MIRL_NAMED(x, lbl_Preis_100_ml_Euro), "€");
  // The price list's name does not follow the group's pattern.
  ControlBuilder(f).priceList(x.cbo_Preis, kBaseSlotNames[s].priceList, kPricePer);
  fieldWithUnit(b, MIRL_NAMED(x, lbl_Menge), "Menge: ", MIRL_NAMED(x, txt_Menge), MIRL_NAMED(x, lbl_Menge_ml), "ml");
  fieldWithUnit(b, MIRL_NAMED(x, lbl_Preis_Summe), "Zwischensumme: ", MIRL_NAMED(x, txtl_Preis_Summe),
                MIRL_NAMED(x, lbl_Preis_Summe_Euro), "€", "0,00");
}

void addFlavourRow(FrmMain& f, ControlBuilder& b, int k) {
  FlavourRow& r = f.aroma[k];
  b.check(MIRL_NAMED(r, chk_Aroma), "Aroma " + std::to_string(k) + ": ", k);
  b.text(MIRL_NAMED(r, txt_Aroma_Kommentar), k);
  b.text(MIRL_NAMED(r, txt_Aroma_Menge), k);
  b.label(MIRL_NAMED(r, lbl_Aroma_Mengenbezeichnung), "%", k);
  b.text(MIRL_NAMED(r, txt_Aroma_Menge_ml), k);
  b.label(MIRL_NAMED(r, lbl_Aroma_Mengenbezeichnung_ml), "ml", k);
  b.label(MIRL_NAMED(r, lbl_Aroma_Preis_je), "Preis: ", k);
  b.text(MIRL_NAMED(r, txt_Aroma_Preis), k);
  b.label(MIRL_NAMED(r, lbl_Aroma_Preis_Euro), "€", k);
  b.priceList(MIRL_NAMED(r, cbo_Aroma_Preis_Menge), kPricePer, k);
}

// Frame lines: Line1..Line5 for the two base groups, then the flavours'
// frame, the panel's frame and the separators.
void addLines(FrmMain& f, ControlBuilder& b) {
  for (int edge = 0; edge < 5; ++edge) {
    for (int group = 0; group < 2; ++group) b.line(f.lineBases[edge][group], "Line" + std::to_string(edge + 1), group);
  }
  const std::array<const char*, 5> flavourLines = {"Line11", "Line8", "Line9", "Line12", "Line10"};
  for (int i = 0; i < 5; ++i) b.line(f.lineAromen[i], flavourLines[i]);
  for (int i = 0; i < 5; ++i) b.line(f.linePanel[i], "Line" + std::to_string(13 + i));
  b.line(MIRL_NAMED(f, Line6));
  b.line(MIRL_NAMED(f, Line7));
  b.line(MIRL_NAMED(f, lne_Aroma_Trenner));
}

void addCalculationPanel(FrmMain& f, ControlBuilder& b) {
  b.label(MIRL_NAMED(f, lbl_Berechnung), "Berechnungen: ");
  b.label(MIRL_NAMED(f, lbl_Berechnung_Mischungsverhaeltnis), "Mischungsverhältnis: ");
  addComposition(b, {{
                        {MIRL_NAMED(f, lbl_Berechnung_Prozent_N), MIRL_NAMED(f, txt_Berechnung_Prozent_N)},
                        {MIRL_NAMED(f, lbl_Berechnung_Prozent_PG), MIRL_NAMED(f, txt_Berechnung_Prozent_PG)},
                        {MIRL_NAMED(f, lbl_Berechnung_Prozent_VG), MIRL_NAMED(f, txt_Berechnung_Prozent_VG)},
                        {MIRL_NAMED(f, lbl_Berechnung_Prozent_Wasser), MIRL_NAMED(f, txt_Berechnung_Prozent_Wasser)},
                        {MIRL_NAMED(f, lbl_Berechnung_Prozent_Sonst), MIRL_NAMED(f, txt_Berechnung_Prozent_Sonst)},
                    }});
  b.check(MIRL_NAMED(f, chk_AllAromaProzent), "Inklusive Aromen ");
  b.output(MIRL_NAMED(f, txt_AllAromaProzent), "0");
  b.label(MIRL_NAMED(f, lbl_Berechnung_AllAromen_Prozent), "%");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Berechnung_Menge), "Menge: ", MIRL_NAMED(f, txt_Berechnung_Menge),
                MIRL_NAMED(f, lbl_Berechnung_Menge_ml), "ml");
  b.button(MIRL_NAMED(f, btn_Misch_Zu_Menge), "Mix --->   ")
      ->setToolTipText("Aktuelles \"Live-Analyse-Mischungsverhältnis\" auf die hier angegebene Menge transferieren");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Berechnung_Zusatzkosten),
                "Zusatzkosten: ", MIRL_NAMED(f, txt_Berechnung_Zusatzkosten),
                MIRL_NAMED(f, lbl_Berechnung_Zusatzkosten_Euro), "€");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Berechnung_Preis), "Preis: ", MIRL_NAMED(f, txt_Berechnung_Preis),
                MIRL_NAMED(f, lbl_Berechnung_Preis_Berechnung_Euro), "€", "0,00");
  b.priceList(MIRL_NAMED(f, cbo_Preis_Berechnung), kPricePer);
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Berechnung_Preis_Gesamt),
                "Gesamtkosten: ", MIRL_NAMED(f, txt_Berechnung_Preis_Gesamt),
                MIRL_NAMED(f, lbl_Berechnung_Preis_Gesamt_Euro), "€", "0,00");
  b.label(MIRL_NAMED(f, lbl_Berechnung_Zusammenstellung), "Bezeichnung der Zusammenstellung: ");
  b.text(MIRL_NAMED(f, txt_Berechnung_Zusammenstellung));
  b.button(MIRL_NAMED(f, btn_Berechnung), "Berechnen ");
  b.button(MIRL_NAMED(f, btn_L), "< ");
  b.label(MIRL_NAMED(f, lbl_TopTen), "Vorschlag ");
  b.button(MIRL_NAMED(f, btn_R), "> ");
  b.button(MIRL_NAMED(f, btn_Reset), "Reset ");
}

void addLivePanel(FrmMain& f, ControlBuilder& b) {
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Menge), "Menge: ", MIRL_NAMED(f, txt_Live_Menge),
                MIRL_NAMED(f, lbl_Live_Menge_ml), "ml", "0");
  addComposition(b,
                 {{
                     {MIRL_NAMED(f, lbl_Live_N), MIRL_NAMED(f, txt_Live_N)},
                     {MIRL_NAMED(f, lbl_Live_PG), MIRL_NAMED(f, txt_Live_PG)},
                     {MIRL_NAMED(f, lbl_Live_VG), MIRL_NAMED(f, txt_Live_VG)},
                     {MIRL_NAMED(f, lbl_Live_Wasser), MIRL_NAMED(f, txt_Live_Wasser)},
                     {MIRL_NAMED(f, lbl_Live_Sonstiges), MIRL_NAMED(f, txt_Live_Sonstiges)},
                 }},
                 "0");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Aroma), "Aromen: ", MIRL_NAMED(f, txt_Live_Aroma),
                MIRL_NAMED(f, lbl_Live_Aroma_Prozent), "%", "0");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Preis_Zusatzkosten),
                "Zusatzkosten: ", MIRL_NAMED(f, txt_Live_Preis_Zusatzkosten),
                MIRL_NAMED(f, lbl_Live_Preis_Zusatzkosten_Euro), "€");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Preis_Summe), "Gesamtkosten: ", MIRL_NAMED(f, txt_Live_Preis_Summe),
                MIRL_NAMED(f, lbl_Live_Preis_Summe_Euro), "€", "0,00");
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Preis), "Preis: ", MIRL_NAMED(f, txt_Live_Preis),
                MIRL_NAMED(f, lbl_Live_Preis_Euro), "€", "0,00");
  b.priceList(MIRL_NAMED(f, cbo_Preis_Live), kPricePer);
  fieldWithUnit(b, MIRL_NAMED(f, lbl_Live_Viskositaet), "Probleme: ", MIRL_NAMED(f, txt_Vis_Summe),
                MIRL_NAMED(f, lbl_Live_Viskositaet_mPas), "mPa·s", "0");
  b.button(MIRL_NAMED(f, btn_Live_Mix_100ml), "Mix 100ml");
}

void addMenus(FrmMain& f, ControlBuilder& b) {
  b.menu(MIRL_NAMED(f, mnu_Datei), "&Datei", nullptr);
  b.menu(MIRL_NAMED(f, mnu_Datei_Oeffnen), "Oe&ffnen", f.mnu_Datei, "Ctrl+O");
  b.menu(MIRL_NAMED(f, mnu_Datei_Speichern_Unter), "Speichern &unter ...", f.mnu_Datei, "Ctrl+S");
  b.menu(MIRL_NAMED(f, mnu_Service), "&Service", nullptr);
  b.menu(MIRL_NAMED(f, mnu_Service_Auto_Markierung), "Automatische Text-&Markierung bei Fokuserhalt", f.mnu_Service,
         "Ctrl+T");
  b.menu(MIRL_NAMED(f, mnu_Service_Farben), "&Farbige Hintergründe erlauben", f.mnu_Service, "Ctrl+F");
  b.menu(MIRL_NAMED(f, mnu_Service_HundertProzentN), "100% Berechnung inklusive &N --- Wissenschaftliche Berechnung",
         f.mnu_Service, "Ctrl+N");
  b.menu(MIRL_NAMED(f, mnu_Service_MsgBox),
         "Infoboxen (Warnhinweise) deaktivieren --- Infos nur noch in &Statusleiste sichtbar", f.mnu_Service, "Ctrl+W");
  b.menu(MIRL_NAMED(f, mnu_Seperator_01), "-", f.mnu_Service);
  b.menu(MIRL_NAMED(f, mnu_Service_Sprache), "&Languages / Sprachen", f.mnu_Service);
  b.menu(MIRL_NAMED(f, mnu_Service_Sprache_Deutsch), "&German --- deutsch", f.mnu_Service_Sprache);
  b.menu(MIRL_NAMED(f, mnu_Service_Sprache_English), "&English --- englisch", f.mnu_Service_Sprache);
  b.menu(MIRL_NAMED(f, mnu_Seperator_02), "-", f.mnu_Service);
  b.menu(MIRL_NAMED(f, mnu_Service_Aromenkonfiguration), "&AromenTessivane", f.mnu_Service, "Ctrl+A");
  b.menu(MIRL_NAMED(f, mnu_Info), "&Info", nullptr);
}

}  // namespace

FrmMain::FrmMain() : rt::Form("frm_Main") {
  setCaption("MirlFumarix");
  setSize(15360, 10950);
  setLeft(600);
  setTop(450);

  // Input fields get their values from the design table at the end.
  ControlBuilder b(*this);
  b.label(MIRL_NAMED(*this, lbl_Main_N_Basis), "Vorhandene N-Basen: ");
  b.label(MIRL_NAMED(*this, lbl_Main_Basis), "Vorhandene Nuller-Basen: ");
  for (int s = 0; s < kBaseSlots; ++s) addBaseSlot(*this, s);
  b.label(MIRL_NAMED(*this, lbl_Aromen), "Aromen: ");
  for (int k : kFlavourRowNumbers) addFlavourRow(*this, b, k);
  addLines(*this, b);
  addCalculationPanel(*this, b);
  addLivePanel(*this, b);

  // Mode.
  opt_Berechnungsauswahl[0] = &add<rt::OptionButton>("opt_Berechnungsauswahl", 0, "mode");
  opt_Berechnungsauswahl[0]->setCaption("Berechnungen ");
  opt_Berechnungsauswahl[1] = &add<rt::OptionButton>("opt_Berechnungsauswahl", 1, "mode");
  opt_Berechnungsauswahl[1]->setCaption("Invertierte Live-Analyse durch manuelle Mengeneingabe    ");

  addMenus(*this, b);

  // Status line with the progress bar, hidden until a search runs.
  StatusBar1 = &add<rt::StatusBar>("StatusBar1", 1);
  StatusBar1->setGeometry(0, 10290, 15240, 330);
  ProgressBar1 = &add<rt::ProgressBar>("ProgressBar1");
  ProgressBar1->setGeometry(9000, 10320, 6000, 255);
  ProgressBar1->setVisible(false);

  // The values of the inputs, options and check marks; no handler is wired
  // yet.
  applyDesign(*this);
}

}  // namespace mirl

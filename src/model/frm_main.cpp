#include "model/frm_main.h"

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

}  // namespace

FrmMain::FrmMain() : rt::Form("frm_Main") {
  setCaption("MirlFumarix");
  setSize(15360, 10950);
  setLeft(600);
  setTop(450);

  // Input fields get their values from the design table at the end.
  auto text = [this](const std::string& name, int index = -1) { return &add<rt::TextBox>(name, index); };
  auto output = [&](const std::string& name, const std::string& value) {
    rt::TextBox* t = text(name);
    t->setText(value);
    t->setLocked(true);
    return t;
  };
  auto label = [this](const std::string& name, const std::string& caption, int index = -1) {
    auto& l = add<rt::Label>(name, index);
    l.setCaption(caption);
    return &l;
  };
  auto check = [this](const std::string& name, const std::string& caption, int index = -1) {
    auto& c = add<rt::CheckBox>(name, index);
    c.setCaption(caption);
    return &c;
  };
  auto button = [this](const std::string& name, const std::string& caption) {
    auto& b = add<rt::CommandButton>(name);
    b.setCaption(caption);
    return &b;
  };
  auto list = [this](const std::string& name, int index = -1) { return &add<rt::ComboBox>(name, index); };
  auto line = [this](const std::string& name, int index = -1) { return &add<rt::Line>(name, index); };
  auto menu = [this](const std::string& name, const std::string& caption, rt::MenuItem* parent,
                     const std::string& shortcut = "") {
    auto& m = add<rt::MenuItem>(name, -1, parent);
    m.setCaption(caption);
    m.setShortcut(shortcut);
    return &m;
  };

  // Headings of the groups.
  lbl_Main_N_Basis = label("lbl_Main_N_Basis", "Vorhandene N-Basen: ");
  lbl_Main_Basis = label("lbl_Main_Basis", "Vorhandene Nuller-Basen: ");

  // The six base groups.
  for (int s = 0; s < kBaseSlots; ++s) {
    const std::string stem = kBaseSlotNames[s].stem;
    BaseSlot& b = basis[s];
    b.chk = check("chk_" + stem, kBaseCaptions[s]);
    b.lbl_Hersteller = label("lbl_" + stem + "_Hersteller", "Hersteller: ");
    b.txt_Hersteller = text("txt_" + stem + "_Hersteller");
    b.lbl_mg_ml = label("lbl_" + stem + "_mg_ml", "mg/ml");
    b.txt_mg_ml = text("txt_" + stem + "_mg_ml");
    b.lbl_PG_Prozent = label("lbl_" + stem + "_PG_Prozent", "% PG");
    b.txt_PG_Prozent = text("txt_" + stem + "_PG_Prozent");
    b.lbl_VG_Prozent = label("lbl_" + stem + "_VG_Prozent", "% VG");
    b.txt_VG_Prozent = text("txt_" + stem + "_VG_Prozent");
    b.lbl_Wasser_Prozent = label("lbl_" + stem + "_Wasser_Prozent", "% H₂O");
    b.txt_Wasser_Prozent = text("txt_" + stem + "_Wasser_Prozent");
    b.lbl_Sonst_Prozent = label("lbl_" + stem + "_Sonst_Prozent", "% Sonst. ");
    b.txt_Sonst_Prozent = text("txt_" + stem + "_Sonst_Prozent");
    b.lbl_Preis_100_ml = label("lbl_" + stem + "_Preis_100_ml", "Preis: ");
    b.txt_Preis_100_ml = text("txt_" + stem + "_Preis_100_ml");
    b.lbl_Preis_100_ml_Euro = label("lbl_" + stem + "_Preis_100_ml_Euro", "€");
    b.cbo_Preis = list(kBaseSlotNames[s].priceList);
    b.cbo_Preis->setToolTipText("Preis je ...");
    b.lbl_Menge = label("lbl_" + stem + "_Menge", "Menge: ");
    b.txt_Menge = text("txt_" + stem + "_Menge");
    b.lbl_Menge_ml = label("lbl_" + stem + "_Menge_ml", "ml");
    b.lbl_Preis_Summe = label("lbl_" + stem + "_Preis_Summe", "Zwischensumme: ");
    b.txtl_Preis_Summe = output("txtl_" + stem + "_Preis_Summe", "0,00");
    b.lbl_Preis_Summe_Euro = label("lbl_" + stem + "_Preis_Summe_Euro", "€");
  }

  // The seven flavour rows.
  lbl_Aromen = label("lbl_Aromen", "Aromen: ");
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = aroma[k];
    const std::string n = std::to_string(k);
    r.chk_Aroma = check("chk_Aroma", "Aroma " + n + ": ", k);
    r.txt_Aroma_Kommentar = text("txt_Aroma_Kommentar", k);
    r.txt_Aroma_Menge = text("txt_Aroma_Menge", k);
    r.lbl_Aroma_Mengenbezeichnung = label("lbl_Aroma_Mengenbezeichnung", "%", k);
    r.txt_Aroma_Menge_ml = text("txt_Aroma_Menge_ml", k);
    r.lbl_Aroma_Mengenbezeichnung_ml = label("lbl_Aroma_Mengenbezeichnung_ml", "ml", k);
    r.lbl_Aroma_Preis_je = label("lbl_Aroma_Preis_je", "Preis: ", k);
    r.txt_Aroma_Preis = text("txt_Aroma_Preis", k);
    r.lbl_Aroma_Preis_Euro = label("lbl_Aroma_Preis_Euro", "€", k);
    r.cbo_Aroma_Preis_Menge = list("cbo_Aroma_Preis_Menge", k);
    r.cbo_Aroma_Preis_Menge->setToolTipText("Preis je ...");
  }

  // Frame lines: Line1..Line5 for the two base groups, then the flavours.
  for (int edge = 0; edge < 5; ++edge) {
    for (int group = 0; group < 2; ++group) {
      lineBases[edge][group] = line("Line" + std::to_string(edge + 1), group);
    }
  }
  const std::array<const char*, 5> flavourLines = {"Line11", "Line8", "Line9", "Line12", "Line10"};
  for (int i = 0; i < 5; ++i) lineAromen[i] = line(flavourLines[i]);
  for (int i = 0; i < 5; ++i) linePanel[i] = line("Line" + std::to_string(13 + i));
  Line6 = line("Line6");
  Line7 = line("Line7");
  lne_Aroma_Trenner = line("lne_Aroma_Trenner");

  // Calculation panel.
  lbl_Berechnung = label("lbl_Berechnung", "Berechnungen: ");
  lbl_Berechnung_Mischungsverhaeltnis = label("lbl_Berechnung_Mischungsverhaeltnis", "Mischungsverhältnis: ");
  lbl_Berechnung_Prozent_N = label("lbl_Berechnung_Prozent_N", "mg/ml");
  txt_Berechnung_Prozent_N = text("txt_Berechnung_Prozent_N");
  lbl_Berechnung_Prozent_PG = label("lbl_Berechnung_Prozent_PG", "% PG");
  txt_Berechnung_Prozent_PG = text("txt_Berechnung_Prozent_PG");
  lbl_Berechnung_Prozent_VG = label("lbl_Berechnung_Prozent_VG", "% VG");
  txt_Berechnung_Prozent_VG = text("txt_Berechnung_Prozent_VG");
  lbl_Berechnung_Prozent_Wasser = label("lbl_Berechnung_Prozent_Wasser", "% H₂O");
  txt_Berechnung_Prozent_Wasser = text("txt_Berechnung_Prozent_Wasser");
  lbl_Berechnung_Prozent_Sonst = label("lbl_Berechnung_Prozent_Sonst", "% Sonst. ");
  txt_Berechnung_Prozent_Sonst = text("txt_Berechnung_Prozent_Sonst");
  chk_AllAromaProzent = check("chk_AllAromaProzent", "Inklusive Aromen ");
  txt_AllAromaProzent = output("txt_AllAromaProzent", "0");
  lbl_Berechnung_AllAromen_Prozent = label("lbl_Berechnung_AllAromen_Prozent", "%");
  lbl_Berechnung_Menge = label("lbl_Berechnung_Menge", "Menge: ");
  txt_Berechnung_Menge = text("txt_Berechnung_Menge");
  lbl_Berechnung_Menge_ml = label("lbl_Berechnung_Menge_ml", "ml");
  btn_Misch_Zu_Menge = button("btn_Misch_Zu_Menge", "Mix --->   ");
  btn_Misch_Zu_Menge->setToolTipText(
      "Aktuelles \"Live-Analyse-Mischungsverhältnis\" auf die hier angegebene Menge transferieren");
  lbl_Berechnung_Zusatzkosten = label("lbl_Berechnung_Zusatzkosten", "Zusatzkosten: ");
  txt_Berechnung_Zusatzkosten = text("txt_Berechnung_Zusatzkosten");
  lbl_Berechnung_Zusatzkosten_Euro = label("lbl_Berechnung_Zusatzkosten_Euro", "€");
  lbl_Berechnung_Preis = label("lbl_Berechnung_Preis", "Preis: ");
  txt_Berechnung_Preis = output("txt_Berechnung_Preis", "0,00");
  lbl_Berechnung_Preis_Berechnung_Euro = label("lbl_Berechnung_Preis_Berechnung_Euro", "€");
  cbo_Preis_Berechnung = list("cbo_Preis_Berechnung");
  cbo_Preis_Berechnung->setToolTipText("Preis je ...");
  lbl_Berechnung_Preis_Gesamt = label("lbl_Berechnung_Preis_Gesamt", "Gesamtkosten: ");
  txt_Berechnung_Preis_Gesamt = output("txt_Berechnung_Preis_Gesamt", "0,00");
  lbl_Berechnung_Preis_Gesamt_Euro = label("lbl_Berechnung_Preis_Gesamt_Euro", "€");
  lbl_Berechnung_Zusammenstellung = label("lbl_Berechnung_Zusammenstellung", "Bezeichnung der Zusammenstellung: ");
  txt_Berechnung_Zusammenstellung = text("txt_Berechnung_Zusammenstellung");
  btn_Berechnung = button("btn_Berechnung", "Berechnen ");
  btn_L = button("btn_L", "< ");
  lbl_TopTen = label("lbl_TopTen", "Vorschlag ");
  btn_R = button("btn_R", "> ");
  btn_Reset = button("btn_Reset", "Reset ");

  // Live panel.
  lbl_Live_Menge = label("lbl_Live_Menge", "Menge: ");
  txt_Live_Menge = output("txt_Live_Menge", "0");
  lbl_Live_Menge_ml = label("lbl_Live_Menge_ml", "ml");
  lbl_Live_N = label("lbl_Live_N", "mg/ml");
  txt_Live_N = output("txt_Live_N", "0");
  lbl_Live_PG = label("lbl_Live_PG", "% PG");
  txt_Live_PG = output("txt_Live_PG", "0");
  lbl_Live_VG = label("lbl_Live_VG", "% VG");
  txt_Live_VG = output("txt_Live_VG", "0");
  lbl_Live_Wasser = label("lbl_Live_Wasser", "% H₂O");
  txt_Live_Wasser = output("txt_Live_Wasser", "0");
  lbl_Live_Sonstiges = label("lbl_Live_Sonstiges", "% Sonst. ");
  txt_Live_Sonstiges = output("txt_Live_Sonstiges", "0");
  lbl_Live_Aroma = label("lbl_Live_Aroma", "Aromen: ");
  txt_Live_Aroma = output("txt_Live_Aroma", "0");
  lbl_Live_Aroma_Prozent = label("lbl_Live_Aroma_Prozent", "%");
  lbl_Live_Preis_Zusatzkosten = label("lbl_Live_Preis_Zusatzkosten", "Zusatzkosten: ");
  txt_Live_Preis_Zusatzkosten = text("txt_Live_Preis_Zusatzkosten");
  lbl_Live_Preis_Zusatzkosten_Euro = label("lbl_Live_Preis_Zusatzkosten_Euro", "€");
  lbl_Live_Preis_Summe = label("lbl_Live_Preis_Summe", "Gesamtkosten: ");
  txt_Live_Preis_Summe = output("txt_Live_Preis_Summe", "0,00");
  lbl_Live_Preis_Summe_Euro = label("lbl_Live_Preis_Summe_Euro", "€");
  lbl_Live_Preis = label("lbl_Live_Preis", "Preis: ");
  txt_Live_Preis = output("txt_Live_Preis", "0,00");
  lbl_Live_Preis_Euro = label("lbl_Live_Preis_Euro", "€");
  cbo_Preis_Live = list("cbo_Preis_Live");
  cbo_Preis_Live->setToolTipText("Preis je ...");
  lbl_Live_Viskositaet = label("lbl_Live_Viskositaet", "Probleme: ");
  txt_Vis_Summe = output("txt_Vis_Summe", "0");
  lbl_Live_Viskositaet_mPas = label("lbl_Live_Viskositaet_mPas", "mPa·s");
  btn_Live_Mix_100ml = button("btn_Live_Mix_100ml", "Mix 100ml");

  // Mode.
  opt_Berechnungsauswahl[0] = &add<rt::OptionButton>("opt_Berechnungsauswahl", 0, "mode");
  opt_Berechnungsauswahl[0]->setCaption("Berechnungen ");
  opt_Berechnungsauswahl[1] = &add<rt::OptionButton>("opt_Berechnungsauswahl", 1, "mode");
  opt_Berechnungsauswahl[1]->setCaption("Invertierte Live-Analyse durch manuelle Mengeneingabe    ");

  // Menus.
  mnu_Datei = menu("mnu_Datei", "&Datei", nullptr);
  mnu_Datei_Oeffnen = menu("mnu_Datei_Oeffnen", "Oe&ffnen", mnu_Datei, "Ctrl+O");
  mnu_Datei_Speichern_Unter = menu("mnu_Datei_Speichern_Unter", "Speichern &unter ...", mnu_Datei, "Ctrl+S");
  mnu_Service = menu("mnu_Service", "&Service", nullptr);
  mnu_Service_Auto_Markierung =
      menu("mnu_Service_Auto_Markierung", "Automatische Text-&Markierung bei Fokuserhalt", mnu_Service, "Ctrl+T");
  mnu_Service_Farben = menu("mnu_Service_Farben", "&Farbige Hintergründe erlauben", mnu_Service, "Ctrl+F");
  mnu_Service_HundertProzentN = menu("mnu_Service_HundertProzentN",
                                     "100% Berechnung inklusive &N --- Wissenschaftliche Berechnung", mnu_Service,
                                     "Ctrl+N");
  mnu_Service_MsgBox = menu("mnu_Service_MsgBox",
                            "Infoboxen (Warnhinweise) deaktivieren --- Infos nur noch in &Statusleiste sichtbar",
                            mnu_Service, "Ctrl+W");
  mnu_Seperator_01 = menu("mnu_Seperator_01", "-", mnu_Service);
  mnu_Service_Sprache = menu("mnu_Service_Sprache", "&Languages / Sprachen", mnu_Service);
  mnu_Service_Sprache_Deutsch = menu("mnu_Service_Sprache_Deutsch", "&German --- deutsch", mnu_Service_Sprache);
  mnu_Service_Sprache_English = menu("mnu_Service_Sprache_English", "&English --- englisch", mnu_Service_Sprache);
  mnu_Seperator_02 = menu("mnu_Seperator_02", "-", mnu_Service);
  mnu_Service_Aromenkonfiguration =
      menu("mnu_Service_Aromenkonfiguration", "&AromenTessivane", mnu_Service, "Ctrl+A");
  mnu_Info = menu("mnu_Info", "&Info", nullptr);

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

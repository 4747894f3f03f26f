#include "flavours/frm_aromen.h"

#include <string>

#include "context/app.h"

namespace mirl {

FrmAromen::FrmAromen() : rt::Form(std::string(kFlavourWindow)) {
  setCaption("MirlAromenTessivane");
  setLeft(900);
  setTop(900);
  setSize(14400, 6600);

  auto text = [this](const char* name, int index = -1) { return &add<rt::TextBox>(name, index); };
  auto label = [this](const char* name, const std::string& caption, int index = -1) {
    auto& l = add<rt::Label>(name, index);
    l.setCaption(caption);
    return &l;
  };
  auto button = [this](const char* name, const char* caption, int index = -1) {
    auto& b = add<rt::CommandButton>(name, index);
    b.setCaption(caption);
    return &b;
  };

  lbl_Name = label("lbl_Name", "Titel: ");
  txt_Name = text("txt_Name");
  lbl_Zusammenstellung = label("lbl_Zusammenstellung", "Aromenzusammensetzungen ");
  lbl_Dosierung = label("lbl_Dosierung", "Dosierung ");

  for (int k : kFlavourRowNumbers) {
    FlavourWindowRow& r = row[k];
    r.chk_Activate = &add<rt::CheckBox>("chk_Activate", k);
    r.chk_Activate->setCaption("Aroma " + std::to_string(k) + ": ");
    r.lbl_Bezeichnung = label("lbl_Bezeichnung", "Bezeichnung: ", k);
    r.txt_Bezeichnung = text("txt_Bezeichnung", k);
    r.txt_Aroma = text("txt_Aroma", k);
    r.lbl_Aroma = label("lbl_Aroma", "% Aroma ", k);
    r.txt_N = text("txt_N", k);
    r.lbl_N = label("lbl_N", "mg/ml", k);
    r.txt_PG = text("txt_PG", k);
    r.lbl_PG = label("lbl_PG", "% PG", k);
    r.txt_VG = text("txt_VG", k);
    r.lbl_VG = label("lbl_VG", "% VG", k);
    r.txt_W = text("txt_W", k);
    r.lbl_W = label("lbl_W", "% H₂O", k);
    r.txt_S = text("txt_S", k);
    r.lbl_S = label("lbl_S", "% Sonst. ", k);
    r.txt_Aroma_in_Basis = text("txt_Aroma_in_Basis", k);
    r.lbl_Aroma_in_Basis = label("lbl_Aroma_in_Basis", "%", k);
    r.lbl_Preis = label("lbl_Preis", "Preis: ", k);
    r.txt_Preis = text("txt_Preis", k);
    r.lbl_Euro = label("lbl_Euro", "€", k);
    r.cbo_Preis = &add<rt::ComboBox>("cbo_Preis", k);
    r.cbo_Preis->setToolTipText("Preis je ... ");
    r.btn_Laden = button("btn_Laden", "Laden ", k);
    r.btn_Speichern = button("btn_Speichern", "Speichern ", k);
    r.btn_Reset = button("btn_Reset", "Reset ", k);
  }

  btn_All_Laden = button("btn_All_Laden", "Komplette Aromenzusammenstellung laden ");
  btn_All_Speichern = button("btn_All_Speichern", "Komplette Aromenzusammenstellung speichern ");
  btn_Reset_All = button("btn_Reset_All", "Reset ");
  btn_Reset_Dosierung = button("btn_Reset_Dosierung", "Reset ");
}

FrmAromen& frmAromen(App& app) { return app.form<FrmAromen>(kFlavourWindow); }

}  // namespace mirl

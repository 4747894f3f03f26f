#include "flavours/frm_aromen.h"

#include <string>

#include "context/app.h"

namespace mirl {

namespace {

// The composition and the dosage of a row: each a field and the label after
// it, in their order on the row.
struct FieldWithUnit {
  rt::TextBox* FlavourWindowRow::*field;
  const char* fieldName;
  rt::Label* FlavourWindowRow::*unit;
  const char* unitName;
  const char* caption;
};

using Row = FlavourWindowRow;
constexpr FieldWithUnit kFieldsWithUnits[] = {
    {&Row::txt_Aroma, "txt_Aroma", &Row::lbl_Aroma, "lbl_Aroma", "% Aroma "},
    {&Row::txt_N, "txt_N", &Row::lbl_N, "lbl_N", "mg/ml"},
    {&Row::txt_PG, "txt_PG", &Row::lbl_PG, "lbl_PG", "% PG"},
    {&Row::txt_VG, "txt_VG", &Row::lbl_VG, "lbl_VG", "% VG"},
    {&Row::txt_W, "txt_W", &Row::lbl_W, "lbl_W", "% H₂O"},
    {&Row::txt_S, "txt_S", &Row::lbl_S, "lbl_S", "% Sonst. "},
    {&Row::txt_Aroma_in_Basis, "txt_Aroma_in_Basis", &Row::lbl_Aroma_in_Basis, "lbl_Aroma_in_Basis", "%"},
};

}  // namespace

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
    for (const FieldWithUnit& x : kFieldsWithUnits) {
      r.*x.field = text(x.fieldName, k);
      r.*x.unit = label(x.unitName, x.caption, k);
    }
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

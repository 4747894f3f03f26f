#include "flavours/frm_aromen.h"

#include <string>

#include "context/app.h"
#include "model/control_builder.h"

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

// A member of a row and its name.
#define MIRL_ROW_MEMBER(member) &FlavourWindowRow::member, #member
constexpr FieldWithUnit kFieldsWithUnits[] = {
    {MIRL_ROW_MEMBER(txt_Aroma), MIRL_ROW_MEMBER(lbl_Aroma), "% Aroma "},
    {MIRL_ROW_MEMBER(txt_N), MIRL_ROW_MEMBER(lbl_N), "mg/ml"},
    {MIRL_ROW_MEMBER(txt_PG), MIRL_ROW_MEMBER(lbl_PG), "% PG"},
    {MIRL_ROW_MEMBER(txt_VG), MIRL_ROW_MEMBER(lbl_VG), "% VG"},
    {MIRL_ROW_MEMBER(txt_W), MIRL_ROW_MEMBER(lbl_W), "% H₂O"},
    {MIRL_ROW_MEMBER(txt_S), MIRL_ROW_MEMBER(lbl_S), "% Sonst. "},
    {MIRL_ROW_MEMBER(txt_Aroma_in_Basis), MIRL_ROW_MEMBER(lbl_Aroma_in_Basis), "%"},
};
#undef MIRL_ROW_MEMBER

void addRow(FlavourWindowRow& r, ControlBuilder& b, int k) {
  b.check(MIRL_NAMED(r, chk_Activate), "Aroma " + std::to_string(k) + ": ", k);
  b.label(MIRL_NAMED(r, lbl_Bezeichnung), "Bezeichnung: ", k);
  b.text(MIRL_NAMED(r, txt_Bezeichnung), k);
  for (const FieldWithUnit& x : kFieldsWithUnits) {
    b.text(r.*x.field, x.fieldName, k);
    b.label(r.*x.unit, x.unitName, x.caption, k);
  }
  b.label(MIRL_NAMED(r, lbl_Preis), "Preis: ", k);
  b.text(MIRL_NAMED(r, txt_Preis), k);
  b.label(MIRL_NAMED(r, lbl_Euro), "€", k);
  b.priceList(MIRL_NAMED(r, cbo_Preis), "Preis je ... ", k);
  b.button(MIRL_NAMED(r, btn_Laden), "Laden ", k);
  b.button(MIRL_NAMED(r, btn_Speichern), "Speichern ", k);
  b.button(MIRL_NAMED(r, btn_Reset), "Reset ", k);
}

}  // namespace

FrmAromen::FrmAromen() : rt::Form(std::string(kFlavourWindow)) {
  setCaption("MirlAromenTessivane");
  setLeft(900);
  setTop(900);
  setSize(14400, 6600);

  ControlBuilder b(*this);
  b.label(MIRL_NAMED(*this, lbl_Name), "Titel: ");
  b.text(MIRL_NAMED(*this, txt_Name));
  b.label(MIRL_NAMED(*this, lbl_Zusammenstellung), "Aromenzusammensetzungen ");
  b.label(MIRL_NAMED(*this, lbl_Dosierung), "Dosierung ");
  for (int k : kFlavourRowNumbers) addRow(row[k], b, k);
  b.button(MIRL_NAMED(*this, btn_All_Laden), "Komplette Aromenzusammenstellung laden ");
  b.button(MIRL_NAMED(*this, btn_All_Speichern), "Komplette Aromenzusammenstellung speichern ");
  b.button(MIRL_NAMED(*this, btn_Reset_All), "Reset ");
  b.button(MIRL_NAMED(*this, btn_Reset_Dosierung), "Reset ");
}

FrmAromen& frmAromen(App& app) { return app.form<FrmAromen>(kFlavourWindow); }

}  // namespace mirl

#include "flavours/flavour_exchange.h"

#include <array>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "model/field_value.h"
#include "model/quantity_lists.h"
#include "runtime/number.h"

namespace mirl {

namespace {

// The fields of a table record, in the order of the window's composition
// fields (FlavourWindowRow::composition).
constexpr std::array<double Aromenzusammensetzung::*, 6> kRecordFields = {
    &Aromenzusammensetzung::A,  &Aromenzusammensetzung::N, &Aromenzusammensetzung::PG,
    &Aromenzusammensetzung::VG, &Aromenzusammensetzung::W, &Aromenzusammensetzung::S};

// Selects an entry as code does (Click when it changes); an index the list
// cannot take leaves it as it was.
void selectIfValid(rt::ComboBox& list, int index) {
  if (index >= -1 && index < list.ListCount()) list.setListIndex(index);
}

// The row fields that travel between the windows, in the order they are
// copied: tick box, name, price, dosage, price quantity.
void copyRow(rt::CheckBox& fromTick, rt::TextBox& fromName, rt::TextBox& fromPrice, rt::TextBox& fromDose,
             rt::ComboBox& fromList, rt::CheckBox& toTick, rt::TextBox& toName, rt::TextBox& toPrice,
             rt::TextBox& toDose, rt::ComboBox& toList) {
  toTick.setValue(fromTick.Value());
  toName.setText(fromName.Text());
  toPrice.setText(fromPrice.Text());
  toDose.setText(fromDose.Text());
  selectIfValid(toList, fromList.ListIndex());
}

}  // namespace

void Aromen_Fenster_In_Tabelle(App& app) {
  FrmAromen& f = frmAromen(app);
  for (int k : kFlavourRowNumbers) {
    const auto fields = f.row[k].composition();
    Aromenzusammensetzung& record = app.flavours.Aromen_Tabelle[k];
    for (std::size_t i = 0; i < fields.size(); ++i) readField(*fields[i], record.*kRecordFields[i]);
  }
  app.flavours.dpA_Name = f.txt_Name->Text();
}

void Aromen_Tabelle_In_Fenster(App& app) {
  FrmAromen& f = frmAromen(app);
  for (int k : kFlavourRowNumbers) {
    const auto fields = f.row[k].composition();
    const Aromenzusammensetzung& record = app.flavours.Aromen_Tabelle[k];
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(rt::num::plain(record.*kRecordFields[i]));
  }
  f.txt_Name->setText(app.flavours.dpA_Name);
}

void Aromen_Preis_Listen_Fuellen(App& app) {
  FrmAromen& f = frmAromen(app);
  for (FlavourWindowRow& r : f.row) Mengenauswahl_Liste_Fuellen(*r.cbo_Preis, kQuantity1ml);
}

void Aromen_Von_Hauptfenster_Uebernehmen(App& app) {
  Aromen_Tabelle_In_Fenster(app);
  FrmAromen& f = frmAromen(app);
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& m = app.main().aroma[k];
    FlavourWindowRow& r = f.row[k];
    copyRow(*m.chk_Aroma, *m.txt_Aroma_Kommentar, *m.txt_Aroma_Preis, *m.txt_Aroma_Menge, *m.cbo_Aroma_Preis_Menge,
            *r.chk_Activate, *r.txt_Bezeichnung, *r.txt_Preis, *r.txt_Aroma_in_Basis, *r.cbo_Preis);
  }
}

void Aromen_An_Hauptfenster_Uebergeben(App& app) {
  FrmAromen& f = frmAromen(app);
  for (int k : kFlavourRowNumbers) {
    const FlavourWindowRow& r = f.row[k];
    FlavourRow& m = app.main().aroma[k];
    copyRow(*r.chk_Activate, *r.txt_Bezeichnung, *r.txt_Preis, *r.txt_Aroma_in_Basis, *r.cbo_Preis, *m.chk_Aroma,
            *m.txt_Aroma_Kommentar, *m.txt_Aroma_Preis, *m.txt_Aroma_Menge, *m.cbo_Aroma_Preis_Menge);
  }
}

}  // namespace mirl

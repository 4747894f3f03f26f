#include "flavours/flavour_window_texts.h"

#include <array>
#include <vector>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "support/caption_texts.h"

namespace mirl {

namespace {

using Controls = std::vector<rt::Control*>;

// A control of every row, rows 1 to 7; touching the window loads it.
template <auto Member>
Controls rows(App& app) {
  Controls out;
  for (FlavourWindowRow& r : frmAromen(app).row) out.push_back(r.*Member);
  return out;
}

template <auto Member>
Controls single(App& app) {
  return {frmAromen(app).*Member};
}

constexpr auto Caption = CaptionProperty::Caption;
constexpr auto ToolTip = CaptionProperty::ToolTipText;

const std::array kFlavourWindowTexts = {
    // The row controls.
    CaptionText{rows<&FlavourWindowRow::btn_Laden>, Caption, "Laden ", "Load "},
    CaptionText{rows<&FlavourWindowRow::btn_Speichern>, Caption, "Speichern ", "Save "},
    CaptionText{rows<&FlavourWindowRow::btn_Reset>, Caption, "Reset ", "Reset "},
    CaptionText{rows<&FlavourWindowRow::chk_Activate>, Caption, "Aroma {k}: ", "Flavor {k}: "},
    CaptionText{rows<&FlavourWindowRow::lbl_Aroma>, Caption, "% Aroma ", "% Flavor "},
    CaptionText{rows<&FlavourWindowRow::lbl_S>, Caption, "% Sonst. ", "% Other "},
    CaptionText{rows<&FlavourWindowRow::lbl_Bezeichnung>, Caption, "Bezeichnung: ", "Vendor: "},
    CaptionText{rows<&FlavourWindowRow::lbl_Preis>, Caption, "Preis: ", "Price: "},
    CaptionText{rows<&FlavourWindowRow::cbo_Preis>, ToolTip, "Preis je ... ", "Price per ..."},
    // The window's single controls.
    CaptionText{single<&FrmAromen::btn_All_Laden>, Caption, "Komplette Aromenzusammenstellung laden ",
                "Load all 7 flavors "},
    CaptionText{single<&FrmAromen::btn_All_Speichern>, Caption, "Komplette Aromenzusammenstellung speichern ",
                "Save all 7 flavors "},
    CaptionText{single<&FrmAromen::lbl_Name>, Caption, "Titel: ", "Title: "},
    CaptionText{single<&FrmAromen::lbl_Zusammenstellung>, Caption, "Aromenzusammensetzungen ", "Flavor ratio "},
    CaptionText{single<&FrmAromen::lbl_Dosierung>, Caption, "Dosierung ", "Dosing "},
    CaptionText{single<&FrmAromen::btn_Reset_All>, Caption, "Reset ", "Reset "},
    CaptionText{single<&FrmAromen::btn_Reset_Dosierung>, Caption, "Reset ", "Reset "},
};

}  // namespace

void applyFlavourWindowTexts(App& app, Language lang) { applyCaptionTexts(app, kFlavourWindowTexts, lang); }

}  // namespace mirl

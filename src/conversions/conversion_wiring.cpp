// The conversions' handlers of the main window, one connection per line.
#include "context/app.h"
#include "conversions/conversion_wiring.h"
#include "conversions/handlers.h"

namespace mirl {

void wireConversionHandlers(App& app) {
  FrmMain& f = app.main();
  f.chk_AllAromaProzent->onClick = [&app] { frm_Main_chk_AllAromaProzent_Click(app); };
  f.mnu_Service_HundertProzentN->onClick = [&app] { frm_Main_mnu_Service_HundertProzentN_Click(app); };
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    r.chk_Aroma->onClick = [&app, k] { frm_Main_chk_Aroma_Click(app, k); };
    r.txt_Aroma_Menge->onGotFocus = [&app, k] { frm_Main_txt_Aroma_Menge_GotFocus(app, k); };
    r.txt_Aroma_Menge->onLostFocus = [&app, k] { frm_Main_txt_Aroma_Menge_LostFocus(app, k); };
  }
}

}  // namespace mirl

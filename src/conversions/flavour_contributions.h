#pragma once
// What the ticked flavour rows bring of one ingredient: PG, VG, water and
// other in per cent, nicotine in mg/ml. The plain family gives it in per
// cent of the whole mixture as the rows stand now. The before-click family
// (row Index with its tick taken as it was before the click) and the
// previous-percentage family (row Index at Aroma_Menge_Alt) give it in per
// cent of the bases' part, each flavour's field scaled by
// 100 / (100 - Aromen_Prozent); callers pass 0 < Aromen_Prozent <= 99.
namespace mirl {
class App;

double Summe_Aromen_PG(App& app);
double Summe_Aromen_VG(App& app);
double Summe_Aromen_Wasser(App& app);
double Summe_Aromen_Sonst(App& app);
double Summe_Aromen_N(App& app);

double Summe_Aromen_PG_Vor_Klick(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_VG_Vor_Klick(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_Wasser_Vor_Klick(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_Sonst_Vor_Klick(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_N_Vor_Klick(App& app, double Aromen_Prozent, int Index);

double Summe_Aromen_PG_Alt(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_VG_Alt(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_Wasser_Alt(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_Sonst_Alt(App& app, double Aromen_Prozent, int Index);
double Summe_Aromen_N_Alt(App& app, double Aromen_Prozent, int Index);

}  // namespace mirl

#pragma once
// The flavour window's resets: one row, all rows, or the dosages of all
// rows, each after a question that is asked even with message boxes off.
namespace mirl {
class App;

void frm_Aromen_btn_Reset_Click(App& app, int k);
void frm_Aromen_btn_Reset_All_Click(App& app);
void frm_Aromen_btn_Reset_Dosierung_Click(App& app);

// Row k back to its starting state: "Aroma k", 100 % flavour substance, the
// price 1,77 per 1 ml, not ticked; its dosage stays.
void Aroma_Zuruecksetzen(App& app, int k);
void Alle_Aromen_Zuruecksetzen(App& app);
void Aromen_Dosierung_Zuruecksetzen(App& app);

}  // namespace mirl

#pragma once
// The language switch: writes every caption, tooltip and message text in
// German or English. The language menu, the start-up and the session load
// run it.
namespace mirl {
class App;

// Apply every language-dependent caption, tooltip and message-table entry.
void Sprache_Deutsch_Laden(App& app);
void Sprache_English_Laden(App& app);

}  // namespace mirl

#pragma once
namespace mirl {
class App;

// Apply every language-dependent caption, tooltip and message-table entry.
void Sprache_Deutsch_Laden(App& app);
void Sprache_English_Laden(App& app);

}  // namespace mirl

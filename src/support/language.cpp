#include "support/language.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "context/app.h"
#include "runtime/text.h"
#include "support/main_window_texts.h"
#include "support/message_table.h"
#include "support/status_line.h"

namespace mirl {

namespace {

// The calculate button's states, in the order its caption is matched.
constexpr std::array kButtonStates = {Msg::Text_Btn_Berechnen, Msg::Text_Btn_Abbrechen, Msg::Text_Btn_Annaeherung,
                                      Msg::Text_Btn_Schnell_Loesung};

std::string_view confirmation(Language lang) {
  return lang == Language::German ? "Deutsche Sprache wurde aktiviert --- Viel Spaß und viel Erfolg --- Quillfen"
                                  : "English language is now enabled --- May you do well! --- Quillfen";
}

// Every non-overlapping occurrence of `from`, left to right; an empty `from`
// replaces nothing.
std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  std::size_t hit = text.find(from);
  while (hit != std::string_view::npos) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
    hit = text.find(from, pos);
  }
  out.append(text.substr(pos));
  return out;
}

// The button's state lives in its caption. Match the caption against the
// state texts still in the old language, and give it the same state's text in
// the new one; a caption that matches no state becomes the idle caption. So a
// running search keeps its cancel caption and the button still recognises it.
void carryCalculateButtonState(App& app, Language lang) {
  MessageTable& texts = app.texts;
  if (rt::CommandButton* button = app.main().btn_Berechnung) {
    Msg state = Msg::Text_Btn_Berechnen;
    for (Msg candidate : kButtonStates) {
      if (button->Caption() == texts[candidate]) {
        state = candidate;
        break;
      }
    }
    texts.set(state, MessageTable::textOf(state, lang));
    button->setCaption(texts[state]);
  }
  for (Msg m : kButtonStates) texts.set(m, MessageTable::textOf(m, lang));
}

// The proposal label reads "<word> 2 / 5" or the word alone: swap the word
// and keep the numbers. Before the first switch the old word is empty and the
// caption stays as it is.
void swapProposalWord(App& app, Language lang) {
  const std::string& newText = MessageTable::textOf(Msg::Text_Vorschlag, lang);
  if (rt::Label* label = app.main().lbl_TopTen) {
    const std::string oldWord(rt::trimSpaces(app.texts[Msg::Text_Vorschlag]));
    label->setCaption(replaceAll(label->Caption(), oldWord, rt::trimSpaces(newText)));
  }
  app.texts.set(Msg::Text_Vorschlag, newText);
}

// Every entry of the message table, so that none stays empty or in the old
// language. The button states and the proposal word, set above while their
// old texts were still needed, keep the texts they already have.
void assignMessages(App& app, Language lang) {
  for (int i = 0; i < kMessageCount; ++i) {
    const auto m = static_cast<Msg>(i);
    app.texts.set(m, MessageTable::textOf(m, lang));
  }
}

// Both languages run the same steps in the same order. Steps that read the
// old message texts (the button state, the proposal word) come before the
// table is replaced. Changes no check mark, no field value and runs no
// refresh.
void switchLanguage(App& app, Language lang) {
  applyCaptionTexts(app, mainWindowCaptionTexts(), lang);
  carryCalculateButtonState(app, lang);
  applyCaptionTexts(app, mixToAmountTooltipText(), lang);
  swapProposalWord(app, lang);
  applyCaptionTexts(app, mainMenuCaptionTexts(), lang);
  assignMessages(app, lang);
  // The captions and tooltips of the windows the subsystems add.
  for (auto applyTexts : app.windowTexts) applyTexts(app, lang);
  app.host().setLanguage(lang == Language::German ? "de" : "en");
  Statusleiste_Text(app, confirmation(lang));
}

}  // namespace

void Sprache_Deutsch_Laden(App& app) { switchLanguage(app, Language::German); }

void Sprache_English_Laden(App& app) { switchLanguage(app, Language::English); }

}  // namespace mirl

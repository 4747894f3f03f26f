#pragma once
// Language-dependent captions and tooltips of a window, held as a table: the
// controls, the property, the German and the English text. One routine writes
// a table in either language.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/message_table.h"

namespace mirl {

class App;
namespace rt {
class Control;
}

enum class CaptionProperty { Caption, ToolTipText };

struct CaptionText {
  // The controls that take the text, in the order they are written.
  std::vector<rt::Control*> (*controls)(App& app);
  CaptionProperty property;
  // "{k}" stands for the control's array index ("Aroma {k}: ").
  std::string_view german;
  std::string_view english;
};

// The text that one control of the entry takes in the given language.
std::string captionTextFor(const CaptionText& entry, int index, Language lang);

// Writes every entry in table order. A missing control, or one without the
// property, is skipped and the rest of the table is still written.
void applyCaptionTexts(App& app, std::span<const CaptionText> table, Language lang);

}  // namespace mirl

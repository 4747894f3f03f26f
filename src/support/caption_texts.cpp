#include "support/caption_texts.h"

#include "runtime/control.h"

namespace mirl {

namespace {

constexpr std::string_view kIndexMark = "{k}";

std::string_view propertyName(CaptionProperty p) {
  return p == CaptionProperty::Caption ? "Caption" : "ToolTipText";
}

}  // namespace

std::string captionTextFor(const CaptionText& entry, int index, Language lang) {
  std::string text(lang == Language::German ? entry.german : entry.english);
  const auto at = text.find(kIndexMark);
  if (at != std::string::npos) text.replace(at, kIndexMark.size(), std::to_string(index));
  return text;
}

void applyCaptionTexts(App& app, std::span<const CaptionText> table, Language lang) {
  for (const CaptionText& entry : table) {
    for (rt::Control* control : entry.controls(app)) {
      if (control == nullptr) continue;
      // set() refuses a property the control does not have; that control is
      // left as it is.
      control->set(propertyName(entry.property), rt::Value{captionTextFor(entry, control->index(), lang)});
    }
  }
}

}  // namespace mirl

#pragma once
// Adds the controls of a window as its constructor declares them, each
// named once: MIRL_NAMED(owner, member) stands for the member and its name,
// so that `b.text(MIRL_NAMED(f, txt_Name))` sets f.txt_Name to a new text
// box called "txt_Name". The main window and the flavour window use it.
#include <string>
#include <string_view>

#include "runtime/form.h"

#define MIRL_NAMED(owner, member) (owner).member, #member

namespace mirl {

class ControlBuilder {
 public:
  // With a stem, a name "txt_Hersteller" becomes "txt_<stem>_Hersteller"
  // and "chk" becomes "chk_<stem>" (the controls of a base group).
  explicit ControlBuilder(rt::Form& form, std::string stem = {}) : form_(form), stem_(std::move(stem)) {}

  rt::TextBox* text(rt::TextBox*& slot, std::string_view name, int index = -1) {
    return slot = &form_.add<rt::TextBox>(full(name), index);
  }
  // A locked field that shows a value.
  rt::TextBox* output(rt::TextBox*& slot, std::string_view name, const std::string& value) {
    text(slot, name)->setText(value);
    slot->setLocked(true);
    return slot;
  }
  template <class T>
  T* captioned(T*& slot, std::string_view name, const std::string& caption, int index = -1) {
    slot = &form_.add<T>(full(name), index);
    slot->setCaption(caption);
    return slot;
  }
  rt::Label* label(rt::Label*& slot, std::string_view name, const std::string& caption, int index = -1) {
    return captioned(slot, name, caption, index);
  }
  rt::CheckBox* check(rt::CheckBox*& slot, std::string_view name, const std::string& caption, int index = -1) {
    return captioned(slot, name, caption, index);
  }
  rt::CommandButton* button(rt::CommandButton*& slot, std::string_view name, const std::string& caption,
                            int index = -1) {
    return captioned(slot, name, caption, index);
  }
  // A price list with the tooltip every price list has.
  rt::ComboBox* priceList(rt::ComboBox*& slot, std::string_view name, std::string_view tip, int index = -1) {
    slot = &form_.add<rt::ComboBox>(full(name), index);
    slot->setToolTipText(std::string(tip));
    return slot;
  }
  rt::Line* line(rt::Line*& slot, std::string_view name, int index = -1) {
    return slot = &form_.add<rt::Line>(full(name), index);
  }
  rt::MenuItem* menu(rt::MenuItem*& slot, std::string_view name, const std::string& caption, rt::MenuItem* parent,
                     const std::string& shortcut = "") {
    slot = &form_.add<rt::MenuItem>(full(name), -1, parent);
    slot->setCaption(caption);
    slot->setShortcut(shortcut);
    return slot;
  }

 private:
  std::string full(std::string_view name) const {
    if (stem_.empty()) return std::string(name);
    const auto cut = name.find('_');
    if (cut == std::string_view::npos) return std::string(name) + "_" + stem_;
    return std::string(name.substr(0, cut)) + "_" + stem_ + std::string(name.substr(cut));
  }

  rt::Form& form_;
  std::string stem_;
};

}  // namespace mirl

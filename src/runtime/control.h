#pragma once
// Headless controls of the form runtime. A control holds its properties and
// its event handlers; the view (or a test) watches it through the form's
// observer. Writing a text, caption, colour, tooltip, check mark or enabled
// state raises no event. Setting a tick box's Value, an option button's
// Value to true or a list's ListIndex raises Click synchronously, and only
// when the value really changes.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/color.h"
#include "runtime/handler.h"
#include "runtime/value.h"

namespace mirl::rt {

class Form;

enum class ControlKind {
  TextBox,
  Label,
  CheckBox,
  OptionButton,
  ComboBox,
  CommandButton,
  Menu,
  Line,
  StatusBar,
  ProgressBar,
};

// What changed, for the observer.
enum class Prop {
  Text,
  Caption,
  Enabled,
  Visible,
  Locked,
  BackColor,
  ForeColor,
  ToolTipText,
  Selection,
  Value,
  Items,
  ListIndex,
  Checked,
  BorderStyle,
  Range,
  Geometry,
  MousePointer,
  WindowState,
  Focus,  // the form's focused control changed
};

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  // Index within a control array, or -1 for a single control.
  int index() const { return index_; }
  // "name" or "name(index)".
  std::string fullName() const;
  Form& form() const { return form_; }

  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool Visible() const { return visible_; }
  void setVisible(bool v);
  const std::string& ToolTipText() const { return toolTip_; }
  void setToolTipText(std::string v);

  // Design geometry in twips; the view lays out with its own layouts, the
  // start-up reads and sets a few of these.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void setGeometry(int left, int top, int width, int height);
  void setTop(int top);

  // Controls that can hold the focus (text boxes, tick boxes, option
  // buttons, lists, command buttons).
  virtual bool takesFocus() const { return false; }
  // Enabled, visible, focusable, on an enabled and shown form.
  bool canTakeFocus() const;
  // Moves the focus here as code does (Validate of the control that has it,
  // LostFocus, GotFocus). False when Validate kept the focus where it was or
  // the control cannot take it.
  bool SetFocus();

  // Access by property name for the scenario driver. get() returns nothing
  // for a property this kind does not have; set() writes as code does (with
  // the events code raises) and returns false for an unknown property or a
  // value of the wrong kind.
  virtual std::optional<Value> get(std::string_view prop) const;
  virtual bool set(std::string_view prop, const Value& v);

  // Event handlers, wired by the form's owner. Handlers of array elements
  // capture their index.
  Handler<void()> onClick{&name_, &index_, "Click"};
  Handler<void()> onGotFocus{&name_, &index_, "GotFocus"};
  Handler<void()> onLostFocus{&name_, &index_, "LostFocus"};
  Handler<void(bool& cancel)> onValidate{&name_, &index_, "Validate"};

  void raiseClick();

 protected:
  void changed(Prop p);

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, int index = -1);

  const std::string& Text() const { return text_; }
  // Replaces the text; the caret goes to the start (SelStart 0, SelLength 0).
  void setText(std::string v);
  bool Locked() const { return locked_; }
  void setLocked(bool v);
  Color BackColor() const { return back_; }
  void setBackColor(Color c);
  Color ForeColor() const { return fore_; }
  void setForeColor(Color c);
  // Selection in characters (not bytes) of the UTF-8 text.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void setSelStart(int v);
  void setSelLength(int v);
  // Number of characters of the text.
  int textLength() const;

  // The view reports a user's typing: text and caret, no events.
  void typeText(std::string v, int caret);

  bool takesFocus() const override { return true; }
  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  std::string text_;
  bool locked_ = false;
  Color back_ = sys::Window;
  Color fore_ = sys::WindowText;
  int selStart_ = 0;
  int selLength_ = 0;
};

class Label : public Control {
 public:
  Label(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);
  Color ForeColor() const { return fore_; }
  void setForeColor(Color c);
  Color BackColor() const { return back_; }
  void setBackColor(Color c);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  std::string caption_;
  Color fore_ = sys::ButtonText;
  Color back_ = sys::ButtonFace;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);
  // 0 unticked, 1 ticked, 2 grey.
  int Value() const { return value_; }
  // Raises Click when the value changes.
  void setValue(int v);
  // Sets the value without raising Click (for the few places that set the
  // box and then run its handler themselves).
  void setValueSilently(int v);

  bool takesFocus() const override { return true; }
  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

 private:
  std::string caption_;
  int value_ = 0;
};

class OptionButton : public Control {
 public:
  // Buttons with the same group name on one form exclude each other.
  OptionButton(Form& form, std::string name, int index, std::string group);

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);
  bool Value() const { return value_; }
  // Selecting clears the other buttons of the group (without events) and
  // raises Click when the value changes. Clearing raises nothing.
  void setValue(bool v);
  const std::string& group() const { return group_; }

  bool takesFocus() const override { return true; }
  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

 private:
  std::string caption_;
  std::string group_;
  bool value_ = false;
};

// A list in drop-down-list style: the user picks one of the entries.
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, int index = -1);

  // Appends an entry; never changes the selection.
  void AddItem(std::string text);
  void Clear();
  int ListCount() const { return static_cast<int>(items_.size()); }
  // Index of the entry added last, -1 before the first.
  int NewIndex() const { return newIndex_; }
  // Throws RuntimeError (invalid property array index) when i is outside
  // the list; so ItemData(ListIndex()) with no selection throws.
  const std::string& List(int i) const;
  long ItemData(int i) const;
  void setItemData(int i, long data);
  int ListIndex() const { return listIndex_; }
  // Raises Click when the index changes; -1 clears the selection. An index
  // outside -1..ListCount-1 throws RuntimeError (invalid property value).
  void setListIndex(int i);
  // The selected entry's text, "" with no selection.
  std::string Text() const;
  // Item data of the selected entry, nothing when none is selected.
  std::optional<long> selectedItemData() const;

  bool takesFocus() const override { return true; }
  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  struct Item {
    std::string text;
    long data = 0;
  };
  std::vector<Item> items_;
  int listIndex_ = -1;
  int newIndex_ = -1;
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);

  bool takesFocus() const override { return true; }
  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  std::string caption_;
};

class MenuItem : public Control {
 public:
  // parent is null for an entry of the menu bar.
  MenuItem(Form& form, std::string name, int index, MenuItem* parent);

  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);
  bool Checked() const { return checked_; }
  void setChecked(bool v);
  // "Ctrl+O" and the like, "" for none.
  const std::string& shortcut() const { return shortcut_; }
  void setShortcut(std::string v) { shortcut_ = std::move(v); }
  MenuItem* parent() const { return parent_; }
  bool isSeparator() const { return caption_ == "-"; }

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  std::string caption_;
  bool checked_ = false;
  std::string shortcut_;
  MenuItem* parent_;
};

class Line : public Control {
 public:
  Line(Form& form, std::string name, int index = -1);

  // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot,
  // 6 inside solid.
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int v);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  int borderStyle_ = 1;
};

class StatusBar : public Control {
 public:
  StatusBar(Form& form, std::string name, int panels = 1);

  int panelCount() const { return static_cast<int>(panels_.size()); }
  // Panels count from 1; an index outside throws RuntimeError.
  const std::string& panelText(int i) const;
  void setPanelText(int i, std::string v);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  std::vector<std::string> panels_;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::string name);

  double Min() const { return min_; }
  double Max() const { return max_; }
  double Value() const { return value_; }
  void setMin(double v);
  // Setting Max below Value moves Value down to Max.
  void setMax(double v);
  // A value outside Min..Max throws RuntimeError (invalid property value).
  void setValue(double v);

  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

 private:
  double min_ = 0;
  double max_ = 100;
  double value_ = 0;
};

}  // namespace mirl::rt

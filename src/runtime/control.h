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

// The properties every control has.
struct CommonProps {
  bool enabled = true;
  bool visible = true;
  std::string toolTip;
  int left = 0, top = 0, width = 0, height = 0;
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

  bool Enabled() const { return common_.enabled; }
  void setEnabled(bool v);
  bool Visible() const { return common_.visible; }
  void setVisible(bool v);
  const std::string& ToolTipText() const { return common_.toolTip; }
  void setToolTipText(std::string v);

  // Design geometry in twips; the view lays out with its own layouts, the
  // start-up reads and sets a few of these.
  int Left() const { return common_.left; }
  int Top() const { return common_.top; }
  int Width() const { return common_.width; }
  int Height() const { return common_.height; }
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

  // The design state: recordDesign() takes every property as it stands now
  // (the form calls it once, when it is built); restoreDesign() puts them
  // back without raising events or telling the observer (the form does).
  // Handlers are no properties: they stay wired.
  virtual void recordDesign() { commonDesign_ = common_; }
  virtual void restoreDesign() { common_ = commonDesign_; }

 protected:
  void changed(Prop p);

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  CommonProps common_;
  CommonProps commonDesign_;
};

// A control kind with its own properties Props, recorded and restored with
// the common ones.
template <class Props>
class ControlWith : public Control {
 public:
  using Control::Control;
  void recordDesign() override {
    Control::recordDesign();
    design_ = p_;
  }
  void restoreDesign() override {
    Control::restoreDesign();
    p_ = design_;
  }

 protected:
  Props p_{};

 private:
  Props design_{};
};

struct TextBoxProps {
  std::string text;
  bool locked = false;
  Color back = sys::Window;
  Color fore = sys::WindowText;
  int selStart = 0;
  int selLength = 0;
};

class TextBox : public ControlWith<TextBoxProps> {
 public:
  TextBox(Form& form, std::string name, int index = -1);

  const std::string& Text() const { return p_.text; }
  // Replaces the text; the caret goes to the start (SelStart 0, SelLength 0).
  void setText(std::string v);
  bool Locked() const { return p_.locked; }
  void setLocked(bool v);
  Color BackColor() const { return p_.back; }
  void setBackColor(Color c);
  Color ForeColor() const { return p_.fore; }
  void setForeColor(Color c);
  // Selection in characters (not bytes) of the UTF-8 text.
  int SelStart() const { return p_.selStart; }
  int SelLength() const { return p_.selLength; }
  void setSelStart(int v);
  void setSelLength(int v);
  // Number of characters of the text.
  int textLength() const;

  // The view reports a user's typing: text and caret, no events. Of a text
  // longer than MaxLength the first MaxLength characters are kept.
  void typeText(std::string v, int caret);
  // The view reports where the user put the caret and the selection (Home,
  // End, arrows, a drag): no events, nothing to show.
  void userSelects(int start, int length);

  // Fixed when the window is wired and kept through an unload, like the
  // handlers. MaxLength: the most characters the user can type or paste
  // (0: no limit); code writes texts of any length.
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int v) { maxLength_ = v < 0 ? 0 : v; }
  // A box of the files' single-byte code page: when the user leaves it, a
  // character the code page lacks becomes "?", so that the box shows what
  // a file keeps of its text.
  bool codePageOnly() const { return codePageOnly_; }
  void setCodePageOnly(bool v) { codePageOnly_ = v; }
  // Leaving the box: applies the code page (the form calls it before the
  // box's Validate). The caret stays where it was.
  void left();

  bool takesFocus() const override { return true; }
  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  int maxLength_ = 0;
  bool codePageOnly_ = false;
};

struct LabelProps {
  std::string caption;
  Color fore = sys::ButtonText;
  Color back = sys::ButtonFace;
};

class Label : public ControlWith<LabelProps> {
 public:
  Label(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return p_.caption; }
  void setCaption(std::string v);
  Color ForeColor() const { return p_.fore; }
  void setForeColor(Color c);
  Color BackColor() const { return p_.back; }
  void setBackColor(Color c);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

};

struct CheckBoxProps {
  std::string caption;
  int value = 0;
};

class CheckBox : public ControlWith<CheckBoxProps> {
 public:
  CheckBox(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return p_.caption; }
  void setCaption(std::string v);
  // 0 unticked, 1 ticked, 2 grey.
  int Value() const { return p_.value; }
  // Raises Click when the value changes.
  void setValue(int v);
  // Sets the value without raising Click (for the few places that set the
  // box and then run its handler themselves).
  void setValueSilently(int v);

  bool takesFocus() const override { return true; }
  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

};

struct OptionButtonProps {
  std::string caption;
  bool value = false;
};

class OptionButton : public ControlWith<OptionButtonProps> {
 public:
  // Buttons with the same group name on one form exclude each other.
  OptionButton(Form& form, std::string name, int index, std::string group);

  const std::string& Caption() const { return p_.caption; }
  void setCaption(std::string v);
  bool Value() const { return p_.value; }
  // Selecting clears the other buttons of the group (without events) and
  // raises Click when the value changes. Clearing raises nothing.
  void setValue(bool v);
  const std::string& group() const { return group_; }

  bool takesFocus() const override { return true; }
  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

 private:
  std::string group_;
};

// A list in drop-down-list style: the user picks one of the entries.
struct ListItem {
  std::string text;
  long data = 0;
};

struct ComboBoxProps {
  std::vector<ListItem> items;
  int listIndex = -1;
  int newIndex = -1;
};

class ComboBox : public ControlWith<ComboBoxProps> {
 public:
  ComboBox(Form& form, std::string name, int index = -1);

  // Appends an entry; never changes the selection.
  void AddItem(std::string text);
  void Clear();
  int ListCount() const { return static_cast<int>(p_.items.size()); }
  // Index of the entry added last, -1 before the first.
  int NewIndex() const { return p_.newIndex; }
  // Throws RuntimeError (invalid property array index) when i is outside
  // the list; so ItemData(ListIndex()) with no selection throws.
  const std::string& List(int i) const;
  long ItemData(int i) const;
  void setItemData(int i, long data);
  int ListIndex() const { return p_.listIndex; }
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

};

struct CaptionProps {
  std::string caption;
};

class CommandButton : public ControlWith<CaptionProps> {
 public:
  CommandButton(Form& form, std::string name, int index = -1);

  const std::string& Caption() const { return p_.caption; }
  void setCaption(std::string v);

  bool takesFocus() const override { return true; }
  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

};

struct MenuItemProps {
  std::string caption;
  bool checked = false;
  std::string shortcut;
};

class MenuItem : public ControlWith<MenuItemProps> {
 public:
  // parent is null for an entry of the menu bar.
  MenuItem(Form& form, std::string name, int index, MenuItem* parent);

  const std::string& Caption() const { return p_.caption; }
  void setCaption(std::string v);
  bool Checked() const { return p_.checked; }
  void setChecked(bool v);
  // "Ctrl+O" and the like, "" for none.
  const std::string& shortcut() const { return p_.shortcut; }
  void setShortcut(std::string v) { p_.shortcut = std::move(v); }
  MenuItem* parent() const { return parent_; }
  bool isSeparator() const { return p_.caption == "-"; }

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

 private:
  MenuItem* parent_;
};

struct LineProps {
  int borderStyle = 1;
};

class Line : public ControlWith<LineProps> {
 public:
  Line(Form& form, std::string name, int index = -1);

  // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot,
  // 6 inside solid.
  int BorderStyle() const { return p_.borderStyle; }
  void setBorderStyle(int v);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

};

struct StatusBarProps {
  std::vector<std::string> panels;
};

class StatusBar : public ControlWith<StatusBarProps> {
 public:
  StatusBar(Form& form, std::string name, int panels = 1);

  int panelCount() const { return static_cast<int>(p_.panels.size()); }
  // Panels count from 1; an index outside throws RuntimeError.
  const std::string& panelText(int i) const;
  void setPanelText(int i, std::string v);

  std::optional<Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const Value& v) override;

};

struct ProgressBarProps {
  double min = 0;
  double max = 100;
  double value = 0;
};

class ProgressBar : public ControlWith<ProgressBarProps> {
 public:
  ProgressBar(Form& form, std::string name);

  double Min() const { return p_.min; }
  double Max() const { return p_.max; }
  double Value() const { return p_.value; }
  void setMin(double v);
  // Setting Max below Value moves Value down to Max.
  void setMax(double v);
  // A value outside Min..Max throws RuntimeError (invalid property value).
  void setValue(double v);

  std::optional<rt::Value> get(std::string_view prop) const override;
  bool set(std::string_view prop, const rt::Value& v) override;

};

}  // namespace mirl::rt

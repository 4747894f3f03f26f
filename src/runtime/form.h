#pragma once
// A headless form: its properties, its controls by name and index, the focus
// and the rules by which user input reaches the controls.
//
// Focus: moving the focus from A to B raises A.Validate(cancel) (a cancel
// keeps the focus on A), then A.LostFocus, then B.GotFocus. A user's click
// on a control that takes the focus moves the focus first, then runs Click.
// Menu commands raise no focus events. A disabled or hidden form takes no
// user input; while the form is busy (a long operation runs) it takes user
// input only for the one control named by the busy lock.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control.h"

namespace mirl::rt {

class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void controlChanged(Control& c, Prop p) = 0;
  virtual void formChanged(Form& f, Prop p) = 0;
};

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  // --- properties ---------------------------------------------------------
  const std::string& Caption() const { return caption_; }
  void setCaption(std::string v);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool Visible() const { return visible_; }
  void setVisible(bool v);
  // Outer edges and size in twips (15 twips per logical pixel).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void setLeft(int v);
  void setTop(int v);
  void setSize(int width, int height);
  WindowState windowState() const { return state_; }
  void setWindowState(WindowState s);
  // 0 default, 11 hourglass.
  int MousePointer() const { return mousePointer_; }
  void setMousePointer(int v);

  std::optional<Value> get(std::string_view prop) const;
  bool set(std::string_view prop, const Value& v);

  // --- controls -----------------------------------------------------------
  template <class T, class... Args>
  T& add(Args&&... args) {
    auto c = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *c;
    controls_.push_back(std::move(c));
    return ref;
  }
  // index -1 finds a single control; an array element needs its index.
  Control* find(std::string_view name, int index = -1) const;
  // True when some control of that name is an array element.
  bool isArray(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // Option buttons of one group, in creation order.
  std::vector<OptionButton*> optionGroup(const std::string& group) const;

  // --- focus --------------------------------------------------------------
  Control* focused() const { return focused_; }
  // Moves the focus (as code's SetFocus and a user's focus change do).
  // False when the target cannot take it or a Validate cancelled.
  bool moveFocus(Control& target);
  // Moves the focus away to nowhere: Validate, then LostFocus.
  bool leaveFocus();
  // Drops the focus without events (the control went away or was disabled).
  void forgetFocus(const Control& c);

  // --- user input ---------------------------------------------------------
  // Whether user input for this control (nullptr: the form itself, e.g. a
  // close request) is taken now.
  bool acceptsUserInput(const Control* c) const;
  // Each returns false when the input was refused or did not happen.
  bool userFocus(Control& c);
  bool userClick(Control& c);
  bool userType(TextBox& t, std::string text);
  bool userSelect(ComboBox& c, int index);
  bool userMenu(MenuItem& m);

  // --- busy lock ----------------------------------------------------------
  // While busy, user input reaches only `allowed` (and close requests, which
  // the owner handles).
  void setBusy(const Control* allowed);
  void clearBusy();
  bool busy() const { return busy_; }
  const Control* busyAllowed() const { return busyAllowed_; }

  // --- observer and lifecycle --------------------------------------------
  void setObserver(FormObserver* o) { observer_ = o; }
  FormObserver* observer() const { return observer_; }
  void notifyControl(Control& c, Prop p) {
    if (observer_) observer_->controlChanged(c, p);
  }

  Handler<void()> onLoad{&name_, nullptr, "Load"};
  Handler<void(int& cancel)> onUnload{&name_, nullptr, "Unload"};

 private:
  void notifyForm(Prop p) {
    if (observer_) observer_->formChanged(*this, p);
  }

  std::string name_;
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  WindowState state_ = WindowState::Normal;
  int mousePointer_ = 0;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* focused_ = nullptr;
  bool busy_ = false;
  const Control* busyAllowed_ = nullptr;
  FormObserver* observer_ = nullptr;
};

}  // namespace mirl::rt

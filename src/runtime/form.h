#pragma once
// A headless form: its properties, its controls by name and index, the focus
// and the rules by which user input reaches the controls.
//
// Focus: moving the focus from A to B raises A.Validate(cancel) (a cancel
// keeps the focus on A), then A.LostFocus, then B.GotFocus. Before A's
// Validate, and before the Unload of A's form, a text box A keeps only what
// its code page holds (TextBox::codePageOnly). A user's click on a control
// that takes the focus moves the focus first, then runs Click. Menu commands
// raise no focus events. A disabled or hidden form takes no user input;
// while the form is busy (a long operation runs) it takes user input only
// for the one control named by the busy lock.
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

// Mouse pointers of a form.
namespace pointer {
inline constexpr int Default = 0;
inline constexpr int Hourglass = 11;
inline constexpr int ArrowHourglass = 13;
}  // namespace pointer

// The on-screen side of the forms: makes a form's window when the form is
// shown while it has none, and drops it when the form is unloaded.
class FormViews {
 public:
  virtual ~FormViews() = default;
  virtual void formShowing(Form& f) = 0;
  virtual void formUnloading(Form& f) = 0;
};

// The properties of a form itself.
struct FormProps {
  std::string caption;
  bool enabled = true;
  bool visible = false;
  int left = 0, top = 0, width = 0, height = 0;
  WindowState state = WindowState::Normal;
  int mousePointer = pointer::Default;
};

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  // --- properties ---------------------------------------------------------
  const std::string& Caption() const { return s_.caption; }
  void setCaption(std::string v);
  bool Enabled() const { return s_.enabled; }
  void setEnabled(bool v);
  bool Visible() const { return s_.visible; }
  void setVisible(bool v);
  // Outer edges and size in twips (15 twips per logical pixel).
  int Left() const { return s_.left; }
  int Top() const { return s_.top; }
  int Width() const { return s_.width; }
  int Height() const { return s_.height; }
  void setLeft(int v);
  void setTop(int v);
  void setSize(int width, int height);
  WindowState windowState() const { return s_.state; }
  void setWindowState(WindowState s);
  // pointer::Default or pointer::Hourglass.
  int MousePointer() const { return s_.mousePointer; }
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

  // --- lifecycle ---------------------------------------------------------
  // A form is built with its design values and is not loaded. load() marks
  // it loaded and runs its Load handler (nothing when it is loaded).
  // unload() runs its Unload handler; unless that cancels, the view drops
  // the form's window, the form and every control go back to their design
  // state without raising events (focus dropped, busy lock cleared, handlers
  // kept) and the form is no longer loaded. True when it is not loaded
  // afterwards. queryUnload() only runs the Unload handler: false when it
  // cancelled.
  bool loaded() const { return loaded_; }
  void load();
  bool unload();
  bool queryUnload();
  // Takes the form and its controls as they stand now as the design state
  // (the owner calls it once, when the form is built).
  void recordDesign();
  void setViews(FormViews* v) { views_ = v; }

  // --- observer ----------------------------------------------------------
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
  FormProps s_;
  FormProps design_;
  bool loaded_ = false;
  FormViews* views_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* focused_ = nullptr;
  bool busy_ = false;
  const Control* busyAllowed_ = nullptr;
  FormObserver* observer_ = nullptr;
};

}  // namespace mirl::rt

#pragma once
// Two-way binding between a headless form and its Qt window. The form is the
// truth: every property change it reports is shown at once; the user's
// input is handed to the form's user* operations (focus, click, typing,
// selection, menu), which apply the runtime's rules (focus events and
// Validate, disabled windows, the busy lock). Refused input changes nothing
// on screen: the widget is set back to what the form holds.
#include <QCursor>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "runtime/form.h"

class QAction;
class QCheckBox;
class QComboBox;
class QEvent;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QRadioButton;
class QStatusBar;
class QWidget;

namespace mirl::gui {

class FormBinding : public QObject, public rt::FormObserver {
  Q_OBJECT

 public:
  // Positions and sizes of the form are in twips.
  static constexpr int kTwipsPerPixel = 15;

  // Becomes the form's observer; `window` is the form's top-level widget.
  FormBinding(rt::Form& form, QWidget& window);
  ~FormBinding() override;
  FormBinding(const FormBinding&) = delete;
  FormBinding& operator=(const FormBinding&) = delete;

  rt::Form& form() const { return form_; }
  QWidget& window() const { return window_; }

  // Creates the widget of a text box, label, tick box, option button, list
  // or command button, shows the control's current state in it and binds it.
  QWidget* create(rt::Control& c, QWidget* parent);
  QWidget* widget(const rt::Control* c) const;
  template <class W>
  W* widgetAs(const rt::Control* c) const {
    return qobject_cast<W*>(widget(c));
  }
  rt::Control* controlOf(const QObject* o) const;

  // A widget that paints a line control; it is repainted when the line
  // changes.
  void bindLine(const rt::Line& line, QWidget& painter);
  // Builds the menu bar from the form's menu items (in creation order, with
  // submenus, separators, access keys and shortcuts).
  void bindMenuBar(QMenuBar& bar);
  QAction* action(const rt::MenuItem* m) const;
  void bindStatusBar(const rt::StatusBar& bar, QStatusBar& view);
  void bindProgressBar(const rt::ProgressBar& bar, QProgressBar& view);

  // The order in which Tab moves the focus.
  void setTabOrder(std::vector<rt::Control*> order) { tabOrder_ = std::move(order); }
  const std::vector<rt::Control*>& tabOrder() const { return tabOrder_; }
  // The user presses Tab (forward) or Shift+Tab.
  void tab(bool forward);

  // Runs after the handlers of a user's action have returned to the event
  // loop (not after input handled in a pass of the message loop during long
  // work).
  std::function<void()> afterInput;

  // The form's mouse pointer shows as the hourglass.
  bool showsWaitCursor() const { return waitCursor_; }

  // The form is being unloaded: from now on the binding neither shows the
  // form nor hands it input (the window is about to be deleted).
  void release();

  void controlChanged(rt::Control& c, rt::Prop p) override;
  void formChanged(rt::Form& f, rt::Prop p) override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  // Scoped "the view is writing the model's state into widgets".
  class Syncing {
   public:
    explicit Syncing(int& counter) : counter_(counter) { ++counter_; }
    ~Syncing() { --counter_; }
    Syncing(const Syncing&) = delete;
    Syncing& operator=(const Syncing&) = delete;

   private:
    int& counter_;
  };

  struct SavedCursor {
    QPointer<QWidget> widget;
    bool had = false;
    QCursor cursor;
  };

  void watch(QWidget& w);
  void showFocusFrames();
  void syncControl(rt::Control& c);
  void syncProp(rt::Control& c, rt::Prop p);
  // The properties every widget has (enabled, visible, tooltip); false for
  // any other, which the control's kind syncs.
  bool syncCommon(const rt::Control& c, QWidget& w, rt::Prop p);
  void syncTextBox(const rt::TextBox& t, QLineEdit& le, rt::Prop p);
  void syncLabel(const rt::Label& l, QWidget& w, rt::Prop p);
  void syncCheckBox(const rt::CheckBox& b, QCheckBox& box, rt::Prop p);
  void syncOption(const rt::OptionButton& o, QRadioButton& button, rt::Prop p);
  void syncList(const rt::ComboBox& list, QComboBox& cb, rt::Prop p);
  void syncTextColors(const rt::TextBox& t, QLineEdit& le);
  void syncLabelColors(const rt::Label& l, QWidget& w);
  void syncListItems(const rt::ComboBox& c);
  void syncMenu(const rt::MenuItem& m);
  void syncStatus();
  void syncProgress();
  // Where Qt's focus belongs: the form's focused control, or the window
  // itself while that control has no widget able to show it.
  QWidget* focusTarget() const;
  void syncFocus();
  // The window itself takes the keyboard (unless it has it or the menu bar
  // has it).
  void holdKeyboard();
  // Qt's focus moved to `now` on its own.
  void followForm(QWidget* now);
  void syncWindowGeometry();
  void syncWindowVisible();
  // Keeps the window within its screen's available area.
  void fitWindow();
  void refitOnceFramed();
  // The user restored the window from maximised or minimised: when it has
  // never been on screen in its normal state, it gets its designed size at
  // the form's place (the window system knows neither).
  void placeFirstRestore();
  // Tells the form where the window is and how large (not when maximised
  // or minimised).
  void reportPlacement();
  void syncWaitCursor();
  void applySelection(const rt::TextBox& t, QLineEdit& le);

  // Runs one user action against the form, then brings the Qt focus in line
  // with the form's and, at the outermost level, runs afterInput.
  bool dispatch(const std::function<bool()>& action);
  void onTyped(rt::TextBox& t, QLineEdit& le);
  // The user moved the caret or the selection: the form learns where.
  void onCaretMoved(rt::TextBox& t, const QLineEdit& le);
  void onClicked(rt::Control& c);
  void onSelected(rt::ComboBox& c, int index);
  void onMenu(rt::MenuItem& m);

  bool filterWindowEvent(QEvent* e);
  bool filterControlEvent(rt::Control* c, QWidget* w, QEvent* e);
  bool isMenuShortcut(const QEvent* e) const;
  bool isTabStop(const rt::Control& c) const;
  void moveOption(rt::OptionButton& from, bool forward);

  rt::Form& form_;
  QWidget& window_;
  std::unordered_map<const rt::Control*, QPointer<QWidget>> widgets_;
  std::unordered_map<const QObject*, rt::Control*> controls_;
  std::unordered_map<const rt::Control*, QPointer<QWidget>> linePainters_;
  std::unordered_map<const rt::Control*, QPointer<QAction>> actions_;
  std::unordered_map<const rt::Control*, QPointer<QMenu>> menus_;
  const rt::StatusBar* statusBar_ = nullptr;
  QPointer<QStatusBar> statusView_;
  std::vector<QPointer<QWidget>> statusPanels_;
  const rt::ProgressBar* progressBar_ = nullptr;
  QPointer<QProgressBar> progressView_;
  std::vector<rt::Control*> tabOrder_;

  // Set while the view writes model state into widgets, so that widget
  // signals raised by that are not taken for user input.
  int syncing_ = 0;
  int depth_ = 0;
  // A mouse press that gave a text box the focus and was kept from the
  // widget (so that the selection made on focus stays): its moves and
  // release are kept away as well.
  QPointer<QWidget> swallowUntilRelease_;
  bool released_ = false;
  bool waitCursor_ = false;
  // The window has had its first size; it is to be fitted again once the
  // window system has told its frame.
  bool sized_ = false;
  bool refitPending_ = false;
  // The window has been on screen in its normal state (not only maximised
  // or minimised).
  bool shownNormal_ = false;
  // Where the window goes once framed after its first restore.
  std::optional<QPoint> placeAgainAt_;
  std::vector<SavedCursor> savedCursors_;
};

}  // namespace mirl::gui

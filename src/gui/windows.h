#pragma once
// The Qt windows of the application's forms, one per form. A window is made
// when its form is shown, by the maker registered under the form's name, and
// dropped when the form is unloaded: its binding lets go of the form at once,
// the window is hidden and the event loop deletes it. A form whose name has
// no maker stays headless. The user's close button runs the form's unload
// sequence (for frm_Main the shut-down).
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"

class QWidget;

namespace mirl {
class App;
}

namespace mirl::gui {

class Windows : public QObject, public rt::FormViews {
 public:
  // Builds the window of a form; the window binds itself to the form.
  using Maker = std::function<std::unique_ptr<QWidget>(App& app, rt::Form& form)>;

  // Becomes the application's views; knows how to make the windows of
  // frm_Main and frm_Aromen.
  explicit Windows(App& app);
  ~Windows() override;
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  void add(const std::string& formName, Maker make);
  // The form's window, nullptr while it has none.
  QWidget* window(const rt::Form& form) const;

  void formShowing(rt::Form& form) override;
  void formUnloading(rt::Form& form) override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  App& app_;
  std::map<std::string, Maker, std::less<>> makers_;
  struct Shown {
    rt::Form* form;
    QWidget* window;
  };
  std::vector<Shown> windows_;
};

// The user asks to close the form's window: refused while the form is
// disabled (another window of the program is open over it), otherwise the
// form's unload sequence decides.
bool userClose(App& app, rt::Form& form);

}  // namespace mirl::gui

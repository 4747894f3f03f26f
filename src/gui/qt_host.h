#pragma once
// The platform services for the real program: modal message boxes, the
// open and save dialogs and the message-loop pass that long work calls.
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "runtime/host.h"

class QFileDialog;
class QTranslator;
class QWidget;

namespace mirl::gui {

class QtHost : public rt::Host {
 public:
  QtHost();
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  // A message box or file dialog belongs to the window that is active when
  // it opens, and that window is activated again when it closes; this one
  // takes it when no window of the program is active.
  void setDialogParent(QWidget* parent) { parent_ = parent; }

  int messageBox(const std::string& prompt, int style, const std::string& title) override;
  std::string fileDialog(const rt::FileDialogRequest& request) override;
  // Handles pending window-system events, at most about every 10 ms: the
  // searches call this after every step, millions of times.
  void processEvents() override;
  // Loads Qt's own translation of the language (none for English, Qt's
  // own); they stay English when the translation is not installed.
  void setLanguage(const std::string& language) override;

  // The desktop session ends: from now on every box takes its default
  // answer and every file dialog is cancelled, neither of them shown.
  void answerByDefault() { answerByDefault_ = true; }

  // Test hooks: when set, the box or dialog is built as for the user and
  // handed to the hook instead of being shown. The box hook returns the
  // button pressed (NoButton: closed without a choice); the dialog hook
  // returns the chosen path, or an empty text for a cancelled dialog.
  std::function<QMessageBox::StandardButton(QMessageBox&)> messageBoxHook;
  std::function<QString(QFileDialog&)> fileDialogHook;

  // Number of passes that really handled events (for the tests).
  std::uint64_t realPasses() const { return realPasses_; }

  // Told, when set, about every pass that really handled events: when its
  // handling began and when it ended (for measuring how responsive the
  // window stays during long work). Looked at only on those passes.
  std::function<void(std::chrono::steady_clock::time_point begin, std::chrono::steady_clock::time_point end)>
      onRealPass;

  // Passes between two looks at the clock, and the least time between two
  // real passes.
  static constexpr unsigned kPassesPerClockCheck = 64;
  static constexpr std::chrono::milliseconds kMinInterval{10};

 private:
  QWidget* dialogParent() const;

  QPointer<QWidget> parent_;
  bool answerByDefault_ = false;
  std::string language_ = "en";
  std::unique_ptr<QTranslator> translator_;
  unsigned passCounter_ = 0;
  std::chrono::steady_clock::time_point lastPass_{};
  std::uint64_t realPasses_ = 0;
};

// Prompt text as shown: CR LF, and a lone CR or LF, become line breaks.
QString messageText(const std::string& prompt);

// Button answer of a box of the given style for the button pressed.
int messageAnswer(int style, QMessageBox::StandardButton pressed);

// Qt's filter text for one pair of description and pattern list
// ("*.ini;" or "*.a;*.b"): the description, followed by the patterns in
// brackets unless it already ends with exactly those.
QString fileFilter(const std::string& description, const std::string& patterns);

}  // namespace mirl::gui

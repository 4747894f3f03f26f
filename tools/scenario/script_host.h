#pragma once
// A host whose answers are queued in advance: message boxes and file dialogs
// are recorded, answered from the queues and checked later. A box or dialog
// with no queued answer is recorded as unexpected and gets the default
// (the first button; a cancelled dialog). A queued box answer that is none
// of the box's buttons is not given either: the box gets its default button.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/host.h"

namespace mirl::scenario {

struct ShownMessageBox {
  std::string prompt;
  int style = 0;
  std::string title;
  int answer = 0;
  bool unexpected = false;
  // The answer taken from the queue (0 when none was queued).
  int queued = 0;
  // ScriptHost::currentLine when the box was shown.
  int line = 0;
};

struct ShownDialog {
  rt::FileDialogRequest request;
  std::string answer;
  bool unexpected = false;
  // The kind of dialog the queued answer was meant for, if it said so.
  std::optional<rt::FileDialogRequest::Kind> answerKind;
  int line = 0;
};

class ScriptHost : public rt::Host {
 public:
  void queueMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }
  // "" stands for a cancelled dialog. kind: the dialog the answer is meant
  // for (recorded with the dialog, so that a mismatch can be reported).
  void queueDialogAnswer(std::string path,
                         std::optional<rt::FileDialogRequest::Kind> kind = std::nullopt) {
    dialogAnswers_.push_back(DialogAnswer{std::move(path), kind});
  }

  int messageBox(const std::string& prompt, int style, const std::string& title) override;
  std::string fileDialog(const rt::FileDialogRequest& request) override;
  void processEvents() override {}

  // Whether an answer is one of the buttons of a box style.
  static bool fitsButtons(int answer, int style);
  static int defaultButton(int style);

  // Everything shown so far, oldest first; tests pop what they checked.
  std::deque<ShownMessageBox> boxes;
  std::deque<ShownDialog> dialogs;

  // Stamped on every box and dialog shown (the scenario line running).
  int currentLine = 0;
  // Told about every box and dialog right after it was answered.
  std::function<void(const ShownMessageBox&)> onMessageBox;
  std::function<void(const ShownDialog&)> onDialog;

  size_t pendingBoxAnswers() const { return boxAnswers_.size(); }
  size_t pendingDialogAnswers() const { return dialogAnswers_.size(); }

 private:
  struct DialogAnswer {
    std::string path;
    std::optional<rt::FileDialogRequest::Kind> kind;
  };
  std::deque<int> boxAnswers_;
  std::deque<DialogAnswer> dialogAnswers_;
};

}  // namespace mirl::scenario

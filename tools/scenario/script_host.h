#pragma once
// A host whose answers are queued in advance: message boxes and file dialogs
// are recorded, answered from the queues and checked later. A box or dialog
// with no queued answer is recorded as unexpected and gets the default
// (the first button; a cancelled dialog).
#include <deque>
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
};

struct ShownDialog {
  rt::FileDialogRequest request;
  std::string answer;
  bool unexpected = false;
};

class ScriptHost : public rt::Host {
 public:
  void queueMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }
  // "" stands for a cancelled dialog.
  void queueDialogAnswer(std::string path) { dialogAnswers_.push_back(std::move(path)); }

  int messageBox(const std::string& prompt, int style, const std::string& title) override;
  std::string fileDialog(const rt::FileDialogRequest& request) override;
  void processEvents() override {}

  // Everything shown so far, oldest first; tests pop what they checked.
  std::deque<ShownMessageBox> boxes;
  std::deque<ShownDialog> dialogs;

  size_t pendingBoxAnswers() const { return boxAnswers_.size(); }
  size_t pendingDialogAnswers() const { return dialogAnswers_.size(); }

 private:
  std::deque<int> boxAnswers_;
  std::deque<std::string> dialogAnswers_;
};

}  // namespace mirl::scenario

#include "scenario/script_host.h"

namespace mirl::scenario {

int ScriptHost::messageBox(const std::string& prompt, int style, const std::string& title) {
  ShownMessageBox box{prompt, style, title, 0, false};
  if (boxAnswers_.empty()) {
    box.unexpected = true;
    box.answer = rt::mb::buttons(style) == rt::mb::YesNo ? rt::mb::Yes : rt::mb::Ok;
  } else {
    box.answer = boxAnswers_.front();
    boxAnswers_.pop_front();
  }
  boxes.push_back(box);
  return box.answer;
}

std::string ScriptHost::fileDialog(const rt::FileDialogRequest& request) {
  ShownDialog d{request, "", false};
  if (dialogAnswers_.empty()) {
    d.unexpected = true;
  } else {
    d.answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
  }
  dialogs.push_back(d);
  return d.answer;
}

}  // namespace mirl::scenario

#include "scenario/script_host.h"

namespace mirl::scenario {

bool ScriptHost::fitsButtons(int answer, int style) {
  switch (rt::mb::buttons(style)) {
    case rt::mb::OkOnly:
      return answer == rt::mb::Ok;
    case rt::mb::OkCancel:
      return answer == rt::mb::Ok || answer == rt::mb::Cancel;
    case rt::mb::YesNoCancel:
      return answer == rt::mb::Yes || answer == rt::mb::No || answer == rt::mb::Cancel;
    case rt::mb::YesNo:
      return answer == rt::mb::Yes || answer == rt::mb::No;
    default:
      return true;
  }
}

int ScriptHost::defaultButton(int style) {
  int b = rt::mb::buttons(style);
  return b == rt::mb::YesNo || b == rt::mb::YesNoCancel ? rt::mb::Yes : rt::mb::Ok;
}

int ScriptHost::messageBox(const std::string& prompt, int style, const std::string& title) {
  ShownMessageBox box{prompt, style, title, defaultButton(style), false, 0, currentLine};
  if (boxAnswers_.empty()) {
    box.unexpected = true;
  } else {
    box.queued = boxAnswers_.front();
    boxAnswers_.pop_front();
    if (fitsButtons(box.queued, style)) box.answer = box.queued;
  }
  boxes.push_back(box);
  if (onMessageBox) onMessageBox(box);
  return box.answer;
}

std::string ScriptHost::fileDialog(const rt::FileDialogRequest& request) {
  ShownDialog d{request, "", false, std::nullopt, currentLine};
  if (dialogAnswers_.empty()) {
    d.unexpected = true;
  } else {
    d.answer = dialogAnswers_.front().path;
    d.answerKind = dialogAnswers_.front().kind;
    dialogAnswers_.pop_front();
  }
  dialogs.push_back(d);
  if (onDialog) onDialog(d);
  return d.answer;
}

}  // namespace mirl::scenario

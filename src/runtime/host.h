#pragma once
// What the platform provides around the forms: modal message boxes, the open
// and save dialogs and one pass of the window system's message loop. The Qt
// view implements it for the program, the scenario driver and the tests with
// scripted answers.
#include <string>
#include <utility>
#include <vector>

namespace mirl::rt {

// Message box styles (added together) and answers.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

inline constexpr int buttons(int style) { return style & 0x0F; }
inline constexpr int icon(int style) { return style & 0x70; }
}  // namespace mb

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  // Pairs of description and pattern ("*.ini;"), in order.
  std::vector<std::pair<std::string, std::string>> filters;
  // Start folder, or the full path of the last file chosen.
  std::string startPath;
  // File name proposed in the name box (save only).
  std::string proposedName;
  // Added, after a ".", to a name chosen without an extension of its own
  // (rt::withDefaultExtension; save only; nothing when empty).
  std::string defaultExtension;
};

class Host {
 public:
  virtual ~Host() = default;
  // Prompt lines are separated by CR LF. Returns mb::Ok, mb::Cancel,
  // mb::Yes or mb::No.
  virtual int messageBox(const std::string& prompt, int style, const std::string& title) = 0;
  // Returns the full path chosen, or "" when cancelled. An open dialog
  // returns only a file that exists; a save dialog completes the name with
  // the default extension and asks before it overwrites the completed name.
  virtual std::string fileDialog(const FileDialogRequest& request) = 0;
  // One pass of the message loop: handle pending user input. A host may
  // skip the real work when it ran only a moment ago.
  virtual void processEvents() = 0;
  // The program's texts are now in this language ("de" or "en"): the
  // platform's own texts (buttons of message boxes and dialogs, context
  // menus) follow it.
  virtual void setLanguage(const std::string& /*language*/) {}
};

}  // namespace mirl::rt

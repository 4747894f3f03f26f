#pragma once
// One parsed line of a scenario file.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/host.h"
#include "runtime/value.h"
#include "scenario/lexer.h"
#include "scenario/selector.h"

namespace mirl::scenario {

enum class Op {
  // setting up
  FileFrom,       // file "PATH" from "SOURCE"
  FileBytes,      // file "PATH" bytes "TEXT"
  RegistryKey,    // registry key "SUBKEY"
  RegistryValue,  // registry "SUBKEY" "NAME" sz|dword|binary ...
  Start,
  Restart,
  Close,  // close FORM
  Quit,
  // acting as a user
  Focus,
  Type,
  Leave,
  Click,
  Select,
  Menu,
  AnswerMsgbox,
  AnswerDialog,  // answer open|save "PATH", answer cancel
  AtYield,
  Maximize,
  Minimize,
  Restore,
  Move,
  // acting as code
  Set,        // set CONTROL "TEXT" / set PROPERTY VALUE
  SetGlobal,  // set global NAME VALUE
  Call,
  // checking
  Expect,  // expect CONTROL "TEXT" / expect PROPERTY VALUE
  ExpectStatus,
  ExpectFocus,
  ExpectMsgbox,
  ExpectNoMsgbox,
  ExpectDialog,
  ExpectFile,
  ExpectIni,
  ExpectRegistryKey,
  ExpectRegistryValue,
  ExpectGlobal,
  ExpectRefreshes,
  ExpectYields,
};

// The last word of file, ini and registry lines.
enum class Detail { None, Exists, Missing, Bytes, Sz, Dword, Binary };

struct Command {
  Op op = Op::Start;
  int line = 0;
  // The control, property or window a command names.
  Selector selector;
  // Window name (close, maximize, ...), global or procedure name.
  std::string name;
  // String arguments in order: paths, section and key, registry names, the
  // text to type or expect, the prompt of a message box.
  std::vector<std::string> texts;
  rt::Value value;
  // Whole-number arguments: the list entry, LEFT and TOP, the dword, the
  // number of refreshes or yields.
  long long number = 0;
  long long number2 = 0;
  Detail detail = Detail::None;
  std::vector<std::uint8_t> bytes;  // registry binary
  int answer = 0;                   // answer msgbox (rt::mb::Yes, ...)
  // answer open/save: the dialog the answer is meant for; none for cancel.
  std::optional<rt::FileDialogRequest::Kind> dialogKind;
  // expect msgbox / expect dialog options.
  std::optional<std::string> title, filter, start, proposedName;
  std::optional<long long> style;
  // at yield N: the pass and the command to run in it.
  std::uint64_t pass = 0;
  std::shared_ptr<const Command> inner;
};

// The user's actions on controls and message boxes (focus, type, leave,
// click, select, menu, answer) and on windows (close, quit, maximize,
// minimize, restore, move).
bool isUserAction(Op op);
bool isWindowAction(Op op);

struct ParseResult {
  std::optional<Command> command;  // nothing for a blank or comment line
  std::string error;               // empty when the line is fine
};

// Parses one line (1-based line number for the command).
ParseResult parseLine(std::string_view line, int lineNumber);

// Parses the tokens of one command.
ParseResult parseTokens(const std::vector<Token>& tokens, int lineNumber);

}  // namespace mirl::scenario

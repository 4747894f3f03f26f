#include "scenario/runner.h"

#include <exception>

#include "context/app.h"
#include "runtime/error.h"
#include "scenario/values.h"

namespace mirl::scenario {

Runner::Runner(App& app, ScriptHost& host, RunFolders folders, std::string fileName, std::ostream& out)
    : app_(&app), host_(host), folders_(std::move(folders)), fileName_(std::move(fileName)), out_(out) {
  host_.onMessageBox = [this](const ShownMessageBox& box) {
    if (box.unexpected) {
      fail(box.line, "an answer for " + describe(box),
           "none (answered with its default button)");
    } else if (box.answer != box.queued) {
      fail(box.line, "a box with the queued answer's button", describe(box));
    }
  };
  host_.onDialog = [this](const ShownDialog& d) {
    if (d.unexpected) {
      fail(d.line, "an answer for the " + describe(d.request), "none (cancelled)");
    } else if (d.answerKind && *d.answerKind != d.request.kind) {
      fail(d.line, kindName(*d.answerKind) + " dialog for the queued answer", kindName(d.request.kind) + " dialog");
    }
  };
}

Runner::~Runner() {
  detach();
  host_.onMessageBox = nullptr;
  host_.onDialog = nullptr;
}

// The message loop calls back only while `at yield` lines wait, so a
// scenario without them leaves a search's passes as cheap as they are.
void Runner::attach() {
  if (!hooks_.empty()) app_->loop().setHook([this](std::uint64_t pass) { onPass(pass); });
}

void Runner::detach() { app_->loop().setHook(nullptr); }

void Runner::fail(int line, const std::string& expected, const std::string& found) {
  failed_ = true;
  out_ << fileName_ << ":" << line << ": expected " << expected << ", found " << found << "\n";
}

void Runner::error(int line, const std::string& message) {
  failed_ = true;
  out_ << fileName_ << ":" << line << ": error: " << message << "\n";
}

std::string Runner::expand(const std::string& text) const {
  const std::pair<std::string_view, std::string> vars[] = {
      {"$PROGRAM", folders_.program.string()},
      {"$HERE", folders_.here.string()},
      {"$TMP", folders_.tmp.string()},
  };
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    bool replaced = false;
    for (const auto& [name, value] : vars) {
      if (text.compare(i, name.size(), name) == 0) {
        out += value;
        i += name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

std::filesystem::path Runner::path(const std::string& text) const { return expand(text); }

bool Runner::run(std::string_view content) {
  int lineNumber = 0;
  size_t pos = 0;
  while (pos < content.size()) {
    size_t nl = content.find('\n', pos);
    std::string_view line = content.substr(pos, nl == content.npos ? content.npos : nl - pos);
    pos = nl == content.npos ? content.size() : nl + 1;
    ++lineNumber;
    ParseResult p = parseLine(line, lineNumber);
    if (!p.error.empty()) {
      error(lineNumber, p.error);
      return false;
    }
    if (p.command && !runTopLevel(*p.command)) return false;
  }
  finish();
  return !failed_;
}

bool Runner::runTopLevel(const Command& c) {
  if (c.op == Op::AtYield) {
    hooks_.push_back(Hook{c.pass, c.inner, c.line});
    attach();
    return true;
  }
  app_->loop().resetPasses();
  host_.currentLine = c.line;
  std::string err = execute(c);
  if (!hookError_.empty()) {
    error(hookErrorLine_, hookError_);
    return false;
  }
  if (!err.empty()) {
    error(c.line, err);
    return false;
  }
  std::uint64_t passes = app_->loop().passes();
  if (passes > 0) {
    lastYields_ = passes;
    // The long operation is over: every `at yield` line waiting for it has
    // had its chance.
    for (const Hook& h : hooks_) {
      if (!h.ran) {
        fail(h.line, "pass " + std::to_string(h.pass) + " of the message loop",
             "only " + std::to_string(passes) + " passes");
      }
    }
    clearHooks();
  }
  return true;
}

void Runner::onPass(std::uint64_t pass) {
  // Indexes, not iterators: a command run here may make passes of its own.
  for (size_t i = 0; i < hooks_.size(); ++i) {
    if (hooks_[i].ran || hooks_[i].pass != pass) continue;
    hooks_[i].ran = true;
    if (!hookError_.empty()) continue;
    std::shared_ptr<const Command> command = hooks_[i].command;
    int line = hooks_[i].line;
    int outer = host_.currentLine;
    host_.currentLine = line;
    std::string err = execute(*command);
    host_.currentLine = outer;
    if (!err.empty()) {
      hookError_ = err;
      hookErrorLine_ = line;
    }
  }
}

void Runner::clearHooks() {
  hooks_.clear();
  detach();
}

void Runner::finish() {
  for (const ShownMessageBox& box : host_.boxes) {
    fail(box.line, "every msgbox checked", "unchecked " + describe(box));
  }
  host_.boxes.clear();
  for (const Hook& h : hooks_) {
    fail(h.line, "pass " + std::to_string(h.pass) + " of the message loop", "no long operation after it");
  }
  clearHooks();
}

std::string Runner::execute(const Command& c) {
  try {
    return executeUnguarded(c);
  } catch (const rt::RuntimeError& e) {
    return std::string("run-time error ") + std::to_string(static_cast<int>(e.code())) + ": " + e.what();
  } catch (const std::exception& e) {
    return std::string("failure: ") + e.what();
  }
}

std::string Runner::executeUnguarded(const Command& c) {
  if (isUserAction(c.op)) return userAction(c);
  if (isWindowAction(c.op)) return windowAction(c);
  switch (c.op) {
    case Op::FileFrom:
    case Op::FileBytes:
    case Op::RegistryKey:
    case Op::RegistryValue:
    case Op::Start:
    case Op::Restart:
    case Op::Call:
      return setup(c);
    case Op::Set:
    case Op::SetGlobal:
      return set(c);
    case Op::AtYield:
      return "at yield cannot be nested";
    case Op::ExpectMsgbox:
    case Op::ExpectNoMsgbox:
    case Op::ExpectDialog:
      return expectHost(c);
    case Op::ExpectFile:
    case Op::ExpectIni:
    case Op::ExpectRegistryKey:
    case Op::ExpectRegistryValue:
      return expectStore(c);
    default:
      return expect(c);
  }
}

}  // namespace mirl::scenario

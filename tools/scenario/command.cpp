#include "scenario/command.h"

#include <cstdint>
#include <limits>

namespace mirl::scenario {

namespace {

// Reads the tokens of one command from left to right; the first problem
// found is kept and every later read fails.
class Reader {
 public:
  explicit Reader(const std::vector<Token>& tokens) : tokens_(tokens) {}

  bool failed() const { return !error_.empty(); }
  const std::string& error() const { return error_; }
  bool atEnd() const { return pos_ >= tokens_.size(); }
  const Token* peek() const { return atEnd() ? nullptr : &tokens_[pos_]; }

  void fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
  }

  std::string word(const char* what) {
    if (failed()) return {};
    if (atEnd() || !tokens_[pos_].isWord()) {
      fail(std::string("expected ") + what);
      return {};
    }
    return tokens_[pos_++].text;
  }

  // One of the given words.
  std::string keyword(std::initializer_list<const char*> choices) {
    if (failed()) return {};
    std::string list;
    for (const char* c : choices) {
      if (!atEnd() && tokens_[pos_].isWord(c)) {
        ++pos_;
        return c;
      }
      list += list.empty() ? c : std::string("|") + c;
    }
    fail("expected " + list);
    return {};
  }

  bool accept(std::string_view w) {
    if (failed() || atEnd() || !tokens_[pos_].isWord(w)) return false;
    ++pos_;
    return true;
  }

  std::string text(const char* what) {
    if (failed()) return {};
    if (atEnd() || !tokens_[pos_].isString()) {
      fail(std::string("expected ") + what + " in double quotes");
      return {};
    }
    return tokens_[pos_++].text;
  }

  long long integer(const char* what, long long min, long long max) {
    std::string w = word(what);
    if (failed()) return 0;
    auto v = parseInteger(w);
    if (!v || *v < min || *v > max) fail(std::string("expected ") + what + ", found " + w);
    return v ? *v : 0;
  }

  rt::Value value() {
    if (failed()) return {};
    if (atEnd()) {
      fail("expected a value");
      return {};
    }
    auto v = parseValue(tokens_[pos_]);
    if (!v) {
      fail("not a value: " + tokens_[pos_].text);
      return {};
    }
    ++pos_;
    return *v;
  }

  Selector selector(const char* what) {
    std::string w = word(what);
    if (failed()) return {};
    auto r = parseSelector(w);
    if (!r.error.empty()) fail(r.error);
    return r.selector;
  }

  std::string form() {
    std::string w = word("a window name");
    if (!failed() && !w.starts_with("frm_")) fail("not a window name: " + w);
    return w;
  }

  void end() {
    if (!failed() && !atEnd()) fail("unexpected " + tokens_[pos_].text + " at the end of the line");
  }

  // The tokens not read yet.
  std::vector<Token> rest() const {
    return std::vector<Token>(tokens_.begin() + static_cast<std::ptrdiff_t>(pos_), tokens_.end());
  }

 private:
  const std::vector<Token>& tokens_;
  size_t pos_ = 0;
  std::string error_;
};

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "0A 0b FF" or "0A0BFF": pairs of hex digits, blanks between pairs allowed.
std::optional<std::vector<std::uint8_t>> hexBytes(std::string_view s) {
  std::vector<std::uint8_t> out;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == ' ') {
      ++i;
      continue;
    }
    if (i + 1 >= s.size()) return std::nullopt;
    int hi = hexValue(s[i]), lo = hexValue(s[i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
    i += 2;
  }
  return out;
}

constexpr long long kIntMax = std::numeric_limits<int>::max();
constexpr long long kIntMin = std::numeric_limits<int>::min();

bool isUserOrCodeCommand(Op op) {
  return isUserAction(op) || isWindowAction(op) || op == Op::Set || op == Op::SetGlobal || op == Op::Call;
}

void parseFile(Reader& in, Command& c) {
  c.texts.push_back(in.text("a path"));
  std::string how = in.keyword({"from", "bytes"});
  c.op = how == "from" ? Op::FileFrom : Op::FileBytes;
  c.texts.push_back(in.text(how == "from" ? "a source path" : "the bytes"));
}

void parseRegistry(Reader& in, Command& c) {
  if (in.accept("key")) {
    c.op = Op::RegistryKey;
    c.texts.push_back(in.text("a sub-key"));
    return;
  }
  c.op = Op::RegistryValue;
  c.texts.push_back(in.text("a sub-key"));
  c.texts.push_back(in.text("a value name"));
  std::string type = in.keyword({"sz", "dword", "binary"});
  if (type == "sz") {
    c.detail = Detail::Sz;
    c.texts.push_back(in.text("a text"));
  } else if (type == "dword") {
    c.detail = Detail::Dword;
    c.number = in.integer("a 32-bit number", kIntMin, 4294967295LL);
  } else if (type == "binary") {
    c.detail = Detail::Binary;
    std::string hex = in.text("hex bytes");
    auto bytes = hexBytes(hex);
    if (!in.failed() && !bytes) in.fail("not hex bytes: " + hex);
    if (bytes) c.bytes = std::move(*bytes);
  }
}

void parseAnswer(Reader& in, Command& c) {
  std::string what = in.keyword({"msgbox", "open", "save", "cancel"});
  if (what == "msgbox") {
    c.op = Op::AnswerMsgbox;
    std::string a = in.keyword({"yes", "no", "ok", "cancel"});
    c.answer = a == "yes" ? rt::mb::Yes : a == "no" ? rt::mb::No : a == "ok" ? rt::mb::Ok : rt::mb::Cancel;
  } else if (what == "open" || what == "save") {
    c.op = Op::AnswerDialog;
    c.dialogKind = what == "open" ? rt::FileDialogRequest::Kind::Open : rt::FileDialogRequest::Kind::Save;
    c.texts.push_back(in.text("a path"));
  } else if (what == "cancel") {
    c.op = Op::AnswerDialog;
  }
}

void parseExpectMsgbox(Reader& in, Command& c) {
  c.op = Op::ExpectMsgbox;
  c.texts.push_back(in.text("the prompt"));
  while (!in.failed() && !in.atEnd()) {
    std::string opt = in.keyword({"title", "style"});
    if (opt == "title") {
      if (c.title) in.fail("title given twice");
      c.title = in.text("the title");
    } else if (opt == "style") {
      if (c.style) in.fail("style given twice");
      c.style = in.integer("a box style", 0, kIntMax);
    }
  }
}

void parseExpectDialog(Reader& in, Command& c) {
  c.op = Op::ExpectDialog;
  std::string kind = in.keyword({"open", "save"});
  c.dialogKind = kind == "open" ? rt::FileDialogRequest::Kind::Open : rt::FileDialogRequest::Kind::Save;
  while (!in.failed() && !in.atEnd()) {
    std::string opt = in.keyword({"title", "filter", "start", "name"});
    std::optional<std::string>* slot = opt == "title"    ? &c.title
                                       : opt == "filter" ? &c.filter
                                       : opt == "start"  ? &c.start
                                                         : &c.proposedName;
    if (in.failed()) return;
    if (slot->has_value()) in.fail(opt + " given twice");
    *slot = in.text(opt.c_str());
  }
}

void parseExpect(Reader& in, Command& c) {
  const Token* next = in.peek();
  if (!next) {
    in.fail("expected what to check");
    return;
  }
  if (next->isWord("status")) {
    // expect status "TEXT" (the same as expect frm_Main.status "TEXT").
    in.word("status");
    c.op = Op::ExpectStatus;
    c.texts.push_back(in.text("the status text"));
  } else if (in.accept("focus")) {
    c.op = Op::ExpectFocus;
    c.selector = in.selector("a control");
  } else if (in.accept("msgbox")) {
    parseExpectMsgbox(in, c);
  } else if (in.accept("no")) {
    in.keyword({"msgbox"});
    c.op = Op::ExpectNoMsgbox;
  } else if (in.accept("dialog")) {
    parseExpectDialog(in, c);
  } else if (in.accept("file")) {
    c.op = Op::ExpectFile;
    c.texts.push_back(in.text("a path"));
    std::string how = in.keyword({"exists", "missing", "bytes"});
    c.detail = how == "exists" ? Detail::Exists : how == "missing" ? Detail::Missing : Detail::Bytes;
    if (how == "bytes") c.texts.push_back(in.text("the bytes"));
  } else if (in.accept("ini")) {
    c.op = Op::ExpectIni;
    c.texts.push_back(in.text("a path"));
    c.texts.push_back(in.text("a section"));
    c.texts.push_back(in.text("a key"));
    if (in.accept("missing")) {
      c.detail = Detail::Missing;
    } else {
      c.texts.push_back(in.text("the value or missing"));
    }
  } else if (in.accept("registry")) {
    c.texts.push_back(in.text("a sub-key"));
    const Token* t = in.peek();
    if (t && t->isString()) {
      c.op = Op::ExpectRegistryValue;
      c.texts.push_back(in.text("a value name"));
      std::string how = in.keyword({"sz", "dword", "missing"});
      if (how == "sz") {
        c.detail = Detail::Sz;
        c.texts.push_back(in.text("a text"));
      } else if (how == "dword") {
        c.detail = Detail::Dword;
        c.number = in.integer("a 32-bit number", kIntMin, 4294967295LL);
      } else {
        c.detail = Detail::Missing;
      }
    } else {
      c.op = Op::ExpectRegistryKey;
      std::string how = in.keyword({"exists", "missing"});
      c.detail = how == "exists" ? Detail::Exists : Detail::Missing;
    }
  } else if (in.accept("global")) {
    c.op = Op::ExpectGlobal;
    c.name = in.word("a global name");
    c.value = in.value();
  } else if (in.accept("refreshes")) {
    c.op = Op::ExpectRefreshes;
    c.number = in.integer("a number of refreshes", 0, std::numeric_limits<long long>::max());
  } else if (in.accept("yields")) {
    c.op = Op::ExpectYields;
    c.number = in.integer("a number of passes", 0, std::numeric_limits<long long>::max());
  } else {
    c.op = Op::Expect;
    c.selector = in.selector("a control or property");
    c.value = in.value();
  }
}

void parseAtYield(Reader& in, Command& c, int lineNumber) {
  c.op = Op::AtYield;
  in.keyword({"yield"});
  std::string n = in.word("a pass number");
  if (in.failed()) return;
  bool colon = !n.empty() && n.back() == ':';
  if (colon) n.pop_back();
  if (!colon && !in.accept(":")) in.fail("expected ':' after the pass number");
  auto pass = parseInteger(n);
  if (!in.failed() && (!pass || *pass < 1)) in.fail("expected a pass number from 1, found " + n);
  if (in.failed()) return;
  c.pass = static_cast<std::uint64_t>(*pass);
  ParseResult inner = parseTokens(in.rest(), lineNumber);
  if (!inner.error.empty()) {
    in.fail(inner.error);
  } else if (!inner.command) {
    in.fail("expected a command after at yield");
  } else if (!isUserOrCodeCommand(inner.command->op)) {
    in.fail("at yield takes a user action, a code action, close or quit");
  } else {
    c.inner = std::make_shared<const Command>(std::move(*inner.command));
  }
}

}  // namespace

ParseResult parseTokens(const std::vector<Token>& tokens, int lineNumber) {
  ParseResult r;
  if (tokens.empty()) return r;
  Reader in(tokens);
  Command c;
  c.line = lineNumber;
  std::string verb = in.word("a command");
  if (verb == "file") {
    parseFile(in, c);
  } else if (verb == "registry") {
    parseRegistry(in, c);
  } else if (verb == "start") {
    c.op = Op::Start;
  } else if (verb == "restart") {
    c.op = Op::Restart;
  } else if (verb == "close") {
    c.op = Op::Close;
    c.name = in.form();
  } else if (verb == "quit") {
    c.op = Op::Quit;
  } else if (verb == "focus" || verb == "click" || verb == "menu") {
    c.op = verb == "focus" ? Op::Focus : verb == "click" ? Op::Click : Op::Menu;
    c.selector = in.selector("a control");
  } else if (verb == "type") {
    c.op = Op::Type;
    c.selector = in.selector("a control");
    c.texts.push_back(in.text("the text"));
  } else if (verb == "leave") {
    c.op = Op::Leave;
  } else if (verb == "select") {
    c.op = Op::Select;
    c.selector = in.selector("a list");
    c.number = in.integer("an entry number from 0", 0, kIntMax);
  } else if (verb == "answer") {
    parseAnswer(in, c);
  } else if (verb == "at") {
    parseAtYield(in, c, lineNumber);
    if (!in.failed()) {
      r.command = std::move(c);
      return r;
    }
  } else if (verb == "maximize" || verb == "minimize" || verb == "restore") {
    c.op = verb == "maximize" ? Op::Maximize : verb == "minimize" ? Op::Minimize : Op::Restore;
    c.name = in.form();
  } else if (verb == "move") {
    c.op = Op::Move;
    c.name = in.form();
    c.number = in.integer("LEFT in twips", kIntMin, kIntMax);
    c.number2 = in.integer("TOP in twips", kIntMin, kIntMax);
  } else if (verb == "set") {
    if (in.accept("global")) {
      c.op = Op::SetGlobal;
      c.name = in.word("a global name");
    } else {
      c.op = Op::Set;
      c.selector = in.selector("a control or property");
    }
    c.value = in.value();
  } else if (verb == "call") {
    c.op = Op::Call;
    c.name = in.word("a procedure name");
  } else if (verb == "expect") {
    parseExpect(in, c);
  } else if (!in.failed()) {
    in.fail("unknown command " + verb);
  }
  in.end();
  if (in.failed()) {
    r.error = in.error();
    return r;
  }
  r.command = std::move(c);
  return r;
}

bool isUserAction(Op op) {
  switch (op) {
    case Op::Focus:
    case Op::Type:
    case Op::Leave:
    case Op::Click:
    case Op::Select:
    case Op::Menu:
    case Op::AnswerMsgbox:
    case Op::AnswerDialog:
      return true;
    default:
      return false;
  }
}

bool isWindowAction(Op op) {
  switch (op) {
    case Op::Close:
    case Op::Quit:
    case Op::Maximize:
    case Op::Minimize:
    case Op::Restore:
    case Op::Move:
      return true;
    default:
      return false;
  }
}

ParseResult parseLine(std::string_view line, int lineNumber) {
  LexResult lex = tokenize(line);
  if (!lex.error.empty()) return ParseResult{std::nullopt, lex.error};
  return parseTokens(lex.tokens, lineNumber);
}

}  // namespace mirl::scenario

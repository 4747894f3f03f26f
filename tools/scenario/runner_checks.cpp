// The expect commands.
#include <fstream>
#include <iterator>

#include "context/app.h"
#include "runtime/ini_file.h"
#include "runtime/registry_store.h"
#include "scenario/runner.h"
#include "scenario/target.h"
#include "scenario/values.h"
#include "shell/scripting.h"

namespace mirl::scenario {

namespace {

// What ini::read gives for a missing key: a default no file can hold.
constexpr std::string_view kIniMissing = "\x01\x02<missing>\x03";

std::string number(long long n) { return std::to_string(n); }

}  // namespace

std::string Runner::expect(const Command& c) {
  switch (c.op) {
    case Op::Expect: {
      TargetResult r = resolve(*app_, c.selector);
      if (!r.error.empty()) return r.error;
      const Target& t = r.target;
      std::optional<rt::Value> found;
      std::string missing;
      if (t.isProperty()) {
        ReadResult read = readProperty(t);
        found = read.value;
        missing = read.missing;
      } else if (t.kind == Target::Kind::Control) {
        if (!std::holds_alternative<std::string>(c.value)) return "expect of a control takes a text: " + t.display;
        auto prop = textProperty(*t.control);
        if (!prop) return t.display + " shows no text";
        found = t.control->get(*prop);
      } else {
        return "expect needs a control or a property: " + c.selector.text;
      }
      auto show = t.property.ends_with("Color") ? formatColour : formatValue;
      if (!found) {
        fail(c.line, t.display + " " + show(c.value), missing.empty() ? "no value" : missing);
      } else if (!valuesMatch(c.value, *found)) {
        fail(c.line, t.display + " " + show(c.value), show(*found));
      }
      return "";
    }
    case Op::ExpectStatus: {
      const std::string& found = app_->main().StatusBar1->panelText(1);
      if (found != c.texts[0]) fail(c.line, "status " + quote(c.texts[0]), quote(found));
      return "";
    }
    case Op::ExpectFocus: {
      TargetResult r = resolve(*app_, c.selector);
      if (!r.error.empty()) return r.error;
      if (r.target.kind != Target::Kind::Control) return "not a control: " + c.selector.text;
      const rt::Control* focused = r.target.control->form().focused();
      if (focused != r.target.control) {
        fail(c.line, "focus on " + r.target.display,
             focused ? "focus on " + focused->fullName() : "no control with the focus");
      }
      return "";
    }
    case Op::ExpectGlobal: {
      auto found = getGlobal(*app_, c.name);
      if (!found) return "unknown global " + c.name;
      if (!valuesMatch(c.value, *found)) fail(c.line, c.name + " " + formatValue(c.value), formatValue(*found));
      return "";
    }
    case Op::ExpectRefreshes: {
      std::uint64_t n = app_->refreshCount - refreshMark_;
      refreshMark_ = app_->refreshCount;
      if (n != static_cast<std::uint64_t>(c.number)) {
        fail(c.line, number(c.number) + " refreshes", std::to_string(n));
      }
      return "";
    }
    case Op::ExpectYields:
      if (lastYields_ != static_cast<std::uint64_t>(c.number)) {
        fail(c.line, number(c.number) + " passes of the message loop", std::to_string(lastYields_));
      }
      return "";
    default:
      return "not a check";
  }
}

std::string Runner::expectHost(const Command& c) {
  switch (c.op) {
    case Op::ExpectMsgbox: {
      std::string expected = "msgbox " + quote(c.texts[0]);
      if (c.title) expected += " title " + quote(*c.title);
      if (c.style) expected += " style " + number(*c.style);
      if (host_.boxes.empty()) {
        fail(c.line, expected, "no message box");
        return "";
      }
      ShownMessageBox box = host_.boxes.front();
      host_.boxes.pop_front();
      bool same = box.prompt == c.texts[0] && (!c.title || box.title == *c.title) &&
                  (!c.style || box.style == *c.style);
      if (!same) fail(c.line, expected, describe(box));
      return "";
    }
    case Op::ExpectNoMsgbox:
      // Each box is reported once; what is reported here counts as checked.
      for (const ShownMessageBox& box : host_.boxes) fail(c.line, "no msgbox", describe(box));
      host_.boxes.clear();
      return "";
    case Op::ExpectDialog: {
      std::string expected = "dialog " + kindName(*c.dialogKind);
      if (c.title) expected += " title " + quote(*c.title);
      if (c.filter) expected += " filter " + quote(*c.filter);
      if (c.start) expected += " start " + quote(expand(*c.start));
      if (c.proposedName) expected += " name " + quote(*c.proposedName);
      if (host_.dialogs.empty()) {
        fail(c.line, expected, "no file dialog");
        return "";
      }
      rt::FileDialogRequest d = host_.dialogs.front().request;
      host_.dialogs.pop_front();
      bool same = d.kind == *c.dialogKind && (!c.title || d.title == *c.title) &&
                  (!c.filter || joinFilters(d) == *c.filter) &&
                  (!c.start || d.startPath == expand(*c.start)) &&
                  (!c.proposedName || d.proposedName == *c.proposedName);
      if (!same) fail(c.line, expected, describe(d));
      return "";
    }
    default:
      return "not a check";
  }
}

std::string Runner::expectStore(const Command& c) {
  namespace fs = std::filesystem;
  switch (c.op) {
    case Op::ExpectFile: {
      fs::path p = path(c.texts[0]);
      bool exists = fs::exists(p);
      std::string shown = quote(p.string());
      if (c.detail == Detail::Exists && !exists) fail(c.line, "file " + shown + " to exist", "none");
      if (c.detail == Detail::Missing && exists) fail(c.line, "no file " + shown, "one");
      if (c.detail == Detail::Bytes) {
        if (!fs::is_regular_file(p)) {
          fail(c.line, "file " + shown + " with " + quote(c.texts[1]), "no file");
          return "";
        }
        std::ifstream f(p, std::ios::binary);
        std::string content((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        if (content != c.texts[1]) fail(c.line, "file " + shown + " with " + quote(c.texts[1]), quote(content));
      }
      return "";
    }
    case Op::ExpectIni: {
      fs::path p = path(c.texts[0]);
      std::string found = rt::ini::read(p, c.texts[1], c.texts[2], kIniMissing);
      bool missing = found == kIniMissing;
      std::string subject = "[" + c.texts[1] + "] " + c.texts[2] + " in " + p.filename().string();
      if (c.detail == Detail::Missing) {
        if (!missing) fail(c.line, subject + " missing", quote(found));
      } else if (missing || found != c.texts[3]) {
        fail(c.line, subject + " " + quote(c.texts[3]), missing ? "missing" : quote(found));
      }
      return "";
    }
    case Op::ExpectRegistryKey: {
      std::string key = programKey(c.texts[0]);
      bool exists = app_->registry().keyExists(key);
      if (exists != (c.detail == Detail::Exists)) {
        fail(c.line, "registry key " + quote(key) + (exists ? " missing" : " to exist"),
             exists ? "it exists" : "no such key");
      }
      return "";
    }
    case Op::ExpectRegistryValue: {
      std::string key = programKey(c.texts[0]);
      auto v = app_->registry().readValue(key, c.texts[1]);
      std::string subject = "registry " + quote(c.texts[0]) + " " + quote(c.texts[1]);
      std::string found = "missing";
      if (v && (v->type == rt::RegValue::Sz || v->type == rt::RegValue::ExpandSz)) {
        found = "sz " + quote(v->text);
      } else if (v && v->type == rt::RegValue::Dword) {
        found = "dword " + std::to_string(v->number);
      } else if (v) {
        found = "a value of type " + std::to_string(v->type);
      }
      if (c.detail == Detail::Missing) {
        if (v) fail(c.line, subject + " missing", found);
      } else if (c.detail == Detail::Sz) {
        std::string text = expand(c.texts[2]);
        if (!v || v->type != rt::RegValue::Sz || v->text != text) fail(c.line, subject + " sz " + quote(text), found);
      } else {
        auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.number));
        if (!v || v->type != rt::RegValue::Dword || v->number != n) {
          fail(c.line, subject + " dword " + std::to_string(n), found);
        }
      }
      return "";
    }
    default:
      return "not a check";
  }
}

}  // namespace mirl::scenario

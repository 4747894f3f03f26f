// The commands that change something: setting up files and the registry,
// starting and closing, user actions and writes as code does them.
#include <fstream>

#include "context/app.h"
#include "runtime/registry_store.h"
#include "scenario/runner.h"
#include "scenario/target.h"
#include "shell/scripting.h"
#include "support/registry_layout.h"

namespace mirl::scenario {

std::string programKey(std::string_view subKey) {
  std::string key(reg::kProgramKey);
  if (subKey.empty()) return key;
  if (subKey.front() != '\\') key += '\\';
  key += subKey;
  return key;
}

std::string Runner::setup(const Command& c) {
  namespace fs = std::filesystem;
  switch (c.op) {
    case Op::FileFrom: {
      fs::path target = path(c.texts[0]);
      fs::path source = path(c.texts[1]);
      if (!fs::is_regular_file(source)) return "no file " + source.string();
      if (target.has_parent_path()) fs::create_directories(target.parent_path());
      fs::copy_file(source, target, fs::copy_options::overwrite_existing);
      return "";
    }
    case Op::FileBytes: {
      fs::path target = path(c.texts[0]);
      if (target.has_parent_path()) fs::create_directories(target.parent_path());
      std::ofstream f(target, std::ios::binary | std::ios::trunc);
      f.write(c.texts[1].data(), static_cast<std::streamsize>(c.texts[1].size()));
      if (!f) return "cannot write " + target.string();
      return "";
    }
    case Op::RegistryKey: {
      std::string key = programKey(c.texts[0]);
      app_->registry().createKey(key, reg::kKeyClass);
      if (!app_->registry().keyExists(key)) return "cannot create registry key " + key;
      return "";
    }
    case Op::RegistryValue: {
      std::string key = programKey(c.texts[0]);
      if (!app_->registry().keyExists(key)) app_->registry().createKey(key, reg::kKeyClass);
      rt::RegValue v;
      if (c.detail == Detail::Sz) {
        v.type = rt::RegValue::Sz;
        v.text = expand(c.texts[2]);
      } else if (c.detail == Detail::Dword) {
        v.type = rt::RegValue::Dword;
        v.number = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.number));
      } else {
        v.type = rt::RegValue::Binary;
        v.bytes = c.bytes;
      }
      if (!app_->registry().writeValue(key, c.texts[1], v)) {
        return "cannot write registry value " + key + " " + c.texts[1];
      }
      return "";
    }
    case Op::Start:
      if (started_) return "the program is started already";
      started_ = true;
      refreshMark_ = app_->refreshCount;
      app_->start();
      return "";
    case Op::Restart:
      return restart();
    case Op::Call:
      if (!callProcedure(*app_, c.name)) return "unknown procedure " + c.name;
      return "";
    default:
      return "not a set-up command";
  }
}

std::string Runner::restart() {
  if (!fresh_) return "restart needs a program of its own";
  if (started_ && !app_->closed()) {
    Command quit;
    quit.op = Op::Quit;
    if (std::string err = windowAction(quit); !err.empty()) return err;
    if (!app_->closed()) return "the program did not close, so it cannot start again";
  }
  detach();
  app_ = &fresh_();
  attach();
  activeForm_.clear();
  started_ = true;
  refreshMark_ = app_->refreshCount;
  app_->start();
  return "";
}

std::string Runner::windowAction(const Command& c) {
  std::string name = c.op == Op::Quit ? std::string(kMainForm) : c.name;
  TargetResult r = resolve(*app_, Selector{name, {}, name});
  if (!r.error.empty()) return r.error;
  rt::Form& form = *r.target.form;
  switch (c.op) {
    case Op::Close:
    case Op::Quit:
      // A disabled window (another window is open over it) or a hidden one
      // cannot be closed by the user.
      if (app_->loadedForm(name) && form.Enabled() && form.Visible()) app_->closeForm(name);
      return "";
    case Op::Maximize:
      form.setWindowState(rt::WindowState::Maximized);
      return "";
    case Op::Minimize:
      form.setWindowState(rt::WindowState::Minimized);
      return "";
    case Op::Restore:
      form.setWindowState(rt::WindowState::Normal);
      return "";
    case Op::Move:
      form.setLeft(static_cast<int>(c.number));
      form.setTop(static_cast<int>(c.number2));
      return "";
    default:
      return "not a window command";
  }
}

std::string Runner::userAction(const Command& c) {
  switch (c.op) {
    case Op::AnswerMsgbox:
      host_.queueMessageBoxAnswer(c.answer);
      return "";
    case Op::AnswerDialog:
      host_.queueDialogAnswer(c.dialogKind ? expand(c.texts[0]) : "", c.dialogKind);
      return "";
    case Op::Leave: {
      std::string name = activeForm_.empty() ? std::string(kMainForm) : activeForm_;
      rt::Form* form = app_->loadedForm(name);
      if (form && form->acceptsUserInput(nullptr)) form->leaveFocus();
      return "";
    }
    default:
      break;
  }
  TargetResult r = resolve(*app_, c.selector);
  if (!r.error.empty()) return r.error;
  if (r.target.kind != Target::Kind::Control) return "not a control: " + c.selector.text;
  rt::Control& control = *r.target.control;
  rt::Form& form = control.form();
  activeForm_ = form.name();
  switch (c.op) {
    case Op::Focus:
      form.userFocus(control);
      return "";
    case Op::Click:
      form.userClick(control);
      return "";
    case Op::Type:
      if (control.kind() != rt::ControlKind::TextBox) return "type needs a text box: " + c.selector.text;
      form.userType(static_cast<rt::TextBox&>(control), c.texts[0]);
      return "";
    case Op::Select:
      if (control.kind() != rt::ControlKind::ComboBox) return "select needs a list: " + c.selector.text;
      form.userSelect(static_cast<rt::ComboBox&>(control), static_cast<int>(c.number));
      return "";
    case Op::Menu:
      if (control.kind() != rt::ControlKind::Menu) return "menu needs a menu entry: " + c.selector.text;
      form.userMenu(static_cast<rt::MenuItem&>(control));
      return "";
    default:
      return "not a user action";
  }
}

std::string Runner::set(const Command& c) {
  if (c.op == Op::SetGlobal) {
    if (setGlobal(*app_, c.name, c.value)) return "";
    if (!getGlobal(*app_, c.name)) return "unknown global " + c.name;
    return "cannot set global " + c.name + " to " + formatValue(c.value);
  }
  TargetResult r = resolve(*app_, c.selector);
  if (!r.error.empty()) return r.error;
  const Target& t = r.target;
  if (t.isProperty()) return writeProperty(t, c.value);
  if (t.kind != Target::Kind::Control) return "set needs a control or a property: " + c.selector.text;
  auto prop = textProperty(*t.control);
  if (!std::holds_alternative<std::string>(c.value)) return "set of a control takes a text: " + t.display;
  if (!prop || !t.control->set(*prop, c.value)) return "cannot set the text of " + t.display;
  return "";
}

}  // namespace mirl::scenario

#pragma once
// Whether the program can open a window here: a display (X11 or Wayland), or
// a Qt platform chosen explicitly. Checked before Qt is started, so that a
// machine without a display gets one clear line instead of Qt's dump.
#include <optional>
#include <string>

namespace mirl::gui {

// `env` reads an environment variable (nothing when unset). Returns the
// line to print when no window can be opened.
template <class Env>
std::optional<std::string> missingDisplay(Env env) {
  auto set = [&env](const char* name) {
    std::optional<std::string> v = env(name);
    return v && !v->empty();
  };
  if (set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY")) return std::nullopt;
  return std::string(
      "mirlfumarix: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
      "on a machine without a desktop start it with `xvfb-run make run` or `xvfb-run ./mirlfumarix`");
}

}  // namespace mirl::gui

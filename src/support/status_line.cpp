#include "support/status_line.h"

#include <string>

#include "context/app.h"

namespace mirl {

void Statusleiste_Text(App& app, std::string_view text) {
  rt::StatusBar* bar = app.main().StatusBar1;
  // Without a status bar or a first panel there is nowhere to show the text;
  // the caller goes on either way.
  if (bar == nullptr || bar->panelCount() < 1) return;
  bar->setPanelText(1, std::string(text));
}

}  // namespace mirl

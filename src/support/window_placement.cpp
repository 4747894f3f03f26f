#include "support/window_placement.h"

#include <cstdint>
#include <optional>
#include <string>

#include "context/app.h"
#include "support/registry_access.h"

namespace mirl {

namespace {

// An edge as the window takes it: the stored whole number passes through
// single precision; one that single precision carries past the range of an
// edge is not taken.
std::optional<int> readEdge(App& app, std::string_view key, std::string_view name) {
  RegistryVariant v;
  if (!Registry_Wert_Lesen(app, HKEY_CURRENT_USER, key, name, v)) return std::nullopt;
  const auto* n = std::get_if<std::int32_t>(&v);
  if (!n) return std::nullopt;
  const float f = static_cast<float>(*n);
  if (f >= 2147483648.0f || f < -2147483648.0f) return std::nullopt;
  return static_cast<int>(f);
}

bool readFlag(App& app, std::string_view key, std::string_view name) {
  RegistryVariant v;
  if (!Registry_Wert_Lesen(app, HKEY_CURRENT_USER, key, name, v)) return false;
  const auto* text = std::get_if<std::string>(&v);
  if (!text || text->size() != 4) return false;
  std::string lower = *text;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower == "true";
}

void ensureKey(App& app, std::string_view key) {
  if (!Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, key)) {
    Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, key, reg::kKeyClass);
  }
}

}  // namespace

StoredWindowState readWindowPlacement(App& app, rt::Form& form, const reg::WindowKeys& keys) {
  if (const auto left = readEdge(app, keys.size, reg::kLeft)) form.setLeft(*left);
  if (const auto top = readEdge(app, keys.size, reg::kTop)) form.setTop(*top);
  StoredWindowState state;
  state.maximised = readFlag(app, keys.size, reg::kMaximised);
  state.minimised = readFlag(app, keys.size, reg::kMinimised);
  return state;
}

void applyStoredWindowState(rt::Form& form, StoredWindowState state) {
  if (state.maximised) form.setWindowState(rt::WindowState::Maximized);
  if (state.minimised) form.setWindowState(rt::WindowState::Minimized);
}

void writeWindowPlacement(App& app, rt::Form& form, const reg::WindowKeys& keys) {
  const rt::RegistryStore::Batch oneSave(app.registry());
  ensureKey(app, keys.size);
  ensureKey(app, keys.data);
  const bool maximised = form.windowState() == rt::WindowState::Maximized;
  if (maximised) form.setWindowState(rt::WindowState::Normal);
  const bool minimised = form.windowState() == rt::WindowState::Minimized;
  if (minimised) form.setWindowState(rt::WindowState::Normal);
  Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, keys.size, reg::kMaximised, maximised);
  Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, keys.size, reg::kMinimised, minimised);
  Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, keys.size, reg::kLeft, std::int32_t{form.Left()});
  Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, keys.size, reg::kTop, std::int32_t{form.Top()});
}

}  // namespace mirl

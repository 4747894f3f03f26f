#include "support/registry_access.h"

#include "context/app.h"

namespace mirl {

bool Registry_Schluessel_Existiert(App& app, std::uint32_t root, std::string_view subKey) {
  return root == HKEY_CURRENT_USER && app.registry().keyExists(subKey);
}

bool Registry_Wert_Lesen(App& app, std::uint32_t root, std::string_view subKey,
                         std::string_view name, RegistryVariant& value) {
  if (root != HKEY_CURRENT_USER) return false;
  const std::optional<rt::RegValue> stored = app.registry().readValue(subKey, name);
  if (!stored) return false;
  if (stored->type == rt::RegValue::Sz) {
    value = stored->text.substr(0, stored->text.find('\0'));
  } else if (stored->type == rt::RegValue::Dword) {
    value = stored->number;
  }
  return true;
}

bool Registry_Schluessel_Erstellen(App& app, std::uint32_t root, std::string_view subKey,
                                   std::string_view keyClass) {
  if (root != HKEY_CURRENT_USER) return false;
  return app.registry().createKey(subKey, keyClass);
}

bool Registry_Wert_Schreiben(App& app, std::uint32_t root, std::string_view subKey,
                             std::string_view name, const RegistryVariant& value) {
  if (root != HKEY_CURRENT_USER || !app.registry().keyExists(subKey)) return false;
  rt::RegValue stored;
  if (const auto* n16 = std::get_if<std::int16_t>(&value)) {
    stored.type = rt::RegValue::Dword;
    stored.number = *n16;
  } else if (const auto* n32 = std::get_if<std::int32_t>(&value)) {
    stored.type = rt::RegValue::Dword;
    stored.number = *n32;
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    stored.type = rt::RegValue::Sz;
    stored.text = *text;
  } else if (const auto* flag = std::get_if<bool>(&value)) {
    stored.type = rt::RegValue::Sz;
    stored.text = *flag ? "true" : "false";
  } else {
    return true;  // empty or floating point: nothing to write
  }
  return app.registry().writeValue(subKey, name, stored);
}

}  // namespace mirl

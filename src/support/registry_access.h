#pragma once
// Keys and values of the per-user registry store (window placement, last
// file paths). Each operation reports only through its result.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace mirl {
class App;

// The one root the store holds; any other root opens nothing.
inline constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;

// A value handed to or filled by the registry operations. Whole numbers
// (16 and 32 bits) are stored as REG_DWORD, texts as REG_SZ, truth values as
// the REG_SZ text "true" or "false"; an empty value or a floating-point number
// is not stored.
using RegistryVariant =
    std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string, bool>;

// True when the key exists.
bool Registry_Schluessel_Existiert(App& app, std::uint32_t root, std::string_view subKey);

// True when the key and the value exist; a REG_SZ value comes back as text (up
// to its first NUL character), a REG_DWORD as a signed 32-bit number; a
// value of another type leaves `value` unchanged and still gives true.
// False leaves `value` unchanged.
bool Registry_Wert_Lesen(App& app, std::uint32_t root, std::string_view subKey,
                         std::string_view name, RegistryVariant& value);

// Creates the key (and its missing parents) with the class text; true only
// when the key was created by this call.
bool Registry_Schluessel_Erstellen(App& app, std::uint32_t root, std::string_view subKey,
                                   std::string_view keyClass);

// Writes the value into an existing key (a missing key is not created:
// false). True when it was written or there was nothing to write.
bool Registry_Wert_Schreiben(App& app, std::uint32_t root, std::string_view subKey,
                             std::string_view name, const RegistryVariant& value);

}  // namespace mirl

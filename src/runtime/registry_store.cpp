#include "runtime/registry_store.h"

// Placeholder until the store is written.
namespace mirl::rt {
RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) {}
std::filesystem::path RegistryStore::defaultFile() { return {}; }
bool RegistryStore::keyExists(std::string_view) const { return false; }
bool RegistryStore::createKey(std::string_view, std::string_view, bool*) { return false; }
std::optional<std::string> RegistryStore::keyClass(std::string_view) const { return std::nullopt; }
std::optional<RegValue> RegistryStore::readValue(std::string_view, std::string_view) const { return std::nullopt; }
bool RegistryStore::writeValue(std::string_view, std::string_view, const RegValue&) { return false; }
}  // namespace mirl::rt

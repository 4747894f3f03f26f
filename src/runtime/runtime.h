#pragma once
// The services one run of the program has: the host (dialogs and message
// loop), the message loop's pass counter, the registry store and the
// program's folder.
#include <filesystem>

#include "runtime/event_loop.h"
#include "runtime/host.h"
#include "runtime/registry_store.h"

namespace mirl::rt {

struct Runtime {
  Runtime(Host& host, std::filesystem::path registryFile, std::filesystem::path programFolder)
      : loop(host), registry(std::move(registryFile)), programFolder(std::move(programFolder)) {}

  Host& host() const { return loop.host(); }

  EventLoop loop;
  RegistryStore registry;
  std::filesystem::path programFolder;
};

}  // namespace mirl::rt

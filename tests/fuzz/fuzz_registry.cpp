// Registry store files of any content: loading never fails; the first save
// keeps a file that did not read cleanly beside the store, byte for byte;
// what the store writes reads cleanly, and loading and saving it again gives
// the same file (the same keys and values); no other file is left.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_scratch.h"
#include "runtime/registry_store.h"

namespace {

using mirl::fuzz::check;
using mirl::rt::RegistryStore;
using mirl::rt::RegValue;

// One change, so that the store saves; the same in both rounds.
void change(RegistryStore& store) {
  RegValue v;
  v.type = RegValue::Dword;
  v.number = 1;
  check(store.writeValue("", "fuzz", v));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const mirl::fuzz::Scratch folder;
  const std::filesystem::path file = folder.path / "registry";
  mirl::fuzz::spill(file, input);

  RegistryStore first(file);
  const bool clean = first.readCleanly();
  change(first);
  const std::string saved = mirl::fuzz::slurp(file);
  check(first.readCleanly());
  if (clean) {
    check(folder.entries() == 1);
  } else {
    check(mirl::fuzz::slurp(folder.path / "registry.damaged") == input);
    check(folder.entries() == 2);
  }

  RegistryStore second(file);
  check(second.readCleanly());
  change(second);
  check(mirl::fuzz::slurp(file) == saved);
  return 0;
}

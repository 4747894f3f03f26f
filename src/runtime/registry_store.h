#pragma once
// A per-user store of keys and typed values that stands in for the system
// registry: key paths like "Software\Quillfen\MirlFumarix\Size" (names
// compare without regard to case), each key with a class text and values of
// a type number (1 REG_SZ, 4 REG_DWORD, others kept as raw bytes). The store
// is one UTF-8 file; every change is saved at once, atomically, or, inside a
// Batch, with the batch's other changes in one save at its end.
//
// Each save is one read-modify-write under the lock of the store's folder:
// the file is read again and the change made on what it holds, so that two
// running instances keep each other's changes (what this one has read stays
// as it was between its changes). A save that fails says so on standard
// error.
//
// Reading the file never blocks and never runs out of memory: only a regular
// file of at most kMaxFileBytes is read, anything else counts as no store;
// a save that would make the file larger is refused. The file is read as a
// save of it finds it: a link at it that another user owns counts as no
// store, and what it names is never opened. A damaged line is skipped and
// every line that reads is kept; a file that did not read cleanly is kept
// beside the store under a free name ("NAME.damaged", "NAME.damaged-2",
// ...) before the first save replaces it (when it cannot be kept, the save
// goes on without it).
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

#include "runtime/file_io.h"

namespace mirl::rt {

struct RegValue {
  static constexpr std::uint32_t Sz = 1;
  static constexpr std::uint32_t ExpandSz = 2;
  static constexpr std::uint32_t Binary = 3;
  static constexpr std::uint32_t Dword = 4;

  std::uint32_t type = Sz;
  std::string text;            // REG_SZ and REG_EXPAND_SZ (UTF-8)
  std::int32_t number = 0;     // REG_DWORD
  std::vector<std::uint8_t> bytes;  // every other type
};

class RegistryStore {
 public:
  static constexpr std::size_t kMaxFileBytes = kMaxKeptFileBytes;

  // The store file of the user; it is read now and created on the first
  // change, with its folders (see makePrivateFolders).
  explicit RegistryStore(std::filesystem::path file, uid_t user = ::geteuid());

  // Default place: $XDG_CONFIG_HOME/Quillfen/MirlFumarix/registry
  // ($HOME/.config when XDG_CONFIG_HOME is unset).
  static std::filesystem::path defaultFile();

  const std::filesystem::path& file() const { return file_; }
  // False while the file read at the start, not yet saved over, was damaged.
  bool readCleanly() const { return !damaged_; }

  bool keyExists(std::string_view path) const;
  // Creates the key and every missing parent; true only when the key itself
  // did not exist before. False with nothing changed when saving failed.
  bool createKey(std::string_view path, std::string_view keyClass, bool* created = nullptr);
  std::optional<std::string> keyClass(std::string_view path) const;
  std::optional<RegValue> readValue(std::string_view path, std::string_view name) const;
  // The key must exist; false when it does not or saving failed.
  bool writeValue(std::string_view path, std::string_view name, const RegValue& value);

  // While a batch lives, changes are made in memory (reads see them) and
  // kept; its end saves them all in one rewrite, the same file that one save
  // per change gives. Batches nest; the outermost one saves. When that save
  // fails, the store is as it was when the batch began.
  class Batch {
   public:
    explicit Batch(RegistryStore& store);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    RegistryStore& store_;
  };

 private:
  struct Key {
    std::string name;  // as created
    std::string keyClass;
    std::vector<std::pair<std::string, RegValue>> values;
  };
  struct Change {
    enum Kind { CreateKey, WriteValue } kind;
    std::string path;  // normalised
    std::string text;  // the key's class, or the value's name
    RegValue value;
  };
  struct Snapshot {
    std::map<std::string, Key> keys;
    bool damaged;
    std::optional<std::string> damagedBytes;
  };
  static std::string fold(std::string_view s);
  bool change(const Change& c);
  bool apply(const Change& c);
  bool applyCreateKey(const std::string& norm, const std::string& keyClass);
  bool applyWriteValue(const std::string& norm, const std::string& name, const RegValue& value);
  bool rewrite(std::span<const Change> changes);
  Snapshot snapshot() const;
  void restore(Snapshot s);
  bool save();
  void keepDamagedFile();
  void load();
  void parse(std::string_view text);

  std::filesystem::path file_;
  uid_t user_;
  std::map<std::string, Key> keys_;  // by folded path
  bool damaged_ = false;
  // The bytes of a damaged file, when it could be read at all.
  std::optional<std::string> damagedBytes_;
  // Whether the damaged file has been put aside: once, though the saves
  // after it fail, until one succeeds.
  bool damagedKept_ = false;
  int batchDepth_ = 0;
  std::vector<Change> pending_;
  std::optional<Snapshot> batchStart_;
};

}  // namespace mirl::rt

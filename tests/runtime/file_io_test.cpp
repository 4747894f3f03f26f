#include "runtime/file_io.h"

#include "runtime/file_lock.h"

#include <chrono>
#include <tuple>
#include <vector>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "runtime/temp_folder.h"  // tests/runtime

namespace {

using mirl::rttest::readBytes;
using mirl::rttest::TempFolder;
using mirl::rttest::writeBytes;

// The id of a process that has ended.
long endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST(ReplaceFile, TemporaryFilesLeftByKilledWritesAreRemovedByTheNextWrite) {
  TempFolder dir;
  const std::string dead = std::to_string(endedProcess());
  // Name, age in minutes, whether the next write of "f" removes it.
  const std::vector<std::tuple<std::string, int, bool>> files = {
      {".f.tmp-" + dead + "-17", 0, true},     // its process is gone
      {".f.tmp-1-18", 0, false},               // a live process may still write it
      {".f.tmp-1-19", 11, true},               // too old for any write
      {".f.tmp-123456", 11, true},             // older form, old
      {".f.tmp-654321", 0, false},             // older form, fresh
      {".g.tmp-" + dead + "-17", 11, false},   // another file's
      {".f.tmp-x", 11, false},                 // not ours
  };
  writeBytes(dir / "f", "old");
  for (const auto& [name, minutes, removed] : files) {
    writeBytes(dir / name, "half");
    std::filesystem::last_write_time(
        dir / name, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutes));
  }
  std::filesystem::create_directory(dir / (".f.tmp-" + dead + "-20"));  // a folder is never ours

  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "f", "new"));
  EXPECT_EQ(readBytes(dir / "f"), "new");
  for (const auto& [name, minutes, removed] : files) {
    EXPECT_EQ(std::filesystem::exists(dir / name), !removed) << name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / (".f.tmp-" + dead + "-20")));
}

TEST(FolderLock, IsHeldByOneAtATimeAndAWaiterGivesUpAfterItsTime) {
  TempFolder dir;
  using std::chrono::milliseconds;
  {
    const mirl::rt::FolderLock first(dir.path());
    EXPECT_TRUE(first.held());
    const auto start = std::chrono::steady_clock::now();
    const mirl::rt::FolderLock second(dir.path(), milliseconds(60));
    EXPECT_FALSE(second.held());
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(60));
  }
  EXPECT_TRUE(mirl::rt::FolderLock(dir.path(), milliseconds(0)).held());  // released with its owner
  EXPECT_FALSE(mirl::rt::FolderLock(dir / "missing").held());
}

}  // namespace

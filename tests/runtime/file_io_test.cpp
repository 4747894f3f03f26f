#include "runtime/file_io.h"

#include "runtime/file_lock.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <sys/stat.h>
#include <thread>
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

TEST(ReplaceFile, TemporaryFilesLeftByKilledWritesAreRemovedByTheNextWriteAndAtStartUp) {
  TempFolder dir;
  const std::string dead = std::to_string(endedProcess());
  // Name, age in minutes, whether the next write of "f" removes it, whether
  // the start-up's sweep of the folder does.
  const std::vector<std::tuple<std::string, int, bool, bool>> files = {
      {".f.tmp-" + dead + "-17", 0, true, true},     // its process is gone
      {".f.tmp-1-18", 0, false, false},              // a live process may still write it
      {".f.tmp-1-19", 11, true, true},               // too old for any write
      {".f.tmp-123456", 11, true, true},             // older form, old
      {".f.tmp-654321", 0, false, false},            // older form, fresh
      {".g.tmp-" + dead + "-17", 11, false, true},   // another file's
      {".g.tmp-1.tmp-" + dead + "-3", 0, false, true},  // of "g.tmp-1"
      {".f.tmp-x", 11, false, false},                // not ours
      {"f.tmp-" + dead + "-17", 11, false, false},   // not ours: no dot in front
      {"..tmp-" + dead + "-17", 11, false, false},   // not ours: no name
  };
  writeBytes(dir / "f", "old");
  for (const auto& [name, minutes, byWrite, bySweep] : files) {
    writeBytes(dir / name, "half");
    std::filesystem::last_write_time(
        dir / name, std::filesystem::file_time_type::clock::now() - std::chrono::minutes(minutes));
  }
  std::filesystem::create_directory(dir / (".f.tmp-" + dead + "-20"));  // a folder is never ours

  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "f", "new"));
  EXPECT_EQ(readBytes(dir / "f"), "new");
  for (const auto& [name, minutes, byWrite, bySweep] : files) {
    EXPECT_EQ(std::filesystem::exists(dir / name), !byWrite) << name;
  }
  mirl::rt::removeStaleTemporaryFiles(dir.path());
  for (const auto& [name, minutes, byWrite, bySweep] : files) {
    EXPECT_EQ(std::filesystem::exists(dir / name), !bySweep) << name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / (".f.tmp-" + dead + "-20")));
  EXPECT_EQ(readBytes(dir / "f"), "new");
}

TEST(ReplaceFile, ALinkIsFollowedOnlyWhenTheUserOwnsItAnotherIsReplacedUnread) {
  TempFolder dir;
  const uid_t me = ::geteuid();
  const uid_t other = me + 1;
  const auto link = dir / "session.ini";
  writeBytes(dir / "victim", "secret");
  std::filesystem::create_symlink(dir / "victim", link);

  // Another's link: the save replaces it and never reads or writes the file
  // it names.
  std::string seen = "unset";
  ASSERT_TRUE(mirl::rt::updateFile(link, mirl::rt::kNoSizeLimit,
                                   [&](std::string& content) {
                                     seen = content;
                                     content += "[S]";
                                   },
                                   other));
  EXPECT_EQ(seen, "");
  EXPECT_FALSE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readBytes(link), "[S]");
  EXPECT_EQ(readBytes(dir / "victim"), "secret");
  std::filesystem::remove(link);
  std::filesystem::create_symlink("nowhere", link);  // a dangling one too
  EXPECT_TRUE(mirl::rt::replaceFileAtomically(link, "x", other));
  EXPECT_EQ(readBytes(link), "x");

  // The user's own links, also relative ones and chains, lead to the file.
  std::filesystem::remove(link);
  std::filesystem::create_symlink("victim", dir / "hop");
  std::filesystem::create_symlink("hop", link);
  EXPECT_EQ(mirl::rt::saveTarget(link, me), dir / "victim");
  ASSERT_TRUE(mirl::rt::updateFile(link, mirl::rt::kNoSizeLimit, [](std::string& c) { c += "!"; }, me));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(readBytes(dir / "victim"), "secret!");
  EXPECT_EQ(mirl::rt::saveTarget(link, other), link);
  EXPECT_EQ(mirl::rt::saveTarget(dir / "new", me), dir / "new");
  std::filesystem::create_symlink("nowhere", dir / "dangling");
  EXPECT_FALSE(mirl::rt::saveTarget(dir / "dangling", me));
  EXPECT_FALSE(mirl::rt::replaceFileAtomically(dir / "dangling", "x", me));
  std::filesystem::create_symlink("loop", dir / "loop");
  EXPECT_FALSE(mirl::rt::saveTarget(dir / "loop", me));
}

TEST(ReplaceFile, TheNewContentIsNeverReadableByMoreThanTheFileItReplaces) {
  TempFolder dir;
  const auto file = dir / "private.ini";
  writeBytes(file, "old");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const mode_t umaskBefore = ::umask(0);
  // A watcher looks at the temporary file while the save fills it.
  std::atomic<bool> done{false};
  std::atomic<int> seen{0};
  std::atomic<int> wider{0};
  std::thread watcher([&] {
    while (!done) {
      for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        struct stat st {};
        if (e.path().filename().string().rfind(".private.ini.tmp-", 0) != 0 ||
            ::stat(e.path().c_str(), &st) != 0)
          continue;
        ++seen;
        if ((st.st_mode & 0777) != 0600) ++wider;
      }
    }
  });
  const std::string content(16 << 20, 'x');
  EXPECT_TRUE(mirl::rt::replaceFileAtomically(file, content));
  done = true;
  watcher.join();
  EXPECT_EQ(wider, 0) << seen << " looks";
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  // A new file gets what the umask gives.
  ::umask(027);
  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "new.ini", "x"));
  EXPECT_EQ(std::filesystem::status(dir / "new.ini").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  ::umask(umaskBefore);
}

TEST(UpdateFile, TwoProcessesUpdatingOneFileKeepEachOthersChanges) {
  TempFolder dir;
  const auto file = dir / "shared.ini";
  constexpr int kEach = 40;
  EXPECT_TRUE(mirl::rttest::inTwoProcesses([&](const std::string& who) {
    for (int i = 0; i < kEach; ++i) {
      if (!mirl::rt::updateFile(file, mirl::rt::kNoSizeLimit, [&](std::string& c) { c += who[0]; }, ::geteuid()))
        return false;
    }
    return true;
  }));
  const std::string content = readBytes(file);
  EXPECT_EQ(std::count(content.begin(), content.end(), 'c'), kEach);
  EXPECT_EQ(std::count(content.begin(), content.end(), 'p'), kEach);

  // A file that is there but cannot be read is left alone.
  writeBytes(file, std::string(11, 'x'));
  EXPECT_FALSE(mirl::rt::updateFile(file, 10, [](std::string& c) { c = "lost"; }, ::geteuid()));
  EXPECT_EQ(readBytes(file), std::string(11, 'x'));
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

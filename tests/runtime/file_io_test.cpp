#include "runtime/file_io.h"

#include "runtime/file_lock.h"

#include <algorithm>
#include <chrono>
#include <sys/stat.h>
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

void age(const std::filesystem::path& file, std::chrono::seconds by) {
  std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - by);
}

TEST(ReplaceFile, TemporaryFilesLeftByKilledWritesAreRemovedByTheNextWriteAndAtStartUp) {
  using std::chrono::minutes;
  using std::chrono::seconds;
  TempFolder dir;
  const uid_t me = ::geteuid();
  const uid_t other = me + 1;
  const std::string dead = std::to_string(endedProcess());
  // Name, age, whether the next write of "f" removes it, whether the
  // start-up's sweep of the folder does.
  const std::vector<std::tuple<std::string, seconds, bool, bool>> files = {
      {".f.tmp-" + dead + "-17", minutes(2), true, true},    // its process is gone
      {".f.tmp-" + dead + "-16", seconds(30), false, false},  // may be a live one's of another PID namespace
      {".f.tmp-1-18", minutes(2), false, false},             // a live process may still write it
      {".f.tmp-1-19", minutes(11), false, false},            // old, but its process lives
      {".f.tmp-123456", minutes(2), true, true},             // older form, names no process
      {".f.tmp-654321", seconds(30), false, false},          // older form, fresh
      {".g.tmp-" + dead + "-17", minutes(2), false, true},   // another file's
      {".g.tmp-1.tmp-" + dead + "-3", minutes(2), false, true},  // of "g.tmp-1"
      {".f.tmp-x", minutes(11), false, false},               // not ours
      {"f.tmp-" + dead + "-17", minutes(11), false, false},  // not ours: no dot in front
      {"..tmp-" + dead + "-17", minutes(11), false, false},  // not ours: no name
      {std::string(mirl::rt::FolderLock::kFileName), minutes(11), false, false},
  };
  writeBytes(dir / "f", "old");
  for (const auto& [name, old, byWrite, bySweep] : files) {
    writeBytes(dir / name, "half");
    age(dir / name, old);
  }
  // Only regular files: never a folder, nor a link (nor what it names).
  std::filesystem::create_directory(dir / (".f.tmp-" + dead + "-20"));
  std::filesystem::create_symlink("f", dir / (".f.tmp-" + dead + "-21"));
  // Another user's files are never removed.
  mirl::rt::removeStaleTemporaryFiles(dir.path(), other);
  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "f", "", other));
  for (const auto& [name, old, byWrite, bySweep] : files) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;

  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "f", "new"));
  EXPECT_EQ(readBytes(dir / "f"), "new");
  for (const auto& [name, old, byWrite, bySweep] : files) {
    EXPECT_EQ(std::filesystem::exists(dir / name), !byWrite) << name;
  }
  mirl::rt::removeStaleTemporaryFiles(dir.path());
  for (const auto& [name, old, byWrite, bySweep] : files) {
    EXPECT_EQ(std::filesystem::exists(dir / name), !bySweep) << name;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir / (".f.tmp-" + dead + "-20")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / (".f.tmp-" + dead + "-21")));
  EXPECT_EQ(readBytes(dir / "f"), "new");

  // A folder reached through a link is entered only when the user owns the
  // link.
  std::filesystem::create_directory(dir / "elsewhere");
  const std::string stale = ".f.tmp-" + dead + "-1";
  writeBytes(dir / "elsewhere" / stale, "half");
  age(dir / "elsewhere" / stale, minutes(11));
  std::filesystem::create_symlink("elsewhere", dir / "Kochbuch");
  mirl::rt::removeStaleTemporaryFiles(dir / "Kochbuch", other);
  EXPECT_TRUE(std::filesystem::exists(dir / "elsewhere" / stale));
  mirl::rt::removeStaleTemporaryFiles(dir / "Kochbuch", me);
  EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere" / stale));
}

TEST(ReplaceFile, ALinkIsFollowedOnlyWhenTheUserOwnsItAnotherIsReplacedUnread) {
  TempFolder dir;
  const uid_t me = ::geteuid();
  const uid_t other = me + 1;
  const auto link = dir / "session.ini";
  writeBytes(dir / "victim", "secret");
  std::filesystem::create_symlink(dir / "victim", link);

  // Read as a save finds it: another's link is no file, and what it names
  // is never opened; the user's own link is followed.
  EXPECT_EQ(mirl::rt::readSaveTarget(link, mirl::rt::kNoSizeLimit, other).result, mirl::rt::FileRead::Missing);
  EXPECT_EQ(mirl::rt::readSaveTarget(link, mirl::rt::kNoSizeLimit, other).bytes, "");
  EXPECT_EQ(mirl::rt::readSaveTarget(link, mirl::rt::kNoSizeLimit, me).bytes, "secret");

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
  EXPECT_EQ(mirl::rt::readSaveTarget(dir / "dangling", 1, me).result, mirl::rt::FileRead::NoFile);
  EXPECT_FALSE(mirl::rt::replaceFileAtomically(dir / "dangling", "x", me));
  std::filesystem::create_symlink("loop", dir / "loop");
  EXPECT_FALSE(mirl::rt::saveTarget(dir / "loop", me));
}

// What the folder shows of a save's temporary file right after it is made.
struct Look {
  int seen = 0;
  mode_t mode = 0;
  ino_t inode = 0;
};

TEST(ReplaceFile, TheNewContentIsNeverReadableByMoreThanTheFileItReplaces) {
  TempFolder dir;
  const auto watch = [&dir](Look& look) {
    return [&dir, &look](const std::filesystem::path& temporary, int fd) {
      for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        struct stat st {};
        if (e.path() != temporary || ::lstat(e.path().c_str(), &st) != 0) continue;
        ++look.seen;
        look.mode = st.st_mode & 07777;
        look.inode = st.st_ino;
      }
      struct stat st {};
      EXPECT_EQ(::fstat(fd, &st), 0);
      EXPECT_EQ(st.st_ino, look.inode);
    };
  };
  const auto inode = [](const std::filesystem::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_ino : 0;
  };
  const auto file = dir / "private.ini";
  writeBytes(file, "old");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const mode_t umaskBefore = ::umask(0);
  // The file is made with the mode of the one it replaces, and it is the
  // file that then stands at the name.
  Look replacing;
  EXPECT_TRUE(mirl::rt::replaceFileAtomically(file, "new", ::geteuid(), watch(replacing)));
  EXPECT_EQ(replacing.seen, 1);
  EXPECT_EQ(replacing.mode, 0600u);
  EXPECT_EQ(inode(file), replacing.inode);
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  // A new file is made with what the umask gives.
  ::umask(027);
  Look fresh;
  ASSERT_TRUE(mirl::rt::replaceFileAtomically(dir / "new.ini", "x", ::geteuid(), watch(fresh)));
  EXPECT_EQ(fresh.seen, 1);
  EXPECT_EQ(fresh.mode, 0640u);
  EXPECT_EQ(inode(dir / "new.ini"), fresh.inode);
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

  // A file that is there but cannot be read is left alone, and so is one
  // that the change would make larger than the next read takes.
  writeBytes(file, std::string(11, 'x'));
  EXPECT_FALSE(mirl::rt::updateFile(file, 10, [](std::string& c) { c = "lost"; }, ::geteuid()));
  EXPECT_EQ(readBytes(file), std::string(11, 'x'));
  writeBytes(file, std::string(9, 'x'));
  EXPECT_FALSE(mirl::rt::updateFile(file, 10, [](std::string& c) { c += "yy"; }, ::geteuid()));
  EXPECT_EQ(readBytes(file), std::string(9, 'x'));
  EXPECT_TRUE(mirl::rt::updateFile(file, 10, [](std::string& c) { c += "y"; }, ::geteuid()));
  EXPECT_EQ(readBytes(file), std::string(9, 'x') + "y");
}

TEST(FolderLock, IsHeldByOneAtATimeOnTheUsersOwnLockFileAndWhoGoesOnWithoutItSaysSo) {
  TempFolder dir;
  using std::chrono::milliseconds;
  using mirl::rt::FolderLock;
  const auto lockFile = dir / std::string(FolderLock::kFileName);
  {
    const FolderLock first(dir.path());
    EXPECT_TRUE(first.held());
    EXPECT_EQ(std::filesystem::status(lockFile).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    const FolderLock second(dir.path(), milliseconds(60));
    EXPECT_FALSE(second.held());
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(60));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("saving without the lock " + lockFile.string() +
                                                           ": another save has held it for 60 ms"),
              std::string::npos);
  }
  EXPECT_TRUE(FolderLock(dir.path(), milliseconds(0)).held());  // released with its owner

  // Another user's lock file, and a link at its name, are not used, so
  // that no one else can hold up the saves.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(FolderLock(dir.path(), milliseconds(0), ::geteuid() + 1).held());
  std::filesystem::remove(lockFile);
  std::filesystem::create_symlink("elsewhere", lockFile);
  EXPECT_FALSE(FolderLock(dir.path()).held());
  EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere"));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("it is not a file of this user"), std::string::npos) << said;
  EXPECT_NE(said.find("it is a link"), std::string::npos) << said;

  // No folder: nothing to lock, and nothing to say.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(FolderLock(dir / "missing").held());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace

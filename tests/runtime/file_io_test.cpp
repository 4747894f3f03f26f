#include "runtime/file_io.h"

#include "runtime/file_extension.h"
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

namespace fs = std::filesystem;
namespace rt = mirl::rt;
using mirl::rttest::readBytes;
using mirl::rttest::TempFolder;
using mirl::rttest::writeBytes;
using std::chrono::minutes;
using std::chrono::seconds;

const uid_t kMe = ::geteuid();
const uid_t kOther = kMe + 1;
constexpr fs::perms kOwnerRw = fs::perms::owner_read | fs::perms::owner_write;

// The id of a process that has ended.
long endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

void age(const fs::path& file, seconds by) { fs::last_write_time(file, fs::file_time_type::clock::now() - by); }

TEST(ReplaceFile, TemporaryFilesLeftByKilledWritesAreRemovedByTheNextWriteAndAtStartUp) {
  TempFolder dir;
  const std::string dead = std::to_string(endedProcess());
  // Name, age, and what removes it: 0 nothing, 1 the next write of "f" (and
  // the sweep), 2 the start-up's sweep of the folder.
  const std::vector<std::tuple<std::string, seconds, int>> files = {
      {".f.tmp-" + dead + "-17", minutes(2), 1},           // its process is gone
      {".f.tmp-" + dead + "-16", seconds(30), 0},          // may be a live one's of another PID namespace
      {".f.tmp-1-18", minutes(2), 0},                      // a live process may still write it
      {".f.tmp-1-19", minutes(11), 0},                     // old, but its process lives
      {".f.tmp-123456", minutes(2), 1},                    // older form, names no process
      {".f.tmp-654321", seconds(30), 0},                   // older form, fresh
      {".g.tmp-" + dead + "-17", minutes(2), 2},           // another file's
      {".g.tmp-1.tmp-" + dead + "-3", minutes(2), 2},      // of "g.tmp-1"
      {".f.tmp-x", minutes(11), 0},                        // not ours
      {"f.tmp-" + dead + "-17", minutes(11), 0},           // not ours: no dot in front
      {"..tmp-" + dead + "-17", minutes(11), 0},           // not ours: no name
      {std::string(rt::FolderLock::kFileName), minutes(11), 0},
  };
  // Each file is there until the step that removes it has run.
  const auto expectAfter = [&](int step) {
    for (const auto& [name, old, removedBy] : files) {
      EXPECT_EQ(fs::exists(dir / name), removedBy == 0 || removedBy > step) << name << " after step " << step;
    }
  };
  writeBytes(dir / "f", "old");
  for (const auto& [name, old, removedBy] : files) {
    writeBytes(dir / name, "half");
    age(dir / name, old);
  }
  // Only regular files: never a folder, nor a link (nor what it names).
  fs::create_directory(dir / (".f.tmp-" + dead + "-20"));
  fs::create_symlink("f", dir / (".f.tmp-" + dead + "-21"));
  // Another user's files are never removed.
  rt::removeStaleTemporaryFiles(dir.path(), kOther);
  ASSERT_TRUE(rt::replaceFileAtomically(dir / "f", "", kOther));
  expectAfter(0);

  ASSERT_TRUE(rt::replaceFileAtomically(dir / "f", "new"));
  EXPECT_EQ(readBytes(dir / "f"), "new");
  expectAfter(1);
  rt::removeStaleTemporaryFiles(dir.path());
  expectAfter(2);
  EXPECT_TRUE(fs::is_directory(dir / (".f.tmp-" + dead + "-20")));
  EXPECT_TRUE(fs::is_symlink(dir / (".f.tmp-" + dead + "-21")));
  EXPECT_EQ(readBytes(dir / "f"), "new");

  // A folder reached through a link is entered only when the user owns the
  // link.
  fs::create_directory(dir / "elsewhere");
  const fs::path stale = dir / "elsewhere" / (".f.tmp-" + dead + "-1");
  writeBytes(stale, "half");
  age(stale, minutes(11));
  fs::create_symlink("elsewhere", dir / "Kochbuch");
  rt::removeStaleTemporaryFiles(dir / "Kochbuch", kOther);
  EXPECT_TRUE(fs::exists(stale));
  rt::removeStaleTemporaryFiles(dir / "Kochbuch", kMe);
  EXPECT_FALSE(fs::exists(stale));
}

// An extension is 1 to 10 letters or digits after the last dot, beginning
// with a letter; a name without one gets the default.
TEST(FileExtension, IsAddedToANameWithoutOneOfItsOwn) {
  const std::pair<std::string, std::string> saved[] = {
      {"/t/Beeren.txt", "/t/Beeren.txt"},     {"/t/Mix.v2", "/t/Mix.v2"},
      {"/t/Dr. Pepper", "/t/Dr. Pepper.ini"}, {"/t/Erdbeer 6.5mg", "/t/Erdbeer 6.5mg.ini"},
      {"/t/Mix 1.0", "/t/Mix 1.0.ini"},       {"/t/Ende.", "/t/Ende..ini"},
      {"/t/Rezept.Sommerfrisch", "/t/Rezept.Sommerfrisch.ini"},  // 11 letters
      {"/t/Rezept.Sommerfris", "/t/Rezept.Sommerfris"},
      {"/t.d/Beeren", "/t.d/Beeren.ini"},     {"", ""},
  };
  for (const auto& [path, as] : saved) EXPECT_EQ(rt::withDefaultExtension(path, "ini"), as) << path;
}

TEST(ReplaceFile, ALinkIsFollowedOnlyWhenTheUserOwnsItAnotherIsReplacedUnread) {
  TempFolder dir;
  const auto link = dir / "session.ini";
  writeBytes(dir / "victim", "secret");
  fs::create_symlink(dir / "victim", link);

  // Read as a save finds it: another's link is no file, and what it names
  // is never opened; the user's own link is followed.
  const rt::FileRead theirs = rt::readSaveTarget(link, rt::kNoSizeLimit, kOther);
  EXPECT_EQ(theirs.result, rt::FileRead::Missing);
  EXPECT_EQ(theirs.bytes, "");
  EXPECT_EQ(rt::readSaveTarget(link, rt::kNoSizeLimit, kMe).bytes, "secret");

  // Another's link: the save replaces it and never reads or writes the file
  // it names.
  std::string seen = "unset";
  const auto append = [&seen](std::string& content) {
    seen = content;
    content += "[S]";
  };
  ASSERT_TRUE(rt::updateFile(link, rt::kNoSizeLimit, append, kOther));
  EXPECT_EQ(seen, "");
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(link), "[S]");
  EXPECT_EQ(readBytes(dir / "victim"), "secret");
  fs::remove(link);
  fs::create_symlink("nowhere", link);  // a dangling one too
  EXPECT_TRUE(rt::replaceFileAtomically(link, "x", kOther));
  EXPECT_EQ(readBytes(link), "x");

  // The user's own links, also relative ones and chains, lead to the file.
  fs::remove(link);
  fs::create_symlink("victim", dir / "hop");
  fs::create_symlink("hop", link);
  EXPECT_EQ(rt::saveTarget(link, kMe), dir / "victim");
  ASSERT_TRUE(rt::updateFile(link, rt::kNoSizeLimit, [](std::string& c) { c += "!"; }, kMe));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(dir / "victim"), "secret!");
  EXPECT_EQ(rt::saveTarget(link, kOther), link);
  EXPECT_EQ(rt::saveTarget(dir / "new", kMe), dir / "new");
  fs::create_symlink("nowhere", dir / "dangling");
  EXPECT_FALSE(rt::saveTarget(dir / "dangling", kMe));
  EXPECT_EQ(rt::readSaveTarget(dir / "dangling", 1, kMe).result, rt::FileRead::NoFile);
  EXPECT_FALSE(rt::replaceFileAtomically(dir / "dangling", "x", kMe));
  fs::create_symlink("loop", dir / "loop");
  EXPECT_FALSE(rt::saveTarget(dir / "loop", kMe));
}

// Saves the file and checks what the folder showed of the temporary file
// right after it was made: one file, of the mode given, which is the file
// that then stands at the name, with the permissions given.
void expectSaveMakes(const TempFolder& dir, const fs::path& file, mode_t mode, fs::perms perms) {
  int seen = 0;
  mode_t madeMode = 0;
  ino_t madeInode = 0;
  const auto watch = [&](const fs::path& temporary, int fd) {
    struct stat st {};
    for (const auto& e : fs::directory_iterator(dir.path())) {
      if (e.path() != temporary || ::lstat(e.path().c_str(), &st) != 0) continue;
      ++seen;
      madeMode = st.st_mode & 07777;
      madeInode = st.st_ino;
    }
    EXPECT_EQ(::fstat(fd, &st), 0);
    EXPECT_EQ(st.st_ino, madeInode);
  };
  EXPECT_TRUE(rt::replaceFileAtomically(file, "new", kMe, watch));
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(madeMode, mode);
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st) == 0 ? st.st_ino : 0, madeInode);
  EXPECT_EQ(fs::status(file).permissions(), perms);
}

TEST(ReplaceFile, TheNewContentIsNeverReadableByMoreThanTheFileItReplaces) {
  TempFolder dir;
  writeBytes(dir / "private.ini", "old");
  fs::permissions(dir / "private.ini", kOwnerRw);
  const mode_t umaskBefore = ::umask(0);
  // Made with the mode of the file it replaces; a new file with what the
  // umask gives.
  expectSaveMakes(dir, dir / "private.ini", 0600u, kOwnerRw);
  ::umask(027);
  expectSaveMakes(dir, dir / "new.ini", 0640u, kOwnerRw | fs::perms::group_read);
  ::umask(umaskBefore);
}

TEST(UpdateFile, TwoProcessesUpdatingOneFileKeepEachOthersChanges) {
  TempFolder dir;
  const auto file = dir / "shared.ini";
  constexpr int kEach = 40;
  EXPECT_TRUE(mirl::rttest::inTwoProcesses([&](const std::string& who) {
    const auto add = [&who](std::string& c) { c += who[0]; };
    bool ok = true;
    for (int i = 0; i < kEach && ok; ++i) ok = rt::updateFile(file, rt::kNoSizeLimit, add, kMe);
    return ok;
  }));
  const std::string content = readBytes(file);
  EXPECT_EQ(std::count(content.begin(), content.end(), 'c'), kEach);
  EXPECT_EQ(std::count(content.begin(), content.end(), 'p'), kEach);

  // A file that is there but cannot be read is left alone, and so is one
  // that the change would make larger than the next read takes.
  writeBytes(file, std::string(11, 'x'));
  EXPECT_FALSE(rt::updateFile(file, 10, [](std::string& c) { c = "lost"; }, kMe));
  EXPECT_EQ(readBytes(file), std::string(11, 'x'));
  writeBytes(file, std::string(9, 'x'));
  EXPECT_FALSE(rt::updateFile(file, 10, [](std::string& c) { c += "yy"; }, kMe));
  EXPECT_EQ(readBytes(file), std::string(9, 'x'));
  EXPECT_TRUE(rt::updateFile(file, 10, [](std::string& c) { c += "y"; }, kMe));
  EXPECT_EQ(readBytes(file), std::string(9, 'x') + "y");
}

TEST(FolderLock, IsHeldByOneAtATimeOnTheUsersOwnLockFileAndWhoGoesOnWithoutItSaysSo) {
  TempFolder dir;
  using std::chrono::milliseconds;
  using rt::FolderLock;
  const auto lockFile = dir / std::string(FolderLock::kFileName);
  {
    const FolderLock first(dir.path());
    EXPECT_TRUE(first.held());
    EXPECT_EQ(fs::status(lockFile).permissions(), kOwnerRw);
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
  EXPECT_FALSE(FolderLock(dir.path(), milliseconds(0), kOther).held());
  fs::remove(lockFile);
  fs::create_symlink("elsewhere", lockFile);
  EXPECT_FALSE(FolderLock(dir.path()).held());
  EXPECT_FALSE(fs::exists(dir / "elsewhere"));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("it is not a file of this user"), std::string::npos) << said;
  EXPECT_NE(said.find("it is a link"), std::string::npos) << said;

  // No folder: nothing to lock, and nothing to say.
  testing::internal::CaptureStderr();
  EXPECT_FALSE(FolderLock(dir / "missing").held());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace

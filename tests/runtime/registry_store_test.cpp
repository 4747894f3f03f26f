#include "runtime/registry_store.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "runtime/temp_folder.h"  // tests/runtime

using mirl::rt::RegistryStore;
using mirl::rt::RegValue;
using mirl::rttest::readBytes;
using mirl::rttest::TempFolder;
using mirl::rttest::writeBytes;

namespace {

constexpr const char* kSize = "Software\\Quillfen\\MirlFumarix\\Size";

RegValue sz(std::string text, std::uint32_t type = RegValue::Sz) {
  RegValue v;
  v.type = type;
  v.text = std::move(text);
  return v;
}

RegValue dword(std::int32_t n) {
  RegValue v;
  v.type = RegValue::Dword;
  v.number = n;
  return v;
}

RegValue raw(std::uint32_t type, std::vector<std::uint8_t> bytes) {
  RegValue v;
  v.type = type;
  v.bytes = std::move(bytes);
  return v;
}

class Registry : public ::testing::Test {
 protected:
  TempFolder dir;
  std::filesystem::path file = dir / "cfg" / "Quillfen" / "registry";
  std::filesystem::path kept = dir / "cfg" / "Quillfen" / "registry.damaged";
};

TEST_F(Registry, MissingFileIsAnEmptyStoreAndIsNotCreatedByReading) {
  RegistryStore store(file);
  EXPECT_FALSE(store.keyExists("Software"));
  EXPECT_FALSE(store.readValue("Software", "x").has_value());
  EXPECT_FALSE(store.keyClass("Software").has_value());
  EXPECT_TRUE(store.keyExists(""));  // the root itself
  EXPECT_FALSE(std::filesystem::exists(dir / "cfg"));
}

TEST_F(Registry, CreatingAKeyCreatesItsParentsOnceAndSavesAtOnce) {
  RegistryStore store(file);
  bool created = false;
  EXPECT_TRUE(store.createKey(kSize, "Anwendungsdaten", &created));
  EXPECT_TRUE(created);
  EXPECT_TRUE(std::filesystem::exists(file));  // the folders are made as needed, for the user alone
  for (const auto& folder : {dir / "cfg", file.parent_path()}) {
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all) << folder;
  }
  for (const char* k : {"Software", "Software\\Quillfen", "Software\\Quillfen\\MirlFumarix", kSize}) {
    EXPECT_TRUE(store.keyExists(k)) << k;
    EXPECT_EQ(store.keyClass(k), "Anwendungsdaten") << k;
  }
  EXPECT_FALSE(store.createKey(kSize, "Other", &created));
  EXPECT_FALSE(created);
  EXPECT_EQ(store.keyClass(kSize), "Anwendungsdaten");
  EXPECT_TRUE(store.createKey("Software\\Quillfen\\MirlFumarix\\Data", "Anwendungsdaten"));

  RegistryStore again(file);
  EXPECT_TRUE(again.keyExists("software\\QUILLFEN\\mirlfumarix\\data"));
  EXPECT_EQ(again.keyClass(kSize), "Anwendungsdaten");
}

TEST_F(Registry, ValuesNeedTheirKey) {
  RegistryStore store(file);
  EXPECT_FALSE(store.writeValue(kSize, "Left", dword(5)));
  EXPECT_FALSE(store.keyExists(kSize));
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(Registry, ValuesOfEveryTypeSurviveARestart) {
  const std::string awkward = "C:\\Pfad mit \"Anführung\" 100% \t\r\nneue Zeile € 漢";
  {
    RegistryStore store(file);
    ASSERT_TRUE(store.createKey(kSize, "Anwendungsdaten"));
    ASSERT_TRUE(store.writeValue(kSize, "Left", dword(-2147483647 - 1)));
    ASSERT_TRUE(store.writeValue(kSize, "Top", dword(2147483647)));
    ASSERT_TRUE(store.writeValue(kSize, "Maximiert", sz("true")));
    ASSERT_TRUE(store.writeValue(kSize, "Pfad", sz(awkward)));
    ASSERT_TRUE(store.writeValue(kSize, "Leer", sz("")));
    ASSERT_TRUE(store.writeValue(kSize, "Nul", sz(std::string("a\0b", 3))));
    ASSERT_TRUE(store.writeValue(kSize, "Expand", sz("%HOME%\\x", RegValue::ExpandSz)));
    ASSERT_TRUE(store.writeValue(kSize, "Bin", raw(RegValue::Binary, {0, 0xFF, 0x10})));
    ASSERT_TRUE(store.writeValue(kSize, "Multi", raw(7, {})));
    ASSERT_TRUE(store.writeValue(kSize, "", sz("default value")));
  }
  RegistryStore store(file);
  EXPECT_EQ(store.readValue(kSize, "left")->number, -2147483647 - 1);
  EXPECT_EQ(store.readValue(kSize, "Top")->type, RegValue::Dword);
  EXPECT_EQ(store.readValue(kSize, "TOP")->number, 2147483647);
  EXPECT_EQ(store.readValue(kSize, "Maximiert")->text, "true");
  EXPECT_EQ(store.readValue(kSize, "Pfad")->text, awkward);
  EXPECT_EQ(store.readValue(kSize, "Leer")->text, "");
  EXPECT_EQ(store.readValue(kSize, "Nul")->text, std::string("a\0b", 3));
  EXPECT_EQ(store.readValue(kSize, "Expand")->type, RegValue::ExpandSz);
  EXPECT_EQ(store.readValue(kSize, "Expand")->text, "%HOME%\\x");
  EXPECT_EQ(store.readValue(kSize, "Bin")->bytes, (std::vector<std::uint8_t>{0, 0xFF, 0x10}));
  EXPECT_EQ(store.readValue(kSize, "Multi")->type, 7u);
  EXPECT_TRUE(store.readValue(kSize, "Multi")->bytes.empty());
  EXPECT_EQ(store.readValue(kSize, "")->text, "default value");
  // The file is readable text, one line per value.
  const std::string text = readBytes(file);
  EXPECT_NE(text.find("value \"Maximiert\" sz \"true\"\n"), std::string::npos);
  EXPECT_NE(text.find("value \"Left\" dword -2147483648\n"), std::string::npos);
}

TEST_F(Registry, NamesCompareWithoutRegardToCase) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey("Software\\Äpfel", "c"));
  EXPECT_TRUE(store.keyExists("SOFTWARE\\äPFEL"));
  EXPECT_FALSE(store.createKey("software\\ÄPFEL", "c"));
  ASSERT_TRUE(store.writeValue("Software\\Äpfel", "ImportFilePath", sz("/a")));
  ASSERT_TRUE(store.writeValue("software\\äpfel", "IMPORTFILEPATH", sz("/b")));
  EXPECT_EQ(store.readValue("Software\\Äpfel", "importfilepath")->text, "/b");
  EXPECT_NE(readBytes(file).find("\"ImportFilePath\""), std::string::npos);  // first spelling kept
  EXPECT_EQ(readBytes(file).find("IMPORTFILEPATH"), std::string::npos);
}

TEST_F(Registry, ReplacingAValueMayChangeItsType) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey("K", "c"));
  ASSERT_TRUE(store.writeValue("K", "v", sz("text")));
  ASSERT_TRUE(store.writeValue("K", "v", dword(3)));
  const auto v = store.readValue("K", "v");
  EXPECT_EQ(v->type, RegValue::Dword);
  EXPECT_EQ(v->number, 3);
  EXPECT_EQ(v->text, "");
}

TEST_F(Registry, FailedSaveChangesNothingAndSaysSo) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey(kSize, "c"));
  ASSERT_TRUE(store.writeValue(kSize, "Left", dword(1)));
  // A file the next start could not read is not saved (each "%" is
  // written as three characters).
  testing::internal::CaptureStderr();
  EXPECT_FALSE(store.writeValue(kSize, "Left", sz(std::string(RegistryStore::kMaxFileBytes / 3 + 1, '%'))));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "mirlfumarix: the settings could not be saved to " + file.string() + "\n");
  EXPECT_EQ(RegistryStore(file).readValue(kSize, "Left")->number, 1);
  testing::internal::CaptureStderr();
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(store.writeValue(kSize, "Left", dword(2)));
  EXPECT_FALSE(store.writeValue(kSize, "Top", dword(2)));
  EXPECT_EQ(store.readValue(kSize, "Left")->number, 1);
  EXPECT_FALSE(store.readValue(kSize, "Top").has_value());
  EXPECT_FALSE(store.createKey("Other\\Key", "c"));
  EXPECT_FALSE(store.keyExists("Other"));

  // A store whose folder cannot be made: a file stands in the way.
  writeBytes(dir / "blocker", "");
  RegistryStore blocked(dir / "blocker" / "registry");
  EXPECT_FALSE(blocked.createKey("A", "c"));
  EXPECT_FALSE(blocked.keyExists("A"));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 4) << said;
}

TEST_F(Registry, NoTemporaryFilesAreLeft) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey("K", "c"));
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(store.writeValue("K", "v", dword(i)));
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(file.parent_path()))
    names.insert(e.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{".mirlfumarix.lock", "registry"}));
}

TEST_F(Registry, DamagedLinesAreSkippedAndTheFileIsKeptBeforeItIsReplaced) {
  const auto fileWith = [](const std::string& bad) {
    return "key \"K\" class \"c\"\nvalue \"a\" dword 1\n" + bad + "\nvalue \"b\" dword 2\n" +
           "key \"L\" class \"c\"\nvalue \"c\" sz \"x\"\n";
  };
  // A damaged value line loses only its value; any other damaged line may
  // have been a key's, so the values after it up to the next key line are
  // dropped too.
  const std::vector<std::pair<std::string, bool>> bad = {
      {"value \"v\" dword x", true},          {"value \"v\" dword 99999999999", true},
      {"value \"v\" sz \"open", true},        {"value \"v\" sz \"%4\"", true},
      {"value \"v\" sz \"%zz\"", true},       {"value \"v\" float \"1\"", true},
      {"value \"v\" bytes 3 \"abc\"", true},  {"value \"v\" bytes 1 \"61\"", true},  // text type as bytes
      {"value \"v\" sz \"a\"\"b\"", true},    {"garbage", false},
      {"key \"K\"", false},                   {"key \"M\" class \"c", false},
      {std::string("\0", 1), false},
  };
  std::filesystem::create_directories(file.parent_path());
  for (const auto& [line, keepsNext] : bad) {
    writeBytes(file, fileWith(line));
    RegistryStore store(file);
    EXPECT_FALSE(store.readCleanly()) << line;
    EXPECT_EQ(store.readValue("K", "a")->number, 1) << line;
    EXPECT_EQ(store.readValue("K", "b").has_value(), keepsNext) << line;
    EXPECT_FALSE(store.readValue("K", "v")) << line;
    EXPECT_EQ(store.readValue("L", "c")->text, "x") << line;
  }
  writeBytes(file, "value \"v\" dword 1\nkey \"K\" class \"c\"\n");  // a value before any key
  EXPECT_FALSE(RegistryStore(file).readValue("K", "v"));

  // Reading changes nothing; the first save keeps the damaged file beside
  // the store under a free name (never over what is there), later saves
  // leave that copy alone.
  const std::string damaged = fileWith("garbage");
  writeBytes(file, damaged);
  std::filesystem::create_directory(kept);
  RegistryStore store(file);
  EXPECT_EQ(dir.listing(), "cfg");
  ASSERT_TRUE(store.writeValue("L", "d", dword(4)));
  EXPECT_TRUE(store.readCleanly());
  const std::filesystem::path second = dir / "cfg" / "Quillfen" / "registry.damaged-2";
  EXPECT_EQ(readBytes(second), damaged);
  EXPECT_EQ(std::filesystem::status(second).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  writeBytes(second, "looked at");
  ASSERT_TRUE(store.writeValue("L", "d", dword(5)));
  EXPECT_EQ(readBytes(second), "looked at");
  EXPECT_TRUE(std::filesystem::is_empty(kept));
  RegistryStore again(file);
  EXPECT_TRUE(again.readCleanly());
  EXPECT_EQ(again.readValue("K", "a")->number, 1);
  EXPECT_EQ(again.readValue("L", "c")->text, "x");
  EXPECT_EQ(again.readValue("L", "d")->number, 5);

  // A clean file is never copied.
  std::filesystem::remove(second);
  ASSERT_TRUE(again.writeValue("L", "d", dword(6)));
  EXPECT_FALSE(std::filesystem::exists(second));
}

TEST_F(Registry, OnlyARegularFileOfBoundedSizeIsReadNeverThroughAnotherUsersLink) {
  std::filesystem::create_directories(file.parent_path());
  // Too large: no store; the first save moves the file aside instead of
  // copying it.
  std::string huge = "key \"K\" class \"c\"\n";
  huge.resize(RegistryStore::kMaxFileBytes + 1, '\n');
  writeBytes(file, huge);
  {
    RegistryStore store(file);
    EXPECT_FALSE(store.keyExists("K"));
    EXPECT_FALSE(store.readCleanly());
    ASSERT_TRUE(store.createKey("N", "c"));
    EXPECT_EQ(std::filesystem::file_size(kept), huge.size());
    EXPECT_TRUE(RegistryStore(file).keyExists("N"));
    std::filesystem::remove(kept);
  }
  huge.resize(RegistryStore::kMaxFileBytes);  // exactly the limit still reads
  writeBytes(file, huge);
  EXPECT_TRUE(RegistryStore(file).keyExists("K"));

  // A FIFO would block the start for ever, a link to an endless device would
  // fill the memory: neither is read, and neither is replaced or moved.
  std::filesystem::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  {
    RegistryStore store(file);
    EXPECT_FALSE(store.keyExists("K"));
    EXPECT_FALSE(store.createKey("K", "c"));
    EXPECT_TRUE(std::filesystem::is_fifo(file));
  }
  std::filesystem::remove(file);
  std::filesystem::create_symlink("/dev/zero", file);
  {
    RegistryStore store(file);
    EXPECT_FALSE(store.keyExists("K"));
    EXPECT_FALSE(store.createKey("K", "c"));
    EXPECT_TRUE(std::filesystem::is_symlink(file));
  }
  EXPECT_FALSE(std::filesystem::exists(kept));

  // Another user's link is no store: what it names is never read, and the
  // first save replaces the link.
  std::filesystem::remove(file);
  writeBytes(dir / "victim", "key \"Secret\" class \"c\"\n");
  std::filesystem::create_symlink(dir / "victim", file);
  RegistryStore store(file, ::geteuid() + 1);
  EXPECT_FALSE(store.keyExists("Secret"));
  EXPECT_TRUE(store.readCleanly());
  ASSERT_TRUE(store.createKey("K", "c"));
  EXPECT_FALSE(std::filesystem::is_symlink(file));
  EXPECT_FALSE(RegistryStore(file).keyExists("Secret"));
  EXPECT_EQ(readBytes(dir / "victim"), "key \"Secret\" class \"c\"\n");
}

TEST_F(Registry, AKeyWithManyValuesKeepsEachNameOnceAndTheLastLineOfIt) {
  // Every name is given twice, the second time in other letter case.
  std::string text = "key \"K\" class \"c\"\n";
  constexpr int kNames = 20000;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < kNames; ++i) {
      text += "value \"" + std::string(round == 0 ? "v" : "V") + std::to_string(i) + "\" dword " +
              std::to_string(i + round * kNames) + "\n";
    }
  }
  std::filesystem::create_directories(file.parent_path());
  writeBytes(file, text);
  RegistryStore store(file);
  EXPECT_TRUE(store.readCleanly());
  EXPECT_EQ(store.readValue("K", "v0")->number, kNames);
  EXPECT_EQ(store.readValue("K", "V19999")->number, 2 * kNames - 1);
  ASSERT_TRUE(store.writeValue("K", "v1", dword(-1)));
  const std::string saved = readBytes(file);
  // Order and first spelling are kept.
  EXPECT_NE(saved.find("value \"v1\" dword -1\nvalue \"v2\" dword 20002\n"), std::string::npos);
  EXPECT_EQ(saved.find("\"V1\""), std::string::npos);
}

TEST_F(Registry, HandWrittenFileGetsTheParentsOfItsKeys) {
  std::filesystem::create_directories(file.parent_path());
  writeBytes(file, "key \"A\\B\\C\" class \"x\"\r\nvalue \"v\" sz \"1\"\r\n");
  RegistryStore store(file);
  EXPECT_TRUE(store.keyExists("A"));
  EXPECT_TRUE(store.keyExists("A\\B"));
  EXPECT_EQ(store.readValue("A\\B\\C", "v")->text, "1");
}

TEST_F(Registry, TwoRunningInstancesKeepEachOthersChanges) {
  // Both read the store before either changes it; each change is made on
  // what the file holds then.
  RegistryStore first(file), second(file);
  ASSERT_TRUE(first.createKey("K", "c"));
  EXPECT_FALSE(second.createKey("K", "other"));  // made meanwhile by the first
  ASSERT_TRUE(second.writeValue("K", "b", dword(2)));
  ASSERT_TRUE(first.writeValue("K", "a", dword(1)));
  EXPECT_EQ(first.readValue("K", "b")->number, 2);
  EXPECT_EQ(RegistryStore(file).readValue("K", "b")->number, 2);
  EXPECT_EQ(RegistryStore(file).keyClass("K"), "c");

  // Two processes writing at the same time: the lock of the folder makes
  // each read-modify-write one step, so no value is lost.
  constexpr int kEach = 60;
  EXPECT_TRUE(mirl::rttest::inTwoProcesses([&](const std::string& who) {
    RegistryStore store(file);
    bool ok = true;
    for (int i = 0; i < kEach && ok; ++i) ok = store.writeValue("K", who + std::to_string(i), dword(i));
    return ok;
  }));
  RegistryStore after(file);
  for (int i = 0; i < kEach; ++i) {
    for (const char* who : {"child", "parent"}) EXPECT_TRUE(after.readValue("K", who + std::to_string(i))) << who << i;
  }
}

TEST_F(Registry, ABatchSavesItsChangesOnceAtItsEndAsSingleSavesWould) {
  const auto changes = [](RegistryStore& store) {
    store.createKey("Software\\A\\Size", "c");
    store.writeValue("Software\\A\\Size", "Left", dword(1));
    store.writeValue("Software\\A\\Size", "left", dword(2));
    store.writeValue("Software\\B", "Lost", dword(3));  // no key: nothing
    store.createKey("Software\\A\\Data", "c");
    store.writeValue("Software\\A\\Data", "Pfad", sz("/x"));
  };
  const std::filesystem::path single = dir / "single" / "registry";
  RegistryStore one(single);
  changes(one);

  std::filesystem::create_directories(file.parent_path());
  writeBytes(file, "key \"Z\" class \"c\"\n");
  RegistryStore store(file);
  {
    RegistryStore::Batch batch(store);
    changes(store);
    EXPECT_FALSE(store.createKey("Software\\A\\Size", "c"));  // reads see the batch's changes
    EXPECT_EQ(store.readValue("Software\\A\\Size", "LEFT")->number, 2);
    {
      RegistryStore::Batch inner(store);
      store.writeValue("Software\\A\\Data", "Pfad", sz("/y"));
    }
    store.writeValue("Software\\A\\Data", "Pfad", sz("/x"));
    EXPECT_EQ(readBytes(file), "key \"Z\" class \"c\"\n");  // nothing saved yet
  }
  const std::string expected = readBytes(single) + "key \"Z\" class \"c\"\n";
  EXPECT_EQ(readBytes(file), expected);

  // A batch that cannot be saved leaves the store as it was before it.
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  {
    RegistryStore::Batch batch(store);
    store.writeValue("Software\\A\\Size", "Left", dword(9));
    store.createKey("Software\\C", "c");
  }
  EXPECT_EQ(store.readValue("Software\\A\\Size", "Left")->number, 2);
  EXPECT_FALSE(store.keyExists("Software\\C"));
  EXPECT_EQ(readBytes(file), expected);
}

TEST(RegistryDefaultFile, FollowsTheXdgConfigFolder) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  ::setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
  EXPECT_EQ(RegistryStore::defaultFile(), "/xdg/config/Quillfen/MirlFumarix/registry");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    EXPECT_EQ(RegistryStore::defaultFile(),
              std::filesystem::path(home) / ".config/Quillfen/MirlFumarix/registry");
  }
  if (oldXdg) {
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace

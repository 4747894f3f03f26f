#include "runtime/registry_store.h"

#include <cstdlib>
#include <gtest/gtest.h>

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
  EXPECT_TRUE(std::filesystem::exists(file));  // the folders are made as needed
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

TEST_F(Registry, FailedSaveChangesNothing) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey(kSize, "c"));
  ASSERT_TRUE(store.writeValue(kSize, "Left", dword(1)));
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
}

TEST_F(Registry, NoTemporaryFilesAreLeft) {
  RegistryStore store(file);
  ASSERT_TRUE(store.createKey("K", "c"));
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(store.writeValue("K", "v", dword(i)));
  std::string names;
  for (const auto& e : std::filesystem::directory_iterator(file.parent_path()))
    names += e.path().filename().string() + " ";
  EXPECT_EQ(names, "registry ");
}

TEST_F(Registry, DamagedFilesReadAsEmpty) {
  const std::string good = "key \"K\" class \"c\"\nvalue \"v\" dword 1\n";
  // Each holds the key "K" beside one damaged line.
  const std::vector<std::string> damaged = {
      good + "garbage\n",
      "value \"v\" dword 1\n" + good,                 // value before any key
      "key \"K\" class \"c\"\nvalue \"v\" dword x\n",  // not a number
      "key \"K\" class \"c\"\nvalue \"v\" dword 99999999999\n",
      "key \"K\" class \"c\"\nvalue \"v\" sz \"open\n",  // no closing quote
      "key \"K\" class \"c\"\nvalue \"v\" sz \"%4\"\n",  // cut escape
      "key \"K\" class \"c\"\nvalue \"v\" sz \"%zz\"\n",
      "key \"K\" class \"c\"\nvalue \"v\" float \"1\"\n",
      "key \"K\" class \"c\"\nvalue \"v\" bytes 3 \"abc\"\n",
      "key \"K\" class \"c\"\nvalue \"v\" bytes 1 \"61\"\n",  // text type as bytes
      "key \"K\"\n",
      std::string("key \"K\" class \"c\"\n\0\n", 20),
  };
  std::filesystem::create_directories(file.parent_path());
  writeBytes(file, "# comment\n\n" + good);
  EXPECT_EQ(RegistryStore(file).readValue("K", "v")->number, 1);
  for (const std::string& text : damaged) {
    writeBytes(file, text);
    RegistryStore store(file);
    EXPECT_FALSE(store.keyExists("K")) << text;
  }
}

TEST_F(Registry, HandWrittenFileGetsTheParentsOfItsKeys) {
  std::filesystem::create_directories(file.parent_path());
  writeBytes(file, "key \"A\\B\\C\" class \"x\"\r\nvalue \"v\" sz \"1\"\r\n");
  RegistryStore store(file);
  EXPECT_TRUE(store.keyExists("A"));
  EXPECT_TRUE(store.keyExists("A\\B"));
  EXPECT_EQ(store.readValue("A\\B\\C", "v")->text, "1");
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

#include "runtime/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "runtime/temp_folder.h"  // tests/runtime

namespace ini = mirl::rt::ini;
using mirl::rttest::readBytes;
using mirl::rttest::TempFolder;
using mirl::rttest::writeBytes;

namespace {

class IniFile : public ::testing::Test {
 protected:
  TempFolder dir;
  std::filesystem::path file = dir / "test.ini";
  // Writes the file's bytes and reads one key with the default "DEF".
  std::string readFrom(const std::string& bytes, const std::string& section,
                       const std::string& key) {
    writeBytes(file, bytes);
    return ini::read(file, section, key, "DEF");
  }
};

// ---- reading ----

TEST_F(IniFile, MissingFileSectionOrKeyGivesTheDefaultWithoutTrailingBlanks) {
  EXPECT_EQ(ini::read(dir / "none.ini", "S", "k", "  Name der Zusammenstellung  "),
            "  Name der Zusammenstellung");
  writeBytes(file, "[S]\r\nk=1\r\n");
  EXPECT_EQ(ini::read(file, "T", "k", "0"), "0");
  EXPECT_EQ(ini::read(file, "S", "x", "......."), ".......");
  EXPECT_EQ(ini::read(file, "S", "x", ""), "");
  EXPECT_EQ(ini::read(dir.path(), "S", "k", "folder"), "folder");  // a folder is no file
}

TEST_F(IniFile, EmptyValueGivesEmptyTextNotTheDefault) {
  EXPECT_EQ(readFrom("[S]\r\nk=\r\n", "S", "k"), "");
  EXPECT_EQ(readFrom("[S]\r\nk=   \r\n", "S", "k"), "");
  EXPECT_EQ(readFrom("[S]\r\nk=\"\"\r\n", "S", "k"), "");
}

TEST_F(IniFile, BlanksAroundKeyAndValueAreIgnored) {
  EXPECT_EQ(readFrom("[S]\r\n  Key \t=  some value \t\r\n", "S", "key"), "some value");
  EXPECT_EQ(readFrom("  [ S ]  \r\nk=1\r\n", "S", "k"), "1");
  EXPECT_EQ(readFrom("[S]\r\nk=a=b\r\n", "S", "k"), "a=b");  // the first "=" separates
}

TEST_F(IniFile, OnePairOfEnclosingQuotesIsRemoved) {
  EXPECT_EQ(readFrom("[S]\r\nk=\"abc\"\r\n", "S", "k"), "abc");
  EXPECT_EQ(readFrom("[S]\r\nk='abc'\r\n", "S", "k"), "abc");
  EXPECT_EQ(readFrom("[S]\r\nk= \" a b \" \r\n", "S", "k"), " a b ");
  EXPECT_EQ(readFrom("[S]\r\nk=\"\"x\"\"\r\n", "S", "k"), "\"x\"");
  EXPECT_EQ(readFrom("[S]\r\nk=\"abc'\r\n", "S", "k"), "\"abc'");
  EXPECT_EQ(readFrom("[S]\r\nk=\"\r\n", "S", "k"), "\"");
  EXPECT_EQ(readFrom("[S]\r\nk=a\"b\"\r\n", "S", "k"), "a\"b\"");
}

TEST_F(IniFile, NamesMatchWithoutRegardToCaseIncludingWindowsLetters) {
  const std::string bytes = "[\xC4RGER]\r\nK\xD6NIG=1\r\n\x8C\x8A=2\r\n";  // [ÄRGER] KÖNIG, ŒŠ
  EXPECT_EQ(readFrom(bytes, "ärger", "könig"), "1");
  EXPECT_EQ(readFrom(bytes, "Ärger", "œš"), "2");
  EXPECT_EQ(readFrom("[global]\r\nMNU_service_MSGBOX=-1\r\n", "Global", "mnu_Service_MsgBox"), "-1");
}

TEST_F(IniFile, TheFirstOfDuplicateSectionsAndKeysCounts) {
  const std::string bytes = "[S]\r\nk=first\r\nk=second\r\n[T]\r\nx=1\r\n[s]\r\nk=third\r\ny=2\r\n";
  EXPECT_EQ(readFrom(bytes, "S", "k"), "first");
  EXPECT_EQ(readFrom(bytes, "S", "y"), "DEF");  // only the first section is searched
}

TEST_F(IniFile, OnlyKeyLinesOfTheSectionCount) {
  const std::string bytes =
      "k=before any section\r\n[S]\r\n;k=comment\r\nk\r\n[T]\r\nk=other section\r\n";
  EXPECT_EQ(readFrom(bytes, "S", "k"), "DEF");
  EXPECT_EQ(readFrom(bytes, "T", "k"), "other section");
  EXPECT_EQ(readFrom("[S\r\nk=1\r\n", "S", "k"), "DEF");  // "[S" opens no section
}

TEST_F(IniFile, LfOnlyAndUnterminatedFilesAreRead) {
  EXPECT_EQ(readFrom("[S]\nk=lf\nj=2", "S", "k"), "lf");
  EXPECT_EQ(readFrom("[S]\nk=lf\nj=2", "S", "j"), "2");
  EXPECT_EQ(readFrom("\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k"), "DEF");  // no crash on a BOM
  EXPECT_EQ(readFrom("", "S", "k"), "DEF");
}

TEST_F(IniFile, ValuesAreCutAt1023CharactersAndAtANul) {
  const std::string longValue(1500, 'x');
  EXPECT_EQ(readFrom("[S]\r\nk=" + longValue + "\r\n", "S", "k"), std::string(1023, 'x'));
  EXPECT_EQ(readFrom("[S]\r\nk=\"" + longValue + "\"\r\n", "S", "k"), std::string(1023, 'x'));
  // 1023 characters of the code page, not bytes of UTF-8.
  EXPECT_EQ(readFrom("[S]\r\nk=" + std::string(1100, '\xE4') + "\r\n", "S", "k").size(), 2046u);
  EXPECT_EQ(readFrom(std::string("[S]\r\nk=ab\0cd\r\n", 14), "S", "k"), "ab");
  EXPECT_EQ(ini::read(dir / "none.ini", "S", "k", std::string(1500, 'd')), std::string(1023, 'd'));
}

TEST_F(IniFile, FileBytesAreWindows1252) {
  EXPECT_EQ(readFrom("[Aromen]\r\nk=S\xFC\xDF \x80 \x93x\x94\r\n", "Aromen", "k"), "Süß € “x”");
}

// ---- writing ----

TEST_F(IniFile, MissingFileIsCreatedWithCrLf) {
  ASSERT_TRUE(ini::write(file, "Global", "mnu_Service_Farben", "-1"));
  EXPECT_EQ(readBytes(file), "[Global]\r\nmnu_Service_Farben=-1\r\n");
}

TEST_F(IniFile, MissingFolderIsReportedAndNotCreated) {
  const auto target = dir / "Kochbuch" / "x.ini";
  EXPECT_FALSE(ini::write(target, "S", "k", "v"));
  EXPECT_FALSE(std::filesystem::exists(dir / "Kochbuch"));
}

TEST_F(IniFile, ReadOnlyFileIsReportedAndLeftUnchanged) {
  writeBytes(file, "[S]\r\nk=old\r\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(ini::write(file, "S", "k", "new"));
  EXPECT_EQ(readBytes(file), "[S]\r\nk=old\r\n");
  EXPECT_EQ(dir.listing(), ".mirlfumarix.lock test.ini");  // the lock file stays
}

TEST_F(IniFile, SeveralKeysAreOneChangeOfTheFile) {
  // The same bytes as the single writes in turn, a key written twice
  // included; into a read-only file none of them.
  const std::string before = "; Kopf\n[B]\nx = 1\n\n[Fremd]\ny=2";
  const ini::Entry entries[] = {{"A", "k", "1"}, {"B", "x", "neu"}, {"a", "K", "2"}, {"B", "z", "3"}};
  writeBytes(file, before);
  for (const ini::Entry& e : entries) ASSERT_TRUE(ini::write(file, e.section, e.key, e.value));
  const std::string oneByOne = readBytes(file);
  writeBytes(file, before);
  ASSERT_TRUE(ini::write(file, entries));
  EXPECT_EQ(readBytes(file), oneByOne);
  EXPECT_EQ(ini::read(file, "A", "k", ""), "2");

  writeBytes(file, before);
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_FALSE(ini::write(file, entries));
  EXPECT_EQ(readBytes(file), before);
  EXPECT_EQ(dir.listing(), ".mirlfumarix.lock test.ini");
}

TEST_F(IniFile, ReplacingAValueKeepsEveryOtherByte) {
  const std::string before =
      "; written by another program\r\n"
      "[Other]\r\n"
      "Option = on\r\n"
      "k=other section\r\n"
      "\r\n"
      "[Berechnung]\r\n"
      "  # a note without equals sign\r\n"
      "Berechnung_Menge = 77  \r\n"
      "Berechnung_Prozent_N=9\r\n"
      "\r\n"
      "[Tail]\r\n"
      "x=1";
  writeBytes(file, before);
  ASSERT_TRUE(ini::write(file, "BERECHNUNG", "berechnung_menge", "100"));
  std::string expected = before;
  expected.replace(expected.find("77  "), 4, "100");
  EXPECT_EQ(readBytes(file), expected);
  EXPECT_EQ(ini::read(file, "Berechnung", "Berechnung_Menge", ""), "100");
}

TEST_F(IniFile, MissingKeyGoesAfterTheLastNonBlankLineOfItsSection) {
  writeBytes(file, "[A]\r\na=1\r\n; note\r\n\r\n\r\n[B]\r\nb=2\r\n");
  ASSERT_TRUE(ini::write(file, "A", "new", "x"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\n; note\r\nnew=x\r\n\r\n\r\n[B]\r\nb=2\r\n");
  ASSERT_TRUE(ini::write(file, "B", "c", "3"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\n; note\r\nnew=x\r\n\r\n\r\n[B]\r\nb=2\r\nc=3\r\n");
}

TEST_F(IniFile, MissingSectionGoesAtTheEnd) {
  writeBytes(file, "[A]\r\na=1\r\n");
  ASSERT_TRUE(ini::write(file, "Neu", "k", "v"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\n[Neu]\r\nk=v\r\n");
  writeBytes(file, "[A]\r\na=1");  // last line without a break
  ASSERT_TRUE(ini::write(file, "Neu", "k", "v"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\n[Neu]\r\nk=v\r\n");
  writeBytes(file, "[A]\r\na=1");
  ASSERT_TRUE(ini::write(file, "A", "b", "2"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\nb=2\r\n");
  writeBytes(file, "[A]\r\na=1\r");  // a CR that has lost its LF
  ASSERT_TRUE(ini::write(file, "A", "b", "2"));
  EXPECT_EQ(readBytes(file), "[A]\r\na=1\r\nb=2\r\n");
}

TEST_F(IniFile, LfOnlyFileKeepsItsLinesAndGetsCrLfForNewOnes) {
  writeBytes(file, "[A]\na=1\nb=2\n[B]\nc=3\n");
  ASSERT_TRUE(ini::write(file, "A", "a", "9"));
  ASSERT_TRUE(ini::write(file, "A", "z", "0"));
  EXPECT_EQ(readBytes(file), "[A]\na=9\nb=2\nz=0\r\n[B]\nc=3\n");
}

TEST_F(IniFile, LineBreaksInsideAValueBecomeBlanks) {
  EXPECT_EQ(readFrom("[S]\r\nk=Aroma 1\rx\r\n", "S", "k"), "Aroma 1 x");
  writeBytes(file, "[S]\r\nk=1\r\nm=2\r\n");
  ASSERT_TRUE(ini::write(file, "S", "k", "line1\r\n[Evil]\nm=3\rend"));
  EXPECT_EQ(readBytes(file), "[S]\r\nk=line1  [Evil] m=3 end\r\nm=2\r\n");
  EXPECT_EQ(ini::read(file, "S", "m", ""), "2");
  ASSERT_TRUE(ini::write(file, "S\r\nX", "n\ny", "v"));
  EXPECT_EQ(ini::read(file, "S  X", "n y", ""), "v");
}

TEST_F(IniFile, KeyNamesThatALineCannotHoldAreRefused) {
  const std::string before = "[S]\r\nk=1\r\n";
  writeBytes(file, before);
  // "[x]" would open a section, "b=c" would shift the value, ";c" would be a
  // comment line added anew at each write.
  for (const char* key : {"[x]", "[x", "b=c", "=", ";c", "  ;c", " [x"}) {
    EXPECT_FALSE(ini::write(file, "S", key, "v")) << key;
    EXPECT_FALSE(ini::write(dir / "new.ini", "S", key, "v")) << key;
  }
  EXPECT_EQ(readBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.ini"));
  // Brackets and semicolons elsewhere, and any section name, are fine.
  for (const char* key : {"a[x]", "a;c", "x]"}) {
    ASSERT_TRUE(ini::write(file, "[S]=;", key, "v")) << key;
    EXPECT_EQ(ini::read(file, "[S]=;", key, ""), "v") << key;
  }
}

TEST_F(IniFile, EmptyAndLongValuesReadBackAsTheContractSays) {
  ASSERT_TRUE(ini::write(file, "S", "empty", ""));
  EXPECT_EQ(ini::read(file, "S", "empty", "DEF"), "");
  ASSERT_TRUE(ini::write(file, "S", "long", std::string(1500, 'L')));
  EXPECT_EQ(ini::read(file, "S", "long", ""), std::string(1023, 'L'));
  EXPECT_EQ(readBytes(file).size(), std::string("[S]\r\nempty=\r\nlong=\r\n").size() + 1500);
}

TEST_F(IniFile, BlanksAndQuotesAroundAValueReadBackAsWritten) {
  for (const std::string value : {" Sommer", "Sommer\t", "  ", "\"Sommer\"", "'x'", "\"\"", "\" a \""}) {
    ASSERT_TRUE(ini::write(file, "S", "k", value));
    EXPECT_EQ(ini::read(file, "S", "k", "DEF"), value) << readBytes(file);
  }
  // Only such values are quoted.
  for (const std::string value : {"a b", "\"Sommer", "'x\"", "\"", "Sommer's"}) {
    ASSERT_TRUE(ini::write(file, "S", "k", value));
    EXPECT_EQ(readBytes(file), "[S]\r\nk=" + value + "\r\n");
  }
}

TEST_F(IniFile, TextsRoundTripThroughWindows1252) {
  ASSERT_TRUE(ini::write(file, "Aromen", "1_Aroma_Kommentar", "Kühle Minze – 5 € „extra“"));
  EXPECT_EQ(ini::read(file, "aromen", "1_aroma_kommentar", ""), "Kühle Minze – 5 € „extra“");
  EXPECT_NE(readBytes(file).find("K\xFChle Minze \x96 5 \x80 \x84" "extra\x93"), std::string::npos);
  ASSERT_TRUE(ini::write(file, "Aromen", "x", "漢 Ā"));
  EXPECT_EQ(ini::read(file, "Aromen", "x", ""), "? ?");
}

TEST_F(IniFile, WritingLeavesNoTemporaryFilesAndKeepsPermissions) {
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(ini::write(file, "S", "k" + std::to_string(i % 3), "v"));
  EXPECT_EQ(dir.listing(), ".mirlfumarix.lock test.ini");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ASSERT_TRUE(ini::write(file, "S", "k", "w"));
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_EQ(dir.listing(), ".mirlfumarix.lock test.ini");
}

TEST_F(IniFile, WritingThroughALinkChangesTheFileItNames) {
  writeBytes(file, "[S]\r\nk=1\r\n");
  std::filesystem::create_symlink(file, dir / "link.ini");
  ASSERT_TRUE(ini::write(dir / "link.ini", "S", "k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(readBytes(file), "[S]\r\nk=2\r\n");
}

// A folder, and a file above 16 MiB: nothing is read (the defaults), a write
// fails and leaves it as it is; load() tells them from a missing file.
TEST_F(IniFile, UnreadableTargetsAreReported) {
  std::filesystem::create_directory(dir / "sub.ini");
  EXPECT_FALSE(ini::write(dir / "sub.ini", "S", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "sub.ini"));
  EXPECT_EQ(ini::load(dir / "sub.ini").found, ini::Found::Unreadable);
  EXPECT_EQ(ini::load(dir / "none.ini").found, ini::Found::Missing);

  const auto large = dir / "large.ini";
  writeBytes(large, "[S]\r\nk=v\r\n");
  std::filesystem::resize_file(large, ini::kMaxFileBytes + 1);
  EXPECT_EQ(ini::load(large).found, ini::Found::TooLarge);
  EXPECT_EQ(ini::read(large, "S", "k", "D"), "D");
  EXPECT_FALSE(ini::write(large, "S", "k", "w"));
  EXPECT_EQ(std::filesystem::file_size(large), ini::kMaxFileBytes + 1);
}

}  // namespace

#include "support/dialogs.h"

#include <fstream>
#include <gtest/gtest.h>

#include "testkit/test_app.h"

namespace {

using mirl::Filter_Umwandeln;
using Pairs = std::vector<std::pair<std::string, std::string>>;

std::string nul(const char* s, size_t n) { return std::string(s, n); }

TEST(FilterList, EveryBarBecomesANulAndOneNulEndsIt) {
  EXPECT_EQ(Filter_Umwandeln("Unterstütztes Format (*.ini)|*.ini;"),
            std::string("Unterstütztes Format (*.ini)") + '\0' + "*.ini;" + '\0');
  EXPECT_EQ(Filter_Umwandeln("A|*.a|B|*.b"), nul("A\0*.a\0B\0*.b\0", 12));
  EXPECT_EQ(Filter_Umwandeln("|*.ini"), nul("\0*.ini\0", 7));
  EXPECT_EQ(Filter_Umwandeln(""), nul("\0", 1));
  EXPECT_EQ(Filter_Umwandeln("a||b|"), nul("a\0\0b\0\0", 6));
}

class Dialogs : public ::testing::Test {
 protected:
  mirl::testkit::TestApp t{false};
  mirl::App& app = t.app();
  mirl::scenario::ScriptHost& host = t.host();
  std::filesystem::path existing = t.folder() / "Rezept.ini";
  void SetUp() override { std::ofstream(existing) << "[S]\r\n"; }
};

TEST_F(Dialogs, OpenDialogCarriesTitleFiltersAndStartPath) {
  host.queueDialogAnswer(existing.string());
  EXPECT_EQ(mirl::Dialog_Oeffnen(app, "Unterstütztes Format (*.ini)|*.ini;", "/start/Kochbuch"),
            existing.string());
  ASSERT_EQ(host.dialogs.size(), 1u);
  const auto& r = host.dialogs.front().request;
  EXPECT_EQ(r.kind, mirl::rt::FileDialogRequest::Kind::Open);
  EXPECT_EQ(r.title, "Öffnen");
  EXPECT_EQ(r.filters, (Pairs{{"Unterstütztes Format (*.ini)", "*.ini;"}}));
  EXPECT_EQ(r.startPath, "/start/Kochbuch");
  EXPECT_EQ(r.proposedName, "");
}

TEST_F(Dialogs, OpenDialogReturnsOnlyAFileThatExists) {
  host.queueDialogAnswer((t.folder() / "weg.ini").string());
  EXPECT_EQ(mirl::Dialog_Oeffnen(app, "A|*.a", ""), "");
  host.queueDialogAnswer(t.folder().string());  // a folder is no file to read
  EXPECT_EQ(mirl::Dialog_Oeffnen(app, "A|*.a", ""), "");
  host.queueDialogAnswer("");
  EXPECT_EQ(mirl::Dialog_Oeffnen(app, "A|*.a", ""), "");
}

TEST_F(Dialogs, SaveDialogCarriesTitleFiltersStartPathAndName) {
  const std::string target = (t.folder() / "Neu.ini").string();
  host.queueDialogAnswer(target);
  EXPECT_EQ(mirl::Dialog_Speichern(app, "Initialitionsdatei (*.ini)|*.ini;", "", existing.string(),
                                   "Erdbeer Vanille"),
            target);  // need not exist yet
  const auto& r = host.dialogs.back().request;
  EXPECT_EQ(r.kind, mirl::rt::FileDialogRequest::Kind::Save);
  EXPECT_EQ(r.title, "Speichern");
  EXPECT_EQ(r.filters, (Pairs{{"Initialitionsdatei (*.ini)", "*.ini;"}}));
  EXPECT_EQ(r.startPath, existing.string());
  EXPECT_EQ(r.proposedName, "Erdbeer Vanille");

  host.queueDialogAnswer("");
  EXPECT_EQ(mirl::Dialog_Speichern(app, "A|*.a", "", "", ""), "");
  EXPECT_EQ(host.dialogs.back().request.proposedName, "");
}

TEST_F(Dialogs, FilterPairsStopWhereTheListEnds) {
  const auto shown = [&](const char* filter) {
    host.queueDialogAnswer("");
    mirl::Dialog_Speichern(app, filter, "", "", "x");
    return host.dialogs.back().request.filters;
  };
  EXPECT_EQ(shown("A|*.a|B|*.b"), (Pairs{{"A", "*.a"}, {"B", "*.b"}}));
  EXPECT_EQ(shown("|*.ini"), Pairs{});       // an empty first part ends the list
  EXPECT_EQ(shown("A|*.a|B"), (Pairs{{"A", "*.a"}}));  // a description without pattern
  EXPECT_EQ(shown("A||B|*.b"), Pairs{});
  EXPECT_EQ(shown(""), Pairs{});
}

TEST_F(Dialogs, TheProposedNameIsOneThatCanNameAFile) {
  const auto proposed = [&](const std::string& name) {
    host.queueDialogAnswer("");
    mirl::Dialog_Speichern(app, "A|*.a", "", "", name);
    return host.dialogs.back().request.proposedName;
  };
  // Control characters are dropped, a NUL ends the name.
  EXPECT_EQ(proposed("Erd\nbeer\t\x01 Va\x7Fnille\xC2\x85"), "Erdbeer Vanille");
  EXPECT_EQ(proposed(std::string("Rezept\0alt", 10)), "Rezept");
  EXPECT_EQ(proposed("Zitrone ]<>| ´ü"), "Zitrone ]<>| ´ü");  // others stay as given
  // Only dots, or nothing left: no proposal.
  for (const char* name : {".", "..", "....", "\n.\t.", ""}) EXPECT_EQ(proposed(name), "") << name;
  EXPECT_EQ(proposed(".hidden"), ".hidden");
  // At most 255 bytes, cut between characters (a 700-character name included).
  EXPECT_EQ(proposed(std::string(255, 'n')), std::string(255, 'n'));
  EXPECT_EQ(proposed(std::string(700, 'n')), std::string(255, 'n'));
  std::string umlauts;
  for (int i = 0; i < 701; ++i) umlauts += "ü";
  EXPECT_EQ(proposed(umlauts), umlauts.substr(0, 254));
  EXPECT_EQ(proposed("a" + umlauts), "a" + umlauts.substr(0, 254));
  EXPECT_EQ(proposed(std::string(300, '\x01') + "kurz"), "kurz");  // cut after dropping
}

TEST_F(Dialogs, AnswerIsTakenUpToItsFirstNulAndNeedsTwoCharacters) {
  host.queueDialogAnswer(existing.string() + std::string(1, '\0') + "junk");
  EXPECT_EQ(mirl::Dialog_Oeffnen(app, "A|*.a", ""), existing.string());
  host.queueDialogAnswer("/");
  EXPECT_EQ(mirl::Dialog_Speichern(app, "A|*.a", "", "", ""), "");
  host.queueDialogAnswer("ab");
  EXPECT_EQ(mirl::Dialog_Speichern(app, "A|*.a", "", "", ""), "ab");
}

}  // namespace

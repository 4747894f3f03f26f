#include <gtest/gtest.h>

#include "scenario/command.h"

namespace mirl::scenario {
namespace {

Command parsed(const char* line) {
  ParseResult r = parseLine(line, 7);
  EXPECT_EQ(r.error, "") << line;
  EXPECT_TRUE(r.command.has_value()) << line;
  return r.command.value_or(Command{});
}

std::string errorOf(const char* line) { return parseLine(line, 1).error; }

TEST(CommandParse, SetUpCommands) {
  Command c = parsed(R"(file "$PROGRAM/LastSession.ini" from "$HERE/data/a.ini")");
  EXPECT_EQ(c.op, Op::FileFrom);
  EXPECT_EQ(c.line, 7);
  EXPECT_EQ(c.texts, (std::vector<std::string>{"$PROGRAM/LastSession.ini", "$HERE/data/a.ini"}));

  c = parsed(R"(registry "\Size" "Left" dword -1200)");
  EXPECT_EQ(c.op, Op::RegistryValue);
  EXPECT_EQ(c.detail, Detail::Dword);
  EXPECT_EQ(c.number, -1200);

  c = parsed(R"(registry "\Size" "Raw" binary "0A ff01")");
  EXPECT_EQ(c.detail, Detail::Binary);
  EXPECT_EQ(c.bytes, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x01}));

  EXPECT_EQ(parsed(R"(registry key "\Data")").op, Op::RegistryKey);
  EXPECT_NE(errorOf(R"(registry "\Size" "Raw" binary "0A1")"), "");
  EXPECT_NE(errorOf(R"(registry "\Size" "Left" dword 4294967296)"), "");
}

TEST(CommandParse, UserAndCodeCommands) {
  Command c = parsed(R"(type txt_Aroma_Menge(2) "12,5")");
  EXPECT_EQ(c.op, Op::Type);
  EXPECT_EQ(c.selector.parts[0], (NamePart{"txt_Aroma_Menge", 2}));
  EXPECT_EQ(c.texts[0], "12,5");

  c = parsed("select cbo_Preis_Live 3");
  EXPECT_EQ(c.op, Op::Select);
  EXPECT_EQ(c.number, 3);

  EXPECT_EQ(parsed("answer msgbox no").answer, rt::mb::No);
  c = parsed(R"(answer save "$TMP/x.ini")");
  EXPECT_EQ(c.op, Op::AnswerDialog);
  EXPECT_EQ(c.dialogKind, rt::FileDialogRequest::Kind::Save);
  c = parsed("answer cancel");
  EXPECT_EQ(c.op, Op::AnswerDialog);
  EXPECT_FALSE(c.dialogKind.has_value());

  c = parsed("move frm_Main -300 450");
  EXPECT_EQ(c.op, Op::Move);
  EXPECT_EQ(c.number, -300);
  EXPECT_EQ(c.number2, 450);

  c = parsed("set chk_PG_Basis.Value 1");
  EXPECT_EQ(c.op, Op::Set);
  EXPECT_EQ(c.value, rt::Value{1.0});
  c = parsed("set global Farbige_Hintergruende false");
  EXPECT_EQ(c.op, Op::SetGlobal);
  EXPECT_EQ(c.name, "Farbige_Hintergruende");
  EXPECT_EQ(c.value, rt::Value{false});
}

TEST(CommandParse, AtYieldCarriesItsCommand) {
  for (const char* line : {"at yield 780: click btn_Berechnung", "at yield 780 : click btn_Berechnung"}) {
    Command c = parsed(line);
    EXPECT_EQ(c.op, Op::AtYield);
    EXPECT_EQ(c.pass, 780u);
    ASSERT_TRUE(c.inner);
    EXPECT_EQ(c.inner->op, Op::Click);
    EXPECT_EQ(c.inner->line, 7);
  }
  EXPECT_EQ(parsed("at yield 2: quit").inner->op, Op::Quit);
  EXPECT_NE(errorOf("at yield 0: quit"), "");
  EXPECT_NE(errorOf("at yield 3 click btn_L"), "");
  EXPECT_NE(errorOf("at yield 3:"), "");
  EXPECT_NE(errorOf("at yield 3: expect refreshes 1"), "");
  EXPECT_NE(errorOf("at yield 3: at yield 4: quit"), "");
  EXPECT_NE(errorOf("at yield 3: start"), "");
}

TEST(CommandParse, Checks) {
  Command c = parsed(R"(expect msgbox "Text" style 4 title "T")");
  EXPECT_EQ(c.op, Op::ExpectMsgbox);
  EXPECT_EQ(c.title, "T");
  EXPECT_EQ(c.style, 4);

  c = parsed(R"(expect dialog save filter "A|*.a;" name "x")");
  EXPECT_EQ(c.op, Op::ExpectDialog);
  EXPECT_EQ(c.filter, "A|*.a;");
  EXPECT_EQ(c.proposedName, "x");
  EXPECT_FALSE(c.title.has_value());

  EXPECT_EQ(parsed(R"(expect status "")").op, Op::ExpectStatus);
  EXPECT_EQ(parsed("expect no msgbox").op, Op::ExpectNoMsgbox);
  EXPECT_EQ(parsed("expect focus txt_Berechnung_Menge").op, Op::ExpectFocus);
  EXPECT_EQ(parsed(R"(expect ini "$PROGRAM/a.ini" "Global" "x" missing)").detail, Detail::Missing);
  EXPECT_EQ(parsed(R"(expect ini "$PROGRAM/a.ini" "Global" "x" "1")").texts.size(), 4u);
  EXPECT_EQ(parsed(R"(expect registry "\Size" missing)").op, Op::ExpectRegistryKey);
  c = parsed(R"(expect registry "\Size" "Maximiert" sz "true")");
  EXPECT_EQ(c.op, Op::ExpectRegistryValue);
  EXPECT_EQ(c.detail, Detail::Sz);
  EXPECT_EQ(parsed("expect global Aromen_Tabelle(1).A 100").name, "Aromen_Tabelle(1).A");
  EXPECT_EQ(parsed("expect refreshes 8").number, 8);
  c = parsed("expect txt_Live_PG.BackColor &H00FF00");
  EXPECT_EQ(c.op, Op::Expect);
  EXPECT_EQ(c.value, rt::Value{65280.0});
  EXPECT_EQ(parsed(R"(expect status.Text "x")").op, Op::Expect);
}

TEST(CommandParse, ReportsWhatIsWrong) {
  EXPECT_EQ(errorOf("klick btn_L"), "unknown command klick");
  EXPECT_EQ(errorOf("click"), "expected a control");
  EXPECT_EQ(errorOf("expect txt_X"), "expected a value");
  EXPECT_EQ(errorOf("expect txt_X abc"), "not a value: abc");
  EXPECT_EQ(errorOf("start now"), "unexpected now at the end of the line");
  EXPECT_EQ(errorOf("answer msgbox maybe"), "expected yes|no|ok|cancel");
  EXPECT_EQ(errorOf("close txt_X"), "not a window name: txt_X");
  EXPECT_NE(errorOf("select cbo_X -1"), "");
  EXPECT_NE(errorOf(R"(expect msgbox "a" title "b" title "c")"), "");
  EXPECT_TRUE(parseLine("   # comment", 1).error.empty());
  EXPECT_FALSE(parseLine("   # comment", 1).command.has_value());
}

}  // namespace
}  // namespace mirl::scenario

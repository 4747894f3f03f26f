#include <gtest/gtest.h>

#include "scenario/lexer.h"

namespace mirl::scenario {
namespace {

std::vector<std::string> texts(const LexResult& r) {
  std::vector<std::string> out;
  for (const Token& t : r.tokens) out.push_back((t.isString() ? "S:" : "W:") + t.text);
  return out;
}

TEST(Lexer, SplitsWordsAndStrings) {
  LexResult r = tokenize("  expect\tfrm_Main.txt_X(3)  \"a  b\" \"\"\r");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(texts(r), (std::vector<std::string>{"W:expect", "W:frm_Main.txt_X(3)", "S:a  b", "S:"}));
}

TEST(Lexer, BlankAndCommentLinesHaveNoTokens) {
  EXPECT_TRUE(tokenize("").tokens.empty());
  EXPECT_TRUE(tokenize("   \t").tokens.empty());
  EXPECT_TRUE(tokenize("   # expect \"unclosed").tokens.empty());
  EXPECT_EQ(tokenize("   # x").error, "");
  // A '#' later in the line is part of a word or string.
  EXPECT_EQ(texts(tokenize("type x \"#1\"")), (std::vector<std::string>{"W:type", "W:x", "S:#1"}));
}

TEST(Lexer, ResolvesEveryEscape) {
  LexResult r = tokenize(R"("q\" b\\ r\r n\n t\t x\x41 \xe4\x00.")");
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.tokens.size(), 1u);
  std::string expected = "q\" b\\ r\r n\n t\t xA \xE4";
  expected += '\0';
  expected += '.';
  EXPECT_EQ(r.tokens[0].text, expected);
}

TEST(Lexer, HexEscapeIsOneByteNotACharacter) {
  LexResult r = tokenize(R"("\xFC")");
  ASSERT_EQ(r.tokens.size(), 1u);
  EXPECT_EQ(r.tokens[0].text.size(), 1u);
  EXPECT_EQ(static_cast<unsigned char>(r.tokens[0].text[0]), 0xFCu);
  // UTF-8 written directly stays as written.
  EXPECT_EQ(tokenize("\"\xC3\xBC\"").tokens[0].text, "\xC3\xBC");
}

TEST(Lexer, BackslashBeforeOtherCharactersIsKept) {
  // Registry sub-keys are written "\Size", "\Aromen\Data".
  LexResult r = tokenize(R"(registry key "\Aromen\Size")");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.tokens[2].text, "\\Aromen\\Size");
}

TEST(Lexer, ReportsBrokenLines) {
  EXPECT_NE(tokenize(R"(type x "abc)").error, "");
  EXPECT_NE(tokenize(R"(type x "abc\")").error, "");
  EXPECT_NE(tokenize(R"(type x "\x4")").error, "");
  EXPECT_NE(tokenize(R"(type x "\xG1")").error, "");
  EXPECT_NE(tokenize(R"(type x"abc")").error, "");
  EXPECT_NE(tokenize(R"(type x "abc"def)").error, "");
}

TEST(Lexer, ReadsNumbersWithCommaOrPoint) {
  EXPECT_EQ(parseNumber("12"), 12.0);
  EXPECT_EQ(parseNumber("-3"), -3.0);
  EXPECT_EQ(parseNumber("0,5"), 0.5);
  EXPECT_EQ(parseNumber("0.5"), 0.5);
  EXPECT_EQ(parseNumber("33,33"), 33.33);
  EXPECT_EQ(parseNumber("0.1"), 0.1);  // the nearest double, as the program's own reading gives
  for (const char* bad : {"", "-", ",5", "5,", "1,2,3", "1.2.3", "1e3", "+1", "12a", "0x10", " 1"}) {
    EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
  }
}

TEST(Lexer, ReadsValues) {
  auto v = [](const char* word) { return parseValue(Token{Token::Kind::Word, word}); };
  EXPECT_EQ(v("true"), rt::Value{true});
  EXPECT_EQ(v("false"), rt::Value{false});
  EXPECT_EQ(v("&H00FF00"), rt::Value{65280.0});
  EXPECT_EQ(v("&HFFFF00"), rt::Value{16776960.0});
  EXPECT_EQ(v("&H80000012"), rt::Value{2147483666.0});
  EXPECT_EQ(v("0,25"), rt::Value{0.25});
  EXPECT_FALSE(v("&H").has_value());
  EXPECT_FALSE(v("&HXYZ").has_value());
  EXPECT_FALSE(v("&H123456789").has_value());
  EXPECT_FALSE(v("True").has_value());
  EXPECT_FALSE(v("abc").has_value());
  EXPECT_EQ(parseValue(Token{Token::Kind::String, "true"}), rt::Value{std::string("true")});
}

TEST(Lexer, QuotesTextsBackInScenarioNotation) {
  EXPECT_EQ(quote("a\"b\\c\r\n\t\x01\xC3\xA4"), "\"a\\\"b\\\\c\\r\\n\\t\\x01\xC3\xA4\"");
  EXPECT_EQ(formatValue(rt::Value{0.1}), "0.1");
  EXPECT_EQ(formatValue(rt::Value{-3.0}), "-3");
  EXPECT_EQ(formatValue(rt::Value{true}), "true");
  EXPECT_EQ(formatColour(rt::Value{65280.0}), "&H00FF00");
  EXPECT_EQ(formatColour(rt::Value{2147483666.0}), "&H80000012");
  EXPECT_EQ(formatColour(rt::Value{-1.0}), "-1");
  // A value that reads back as the same double.
  EXPECT_EQ(parseNumber(formatValue(rt::Value{1.0 / 3})), 1.0 / 3);
}

}  // namespace
}  // namespace mirl::scenario

#include "runtime/codepage.h"

#include <gtest/gtest.h>

namespace cp = mirl::rt::cp1252;

TEST(Codepage, GermanLettersAndEuroSign) {
  EXPECT_EQ(cp::fromUtf8("äöüÄÖÜß€"), "\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80");
  EXPECT_EQ(cp::toUtf8("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80"), "äöüÄÖÜß€");
  EXPECT_EQ(cp::fromUtf8("Unterstütztes Format (*.ini)"), "Unterst\xFCtztes Format (*.ini)");
}

TEST(Codepage, RangeBetween80And9FUsesTheWindowsLetters) {
  const std::string utf8 = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
  const std::string bytes =
      "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
      "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";
  EXPECT_EQ(cp::fromUtf8(utf8), bytes);
  EXPECT_EQ(cp::toUtf8(bytes), utf8);
  // The five bytes without a character stand for the C1 controls.
  EXPECT_EQ(cp::toUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(cp::fromUtf8(cp::toUtf8(all)), all);
}

TEST(Codepage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(cp::fromUtf8("a\u0100b"), "a?b");               // Latin Extended-A, not in 1252
  EXPECT_EQ(cp::fromUtf8("漢字"), "??");                     // one mark per character
  EXPECT_EQ(cp::fromUtf8("x\U0001F600y"), "x?y");           // four-byte sequence
  EXPECT_EQ(cp::fromUtf8("\u00A0\u00FF"), "\xA0\xFF");      // Latin-1 part is the same
}

TEST(Codepage, InvalidUtf8BecomesOneQuestionMarkPerByte) {
  EXPECT_EQ(cp::fromUtf8("\xFF"), "?");
  EXPECT_EQ(cp::fromUtf8("a\x80z"), "a?z");           // lone continuation byte
  EXPECT_EQ(cp::fromUtf8("a\xC3"), "a?");             // cut-off sequence at the end
  EXPECT_EQ(cp::fromUtf8("\xC3x"), "?x");             // lead byte without continuation
  EXPECT_EQ(cp::fromUtf8("\xC0\xAF"), "??");          // overlong "/"
  EXPECT_EQ(cp::fromUtf8("\xED\xA0\x80"), "???");     // surrogate
  EXPECT_EQ(cp::fromUtf8("\xF4\x90\x80\x80"), "????");  // beyond U+10FFFF
  EXPECT_EQ(cp::fromUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

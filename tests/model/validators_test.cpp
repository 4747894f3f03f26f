#include "model/validators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/number.h"

namespace mirl {
namespace {

using Validator = void (*)(rt::TextBox&);

struct Named {
  const char* name;
  Validator run;
};

const std::vector<Named> kAll = {
    {"Prozent", Eingabe_Pruefen_Prozent},   {"Nikotin", Eingabe_Pruefen_Nikotin},
    {"Preis", Eingabe_Pruefen_Preis},       {"Menge", Eingabe_Pruefen_Menge},
    {"Aroma_ml", Eingabe_Pruefen_Aroma_ml},
};

// The box's text after the validator ran on the entered text.
std::string after(Validator v, const std::string& entered) {
  rt::Form f("frm_T");
  auto& t = f.add<rt::TextBox>("txt_T");
  t.setText(entered);
  v(t);
  return t.Text();
}

struct Row {
  const char* entered;
  const char* expected;
};

void expectRows(const char* name, Validator v, const std::vector<Row>& rows) {
  for (const auto& r : rows)
    EXPECT_EQ(after(v, r.entered), r.expected) << name << ": " << r.entered;
}

TEST(Validators, NonNumbersBecomeZeroInEveryValidator) {
  for (const auto& [name, run] : kAll) {
    expectRows(name, run,
               {{"", "0"},
                {"abc", "0"},
                {",", "0"},
                {".", "0"},
                {"1,2,3", "0"},
                {"   ", "0"},
                {"1.2,3", "0"}});
  }
}

TEST(Validators, Percentage) {
  expectRows("Prozent", Eingabe_Pruefen_Prozent,
             {{"12.5", "12,5"},
              {"12,5", "12,5"},
              {"12", "12"},
              {",5", "0,5"},
              {"-5", "5"},
              {"7,5 %", "7,5"},
              {"1e3", "13"},
              {"3,14159", "3,14"},
              {"100", "100"},
              {"100,01", "0"},
              {"0", "0"},
              {"0,001", "0"},
              {"  42  ", "42"},
              {"99,999", "100"},
              {"100,004", "100"},
              {"100,005", "0"},
              {"1.2345.", "1,23"},  // a number only without its last comma
              {".2;.", "0,2"},
              {",2,,", "0"}});
}

TEST(Validators, Nicotine) {
  expectRows("Nikotin", Eingabe_Pruefen_Nikotin,
             {{"18,26", "18,3"},
              {"101", "0"},
              {"100", "100"},
              {"18", "18"},
              {"0,04", "0"},
              {"0,05", "0,1"}});
}

TEST(Validators, Price) {
  expectRows("Preis", Eingabe_Pruefen_Preis,
             {{"5", "5,00"},
              {"0", "0,00"},
              {"1234,5", "1.234,50"},
              {"80000", "0"},
              {"77777", "77.777,00"},
              {"77777,01", "0"},
              {"4.99", "4,99"},
              {"-3", "3,00"},
              {"12,345 EUR", "12,35"}});
}

TEST(Validators, Amounts) {
  expectRows("Menge", Eingabe_Pruefen_Menge,
             {{"99999", "99999"},
              {"100000", "0"},
              {"99998,994", "99998,99"},
              {"99999,001", "99999"},
              {"99999,005", "0"},
              {"0", "0"},
              {"12,345", "12,35"}});
  expectRows("Aroma_ml", Eingabe_Pruefen_Aroma_ml,
             {{"9999", "9999"}, {"10000", "0"}, {"2,5", "2,5"}, {"0", "0"}});
}

TEST(Validators, NormalisedTextIsStableOnASecondPass) {
  for (const auto& [name, run] : kAll) {
    for (const char* entered : {"12,5", "3,14159", "1234,5", "77777", "0,5", "99", "18,26", "1,2345,", ",5,"}) {
      std::string once = after(run, entered);
      if (once == "0") continue;  // out of range: a price shows it as 0,00 next time
      EXPECT_EQ(after(run, once), once) << name << ": " << entered;
    }
  }
}

TEST(Validators, FlavourPriceKeepsEveryDecimalTyped) {
  expectRows("Aromapreis", checkFlavourPrice,
             {{"2.5", "2,50"}, {"0,0296", "0,0296"}, {"0,04435", "0,04435"}, {"0,0300", "0,0300"},
              {"1234.5", "1.234,50"}, {"1.234,50", "1.234,50"}, {"12.345,6789", "12.345,6789"},
              {"-3", "3,00"}, {"4,99 EUR", "4,99"}, {"-1.234,50 EUR", "1.234,50"}, {"12,", "12,00"},
              {"1.234,- €", "1.234,00"}, {"12.345,-", "12.345,00"}, {"77777", "77.777,00"}, {"77777,0001", "0,00"}, {"77777,01", "0,00"}, {"123456", "0,00"},
              {"abc", "0,00"}, {"", "0,00"}, {"1,2,3", "0,00"},
              // No digit beyond the 15th significant one, the last a number holds.
              {"1234,5678901234567", "1.234,56789012346"}, {"0,00012345678901234567", "0,000123456789012346"},
              {"0,10000000000000000", "0,100000000000000"}, {"9,99999999999999999", "10,0000000000000"},
              {"0,0000000000000000000", "0,0000000000000000000"}});
  // Counted as shown, and shown the same after the next pass.
  for (const char* entered : {"0,0296", "1234.5", "12.345,6789", "2.5", "9,99999999999999999"}) {
    const std::string shown = after(checkFlavourPrice, entered);
    EXPECT_EQ(rt::num::parse(flavourPriceText(entered)), rt::num::parse(shown)) << entered;
    EXPECT_EQ(after(checkFlavourPrice, shown), shown) << entered;
  }
  // A field as it stands counts without the range.
  EXPECT_EQ(flavourPriceText("123456,789"), "123.456,789");
}

// Whatever stands around a grouped price: blanks, a currency sign or word,
// a sign, a per-cent sign, a tab.
TEST(PriceGroupSeparator, GroupedPriceKeepsItsValue) {
  expectRows("Preis", Eingabe_Pruefen_Preis,
             {{"1234,5", "1.234,50"}, {"1.234,50", "1.234,50"}, {"77.777,00", "77.777,00"},
              {" 12.345,6 ", "12.345,60"}, {"1.234,50 €", "1.234,50"}, {"€ 1.234,50", "1.234,50"},
              {"EUR 12.345,67", "12.345,67"}, {"-1.234,50", "1.234,50"}, {"+1.234,50", "1.234,50"},
              {"1.234,50 EUR", "1.234,50"}, {"1.234,50%", "1.234,50"}, {"1.234,50\t", "1.234,50"},
              // A whole price as shops write it.
              {"1.234,-", "1.234,00"}, {"1.234,", "1.234,00"}, {"1.234,- €", "1.234,00"}, {"77.777,-", "77.777,00"},
              {"77.778,-", "0"}});
  EXPECT_EQ(Zahl_Formatieren_Preis("1.000,00"), "1.000,00");
}

TEST(PriceGroupSeparator, OtherFullStopsStayDecimalCommas) {
  // Not the grouped form: "." is a decimal comma as before.
  EXPECT_EQ(Zahl_Formatieren_Preis("1.234"), "1,23");
  EXPECT_EQ(Zahl_Formatieren_Preis("12.5"), "12,50");
  EXPECT_EQ(Zahl_Formatieren_Preis("1234.567,5"), "1234,567,5");  // four digits before the group
  EXPECT_EQ(Zahl_Formatieren_Preis("1.23,5"), "1,23,5");          // group of two digits
  EXPECT_EQ(Zahl_Formatieren_Preis("1.234 €"), "1,23");
  EXPECT_EQ(after(Eingabe_Pruefen_Preis, "1.2345,00"), "0");
}

TEST(Normalisers, TrailingCommaCutOnlyByTheTwoPatterns) {
  EXPECT_EQ(Zahl_Formatieren_2Stellen("12"), "12");
  EXPECT_EQ(Zahl_Formatieren_1Stelle("12"), "12");
  EXPECT_EQ(Zahl_Formatieren_2Stellen("0,001"), "0");
  EXPECT_EQ(Zahl_Formatieren_Preis("12"), "12,00");
  // A text that is not a number comes back filtered but unformatted.
  EXPECT_EQ(Zahl_Formatieren_2Stellen("a,b"), "");
  EXPECT_EQ(Zahl_Formatieren_2Stellen("1,2,3"), "1,2,3");
  // One that is a number once its last comma is cut is formatted.
  EXPECT_EQ(Zahl_Formatieren_2Stellen("5,,"), "5");
  EXPECT_EQ(Zahl_Formatieren_2Stellen("5,,,"), "5,,");
}

}  // namespace
}  // namespace mirl

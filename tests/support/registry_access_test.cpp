#include "support/registry_access.h"

#include <gtest/gtest.h>

#include "testkit/test_app.h"

namespace {

using mirl::HKEY_CURRENT_USER;
using mirl::RegistryVariant;

constexpr const char* kSize = "Software\\Quillfen\\MirlFumarix\\Size";
constexpr const char* kData = "Software\\Quillfen\\MirlFumarix\\Data";

class RegistryAccess : public ::testing::Test {
 protected:
  mirl::testkit::TestApp t{false};
  mirl::App& app = t.app();
};

TEST_F(RegistryAccess, CreatingAnExistingKeyGivesFalseAndKeepsItsValues) {
  EXPECT_FALSE(mirl::Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, kSize));
  EXPECT_TRUE(mirl::Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, kSize, "Anwendungsdaten"));
  EXPECT_TRUE(mirl::Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, "Software\\Quillfen"));
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "Left", std::int32_t{120}));
  EXPECT_FALSE(mirl::Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, kSize, "Anwendungsdaten"));
  RegistryVariant v;
  EXPECT_TRUE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kSize, "Left", v));
  EXPECT_EQ(v, RegistryVariant(std::int32_t{120}));
  EXPECT_EQ(app.registry().keyClass(kSize), "Anwendungsdaten");
}

TEST_F(RegistryAccess, WritingToAMissingKeyFailsAndCreatesNothing) {
  EXPECT_FALSE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kData, "ImportFilePath",
                                             std::string("/x.ini")));
  EXPECT_FALSE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kData, "x", 1.5));
  EXPECT_FALSE(mirl::Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, kData));
  EXPECT_FALSE(mirl::Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, "Software"));
}

TEST_F(RegistryAccess, EachKindOfValueIsStoredAsThePlatformWould) {
  ASSERT_TRUE(mirl::Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, kSize, "Anwendungsdaten"));
  auto& store = app.registry();
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "Left", std::int32_t{-300}));
  EXPECT_EQ(store.readValue(kSize, "Left")->type, mirl::rt::RegValue::Dword);
  EXPECT_EQ(store.readValue(kSize, "Left")->number, -300);
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "Top", std::int16_t{-7}));
  EXPECT_EQ(store.readValue(kSize, "Top")->type, mirl::rt::RegValue::Dword);
  EXPECT_EQ(store.readValue(kSize, "Top")->number, -7);
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "Maximiert", std::string("true")));
  EXPECT_EQ(store.readValue(kSize, "Maximiert")->type, mirl::rt::RegValue::Sz);
  EXPECT_EQ(store.readValue(kSize, "Maximiert")->text, "true");
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "Minimiert", false));
  EXPECT_EQ(store.readValue(kSize, "Minimiert")->text, "false");
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "B", true));
  EXPECT_EQ(store.readValue(kSize, "B")->text, "true");
  // Floating point and empty values: nothing written, still true.
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "F", 1.5));
  EXPECT_TRUE(mirl::Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, kSize, "E", RegistryVariant{}));
  EXPECT_FALSE(store.readValue(kSize, "F").has_value());
  EXPECT_FALSE(store.readValue(kSize, "E").has_value());
}

TEST_F(RegistryAccess, ReadingGivesTextAndNumbersAndLeavesTheVariantOtherwise) {
  auto& store = app.registry();
  ASSERT_TRUE(mirl::Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, kData, "Anwendungsdaten"));
  mirl::rt::RegValue expand;
  expand.type = mirl::rt::RegValue::ExpandSz;
  expand.text = "%HOME%";
  mirl::rt::RegValue binary;
  binary.type = mirl::rt::RegValue::Binary;
  binary.bytes = {1, 2, 3};
  mirl::rt::RegValue withNul;
  withNul.text = std::string("/a/b.ini\0rest", 13);
  ASSERT_TRUE(store.writeValue(kData, "Expand", expand));
  ASSERT_TRUE(store.writeValue(kData, "Binary", binary));
  ASSERT_TRUE(store.writeValue(kData, "Path", withNul));

  RegistryVariant v = std::string("unchanged");
  EXPECT_TRUE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kData, "Expand", v));
  EXPECT_EQ(v, RegistryVariant(std::string("unchanged")));
  EXPECT_TRUE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kData, "Binary", v));
  EXPECT_EQ(v, RegistryVariant(std::string("unchanged")));
  EXPECT_FALSE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kData, "Missing", v));
  EXPECT_EQ(v, RegistryVariant(std::string("unchanged")));
  EXPECT_FALSE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kSize, "Left", v));
  EXPECT_EQ(v, RegistryVariant(std::string("unchanged")));
  EXPECT_TRUE(mirl::Registry_Wert_Lesen(app, HKEY_CURRENT_USER, kData, "path", v));
  EXPECT_EQ(v, RegistryVariant(std::string("/a/b.ini")));
}

TEST_F(RegistryAccess, OnlyTheCurrentUserRootIsThere) {
  constexpr std::uint32_t kLocalMachine = 0x80000002u;
  EXPECT_FALSE(mirl::Registry_Schluessel_Erstellen(app, kLocalMachine, kSize, "Anwendungsdaten"));
  EXPECT_FALSE(mirl::Registry_Schluessel_Existiert(app, HKEY_CURRENT_USER, kSize));
  ASSERT_TRUE(mirl::Registry_Schluessel_Erstellen(app, HKEY_CURRENT_USER, kSize, "Anwendungsdaten"));
  EXPECT_FALSE(mirl::Registry_Schluessel_Existiert(app, kLocalMachine, kSize));
  EXPECT_FALSE(mirl::Registry_Wert_Schreiben(app, kLocalMachine, kSize, "Left", std::int32_t{1}));
  RegistryVariant v;
  EXPECT_FALSE(mirl::Registry_Wert_Lesen(app, kLocalMachine, kSize, "Left", v));
}

}  // namespace

#include <gtest/gtest.h>

#include "scenario/selector.h"
#include "scenario/target.h"
#include "testkit/test_app.h"

namespace mirl::scenario {
namespace {

Selector parsed(const char* text) {
  SelectorResult r = parseSelector(text);
  EXPECT_EQ(r.error, "") << text;
  return r.selector;
}

TEST(SelectorSyntax, SplitsFormControlIndexAndProperty) {
  Selector s = parsed("frm_Aromen.txt_PG(7).Text");
  EXPECT_EQ(s.form, "frm_Aromen");
  EXPECT_EQ(s.parts, (std::vector<NamePart>{{"txt_PG", 7}, {"Text", std::nullopt}}));

  s = parsed("txt_Aroma_Menge(3)");
  EXPECT_EQ(s.form, "");
  EXPECT_EQ(s.parts, (std::vector<NamePart>{{"txt_Aroma_Menge", 3}}));

  s = parsed("cbo_Preis_Live.ItemData(13)");
  EXPECT_EQ(s.parts, (std::vector<NamePart>{{"cbo_Preis_Live", std::nullopt}, {"ItemData", 13}}));

  s = parsed("frm_Main");
  EXPECT_EQ(s.form, "frm_Main");
  EXPECT_TRUE(s.parts.empty());

  s = parsed("frm_Main.Visible");
  EXPECT_EQ(s.parts, (std::vector<NamePart>{{"Visible", std::nullopt}}));
}

TEST(SelectorSyntax, RejectsMalformedNames) {
  for (const char* bad : {"", ".Text", "txt_X.", "frm_Main..txt_X", "txt_X(", "txt_X()", "txt_X(a)",
                          "txt_X(-1)", "txt_X(1)x", "a.b.c", "frm_Main.a.b.c", "txt-X"}) {
    EXPECT_NE(parseSelector(bad).error, "") << bad;
  }
}

class SelectorResolve : public ::testing::Test {
 protected:
  testkit::TestApp t{false};
  TargetResult resolved(const char* text) { return resolve(t.app(), parsed(text)); }
};

TEST_F(SelectorResolve, FindsControlsPropertiesAndWindows) {
  TargetResult r = resolved("frm_Main.btn_L.Caption");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.target.kind, Target::Kind::ControlProperty);
  EXPECT_EQ(r.target.control, t.main().btn_L);
  EXPECT_EQ(readProperty(r.target).value, rt::Value{std::string("< ")});

  r = resolved("txt_Aroma_Menge(3)");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.target.kind, Target::Kind::Control);
  EXPECT_EQ(r.target.control, t.main().aroma[3].txt_Aroma_Menge);
  EXPECT_EQ(r.target.display, "frm_Main.txt_Aroma_Menge(3)");

  r = resolved("status");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.target.control, t.main().StatusBar1);

  r = resolved("frm_Main.Caption");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.target.kind, Target::Kind::FormProperty);

  r = resolved("frm_Main.Loaded");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(readProperty(r.target).value, rt::Value{true});

  r = resolved("frm_Main");
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.target.kind, Target::Kind::Form);
}

TEST_F(SelectorResolve, ListEntriesByIndex) {
  t.main().cbo_Preis_Live->AddItem("1 ml");
  t.main().cbo_Preis_Live->setItemData(0, 1);
  EXPECT_EQ(readProperty(resolved("cbo_Preis_Live.List(0)").target).value, rt::Value{std::string("1 ml")});
  EXPECT_EQ(readProperty(resolved("cbo_Preis_Live.ItemData(0)").target).value, rt::Value{1.0});
  ReadResult outside = readProperty(resolved("cbo_Preis_Live.ItemData(1)").target);
  EXPECT_FALSE(outside.value.has_value());
  EXPECT_EQ(outside.missing, "no entry 1 (ListCount 1)");
  EXPECT_NE(resolved("cbo_Preis_Live.ItemData").error, "");
  EXPECT_NE(resolved("txt_Live_N.Text(1)").error, "");
}

TEST_F(SelectorResolve, NamesWhatDoesNotExist) {
  EXPECT_EQ(resolved("frm_Main.txt_Nope").error, "unknown control frm_Main.txt_Nope");
  EXPECT_EQ(resolved("txt_Aroma_Menge").error, "control array frm_Main.txt_Aroma_Menge needs an index");
  EXPECT_EQ(resolved("txt_Aroma_Menge(8)").error, "unknown control frm_Main.txt_Aroma_Menge(8)");
  EXPECT_EQ(resolved("btn_L(1)").error, "frm_Main.btn_L is not a control array");
  EXPECT_EQ(resolved("btn_L.Text").error, "unknown property frm_Main.btn_L.Text");
  EXPECT_EQ(resolved("frm_Foo.txt_X").error, "unknown window frm_Foo");
  // A property of the main window needs the window's name.
  EXPECT_EQ(resolved("Caption").error, "unknown control frm_Main.Caption");
}

TEST_F(SelectorResolve, WindowsNotBuiltYetAreNamed) {
  // Until the flavour and info windows exist, naming them is an error that
  // says so (and once they exist, App::hasForm knows them).
  for (const char* name : {"frm_Aromen", "frm_Info"}) {
    if (t.app().hasForm(name)) continue;
    std::string sel = std::string(name) + ".txt_PG(1)";
    EXPECT_EQ(resolved(sel.c_str()).error, std::string("window ") + name + " is not available");
  }
}

}  // namespace
}  // namespace mirl::scenario

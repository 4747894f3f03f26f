// The menu bar on screen against the menu table: display order, levels,
// German and English captions with their access keys, Ctrl shortcuts and
// separators, and the check marks as the session load sets them.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "flavours/frm_aromen.h"
#include "gui_fixture.h"

namespace mirl::gui::testing {
namespace {

struct Entry {
  int level;
  const char* name;
  const char* german;
  const char* english;
  const char* shortcut;
};

constexpr Entry kMenuTable[] = {
    {1, "mnu_Datei", "&Datei", "&File", ""},
    {2, "mnu_Datei_Oeffnen", "Oe&ffnen", "&Open", "Ctrl+O"},
    {2, "mnu_Datei_Speichern_Unter", "Speichern &unter ...", "Save &As ...", "Ctrl+S"},
    {1, "mnu_Service", "&Service", "&Service", ""},
    {2, "mnu_Service_Auto_Markierung", "Automatische Text-&Markierung bei Fokuserhalt", "Autoselect &text on focus",
     "Ctrl+T"},
    {2, "mnu_Service_Farben", "&Farbige Hintergründe erlauben", "Enable &coloured background", "Ctrl+F"},
    {2, "mnu_Service_HundertProzentN", "100% Berechnung inklusive &N --- Wissenschaftliche Berechnung",
     "Enable 100% calculating inclusive &N --- Scientific methods", "Ctrl+N"},
    {2, "mnu_Service_MsgBox", "Infoboxen (Warnhinweise) deaktivieren --- Infos nur noch in &Statusleiste sichtbar",
     "Disable messagebo&x --- Infos only in statusbar visibly", "Ctrl+W"},
    {2, "mnu_Seperator_01", "-", "-", ""},
    {2, "mnu_Service_Sprache", "&Languages / Sprachen", "&Languages / Sprachen", ""},
    {3, "mnu_Service_Sprache_Deutsch", "&German --- deutsch", "&German --- deutsch", ""},
    {3, "mnu_Service_Sprache_English", "&English --- englisch", "&English --- englisch", ""},
    {2, "mnu_Seperator_02", "-", "-", ""},
    {2, "mnu_Service_Aromenkonfiguration", "&AromenTessivane", "&AromenTessivane", "Ctrl+A"},
    {1, "mnu_Info", "&Info", "&Info", ""},
};

// One entry of the menu bar as Qt shows it.
struct Shown {
  int level;
  QAction* action;
};

void collect(const QList<QAction*>& actions, int level, std::vector<Shown>& out) {
  for (QAction* a : actions) {
    out.push_back({level, a});
    if (a->menu()) collect(a->menu()->actions(), level + 1, out);
  }
}

class MenuBarTest : public GuiTest {
 protected:
  std::vector<Shown> shown() {
    std::vector<Shown> out;
    collect(win().menuBar()->actions(), 1, out);
    return out;
  }

  // Every entry in table order, with its caption in the language given and
  // the check mark the model holds.
  void expectTable(bool english) {
    const std::vector<Shown> bar = shown();
    ASSERT_EQ(bar.size(), std::size(kMenuTable));
    for (std::size_t i = 0; i < bar.size(); ++i) {
      const Entry& e = kMenuTable[i];
      QAction* a = bar[i].action;
      SCOPED_TRACE(e.name);
      EXPECT_EQ(a->objectName().toStdString(), e.name);
      EXPECT_EQ(bar[i].level, e.level);
      const std::string caption = english ? e.english : e.german;
      if (caption == "-") {
        EXPECT_TRUE(a->isSeparator());
      } else {
        EXPECT_FALSE(a->isSeparator());
        EXPECT_EQ(a->text().toStdString(), caption);
      }
      EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromUtf8(e.shortcut)));
      const auto* m = static_cast<rt::MenuItem*>(f().find(e.name));
      ASSERT_NE(m, nullptr);
      EXPECT_EQ(a->isChecked(), m->Checked());
      EXPECT_TRUE(a->isEnabled());
      EXPECT_TRUE(a->isVisible());
    }
  }
};

TEST_F(MenuBarTest, EveryEntryAsTheTableSaysInBothLanguagesWithTheSessionsMarks) {
  expectTable(false);
  EXPECT_TRUE(win().action(f().mnu_Service_Sprache_Deutsch)->isChecked());
  EXPECT_TRUE(win().action(f().mnu_Service_Farben)->isChecked());

  // Options chosen from the menu; a shortcut from a text field toggles its
  // option, not the field's text.
  for (rt::MenuItem* m : {f().mnu_Service_Sprache_English, f().mnu_Service_MsgBox, f().mnu_Service_HundertProzentN,
                          f().mnu_Service_Farben}) {
    win().action(m)->trigger();
  }
  focus(f().txt_Berechnung_Menge);
  QTest::keyClick(w<QLineEdit>(f().txt_Berechnung_Menge), Qt::Key_T, Qt::ControlModifier);
  EXPECT_TRUE(f().mnu_Service_Auto_Markierung->Checked());
  EXPECT_EQ(f().focused(), f().txt_Berechnung_Menge);

  // The next start sets every mark from the session file.
  restart();
  expectTable(true);
  for (rt::MenuItem* m : {f().mnu_Service_Sprache_English, f().mnu_Service_MsgBox, f().mnu_Service_HundertProzentN,
                          f().mnu_Service_Auto_Markierung}) {
    EXPECT_TRUE(win().action(m)->isChecked()) << m->name();
  }
  EXPECT_FALSE(win().action(f().mnu_Service_Sprache_Deutsch)->isChecked());
  EXPECT_FALSE(win().action(f().mnu_Service_Farben)->isChecked());

  // Ctrl+A from a text field opens the flavour window over the disabled
  // main window.
  focus(f().txt_Berechnung_Menge);
  QTest::keyClick(w<QLineEdit>(f().txt_Berechnung_Menge), Qt::Key_A, Qt::ControlModifier);
  ASSERT_NE(app().loadedForm(kFlavourWindow), nullptr);
  EXPECT_TRUE(app().loadedForm(kFlavourWindow)->Visible());
  EXPECT_FALSE(f().Enabled());
}

}  // namespace
}  // namespace mirl::gui::testing

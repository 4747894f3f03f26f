// The window together with the model's behaviour: what a user does with
// mouse and keyboard and what the window then shows.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <csignal>

#include "context/app.h"
#include "gui/qt_host.h"
#include "gui/session_end.h"
#include "gui_fixture.h"
#include "model/frm_main.h"
#include "shell/session.h"
#include "support/ini_access.h"

namespace mirl::gui::testing {
namespace {

void clickBox(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, w->height() / 2)); }

class EndToEndTest : public GuiTest {
 protected:
  QString status() {
    auto* panel = win().statusBar()->findChild<QLabel*>(QStringLiteral("StatusBar1.Panel1"));
    return panel ? panel->text() : QString();
  }
  void tick(rt::CheckBox* c, bool on) {
    if ((c->Value() != 0) != on) clickBox(w<QCheckBox>(c));
    ASSERT_EQ(c->Value() != 0, on) << c->fullName();
  }
};

TEST_F(EndToEndTest, FieldIsNormalisedWhenLeft) {
  // The distilled water is ticked at the start, its composition editable.
  rt::TextBox* water = f().basis[VPG_Basis].txt_Wasser_Prozent;
  ASSERT_TRUE(water->Enabled());
  typeAndTab(water, "12.345");
  EXPECT_EQ(water->Text(), "12,35");
  EXPECT_EQ(w<QLineEdit>(water)->text(), QStringLiteral("12,35"));
  EXPECT_NE(f().focused(), water);
  // The group no longer adds up to 100: its labels turn red.
  const QColor shown = w<QLabel>(f().basis[VPG_Basis].lbl_Wasser_Prozent)->palette().color(QPalette::WindowText);
  EXPECT_TRUE(drawnRed(shown)) << shown.name().toStdString();
}

TEST_F(EndToEndTest, TickingABaseEnablesItsFields) {
  const BaseSlot& s = f().basis[PG_N_Basis];
  ASSERT_FALSE(win().widget(s.txt_mg_ml)->isEnabled());
  tick(s.chk, true);
  EXPECT_TRUE(win().widget(s.txt_mg_ml)->isEnabled());
  EXPECT_TRUE(win().widget(s.txt_PG_Prozent)->isEnabled());
  // Its group's caption is enabled and the frame drawn solid.
  EXPECT_TRUE(win().widget(f().lbl_Main_N_Basis)->isEnabled());
  EXPECT_EQ(f().lineBases[0][0]->BorderStyle(), 1);
  tick(s.chk, false);
  EXPECT_FALSE(win().widget(s.txt_mg_ml)->isEnabled());
  EXPECT_EQ(f().lineBases[0][0]->BorderStyle(), 3);
}

class SearchTest : public EndToEndTest {
 protected:
  // Four bases whose hits are the mixtures a, b, b, a of the PG and VG
  // nicotine bases and the PG and VG bases, with prices that differ by the
  // share of a and b.
  void fourBases() {
    tick(f().basis[VPG_Basis].chk, false);
    for (int s : {PG_N_Basis, VG_N_Basis, PG_Basis, VG_Basis}) tick(f().basis[s].chk, true);
    typeAndTab(f().basis[PG_N_Basis].txt_Preis_100_ml, "10");
    typeAndTab(f().txt_Berechnung_Prozent_N, "18");
    typeAndTab(f().txt_Berechnung_Prozent_PG, "50");
    typeAndTab(f().txt_Berechnung_Prozent_VG, "50");
    typeAndTab(f().txt_Berechnung_Menge, "100");
    // These bases also have a direct solution, which the button offers;
    // these tests are about the search, so the button is put into the
    // state that starts it (once it has the focus: leaving a field runs the
    // refresh, which sets the caption anew).
    focus(f().btn_Berechnung);
    f().btn_Berechnung->setCaption("Berechnen ");
  }
  QPushButton* calc() { return w<QPushButton>(f().btn_Berechnung); }
};

TEST_F(SearchTest, SearchThenPageThroughTheProposals) {
  // Coloured backgrounds on, as the session file sets them.
  app().model.Farbige_Hintergruende = true;
  fourBases();
  QTest::mouseClick(calc(), Qt::LeftButton);
  const int count = static_cast<int>(app().solver.Vorschlag_Letzter_Index) + 1;
  ASSERT_GE(count, 3);
  EXPECT_EQ(w<QLabel>(f().lbl_TopTen)->text(), QStringLiteral("Vorschlag 1 / %1").arg(count));
  EXPECT_FALSE(win().widget(f().btn_L)->isEnabled());
  EXPECT_TRUE(win().widget(f().btn_R)->isEnabled());
  EXPECT_EQ(win().focusWidget(), win().widget(f().btn_R));
  EXPECT_FALSE(win().progressBar()->isVisible());
  EXPECT_FALSE(win().binding().showsWaitCursor());
  EXPECT_TRUE(status().contains(QStringLiteral("Treffer"))) << status().toStdString();
  // The first proposal's amounts are in the (disabled, green) amount fields.
  auto amounts = [this] {
    QStringList texts;
    for (const BaseSlot& s : f().basis) texts << w<QLineEdit>(s.txt_Menge)->text();
    return texts;
  };
  int shown = 0;
  for (const BaseSlot& s : f().basis) {
    QLineEdit* amount = w<QLineEdit>(s.txt_Menge);
    if (amount->text() == QStringLiteral("0")) continue;
    ++shown;
    EXPECT_FALSE(amount->isEnabled());
    EXPECT_EQ(amount->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0));
  }
  EXPECT_GE(shown, 2);

  // The space bar on the focused paging button, then a click: two steps on.
  const QStringList first = amounts();
  QTest::keyClick(win().widget(f().btn_R), Qt::Key_Space);
  QTest::mouseClick(w<QPushButton>(f().btn_R), Qt::LeftButton);
  EXPECT_EQ(w<QLabel>(f().lbl_TopTen)->text(), QStringLiteral("Vorschlag 3 / %1").arg(count));
  EXPECT_TRUE(win().widget(f().btn_L)->isEnabled());
  QTest::mouseClick(w<QPushButton>(f().btn_L), Qt::LeftButton);
  QTest::mouseClick(w<QPushButton>(f().btn_L), Qt::LeftButton);
  EXPECT_EQ(w<QLabel>(f().lbl_TopTen)->text(), QStringLiteral("Vorschlag 1 / %1").arg(count));
  EXPECT_EQ(amounts(), first);
  EXPECT_FALSE(win().widget(f().btn_L)->isEnabled());
}

TEST_F(SearchTest, SecondClickCancelsTheRunningSearch) {
  fourBases();
  // The real message loop runs during the search, so the second click,
  // queued now, arrives while the search is busy.
  QtHost qtHost;
  app().loop().setHost(qtHost);
  bool busyDuringClick = false;
  bool barShown = false;
  bool hourglass = false;
  QString captionDuring;
  QTimer::singleShot(0, [&] {
    busyDuringClick = f().busy();
    barShown = win().progressBar()->isVisible();
    hourglass = win().binding().showsWaitCursor();
    captionDuring = calc()->text();
    // Other input is refused meanwhile.
    clickBox(w<QCheckBox>(f().basis[VPG_Basis].chk));
    QTest::mouseClick(calc(), Qt::LeftButton);
  });
  QTest::mouseClick(calc(), Qt::LeftButton);
  app().loop().setHost(host());
  EXPECT_TRUE(busyDuringClick);
  EXPECT_TRUE(barShown);
  EXPECT_TRUE(hourglass);
  EXPECT_EQ(captionDuring, QStringLiteral("Abbrechen "));
  EXPECT_EQ(f().basis[VPG_Basis].chk->Value(), 0);
  EXPECT_TRUE(status().contains(QStringLiteral("Abbruch durch Benutzer"))) << status().toStdString();
  EXPECT_FALSE(f().busy());
  EXPECT_FALSE(win().progressBar()->isVisible());
  EXPECT_FALSE(win().binding().showsWaitCursor());
  EXPECT_NE(calc()->text(), QStringLiteral("Abbrechen "));
}

TEST_F(SearchTest, ClosingDuringASearchWaitsForItsEnd) {
  // Closed by the user, then by the end of the desktop session (SIGTERM).
  for (bool bySignal : {false, true}) {
    if (bySignal) restart();
    fourBases();
    QtHost qtHost;
    app().loop().setHost(qtHost);
    SessionEnd sessionEnd(app(), qtHost);
    QApplication::processEvents();
    bool refused = false;
    QTimer::singleShot(0, [&] {
      if (bySignal) {
        // Its wake-up handled within this pass, while the search runs.
        std::raise(SIGTERM);
        QApplication::processEvents();
      } else {
        refused = !win().close();
      }
    });
    QTest::mouseClick(calc(), Qt::LeftButton);
    app().loop().setHost(host());
    EXPECT_EQ(refused, !bySignal);
    EXPECT_TRUE(app().closed()) << bySignal;
    EXPECT_FALSE(win().isVisible());
    EXPECT_FALSE(f().busy());
    EXPECT_TRUE(status().contains(QStringLiteral("Abbruch durch Benutzer"))) << status().toStdString();
    // The session saved is the state after the search.
    EXPECT_EQ(INI_Lesen(sessionFile(app()), "N-Basis-PG", "PG_N_Basis_Menge", "missing"),
              f().basis[PG_N_Basis].txt_Menge->Text());
    EXPECT_EQ(INI_Lesen(sessionFile(app()), "Berechnung", "Berechnung_Prozent_N", "missing"), "18");
  }
}

}  // namespace
}  // namespace mirl::gui::testing

// A session as the user lives it: what was set in the window, and where and
// how the window stood, are there again after closing and starting anew, also
// when the desktop session ended the program.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <csignal>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "gui/qt_host.h"
#include "gui/session_end.h"
#include "gui/windows.h"
#include "gui_fixture.h"
#include "runtime/registry_store.h"
#include "shell/application.h"
#include "shell/flavour_menu.h"
#include "shell/session.h"
#include "support/ini_access.h"
#include "support/registry_layout.h"

namespace mirl::gui::testing {
namespace {

using SessionGuiTest = GuiTest;

void paste(QLineEdit* le, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::mouseClick(le, Qt::LeftButton);
  le->selectAll();
  le->paste();
}

// A name shows what the file keeps of it: a character the file's code page
// lacks as "?" once the field is left, at most the 1023 characters a read
// gives back, however long the text pasted.
TEST_F(SessionGuiTest, WhatTheUserSetIsThereAfterClosingAndStartingAgain) {
  auto* name = w<QLineEdit>(f().txt_Berechnung_Zusammenstellung);
  paste(name, QStringLiteral("Minze ☕"));
  QTest::keyClick(name, Qt::Key_Tab);
  EXPECT_EQ(name->text(), QStringLiteral("Minze ?"));
  w<QCheckBox>(f().basis[PG_N_Basis].chk)->click();
  typeAndTab(f().basis[PG_N_Basis].txt_mg_ml, "48");
  auto* maker = w<QLineEdit>(f().basis[PG_N_Basis].txt_Hersteller);
  paste(maker, QString(1500, u'x'));
  EXPECT_EQ(f().basis[PG_N_Basis].txt_Hersteller->Text(), std::string(1023, 'x'));
  EXPECT_EQ(maker->text(), QString(1023, u'x'));
  win().action(f().mnu_Service_Sprache_English)->trigger();
  win().move(200, 120);
  QApplication::processEvents();
  EXPECT_EQ(f().Left(), 200 * 15);
  win().showMaximized();
  QApplication::processEvents();
  ASSERT_EQ(f().windowState(), rt::WindowState::Maximized);

  EXPECT_TRUE(win().close());
  EXPECT_TRUE(app().closed());
  EXPECT_FALSE(win().isVisible());
  const auto left = app().registry().readValue(reg::kMainSize, reg::kLeft);
  ASSERT_TRUE(left.has_value());
  EXPECT_EQ(left->number, 200 * 15);
  EXPECT_EQ(app().registry().readValue(reg::kMainSize, reg::kMaximised)->text, "true");

  restart();
  EXPECT_EQ(w<QLineEdit>(f().txt_Berechnung_Zusammenstellung)->text(), QStringLiteral("Minze ?"));
  EXPECT_EQ(w<QLineEdit>(f().basis[PG_N_Basis].txt_Hersteller)->text(), QString(1023, u'x'));
  EXPECT_TRUE(w<QCheckBox>(f().basis[PG_N_Basis].chk)->isChecked());
  EXPECT_EQ(w<QLineEdit>(f().basis[PG_N_Basis].txt_mg_ml)->text(), QStringLiteral("48"));
  EXPECT_EQ(w<QPushButton>(f().btn_Berechnung)->text(), QStringLiteral("Calculate "));
  EXPECT_TRUE(win().action(f().mnu_Service_Sprache_English)->isChecked());
  EXPECT_TRUE(win().isMaximized());
  win().showNormal();
  QApplication::processEvents();
  // At its place with its designed size (as far as the screen has room):
  // a scroll bar only where the screen is too small.
  EXPECT_EQ(win().geometry(), designedAt(win(), QPoint(200, 120)));
  auto* area = qobject_cast<QScrollArea*>(win().centralWidget());
  EXPECT_EQ(area->horizontalScrollBar()->isVisible(), area->widget()->width() > area->viewport()->width());
}

TEST_F(SessionGuiTest, ClosedWhileMinimisedItReopensWhereItStood) {
  win().move(200, 120);
  settle();
  win().showMinimized();
  settle();
  // Cycle after cycle, also when it was started minimised.
  for (int cycle = 0; cycle < 3; ++cycle) {
    EXPECT_TRUE(win().close());
    EXPECT_EQ(app().registry().readValue(reg::kMainSize, reg::kMinimised)->text, "true");
    EXPECT_EQ(app().registry().readValue(reg::kMainSize, reg::kLeft)->number, 200 * 15) << cycle;
    EXPECT_EQ(app().registry().readValue(reg::kMainSize, reg::kTop)->number, 120 * 15) << cycle;
    restart();
    EXPECT_TRUE(win().isMinimized()) << cycle;
  }
  win().showNormal();
  settle();
  EXPECT_EQ(win().geometry(), designedAt(win(), QPoint(200, 120)));
}

// SIGTERM while a question box waits over the flavour window with a faulty
// composition: the box closes as without a choice, the flavour window with
// its question's default (correct and close), and the program as its user
// closes it.
TEST(SessionEndTest, ClosesAsTheUserDoesWithoutWaitingForABox) {
  testkit::TempDir dir;
  QtHost host;
  Application app({&host, dir.path(), dir.path() / "registry"});
  Windows windows(app);
  app.start();
  SessionEnd sessionEnd(app, host);
  QApplication::processEvents();
  frm_Main_mnu_Service_Aromenkonfiguration_Click(app);
  FlavourWindowRow& row = app.form<FrmAromen>(kFlavourWindow).row[1];
  row.chk_Activate->setValue(1);
  row.txt_Aroma->setText("60");

  QTimer::singleShot(0, [] { std::raise(SIGTERM); });
  EXPECT_EQ(host.messageBox("Alles zurücksetzen?", rt::mb::YesNo + rt::mb::Question, "Reset"), rt::mb::No);
  // The handler that asked goes on first.
  EXPECT_FALSE(app.closed());
  EXPECT_TRUE(QTest::qWaitFor([&] { return app.closed(); }));
  EXPECT_EQ(app.loadedForm(kFlavourWindow), nullptr);
  EXPECT_FALSE(windows.window(app.main()) && windows.window(app.main())->isVisible());
  EXPECT_EQ(INI_Lesen(sessionFile(app), "Aromen", "1_Aroma_Kommentar", "").rfind("(AK) - ", 0), 0u);
  EXPECT_EQ(INI_Lesen(sessionFile(app), "Aromen", "1_chk_chk_Aroma", ""), "1");
  for (const auto& keys : {reg::kMainWindowKeys, reg::kFlavourWindowKeys}) {
    EXPECT_TRUE(app.registry().readValue(keys.size, reg::kTop).has_value()) << keys.size;
  }
}

}  // namespace
}  // namespace mirl::gui::testing

// The flavour window on screen: opened from the menu over the disabled main
// window, edited with mouse and keyboard, its checks shown, closed with its
// close button, and its rows back in the main window.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "flavours/frm_aromen.h"
#include "gui/flavour_window.h"
#include "gui/qt_host.h"
#include "gui/windows.h"
#include "gui_fixture.h"

namespace mirl::gui::testing {
namespace {

class FlavourWindowTest : public GuiTest {
 protected:
  FlavourWindowTest() : windows_(app()) {}

  FrmAromen& form() { return static_cast<FrmAromen&>(*app().loadedForm(kFlavourWindow)); }
  FlavourWindow* shown() { return dynamic_cast<FlavourWindow*>(windows_.window(form())); }
  void open() {
    win().action(f().mnu_Service_Aromenkonfiguration)->trigger();
    QApplication::processEvents();
  }
  template <class W>
  W* fw(const rt::Control* c) {
    W* widget = shown()->widgetAs<W>(c);
    EXPECT_NE(widget, nullptr) << c->fullName();
    return widget;
  }

  Windows windows_;
};

TEST_F(FlavourWindowTest, OpenEditCheckAndCloseFromTheScreen) {
  // Loaded hidden at the start-up: no window on screen yet.
  ASSERT_NE(app().loadedForm(kFlavourWindow), nullptr);
  EXPECT_EQ(shown(), nullptr);

  open();
  ASSERT_NE(shown(), nullptr);
  FlavourWindow& w = *shown();
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.isWindow());
  EXPECT_EQ(w.parentWidget(), nullptr);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("MirlAromenTessivane"));
  EXPECT_EQ(w.pos(), QPoint(form().Left() / 15, form().Top() / 15));
  for (const rt::Control* c : w.unplacedControls()) ADD_FAILURE() << c->fullName() << " has no widget";
  EXPECT_LE(w.sizeHint().width(), 1366);
  // Each row on one line.
  const FlavourWindowRow& r1 = form().row[1];
  const int line = w.widget(r1.chk_Activate)->geometry().center().y();
  for (const rt::Control* c : {static_cast<const rt::Control*>(r1.txt_Bezeichnung), static_cast<const rt::Control*>(r1.txt_S),
                               static_cast<const rt::Control*>(r1.cbo_Preis), static_cast<const rt::Control*>(r1.btn_Reset)}) {
    EXPECT_NEAR(w.widget(c)->geometry().center().y(), line, 4) << c->fullName();
  }
  // The main window takes no input meanwhile.
  EXPECT_FALSE(f().Enabled());
  QTest::mouseClick(win().widgetAs<QCheckBox>(f().aroma[1].chk_Aroma), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
  EXPECT_EQ(f().aroma[1].chk_Aroma->Value(), 0);
  EXPECT_FALSE(win().close());

  // Tick row 1 and give it 60 % flavour and 50 % PG: its labels turn red
  // with the excess as tooltip. Tab goes along the row.
  QTest::mouseClick(fw<QCheckBox>(r1.chk_Activate), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
  EXPECT_EQ(r1.chk_Activate->Value(), 1);
  typeAndTab(fw<QLineEdit>(r1.txt_Aroma), "60");
  EXPECT_EQ(form().focused(), r1.txt_N);
  typeAndTab(fw<QLineEdit>(r1.txt_PG), "50");
  EXPECT_EQ(form().focused(), r1.txt_VG);
  auto* label = fw<QLabel>(r1.lbl_PG);
  EXPECT_TRUE(drawnRed(label->palette().color(QPalette::WindowText)));
  EXPECT_EQ(label->toolTip(), QStringLiteral("10,00% zu viel"));
  const auto& order = w.binding().tabOrder();
  ASSERT_GE(order.size(), 16u);
  EXPECT_EQ(order[0], form().txt_Name);
  EXPECT_EQ(order[1], r1.chk_Activate);
  EXPECT_EQ(order[14], r1.btn_Reset);
  EXPECT_EQ(order[15], form().row[2].chk_Activate);
  EXPECT_EQ(order.back(), form().btn_Reset_All);

  // The close button asks; No keeps the window, Yes corrects and closes.
  host().queueMessageBoxAnswer(rt::mb::No);
  EXPECT_FALSE(w.close());
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(host().boxes.size(), 1u);
  host().queueMessageBoxAnswer(rt::mb::Yes);
  EXPECT_TRUE(w.close());
  QApplication::processEvents();
  EXPECT_EQ(app().loadedForm(kFlavourWindow), nullptr);
  EXPECT_TRUE(f().Enabled());
  EXPECT_TRUE(win().widgetAs<QCheckBox>(f().aroma[1].chk_Aroma)->isChecked());
  EXPECT_EQ(win().widgetAs<QLineEdit>(f().aroma[1].txt_Aroma_Kommentar)->text(), QStringLiteral("(AK) - Aroma 1"));
  EXPECT_EQ(app().flavours.Aromen_Tabelle[1].A, 100);
}

TEST_F(FlavourWindowTest, DialogsBelongToTheActiveWindowAndGiveItBack) {
  open();
  FlavourWindow& w = *shown();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  // The real boxes and dialogs, answered by the user once they are up.
  QtHost qtHost;
  qtHost.setDialogParent(&win());
  app().loop().setHost(qtHost);
  QWidget* boxOwner = nullptr;
  QWidget* dialogOwner = nullptr;
  const FlavourWindowRow& r1 = form().row[1];
  r1.txt_Bezeichnung->setText("Erdbeere");
  answerModal<QMessageBox>([&] { QTest::mouseClick(fw<QPushButton>(r1.btn_Reset), Qt::LeftButton); },
                           [&](QMessageBox& box) {
                             boxOwner = box.parentWidget();
                             box.button(QMessageBox::Yes)->click();
                           });
  EXPECT_EQ(boxOwner, &w);
  EXPECT_EQ(r1.txt_Bezeichnung->Text(), "Aroma 1");
  EXPECT_EQ(QApplication::activeWindow(), &w);

  answerModal<QFileDialog>([&] { QTest::mouseClick(fw<QPushButton>(r1.btn_Speichern), Qt::LeftButton); },
                           [&](QFileDialog& dialog) {
                             dialogOwner = dialog.parentWidget();
                             dialog.reject();
                           });
  app().loop().setHost(host());
  EXPECT_EQ(dialogOwner, &w);
  EXPECT_EQ(QApplication::activeWindow(), &w);
}

TEST_F(FlavourWindowTest, TheMainWindowGetsItsFocusBackWithKeys) {
  // Reset answered No leaves the focus on its button; neither a click into
  // the main window while the flavour window is open nor that window's
  // closing takes it away, and keys reach the button again.
  QtHost qtHost;
  qtHost.setDialogParent(&win());
  app().loop().setHost(qtHost);
  int asked = 0;
  const auto answerNo = [&asked](QMessageBox& box) {
    ++asked;
    box.button(QMessageBox::No)->click();
  };
  QPushButton* reset = win().widgetAs<QPushButton>(f().btn_Reset);
  answerModal<QMessageBox>([&] { QTest::mouseClick(reset, Qt::LeftButton); }, answerNo);
  ASSERT_EQ(asked, 1);
  ASSERT_EQ(f().focused(), f().btn_Reset);
  open();
  win().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&win()));
  ASSERT_FALSE(f().basis[PG_N_Basis].txt_mg_ml->Enabled());
  QTest::mouseClick(win().widget(f().basis[PG_N_Basis].txt_mg_ml), Qt::LeftButton);
  ASSERT_TRUE(shown()->close());
  QApplication::processEvents();
  win().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&win()));
  EXPECT_EQ(f().focused(), f().btn_Reset);
  EXPECT_EQ(QApplication::focusWidget(), reset);
  answerModal<QMessageBox>([] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); }, answerNo);
  app().loop().setHost(host());
  EXPECT_EQ(asked, 2);
}

TEST_F(FlavourWindowTest, StoredStatesOnlyWhenShownAndRestoredAtTheStoredPlace) {
  for (bool maximised : {true, false}) {
    // Loaded hidden, as at the start-up (again after the first round).
    frmAromen(app());
    const QPoint stored(form().Left() / 15, form().Top() / 15);
    ASSERT_NE(stored.y(), 0);
    // The state read at the hidden load waits for the menu.
    form().storedMaximised = maximised;
    form().storedMinimised = !maximised;
    EXPECT_EQ(shown(), nullptr);
    open();
    ASSERT_NE(shown(), nullptr);
    FlavourWindow& w = *shown();
    EXPECT_EQ(w.isMaximized(), maximised);
    EXPECT_EQ(w.isMinimized(), !maximised);
    EXPECT_EQ(form().windowState(), maximised ? rt::WindowState::Maximized : rt::WindowState::Minimized);
    // Restored by the user: its designed size at the stored place, as far
    // as the screen has room.
    w.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(form().windowState(), rt::WindowState::Normal);
    EXPECT_EQ(w.geometry(), designedAt(w, stored)) << maximised;
    ASSERT_TRUE(w.close());
    QApplication::processEvents();
  }
}

}  // namespace
}  // namespace mirl::gui::testing

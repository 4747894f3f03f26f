// A picture of the main window for the documentation, taken after a
// calculation: the amounts found in green, their prices, the live analysis
// of the mixture and the first proposal shown.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "flavours/frm_aromen.h"
#include "gui/flavour_window.h"
#include "gui/windows.h"
#include "gui_fixture.h"
#include "model/frm_main.h"
#include "shell/frm_info.h"

namespace mirl::gui::testing {
namespace {

// Saves a window's picture into the build folder under `name`, or to the
// path in the environment variable `variable`.
void savePicture(QWidget& window, const char* variable, const char* name) {
  QApplication::processEvents();
  QString path = qEnvironmentVariable(variable);
  if (path.isEmpty()) path = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absoluteFilePath(QString::fromUtf8(name));
  const QPixmap picture = window.grab();
  ASSERT_FALSE(picture.isNull());
  EXPECT_TRUE(picture.save(path)) << path.toStdString();
  EXPECT_TRUE(QFileInfo::exists(path));
}

class ScreenshotTest : public GuiTest {
 protected:
  void tick(rt::CheckBox* c, bool on) {
    QCheckBox* box = w<QCheckBox>(c);
    if ((c->Value() != 0) != on) QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    ASSERT_EQ(c->Value() != 0, on) << c->fullName();
  }
};

// Saves the window at the size it opens with on a 1366 x 768 screen into the
// build folder (screenshot.png, or the path in MIRL_SCREENSHOT).
TEST_F(ScreenshotTest, MainWindowAfterASearch) {
  // Coloured backgrounds on, through the menu (which sets mark and flag).
  QAction* colours = win().action(f().mnu_Service_Farben);
  for (int i = 0; i < 2 && !(colours->isChecked() && app().model.Farbige_Hintergruende); ++i) colours->trigger();
  ASSERT_TRUE(app().model.Farbige_Hintergruende);

  // A PG nicotine base with PG and VG bases, for 100 ml of 6 mg/ml at 50/50.
  tick(f().basis[VPG_Basis].chk, false);
  for (int s : {PG_N_Basis, PG_Basis, VG_Basis}) tick(f().basis[s].chk, true);
  typeAndTab(f().txt_Berechnung_Prozent_N, "6");
  typeAndTab(f().txt_Berechnung_Prozent_PG, "50");
  typeAndTab(f().txt_Berechnung_Prozent_VG, "50");
  typeAndTab(f().txt_Berechnung_Prozent_Wasser, "0");
  typeAndTab(f().txt_Berechnung_Prozent_Sonst, "0");
  typeAndTab(f().txt_Berechnung_Menge, "100");
  typeAndTab(f().txt_Berechnung_Zusammenstellung, "Tabak 6 mg");
  // The search, not the direct solution the button may offer for these
  // bases: it lists proposals.
  focus(f().btn_Berechnung);
  f().btn_Berechnung->setCaption("Berechnen ");
  QTest::mouseClick(w<QPushButton>(f().btn_Berechnung), Qt::LeftButton);

  const int count = static_cast<int>(app().solver.Vorschlag_Letzter_Index) + 1;
  ASSERT_TRUE(app().solver.Vorschlaege_Vorhanden);
  EXPECT_EQ(w<QLabel>(f().lbl_TopTen)->text(), QStringLiteral("Vorschlag 1 / %1").arg(count));
  for (int s : {PG_N_Basis, PG_Basis, VG_Basis}) {
    QLineEdit* amount = w<QLineEdit>(f().basis[s].txt_Menge);
    EXPECT_NE(amount->text(), QStringLiteral("0")) << s;
    EXPECT_EQ(amount->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0)) << s;
    EXPECT_NE(w<QLineEdit>(f().basis[s].txtl_Preis_Summe)->text(), QStringLiteral("0,00")) << s;
  }
  // The live panel analyses the proposal: the target's strength and amount.
  EXPECT_EQ(w<QLineEdit>(f().txt_Live_N)->text(), QStringLiteral("6"));
  EXPECT_EQ(w<QLineEdit>(f().txt_Live_Menge)->text(), QStringLiteral("100"));
  EXPECT_NE(w<QLineEdit>(f().txt_Live_Preis_Summe)->text(), QStringLiteral("0,00"));

  win().resize(win().sizeHint().boundedTo(QSize(1366, 740)));
  savePicture(win(), "MIRL_SCREENSHOT", "screenshot.png");
}

// The flavour window with three flavours, one of them not adding up
// (screenshot-flavours.png, or the path in MIRL_SCREENSHOT_FLAVOURS).
TEST_F(ScreenshotTest, FlavourWindowWithAFault) {
  Windows windows(app());
  win().action(f().mnu_Service_Aromenkonfiguration)->trigger();
  auto& form = static_cast<FrmAromen&>(*app().loadedForm(kFlavourWindow));
  auto* window = dynamic_cast<FlavourWindow*>(windows.window(form));
  ASSERT_NE(window, nullptr);
  struct Flavour {
    int row;
    const char* name;
    const char* a;
    const char* pg;
    const char* dose;
  };
  for (const Flavour& x : {Flavour{1, "Erdbeere", "20", "80", "6"}, Flavour{2, "Vanille", "15", "85", "3"},
                           Flavour{3, "Minze", "10", "80", "1,5"}}) {
    FlavourWindowRow& r = form.row[x.row];
    r.chk_Activate->setValue(1);
    r.txt_Bezeichnung->setText(x.name);
    r.txt_Aroma->setText(x.a);
    r.txt_PG->setText(x.pg);
    r.txt_Aroma_in_Basis->setText(x.dose);
  }
  form.txt_Name->setText("Sommer");
  ASSERT_TRUE(form.row[3].txt_PG->SetFocus());
  ASSERT_TRUE(form.leaveFocus());
  EXPECT_EQ(form.row[3].lbl_PG->ToolTipText(), "Es fehlen noch 10,00%");
  window->resize(window->sizeHint().boundedTo(QSize(1366, 740)));
  savePicture(*window, "MIRL_SCREENSHOT_FLAVOURS", "screenshot-flavours.png");
}

// The info window (screenshot-info.png, or the path in MIRL_SCREENSHOT_INFO).
TEST_F(ScreenshotTest, InfoWindow) {
  Windows windows(app());
  win().action(f().mnu_Info)->trigger();
  QWidget* info = windows.window(*app().loadedForm(kInfoWindow));
  ASSERT_NE(info, nullptr);
  savePicture(*info, "MIRL_SCREENSHOT_INFO", "screenshot-info.png");
}

}  // namespace
}  // namespace mirl::gui::testing

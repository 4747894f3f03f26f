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

#include "gui_fixture.h"
#include "model/frm_main.h"

namespace mirl::gui::testing {
namespace {

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
  QApplication::processEvents();
  QString path = qEnvironmentVariable("MIRL_SCREENSHOT");
  if (path.isEmpty()) path = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absoluteFilePath(QStringLiteral("screenshot.png"));
  const QPixmap picture = win().grab();
  ASSERT_FALSE(picture.isNull());
  EXPECT_TRUE(picture.save(path)) << path.toStdString();
  EXPECT_TRUE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace mirl::gui::testing

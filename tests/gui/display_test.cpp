// What the model holds is what the window shows.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "gui/line_frame.h"
#include "gui_fixture.h"
#include "model/frm_main.h"

namespace mirl::gui::testing {
namespace {

using DisplayTest = GuiTest;

TEST_F(DisplayTest, TextsCaptionsAndTooltips) {
  rt::TextBox* t = f().txt_Berechnung_Zusammenstellung;
  t->setText("Erdbeere \xC3\xA4 ");
  EXPECT_EQ(w<QLineEdit>(t)->text(), QString::fromUtf8("Erdbeere \xC3\xA4 "));
  f().lbl_Aromen->setCaption("Flavors: ");
  EXPECT_EQ(w<QLabel>(f().lbl_Aromen)->text(), QStringLiteral("Flavors: "));
  f().btn_Berechnung->setCaption("Abbrechen ");
  EXPECT_EQ(w<QPushButton>(f().btn_Berechnung)->text(), QStringLiteral("Abbrechen "));
  f().basis[0].chk->setCaption("PG - N-Base");
  EXPECT_EQ(w<QCheckBox>(f().basis[0].chk)->text(), QStringLiteral("PG - N-Base"));
  f().basis[0].lbl_PG_Prozent->setToolTipText("12 zu viel");
  EXPECT_EQ(w<QLabel>(f().basis[0].lbl_PG_Prozent)->toolTip(), QStringLiteral("12 zu viel"));
  f().mnu_Datei->setCaption("&File");
  EXPECT_EQ(win().action(f().mnu_Datei)->text(), QStringLiteral("&File"));
  f().setCaption("MirlFumarix - Test");
  EXPECT_EQ(win().windowTitle(), QStringLiteral("MirlFumarix - Test"));
  f().StatusBar1->setPanelText(1, "Berechnung nach 3 Treffern abgebrochen");
  auto* panel = win().statusBar()->findChild<QLabel*>(QStringLiteral("StatusBar1.Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->text(), QStringLiteral("Berechnung nach 3 Treffern abgebrochen"));
}

TEST_F(DisplayTest, EnabledVisibleAndSelection) {
  rt::TextBox* t = f().txt_Berechnung_Zusammenstellung;
  t->setEnabled(false);
  EXPECT_FALSE(win().widget(t)->isEnabled());
  t->setEnabled(true);
  EXPECT_TRUE(win().widget(t)->isEnabled());
  // A hidden control keeps its place in the layout.
  const QRect before = win().widget(f().btn_Reset)->geometry();
  f().btn_Reset->setVisible(false);
  QApplication::processEvents();
  EXPECT_FALSE(win().widget(f().btn_Reset)->isVisible());
  EXPECT_EQ(win().widget(f().basis[0].txt_Menge)->isVisible(), true);
  f().btn_Reset->setVisible(true);
  QApplication::processEvents();
  EXPECT_TRUE(win().widget(f().btn_Reset)->isVisible());
  EXPECT_EQ(win().widget(f().btn_Reset)->geometry(), before);
  t->setText("abcdef");
  t->setSelStart(1);
  t->setSelLength(3);
  EXPECT_EQ(w<QLineEdit>(t)->selectedText(), QStringLiteral("bcd"));
  t->setLocked(true);
  EXPECT_TRUE(w<QLineEdit>(t)->isReadOnly());
}

TEST_F(DisplayTest, TickBoxesListsAndMenuChecks) {
  rt::CheckBox* chk = f().basis[PG_N_Basis].chk;
  chk->setValueSilently(1);
  EXPECT_EQ(w<QCheckBox>(chk)->checkState(), Qt::Checked);
  chk->setValueSilently(2);
  EXPECT_EQ(w<QCheckBox>(chk)->checkState(), Qt::PartiallyChecked);
  chk->setValueSilently(0);
  EXPECT_EQ(w<QCheckBox>(chk)->checkState(), Qt::Unchecked);

  rt::ComboBox* list = f().cbo_Preis_Live;
  ASSERT_GT(list->ListCount(), 5);
  QComboBox* cb = w<QComboBox>(list);
  EXPECT_EQ(cb->count(), list->ListCount());
  for (int i = 0; i < list->ListCount(); ++i) EXPECT_EQ(cb->itemText(i).toStdString(), list->List(i));
  list->setListIndex(5);
  EXPECT_EQ(cb->currentIndex(), 5);
  list->Clear();
  EXPECT_EQ(cb->count(), 0);
  EXPECT_EQ(cb->currentIndex(), -1);
  list->AddItem("1 ml");
  EXPECT_EQ(cb->count(), 1);
  EXPECT_EQ(cb->currentIndex(), -1);

  f().mnu_Service_HundertProzentN->setChecked(true);
  EXPECT_TRUE(win().action(f().mnu_Service_HundertProzentN)->isChecked());
  f().mnu_Service_HundertProzentN->setChecked(false);
  EXPECT_FALSE(win().action(f().mnu_Service_HundertProzentN)->isChecked());
  f().mnu_Service_HundertProzentN->setEnabled(false);
  EXPECT_FALSE(win().action(f().mnu_Service_HundertProzentN)->isEnabled());
}

TEST_F(DisplayTest, BackgroundStaysInDisabledFields) {
  rt::TextBox* amount = f().basis[PG_N_Basis].txt_Menge;
  amount->setBackColor(rt::Green);
  amount->setEnabled(false);
  const QPalette pal = w<QLineEdit>(amount)->palette();
  EXPECT_EQ(pal.color(QPalette::Active, QPalette::Base), QColor(0, 255, 0));
  EXPECT_EQ(pal.color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 0));
  // The picture of the disabled field is green inside.
  const QImage picture = win().widget(amount)->grab().toImage();
  EXPECT_EQ(QColor(picture.pixel(picture.width() / 2, 3)), QColor(0, 255, 0));
  // Back to the standard colour: the palette's.
  amount->setBackColor(rt::sys::Window);
  EXPECT_EQ(w<QLineEdit>(amount)->palette().color(QPalette::Active, QPalette::Base),
            QApplication::palette(win().widget(amount)).color(QPalette::Active, QPalette::Base));
}

TEST_F(DisplayTest, RedLabelStaysReadableWhenDisabled) {
  rt::Label* l = f().basis[PG_N_Basis].lbl_PG_Prozent;
  l->setForeColor(rt::Red);
  l->setEnabled(false);
  const QColor shown = w<QLabel>(l)->palette().color(QPalette::Disabled, QPalette::WindowText);
  EXPECT_GT(shown.red(), 200);
  EXPECT_LT(shown.green(), 110);
  EXPECT_LT(shown.blue(), 110);
  // A label in the system colour looks disabled as usual.
  l->setForeColor(rt::sys::ButtonText);
  EXPECT_EQ(w<QLabel>(l)->palette().color(QPalette::Disabled, QPalette::WindowText),
            QApplication::palette(win().widget(l)).color(QPalette::Disabled, QPalette::WindowText));
}

// Share of the pixels along an edge that are drawn: 1 for a solid line,
// about a half for a dotted one, 0 for none.
double inked(FrameBox* frame, FrameBox::Edge e) {
  const QImage picture = frame->grab().toImage();
  const QLine line = frame->edgeLine(e);
  const QColor background = frame->palette().color(QPalette::Window);
  int total = 0, drawn = 0;
  const int steps = std::max(std::abs(line.dx()), std::abs(line.dy()));
  for (int i = 0; i <= steps; ++i) {
    const int x = line.x1() + (steps ? line.dx() * i / steps : 0);
    const int y = line.y1() + (steps ? line.dy() * i / steps : 0);
    ++total;
    if (QColor(picture.pixel(x, y)) != background) ++drawn;
  }
  return total ? static_cast<double>(drawn) / total : 0;
}

TEST_F(DisplayTest, GroupFramesAreDrawnFromTheLines) {
  FrameBox* frame = win().frameAromen();
  for (rt::Line* l : f().lineAromen) l->setBorderStyle(1);
  QApplication::processEvents();
  for (int e = FrameBox::Left; e <= FrameBox::Right; ++e) EXPECT_GT(inked(frame, static_cast<FrameBox::Edge>(e)), 0.95) << e;
  for (rt::Line* l : f().lineAromen) l->setBorderStyle(3);
  QApplication::processEvents();
  for (int e = FrameBox::Left; e <= FrameBox::Right; ++e) {
    const double share = inked(frame, static_cast<FrameBox::Edge>(e));
    EXPECT_GT(share, 0.3) << e;
    EXPECT_LT(share, 0.7) << e;
  }
  // Each edge is its own line: the bottom one alone hidden.
  f().lineAromen[FrameBox::Bottom]->setVisible(false);
  QApplication::processEvents();
  EXPECT_EQ(inked(frame, FrameBox::Bottom), 0);
  EXPECT_GT(inked(frame, FrameBox::Left), 0.3);
}

TEST_F(DisplayTest, ProgressBarAndHourglass) {
  QProgressBar* bar = win().progressBar();
  f().ProgressBar1->setMax(777);
  f().ProgressBar1->setValue(300);
  f().ProgressBar1->setVisible(true);
  QApplication::processEvents();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->maximum(), 777);
  EXPECT_EQ(bar->value(), 300);
  // The bar sits in the status bar, centred in its height.
  EXPECT_TRUE(win().statusBar()->isAncestorOf(bar));
  EXPECT_LE(std::abs(bar->geometry().center().y() - win().statusBar()->rect().center().y()), 2);
  f().ProgressBar1->setVisible(false);
  EXPECT_FALSE(bar->isVisible());

  QWidget* field = win().widget(f().txt_Berechnung_Menge);
  const Qt::CursorShape fieldCursor = field->cursor().shape();
  f().setMousePointer(11);
  EXPECT_EQ(win().cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(field->cursor().shape(), Qt::WaitCursor);
  EXPECT_EQ(win().widget(f().btn_Reset)->cursor().shape(), Qt::WaitCursor);
  f().setMousePointer(0);
  EXPECT_EQ(win().cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(field->cursor().shape(), fieldCursor);
}

TEST_F(DisplayTest, WindowPlacementBothWays) {
  f().setLeft(1500);
  f().setTop(750);
  EXPECT_EQ(win().pos(), QPoint(100, 50));
  win().move(200, 120);
  QApplication::processEvents();
  EXPECT_EQ(f().Left(), 3000);
  EXPECT_EQ(f().Top(), 1800);
  f().setVisible(false);
  EXPECT_FALSE(win().isVisible());
  f().setVisible(true);
  EXPECT_TRUE(win().isVisible());
}

}  // namespace
}  // namespace mirl::gui::testing

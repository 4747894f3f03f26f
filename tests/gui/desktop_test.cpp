// The program on a desktop: focus frames, small and scaled screens, dark
// themes, Qt's own texts in the program's language, the icon.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "gui/colors.h"
#include "gui/line_frame.h"
#include "gui/qt_host.h"
#include "gui/window_fit.h"
#include "gui_fixture.h"
#include "model/frm_main.h"
#include "support/language.h"

namespace mirl::gui::testing {
namespace {

using FocusFrameTest = GuiTest;

TEST_F(FocusFrameTest, FocusSetByCodeIsDrawnOnEveryKindOfControl) {
  // A tick box, an option button, a list and push buttons: Qt's style
  // draws their focus only on request, unlike a text field's.
  for (rt::Control* c : std::initializer_list<rt::Control*>{f().chk_AllAromaProzent, f().opt_Berechnungsauswahl[0],
                                                             f().cbo_Preis_Berechnung, f().btn_Berechnung,
                                                             f().btn_Reset}) {
    ASSERT_TRUE(f().txt_Berechnung_Menge->SetFocus());
    QApplication::processEvents();
    const QImage without = win().widget(c)->grab().toImage();
    ASSERT_TRUE(c->SetFocus()) << c->fullName();
    QApplication::processEvents();
    EXPECT_TRUE(win().widget(c)->hasFocus()) << c->fullName();
    EXPECT_NE(win().widget(c)->grab().toImage(), without) << c->fullName() << " shows no focus";
  }
}

// Run by ctest also on a 1920 x 1080 screen at 150 %, on a 1280 x 720 one
// and on a 2560 x 1440 one.
using WindowFitTest = GuiTest;

TEST_F(WindowFitTest, OpensWithinTheScreenAndScrollsTheGroups) {
  EXPECT_DOUBLE_EQ(win().devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
  const QRect available = win().screen()->availableGeometry();
  EXPECT_TRUE(available.contains(win().frameGeometry()));
  auto* area = qobject_cast<QScrollArea*>(win().centralWidget());
  ASSERT_NE(area, nullptr);
  QWidget* content = area->widget();
  const QSize designed = content->sizeHint();
  const QRect group = win().frameBases()->geometry();
  EXPECT_EQ(content->size(), designed);
  EXPECT_EQ(area->horizontalScrollBar()->isVisible(), designed.width() > area->viewport()->width());
  // Only too narrow on these screens: it scrolls sideways, not up and down.
  EXPECT_FALSE(area->verticalScrollBar()->isVisible());

  // Smaller than the layout: the groups keep size and place and scroll, the
  // status bar stays in sight.
  win().resize(500, 300);
  QApplication::processEvents();
  EXPECT_EQ(win().size(), QSize(500, 300));
  EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(area->verticalScrollBar()->isVisible());
  EXPECT_TRUE(win().statusBar()->isVisible() && win().rect().contains(win().statusBar()->geometry()));
  EXPECT_EQ(content->size(), designed);
  EXPECT_EQ(win().frameBases()->geometry(), group);

  // Maximised: within the screen, the groups as designed in the middle.
  win().showMaximized();
  QApplication::processEvents();
  EXPECT_TRUE(available.contains(win().frameGeometry()));
  EXPECT_EQ(content->size(), designed);
  EXPECT_EQ(win().frameBases()->geometry(), group);
  if (area->viewport()->width() > designed.width()) {
    EXPECT_LE(std::abs(2 * content->x() + designed.width() - area->viewport()->width()), 1);
  }
}

TEST_F(WindowFitTest, GrowsWhenItsTextsNeedMoreRoom) {
  auto* area = qobject_cast<QScrollArea*>(win().centralWidget());
  ASSERT_NE(area, nullptr);
  if (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()) {
    GTEST_SKIP() << "the screen is too small for the whole layout";
  }
  const QRect available = win().screen()->availableGeometry();
  const QSize before = win().size();
  // A caption longer, as after a switch to another language: the window
  // grows sideways as far as needed, and only sideways.
  rt::Label* caption = f().basis[PG_N_Basis].lbl_Hersteller;
  caption->setCaption("Hersteller oder Händler des Liquids:");
  settle();
  EXPECT_GT(win().width(), before.width());
  EXPECT_EQ(win().height(), before.height());
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(available.contains(win().frameGeometry()));
  // A window made smaller than its layout is left so.
  win().resize(before.width() - 300, before.height());
  settle();
  caption->setCaption("Hersteller oder Händler dieses Liquids:");
  settle();
  EXPECT_EQ(win().size(), QSize(before.width() - 300, before.height()));
}

TEST(FittedGeometry, ShrinksToTheAreaThenMovesIntoIt) {
  const QRect screen(0, 0, 1280, 720);
  const QMargins frame(1, 20, 1, 5);
  // Too large: the frame fills the area.
  EXPECT_EQ(fittedGeometry(QRect(40, 50, 1330, 992), frame, screen), QRect(1, 20, 1278, 695));
  // Hanging over the right and bottom edges: moved in, size kept.
  EXPECT_EQ(fittedGeometry(QRect(900, 600, 400, 300), frame, screen), QRect(879, 415, 400, 300));
  // Above and left of the area (a panel at the top): moved in.
  EXPECT_EQ(fittedGeometry(QRect(-30, 0, 400, 300), frame, QRect(0, 32, 1280, 688)), QRect(1, 52, 400, 300));
}

class ColourTest : public GuiTest {
 protected:
  // The theme as it was, and a dark one: dark backgrounds, light texts.
  const QPalette light = QApplication::palette();
  const QPalette dark = [this] {
    QPalette p = light;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      p.setColor(group, QPalette::Base, QColor(30, 30, 30));
      for (auto role : {QPalette::Window, QPalette::Button}) p.setColor(group, role, QColor(45, 45, 45));
      for (auto role : {QPalette::Text, QPalette::WindowText}) p.setColor(group, role, QColor(230, 230, 230));
    }
    return p;
  }();
};

TEST_F(ColourTest, OwnBackgroundsGetContrastingTextUnderADarkTheme) {
  QApplication::setPalette(dark);
  rt::TextBox* amount = f().basis[PG_N_Basis].txt_Menge;
  for (rt::Color back : {rt::Green, rt::Yellow, rt::Cyan}) {
    amount->setBackColor(back);
    for (bool enabled : {true, false}) {
      amount->setEnabled(enabled);
      const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
      EXPECT_LT(w<QLineEdit>(amount)->palette().color(group, QPalette::Text).lightness(), 80) << back << enabled;
    }
  }
  // A label with a background of its own, and the theme's colours where
  // the program sets none.
  rt::Label* unit = f().basis[PG_N_Basis].lbl_Menge_ml;
  unit->setBackColor(rt::Yellow);
  EXPECT_LT(w<QWidget>(unit)->palette().color(QPalette::Active, QPalette::WindowText).lightness(), 80);
  amount->setBackColor(rt::sys::Window);
  EXPECT_EQ(w<QLineEdit>(amount)->palette().color(QPalette::Active, QPalette::Text), QColor(230, 230, 230));
  QApplication::setPalette(light);
}

TEST_F(ColourTest, RedTextReadsWellOnLightAndDarkThemes) {
  rt::Label* l = f().basis[PG_N_Basis].lbl_PG_Prozent;
  for (bool onLight : {true, false}) {
    const QPalette& theme = onLight ? light : dark;
    QApplication::setPalette(theme);
    l->setForeColor(rt::sys::ButtonText);
    l->setForeColor(rt::Red);
    const QColor back = theme.color(QPalette::Active, QPalette::Window);
    const QColor shown = w<QWidget>(l)->palette().color(QPalette::Active, QPalette::WindowText);
    // Pure red reads at 3.5:1 on the light and 3.2:1 on the dark theme; it
    // is moved only as far as small text needs, and stays red.
    EXPECT_GE(contrastRatio(shown, back), 4.5) << back.name().toStdString();
    EXPECT_LT(contrastRatio(shown, back), 4.6) << back.name().toStdString();
    EXPECT_EQ(shown.hslHue(), 0);
    EXPECT_GT(shown.hslSaturation(), 200);
    // Darkened on the light theme, lightened on the dark one.
    EXPECT_EQ(shown.red() < 255, onLight) << shown.name().toStdString();
    EXPECT_EQ(shown.green() == 0, onLight) << shown.name().toStdString();
  }
  QApplication::setPalette(light);
  EXPECT_EQ(l->ForeColor(), rt::Red);  // the model's colour
  l->setForeColor(rt::sys::ButtonText);
}

// The yes and no buttons of a question box and the texts of a field's
// context menu, as the program's language switch leaves them.
QString qtTexts(QtHost& host) {
  QString texts;
  host.messageBoxHook = [&](QMessageBox& box) {
    texts = box.button(QMessageBox::Yes)->text() + QLatin1Char('|') + box.button(QMessageBox::No)->text();
    return QMessageBox::Yes;
  };
  host.messageBox("Annäherung?", rt::mb::YesNo + rt::mb::Question, "Suche");
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  for (QAction* a : menu->actions()) texts += QLatin1Char('|') + a->text();
  return texts;
}

TEST(QtTextsTest, FollowTheProgramsLanguageSwitch) {
  testkit::TempDir dir;
  QtHost host;
  Application app({&host, dir.path(), dir.path() / "registry"});
  app.start();
  EXPECT_TRUE(qtTexts(host).startsWith(QStringLiteral("&Ja|&Nein|&Rückgängig"))) << qtTexts(host).toStdString();
  Sprache_English_Laden(app);
  EXPECT_TRUE(qtTexts(host).startsWith(QStringLiteral("&Yes|&No|&Undo"))) << qtTexts(host).toStdString();
  Sprache_Deutsch_Laden(app);
  EXPECT_TRUE(qtTexts(host).startsWith(QStringLiteral("&Ja|&Nein")));
  // Every window carries the program's icon, drawn from its SVG.
  const QImage icon = QApplication::windowIcon().pixmap(64).toImage();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.pixelColor(32, 2).alpha(), 255);
  EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
}

}  // namespace
}  // namespace mirl::gui::testing

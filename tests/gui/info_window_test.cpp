// The info window on screen: opened from the menu over the disabled main
// window, its labels, closed with Escape and with its close button, and the
// main window taking input again.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>

#include "gui/info_window.h"
#include "gui/windows.h"
#include "gui_fixture.h"
#include "shell/frm_info.h"

namespace mirl::gui::testing {
namespace {

class InfoWindowTest : public GuiTest {
 protected:
  InfoWindowTest() : windows_(app()) {}

  InfoWindow* shown() {
    rt::Form* form = app().loadedForm(kInfoWindow);
    return form ? dynamic_cast<InfoWindow*>(windows_.window(*form)) : nullptr;
  }
  void open() {
    win().action(f().mnu_Info)->trigger();
    QApplication::processEvents();
  }
  QString text(rt::Label* l) { return static_cast<QLabel*>(shown()->widget(l))->text(); }

  Windows windows_;
};

TEST_F(InfoWindowTest, OpenOverTheDisabledMainWindowAndCloseByKeyAndBox) {
  EXPECT_EQ(shown(), nullptr);
  open();
  ASSERT_NE(shown(), nullptr);
  QPointer<InfoWindow> info = shown();
  auto& form = static_cast<FrmInfo&>(*app().loadedForm(kInfoWindow));
  EXPECT_TRUE(info->isVisible());
  EXPECT_TRUE(info->isWindow());
  EXPECT_EQ(info->parentWidget(), nullptr);
  EXPECT_EQ(info->windowTitle(), QStringLiteral("MirlPondrake"));
  EXPECT_EQ(info->pos(), QPoint(form.Left() / 15, form.Top() / 15));
  EXPECT_EQ(text(form.lblVersion), QStringLiteral("0.9.5"));
  // Every label shown, and room enough for them: nothing cut off.
  for (const auto& c : form.controls()) EXPECT_NE(info->widget(c.get()), nullptr) << c->fullName();
  EXPECT_GE(info->width(), info->sizeHint().width());
  EXPECT_LE(info->width(), 700);

  // The main window takes no input meanwhile and its close is refused.
  EXPECT_FALSE(f().Enabled());
  QCheckBox* pg = w<QCheckBox>(f().basis[PG_Basis].chk);
  QTest::mouseClick(pg, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
  EXPECT_EQ(f().basis[PG_Basis].chk->Value(), 0);
  EXPECT_FALSE(win().close());
  EXPECT_FALSE(app().closed());

  // Escape closes it and enables the main window.
  QTest::keyClick(info.data(), Qt::Key_Escape);
  EXPECT_EQ(app().loadedForm(kInfoWindow), nullptr);
  EXPECT_FALSE(info->isVisible());
  EXPECT_TRUE(f().Enabled());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(info.isNull());
  QTest::mouseClick(pg, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
  EXPECT_EQ(f().basis[PG_Basis].chk->Value(), 1);

  // Opened again: a new window, closed with its close button.
  open();
  ASSERT_NE(shown(), nullptr);
  EXPECT_TRUE(shown()->close());
  EXPECT_EQ(app().loadedForm(kInfoWindow), nullptr);
  EXPECT_TRUE(f().Enabled());
}

}  // namespace
}  // namespace mirl::gui::testing

// The main window's arrangement: every control has its widget, the window
// fits a 1366 x 768 screen, and a price field of either window shows every
// price it takes whole.
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>

#include "flavours/frm_aromen.h"
#include "gui/flavour_window.h"
#include "gui/line_frame.h"
#include "gui_fixture.h"
#include "model/frm_main.h"
#include "support/language.h"

namespace mirl::gui::testing {
namespace {

using LayoutTest = GuiTest;

TEST_F(LayoutTest, EveryControlHasAWidget) {
  for (const rt::Control* c : win().unplacedControls()) ADD_FAILURE() << c->fullName() << " has no widget";
  for (const auto& c : f().controls()) {
    if (c->kind() != rt::ControlKind::Menu || static_cast<rt::MenuItem&>(*c).isSeparator()) continue;
    EXPECT_NE(win().action(static_cast<rt::MenuItem*>(c.get())), nullptr) << c->fullName();
  }
}

TEST_F(LayoutTest, FitsASmallLaptopScreen) {
  // In both languages; title bar and a panel of the desktop take some of
  // the height.
  EXPECT_LE(win().sizeHint().width(), 1366);
  EXPECT_LE(win().sizeHint().height(), 768 - 60);
  Sprache_English_Laden(app());
  QApplication::processEvents();
  EXPECT_LE(win().sizeHint().width(), 1366);
  EXPECT_LE(win().sizeHint().height(), 768 - 60);
  win().resize(1366, 700);
  QApplication::processEvents();
  // Nothing overlaps: the bases' frames sit side by side, the flavours and
  // the panel below them.
  EXPECT_LE(win().frameNBases()->geometry().right(), win().frameBases()->geometry().left());
  EXPECT_LE(win().frameNBases()->geometry().bottom(), win().frameAromen()->geometry().top());
  EXPECT_LE(win().frameAromen()->geometry().right(), win().framePanel()->geometry().left());
}

TEST_F(LayoutTest, CalculationAndLiveRowsLineUp) {
  auto top = [this](const rt::Control* c) { return win().widget(c)->mapTo(&win(), QPoint(0, 0)).y(); };
  const std::pair<rt::Control*, rt::Control*> rows[] = {
      {f().txt_Berechnung_Prozent_N, f().txt_Live_N},
      {f().txt_AllAromaProzent, f().txt_Live_Aroma},
      {f().txt_Berechnung_Menge, f().txt_Live_Menge},
      {f().txt_Berechnung_Zusatzkosten, f().txt_Live_Preis_Zusatzkosten},
      {f().txt_Berechnung_Preis, f().txt_Live_Preis},
      {f().txt_Berechnung_Preis_Gesamt, f().txt_Live_Preis_Summe},
  };
  for (const auto& [calculation, live] : rows) EXPECT_EQ(top(calculation), top(live)) << live->fullName();
}

TEST_F(LayoutTest, ControlsSitInsideTheirGroupFrames) {
  auto inside = [](QWidget* w, FrameBox* frame) { return frame->isAncestorOf(w); };
  for (int s = 0; s < kBaseSlots; ++s) {
    FrameBox* frame = s < 3 ? win().frameNBases() : win().frameBases();
    EXPECT_TRUE(inside(win().widget(f().basis[s].txt_Menge), frame)) << s;
    EXPECT_TRUE(inside(win().widget(f().basis[s].chk), frame)) << s;
  }
  for (int k : kFlavourRowNumbers) EXPECT_TRUE(inside(win().widget(f().aroma[k].txt_Aroma_Menge), win().frameAromen()));
  EXPECT_EQ(win().frameNBases()->caption(), win().widget(f().lbl_Main_N_Basis));
  EXPECT_EQ(win().frameBases()->caption(), win().widget(f().lbl_Main_Basis));
  EXPECT_EQ(win().frameAromen()->caption(), win().widget(f().lbl_Aromen));
  // The caption sits in a gap of the top edge.
  FrameBox* frame = win().frameNBases();
  const QRect caption = frame->caption()->geometry();
  EXPECT_LT(frame->edgeLine(FrameBox::TopLeft).x2(), caption.left());
  EXPECT_GT(frame->edgeLine(FrameBox::TopRight).x1(), caption.right());
  EXPECT_TRUE(caption.contains(caption.center().x(), frame->edgeLine(FrameBox::TopRight).y1()));
}

// The room a line edit has for its text: its contents less the edit's own
// margin of 2 pixels on either side.
bool showsWhole(const QLineEdit& le, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(&le);
  option.rect = le.rect();
  option.lineWidth = le.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &le);
  const QRect room = le.style()->subElementRect(QStyle::SE_LineEditContents, &option, &le) - le.textMargins();
  return le.fontMetrics().horizontalAdvance(text) <= room.width() - 4;
}

TEST_F(LayoutTest, PriceFieldsShowTheHighestPriceWhole) {
  std::vector<rt::TextBox*> prices = {f().txt_Berechnung_Zusatzkosten, f().txt_Berechnung_Preis,
                                     f().txt_Berechnung_Preis_Gesamt,  f().txt_Live_Preis_Zusatzkosten,
                                     f().txt_Live_Preis,               f().txt_Live_Preis_Summe};
  for (const BaseSlot& s : f().basis) prices.insert(prices.end(), {s.txt_Preis_100_ml, s.txtl_Preis_Summe});
  FrmAromen& flavours = app().form<FrmAromen>(kFlavourWindow);
  FlavourWindow flavourWindow(app(), flavours);
  for (int k : kFlavourRowNumbers) prices.insert(prices.end(), {f().aroma[k].txt_Aroma_Preis, flavours.row[k].txt_Preis});
  for (rt::TextBox* price : prices) {
    const QWidget* w = win().widget(price);
    const auto* le = qobject_cast<const QLineEdit*>(w ? w : flavourWindow.widget(price));
    ASSERT_NE(le, nullptr) << price->fullName();
    EXPECT_TRUE(showsWhole(*le, QStringLiteral("77.777,00"))) << price->fullName() << " " << le->width();
  }
}

}  // namespace
}  // namespace mirl::gui::testing

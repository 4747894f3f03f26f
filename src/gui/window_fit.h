#pragma once
// Windows on small and scaled screens. A window's contents keep the size
// they were designed for: centred when the window is larger, scrolled when
// it is smaller. A window never opens larger than the available area of its
// screen, and its frame is kept inside that area when it is shown.
#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <optional>

namespace mirl::gui {

// Holds a window's contents at their designed size (the size their layout
// asks for) and asks for exactly that size itself, so that the window's own
// size hint is the whole layout. It takes no focus. When the contents grow
// on screen (new texts need more room) while the window shows them whole, a
// normal window grows with them, as far as its screen has room.
class DesignedArea : public QScrollArea {
 public:
  // `content` becomes the area's widget; its layout fixes its size.
  explicit DesignedArea(QWidget* content, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void growWindow(QSize before, QSize after);
};

// Where a window with the inner geometry `inner` and the frame `frame` goes
// so that the frame lies inside `available`: the size is shrunk to fit, then
// the window is moved the least distance needed.
QRect fittedGeometry(const QRect& inner, const QMargins& frame, const QRect& available);

// The frame of a top-level window as the window system reports it; nothing
// while it has reported none (before the window is shown, or without a
// window manager).
std::optional<QMargins> reportedFrame(const QWidget& window);
// The reported frame, or else an estimate: a title bar of the style's height.
QMargins frameOf(const QWidget& window);

// The size a window opens with: the one its layout asks for, and room for a
// scroll bar across where the screen is too small for the layout the other
// way (a window that scrolls sideways need not scroll up and down as well).
QSize openingSize(const QWidget& window);

// Resizes and moves a top-level window so that it lies within the available
// area of its screen. False when nothing had to change.
bool fitToScreen(QWidget& window);

}  // namespace mirl::gui

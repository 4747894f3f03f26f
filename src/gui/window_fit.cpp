#include "gui/window_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace mirl::gui {

DesignedArea::DesignedArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setAlignment(Qt::AlignCenter);
  setWidgetResizable(false);
  setWidget(content);
  // Only the form's controls take the focus: a click on a blank spot or a
  // greyed field leaves it where the form has it.
  for (QWidget* w : {static_cast<QWidget*>(this), viewport(), content}) w->setFocusPolicy(Qt::NoFocus);
  // The content is always as large as its layout asks (also after a change
  // of language or font): the groups keep their designed size.
  if (QLayout* layout = content->layout()) layout->setSizeConstraint(QLayout::SetFixedSize);
}

QSize DesignedArea::sizeHint() const {
  const int f = 2 * frameWidth();
  QSize size(f, f);
  if (widget()) size += widget()->sizeHint();
  return size;
}

bool DesignedArea::eventFilter(QObject* o, QEvent* e) {
  // Before the area itself puts up scroll bars for the new size.
  if (o == widget() && e->type() == QEvent::Resize) {
    const auto* resize = static_cast<QResizeEvent*>(e);
    growWindow(resize->oldSize(), resize->size());
  }
  return QScrollArea::eventFilter(o, e);
}

void DesignedArea::growWindow(QSize before, QSize after) {
  QWidget* w = window();
  const Qt::WindowStates other = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
  if (!before.isValid() || !w->isVisible() || (w->windowState() & other)) return;
  const QSize shown = viewport()->size();
  QSize size = w->size();
  // Only a direction in which the whole contents were in sight.
  if (shown.width() >= before.width() && after.width() > shown.width()) {
    size.rwidth() += after.width() - shown.width();
  }
  if (shown.height() >= before.height() && after.height() > shown.height()) {
    size.rheight() += after.height() - shown.height();
  }
  if (size == w->size()) return;
  w->resize(size);
  fitToScreen(*w);
}

QRect fittedGeometry(const QRect& inner, const QMargins& frame, const QRect& available) {
  const QSize room = available.size().shrunkBy(frame);
  const QSize size = inner.size().boundedTo(room).expandedTo(QSize(1, 1));
  QRect outer(inner.topLeft() - QPoint(frame.left(), frame.top()), size.grownBy(frame));
  // In from the right and bottom first, then from the left and top: the
  // top left corner, with the title bar, is the part that must be seen.
  outer.moveRight(std::min(outer.right(), available.right()));
  outer.moveBottom(std::min(outer.bottom(), available.bottom()));
  outer.moveLeft(std::max(outer.left(), available.left()));
  outer.moveTop(std::max(outer.top(), available.top()));
  return outer.marginsRemoved(frame);
}

std::optional<QMargins> reportedFrame(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  if (!handle || handle->frameMargins().isNull()) return std::nullopt;
  return handle->frameMargins();
}

QMargins frameOf(const QWidget& window) {
  if (auto frame = reportedFrame(window)) return *frame;
  if (window.windowFlags() & Qt::FramelessWindowHint) return {};
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {0, title, 0, 0};
}

namespace {

QRect availableArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

QSize openingSize(const QWidget& window) {
  QSize size = window.sizeHint();
  const QSize room = availableArea(window).size().shrunkBy(frameOf(window));
  const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
  if (size.width() > room.width()) size.rheight() += bar;
  if (size.height() > room.height()) size.rwidth() += bar;
  return size;
}

bool fitToScreen(QWidget& window) {
  const QRect available = availableArea(window);
  if (available.isEmpty()) return false;
  const QMargins frame = frameOf(window);
  const QRect inner(window.pos() + QPoint(frame.left(), frame.top()), window.size());
  const QRect fitted = fittedGeometry(inner, frame, available);
  if (fitted == inner) return false;
  window.resize(fitted.size());
  // A window's position is the one of its frame.
  window.move(fitted.topLeft() - QPoint(frame.left(), frame.top()));
  return true;
}

}  // namespace mirl::gui

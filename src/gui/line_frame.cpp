#include "gui/line_frame.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace mirl::gui {

namespace {

constexpr int kCaptionIndent = 10;  // top edge left of the caption
constexpr int kCaptionGap = 3;      // free space on both sides of the caption
constexpr int kInner = 6;           // space between the lines and the contents

bool drawn(const rt::Line* l) { return l && l->Visible() && l->BorderStyle() != 0; }

QColor lineColor(const QWidget& w) { return w.palette().color(QPalette::Active, QPalette::Dark); }

void drawEdge(QPainter& p, const QWidget& w, const rt::Line* l, const QLine& at) {
  if (!drawn(l) || at.isNull()) return;
  QPen pen(lineColor(w));
  pen.setStyle(penStyle(l->BorderStyle()));
  pen.setWidth(1);
  p.setPen(pen);
  p.drawLine(at);
}

}  // namespace

Qt::PenStyle penStyle(int borderStyle) {
  switch (borderStyle) {
    case 0:
      return Qt::NoPen;
    case 2:
      return Qt::DashLine;
    case 3:
      return Qt::DotLine;
    case 4:
      return Qt::DashDotLine;
    case 5:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

FrameBox::FrameBox(std::array<const rt::Line*, 5> lines, QWidget* parent)
    : QWidget(parent), lines_(lines), body_(new QWidget(this)) {}

void FrameBox::setCaption(QWidget* caption) {
  caption_ = caption;
  if (caption_) caption_->setParent(this);
  placeChildren();
  updateGeometry();
}

int FrameBox::captionHeight() const {
  if (caption_) return caption_->sizeHint().height();
  return fontMetrics().height();
}

QSize FrameBox::sizeHint() const {
  QSize inner = body_->sizeHint();
  int w = inner.width() + 2 * (kInner + 1);
  if (caption_) w = std::max(w, caption_->sizeHint().width() + 2 * kCaptionIndent);
  return {w, inner.height() + captionHeight() + kInner + 1};
}

QSize FrameBox::minimumSizeHint() const {
  QSize inner = body_->minimumSizeHint();
  return {inner.width() + 2 * (kInner + 1), inner.height() + captionHeight() + kInner + 1};
}

void FrameBox::placeChildren() {
  const int top = captionHeight();
  if (caption_) {
    QSize s = caption_->sizeHint();
    caption_->setGeometry(kCaptionIndent + kCaptionGap, 0, std::min(s.width(), width() - 2 * kCaptionIndent), s.height());
  }
  body_->setGeometry(kInner + 1, top, std::max(0, width() - 2 * (kInner + 1)), std::max(0, height() - top - kInner - 1));
}

QLine FrameBox::edgeLine(Edge e) const {
  const int top = captionHeight() / 2;
  const int right = width() - 1;
  const int bottom = height() - 1;
  int gapFrom = kCaptionIndent;
  int gapTo = kCaptionIndent;
  if (caption_ && caption_->isVisible()) {
    gapFrom = caption_->x() - kCaptionGap;
    gapTo = caption_->geometry().right() + kCaptionGap;
  }
  switch (e) {
    case Left:
      return {0, top, 0, bottom};
    case TopLeft:
      return {0, top, gapFrom, top};
    case TopRight:
      return {gapTo, top, right, top};
    case Bottom:
      return {0, bottom, right, bottom};
    case Right:
      return {right, top, right, bottom};
  }
  return {};
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int e = Left; e <= Right; ++e) drawEdge(p, *this, lines_[e], edgeLine(static_cast<Edge>(e)));
}

void FrameBox::resizeEvent(QResizeEvent*) { placeChildren(); }

bool FrameBox::event(QEvent* e) {
  if (e->type() == QEvent::LayoutRequest || e->type() == QEvent::FontChange) {
    placeChildren();
    updateGeometry();
  }
  return QWidget::event(e);
}

SeparatorLine::SeparatorLine(const rt::Line& line, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), line_(line), orientation_(orientation) {
  if (orientation_ == Qt::Horizontal) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  } else {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  }
}

void SeparatorLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (orientation_ == Qt::Horizontal) {
    const int y = height() / 2;
    drawEdge(p, *this, &line_, QLine(0, y, width() - 1, y));
  } else {
    const int x = width() / 2;
    drawEdge(p, *this, &line_, QLine(x, 0, x, height() - 1));
  }
}

}  // namespace mirl::gui

#pragma once
// Group frames and separators drawn from the runtime's line controls: the
// model sets each line's BorderStyle and Visible, these widgets paint what
// the lines hold.
#include <QWidget>
#include <array>

#include "runtime/control.h"

namespace mirl::gui {

// Pen style of a line's BorderStyle; Qt::NoPen for 0 (transparent).
Qt::PenStyle penStyle(int borderStyle);

// A frame of five lines around its contents, with a caption widget set into
// a gap of the top edge. Edges in the order of the model: left, the piece of
// the top edge left of the caption, the top edge right of it, bottom, right.
class FrameBox : public QWidget {
 public:
  enum Edge { Left = 0, TopLeft, TopRight, Bottom, Right };

  FrameBox(std::array<const rt::Line*, 5> lines, QWidget* parent = nullptr);

  // Places the caption in the top edge (the widget becomes a child).
  void setCaption(QWidget* caption);
  QWidget* caption() const { return caption_; }
  // The widget that holds the contents; give it a layout.
  QWidget* body() const { return body_; }

  // Where each edge is drawn, for the tests (a null line when an edge is
  // not drawn).
  QLine edgeLine(Edge e) const;
  const rt::Line* line(Edge e) const { return lines_[e]; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  bool event(QEvent* e) override;

 private:
  void placeChildren();
  int captionHeight() const;

  std::array<const rt::Line*, 5> lines_;
  QWidget* caption_ = nullptr;
  QWidget* body_;
};

// A single separator drawn from one line control.
class SeparatorLine : public QWidget {
 public:
  // The room a separator takes across its line.
  static constexpr int kThickness = 9;

  SeparatorLine(const rt::Line& line, Qt::Orientation orientation, QWidget* parent = nullptr);
  QSize sizeHint() const override {
    return orientation_ == Qt::Horizontal ? QSize(20, kThickness) : QSize(kThickness, 20);
  }
  const rt::Line& line() const { return line_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const rt::Line& line_;
  Qt::Orientation orientation_;
};

}  // namespace mirl::gui

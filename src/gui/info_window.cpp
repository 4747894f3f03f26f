#include "gui/info_window.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <utility>

#include "gui/window_fit.h"
#include "shell/frm_info.h"

namespace mirl::gui {

InfoWindow::InfoWindow(FrmInfo& form) : QWidget(nullptr, Qt::Window), form_(form), binding_(form, *this) {
  setObjectName(QStringLiteral("frm_Info"));
  auto* content = new QWidget;
  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(6);
  // Heading and text side by side; the contact lines one below the other
  // after a gap.
  const std::pair<rt::Label*, rt::Label*> lines[] = {
      {form_.Label1, form_.Label2}, {form_.Label3, form_.lblVersion}, {form_.Label8, form_.Label9},
      {form_.Label4, form_.Label5}, {nullptr, form_.Label6},          {nullptr, form_.Label7}};
  int y = 0;
  for (const auto& [heading, text] : lines) {
    if (heading == form_.Label4) grid->setRowMinimumHeight(y++, 10);
    if (heading) grid->addWidget(binding_.create(*heading, content), y, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(binding_.create(*text, content), y, 1, Qt::AlignLeft | Qt::AlignTop);
    ++y;
  }
  grid->setColumnMinimumWidth(1, 260);

  auto* all = new QVBoxLayout(this);
  all->setContentsMargins(0, 0, 0, 0);
  all->addWidget(new DesignedArea(content, this));
}

InfoWindow::~InfoWindow() = default;

void InfoWindow::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

}  // namespace mirl::gui

#include "gui/app_setup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace mirl::gui {

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("MirlFumarix"));
  QApplication::setOrganizationName(QStringLiteral("Quillfen"));
  QGuiApplication::setDesktopFileName(QStringLiteral("mirlfumarix"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/mirlfumarix.svg")));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
}

}  // namespace mirl::gui

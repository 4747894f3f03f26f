#include "gui/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "runtime/file_extension.h"

namespace mirl::gui {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QMessageBox::StandardButtons buttonsOf(int style) {
  switch (rt::mb::buttons(style)) {
    case rt::mb::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case rt::mb::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case rt::mb::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    default:
      return QMessageBox::Ok;
  }
}

// The first button is the default, as on the original platform.
QMessageBox::StandardButton defaultButtonOf(int style) {
  const int buttons = rt::mb::buttons(style);
  return buttons == rt::mb::YesNo || buttons == rt::mb::YesNoCancel ? QMessageBox::Yes : QMessageBox::Ok;
}

QMessageBox::Icon iconOf(int style) {
  switch (rt::mb::icon(style)) {
    case rt::mb::Critical:
      return QMessageBox::Critical;
    case rt::mb::Question:
      return QMessageBox::Question;
    case rt::mb::Exclamation:
      return QMessageBox::Warning;
    case rt::mb::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The folder a dialog opens in: the start path when it is a folder, the
// folder of a start file, else the nearest folder above that exists.
QString startFolder(const QString& start) {
  QFileInfo info(start);
  if (info.isDir()) return info.absoluteFilePath();
  QDir dir = info.absoluteDir();
  while (!dir.exists() && !dir.isRoot()) {
    if (!dir.cdUp()) break;
  }
  return dir.absolutePath();
}

// Widens a file dialog, once it is laid out on screen, so that its list
// shows the name, size, type and date columns whole (as far as the screen
// has room).
class ShowAllColumns : public QObject {
 public:
  explicit ShowAllColumns(QFileDialog& dialog) : QObject(&dialog), dialog_(dialog) {
    dialog.installEventFilter(this);
    // The folder's entries come in after the dialog is shown.
    for (auto* model : dialog.findChildren<QFileSystemModel*>()) {
      connect(model, &QFileSystemModel::directoryLoaded, this, &ShowAllColumns::widenSoon);
    }
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == &dialog_ && e->type() == QEvent::Show) widenSoon();
    return false;
  }

 private:
  // Once the list has laid out what it shows.
  void widenSoon() {
    QTimer::singleShot(0, this, [this] { widen(); });
  }

  void widen() {
    auto* tree = dialog_.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!tree || !tree->isVisible()) return;
    const QAbstractItemView& list = *tree;
    QHeaderView* header = tree->header();
    std::vector<int> wanted(static_cast<std::size_t>(header->count()), 0);
    int total = 0;
    for (int c = 0; c < header->count(); ++c) {
      if (header->isSectionHidden(c)) continue;
      wanted[static_cast<std::size_t>(c)] = std::max(header->sectionSizeHint(c), list.sizeHintForColumn(c));
      total += wanted[static_cast<std::size_t>(c)];
    }
    const int missing = total - tree->viewport()->width();
    if (missing > 0) {
      int width = dialog_.width() + missing;
      if (const QScreen* screen = dialog_.screen()) width = std::min(width, screen->availableGeometry().width());
      dialog_.resize(width, dialog_.height());
    }
    for (int c = 0; c < header->count(); ++c) {
      if (!header->isSectionHidden(c)) header->resizeSection(c, wanted[static_cast<std::size_t>(c)]);
    }
  }

  QFileDialog& dialog_;
};

}  // namespace

QString messageText(const std::string& prompt) {
  QString text = fromUtf8(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

int messageAnswer(int style, QMessageBox::StandardButton pressed) {
  switch (pressed) {
    case QMessageBox::Ok:
      return rt::mb::Ok;
    case QMessageBox::Cancel:
      return rt::mb::Cancel;
    case QMessageBox::Yes:
      return rt::mb::Yes;
    case QMessageBox::No:
      return rt::mb::No;
    default:
      break;
  }
  // Closed without a button: the box's cancel answer.
  switch (rt::mb::buttons(style)) {
    case rt::mb::OkCancel:
    case rt::mb::YesNoCancel:
      return rt::mb::Cancel;
    case rt::mb::YesNo:
      return rt::mb::No;
    default:
      return rt::mb::Ok;
  }
}

QString fileFilter(const std::string& description, const std::string& patterns) {
  QStringList list;
  for (const QString& p : fromUtf8(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    QString t = p.trimmed();
    if (!t.isEmpty()) list << t;
  }
  QString desc = fromUtf8(description).trimmed();
  if (list.isEmpty()) list << QStringLiteral("*");
  const QString bracket = QLatin1Char('(') + list.join(QLatin1Char(' ')) + QLatin1Char(')');
  if (desc.endsWith(bracket)) return desc;
  return desc.isEmpty() ? bracket : desc + QLatin1Char(' ') + bracket;
}

QtHost::QtHost() = default;

// The translator, when installed, removes itself as it goes.
QtHost::~QtHost() = default;

void QtHost::setLanguage(const std::string& language) {
  if (language == language_) return;
  language_ = language;
  translator_.reset();
  if (language == "en") return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(fromUtf8(language)), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

QWidget* QtHost::dialogParent() const {
  if (QWidget* active = QApplication::activeWindow()) return active;
  if (parent_ && parent_->isVisible()) return parent_;
  return nullptr;
}

namespace {

// The window a closed dialog belonged to comes to the front again (the
// window system would otherwise pick one, perhaps another of ours).
void reactivate(const QPointer<QWidget>& owner) {
  if (owner && owner->isVisible()) owner->activateWindow();
}

}  // namespace

int QtHost::messageBox(const std::string& prompt, int style, const std::string& title) {
  if (answerByDefault_) return messageAnswer(style, defaultButtonOf(style));
  const QPointer<QWidget> owner = dialogParent();
  QMessageBox box(iconOf(style), fromUtf8(title), messageText(prompt), buttonsOf(style), owner);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultButtonOf(style));
  QMessageBox::StandardButton pressed = QMessageBox::NoButton;
  if (messageBoxHook) {
    pressed = messageBoxHook(box);
  } else {
    box.exec();
    pressed = box.standardButton(box.clickedButton());
    reactivate(owner);
  }
  return messageAnswer(style, pressed);
}

namespace {

QString completedName(const QString& path, const std::string& extension) {
  return QString::fromStdString(rt::withDefaultExtension(path.toStdString(), extension));
}

// A save dialog asks before it overwrites the name the program completes
// (with the kind's extension, "Dr. Pepper" to "Dr. Pepper.ini"), not the
// name as typed, which Qt's own question would be about: that one is off,
// and the same question, in Qt's words and translation, is asked here.
class CompletingFileDialog : public QFileDialog {
 public:
  CompletingFileDialog(QWidget* parent, const QString& title, std::string extension)
      : QFileDialog(parent, title), extension_(std::move(extension)) {}

  void accept() override {
    const QStringList files = selectedFiles();
    if (acceptMode() == AcceptSave && files.size() == 1 && !QFileInfo(files.constFirst()).isDir()) {
      const QFileInfo target(completedName(files.constFirst(), extension_));
      if (target.exists() && !replaceAllowed(target.fileName())) return;
    }
    QFileDialog::accept();
  }

 private:
  bool replaceAllowed(const QString& name) {
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }

  std::string extension_;
};

}  // namespace

std::string QtHost::fileDialog(const rt::FileDialogRequest& request) {
  if (answerByDefault_) return {};
  const bool save = request.kind == rt::FileDialogRequest::Kind::Save;
  const QPointer<QWidget> owner = dialogParent();
  CompletingFileDialog dialog(owner, fromUtf8(request.title), save ? request.defaultExtension : std::string());
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setViewMode(QFileDialog::Detail);
  new ShowAllColumns(dialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // The question about overwriting is the dialog's own (see above).
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  QStringList filters;
  for (const auto& [description, patterns] : request.filters) filters << fileFilter(description, patterns);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);

  const QString start = fromUtf8(request.startPath).trimmed();
  if (!start.isEmpty()) dialog.setDirectory(startFolder(start));
  if (save) {
    dialog.selectFile(fromUtf8(request.proposedName));
  } else if (!start.isEmpty() && QFileInfo(start).isFile()) {
    dialog.selectFile(QFileInfo(start).fileName());
  }

  QString chosen;
  if (fileDialogHook) {
    chosen = fileDialogHook(dialog);
  } else {
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) chosen = dialog.selectedFiles().constFirst();
    reactivate(owner);
  }
  if (chosen.isEmpty()) return {};
  if (save) chosen = completedName(chosen, request.defaultExtension);
  return QFileInfo(chosen).absoluteFilePath().toStdString();
}

void QtHost::processEvents() {
  if (++passCounter_ % kPassesPerClockCheck != 0) return;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPass_ < kMinInterval) return;
  lastPass_ = now;
  ++realPasses_;
  QApplication::processEvents(QEventLoop::AllEvents);
  if (onRealPass) onRealPass(now, std::chrono::steady_clock::now());
}

}  // namespace mirl::gui

// The Qt host: message boxes, file dialogs and the message-loop pass.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <chrono>
#include <functional>
#include <map>

#include "gui/display_check.h"
#include "gui/qt_host.h"
#include "gui_fixture.h"

namespace mirl::gui {
namespace {

TEST(QtHostMessageBox, StyleTitleAndLineBreaks) {
  QtHost host;
  QMessageBox::StandardButtons buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text, title;
  host.messageBoxHook = [&](QMessageBox& box) {
    buttons = box.standardButtons();
    icon = box.icon();
    text = box.text();
    title = box.windowTitle();
    return QMessageBox::No;
  };
  EXPECT_EQ(host.messageBox("Erste Zeile\r\nZweite \xC3\xA4", rt::mb::YesNo + rt::mb::Question, "Frage"), rt::mb::No);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(text, QString::fromUtf8("Erste Zeile\nZweite \xC3\xA4"));
  EXPECT_EQ(title, QStringLiteral("Frage"));

  host.messageBoxHook = [&](QMessageBox& box) {
    buttons = box.standardButtons();
    icon = box.icon();
    return QMessageBox::Cancel;
  };
  EXPECT_EQ(host.messageBox("x", rt::mb::OkCancel + rt::mb::Exclamation, "t"), rt::mb::Cancel);
  EXPECT_EQ(buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(host.messageBox("x", rt::mb::OkOnly + rt::mb::Critical, "t"), rt::mb::Cancel);
  EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(icon, QMessageBox::Critical);
  host.messageBox("x", rt::mb::Information, "t");
  EXPECT_EQ(icon, QMessageBox::Information);
}

TEST(QtHostMessageBox, AnswersMapToTheRuntimesCodes) {
  EXPECT_EQ(messageAnswer(rt::mb::OkOnly, QMessageBox::Ok), rt::mb::Ok);
  EXPECT_EQ(messageAnswer(rt::mb::OkCancel, QMessageBox::Cancel), rt::mb::Cancel);
  EXPECT_EQ(messageAnswer(rt::mb::YesNo, QMessageBox::Yes), rt::mb::Yes);
  EXPECT_EQ(messageAnswer(rt::mb::YesNo, QMessageBox::No), rt::mb::No);
  // Closed without a button: the box's way out.
  EXPECT_EQ(messageAnswer(rt::mb::OkOnly, QMessageBox::NoButton), rt::mb::Ok);
  EXPECT_EQ(messageAnswer(rt::mb::OkCancel, QMessageBox::NoButton), rt::mb::Cancel);
  EXPECT_EQ(messageAnswer(rt::mb::YesNo, QMessageBox::NoButton), rt::mb::No);
  EXPECT_EQ(messageText("a\rb\nc\r\nd"), QStringLiteral("a\nb\nc\nd"));
}

TEST(QtHostMessageBox, ShownModallyAndAnsweredByAClick) {
  QtHost host;
  QString shown;
  int answer = 0;
  testing::answerModal<QMessageBox>([&] { answer = host.messageBox("Annäherung?", rt::mb::YesNo, "Suche"); },
                                    [&](QMessageBox& box) {
                                      shown = box.text();
                                      box.button(QMessageBox::Yes)->click();
                                    });
  EXPECT_EQ(answer, rt::mb::Yes);
  EXPECT_EQ(shown, QStringLiteral("Annäherung?"));
}

TEST(QtHostFileDialog, FiltersStartFolderAndName) {
  // The dialog's settings (QtProject.conf, a hidden column) are the run's
  // own home's, never the user's.
  const QString ownHome = QStringLiteral(MIRL_OWN_HOME_FOLDER "/");
  EXPECT_TRUE(QDir::homePath().startsWith(ownHome)) << "run through tests/with-own-home";
  EXPECT_TRUE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).startsWith(ownHome));
  EXPECT_EQ(fileFilter("Unterst\xC3\xBCtztes Format (*.ini)", "*.ini;"), QString::fromUtf8("Unterst\xC3\xBCtztes Format (*.ini)"));
  EXPECT_EQ(fileFilter("Aromen", "*.a;*.b"), QStringLiteral("Aromen (*.a *.b)"));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkdir(QStringLiteral("Kochbuch"));
  const QString last = dir.filePath(QStringLiteral("Kochbuch/Erdbeere.ini"));
  QFile file(last);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QtHost host;
  QFileDialog::AcceptMode mode{};
  QFileDialog::FileMode fileMode{};
  QString folder, selected, title;
  QStringList filters;
  host.fileDialogHook = [&](QFileDialog& d) {
    mode = d.acceptMode();
    fileMode = d.fileMode();
    folder = d.directory().absolutePath();
    const QStringList files = d.selectedFiles();
    selected = files.isEmpty() ? QString() : QFileInfo(files.first()).fileName();
    title = d.windowTitle();
    filters = d.nameFilters();
    return last;
  };

  rt::FileDialogRequest open;
  open.kind = rt::FileDialogRequest::Kind::Open;
  open.title = "\xC3\x96" "ffnen";
  open.filters = {{"Unterst\xC3\xBCtztes Format (*.ini)", "*.ini;"}};
  open.startPath = last.toStdString();
  EXPECT_EQ(host.fileDialog(open), last.toStdString());
  EXPECT_EQ(mode, QFileDialog::AcceptOpen);
  EXPECT_EQ(fileMode, QFileDialog::ExistingFile);
  // A start path that is a file: its folder, with the file selected.
  EXPECT_EQ(folder, QFileInfo(last).absolutePath());
  EXPECT_EQ(selected, QStringLiteral("Erdbeere.ini"));
  EXPECT_EQ(title, QString::fromUtf8("\xC3\x96" "ffnen"));
  EXPECT_EQ(filters, QStringList{QString::fromUtf8("Unterst\xC3\xBCtztes Format (*.ini)")});

  rt::FileDialogRequest save;
  save.kind = rt::FileDialogRequest::Kind::Save;
  save.title = "Speichern";
  save.filters = {{"Initialitionsdatei (*.ini)", "*.ini;"}};
  save.startPath = dir.filePath(QStringLiteral("Kochbuch")).toStdString();
  save.proposedName = "Mein Rezept";
  save.defaultExtension = "ini";
  host.fileDialog(save);
  EXPECT_EQ(mode, QFileDialog::AcceptSave);
  EXPECT_EQ(fileMode, QFileDialog::AnyFile);
  EXPECT_EQ(folder, dir.filePath(QStringLiteral("Kochbuch")));
  EXPECT_EQ(selected, QStringLiteral("Mein Rezept"));

  // A folder that does not exist yet: the nearest one above it.
  save.startPath = dir.filePath(QStringLiteral("Aromen/neu")).toStdString();
  host.fileDialog(save);
  EXPECT_EQ(folder, QDir(dir.path()).absolutePath());

  host.fileDialogHook = [](QFileDialog&) { return QString(); };
  EXPECT_EQ(host.fileDialog(save), "");

  // On screen, once the folder is read, the list shows every column whole:
  // a long name, the size, the type and the date.
  const QString longName = dir.filePath(QStringLiteral("Kochbuch/placement-of-a-rather-long-recipe-name.ini"));
  ASSERT_TRUE(QFile(longName).open(QIODevice::WriteOnly));
  int columns = 0;
  host.fileDialogHook = [&](QFileDialog& d) {
    d.show();
    auto* list = d.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list) return QString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 2; }, 5000));
    QTest::qWait(50);
    const QAbstractItemView* view = list;
    for (int c = 0; c < list->header()->count(); ++c) {
      if (list->header()->isSectionHidden(c)) continue;
      ++columns;
      EXPECT_GE(list->header()->sectionSize(c), view->sizeHintForColumn(c)) << "column " << c;
    }
    EXPECT_GE(list->viewport()->width(), list->header()->length());
    d.hide();
    return QString();
  };
  host.fileDialog(open);
  EXPECT_EQ(columns, 4);
}

// The name typed is completed by the kind's extension ("Dr. Pepper.MirlAroma")
// and the overwrite question, in the program's language, is about that file
// (not the name as typed); No leaves the dialog open.
TEST(QtHostFileDialog, AsksAboutOverwritingTheCompletedName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"Dr. Pepper.MirlAroma", "Erdbeer 6.5mg"})
    ASSERT_TRUE(QFile(dir.filePath(QString::fromUtf8(name))).open(QIODevice::WriteOnly));
  QtHost host;
  host.setLanguage("de");
  rt::FileDialogRequest save;
  save.kind = rt::FileDialogRequest::Kind::Save;
  save.title = "Speichern";
  save.filters = {{"MirlAromazusammenstellungs-Datei (*.MirlAroma)", "*.MirlAroma;"}};
  save.startPath = dir.path().toStdString();
  save.defaultExtension = "MirlAroma";

  // Enter in the name box, as the user saves, with `button` answering the
  // question that may come.
  QStringList questions;
  auto saveTyped = [&questions](QFileDialog& d, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&questions, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      questions << box->text();
      box->button(button)->click();
    });
    QTest::keyClick(d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), Qt::Key_Return);
  };
  auto onDialog = [](std::function<void(QFileDialog&)> act) {
    QTimer::singleShot(0, [act] {
      if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) act(*d);
    });
  };
  bool openAfterNo = false;
  onDialog([&](QFileDialog& d) {
    saveTyped(d, QMessageBox::No);
    openAfterNo = d.isVisible();
    saveTyped(d, QMessageBox::Yes);
  });
  save.proposedName = "Dr. Pepper";
  EXPECT_EQ(host.fileDialog(save), dir.filePath(QStringLiteral("Dr. Pepper.MirlAroma")).toStdString());
  EXPECT_TRUE(openAfterNo);
  ASSERT_EQ(questions.size(), 2);
  for (const QString& question : questions) {
    EXPECT_EQ(question.toStdString(), "Die Datei Dr. Pepper.MirlAroma existiert bereits.\nSoll sie \xC3\xBC" "berschrieben werden?");
  }

  onDialog([&](QFileDialog& d) { saveTyped(d, QMessageBox::No); });
  save.proposedName = "Erdbeer 6.5mg";
  EXPECT_EQ(host.fileDialog(save), dir.filePath(QStringLiteral("Erdbeer 6.5mg.MirlAroma")).toStdString());
  QApplication::processEvents();
  EXPECT_EQ(questions.size(), 2);
}

TEST(QtHostLoop, HandlesEventsAtMostEveryTenMilliseconds) {
  QtHost host;
  int delivered = 0;
  QTimer::singleShot(0, [&] { ++delivered; });
  // Two million passes, as a long search makes, stay cheap.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 2000000; ++i) host.processEvents();
  const auto spent = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(delivered, 1);
  EXPECT_GE(host.realPasses(), 1u);
  EXPECT_LE(host.realPasses(), static_cast<std::uint64_t>(spent / QtHost::kMinInterval) + 1);
  EXPECT_LT(spent, std::chrono::seconds(2));
}

TEST(DisplayCheck, NeedsADisplayOrAChosenPlatform) {
  auto env = [](std::map<std::string, std::string> vars) {
    return [vars](const char* name) -> std::optional<std::string> {
      auto it = vars.find(name);
      if (it == vars.end()) return std::nullopt;
      return it->second;
    };
  };
  EXPECT_FALSE(missingDisplay(env({{"DISPLAY", ":0"}})));
  EXPECT_FALSE(missingDisplay(env({{"WAYLAND_DISPLAY", "wayland-0"}})));
  EXPECT_FALSE(missingDisplay(env({{"QT_QPA_PLATFORM", "offscreen"}})));
  auto message = missingDisplay(env({{"DISPLAY", ""}}));
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("xvfb-run make run"), std::string::npos);
  EXPECT_NE(message->find("xvfb-run ./mirlfumarix"), std::string::npos);
  EXPECT_EQ(message->find('\n'), std::string::npos);
}

}  // namespace
}  // namespace mirl::gui

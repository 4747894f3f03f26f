// A window's life: loaded hidden on first access, shown with a Qt window of
// its own, unloaded back to its design values with its window gone, loaded
// again; the main window made by the same factory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>
#include <stdexcept>

#include "context/app.h"
#include "gui/form_binding.h"
#include "gui/main_window.h"
#include "gui/windows.h"
#include "testkit/test_app.h"

namespace mirl::gui::testing {
namespace {

// A second window with one control of each kind that keeps state.
struct ProbeForm : rt::Form {
  ProbeForm() : rt::Form("frm_Probe") {
    setCaption("Probe");
    setLeft(300);
    txt = &add<rt::TextBox>("txt_Name");
    txt->setText("Design");
    chk = &add<rt::CheckBox>("chk_An");
    chk->setCaption("An");
    list = &add<rt::ComboBox>("cbo_Menge");
    list->AddItem("1 ml");
    list->setItemData(0, 1);
    btn = &add<rt::CommandButton>("btn_OK");
    btn->setCaption("OK");
  }
  rt::TextBox* txt;
  rt::CheckBox* chk;
  rt::ComboBox* list;
  rt::CommandButton* btn;
};

class ProbeWindow : public QWidget {
 public:
  explicit ProbeWindow(rt::Form& form) : binding_(form, *this) {
    auto* layout = new QVBoxLayout(this);
    for (const auto& c : form.controls()) layout->addWidget(binding_.create(*c, this));
  }
  FormBinding& binding() { return binding_; }

 private:
  FormBinding binding_;
};

class LifecycleTest : public ::testing::Test {
 protected:
  LifecycleTest() : t_(false), windows_(t_.app()) {
    auto form = std::make_unique<ProbeForm>();
    probe_ = form.get();
    app().addForm(std::move(form));
    windows_.add("frm_Probe", [](App&, rt::Form& f) { return std::make_unique<ProbeWindow>(f); });
    probe_->onLoad = [this] { ++loads; };
    probe_->onUnload = [this](int& cancel) {
      ++unloads;
      cancel = cancelUnload;
    };
    probe_->chk->onClick = [this] { ++clicks; };
  }

  App& app() { return t_.app(); }
  ProbeWindow* shown() { return static_cast<ProbeWindow*>(windows_.window(*probe_)); }

  testkit::TestApp t_;
  Windows windows_;
  ProbeForm* probe_ = nullptr;
  int loads = 0, unloads = 0, clicks = 0;
  int cancelUnload = 0;
};

TEST_F(LifecycleTest, MainWindowIsMadeWhenTheStartUpShowsIt) {
  EXPECT_EQ(windows_.window(app().main()), nullptr);
  app().start();
  auto* main = dynamic_cast<MainWindow*>(windows_.window(app().main()));
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->widgetAs<QLineEdit>(app().main().txt_Berechnung_Menge)->text().toStdString(),
            app().main().txt_Berechnung_Menge->Text());
}

TEST_F(LifecycleTest, UnloadPutsTheDesignBackAndDropsTheWindow) {
  // First access loads the window hidden: no Qt window yet.
  EXPECT_FALSE(probe_->loaded());
  EXPECT_EQ(app().loadedForm("frm_Probe"), nullptr);
  ASSERT_EQ(app().findForm("frm_Probe"), probe_);
  EXPECT_TRUE(probe_->loaded());
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(shown(), nullptr);

  // Changed while loaded, then shown: the window shows the changes.
  probe_->txt->setText("Anders");
  probe_->chk->setValue(1);
  probe_->list->AddItem("5 ml");
  probe_->list->setItemData(1, 5);
  probe_->list->setListIndex(1);
  probe_->btn->setEnabled(false);
  probe_->btn->setToolTipText("Tipp");
  probe_->setCaption("Geändert");
  probe_->setLeft(900);
  probe_->setMousePointer(rt::pointer::Hourglass);
  probe_->setVisible(true);
  ASSERT_NE(shown(), nullptr);
  QPointer<QWidget> first = shown();
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(shown()->binding().widgetAs<QLineEdit>(probe_->txt)->text(), QStringLiteral("Anders"));
  ASSERT_TRUE(probe_->txt->SetFocus());
  probe_->setBusy(probe_->btn);
  const int clicksBefore = clicks;

  // A cancelling Unload keeps everything.
  cancelUnload = 1;
  EXPECT_FALSE(app().closeForm("frm_Probe"));
  EXPECT_TRUE(probe_->loaded());
  EXPECT_EQ(shown(), first.data());
  EXPECT_EQ(probe_->txt->Text(), "Anders");

  // The user's close button: unloaded, design values back without events,
  // the window hidden at once and deleted by the event loop.
  cancelUnload = 0;
  EXPECT_TRUE(first->close());
  EXPECT_EQ(unloads, 2);
  EXPECT_FALSE(probe_->loaded());
  EXPECT_EQ(app().loadedForm("frm_Probe"), nullptr);
  EXPECT_EQ(shown(), nullptr);
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(probe_->observer(), nullptr);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  EXPECT_EQ(probe_->txt->Text(), "Design");
  EXPECT_EQ(probe_->chk->Value(), 0);
  EXPECT_EQ(clicks, clicksBefore);
  EXPECT_EQ(probe_->list->ListCount(), 1);
  EXPECT_EQ(probe_->list->ListIndex(), -1);
  EXPECT_EQ(probe_->list->ItemData(0), 1);
  EXPECT_TRUE(probe_->btn->Enabled());
  EXPECT_EQ(probe_->btn->ToolTipText(), "");
  EXPECT_EQ(probe_->Caption(), "Probe");
  EXPECT_EQ(probe_->Left(), 300);
  EXPECT_FALSE(probe_->Visible());
  EXPECT_EQ(probe_->MousePointer(), rt::pointer::Default);
  EXPECT_EQ(probe_->focused(), nullptr);
  EXPECT_FALSE(probe_->busy());

  // Loaded again by touching it: the handlers are still wired, and wiring
  // one twice is refused.
  app().form<ProbeForm>("frm_Probe").chk->setValue(1);
  EXPECT_EQ(loads, 2);
  EXPECT_EQ(clicks, clicksBefore + 1);
  EXPECT_THROW(probe_->chk->onClick = [] {}, std::logic_error);
  probe_->setVisible(true);
  ASSERT_NE(shown(), nullptr);
  EXPECT_EQ(shown()->binding().widgetAs<QLineEdit>(probe_->txt)->text(), QStringLiteral("Design"));
  EXPECT_TRUE(shown()->binding().widgetAs<QCheckBox>(probe_->chk)->isChecked());
  EXPECT_EQ(shown()->binding().widgetAs<QComboBox>(probe_->list)->count(), 1);
}

}  // namespace
}  // namespace mirl::gui::testing

#include "gui/flavour_window.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "gui/layout_builder.h"
#include "gui/window_fit.h"

namespace mirl::gui {

namespace {

// Grid columns of a row, left to right.
enum Column {
  kTick = 0,
  kNameLabel,
  kName,
  kComposition,                 // six pairs of field and unit
  kDose = kComposition + 12,    // field and unit
  kPriceLabel = kDose + 2,
  kPrice,
  kEuro,
  kPriceList,
  kLoad,
  kSave,
  kReset,
  kColumns
};

// A button just wide enough for its caption.
QWidget* compact(QWidget* button) {
  const auto* b = static_cast<QPushButton*>(button);
  button->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 18);
  return button;
}

// A field and the label after it.
void pair(LayoutBuilder& b, QGridLayout* g, int y, int x, rt::TextBox* field, rt::Label* unit, int chars) {
  g->addWidget(b.field(field, chars), y, x);
  g->addWidget(b.put(unit), y, x + 1);
}

void addRow(LayoutBuilder& b, QGridLayout* g, FlavourWindowRow& r, int y) {
  g->addWidget(b.put(r.chk_Activate), y, kTick);
  g->addWidget(b.put(r.lbl_Bezeichnung), y, kNameLabel);
  // The name gives up its preferred width, so that the row with the whole
  // price fits a 1366 pixel screen; it grows with the window.
  QWidget* name = b.wide(r.txt_Bezeichnung, 12);
  name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  g->addWidget(name, y, kName);
  const auto fields = r.composition();
  const auto labels = r.compositionLabels();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    pair(b, g, y, kComposition + 2 * static_cast<int>(i), fields[i], labels[i], 4);
  }
  pair(b, g, y, kDose, r.txt_Aroma_in_Basis, r.lbl_Aroma_in_Basis, 4);
  g->addWidget(b.put(r.lbl_Preis), y, kPriceLabel);
  g->addWidget(b.price(r.txt_Preis), y, kPrice);
  g->addWidget(b.put(r.lbl_Euro), y, kEuro);
  g->addWidget(b.list(r.cbo_Preis), y, kPriceList);
  for (auto [button, column] : {std::pair{r.btn_Laden, kLoad}, {r.btn_Speichern, kSave}, {r.btn_Reset, kReset}}) {
    g->addWidget(compact(b.put(button)), y, column);
  }
}

}  // namespace

FlavourWindow::FlavourWindow(App&, FrmAromen& form) : QWidget(nullptr, Qt::Window), form_(form), binding_(form, *this) {
  setObjectName(QStringLiteral("frm_Aromen"));
  buildLayout();
}

FlavourWindow::~FlavourWindow() = default;

std::vector<const rt::Control*> FlavourWindow::unplacedControls() const { return gui::unplacedControls(binding_); }

void FlavourWindow::buildLayout() {
  auto* content = new QWidget;
  LayoutBuilder b(binding_, content);
  auto* all = new QVBoxLayout(content);
  all->setContentsMargins(6, 6, 6, 8);
  all->setSpacing(6);

  all->addLayout(row({b.put(form_.lbl_Name), b.wide(form_.txt_Name, 24)}));

  QGridLayout* g = grid();
  g->setHorizontalSpacing(2);
  // The headings over the composition and the dosage columns.
  g->addWidget(b.put(form_.lbl_Zusammenstellung), 0, kComposition, 1, kDose - kComposition);
  g->addWidget(b.put(form_.lbl_Dosierung), 0, kDose, 1, 2);
  for (int k : kFlavourRowNumbers) addRow(b, g, form_.row[k], k);
  // Below the rows: the list's buttons, the dosage reset under the dosages
  // and the reset of every row under the rows' resets.
  const int bottom = kFlavourRows + 1;
  g->setRowMinimumHeight(bottom, 8);
  auto* list = row({b.put(form_.btn_All_Laden), b.put(form_.btn_All_Speichern)});
  g->addLayout(list, bottom + 1, kTick, 1, kDose);
  g->addWidget(b.put(form_.btn_Reset_Dosierung), bottom + 1, kDose, 1, 2);
  g->addWidget(b.put(form_.btn_Reset_All), bottom + 1, kReset);
  g->setColumnStretch(kName, 1);
  all->addLayout(g);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(new DesignedArea(content, this));
  binding_.setTabOrder(b.takeTabOrder());
}

}  // namespace mirl::gui

// The arrangement of the main window: the two base groups side by side, the
// flavour rows below the nicotine bases, and right of them the panel with
// the mode options, the calculation (the target) and the live analysis.
// Only the arrangement is decided here; what each control shows comes from
// the model through the binding.
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "context/app.h"
#include "gui/layout_builder.h"
#include "gui/line_frame.h"
#include "gui/main_window.h"
#include "gui/window_fit.h"
#include "model/frm_main.h"

namespace mirl::gui {

namespace {

using Builder = LayoutBuilder;

FrameBox* frame(Builder& b, std::array<const rt::Line*, 5> lines, rt::Label* caption, QWidget* parent) {
  auto* f = new FrameBox(lines, parent);
  f->setCaption(b.put(caption));
  for (const rt::Line* l : lines) b.binding().bindLine(*l, *f);
  return f;
}

// One base on three lines of a grid whose columns are shared by the three
// bases of a group: the tick box and the composition; the manufacturer and
// the amount; the price with its reference quantity and the subtotal.
// Column 0 holds the tick box and the labels, then five pairs of field and
// unit.
void addBase(Builder& b, QGridLayout* g, const BaseSlot& s, int r) {
  g->addWidget(b.put(s.chk), r, 0);
  g->addWidget(b.field(s.txt_mg_ml, 4), r, 1);
  g->addWidget(b.put(s.lbl_mg_ml), r, 2);
  auto fields = s.percentFields();
  auto labels = s.percentLabels();
  for (int i = 0; i < 4; ++i) {
    g->addWidget(b.field(fields[static_cast<size_t>(i)], 4), r, 3 + 2 * i);
    g->addWidget(b.put(labels[static_cast<size_t>(i)]), r, 4 + 2 * i);
  }
  g->addWidget(b.put(s.lbl_Hersteller), r + 1, 0, Qt::AlignRight);
  g->addWidget(b.wide(s.txt_Hersteller, 10), r + 1, 1, 1, 4);
  g->addWidget(b.put(s.lbl_Preis_100_ml), r + 2, 0, Qt::AlignRight);
  // A price and its unit take the room of a field and its unit above them.
  g->addLayout(row({b.price(s.txt_Preis_100_ml), b.put(s.lbl_Preis_100_ml_Euro)}), r + 2, 1, 1, 2);
  g->addWidget(b.list(s.cbo_Preis), r + 2, 3, 1, 2, Qt::AlignLeft);
  g->addWidget(b.put(s.lbl_Menge), r + 1, 5, 1, 2, Qt::AlignRight);
  g->addWidget(b.field(s.txt_Menge, 5), r + 1, 7);
  g->addWidget(b.put(s.lbl_Menge_ml), r + 1, 8);
  g->addWidget(b.put(s.lbl_Preis_Summe), r + 2, 5, 1, 2, Qt::AlignRight);
  g->addLayout(row({b.price(s.txtl_Preis_Summe), b.put(s.lbl_Preis_Summe_Euro)}), r + 2, 7, 1, 2);
  // A little air between two bases.
  g->setRowMinimumHeight(r + 3, 5);
}

FrameBox* baseGroup(Builder& b, FrmMain& f, int group, QWidget* parent) {
  std::array<const rt::Line*, 5> lines{};
  for (int e = 0; e < 5; ++e) lines[static_cast<size_t>(e)] = f.lineBases[static_cast<size_t>(e)][static_cast<size_t>(group)];
  FrameBox* box = frame(b, lines, group == 0 ? f.lbl_Main_N_Basis : f.lbl_Main_Basis, parent);
  QGridLayout* g = grid();
  for (int i = 0; i < 3; ++i) addBase(b, g, f.basis[static_cast<size_t>(3 * group + i)], 4 * i);
  g->setColumnStretch(11, 1);
  box->body()->setLayout(g);
  return box;
}

FrameBox* flavourGroup(Builder& b, FrmMain& f, QWidget* parent) {
  std::array<const rt::Line*, 5> lines{};
  for (int e = 0; e < 5; ++e) lines[static_cast<size_t>(e)] = f.lineAromen[static_cast<size_t>(e)];
  FrameBox* box = frame(b, lines, f.lbl_Aromen, parent);
  QGridLayout* g = grid();
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    const int y = k - 1;
    g->addWidget(b.put(r.chk_Aroma), y, 0);
    g->addWidget(b.wide(r.txt_Aroma_Kommentar, 9), y, 1);
    g->addWidget(b.field(r.txt_Aroma_Menge, 5), y, 2);
    g->addWidget(b.put(r.lbl_Aroma_Mengenbezeichnung), y, 3);
    g->addWidget(b.field(r.txt_Aroma_Menge_ml, 5), y, 4);
    g->addWidget(b.put(r.lbl_Aroma_Mengenbezeichnung_ml), y, 5);
    g->addWidget(b.put(r.lbl_Aroma_Preis_je), y, 6);
    g->addWidget(b.price(r.txt_Aroma_Preis), y, 7);
    g->addWidget(b.put(r.lbl_Aroma_Preis_Euro), y, 8);
    g->addWidget(b.list(r.cbo_Aroma_Preis_Menge), y, 9);
  }
  g->setColumnStretch(1, 1);
  g->setRowStretch(kFlavourRows, 1);
  box->body()->setLayout(g);
  return box;
}

// Five values of a composition as three pairs of field and unit on the
// first line and two on the second.
QGridLayout* composition(Builder& b, std::array<rt::TextBox*, 5> fields, std::array<rt::Label*, 5> units) {
  QGridLayout* g = grid();
  for (int i = 0; i < 5; ++i) {
    g->addWidget(b.field(fields[static_cast<size_t>(i)], 5), i / 3, 2 * (i % 3));
    QWidget* unit = b.put(units[static_cast<size_t>(i)]);
    // Evenly spaced pairs, whatever the units read.
    unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("% Sonst. ")));
    g->addWidget(unit, i / 3, 2 * (i % 3) + 1);
  }
  g->setColumnStretch(6, 1);
  return g;
}

// A line of label, field and unit in a grid; a price field is as wide as
// the highest price.
enum class Holds { Amount, Price };
void labelled(Builder& b, QGridLayout* g, int y, rt::Label* label, rt::TextBox* field, rt::Label* unit,
              Holds holds = Holds::Amount) {
  g->addWidget(b.put(label), y, 0);
  g->addWidget(holds == Holds::Price ? b.price(field) : b.field(field, 6), y, 1);
  g->addWidget(b.put(unit), y, 2);
}

QVBoxLayout* calculationColumn(Builder& b, FrmMain& f, QWidget* parent) {
  auto* v = new QVBoxLayout;
  v->setSpacing(3);
  v->addWidget(b.put(f.lbl_Berechnung_Mischungsverhaeltnis));
  v->addLayout(composition(b, f.targetFields(), f.targetLabels()));
  QWidget* share = b.put(f.chk_AllAromaProzent);
  QWidget* shareField = b.field(f.txt_AllAromaProzent, 5);
  v->addLayout(row({share, shareField, b.put(f.lbl_Berechnung_AllAromen_Prozent)}));
  auto* sep = new SeparatorLine(*f.lne_Aroma_Trenner, Qt::Horizontal, parent);
  b.binding().bindLine(*f.lne_Aroma_Trenner, *sep);
  v->addWidget(sep);

  QGridLayout* g = grid();
  labelled(b, g, 0, f.lbl_Berechnung_Menge, f.txt_Berechnung_Menge, f.lbl_Berechnung_Menge_ml);
  g->addWidget(b.put(f.btn_Misch_Zu_Menge), 0, 3, Qt::AlignLeft);
  labelled(b, g, 1, f.lbl_Berechnung_Zusatzkosten, f.txt_Berechnung_Zusatzkosten, f.lbl_Berechnung_Zusatzkosten_Euro,
           Holds::Price);
  labelled(b, g, 2, f.lbl_Berechnung_Preis, f.txt_Berechnung_Preis, f.lbl_Berechnung_Preis_Berechnung_Euro,
           Holds::Price);
  g->addWidget(b.list(f.cbo_Preis_Berechnung), 2, 3, Qt::AlignLeft);
  labelled(b, g, 3, f.lbl_Berechnung_Preis_Gesamt, f.txt_Berechnung_Preis_Gesamt, f.lbl_Berechnung_Preis_Gesamt_Euro,
           Holds::Price);
  g->setColumnStretch(4, 1);
  v->addLayout(g);

  v->addWidget(b.put(f.lbl_Berechnung_Zusammenstellung));
  v->addWidget(b.wide(f.txt_Berechnung_Zusammenstellung, 12));
  QWidget* calc = b.put(f.btn_Berechnung);
  calc->setMinimumWidth(calc->fontMetrics().horizontalAdvance(QStringLiteral("Annäherungsberechnung ")) + 24);
  auto* buttons = row({calc}, false);
  buttons->addSpacing(8);
  buttons->addWidget(b.put(f.btn_Reset));
  buttons->addStretch(1);
  v->addLayout(buttons);
  QWidget* left = b.put(f.btn_L);
  QWidget* topTen = b.put(f.lbl_TopTen);
  topTen->setMinimumWidth(topTen->fontMetrics().horizontalAdvance(QStringLiteral("Vorschlag 78 / 78")) + 8);
  static_cast<QLabel*>(topTen)->setAlignment(Qt::AlignCenter);
  QWidget* right = b.put(f.btn_R);
  for (QWidget* w : {left, right}) w->setFixedWidth(w->fontMetrics().horizontalAdvance(QStringLiteral("<<")) + 24);
  v->addLayout(row({left, topTen, right}));
  v->addStretch(1);
  return v;
}

QVBoxLayout* liveColumn(Builder& b, FrmMain& f) {
  auto* v = new QVBoxLayout;
  v->setSpacing(3);
  // Same height as the heading of the calculation column.
  auto* heading = new QLabel(QStringLiteral(" "));
  v->addWidget(heading);
  v->addLayout(composition(
      b, {f.txt_Live_N, f.txt_Live_PG, f.txt_Live_VG, f.txt_Live_Wasser, f.txt_Live_Sonstiges},
      {f.lbl_Live_N, f.lbl_Live_PG, f.lbl_Live_VG, f.lbl_Live_Wasser, f.lbl_Live_Sonstiges}));
  QWidget* aromaLabel = b.put(f.lbl_Live_Aroma);
  QWidget* aroma = b.field(f.txt_Live_Aroma, 5);
  v->addLayout(row({aromaLabel, aroma, b.put(f.lbl_Live_Aroma_Prozent)}));
  // The room of the calculation column's separator (a spacing is not
  // followed by the layout's own), so that the rows beside each other line
  // up.
  v->addSpacing(SeparatorLine::kThickness + v->spacing());

  QGridLayout* g = grid();
  labelled(b, g, 0, f.lbl_Live_Menge, f.txt_Live_Menge, f.lbl_Live_Menge_ml);
  labelled(b, g, 1, f.lbl_Live_Preis_Zusatzkosten, f.txt_Live_Preis_Zusatzkosten, f.lbl_Live_Preis_Zusatzkosten_Euro,
           Holds::Price);
  labelled(b, g, 2, f.lbl_Live_Preis, f.txt_Live_Preis, f.lbl_Live_Preis_Euro, Holds::Price);
  g->addWidget(b.list(f.cbo_Preis_Live), 2, 3, Qt::AlignLeft);
  labelled(b, g, 3, f.lbl_Live_Preis_Summe, f.txt_Live_Preis_Summe, f.lbl_Live_Preis_Summe_Euro, Holds::Price);
  labelled(b, g, 4, f.lbl_Live_Viskositaet, f.txt_Vis_Summe, f.lbl_Live_Viskositaet_mPas);
  g->setColumnStretch(4, 1);
  v->addLayout(g);
  v->addLayout(row({b.put(f.btn_Live_Mix_100ml)}));
  v->addStretch(1);
  return v;
}

FrameBox* panel(Builder& b, FrmMain& f, QWidget* parent) {
  std::array<const rt::Line*, 5> lines{};
  for (int e = 0; e < 5; ++e) lines[static_cast<size_t>(e)] = f.linePanel[static_cast<size_t>(e)];
  FrameBox* box = frame(b, lines, f.lbl_Berechnung, parent);
  auto* v = new QVBoxLayout;
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(3);
  v->addLayout(row({b.put(f.opt_Berechnungsauswahl[0]), b.put(f.opt_Berechnungsauswahl[1])}));
  auto* top = new SeparatorLine(*f.Line7, Qt::Horizontal, box->body());
  b.binding().bindLine(*f.Line7, *top);
  v->addWidget(top);
  auto* columns = new QHBoxLayout;
  columns->setSpacing(8);
  columns->addLayout(calculationColumn(b, f, box->body()), 1);
  auto* between = new SeparatorLine(*f.Line6, Qt::Vertical, box->body());
  b.binding().bindLine(*f.Line6, *between);
  columns->addWidget(between);
  columns->addLayout(liveColumn(b, f), 1);
  v->addLayout(columns, 1);
  box->body()->setLayout(v);
  return box;
}

}  // namespace

void MainWindow::buildLayout() {
  auto* central = new QWidget;
  Builder b(binding_, central);

  frames_[0] = baseGroup(b, form_, 0, central);
  frames_[1] = baseGroup(b, form_, 1, central);
  frames_[2] = flavourGroup(b, form_, central);
  frames_[3] = panel(b, form_, central);

  auto* top = new QHBoxLayout;
  top->setSpacing(8);
  top->addWidget(frames_[0], 1);
  top->addWidget(frames_[1], 1);
  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(8);
  bottom->addWidget(frames_[2], 1);
  bottom->addWidget(frames_[3], 1);
  auto* all = new QVBoxLayout(central);
  all->setContentsMargins(8, 6, 8, 4);
  all->setSpacing(6);
  all->addLayout(top);
  all->addLayout(bottom);
  setCentralWidget(new DesignedArea(central, this));

  binding_.setTabOrder(b.takeTabOrder());
}

}  // namespace mirl::gui

#include "shell/scripting.h"

#include <charconv>
#include <string>
#include <variant>

#include "context/app.h"

namespace mirl {

namespace {

// Where a shared value lives.
using Ref = std::variant<bool*, double*, std::string*>;

struct Scalar {
  std::string_view name;
  Ref (*ref)(App&);
};

const Scalar kScalars[] = {
    {"Vorschlag_Index", [](App& a) -> Ref { return &a.solver.Vorschlag_Index; }},
    {"Vorschlag_Letzter_Index", [](App& a) -> Ref { return &a.solver.Vorschlag_Letzter_Index; }},
    {"Vorschlaege_Vorhanden", [](App& a) -> Ref { return &a.solver.Vorschlaege_Vorhanden; }},
    {"Berechnung_Abbrechen", [](App& a) -> Ref { return &a.solver.Berechnung_Abbrechen; }},
    {"Annaeherung_Aktiv", [](App& a) -> Ref { return &a.solver.Annaeherung_Aktiv; }},
    {"Farbige_Hintergruende", [](App& a) -> Ref { return &a.model.Farbige_Hintergruende; }},
    {"Live_Mix_Markierung", [](App& a) -> Ref { return &a.model.Live_Mix_Markierung; }},
    {"AllAromaProzent_War_Aktiv", [](App& a) -> Ref { return &a.flavours.AllAromaProzent_War_Aktiv; }},
    {"Viskositaet_PG", [](App& a) -> Ref { return &a.model.Viskositaet_PG; }},
    {"Viskositaet_VG", [](App& a) -> Ref { return &a.model.Viskositaet_VG; }},
    {"Viskositaet_Wasser", [](App& a) -> Ref { return &a.model.Viskositaet_Wasser; }},
    {"Viskositaet_Sonst", [](App& a) -> Ref { return &a.model.Viskositaet_Sonst; }},
    {"dpA_Name", [](App& a) -> Ref { return &a.flavours.dpA_Name; }},
};

// The fields of a flavour-composition record, in order.
constexpr std::string_view kFlavourFields[] = {"A", "N", "PG", "VG", "W", "S"};

double* flavourField(Aromenzusammensetzung& r, size_t field) {
  double* fields[] = {&r.A, &r.N, &r.PG, &r.VG, &r.W, &r.S};
  return fields[field];
}

// "Name", "Name(I)" or "Name(I).F", split up. False when the text has
// another shape.
struct Path {
  std::string_view base;
  std::optional<int> index;
  std::optional<std::string_view> field;
};

std::optional<int> wholeNumber(std::string_view s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::optional<Path> splitPath(std::string_view name) {
  Path p;
  size_t open = name.find('(');
  if (open == std::string_view::npos) {
    if (name.find_first_of(").") != std::string_view::npos) return std::nullopt;
    p.base = name;
    return p;
  }
  size_t close = name.find(')', open);
  if (close == std::string_view::npos) return std::nullopt;
  p.base = name.substr(0, open);
  p.index = wholeNumber(name.substr(open + 1, close - open - 1));
  if (!p.index) return std::nullopt;
  std::string_view rest = name.substr(close + 1);
  if (!rest.empty()) {
    if (rest.front() != '.' || rest.size() < 2) return std::nullopt;
    p.field = rest.substr(1);
  }
  return p;
}

std::optional<Ref> lookup(App& app, std::string_view name) {
  auto path = splitPath(name);
  if (!path) return std::nullopt;
  if (!path->index) {
    for (const Scalar& s : kScalars) {
      if (s.name == name) return s.ref(app);
    }
    return std::nullopt;
  }
  int i = *path->index;
  if (path->base == "Aroma_Menge_Alt" && !path->field && FlavourRows<int>::valid(i)) {
    return &app.conv.Aroma_Menge_Alt[i];
  }
  if (path->base == "Aromen_Tabelle" && path->field && FlavourRows<int>::valid(i)) {
    for (size_t f = 0; f < std::size(kFlavourFields); ++f) {
      if (kFlavourFields[f] == *path->field) {
        return flavourField(app.flavours.Aromen_Tabelle[i], f);
      }
    }
    return std::nullopt;
  }
  bool hits = path->base == "Trefferliste";
  if ((hits || path->base == "Vorschlagsliste") && path->field && i >= 0 && i < kProposalPlaces) {
    auto f = wholeNumber(*path->field);
    if (!f || *f < 1 || *f > 15) return std::nullopt;
    ProposalList& list = hits ? app.solver.Trefferliste : app.solver.Vorschlagsliste;
    return &list[static_cast<size_t>(i)](*f);
  }
  return std::nullopt;
}

}  // namespace

// Message texts are looked up first: the table hands them out by value and
// takes them through set().
std::optional<rt::Value> getGlobal(App& app, std::string_view name) {
  if (auto m = MessageTable::byName(name)) return rt::Value{app.texts[*m]};
  auto ref = lookup(app, name);
  if (!ref) return std::nullopt;
  return std::visit([](auto* p) { return rt::Value{*p}; }, *ref);
}

bool setGlobal(App& app, std::string_view name, const rt::Value& value) {
  if (auto m = MessageTable::byName(name)) {
    const std::string* text = std::get_if<std::string>(&value);
    if (!text) return false;
    app.texts.set(*m, *text);
    return true;
  }
  auto ref = lookup(app, name);
  if (!ref) return false;
  if (bool** b = std::get_if<bool*>(&*ref)) {
    if (auto v = std::get_if<bool>(&value)) return **b = *v, true;
    if (auto v = std::get_if<double>(&value)) return **b = *v != 0, true;
    return false;
  }
  if (double** d = std::get_if<double*>(&*ref)) {
    if (auto v = std::get_if<double>(&value)) return **d = *v, true;
    return false;
  }
  std::string* s = std::get<std::string*>(*ref);
  if (auto v = std::get_if<std::string>(&value)) return *s = *v, true;
  return false;
}

}  // namespace mirl

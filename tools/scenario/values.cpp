#include "scenario/values.h"

#include "scenario/lexer.h"

namespace mirl::scenario {

bool valuesMatch(const rt::Value& expected, const rt::Value& found) {
  if (auto e = std::get_if<std::string>(&expected)) {
    auto f = std::get_if<std::string>(&found);
    return f && *f == *e;
  }
  if (auto e = std::get_if<bool>(&expected)) {
    if (auto f = std::get_if<bool>(&found)) return *f == *e;
    if (auto f = std::get_if<double>(&found)) return (*f != 0) == *e;
    return false;
  }
  double e = std::get<double>(expected);
  if (auto f = std::get_if<double>(&found)) return *f == e;
  if (auto f = std::get_if<bool>(&found)) return *f == (e != 0);
  return false;
}

std::string describe(const ShownMessageBox& box) {
  return "msgbox " + quote(box.prompt) + " title " + quote(box.title) + " style " +
         std::to_string(box.style);
}

std::string kindName(rt::FileDialogRequest::Kind kind) {
  return kind == rt::FileDialogRequest::Kind::Open ? "open" : "save";
}

std::string joinFilters(const rt::FileDialogRequest& request) {
  std::string out;
  for (const auto& [description, pattern] : request.filters) {
    if (!out.empty()) out += '|';
    out += description + '|' + pattern;
  }
  return out;
}

std::string describe(const rt::FileDialogRequest& r) {
  std::string out = "dialog " + kindName(r.kind) + " title " + quote(r.title) + " filter " +
                    quote(joinFilters(r)) + " start " + quote(r.startPath);
  if (r.kind == rt::FileDialogRequest::Kind::Save) out += " name " + quote(r.proposedName);
  return out;
}

}  // namespace mirl::scenario

#pragma once
// The info window frm_Info: the program's name, version and description and
// the contact lines, all fixed German labels that the language switch does
// not touch. It has no inputs.
#include <string_view>

#include "runtime/form.h"

namespace mirl {
class App;

inline constexpr std::string_view kInfoWindow = "frm_Info";

class FrmInfo : public rt::Form {
 public:
  FrmInfo();

  rt::Label* Label1 = nullptr;  // "Name:"
  rt::Label* Label2 = nullptr;  // the program's name
  rt::Label* Label3 = nullptr;  // "Version:"
  rt::Label* lblVersion = nullptr;
  rt::Label* Label8 = nullptr;  // "Beschreibung: "
  rt::Label* Label9 = nullptr;  // the description
  // Contact: heading, maker, web address, mail address.
  rt::Label* Label4 = nullptr;
  rt::Label* Label5 = nullptr;
  rt::Label* Label6 = nullptr;
  rt::Label* Label7 = nullptr;
};

// The info window, loaded on first access.
FrmInfo& frmInfo(App& app);

}  // namespace mirl

#include "shell/frm_info.h"

#include <string>
#include <utility>

#include "context/app.h"
#include "model/main_design.h"

namespace mirl {

FrmInfo::FrmInfo() : rt::Form(std::string(kInfoWindow)) {
  setCaption("MirlPondrake");
  setLeft(3000);
  setTop(2400);
  setSize(6000, 3600);
  auto label = [this](const char* name, std::string caption) {
    auto& l = add<rt::Label>(name);
    l.setCaption(std::move(caption));
    return &l;
  };
  Label1 = label("Label1", "Name:");
  Label2 = label("Label2", "MirlQuillfensMixwright");
  Label3 = label("Label3", "Version:");
  lblVersion = label("lblVersion", "");
  Label8 = label("Label8", "Beschreibung: ");
  Label9 = label("Label9", "Berechnung und Analyse von Liquids");
  Label4 = label("Label4", "Kontakt:");
  Label5 = label("Label5", "Quillfen Liquidwerkstatt");
  Label6 = label("Label6", std::string(kManufacturerAddress));
  Label7 = label("Label7", "post@quillfen.example");
}

FrmInfo& frmInfo(App& app) { return app.form<FrmInfo>(kInfoWindow); }

}  // namespace mirl

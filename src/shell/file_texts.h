#pragma once
// The free texts the session and flavour files keep: the recipe name, the
// manufacturers, the flavour rows' names and the flavour window's names.
// The user can put into them only what a file gives back: at most as many
// characters as a value read holds, and only characters of the files' code
// page (any other becomes "?" when the field is left).
namespace mirl {

class FrmMain;
class FrmAromen;

void wireFileTexts(FrmMain& main, FrmAromen& flavours);

}  // namespace mirl

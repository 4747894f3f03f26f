#pragma once
// Where the program keeps its values in the per-user registry store: one key
// of its own with a sub-key pair per window ("Size" for the placement, "Data"
// for the last file paths or nothing). Keys are created only by a window's
// closing, when missing; writing a value never creates its key.
#include <string_view>

namespace mirl::reg {

inline constexpr std::string_view kProgramKey = "Software\\Quillfen\\MirlFumarix";
inline constexpr std::string_view kKeyClass = "Anwendungsdaten";

// Full key paths.
inline constexpr std::string_view kMainSize = "Software\\Quillfen\\MirlFumarix\\Size";
inline constexpr std::string_view kMainData = "Software\\Quillfen\\MirlFumarix\\Data";
inline constexpr std::string_view kFlavourSize = "Software\\Quillfen\\MirlFumarix\\Aromen\\Size";
inline constexpr std::string_view kFlavourData = "Software\\Quillfen\\MirlFumarix\\Aromen\\Data";
inline constexpr std::string_view kInfoSize = "Software\\Quillfen\\MirlFumarix\\Info\\Size";
inline constexpr std::string_view kInfoData = "Software\\Quillfen\\MirlFumarix\\Info\\Data";

// Placement values under a "Size" key: edges as REG_DWORD twips, the two
// states as the REG_SZ text "true" or "false".
inline constexpr std::string_view kLeft = "Left";
inline constexpr std::string_view kTop = "Top";
inline constexpr std::string_view kMaximised = "Maximiert";
inline constexpr std::string_view kMinimised = "Minimiert";

// Last file paths under the main window's "Data" key (REG_SZ).
inline constexpr std::string_view kImportFilePath = "ImportFilePath";
inline constexpr std::string_view kExportFilePath = "ExportFilePath";
inline constexpr std::string_view kFlavourListImportPath = "AromenImportFilePath";
inline constexpr std::string_view kFlavourListExportPath = "AromenExportFilePath";
inline constexpr std::string_view kFlavourImportPath = "AromaImportFilePath";
inline constexpr std::string_view kFlavourExportPath = "AromaExportFilePath";

// The two keys of one window.
struct WindowKeys {
  std::string_view size;
  std::string_view data;
};
inline constexpr WindowKeys kMainWindowKeys{kMainSize, kMainData};
inline constexpr WindowKeys kFlavourWindowKeys{kFlavourSize, kFlavourData};
inline constexpr WindowKeys kInfoWindowKeys{kInfoSize, kInfoData};

}  // namespace mirl::reg

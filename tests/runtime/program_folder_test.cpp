#include "runtime/program_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "runtime/temp_folder.h"  // tests/runtime

using mirl::rttest::TempFolder;
using mirl::rttest::writeBytes;

TEST(ProgramFolder, AnInstalledProgramUsesTheUserDataFolderOneInItsBuildTreeItsOwnWhenWritable) {
  TempFolder dir;
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  const auto dataFolder = dir / "data" / "Quillfen" / "MirlFumarix";
  const std::filesystem::path marker = "../share/mirlfumarix/installed";

  // Where it was built: beside the executable, as long as that can be written.
  std::filesystem::create_directories(dir / "bin");
  EXPECT_EQ(mirl::rt::programFolder(dir / "bin" / "mirlfumarix", marker), dir / "bin");
  EXPECT_FALSE(std::filesystem::exists(dir / "data"));
  const auto before = std::filesystem::status(dir.path()).permissions();
  EXPECT_EQ(mirl::rt::programFolder("/no/such/folder/mirlfumarix", marker), dataFolder);
  // Created, each folder made for the user alone; those there stay as they are.
  for (const auto& folder : {dir / "data", dataFolder.parent_path(), dataFolder}) {
    EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms::owner_all) << folder;
  }
  EXPECT_EQ(std::filesystem::status(dir.path()).permissions(), before);
  EXPECT_EQ(mirl::rt::programFolder("", marker), dataFolder);

  // Installed: the marker of the install layout sends it to the data folder,
  // though the folder of its executable is writable.
  std::filesystem::create_directories(dir / "share" / "mirlfumarix");
  writeBytes(dir / "share" / "mirlfumarix" / "installed", "");
  EXPECT_EQ(mirl::rt::programFolder(dir / "bin" / "mirlfumarix", marker), dataFolder);
  EXPECT_EQ(mirl::rt::programFolder(dir / "bin" / ".." / "bin" / "mirlfumarix", marker), dataFolder);

  if (oldXdg) {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

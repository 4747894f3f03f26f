#include "runtime/program_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "runtime/temp_folder.h"  // tests/runtime

using mirl::rttest::TempFolder;

TEST(ProgramFolder, IsTheExecutablesFolderWhenWritableElseTheUserDataFolder) {
  TempFolder dir;
  EXPECT_EQ(mirl::rt::programFolder(dir / "mirlfumarix"), dir.path());

  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  const auto fallback = dir / "data" / "Quillfen" / "MirlFumarix";
  EXPECT_EQ(mirl::rt::programFolder("/no/such/folder/mirlfumarix"), fallback);
  EXPECT_TRUE(std::filesystem::is_directory(fallback));  // created
  EXPECT_EQ(mirl::rt::programFolder(""), fallback);
  if (oldXdg) {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

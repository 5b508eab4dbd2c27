// Bare settings file names and the program's folder.
#include "toolkit/files/logic/settings_path.hpp"

#include <gtest/gtest.h>

namespace ws = wk::settings;

TEST(SettingsPath, BareNamesGoToTheFolderOthersStayAsGiven) {
  char out[64];
  EXPECT_TRUE(ws::ResolveSettingsPath("C:\\prog", "app.ini", out, sizeof out));
  EXPECT_STREQ(out, "C:\\prog\\app.ini");
  for (const char* named : {"C:app.ini", "sub\\app.ini", "/tmp/app.ini", "..\\a.ini"}) {
    EXPECT_TRUE(ws::ResolveSettingsPath("C:\\prog", named, out, sizeof out));
    EXPECT_STREQ(out, named);
  }
  // A path that does not fit is refused rather than cut.
  char tiny[12];
  EXPECT_FALSE(ws::ResolveSettingsPath("C:\\prog", "app.ini", tiny, sizeof tiny));
  EXPECT_FALSE(ws::ResolveSettingsPath("C:\\prog", nullptr, out, sizeof out));
}

TEST(SettingsPath, FolderOfAProgramPath) {
  char out[32];
  EXPECT_TRUE(ws::FolderOf("C:\\a\\b\\prog.exe", out, sizeof out));
  EXPECT_STREQ(out, "C:\\a\\b");
  EXPECT_TRUE(ws::FolderOf("Z:/x/prog.exe", out, sizeof out));
  EXPECT_STREQ(out, "Z:/x");
  EXPECT_TRUE(ws::FolderOf("prog.exe", out, sizeof out));
  EXPECT_STREQ(out, "");
  char tiny[4];
  EXPECT_FALSE(ws::FolderOf("C:\\abcdef\\p.exe", tiny, sizeof tiny));
}

// The version query on the running platform, with its box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "wk_files.h"
#include "wktest.hpp"

TEST(OsVersion, CodeAndVariablesFollowThePlatformsAnswer) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  // Nothing is known before the first call (this program's first test).
  EXPECT_EQ(wk_OsVersionCode | wk_OsBuildNumber | wk_OsUpdateText[0], 0);
  const int code = wk_OsVersion("");
  EXPECT_EQ(code, wk_OsVersionCode);
  EXPECT_EQ(wk_OsBuildNumber, static_cast<int>(info.dwBuildNumber));
  EXPECT_STREQ(wk_OsUpdateText, info.szCSDVersion);
  if (info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion > 5) {
    EXPECT_EQ(code, 0);  // newer than the table
  }
  std::printf("platform %lu, version %lu.%lu, build %lu, \"%s\": code %d\n", info.dwPlatformId,
              info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.szCSDVersion,
              code);
}

TEST(OsVersion, ShowOpensTheBoxAndReturnsWhenItIsClosed) {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  wktest::DialogAnswerer answerer(wktest::DialogAnswerer::Press(IDOK));
  const int code = wk_OsVersion("SHOW");
  EXPECT_EQ(code, wk_OsVersionCode);
  ASSERT_EQ(answerer.seen().size(), 1u);
  const wktest::DialogSeen& box = answerer.seen()[0];
  EXPECT_EQ(box.title, "OS version info");
  EXPECT_EQ(box.owner, nullptr);
  EXPECT_EQ(box.buttons.size(), 1u);
  char expected[200];
  std::snprintf(expected, sizeof expected, "Build       =  %lu\nUpdate   =  %s", info.dwBuildNumber,
                info.szCSDVersion);
  EXPECT_NE(box.text.find(expected), std::string::npos) << box.text;
  char version[40];
  std::snprintf(version, sizeof version, "Windows %lu.%lu", info.dwMajorVersion,
                info.dwMinorVersion);
  if (code == 0) {
    EXPECT_NE(box.text.find(version), std::string::npos) << box.text;
  }
  std::printf("box text:\n%s\n", box.text.c_str());

  // Any other keyword shows nothing.
  wk_OsVersion("show");
  EXPECT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(answerer.unexpected(), 0);
}

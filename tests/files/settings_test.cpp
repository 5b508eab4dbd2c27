// Settings in profile files, through the platform's profile functions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "wk_files.h"
#include "file_faults.hpp"
#include "whole_file.hpp"
#include "wktest.hpp"

using wktest::ReadWholeFile;

TEST(Settings, WriteCreatesTheFileAndReadFindsTheKey) {
  const std::string path = wktest::BuildPath("settings_write.ini");
  std::remove(path.c_str());
  char buffer[64] = {};
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "frekvens", buffer, sizeof buffer), -1);
  EXPECT_STREQ(buffer, "          ");

  EXPECT_EQ(wk_WriteSetting(path.c_str(), "Ljud", "frekvens", "440"), 0);
  EXPECT_NE(ReadWholeFile(path).find("[Ljud]"), std::string::npos);
  EXPECT_NE(ReadWholeFile(path).find("frekvens=440"), std::string::npos);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "frekvens", buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "440");
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "saknas", buffer, sizeof buffer), -1);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Annat", "frekvens", buffer, sizeof buffer), -1);

  // The platform strips the blanks around a stored value: ten spaces read
  // back as a present, empty value.
  EXPECT_EQ(wk_WriteSetting(path.c_str(), "Ljud", "tom", "          "), 0);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "tom", buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  // A missing key leaves the ten-space marker even in a buffer just big enough.
  char exact[11];
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "saknas", exact, sizeof exact), -1);
  EXPECT_STREQ(exact, "          ");

  // A value longer than the buffer is cut to its size less one.
  EXPECT_EQ(wk_WriteSetting(path.c_str(), "Ljud", "lang", "0123456789abcdef"), 0);
  char small[8];
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "lang", small, sizeof small), 7);
  EXPECT_STREQ(small, "0123456");

  // A null value removes the key, a null key the section.
  EXPECT_EQ(wk_WriteSetting(path.c_str(), "Ljud", "frekvens", nullptr), 0);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "frekvens", buffer, sizeof buffer), -1);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "lang", buffer, sizeof buffer), 16);
  EXPECT_EQ(wk_WriteSetting(path.c_str(), "Ljud", nullptr, nullptr), 0);
  EXPECT_EQ(wk_ReadSetting(path.c_str(), "Ljud", "lang", buffer, sizeof buffer), -1);
  std::remove(path.c_str());
}

// Each row writes one entry into a file holding "[S]" and "k=old": what the
// write answers, and what the key reads as afterwards; a refused write
// leaves the file as it was, byte for byte.
TEST(Settings, WriteRefusesWhatTheFileCannotHoldAndReadsBackWhatItWrote) {
  const std::string longest(WK_SETTING_MAX_LENGTH, 'x');
  const std::string too_long = longest + "x";
  const struct {
    std::string section, key, value;
    int result;
    std::string reads = {};
  } rows[] = {
      {"S", "k", "ny", 0, "ny"},
      {"S", "k", " \t\"citat\"\v ", 0, "citat"},  // the platform's rules
      {"S", "k", longest, 0, longest},
      {"S", "a=b", "v", 1},
      {"S", " [k]", "v", 1},
      {"S", "k", "a\rb", 1},
      {"S", "k", "a\nb", 1},
      {"S", "k\n", "v", 1},
      {"S\r\nT", "k", "v", 1},
      {"S", "k", too_long, 1},
      {"S", too_long, "v", 1},
      {too_long, "k", "v", 1},
  };
  std::string read(WK_SETTING_MAX_LENGTH + 1, '\0');
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    wktest::FaultyTarget target(wktest::Fault::kNone, "[S]\r\nk=old\r\n", "settings.ini");
    const char* path = target.path().c_str();
    EXPECT_EQ(wk_WriteSetting(path, row.section.c_str(), row.key.c_str(), row.value.c_str()),
              row.result);
    if (row.result != 0) {
      EXPECT_TRUE(target.Untouched());
      continue;
    }
    wk_ReadSetting(path, "S", "k", read.data(), static_cast<int>(read.size()));
    EXPECT_EQ(read.c_str(), row.reads);
  }
}

TEST(Settings, BareFileNamesLiveBesideTheProgram) {
  char folder[MAX_PATH];
  ASSERT_EQ(wk_SettingsFolder(folder, sizeof folder), 0);
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, sizeof program);
  EXPECT_EQ(std::string(program).rfind(folder, 0), 0u);
  EXPECT_EQ(std::string(program).substr(std::strlen(folder), 1), "\\");

  const std::string beside = std::string(folder) + "\\wk_bare_settings.ini";
  std::remove(beside.c_str());
  EXPECT_EQ(wk_WriteSetting("wk_bare_settings.ini", "S", "k", "v"), 0);
  EXPECT_NE(ReadWholeFile(beside).find("k=v"), std::string::npos);
  char buffer[16];
  EXPECT_EQ(wk_ReadSetting("wk_bare_settings.ini", "S", "k", buffer, sizeof buffer), 1);
  std::remove(beside.c_str());
  char tiny[2];
  EXPECT_EQ(wk_SettingsFolder(tiny, sizeof tiny), 1);
}

// The version table and the box texts.
#include "toolkit/files/logic/os_version_rules.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace ov = wk::osversion;

namespace {

std::string Box(const ov::Reported& r) {
  char text[400];
  ov::FormatBoxText(ov::Identify(r), r, text, sizeof text);
  return text;
}

}  // namespace

TEST(OsVersion, EveryRowOfTheTable) {
  struct Case {
    ov::Reported r;
    int code;
    const char* first_line;
  } cases[] = {
      {{1, 4, 0, 0x04000395, ""}, 95, "OS          =   Windows 95"},
      {{1, 4, 10, 0x040A0888, " A"}, 98, "OS          =   Windows 98"},
      {{1, 4, 90, 3000, ""}, 99, "OS          =   Windows 99"},
      {{2, 3, 51, 1057, "Service Pack 5"}, 351, "OS          =  Windows 3.51  NT Technology"},
      {{2, 4, 0, 1381, "Service Pack 6"}, 400, "OS          =  Windows 4.0  NT Technology"},
      {{2, 5, 0, 2195, ""}, 500, "OS          =  Windows 2000 5.0  NT Technology"},
      {{2, 5, 1, 2600, "Service Pack 3"}, 510, "OS          =  Windows XP 5.10  NT Technology"},
      {{2, 5, 2, 3790, ""},
       520,
       "OS          =  Windows .NET Server 2003 family 5.20  NT Technology"},
      {{3, 5, 1, 7, "x"}, -1, "OS          =  Windows Undknown 0.0 undknown Technology"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ov::Identify(c.r).code, c.code) << c.first_line;
    const std::string box = Box(c.r);
    EXPECT_EQ(box.substr(0, box.find('\n')), c.first_line);
  }
}

TEST(OsVersion, BuildAndUpdateTexts) {
  ov::Reported xp{2, 5, 1, 2600, "Service Pack 2"};
  EXPECT_EQ(Box(xp),
            "OS          =  Windows XP 5.10  NT Technology\nBuild       =  2600\n"
            "Update   =  Service Pack 2");
  // The consumer family keeps the low 16 bits of the build and names its
  // editions from the service-pack text.
  ov::Reported se{1, 4, 10, 0x040A08AE, " A"};
  ov::Version v = ov::Identify(se);
  EXPECT_EQ(v.build, 0x08AE);
  EXPECT_STREQ(v.update, "Second Edition");
  se.service_pack = " C";
  EXPECT_STREQ(ov::Identify(se).update, "OSR2");
  se.service_pack = "A";
  EXPECT_STREQ(ov::Identify(se).update, "First Edition");
  se.service_pack = nullptr;
  EXPECT_STREQ(ov::Identify(se).update, "First Edition");
  // The NT family keeps the whole build number.
  EXPECT_EQ(ov::Identify({2, 5, 0, 0x12345678u, ""}).build, 0x12345678);
}

TEST(OsVersion, UnlistedVersionsOfKnownFamiliesAreNamedByTheirNumbers) {
  EXPECT_EQ(ov::Identify({2, 10, 0, 19045, ""}).code, 0);
  EXPECT_EQ(Box({2, 10, 0, 19045, ""}),
            "OS          =  Windows 10.0  NT Technology\nBuild       =  19045\nUpdate   =  ");
  EXPECT_EQ(ov::Identify({2, 6, 1, 7601, "Service Pack 1"}).code, 0);
  EXPECT_EQ(ov::Identify({1, 4, 3, 1, ""}).code, 0);
  EXPECT_EQ(Box({1, 4, 3, 1, ""}).substr(0, 27), "OS          =  Windows 4.3\n");
}

TEST(OsVersion, LongServicePackTextsAreCutNotOverrun) {
  const std::string sp(400, 's');
  ov::Version v = ov::Identify({2, 5, 1, 1, sp.c_str()});
  EXPECT_EQ(std::strlen(v.update), ov::kUpdateTextSize - 1);
  char small[20];
  ov::FormatBoxText(v, {2, 5, 1, 1, sp.c_str()}, small, sizeof small);
  EXPECT_EQ(std::strlen(small), sizeof small - 1);
}

// Page arithmetic of the printing operations.
#include "toolkit/text/logic/print_layout.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace wk::print;

TEST(PrintLayout, ZoomScaleFollowsBothSlopes) {
  EXPECT_FLOAT_EQ(ZoomScale(100), 3.7f);
  EXPECT_FLOAT_EQ(ZoomScale(50), 2.3f);
  EXPECT_FLOAT_EQ(ZoomScale(20), 1.46f);
  EXPECT_FLOAT_EQ(ZoomScale(200), 6.8f);
  EXPECT_FLOAT_EQ(ZoomScale(101), 3.731f);  // the upper slope starts at 100
  EXPECT_FLOAT_EQ(ZoomScale(99), 3.672f);
}

TEST(PrintLayout, WrapControlSizeIsCutTowardZeroAndNeverNegative) {
  // An A4 page at 300 dpi as Wine's PostScript driver reports it.
  Size size = WrapControlSize(2329, 3358, 0, 0, ZoomScale(100));
  EXPECT_EQ(size.width, 629);   // 2329 / 3.7 = 629.4
  EXPECT_EQ(size.height, 965);  // 3358 / 3.478 = 965.5
  size = WrapControlSize(2329, 3358, 110, 110, ZoomScale(100));
  EXPECT_EQ(size.width, 599);   // the right margin narrows it
  EXPECT_EQ(size.height, 997);  // the top margin is added to the height
  size = WrapControlSize(2329, 3358, INT_MAX, INT_MIN, ZoomScale(20));
  EXPECT_EQ(size.width, 0);
  EXPECT_EQ(size.height, 0);
}

TEST(PrintLayout, LinesPerPageIsZeroWhenNoLineFits) {
  EXPECT_EQ(LinesPerPage(3358, 0, 74), 45);
  EXPECT_EQ(LinesPerPage(3358, 110, 74), 43);
  EXPECT_EQ(LinesPerPage(3358, 0, 3358), 1);
  EXPECT_EQ(LinesPerPage(3358, 0, 3359), 0);   // a line taller than the page
  EXPECT_EQ(LinesPerPage(3358, 4000, 74), 0);  // a margin beyond the page
  EXPECT_EQ(LinesPerPage(3358, 0, 0), 0);
  EXPECT_EQ(LinesPerPage(3358, 0, -5), 0);
  EXPECT_EQ(LinesPerPage(INT_MAX, INT_MIN, 1), INT_MAX);
  EXPECT_EQ(PageCount(100, 45), 3);
  EXPECT_EQ(PageCount(90, 45), 2);
  EXPECT_EQ(PageCount(INT_MAX, INT_MAX), 1);
}

std::string Order(int pages, std::uint16_t copies, bool collate) {
  std::string order;
  ForEachPrintedPage(pages, copies, collate, [&](int page) {
    order += static_cast<char>('1' + page);
    return true;
  });
  return order;
}

TEST(PrintLayout, CopiesComeOutAsSetsOnlyWithCollation) {
  EXPECT_EQ(Order(3, 3, true), "123123123");
  EXPECT_EQ(Order(3, 3, false), "111222333");
  EXPECT_EQ(Order(3, 1, true), "123");
  EXPECT_EQ(Order(3, 1, false), "123");
  EXPECT_EQ(Order(3, 0, false), "");
  EXPECT_EQ(Order(0, 3, true), "");
  int visits = 0;
  ForEachPrintedPage(1, 65535, false, [&](int) { return ++visits, true; });
  EXPECT_EQ(visits, 65535);
}

TEST(PrintLayout, PageOrderStopsAtTheFirstRefusal) {
  std::vector<int> seen;
  const bool all = ForEachPrintedPage(3, 2, true, [&](int page) {
    seen.push_back(page);
    return seen.size() < 4;
  });
  EXPECT_FALSE(all);
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));
}

// The entry split exactly as strtok splits a copy of it.
DeviceEntry WithStrtok(const std::string& entry) {
  std::vector<char> copy(entry.begin(), entry.end());
  copy.resize(kDeviceEntryChars, '\0');
  copy[kDeviceEntryChars - 1] = '\0';
  DeviceEntry parts;
  const char* printer = std::strtok(copy.data(), ",");
  const char* driver = std::strtok(nullptr, ", ");
  const char* port = std::strtok(nullptr, ", ");
  parts.printer = printer ? printer : "";
  parts.driver = driver ? driver : "";
  parts.port = port ? port : "";
  parts.complete = printer && driver && port;
  return parts;
}

TEST(PrintLayout, DefaultPrinterEntrySplitsAsStrtok) {
  const DeviceEntry bench = SplitDeviceEntry("wk bench PostScript,wineps.drv,WKPRINT:");
  EXPECT_TRUE(bench.complete);
  EXPECT_EQ(bench.printer, "wk bench PostScript");  // blanks belong to the name
  EXPECT_EQ(bench.driver, "wineps.drv");
  EXPECT_EQ(bench.port, "WKPRINT:");

  const DeviceEntry blanks = SplitDeviceEntry(",,Laser, winspool  LPT1:,extra");
  EXPECT_EQ(blanks.printer, "Laser");
  EXPECT_EQ(blanks.driver, "winspool");
  EXPECT_EQ(blanks.port, "LPT1:");

  EXPECT_FALSE(SplitDeviceEntry(",,,").complete);  // the profile's default
  EXPECT_FALSE(SplitDeviceEntry("").complete);
  EXPECT_FALSE(SplitDeviceEntry("Laser,winspool").complete);
  EXPECT_FALSE(SplitDeviceEntry("Laser,winspool, ,").complete);

  for (const std::string& entry : std::vector<std::string>{
           "a,b,c", "a,,b,,c", " a , b , c ", "a b c", "a,b c", ",a", "a,b,", "a,  ,b,c",
           std::string(118, 'x') + ",d,p", std::string(110, 'x') + ",driver,port"}) {
    const DeviceEntry ours = SplitDeviceEntry(entry);
    const DeviceEntry reference = WithStrtok(entry);
    EXPECT_EQ(ours.printer, reference.printer) << entry;
    EXPECT_EQ(ours.driver, reference.driver) << entry;
    EXPECT_EQ(ours.port, reference.port) << entry;
    EXPECT_EQ(ours.complete, reference.complete) << entry;
  }
}

TEST(PrintLayout, RichEditPageInTwips) {
  EXPECT_EQ(Twips(0), 0);
  EXPECT_EQ(Twips(10), 566);  // 566.93, cut toward zero
  EXPECT_EQ(Twips(210), 11905);
  EXPECT_EQ(Twips(-10), -566);
  EXPECT_EQ(Twips(INT_MAX), INT_MAX);
  EXPECT_EQ(PageSideWithChange(210, 5), 210);  // a positive change counts as 0
  EXPECT_EQ(PageSideWithChange(210, 0), 210);
  EXPECT_EQ(PageSideWithChange(210, -20), 190);
  EXPECT_EQ(PageSideWithChange(-10, INT_MIN), INT_MIN);
}

// A formatter that fits `per_page` characters a page, or answers `stuck`
// from the page `stall_at` on.
struct FakeBands {
  long per_page = 100;
  int stall_at = 0;
  long stuck = 0;
  int cancel_after = 0;
  std::vector<long> starts;
  int displays = 0;
  int new_pages = 0;

  long Format(long first) {
    starts.push_back(first);
    if (stall_at && static_cast<int>(starts.size()) >= stall_at) return stuck;
    return first + per_page;
  }
  void Display() { ++displays; }
  void NextPage() { ++new_pages; }
  bool Cancelled() const { return cancel_after && new_pages >= cancel_after; }
};

TEST(PrintLayout, BandLoopLaysOutPageAfterPage) {
  FakeBands bands;
  EXPECT_EQ(RunBandLoop(0, 250, bands), BandLoopEnd::kDone);
  EXPECT_EQ(bands.starts, (std::vector<long>{0, 100, 200}));
  EXPECT_EQ(bands.displays, 3);
  EXPECT_EQ(bands.new_pages, 2);  // the first page is begun before the loop

  FakeBands selection;
  EXPECT_EQ(RunBandLoop(120, 200, selection), BandLoopEnd::kDone);
  EXPECT_EQ(selection.starts, (std::vector<long>{120}));
}

TEST(PrintLayout, BandLoopEndsWhenAFormatStepMakesNoProgress) {
  // Wine's rich edit answers every format request with 0.
  FakeBands wine;
  wine.stall_at = 1;
  EXPECT_EQ(RunBandLoop(0, 250, wine), BandLoopEnd::kStalled);
  EXPECT_EQ(wine.starts.size(), 1u);
  EXPECT_EQ(wine.new_pages, 0);

  FakeBands later;
  later.stall_at = 3;
  later.stuck = 200;  // answers its own start
  EXPECT_EQ(RunBandLoop(0, 500, later), BandLoopEnd::kStalled);
  EXPECT_EQ(later.new_pages, 2);

  FakeBands behind;  // from a selection: 0 is behind the start
  behind.stall_at = 1;
  EXPECT_EQ(RunBandLoop(50, 80, behind), BandLoopEnd::kStalled);
}

TEST(PrintLayout, BandLoopStopsBetweenPagesWhenCancelled) {
  FakeBands bands;
  bands.cancel_after = 1;
  EXPECT_EQ(RunBandLoop(0, 1000, bands), BandLoopEnd::kStopped);
  EXPECT_EQ(bands.starts.size(), 1u);
  EXPECT_EQ(bands.new_pages, 1);
}

TEST(PrintLayout, BandLoopEndsAtTheLastPage) {
  FakeBands bands;
  bands.per_page = 1;
  EXPECT_EQ(RunBandLoop(0, 2000000, bands), BandLoopEnd::kPageLimit);
  EXPECT_EQ(bands.displays, kLastRichPage);
  EXPECT_EQ(bands.new_pages, kLastRichPage - 1);
}

}  // namespace

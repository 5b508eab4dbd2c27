// Page arithmetic of the toolkit's printing: the zoom scale, margins, the
// wrap control and print font sizes, lines and pages, the order in which
// copies come out, the default printer entry, and the rich edit's page in
// twips. Pure logic: no platform calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wk::print {

inline constexpr int kSmallestZoom = 20;       // a smaller zoom is refused
inline constexpr int kMarginUnit = 11;         // printer pixels per margin unit
inline constexpr int kLineBufferChars = 2500;  // longest line printed whole
inline constexpr int kDeviceEntryChars = 120;  // profile buffer of the entry
inline constexpr int kLastRichPage = 999999;   // rich edit pages are 1..this
inline constexpr double kHeightFactor = 0.94;  // wrap height and font height
inline constexpr double kTwipsPerMillimetre = 56.693;

// The scale t for a zoom of at least kSmallestZoom percent, kept as a
// 32-bit float: 3.7 at 100, falling by 2.8 per 100 below it and rising by
// 3.1 per 100 above it (20 -> 1.46, 50 -> 2.3, 200 -> 6.8).
float ZoomScale(int zoom);

// A margin argument in printer pixels (times kMarginUnit), held within the
// range of int instead of overflowing.
int MarginPixels(int margin);

// Size of the hidden edit control that breaks the lines: width
// (printer width - right margin) / t and height (printer height + top
// margin) / (0.94 t), cut toward zero and never negative.
struct Size {
  int width;
  int height;
};
Size WrapControlSize(int printer_width, int printer_height, int right, int top, float scale);

// Print font size from the measuring font's metrics: height 0.94 s h and
// width s w with s = t - 0.5, cut toward zero.
Size PrintFontSize(float scale, int char_height, int average_char_width);

// Lines that fit on a page: (printer height - bottom margin) / line height;
// 0 when not even one line fits (or the line height is not positive).
int LinesPerPage(int printer_height, int bottom, int line_height);

// Pages for `lines` lines at `per_page` a page (per_page at least 1).
int PageCount(int lines, int per_page);

// Calls visit(page) for each page printed, pages counted from 0: with
// collation `copies` whole sets (0 1 2 0 1 2), without it each page
// `copies` times before the next (0 0 1 1 2 2). The copy counters are
// 16-bit as the print dialog's record. Stops as soon as visit returns
// false; returns false then, true when every page was visited.
template <class Visit>
bool ForEachPrintedPage(int pages, std::uint16_t copies, bool collate, Visit&& visit) {
  const std::uint16_t sets = collate ? copies : std::uint16_t{1};
  const std::uint16_t repeats = collate ? std::uint16_t{1} : copies;
  for (std::uint16_t set = 0; set < sets; ++set) {
    for (int page = 0; page < pages; ++page) {
      for (std::uint16_t repeat = 0; repeat < repeats; ++repeat) {
        if (!visit(page)) return false;
      }
    }
  }
  return true;
}

// The profile's default printer entry "printer,driver,port" split as the
// standard library's strtok splits it: the printer name up to the first
// comma (leading commas skipped), then the driver and the port, each
// delimited by commas or blanks. Only the first kDeviceEntryChars - 1
// characters count, as the profile hands over no more.
struct DeviceEntry {
  std::string printer;
  std::string driver;
  std::string port;
  bool complete = false;  // all three parts present
};
DeviceEntry SplitDeviceEntry(std::string_view entry);

// Millimetres in twips, cut toward zero and held within the range of int.
int Twips(int millimetres);

// A page side in millimetres with the caller's change: added when it is 0
// or negative, ignored when positive.
int PageSideWithChange(int side, int change);

// How the rich edit's band loop ended.
enum class BandLoopEnd {
  kDone,       // the text up to the end position was laid out
  kStopped,    // the cancel flag was set between pages
  kStalled,    // a format step made no progress: the rest cannot be laid out
  kPageLimit,  // page kLastRichPage was reached before the end
};

// The rich edit's page loop over the characters [first, end). `ops` lays
// out and draws one page per round:
//   long Format(long first)  lays out a page from `first`, returns the
//                            first character that did not fit
//   void Display()           draws the page laid out last
//   void NextPage()          ends the page and starts the next
//   bool Cancelled()         the user stopped the print
// A page is begun before the loop. A format step that answers at or before
// its own start while text remains would repeat the same empty page up to
// kLastRichPage times, so the loop ends there instead.
template <class Ops>
BandLoopEnd RunBandLoop(long first, long end, Ops& ops) {
  long start = first;
  for (int page = 1;; ++page) {
    const long next = ops.Format(start);
    ops.Display();
    if (next >= end) return BandLoopEnd::kDone;
    if (next <= start) return BandLoopEnd::kStalled;
    if (page >= kLastRichPage) return BandLoopEnd::kPageLimit;
    ops.NextPage();
    start = next;
    if (ops.Cancelled()) return BandLoopEnd::kStopped;
  }
}

}  // namespace wk::print

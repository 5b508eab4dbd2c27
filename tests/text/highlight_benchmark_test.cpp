// Highlighting benchmark: a C source of about 60 KB in a rich edit, with 32
// keywords, line comments and block comments, timed and printed. With the
// environment variable WK_HOLD_MS set, the window stays on screen that long
// afterwards so it can be looked at.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "rich_edit_support.hpp"

namespace {

constexpr const char* kKeywords[] = {
    "auto",   "break",  "case",     "char",   "const",    "continue", "default",  "do",
    "double", "else",   "enum",     "extern", "float",    "for",      "goto",     "if",
    "int",    "long",   "register", "return", "short",    "signed",   "sizeof",   "static",
    "struct", "switch", "typedef",  "union",  "unsigned", "void",     "volatile", "while"};

std::string CSource(size_t bytes) {
  static const char* kChunk =
      "/* Sums the samples of one buffer.\r\n"
      " * Returns the total, or -1 when the buffer is empty. */\r\n"
      "static long sum_%d(const short *samples, unsigned int count)\r\n"
      "{\r\n"
      "    long total = 0; // running total\r\n"
      "    unsigned int i;\r\n"
      "    if (count == 0) return -1;\r\n"
      "    for (i = 0; i < count; i++) {\r\n"
      "        switch (samples[i] & 3) {\r\n"
      "        case 0: total += samples[i]; break;\r\n"
      "        default: total -= (long)sizeof(int); continue;\r\n"
      "        }\r\n"
      "    }\r\n"
      "    while (total > 100000) total /= 2; // keep it small\r\n"
      "    return total;\r\n"
      "}\r\n\r\n";
  std::string text;
  char chunk[1024];
  for (int n = 0; text.size() < bytes; ++n) {
    snprintf(chunk, sizeof chunk, kChunk, n);
    text += chunk;
  }
  return text;
}

TEST(HighlightBenchmark, SixtyKilobytesOfC) {
  const std::string source = CSource(60 * 1024);
  richtest::RichWindow w("", "VSCROLL");
  wk_RichEditFitToParent(w.rich, 0, 0, 0, 0);
  SendMessageA(w.rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(source.c_str()));
  wk_RichEditSelect(w.rich, 0, 0);
  const int n = wk_RichEditGetTextLength(w.rich);
  ASSERT_GE(n, 60 * 1024);

  LARGE_INTEGER frequency, start, stop;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  wk_RichEditFreeze(w.rich);
  for (const char* keyword : kKeywords) {
    wk_RichEditHighlightWord(w.rich, 0, n, keyword, nullptr, 0, CFE_BOLD, RGB(0, 0, 160));
  }
  wk_RichEditHighlightToLineEnd(w.rich, 0, n, "//", nullptr, 0, CFE_ITALIC, RGB(0, 128, 0));
  wk_RichEditHighlightBlock(w.rich, 0, n, "/*", "*/", nullptr, 0, CFE_ITALIC, RGB(0, 128, 0));
  wk_RichEditThaw(w.rich);
  UpdateWindow(w.rich);
  QueryPerformanceCounter(&stop);
  const double seconds =
      static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  printf(
      "figure: highlighting %d characters (32 keywords, line and block comments): %.3f s, %.0f "
      "KB/s\n",
      n, seconds, n / 1024.0 / seconds);

  // Spot checks: a keyword, a line comment, a block comment.
  EXPECT_EQ(richtest::ColourAt(w.rich, source.find("static")), RGB(0, 0, 160));
  EXPECT_EQ(richtest::ColourAt(w.rich, source.find("// running") + 4), RGB(0, 128, 0));
  EXPECT_EQ(richtest::ColourAt(w.rich, 5), RGB(0, 128, 0));
  EXPECT_EQ(richtest::ColourAt(w.rich, source.find("long total") + 5), RGB(0, 0, 0));

  if (const char* hold = getenv("WK_HOLD_MS")) {
    wk_RichEditSelect(w.rich, 0, 0);
    SendMessageA(w.rich, EM_SCROLLCARET, 0, 0);
    wktest::Pump(atoi(hold));
  }
}

}  // namespace

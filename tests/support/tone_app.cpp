#include "tone_app.hpp"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "app/logic/sine.hpp"
#include "screenshot.hpp"

namespace tonetest {

ToneApp::ToneApp(const char* exe, const char* title) : process_((capture_.Clear(), exe)) {
  window_ = process_.FindWindowByTitle(title);
  // Found while still hidden, building its contents: wait until it is shown.
  wktest::WaitFor([&] { return window_ && IsWindowVisible(window_); });
  startup_seconds_ = wktest::NowSeconds() - startup_seconds_;
  wktest::Pump(100);
}

ToneApp::~ToneApp() {
  if (window_ && IsWindow(window_)) Close();
}

HWND ToneApp::Slider() const { return FindWindowExA(window_, nullptr, TRACKBAR_CLASSA, nullptr); }

void ToneApp::Click(int id, int settle_ms) {
  SendMessageA(Button(id), BM_CLICK, 0, 0);
  wktest::Pump(settle_ms);
}

void ToneApp::DragSlider(int position) {
  HWND slider = Slider();
  LPARAM from = reinterpret_cast<LPARAM>(slider);
  SendMessageA(slider, TBM_SETPOS, TRUE, position);
  SendMessageA(window_, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position), from);
  SendMessageA(window_, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), from);
}

bool ToneApp::WaitForSound(size_t bytes, int ms) const {
  const size_t start = capture_.Size();
  return wktest::WaitFor([&] { return capture_.Size() >= start + bytes; }, ms);
}

int ToneApp::Close() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  const int code = process_.WaitExit();
  window_ = nullptr;
  return code;
}

Snapshot::Snapshot(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
  pixels_ = wktest::CapturePixels(window, client);
  if (pixels_.empty()) width_ = height_ = 0;
}

COLORREF Snapshot::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  const unsigned p = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int TextDifferences(const Snapshot& shot, int x, int y, const char* text, COLORREF colour,
                    HFONT font, COLORREF background, COLORREF under, RECT within) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old_font = SelectObject(memory, font ? font : GetStockObject(SYSTEM_FONT));
  SIZE size{};
  GetTextExtentPoint32A(memory, text, lstrlenA(text), &size);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  RECT all{0, 0, size.cx, size.cy};
  HBRUSH brush = CreateSolidBrush(under);
  FillRect(memory, &all, brush);
  DeleteObject(brush);
  SetTextColor(memory, colour);
  if (background != 0) {
    SetBkColor(memory, background);
    SetBkMode(memory, OPAQUE);
  } else {
    SetBkMode(memory, TRANSPARENT);
  }
  TextOutA(memory, 0, 0, text, lstrlenA(text));
  int differences = 0;
  for (int j = 0; j < size.cy; ++j) {
    for (int i = 0; i < size.cx; ++i) {
      const POINT at{x + i, y + j};
      if (!PtInRect(&within, at)) continue;
      differences += GetPixel(memory, i, j) != shot.At(at.x, at.y);
    }
  }
  SelectObject(memory, old_bitmap);
  SelectObject(memory, old_font);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return differences;
}

RefillLogReader::RefillLogReader() {
  block_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                              sizeof(vindra::RefillLog), vindra::kRefillLogName);
  if (block_) {
    log_ = static_cast<vindra::RefillLog*>(
        MapViewOfFile(block_, FILE_MAP_READ, 0, 0, sizeof(vindra::RefillLog)));
  }
}

RefillLogReader::~RefillLogReader() {
  if (log_) UnmapViewOfFile(log_);
  if (block_) CloseHandle(block_);
}

void RefillLogReader::Drain(std::vector<vindra::RefillEntry>& into) {
  constexpr LONG kRing = static_cast<LONG>(vindra::kRefillLogEntries);
  const LONG count = log_->count;
  if (count - read_ > kRing) {
    lost_ += count - read_ - kRing;
    read_ = count - kRing;
  }
  for (; read_ < count; ++read_) {
    into.push_back(log_->entries[static_cast<unsigned>(read_) % vindra::kRefillLogEntries]);
  }
}

std::string Spread(const std::vector<vindra::RefillEntry>& entries,
                   DWORD vindra::RefillEntry::*field, const char* unit) {
  std::vector<unsigned long> values;
  for (const vindra::RefillEntry& entry : entries) values.push_back(entry.*field);
  if (values.empty()) return "none";
  std::sort(values.begin(), values.end());
  const size_t p99 = std::min(values.size() - 1, values.size() * 99 / 100);
  char text[160];
  std::snprintf(text, sizeof text, "median %lu %s, p99 %lu %s, max %lu %s",
                values[values.size() / 2], unit, values[p99], unit, values.back(), unit);
  return text;
}

std::vector<unsigned char> SineBytes(int step, double& phase, int count) {
  std::vector<unsigned char> bytes(static_cast<size_t>(count) * kBufferBytes);
  for (int n = 0; n < count; ++n) {
    vindra::FillSineBuffer(bytes.data() + static_cast<size_t>(n) * kBufferBytes, step, phase);
  }
  return bytes;
}

}  // namespace tonetest

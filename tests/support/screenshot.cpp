#include "screenshot.hpp"

#include <algorithm>
#include <cstdio>

#include "toolkit/core/gdi.hpp"
#include "wktest.hpp"

namespace wktest {

namespace {

void MakeFolders(const std::string& path) {
  for (size_t slash = path.find_first_of("\\/", 3); slash != std::string::npos;
       slash = path.find_first_of("\\/", slash + 1)) {
    CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
  }
}

struct EnumRequest {
  DWORD pid;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lparam) {
  auto* request = reinterpret_cast<EnumRequest*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == request->pid && IsWindowVisible(window)) request->found->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<unsigned> GrabPixels(HDC dc, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const wk::MemoryDC memory(dc);
  const wk::Bitmap bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return {};
  const wk::Selected selected(memory.get(), bitmap.get());
  if (!BitBlt(memory.get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY)) return {};
  GdiFlush();
  const unsigned* data = static_cast<const unsigned*>(bits);
  return std::vector<unsigned>(data, data + static_cast<size_t>(width) * height);
}

std::vector<unsigned> CapturePixels(HWND window, const RECT& area) {
  return GrabPixels(wk::WindowDC(window).get(), area);
}

bool SaveScreenBitmap(const RECT& area, const std::string& path) {
  const std::vector<unsigned> pixels = CapturePixels(nullptr, area);
  if (pixels.empty()) return false;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  // 24 bits per pixel, rows bottom-up and padded to 4 bytes, as .bmp files
  // store them.
  const DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  std::vector<unsigned char> image(static_cast<size_t>(row) * height);
  for (int y = 0; y < height; ++y) {
    unsigned char* out = image.data() + static_cast<size_t>(height - 1 - y) * row;
    for (int x = 0; x < width; ++x) {
      const unsigned p = pixels[static_cast<size_t>(y) * width + x];
      out[x * 3] = p & 0xFF;
      out[x * 3 + 1] = (p >> 8) & 0xFF;
      out[x * 3 + 2] = (p >> 16) & 0xFF;
    }
  }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(image.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  MakeFolders(path);
  bool written = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&header, sizeof header, 1, out) == 1 &&
              std::fwrite(image.data(), image.size(), 1, out) == 1;
    written = std::fclose(out) == 0 && written;
  }
  return written;
}

int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance) {
  const auto within = [tolerance](int a, int b) {
    return a - b <= tolerance && b - a <= tolerance;
  };
  int count = 0;
  for (unsigned p : CapturePixels(nullptr, area)) {
    count += within((p >> 16) & 0xFF, GetRValue(colour)) &&
             within((p >> 8) & 0xFF, GetGValue(colour)) && within(p & 0xFF, GetBValue(colour));
  }
  return count;
}

RECT AreaOf(const std::vector<HWND>& windows) {
  RECT area{};
  bool first = true;
  for (HWND window : windows) {
    RECT r{};
    if (!GetWindowRect(window, &r)) continue;
    if (first) {
      area = r;
      first = false;
    } else {
      UnionRect(&area, &area, &r);
    }
  }
  // Only what lies on the screen can be read.
  area.left = std::max<LONG>(area.left, 0);
  area.top = std::max<LONG>(area.top, 0);
  area.right = std::min<LONG>(area.right, GetSystemMetrics(SM_CXSCREEN));
  area.bottom = std::min<LONG>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
  return area;
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
  std::vector<HWND> found;
  EnumRequest request{pid, &found};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&request));
  return found;
}

HWND WaitForNewDialog(DWORD pid, const std::vector<HWND>& known, int ms) {
  HWND dialog = nullptr;
  WaitFor(
      [&] {
        for (HWND window : TopLevelWindows(pid)) {
          if (ClassName(window) == "#32770" &&
              std::find(known.begin(), known.end(), window) == known.end()) {
            dialog = window;
            return true;
          }
        }
        return false;
      },
      ms);
  return dialog;
}

bool WaitForClosed(HWND window, int ms) {
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, ms);
}

void Sync(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

std::string ItemText(HWND dialog, int id) {
  // WM_GETTEXT asks the control itself; GetWindowTextA would only read the
  // caption the system keeps for a window of another process.
  char buffer[4096] = {};
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof buffer,
                      reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 5000, nullptr);
  return buffer;
}

}  // namespace wktest

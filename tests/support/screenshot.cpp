#include "screenshot.hpp"

#include <algorithm>
#include <cstdio>

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

bool SaveScreenBitmap(const RECT& area, const std::string& path) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as .bmp files store it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != 0;
    GdiFlush();
    SelectObject(memory, old);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!copied) {
    if (bitmap) DeleteObject(bitmap);
    return false;
  }

  const DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD image = row * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + image;
  info.bmiHeader.biSizeImage = image;
  MakeFolders(path);
  bool written = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, image, 1, out) == 1;
    written = std::fclose(out) == 0 && written;
  }
  DeleteObject(bitmap);
  return written;
}

int CountScreenPixels(const RECT& area, COLORREF colour, int tolerance) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return 0;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  int count = 0;
  if (bitmap != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const auto within = [tolerance](int a, int b) {
        return a - b <= tolerance && b - a <= tolerance;
      };
      const unsigned* p = static_cast<const unsigned*>(bits);
      for (int i = 0; i < width * height; ++i) {
        count += within((p[i] >> 16) & 0xFF, GetRValue(colour)) &&
                 within((p[i] >> 8) & 0xFF, GetGValue(colour)) &&
                 within(p[i] & 0xFF, GetBValue(colour));
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
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

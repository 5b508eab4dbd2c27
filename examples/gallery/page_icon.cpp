// The icon canvas page: a 32 x 32 icon of 16 colours, drawn large as a grid
// of cells and at its natural size, painted with the mouse in the colour
// chosen from the palette, saved to an icon file and loaded back.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "gallery.hpp"
#include "wk_controls.h"
#include "wk_draw.h"

namespace gallery {

namespace {

enum : int {
  kSave = kControlFirst + 400,
  kLoad,
  kClear,
};

constexpr int kCanvasX = kPageLeft;
constexpr int kCanvasY = kPageTop + 24;
constexpr int kCanvasSize = 384;  // 12 pixels a cell
constexpr int kPreviewX = kCanvasX + kCanvasSize + 30;
constexpr int kPreviewY = kCanvasY;
constexpr int kSwatchX = kPreviewX;
constexpr int kSwatchY = kCanvasY + 140;
constexpr int kSwatch = 24;
// Transparent cells show in this colour.
constexpr COLORREF kMarker = RGB(224, 224, 224);

struct Icon {
  int image[1024] = {};
  int palette[48] = {};
  int colours[16] = {};
  int chosen = 9;  // red
};
Icon g_icon;

HWND Keep(HWND control) {
  if (control != nullptr) Shared().controls.push_back(control);
  return control;
}

const char* IconFile() {
  static char path[MAX_PATH + 32] = "";
  if (path[0] == '\0') {
    GetTempPathA(MAX_PATH, path);
    std::strcat(path, "gallery-canvas.ico");
  }
  return path;
}

// A first picture: a yellow face on a transparent ground.
void DrawFace(int* image) {
  wk_IconFill(image, 16);
  for (int row = 0; row < 32; ++row) {
    for (int column = 0; column < 32; ++column) {
      const int dx = column * 2 - 31, dy = row * 2 - 31;
      const int d2 = dx * dx + dy * dy;
      int& cell = image[row * 32 + column];
      if (d2 <= 29 * 29) cell = 11;                  // yellow
      if (d2 <= 29 * 29 && d2 >= 26 * 26) cell = 0;  // outline
      if ((row >= 9 && row <= 13) && (column == 10 || column == 11 || column == 20 || column == 21))
        cell = 0;                                                                        // eyes
      if (row >= 19 && row <= 23 && d2 >= 13 * 13 && d2 <= 16 * 16 && dy > 0) cell = 9;  // mouth
    }
  }
}

void ReportFile(const char* what, int result) {
  char line[MAX_PATH + 64];
  std::snprintf(line, sizeof line, "%s %s: %s", what, IconFile(), result == 0 ? "done" : "failed");
  Report(line);
}

void InvalidateCanvas(HWND window) {
  const RECT area = {kCanvasX, kCanvasY, kSwatchX + 8 * (kSwatch + 4), kCanvasY + kCanvasSize + 2};
  InvalidateRect(window, &area, FALSE);
}

}  // namespace

void BuildIconPage(HWND window) {
  wk_IconDefaultPalette(g_icon.palette);
  wk_IconPaletteColours(g_icon.colours, g_icon.palette);
  DrawFace(g_icon.image);
  // Saved and read back at once: what the canvas shows came from the file.
  wk_IconSave(IconFile(), g_icon.palette, g_icon.image);
  ReportFile("Saved and loaded", wk_IconLoad(IconFile(), g_icon.palette, g_icon.image, 1));
  const int x = kPreviewX;
  const int y = kSwatchY + 2 * (kSwatch + 4) + 20;
  Keep(wk_ButtonCreate(window, x, y, 150, 28, "Save icon file", "C", "NORMAL", kSave));
  Keep(wk_ButtonCreate(window, x, y + 36, 150, 28, "Load icon file", "C", "NORMAL", kLoad));
  Keep(wk_ButtonCreate(window, x, y + 72, 150, 28, "Clear (transparent)", "C", "NORMAL", kClear));
}

void PaintIconPage(HWND window) {
  wk_WriteText(window, kPageLeft, kPageTop,
               "The icon canvas: click or drag to paint in the chosen colour", RGB(0, 0, 96),
               nullptr, 0);
  wk_IconDrawCanvas(window, kCanvasX, kCanvasY, kCanvasSize, g_icon.image, g_icon.palette, kMarker,
                    "GRID_DOT");
  wk_WriteText(window, kPreviewX, kPreviewY - 2, "Natural size and mask", RGB(0, 0, 96), nullptr,
               0);
  wk_IconDrawCanvas(window, kPreviewX, kPreviewY + 20, 32, g_icon.image, g_icon.palette, kMarker,
                    "");
  wk_IconDrawCanvas(window, kPreviewX + 48, kPreviewY + 20, 32, g_icon.image, g_icon.palette,
                    kMarker, "MASK");
  wk_IconDrawCanvas(window, kPreviewX + 96, kPreviewY + 20, 64, g_icon.image, g_icon.palette,
                    kMarker, "NO_STYLE");
  wk_WriteText(window, kSwatchX, kSwatchY - 20, "Palette (the chosen colour is framed)",
               RGB(0, 0, 96), nullptr, 0);
  for (int i = 0; i < 16; ++i) {
    const int sx = kSwatchX + (i % 8) * (kSwatch + 4);
    const int sy = kSwatchY + (i / 8) * (kSwatch + 4);
    const COLORREF frame = i == g_icon.chosen ? RGB(1, 1, 1) : GetSysColor(COLOR_BTNFACE);
    wk_DrawBox(window, sx - 2, sy - 2, sx + kSwatch + 2, sy + kSwatch + 2, g_icon.colours[i], 2,
               frame);
  }
}

bool IconPageCommand(HWND window, int command) {
  switch (command) {
    case kSave:
      ReportFile("Saved", wk_IconSave(IconFile(), g_icon.palette, g_icon.image));
      return true;
    case kLoad:
      ReportFile("Loaded", wk_IconLoad(IconFile(), g_icon.palette, g_icon.image, 1));
      wk_IconPaletteColours(g_icon.colours, g_icon.palette);
      InvalidateCanvas(window);
      return true;
    case kClear:
      wk_IconFill(g_icon.image, 16);
      InvalidateCanvas(window);
      return true;
    default:
      return false;
  }
}

// A click (or a drag with the button down): a swatch chooses the colour, the
// canvas takes it in the cell under the cursor.
bool IconPageMouse(HWND window, int x, int y) {
  for (int i = 0; i < 16; ++i) {
    const int sx = kSwatchX + (i % 8) * (kSwatch + 4);
    const int sy = kSwatchY + (i / 8) * (kSwatch + 4);
    if (x >= sx && x < sx + kSwatch && y >= sy && y < sy + kSwatch) {
      g_icon.chosen = i;
      InvalidateCanvas(window);
      return true;
    }
  }
  if (x < kCanvasX || y < kCanvasY || x >= kCanvasX + kCanvasSize || y >= kCanvasY + kCanvasSize)
    return false;
  wk_IconPaintAtCursor(window, kCanvasX, kCanvasY, kCanvasSize, g_icon.image,
                       g_icon.colours[g_icon.chosen], "GRID_DOT");
  return true;
}

}  // namespace gallery

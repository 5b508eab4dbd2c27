// Platform objects per call: every toolkit operation that makes GDI objects
// or windows, repeated, leaves the process with as many as before. One
// object kept per call would, sooner or later, fill the process's GDI
// handle table (65,536 entries under Wine, 10,000 by default on Windows),
// and then every drawing of every program part fails.
//
// Wine keeps no count of a process's GDI objects (GetGuiResources answers
// 0), so the test support counts the live ones in the handle table. That is
// exact, so each operation is repeated enough to show one object per call
// plainly, rather than until the table is exhausted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "print_capture.hpp"
#include "wk_controls.h"
#include "wk_draw.h"
#include "wk_text.h"
#include "wk_windows.h"
#include "wktest.hpp"

namespace {

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Enumerates the window's descendants too.
BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// Windows of this thread, children included.
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Objects {
  int gdi;
  int windows;
};

Objects Count() { return {wktest::GdiObjectCount(), ThreadWindows()}; }

// What one operation needs: a window of the toolkit's kind to draw on and
// parent controls, and files to write.
struct Bench {
  HWND window;
  std::string file(const char* name) const { return wktest::BuildPath(name); }
};

struct Operation {
  const char* name;
  std::function<void(Bench&, int i)> call;
  int repeats;
};

void PrintTo(const Operation& op, std::ostream* os) { *os << op.name; }

COLORREF Colour(int i) { return RGB(i % 256, (i * 7) % 256, 200); }

void DeleteFont(HFONT font) {
  ASSERT_NE(font, nullptr);
  DeleteObject(font);
}

// Destroys what a create returned, checking it was made.
void Destroy(HWND control, int (*destroy)(HWND)) {
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(destroy(control), 0);
}

int g_icon_image[1024];
int g_icon_palette[48];

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> operations = {
      // Drawing, text and number output.
      {"WriteText",
       [](Bench& b, int i) {
         wk_WriteText(b.window, 5, 5, "Hej", Colour(i), nullptr, Colour(i + 1));
       },
       100},
      {"WriteNumber",
       [](Bench& b, int i) {
         wk_WriteNumber(b.window, 5, 25, i * 1.5, 2, Colour(i), nullptr, Colour(i + 1));
       },
       100},
      {"WriteShadowText",
       [](Bench& b, int i) {
         wk_WriteShadowText(b.window, 5, 45, 2, "Hej", Colour(i), nullptr, 0);
       },
       100},
      {"WriteShadowTextDown",
       [](Bench& b, int i) {
         wk_WriteShadowTextDown(b.window, 5, 45, 12, 2, "Hej", Colour(i), nullptr, Colour(i + 1));
       },
       50},
      {"SetPixel", [](Bench& b, int i) { wk_SetPixel(b.window, 60, 60, Colour(i)); }, 100},
      {"DrawLine", [](Bench& b, int i) { wk_DrawLine(b.window, 0, 70, 90, 80, Colour(i)); }, 100},
      {"DrawDashLine",
       [](Bench& b, int i) { wk_DrawDashLine(b.window, 0, 80, 90, 80, Colour(i), Colour(i + 1)); },
       100},
      {"DrawDotLine",
       [](Bench& b, int i) { wk_DrawDotLine(b.window, 0, 82, 90, 82, Colour(i), 0); }, 100},
      {"DrawDashDotLine",
       [](Bench& b, int i) {
         wk_DrawDashDotLine(b.window, 0, 84, 90, 84, Colour(i), Colour(i + 1));
       },
       100},
      {"DrawDashDotDotLine",
       [](Bench& b, int i) {
         wk_DrawDashDotDotLine(b.window, 0, 86, 90, 86, Colour(i), Colour(i + 1));
       },
       100},
      {"DrawEtchedLine",
       [](Bench& b, int) { wk_DrawEtchedLine(b.window, 0, 90, 80, "RIGHT", "LOWER", 3); }, 100},
      {"DrawBevelFrame",
       [](Bench& b, int) { wk_DrawBevelFrame(b.window, 100, 10, 60, 40, "RAISE", 2); }, 100},
      {"FillBox", [](Bench& b, int i) { wk_FillBox(b.window, 100, 60, 20, 20, Colour(i)); }, 100},
      {"DrawBox",
       [](Bench& b, int i) { wk_DrawBox(b.window, 130, 60, 170, 90, Colour(i), 2, Colour(i + 1)); },
       100},
      {"DrawGrid", [](Bench& b, int i) { wk_DrawGrid(b.window, 180, 10, 40, 40, 10, Colour(i)); },
       100},
      {"GetPixel", [](Bench& b, int) { wk_GetPixel(b.window, 60, 60); }, 100},
      {"DrawIcon", [](Bench& b, int) { wk_DrawIcon(b.window, 230, 10, "BLUE_ICON"); }, 100},
      {"DrawSystemIcon", [](Bench& b, int) { wk_DrawSystemIcon(b.window, 270, 10, "IDI_HAND"); },
       100},
      {"DrawBitmap", [](Bench& b, int) { wk_DrawBitmap(b.window, 310, 10, "RED_BITMAP"); }, 100},
      {"DrawBitmapStretched",
       [](Bench& b, int) { wk_DrawBitmapStretched(b.window, 330, 10, 40, 20, "RED_BITMAP"); }, 100},
      {"CreateMemorySurface and CopyToTarget",
       [](Bench& b, int i) {
         HDC surface = wk_CreateMemorySurface(b.window, 32, 32, Colour(i));
         ASSERT_NE(surface, nullptr);
         wk_CopyToTarget(b.window, surface, 380, 10, 32, 32);
         // The previous surface is the caller's, as is this one.
         ASSERT_EQ(wk_SwapMemorySurface(nullptr), surface);
         HGDIOBJ bitmap = GetCurrentObject(surface, OBJ_BITMAP);
         DeleteDC(surface);
         DeleteObject(bitmap);
       },
       100},
      // The icon canvas.
      {"IconDrawCanvas",
       [](Bench& b, int) {
         wk_IconDrawCanvas(b.window, 0, 100, 64, g_icon_image, g_icon_palette, RGB(255, 0, 255),
                           "GRID_DOT");
       },
       100},
      {"IconPaintAtCursor",
       [](Bench& b, int i) {
         wk_IconPaintAtCursor(b.window, 0, 100, 64, g_icon_image, Colour(i), "GRID");
       },
       30},
      {"IconSave and IconLoad",
       [](Bench& b, int) {
         const std::string path = b.file("leak.ico");
         ASSERT_EQ(wk_IconSave(path.c_str(), g_icon_palette, g_icon_image), 0);
         ASSERT_EQ(wk_IconLoad(path.c_str(), g_icon_palette, g_icon_image, 1), 0);
       },
       10},
      // Font makers: the caller owns the font, and deletes it.
      {"CreateFont",
       [](Bench&, int i) { DeleteFont(wk_CreateFont(12 + i % 5, 0, 0, 400, 12, 0, "Arial")); },
       100},
      {"control font makers",
       [](Bench& b, int i) {
         HWND edit = wk_EditCreate(b.window, 0, 200, 80, 20, "L", 50);
         HWND list = wk_ListCreate(b.window, 0, 230, 80, 60);
         HWND status = wk_StatusCreate(b.window, "FLAT");
         HWND combo = wk_ComboCreate(b.window, 90, 200, 80, 80, "READDROP");
         HWND rich = wk_RichEditCreate(b.window, 180, 200, 80, 40, "NOSCROLL", 100);
         DeleteFont(wk_EditCreateFont(edit, 9 + i % 3, 400, 1, 0, "Arial"));
         DeleteFont(wk_ListMakeFont(list, 9, 700, 2, 0, "Arial"));
         DeleteFont(wk_StatusMakeFont(status, 9, 400, 3, 0, "Arial"));
         DeleteFont(wk_ComboCreateFont(combo, 9, 400, 0, 0, "Arial"));
         DeleteFont(wk_RichEditCreateFont(rich, 9, 400, 123, 0, "Arial"));
         DestroyWindow(edit);
         DestroyWindow(list);
         DestroyWindow(status);
         DestroyWindow(combo);
         DestroyWindow(rich);
       },
       10},
      // Background and colour setters: each keeps the one brush it paints
      // with (bounded), not one per call.
      {"WindowSetBackground", [](Bench& b, int i) { wk_WindowSetBackground(b.window, Colour(i)); },
       100},
      {"DialogWindowBrush",
       [](Bench& b, int i) { DeleteObject(wk_DialogWindowBrush(b.window, Colour(i))); }, 100},
      {"control background setters",
       [](Bench& b, int i) {
         HWND bar = wk_ProgressCreate(b.window, 0, 300, 100, 20, "FLAT", 100, 1);
         HWND status = wk_StatusCreate(b.window, "FLAT");
         HWND toolbar = wk_ToolbarCreate(b.window, "FLAT", 30);
         HWND list = wk_ListCreate(b.window, 0, 230, 80, 60);
         HWND rich = wk_RichEditCreate(b.window, 180, 200, 80, 40, "NOSCROLL", 100);
         for (int k = 0; k < 3; ++k) {
           wk_ProgressSetBackground(bar, Colour(i + k));
           wk_StatusSetBackground(status, Colour(i + k));
           wk_ToolbarSetBackground(toolbar, Colour(i + k));
           wk_ListSetColors(list, Colour(i), Colour(i + k));
           wk_RichEditSetColors(rich, Colour(i), Colour(i + k));
         }
         DestroyWindow(bar);
         DestroyWindow(status);
         DestroyWindow(toolbar);
         DestroyWindow(list);
         DestroyWindow(rich);
       },
       20},
      {"EditColor, SpinEditColor, WordProcSimpleColor",
       [](Bench& b, int i) {
         HWND edit = wk_EditCreate(b.window, 0, 200, 80, 20, "L", 50);
         HDC dc = GetDC(edit);
         for (int k = 0; k < 3; ++k) {
           wk_EditColor(edit, Colour(i), Colour(i + k), dc, edit);
           wk_SpinEditColor(edit, Colour(i), Colour(i + k), dc, edit);
           wk_WordProcSimpleColor(edit, Colour(i), Colour(i + k), dc, edit);
         }
         ReleaseDC(edit, dc);
         DestroyWindow(edit);
       },
       30},
      // Controls made and destroyed, of every kind.
      {"Button",
       [](Bench& b, int i) {
         Destroy(wk_ButtonCreate(b.window, 0, 200, 80, 24, "Knapp", "CENTER", "FLAT", 100 + i % 10),
                 wk_ButtonDestroy);
       },
       30},
      {"Check",
       [](Bench& b, int) {
         Destroy(wk_CheckCreate(b.window, 0, 200, "SQUARE", "Val", 101), wk_CheckDestroy);
       },
       30},
      {"Group",
       [](Bench& b, int) {
         Destroy(wk_GroupCreate(b.window, 0, 200, 80, 60, "Grupp"), wk_GroupDestroy);
       },
       30},
      {"ImageButton",
       [](Bench& b, int) {
         Destroy(wk_ImageButtonCreate(b.window, 0, 200, 40, 40, "FLAT", 102),
                 wk_ImageButtonDestroy);
       },
       30},
      {"Slider",
       [](Bench& b, int) {
         Destroy(wk_SliderCreate(b.window, "HORZ", 0, 200, 120, 30, "FLAT", 100, 10, 5),
                 wk_SliderDestroy);
       },
       30},
      {"Progress",
       [](Bench& b, int) {
         Destroy(wk_ProgressCreate(b.window, 0, 200, 100, 20, "FLAT", 100, 1), wk_ProgressDestroy);
       },
       30},
      {"Toolbar",
       [](Bench& b, int) { Destroy(wk_ToolbarCreate(b.window, "FLAT", 30), wk_ToolbarDestroy); },
       30},
      {"Status",
       [](Bench& b, int) { Destroy(wk_StatusCreate(b.window, "FLAT"), wk_StatusDestroy); }, 30},
      {"List",
       [](Bench& b, int) { Destroy(wk_ListCreate(b.window, 0, 200, 120, 80), wk_ListDestroy); },
       30},
      {"UpDown",
       [](Bench& b, int) {
         Destroy(wk_UpDownCreate(b.window, 0, 200, 20, 30, "FLAT", 10, 0, 5), wk_UpDownDestroy);
       },
       30},
      {"Edit",
       [](Bench& b, int) {
         Destroy(wk_EditCreate(b.window, 0, 200, 80, 20, "L", 50), wk_EditDestroy);
       },
       30},
      {"SpinEdit",
       [](Bench& b, int) {
         Destroy(wk_SpinEditCreate(b.window, 0, 200, 80, 20, "L", 50), wk_SpinEditDestroy);
       },
       30},
      {"Combo",
       [](Bench& b, int) {
         Destroy(wk_ComboCreate(b.window, 0, 200, 80, 80, "WRITEDROP"), wk_ComboDestroy);
       },
       30},
      {"WordProcSimple",
       [](Bench& b, int) {
         Destroy(wk_WordProcSimpleCreate(b.window, 0, 200, 120, 80, "VSCROLL", 1000),
                 wk_WordProcSimpleDestroy);
       },
       30},
      {"RichEdit",
       [](Bench& b, int) {
         Destroy(wk_RichEditCreate(b.window, 0, 200, 120, 80, "VSCROLL", 1000), wk_RichEditDestroy);
       },
       30},
      // Message boxes and dialogs, opened and closed.
      {"MessageBox",
       [](Bench& b, int) {
         wktest::DialogAnswerer answer(wktest::DialogAnswerer::Press(IDOK));
         EXPECT_EQ(wk_MessageBox(b.window, "Fel", "Text", "STOP", "OK_help"), WK_ANSWER_OK);
       },
       5},
      {"DefaultModalDialog",
       [](Bench& b, int) {
         wktest::DialogAnswerer answer(wktest::DialogAnswerer::Press(IDOK));
         EXPECT_EQ(wk_DefaultModalDialog(b.window), 1);
       },
       5},
      {"DialogWindowCreate and Close",
       [](Bench& b, int) {
         HWND dialog = wk_DialogWindowCreate(b.window, "Dialog", 10, 10, 200, 100, "", nullptr);
         ASSERT_NE(dialog, nullptr);
         EXPECT_EQ(wk_DialogWindowClose(dialog), 0);
       },
       30},
      // Files: list export and import, rich edit stream out and in.
      {"ListExport and ListImport",
       [](Bench& b, int) {
         static HWND list = [&] {
           HWND l = wk_ListCreate(b.window, 0, 300, 200, 100);
           wk_ListInsertColumn(l, 60, "LEFT", "A", 1);
           wk_ListInsertColumn(l, 60, "LEFT", "B", 2);
           return l;
         }();
         const std::string path = b.file("leak-list.txt");
         if (wk_ListRowCount(list) == 0) {
           std::FILE* file = std::fopen(path.c_str(), "w");
           ASSERT_NE(file, nullptr);
           std::fputs("a1,b1,\na2,b2,\n", file);
           std::fclose(file);
         }
         EXPECT_EQ(wk_ListImport(list, "WRITE", path.c_str(), 2, "COMMA"), WK_LIST_DONE);
         EXPECT_EQ(wk_ListExport(list, "WRITE", path.c_str(), 2, "COMMA"), WK_LIST_DONE);
       },
       5},
      {"RichEditSaveFile and LoadFile",
       [](Bench& b, int) {
         static HWND rich = wk_RichEditCreate(b.window, 0, 300, 200, 100, "VSCROLL", 10000);
         SetWindowTextA(rich, "Hej {\\b fet}");
         const std::string rtf = b.file("leak.rtf");
         const std::string text = b.file("leak.txt");
         EXPECT_GT(wk_RichEditSaveFile(rich, rtf.c_str()), 0);
         EXPECT_GT(wk_RichEditLoadFile(rich, rtf.c_str()), 0);
         EXPECT_GT(wk_RichEditSaveFile(rich, text.c_str()), 0);
         EXPECT_GT(wk_RichEditLoadFile(rich, text.c_str()), 0);
       },
       5},
      // Printing a small document to the bench's printer, in stock fonts and
      // in the caller's own, which survives; the cursor comes back.
      {"WordProcSimplePrint",
       [](Bench& b, int i) {
         static HWND wp = wk_WordProcSimpleCreate(b.window, 0, 300, 200, 100, "VSCROLL", 1000);
         static HFONT own = CreateFontA(-13, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
         SetWindowTextA(wp, "Rad ett\r\nRad tv\xE5\r\n");
         const HCURSOR before = GetCursor();
         const UINT_PTR font = i % 2 ? reinterpret_cast<UINT_PTR>(own) : UINT_PTR(i % 5);
         EXPECT_EQ(wk_WordProcSimplePrint(wp, 1, 1, 1, 1, "leak", 100 + i, font, 0), 0);
         EXPECT_EQ(GetObjectType(own), static_cast<DWORD>(OBJ_FONT));
         EXPECT_EQ(GetCursor(), before);
       },
       4},
      {"RichEditPrint",
       [](Bench& b, int i) {
         static HWND rich = wk_RichEditCreate(b.window, 0, 300, 200, 100, "VSCROLL", 1000);
         SetWindowTextA(rich, "Counting objects");
         EXPECT_EQ(wk_RichEditPrint(rich, i % 20, i % 30, -(i % 7), 0, "leak", 0, 0),
                   WK_PRINT_NO_LAYOUT);
       },
       5},
  };
  return operations;
}

class ObjectLeak : public ::testing::TestWithParam<Operation> {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(wktest::EnsureBenchPrinter());
    wktest::DiscardPrintJobs();
    wk_IconDefaultPalette(g_icon_palette);
    for (int i = 0; i < 1024; ++i) g_icon_image[i] = (i * 5) % 17;
    window_ = wk_WindowCreate(GetModuleHandleA(nullptr), "Objects per call", 0, 0, 640, 480,
                              "MIN_NOMAX_CLO");
  }
  static HWND window_;
};
HWND ObjectLeak::window_ = nullptr;

TEST_P(ObjectLeak, LeavesNoObjectBehindPerCall) {
  const Operation& op = GetParam();
  ASSERT_NE(window_, nullptr);
  Bench bench{window_};
  // The first calls may make what the toolkit keeps for good (a loaded
  // icon, the kind's one brush); repeated calls must not add to it.
  for (int i = 0; i < 2; ++i) op.call(bench, i);
  wktest::Pump(0);
  const Objects before = Count();
  for (int i = 0; i < op.repeats; ++i) op.call(bench, i + 2);
  wktest::Pump(0);
  const Objects after = Count();
  EXPECT_EQ(after.gdi - before.gdi, 0) << "GDI objects left by " << op.repeats << " calls";
  EXPECT_EQ(after.windows - before.windows, 0) << "windows left by " << op.repeats << " calls";
  // The process can still make what every drawing needs.
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HFONT font = CreateFontA(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  HWND window =
      CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(brush, nullptr);
  EXPECT_NE(font, nullptr);
  EXPECT_NE(window, nullptr);
  DeleteObject(brush);
  DeleteObject(font);
  DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Each, ObjectLeak, ::testing::ValuesIn(Operations()),
                         [](const ::testing::TestParamInfo<Operation>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             if (isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

}  // namespace

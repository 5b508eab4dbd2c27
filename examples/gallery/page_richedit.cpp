// The rich edit page: a C source in a rich edit, its keywords, line comments
// and block comments highlighted by the toolkit's scanners.
#include <windows.h>
#include <richedit.h>

#include "gallery.hpp"
#include "wk_draw.h"
#include "wk_text.h"

namespace gallery {

namespace {

constexpr char kSource[] =
    "/* hello.c - a first program on the wk_ toolkit.\r\n"
    "   Every window that wk_WindowCreate makes is served by AppWindowProc. */\r\n"
    "#include <windows.h>\r\n"
    "#include \"wk_windows.h\"\r\n"
    "#include \"wk_draw.h\"\r\n"
    "\r\n"
    "LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)\r\n"
    "{\r\n"
    "    switch (message) {\r\n"
    "    case WM_PAINT:  // the drawing runs a paint cycle of its own\r\n"
    "        wk_WriteText(window, 20, 20, \"Hello\", RGB(0, 0, 128), NULL, 0);\r\n"
    "        return 0;\r\n"
    "    case WM_DESTROY:\r\n"
    "        PostQuitMessage(0);\r\n"
    "        return 0;\r\n"
    "    }\r\n"
    "    return DefWindowProcA(window, message, wparam, lparam);\r\n"
    "}\r\n"
    "\r\n"
    "int WINAPI WinMain(HINSTANCE module, HINSTANCE previous, LPSTR line, int show)\r\n"
    "{\r\n"
    "    MSG msg;\r\n"
    "    /* One call: class, window, shown. */\r\n"
    "    if (wk_WindowCreate(module, \"Hello\", 100, 100, 300, 200, \"MIN_NOMAX_CLO\") == NULL)\r\n"
    "        return 1;\r\n"
    "    while (GetMessageA(&msg, NULL, 0, 0)) {  // until WM_QUIT\r\n"
    "        TranslateMessage(&msg);\r\n"
    "        DispatchMessageA(&msg);\r\n"
    "    }\r\n"
    "    return (int)msg.wParam;\r\n"
    "}\r\n";

constexpr const char* kKeywords[] = {"switch", "case",  "return",   "if",     "while",
                                     "int",    "void",  "char",     "for",    "else",
                                     "struct", "const", "unsigned", "static", "sizeof"};
constexpr COLORREF kKeywordColour = RGB(0, 0, 192);
constexpr COLORREF kLineCommentColour = RGB(0, 128, 0);
constexpr COLORREF kBlockCommentColour = RGB(128, 64, 0);
constexpr COLORREF kDirectiveColour = RGB(128, 0, 128);

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// "Courier New" where the system has it (every Windows does); else a
// monospace face that Wine finds among the system's fonts.
const char* MonospaceFace() {
  static const char* face = [] {
    LOGFONTA wanted{};
    wanted.lfCharSet = ANSI_CHARSET;
    lstrcpyA(wanted.lfFaceName, "Courier New");
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found ? "Courier New" : "Liberation Mono";
  }();
  return face;
}

}  // namespace

HWND BuildRichEditPage(HWND window) {
  HWND rich = wk_RichEditCreate(window, kPageLeft, kPageTop + 22, 776, 470, "VHSCROLL", 65535);
  if (rich == nullptr) return nullptr;
  Shared().controls.push_back(rich);
  static HFONT font = wk_RichEditCreateFont(rich, 9, FW_NORMAL, 0, 0, MonospaceFace());
  wk_RichEditSetFont(rich, font);
  wk_RichEditSetText(rich, kSource);
  const int length = wk_RichEditGetTextLength(rich);
  // Each highlight takes the effects of the selection it finds (bold stays
  // bold), so every pass starts from a caret in plain text.
  wk_RichEditFormatRange(rich, 0, length, MonospaceFace(), 9, 0, RGB(0, 0, 0));
  for (const char* keyword : kKeywords) {
    wk_RichEditSelect(rich, 0, 0);
    wk_RichEditHighlightWord(rich, 0, length, keyword, nullptr, 0, CFE_BOLD, kKeywordColour);
  }
  wk_RichEditSelect(rich, 0, 0);
  wk_RichEditHighlightToLineEnd(rich, 0, length, "#i", nullptr, 0, 0, kDirectiveColour);
  wk_RichEditSelect(rich, 0, 0);
  wk_RichEditHighlightToLineEnd(rich, 0, length, "//", nullptr, 0, CFE_ITALIC, kLineCommentColour);
  wk_RichEditSelect(rich, 0, 0);
  wk_RichEditHighlightBlock(rich, 0, length, "/*", "*/", nullptr, 0, CFE_ITALIC,
                            kBlockCommentColour);
  wk_RichEditSelect(rich, 0, 0);
  wk_RichEditSetModified(rich, "OFF");
  Shared().text_for_find = rich;
  return rich;
}

void PaintRichEditPage(HWND window) {
  wk_WriteText(window, kPageLeft, kPageTop,
               "A rich edit with C keywords, line comments and block comments highlighted",
               RGB(0, 0, 96), nullptr, 0);
}

}  // namespace gallery

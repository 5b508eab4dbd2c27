// Printing the word processor's text. The platform's edit control breaks
// the lines: the text goes into a hidden, read-only multi-line edit control
// as wide as the printable width at the zoom, and its lines are drawn one by
// one onto the printer's pages with a font scaled from the chosen font.
#include <climits>
#include <cstring>
#include <iterator>

#include "toolkit/core/message.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/files/file_dialogs.hpp"
#include "toolkit/text/logic/print_layout.hpp"
#include "toolkit/text/print_source.hpp"
#include "wk_text.h"
#include "wk_windows.h"

namespace {

namespace print = wk::print;

constexpr int kStockFontIds[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT,
                                 OEM_FIXED_FONT};

constexpr DWORD kWrapExStyle = WS_EX_RIGHT | WS_EX_MDICHILD;
constexpr DWORD kWrapStyle = WS_CHILD | ES_READONLY | ES_NOHIDESEL | ES_MULTILINE;
constexpr UINT kLineFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_MODIFYSTRING;

HFONT FontFromCode(UINT_PTR font) {
  return font < std::size(kStockFontIds) ? static_cast<HFONT>(GetStockObject(kStockFontIds[font]))
                                         : reinterpret_cast<HFONT>(font);
}

// A window destroyed at the end of the scope.
class OwnedWindow {
 public:
  explicit OwnedWindow(HWND window) : window_(window) {}
  ~OwnedWindow() {
    if (window_) DestroyWindow(window_);
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// Copies the characters to print to the front of `text` (which holds the
// whole text, `capacity` characters at most) and returns their count.
// Source 1 takes the selection when the print dialog asked for it, source 0
// whenever one exists; otherwise the whole text, up to the word
// processor's limit.
int ReadChosenText(HWND wp, int source, char* text, int capacity) {
  const int got = GetWindowTextA(wp, text, capacity + 1);
  DWORD start = 0;
  DWORD end = 0;
  // EM_GETSEL: wparam and lparam receive the start and the end, 0-based.
  wk::Send(wp, EM_GETSEL, &start, &end);
  const bool selection_asked = source == wk::kPrintFromDialog
                                   ? (wk_PrintDialogRecord.Flags & PD_SELECTION) != 0
                                   : start != end;
  const auto within = [got](DWORD position) {
    return position < static_cast<DWORD>(got) ? static_cast<int>(position) : got;
  };
  int first = 0;
  int count = got;
  if (selection_asked) {
    first = within(start);
    count = within(end) > first ? within(end) - first : 0;
  } else {
    const LRESULT limit = wk::Send(wp, EM_GETLIMITTEXT);
    if (limit >= 0 && limit < count) count = static_cast<int>(limit);
  }
  std::memmove(text, text + first, static_cast<std::size_t>(count));
  text[count] = '\0';
  return count;
}

// a + b * c within the range of int (margins may be as large as int allows).
int Offset(int a, long long b, long long c) {
  const long long value = a + b * c;
  return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

int Print(HWND wp, int left, int top, int right, int bottom, const char* document_name, int zoom,
          UINT_PTR font_code, int source) {
  wk::WaitCursor wait;
  if (zoom < print::kSmallestZoom) return WK_PRINT_SMALL_ZOOM;
  const float scale = print::ZoomScale(zoom);
  left = print::MarginPixels(left);
  top = print::MarginPixels(top);
  right = print::MarginPixels(right);
  bottom = print::MarginPixels(bottom);
  const HFONT measuring_font = FontFromCode(font_code);

  // Declared before the printer so that it is deleted after it, when no
  // device context holds it selected any more.
  wk::Font print_font;
  wk::PrinterDC printer(source);
  if (!printer) return WK_PRINT_NO_PRINTER;
  const HDC dc = printer.get();
  SetMapMode(dc, MM_TEXT);
  SelectObject(dc, measuring_font);
  TEXTMETRICA measured{};
  GetTextMetricsA(dc, &measured);

  const int printer_width = GetDeviceCaps(dc, HORZRES);
  const int printer_height = GetDeviceCaps(dc, VERTRES);
  const print::Size wrap_size =
      print::WrapControlSize(printer_width, printer_height, right, top, scale);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(wp, GWLP_HINSTANCE));
  // Wine refuses WS_EX_MDICHILD at creation outside an MDI client, where
  // Windows takes it as an ordinary child; it is set once the control exists.
  OwnedWindow wrap(CreateWindowExA(kWrapExStyle & ~WS_EX_MDICHILD, "EDIT", "", kWrapStyle, 0, 0,
                                   wrap_size.width, wrap_size.height, wp,
                                   reinterpret_cast<HMENU>(1), instance, nullptr));
  if (wrap.get()) SetWindowLongA(wrap.get(), GWL_EXSTYLE, static_cast<LONG>(kWrapExStyle));

  if (wrap.get() == nullptr) return WK_PRINT_NO_TEXT;

  const int capacity = GetWindowTextLengthA(wp);
  wk::HeapBlock<char> text(static_cast<std::size_t>(capacity) + 1);
  if (!text || ReadChosenText(wp, source, text.get(), capacity) == 0) return WK_PRINT_NO_TEXT;
  wk::Send(wrap.get(), WM_SETTEXT, 0, text.get());
  wk::Send(wrap.get(), WM_SETFONT, measuring_font, TRUE);
  const int lines = static_cast<int>(wk::Send(wrap.get(), EM_GETLINECOUNT));
  if (lines <= 0) return WK_PRINT_NO_TEXT;

  const LOGFONTA& chosen = wk::ChosenFont();
  const print::Size font_size =
      print::PrintFontSize(scale, measured.tmHeight, measured.tmAveCharWidth);
  print_font.reset(CreateFontA(font_size.height, font_size.width, chosen.lfEscapement,
                               chosen.lfOrientation, measured.tmWeight, chosen.lfItalic,
                               chosen.lfUnderline, chosen.lfStrikeOut, 0, 0, 0, 0,
                               measured.tmPitchAndFamily, chosen.lfFaceName));
  SelectObject(dc, print_font.get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);

  const int line_height = metrics.tmHeight + metrics.tmExternalLeading;
  const int per_page = print::LinesPerPage(printer_height, bottom, line_height);
  if (per_page < 1) return WK_PRINT_NO_LINE_FITS;
  const int pages = print::PageCount(lines, per_page);

  // EM_GETLINE reads the buffer's size from its first 16 bits. The spare
  // characters are room for what DT_MODIFYSTRING may append.
  wk::HeapBlock<char> line(print::kLineBufferChars + 8);
  if (!line) return WK_PRINT_NO_TEXT;

  DOCINFOA document{};
  document.cbSize = sizeof document;
  document.lpszDocName = document_name;

  auto print_page = [&](int page) {
    if (StartPage(dc) <= 0) return false;
    SelectObject(dc, print_font.get());
    for (int i = 0; i < per_page; ++i) {
      const long long k = static_cast<long long>(page) * per_page + i;
      if (k > lines - 1) break;
      *reinterpret_cast<WORD*>(line.get()) = print::kLineBufferChars;
      const int count = static_cast<int>(wk::Send(wrap.get(), EM_GETLINE, k, line.get()));
      RECT box{left, Offset(top, i, line_height), Offset(left, 4LL * count, metrics.tmAveCharWidth),
               Offset(top, i + 1LL, line_height)};
      DrawTextA(dc, line.get(), count, &box, kLineFormat);
    }
    EndPage(dc);
    return true;
  };

  int result = WK_PRINT_DONE;
  if (StartDocA(dc, &document) > 0) {
    const bool dialog = source == wk::kPrintFromDialog;
    const WORD copies = dialog ? wk_PrintDialogRecord.nCopies : 1;
    const bool collate = dialog && (wk_PrintDialogRecord.Flags & PD_COLLATE) != 0;
    if (!print::ForEachPrintedPage(pages, copies, collate, print_page))
      result = WK_PRINT_NOT_STARTED;
    EndDoc(dc);
  } else {
    result = WK_PRINT_NOT_STARTED;
  }
  return result;
}

}  // namespace

int wk_WordProcSimplePrint(HWND word_processor, int left, int top, int right, int bottom,
                           const char* document_name, int zoom, UINT_PTR font,
                           int source) noexcept {
  return wk::Guarded(WK_PRINT_NOT_STARTED, [&] {
    return Print(word_processor, left, top, right, bottom, document_name, zoom, font, source);
  });
}

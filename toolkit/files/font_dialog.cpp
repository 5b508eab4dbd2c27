// The font dialog, for a plain window (returns a new font) or for the
// selection of a rich edit (also formats the selection). The chosen font is
// kept in a record that printing reads; the chosen colour goes to
// wk_LastColor, which the colour dialog writes as well.
#include <windows.h>
#include <commdlg.h>
#include <richedit.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/keywords.hpp"
#include "file_dialogs.hpp"
#include "wk_controls.h"
#include "wk_files.h"

namespace {

LOGFONTA g_chosen_font{};

enum class Mode { kPlain, kRichText };

struct ModeChoice {
  Mode mode;
  DWORD flags;
};

// Any other word is plain mode without CF_NOSCRIPTSEL.
constexpr wk::Keyword<ModeChoice> kModes[] = {
    {"OFF", {Mode::kPlain, CF_NOSCRIPTSEL}},
    {"RTF_AND_ON", {Mode::kRichText, 0}},
    {"RTF_AND_OFF", {Mode::kRichText, CF_NOSCRIPTSEL}},
};

CHOOSEFONTA Record(HWND owner, DWORD flags, COLORREF colour) {
  CHOOSEFONTA record{};
  record.lStructSize = sizeof record;
  record.hwndOwner = owner;
  record.lpLogFont = &g_chosen_font;
  record.Flags = flags;
  record.rgbColors = colour;
  return record;
}

HFONT PlainFont(HWND window, DWORD flags, HFONT current) {
  CHOOSEFONTA record = Record(window, CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | flags, 0);
  if (!ChooseFontA(&record)) return current;
  HFONT font = CreateFontIndirectA(&g_chosen_font);
  wk_LastColor = record.rgbColors;
  return font;
}

// The selection's format as a font description at the parent's resolution.
void DescribeSelection(HWND rich, const CHARFORMATA& format) {
  LOGFONTA& lf = g_chosen_font;
  int dpi = 96;
  {
    wk::WindowDC dc(GetParent(rich));
    if (dc) dpi = GetDeviceCaps(dc.get(), LOGPIXELSY);
  }
  lf.lfHeight = -MulDiv(format.yHeight / 20, dpi, 72);
  auto has = [&](DWORD bit) { return (format.dwMask & bit) && (format.dwEffects & bit); };
  lf.lfWeight = has(CFE_BOLD) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = has(CFE_ITALIC) ? 1 : 0;
  lf.lfUnderline = has(CFE_UNDERLINE) ? 1 : 0;
  lf.lfStrikeOut = has(CFE_STRIKEOUT) ? 1 : 0;
  lf.lfCharSet = format.bCharSet;
  lf.lfPitchAndFamily = format.bPitchAndFamily;
  lstrcpynA(lf.lfFaceName, format.szFaceName, LF_FACESIZE);
}

HFONT RichTextFont(HWND rich, DWORD flags) {
  CHARFORMATA selection{};
  selection.cbSize = sizeof selection;
  wk::Send(rich, EM_GETCHARFORMAT, SCF_SELECTION, &selection);
  DescribeSelection(rich, selection);

  CHOOSEFONTA record =
      Record(GetParent(rich), CF_SCREENFONTS | CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT | flags,
             selection.crTextColor);
  if (!ChooseFontA(&record)) return nullptr;
  HFONT font = CreateFontIndirectA(&g_chosen_font);

  const LOGFONTA& lf = g_chosen_font;
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask =
      CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_FACE | CFM_COLOR | CFM_SIZE;
  if (lf.lfWeight >= FW_BOLD) format.dwEffects |= CFE_BOLD;
  if (lf.lfItalic) format.dwEffects |= CFE_ITALIC;
  if (lf.lfUnderline) format.dwEffects |= CFE_UNDERLINE;
  if (lf.lfStrikeOut) format.dwEffects |= CFE_STRIKEOUT;
  format.yHeight = record.iPointSize * 2;  // tenths of a point to twips
  format.crTextColor = record.rgbColors;
  format.bCharSet = lf.lfCharSet;
  format.bPitchAndFamily = lf.lfPitchAndFamily;
  lstrcpynA(format.szFaceName, lf.lfFaceName, LF_FACESIZE);
  // The word flag means the word at the caret when nothing is selected; with
  // a selection some rich edits would format the following word as well.
  CHARRANGE range{};
  wk::Send(rich, EM_EXGETSEL, 0, &range);
  const WPARAM scope = range.cpMin == range.cpMax ? SCF_SELECTION | SCF_WORD : SCF_SELECTION;
  wk::Send(rich, EM_SETCHARFORMAT, scope, &format);
  wk_LastColor = record.rgbColors;
  return font;
}

}  // namespace

namespace wk {
LOGFONTA& ChosenFont() { return g_chosen_font; }
}  // namespace wk

extern "C" HFONT wk_FontDialog(HWND window, const char* effects, const char* mode,
                               HFONT current) noexcept {
  if (current) GetObjectA(current, sizeof g_chosen_font, &g_chosen_font);
  const ModeChoice chosen = wk::KeywordValue(kModes, mode, ModeChoice{Mode::kPlain, 0});
  const DWORD flags =
      (wk::KeywordValue(wk::kOnOff, effects, false) ? CF_EFFECTS : 0) | chosen.flags;
  return chosen.mode == Mode::kRichText ? RichTextFont(window, flags)
                                        : PlainFont(window, flags, current);
}

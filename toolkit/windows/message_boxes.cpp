// Keyword message boxes, the save-changes question and the append-formatted
// text builder.
#include <windows.h>

#include <cstdarg>
#include <cstring>
#include <string>

#include "toolkit/core/logic/format_text.hpp"
#include "toolkit/core/message.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/windows/logic/append_format.hpp"
#include "wk_windows.h"

namespace {

using wk::Keyword;

constexpr Keyword<UINT> kIcons[] = {
    {"EXCLAMATION", MB_ICONEXCLAMATION},
    {"INFORMATION", MB_ICONINFORMATION},
    {"QUESTION", MB_ICONQUESTION},
    {"STOP", MB_ICONSTOP},
};

// Button set, Help button and default button in one flag word. The words
// run left to right; the upper-case one is the default. The platform calls
// the first button of the abort set Abort; the keywords call it cancel.
constexpr UINT kHelp = MB_HELP;
constexpr Keyword<UINT> kButtons[] = {
    {"OK", MB_OK | MB_DEFBUTTON1},
    {"OK_help", MB_OK | kHelp | MB_DEFBUTTON1},
    {"ok_HELP", MB_OK | kHelp | MB_DEFBUTTON2},
    {"OK_cancel", MB_OKCANCEL | MB_DEFBUTTON1},
    {"ok_CANCEL", MB_OKCANCEL | MB_DEFBUTTON2},
    {"OK_cancel_help", MB_OKCANCEL | kHelp | MB_DEFBUTTON1},
    {"ok_CANCEL_help", MB_OKCANCEL | kHelp | MB_DEFBUTTON2},
    {"ok_cancel_HELP", MB_OKCANCEL | kHelp | MB_DEFBUTTON3},
    {"RETRY_cancel", MB_RETRYCANCEL | MB_DEFBUTTON1},
    {"retry_CANCEL", MB_RETRYCANCEL | MB_DEFBUTTON2},
    {"RETRY_cancel_help", MB_RETRYCANCEL | kHelp | MB_DEFBUTTON1},
    {"retry_CANCEL_help", MB_RETRYCANCEL | kHelp | MB_DEFBUTTON2},
    {"retry_cancel_HELP", MB_RETRYCANCEL | kHelp | MB_DEFBUTTON3},
    {"YES_no", MB_YESNO | MB_DEFBUTTON1},
    {"yes_NO", MB_YESNO | MB_DEFBUTTON2},
    {"YES_no_help", MB_YESNO | kHelp | MB_DEFBUTTON1},
    {"yes_NO_help", MB_YESNO | kHelp | MB_DEFBUTTON2},
    {"yes_no_HELP", MB_YESNO | kHelp | MB_DEFBUTTON3},
    {"YES_no_cancel", MB_YESNOCANCEL | MB_DEFBUTTON1},
    {"yes_NO_cancel", MB_YESNOCANCEL | MB_DEFBUTTON2},
    {"yes_no_CANCEL", MB_YESNOCANCEL | MB_DEFBUTTON3},
    {"YES_no_cancel_help", MB_YESNOCANCEL | kHelp | MB_DEFBUTTON1},
    {"yes_NO_cancel_help", MB_YESNOCANCEL | kHelp | MB_DEFBUTTON2},
    {"yes_no_CANCEL_help", MB_YESNOCANCEL | kHelp | MB_DEFBUTTON3},
    {"yes_no_cancel_HELP", MB_YESNOCANCEL | kHelp | MB_DEFBUTTON4},
    {"CANCEL_retry_ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON1},
    {"cancel_RETRY_ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2},
    {"cancel_retry_IGNORE", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3},
    {"CANCEL_retry_ignore_help", MB_ABORTRETRYIGNORE | kHelp | MB_DEFBUTTON1},
    {"cancel_RETRY_ignore_help", MB_ABORTRETRYIGNORE | kHelp | MB_DEFBUTTON2},
    {"cancel_retry_IGNORE_help", MB_ABORTRETRYIGNORE | kHelp | MB_DEFBUTTON3},
    {"cancel_retry_ignore_HELP", MB_ABORTRETRYIGNORE | kHelp | MB_DEFBUTTON4},
};

int AnswerCode(int platform_id) {
  switch (platform_id) {
    case IDNO:
      return WK_ANSWER_NO;
    case IDIGNORE:
      return WK_ANSWER_IGNORE;
    case IDRETRY:
      return WK_ANSWER_RETRY;
    case IDYES:
      return WK_ANSWER_YES;
    case IDOK:
      return WK_ANSWER_OK;
    case IDCANCEL:
    case IDABORT:
      return WK_ANSWER_CANCEL;
    default:
      return WK_ANSWER_NONE;
  }
}

// One value formatted by `format` (as snprintf: it writes into a buffer of a
// size and answers the length needed), whatever its length: a double such as
// 1e300 needs far more than a fixed work buffer would hold.
template <class Format>
void AppendFormattedValue(std::string& out, Format format) {
  char small[100];
  const int n = format(small, sizeof small);
  if (n < 0) return;
  if (static_cast<std::size_t>(n) < sizeof small) {
    out.append(small, static_cast<std::size_t>(n));
    return;
  }
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  format(big.data(), big.size());
  out.append(big.data(), static_cast<std::size_t>(n));
}

template <class T>
void AppendPrintf(std::string& out, const char* conversion, T value) {
  AppendFormattedValue(
      out, [&](char* to, std::size_t size) { return wk::FormatText(to, size, conversion, value); });
}

}  // namespace

int wk_MessageBox(HWND owner, const char* caption, const char* text, const char* icon_keyword,
                  const char* button_keyword) noexcept {
  const UINT icon = wk::KeywordValue(kIcons, icon_keyword, 0u);
  const UINT buttons = wk::KeywordValue(kButtons, button_keyword, UINT{MB_OK | MB_DEFBUTTON1});
  return AnswerCode(MessageBoxA(owner, text, caption, icon | buttons));
}

int wk_ShowMessage(HWND owner, const char* caption, char* text,
                   const char* clear_keyword) noexcept {
  MessageBoxA(owner, text, caption, MB_OK);
  if (text != nullptr && wk::IsKeyword(clear_keyword, "D")) {
    text[0] = '\0';
  }
  return 0;
}

int wk_AskSaveChanges(HWND edit, const char* caption, const char* text) noexcept {
  // EM_GETMODIFY: wparam and lparam unused.
  if (wk::Send(edit, EM_GETMODIFY) == 0) return WK_SAVE_UNASKED;
  switch (MessageBoxA(edit, text, caption, MB_YESNOCANCEL)) {
    case IDYES:
      return WK_SAVE_YES;
    case IDCANCEL:
      return WK_SAVE_CANCEL;
    case IDNO:
      return WK_SAVE_NO;
    default:
      return WK_SAVE_UNASKED;
  }
}

char* wk_AppendFormatted(char* destination, const char* format, ...) noexcept {
  if (destination == nullptr) return destination;
  va_list values;
  va_start(values, format);
  try {
    std::string out;
    for (const wk::append::FormatStep& step : wk::append::PlanAppendFormat(format)) {
      using wk::append::Conversion;
      switch (step.conversion) {
        case Conversion::kInt:
          AppendPrintf(out, "%i", va_arg(values, int));
          break;
        case Conversion::kUnsigned:
          AppendPrintf(out, "%u", va_arg(values, unsigned));
          break;
        case Conversion::kLong:
          AppendPrintf(out, "%li", va_arg(values, long));
          break;
        case Conversion::kUnsignedLong:
          AppendPrintf(out, "%lu", va_arg(values, unsigned long));
          break;
        case Conversion::kDouble: {
          const double value = va_arg(values, double);
          AppendFormattedValue(out, [&](char* to, std::size_t size) {
            return wk::FormatFixedText(to, size, step.decimals, value);
          });
          break;
        }
        case Conversion::kText: {
          const char* s = va_arg(values, const char*);
          if (s) out += s;
          break;
        }
      }
    }
    out += '\n';
    std::strcat(destination, out.c_str());
  } catch (...) {
    // Out of memory while formatting: the destination stays as it was.
  }
  va_end(values);
  return destination;
}

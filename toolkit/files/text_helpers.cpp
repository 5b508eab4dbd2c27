// Text and file helpers: thin calls over the platform's string functions and
// the C library's text-mode files; files are written as text mode writes
// them, through the toolkit's safe writer. The rules of their own (character
// classes, difference buffers, line readers) live in logic/text_rules.
#include <windows.h>

#include <cstdlib>

#include <string>

#include "logic/text_rules.hpp"
#include "toolkit/core/boundary.hpp"
#include "toolkit/core/keywords.hpp"
#include "toolkit/core/safe_file.hpp"
#include "toolkit/core/logic/format_text.hpp"
#include "wk_files.h"

namespace wt = wk::textfile;

// The rules' own codes are the public ones.
static_assert(wt::kFileOpenFailed == WK_FILE_CANNOT_OPEN && wt::kFileIoFailed == WK_FILE_IO_ERROR);
static_assert(wt::kSpace == WK_CHAR_SPACE && wt::kOther == WK_CHAR_OTHER &&
              wt::kDigit == WK_CHAR_DIGIT && wt::kSmall == WK_CHAR_SMALL &&
              wt::kCapital == WK_CHAR_CAPITAL);

char wk_DiffEqual[256] = {};
char wk_DiffDiffering[272] = {};
char wk_DiffExtra[256] = {};
int wk_DiffLength = 0;

namespace {

enum class CopyRule { kReplace, kKeep };
constexpr wk::Keyword<CopyRule> kCopyRules[] = {{"SAVE_IF_EXIST", CopyRule::kReplace},
                                                {"NO_SAVE_IF_EXIST", CopyRule::kKeep}};

// A null text reads as the empty text.
const char* Text(const char* text) { return text ? text : ""; }

int Compare(const char* a, const char* b, int mode) {
  a = Text(a);
  b = Text(b);
  if (mode == 0) return lstrcmpiA(a, b);
  if (mode == 1) return lstrcmpA(a, b);
  return 0;
}

}  // namespace

extern "C" int wk_StrCompare(const char* a, const char* b, int mode) noexcept {
  return Compare(a, b, mode);
}

extern "C" int wk_StrCompareDiff(const char* a, const char* b, int mode) noexcept {
  const wt::DiffBuffers buffers{wk_DiffEqual,     sizeof wk_DiffEqual,
                                wk_DiffDiffering, sizeof wk_DiffDiffering,
                                wk_DiffExtra,     sizeof wk_DiffExtra};
  wk_DiffLength = wt::FillDifference(Text(a), Text(b), buffers);
  return Compare(a, b, mode);
}

extern "C" char* wk_StrAppend(char* destination, const char* text) noexcept {
  return destination ? lstrcatA(destination, Text(text)) : nullptr;
}

extern "C" int wk_StrLength(const char* text) noexcept { return lstrlenA(Text(text)); }

extern "C" int wk_StrSetCase(int mode, const char* other, char* text) noexcept {
  if (mode != 0 && mode != 1) return lstrlenA(Text(other));
  if (text == nullptr) return 0;
  if (mode == 0) {
    CharLowerA(text);
  } else {
    CharUpperA(text);
  }
  return lstrlenA(text);
}

extern "C" char* wk_StrCopyFirst(char* destination, const char* source, int count) noexcept {
  return wt::CopyFirst(destination, source, count);
}

extern "C" int wk_CharClass(const char* text, int position) noexcept {
  return wt::CharClass(wt::CodeAt(text, position));
}

extern "C" int wk_CharAt(const char* text, int position) noexcept {
  return static_cast<signed char>(wt::CodeAt(text, position));
}

extern "C" int wk_StrExpandedLength(const char* text) noexcept { return wt::ExpandedLength(text); }

extern "C" int wk_StrCountLineFeeds(const char* text) noexcept { return wt::CountLineFeeds(text); }

extern "C" int wk_StrLastLineIndex(const char* text) noexcept {
  return wt::CountLineFeeds(text) - 1;
}

extern "C" char* wk_IntToText(char* buffer, int value) noexcept {
  // Room for the longest int, "-2147483648", as the caller provides.
  if (buffer) wk::FormatText(buffer, 12, "%i", value);
  return buffer;
}

extern "C" int wk_TextToInt(const char* text) noexcept { return std::atoi(Text(text)); }

extern "C" void* wk_AllocZeroed(int count) noexcept {
  return count < 0 ? nullptr : std::calloc(static_cast<std::size_t>(count), 4);
}

// ---- Files ----

namespace {

// The text as a text-mode file holds it, replacing the file or added to it.
int WriteText(const char* name, const char* text, const char* end, wk::FileWrite how) {
  return wk::Guarded(WK_FILE_IO_ERROR, [&] {
    wk::SafeFile file(name, how);
    if (!file.opened()) return WK_FILE_CANNOT_OPEN;
    wt::WriteTextMode(
        text, end, [&](std::string_view bytes) { return file.Write(bytes.data(), bytes.size()); });
    return file.Finish() ? wt::kFileOk : WK_FILE_IO_ERROR;
  });
}

}  // namespace

extern "C" int wk_FileWriteText(const char* name, const char* text) noexcept {
  return WriteText(name, text, "", wk::FileWrite::kReplace);
}

extern "C" int wk_FileAddLine(const char* name, const char* text) noexcept {
  if (text == nullptr || text[0] == '\0') return wt::kFileOk;
  // An empty file (or one of a single character) takes the text as its only
  // line; otherwise the text is added as a line of its own. The file's
  // length decides, not its first line's: a file that starts with a line end
  // keeps every line. The call makes no file.
  const int head = wt::HeadLength(name);
  if (head < 0) return -head;
  if (head < 2) return WriteText(name, text, "", wk::FileWrite::kReplace);
  return WriteText(name, text, "\r\n", wk::FileWrite::kAppendExisting);
}

extern "C" int wk_FileEmpty(const char* name) noexcept {
  return WriteText(name, "", "", wk::FileWrite::kReplace);
}

extern "C" int wk_FileDelete(const char* name) noexcept { return wt::RemoveFile(name); }

extern "C" int wk_FileCopy(int, const char* new_name, const char* existing_name,
                           const char* keyword) noexcept {
  const CopyRule* rule = wk::FindKeyword(kCopyRules, keyword);
  if (rule == nullptr) return 0;
  const BOOL fail_if_exists = *rule == CopyRule::kKeep;
  return CopyFileA(existing_name, new_name, fail_if_exists) ? 0 : 1;
}

extern "C" int wk_FileCountLines(const char* name) noexcept {
  return static_cast<int>(wt::CountLines(name));
}

extern "C" int wk_FileLastLineIndex(const char* name) noexcept {
  return static_cast<int>(wt::LastLineIndex(name));
}

extern "C" int wk_FileCountChars(const char* name) noexcept {
  return static_cast<int>(wt::CountChars(name));
}

extern "C" int wk_FileCountCharsAndLines(const char* name) noexcept {
  return static_cast<int>(wt::CountCharsAndLines(name));
}

extern "C" int wk_FileReadAll(const char* name, char* destination) noexcept {
  return wt::ReadAll(name, destination);
}

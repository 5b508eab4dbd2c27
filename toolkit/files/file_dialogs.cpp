// Open and save dialogs: the platform's common file dialogs with the four
// built-in Swedish filter lists, and the chosen name or path put into the
// owner window's title on request. Each dialog keeps its record and buffers
// for the life of the process, so the last choice stays readable.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>
#include <cstring>

#include "toolkit/core/keywords.hpp"
#include "file_dialogs.hpp"
#include "wk_files.h"

namespace {

// Description and pattern pairs, each ending in a zero, the list in an extra
// zero (the literal's own).
constexpr wk::Keyword<const char*> kFilters[] = {
    {"NONE_FILTER", "Alla filer (*.*)\0*.*\0"},
    {"TXT_FILTER", "Text filer (*.txt)\0*.TXT\0Alla filer (*.*)\0*.*\0"},
    {"ALL_FILTER",
     "Text filer (*.txt)\0*.TXT\0"
     "Write-dokument (*.wri)\0*.wri\0"
     "RTF-dokument (*.rtf)\0*.rtf\0"
     "Works filer (*.w*)\0*.w*\0"
     "Works-dokument (*.wps)\0*.wps\0"
     "Works-kalkylblad (*.wks)\0*.wks\0"
     "Works-databas (*.wdb)\0*.wdb\0"
     "World 6.0/95-dokument (*.doc)\0*.doc\0"
     "World 97-dokument (*.doc)\0*.doc\0"
     "Exel-kalkylblad (*.xl*)\0*.xl*\0"
     "dBase-databas (*.dbf)\0*.dbf\0"
     "Lotus 1-2-3 dokument(*.wk1)\0*.wk1\0"
     "HTML-dokument (*.htm*)\0*.htm*\0"
     "Alla filer (*.*)\0*.*\0"},
    {"C_DEV_FILTER",
     "Programkod (*.c,*.cpp,*.h)\0*.CPP;*.C;*.H\0"
     "Resursfiler (*.rc,*.res,*.rh)\0*.RC;*.RES;*.RH\0"
     "Alla filer (*.*)\0*.*\0"},
};

// The record size of the platform's first explorer-style dialogs, which
// every later version accepts: the record up to its template name, 76 bytes
// on 32-bit Windows (its pointer fields make it 136 on 64-bit).
constexpr DWORD kRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void*) != 4 || kRecordSize == 76);
constexpr DWORD kOpenFlags =
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;

struct FileDialog {
  OPENFILENAMEA record{};
  char path[260] = {};
  char name[256] = {};
};

FileDialog g_open;
FileDialog g_save;

void Prepare(FileDialog& dialog, HWND owner, const char* title, const char* filter_keyword,
             const char* own_filter, DWORD flags) {
  OPENFILENAMEA& r = dialog.record;
  r.lStructSize = kRecordSize;
  r.hwndOwner = owner;
  if (wk::IsKeyword(filter_keyword, "OWN_FILTER")) {
    r.lpstrFilter = own_filter;
  } else if (const char* const* list = wk::FindKeyword(kFilters, filter_keyword)) {
    r.lpstrFilter = *list;
  }  // any other word keeps the previous call's filter
  r.nFilterIndex = 1;
  r.lpstrFile = dialog.path;
  r.nMaxFile = sizeof dialog.path;
  r.lpstrFileTitle = dialog.name;
  r.nMaxFileTitle = sizeof dialog.name;
  r.lpstrInitialDir = nullptr;
  r.lpstrTitle = title;
  r.Flags = flags;
}

void ApplyNameKeyword(const FileDialog& dialog, HWND owner, const char* name_keyword) {
  if (wk::IsKeyword(name_keyword, "FILENAME")) SetWindowTextA(owner, dialog.name);
  if (wk::IsKeyword(name_keyword, "PATH")) SetWindowTextA(owner, dialog.path);
}

}  // namespace

namespace wk {
const OPENFILENAMEA& OpenFileRecord() { return g_open.record; }
const OPENFILENAMEA& SaveFileRecord() { return g_save.record; }
}  // namespace wk

extern "C" int wk_OpenFileDialog(HWND owner, const char* title, const char* name_keyword,
                                 const char* filter_keyword, const char* own_filter) noexcept {
  Prepare(g_open, owner, title, filter_keyword, own_filter, kOpenFlags);
  const bool chosen = GetOpenFileNameA(&g_open.record) != FALSE;
  if (name_keyword == nullptr) return chosen ? 0 : 1;
  // Also after a cancel: the title then shows the previous choice, if any.
  ApplyNameKeyword(g_open, owner, name_keyword);
  return chosen ? 0 : 1;
}

extern "C" int wk_SaveFileDialog(HWND owner, const char* title, const char* name_keyword,
                                 const char* filter_keyword, const char* own_filter) noexcept {
  Prepare(g_save, owner, title, filter_keyword, own_filter, kSaveFlags);
  const bool chosen = GetSaveFileNameA(&g_save.record) != FALSE;
  if (!chosen) return 1;
  ApplyNameKeyword(g_save, owner, name_keyword);
  return 0;
}

extern "C" const char* wk_OpenFilePath(void) noexcept { return g_open.path; }
extern "C" const char* wk_OpenFileName(void) noexcept { return g_open.name; }
extern "C" const char* wk_SaveFilePath(void) noexcept { return g_save.path; }
extern "C" const char* wk_SaveFileName(void) noexcept { return g_save.name; }

// Rich edit files: plain text or rich text, chosen by the file name's last
// three letters, streamed straight between the control and the file.
#include <windows.h>
#include <richedit.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/gdi.hpp"
#include "logic/rich_file_kind.hpp"
#include "wk_text.h"

namespace {

// The stream callbacks report no error: a failed read or write simply ends
// the stream with the bytes moved so far.
DWORD CALLBACK WriteToFile(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  DWORD written = 0;
  if (!WriteFile(reinterpret_cast<HANDLE>(cookie), bytes, static_cast<DWORD>(count), &written,
                 nullptr)) {
    written = 0;
  }
  *done = static_cast<LONG>(written);
  return 0;
}

DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  DWORD read = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(cookie), bytes, static_cast<DWORD>(count), &read,
                nullptr)) {
    read = 0;
  }
  *done = static_cast<LONG>(read);
  return 0;
}

enum class Direction { kSave, kLoad };

int Stream(HWND rich, const char* name, Direction direction) {
  if (name == nullptr) return WK_RICH_FILE_CANNOT_OPEN;
  const bool save = direction == Direction::kSave;
  wk::FileHandle file(CreateFileA(
      name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, save ? CREATE_ALWAYS : OPEN_ALWAYS,
      save ? FILE_FLAG_SEQUENTIAL_SCAN : FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_ARCHIVE,
      nullptr));
  if (!file.valid()) return WK_RICH_FILE_CANNOT_OPEN;
  const WPARAM format = wk::richfile::IsRichTextName(name) ? SF_RTF : SF_TEXT;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.get()), 0, save ? WriteToFile : ReadFromFile};
  const LRESULT characters = wk::Send(rich, save ? EM_STREAMOUT : EM_STREAMIN, format, &stream);
  wk::Send(rich, EM_SETMODIFY, FALSE);
  return characters == 0 ? WK_RICH_FILE_NOTHING_MOVED : static_cast<int>(characters);
}

}  // namespace

extern "C" int wk_RichEditSaveFile(HWND rich, const char* name) noexcept {
  return Stream(rich, name, Direction::kSave);
}

extern "C" int wk_RichEditLoadFile(HWND rich, const char* name) noexcept {
  return Stream(rich, name, Direction::kLoad);
}

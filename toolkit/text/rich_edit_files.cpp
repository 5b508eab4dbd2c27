// Rich edit files: plain text or rich text, chosen by the file name's last
// three letters, streamed between the control and the file (a save through
// a temporary file that takes the old one's place only when complete).
#include <windows.h>
#include <richedit.h>

#include "toolkit/core/message.hpp"
#include "toolkit/core/gdi.hpp"
#include "toolkit/core/safe_file.hpp"
#include "logic/rich_file_kind.hpp"
#include "wk_text.h"

namespace {

// A write that fails stops the stream: the platform ends it at a non-zero
// answer, and the save is then abandoned whole.
DWORD CALLBACK WriteToFile(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  auto* file = reinterpret_cast<wk::SafeFile*>(cookie);
  const bool written = file->Write(bytes, static_cast<std::size_t>(count));
  *done = written ? count : 0;
  return written ? 0 : 1;
}

// A failed read simply ends the stream with the bytes moved so far.
DWORD CALLBACK ReadFromFile(DWORD_PTR cookie, LPBYTE bytes, LONG count, LONG* done) {
  DWORD read = 0;
  if (!ReadFile(reinterpret_cast<HANDLE>(cookie), bytes, static_cast<DWORD>(count), &read,
                nullptr)) {
    read = 0;
  }
  *done = static_cast<LONG>(read);
  return 0;
}

WPARAM Format(const char* name) { return wk::richfile::IsRichTextName(name) ? SF_RTF : SF_TEXT; }

int Save(HWND rich, const char* name) {
  wk::SafeFile file(name, wk::FileWrite::kReplace);
  if (!file.opened()) return WK_RICH_FILE_CANNOT_OPEN;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&file), 0, WriteToFile};
  const LRESULT characters = wk::Send(rich, EM_STREAMOUT, Format(name), &stream);
  if (!file.Finish() || characters == 0) return WK_RICH_FILE_NOTHING_MOVED;
  wk::Send(rich, EM_SETMODIFY, FALSE);
  return static_cast<int>(characters);
}

int Load(HWND rich, const char* name) {
  if (name == nullptr) return WK_RICH_FILE_CANNOT_OPEN;
  wk::FileHandle file(CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_ARCHIVE, nullptr));
  if (!file.valid()) return WK_RICH_FILE_CANNOT_OPEN;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(file.get()), 0, ReadFromFile};
  const LRESULT characters = wk::Send(rich, EM_STREAMIN, Format(name), &stream);
  wk::Send(rich, EM_SETMODIFY, FALSE);
  return characters == 0 ? WK_RICH_FILE_NOTHING_MOVED : static_cast<int>(characters);
}

}  // namespace

extern "C" int wk_RichEditSaveFile(HWND rich, const char* name) noexcept {
  return Save(rich, name);
}

extern "C" int wk_RichEditLoadFile(HWND rich, const char* name) noexcept {
  return Load(rich, name);
}

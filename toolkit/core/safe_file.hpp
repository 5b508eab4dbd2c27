// Writing files so that a failure never costs the user the file that was
// there before. Every operation of the toolkit that writes a file goes
// through here.
//
//   SafeFile  one write of a file, in one of two ways:
//     kReplace  the new content goes to a temporary file in the target's
//               folder, is flushed to the disk and only then takes the
//               target's place: ReplaceFileA where there is a target (it
//               keeps the target's security; its hidden and system
//               attributes are kept, and the archive attribute set),
//               MoveFileExA with REPLACE_EXISTING | WRITE_THROUGH where
//               there is none.
//               On any failure the temporary file is removed and the target
//               is as it was. A target that is a device rather than a disk
//               file (NUL, a port) is written in place.
//     kAppend, kAppendExisting
//               the bytes are added at the end of the file (kAppend makes a
//               missing file, kAppendExisting refuses it); on any failure
//               the file is cut back to the length it had (a file the append
//               made is removed), so no half line is left.
//   HandOver() serves a writer that opens files by name itself and changes
//   what it finds there (the platform's profile functions): kReplace only.
//   It answers the name that writer is to change, closed: a temporary copy
//   of the target's bytes beside it (empty where there is no target yet),
//   or a device itself; "" when the copy could not be made. Finish() then
//   flushes the copy and puts it in place as above.
//   opened() is false when the target cannot be written at all: held open
//   by another program, a folder, a missing folder; the caller answers with
//   its open-failure code. Write() takes every byte or fails; Finish()
//   answers true once everything is in place. A SafeFile destroyed without
//   a Finish() undoes its write.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace wk {

enum class FileWrite { kReplace, kAppend, kAppendExisting };

class SafeFile {
 public:
  SafeFile(const char* target, FileWrite how);
  ~SafeFile();
  SafeFile(const SafeFile&) = delete;
  SafeFile& operator=(const SafeFile&) = delete;

  bool opened() const { return file_ != INVALID_HANDLE_VALUE || handed_over_; }
  bool Write(const void* bytes, std::size_t count);
  std::string HandOver();
  bool Finish();

 private:
  bool Commit();
  void Undo();

  FileWrite how_;
  std::string target_;
  std::string temporary_;  // kReplace of a disk file
  HANDLE file_ = INVALID_HANDLE_VALUE;
  bool target_existed_ = false;
  DWORD kept_attributes_ = 0;  // hidden, system: kept by a replacement
  bool failed_ = false;
  bool done_ = false;
  bool handed_over_ = false;
  LARGE_INTEGER old_length_{};  // appends
};

// Writes a whole content at once; answers `done`, `cannot_open` (opened()
// was false) or `write_failed`, the caller's own codes.
struct FileCodes {
  int done;
  int cannot_open;
  int write_failed;
};
int WriteWholeFile(const char* target, const void* bytes, std::size_t count, FileCodes codes,
                   FileWrite how = FileWrite::kReplace);

}  // namespace wk

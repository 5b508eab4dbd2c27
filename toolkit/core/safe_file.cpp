#include "safe_file.hpp"

namespace wk {

namespace {

constexpr DWORD kLargestWrite = 1u << 30;

// The folder part of the target's full name, with its last separator; "" when
// the name cannot be resolved.
std::string FolderOf(const char* target) {
  char full[MAX_PATH];
  char* name = nullptr;
  const DWORD n = GetFullPathNameA(target, sizeof full, full, &name);
  if (n == 0 || n >= sizeof full || name == nullptr) return "";
  return std::string(full, name);
}

}  // namespace

SafeFile::SafeFile(const char* target, FileWrite how) : how_(how) {
  if (target == nullptr) return;
  target_ = target;
  if (how != FileWrite::kReplace) {
    file_ = CreateFileA(target, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        how == FileWrite::kAppend ? OPEN_ALWAYS : OPEN_EXISTING,
                        FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (!opened()) return;
    target_existed_ = how == FileWrite::kAppendExisting || GetLastError() == ERROR_ALREADY_EXISTS;
    if (!GetFileSizeEx(file_, &old_length_)) old_length_.QuadPart = 0;
    SetFilePointerEx(file_, LARGE_INTEGER{}, nullptr, FILE_END);
    return;
  }
  // The same open the target would get to be written in place tells
  // whether it can be replaced: a file held open by another program, a
  // folder or a missing folder refuse it, and the caller reports an open
  // failure as before.
  HANDLE probe =
      CreateFileA(target, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    if (GetFileType(probe) != FILE_TYPE_DISK) {
      // A device has no content to lose and no folder to write beside.
      file_ = probe;
      return;
    }
    CloseHandle(probe);
    target_existed_ = true;
    kept_attributes_ = GetFileAttributesA(target) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
    return;
  }
  const std::string folder = FolderOf(target);
  char temporary[MAX_PATH];
  if (folder.empty() || !GetTempFileNameA(folder.c_str(), "wk", 0, temporary)) return;
  temporary_ = temporary;
  file_ = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                      FILE_ATTRIBUTE_ARCHIVE | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (!opened()) {
    DeleteFileA(temporary);
    temporary_.clear();
  }
}

SafeFile::~SafeFile() {
  if (!done_) Undo();
}

bool SafeFile::Write(const void* bytes, std::size_t count) {
  if (file_ == INVALID_HANDLE_VALUE || failed_) return false;
  const char* next = static_cast<const char*>(bytes);
  while (count > 0) {
    const DWORD chunk = count < kLargestWrite ? static_cast<DWORD>(count) : kLargestWrite;
    DWORD written = 0;
    if (!WriteFile(file_, next, chunk, &written, nullptr) || written == 0) {
      failed_ = true;
      return false;
    }
    next += written;
    count -= written;
  }
  return true;
}

std::string SafeFile::HandOver() {
  if (file_ == INVALID_HANDLE_VALUE || failed_ || how_ != FileWrite::kReplace) return "";
  if (!temporary_.empty() && target_existed_) {
    HANDLE old = CreateFileA(target_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    char chunk[64 * 1024];
    DWORD got = 0;
    bool whole = old != INVALID_HANDLE_VALUE;
    while (whole && (whole = ReadFile(old, chunk, sizeof chunk, &got, nullptr)) && got > 0) {
      whole = Write(chunk, got);
    }
    if (old != INVALID_HANDLE_VALUE) CloseHandle(old);
    if (!whole) {
      failed_ = true;
      return "";
    }
  }
  CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  handed_over_ = true;
  return temporary_.empty() ? target_ : temporary_;
}

bool SafeFile::Finish() {
  if (done_ || !opened()) return false;
  done_ = true;
  if (handed_over_ && !temporary_.empty()) {
    // Opened again to flush what the other writer left in the copy.
    file_ = CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) failed_ = true;
  }
  if (!failed_ && Commit()) return true;
  Undo();
  return false;
}

bool SafeFile::Commit() {
  if (how_ != FileWrite::kReplace || temporary_.empty()) {
    // Appends and devices: every byte went to the file as it was written.
    if (handed_over_) return true;
    const BOOL closed = CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return closed;
  }
  // The new content is on the disk before it takes the target's name, so a
  // stop of the machine in between leaves either the old file or the new.
  if (!FlushFileBuffers(file_)) return false;
  const BOOL closed = CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  if (!closed) return false;
  const auto rename = [this] {
    return MoveFileExA(temporary_.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  };
  BOOL moved = FALSE;
  if (target_existed_) {
    SetLastError(ERROR_SUCCESS);
    moved = ReplaceFileA(target_.c_str(), temporary_.c_str(), nullptr,
                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    // 32-bit Wine run by an emulator refuses every replacement, touching
    // neither file, as if the temporary file in the target's own folder
    // were on another device (or without a reason); renaming over the
    // target is the same replacement but for the copied security, and it
    // moves no file across devices. Any other refusal (the target held
    // open, say) stands.
    const DWORD why = GetLastError();
    if (!moved && (why == ERROR_NOT_SAME_DEVICE || why == ERROR_SUCCESS)) moved = rename();
  } else {
    moved = rename();
  }
  if (!moved) return false;
  temporary_.clear();
  // Wine's ReplaceFileA gives the file the new one's attributes, where
  // Windows keeps the old one's; set here, they are the same on both, and
  // the archive attribute marks the changed file for the next backup.
  if (target_existed_) {
    SetFileAttributesA(target_.c_str(), kept_attributes_ | FILE_ATTRIBUTE_ARCHIVE);
  }
  return true;
}

void SafeFile::Undo() {
  done_ = true;
  // A file the append made goes again.
  const bool made = opened() && how_ == FileWrite::kAppend && !target_existed_;
  if (file_ != INVALID_HANDLE_VALUE) {
    if (how_ != FileWrite::kReplace) {
      SetFilePointerEx(file_, old_length_, nullptr, FILE_BEGIN);
      SetEndOfFile(file_);
    }
    CloseHandle(file_);
  }
  file_ = INVALID_HANDLE_VALUE;
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
  if (made) DeleteFileA(target_.c_str());
}

int WriteWholeFile(const char* target, const void* bytes, std::size_t count, FileCodes codes,
                   FileWrite how) {
  SafeFile file(target, how);
  if (!file.opened()) return codes.cannot_open;
  file.Write(bytes, count);
  return file.Finish() ? codes.done : codes.write_failed;
}

}  // namespace wk

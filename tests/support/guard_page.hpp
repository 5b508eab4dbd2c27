// Bytes placed flush against an unreadable page, so that a read or write
// past their end faults in the test instead of passing silently. The rest of
// the readable page is filled with 'x', so a read before them answers 'x'.
#pragma once

#include <windows.h>

#include <cstring>
#include <string_view>

namespace wktest {

class GuardPage {
 public:
  GuardPage() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    page_ = info.dwPageSize;
    base_ = static_cast<char*>(
        VirtualAlloc(nullptr, 2 * page_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    VirtualProtect(base_ + page_, page_, PAGE_NOACCESS, &old);
  }
  ~GuardPage() { VirtualFree(base_, 0, MEM_RELEASE); }
  GuardPage(const GuardPage&) = delete;
  GuardPage& operator=(const GuardPage&) = delete;

  // A copy of the bytes (no terminator added unless they hold one) whose
  // last byte is the last readable one. Each call replaces the last copy.
  char* Flush(std::string_view bytes) {
    std::memset(base_, 'x', page_);
    char* start = base_ + page_ - bytes.size();
    std::memcpy(start, bytes.data(), bytes.size());
    return start;
  }

 private:
  std::size_t page_ = 0;
  char* base_ = nullptr;
};

}  // namespace wktest

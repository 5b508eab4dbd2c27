// What both print operations share: the printer device context chosen by
// the caller's printer source.
#pragma once

#include <windows.h>

#include "toolkit/core/gdi.hpp"

namespace wk {

// Printer sources.
inline constexpr int kPrintFromDefaultPrinter = 0;  // the profile's default printer
inline constexpr int kPrintFromDialog = 1;          // the print dialog's record

// The device context of a printer source, owned by one print and deleted at
// the end of its scope. Source 1 takes the context out of the print dialog's
// record, which then holds none: a deleted context must not be used, or
// deleted, by a later print. Null when the source gives no printer (an
// unconfirmed dialog, a default printer entry that lacks a part, a driver
// that refuses, or a source that is neither 0 nor 1).
class PrinterDC {
 public:
  explicit PrinterDC(int source);
  ~PrinterDC();
  PrinterDC(const PrinterDC&) = delete;
  PrinterDC& operator=(const PrinterDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_ = nullptr;
};

}  // namespace wk

#include "toolkit/text/print_source.hpp"

#include "toolkit/text/logic/print_layout.hpp"
#include "wk_windows.h"

namespace wk {

namespace {

// The default printer entry "printer,driver,port" of the profile.
HDC DefaultPrinterDC() {
  char entry[print::kDeviceEntryChars] = {};
  GetProfileStringA("windows", "device", ",,,", entry, sizeof entry);
  const print::DeviceEntry parts = print::SplitDeviceEntry(entry);
  if (!parts.complete) return nullptr;
  return CreateDCA(parts.driver.c_str(), parts.printer.c_str(), parts.port.c_str(), nullptr);
}

}  // namespace

PrinterDC::PrinterDC(int source) {
  if (source == kPrintFromDialog) {
    dc_ = wk_PrintDialogRecord.hDC;
  } else if (source == kPrintFromDefaultPrinter) {
    dc_ = DefaultPrinterDC();
  }
}

PrinterDC::~PrinterDC() {
  if (!dc_) return;
  if (wk_PrintDialogRecord.hDC == dc_) wk_PrintDialogRecord.hDC = nullptr;
  DeleteDC(dc_);
}

}  // namespace wk

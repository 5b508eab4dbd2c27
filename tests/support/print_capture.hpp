// The bench's printer and the jobs printed on it.
//
//   EnsureBenchPrinter  installs Wine's PostScript printer in the prefix once
//                       and makes it the default printer
//   PrintCapture        sends the printer's next jobs to files of one test,
//                       as PostScript, PDF and the text of each page
//   DefaultPrinterEntry replaces the profile's default printer entry for a
//                       scope
//   GdiObjectCount      how many GDI objects the process holds
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wktest {

// Name and port of the bench printer.
inline constexpr const char* kBenchPrinter = "wk bench PostScript";
inline constexpr const char* kBenchPort = "WKPRINT:";

// Installs the bench printer when the prefix lacks it (Wine's PostScript
// driver, its generic PPD, a port whose output the spooler hands to a
// command) and makes it the default printer. Returns true when it is ready.
bool EnsureBenchPrinter();

// A device context of the bench printer (the caller deletes it), or null.
HDC CreateBenchPrinterDC();

// Directs the bench printer's jobs to build/win/print-jobs/<name>.* for the
// scope; afterwards they go nowhere. Each job replaces the previous one.
class PrintCapture {
 public:
  explicit PrintCapture(const std::string& name);
  ~PrintCapture();
  PrintCapture(const PrintCapture&) = delete;
  PrintCapture& operator=(const PrintCapture&) = delete;

  bool ready() const { return ready_; }
  // Page count of the last job, -1 when no job arrived.
  int pages() const;
  // Text of page `page` (counted from 1) as pdftotext lays it out.
  std::string PageText(int page) const;
  // The non-empty lines of that page, without surrounding blanks.
  std::vector<std::string> PageLines(int page) const;
  // The words of that page with their top-left corners in points.
  struct Word {
    std::string text;
    double x;
    double y;
  };
  std::vector<Word> PageWords(int page) const;
  // The PDF's font list as pdffonts prints it.
  std::string Fonts() const { return ReadFile(".fonts"); }
  // Unix path of the job as PDF (for pdftoppm by hand).
  std::string PdfPath() const { return unix_base_ + ".pdf"; }

 private:
  static std::string BuildJobsFolder();
  std::string ReadFile(const std::string& suffix) const;
  bool ready_ = false;
  std::string unix_base_;
  std::string wine_base_;
};

// Sends the bench printer's jobs nowhere (for loops that print many times).
void DiscardPrintJobs();

// Writes `entry` as the profile's default printer entry ([windows] device)
// for the scope, then makes the bench printer the default again.
class DefaultPrinterEntry {
 public:
  explicit DefaultPrinterEntry(const char* entry);
  ~DefaultPrinterEntry();
  DefaultPrinterEntry(const DefaultPrinterEntry&) = delete;
  DefaultPrinterEntry& operator=(const DefaultPrinterEntry&) = delete;
};

// The number of GDI objects this process holds. GetGuiResources where the
// platform has it; Wine answers it with 0, and there every live object is
// found by its slot in the handle table (a handle whose upper half is 0
// names the slot whatever its generation).
int GdiObjectCount();

}  // namespace wktest

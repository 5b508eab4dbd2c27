#include "print_capture.hpp"

#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace wktest {

namespace {

constexpr const char* kSpoolerKey = "Software\\Wine\\Printing\\Spooler";
constexpr const char* kPortsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

bool SetString(HKEY root, const char* key, const char* name, const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG result =
      RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

// Wine's spooler reads the port's value at the end of every job: a Unix
// path receives the job, "|command" gets it on standard input.
bool DirectJobs(const std::string& target) {
  return SetString(HKEY_CURRENT_USER, kSpoolerKey, kBenchPort, target);
}

// Wine's generic PostScript description, carried by winspool.drv as the
// resource PPDFILE 1, written into the printer driver folder.
std::string WriteGenericPpd() {
  HMODULE spool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!spool) return {};
  std::string path;
  HRSRC found = FindResourceA(spool, MAKEINTRESOURCEA(1), "PPDFILE");
  HGLOBAL loaded = found ? LoadResource(spool, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  char folder[MAX_PATH] = {};
  DWORD needed = 0;
  if (data && GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                         sizeof folder, &needed)) {
    path = std::string(folder) + "\\wk_bench_generic.ppd";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), SizeofResource(spool, found));
    if (!out) path.clear();
  }
  FreeLibrary(spool);
  return path;
}

bool InstallBenchPrinter() {
  if (!DirectJobs("/dev/null")) return false;
  if (!SetString(HKEY_LOCAL_MACHINE, kPortsKey, kBenchPort, "")) return false;
  std::string ppd = WriteGenericPpd();
  if (ppd.empty()) return false;

  char driver_name[] = "wk bench PostScript";
  char driver_file[] = "wineps.drv";
  char raw[] = "RAW";
  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = driver_name;
  driver.pDriverPath = driver_file;
  driver.pDataFile = ppd.data();
  driver.pConfigFile = driver_file;
  driver.pDefaultDataType = raw;
  if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
    return false;
  }

  // With "wineps" as print processor the job fails at EndDoc; "winprint"
  // passes the RAW data through.
  char port[] = "WKPRINT:";
  char processor[] = "winprint";
  PRINTER_INFO_2A printer{};
  printer.pPrinterName = driver_name;
  printer.pPortName = port;
  printer.pDriverName = driver_name;
  printer.pPrintProcessor = processor;
  printer.pDatatype = raw;
  // Wine 8's AddPrinterA frees five blocks of its own into the wrong heap,
  // which the checked run's heap checking reports; tests/bench/wine-run
  // shows the heap's lines between these two lines without failing on them.
  std::printf("wktest: Wine's own heap warnings begin (AddPrinterA)\n");
  std::fflush(stdout);
  HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
  std::printf("wktest: Wine's own heap warnings end\n");
  std::fflush(stdout);
  if (!added) return false;
  ClosePrinter(added);
  return true;
}

// Drive Z: is the Unix root.
std::string UnixPath(std::string wine_path) {
  if (wine_path.size() >= 2 && wine_path[0] == 'Z' && wine_path[1] == ':') wine_path.erase(0, 2);
  return wine_path;
}

}  // namespace

bool EnsureBenchPrinter() {
  HANDLE printer = nullptr;
  char name[] = "wk bench PostScript";
  if (OpenPrinterA(name, &printer, nullptr)) {
    ClosePrinter(printer);
  } else if (!InstallBenchPrinter()) {
    return false;
  }
  return SetDefaultPrinterA(kBenchPrinter) != FALSE;
}

HDC CreateBenchPrinterDC() { return CreateDCA("wineps.drv", kBenchPrinter, kBenchPort, nullptr); }

PrintCapture::PrintCapture(const std::string& name) {
  const std::string folder = BuildJobsFolder();
  wine_base_ = folder + "/" + name;
  unix_base_ = UnixPath(wine_base_);
  const std::string script = UnixPath(std::string(WK_SOURCE_DIR) + "/tests/support/print_job.sh");
  DeleteFileA((wine_base_ + ".pages").c_str());
  ready_ = EnsureBenchPrinter() && DirectJobs("|/bin/sh '" + script + "' '" + unix_base_ + "'");
}

PrintCapture::~PrintCapture() { DiscardPrintJobs(); }

std::string PrintCapture::BuildJobsFolder() {
  const std::string folder = std::string(WK_BUILD_DIR) + "/print-jobs";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string PrintCapture::ReadFile(const std::string& suffix) const {
  std::ifstream in(wine_base_ + suffix, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int PrintCapture::pages() const {
  const std::string count = ReadFile(".pages");
  return count.empty() ? -1 : std::atoi(count.c_str());
}

std::string PrintCapture::PageText(int page) const {
  std::string suffix = ".";
  suffix += std::to_string(page);
  suffix += ".txt";
  return ReadFile(suffix);
}

std::vector<std::string> PrintCapture::PageLines(int page) const {
  std::vector<std::string> lines;
  std::istringstream in(PageText(page));
  std::string line;
  while (std::getline(in, line)) {
    const auto first = line.find_first_not_of(" \t\r\f");
    if (first == std::string::npos) continue;
    const auto last = line.find_last_not_of(" \t\r\f");
    lines.push_back(line.substr(first, last - first + 1));
  }
  return lines;
}

std::vector<PrintCapture::Word> PrintCapture::PageWords(int page) const {
  // pdftotext -bbox writes one element a word:
  //   <word xMin="56.2" yMin="40.1" xMax="90.0" yMax="52.3">text</word>
  std::string suffix = ".";
  suffix += std::to_string(page);
  suffix += ".html";
  const std::string html = ReadFile(suffix);
  std::vector<Word> words;
  auto attribute = [](const std::string& element, const char* name) {
    const std::size_t at = element.find(name);
    return at == std::string::npos ? 0.0 : std::atof(element.c_str() + at + std::strlen(name));
  };
  for (std::size_t at = html.find("<word "); at != std::string::npos;
       at = html.find("<word ", at + 1)) {
    const std::size_t close = html.find('>', at);
    const std::size_t end = html.find("</word>", close);
    if (close == std::string::npos || end == std::string::npos) break;
    const std::string element = html.substr(at, close - at);
    words.push_back({html.substr(close + 1, end - close - 1), attribute(element, "xMin=\""),
                     attribute(element, "yMin=\"")});
  }
  return words;
}

void DiscardPrintJobs() { DirectJobs("/dev/null"); }

DefaultPrinterEntry::DefaultPrinterEntry(const char* entry) {
  WriteProfileStringA("windows", "device", entry);
}

DefaultPrinterEntry::~DefaultPrinterEntry() { EnsureBenchPrinter(); }

int GdiObjectCount() {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0) return static_cast<int>(counted);
  int live = 0;
  for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++live;
  }
  return live;
}

}  // namespace wktest

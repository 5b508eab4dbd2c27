#include "sound_capture.hpp"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "whole_file.hpp"

namespace wktest {

namespace {

std::string ProcPath(int pid, const std::string& entry) {
  return "Z:\\proc\\" + std::to_string(pid) + "\\" + entry;
}

}  // namespace

SoundCapture::SoundCapture() {
  char path[MAX_PATH] = {};
  if (GetEnvironmentVariableA("WK_CAPTURE", path, sizeof path) > 0 && path[0] == '/') {
    unix_path_ = path;
    wine_path_ = std::string("Z:") + path;
  }
}

void SoundCapture::Clear() const {
  HANDLE file = CreateFileA(wine_path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

size_t SoundCapture::Size() const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(wine_path_.c_str(), GetFileExInfoStandard, &data)) return 0;
  return data.nFileSizeLow;
}

std::vector<unsigned char> SoundCapture::Read() const { return ReadFileBytes(wine_path_); }

size_t FindBytesAt(const std::vector<unsigned char>& haystack,
                   const std::vector<unsigned char>& needle, size_t from) {
  if (from > haystack.size()) return std::string::npos;
  auto at = std::search(haystack.begin() + from, haystack.end(), needle.begin(), needle.end());
  return at == haystack.end() ? std::string::npos : static_cast<size_t>(at - haystack.begin());
}

namespace {
// The fields of a stat file from the third on (the state), numbered as
// proc(5) numbers them less 3; they follow the command name in brackets,
// which may itself hold spaces.
std::vector<long> StatFields(const std::string& path) {
  const std::string stat = ReadWholeFile(path);
  std::istringstream fields(stat.substr(std::min(stat.size(), stat.rfind(')') + 3)));
  std::vector<long> numbers(1);  // the state is a letter
  for (std::string field; fields >> field;) numbers.push_back(std::atol(field.c_str()));
  return numbers;
}

// User and system time (fields 14 and 15), in clock ticks; -1 if unread.
long CpuTicks(const std::string& stat) {
  const std::vector<long> fields = StatFields(stat);
  return fields.size() > 12 ? fields[11] + fields[12] : -1;
}

int ParentOf(int pid) {
  const std::vector<long> fields = StatFields(ProcPath(pid, "stat"));
  return fields.size() > 1 ? static_cast<int>(fields[1]) : -1;
}

// The numbered entries of a /proc folder: processes, or a process's threads.
std::vector<int> Numbered(const std::string& pattern) {
  std::vector<int> numbers;
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) {
    if (const int number = std::atoi(entry.cFileName)) numbers.push_back(number);  // not "self"
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return numbers;
}

// The number after `name` in a file of "name: number" lines, or -1.
long Entry(const std::string& path, const std::string& name) {
  const std::string text = ReadWholeFile(path);
  const size_t at = text.find("\n" + name);
  return at == std::string::npos ? -1 : std::atol(text.c_str() + at + 1 + name.size());
}
}  // namespace

std::vector<int> UnixProcesses(const std::string& command, const std::string& capture, int parent) {
  std::vector<int> found;
  const std::string marker = "WK_CAPTURE=" + capture + '\0';
  for (int pid : Numbered("Z:\\proc\\*")) {
    if (ReadWholeFile(ProcPath(pid, "comm")) != command + "\n") continue;
    const std::string environment = ReadWholeFile(ProcPath(pid, "environ")) + '\0';
    if (environment.find(marker) == std::string::npos) continue;
    if (parent != 0 && ParentOf(pid) != parent) continue;
    found.push_back(pid);
  }
  return found;
}

UnixProcessFigures ReadUnixProcess(int pid) {
  UnixProcessFigures figures;
  figures.cpu_ticks = CpuTicks(ProcPath(pid, "stat"));
  const std::string main_thread = "task\\" + std::to_string(pid) + "\\";
  figures.main_cpu_ticks = CpuTicks(ProcPath(pid, main_thread + "stat"));
  figures.main_switches = Entry(ProcPath(pid, main_thread + "status"), "voluntary_ctxt_switches:");
  for (int thread : Numbered(ProcPath(pid, "task\\*"))) {
    const std::string status = ProcPath(pid, "task\\" + std::to_string(thread) + "\\status");
    figures.switches += std::max(Entry(status, "voluntary_ctxt_switches:"), 0L);
  }
  std::istringstream rollup(ReadWholeFile(ProcPath(pid, "smaps_rollup")));
  for (std::string line; std::getline(rollup, line);) {
    // Private_Clean, Private_Dirty and Private_Hugetlb.
    if (line.rfind("Private_", 0) == 0) figures.private_kib += std::atol(&line[line.find(':') + 1]);
  }
  return figures;
}

}  // namespace wktest

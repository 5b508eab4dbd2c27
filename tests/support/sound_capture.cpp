#include "sound_capture.hpp"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "whole_file.hpp"

namespace wktest {

namespace {

std::string ProcPath(int pid, const char* entry) {
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
int ParentOf(int pid) {
  const std::string stat = ReadWholeFile(ProcPath(pid, "stat"));
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string state;
  int parent = -1;
  fields >> state >> parent;
  return parent;
}
}  // namespace

std::vector<int> UnixProcesses(const std::string& command, const std::string& capture, int parent) {
  std::vector<int> found;
  const std::string marker = "WK_CAPTURE=" + capture + '\0';
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    char* end = nullptr;
    const long pid = std::strtol(entry.cFileName, &end, 10);
    if (*end != '\0' || pid <= 0) continue;
    if (ReadWholeFile(ProcPath(pid, "comm")) != command + "\n") continue;
    const std::string environment = ReadWholeFile(ProcPath(pid, "environ")) + '\0';
    if (environment.find(marker) == std::string::npos) continue;
    if (parent != 0 && ParentOf(static_cast<int>(pid)) != parent) continue;
    found.push_back(static_cast<int>(pid));
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

UnixProcessFigures ReadUnixProcess(int pid) {
  UnixProcessFigures figures;
  std::istringstream status(ReadWholeFile(ProcPath(pid, "status")));
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) figures.resident_kib = std::atol(line.c_str() + 6);
    if (line.rfind("VmSize:", 0) == 0) figures.virtual_kib = std::atol(line.c_str() + 7);
  }
  // Fields 14 and 15 of stat (utime, stime) follow the command name in
  // brackets, which may itself hold spaces.
  const std::string stat = ReadWholeFile(ProcPath(pid, "stat"));
  const size_t close = stat.rfind(')');
  if (close != std::string::npos) {
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int n = 3; fields >> field; ++n) {
      if (n == 14) utime = std::atol(field.c_str());
      if (n == 15) {
        stime = std::atol(field.c_str());
        figures.cpu_ticks = utime + stime;
        break;
      }
    }
  }
  return figures;
}

}  // namespace wktest

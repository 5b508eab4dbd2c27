#include "file_faults.hpp"

#include <cstdlib>
#include <vector>

#include "whole_file.hpp"
#include "wktest.hpp"

namespace wktest {

namespace {

// The environment variable's value, "" when it is not set.
std::string Environment(const char* name) {
  char value[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? value : "";
}

std::vector<std::string> Names(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE find = FindFirstFileA((folder + "/*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return names;
}

// Removes what an earlier run left in the folder, and the folder.
void RemoveTree(const std::string& folder) {
  for (const std::string& name : Names(folder)) {
    const std::string path = folder + "/" + name;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      RemoveTree(path);
    } else {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  RemoveDirectoryA(folder.c_str());
}

// One folder per row: the running test's name and a counter.
std::string FreshFolder() {
  static int counter = 0;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  CreateDirectoryA(BuildPath("faults").c_str(), nullptr);
  const std::string folder = BuildPath("faults/" + name + "." + std::to_string(++counter));
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

bool IsDevice(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool device = GetFileType(file) == FILE_TYPE_CHAR;
  CloseHandle(file);
  return device;
}

}  // namespace

const char* FaultName(Fault fault) {
  switch (fault) {
    case Fault::kNone:
      return "no fault";
    case Fault::kFullDisk:
      return "full disk";
    case Fault::kPartialWrite:
      return "write fails part-way";
    case Fault::kHeld:
      return "file held open elsewhere";
    case Fault::kFolder:
      return "name is a folder";
    case Fault::kMissingFolder:
      return "missing folder";
  }
  return "?";
}

std::size_t PartialWriteBytes() {
  return std::strtoul(Environment("WK_FILE_SIZE_LIMIT").c_str(), nullptr, 10) * 1024;
}

bool Available(Fault fault) { return fault != Fault::kPartialWrite || PartialWriteBytes() > 0; }

FaultyTarget::FaultyTarget(Fault fault, const std::string& old, const char* file,
                           bool with_old_file)
    : fault_(fault), name_(file), old_(old), with_old_file_(with_old_file) {
  if (fault == Fault::kFullDisk) {
    const std::string link = Environment("WK_FULL_DISK");
    EXPECT_FALSE(link.empty()) << "started without a full-disk link (tests/bench/wine-run)";
    path_ = "Z:" + link;
    const std::size_t slash = path_.find_last_of('/');
    folder_ = path_.substr(0, slash);
    name_ = path_.substr(slash + 1);
    return;
  }
  folder_ = FreshFolder();
  if (fault == Fault::kMissingFolder) {
    path_ = folder_ + "/missing/" + name_;
    return;
  }
  path_ = folder_ + "/" + name_;
  if (fault == Fault::kFolder) {
    CreateDirectoryA(path_.c_str(), nullptr);
    return;
  }
  if (with_old_file_) WriteWholeFile(path_, old_);
  if (fault == Fault::kHeld) {
    held_ = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held_, INVALID_HANDLE_VALUE);
  }
}

FaultyTarget::~FaultyTarget() { Release(); }

void FaultyTarget::Release() {
  if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
  held_ = INVALID_HANDLE_VALUE;
}

testing::AssertionResult FaultyTarget::OnlyTarget(bool target_there) const {
  const std::vector<std::string> names = Names(folder_);
  if (target_there ? names == std::vector<std::string>{name_} : names.empty()) {
    return testing::AssertionSuccess();
  }
  std::string listed;
  for (const std::string& name : names) listed += " " + name;
  return testing::AssertionFailure()
         << FaultName(fault_) << ": the folder holds" << listed
         << (target_there ? " (only the target expected)" : " (nothing expected)");
}

testing::AssertionResult FaultyTarget::Untouched() {
  Release();
  const bool target_there = fault_ == Fault::kFullDisk || fault_ == Fault::kFolder ||
                            (fault_ != Fault::kMissingFolder && with_old_file_);
  testing::AssertionResult only = OnlyTarget(target_there);
  if (!only) return only;
  switch (fault_) {
    case Fault::kFullDisk:
      if (IsDevice(path_)) return testing::AssertionSuccess();
      return testing::AssertionFailure() << "the full-disk link was replaced by a file";
    case Fault::kFolder: {
      const DWORD attributes = GetFileAttributesA(path_.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
          Names(path_).empty()) {
        return testing::AssertionSuccess();
      }
      return testing::AssertionFailure() << "the folder named like the target changed";
    }
    default:
      break;
  }
  if (!target_there) return testing::AssertionSuccess();
  const std::string now = ReadWholeFile(path_);
  if (now == old_) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << FaultName(fault_) << ": the old file of " << old_.size() << " bytes now holds "
         << now.size() << " bytes, beginning \"" << now.substr(0, 16) << "\"";
}

testing::AssertionResult FaultyTarget::Holds(const std::string& bytes) {
  Release();
  testing::AssertionResult only = OnlyTarget(true);
  if (!only) return only;
  const std::string now = ReadWholeFile(path_);
  if (now == bytes) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << "the file holds " << now.size() << " bytes, " << bytes.size() << " expected";
}

testing::AssertionResult FaultyTarget::Replaced() {
  Release();
  testing::AssertionResult only = OnlyTarget(true);
  if (!only) return only;
  if (ReadWholeFile(path_) != old_) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the file still holds the old bytes";
}

}  // namespace wktest

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

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Removes what an earlier run left in the folder, and the folder.
void RemoveTree(const std::string& folder) {
  for (const std::string& name : Names(folder)) {
    const std::string path = folder + "/" + name;
    if (IsFolder(path)) {
      RemoveTree(path);
    } else {
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  RemoveDirectoryA(folder.c_str());
}

std::string FreshFolder() {
  static int counter = 0;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
  for (char& c : name) c = c == '/' ? '_' : c;
  CreateDirectoryA(BuildPath("faults").c_str(), nullptr);
  const std::string folder = BuildPath("faults/" + name + "." + std::to_string(++counter));
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace

const char* FaultName(Fault fault) {
  static const char* const kNames[] = {
      "no fault",         "full disk",     "write fails part-way", "file held open elsewhere",
      "name is a folder", "missing folder"};
  return kNames[static_cast<int>(fault)];
}

std::size_t PartialWriteBytes() {
  return std::strtoul(Environment("WK_FILE_SIZE_LIMIT").c_str(), nullptr, 10) * 1024;
}

bool Available(Fault fault) { return fault != Fault::kPartialWrite || PartialWriteBytes() > 0; }

FaultyTarget::FaultyTarget(Fault fault, const std::string& old, const char* file)
    : fault_(fault), name_(file), old_(old) {
  if (fault == Fault::kFullDisk) {
    const std::string link = Environment("WK_FULL_DISK");
    EXPECT_FALSE(link.empty()) << "started without a full-disk link (tests/bench/wine-run)";
    path_ = "Z:" + link;
    folder_ = path_.substr(0, path_.find_last_of('/'));
    name_ = path_.substr(folder_.size() + 1);
    return;
  }
  folder_ = FreshFolder();
  path_ = folder_ + (fault == Fault::kMissingFolder ? "/missing/" : "/") + name_;
  if (fault == Fault::kFolder) {
    CreateDirectoryA(path_.c_str(), nullptr);
  } else if (fault != Fault::kMissingFolder) {
    WriteWholeFile(path_, old_);
  }
  if (fault == Fault::kHeld) {
    held_ = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held_, INVALID_HANDLE_VALUE);
  }
}

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
  return testing::AssertionFailure() << FaultName(fault_) << ": the folder holds" << listed;
}

testing::AssertionResult FaultyTarget::Untouched() {
  Release();
  testing::AssertionResult only = OnlyTarget(fault_ != Fault::kMissingFolder);
  if (!only || fault_ == Fault::kMissingFolder) return only;
  if (fault_ == Fault::kFolder) {
    if (IsFolder(path_) && Names(path_).empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the folder named like the target changed";
  }
  if (fault_ == Fault::kFullDisk) {
    HANDLE device = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    const bool still = GetFileType(device) == FILE_TYPE_CHAR;
    CloseHandle(device);
    if (still) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the full-disk link was replaced by a file";
  }
  const std::string now = ReadWholeFile(path_);
  if (now == old_) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << FaultName(fault_) << ": the old file of " << old_.size() << " bytes now holds "
         << now.size() << " bytes, beginning \"" << now.substr(0, 16) << "\"";
}

testing::AssertionResult FaultyTarget::Replaced() {
  Release();
  testing::AssertionResult only = OnlyTarget(true);
  if (!only) return only;
  if (ReadWholeFile(path_) != old_) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "the file still holds the old bytes";
}

}  // namespace wktest

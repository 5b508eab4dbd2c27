// The faults a file operation meets on real machines, for tables whose rows
// give an operation a faulty target and then check its result and what is
// left on the disk:
//
//   wktest::FaultyTarget target(wktest::Fault::kHeld);
//   EXPECT_EQ(wk_FileWriteText(target.path().c_str(), "new"), WK_FILE_CANNOT_OPEN);
//   EXPECT_TRUE(target.Untouched());
//
// How the faults are made (tests/bench/wine-run):
// - kFullDisk: a symbolic link to /dev/full (reached through Wine's drive
//   Z:; every write fails) that wine-run makes for each run, named by
//   WK_FULL_DISK. A device, which the toolkit writes in place.
// - kPartialWrite: the program's file-size limit (wine-run --file-size-limit
//   KIB, or WK_FILE_SIZE_LIMIT=KIB; ctest gives programs named *_faults_test
//   16 KiB outside the checked run): any write past it fails (EFBIG, a
//   failed WriteFile), temporary files included. Such a program writes
//   nothing larger except where a row wants it to fail; its own output is
//   cut at the limit too.
// - kHeld: the old file held open without sharing until Untouched(); kFolder:
//   a folder with the target's name; kMissingFolder: the target one level
//   down in a folder that does not exist.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace wktest {

enum class Fault { kNone, kFullDisk, kPartialWrite, kHeld, kFolder, kMissingFolder };

// The fault's name, for a row's trace.
const char* FaultName(Fault fault);
// The file-size limit in bytes, 0 when the program was started without one.
std::size_t PartialWriteBytes();
// Whether this run can make the fault (a part-way write needs the limit).
bool Available(Fault fault);

// One row's target. Except for kFullDisk, a fresh folder of its own under the
// build folder (the test's name and a counter) holding the old file `file`
// with the bytes `old`, or the fault in its place.
class FaultyTarget {
 public:
  explicit FaultyTarget(Fault fault, const std::string& old = "OLD\r\n",
                        const char* file = "target.txt");
  ~FaultyTarget() { Release(); }
  FaultyTarget(const FaultyTarget&) = delete;
  FaultyTarget& operator=(const FaultyTarget&) = delete;

  // The name to give the operation.
  const std::string& path() const { return path_; }
  // The target as it was made (the old file byte for byte), and nothing
  // else in its folder: no temporary file left.
  testing::AssertionResult Untouched();
  // After a save that succeeded: the target holds other bytes than the old,
  // and nothing else is in its folder.
  testing::AssertionResult Replaced();

 private:
  testing::AssertionResult OnlyTarget(bool target_there) const;
  void Release();

  Fault fault_;
  std::string folder_;
  std::string name_;  // the target's name inside folder_
  std::string path_;
  std::string old_;
  HANDLE held_ = INVALID_HANDLE_VALUE;
};

}  // namespace wktest

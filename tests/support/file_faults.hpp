// The faults a file operation meets on real machines, for tables whose rows
// give an operation a faulty target and then check its result and what is
// left on the disk.
//
//   Fault         none, a full disk, a write that stops part-way, a file
//                 held open elsewhere without sharing, a name that is a
//                 folder, a missing folder
//   FaultyTarget  one row's target: a fresh folder of its own holding the
//                 old file (or the fault in its place). path() is the name
//                 to give the operation; Untouched() checks that the old
//                 file is there byte for byte and that nothing else was left
//                 in the folder (no temporary file); Holds() and Replaced()
//                 check what a save that succeeded wrote (those bytes, or
//                 anything but the old ones), with the same rule.
//   PartialWriteBytes() / Available()
//                 where a write stops part-way: the file-size limit the
//                 program was started with (0 without one: the part-way
//                 rows are then not available and a table leaves them out).
//
// How the faults are made (tests/bench/wine-run):
// - a full disk is a symbolic link to /dev/full (Wine's Z: drive reaches
//   it; every write to it fails), made by wine-run for each program in a
//   folder of its own and named by WK_FULL_DISK. It is a device, which the
//   toolkit writes in place; a disk that fills while a new file is written
//   beside its target is the part-way fault.
// - a part-way write is the program's file-size limit: wine-run starts the
//   program with `ulimit -f KIB` and SIGXFSZ ignored when it is given
//   --file-size-limit KIB or WK_FILE_SIZE_LIMIT=KIB; a write past the limit
//   fails (EFBIG), and Wine reports a failed WriteFile. ctest starts every
//   test program whose name ends in _faults_test with a 16 KiB limit, so
//   such a program writes nothing larger except where a row wants it to
//   fail. The program's own output is cut at the limit too, so the checked
//   run, whose heap trace is part of that output, starts them without it.
// - a held file is opened with share mode 0 and kept open for the row, a
//   folder is made with the target's name, and a missing folder is one more
//   folder level that does not exist.
//
// A row:
//   wktest::FaultyTarget target(wktest::Fault::kHeld);
//   EXPECT_EQ(wk_FileWriteText(target.path().c_str(), "new"), WK_FILE_CANNOT_OPEN);
//   EXPECT_TRUE(target.Untouched());
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

class FaultyTarget {
 public:
  // A fresh folder under the build folder named after the running test and
  // a counter, holding `file` with the bytes `old` (kNone, kPartialWrite,
  // kHeld; kHeld keeps it open without sharing until Untouched() or the end
  // of the row). kFullDisk names the device link instead, kFolder makes a
  // folder of that name, kMissingFolder leaves the folder empty and names
  // the file one level deeper. `old` may be empty and `file` may be given
  // without an old file by passing `with_old_file` false (a save that makes
  // a new file).
  FaultyTarget(Fault fault, const std::string& old = "OLD\r\n", const char* file = "target.txt",
               bool with_old_file = true);
  ~FaultyTarget();
  FaultyTarget(const FaultyTarget&) = delete;
  FaultyTarget& operator=(const FaultyTarget&) = delete;

  const std::string& path() const { return path_; }
  Fault fault() const { return fault_; }

  // The target as it was made, and nothing else in its folder.
  testing::AssertionResult Untouched();
  // The target holds exactly `bytes`, and nothing else is in its folder.
  testing::AssertionResult Holds(const std::string& bytes);
  // The target holds something other than the old bytes, and nothing else
  // is in its folder.
  testing::AssertionResult Replaced();

 private:
  testing::AssertionResult OnlyTarget(bool target_there) const;
  void Release();

  Fault fault_;
  std::string folder_;
  std::string name_;  // the target's name inside folder_
  std::string path_;
  std::string old_;
  bool with_old_file_;
  HANDLE held_ = INVALID_HANDLE_VALUE;
};

}  // namespace wktest

#include "tools/logic/wav_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/whole_file.hpp"

namespace {

using Bytes = std::vector<unsigned char>;
using wktest::FileExists;
using wktest::ReadFileBytes;

// A write that stops part-way (the process's file-size limit, as a disk that
// fills) and a folder that is not there: each is refused, the previous WAV
// stays byte for byte and no partial file is left; then a write that fits
// replaces it whole.
TEST(WavFile, AFailedWriteLeavesThePreviousFileAsItWas) {
  char folder[] = "/tmp/wav_file_test.XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  const std::string path = std::string(folder) + "/tone.wav";
  const Bytes previous(3000, 0x11), sound(200000, 0x7F);
  ASSERT_TRUE(tonerec::WriteWav(path, previous.data(), previous.size()));
  const Bytes before = ReadFileBytes(path);
  ASSERT_EQ(before.size(), 44 + previous.size());

  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit saved = limit;
  limit.rlim_cur = 100 * 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const bool written = tonerec::WriteWav(path, sound.data(), sound.size());
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_FALSE(FileExists(path + ".part"));

  EXPECT_FALSE(tonerec::WriteWav(std::string(folder) + "/missing/tone.wav", sound.data(), 10));

  ASSERT_TRUE(tonerec::WriteWav(path, sound.data(), sound.size()));
  const Bytes after = ReadFileBytes(path);
  ASSERT_EQ(after.size(), 44 + sound.size());
  EXPECT_EQ(std::string(after.begin(), after.begin() + 4), "RIFF");
  EXPECT_EQ(after[40] | after[41] << 8 | after[42] << 16 | after[43] << 24, 200000);
  EXPECT_EQ(after.back(), 0x7F);
  std::remove(path.c_str());
  rmdir(folder);
}

}  // namespace

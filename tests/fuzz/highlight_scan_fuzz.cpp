// Feeds arbitrary text, ranges, words and markers to the highlighting
// scanners and checks every range they yield lies inside the text and in
// the order it is applied.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "toolkit/text/logic/highlight_scan.hpp"

namespace {

void Check(const wk::highlight::Scan& scan, std::string_view text) {
  const std::size_t end = std::min(text.find('\0'), text.size());
  int previous = -1;
  for (const auto& r : scan.ranges) {
    if (r.start < 0 || r.end < r.start || static_cast<std::size_t>(r.end) > end) std::abort();
    if (r.start <= previous) std::abort();
    previous = r.start;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 12) return 0;
  int first = 0;
  int limit = 0;
  std::memcpy(&first, data, 4);
  std::memcpy(&limit, data + 4, 4);
  const std::size_t word_len = data[8] % 8;
  const char* rest = reinterpret_cast<const char*>(data + 9);
  std::size_t rest_size = size - 9;
  if (rest_size < word_len + 4) return 0;
  // Keep the ranges near the text now and then, so matches happen.
  if (data[8] & 0x80) {
    first = first % 64;
    limit = static_cast<int>(static_cast<unsigned>(limit) % 4096);
  }
  const std::string_view word(rest, word_len);
  const std::string_view open(rest + word_len, 2);
  const std::string_view close(rest + word_len + 2, 2);
  const std::string_view text(rest + word_len + 4, rest_size - word_len - 4);

  Check(wk::highlight::ScanWord(text, first, limit, word, -1), text);
  Check(wk::highlight::ScanToLineEnd(text, first, limit, open), text);
  Check(wk::highlight::ScanBlock(text, first, limit, open, close), text);
  Check(wk::highlight::ScanBlock(text, first, limit, open, open), text);
  return 0;
}

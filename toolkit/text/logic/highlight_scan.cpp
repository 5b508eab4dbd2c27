#include "highlight_scan.hpp"

#include <algorithm>
#include <cstddef>

namespace wk::highlight {

namespace {

// The text up to its first code 0; every read outside it gives 0.
class Text {
 public:
  explicit Text(std::string_view text)
      : text_(text.substr(0, std::min(text.find('\0'), text.size()))) {}
  long long size() const { return static_cast<long long>(text_.size()); }
  unsigned char At(long long i) const {
    return i < 0 || i >= size() ? 0
                                : static_cast<unsigned char>(text_[static_cast<std::size_t>(i)]);
  }
  bool Matches(long long p, std::string_view what) const {
    if (p < 0 || p + static_cast<long long>(what.size()) > size()) return false;
    return text_.compare(static_cast<std::size_t>(p), what.size(), what) == 0;
  }
  // The candidate positions [first, limit) that lie in the text.
  long long Begin(int first) const { return std::max<long long>(first, 0); }
  long long End(int limit) const { return std::min<long long>(limit, size()); }

 private:
  std::string_view text_;
};

bool IsMarker(std::string_view marker) { return marker.size() == 2; }

int Pos(long long p) { return static_cast<int>(p); }

}  // namespace

std::string_view Marker(const char* text) {
  std::size_t n = 0;
  while (text != nullptr && n < 2 && text[n] != '\0') ++n;
  return {text, n};
}

bool IsWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= 162 && c <= 254);
}

bool IsDelimiter(unsigned char c) {
  return (c >= 9 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) ||
         (c >= 123 && c <= 191);
}

Scan ScanWord(std::string_view text_view, int first, int limit, std::string_view word,
              int fallback) {
  Scan scan{{}, fallback};
  const Text text(text_view);
  if (word.empty()) return scan;
  const long long w = static_cast<long long>(word.size());
  for (long long p = text.Begin(first); p < text.End(limit); ++p) {
    const unsigned char before = text.At(p - 1);
    const unsigned char after = text.At(p + w);
    if (IsWordChar(before) || IsWordChar(after)) continue;
    if (!IsDelimiter(before) && !IsDelimiter(after)) continue;
    if (text.Matches(p, word)) {
      scan.ranges.push_back({Pos(p), Pos(p + w)});
      scan.result = Pos(p);
    }
  }
  return scan;
}

Scan ScanToLineEnd(std::string_view text_view, int first, int limit, std::string_view marker) {
  Scan scan{{}, 0};
  const Text text(text_view);
  const bool usable = IsMarker(marker);
  bool counted = false;
  long long start = 0;
  for (long long p = text.Begin(first); p < text.End(limit); ++p) {
    if (usable && !counted && text.Matches(p, marker)) {
      counted = true;
      start = p;
      scan.result = Pos(p);
    }
    if (text.At(p) == '\n' && counted) {
      scan.ranges.push_back({Pos(start), Pos(p)});
      counted = false;
    }
  }
  return scan;
}

Scan ScanBlock(std::string_view text_view, int first, int limit, std::string_view opening,
               std::string_view closing) {
  Scan scan{{}, 0};
  const Text text(text_view);
  const bool open_usable = IsMarker(opening);
  const bool close_usable = IsMarker(closing);
  bool accepting = true;
  long long candidate = -1;
  long long block = -1;
  for (long long p = text.Begin(first); p < text.End(limit); ++p) {
    if (open_usable && accepting && text.Matches(p, opening)) {
      candidate = p;
      accepting = false;
    }
    if (close_usable && text.Matches(p, closing)) {
      if (block >= 0) {
        scan.ranges.push_back({Pos(block), Pos(p + 2)});
        scan.result = Pos(p + 2);
      } else {
        scan.result = 0;
      }
      block = -1;
      candidate = -1;
      accepting = true;
    }
    if (candidate >= 0) {
      block = candidate;
      scan.result = Pos(block + 2);
      candidate = -1;
    }
  }
  return scan;
}

}  // namespace wk::highlight

#include "text_rules.hpp"

#include <algorithm>
#include <functional>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace wk::textfile {

int CharClass(unsigned char c) {
  if (c == ' ') return kSpace;
  if (c >= '0' && c <= '9') return kDigit;
  if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) return kSmall;
  if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 223 && c != 215)) return kCapital;
  return kOther;
}

int FillDifference(const char* a, const char* b, const DiffBuffers& buffers) {
  const std::size_t la = std::strlen(a);
  const std::size_t lb = std::strlen(b);
  auto put = [](char* buffer, std::size_t size, std::size_t i, char c) {
    if (i + 1 < size) buffer[i] = c;
  };
  for (std::size_t i = 0; i < lb; ++i) {
    put(buffers.equal, buffers.equal_size, i, '=');
    put(buffers.differing, buffers.differing_size, i, '=');
    put(buffers.extra, buffers.extra_size, i, '=');
  }
  for (std::size_t i = 0; i < lb; ++i) {
    if (i < la && a[i] == b[i]) {
      put(buffers.equal, buffers.equal_size, i, a[i]);
    } else if (i < la) {
      put(buffers.differing, buffers.differing_size, i, a[i]);
    } else {
      put(buffers.extra, buffers.extra_size, i, b[i]);
    }
  }
  return static_cast<int>(lb) - static_cast<int>(la);
}

unsigned char CodeAt(const char* text, int position) {
  // A terminator before the position puts it beyond the end; the search
  // stops at the first one.
  if (text == nullptr || position < 0 ||
      std::memchr(text, '\0', static_cast<std::size_t>(position)) != nullptr) {
    return 0;
  }
  return static_cast<unsigned char>(text[position]);
}

int ExpandedLength(const char* text) {
  int n = 0;
  for (const char* p = text; p && *p; ++p) n += (*p == '\n' || *p == '\t') ? 2 : 1;
  return n;
}

int CountLineFeeds(const char* text) {
  int n = 0;
  for (const char* p = text; p && *p; ++p) n += *p == '\n';
  return n;
}

char* CopyFirst(char* destination, const char* source, int count) {
  if (destination == nullptr) return nullptr;
  destination[0] = '\0';
  // Only the characters copied are read: a source of `count` characters
  // needs no terminator.
  std::size_t n = 0;
  if (source != nullptr) {
    while ((count <= 0 || n < static_cast<std::size_t>(count)) && source[n] != '\0') ++n;
  }
  if (n > 0) std::memcpy(destination, source, n);
  destination[n] = '\0';
  return destination;
}

bool CountLinePieces(std::FILE* file, long* pieces, long* characters) {
  char line[kLinePieceRoom];
  *pieces = 0;
  *characters = 0;
  while (std::fgets(line, sizeof line, file) != nullptr) {
    ++*pieces;
    *characters += static_cast<long>(std::strlen(line));
  }
  if (std::ferror(file)) {
    std::clearerr(file);
    return false;
  }
  return true;
}

namespace {

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, Closer>;

File Open(const char* name, const char* mode) {
  return File(name ? std::fopen(name, mode) : nullptr);
}

// The line readers' common pass: 0 with the counts, or a negated failure.
long ReadCounts(const char* name, long* pieces, long* characters) {
  File file = Open(name, "r");
  if (!file) return -kFileOpenFailed;
  return CountLinePieces(file.get(), pieces, characters) ? 0 : -kFileIoFailed;
}

}  // namespace

bool WriteTextMode(const char* text, std::string_view end,
                   const std::function<bool(std::string_view)>& sink) {
  // One buffer's worth at a time, whole stretches between line ends at
  // once: a converted copy of a long text, or a character at a time, costs
  // more than writing the file.
  constexpr std::size_t kChunk = 64 * 1024;
  std::string chunk;
  chunk.reserve(kChunk + 2);
  const auto hand_on_when_full = [&] {
    if (chunk.size() < kChunk) return true;
    const bool taken = sink(chunk);
    chunk.clear();
    return taken;
  };
  std::string_view rest = text ? text : "";
  while (!rest.empty()) {
    const std::size_t line_end = rest.find('\n');
    std::string_view stretch = rest.substr(0, line_end);
    while (!stretch.empty()) {
      const std::string_view part = stretch.substr(0, kChunk - std::min(kChunk, chunk.size()));
      chunk.append(part);
      stretch.remove_prefix(part.size());
      if (!hand_on_when_full()) return false;
    }
    if (line_end == std::string_view::npos) break;
    chunk += "\r\n";
    if (!hand_on_when_full()) return false;
    rest.remove_prefix(line_end + 1);
  }
  chunk.append(end);
  return chunk.empty() || sink(chunk);
}

int HeadLength(const char* name) {
  char head[2] = {};
  File file = Open(name, "rb");
  if (!file) return -kFileOpenFailed;
  const std::size_t length = std::fread(head, 1, sizeof head, file.get());
  if (length < sizeof head && std::ferror(file.get())) {
    std::clearerr(file.get());
    return -kFileIoFailed;
  }
  return static_cast<int>(length);
}

int RemoveFile(const char* name) {
  return name && std::remove(name) == 0 ? kFileOk : kFileIoFailed;
}

long CountLines(const char* name) {
  long pieces = 0, characters = 0;
  const long failed = ReadCounts(name, &pieces, &characters);
  return failed ? failed : pieces;
}

long LastLineIndex(const char* name) {
  const long lines = CountLines(name);
  if (lines < 0) return lines;
  return lines == 0 ? 0 : lines - 1;
}

long CountChars(const char* name) {
  long pieces = 0, characters = 0;
  const long failed = ReadCounts(name, &pieces, &characters);
  return failed ? failed : characters;
}

long CountCharsAndLines(const char* name) {
  long pieces = 0, characters = 0;
  const long failed = ReadCounts(name, &pieces, &characters);
  return failed ? failed : characters + pieces;
}

int ReadAll(const char* name, char* destination) {
  // First pass: the longest line sets the work buffer's size.
  std::size_t longest = 0;
  {
    File file = Open(name, "r");
    if (!file) return kFileOpenFailed;
    char piece[kLinePieceRoom];
    std::size_t current = 0;
    while (std::fgets(piece, sizeof piece, file.get()) != nullptr) {
      const std::size_t n = std::strlen(piece);
      current += n;
      if (current > longest) longest = current;
      if (n > 0 && piece[n - 1] == '\n') current = 0;
    }
    if (std::ferror(file.get())) {
      std::clearerr(file.get());
      return kFileIoFailed;
    }
  }
  File file = Open(name, "r");
  if (!file) return kFileOpenFailed;
  std::unique_ptr<char[]> line(new (std::nothrow) char[longest + 2]);
  if (!line) return kFileIoFailed;
  char* end = destination + std::strlen(destination);
  while (std::fgets(line.get(), static_cast<int>(longest + 2), file.get()) != nullptr) {
    const std::size_t n = std::strlen(line.get());
    std::memcpy(end, line.get(), n + 1);
    end += n;
  }
  if (std::ferror(file.get())) {
    std::clearerr(file.get());
    return kFileIoFailed;
  }
  return kFileOk;
}

}  // namespace wk::textfile

// The rules of the text helpers that need no platform: character classes,
// the difference buffers, counting in texts and the line-based file readers
// over C streams.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace wk::textfile {

// Character classes: small letters are a-z and Latin-1 224-254 but not 247,
// capitals A-Z and Latin-1 192-223 but not 215.
enum CharClassCode { kSpace = 0, kOther = 1, kDigit = 2, kSmall = 3, kCapital = 4 };
int CharClass(unsigned char c);

// The three difference buffers and the length difference of one comparison.
struct DiffBuffers {
  char* equal;  // characters of a equal to b's at the same place
  std::size_t equal_size;
  char* differing;  // characters of a that differ from b's
  std::size_t differing_size;
  char* extra;  // characters of b past the end of a
  std::size_t extra_size;
};

// Fills the buffers for texts a and b: each position below b's length gets
// "=" and then a's or b's character in the buffer it belongs to. A buffer is
// written only below its size less one, so its last byte stays the zero it
// starts with and a long text b never writes past it. Returns lb - la.
int FillDifference(const char* a, const char* b, const DiffBuffers& buffers);

// A null text reads as the empty text throughout.

// The code at the position; 0 for a position below 0 or beyond the
// terminator. Reads the text only up to the position or its terminator.
unsigned char CodeAt(const char* text, int position);
// Length plus the line feeds and tabs in the text.
int ExpandedLength(const char* text);
// The number of line feeds.
int CountLineFeeds(const char* text);

// Copies the first `count` characters of `source` (all of it for count <= 0
// or a shorter source) into `destination`, terminated, reading no further
// than it copies. A null destination gets nothing: the result is NULL.
char* CopyFirst(char* destination, const char* source, int count);

// The line-based readers read pieces of at most 1999 characters.
inline constexpr int kLinePieceRoom = 2000;

// Reads the stream to its end in line pieces. Stores the number of pieces
// and the characters read; false on a read error (the error state is
// cleared).
bool CountLinePieces(std::FILE* file, long* pieces, long* characters);

// The text helpers' file results.
enum FileResult { kFileOk = 0, kFileOpenFailed = 2, kFileIoFailed = 3 };

// Hands `sink`, in order, the bytes a text-mode file receives for the text
// (each line feed as a carriage return and a line feed) and then `end` as it
// is, in pieces of at most 64 KiB and a line end. False as soon as the sink
// answers false.
bool WriteTextMode(const char* text, std::string_view end,
                   const std::function<bool(std::string_view)>& sink);
// How many of the file's first two bytes there are (0, 1 or 2: the line
// adder rewrites a file shorter than two), or -kFileOpenFailed or
// -kFileIoFailed.
int HeadLength(const char* name);

// The file calls that need only the C library (the file is opened in text
// mode and closed again before the call returns).
int RemoveFile(const char* name);  // 0, or 3 when it could not be removed
// Line readers: the count, or -kFileOpenFailed or -kFileIoFailed.
long CountLines(const char* name);
long LastLineIndex(const char* name);
long CountChars(const char* name);
long CountCharsAndLines(const char* name);
// Appends the whole file to `destination`, which holds a terminated text.
int ReadAll(const char* name, char* destination);

}  // namespace wk::textfile

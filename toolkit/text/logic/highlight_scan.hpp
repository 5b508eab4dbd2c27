// Scanners of the rich text highlighting, over a plain copy of the text.
//
// The highlighting operations read a rich edit's whole text once and walk a
// range of candidate positions, testing each. What they find is a list of
// ranges to format and a result position; applying the format belongs to
// the platform side. Offsets into the copy are the control's character
// positions.
//
// Characters are unsigned codes 0 to 255. The code 0 ends the text, and every
// position at or beyond the end reads as 0. Markers are exactly two
// characters; a marker of any other length matches nowhere.
#pragma once

#include <string_view>
#include <vector>

namespace wk::highlight {

// The marker a caller's text gives: its first two characters, read no
// further (the text needs no terminator after them); fewer when the text
// ends sooner, and none for NULL.
std::string_view Marker(const char* text);

// One stretch to format: [start, end).
struct Range {
  int start;
  int end;
  bool operator==(const Range&) const = default;
};

struct Scan {
  std::vector<Range> ranges;  // in the order they are applied
  int result;
};

// ASCII letters and digits and the codes 162 to 254.
bool IsWordChar(unsigned char c);
// Codes 9 to 47, 58 to 64, 91 to 96 and 123 to 191.
bool IsDelimiter(unsigned char c);

// Every occurrence of `word` at positions [first, limit) that stands between
// non-word characters of which at least one is a delimiter. The start of the
// text counts as code 0 (neither). Result: the start of the last occurrence,
// or `fallback` when there is none. An empty word occurs nowhere.
Scan ScanWord(std::string_view text, int first, int limit, std::string_view word, int fallback);

// From the first `marker` on a line up to (not including) that line's line
// feed. Result: the start of the last marker counted, 0 when none. A marker
// on a line that the range leaves before its line feed formats nothing.
Scan ScanToLineEnd(std::string_view text, int first, int limit, std::string_view marker);

// Blocks from an opening marker through the next closing marker, both
// included. Result: the end of the last block closed (p + 2), the start of an
// open block plus 2, or 0 after a closing marker without a block.
Scan ScanBlock(std::string_view text, int first, int limit, std::string_view opening,
               std::string_view closing);

}  // namespace wk::highlight

// Font style codes: an integer whose decimal digits, in ascending order,
// switch on font attributes (1 italic, 2 underline, 3 strike-out). The
// codes are 0, 1, 2, 3, 12, 13, 23 and 123; every font maker of the toolkit
// reads them through StyleFromCode.
#pragma once

namespace wk {

struct FontStyle {
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
};

// The attributes of one of the eight codes. Any other code (21, 4, -1, ...)
// has no meaning and gives a plain font.
FontStyle StyleFromCode(int code);

}  // namespace wk

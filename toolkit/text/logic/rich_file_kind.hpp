// Which stream format a rich edit file is read and written in.
#pragma once

namespace wk::richfile {

// True when the last three characters of the name are "RTF" in any case
// (letter.rtf and letterRTF both count); shorter or null names are plain text.
bool IsRichTextName(const char* name);

}  // namespace wk::richfile

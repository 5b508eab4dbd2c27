// What a settings file can hold, and how the platform's profile functions
// give a stored value back.
#pragma once

#include <cstddef>
#include <string>

namespace wk::settings {

// The longest section name, key or value, in characters, that the
// platform's profile functions keep whole.
inline constexpr std::size_t kMaxEntryLength = 32766;

// Whether a profile file can hold the entry as one line and read it back:
// no line end in the section, key or value; no '=' in the key and no key
// that begins, after blanks, with '[' (it would read back as a section);
// none longer than kMaxEntryLength. A null key or value (a removal) is fine.
bool CanHold(const char* section, const char* key, const char* value);

// The value as the platform reads it back: blanks at both ends dropped,
// then one pair of matching surrounding quotes (" or ').
std::string AsReadBack(const char* value);

}  // namespace wk::settings

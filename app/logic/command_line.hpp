// Where the arguments begin on a Windows command line.
#pragma once

namespace vindra {

// Returns a pointer into `command_line` where the argument text begins, past
// the program name and the spaces after it (only the space character
// separates; a tab does not). A program name in double quotes ends at the
// closing quote; with no closing quote the whole command line is returned,
// opening quote included. Never null for a non-null input.
const char* FindArgumentText(const char* command_line);

}  // namespace vindra

// Where a settings file named without a folder lives.
#pragma once

#include <cstddef>

namespace wk::settings {

// True for a file name without any folder part (no '\\', '/' or ':').
bool IsBareName(const char* name);

// `name` itself when it has a folder part; otherwise `folder` (the folder of
// the program's executable, ending without a separator) + '\\' + `name`.
// False when the result would not fit `size` bytes or an argument is null.
bool ResolveSettingsPath(const char* folder, const char* name, char* out, std::size_t size);

// The folder part of a program path: everything before its last '\\' or '/'
// (empty when there is none). False when it does not fit.
bool FolderOf(const char* path, char* out, std::size_t size);

}  // namespace wk::settings

// The list view's own cell and row code, shared by its operations and by the
// text file import and export.
#pragma once

#include <windows.h>

namespace wk::list {

// Sets the text of one cell; row and column are 0-based.
LRESULT SetCellText(HWND list, int row, int column, const char* text);
// The most room a cell is read with.
inline constexpr int kCellRoomMax = 255;
// Reads one cell into `buffer` of `room` bytes (at most kCellRoomMax): at
// most room - 1 characters, always terminated, nothing read or written past
// the buffer whatever the list view does. Returns the length the caller
// holds; 0 for a NULL buffer, which gets nothing.
int GetCellText(HWND list, int row, int column, char* buffer, int room);
// Inserts an empty row at the 0-based position with `value` as its
// application value.
void InsertRowWithValue(HWND list, int row, LPARAM value);
// Deletes the row at the 0-based position: 0 if deleted, 1 otherwise.
int DeleteRow(HWND list, int row);

}  // namespace wk::list

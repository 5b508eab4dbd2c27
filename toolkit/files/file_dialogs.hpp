// The records the file and font dialogs keep for the life of the process.
#pragma once

#include <windows.h>
#include <commdlg.h>

namespace wk {

// The open and save dialogs' records as the last call left them.
const OPENFILENAMEA& OpenFileRecord();
const OPENFILENAMEA& SaveFileRecord();

// The chosen-font record: filled from the caller's font before the font
// dialog and by the dialog itself; printing takes its face and effects.
LOGFONTA& ChosenFont();

}  // namespace wk

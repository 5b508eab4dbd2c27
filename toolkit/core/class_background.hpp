// The background brush of a window class.
//
// Top-level windows, the toolbar, status bar and progress bar recolour their
// background by giving their whole window class a new solid brush. A class keeps using its
// brush until the next change, so the brush cannot be deleted when it is
// set; it is deleted when a later change replaces it, since each brush made
// here serves exactly one class. Brushes that the toolkit did not make here
// (the class's original one, or one set by other code) are never deleted.
#pragma once

#include <windows.h>

namespace wk {

// Makes a solid brush of the colour the background brush of the window's
// class, releases the brush it replaces when this function made it, and
// invalidates the window with erasing.
void SetClassBackground(HWND window, COLORREF colour);

}  // namespace wk

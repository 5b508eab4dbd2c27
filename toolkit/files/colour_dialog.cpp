// The colour dialog: the platform's common colour dialog, opened with white
// chosen every time and with the custom colours of the earlier calls.
#include <windows.h>
#include <commdlg.h>

#include "wk_controls.h"

extern "C" {
CHOOSECOLORA wk_ColorDialogRecord{};
COLORREF wk_CustomColors[16] = {};
COLORREF wk_LastColor = 0;
}

extern "C" int wk_ChooseColor(HWND owner) noexcept {
  CHOOSECOLORA& record = wk_ColorDialogRecord;
  record = CHOOSECOLORA{};
  record.lStructSize = sizeof record;
  record.hwndOwner = owner;
  record.rgbResult = RGB(255, 255, 255);
  record.lpCustColors = wk_CustomColors;
  record.Flags = CC_RGBINIT | CC_SHOWHELP;
  if (!ChooseColorA(&record)) return -1;
  wk_LastColor = record.rgbResult;
  return static_cast<int>(record.rgbResult);
}

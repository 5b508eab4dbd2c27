// Sending a message to a window: the one shape of every message wrapper.
//
// wk::Send(window, EM_SETSEL, start, end) passes each parameter as what it
// is (a count, a flag, a colour, a handle, the address of a record) and makes
// here the one cast that the platform's WPARAM or LPARAM needs: numbers and
// enumerations by value (a negative number keeps its bits, as EM_SETSEL's
// -1 needs), pointers and handles by address. A parameter left out is 0.
#pragma once

#include <windows.h>

#include <type_traits>

namespace wk {

template <class Param, class T>
constexpr Param MessageParam(T value) {
  if constexpr (std::is_null_pointer_v<T>) {
    return 0;
  } else if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<Param>(value);
  } else {
    return static_cast<Param>(value);
  }
}

template <class W = WPARAM, class L = LPARAM>
LRESULT Send(HWND window, UINT message, W wparam = 0, L lparam = 0) {
  return SendMessageA(window, message, MessageParam<WPARAM>(wparam), MessageParam<LPARAM>(lparam));
}

}  // namespace wk

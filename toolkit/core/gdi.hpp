// Small one-job guards for platform resources.
//
// Each guard owns exactly one thing: a device context obtained from a window,
// a paint cycle, an object selected into a device context, a GDI object that
// must be deleted, a heap block, a file handle, the wait cursor or a window's
// suspended redrawing. Ownership is visible in the
// type, and every guard releases in its destructor on every path.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <utility>

#include "toolkit/core/message.hpp"

namespace wk {

// GetDC / ReleaseDC on a window's client area (or GetWindowDC with whole=true).
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool whole = false)
      : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintCycle {
 public:
  explicit PaintCycle(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintCycle() {
    if (dc_) EndPaint(window_, &ps_);
  }
  PaintCycle(const PaintCycle&) = delete;
  PaintCycle& operator=(const PaintCycle&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& paint() const { return ps_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// SelectObject now, the previous object selected back at the end of the scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~Selected() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A GDI object (pen, brush, font, bitmap, region) deleted at the end of the
// scope unless released to a new owner.
template <class T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T object) : object_(object) {}
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  T get() const { return object_; }
  T release() { return std::exchange(object_, nullptr); }
  void reset(T object = nullptr) {
    if (object_) DeleteObject(object_);
    object_ = object;
  }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T object_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }
  HDC release() { return std::exchange(dc_, nullptr); }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A Win32 file handle closed at the end of the scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// The wait cursor now, the cursor it replaced back at the end of the scope
// (a print, a search).
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

// A visible window's redrawing suspended for one toolkit call that changes
// it many times (each change would repaint it), and the whole window, frame
// included (its scroll bars moved too), invalidated at the end: it paints
// once, when its thread next takes its messages, as every invalidated window
// does. A hidden window is left alone: it does not draw anyway, and turning
// redrawing back on would make it visible.
//
// How: kControl sends WM_SETREDRAW to the window, for controls that must
// know (a list view stops its own work too). kPlatformDefault gives the
// message to the platform's default handling only, which clears and sets
// the visible bit without messages: for a control that keeps its own
// setting where nobody can read it back (the rich edit), so a freeze of the
// caller's stays as the caller left it.
class RedrawSuspended {
 public:
  enum class How { kControl, kPlatformDefault };
  RedrawSuspended(HWND window, How how)
      : window_((GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) ? window : nullptr), how_(how) {
    Set(FALSE);
  }
  ~RedrawSuspended() {
    if (!window_) return;
    Set(TRUE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;

 private:
  void Set(BOOL redraw) const {
    if (!window_) return;
    if (how_ == How::kControl) {
      wk::Send(window_, WM_SETREDRAW, redraw);
    } else {
      DefWindowProcA(window_, WM_SETREDRAW, redraw, 0);
    }
  }
  HWND window_;
  How how_;
};

// A malloc'ed block of exactly `count` elements, freed at the end of the
// scope. Callers that need room for a terminator ask for it in `count`.
template <class T = char>
class HeapBlock {
 public:
  explicit HeapBlock(std::size_t count) : data_(static_cast<T*>(std::malloc(count * sizeof(T)))) {}
  ~HeapBlock() { std::free(data_); }
  HeapBlock(const HeapBlock&) = delete;
  HeapBlock& operator=(const HeapBlock&) = delete;
  T* get() const { return data_; }
  explicit operator bool() const { return data_ != nullptr; }

 private:
  T* data_;
};

}  // namespace wk

// Formatted text into a caller's buffer, for every part of the toolkit that
// formats. On Windows the system's C library (msvcrt) does the formatting,
// so a program built on the toolkit carries no formatter of its own; the
// compiler checks each format against that library's conversions (no %zu,
// 64-bit integers as %I64d).
#pragma once

#include <cstdarg>
#include <cstddef>

#ifdef _WIN32
#define WK_FORMAT_CHECK(at, first) __attribute__((__format__(ms_printf, at, first)))
#else
#define WK_FORMAT_CHECK(at, first) __attribute__((__format__(printf, at, first)))
#endif

namespace wk {

// As C99's snprintf: writes at most size - 1 characters and a terminating
// zero (when size > 0), and returns the length the whole text needs (which
// may be more than was written), or a negative number when the format cannot
// be applied.
int FormatText(char* out, std::size_t size, const char* format, ...) WK_FORMAT_CHECK(3, 4);
int FormatTextV(char* out, std::size_t size, const char* format, std::va_list values)
    WK_FORMAT_CHECK(3, 0);

// A double as C99's "%.*f" writes it, with `decimals` from 0 to 9, the same
// on every platform: a value exactly halfway between two texts goes to the
// one with the even last digit, where Microsoft's library rounds it away
// from zero (2.5 is "2", 0.125 "0.12"); an infinity or a NaN by its C99 name
// ("inf", "-inf", "nan", "-nan"), where Microsoft's writes "1.#INF00" or
// "1.#J". Returns as FormatText.
int FormatFixedText(char* out, std::size_t size, int decimals, double value);

}  // namespace wk

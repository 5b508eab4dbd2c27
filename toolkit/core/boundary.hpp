// The C boundary. Every operation of the toolkit is an extern "C" function
// declared noexcept (WK_NOEXCEPT in the public headers): no C++ exception
// may reach a C caller. An operation whose work allocates (strings, vectors,
// buffers) runs that work through Guarded, which answers the operation's
// documented failure result when the work throws.
#pragma once

#include <type_traits>

namespace wk {

template <class Work, class Result = std::invoke_result_t<Work&>>
Result Guarded(std::type_identity_t<Result> failure, Work&& work) noexcept {
  try {
    return work();
  } catch (...) {
    return failure;
  }
}

}  // namespace wk

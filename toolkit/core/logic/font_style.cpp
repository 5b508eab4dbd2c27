#include "toolkit/core/logic/font_style.hpp"

namespace wk {

namespace {
struct CodeRow {
  int code;
  FontStyle style;
};

constexpr CodeRow kCodes[] = {
    {0, {false, false, false}}, {1, {true, false, false}}, {2, {false, true, false}},
    {3, {false, false, true}},  {12, {true, true, false}}, {13, {true, false, true}},
    {23, {false, true, true}},  {123, {true, true, true}},
};
}  // namespace

FontStyle StyleFromCode(int code) {
  for (const CodeRow& row : kCodes) {
    if (row.code == code) return row.style;
  }
  return {};
}

}  // namespace wk

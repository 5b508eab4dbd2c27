// Keyword tables: rows of {keyword, value} walked in table order.
//
// Every keyword operation of the toolkit compares its argument with the whole
// keyword, case-sensitively. Some tables compare with the C library's strcmp,
// others with the platform's lstrcmpA; the comparison is a parameter so each
// table keeps the one its operation is defined with. A null word matches
// nothing and so selects the operation's default.
#pragma once

#include <cstddef>
#include <cstring>

namespace wk {

template <class V>
struct Keyword {
  const char* word;
  V value;
};

// Any function with strcmp's shape: 0 means equal.
using CompareFn = int (*)(const char*, const char*);

inline int CStrcmp(const char* a, const char* b) { return std::strcmp(a, b); }
// The platform's lstrcmpA in that shape, for the tables defined with it.
int PlatformCompare(const char* a, const char* b);

// The first row whose keyword equals `word`, or nullptr.
template <class V, std::size_t N>
constexpr const V* FindKeyword(const Keyword<V> (&table)[N], const char* word,
                               CompareFn compare = CStrcmp) {
  if (word == nullptr) return nullptr;
  for (const Keyword<V>& row : table) {
    if (compare(row.word, word) == 0) return &row.value;
  }
  return nullptr;
}

// The value of the matching row, or `fallback` when no row matches.
template <class V, std::size_t N>
constexpr V KeywordValue(const Keyword<V> (&table)[N], const char* word, V fallback,
                         CompareFn compare = CStrcmp) {
  const V* found = FindKeyword(table, word, compare);
  return found ? *found : fallback;
}

// The switch keywords: "ON" true, "OFF" false.
inline constexpr Keyword<bool> kOnOff[] = {{"ON", true}, {"OFF", false}};

// Whether `word` is the one keyword `keyword`: a table of one row.
inline bool IsKeyword(const char* word, const char* keyword, CompareFn compare = CStrcmp) {
  const Keyword<bool> row[] = {{keyword, true}};
  return KeywordValue(row, word, false, compare);
}

// The direction keywords of the search operations: "D" down, "U" up; any
// other word searches in neither direction.
enum class SearchDirection { kDown, kUp, kStay };
inline constexpr Keyword<SearchDirection> kSearchDirections[] = {{"D", SearchDirection::kDown},
                                                                 {"U", SearchDirection::kUp}};
inline SearchDirection SearchDirectionOf(const char* word) {
  return KeywordValue(kSearchDirections, word, SearchDirection::kStay);
}

}  // namespace wk

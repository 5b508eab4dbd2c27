#include "list_text_format.hpp"

#include <cstring>

#include "toolkit/core/keywords.hpp"

namespace wk::listtext {
namespace {

constexpr Keyword<char> kSeparators[] = {
    {"COMMA", ','}, {"POINT", '.'}, {"TAB", '\t'},  {"SPACE", ' '},
    {"STAR", '*'},  {"PLUS", '+'},  {"MINUS", '-'}, {"VLINE", '|'},
};

}  // namespace

int KeywordSeparator(const char* keyword) {
  const char* found = FindKeyword(kSeparators, keyword);
  return found ? static_cast<unsigned char>(*found) : -1;
}

int ImportSeparator(const char* keyword) {
  const int known = KeywordSeparator(keyword);
  if (known >= 0) return known;
  if (keyword == nullptr || keyword[0] == '\0') return -1;
  return static_cast<unsigned char>(keyword[0]);
}

bool AppendExportCell(std::string& out, const char* text, int separator) {
  const std::size_t length = text ? strnlen(text, kExportCellRoom - 1) : 0;
  for (std::size_t i = 0; i < length; ++i) {
    const int c = static_cast<unsigned char>(text[i]);
    if (c == '\r' || c == '\n' || c == separator) return false;
  }
  out.append(text ? text : "", length);
  if (separator >= 0) out.push_back(static_cast<char>(separator));
  return true;
}

ImportReader::ImportReader(ImportSink& sink, int separator, int columns)
    : sink_(sink), separator_(separator), columns_(columns < 1 ? 1 : columns) {
  sink_.InsertRow(0);
}

void ImportReader::Finish() { sink_.DeleteRow(row_); }

void ImportReader::Feed(const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    const int c = static_cast<unsigned char>(text[i]);
    if (skipping_) {
      // The rest of a complete row's line is not read; the next line starts
      // the new row.
      if (c == '\n') skipping_ = false;
      continue;
    }
    if (c == separator_) {
      cell_[length_] = '\0';
      sink_.SetCell(row_, column_, cell_);
      length_ = 0;
      if (column_ == columns_ - 1) {
        ++row_;
        sink_.InsertRow(row_);
        column_ = 0;
        skipping_ = true;
      } else {
        ++column_;
      }
      continue;
    }
    // A line end inside a row that has not had all its separators yet: the
    // cell goes on with the next line, without the line end.
    if (c == '\n') continue;
    if (length_ < kImportCellMax) cell_[length_++] = static_cast<char>(c);
  }
}

}  // namespace wk::listtext

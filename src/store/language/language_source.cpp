// The editable text sources the language file is built from.
#include "store/language/language_source.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

#include "store/language/field_codec.h"

namespace novlet {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

std::string UnescapeField(std::string_view field) {
  std::string text;
  text.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      text += field[i];
      continue;
    }
    const char next = field[++i];
    text += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return text;
}

bool ParseColumn(std::string_view declaration, row_store::TColumnDefinition& column, std::string& problem) {
  const std::size_t colon = declaration.rfind(':');
  if (colon == std::string_view::npos) {
    problem = "column \"" + std::string(declaration) + "\" needs a type, as in Caption:13/255";
    return false;
  }
  column.Name = std::string(declaration.substr(0, colon));
  if (!row_store::CheckName(column.Name, problem)) return false;
  const std::string_view format = declaration.substr(colon + 1);
  const std::size_t slash = format.find('/');
  const std::string_view type = format.substr(0, slash);
  const std::string_view parameter = slash == std::string_view::npos ? std::string_view() : format.substr(slash + 1);
  const auto parse = [](std::string_view text, std::uint8_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
  };
  if (!parse(type, column.Format.Type) || (!parameter.empty() && !parse(parameter, column.Format.Parameter)) ||
      (slash != std::string_view::npos && parameter.empty())) {
    problem = "column \"" + column.Name + "\": \"" + std::string(format) +
              "\" is not a type number with an optional /parameter from 0 to 255";
    return false;
  }
  if (!row_store::FieldWidth(column.Format)) {
    problem = "column \"" + column.Name + "\": unknown column type " + std::to_string(column.Format.Type);
    return false;
  }
  return true;
}

bool ParseRow(std::string_view line, const row_store::TTableDefinition& table, bool scrambled,
              std::vector<std::string>& row, std::string& problem) {
  const std::vector<std::string_view> fields = SplitTabs(line);
  if (fields.size() > table.Columns.size()) {
    problem = std::to_string(fields.size()) + " fields for the " + std::to_string(table.Columns.size()) +
              " columns of \"" + table.Name + "\"";
    return false;
  }
  for (std::size_t c = 0; c < fields.size(); ++c) {
    row.push_back(UnescapeField(fields[c]));
    std::string bytes;
    if (!row_store::EncodeField(table.Columns[c].Format, row.back(), scrambled, bytes, problem)) {
      problem = "column \"" + table.Columns[c].Name + "\": " + problem;
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseLanguageSource(std::string_view text, std::string_view fileLabel, bool scrambled,
                         std::vector<row_store::TTableDefinition>& tables, std::string& problem) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  bool expectColumns = false;
  std::size_t lineNumber = 0;
  const auto fail = [&](std::size_t line, const std::string& what) {
    problem = std::string(fileLabel) + ":" + std::to_string(line) + ": " + what;
    return false;
  };

  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;

    if (line.starts_with('[')) {
      if (expectColumns) return fail(lineNumber, "table \"" + tables.back().Name + "\" has no column line");
      if (!line.ends_with(']')) return fail(lineNumber, "a table line reads [name]");
      row_store::TTableDefinition table;
      table.Name = std::string(line.substr(1, line.size() - 2));
      if (!row_store::CheckName(table.Name, problem)) return fail(lineNumber, problem);
      tables.push_back(std::move(table));
      expectColumns = true;
    } else if (tables.empty()) {
      return fail(lineNumber, "a row before the first [table] line");
    } else if (expectColumns) {
      for (const std::string_view declaration : SplitTabs(line)) {
        row_store::TColumnDefinition column;
        if (!ParseColumn(declaration, column, problem)) return fail(lineNumber, problem);
        tables.back().Columns.push_back(std::move(column));
      }
      expectColumns = false;
    } else {
      std::vector<std::string> row;
      if (!ParseRow(line, tables.back(), scrambled, row, problem)) return fail(lineNumber, problem);
      tables.back().Rows.push_back(std::move(row));
    }
  }
  if (expectColumns) return fail(lineNumber, "table \"" + tables.back().Name + "\" has no column line");
  return true;
}

bool ReadLanguageSources(const std::filesystem::path& folder, bool scrambled, row_store::TRowStoreContent& content,
                         std::string& problem) {
  std::vector<std::filesystem::path> sources;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->path().extension() == ".txt" && entry->is_regular_file(error)) sources.push_back(entry->path());
  }
  if (error) {
    problem = "Unable to read " + folder.string();
    return false;
  }
  if (sources.empty()) {
    problem = "no language sources (*.txt) in " + folder.string();
    return false;
  }
  std::sort(sources.begin(), sources.end());

  content.Scrambled = scrambled;
  std::set<std::string> names;
  for (const std::filesystem::path& source : sources) {
    std::ifstream in(source, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in) {
      problem = "Unable to read " + source.string();
      return false;
    }
    std::vector<row_store::TTableDefinition> tables;
    if (!ParseLanguageSource(text.str(), source.filename().string(), scrambled, tables, problem)) return false;
    for (row_store::TTableDefinition& table : tables) {
      if (!names.insert(table.Name).second) {
        problem = source.filename().string() + ": table \"" + table.Name + "\" is defined twice";
        return false;
      }
      content.Tables.push_back(std::move(table));
    }
  }
  return true;
}

std::string EscapeField(std::string_view text) {
  std::string field;
  field.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\t': field += "\\t"; break;
      case '\n': field += "\\n"; break;
      case '\r': field += "\\r"; break;
      case '\\': field += "\\\\"; break;
      default: field += c;
    }
  }
  return field;
}

}  // namespace novlet

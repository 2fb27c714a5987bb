// Which rows of a text table each control takes its texts from.
#include "store/language/component_translation.h"

#include <limits>

namespace novlet {
namespace {

// Items taken from consecutive rows; a row beyond the table keeps its item.
std::vector<std::optional<std::string>> ItemsFrom(const TTextRows& table, std::uint32_t firstRow,
                                                  std::size_t itemCount) {
  std::vector<std::optional<std::string>> items;
  items.reserve(itemCount);
  for (std::size_t i = 0; i < itemCount; ++i) {
    items.push_back(firstRow + i <= table.RowCount() ? table.Caption(static_cast<std::uint32_t>(firstRow + i))
                                                     : std::nullopt);
  }
  return items;
}

// Rows of tags computed from a control's Tag; a sum beyond the tag range has no row.
std::optional<std::uint32_t> FindComputedTag(const TTextRows& table, std::int64_t tag) {
  if (tag > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return table.FindTag(static_cast<std::int32_t>(tag));
}

}  // namespace

TComponentTranslation TranslateComponent(const TTextRows& table, TComponentKind kind, std::int32_t tag,
                                         std::size_t itemCount) {
  TComponentTranslation result;
  if (kind == TComponentKind::Menu || tag < 1) return result;

  if (const std::optional<std::uint32_t> row = table.FindTag(tag)) {
    switch (kind) {
      case TComponentKind::MenuItem:
      case TComponentKind::CaptionControl:
        result.Caption = table.Caption(*row);
        break;
      case TComponentKind::RadioGroup:
        result.Caption = table.Caption(*row);
        result.Items = ItemsFrom(table, *row + 1, itemCount);
        break;
      case TComponentKind::ItemList:
      case TComponentKind::Notebook:
      case TComponentKind::OtherControl:
      case TComponentKind::Menu:
        break;
    }
    result.Hint = table.Hint(*row).value_or(std::string());
    return result;
  }

  switch (kind) {
    case TComponentKind::ItemList:
      if (const std::optional<std::uint32_t> first = FindComputedTag(table, std::int64_t{tag} + 1)) {
        result.Items = ItemsFrom(table, *first, itemCount);
        result.Hint = table.Hint(*first).value_or(std::string());
      }
      break;
    case TComponentKind::Notebook:
      for (std::size_t page = 0; page < itemCount; ++page) {
        const std::optional<std::uint32_t> row =
            FindComputedTag(table, static_cast<std::int64_t>(page) * 1000 + tag + 1);
        result.Items.push_back(row ? table.Caption(*row) : std::nullopt);
        if (page == 0 && row) result.Hint = table.Hint(*row).value_or(std::string());
      }
      break;
    default:
      break;
  }
  return result;
}

}  // namespace novlet

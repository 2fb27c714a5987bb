// The name-entry flow of Save and Rename.
#include "game/name_entry.h"

#include <QString>

#include "store/language/text_ids.h"
#include "store/language/translator.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"
#include "store/section_name.h"
#include "ui/dialogs.h"

namespace novlet {
namespace {

QString Shown(const TTranslator& texts, int id) { return QString::fromStdString(texts.Text(id)); }

}  // namespace

std::optional<std::string> RunNameEntryFlow(const std::filesystem::path& file, const std::string& section,
                                            const std::string& userName, const std::string& recordName,
                                            TDialogs& dialogs, const TTranslator& texts) {
  // The account is cut off whole, as an account name may itself hold an "@".
  const std::string ownPrefix = AccountPrefix(userName);
  const std::string bareName =
      IsAccountSection(recordName, userName) ? recordName.substr(ownPrefix.size()) : BarePuzzleName(recordName);
  const QString message =
      Shown(texts, TextId::SaveNovletAs) + QStringLiteral("\n\n") + Shown(texts, TextId::EnterAName);
  const QString typed = dialogs.AskText(message, Shown(texts, TextId::Ok), Shown(texts, TextId::Cancel),
                                        QString::fromStdString(bareName));
  const std::string answer = TrimEnteredName(typed.toStdString());
  if (answer.empty()) return std::nullopt;
  if (answer == bareName) return section;

  const std::size_t at = section.find('@');
  const std::string accountPart = IsAccountSection(section, userName) || at == std::string::npos
                                      ? ownPrefix
                                      : section.substr(0, at + 1);
  const std::string newSection = accountPart + answer;
  // A change of letter case alone renames the puzzle onto itself.
  if (!SameSectionName(newSection, section) && SectionExistsInFile(file, newSection)) {
    const QString question =
        Shown(texts, TextId::AlreadyExists).replace(QStringLiteral("%1"), QString::fromStdString(answer));
    if (!dialogs.Ask(question, Shown(texts, TextId::NameYes), Shown(texts, TextId::NameNo))) return std::nullopt;
  }
  return newSection;
}

}  // namespace novlet

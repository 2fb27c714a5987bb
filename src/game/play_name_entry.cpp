#include "game/play_name_entry.h"

#include "store/puzzle_naming.h"

namespace novlet {

std::optional<std::string> RunNameEntryFlow(const std::filesystem::path& file, const std::string& section,
                                            const std::string& userName, TNovletFileData& record,
                                            const TNameEntryDialogs& dialogs, const TTextTranslator& translate) {
  const std::string bareName = BarePuzzleName(record.Name);
  const QString message = translate(30, QStringLiteral("Save Novlet as...")) + QStringLiteral("\n\n") +
                          translate(31, QStringLiteral("Please enter a name"));
  const QString typed = dialogs.AskName(message, translate(20, QStringLiteral("Ok")),
                                        translate(21, QStringLiteral("Cancel")), QString::fromStdString(bareName));
  const std::string answer = TrimEnteredName(typed.toStdString());
  if (answer.empty()) return std::nullopt;
  if (answer == bareName) return section;

  const std::size_t at = section.find('@');
  const std::string accountPart = at == std::string::npos ? AccountPrefix(userName) : section.substr(0, at + 1);
  const std::string newSection = accountPart + answer;
  if (SectionExistsInFile(file, newSection)) {
    const QString question =
        QStringLiteral("\"") + QString::fromStdString(answer) +
        translate(32, QStringLiteral("\" already exists, overwrite existing Novlet?"));
    if (!dialogs.AskYesNo(question, translate(22, QStringLiteral("Yes")), translate(23, QStringLiteral("No"))))
      return std::nullopt;
  }
  record.Name = newSection;
  return newSection;
}

}  // namespace novlet

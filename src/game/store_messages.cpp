// Words the store's English messages in the window's language.
#include "game/store_messages.h"

#include <QRegularExpression>
#include <QStringList>

#include <vector>

#include "store/language/text_ids.h"
#include "store/language/translator.h"

namespace novlet {
namespace {

struct TMessageForm {
  int Id;
  QRegularExpression Pattern;
  // The %n that are messages to word in turn, bit n - 1 for %n (1 for %1, 2
  // for %2, 4 for %3): never a path or a name, which are shown as they are.
  unsigned WordedArguments;
};

// The regular expression of an English built-in text: its words as they are
// and a group for each %n. A reason ends a message and holds no colon, so a
// path before it keeps its own.
QRegularExpression PatternOf(int id, bool lastIsReason) {
  static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
  const QString english = QString::fromUtf8(BuiltInText(id).Caption);
  const QStringList words = english.split(kPlaceholder);
  QString pattern = QStringLiteral("^");
  for (qsizetype i = 0; i < words.size(); ++i) {
    if (i > 0) pattern += lastIsReason && i + 1 == words.size() ? QStringLiteral("([^:]+)") : QStringLiteral("(.+)");
    pattern += QRegularExpression::escape(words[i]);
  }
  return QRegularExpression(pattern + QLatin1Char('$'));
}

// The forms in the order they are tried: a longer form before the one it
// begins with.
const std::vector<TMessageForm>& MessageForms() {
  using namespace TextId;
  static const std::vector<TMessageForm> forms = [] {
    const struct {
      int Id;
      unsigned Worded;
    } table[] = {
        {InUse, 0},          {UnableToWrite, 0},    {UnableToReadBecause, 2}, {UnableToRead, 0},
        {RenameGone, 0},     {RenameDamaged, 0},    {ExportOwnFile, 0},       {NameNotASection, 0},
        {ReasonMissing, 0},  {ReasonWideText, 0},   {ReasonBinary, 0},        {ReasonDenied, 0},
        {ReasonFolder, 0},   {ReasonNoSuchFile, 0}, {NotACell, 4},            {AboveLargest, 4},
        {OnLine, 2},         {Twice, 3},            {Byte, 0},                {BoxNumber, 0},
        {AccessibleRow, 0},  {AccessibleColumn, 0}, {RowsOfCells, 2},         {CellsExpected, 0},
        {RowsExpected, 0},   {OneOrOther, 0},       {NoSolution, 0},          {SeveralSolutions, 0},
        {TooFewGivens, 0},
    };
    std::vector<TMessageForm> list;
    for (const auto& form : table)
      list.push_back({form.Id, PatternOf(form.Id, form.Id == UnableToReadBecause), form.Worded});
    return list;
  }();
  return forms;
}

// %1 to %9 replaced in one pass, so that a path holding "%2" stays as it is.
QString WithArguments(const QString& text, const QStringList& arguments) {
  QString result;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int number = i + 1 < text.size() && text[i] == QLatin1Char('%') ? text[i + 1].digitValue() : -1;
    if (number >= 1 && number <= arguments.size()) {
      result += arguments[number - 1];
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

QString Worded(const QString& message, const TTranslator& texts) {
  for (const TMessageForm& form : MessageForms()) {
    const QRegularExpressionMatch match = form.Pattern.match(message);
    if (!match.hasMatch()) continue;
    QStringList arguments;
    for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
      const QString argument = match.captured(group);
      arguments.push_back(form.WordedArguments & (1u << (group - 1)) ? Worded(argument, texts) : argument);
    }
    return WithArguments(QString::fromStdString(texts.Text(form.Id)), arguments);
  }
  return message;
}

}  // namespace

QString StoreMessageText(std::string_view message, const TTranslator& texts) {
  return Worded(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())), texts);
}

}  // namespace novlet

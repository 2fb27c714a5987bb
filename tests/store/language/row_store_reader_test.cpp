// The language file reader: its layout, its look-ups and its refusal of every damage.
#include <gtest/gtest.h>

#include <bit>
#include <fstream>

#include "store/language/row_store_reader.h"
#include "store/language/row_store_writer.h"
#include "store/language/sample_language.h"

namespace novlet::row_store {
namespace {

using testing::Encoded;

std::string SampleBytes(bool scrambled = false) { return Encoded(testing::SampleLanguages(scrambled)); }

void Put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

constexpr std::size_t kFirstTable = kHeaderSize;
constexpr std::size_t kFirstColumn = kFirstTable + kTableDescriptorSize;

// The file's layout spelled out byte by byte, so that reader and writer
// cannot agree on a wrong offset between themselves.
std::string HandMadeFile() {
  std::string bytes(272 + 77 + 2 * 137, '\0');
  bytes[0] = 1;                                  // one table
  bytes.replace(5, 9, "\x08RowStore");
  bytes[270] = 100;                              // version
  bytes[272] = 2;                                // two columns
  bytes.replace(276, 2, "\x01T");
  bytes[272 + 68] = 2;                           // two rows
  bytes[272 + 73] = static_cast<char>(623 % 256);  // first row at 623
  bytes[272 + 74] = static_cast<char>(623 / 256);
  bytes.replace(349 + 5, 4, "\x03Tag");
  bytes[349 + 70] = 3;
  bytes.replace(486 + 5, 8, "\x07" "Caption");
  bytes[486 + 70] = 13;
  bytes[486 + 71] = 5;
  bytes += std::string("\x30\x02\0\0L\xF6s\0\0", 9);  // 560, "Lös"
  bytes += std::string("\x94\x02\0\0Compl", 9);       // 660, a full field
  return bytes;
}

TEST(RowStoreReader, FollowsTheLayoutByteForByte) {
  const std::optional<TRowStoreReader> reader = TRowStoreReader::FromBytes(HandMadeFile());
  ASSERT_TRUE(reader);
  const TTableInfo* table = reader->FindTable("T");
  ASSERT_TRUE(table);
  EXPECT_EQ(reader->FieldText(*table, 1, 1), "Lös");
  EXPECT_EQ(reader->FieldText(*table, 1, 2), "Compl");
  EXPECT_EQ(reader->FindRow(*table, "Tag", "660"), 2u);

  TRowStoreContent content;
  content.Tables = {{"T", {{"Tag", {3, 0}}, {"Caption", {13, 5}}}, {{"560", "Lös"}, {"660", "Compl"}}}};
  EXPECT_EQ(Encoded(content), HandMadeFile());
}

TEST(RowStoreReader, ReadsWhatTheWriterWroteAndMatchesNamesAndValuesExactly) {
  for (const bool scrambled : {false, true}) {
    const std::optional<TRowStoreReader> reader = TRowStoreReader::FromBytes(SampleBytes(scrambled));
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->Scrambled(), scrambled);
    ASSERT_EQ(reader->Tables().size(), 4u);
    const TTableInfo* german = reader->FindTable("MainForm (Deutsch)");
    ASSERT_TRUE(german);
    EXPECT_EQ(german->RowCount, 4u);
    ASSERT_EQ(german->Columns.size(), 3u);
    EXPECT_EQ(german->Columns[1].Name, "Caption");
    EXPECT_EQ(german->RowSize, 4u + 255 + 255);
    EXPECT_EQ(reader->FieldText(*german, 1, 1), "Lösung");
    EXPECT_EQ(reader->FieldText(*german, 2, 1), "Die Lösung zeigen");
    EXPECT_EQ(reader->FieldText(*german, 2, 2), "");
    EXPECT_EQ(reader->FieldText(*german, 0, 4), "862");
    EXPECT_EQ(reader->FindRow(*german, "Tag", "660"), 2u);
  }
  const std::optional<TRowStoreReader> reader = TRowStoreReader::FromBytes(SampleBytes());
  EXPECT_FALSE(reader->FindTable("contents"));
  EXPECT_FALSE(reader->FindTable("MainForm (deutsch)"));
  const TTableInfo& contents = *reader->FindTable("Contents");
  EXPECT_EQ(reader->FindRow(contents, "sLanguage", "de"), 2u);
  EXPECT_FALSE(reader->FindRow(contents, "sLanguage", "DE"));
  EXPECT_FALSE(reader->FindRow(contents, "sLanguage", "d"));
  EXPECT_FALSE(reader->FindRow(contents, "slanguage", "de"));
  EXPECT_FALSE(reader->FieldText(contents, 0, 0));
  EXPECT_FALSE(reader->FieldText(contents, 0, 4));
  EXPECT_FALSE(reader->FieldText(contents, 3, 1));

  // Of equal rows the first is found.
  TRowStoreContent content;
  content.Tables = {{"T", {{"Tag", {14, 0}}, {"Caption", {13, 4}}}, {{"7", "a"}, {"8", "b"}, {"7", "c"}}}};
  const std::optional<TRowStoreReader> equalRows = TRowStoreReader::FromBytes(Encoded(content));
  ASSERT_TRUE(equalRows);
  EXPECT_EQ(equalRows->FindRow(equalRows->Tables()[0], "Tag", "7"), 1u);
  EXPECT_EQ(equalRows->FindRow(equalRows->Tables()[0], "Caption", "c"), 3u);
}

TEST(RowStoreReader, AnEveryTypeTableKeepsItsFieldsApart) {
  TRowStoreContent content;
  TTableDefinition table{"Every type", {}, {{}}};
  const std::vector<std::pair<TColumnFormat, std::string>> values = {
      {{0, 1}, "True"}, {{1, 0}, "200"}, {{2, 0}, "2.5"},  {{3, 0}, "-7"},   {{4, 0}, "36526"},
      {{5, 0}, "1.25"}, {{6, 0}, "12"},  {{7, 0}, "-13"},  {{8, 0}, "0.5"},  {{9, 0}, "100"},
      {{10, 2}, "4,5"}, {{11, 0}, "-5"}, {{12, 0}, "0.75"}, {{13, 6}, "Texte"}, {{14, 0}, "40000"},
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    table.Columns.push_back({"C" + std::to_string(i), values[i].first});
    table.Rows[0].push_back(values[i].second);
  }
  content.Tables = {table, table};
  content.Tables[1].Name = "Second";
  const std::optional<TRowStoreReader> reader = TRowStoreReader::FromBytes(Encoded(content));
  ASSERT_TRUE(reader);
  for (const TTableInfo& info : reader->Tables()) {
    for (std::size_t i = 0; i < values.size(); ++i) EXPECT_EQ(reader->FieldText(info, i, 1), values[i].second);
  }
}

TEST(RowStoreReader, EveryTruncationAndDamagedDescriptorIsRefused) {
  const std::string bytes = SampleBytes();
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(TRowStoreReader::FromBytes(bytes.substr(0, size))) << size;
  }
  EXPECT_TRUE(TRowStoreReader::FromBytes(bytes + "trailing bytes do no harm"));

  const std::string good = SampleBytes();
  const auto refused = [&](auto damage) {
    std::string bytes = good;
    damage(bytes);
    return !TRowStoreReader::FromBytes(bytes).has_value();
  };
  EXPECT_TRUE(refused([](std::string& b) { b[kHeaderSignature + 1] = 'r'; }));
  EXPECT_TRUE(refused([](std::string& b) { b[kHeaderSignature] = 9; }));
  EXPECT_TRUE(refused([](std::string& b) { b[kHeaderVersion] = 101; }));
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kHeaderPasswordCheck, std::bit_cast<std::uint32_t>(1.5f)); }));
  // Counts far beyond the file must be refused before anything is allocated for them.
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kHeaderTableCount, 0xFFFFFFFF); }));
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kHeaderTableCount, 5); }));
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kFirstTable + kTableColumnCount, 0xFFFFFFFF); }));
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kFirstTable + kTableRowCount, 0xFFFFFFFF); }));
  EXPECT_TRUE(refused([](std::string& b) { Put32(b, kFirstTable + kTableFirstRow, 0xFFFFFFF0); }));
  EXPECT_TRUE(refused([](std::string& b) {
    Put32(b, kFirstTable + kTableFirstRow, static_cast<std::uint32_t>(b.size()));
  }));
  EXPECT_TRUE(refused([](std::string& b) { b[kFirstTable + kTableName] = 64; }));
  EXPECT_TRUE(refused([](std::string& b) { b[kFirstColumn + kColumnName] = static_cast<char>(200); }));
  EXPECT_TRUE(refused([](std::string& b) { b[kFirstColumn + kColumnType] = 15; }));
  // The last table's rows end the file; a wider column would reach beyond it.
  constexpr std::size_t kLastTableColumn = kHeaderSize + 3 * (kTableDescriptorSize + 3 * kColumnDescriptorSize) +
                                           kTableDescriptorSize;
  EXPECT_TRUE(refused([](std::string& b) { b[kLastTableColumn + kColumnType] = 5; }));
  EXPECT_FALSE(refused([](std::string& b) { b[kLastTableColumn + kColumnType] = 7; }));
  // Harmless changes: a table count of fewer tables, a smaller row count.
  EXPECT_FALSE(refused([](std::string& b) { Put32(b, kHeaderTableCount, 1); }));
  EXPECT_FALSE(refused([](std::string& b) { Put32(b, kFirstTable + kTableRowCount, 1); }));
}

TEST(RowStoreReader, EmptyTablesFindNothingAndRowsWithoutBytesAreDamage) {
  TRowStoreContent content;
  content.Tables = {{"Empty", {{"Blank", {13, 0}}}, {}}};
  const auto reader = TRowStoreReader::FromBytes(Encoded(content));
  ASSERT_TRUE(reader);
  EXPECT_FALSE(reader->FindRow(reader->Tables().front(), "Blank", ""));

  content.Tables = {{"Empty", {}, {}}};
  std::string bytes = Encoded(content);
  EXPECT_TRUE(TRowStoreReader::FromBytes(bytes));
  Put32(bytes, kFirstTable + kTableRowCount, 0xFFFFFFFF);
  EXPECT_FALSE(TRowStoreReader::FromBytes(bytes));
}

}  // namespace
}  // namespace novlet::row_store

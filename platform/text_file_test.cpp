#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "testing/memory_file_system.h"

namespace kalkora {

TEST(TextFile, LineEndsOfEveryKind) {
  EXPECT_EQ(decodeText("a\r\nb\nc\rd").lines, (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(decodeText("a\r\n").lines, (std::vector<std::string>{"a"}));
  EXPECT_EQ(decodeText("a\r\n\r\n").lines, (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(decodeText("").lines.empty());
}

TEST(TextFile, EncodingIsDetectedAndKeptForWriting) {
  const TextContent ansi = decodeText("\xDA\xE8\x65t;100");
  EXPECT_EQ(ansi.encoding, Encoding::Cp1250);
  EXPECT_EQ(ansi.lines[0], "Účet;100");
  EXPECT_EQ(encodeText(ansi.lines, ansi.encoding), "\xDA\xE8\x65t;100\r\n");

  const TextContent utf8 = decodeText("Účet\n");
  EXPECT_EQ(utf8.encoding, Encoding::Utf8);
  EXPECT_EQ(encodeText(utf8.lines, utf8.encoding), "Účet\r\n");

  const TextContent bom = decodeText("\xEF\xBB\xBFÚčet");
  EXPECT_EQ(bom.encoding, Encoding::Utf8Bom);
  EXPECT_EQ(bom.lines[0], "Účet");
  EXPECT_EQ(encodeText(bom.lines, bom.encoding), "\xEF\xBB\xBFÚčet\r\n");

  // UTF-8 and windows-1250 bytes mixed: the whole file is windows-1250.
  EXPECT_EQ(decodeText("Účet;\xE8").lines[0], "ĂšÄŤet;č");
}

namespace {

// Files read back in pieces of a few bytes, so lines, line ends, byte-order
// marks and UTF-8 sequences are cut everywhere a disk read could cut them.
struct PieceFileSystem : MemoryFileSystem {
  size_t pieceSize = 1;
  void readPieces(const std::string& path, const std::function<void(std::string_view)>& piece) const override {
    const std::string bytes = readFile(path);
    for (size_t at = 0; at < bytes.size(); at += pieceSize) piece(std::string_view(bytes).substr(at, pieceSize));
  }
};

}  // namespace

TEST(TextFile, LinesReadInPiecesAreTheLinesOfTheWholeFile) {
  const std::string files[] = {
      "a\r\nb\nc\rd",        "a\r\n\r\n\r\r\n\n", "\xEF\xBB\xBF\xC3\r\n", "\xDA\xE8\x65t;100\r\nx",
      "Účet;č\r\n€\n𝄞", "Účet;\xE8",           "ab\xE2\x82",                "",
      "\xEF\xBB",            "\n",                      "\xEF\xBB\xBF",
  };
  PieceFileSystem fs;
  for (const std::string& file : files) {
    fs.files["f.csv"] = file;
    for (size_t size : {1, 2, 3, 5}) {
      fs.pieceSize = size;
      std::vector<std::string> lines;
      size_t counted = 0;
      const size_t count = forEachLine(
          fs, "f.csv", [&](size_t n) { counted = n; }, [&](std::string_view line) { lines.emplace_back(line); });
      EXPECT_EQ(lines, decodeText(file).lines) << testing::PrintToString(file) << " in pieces of " << size;
      EXPECT_EQ(count, lines.size());
      EXPECT_EQ(counted, lines.size());
    }
  }
}

}  // namespace kalkora

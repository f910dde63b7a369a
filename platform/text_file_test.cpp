#include "platform/text_file.h"

#include <gtest/gtest.h>

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

}  // namespace kalkora

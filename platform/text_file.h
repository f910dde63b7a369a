#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

enum class Encoding { Cp1250, Utf8, Utf8Bom };

// A text file as lines of UTF-8, with the encoding it came in so it can be
// written back the same way.
struct TextContent {
  std::vector<std::string> lines;
  Encoding encoding = Encoding::Cp1250;
};

// UTF-8 when the bytes start with its byte-order mark or are valid UTF-8,
// otherwise windows-1250. CR LF, LF and CR all end a line; a last line without
// an ending still counts, an ending after the last line adds no empty line.
TextContent decodeText(std::string_view bytes);

// Every line ended by CR LF, in the given encoding.
std::string encodeText(const std::vector<std::string>& lines, Encoding encoding);

// Splits at CR LF, LF or CR without any decoding.
std::vector<std::string_view> splitLines(std::string_view text);

// The lines of a file read in pieces and decoded as decodeText decodes
// them, each passed as it is complete: memory stays within a piece and the
// longest line, whatever the file's size. The file is read twice: first for
// its encoding and its number of lines, which goes to lineCount before the
// first line comes. Returns the number of lines; raises as the file system's
// readFile does.
class FileSystem;
size_t forEachLine(const FileSystem& fs, const std::string& path, const std::function<void(size_t)>& lineCount,
                   const std::function<void(std::string_view)>& line);

}  // namespace kalkora

#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// Field n (from 1) of a delimited line, into `field` (a buffer the caller
// keeps, so reading a field costs no allocation). The line is read as if it
// ended with the separator; each cut takes the text before the first
// separator and drops it with the separator's first character. A field that
// begins with a double quote runs to its closing quote: a separator inside
// belongs to the field, a doubled quote is one quote, and the quotes that
// enclose it are not part of it; text between the closing quote and the next
// separator still is. A field whose quote never closes takes the rest of the
// line. A separator that holds a double quote leaves quotes as plain text.
// n < 1 or beyond the last field gives "".
void csvField(std::string& field, std::string_view line, std::string_view separator, long long n);
std::string csvField(std::string_view line, std::string_view separator, long long n);

// Field n (from 1) of a line whose fields each end with the separator: the
// text between its (n-1)-th and n-th separator. Nothing is appended to the
// line, so a last field without a separator after it reads as "", as do
// n < 1 and n beyond the fields.
std::string terminatedField(std::string_view line, std::string_view separator, long long n);

// Whether the line contains the separator at all (never for an empty one).
bool hasSeparator(std::string_view line, std::string_view separator);

// The lines of a source file, decoded, with the file's own error messages.
class FileSystem;
std::vector<std::string> readSourceLines(const FileSystem& fs, const std::string& path);

}  // namespace kalkora

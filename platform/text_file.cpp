#include "platform/text_file.h"

#include <algorithm>

#include "platform/cp1250.h"
#include "platform/file_system.h"

namespace kalkora {
namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";

// Passes every line of text that ends in it, CR LF, LF and CR each ending
// one; returns where the unfinished rest begins. endsWithCr tells whether
// text ends with a CR that a LF in what follows would complete.
template <class Line>
size_t cutLines(std::string_view text, bool& endsWithCr, Line&& line) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    line(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  endsWithCr = start == text.size() && text.ends_with('\r');
  return start;
}

// Lines of text given in pieces: a line cut by the end of a piece waits for
// the rest of it.
class LineSplitter {
 public:
  template <class Line>
  void feed(std::string_view piece, Line&& line) {
    if (skipLf_ && piece.starts_with('\n')) piece.remove_prefix(1);
    skipLf_ = false;
    if (!partial_.empty()) {
      const size_t end = piece.find_first_of("\r\n");
      if (end == std::string_view::npos) {
        partial_.append(piece);
        return;
      }
      partial_.append(piece.substr(0, end));
      line(std::string_view(partial_));
      partial_.clear();
      const bool cr = piece[end] == '\r';
      const bool crLf = cr && end + 1 < piece.size() && piece[end + 1] == '\n';
      piece.remove_prefix(end + (crLf ? 2 : 1));
      skipLf_ = cr && !crLf && piece.empty();
    }
    bool endsWithCr = false;
    const size_t rest = cutLines(piece, endsWithCr, line);
    partial_.assign(piece.substr(rest));
    skipLf_ = skipLf_ || endsWithCr;
  }
  template <class Line>
  void finish(Line&& line) {
    if (!partial_.empty()) line(std::string_view(partial_));
  }

 private:
  std::string partial_;
  bool skipLf_ = false;
};

// The encoding of bytes given in pieces: a byte-order mark, else valid
// UTF-8, else windows-1250.
class EncodingProbe {
 public:
  void feed(std::string_view piece) {
    if (head_.size() < kBom.size()) head_.append(piece.substr(0, kBom.size() - head_.size()));
    if (!valid_) return;
    if (!pending_.empty()) {
      const size_t take = std::min(piece.size(), sequenceLength(pending_[0]) - pending_.size());
      pending_.append(piece.substr(0, take));
      piece.remove_prefix(take);
      if (pending_.size() < sequenceLength(pending_[0])) return;
      valid_ = isValidUtf8(pending_);
      pending_.clear();
    }
    // A sequence cut by the end of the piece waits for its last bytes.
    size_t cut = piece.size();
    for (size_t back = 1; back <= 3 && back <= piece.size(); ++back) {
      const size_t at = piece.size() - back;
      const auto b = static_cast<unsigned char>(piece[at]);
      if ((b & 0xC0) == 0x80) continue;
      if (b >= 0xC0 && sequenceLength(piece[at]) > back) cut = at;
      break;
    }
    valid_ = valid_ && isValidUtf8(piece.substr(0, cut));
    pending_.assign(piece.substr(cut));
  }
  Encoding encoding() const {
    if (head_ == kBom) return Encoding::Utf8Bom;
    return valid_ && pending_.empty() ? Encoding::Utf8 : Encoding::Cp1250;
  }

 private:
  static size_t sequenceLength(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    return b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
  }
  std::string head_, pending_;
  bool valid_ = true;
};

}  // namespace

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  bool endsWithCr = false;
  const size_t rest = cutLines(text, endsWithCr, [&](std::string_view line) { lines.push_back(line); });
  if (rest < text.size()) lines.push_back(text.substr(rest));
  return lines;
}

size_t forEachLine(const FileSystem& fs, const std::string& path, const std::function<void(size_t)>& lineCount,
                   const std::function<void(std::string_view)>& line) {
  EncodingProbe probe;
  LineSplitter counter;
  size_t count = 0, bytes = 0;
  const auto counted = [&](std::string_view) { ++count; };
  fs.readPieces(path, [&](std::string_view piece) {
    probe.feed(piece);
    counter.feed(piece, counted);
    bytes += piece.size();
  });
  counter.finish(counted);
  const Encoding encoding = probe.encoding();
  // Line ends are the same bytes in either encoding; only a file that is a
  // byte-order mark alone has a line less once decoded.
  if (encoding == Encoding::Utf8Bom && bytes == kBom.size()) count = 0;
  lineCount(count);

  size_t bom = encoding == Encoding::Utf8Bom ? kBom.size() : 0;
  LineSplitter splitter;
  std::string decoded;
  fs.readPieces(path, [&](std::string_view piece) {
    const size_t skipped = std::min(bom, piece.size());
    piece.remove_prefix(skipped);
    bom -= skipped;
    if (encoding == Encoding::Cp1250) {
      decoded = cp1250ToUtf8(piece);
      piece = decoded;
    }
    splitter.feed(piece, line);
  });
  splitter.finish(line);
  return count;
}

TextContent decodeText(std::string_view bytes) {
  TextContent content;
  std::string utf8;
  EncodingProbe probe;
  probe.feed(bytes);
  content.encoding = probe.encoding();
  if (content.encoding == Encoding::Utf8Bom) {
    bytes.remove_prefix(kBom.size());
  } else if (content.encoding == Encoding::Cp1250) {
    utf8 = cp1250ToUtf8(bytes);
    bytes = utf8;
  }
  const auto views = splitLines(bytes);
  content.lines.reserve(views.size());
  for (auto v : views) content.lines.emplace_back(v);
  // Plain ASCII is valid UTF-8 too; it is written back as windows-1250 then,
  // which gives the same bytes and is what new files get.
  if (content.encoding == Encoding::Utf8 && utf8.empty()) {
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) content.encoding = Encoding::Cp1250;
  }
  return content;
}

std::string encodeText(const std::vector<std::string>& lines, Encoding encoding) {
  std::string out;
  if (encoding == Encoding::Utf8Bom) out += kBom;
  for (const auto& line : lines) {
    out += encoding == Encoding::Cp1250 ? utf8ToCp1250(line) : line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kalkora

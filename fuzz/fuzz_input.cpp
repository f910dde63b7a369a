#include "fuzz/fuzz_input.h"

#include "app/settings_keys.h"
#include "platform/number.h"
#include "platform/text_file.h"

namespace kalkora::fuzz {

FuzzInput splitInput(std::string_view data) {
  const size_t lf = data.find("\n\n"), crlf = data.find("\r\n\r\n");
  if (lf == std::string_view::npos && crlf == std::string_view::npos) return {{}, std::string(data)};
  const bool isLf = lf < crlf;
  const size_t at = isLf ? lf : crlf;
  return {std::string(data.substr(0, at)), std::string(data.substr(at + (isLf ? 2 : 4)))};
}

void applyHeader(Parameters& p, std::string_view header) {
  for (std::string_view line : splitLines(header)) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string key(line.substr(0, eq));
    const std::string value(line.substr(eq + 1));
    if (const SettingKey* k = findSettingKey(key)) {
      applySetting(p, *k, value);
    } else if (int* index = indexControl(p, key)) {
      *index = static_cast<int>(parseInteger(value).value_or(*index));
    } else if (bool* flag = flagControl(p, key)) {
      *flag = value != "0";
    } else if (std::string* text = textControl(p, key)) {
      *text = value;
    }
  }
}

}  // namespace kalkora::fuzz

#include "cli/json_dump.h"

#include <cstdio>

#include "app/import_modes.h"

namespace kalkora {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

std::string dumpJson(const Workspace& ws) {
  std::string out = "{\n  \"mode\": " + std::to_string(importModeNumber(ws.mode)) + ",\n  \"loaded\": " +
                    std::to_string(ws.loadedCount) + ",\n  \"rows\": [";
  for (int r = 0; r < ws.table.rowCount(); ++r) {
    out += r == 0 ? "\n    [" : ",\n    [";
    for (int c = 0; c < ImportTable::kColumns; ++c) {
      if (c > 0) out += ", ";
      out += jsonString(ws.table.cell(c, r));
    }
    out += "]";
  }
  out += "\n  ],\n  \"boxes\": {";
  const Parameters& p = ws.params;
  const std::pair<const char*, const std::string*> boxes[] = {
      {"Edit35", &p.Edit35}, {"Edit36", &p.Edit36}, {"Edit38", &p.Edit38},
      {"Edit39", &p.Edit39}, {"Edit40", &p.Edit40}, {"Edit41", &p.Edit41},
  };
  for (size_t i = 0; i < std::size(boxes); ++i)
    out += std::string(i ? ", " : "") + jsonString(boxes[i].first) + ": " + jsonString(*boxes[i].second);
  return out + "}\n}\n";
}

}  // namespace kalkora

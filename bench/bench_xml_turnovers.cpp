// Writes an XML turnover file of N records in each of the three record
// layouts and times its load through the same code as the window.
//   bench_xml_turnovers [records...]   default: 200000 1000000
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/workspace.h"
#include "model/xml_mapping.h"
#include "platform/file_system.h"
#include "platform/xml_memory.h"
#include "turnovers/xml_turnover_reader.h"
#include "bench_support.h"

namespace {

using kalkora::XmlPart;

struct Layout {
  const char* name;
  std::vector<std::pair<XmlPart, const char*>> names;
  std::string (*record)(long account, long i);
};

const Layout kLayouts[] = {
    {"element layout",
     {{XmlPart::ParentElement, "ucet"}, {XmlPart::AccountElement, "cislo"}, {XmlPart::AmountElement, "zustatek"},
      {XmlPart::SecondAmountElement, "obrat"}},
     [](long account, long i) {
       return "  <ucet>\n    <cislo>code:" + std::to_string(account) + "</cislo>\n    <zustatek>" +
              (i % 4 == 0 ? std::string("0,00") : "**" + std::to_string(i) + " 234.567") +
              "</zustatek>\n    <obrat>" + std::to_string(i % 977) + "</obrat>\n  </ucet>\n";
     }},
    {"item-attribute layout",
     {{XmlPart::ParentElement, "zaznam"}, {XmlPart::ItemElement, "polozka"},
      {XmlPart::ItemAccountAttribute, "ucet"}, {XmlPart::AmountAttribute, "castka"}},
     [](long account, long i) {
       return "  <zaznam><polozka ucet=\"" + std::to_string(account / 1000) + "-" + std::to_string(account % 1000) +
              "\" castka=\"" + std::to_string(i) + ",5\"/></zaznam>\n";
     }},
    {"parent-attribute layout",
     {{XmlPart::ParentElement, "ucet"}, {XmlPart::ParentAccountAttribute, "cislo"},
      {XmlPart::AmountElement, "zustatek"}},
     [](long account, long i) {
       return "  <ucet cislo=\"" + std::to_string(account) + "\"><zustatek>-" + std::to_string(i) +
              ".25</zustatek></ucet>\n";
     }},
};

std::string makeXml(const Layout& layout, long records) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<obraty>\n";
  xml.reserve(static_cast<size_t>(records) * 90);
  for (long i = 1; i <= records; ++i) {
    xml += layout.record(100000 + (i * 7919) % 900000, i);
    if (i % 1000 == 0) xml += "  <!-- mezisoucet -->\n  <souhrn/>\n";
  }
  return xml + "</obraty>\n";
}

}  // namespace

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  const std::vector<long> sizes = benchSizes(argc, argv, {200000, 1000000});
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  for (long n : sizes) {
    for (const Layout& layout : kLayouts) {
      const std::string path = "/tmp/kalkora_bench_" + std::to_string(n) + ".xml";
      const std::string xml = makeXml(layout, n);
      fs.writeFile(path, xml);
      kalkora::Services services{fs, messages, kalkora::Regional{}};
      kalkora::Workspace ws;
      ws.params.Edit3 = path;
      for (const auto& [part, name] : layout.names) kalkora::setXmlName(ws.params, part, name);
      const auto start = std::chrono::steady_clock::now();
      kalkora::NaplnitXMLobraty(ws, services);
      const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::printf("XML turnovers, %s: %ld records (%.1f MB) -> %d rows in %.3f s\n", layout.name, n,
                  static_cast<double>(xml.size()) / 1e6, ws.table.rowCount() - 1, seconds);
      std::remove(path.c_str());
    }
  }
}

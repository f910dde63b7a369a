#include "statements/non_xml_source.h"

#include <string>

#include "platform/operation_stopped.h"
#include "platform/xml_file.h"

namespace kalkora {

void stopOnNonXml(std::string_view bytes, std::string_view whatIsRead) {
  switch (classifyNonXml(bytes)) {
    case NonXmlContent::BrokenXml: return;
    case NonXmlContent::Json: throw OperationStopped("Soubor je ve formátu JSON, ne XML. " + std::string(whatIsRead));
    case NonXmlContent::Other: throw OperationStopped("Soubor není ve formátu XML. " + std::string(whatIsRead));
  }
}

}  // namespace kalkora

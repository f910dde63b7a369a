#include "statements/statement_header.h"

namespace kalkora {

void writeStatementHeader(ImportTable& table) {
  table.setCell(1, 0, " Označení řádku");
  table.setCell(2, 0, " Částka");
  table.setCell(3, 0, " Součtový řádek");
}

}  // namespace kalkora

#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"
#include "turnovers/definition_file.h"

namespace kalkora {

class FileSystem;

// The definition editor below its window: the records of one definition
// file, one grid row each, of which the user edits only the account lists.
// Every record keeps its lines as read, so a save writes back whatever the
// grid does not show (the whole second line) unchanged.
class DefinitionEditor {
 public:
  DefinitionEditor() { clear(); }

  // Shows nothing: one empty row, selected.
  void clear();

  // Reads the file's records. Wholly empty records after the first one go
  // (blank lines at the end of a file read as such); a record with an empty
  // description but a row number or accounts stays, so a save cannot lose it.
  // At least one row remains. A file that cannot be read raises the file
  // layer's Error and leaves the editor cleared.
  void load(const FileSystem& fs, const std::string& path);

  int rowCount() const { return static_cast<int>(rows_.size()); }
  const DefinitionRecord& row(int index) const { return rows_[index]; }

  // The row the account box belongs to, from 0.
  void select(int index) { selected_ = index; }
  int selected() const { return selected_; }

  // Leaving the account box: the typed list without spaces and with its
  // closing comma ("," when empty) becomes the selected row's list; returns
  // what the box shows from then on.
  std::string leaveAccountBox(std::string_view typed);

  // Every row as three lines, each ended by CR LF, in the encoding the file
  // was read in; in UTF-8 when windows-1250 cannot hold an edited character.
  // The file is replaced atomically; on failure the file layer's Error.
  void save(FileSystem& fs, const std::string& path) const;

 private:
  std::vector<DefinitionRecord> rows_;
  Encoding encoding_ = Encoding::Cp1250;
  int selected_ = 0;
};

// The account box's rule: spaces and line breaks removed, a closing comma
// added when missing; an empty text becomes ",".
std::string normalizedAccountList(std::string_view typed);

// The note under the account box for entries the export would not read
// (anything but digits with an optional leading "-" and one optional
// trailing "<" or ">"): "Neznámý zápis účtu: 31a1", or "" when all are fine.
std::string unknownEntriesNote(std::string_view list);

}  // namespace kalkora

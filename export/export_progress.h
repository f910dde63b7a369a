#pragma once
#include <string>

namespace kalkora {

// What an export shows while it works: its progress bars, the status line and
// the busy cursor. The export windows draw them; this base shows nothing,
// which is what kalkora-cli needs.
class ExportProgress {
 public:
  // Balance sheet, income statement, and the clearing of the period column
  // ("Mažu data"), which only the statement export has.
  enum class Bar { Balance, Income, Clearing };

  virtual ~ExportProgress() = default;
  virtual void setMaximum(Bar, int /*maximum*/) {}
  virtual void setPosition(Bar, int /*position*/) {}
  virtual void setStatus(const std::string& /*text*/) {}
  // The busy (hourglass) cursor on, or the normal one back.
  virtual void setBusy(bool /*busy*/) {}
  // "Mažu data" with the clearing bar shown or hidden.
  virtual void setClearingShown(bool /*shown*/) {}
};

inline constexpr const char* kExportWorking = "Počkejte, prosím, pracuji";
inline constexpr const char* kExportDone = "Naplnění daty skončeno, uzavřete toto okno.";

}  // namespace kalkora

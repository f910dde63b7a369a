#pragma once
// Only for the .cpp files of this folder: it needs the UNO headers.
#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

#include <optional>
#include <string>

namespace kalkora {

// Answers LibreOffice's questions while it loads a workbook, so that none of
// them waits for somebody at a window (there may be none, or it may be
// hidden): a warning is acknowledged and a filter keeps its default options,
// as a user pressing Enter would; anything else (a password, a repair, a
// choice) is refused, and so is an error LibreOffice reports, which ends
// the load; the first refused request is remembered so that the failure can
// say what LibreOffice wanted.
class RefusingInteraction : public cppu::WeakImplHelper1<css::task::XInteractionHandler> {
 public:
  void SAL_CALL handle(const css::uno::Reference<css::task::XInteractionRequest>& request) override;

  // The first refused request's Czech explanation, for the path it loaded;
  // none when nothing was refused.
  std::optional<std::string> refusal(const std::string& path) const;

 private:
  css::uno::Any refused_;
};

}  // namespace kalkora

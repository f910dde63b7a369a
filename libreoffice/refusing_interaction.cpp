#include "libreoffice/refusing_interaction.h"

#include <com/sun/star/document/XInteractionFilterOptions.hpp>
#include <com/sun/star/task/ErrorCodeRequest.hpp>
#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>
#include <com/sun/star/task/XInteractionApprove.hpp>
#include <com/sun/star/task/XInteractionDisapprove.hpp>
#include <com/sun/star/task/XInteractionRequest.hpp>

#include <cstdio>

#include "libreoffice/uno_text.h"

namespace kalkora {
namespace {

using css::uno::Reference;
using css::uno::UNO_QUERY;

// LibreOffice marks an error code that only warns with the top bit.
constexpr sal_uInt32 kWarningBit = 0x80000000u;

bool isWarning(const css::uno::Any& request) {
  css::task::ErrorCodeRequest error;
  return (request >>= error) && (static_cast<sal_uInt32>(error.ErrCode) & kWarningBit) != 0;
}

template <class Continuation>
Reference<Continuation> find(const Reference<css::task::XInteractionRequest>& request) {
  for (const auto& continuation : request->getContinuations()) {
    const Reference<Continuation> found(continuation, UNO_QUERY);
    if (found.is()) return found;
  }
  return {};
}

}  // namespace

void RefusingInteraction::handle(const Reference<css::task::XInteractionRequest>& request) {
  const css::uno::Any what = request->getRequest();
  const auto approve = find<css::task::XInteractionApprove>(request);
  if (approve.is() && isWarning(what)) return approve->select();
  if (const auto options = find<css::document::XInteractionFilterOptions>(request); options.is())
    return options->select();
  if (!refused_.hasValue()) refused_ = what;
  if (const auto abort = find<css::task::XInteractionAbort>(request); abort.is()) return abort->select();
  if (const auto disapprove = find<css::task::XInteractionDisapprove>(request); disapprove.is())
    disapprove->select();
}

std::optional<std::string> RefusingInteraction::refusal(const std::string& path) const {
  if (!refused_.hasValue()) return std::nullopt;
  if (refused_.isExtractableTo(cppu::UnoType<css::task::PasswordRequest>::get()))
    return "Sešit " + path + " je chráněný heslem a LibreOffice ho bez hesla neotevře. Uložte ho bez hesla a "
           "spusťte export znovu.";
  // An error LibreOffice reports, not a question: its number is all it gives.
  if (css::task::ErrorCodeRequest error; refused_ >>= error) {
    char number[16];
    std::snprintf(number, sizeof number, "0x%08X", static_cast<unsigned>(error.ErrCode));
    return "LibreOffice sešit " + path + " neotevřel: soubor je poškozený nebo to není sešit (LibreOffice hlásí "
           "chybu " + number + ").";
  }
  css::uno::Exception exception;
  const std::string text = (refused_ >>= exception) ? fromUno(exception.Message) : std::string();
  return "LibreOffice sešit " + path + " neotevřel: při otevírání se ptal (" + fromUno(refused_.getValueTypeName()) +
         (text.empty() ? "" : ": " + text) + ") a otázku nebylo možné zodpovědět.";
}

}  // namespace kalkora

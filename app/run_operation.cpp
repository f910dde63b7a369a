#include "app/run_operation.h"

#include <exception>

#include "platform/operation_stopped.h"

namespace kalkora {

Outcome runOperation(OutcomeMessages& messages, const std::function<void()>& operation) {
  try {
    operation();
  } catch (const OperationStopped& stopped) {
    messages.notice(stopped.what());
    return Outcome::Stopped;
  } catch (const std::exception& e) {
    messages.error(e.what());
    return Outcome::Failed;
  }
  return Outcome::Done;
}

}  // namespace kalkora

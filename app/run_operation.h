#pragma once
#include <functional>
#include <string>

#include "platform/messages.h"

namespace kalkora {

// Where the end of an operation is shown: a stop as a plain notice, a failure
// as an error (the window's error box, kalkora-cli's standard error).
class OutcomeMessages : public Messages {
 public:
  virtual void error(const std::string& text) = 0;
};

enum class Outcome { Done, Stopped, Failed };

// Runs an operation and shows how it ended: OperationStopped as a notice with
// its text, any other exception as an error with its text (an Error carries
// its Czech message; anything else still reaches the user rather than ending
// the program). The windows run every button's work through this, and
// kalkora-cli its whole run, exiting 1 unless it is Done.
Outcome runOperation(OutcomeMessages& messages, const std::function<void()>& operation);

}  // namespace kalkora

#pragma once
#include <string>
#include <string_view>

#include "model/parameters.h"

namespace kalkora::fuzz {

// A reader harness's input: "Key=value" lines, then an empty line, then the
// file the reader loads. The keys are those of the settings file
// ("Oddelovac", "PocatecniElement", "CheckBox3") or a control's name
// ("RadioGroup1", "CheckBox13", "Edit1"), so one input sets the tab's parameters as
// the window would and feeds its file. Without an empty line the whole input
// is the file.
struct FuzzInput {
  std::string header;
  std::string file;
};

FuzzInput splitInput(std::string_view data);

// Puts the header's values into the parameters; a value the key cannot take
// is passed over, as an unknown key is.
void applyHeader(Parameters& p, std::string_view header);

}  // namespace kalkora::fuzz

#pragma once

#include <optional>
#include <string>

#include "link/HidLink.h"
#include "link/SerialLink.h"
#include "opening/LinkedFeature.h"

namespace orbelle::ui {

// The box a window shows when the link reports trouble outside any exchange: the receive
// thread would not start, a report came short, reads failed, the unit or the port went away.
OperatorMessage hidProblemMessage(HidLink::Problem problem, const std::string& text);
OperatorMessage serialProblemMessage(SerialLink::Problem problem, const std::string& text);

}  // namespace orbelle::ui

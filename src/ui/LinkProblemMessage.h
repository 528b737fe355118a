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

// The box of a linked command whose link did not open, none when it opened. Over USB the
// program's own line is followed by a second with the cause and what to do about it.
std::optional<OperatorMessage> linkedFeatureMessage(const LinkedFeatureResult& result,
                                                    LinkProtocol protocol);

}  // namespace orbelle::ui

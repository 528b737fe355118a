#include "FaultPlan.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace orbelle::sim {

namespace {

int positiveCount(std::string_view name, std::string_view text) {
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || value < 1) {
    std::string message(name);
    message.append(" needs a whole number of at least 1, not \"").append(text).append("\"");
    throw std::invalid_argument(message);
  }
  return value;
}

void applyFlag(FaultPlan& plan, std::string_view name) {
  if (name == "corrupt-fcs") {
    plan.corruptFcs = true;
  } else if (name == "finish-with-done") {
    plan.finishWithDone = true;
  } else if (name == "split-replies") {
    plan.splitReplies = true;
  } else if (name == "double-replies") {
    plan.doubleReplies = true;
  } else {
    std::string message("unknown fault \"");
    message.append(name).append("\"; known faults: ").append(faultNamesHelp());
    throw std::invalid_argument(message);
  }
}

void applyCounted(FaultPlan& plan, std::string_view name, std::string_view value) {
  const int count = positiveCount(name, value);
  if (name == "drop-reply") {
    plan.dropReplyEvery = count;
  } else if (name == "retry-every") {
    plan.retryEvery = count;
  } else if (name == "handshake-every") {
    plan.handshakeEvery = count;
  } else if (name == "vanish-after") {
    plan.vanishAfter = count;
  } else {
    std::string message("unknown fault \"");
    message.append(name).append("\" (or it takes no value); known faults: ");
    message.append(faultNamesHelp());
    throw std::invalid_argument(message);
  }
}

}  // namespace

FaultPlan parseFaults(const std::vector<std::string>& values) {
  FaultPlan plan;
  for (const std::string& value : values) {
    const auto equals = value.find('=');
    if (equals == std::string::npos) {
      applyFlag(plan, value);
    } else {
      applyCounted(plan, std::string_view(value).substr(0, equals),
                   std::string_view(value).substr(equals + 1));
    }
  }
  return plan;
}

std::string faultNamesHelp() {
  return "drop-reply=N, corrupt-fcs, retry-every=K, handshake-every=K, finish-with-done, "
         "vanish-after=N, split-replies, double-replies";
}

}  // namespace orbelle::sim

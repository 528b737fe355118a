#include "upgrade/CompletionDoubt.h"

namespace orbelle {

std::string_view inputName(UpgradeInput input) {
  switch (input) {
    case UpgradeInput::StartAck:
      return "start acknowledgement";
    case UpgradeInput::BlockAck:
      return "block acknowledgement";
    case UpgradeInput::BlockRetry:
      return "retry request";
    case UpgradeInput::Handshake:
      return "handshake";
    case UpgradeInput::Done:
      return "done reply";
    case UpgradeInput::PauseElapsed:
      break;
  }
  return "end of a pause";
}

std::string completionInDoubtMessage(const UpgradeCodeTable& table,
                                     const std::deque<UpgradeInput>& heard,
                                     std::size_t droppedBytes) {
  std::string what;
  if (!heard.empty()) {
    what = std::to_string(heard.size()) + (heard.size() == 1 ? " frame (" : " frames (");
    for (std::size_t i = 0; i < heard.size(); ++i) {
      what.append(i == 0 ? "" : ", ").append(inputName(heard[i]));
    }
    what += ")";
  }
  if (droppedBytes > 0) {
    what.append(what.empty() ? "" : " and ")
        .append(std::to_string(droppedBytes))
        .append(" bytes that were dropped");
  }
  std::string text = "The base unit sent ";
  text.append(what)
      .append(
          " after the last block, when it should have been restarting, so it is not known "
          "whether the ")
      .append(table.unitName)
      .append(" received the whole image. Please send the file again!");
  return text;
}

}  // namespace orbelle

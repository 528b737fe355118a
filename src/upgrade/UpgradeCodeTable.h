#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/CommandCode.h"
#include "upgrade/UpgradeMessages.h"
#include "upgrade/UpgradePause.h"

namespace orbelle {

// What the transfer reacts to: the replies of its table and the end of a pause it asked for.
enum class UpgradeInput : std::uint8_t {
  StartAck,
  BlockAck,
  BlockRetry,
  Handshake,
  Done,
  PauseElapsed,
};

// When the port is switched to the start-frame settings before a start frame goes out.
enum class StartLineRule {
  EveryStart,
  FirstHandheldStartOfRun,
};

// Everything in which a base unit upgrade and a handheld unit upgrade differ.
struct UpgradeCodeTable {
  CommandCode start;
  CommandCode block;
  CommandCode startAck;
  CommandCode blockAck;
  CommandCode blockRetry;
  CommandCode done;
  // Handheld upgrades have no handshake.
  std::optional<CommandCode> handshake;
  std::optional<CommandCode> handshakeReply;
  // Drop serial input left over from before the start (RS232 only).
  bool discardBeforeStartOnRs232;
  StartLineRule startLineRule;
  PauseKind pauseAfterStart;
  std::string_view emptyImageMessage;
  std::string_view completionMessage;
  // The unit whose firmware is sent, as messages name it.
  std::string_view unitName;
};

inline constexpr UpgradeCodeTable kBaseUpgradeTable{
    .start = CommandCode::BaseUpgradeStart,
    .block = CommandCode::BaseUpgradeBlock,
    .startAck = CommandCode::BaseUpgradeStartAck,
    .blockAck = CommandCode::BaseUpgradeBlockAck,
    .blockRetry = CommandCode::BaseUpgradeBlockRetry,
    .done = CommandCode::BaseUpgradeDone,
    .handshake = CommandCode::BaseUpgradeHandshake,
    .handshakeReply = CommandCode::BaseUpgradeHandshakeReply,
    .discardBeforeStartOnRs232 = true,
    .startLineRule = StartLineRule::EveryStart,
    .pauseAfterStart = PauseKind::Short,
    .emptyImageMessage = kBaseEmptyImageMessage,
    .completionMessage = kBaseCompletionMessage,
    .unitName = "base unit",
};

inline constexpr UpgradeCodeTable kHandheldUpgradeTable{
    .start = CommandCode::HandheldUpgradeStart,
    .block = CommandCode::HandheldUpgradeBlock,
    .startAck = CommandCode::HandheldUpgradeStartAck,
    .blockAck = CommandCode::HandheldUpgradeBlockAck,
    .blockRetry = CommandCode::HandheldUpgradeBlockRetry,
    .done = CommandCode::HandheldUpgradeDone,
    .handshake = std::nullopt,
    .handshakeReply = std::nullopt,
    .discardBeforeStartOnRs232 = false,
    .startLineRule = StartLineRule::FirstHandheldStartOfRun,
    .pauseAfterStart = PauseKind::Long,
    .emptyImageMessage = kHandheldEmptyImageMessage,
    .completionMessage = kHandheldCompletionMessage,
    .unitName = "handheld unit",
};

// A reply code the table does not know is no input at all.
constexpr std::optional<UpgradeInput> classifyReply(const UpgradeCodeTable& table,
                                                    std::uint8_t code) {
  const auto is = [code](CommandCode candidate) { return code == codeByte(candidate); };
  if (is(table.startAck)) {
    return UpgradeInput::StartAck;
  }
  if (is(table.blockAck)) {
    return UpgradeInput::BlockAck;
  }
  if (is(table.blockRetry)) {
    return UpgradeInput::BlockRetry;
  }
  if (is(table.done)) {
    return UpgradeInput::Done;
  }
  if (table.handshake && is(*table.handshake)) {
    return UpgradeInput::Handshake;
  }
  return std::nullopt;
}

}  // namespace orbelle

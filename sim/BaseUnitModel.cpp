#include "BaseUnitModel.h"

#include <algorithm>
#include <cstdio>

#include "SettingsReplies.h"
#include "protocol/ByteOrder.h"
#include "protocol/CommandCode.h"
#include "protocol/Fcs16.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsTables.h"

namespace orbelle::sim {

namespace {

// Upgrade frame positions shared by both tables.
namespace pos {
constexpr std::size_t kImageLength = 2;  // 32-bit, start frames
constexpr std::size_t kBaudCode = 6;     // start frames
constexpr std::size_t kPage = 2;         // 16-bit, block frames
constexpr std::size_t kSlot = 4;
constexpr std::size_t kData = 5;
}  // namespace pos

std::string hex(unsigned value, int digits) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

// The start frame names the rate as an ASCII digit.
std::string baudCodeText(std::uint8_t code) {
  if (code >= 0x20 && code < 0x7F) {
    return std::string{'\'', static_cast<char>(code), '\''};
  }
  return hex(code, 2);
}

std::span<const std::uint8_t> payloadOf(const ReportFrame& frame) {
  return std::span<const std::uint8_t>(frame).subspan(
      frame_pos::kPayloadFirst, frame_pos::kPayloadLast - frame_pos::kPayloadFirst + 1);
}

// The FCS of a frame built right runs the register to the good residue over bytes 1..38.
bool fcsHolds(const ReportFrame& frame) {
  const auto sealed = std::span<const std::uint8_t>(frame).subspan(frame_pos::kFcsCoveredFirst);
  return Fcs16::update(Fcs16::kInitial, sealed) == Fcs16::kGoodResidue;
}

}  // namespace

BaseSettings defaultSimSettings() {
  // A unit fresh from the factory: the tool's own defaults, Europe, 9600 on its RS232 side.
  BaseSettings versions;
  versions.bootloaderVersion = {'1', '0', '3', '\0'};
  versions.applicationVersion = {'2', '1', '0', '\0'};
  BaseSettings s = defaultSettings(versions, static_cast<std::uint8_t>(Nation::Europe));
  s.baudCode = 2;
  return s;
}

ReportFrame toReportFrame(std::span<const std::uint8_t, kWireFrameSize> wire) {
  ReportFrame frame{};
  std::copy(wire.begin(), wire.end(), frame.begin() + frame_pos::kCode);
  return frame;
}

WireFrame toWireFrame(const ReportFrame& frame) {
  WireFrame wire{};
  std::copy(frame.begin() + frame_pos::kCode, frame.end(), wire.begin());
  return wire;
}

BaseUnitModel::BaseUnitModel(BaseSettings settings, bool unset, FaultPlan faults)
    : settings_(settings), unset_(unset), faults_(faults) {}

ModelOutput BaseUnitModel::receive(std::span<const std::uint8_t, kWireFrameSize> wire) {
  ModelOutput out;
  if (vanished_) {
    out.vanished = true;
    return out;
  }
  ++framesReceived_;
  const ReportFrame frame = toReportFrame(wire);
  if (fcsHolds(frame)) {
    dispatch(frame, out);
  } else {
    const auto fcs = readLe16(frame, frame_pos::kFcsLow);
    const auto covered = std::span<const std::uint8_t>(frame).subspan(frame_pos::kFcsCoveredFirst,
                                                                      frame_pos::kFcsCoveredLength);
    out.notes.push_back({Note::Level::Warning, "frame " + hex(frame[frame_pos::kCode], 2) +
                                                   " ignored: FCS " + hex(fcs, 4) + ", expected " +
                                                   hex(Fcs16::compute(covered), 4)});
  }
  if (faults_.vanishAfter && framesReceived_ >= static_cast<std::uint64_t>(*faults_.vanishAfter)) {
    vanished_ = true;
    out.vanished = true;
    out.notes.push_back(
        {Note::Level::Info, "vanishing after " + std::to_string(framesReceived_) + " frames"});
  }
  return out;
}

void BaseUnitModel::dispatch(const ReportFrame& frame, ModelOutput& out) {
  const auto code = static_cast<CommandCode>(frame[frame_pos::kCode]);
  switch (code) {
    case CommandCode::ReadSettings: {
      ReportFrame reply{};
      encodeCurrentSettings(reply, settings_, unset_);
      emit(codeByte(CommandCode::CurrentSettings), reply, out);
      return;
    }
    case CommandCode::UploadSettings: {
      settings_ = applyUpload(frame, settings_);
      unset_ = false;
      ReportFrame reply{};
      encodeSettingsUploaded(reply, settings_);
      emit(codeByte(CommandCode::SettingsUploaded), reply, out);
      return;
    }
    case CommandCode::BaseUpgradeStart:
      return startUpgrade(ImageKind::Base, frame, out);
    case CommandCode::HandheldUpgradeStart:
      return startUpgrade(ImageKind::Handheld, frame, out);
    case CommandCode::BaseUpgradeBlock:
      return takeBlock(ImageKind::Base, frame, out);
    case CommandCode::HandheldUpgradeBlock:
      return takeBlock(ImageKind::Handheld, frame, out);
    case CommandCode::BaseUpgradeHandshakeReply:
      return takeHandshakeReply(frame, out);
    default:
      out.notes.push_back({Note::Level::Warning,
                           "unknown command " + hex(frame[frame_pos::kCode], 2) + " not answered"});
      return;
  }
}

void BaseUnitModel::startUpgrade(ImageKind kind, const ReportFrame& frame, ModelOutput& out) {
  const std::uint32_t length = readLe32(frame, pos::kImageLength);
  if (length > kMaxImageLength) {
    out.notes.push_back({Note::Level::Warning, std::string(imageKindName(kind)) + " upgrade of " +
                                                   std::to_string(length) +
                                                   " bytes refused: more than 16 MiB cannot "
                                                   "be addressed"});
    return;
  }
  ImageReceiver::Rules rules{faults_.retryEvery, faults_.handshakeEvery, faults_.finishWithDone};
  upgrade_.emplace(kind, length, rules);
  out.notes.push_back({Note::Level::Info, std::string(imageKindName(kind)) + " upgrade of " +
                                              std::to_string(length) + " bytes, baud code " +
                                              baudCodeText(frame[pos::kBaudCode])});
  emit(replyCodesFor(kind).startAck, ReportFrame{}, out);
}

void BaseUnitModel::takeBlock(ImageKind kind, const ReportFrame& frame, ModelOutput& out) {
  if (!upgrade_ || upgrade_->kind() != kind) {
    out.notes.push_back({Note::Level::Warning, std::string(imageKindName(kind)) +
                                                   " block ignored: no " + imageKindName(kind) +
                                                   " upgrade was started"});
    return;
  }
  const auto data = std::span<const std::uint8_t>(frame).subspan(pos::kData, kBlockSize);
  collect(upgrade_->onBlock(readLe16(frame, pos::kPage), frame[pos::kSlot], data, payloadOf(frame)),
          out);
}

void BaseUnitModel::takeHandshakeReply(const ReportFrame& frame, ModelOutput& out) {
  if (!upgrade_ || upgrade_->kind() != ImageKind::Base) {
    out.notes.push_back({Note::Level::Warning, "handshake reply outside a base upgrade"});
    return;
  }
  collect(upgrade_->onHandshakeReply(payloadOf(frame)), out);
}

void BaseUnitModel::collect(const ImageReceiver::Step& step, ModelOutput& out) {
  if (!step.note.empty()) {
    out.notes.push_back({Note::Level::Warning, step.note});
  }
  if (step.imageComplete) {
    out.images.push_back({upgrade_->kind(), upgrade_->image()});
    if (upgrade_->kind() == ImageKind::Base && versionAfterUpgrade_) {
      settings_.applicationVersion = *versionAfterUpgrade_;
    }
  }
  if (step.reply) {
    emit(*step.reply, ReportFrame{}, out);
  }
}

// Seals a reply and puts it through the reply faults.
void BaseUnitModel::emit(std::uint8_t code, ReportFrame reply, ModelOutput& out) {
  reply[frame_pos::kReportId] = 0;
  reply[frame_pos::kCode] = code;
  Fcs16::seal(reply);
  ++repliesMade_;
  if (faults_.dropReplyEvery &&
      repliesMade_ % static_cast<unsigned>(*faults_.dropReplyEvery) == 0) {
    out.notes.push_back({Note::Level::Info, "reply " + hex(code, 2) + " dropped"});
    return;
  }
  if (faults_.corruptFcs) {
    reply[frame_pos::kFcsLow] ^= 0xFF;
    reply[frame_pos::kFcsHigh] ^= 0xFF;
  }
  out.replies.push_back(toWireFrame(reply));
}

}  // namespace orbelle::sim

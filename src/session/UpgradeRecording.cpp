#include "session/UpgradeRecording.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>

#include "session/Session.h"
#include "session/UpgradeOperation.h"
#include "upgrade/UpgradeFrames.h"
#include "upgrade/UpgradeHistory.h"

namespace orbelle {

namespace {

// ISO 8601 with the local offset from UTC, as a person reads the record later; the offset is
// written out for UTC too (+00:00, where Qt writes Z), so that every record reads alike.
std::string localTimeNow() {
  const QDateTime now = QDateTime::currentDateTime();
  QString text = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
  if (text.endsWith(u'Z')) {
    text.chop(1);
    text += QStringLiteral("+00:00");
  }
  return text.toStdString();
}

// The size and SHA-256 of the image as it is now; none for a file that cannot be read or
// could never be sent.
void describeImage(const std::filesystem::path& image, UpgradeRecord& record) {
  QFile file(QString::fromStdString(image.string()));
  if (!file.open(QIODevice::ReadOnly) || file.isSequential()) {
    return;
  }
  record.imageSize = static_cast<std::uint64_t>(file.size());
  if (*record.imageSize > kMaxImageLength) {
    return;
  }
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (hash.addData(&file)) {
    record.imageSha256 = hash.result().toHex().toStdString();
  }
}

std::string failureText(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an unknown failure";
  }
}

}  // namespace

UpgradeRecord beginUpgradeRecord(const Session& session, const std::string& program, bool baseUnit,
                                 const std::filesystem::path& image) {
  UpgradeRecord record;
  record.time = localTimeNow();
  record.program = program;
  record.unit = baseUnit ? "base" : "handheld";
  const bool usb = session.channel().choice().protocol == LinkProtocol::Usb;
  record.link = usb ? "usb" : "rs232";
  if (usb) {
    record.device = session.hid().devicePath();
    record.serialNumber = session.hid().deviceSerial();
  } else {
    record.device = session.serial().devicePath();
  }
  // As a full path, which says where it was whatever folder the program ran in.
  std::error_code error;
  const std::filesystem::path full =
      image.empty() ? image : std::filesystem::absolute(image, error).lexically_normal();
  record.imagePath = (error ? image : full).string();
  describeImage(image, record);
  return record;
}

std::string upgradeOutcomeName(const UpgradeEnd& end) {
  switch (end.ending) {
    case UpgradeEnding::Transfer:
      break;
    case UpgradeEnding::LinkRefused:
      return "link-refused";
    case UpgradeEnding::NoReply:
      return "no-reply";
    case UpgradeEnding::LinkBroke:
      return "link-broke";
    case UpgradeEnding::Interrupted:
      return "interrupted";
    case UpgradeEnding::Failed:
      return "failed";
  }
  switch (end.outcome) {
    case UpgradeOutcome::CompletedByLastAck:
    case UpgradeOutcome::CompletedByDone:
      return "completed";
    case UpgradeOutcome::FileRefused:
      return "image-refused";
    case UpgradeOutcome::ImageChanged:
      return "image-changed";
    case UpgradeOutcome::ImageUnreadable:
      return "image-unreadable";
    case UpgradeOutcome::LinkFailed:
      return "link-failed";
    case UpgradeOutcome::CompletionInDoubt:
      return "completion-in-doubt";
    case UpgradeOutcome::Running:
      break;
  }
  return "abandoned";
}

std::string upgradeEndMessage(const UpgradeEnd& end) {
  switch (end.ending) {
    case UpgradeEnding::Transfer:
      return isSuccess(end.outcome) ? std::string() : end.message.text;
    case UpgradeEnding::LinkRefused:
      return end.opening ? end.opening->portWords : std::string();
    case UpgradeEnding::Failed:
      return failureText(end.failure);
    case UpgradeEnding::NoReply:
    case UpgradeEnding::LinkBroke:
    case UpgradeEnding::Interrupted:
      break;
  }
  return {};
}

std::optional<std::string> writeUpgradeRecord(const UpgradeRecord& record) {
  const std::filesystem::path file = upgradeHistoryPath();
  const std::string line =
      recordToJson(record).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  if (const auto why = appendHistoryLine(file, line)) {
    return "The upgrade could not be recorded: " + *why;
  }
  return std::nullopt;
}

}  // namespace orbelle

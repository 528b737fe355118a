#include "desktop/TaskbarProgress.h"

#include <QDBusMessage>
#include <QVariantMap>
#include <algorithm>

#include "desktop/DesktopBus.h"

namespace orbelle {

namespace {

constexpr auto kObjectPath = "/org/orbelle/LauncherEntry";
constexpr auto kAppUri = "application://orbelle.desktop";

}  // namespace

TaskbarProgress::TaskbarProgress(std::chrono::milliseconds minimumGap) {
  QString whyNot;
  bus_ = connectToDesktopBus(DesktopBus::Session, whyNot);
  gap_.setSingleShot(true);
  gap_.setInterval(minimumGap);
  QObject::connect(&gap_, &QTimer::timeout, &gap_, [this] { gapEnded(); });
}

TaskbarProgress::~TaskbarProgress() {
  if (shown_) {
    hide();
  }
}

void TaskbarProgress::setProgress(double fraction) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  if (gap_.isActive()) {
    heldBack_ = fraction;
  } else if (shown_ != fraction) {
    send(fraction, true);
  }
}

void TaskbarProgress::hide() {
  gap_.stop();
  heldBack_.reset();
  send(shown_.value_or(0.0), false);
}

void TaskbarProgress::gapEnded() {
  if (heldBack_ && heldBack_ != shown_) {
    send(*std::exchange(heldBack_, std::nullopt), true);
  }
  heldBack_.reset();
}

void TaskbarProgress::send(double fraction, bool visible) {
  shown_ = visible ? std::optional(fraction) : std::nullopt;
  if (visible) {
    gap_.start();
  }
  if (!bus_) {
    return;
  }
  auto update =
      QDBusMessage::createSignal(kObjectPath, "com.canonical.Unity.LauncherEntry", "Update");
  update << QString::fromLatin1(kAppUri)
         << QVariantMap{{"progress", fraction}, {"progress-visible", visible}};
  bus_->send(update);
}

}  // namespace orbelle

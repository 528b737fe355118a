#include "l10n/ProgressText.h"

#include <QCoreApplication>

#include "l10n/TextCatalogue.h"

namespace orbelle::l10n {

namespace {

QString bytes(double count) { return QString::fromStdString(formatBytes(count)); }

}  // namespace

QString progressText(const ProgressFigures& figures) {
  const QString sent = bytes(static_cast<double>(figures.sent));
  const QString total = bytes(static_cast<double>(figures.total));
  if (figures.bytesPerSecond && figures.secondsLeft) {
    return fillPlaces(
        //: Sent and total bytes, the rate and the time left: "12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49
        //: left".
        QCoreApplication::translate("Progress", "%1 of %2, %3/s, %4 left"),
        {sent, total, bytes(*figures.bytesPerSecond),
         QString::fromStdString(formatDuration(*figures.secondsLeft))});
  }
  //: Sent and total bytes, before the rate is known: "12.0 KiB of 1.0 MiB".
  return fillPlaces(QCoreApplication::translate("Progress", "%1 of %2"), {sent, total});
}

}  // namespace orbelle::l10n

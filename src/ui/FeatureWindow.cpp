#include "ui/FeatureWindow.h"

#include <QPushButton>

#include "ui/DialogUnits.h"

namespace orbelle::ui {

FeatureWindow::FeatureWindow(const QString& title, int widthUnits, int heightUnits,
                             std::function<void()> releaseLink)
    : releaseLink_(std::move(releaseLink)) {
  setObjectName(QStringLiteral("dialog132"));  // Set Base Unit, the one window still to come
  setWindowTitle(title);
  setFont(dialogFont(QStringLiteral("Tahoma"), 10));
  const DialogUnits units(font());
  setFixedSize(units.size(widthUnits, heightUnits));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  identify(*cancel, 2, cancel->text());
  cancel->setGeometry(units.rect(widthUnits - 57, heightUnits - 21, 50, 14));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FeatureWindow::done(int result) {
  // Every way out (a button, Esc, the close box) leaves the link released.
  releaseLink_();
  QDialog::done(result);
}

}  // namespace orbelle::ui

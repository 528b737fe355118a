#include "ui/AboutBox.h"

#include <QLabel>
#include <QPushButton>

#include "ui/DialogUnits.h"
#include "ui/Look.h"
#include "version/ProgramVersion.h"

namespace orbelle::ui {

AboutBox::AboutBox(const Look& look, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dialog100"));
  setWindowTitle(tr("About Orbelle (VKR)"));
  setFont(dialogFont(QStringLiteral("Tahoma"), 8));
  const DialogUnits units(font());
  setFixedSize(units.size(295, 105));

  // The two lines have no identifier of their own; a name finds them all the same.
  const auto addLine = [&](const char* name, const QString& text, QRect where) {
    auto* line = new QLabel(text, this);
    line->setObjectName(QLatin1String(name));
    line->setAccessibleName(text);
    line->setGeometry(where);
    // A version with the git commit is longer than the line: it goes on below, not cut off.
    if (line->sizeHint().width() > where.width()) {
      line->setWordWrap(true);
      line->resize(where.width(), line->heightForWidth(where.width()));
    }
  };
  addLine("name", QStringLiteral("Orbelle (VKR)"), units.rect(25, 10, 205, 8));
  addLine("version",
          tr("Version %1, for cordless barcode base units and handheld units")
              .arg(QLatin1String(programVersion())),
          units.rect(25, 25, 257, 12));

  auto* ok = new QPushButton(tr("OK"), this);
  identify(*ok, 1, ok->text());
  ok->setGeometry(units.rect(238, 7, 50, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  look.decorate(*this, WindowPicture::None);
}

}  // namespace orbelle::ui

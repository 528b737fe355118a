// The yardstick for orbelle's start-up (bench/startup): the least a Qt Widgets program does to
// show one dialog, ending the same way orbelle_when_shown exit does, once the
// dialog has first been drawn.

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QDialog& dialog) : dialog_(dialog) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, &dialog_, &QDialog::reject);
    }
    return false;
  }

 private:
  QDialog& dialog_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Minimal"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("One dialog"), &dialog));
  layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
  QuitAfterFirstPaint quit(dialog);
  dialog.installEventFilter(&quit);
  return dialog.exec();
}

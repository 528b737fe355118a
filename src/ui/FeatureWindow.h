#pragma once

#include <QDialog>
#include <functional>

namespace orbelle::ui {

// A feature window that so far only stands in for the real one: its title and size, and
// the release of the link however it is left.
class FeatureWindow : public QDialog {
  Q_OBJECT

 public:
  FeatureWindow(const QString& title, int widthUnits, int heightUnits,
                std::function<void()> releaseLink);

  void done(int result) override;

 private:
  std::function<void()> releaseLink_;
};

}  // namespace orbelle::ui

#include "ProgressReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

#include <nlohmann/json.hpp>

#include "HumanText.h"
#include "l10n/ProgressText.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace orbelle::cli {

namespace {

using namespace std::chrono_literals;

// A terminal can take a redraw this often without flicker or cost.
constexpr auto kBarRedraw = 100ms;
// A log gets a line at each tenth of the image, and at least this often in between.
constexpr auto kLineInterval = 1s;
constexpr int kLineStepPercent = 10;
constexpr int kBarWidth = 24;

std::string fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

nlohmann::json orNull(const std::optional<double>& value) {
  return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

bool standardErrorIsTerminal() {
#ifdef _WIN32
  return _isatty(2) != 0;
#else
  return ::isatty(2) != 0;
#endif
}

}  // namespace

ProgressReport::Style ProgressReport::styleFor(bool json) {
  if (json) {
    return Style::Json;
  }
  return standardErrorIsTerminal() ? Style::Bar : Style::Lines;
}

ProgressReport::ProgressReport(Style style, std::ostream& out, std::string unitName,
                               std::uint64_t imageLength)
    : style_(style), out_(out), unitName_(std::move(unitName)), imageLength_(imageLength) {}

ProgressReport::~ProgressReport() { end(); }

void ProgressReport::started() {
  if (style_ == Style::Json) {
    event({{"event", "start"}, {"unit", unitName_}, {"bytes_total", imageLength_}});
    return;
  }
  out_ << humanText("Upgrading the " + unitName_ + " with " + std::to_string(imageLength_) +
                    " bytes...")
       << '\n'
       << std::flush;
}

void ProgressReport::blockSent(const ProgressFigures& figures, Clock::time_point now) {
  if (!due(figures, now)) {
    return;
  }
  lastShownAt_ = now;
  lastShownPercent_ = figures.percent;
  draw(figures);
}

bool ProgressReport::due(const ProgressFigures& figures, Clock::time_point now) const {
  if (lastShownPercent_ < 0 || (figures.percent == 100 && lastShownPercent_ != 100)) {
    return true;
  }
  if (style_ == Style::Bar) {
    return now - lastShownAt_ >= kBarRedraw;
  }
  return figures.percent / kLineStepPercent != lastShownPercent_ / kLineStepPercent ||
         now - lastShownAt_ >= kLineInterval;
}

void ProgressReport::draw(const ProgressFigures& figures) {
  switch (style_) {
    case Style::Json:
      event({{"event", "progress"},
             {"percent", figures.percent},
             {"bytes_sent", figures.sent},
             {"bytes_total", figures.total},
             {"seconds", figures.seconds},
             {"bytes_per_second", orNull(figures.bytesPerSecond)},
             {"seconds_left", orNull(figures.secondsLeft)}});
      return;
    case Style::Lines:
      out_ << figures.percent << "% " << l10n::progressText(figures).toStdString() << '\n'
           << std::flush;
      return;
    case Style::Bar: {
      const int filled = figures.percent * kBarWidth / 100;
      const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                              std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
      // Carriage return and erase-to-end-of-line redraw the same line.
      out_ << '\r'
           << (figures.percent < 10    ? "  "
               : figures.percent < 100 ? " "
                                       : "")
           << figures.percent << "% [" << bar << "] " << l10n::progressText(figures).toStdString()
           << "\x1b[K" << std::flush;
      barOpen_ = true;
      return;
    }
  }
}

void ProgressReport::waitingForRestart(std::chrono::milliseconds wait) {
  const double seconds = std::chrono::duration<double>(wait).count();
  if (style_ == Style::Json) {
    event({{"event", "waiting-for-restart"}, {"seconds", seconds}});
    return;
  }
  end();
  out_ << humanText("Every block is acknowledged; waiting " + fixed(seconds, seconds < 10 ? 2 : 0) +
                    " s for the " + unitName_ + " to restart...")
       << '\n'
       << std::flush;
}

void ProgressReport::warn(const std::string& text) {
  if (style_ == Style::Json) {
    event({{"event", "warning"}, {"message", text}});
    return;
  }
  end();
  out_ << "vkr: " << humanText(text) << '\n' << std::flush;
  lastShownPercent_ = -1;  // redraw at the next block
}

void ProgressReport::event(nlohmann::json object) {
  if (!device_.empty()) {
    object["device"] = device_;
  }
  out_ << object.dump() << '\n' << std::flush;
}

void ProgressReport::end() {
  if (barOpen_) {
    out_ << '\n' << std::flush;
    barOpen_ = false;
  }
}

}  // namespace orbelle::cli

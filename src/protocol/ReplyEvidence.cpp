#include "protocol/ReplyEvidence.h"

#include <algorithm>

namespace orbelle {

namespace {

using Duration = ReplyEvidence::Duration;

// The clocks of the two ends may differ by a few per cent: a frame is judged stale only when
// it began sooner than this share of the wire time allows.
constexpr double kClockTolerance = 0.95;
// A repeat's first byte is in the queue one byte time after its original's last one, which
// came before the original was seen; the spell waits half as long again.
constexpr double kQuietByteTimes = 1.5;
// A pseudo-terminal's peer is watched byte by byte until this many frames have shown its pace.
constexpr std::size_t kSettledPaceSamples = 5;
constexpr std::size_t kKeptPaceSamples = 15;

Duration scaled(Duration d, double factor) {
  return std::chrono::duration_cast<Duration>(
      std::chrono::duration<double, Duration::period>(static_cast<double>(d.count()) * factor));
}

Duration frameTime(Duration byteTime) {
  return byteTime * static_cast<Duration::rep>(ReplyEvidence::kFrameBytes);
}

}  // namespace

void ReplyEvidence::reset(Duration portByteTime, bool pseudoTerminal) {
  *this = ReplyEvidence{};
  portByteTime_ = portByteTime;
  pseudoTerminal_ = pseudoTerminal;
}

void ReplyEvidence::frameSent(Clock::time_point at) {
  lastSentAt_ = at;
  answerSeen_ = false;
  quietFrom_.reset();
}

void ReplyEvidence::observe(Clock::time_point at, std::size_t gathered, std::size_t queued) {
  const auto behind = static_cast<Duration::rep>(std::max<std::size_t>(queued, 1) - 1);
  const Clock::time_point bound = at - backDatingByteTime() * behind;
  begunBy_ = begunBy_ ? std::min(*begunBy_, bound) : bound;
  const Clock::time_point about = at - estimateByteTime() * behind;
  begunAbout_ = begunAbout_ ? std::min(*begunAbout_, about) : about;
  if (gathered >= kFrameBytes) {
    return;
  }
  const Observation seen{at, gathered};
  if (!firstPartial_) {
    firstPartial_ = seen;
  } else {
    lastPartial_ = seen;
  }
}

void ReplyEvidence::learnPace() {
  if (!pseudoTerminal_ || !firstPartial_ || !lastPartial_ ||
      lastPartial_->at <= firstPartial_->at) {
    return;
  }
  // Byte `first.gathered` had arrived by `first.at`; byte `last.gathered + 1` had not by
  // `last.at`. The intervals between them took longer than the time between the two looks,
  // however late either look came.
  const auto intervals =
      static_cast<Duration::rep>(lastPartial_->gathered + 1 - firstPartial_->gathered);
  paceSamples_.push_back((lastPartial_->at - firstPartial_->at) / intervals);
  if (paceSamples_.size() > kKeptPaceSamples) {
    paceSamples_.erase(paceSamples_.begin());
  }
}

void ReplyEvidence::judgeWireLikeness(Clock::time_point begunAt) {
  const std::optional<Duration> pace = learnedPace();
  if (!pseudoTerminal_ || !pace || !lastSentAt_) {
    return;
  }
  // A peer that answers before its own frame time has passed is no wire, whatever its pace.
  if (begunAt - *lastSentAt_ >= scaled(frameTime(*pace), kClockTolerance)) {
    ++wireLikeAnswers_;
  } else {
    ++instantAnswers_;
  }
}

ReplyEvidence::Verdict ReplyEvidence::frameComplete() {
  const Clock::time_point begunAt = begunBy_.value_or(Clock::now());
  learnPace();
  Verdict verdict;
  const std::optional<Duration> judging = judgingByteTime();
  if (lastSentAt_ && judging) {
    verdict.stale = begunAt < *lastSentAt_ + scaled(frameTime(*judging), kClockTolerance);
  }
  if (!verdict.stale && lastSentAt_ && !answerSeen_) {
    answerSeen_ = true;
    judgeWireLikeness(begunAt);
    const Clock::time_point about = begunAbout_.value_or(begunAt);
    verdict.turnaround =
        std::max(Duration{}, about - (*lastSentAt_ + frameTime(estimateByteTime())));
  }
  frameAbandoned();
  return verdict;
}

void ReplyEvidence::frameAbandoned() {
  begunBy_.reset();
  begunAbout_.reset();
  firstPartial_.reset();
  lastPartial_.reset();
}

void ReplyEvidence::replyTaken(Clock::time_point at) { quietFrom_ = at; }

std::optional<ReplyEvidence::Clock::time_point> ReplyEvidence::quietUntil() const {
  if (!quietFrom_) {
    return std::nullopt;
  }
  return *quietFrom_ + scaled(spellByteTime(), kQuietByteTimes);
}

Duration ReplyEvidence::backDatingByteTime() const {
  if (!pseudoTerminal_) {
    return portByteTime_;
  }
  return learnedPace().value_or(Duration{});
}

std::optional<Duration> ReplyEvidence::judgingByteTime() const {
  if (!pseudoTerminal_) {
    return portByteTime_;
  }
  // A stale repeat taken for an answer looks instant too, but it is the exception.
  if (wireLikeAnswers_ <= instantAnswers_) {
    return std::nullopt;
  }
  return learnedPace();
}

Duration ReplyEvidence::estimateByteTime() const {
  const std::optional<Duration> judging = judgingByteTime();
  if (!pseudoTerminal_) {
    return portByteTime_;
  }
  return judging ? std::max(*judging, portByteTime_) : Duration{};
}

Duration ReplyEvidence::spellByteTime() const {
  const std::optional<Duration> pace = learnedPace();
  if (!pseudoTerminal_ || !pace) {
    return portByteTime_;
  }
  return std::max(portByteTime_, *pace);
}

bool ReplyEvidence::paceSettled() const {
  return !pseudoTerminal_ || paceSamples_.size() >= kSettledPaceSamples;
}

std::optional<Duration> ReplyEvidence::learnedPace() const {
  if (paceSamples_.empty()) {
    return std::nullopt;
  }
  // Every sample is a lower bound; the median stands firm against the one a peer's stall in
  // mid-frame stretched.
  std::vector<Duration> sorted = paceSamples_;
  const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
  std::nth_element(sorted.begin(), middle, sorted.end());
  return *middle;
}

}  // namespace orbelle

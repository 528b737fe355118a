#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

namespace orbelle {

// Whether a frame arriving from the unit can answer the last frame sent. Replies carry no
// sequence number, so a repeated or late reply looks like the answer to the next frame; the
// verdict rests on what a busy machine cannot fake, never on when this process woke up:
//
// - bytes queued before a frame went out cannot answer it (the caller drops them);
// - a frame's first byte arrived no later than the moment its bytes were counted, less the
//   bytes queued behind it times the peer's byte time: late noticing only moves the estimate
//   earlier, which can only make a stale frame look staler;
// - no unit can begin to answer before the frame it answers has crossed the wire;
// - a repeat follows its original at once: after a reply, the line must stay quiet for a
//   few byte times before the next frame goes out, and what comes in meanwhile is queued
//   when it does.
//
// On a real wire the peer's byte time is the port's. A pseudo-terminal has no wire: its peer
// may answer at once or pace its bytes as a line at any rate would, slower than the port's
// setting included. There the pace is learned from the peer's own frames, as a bound that
// holds however late the reads came; it judges arrival times only while the peer has mostly
// answered as a wire would (never sooner than its own frame time after the frame it answered).
class ReplyEvidence {
 public:
  using Clock = std::chrono::steady_clock;
  using Duration = Clock::duration;

  static constexpr std::size_t kFrameBytes = 38;

  struct Verdict {
    bool stale = false;  // began too soon to answer the last frame sent
    // From the end of the last frame on the wire to the first byte of its answer; only for
    // the first frame taken after a send.
    std::optional<Duration> turnaround;
  };

  // A new opening: what was learned of the last peer is forgotten.
  void reset(Duration portByteTime, bool pseudoTerminal);
  // The port's line settings changed.
  void setPortByteTime(Duration portByteTime) { portByteTime_ = portByteTime; }

  // A frame was handed to the system at `at` (the time taken just before the write).
  void frameSent(Clock::time_point at);

  // At `at`, taken after counting, `gathered` bytes of the frame in progress (counted from
  // its first byte) and `queued` bytes in all from that first byte on were waiting.
  void observe(Clock::time_point at, std::size_t gathered, std::size_t queued);
  // The frame in progress is whole: is it stale? Forgets the frame's observations.
  Verdict frameComplete();
  // The frame in progress is dropped without a verdict (it was queued before a send).
  void frameAbandoned();
  // A frame was handed over at `at`: the quiet spell before the next send counts from here.
  void replyTaken(Clock::time_point at);

  // The time before which no frame may go out, so that a repeat following the reply just
  // taken shows in the queue first; none while no reply is waiting for its spell.
  std::optional<Clock::time_point> quietUntil() const;

  // The peer's byte time that arrivals are back-dated by: the port's on a wire, the learned
  // pace on a pseudo-terminal (zero until learned: no back-dating).
  Duration backDatingByteTime() const;
  // The byte time a frame crosses the wire at, when arrival times are judged at all.
  std::optional<Duration> judgingByteTime() const;
  // The byte time the quiet spell is measured in.
  Duration spellByteTime() const;
  // The byte time a turnaround is measured in: the judging one, but on a pseudo-terminal not
  // below the port's, since a learned pace is a lower bound and a peer pacing at the port's
  // rate is the common case; zero for a peer that answers at once.
  Duration estimateByteTime() const;
  // Whether a pseudo-terminal's peer has shown its pace often enough to stop watching its
  // every byte.
  bool paceSettled() const;
  std::optional<Duration> learnedPace() const;

 private:
  struct Observation {
    Clock::time_point at;
    std::size_t gathered = 0;
  };
  void learnPace();
  void judgeWireLikeness(Clock::time_point begunAt);

  Duration portByteTime_{};
  bool pseudoTerminal_ = false;
  std::optional<Clock::time_point> lastSentAt_;
  bool answerSeen_ = false;  // a frame has been taken since the last send
  std::optional<Clock::time_point> quietFrom_;
  // The frame in progress: the latest moment its first byte can have arrived, and its first
  // and last observations while it was incomplete.
  std::optional<Clock::time_point> begunBy_;
  std::optional<Clock::time_point> begunAbout_;  // the same, at estimateByteTime()
  std::optional<Observation> firstPartial_;
  std::optional<Observation> lastPartial_;
  // Lower bounds of the pseudo-terminal peer's byte time, one per frame that showed it.
  std::vector<Duration> paceSamples_;
  // Answers that began no sooner than a wire allows, and answers that came sooner.
  int wireLikeAnswers_ = 0;
  int instantAnswers_ = 0;
};

}  // namespace orbelle

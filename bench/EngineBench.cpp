// The upgrade engine's own cost per block: read 32 bytes of the image, build the frame, seal
// it. The host sends nowhere and its pauses end at once, so only the engine is measured.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "protocol/FrameChannel.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle {
namespace {

class NullHost : public UpgradeChannel, public UpgradeView {
 public:
  void sendFrame(CommandCode code, const FramePayload& payload) override {
    channel.send(code, payload);
    benchmark::DoNotOptimize(channel.lastFrame());
  }
  void dropRepeats() override {}
  void setLineSettings(std::string_view) override {}
  void discardInput() override {}
  void reopenSerial() override {}
  void startPause(PauseKind, int) override { pauseRequested = true; }
  void setUpgradeEnabled(bool) override {}
  void setProgress(int percent) override { benchmark::DoNotOptimize(percent); }
  void transferFinished(UpgradeOutcome, std::string_view, std::string_view, MessageIcon) override {}

  bool pauseRequested = false;
  LinkChoice choice{LinkProtocol::Usb, 1, 115200};
  FrameChannel channel{choice};
};

class ImageOnDisk {
 public:
  explicit ImageOnDisk(std::size_t size)
      : path_(std::filesystem::temp_directory_path() /
              ("orbelle-bench-" + std::to_string(::getpid()) + ".dat")) {
    std::ofstream out(path_, std::ios::binary);
    for (std::size_t i = 0; i < size; ++i) {
      out.put(static_cast<char>(i * 31 + 7));
    }
  }
  ~ImageOnDisk() { std::filesystem::remove(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

ReportFrame replyFrame(CommandCode code) {
  ReportFrame rx{};
  rx[frame_pos::kCode] = codeByte(code);
  return rx;
}

// A base transfer over USB of an image of `size` bytes, with a host that does no I/O.
struct BenchTransfer {
  explicit BenchTransfer(std::size_t size) : image(size) {}

  // Starts again from the first block, past the pause after the start frame.
  void startPastPause() {
    engine.startUpgrade(image.path());
    engine.pauseElapsed();
    const ReportFrame startAck = replyFrame(CommandCode::BaseUpgradeStartAck);
    engine.handleReply({startAck, true});
    host.pauseRequested = false;
  }

  const ImageOnDisk image;
  RunHistory flags;
  NullHost host;
  UpgradeTransfer engine{kBaseUpgradeTable, host.choice, host, host, flags};
  const ReportFrame ack = replyFrame(CommandCode::BaseUpgradeBlockAck);
};

// One iteration = one block acknowledgement answered by the next block. The transfer restarts,
// outside the timing, whenever the image has gone out.
void BM_BlockPerAck(benchmark::State& state) {
  BenchTransfer t(static_cast<std::size_t>(state.range(0)));
  t.startPastPause();

  for (auto _ : state) {
    if (t.engine.offset() == t.engine.imageLength()) {
      state.PauseTiming();
      t.startPastPause();
      state.ResumeTiming();
    }
    t.engine.handleReply({t.ack, true});
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * 32);
}
BENCHMARK(BM_BlockPerAck)->Arg(64 * 1024)->Arg(1024 * 1024);

// A whole transfer of the image, start to last acknowledgement, per iteration.
void BM_WholeTransfer(benchmark::State& state) {
  const auto imageSize = static_cast<std::size_t>(state.range(0));
  BenchTransfer t(imageSize);

  for (auto _ : state) {
    t.startPastPause();
    while (t.engine.state() == UpgradeState::BlockOutstanding) {
      t.engine.handleReply({t.ack, true});
    }
  }
  const auto blocks = static_cast<std::int64_t>((imageSize + 31) / 32);
  state.SetItemsProcessed(state.iterations() * blocks);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(imageSize));
}
BENCHMARK(BM_WholeTransfer)->Arg(256 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orbelle

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "upgrade/TransferFixture.h"

namespace orbelle::testing {
namespace {

using Log = std::vector<std::string>;
using TransferSafety = TransferFixture;

const CommandCode kBaseReplies[] = {
    CommandCode::BaseUpgradeStartAck, CommandCode::BaseUpgradeBlockAck,
    CommandCode::BaseUpgradeBlockRetry, CommandCode::BaseUpgradeHandshake,
    CommandCode::BaseUpgradeDone};

TEST_F(TransferSafety, AnImageThatCannotBeUsedIsRefusedBeforeAnythingIsSent) {
  for (const CommandCode code : kBaseReplies) {
    reply(base, code);
  }
  base.pauseElapsed();
  EXPECT_TRUE(host.log.empty()) << "nothing happens before a start";

  // Which files cannot be opened, and why, vkr's test walks; here is what each refusal does.
  const auto big = dir / "big.dat";
  writeFile(big, "");
  std::filesystem::resize_file(big, 16'777'217);
  struct Case {
    std::filesystem::path path;
    Log log;
  };
  for (const Case& c :
       {Case{image(0), {"disable", "message The file has no data!", "enable"}},
        Case{big,
             {"disable",
              "message The file is too large: 16777217 bytes, but an upgrade image can have at "
              "most 16777216 bytes!",
              "enable"}},
        Case{dir / "missing.dat", {"disable", "message Can not open the file!"}}}) {
    host.clear();
    base.startUpgrade(c.path);
    for (const CommandCode code : kBaseReplies) {
      reply(base, code);
    }
    EXPECT_EQ(host.log, c.log) << c.path;
    EXPECT_EQ(std::tie(host.messages.at(0).title, host.messages.at(0).icon),
              std::tuple("VKR - Software Problem/Settings Message", MessageIcon::Error));
    EXPECT_EQ(host.outcomes.back(), UpgradeOutcome::FileRefused);
    EXPECT_EQ(host.upgradeEnabled, c.log.back() == "enable");
  }
  host.clear();
  handheld.startUpgrade(image(0));
  EXPECT_EQ(host.log,
            (Log{"disable", "message The handheld unit application file has no data!", "enable"}));
  EXPECT_TRUE(runHistory.firstHandheldStart) << "no start frame went out at 9600";

  std::filesystem::resize_file(big, 16'777'216);
  base.startUpgrade(big);
  EXPECT_EQ(readLe32(host.frames.at(0), 2), 0x01000000U);
}

TEST_F(TransferSafety, RepliesLeftFromAnEarlierTransferSendNothing) {
  // A stale start acknowledgement reaching a later opening of the window.
  startPast(base, image(64));
  base.closeImage();
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_TRUE(host.frames.empty());

  // A retry before any block of this transfer went out.
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  ASSERT_EQ(base.lastBlockLength(), 8U);
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  EXPECT_TRUE(host.frames.empty());
  reply(base, CommandCode::BaseUpgradeStartAck);
  EXPECT_EQ(base.offset(), 32U);
}

TEST_F(TransferSafety, ARefusingPortStopsTheTransferWithItsOwnWords) {
  link.protocol = LinkProtocol::Rs232;
  host.reopenRefusal = "Failed to open COM2 (/dev/ttyS1): device busy";
  startPast(base, image(5));
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  base.pauseElapsed();
  EXPECT_EQ(host.messages,
            (std::vector<OperatorMessage>{{"VKR - Hardware Problem/Communication Message",
                                           host.reopenRefusal, MessageIcon::Error}}));
  EXPECT_EQ(std::tuple(host.progress, base.state(), host.outcomes.back()),
            std::tuple(100, UpgradeState::Idle, UpgradeOutcome::LinkFailed));

  // A port gone during the start pause refuses the settings that follow it.
  base.startUpgrade(image(64));
  host.clear();
  host.portRefusal = "Cannot set 19200,n,8,1 on /dev/pts/3: Input/output error";
  reply(base, CommandCode::BaseUpgradeStartAck);
  base.pauseElapsed();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(std::tie(host.messages[0].text, host.outcomes.back()),
            std::tuple(host.portRefusal, UpgradeOutcome::LinkFailed));
  EXPECT_TRUE(host.upgradeEnabled);
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeDone);
  EXPECT_TRUE(host.frames.empty()) << "the queued start acknowledgement went with the transfer";
  EXPECT_EQ(host.messages.size(), 1U) << "no success after a failure";
}

TEST_F(TransferSafety, RepliesDuringTheStartPauseWaitTheirTurn) {
  link.protocol = LinkProtocol::Rs232;
  base.startUpgrade(image(40));
  host.clear();
  reply(base, CommandCode::BaseUpgradeStartAck);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  reply(base, CommandCode::ReadSettings);  // not ours: not even queued
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(base.pendingReplies(), 3U);
  base.pauseElapsed();
  // The first waiting reply answers the start; the others had arrived before block 0 went
  // out, so they cannot answer it and are dropped with its sending.
  EXPECT_EQ(host.log, (Log{"settings 19200,n,8,1", "send 55"}));
  EXPECT_EQ(base.counters().staleReplies, 2U);
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  reply(base, CommandCode::BaseUpgradeBlockAck);
  EXPECT_EQ(slotOf(host.frames.at(2)), 1);
}

// A host whose link answers inside sendFrame and whose pauses end inside startPause, as a
// loop-back in one thread would.
class EagerHost : public FakeUpgradeHost {
 public:
  void sendFrame(CommandCode code, const FramePayload& payload) override {
    FakeUpgradeHost::sendFrame(code, payload);
    ReportFrame rx{};
    rx[1] = codeByte(code == CommandCode::BaseUpgradeStart ? CommandCode::BaseUpgradeStartAck
                                                           : CommandCode::BaseUpgradeBlockAck);
    engine->handleReply({rx, true});
  }
  void startPause(PauseKind kind, int count) override {
    FakeUpgradeHost::startPause(kind, count);
    engine->pauseElapsed();
  }
  UpgradeTransfer* engine = nullptr;
};

TEST_F(TransferSafety, RepliesHandedOverFromInsideAHostCallWaitTheirTurn) {
  link.protocol = LinkProtocol::Rs232;
  EagerHost eager;
  UpgradeTransfer engine{kBaseUpgradeTable, link, eager, eager, runHistory};
  eager.engine = &engine;
  engine.startUpgrade(image(70));
  ASSERT_EQ(eager.frames.size(), 4U);
  for (std::size_t b = 0; b < 3; ++b) {
    EXPECT_EQ(slotOf(eager.frames[b + 1]), b);
  }
  EXPECT_EQ(eager.log, (Log{"discard",
                            "disable",
                            "settings 9600,n,8,1",
                            "send 5a",
                            "pause short x1",
                            "settings 19200,n,8,1",
                            "send 55",
                            "send 55",
                            "progress 91",
                            "send 55",
                            "progress 100",
                            "progress 100",
                            "drop repeats",
                            "pause long x6",
                            "discard",
                            "reopen",
                            "enable",
                            "progress 100",
                            "message The base unit has been upgraded.",
                            "progress 0"}));
}

#ifndef _WIN32  // Windows does not let an image be replaced while it is open
TEST_F(TransferSafety, AnImageChangedDuringTheTransferIsNeverReportedAsSent) {
  // Rewritten in place with other bytes (also with its old modification time put back, as
  // `cp -p` or `rsync --inplace -t` leave it), replaced under its name, or cut short; the
  // change shows at the next read-ahead or, at the latest, at the completion.
  const std::size_t chunk = ImageFile::kReadAhead;
  const auto rewriteWith = [](const std::filesystem::path& path, bool keepTime) {
    const auto before = std::filesystem::last_write_time(path);
    std::string other(std::filesystem::file_size(path), '\x5A');
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fwrite(other.data(), 1, other.size(), file);
    std::fclose(file);
    // A coarse clock could leave the time as it was.
    std::filesystem::last_write_time(path, keepTime ? before : before + std::chrono::seconds(1));
  };
  const auto rewrite = [&](const std::filesystem::path& path) { rewriteWith(path, false); };
  const auto copyOver = [&](const std::filesystem::path& path) { rewriteWith(path, true); };
  const auto replace = [this](const std::filesystem::path& path) {
    const auto fresh = image(std::filesystem::file_size(path), "fresh.dat");
    std::filesystem::rename(fresh, path);
  };
  const auto shrink = [](const std::filesystem::path& path) {
    std::filesystem::resize_file(path, 40);
  };
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> change;
    std::size_t length;
    std::size_t blocksSent;
    bool lastAckFindsIt;
  };
  for (const Case& c :
       {Case{"rewritten", rewrite, chunk + 64, chunk / 32, false},
        Case{"replaced", replace, chunk + 64, chunk / 32, false},
        Case{"copied over with its times", copyOver, chunk + 64, chunk / 32, false},
        Case{"rewritten", rewrite, 100, 4, true}, Case{"cut", shrink, 100, 4, true}}) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.length));
    const auto path = image(c.length);
    startPast(base, path);
    reply(base, CommandCode::BaseUpgradeStartAck);
    c.change(path);
    for (std::size_t ack = 0; ack < c.length / 32 + 2; ++ack) {
      reply(base, CommandCode::BaseUpgradeBlockAck);
    }
    ASSERT_EQ(host.frames.size(), c.blocksSent);
    for (std::size_t b = 0; b < host.frames.size(); ++b) {
      EXPECT_EQ(host.frames[b][5], imageByte(b * 32)) << "block " << b << " is the original's";
    }
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(host.messages[0].text.find("changed"), std::string::npos);
    EXPECT_EQ(std::tuple(host.outcomes.back(), base.counters().completion),
              std::tuple(UpgradeOutcome::ImageChanged, UpgradeCompletion::None));
    EXPECT_TRUE(host.upgradeEnabled);
    reply(base, CommandCode::BaseUpgradeDone);
    EXPECT_EQ(host.messages.size(), 1U);
    std::filesystem::remove(path);
  }

  // A done reply is no success either for an image that changed.
  const auto path = image(100);
  startPast(base, path);
  reply(base, CommandCode::BaseUpgradeStartAck);
  rewrite(path);
  reply(base, CommandCode::BaseUpgradeDone);
  EXPECT_EQ(host.outcomes.back(), UpgradeOutcome::ImageChanged);
}

#endif

TEST_F(TransferSafety, CountersAndEventsFollowTheTransfer) {
  startPast(base, image(40));
  reply(base, CommandCode::BaseUpgradeStartAck, true);
  reply(base, CommandCode::BaseUpgradeHandshake);
  reply(base, CommandCode::BaseUpgradeBlockAck, true);
  reply(base, CommandCode::BaseUpgradeBlockRetry);
  reply(base, CommandCode::ReadSettings);  // not ours: not counted
  reply(base, CommandCode::BaseUpgradeBlockAck, true);
  EXPECT_EQ(host.events,
            (std::vector<UpgradeEvent>{
                UpgradeEvent::StartSent, UpgradeEvent::BlockSent, UpgradeEvent::HandshakeAnswered,
                UpgradeEvent::BlockSent, UpgradeEvent::BlockResent,
                UpgradeEvent::AllBlocksAcknowledged, UpgradeEvent::Completed}));
  // The counts themselves are the vkr summary's, checked end to end.
  EXPECT_EQ(base.counters().resentBytes, 8U) << "the short last block counts its own length";

  startPast(base, image(40));
  EXPECT_EQ(base.counters().blocksSent, 0U) << "a new start counts afresh";
}

}  // namespace
}  // namespace orbelle::testing

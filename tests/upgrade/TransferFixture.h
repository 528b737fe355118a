#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "protocol/ByteOrder.h"
#include "protocol/Fcs16.h"
#include "support/TempDir.h"
#include "upgrade/FakeUpgradeHost.h"
#include "upgrade/UpgradeTransfer.h"

namespace orbelle::testing {

// Image byte i; never zero, so zero padding stands out.
inline std::uint8_t imageByte(std::size_t i) { return static_cast<std::uint8_t>(i % 251 + 1); }

inline std::uint16_t pageOf(const ReportFrame& frame) { return readLe16(frame, 2); }
inline std::uint8_t slotOf(const ReportFrame& frame) { return frame[4]; }

inline bool sealed(const ReportFrame& frame) {
  return Fcs16::update(Fcs16::kInitial, std::span<const std::uint8_t>(frame.data() + 1, 38)) ==
         Fcs16::kGoodResidue;
}

struct TransferFixture : ::testing::Test {
  TempDir dir;
  LinkState link;
  RunFlags runFlags;
  FakeUpgradeHost host{link};
  UpgradeTransfer base{kBaseUpgradeTable, link, host, runFlags};
  UpgradeTransfer handheld{kHandheldUpgradeTable, link, host, runFlags};

  TransferFixture() {
    link.protocol = LinkProtocol::Usb;
    link.baudrate = 19200;
  }

  std::filesystem::path image(std::size_t size, const std::string& name = "image.dat") {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
      bytes[i] = static_cast<char>(imageByte(i));
    }
    writeFile(dir / name, bytes);
    return dir / name;
  }

  // A reply whose other bytes are noise: only the code may matter.
  static void reply(UpgradeTransfer& engine, CommandCode code) {
    ReportFrame rx{};
    rx.fill(0xEE);
    rx[1] = codeByte(code);
    engine.HandleReply(rx);
  }

  static void sealedReply(UpgradeTransfer& engine, CommandCode code) {
    ReportFrame rx{};
    rx[1] = codeByte(code);
    Fcs16::seal(rx);
    engine.HandleReply(rx);
  }

  // Start, let the pause after the start frame end, and clear what the host saw.
  void startPast(UpgradeTransfer& engine, const std::filesystem::path& path) {
    engine.StartUpgrade(path);
    engine.pauseElapsed();
    host.clear();
  }
};

}  // namespace orbelle::testing

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orbelle {

// One frame of every exchange: report ID, code, 35 payload bytes, FCS low, FCS high.
inline constexpr std::size_t kFrameSize = 39;
// Over RS232 the report ID stays behind: bytes 1..38 travel.
inline constexpr std::size_t kWireFrameSize = 38;

namespace frame_pos {
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kCode = 1;
inline constexpr std::size_t kPayloadFirst = 2;
inline constexpr std::size_t kPayloadLast = 36;
inline constexpr std::size_t kFcsLow = 37;
inline constexpr std::size_t kFcsHigh = 38;
// The FCS covers the code and the whole payload area.
inline constexpr std::size_t kFcsCoveredFirst = 1;
inline constexpr std::size_t kFcsCoveredLength = 36;
}  // namespace frame_pos

using ReportFrame = std::array<std::uint8_t, kFrameSize>;

}  // namespace orbelle

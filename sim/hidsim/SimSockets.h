#pragma once

#include <string>
#include <vector>

// The vkr-sims that the stand-ins present as base units: one Unix socket each, named by
// VKR_HIDSIM_SOCKET (separated by ':').
namespace orbelle::hidsim {

// The names as given, in order; empty when the variable is unset or empty.
std::vector<std::string> simSocketPaths();
bool isSimSocketPath(const char* path);
// A connected sequenced-packet socket (one packet per report), or -1 with errno set; `what`
// says which step failed.
int connectToSim(const char* path, bool nonBlocking, std::string& what);

}  // namespace orbelle::hidsim

#include <cstddef>
#include <deque>

namespace orbelle::hidsim {

// An input report as the system hands it over: 38 bytes, report ID 0 stripped.
inline constexpr std::size_t kInputReportSize = 38;
inline constexpr std::size_t kMaxPacket = 4096;

// A packet holds one report, or several of a unit that repeats itself: those reach the
// system's queue together, as reports sent back to back do. Returns the size of the first
// and queues the others for the next reads.
std::size_t firstReportOf(const unsigned char* packet, std::size_t size,
                          std::deque<std::vector<unsigned char>>& queued);

// The next report: one queued behind an earlier one, else the next packet's first (the
// others queued). A report longer than `length` is cut, as hidraw does. recv's result
// otherwise: 0 when the simulator has gone, -1 with errno.
long takeReport(int fd, std::deque<std::vector<unsigned char>>& queued, unsigned char* data,
                std::size_t length, int recvFlags);

}  // namespace orbelle::hidsim

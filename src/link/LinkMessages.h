#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbelle {

// Every text about the link that a window or vkr shows. They state what happened; what the
// operator can do about it is for the program that shows them to add.

// The texts of opening a feature's link (no base unit, no protocol chosen) are those of
// opening/LinkedFeature.h, the decision that shows them.

inline constexpr const char* kThreadNotStartedText =
    "Cannot begin a Thread to receive data,please reset base station if it is connected to PC.";
inline constexpr const char* kThreadNotStartedTitle =
    "Tavri Barcode Suite - Software Problem/Reset Message";
// Asks the operator to plug in the reader and restart the program.
inline constexpr const char* kReadFailedText =
    "\u8bf7\u63d2\u5165\u6761\u7801\u67aa\u5e76\u91cd\u542f\u672c\u8f6f\u4ef6\uff01";
// A read failed without a word from the system.
inline constexpr std::string_view kStoppedAnsweringText = "the base unit stopped answering";

// "Only read 12 bytes": an input report shorter than a frame.
std::string shortReadText(int count);

// "No USB base unit (0471:0003) could be opened".
std::string noUsbBaseUnitText(std::uint16_t vendorId, std::uint16_t productId);
// "it is in use by another program (PID 4242)": the device is locked by one of our programs,
// or by some other program when no PID is known.
std::string inUseByText(std::optional<std::int64_t> pid);
// "its lock file /tmp/orbelle-device-_dev_hidraw3.lock cannot be used: Permission denied".
std::string lockUnavailableText(std::string_view lockPath, std::string_view why);
// What to check when a hidraw node refuses its user: the udev rule, its uaccess tag and the
// seat. `manualPage` is the program whose manual says more ("vkr"). Spoken as a remedy, to
// follow the cause ("; check that ...").
std::string hidrawAccessHint(std::string_view manualPage);
// "cannot open /dev/hidraw3: Permission denied".
std::string hidOpenRefusedText(std::string_view device, std::string_view why);

// "VKR_COM1 cannot be used for COM1: it is not a full path (one that begins with /); ...":
// the environment names a device that must not be opened. The value itself is not shown: it
// may hold control characters.
std::string comVariableRefusedText(std::int32_t comNumber, std::string_view why);

// A serial port as messages name it: "COM3 (/dev/ttyS2)".
std::string comPortName(std::int32_t comNumber, std::string_view device);
// "Failed to open COM3 (/dev/ttyS2): Permission denied".
std::string serialOpenRefusedText(std::string_view portName, std::string_view portText);
// "COM3 (/dev/ttyS2) did not open": the port accepted the opening but does not report open.
std::string serialNotOpenText(std::string_view portName);
// "COM3 (/dev/ttyS2) hung up or went away". The system's words for it ("Inappropriate ioctl
// for device", "Input/output error") say nothing more and are left out.
std::string serialPortLostText(std::string_view portName);
// "the connection to rfc2217://host:2217 was lost: The remote host closed the connection".
std::string remotePortLostText(std::string_view portName, std::string_view why);
// "remote serial ports need /usr/lib/orbelle/liborbelle-remote-port.so, which cannot be
// loaded: ...": the module that holds them is missing or broken.
std::string remoteLineModuleFailedText(std::string_view modulePath, std::string_view why);
// Why a module of another version is not used.
inline constexpr std::string_view kRemoteLineModuleOtherVersionText =
    "it belongs to another version of the program";
std::string lineSettingsRefusedText(std::string_view settings, std::string_view device,
                                    std::string_view portText);
std::string unknownLineSettingsText(std::string_view settings);

}  // namespace orbelle

#include "HumanText.h"

#include <QCoreApplication>

#include "l10n/MessageTexts.h"
#include "l10n/Translations.h"

namespace orbelle::cli {

namespace {

// vkr's own texts, as it makes them in English; the core's are in the "Message" table.
const l10n::TextTable kVkrTexts{
    "vkr",
    {
        // Opening the link.
        QT_TRANSLATE_NOOP("vkr",
                          "%1 (the stored protocol is not recognised: run \"vkr prefs set "
                          "protocol usb\" or rs232, or pass --link)"),
        QT_TRANSLATE_NOOP("vkr",
                          "%1; add yourself to the dialout group (sudo usermod -aG dialout $USER, "
                          "then log in again)"),
        QT_TRANSLATE_NOOP("vkr", "%1; the port may be in use by another program"),
        QT_TRANSLATE_NOOP("vkr", "%1; wait until that program has finished, or close it"),
        QT_TRANSLATE_NOOP("vkr", "%1; close that program, or choose another port"),
        QT_TRANSLATE_NOOP("vkr", "%1; is it plugged in?"),
        QT_TRANSLATE_NOOP("vkr", "%1; check the cable and the device path"),
        QT_TRANSLATE_NOOP("vkr",
                          "%1; check the cable, or name the device with \"vkr prefs set com %2 "
                          "PATH\" or VKR_COM%3"),
        QT_TRANSLATE_NOOP("vkr", "%1 (report ignored)"),
        QT_TRANSLATE_NOOP("vkr",
                          "%1 input reports shorter than a frame were ignored (the last: %2)"),

        // Settings.
        QT_TRANSLATE_NOOP("vkr", "%1 (bootloader %2, application %3)"),
        QT_TRANSLATE_NOOP(
            "vkr",
            "Cannot communicate with the base unit. No reply to the settings request within %1 s."),
        QT_TRANSLATE_NOOP(
            "vkr", "Cannot communicate with the base unit. No reply to the upload within %1 s."),
        QT_TRANSLATE_NOOP("vkr", "Cannot communicate with the base unit. The link broke: %1"),
        QT_TRANSLATE_NOOP("vkr", "unexpected answer: %1"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted before the base unit confirmed the upload: whether it took "
                          "the new settings is unknown (vkr settings read shows what it has)"),
        QT_TRANSLATE_NOOP("vkr", "interrupted: nothing was uploaded"),
        QT_TRANSLATE_NOOP("vkr",
                          "The base unit has never been set: starting from the default settings."),
        //: %1 is a setting's name as vkr settings set takes it ("power"), %2 and %3 its values.
        QT_TRANSLATE_NOOP("vkr", "Also changed %1 from %2 to %3 (%4)."),
        QT_TRANSLATE_NOOP("vkr", "not a power the settings window offers"),
        QT_TRANSLATE_NOOP("vkr", "outside the range with hopping"),
        QT_TRANSLATE_NOOP("vkr", "a code the settings window has no button for"),
        QT_TRANSLATE_NOOP("vkr", "channel %1 is outside %2"),
        QT_TRANSLATE_NOOP("vkr", "the base unit reports channel %1, outside %2; choose a channel"),
        QT_TRANSLATE_NOOP("vkr", "1 to %1 for %2 with hopping"),
        QT_TRANSLATE_NOOP("vkr", "1 to %1 for %2 without hopping"),
        QT_TRANSLATE_NOOP("vkr", "say what to change, for example --channel 3 (see --help)"),
        QT_TRANSLATE_NOOP("vkr",
                          "--ids takes IDs from 1 to 16 separated by commas, or \"none\" to clear "
                          "them all, not \"%1\""),
        //: %1 is an option, %2 the values it takes: "--parity takes none, odd, even, not "x"".
        QT_TRANSLATE_NOOP("vkr", "%1 takes %2, not \"%3\""),
        QT_TRANSLATE_NOOP("vkr", "--power takes %1 (dBm)"),
        QT_TRANSLATE_NOOP("vkr", "--rs232-baud takes 4800, 9600, 19200, 38400, 57600 or 115200"),
        //: The table of vkr settings read: the values start in column 22, as in English.
        QT_TRANSLATE_NOOP("vkr", "nation               %1"),
        QT_TRANSLATE_NOOP("vkr", "%1 (not changed: vkr uploads no nation)"),
        QT_TRANSLATE_NOOP("vkr", "frequency hopping    %1"),
        QT_TRANSLATE_NOOP("vkr", "channel              %1"),
        QT_TRANSLATE_NOOP("vkr", "power                %1 dBm"),
        QT_TRANSLATE_NOOP("vkr", "handheld IDs         %1"),
        QT_TRANSLATE_NOOP("vkr", "RS232 baud rate      %1"),
        QT_TRANSLATE_NOOP("vkr", "RS232 data bits      %1"),
        QT_TRANSLATE_NOOP("vkr", "RS232 stop bits      %1"),
        QT_TRANSLATE_NOOP("vkr", "RS232 parity         %1"),
        QT_TRANSLATE_NOOP("vkr", "RS232 flow control   %1"),
        QT_TRANSLATE_NOOP("vkr", "numeric key          %1"),
        QT_TRANSLATE_NOOP("vkr", "bootloader version   %1"),
        QT_TRANSLATE_NOOP("vkr", "application version  %1"),
        QT_TRANSLATE_NOOP("vkr", "(none)"),

        // Devices and preferences.
        QT_TRANSLATE_NOOP("vkr", "USB base units (0471:0003):"),
        QT_TRANSLATE_NOOP("vkr", "%1  (beyond the first 32 HID interfaces: not used)"),
        QT_TRANSLATE_NOOP("vkr", "  none found"),
        QT_TRANSLATE_NOOP("vkr", "Serial ports:"),
        QT_TRANSLATE_NOOP("vkr", "not present"),
        QT_TRANSLATE_NOOP("vkr", "environment"),
        QT_TRANSLATE_NOOP("vkr", "stored"),
        QT_TRANSLATE_NOOP("vkr", "default"),
        QT_TRANSLATE_NOOP("vkr", "given"),
        QT_TRANSLATE_NOOP("vkr", "%1; refused: %2"),
        QT_TRANSLATE_NOOP("vkr", "%1; the stored device was passed over: %2"),
        QT_TRANSLATE_NOOP("vkr", "(not shown)"),
        QT_TRANSLATE_NOOP("vkr", "%1  none (not recognised; set it)"),
        QT_TRANSLATE_NOOP("vkr", "%1  (none)"),
        QT_TRANSLATE_NOOP("vkr", "stored %1"),
        QT_TRANSLATE_NOOP("vkr", "could not store %1 in %2"),
        QT_TRANSLATE_NOOP("vkr", "COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not \"%1\""),
        QT_TRANSLATE_NOOP("vkr", "protocol must be usb or rs232, not \"%1\""),
        QT_TRANSLATE_NOOP("vkr", "baud rate must be %1, not \"%2\""),
        QT_TRANSLATE_NOOP("vkr",
                          "the device path cannot be used: %1; give the device's full path, for "
                          "example /dev/ttyUSB0"),
        QT_TRANSLATE_NOOP("vkr",
                          "the device path is longer than %1 bytes and could not be read back"),
        QT_TRANSLATE_NOOP("vkr", "--device needs the path of a serial device"),
        QT_TRANSLATE_NOOP("vkr",
                          "--device cannot be used: %1; give the device's full path, for example "
                          "/dev/ttyUSB0"),
        QT_TRANSLATE_NOOP("vkr", "--device names a serial device: it cannot go with --link usb"),
        QT_TRANSLATE_NOOP("vkr", "warning: %1"),

        // Upgrades.
        QT_TRANSLATE_NOOP("vkr", "Upgrading the base unit with %1 bytes..."),
        QT_TRANSLATE_NOOP("vkr", "Upgrading the handheld unit with %1 bytes..."),
        QT_TRANSLATE_NOOP(
            "vkr", "Every block is acknowledged; waiting %1 s for the base unit to restart..."),
        QT_TRANSLATE_NOOP("vkr",
                          "Every block is acknowledged; waiting %1 s for the handheld unit to "
                          "restart..."),
        //: The sleep inhibitor's reason, shown by the desktop.
        QT_TRANSLATE_NOOP("vkr", "Upgrading the base unit"),
        QT_TRANSLATE_NOOP("vkr", "Upgrading the handheld unit"),
        QT_TRANSLATE_NOOP("vkr",
                          "Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 "
                          "s, %6/s; completion %7; %8 replies with a wrong FCS were taken by their "
                          "code"),
        QT_TRANSLATE_NOOP("vkr",
                          "Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 "
                          "s, %6/s; completion %7"),
        QT_TRANSLATE_NOOP("vkr",
                          "Cannot communicate with the base unit: no reply within %1 s in the base "
                          "unit upgrade %2."),
        QT_TRANSLATE_NOOP("vkr",
                          "Cannot communicate with the base unit: no reply within %1 s in the "
                          "handheld unit upgrade %2."),
        QT_TRANSLATE_NOOP("vkr", "Cannot communicate with the base unit. The link broke %1: %2"),
        QT_TRANSLATE_NOOP("vkr", "(in the pause after the start frame)"),
        QT_TRANSLATE_NOOP("vkr", "(waiting for the answer to the start frame)"),
        QT_TRANSLATE_NOOP("vkr",
                          "(waiting for the answer to the block at byte %1 of %2, %3 blocks sent)"),
        QT_TRANSLATE_NOOP("vkr", "(after %1 blocks)"),
        QT_TRANSLATE_NOOP("vkr", "interrupted before anything was sent to the base unit"),
        QT_TRANSLATE_NOOP("vkr", "interrupted before anything was sent to the handheld unit"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted while the base unit restarted after acknowledging all %1 "
                          "blocks: the end of the upgrade was not seen"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted while the handheld unit restarted after acknowledging all "
                          "%1 blocks: the end of the upgrade was not seen"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after the start frame, before the first of %1 blocks; the "
                          "base unit is waiting for them: run the upgrade again"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after the start frame, before the first of %1 blocks; the "
                          "handheld unit is waiting for them: run the upgrade again"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after all %1 blocks, before the base unit acknowledged the "
                          "last: run the upgrade again to be sure"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after all %1 blocks, before the handheld unit acknowledged "
                          "the last: run the upgrade again to be sure"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after %1 of %2 blocks; the base unit is waiting for the "
                          "rest: run the upgrade again"),
        QT_TRANSLATE_NOOP("vkr",
                          "interrupted after %1 of %2 blocks; the handheld unit is waiting for "
                          "the rest: run the upgrade again"),
        QT_TRANSLATE_NOOP("vkr", "%1 is empty"),
        QT_TRANSLATE_NOOP("vkr", "%1: is a directory"),
        QT_TRANSLATE_NOOP("vkr", "%1: is not a regular file"),

        // Loose patterns, tried after every other.
        //: A statement and its detail: "Can not open the file! (/tmp/x.dat: is a directory)".
        QT_TRANSLATE_NOOP("vkr", "%1 (%2)"),
    }};

}  // namespace

std::string humanText(std::string_view english) {
  if (!l10n::Translations::active()) {
    return std::string(english);  // nothing to look up: the catalogue is not even built
  }
  static const l10n::TextCatalogue catalogue({&l10n::messageTexts(), &kVkrTexts});
  return catalogue.translateToUtf8(english);
}

}  // namespace orbelle::cli

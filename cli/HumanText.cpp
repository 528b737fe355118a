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
                          "example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT"),
        QT_TRANSLATE_NOOP("vkr",
                          "the device path is longer than %1 bytes and could not be read back"),
        QT_TRANSLATE_NOOP("vkr", "--device needs the path of a serial device"),
        QT_TRANSLATE_NOOP("vkr",
                          "--device cannot be used: %1; give the device's full path, for example "
                          "/dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT"),
        QT_TRANSLATE_NOOP("vkr", "--device names a serial device: it cannot go with --link usb"),
        QT_TRANSLATE_NOOP("vkr", "warning: %1"),

        // Several units.
        QT_TRANSLATE_NOOP("vkr",
                          "--all-units found no USB base unit (0471:0003); is one plugged in?"),
        QT_TRANSLATE_NOOP("vkr",
                          "%1; none has the path or serial number %2 (vkr devices lists them); is "
                          "it plugged in?"),
        QT_TRANSLATE_NOOP("vkr",
                          "--unit %1: %2 USB units have that serial number; name each by its path "
                          "(see vkr devices)"),
        QT_TRANSLATE_NOOP("vkr", "--unit %1: %2"),
        //: %1 is --unit or --all-units, %2 another option: --link, --port or --device.
        QT_TRANSLATE_NOOP("vkr", "%1 names the units and their links: it cannot go with %2"),
        QT_TRANSLATE_NOOP("vkr",
                          "--unit needs a unit's path, serial number or URL, without control "
                          "characters"),
        //: %3 lists the units that failed, each with its exit status: "UNIT3 (3)".
        QT_TRANSLATE_NOOP("vkr", "%1 of %2 units failed: %3"),

        // Settings files.
        QT_TRANSLATE_NOOP("vkr", "the settings file %1 cannot be read (%2)"),
        QT_TRANSLATE_NOOP("vkr", "the settings file %1 cannot be used: %2"),
        QT_TRANSLATE_NOOP("vkr", "it is larger than %1"),
        QT_TRANSLATE_NOOP("vkr", "it is not JSON (%1)"),
        QT_TRANSLATE_NOOP("vkr", "not a settings file of orbelle: it holds no JSON object"),
        QT_TRANSLATE_NOOP("vkr", "not a settings file of orbelle: it has no \"format\""),
        QT_TRANSLATE_NOOP("vkr", "not a settings file of orbelle: its format is %1"),
        //: %1 is a key of the settings file, as written in it ("rs232.parity").
        QT_TRANSLATE_NOOP("vkr", "unknown key \"%1\""),
        QT_TRANSLATE_NOOP("vkr", "missing key \"%1\""),
        //: %1 is a key, %2 the kind of value it takes, %3 the value the file gives.
        QT_TRANSLATE_NOOP("vkr", "%1 must be %2, not %3"),
        QT_TRANSLATE_NOOP("vkr", "a whole number"),
        QT_TRANSLATE_NOOP("vkr", "a whole number or null"),
        QT_TRANSLATE_NOOP("vkr", "a text"),
        QT_TRANSLATE_NOOP("vkr", "a text or null"),
        QT_TRANSLATE_NOOP("vkr", "true or false"),
        QT_TRANSLATE_NOOP("vkr", "a list of IDs"),
        QT_TRANSLATE_NOOP("vkr", "an object"),
        //: %1 is a key, %2 the file's value, %3 the values it may take.
        QT_TRANSLATE_NOOP("vkr", "%1 is %2, not one of %3"),
        QT_TRANSLATE_NOOP("vkr", "channel is %1, outside 1 to %2"),
        QT_TRANSLATE_NOOP("vkr", "ids holds %1, outside 1 to 16"),
        //: %1 and %2 are nations as the settings file names them: europe, china, turkey.
        QT_TRANSLATE_NOOP("vkr",
                          "nation %1 is not the base unit's (%2): an upload cannot change the "
                          "nation"),
        QT_TRANSLATE_NOOP("vkr", "settings save reads one unit: name it with --unit"),
        QT_TRANSLATE_NOOP("vkr", "saved the base unit's settings in %1"),
        QT_TRANSLATE_NOOP("vkr", "dry run: nothing was uploaded"),
        QT_TRANSLATE_NOOP("vkr", "nothing to change"),
        QT_TRANSLATE_NOOP("vkr", "the settings read back are those of the file"),
        //: %1 lists each setting as uploaded and as read back: "channel: 7 -> 3".
        QT_TRANSLATE_NOOP("vkr",
                          "the settings read back after the upload are not those uploaded: %1"),
        QT_TRANSLATE_NOOP("vkr",
                          "Cannot communicate with the base unit. No reply to the settings "
                          "request after the upload within %1 s."),

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
        //: Versions as the base unit reports them: "application version 2.1.0 before, 2.1.1 after".
        QT_TRANSLATE_NOOP("vkr", "application version %1 before, %2 after"),
        QT_TRANSLATE_NOOP("vkr", "application version %1 before, not read after"),
        QT_TRANSLATE_NOOP("vkr", "application version %1 after, not read before"),
        QT_TRANSLATE_NOOP("vkr", "the base unit's versions before the upgrade are not known (%1)"),
        QT_TRANSLATE_NOOP("vkr",
                          "the base unit's versions after the upgrade could not be read (%1): "
                          "check that it restarted (its power, its cable, the link), then run vkr "
                          "settings read"),
        QT_TRANSLATE_NOOP("vkr", "interrupted before the base unit's versions were read again"),
        QT_TRANSLATE_NOOP("vkr", "no reply to the settings request within %1 s"),
        QT_TRANSLATE_NOOP("vkr", "the link broke: %1"),
        QT_TRANSLATE_NOOP("vkr", "interrupted"),
        QT_TRANSLATE_NOOP("vkr", "an unexpected answer"),
        QT_TRANSLATE_NOOP("vkr", "no settings reply"),
        QT_TRANSLATE_NOOP("vkr", "%1 is empty"),
        QT_TRANSLATE_NOOP("vkr", "%1: is a directory"),
        QT_TRANSLATE_NOOP("vkr", "%1: is not a regular file"),

        // The history of upgrades.
        QT_TRANSLATE_NOOP("vkr", "no upgrade has been recorded in %1"),
        QT_TRANSLATE_NOOP("vkr", "line %1 of %2 is not an upgrade record: it is skipped"),
        QT_TRANSLATE_NOOP("vkr",
                          "the last line of %1 is incomplete (its program ended while writing it): "
                          "it is skipped"),

        // Loose patterns, tried after every other.
        //: A statement and its detail: "Can not open the file! (/tmp/x.dat: is a directory)".
        QT_TRANSLATE_NOOP("vkr", "%1 (%2)"),
    }};

// The words of vkr's tables, looked up whole in a context of their own: "done" in a table must
// not translate the same word where it is a value vkr prints ("completion done").
const l10n::TextTable kTableWords{
    "vkr table",
    {
        //: The headings of the table that ends a run on several units, and of vkr history.
        QT_TRANSLATE_NOOP("vkr table", "unit"),
        QT_TRANSLATE_NOOP("vkr table", "result"),
        QT_TRANSLATE_NOOP("vkr table", "time"),
        //: How a unit's run ended, in the table's result column; the number is the exit status.
        QT_TRANSLATE_NOOP("vkr table", "done"),
        QT_TRANSLATE_NOOP("vkr table", "failed (1)"),
        QT_TRANSLATE_NOOP("vkr table", "refused (2)"),
        QT_TRANSLATE_NOOP("vkr table", "link not usable (3)"),
        QT_TRANSLATE_NOOP("vkr table", "no reply (4)"),
        QT_TRANSLATE_NOOP("vkr table", "never set (5)"),
        QT_TRANSLATE_NOOP("vkr table", "image unusable (6)"),
        QT_TRANSLATE_NOOP("vkr table", "interrupted (%1)"),
        QT_TRANSLATE_NOOP("vkr table", "exit %1"),
        //: The headings of vkr history's table (besides result and time); "upgrade" heads the
        //: column of base and handheld, as in vkr upgrade base.
        QT_TRANSLATE_NOOP("vkr table", "upgrade"),
        QT_TRANSLATE_NOOP("vkr table", "program"),
        QT_TRANSLATE_NOOP("vkr table", "device"),
        QT_TRANSLATE_NOOP("vkr table", "image"),
        QT_TRANSLATE_NOOP("vkr table", "application"),
    }};

}  // namespace

std::string tableWord(std::string_view english) {
  if (!l10n::Translations::active()) {
    return std::string(english);
  }
  const std::string source(english);
  return QCoreApplication::translate(kTableWords.context, source.c_str()).toStdString();
}

std::string humanText(std::string_view english) {
  if (!l10n::Translations::active()) {
    return std::string(english);  // nothing to look up: the catalogue is not even built
  }
  static const l10n::TextCatalogue catalogue({&l10n::messageTexts(), &kVkrTexts});
  return catalogue.translateToUtf8(english);
}

}  // namespace orbelle::cli

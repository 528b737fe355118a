#include "l10n/MessageTexts.h"

#include <QCoreApplication>

#include "l10n/Translations.h"

namespace orbelle::l10n {

namespace {

const TextTable kMessages{
    "Message",
    {
        // The titles of the boxes.
        QT_TRANSLATE_NOOP("Message", "VKR - Software Problem/Communication Message"),
        QT_TRANSLATE_NOOP("Message", "VKR - Hardware Problem/Communication Message"),
        QT_TRANSLATE_NOOP("Message", "VKR - Software Problem/Settings Message"),
        QT_TRANSLATE_NOOP("Message", "VKR - Software Problem/Channel Number Setting Message"),
        QT_TRANSLATE_NOOP("Message", "VKR - Software Problem/Preferences Message"),
        QT_TRANSLATE_NOOP("Message", "Tavri Barcode Suite - Software Problem/Reset Message"),

        // Opening a link.
        QT_TRANSLATE_NOOP("Message", "Cannot communicate with the base unit!"),
        QT_TRANSLATE_NOOP("Message", "Please set the communicate attribute before communication!"),
        //: The two blanks at the end belong to the English text only.
        QT_TRANSLATE_NOOP("Message",
                          "Please ensure the base unit is well connected to PC, and is in setting "
                          "mode.  "),
        QT_TRANSLATE_NOOP("Message", "Cannot open COM port!"),
        QT_TRANSLATE_NOOP("Message", "Cannot communicate with the base unit! %1"),
        QT_TRANSLATE_NOOP("Message", "The base unit was unplugged (%1)."),

        // The settings exchange.
        QT_TRANSLATE_NOOP("Message",
                          "No settings can be read from the base unit.\nThe unit may have not "
                          "been set."),
        QT_TRANSLATE_NOOP("Message", "The current settings of base unit have been loaded."),
        QT_TRANSLATE_NOOP("Message", "The new settings of base unit have been uploaded."),
        QT_TRANSLATE_NOOP("Message", "Cannot communicate with the base unit."),
        QT_TRANSLATE_NOOP("Message",
                          "The setting of channel number is out of valid range.\nThe old setting "
                          "will be replaced with the default setting."),

        // The settings summary, line by line.
        QT_TRANSLATE_NOOP("Message", "The nation is Europe, frequency hopping is disable."),
        QT_TRANSLATE_NOOP("Message", "The nation is Europe, frequency hopping is enable."),
        QT_TRANSLATE_NOOP("Message", "The nation is China, frequency hopping is disable."),
        QT_TRANSLATE_NOOP("Message", "The nation is China, frequency hopping is enable."),
        QT_TRANSLATE_NOOP("Message", "The nation is Turkey, frequency hopping is disable."),
        QT_TRANSLATE_NOOP("Message", "The nation is Turkey, frequency hopping is enable."),
        //: %1 is the sentence on the nation and hopping, %2 the number of handheld units.
        QT_TRANSLATE_NOOP("Message", "%1Now there are %2 Barcode readers registered at this base."),
        //: %1 lists the IDs of the registered handheld units: "1,3".
        QT_TRANSLATE_NOOP("Message", "They are Reader %1!"),
        QT_TRANSLATE_NOOP("Message", "They are Reader!"),
        QT_TRANSLATE_NOOP("Message", "Channel  %1 is used to communicate."),
        QT_TRANSLATE_NOOP("Message", "The Base RF output power is %1dBm!"),
        QT_TRANSLATE_NOOP("Message", "Europe"),
        QT_TRANSLATE_NOOP("Message", "China"),
        QT_TRANSLATE_NOOP("Message", "Turkey"),

        // Upgrades.
        QT_TRANSLATE_NOOP("Message", "Can not open the file!"),
        QT_TRANSLATE_NOOP("Message", "The file has no data!"),
        QT_TRANSLATE_NOOP("Message", "The base unit has been upgraded."),
        QT_TRANSLATE_NOOP("Message", "The handheld unit application file has no data!"),
        QT_TRANSLATE_NOOP("Message", "The handheld unit has been upgraded"),
        QT_TRANSLATE_NOOP("Message",
                          "The file is too large: %1 bytes, but an upgrade image can have at most "
                          "%2 bytes!"),
        QT_TRANSLATE_NOOP("Message",
                          "Can not read the file at byte %1 of %2; it may have changed since the "
                          "upgrade started!"),
        QT_TRANSLATE_NOOP("Message",
                          "The file changed while it was being sent, so the unit may have "
                          "received parts of two different images. The upgrade was stopped; "
                          "please send the file again!"),
        //: %1 says what came: "2 frames (block acknowledgement, retry request)".
        QT_TRANSLATE_NOOP("Message",
                          "The base unit sent %1 after the last block, when it should have been "
                          "restarting, so it is not known whether the base unit received the "
                          "whole image. Please send the file again!"),
        QT_TRANSLATE_NOOP("Message",
                          "The base unit sent %1 after the last block, when it should have been "
                          "restarting, so it is not known whether the handheld unit received the "
                          "whole image. Please send the file again!"),
        QT_TRANSLATE_NOOP("Message", "%1 and %2 bytes that were dropped"),
        QT_TRANSLATE_NOOP("Message", "%1 bytes that were dropped"),
        QT_TRANSLATE_NOOP("Message", "1 frame (%1)"),
        QT_TRANSLATE_NOOP("Message", "%1 frames (%2)"),
        QT_TRANSLATE_NOOP("Message", "start acknowledgement"),
        QT_TRANSLATE_NOOP("Message", "block acknowledgement"),
        QT_TRANSLATE_NOOP("Message", "retry request"),
        QT_TRANSLATE_NOOP("Message", "handshake"),
        QT_TRANSLATE_NOOP("Message", "done reply"),
        QT_TRANSLATE_NOOP("Message", "end of a pause"),
        QT_TRANSLATE_NOOP("Message",
                          "The serial line adds about %1 ms before each reply (a USB-serial "
                          "adapter's latency timer): this transfer will take about %2 instead of "
                          "%3. An adapter or driver that supports low latency avoids it "
                          "(setserial %4 low_latency)."),
        QT_TRANSLATE_NOOP("Message", "The upgrade stopped on an unexpected failure!"),
        QT_TRANSLATE_NOOP("Message", "The upgrade stopped on an unexpected failure: %1"),
        //: Sent and total bytes, the rate and the time left: "12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49
        //: left".
        QT_TRANSLATE_NOOP("Message", "%1 of %2, %3/s, %4 left"),

        // The links.
        QT_TRANSLATE_NOOP("Message",
                          "Cannot begin a Thread to receive data,please reset base station if it "
                          "is connected to PC."),
        //: Asks the operator to plug in the barcode reader and start the program again.
        QT_TRANSLATE_NOOP("Message", "请插入条码枪并重启本软件！"),
        QT_TRANSLATE_NOOP("Message", "the base unit stopped answering"),
        QT_TRANSLATE_NOOP("Message", "Only read %1 bytes"),
        QT_TRANSLATE_NOOP("Message", "No USB base unit (%1) could be opened; %2"),
        QT_TRANSLATE_NOOP("Message", "No USB base unit (%1) could be opened"),
        QT_TRANSLATE_NOOP("Message", "it is in use by another program (PID %1)"),
        QT_TRANSLATE_NOOP("Message", "it is in use by another program"),
        QT_TRANSLATE_NOOP("Message", "its lock file %1 cannot be used: %2"),
        QT_TRANSLATE_NOOP("Message", "it cannot be written"),
        QT_TRANSLATE_NOOP("Message", "it is not a regular file"),
        QT_TRANSLATE_NOOP("Message", "it keeps being replaced"),
        //: %1 is the cause; %2 the program whose manual tells more.
        QT_TRANSLATE_NOOP("Message",
                          "%1. Check that the udev rule 70-orbelle-base-unit.rules is installed "
                          "(it tags the base unit \"uaccess\") and that you are logged in at this "
                          "computer's seat, in its active session: uaccess opens the device only "
                          "to that user, not to a remote login or a session switched away from; "
                          "then plug the base unit in again (man %2, \"DEVICE ACCESS\")."),
        QT_TRANSLATE_NOOP("Message",
                          "%1; check that the udev rule 70-orbelle-base-unit.rules is installed "
                          "(it tags the base unit \"uaccess\") and that you are logged in at this "
                          "computer's seat, in its active session: uaccess opens the device only "
                          "to that user, not to a remote login or a session switched away from; "
                          "then plug the base unit in again (man %2, \"DEVICE ACCESS\")"),
        QT_TRANSLATE_NOOP("Message", "%1. Wait until that program has finished, or close it."),
        QT_TRANSLATE_NOOP("Message", "%1. Is it plugged in?"),
        QT_TRANSLATE_NOOP("Message", "Cannot open %1: %2"),
        QT_TRANSLATE_NOOP("Message", "cannot open %1: %2"),
        QT_TRANSLATE_NOOP("Message",
                          "VKR_%1 cannot be used for %2: %3; set it to the device's full path, "
                          "for example /dev/ttyUSB0, or unset it"),
        QT_TRANSLATE_NOOP("Message", "it is empty"),
        QT_TRANSLATE_NOOP("Message", "it is not a full path (one that begins with /)"),
        QT_TRANSLATE_NOOP("Message", "it holds a control character"),
        QT_TRANSLATE_NOOP("Message", "it is not usable"),
        QT_TRANSLATE_NOOP("Message", "Failed to open %1: %2"),
        QT_TRANSLATE_NOOP("Message", "%1 did not open"),
        QT_TRANSLATE_NOOP("Message", "%1 hung up or went away"),
        QT_TRANSLATE_NOOP("Message", "Cannot set %1 on %2: %3"),
        QT_TRANSLATE_NOOP("Message", "Unknown serial line settings \"%1\""),
        QT_TRANSLATE_NOOP("Message",
                          "it is not a URL of the form rfc2217://HOST:PORT or socket://HOST:PORT"),

        // Remote serial ports.
        //: %1 is the port's URL, %2 why: "the connection to rfc2217://host:2217 was lost: ...".
        QT_TRANSLATE_NOOP("Message", "the connection to %1 was lost: %2"),
        QT_TRANSLATE_NOOP("Message", "the connection was closed"),
        QT_TRANSLATE_NOOP("Message", "%1 (the connection was closed)"),
        QT_TRANSLATE_NOOP("Message",
                          "the server did not answer the offer of RFC 2217's COM-PORT-OPTION"),
        QT_TRANSLATE_NOOP(
            "Message",
            "the server does not take RFC 2217's COM-PORT-OPTION (a raw port is named "
            "socket://HOST:PORT)"),
        //: %1 and %2 are line settings: "9600,n,8,1".
        QT_TRANSLATE_NOOP("Message",
                          "the far port's settings are fixed at %1 by its server, and %2 is needed "
                          "(rfc2217://HOST:PORT lets the settings travel)"),
        QT_TRANSLATE_NOOP("Message", "the server did not acknowledge the line settings %1"),
        QT_TRANSLATE_NOOP("Message", "the server set the far port to %1 baud, not %2"),
        //: %1 is the program's module file, %2 why: "remote serial ports need
        //: /usr/lib/x86_64-linux-gnu/orbelle/liborbelle-remote-port.so, which cannot be loaded:
        //: No such file or directory".
        QT_TRANSLATE_NOOP("Message", "remote serial ports need %1, which cannot be loaded: %2"),
        QT_TRANSLATE_NOOP("Message", "it belongs to another version of the program"),

        // The preference store.
        QT_TRANSLATE_NOOP("Message", "The stored link settings could not be used:"),
        QT_TRANSLATE_NOOP("Message", "The program runs on the default settings."),
        QT_TRANSLATE_NOOP("Message",
                          "Your choice could not be stored: %1.\nIt lasts only for this run."),
        QT_TRANSLATE_NOOP("Message", "the preference store cannot be used"),
        QT_TRANSLATE_NOOP("Message", "%1; it is left as it is and the defaults are used"),
        QT_TRANSLATE_NOOP("Message", "%1; the change was not stored"),
        QT_TRANSLATE_NOOP("Message", "%1; the values read before are used"),
        QT_TRANSLATE_NOOP("Message", "%1 could not be parsed nor kept as %2 (%3)"),
        QT_TRANSLATE_NOOP("Message", "%1 could not be parsed; it was kept as %2"),
        QT_TRANSLATE_NOOP("Message",
                          "%1 could not be parsed, and %2 earlier copies are kept already"),
        QT_TRANSLATE_NOOP("Message", "%1 was being changed by another program for %2 ms"),
        QT_TRANSLATE_NOOP("Message", "cannot create the folder %1 (%2)"),
        QT_TRANSLATE_NOOP("Message", "cannot lock %1 (%2)"),
        QT_TRANSLATE_NOOP("Message", "cannot write %1 (%2)"),
        QT_TRANSLATE_NOOP("Message", "it would be larger than %1"),
        QT_TRANSLATE_NOOP("Message", "%1 cannot be read (%2)"),
        QT_TRANSLATE_NOOP("Message", "%1 is larger than %2"),
        QT_TRANSLATE_NOOP("Message", "%1 is %2, not a regular file"),
        QT_TRANSLATE_NOOP("Message", "a folder"),
        QT_TRANSLATE_NOOP("Message", "a named pipe"),
        QT_TRANSLATE_NOOP("Message", "a device"),
        QT_TRANSLATE_NOOP("Message", "a socket"),
        QT_TRANSLATE_NOOP("Message", "something else"),

        // The record of upgrades.
        QT_TRANSLATE_NOOP("Message", "The upgrade could not be recorded: %1"),
        QT_TRANSLATE_NOOP("Message", "only %1 of %2 bytes were written"),

        // Loose patterns, tried after every other.
        //: A statement that ends with a full stop: "%1" is the statement.
        QT_TRANSLATE_NOOP("Message", "%1."),
    }};

}  // namespace

const TextTable& messageTexts() { return kMessages; }

QString operatorText(std::string_view english) {
  if (!Translations::active()) {
    return QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
  }
  static const TextCatalogue catalogue({&kMessages});
  return catalogue.translate(english);
}

}  // namespace orbelle::l10n

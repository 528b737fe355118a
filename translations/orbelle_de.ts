<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Message</name>
    <message>
        <source>VKR - Software Problem/Communication Message</source>
        <translation>VKR - Softwareproblem/Kommunikation</translation>
    </message>
    <message>
        <source>VKR - Hardware Problem/Communication Message</source>
        <translation>VKR - Hardwareproblem/Kommunikation</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Settings Message</source>
        <translation>VKR - Softwareproblem/Einstellungen</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Channel Number Setting Message</source>
        <translation>VKR - Softwareproblem/Kanaleinstellung</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Preferences Message</source>
        <translation>VKR - Softwareproblem/Programmeinstellungen</translation>
    </message>
    <message>
        <source>Tavri Barcode Suite - Software Problem/Reset Message</source>
        <translation>Tavri Barcode Suite - Softwareproblem/Zurücksetzen</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit!</source>
        <translation>Keine Verbindung zur Basisstation!</translation>
    </message>
    <message>
        <source>Please set the communicate attribute before communication!</source>
        <translation>Bitte wählen Sie zuerst den Anschluss (USB oder RS232)!</translation>
    </message>
    <message>
        <source>Please ensure the base unit is well connected to PC, and is in setting mode.  </source>
        <extracomment>The two blanks at the end belong to the English text only.</extracomment>
        <translation>Bitte prüfen Sie, ob die Basisstation richtig mit dem PC verbunden ist und sich im Einstellmodus befindet.</translation>
    </message>
    <message>
        <source>Cannot open COM port!</source>
        <translation>Der COM-Port lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit! %1</source>
        <translation>Keine Verbindung zur Basisstation! %1</translation>
    </message>
    <message>
        <source>The base unit was unplugged (%1).</source>
        <translation>Die Basisstation wurde abgezogen (%1).</translation>
    </message>
    <message>
        <source>No settings can be read from the base unit.
The unit may have not been set.</source>
        <translation>Aus der Basisstation lassen sich keine Einstellungen lesen.
Sie wurde vermutlich noch nie eingerichtet.</translation>
    </message>
    <message>
        <source>The current settings of base unit have been loaded.</source>
        <translation>Die aktuellen Einstellungen der Basisstation wurden gelesen.</translation>
    </message>
    <message>
        <source>The new settings of base unit have been uploaded.</source>
        <translation>Die neuen Einstellungen wurden in die Basisstation übertragen.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit.</source>
        <translation>Keine Verbindung zur Basisstation.</translation>
    </message>
    <message>
        <source>The setting of channel number is out of valid range.
The old setting will be replaced with the default setting.</source>
        <translation>Der eingestellte Kanal liegt außerhalb des gültigen Bereichs.
Er wird durch die Standardeinstellung ersetzt.</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is disable.</source>
        <translation>Region: Europa, Frequenzsprungverfahren aus.</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is enable.</source>
        <translation>Region: Europa, Frequenzsprungverfahren ein.</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is disable.</source>
        <translation>Region: China, Frequenzsprungverfahren aus.</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is enable.</source>
        <translation>Region: China, Frequenzsprungverfahren ein.</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is disable.</source>
        <translation>Region: Türkei, Frequenzsprungverfahren aus.</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is enable.</source>
        <translation>Region: Türkei, Frequenzsprungverfahren ein.</translation>
    </message>
    <message>
        <source>%1Now there are %2 Barcode readers registered at this base.</source>
        <extracomment>%1 is the sentence on the nation and hopping, %2 the number of handheld units.</extracomment>
        <translation>%1 Angemeldete Handscanner: %2.</translation>
    </message>
    <message>
        <source>They are Reader %1!</source>
        <extracomment>%1 lists the IDs of the registered handheld units: &quot;1,3&quot;.</extracomment>
        <translation>Ihre IDs: %1</translation>
    </message>
    <message>
        <source>They are Reader!</source>
        <translation>Ihre IDs: keine</translation>
    </message>
    <message>
        <source>Channel  %1 is used to communicate.</source>
        <translation>Funkkanal: %1</translation>
    </message>
    <message>
        <source>The Base RF output power is %1dBm!</source>
        <translation>Sendeleistung der Basisstation: %1 dBm</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europa</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Can not open the file!</source>
        <translation>Die Datei lässt sich nicht öffnen!</translation>
    </message>
    <message>
        <source>The file has no data!</source>
        <translation>Die Datei enthält keine Daten!</translation>
    </message>
    <message>
        <source>The base unit has been upgraded.</source>
        <translation>Die Firmware der Basisstation wurde aktualisiert.</translation>
    </message>
    <message>
        <source>The handheld unit application file has no data!</source>
        <translation>Die Firmware-Datei für den Handscanner enthält keine Daten!</translation>
    </message>
    <message>
        <source>The handheld unit has been upgraded</source>
        <translation>Die Firmware des Handscanners wurde aktualisiert.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, but an upgrade image can have at most %2 bytes!</source>
        <translation>Die Datei ist zu groß: %1 Byte; eine Firmware-Datei darf höchstens %2 Byte groß sein!</translation>
    </message>
    <message>
        <source>Can not read the file at byte %1 of %2; it may have changed since the upgrade started!</source>
        <translation>Die Datei lässt sich ab Byte %1 von %2 nicht lesen; sie wurde womöglich seit Beginn des Updates geändert!</translation>
    </message>
    <message>
        <source>The file changed while it was being sent, so the unit may have received parts of two different images. The upgrade was stopped; please send the file again!</source>
        <translation>Die Datei wurde während der Übertragung geändert; das Gerät hat womöglich Teile zweier verschiedener Firmware-Stände erhalten. Das Update wurde abgebrochen; bitte senden Sie die Datei erneut!</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the base unit received the whole image. Please send the file again!</source>
        <extracomment>%1 says what came: &quot;2 frames (block acknowledgement, retry request)&quot;.</extracomment>
        <translation>Die Basisstation sandte nach dem letzten Block %1, obwohl sie gerade neu starten sollte. Ob die Basisstation die ganze Firmware erhalten hat, ist daher ungewiss. Bitte senden Sie die Datei erneut!</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the handheld unit received the whole image. Please send the file again!</source>
        <translation>Die Basisstation sandte nach dem letzten Block %1, obwohl sie gerade neu starten sollte. Ob der Handscanner die ganze Firmware erhalten hat, ist daher ungewiss. Bitte senden Sie die Datei erneut!</translation>
    </message>
    <message>
        <source>%1 and %2 bytes that were dropped</source>
        <translation>%1 und %2 verworfene Byte</translation>
    </message>
    <message>
        <source>%1 bytes that were dropped</source>
        <translation>%1 verworfene Byte</translation>
    </message>
    <message>
        <source>1 frame (%1)</source>
        <translation>1 Rahmen (%1)</translation>
    </message>
    <message>
        <source>%1 frames (%2)</source>
        <translation>%1 Rahmen (%2)</translation>
    </message>
    <message>
        <source>start acknowledgement</source>
        <translation>Startbestätigung</translation>
    </message>
    <message>
        <source>block acknowledgement</source>
        <translation>Blockbestätigung</translation>
    </message>
    <message>
        <source>retry request</source>
        <translation>Wiederholungsanforderung</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>done reply</source>
        <translation>Fertigmeldung</translation>
    </message>
    <message>
        <source>end of a pause</source>
        <translation>Ende einer Pause</translation>
    </message>
    <message>
        <source>The serial line adds about %1 ms before each reply (a USB-serial adapter&apos;s latency timer): this transfer will take about %2 instead of %3. An adapter or driver that supports low latency avoids it (setserial %4 low_latency).</source>
        <translation>Die serielle Leitung verzögert jede Antwort um etwa %1 ms (der Latenz-Timer eines USB-Seriell-Adapters): Diese Übertragung dauert daher etwa %2 statt %3. Ein Adapter oder Treiber mit niedriger Latenz vermeidet das (setserial %4 low_latency).</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure!</source>
        <translation>Das Update wurde durch einen unerwarteten Fehler abgebrochen!</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure: %1</source>
        <translation>Das Update wurde durch einen unerwarteten Fehler abgebrochen: %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 von %2, %3/s, noch %4</translation>
    </message>
    <message>
        <source>Cannot begin a Thread to receive data,please reset base station if it is connected to PC.</source>
        <translation>Der Empfang kann nicht gestartet werden. Bitte setzen Sie die Basisstation zurück, falls sie mit dem PC verbunden ist.</translation>
    </message>
    <message>
        <source>请插入条码枪并重启本软件！</source>
        <extracomment>Asks the operator to plug in the barcode reader and start the program again.</extracomment>
        <translation>Bitte schließen Sie den Barcodeleser an und starten Sie das Programm neu!</translation>
    </message>
    <message>
        <source>the base unit stopped answering</source>
        <translation>die Basisstation antwortet nicht mehr</translation>
    </message>
    <message>
        <source>Only read %1 bytes</source>
        <translation>Nur %1 Byte gelesen</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened; %2</source>
        <translation>Keine USB-Basisstation (%1) ließ sich öffnen; %2</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened</source>
        <translation>Keine USB-Basisstation (%1) ließ sich öffnen</translation>
    </message>
    <message>
        <source>it is in use by another program (PID %1)</source>
        <translation>es wird von einem anderen Programm verwendet (PID %1)</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>es wird von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used: %2</source>
        <translation>seine Sperrdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>sie lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine normale Datei</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>sie wird ständig ersetzt</translation>
    </message>
    <message>
        <source>%1. Check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;).</source>
        <extracomment>%1 is the cause; %2 the program whose manual tells more.</extracomment>
        <translation>%1. Prüfen Sie, ob die udev-Regel 70-orbelle-base-unit.rules installiert ist (sie kennzeichnet die Basisstation mit „uaccess“) und ob Sie direkt an diesem Computer in seiner aktiven Sitzung angemeldet sind: uaccess gibt das Gerät nur diesem Benutzer frei, nicht einer Fernanmeldung oder einer Sitzung im Hintergrund; stecken Sie danach die Basisstation neu ein (man %2, „DEVICE ACCESS“).</translation>
    </message>
    <message>
        <source>%1; check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;)</source>
        <translation>%1; prüfen Sie, ob die udev-Regel 70-orbelle-base-unit.rules installiert ist (sie kennzeichnet die Basisstation mit „uaccess“) und ob Sie direkt an diesem Computer in seiner aktiven Sitzung angemeldet sind: uaccess gibt das Gerät nur diesem Benutzer frei, nicht einer Fernanmeldung oder einer Sitzung im Hintergrund; stecken Sie danach die Basisstation neu ein (man %2, „DEVICE ACCESS“)</translation>
    </message>
    <message>
        <source>%1. Wait until that program has finished, or close it.</source>
        <translation>%1. Warten Sie, bis dieses Programm fertig ist, oder beenden Sie es.</translation>
    </message>
    <message>
        <source>%1. Is it plugged in?</source>
        <translation>%1. Ist sie eingesteckt?</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>VKR_%1 cannot be used for %2: %3; set it to the device&apos;s full path, for example /dev/ttyUSB0, or unset it</source>
        <translation>VKR_%1 ist für %2 nicht verwendbar: %3; setzen Sie die Variable auf den vollständigen Pfad des Geräts, etwa /dev/ttyUSB0, oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>der Wert ist leer</translation>
    </message>
    <message>
        <source>it is not a full path (one that begins with /)</source>
        <translation>der Wert ist kein vollständiger Pfad (der mit / beginnt)</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>der Wert enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it is not usable</source>
        <translation>der Wert ist nicht verwendbar</translation>
    </message>
    <message>
        <source>Failed to open %1: %2</source>
        <translation>%1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 did not open</source>
        <translation>%1 wurde nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 hung up or went away</source>
        <translation>die Verbindung zu %1 wurde getrennt, oder das Gerät ist verschwunden</translation>
    </message>
    <message>
        <source>Cannot set %1 on %2: %3</source>
        <translation>%1 lässt sich an %2 nicht einstellen: %3</translation>
    </message>
    <message>
        <source>Unknown serial line settings &quot;%1&quot;</source>
        <translation>Unbekannte Einstellung der seriellen Leitung „%1“</translation>
    </message>
    <message>
        <source>The stored link settings could not be used:</source>
        <translation>Die gespeicherten Verbindungseinstellungen sind nicht verwendbar:</translation>
    </message>
    <message>
        <source>The program runs on the default settings.</source>
        <translation>Das Programm arbeitet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Your choice could not be stored: %1.
It lasts only for this run.</source>
        <translation>Ihre Auswahl konnte nicht gespeichert werden: %1.
Sie gilt nur bis zum Programmende.</translation>
    </message>
    <message>
        <source>the preference store cannot be used</source>
        <translation>der Einstellungsspeicher ist nicht verwendbar</translation>
    </message>
    <message>
        <source>%1; it is left as it is and the defaults are used</source>
        <translation>%1; sie bleibt unverändert, und es gelten die Standardwerte</translation>
    </message>
    <message>
        <source>%1; the change was not stored</source>
        <translation>%1; die Änderung wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>%1; the values read before are used</source>
        <translation>%1; es gelten die zuvor gelesenen Werte</translation>
    </message>
    <message>
        <source>%1 could not be parsed nor kept as %2 (%3)</source>
        <translation>%1 ist unlesbar und ließ sich nicht als %2 aufbewahren (%3)</translation>
    </message>
    <message>
        <source>%1 could not be parsed; it was kept as %2</source>
        <translation>%1 ist unlesbar; sie wurde als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>%1 could not be parsed, and %2 earlier copies are kept already</source>
        <translation>%1 ist unlesbar, und es werden bereits %2 frühere Kopien aufbewahrt</translation>
    </message>
    <message>
        <source>%1 was being changed by another program for %2 ms</source>
        <translation>%1 wurde %2 ms lang von einem anderen Programm geändert</translation>
    </message>
    <message>
        <source>cannot create the folder %1 (%2)</source>
        <translation>der Ordner %1 lässt sich nicht anlegen (%2)</translation>
    </message>
    <message>
        <source>cannot lock %1 (%2)</source>
        <translation>%1 lässt sich nicht sperren (%2)</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 lässt sich nicht schreiben (%2)</translation>
    </message>
    <message>
        <source>it would be larger than %1</source>
        <translation>sie wäre größer als %1</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1 ist größer als %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 ist %2, keine normale Datei</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A statement that ends with a full stop: &quot;%1&quot; is the statement.</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>it is not a URL of the form rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>es ist keine URL der Form rfc2217://HOST:PORT oder socket://HOST:PORT</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: %2</source>
        <extracomment>%1 is the port&apos;s URL, %2 why: &quot;the connection to rfc2217://host:2217 was lost: ...&quot;.</extracomment>
        <translation>die Verbindung zu %1 ist abgebrochen: %2</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
    <message>
        <source>%1 (the connection was closed)</source>
        <translation>%1 (die Verbindung wurde geschlossen)</translation>
    </message>
    <message>
        <source>the server did not answer the offer of RFC 2217&apos;s COM-PORT-OPTION</source>
        <translation>der Server hat auf das Angebot der COM-PORT-OPTION nach RFC 2217 nicht geantwortet</translation>
    </message>
    <message>
        <source>the server does not take RFC 2217&apos;s COM-PORT-OPTION (a raw port is named socket://HOST:PORT)</source>
        <translation>der Server unterstützt die COM-PORT-OPTION nach RFC 2217 nicht (ein roher Port heißt socket://HOST:PORT)</translation>
    </message>
    <message>
        <source>the far port&apos;s settings are fixed at %1 by its server, and %2 is needed (rfc2217://HOST:PORT lets the settings travel)</source>
        <extracomment>%1 and %2 are line settings: &quot;9600,n,8,1&quot;.</extracomment>
        <translation>die Einstellungen des entfernten Ports sind von seinem Server auf %1 festgelegt, nötig ist aber %2 (mit rfc2217://HOST:PORT werden die Einstellungen übertragen)</translation>
    </message>
    <message>
        <source>the server did not acknowledge the line settings %1</source>
        <translation>der Server hat die Leitungseinstellungen %1 nicht bestätigt</translation>
    </message>
    <message>
        <source>the server set the far port to %1 baud, not %2</source>
        <translation>der Server hat den entfernten Port auf %1 Baud gestellt, nicht auf %2</translation>
    </message>
    <message>
        <source>The upgrade could not be recorded: %1</source>
        <translation>Das Update konnte nicht protokolliert werden: %1</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <translation>nur %1 von %2 Bytes wurden geschrieben</translation>
    </message>
    <message>
        <source>remote serial ports need %1, which cannot be loaded: %2</source>
        <extracomment>%1 is the program&apos;s module file, %2 why: &quot;remote serial ports need /usr/lib/x86_64-linux-gnu/orbelle/liborbelle-remote-port.so, which cannot be loaded: No such file or directory&quot;.</extracomment>
        <translation>entfernte serielle Ports brauchen %1, das nicht geladen werden kann: %2</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>es gehört zu einer anderen Version des Programms</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 von %2, %3/s, noch %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Sent and total bytes, before the rate is known: &quot;12.0 KiB of 1.0 MiB&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>orbelle::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::AboutBox</name>
    <message>
        <source>About Orbelle (VKR)</source>
        <translation>Über Orbelle (VKR)</translation>
    </message>
    <message>
        <source>Version %1, for cordless barcode base units and handheld units</source>
        <translation>Version %1, für schnurlose Barcode-Basisstationen und Handscanner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MainWindow</name>
    <message>
        <source>Handheld Unit</source>
        <translation>Handscanner</translation>
    </message>
    <message>
        <source>Base Unit</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>
Set
Protocol</source>
        <translation>
Anschluss
wählen</translation>
    </message>
    <message>
        <source>
Set
Base Unit</source>
        <translation>
Basis
einstellen</translation>
    </message>
    <message>
        <source>
Upgrade
Base Unit</source>
        <translation>
Update
Basis</translation>
    </message>
    <message>
        <source>
Upgrade
Handheld Unit</source>
        <translation>
Update
Scanner</translation>
    </message>
    <message>
        <source>&amp;About Orbelle (VKR)</source>
        <translation>&amp;Über Orbelle (VKR)</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MessagePresenter</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetBaseUnitWindow</name>
    <message>
        <source>7 bits</source>
        <translation>7 Bit</translation>
    </message>
    <message>
        <source>8 bits</source>
        <translation>8 Bit</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 Bit</translation>
    </message>
    <message>
        <source>2 bits</source>
        <translation>2 Bit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: Low RTS)</source>
        <translation>RTS/CTS (Host im Leerlauf: RTS Low)</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: High RTS)</source>
        <translation>RTS/CTS (Host im Leerlauf: RTS High)</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Alphabetic key</source>
        <translation>Haupttastatur</translation>
    </message>
    <message>
        <source>Alt+ Keypad</source>
        <translation>Alt+Ziffernblock</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Frequency hopping</source>
        <translation>Frequenzsprungverfahren</translation>
    </message>
    <message>
        <source>RS232 protocol settings</source>
        <translation>RS232-Einstellungen</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Flusssteuerung</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>USB (PS2) protocol settings</source>
        <translation>USB-Einstellungen (PS2)</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>Zifferntasten</translation>
    </message>
    <message>
        <source>Software versions</source>
        <translation>Softwareversionen</translation>
    </message>
    <message>
        <source>Radio frequency settings</source>
        <translation>Funkeinstellungen</translation>
    </message>
    <message>
        <source>Associated handheld unit  IDs</source>
        <translation>Angemeldete Handscanner-IDs</translation>
    </message>
    <message>
        <source>Set Base Unit</source>
        <translation>Basisstation einstellen</translation>
    </message>
    <message>
        <source>Nation:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>Enable frequency hopping</source>
        <translation>Frequenzsprung aktivieren</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>Bootloader version:</source>
        <translation>Bootloader-Version:</translation>
    </message>
    <message>
        <source>Application version:</source>
        <translation>Anwendungsversion:</translation>
    </message>
    <message>
        <source>Power level (dBm):</source>
        <translation>Leistung (dBm):</translation>
    </message>
    <message>
        <source>Channel Number:</source>
        <translation>Funkkanal:</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Settings summary</source>
        <translation>Übersicht der Einstellungen</translation>
    </message>
    <message>
        <source>
Return
Default Settings</source>
        <translation>
Standardwerte
laden</translation>
    </message>
    <message>
        <source>
Display
Current Settings</source>
        <translation>
Einstellungen
auslesen</translation>
    </message>
    <message>
        <source>
Upload
New Settings</source>
        <translation>
Einstellungen
übertragen</translation>
    </message>
    <message>
        <source>
Cancel
</source>
        <translation>
Abbrechen
</translation>
    </message>
    <message>
        <source>Copy settings summary</source>
        <translation>Übersicht der Einstellungen kopieren</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetProtocolWindow</name>
    <message>
        <source>Protocol</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>RS232 settings</source>
        <translation>RS232-Einstellungen</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>
Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set Protocol</source>
        <translation>Anschluss wählen</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::TransferDesktop</name>
    <message>
        <source>Upgrade failed</source>
        <translation>Update fehlgeschlagen</translation>
    </message>
    <message>
        <source>Upgrade failed: the link to the base unit broke</source>
        <translation>Update fehlgeschlagen: die Verbindung zur Basisstation ist abgerissen</translation>
    </message>
    <message>
        <source>%1% - %2</source>
        <translation>%1 % - %2</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::UpgradeWindow</name>
    <message>
        <source>Plain Binary</source>
        <translation>Binärdatei</translation>
    </message>
    <message>
        <source>All file</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Upgrade Base Unit</source>
        <translation>Basisstation aktualisieren</translation>
    </message>
    <message>
        <source>Upgrade base unit:</source>
        <translation>Firmware der Basisstation aktualisieren:</translation>
    </message>
    <message>
        <source>Upgrade Handheld Unit</source>
        <translation>Handscanner aktualisieren</translation>
    </message>
    <message>
        <source>Update handheld unit:</source>
        <translation>Firmware des Handscanners aktualisieren:</translation>
    </message>
    <message>
        <source>Base unit upgraded</source>
        <translation>Basisstation aktualisiert</translation>
    </message>
    <message>
        <source>Handheld unit upgraded</source>
        <translation>Handscanner aktualisiert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bootloader Version:</source>
        <translation>Bootloader-Version:</translation>
    </message>
    <message>
        <source>Bootloader ID:</source>
        <translation>Bootloader-ID:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>Firmware-Datei:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Fortschritt des Updates</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <translation>Firmware-Update der Basisstation</translation>
    </message>
    <message>
        <source>Upgrading a handheld unit</source>
        <translation>Firmware-Update eines Handscanners</translation>
    </message>
    <message>
        <source>%1% %2</source>
        <translation>%1 % %2</translation>
    </message>
    <message>
        <source>No answer for %1 s; Cancel ends the transfer</source>
        <translation>Seit %1 s keine Antwort; Abbrechen beendet die Übertragung</translation>
    </message>
    <message>
        <source>The base unit has not answered for %1 seconds. Cancel ends the transfer.</source>
        <translation>Die Basisstation antwortet seit %1 Sekunden nicht. Abbrechen beendet die Übertragung.</translation>
    </message>
    <message>
        <source>Waiting while the base unit restarts</source>
        <translation>Warten, bis die Basisstation neu gestartet ist</translation>
    </message>
    <message>
        <source>Waiting while the base unit takes the start frame</source>
        <translation>Warten, bis die Basisstation den Startrahmen verarbeitet hat</translation>
    </message>
</context>
<context>
    <name>vkr</name>
    <message>
        <source>%1 (the stored protocol is not recognised: run &quot;vkr prefs set protocol usb&quot; or rs232, or pass --link)</source>
        <translation>%1 (der gespeicherte Anschluss ist unbekannt: rufen Sie „vkr prefs set protocol usb“ oder rs232 auf, oder geben Sie --link an)</translation>
    </message>
    <message>
        <source>%1; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%1; nehmen Sie sich in die Gruppe dialout auf (sudo usermod -aG dialout $USER, dann neu anmelden)</translation>
    </message>
    <message>
        <source>%1; the port may be in use by another program</source>
        <translation>%1; der Port wird womöglich von einem anderen Programm verwendet</translation>
    </message>
    <message>
        <source>%1; wait until that program has finished, or close it</source>
        <translation>%1; warten Sie, bis dieses Programm fertig ist, oder beenden Sie es</translation>
    </message>
    <message>
        <source>%1; close that program, or choose another port</source>
        <translation>%1; beenden Sie dieses Programm, oder wählen Sie einen anderen Port</translation>
    </message>
    <message>
        <source>%1; is it plugged in?</source>
        <translation>%1; ist sie eingesteckt?</translation>
    </message>
    <message>
        <source>%1; check the cable and the device path</source>
        <translation>%1; prüfen Sie das Kabel und den Gerätepfad</translation>
    </message>
    <message>
        <source>%1; check the cable, or name the device with &quot;vkr prefs set com %2 PATH&quot; or VKR_COM%3</source>
        <translation>%1; prüfen Sie das Kabel, oder nennen Sie das Gerät mit „vkr prefs set com %2 PFAD“ oder VKR_COM%3</translation>
    </message>
    <message>
        <source>%1 (report ignored)</source>
        <translation>%1 (Bericht übergangen)</translation>
    </message>
    <message>
        <source>%1 input reports shorter than a frame were ignored (the last: %2)</source>
        <translation>%1 Eingabeberichte, kürzer als ein Rahmen, wurden übergangen (der letzte: %2)</translation>
    </message>
    <message>
        <source>%1 (bootloader %2, application %3)</source>
        <translation>%1 (Bootloader %2, Anwendung %3)</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request within %1 s.</source>
        <translation>Keine Verbindung zur Basisstation. Auf die Abfrage der Einstellungen kam binnen %1 s keine Antwort.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the upload within %1 s.</source>
        <translation>Keine Verbindung zur Basisstation. Auf die Übertragung kam binnen %1 s keine Antwort.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke: %1</source>
        <translation>Keine Verbindung zur Basisstation. Die Verbindung ist abgerissen: %1</translation>
    </message>
    <message>
        <source>unexpected answer: %1</source>
        <translation>unerwartete Antwort: %1</translation>
    </message>
    <message>
        <source>interrupted before the base unit confirmed the upload: whether it took the new settings is unknown (vkr settings read shows what it has)</source>
        <translation>unterbrochen, bevor die Basisstation die Übertragung bestätigte: ob sie die neuen Einstellungen übernommen hat, ist ungewiss (vkr settings read zeigt, was sie hat)</translation>
    </message>
    <message>
        <source>interrupted: nothing was uploaded</source>
        <translation>unterbrochen: es wurde nichts übertragen</translation>
    </message>
    <message>
        <source>The base unit has never been set: starting from the default settings.</source>
        <translation>Die Basisstation wurde noch nie eingerichtet: Ausgangspunkt sind die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Also changed %1 from %2 to %3 (%4).</source>
        <extracomment>%1 is a setting&apos;s name as vkr settings set takes it (&quot;power&quot;), %2 and %3 its values.</extracomment>
        <translation>Außerdem geändert: %1 von %2 auf %3 (%4).</translation>
    </message>
    <message>
        <source>not a power the settings window offers</source>
        <translation>eine Sendeleistung, die das Einstellungsfenster nicht anbietet</translation>
    </message>
    <message>
        <source>outside the range with hopping</source>
        <translation>außerhalb des Bereichs mit Frequenzsprungverfahren</translation>
    </message>
    <message>
        <source>a code the settings window has no button for</source>
        <translation>ein Code, für den das Einstellungsfenster keine Schaltfläche hat</translation>
    </message>
    <message>
        <source>channel %1 is outside %2</source>
        <translation>Kanal %1 liegt außerhalb von %2</translation>
    </message>
    <message>
        <source>the base unit reports channel %1, outside %2; choose a channel</source>
        <translation>die Basisstation meldet Kanal %1, außerhalb von %2; wählen Sie einen Kanal</translation>
    </message>
    <message>
        <source>1 to %1 for %2 with hopping</source>
        <translation>1 bis %1 für %2 mit Frequenzsprungverfahren</translation>
    </message>
    <message>
        <source>1 to %1 for %2 without hopping</source>
        <translation>1 bis %1 für %2 ohne Frequenzsprungverfahren</translation>
    </message>
    <message>
        <source>say what to change, for example --channel 3 (see --help)</source>
        <translation>geben Sie an, was sich ändern soll, etwa --channel 3 (siehe --help)</translation>
    </message>
    <message>
        <source>--ids takes IDs from 1 to 16 separated by commas, or &quot;none&quot; to clear them all, not &quot;%1&quot;</source>
        <translation>--ids nimmt IDs von 1 bis 16, durch Kommas getrennt, oder „none“, um alle zu löschen, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <extracomment>%1 is an option, %2 the values it takes: &quot;--parity takes none, odd, even, not &quot;x&quot;&quot;.</extracomment>
        <translation>%1 nimmt %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--power takes %1 (dBm)</source>
        <translation>--power nimmt %1 (dBm)</translation>
    </message>
    <message>
        <source>--rs232-baud takes 4800, 9600, 19200, 38400, 57600 or 115200</source>
        <translation>--rs232-baud nimmt 4800, 9600, 19200, 38400, 57600 oder 115200</translation>
    </message>
    <message>
        <source>nation               %1</source>
        <extracomment>The table of vkr settings read: the values start in column 22, as in English.</extracomment>
        <translation>Region               %1</translation>
    </message>
    <message>
        <source>%1 (not changed: vkr uploads no nation)</source>
        <translation>%1 (unverändert: vkr überträgt keine Region)</translation>
    </message>
    <message>
        <source>frequency hopping    %1</source>
        <translation>Frequenzsprung       %1</translation>
    </message>
    <message>
        <source>channel              %1</source>
        <translation>Kanal                %1</translation>
    </message>
    <message>
        <source>power                %1 dBm</source>
        <translation>Sendeleistung        %1 dBm</translation>
    </message>
    <message>
        <source>handheld IDs         %1</source>
        <translation>Handscanner-IDs      %1</translation>
    </message>
    <message>
        <source>RS232 baud rate      %1</source>
        <translation>RS232 Baudrate       %1</translation>
    </message>
    <message>
        <source>RS232 data bits      %1</source>
        <translation>RS232 Datenbits      %1</translation>
    </message>
    <message>
        <source>RS232 stop bits      %1</source>
        <translation>RS232 Stoppbits      %1</translation>
    </message>
    <message>
        <source>RS232 parity         %1</source>
        <translation>RS232 Parität        %1</translation>
    </message>
    <message>
        <source>RS232 flow control   %1</source>
        <translation>RS232 Flusssteuerung %1</translation>
    </message>
    <message>
        <source>numeric key          %1</source>
        <translation>Zifferntasten        %1</translation>
    </message>
    <message>
        <source>bootloader version   %1</source>
        <translation>Bootloader-Version   %1</translation>
    </message>
    <message>
        <source>application version  %1</source>
        <translation>Anwendungsversion    %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>USB base units (0471:0003):</source>
        <translation>USB-Basisstationen (0471:0003):</translation>
    </message>
    <message>
        <source>%1  (beyond the first 32 HID interfaces: not used)</source>
        <translation>%1  (nach den ersten 32 HID-Schnittstellen: nicht verwendet)</translation>
    </message>
    <message>
        <source>  none found</source>
        <translation>  keine gefunden</translation>
    </message>
    <message>
        <source>Serial ports:</source>
        <translation>Serielle Ports:</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>given</source>
        <translation>angegeben</translation>
    </message>
    <message>
        <source>%1; refused: %2</source>
        <translation>%1; abgelehnt: %2</translation>
    </message>
    <message>
        <source>%1; the stored device was passed over: %2</source>
        <translation>%1; das gespeicherte Gerät wurde übergangen: %2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>(nicht angezeigt)</translation>
    </message>
    <message>
        <source>%1  none (not recognised; set it)</source>
        <translation>%1  keines (unbekannt; bitte festlegen)</translation>
    </message>
    <message>
        <source>%1  (none)</source>
        <translation>%1  (keine)</translation>
    </message>
    <message>
        <source>stored %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>could not store %1 in %2</source>
        <translation>%1 ließ sich nicht in %2 speichern</translation>
    </message>
    <message>
        <source>COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not &quot;%1&quot;</source>
        <translation>der COM-Port muss 1, 2, 3 oder 4 sein (oder COM1 bis COM4), nicht „%1“</translation>
    </message>
    <message>
        <source>protocol must be usb or rs232, not &quot;%1&quot;</source>
        <translation>der Anschluss muss usb oder rs232 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>baud rate must be %1, not &quot;%2&quot;</source>
        <translation>die Baudrate muss %1 sein, nicht „%2“</translation>
    </message>
    <message>
        <source>the device path is longer than %1 bytes and could not be read back</source>
        <translation>der Gerätepfad ist länger als %1 Byte und ließe sich nicht zurücklesen</translation>
    </message>
    <message>
        <source>--device needs the path of a serial device</source>
        <translation>--device braucht den Pfad eines seriellen Geräts</translation>
    </message>
    <message>
        <source>--device names a serial device: it cannot go with --link usb</source>
        <translation>--device nennt ein serielles Gerät: es passt nicht zu --link usb</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Upgrading the base unit with %1 bytes...</source>
        <translation>Firmware-Update der Basisstation mit %1 Byte …</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit with %1 bytes...</source>
        <translation>Firmware-Update des Handscanners mit %1 Byte …</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the base unit to restart...</source>
        <translation>Jeder Block ist bestätigt; %1 s Warten auf den Neustart der Basisstation …</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the handheld unit to restart...</source>
        <translation>Jeder Block ist bestätigt; %1 s Warten auf den Neustart des Handscanners …</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <extracomment>The sleep inhibitor&apos;s reason, shown by the desktop.</extracomment>
        <translation>Firmware-Update der Basisstation</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit</source>
        <translation>Firmware-Update des Handscanners</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7; %8 replies with a wrong FCS were taken by their code</source>
        <translation>%1 Byte in %2 Blöcken gesendet (%3 Wiederholungen, %4 Handshakes); Blockphase %5 s, %6/s; Abschluss %7; %8 Antworten mit falscher FCS wurden nach ihrem Code genommen</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7</source>
        <translation>%1 Byte in %2 Blöcken gesendet (%3 Wiederholungen, %4 Handshakes); Blockphase %5 s, %6/s; Abschluss %7</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the base unit upgrade %2.</source>
        <translation>Keine Verbindung zur Basisstation: binnen %1 s keine Antwort beim Update der Basisstation %2.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the handheld unit upgrade %2.</source>
        <translation>Keine Verbindung zur Basisstation: binnen %1 s keine Antwort beim Update des Handscanners %2.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke %1: %2</source>
        <translation>Keine Verbindung zur Basisstation. Die Verbindung ist %1 abgerissen: %2</translation>
    </message>
    <message>
        <source>(in the pause after the start frame)</source>
        <translation>(in der Pause nach dem Startrahmen)</translation>
    </message>
    <message>
        <source>(waiting for the answer to the start frame)</source>
        <translation>(beim Warten auf die Antwort zum Startrahmen)</translation>
    </message>
    <message>
        <source>(waiting for the answer to the block at byte %1 of %2, %3 blocks sent)</source>
        <translation>(beim Warten auf die Antwort zum Block ab Byte %1 von %2, %3 Blöcke gesendet)</translation>
    </message>
    <message>
        <source>(after %1 blocks)</source>
        <translation>(nach %1 Blöcken)</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the base unit</source>
        <translation>unterbrochen, bevor etwas an die Basisstation gesendet wurde</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the handheld unit</source>
        <translation>unterbrochen, bevor etwas an den Handscanner gesendet wurde</translation>
    </message>
    <message>
        <source>interrupted while the base unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>unterbrochen, während die Basisstation nach Bestätigung aller %1 Blöcke neu startete: das Ende des Updates blieb ungesehen</translation>
    </message>
    <message>
        <source>interrupted while the handheld unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>unterbrochen, während der Handscanner nach Bestätigung aller %1 Blöcke neu startete: das Ende des Updates blieb ungesehen</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the base unit is waiting for them: run the upgrade again</source>
        <translation>unterbrochen nach dem Startrahmen, vor dem ersten von %1 Blöcken; die Basisstation wartet auf sie: starten Sie das Update erneut</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the handheld unit is waiting for them: run the upgrade again</source>
        <translation>unterbrochen nach dem Startrahmen, vor dem ersten von %1 Blöcken; der Handscanner wartet auf sie: starten Sie das Update erneut</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the base unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>unterbrochen nach allen %1 Blöcken, bevor die Basisstation den letzten bestätigte: starten Sie das Update sicherheitshalber erneut</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the handheld unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>unterbrochen nach allen %1 Blöcken, bevor der Handscanner den letzten bestätigte: starten Sie das Update sicherheitshalber erneut</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the base unit is waiting for the rest: run the upgrade again</source>
        <translation>unterbrochen nach %1 von %2 Blöcken; die Basisstation wartet auf den Rest: starten Sie das Update erneut</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the handheld unit is waiting for the rest: run the upgrade again</source>
        <translation>unterbrochen nach %1 von %2 Blöcken; der Handscanner wartet auf den Rest: starten Sie das Update erneut</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A statement and its detail: &quot;Can not open the file! (/tmp/x.dat: is a directory)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: ist keine normale Datei</translation>
    </message>
    <message>
        <source>the device path cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>der Gerätepfad ist nicht verwendbar: %1; geben Sie den vollständigen Pfad des Geräts an, etwa /dev/ttyUSB0, oder rfc2217://HOST:PORT oder socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--device cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>--device ist nicht verwendbar: %1; geben Sie den vollständigen Pfad des Geräts an, etwa /dev/ttyUSB0, oder rfc2217://HOST:PORT oder socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--all-units found no USB base unit (0471:0003); is one plugged in?</source>
        <translation>--all-units hat keine USB-Basisstation (0471:0003) gefunden; ist eine angeschlossen?</translation>
    </message>
    <message>
        <source>%1; none has the path or serial number %2 (vkr devices lists them); is it plugged in?</source>
        <translation>%1; keine hat den Pfad oder die Seriennummer %2 (vkr devices listet sie auf); ist sie angeschlossen?</translation>
    </message>
    <message>
        <source>--unit %1: %2 USB units have that serial number; name each by its path (see vkr devices)</source>
        <translation>--unit %1: %2 USB-Basisstationen haben diese Seriennummer; geben Sie jede mit ihrem Pfad an (siehe vkr devices)</translation>
    </message>
    <message>
        <source>--unit %1: %2</source>
        <translation>--unit %1: %2</translation>
    </message>
    <message>
        <source>%1 names the units and their links: it cannot go with %2</source>
        <extracomment>%1 is --unit or --all-units, %2 another option: --link, --port or --device.</extracomment>
        <translation>%1 bestimmt die Basisstationen und ihre Verbindungen: es kann nicht zusammen mit %2 stehen</translation>
    </message>
    <message>
        <source>--unit needs a unit&apos;s path, serial number or URL, without control characters</source>
        <translation>--unit braucht den Pfad, die Seriennummer oder die URL einer Basisstation, ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 of %2 units failed: %3</source>
        <extracomment>%3 lists the units that failed, each with its exit status: &quot;UNIT3 (3)&quot;.</extracomment>
        <translation>%1 von %2 Basisstationen fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read (%2)</source>
        <translation>die Einstellungsdatei %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be used: %2</source>
        <translation>die Einstellungsdatei %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>sie ist größer als %1</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>sie enthält kein JSON (%1)</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it holds no JSON object</source>
        <translation>keine Einstellungsdatei von orbelle: sie enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it has no &quot;format&quot;</source>
        <translation>keine Einstellungsdatei von orbelle: ihr fehlt &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: its format is %1</source>
        <translation>keine Einstellungsdatei von orbelle: ihr Format ist %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <extracomment>%1 is a key of the settings file, as written in it (&quot;rs232.parity&quot;).</extracomment>
        <translation>unbekannter Schlüssel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing key &quot;%1&quot;</source>
        <translation>fehlender Schlüssel &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <extracomment>%1 is a key, %2 the kind of value it takes, %3 the value the file gives.</extracomment>
        <translation>%1 muss %2 sein, nicht %3</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>a whole number or null</source>
        <translation>eine ganze Zahl oder null</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>a text or null</source>
        <translation>ein Text oder null</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a list of IDs</source>
        <translation>eine Liste von IDs</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <extracomment>%1 is a key, %2 the file&apos;s value, %3 the values it may take.</extracomment>
        <translation>%1 ist %2, keiner der Werte %3</translation>
    </message>
    <message>
        <source>channel is %1, outside 1 to %2</source>
        <translation>channel ist %1, außerhalb von 1 bis %2</translation>
    </message>
    <message>
        <source>ids holds %1, outside 1 to 16</source>
        <translation>ids enthält %1, außerhalb von 1 bis 16</translation>
    </message>
    <message>
        <source>nation %1 is not the base unit&apos;s (%2): an upload cannot change the nation</source>
        <extracomment>%1 and %2 are nations as the settings file names them: europe, china, turkey.</extracomment>
        <translation>nation %1 ist nicht die Region der Basisstation (%2): eine Übertragung kann die Region nicht ändern</translation>
    </message>
    <message>
        <source>settings save reads one unit: name it with --unit</source>
        <translation>settings save liest eine Basisstation: geben Sie sie mit --unit an</translation>
    </message>
    <message>
        <source>saved the base unit&apos;s settings in %1</source>
        <translation>die Einstellungen der Basisstation wurden in %1 gespeichert</translation>
    </message>
    <message>
        <source>dry run: nothing was uploaded</source>
        <translation>Probelauf: es wurde nichts übertragen</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>nichts zu ändern</translation>
    </message>
    <message>
        <source>the settings read back are those of the file</source>
        <translation>die zurückgelesenen Einstellungen sind die der Datei</translation>
    </message>
    <message>
        <source>the settings read back after the upload are not those uploaded: %1</source>
        <extracomment>%1 lists each setting as uploaded and as read back: &quot;channel: 7 -&gt; 3&quot;.</extracomment>
        <translation>die nach der Übertragung zurückgelesenen Einstellungen sind nicht die übertragenen: %1</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request after the upload within %1 s.</source>
        <translation>Keine Verbindung zur Basisstation. Auf die Abfrage der Einstellungen nach der Übertragung kam binnen %1 s keine Antwort.</translation>
    </message>
    <message>
        <source>application version %1 before, %2 after</source>
        <extracomment>Versions as the base unit reports them: &quot;application version 2.1.0 before, 2.1.1 after&quot;.</extracomment>
        <translation>Anwendungsversion vorher %1, nachher %2</translation>
    </message>
    <message>
        <source>application version %1 before, not read after</source>
        <translation>Anwendungsversion vorher %1, nachher nicht gelesen</translation>
    </message>
    <message>
        <source>application version %1 after, not read before</source>
        <translation>Anwendungsversion nachher %1, vorher nicht gelesen</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions before the upgrade are not known (%1)</source>
        <translation>die Versionen der Basisstation vor dem Update sind unbekannt (%1)</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions after the upgrade could not be read (%1): check that it restarted (its power, its cable, the link), then run vkr settings read</source>
        <translation>die Versionen der Basisstation nach dem Update ließen sich nicht auslesen (%1): prüfen Sie, ob sie neu gestartet ist (Stromversorgung, Kabel, Verbindung), und führen Sie dann vkr settings read aus</translation>
    </message>
    <message>
        <source>interrupted before the base unit&apos;s versions were read again</source>
        <translation>unterbrochen, bevor die Versionen der Basisstation erneut ausgelesen wurden</translation>
    </message>
    <message>
        <source>no reply to the settings request within %1 s</source>
        <translation>auf die Abfrage der Einstellungen kam binnen %1 s keine Antwort</translation>
    </message>
    <message>
        <source>the link broke: %1</source>
        <translation>die Verbindung ist abgebrochen: %1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>an unexpected answer</source>
        <translation>eine unerwartete Antwort</translation>
    </message>
    <message>
        <source>no settings reply</source>
        <translation>keine Antwort mit den Einstellungen</translation>
    </message>
    <message>
        <source>no upgrade has been recorded in %1</source>
        <translation>in %1 ist kein Update protokolliert</translation>
    </message>
    <message>
        <source>line %1 of %2 is not an upgrade record: it is skipped</source>
        <translation>Zeile %1 von %2 ist kein Update-Eintrag: sie wird übersprungen</translation>
    </message>
    <message>
        <source>the last line of %1 is incomplete (its program ended while writing it): it is skipped</source>
        <translation>die letzte Zeile von %1 ist unvollständig (ihr Programm endete beim Schreiben): sie wird übersprungen</translation>
    </message>
</context>
<context>
    <name>vkr table</name>
    <message>
        <source>unit</source>
        <extracomment>The headings of the table that ends a run on several units, and of vkr history.</extracomment>
        <translation>Basisstation</translation>
    </message>
    <message>
        <source>result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>How a unit&apos;s run ended, in the table&apos;s result column; the number is the exit status.</extracomment>
        <translation>fertig</translation>
    </message>
    <message>
        <source>failed (1)</source>
        <translation>fehlgeschlagen (1)</translation>
    </message>
    <message>
        <source>refused (2)</source>
        <translation>abgelehnt (2)</translation>
    </message>
    <message>
        <source>link not usable (3)</source>
        <translation>Verbindung nicht nutzbar (3)</translation>
    </message>
    <message>
        <source>no reply (4)</source>
        <translation>keine Antwort (4)</translation>
    </message>
    <message>
        <source>never set (5)</source>
        <translation>nie eingerichtet (5)</translation>
    </message>
    <message>
        <source>image unusable (6)</source>
        <translation>Firmware-Datei unbrauchbar (6)</translation>
    </message>
    <message>
        <source>interrupted (%1)</source>
        <translation>unterbrochen (%1)</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>application</source>
        <translation>Anwendung</translation>
    </message>
    <message>
        <source>upgrade</source>
        <extracomment>The headings of vkr history&apos;s table (besides result and time); &quot;upgrade&quot; heads the column of base and handheld, as in vkr upgrade base.</extracomment>
        <translation>Update</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Message</name>
    <message>
        <source>VKR - Software Problem/Communication Message</source>
        <translation>VKR - 軟體問題/通訊</translation>
    </message>
    <message>
        <source>VKR - Hardware Problem/Communication Message</source>
        <translation>VKR - 硬體問題/通訊</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Settings Message</source>
        <translation>VKR - 軟體問題/設定</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Channel Number Setting Message</source>
        <translation>VKR - 軟體問題/頻道設定</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Preferences Message</source>
        <translation>VKR - 軟體問題/程式設定</translation>
    </message>
    <message>
        <source>Tavri Barcode Suite - Software Problem/Reset Message</source>
        <translation>Tavri Barcode Suite - 軟體問題/重設</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit!</source>
        <translation>無法與基座通訊！</translation>
    </message>
    <message>
        <source>Please set the communicate attribute before communication!</source>
        <translation>請先設定通訊方式（USB 或 RS232）！</translation>
    </message>
    <message>
        <source>Please ensure the base unit is well connected to PC, and is in setting mode.  </source>
        <extracomment>The two blanks at the end belong to the English text only.</extracomment>
        <translation>請確認基座已正確連接到電腦，並處於設定模式。</translation>
    </message>
    <message>
        <source>Cannot open COM port!</source>
        <translation>無法開啟序列埠！</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit! %1</source>
        <translation>無法與基座通訊！%1</translation>
    </message>
    <message>
        <source>The base unit was unplugged (%1).</source>
        <translation>基座已被拔除（%1）。</translation>
    </message>
    <message>
        <source>No settings can be read from the base unit.
The unit may have not been set.</source>
        <translation>無法從基座讀取設定。
基座可能從未設定過。</translation>
    </message>
    <message>
        <source>The current settings of base unit have been loaded.</source>
        <translation>已讀取基座的目前設定。</translation>
    </message>
    <message>
        <source>The new settings of base unit have been uploaded.</source>
        <translation>新設定已寫入基座。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit.</source>
        <translation>無法與基座通訊。</translation>
    </message>
    <message>
        <source>The setting of channel number is out of valid range.
The old setting will be replaced with the default setting.</source>
        <translation>頻道編號超出有效範圍。
原設定將以預設設定取代。</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is disable.</source>
        <translation>地區：歐洲，跳頻：關閉。</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is enable.</source>
        <translation>地區：歐洲，跳頻：開啟。</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is disable.</source>
        <translation>地區：中國，跳頻：關閉。</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is enable.</source>
        <translation>地區：中國，跳頻：開啟。</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is disable.</source>
        <translation>地區：土耳其，跳頻：關閉。</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is enable.</source>
        <translation>地區：土耳其，跳頻：開啟。</translation>
    </message>
    <message>
        <source>%1Now there are %2 Barcode readers registered at this base.</source>
        <extracomment>%1 is the sentence on the nation and hopping, %2 the number of handheld units.</extracomment>
        <translation>%1本基座已註冊 %2 支掃描槍。</translation>
    </message>
    <message>
        <source>They are Reader %1!</source>
        <extracomment>%1 lists the IDs of the registered handheld units: &quot;1,3&quot;.</extracomment>
        <translation>掃描槍編號：%1</translation>
    </message>
    <message>
        <source>They are Reader!</source>
        <translation>掃描槍編號：無</translation>
    </message>
    <message>
        <source>Channel  %1 is used to communicate.</source>
        <translation>通訊頻道：%1</translation>
    </message>
    <message>
        <source>The Base RF output power is %1dBm!</source>
        <translation>基座射頻發射功率：%1 dBm</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>歐洲</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中國</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其</translation>
    </message>
    <message>
        <source>Can not open the file!</source>
        <translation>無法開啟檔案！</translation>
    </message>
    <message>
        <source>The file has no data!</source>
        <translation>檔案中沒有資料！</translation>
    </message>
    <message>
        <source>The base unit has been upgraded.</source>
        <translation>基座韌體已更新。</translation>
    </message>
    <message>
        <source>The handheld unit application file has no data!</source>
        <translation>掃描槍韌體檔案中沒有資料！</translation>
    </message>
    <message>
        <source>The handheld unit has been upgraded</source>
        <translation>掃描槍韌體已更新。</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, but an upgrade image can have at most %2 bytes!</source>
        <translation>檔案過大：%1 位元組，但韌體檔案最多只能有 %2 位元組！</translation>
    </message>
    <message>
        <source>Can not read the file at byte %1 of %2; it may have changed since the upgrade started!</source>
        <translation>無法讀取檔案第 %1 位元組（共 %2 位元組）；更新開始後檔案可能已被修改！</translation>
    </message>
    <message>
        <source>The file changed while it was being sent, so the unit may have received parts of two different images. The upgrade was stopped; please send the file again!</source>
        <translation>檔案在傳送過程中被修改，裝置可能收到了兩個不同韌體的片段。更新已停止，請重新傳送檔案！</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the base unit received the whole image. Please send the file again!</source>
        <extracomment>%1 says what came: &quot;2 frames (block acknowledgement, retry request)&quot;.</extracomment>
        <translation>基座在最後一個資料區塊之後、本應重新啟動時送來了%1，因此無法確定基座是否收到了完整的韌體。請重新傳送檔案！</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the handheld unit received the whole image. Please send the file again!</source>
        <translation>基座在最後一個資料區塊之後、本應重新啟動時送來了%1，因此無法確定掃描槍是否收到了完整的韌體。請重新傳送檔案！</translation>
    </message>
    <message>
        <source>%1 and %2 bytes that were dropped</source>
        <translation>%1以及被捨棄的 %2 位元組</translation>
    </message>
    <message>
        <source>%1 bytes that were dropped</source>
        <translation>被捨棄的 %1 位元組</translation>
    </message>
    <message>
        <source>1 frame (%1)</source>
        <translation> 1 個訊框（%1）</translation>
    </message>
    <message>
        <source>%1 frames (%2)</source>
        <translation> %1 個訊框（%2）</translation>
    </message>
    <message>
        <source>start acknowledgement</source>
        <translation>開始確認</translation>
    </message>
    <message>
        <source>block acknowledgement</source>
        <translation>資料區塊確認</translation>
    </message>
    <message>
        <source>retry request</source>
        <translation>重送要求</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>交握</translation>
    </message>
    <message>
        <source>done reply</source>
        <translation>完成回應</translation>
    </message>
    <message>
        <source>end of a pause</source>
        <translation>暫停結束</translation>
    </message>
    <message>
        <source>The serial line adds about %1 ms before each reply (a USB-serial adapter&apos;s latency timer): this transfer will take about %2 instead of %3. An adapter or driver that supports low latency avoids it (setserial %4 low_latency).</source>
        <translation>序列線路在每次回應前增加約 %1 ms 的延遲（USB 轉序列轉接器的延遲計時器）：本次傳輸約需 %2，而不是 %3。支援低延遲的轉接器或驅動程式可避免此問題（setserial %4 low_latency）。</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure!</source>
        <translation>更新因未預期的錯誤而停止！</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure: %1</source>
        <translation>更新因未預期的錯誤而停止：%1</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2，%3/秒，剩餘 %4</translation>
    </message>
    <message>
        <source>Cannot begin a Thread to receive data,please reset base station if it is connected to PC.</source>
        <translation>無法啟動資料接收執行緒，如果基座已連接到電腦，請重設基座。</translation>
    </message>
    <message>
        <source>请插入条码枪并重启本软件！</source>
        <extracomment>Asks the operator to plug in the barcode reader and start the program again.</extracomment>
        <translation>請插入條碼槍並重新啟動本軟體！</translation>
    </message>
    <message>
        <source>the base unit stopped answering</source>
        <translation>基座不再回應</translation>
    </message>
    <message>
        <source>Only read %1 bytes</source>
        <translation>只讀到 %1 位元組</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened; %2</source>
        <translation>無法開啟任何 USB 基座（%1）；%2</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened</source>
        <translation>無法開啟任何 USB 基座（%1）</translation>
    </message>
    <message>
        <source>it is in use by another program (PID %1)</source>
        <translation>裝置正被其他程式使用（PID %1）</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>裝置正被其他程式使用</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used: %2</source>
        <translation>其鎖定檔 %1 無法使用：%2</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>無法寫入</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>不斷被取代</translation>
    </message>
    <message>
        <source>%1. Check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;).</source>
        <extracomment>%1 is the cause; %2 the program whose manual tells more.</extracomment>
        <translation>%1。請檢查是否已安裝 udev 規則 70-orbelle-base-unit.rules（它為基座加上「uaccess」標記），以及您是否在本機前的使用中工作階段登入：uaccess 只對該使用者開放裝置，不對遠端登入或已切換離開的工作階段開放；然後重新插入基座（man %2，「DEVICE ACCESS」）。</translation>
    </message>
    <message>
        <source>%1; check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;)</source>
        <translation>%1；請檢查是否已安裝 udev 規則 70-orbelle-base-unit.rules（它為基座加上「uaccess」標記），以及您是否在本機前的使用中工作階段登入：uaccess 只對該使用者開放裝置，不對遠端登入或已切換離開的工作階段開放；然後重新插入基座（man %2，「DEVICE ACCESS」）</translation>
    </message>
    <message>
        <source>%1. Wait until that program has finished, or close it.</source>
        <translation>%1。請等待該程式結束，或將其關閉。</translation>
    </message>
    <message>
        <source>%1. Is it plugged in?</source>
        <translation>%1。基座插好了嗎？</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>無法開啟 %1：%2</translation>
    </message>
    <message>
        <source>VKR_%1 cannot be used for %2: %3; set it to the device&apos;s full path, for example /dev/ttyUSB0, or unset it</source>
        <translation>VKR_%1 不能用於 %2：%3；請將其設為裝置的完整路徑（例如 /dev/ttyUSB0），或移除此變數</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>值為空白</translation>
    </message>
    <message>
        <source>it is not a full path (one that begins with /)</source>
        <translation>值不是完整路徑（應以 / 開頭）</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>值中含有控制字元</translation>
    </message>
    <message>
        <source>it is not usable</source>
        <translation>值無法使用</translation>
    </message>
    <message>
        <source>Failed to open %1: %2</source>
        <translation>開啟 %1 失敗：%2</translation>
    </message>
    <message>
        <source>%1 did not open</source>
        <translation>%1 未能開啟</translation>
    </message>
    <message>
        <source>%1 hung up or went away</source>
        <translation>%1 已掛斷或已消失</translation>
    </message>
    <message>
        <source>Cannot set %1 on %2: %3</source>
        <translation>無法在 %2 上設定 %1：%3</translation>
    </message>
    <message>
        <source>Unknown serial line settings &quot;%1&quot;</source>
        <translation>不明的序列埠參數「%1」</translation>
    </message>
    <message>
        <source>The stored link settings could not be used:</source>
        <translation>無法使用已儲存的連線設定：</translation>
    </message>
    <message>
        <source>The program runs on the default settings.</source>
        <translation>程式將以預設設定執行。</translation>
    </message>
    <message>
        <source>Your choice could not be stored: %1.
It lasts only for this run.</source>
        <translation>無法儲存您的選擇：%1。
此選擇僅在本次執行中有效。</translation>
    </message>
    <message>
        <source>the preference store cannot be used</source>
        <translation>設定儲存區無法使用</translation>
    </message>
    <message>
        <source>%1; it is left as it is and the defaults are used</source>
        <translation>%1；檔案保持原狀，將使用預設值</translation>
    </message>
    <message>
        <source>%1; the change was not stored</source>
        <translation>%1；變更未儲存</translation>
    </message>
    <message>
        <source>%1; the values read before are used</source>
        <translation>%1；將使用先前讀取的值</translation>
    </message>
    <message>
        <source>%1 could not be parsed nor kept as %2 (%3)</source>
        <translation>%1 無法剖析，也無法另存為 %2（%3）</translation>
    </message>
    <message>
        <source>%1 could not be parsed; it was kept as %2</source>
        <translation>%1 無法剖析，已另存為 %2</translation>
    </message>
    <message>
        <source>%1 could not be parsed, and %2 earlier copies are kept already</source>
        <translation>%1 無法剖析，且已保留了 %2 份舊副本</translation>
    </message>
    <message>
        <source>%1 was being changed by another program for %2 ms</source>
        <translation>%1 在 %2 ms 內一直被其他程式修改</translation>
    </message>
    <message>
        <source>cannot create the folder %1 (%2)</source>
        <translation>無法建立資料夾 %1（%2）</translation>
    </message>
    <message>
        <source>cannot lock %1 (%2)</source>
        <translation>無法鎖定 %1（%2）</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>無法寫入 %1（%2）</translation>
    </message>
    <message>
        <source>it would be larger than %1</source>
        <translation>檔案將超過 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>無法讀取 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1 超過 %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 是%2，不是一般檔案</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>具名管道</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>通訊端</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>其他類型</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A statement that ends with a full stop: &quot;%1&quot; is the statement.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>it is not a URL of the form rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>它不是 rfc2217://HOST:PORT 或 socket://HOST:PORT 形式的 URL</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: %2</source>
        <extracomment>%1 is the port&apos;s URL, %2 why: &quot;the connection to rfc2217://host:2217 was lost: ...&quot;.</extracomment>
        <translation>與 %1 的連線已中斷：%2</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>連線已被關閉</translation>
    </message>
    <message>
        <source>%1 (the connection was closed)</source>
        <translation>%1（連線已被關閉）</translation>
    </message>
    <message>
        <source>the server did not answer the offer of RFC 2217&apos;s COM-PORT-OPTION</source>
        <translation>伺服器沒有回應 RFC 2217 的 COM-PORT-OPTION 協商</translation>
    </message>
    <message>
        <source>the server does not take RFC 2217&apos;s COM-PORT-OPTION (a raw port is named socket://HOST:PORT)</source>
        <translation>伺服器不支援 RFC 2217 的 COM-PORT-OPTION（原始連接埠寫作 socket://HOST:PORT）</translation>
    </message>
    <message>
        <source>the far port&apos;s settings are fixed at %1 by its server, and %2 is needed (rfc2217://HOST:PORT lets the settings travel)</source>
        <extracomment>%1 and %2 are line settings: &quot;9600,n,8,1&quot;.</extracomment>
        <translation>遠端序列埠的設定被其伺服器固定為 %1，而這裡需要 %2（rfc2217://HOST:PORT 可以傳遞設定）</translation>
    </message>
    <message>
        <source>the server did not acknowledge the line settings %1</source>
        <translation>伺服器沒有確認線路設定 %1</translation>
    </message>
    <message>
        <source>the server set the far port to %1 baud, not %2</source>
        <translation>伺服器把遠端序列埠設為 %1 鮑，而不是 %2</translation>
    </message>
    <message>
        <source>The upgrade could not be recorded: %1</source>
        <translation>無法記錄本次更新：%1</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <translation>%2 位元組中只寫入了 %1 位元組</translation>
    </message>
    <message>
        <source>remote serial ports need %1, which cannot be loaded: %2</source>
        <extracomment>%1 is the program&apos;s module file, %2 why: &quot;remote serial ports need /usr/lib/x86_64-linux-gnu/orbelle/liborbelle-remote-port.so, which cannot be loaded: No such file or directory&quot;.</extracomment>
        <translation>遠端序列埠需要 %1，但無法載入它：%2</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>它屬於本軟體的另一個版本</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2，%3/秒，剩餘 %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Sent and total bytes, before the rate is known: &quot;12.0 KiB of 1.0 MiB&quot;.</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>orbelle::DesktopNotifier</name>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::AboutBox</name>
    <message>
        <source>About Orbelle (VKR)</source>
        <translation>關於 Orbelle (VKR)</translation>
    </message>
    <message>
        <source>Version %1, for cordless barcode base units and handheld units</source>
        <translation>版本 %1，適用於無線條碼基座與掃描槍</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MainWindow</name>
    <message>
        <source>Handheld Unit</source>
        <translation>掃描槍</translation>
    </message>
    <message>
        <source>Base Unit</source>
        <translation>基座</translation>
    </message>
    <message>
        <source>
Set
Protocol</source>
        <translation>通訊設定</translation>
    </message>
    <message>
        <source>
Set
Base Unit</source>
        <translation>基座設定</translation>
    </message>
    <message>
        <source>
Upgrade
Base Unit</source>
        <translation>基座更新</translation>
    </message>
    <message>
        <source>
Upgrade
Handheld Unit</source>
        <translation>掃描槍更新</translation>
    </message>
    <message>
        <source>&amp;About Orbelle (VKR)</source>
        <translation>關於 Orbelle (VKR)(&amp;A)</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MessagePresenter</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetBaseUnitWindow</name>
    <message>
        <source>7 bits</source>
        <translation>7位元</translation>
    </message>
    <message>
        <source>8 bits</source>
        <translation>8位元</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1位元</translation>
    </message>
    <message>
        <source>2 bits</source>
        <translation>2位元</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: Low RTS)</source>
        <translation>RTS/CTS（主機閒置：RTS 低）</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: High RTS)</source>
        <translation>RTS/CTS（主機閒置：RTS 高）</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇數</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶數</translation>
    </message>
    <message>
        <source>Alphabetic key</source>
        <translation>主鍵盤</translation>
    </message>
    <message>
        <source>Alt+ Keypad</source>
        <translation>Alt+數字鍵台</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>地區</translation>
    </message>
    <message>
        <source>Frequency hopping</source>
        <translation>跳頻</translation>
    </message>
    <message>
        <source>RS232 protocol settings</source>
        <translation>RS232 設定</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>流量控制</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>停止位元</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>同位檢查</translation>
    </message>
    <message>
        <source>USB (PS2) protocol settings</source>
        <translation>USB (PS2) 設定</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>數字鍵</translation>
    </message>
    <message>
        <source>Software versions</source>
        <translation>軟體版本</translation>
    </message>
    <message>
        <source>Radio frequency settings</source>
        <translation>射頻設定</translation>
    </message>
    <message>
        <source>Associated handheld unit  IDs</source>
        <translation>已註冊的掃描槍編號</translation>
    </message>
    <message>
        <source>Set Base Unit</source>
        <translation>基座設定</translation>
    </message>
    <message>
        <source>Nation:</source>
        <translation>地區：</translation>
    </message>
    <message>
        <source>Enable frequency hopping</source>
        <translation>啟用跳頻</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>數字鍵台</translation>
    </message>
    <message>
        <source>Bootloader version:</source>
        <translation>開機程式版本：</translation>
    </message>
    <message>
        <source>Application version:</source>
        <translation>應用程式版本：</translation>
    </message>
    <message>
        <source>Power level (dBm):</source>
        <translation>發射功率 (dBm)：</translation>
    </message>
    <message>
        <source>Channel Number:</source>
        <translation>頻道編號：</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Settings summary</source>
        <translation>設定摘要</translation>
    </message>
    <message>
        <source>
Return
Default Settings</source>
        <translation>恢復預設設定</translation>
    </message>
    <message>
        <source>
Display
Current Settings</source>
        <translation>讀取目前設定</translation>
    </message>
    <message>
        <source>
Upload
New Settings</source>
        <translation>寫入新設定</translation>
    </message>
    <message>
        <source>
Cancel
</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Copy settings summary</source>
        <translation>複製設定摘要</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetProtocolWindow</name>
    <message>
        <source>Protocol</source>
        <translation>通訊方式</translation>
    </message>
    <message>
        <source>RS232 settings</source>
        <translation>RS232 設定</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>序列埠：</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>
Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Set Protocol</source>
        <translation>通訊設定</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::TransferDesktop</name>
    <message>
        <source>Upgrade failed</source>
        <translation>更新失敗</translation>
    </message>
    <message>
        <source>Upgrade failed: the link to the base unit broke</source>
        <translation>更新失敗：與基座的連線已中斷</translation>
    </message>
    <message>
        <source>%1% - %2</source>
        <translation>%1% - %2</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::UpgradeWindow</name>
    <message>
        <source>Plain Binary</source>
        <translation>二進位檔</translation>
    </message>
    <message>
        <source>All file</source>
        <translation>所有檔案</translation>
    </message>
    <message>
        <source>Upgrade Base Unit</source>
        <translation>基座韌體更新</translation>
    </message>
    <message>
        <source>Upgrade base unit:</source>
        <translation>更新基座韌體：</translation>
    </message>
    <message>
        <source>Upgrade Handheld Unit</source>
        <translation>掃描槍韌體更新</translation>
    </message>
    <message>
        <source>Update handheld unit:</source>
        <translation>更新掃描槍韌體：</translation>
    </message>
    <message>
        <source>Base unit upgraded</source>
        <translation>基座已更新</translation>
    </message>
    <message>
        <source>Handheld unit upgraded</source>
        <translation>掃描槍已更新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Bootloader Version:</source>
        <translation>開機程式版本：</translation>
    </message>
    <message>
        <source>Bootloader ID:</source>
        <translation>開機程式 ID：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>韌體檔案：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>更新進度</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <translation>正在更新基座韌體</translation>
    </message>
    <message>
        <source>Upgrading a handheld unit</source>
        <translation>正在更新掃描槍韌體</translation>
    </message>
    <message>
        <source>%1% %2</source>
        <translation>%1% %2</translation>
    </message>
    <message>
        <source>No answer for %1 s; Cancel ends the transfer</source>
        <translation>%1 秒無回應；按「取消」結束傳輸</translation>
    </message>
    <message>
        <source>The base unit has not answered for %1 seconds. Cancel ends the transfer.</source>
        <translation>基座已 %1 秒沒有回應。按「取消」可結束傳輸。</translation>
    </message>
    <message>
        <source>Waiting while the base unit restarts</source>
        <translation>正在等待基座重新啟動</translation>
    </message>
    <message>
        <source>Waiting while the base unit takes the start frame</source>
        <translation>正在等待基座處理開始訊框</translation>
    </message>
</context>
<context>
    <name>vkr</name>
    <message>
        <source>%1 (the stored protocol is not recognised: run &quot;vkr prefs set protocol usb&quot; or rs232, or pass --link)</source>
        <translation>%1（無法辨識已儲存的通訊方式：請執行「vkr prefs set protocol usb」或 rs232，或加上 --link）</translation>
    </message>
    <message>
        <source>%1; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%1；請將自己加入 dialout 群組（sudo usermod -aG dialout $USER，然後重新登入）</translation>
    </message>
    <message>
        <source>%1; the port may be in use by another program</source>
        <translation>%1；該連接埠可能正被其他程式使用</translation>
    </message>
    <message>
        <source>%1; wait until that program has finished, or close it</source>
        <translation>%1；請等待該程式結束，或將其關閉</translation>
    </message>
    <message>
        <source>%1; close that program, or choose another port</source>
        <translation>%1；請關閉該程式，或選擇其他連接埠</translation>
    </message>
    <message>
        <source>%1; is it plugged in?</source>
        <translation>%1；基座插好了嗎？</translation>
    </message>
    <message>
        <source>%1; check the cable and the device path</source>
        <translation>%1；請檢查纜線和裝置路徑</translation>
    </message>
    <message>
        <source>%1; check the cable, or name the device with &quot;vkr prefs set com %2 PATH&quot; or VKR_COM%3</source>
        <translation>%1；請檢查纜線，或以「vkr prefs set com %2 路徑」或 VKR_COM%3 指定裝置</translation>
    </message>
    <message>
        <source>%1 (report ignored)</source>
        <translation>%1（已忽略該報告）</translation>
    </message>
    <message>
        <source>%1 input reports shorter than a frame were ignored (the last: %2)</source>
        <translation>已忽略 %1 個短於一個訊框的輸入報告（最後一個：%2）</translation>
    </message>
    <message>
        <source>%1 (bootloader %2, application %3)</source>
        <translation>%1（開機程式 %2，應用程式 %3）</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request within %1 s.</source>
        <translation>無法與基座通訊。%1 秒內沒有收到讀取設定要求的回應。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the upload within %1 s.</source>
        <translation>無法與基座通訊。%1 秒內沒有收到寫入設定的回應。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke: %1</source>
        <translation>無法與基座通訊。連線已中斷：%1</translation>
    </message>
    <message>
        <source>unexpected answer: %1</source>
        <translation>未預期的回應：%1</translation>
    </message>
    <message>
        <source>interrupted before the base unit confirmed the upload: whether it took the new settings is unknown (vkr settings read shows what it has)</source>
        <translation>在基座確認寫入之前被中斷：無法確定基座是否已採用新設定（可用 vkr settings read 查看）</translation>
    </message>
    <message>
        <source>interrupted: nothing was uploaded</source>
        <translation>已中斷：未寫入任何內容</translation>
    </message>
    <message>
        <source>The base unit has never been set: starting from the default settings.</source>
        <translation>基座從未設定過：將以預設設定為基礎。</translation>
    </message>
    <message>
        <source>Also changed %1 from %2 to %3 (%4).</source>
        <extracomment>%1 is a setting&apos;s name as vkr settings set takes it (&quot;power&quot;), %2 and %3 its values.</extracomment>
        <translation>另外將 %1 從 %2 改為 %3（%4）。</translation>
    </message>
    <message>
        <source>not a power the settings window offers</source>
        <translation>設定視窗不提供此功率</translation>
    </message>
    <message>
        <source>outside the range with hopping</source>
        <translation>超出跳頻時的範圍</translation>
    </message>
    <message>
        <source>a code the settings window has no button for</source>
        <translation>設定視窗中沒有對應按鈕的代碼</translation>
    </message>
    <message>
        <source>channel %1 is outside %2</source>
        <translation>頻道 %1 超出範圍 %2</translation>
    </message>
    <message>
        <source>the base unit reports channel %1, outside %2; choose a channel</source>
        <translation>基座回報的頻道 %1 超出範圍 %2；請選擇一個頻道</translation>
    </message>
    <message>
        <source>1 to %1 for %2 with hopping</source>
        <translation>%2 跳頻時為 1 到 %1</translation>
    </message>
    <message>
        <source>1 to %1 for %2 without hopping</source>
        <translation>%2 不跳頻時為 1 到 %1</translation>
    </message>
    <message>
        <source>say what to change, for example --channel 3 (see --help)</source>
        <translation>請指明要變更的內容，例如 --channel 3（參見 --help）</translation>
    </message>
    <message>
        <source>--ids takes IDs from 1 to 16 separated by commas, or &quot;none&quot; to clear them all, not &quot;%1&quot;</source>
        <translation>--ids 接受以逗號分隔的 1 到 16 的編號，或以「none」清除全部，而不是「%1」</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <extracomment>%1 is an option, %2 the values it takes: &quot;--parity takes none, odd, even, not &quot;x&quot;&quot;.</extracomment>
        <translation>%1 接受 %2，而不是「%3」</translation>
    </message>
    <message>
        <source>--power takes %1 (dBm)</source>
        <translation>--power 接受 %1 (dBm)</translation>
    </message>
    <message>
        <source>--rs232-baud takes 4800, 9600, 19200, 38400, 57600 or 115200</source>
        <translation>--rs232-baud 接受 4800、9600、19200、38400、57600 或 115200</translation>
    </message>
    <message>
        <source>nation               %1</source>
        <extracomment>The table of vkr settings read: the values start in column 22, as in English.</extracomment>
        <translation>地區                 %1</translation>
    </message>
    <message>
        <source>%1 (not changed: vkr uploads no nation)</source>
        <translation>%1（未變更：vkr 不寫入地區）</translation>
    </message>
    <message>
        <source>frequency hopping    %1</source>
        <translation>跳頻                 %1</translation>
    </message>
    <message>
        <source>channel              %1</source>
        <translation>頻道                 %1</translation>
    </message>
    <message>
        <source>power                %1 dBm</source>
        <translation>發射功率             %1 dBm</translation>
    </message>
    <message>
        <source>handheld IDs         %1</source>
        <translation>掃描槍編號           %1</translation>
    </message>
    <message>
        <source>RS232 baud rate      %1</source>
        <translation>RS232 鮑率           %1</translation>
    </message>
    <message>
        <source>RS232 data bits      %1</source>
        <translation>RS232 資料位元       %1</translation>
    </message>
    <message>
        <source>RS232 stop bits      %1</source>
        <translation>RS232 停止位元       %1</translation>
    </message>
    <message>
        <source>RS232 parity         %1</source>
        <translation>RS232 同位檢查       %1</translation>
    </message>
    <message>
        <source>RS232 flow control   %1</source>
        <translation>RS232 流量控制       %1</translation>
    </message>
    <message>
        <source>numeric key          %1</source>
        <translation>數字鍵               %1</translation>
    </message>
    <message>
        <source>bootloader version   %1</source>
        <translation>開機程式版本         %1</translation>
    </message>
    <message>
        <source>application version  %1</source>
        <translation>應用程式版本         %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>USB base units (0471:0003):</source>
        <translation>USB 基座（0471:0003）：</translation>
    </message>
    <message>
        <source>%1  (beyond the first 32 HID interfaces: not used)</source>
        <translation>%1  （在前 32 個 HID 介面之外：不使用）</translation>
    </message>
    <message>
        <source>  none found</source>
        <translation>  找不到</translation>
    </message>
    <message>
        <source>Serial ports:</source>
        <translation>序列埠：</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>環境變數</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>已儲存</translation>
    </message>
    <message>
        <source>default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>given</source>
        <translation>指定</translation>
    </message>
    <message>
        <source>%1; refused: %2</source>
        <translation>%1；被拒絕：%2</translation>
    </message>
    <message>
        <source>%1; the stored device was passed over: %2</source>
        <translation>%1；已略過儲存的裝置：%2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>（不顯示）</translation>
    </message>
    <message>
        <source>%1  none (not recognised; set it)</source>
        <translation>%1  無（無法辨識，請設定）</translation>
    </message>
    <message>
        <source>%1  (none)</source>
        <translation>%1  （無）</translation>
    </message>
    <message>
        <source>stored %1</source>
        <translation>已儲存 %1</translation>
    </message>
    <message>
        <source>could not store %1 in %2</source>
        <translation>無法將 %1 儲存到 %2</translation>
    </message>
    <message>
        <source>COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not &quot;%1&quot;</source>
        <translation>序列埠必須是 1、2、3 或 4（或 COM1 到 COM4），而不是「%1」</translation>
    </message>
    <message>
        <source>protocol must be usb or rs232, not &quot;%1&quot;</source>
        <translation>通訊方式必須是 usb 或 rs232，而不是「%1」</translation>
    </message>
    <message>
        <source>baud rate must be %1, not &quot;%2&quot;</source>
        <translation>鮑率必須是 %1，而不是「%2」</translation>
    </message>
    <message>
        <source>the device path is longer than %1 bytes and could not be read back</source>
        <translation>裝置路徑超過 %1 位元組，將無法讀回</translation>
    </message>
    <message>
        <source>--device needs the path of a serial device</source>
        <translation>--device 需要序列裝置的路徑</translation>
    </message>
    <message>
        <source>--device names a serial device: it cannot go with --link usb</source>
        <translation>--device 指定的是序列裝置，不能與 --link usb 同時使用</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Upgrading the base unit with %1 bytes...</source>
        <translation>正在以 %1 位元組更新基座韌體……</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit with %1 bytes...</source>
        <translation>正在以 %1 位元組更新掃描槍韌體……</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the base unit to restart...</source>
        <translation>所有資料區塊皆已確認；等待基座重新啟動 %1 秒……</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the handheld unit to restart...</source>
        <translation>所有資料區塊皆已確認；等待掃描槍重新啟動 %1 秒……</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <extracomment>The sleep inhibitor&apos;s reason, shown by the desktop.</extracomment>
        <translation>正在更新基座韌體</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit</source>
        <translation>正在更新掃描槍韌體</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7; %8 replies with a wrong FCS were taken by their code</source>
        <translation>以 %2 個資料區塊傳送了 %1 位元組（重送 %3 次，交握 %4 次）；資料區塊階段 %5 秒，%6/秒；結束方式 %7；有 %8 個 FCS 錯誤的回應依其代碼採用</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7</source>
        <translation>以 %2 個資料區塊傳送了 %1 位元組（重送 %3 次，交握 %4 次）；資料區塊階段 %5 秒，%6/秒；結束方式 %7</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the base unit upgrade %2.</source>
        <translation>無法與基座通訊：基座韌體更新中 %1 秒內沒有回應 %2。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the handheld unit upgrade %2.</source>
        <translation>無法與基座通訊：掃描槍韌體更新中 %1 秒內沒有回應 %2。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke %1: %2</source>
        <translation>無法與基座通訊。連線中斷 %1：%2</translation>
    </message>
    <message>
        <source>(in the pause after the start frame)</source>
        <translation>（在開始訊框之後的暫停中）</translation>
    </message>
    <message>
        <source>(waiting for the answer to the start frame)</source>
        <translation>（正在等待開始訊框的回應）</translation>
    </message>
    <message>
        <source>(waiting for the answer to the block at byte %1 of %2, %3 blocks sent)</source>
        <translation>（正在等待第 %1 位元組處資料區塊的回應，共 %2 位元組，已傳送 %3 個資料區塊）</translation>
    </message>
    <message>
        <source>(after %1 blocks)</source>
        <translation>（傳送 %1 個資料區塊之後）</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the base unit</source>
        <translation>在傳送任何內容給基座之前被中斷</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the handheld unit</source>
        <translation>在傳送任何內容給掃描槍之前被中斷</translation>
    </message>
    <message>
        <source>interrupted while the base unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>基座確認全部 %1 個資料區塊後重新啟動期間被中斷：未能看到更新結束</translation>
    </message>
    <message>
        <source>interrupted while the handheld unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>掃描槍確認全部 %1 個資料區塊後重新啟動期間被中斷：未能看到更新結束</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the base unit is waiting for them: run the upgrade again</source>
        <translation>在開始訊框之後、%1 個資料區塊的第一個之前被中斷；基座正在等待資料：請重新更新</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the handheld unit is waiting for them: run the upgrade again</source>
        <translation>在開始訊框之後、%1 個資料區塊的第一個之前被中斷；掃描槍正在等待資料：請重新更新</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the base unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>在全部 %1 個資料區塊之後、基座確認最後一個之前被中斷：為保險起見請重新更新</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the handheld unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>在全部 %1 個資料區塊之後、掃描槍確認最後一個之前被中斷：為保險起見請重新更新</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the base unit is waiting for the rest: run the upgrade again</source>
        <translation>在 %2 個資料區塊中的 %1 個之後被中斷；基座正在等待其餘資料：請重新更新</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the handheld unit is waiting for the rest: run the upgrade again</source>
        <translation>在 %2 個資料區塊中的 %1 個之後被中斷；掃描槍正在等待其餘資料：請重新更新</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 為空白</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A statement and its detail: &quot;Can not open the file! (/tmp/x.dat: is a directory)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1：是資料夾</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1：不是一般檔案</translation>
    </message>
    <message>
        <source>the device path cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>裝置路徑無法使用：%1；請提供裝置的完整路徑，例如 /dev/ttyUSB0，或 rfc2217://HOST:PORT、socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--device cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>--device 無法使用：%1；請提供裝置的完整路徑，例如 /dev/ttyUSB0，或 rfc2217://HOST:PORT、socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--all-units found no USB base unit (0471:0003); is one plugged in?</source>
        <translation>--all-units 沒有找到 USB 基座（0471:0003）；是否已插上？</translation>
    </message>
    <message>
        <source>%1; none has the path or serial number %2 (vkr devices lists them); is it plugged in?</source>
        <translation>%1；沒有路徑或序號為 %2 的基座（vkr devices 可列出它們）；是否已插上？</translation>
    </message>
    <message>
        <source>--unit %1: %2 USB units have that serial number; name each by its path (see vkr devices)</source>
        <translation>--unit %1：有 %2 個 USB 基座使用這個序號；請按路徑分別指定（見 vkr devices）</translation>
    </message>
    <message>
        <source>--unit %1: %2</source>
        <translation>--unit %1：%2</translation>
    </message>
    <message>
        <source>%1 names the units and their links: it cannot go with %2</source>
        <extracomment>%1 is --unit or --all-units, %2 another option: --link, --port or --device.</extracomment>
        <translation>%1 已指定基座及其連線：不能與 %2 同時使用</translation>
    </message>
    <message>
        <source>--unit needs a unit&apos;s path, serial number or URL, without control characters</source>
        <translation>--unit 需要基座的路徑、序號或 URL，且不能含控制字元</translation>
    </message>
    <message>
        <source>%1 of %2 units failed: %3</source>
        <extracomment>%3 lists the units that failed, each with its exit status: &quot;UNIT3 (3)&quot;.</extracomment>
        <translation>%2 個基座中有 %1 個失敗：%3</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read (%2)</source>
        <translation>無法讀取設定檔 %1（%2）</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be used: %2</source>
        <translation>設定檔 %1 無法使用：%2</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>它大於 %1</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>它不是 JSON（%1）</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it holds no JSON object</source>
        <translation>不是 orbelle 的設定檔：其中沒有 JSON 物件</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it has no &quot;format&quot;</source>
        <translation>不是 orbelle 的設定檔：沒有 &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: its format is %1</source>
        <translation>不是 orbelle 的設定檔：其格式為 %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <extracomment>%1 is a key of the settings file, as written in it (&quot;rs232.parity&quot;).</extracomment>
        <translation>未知的鍵 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing key &quot;%1&quot;</source>
        <translation>缺少鍵 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <extracomment>%1 is a key, %2 the kind of value it takes, %3 the value the file gives.</extracomment>
        <translation>%1 必須是%2，而不是 %3</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整數</translation>
    </message>
    <message>
        <source>a whole number or null</source>
        <translation>整數或 null</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>a text or null</source>
        <translation>文字或 null</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a list of IDs</source>
        <translation>編號清單</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>物件</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <extracomment>%1 is a key, %2 the file&apos;s value, %3 the values it may take.</extracomment>
        <translation>%1 為 %2，不是 %3 之一</translation>
    </message>
    <message>
        <source>channel is %1, outside 1 to %2</source>
        <translation>channel 為 %1，超出 1 到 %2 的範圍</translation>
    </message>
    <message>
        <source>ids holds %1, outside 1 to 16</source>
        <translation>ids 含有 %1，超出 1 到 16 的範圍</translation>
    </message>
    <message>
        <source>nation %1 is not the base unit&apos;s (%2): an upload cannot change the nation</source>
        <extracomment>%1 and %2 are nations as the settings file names them: europe, china, turkey.</extracomment>
        <translation>nation %1 不是基座的地區（%2）：寫入設定無法變更地區</translation>
    </message>
    <message>
        <source>settings save reads one unit: name it with --unit</source>
        <translation>settings save 只讀取一個基座：請用 --unit 指定</translation>
    </message>
    <message>
        <source>saved the base unit&apos;s settings in %1</source>
        <translation>已將基座的設定儲存到 %1</translation>
    </message>
    <message>
        <source>dry run: nothing was uploaded</source>
        <translation>試執行：未寫入任何內容</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>沒有需要變更的設定</translation>
    </message>
    <message>
        <source>the settings read back are those of the file</source>
        <translation>讀回的設定與檔案一致</translation>
    </message>
    <message>
        <source>the settings read back after the upload are not those uploaded: %1</source>
        <extracomment>%1 lists each setting as uploaded and as read back: &quot;channel: 7 -&gt; 3&quot;.</extracomment>
        <translation>寫入後讀回的設定與寫入的不同：%1</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request after the upload within %1 s.</source>
        <translation>無法與基座通訊。寫入後 %1 秒內沒有收到讀取設定請求的回應。</translation>
    </message>
    <message>
        <source>application version %1 before, %2 after</source>
        <extracomment>Versions as the base unit reports them: &quot;application version 2.1.0 before, 2.1.1 after&quot;.</extracomment>
        <translation>應用程式版本：更新前 %1，更新後 %2</translation>
    </message>
    <message>
        <source>application version %1 before, not read after</source>
        <translation>應用程式版本：更新前 %1，更新後未能讀取</translation>
    </message>
    <message>
        <source>application version %1 after, not read before</source>
        <translation>應用程式版本：更新後 %1，更新前未能讀取</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions before the upgrade are not known (%1)</source>
        <translation>更新前基座的版本未知（%1）</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions after the upgrade could not be read (%1): check that it restarted (its power, its cable, the link), then run vkr settings read</source>
        <translation>更新後無法讀取基座的版本（%1）：請檢查它是否已重新啟動（電源、纜線、連線），然後執行 vkr settings read</translation>
    </message>
    <message>
        <source>interrupted before the base unit&apos;s versions were read again</source>
        <translation>在重新讀取基座版本之前已中斷</translation>
    </message>
    <message>
        <source>no reply to the settings request within %1 s</source>
        <translation>%1 秒內沒有收到讀取設定請求的回應</translation>
    </message>
    <message>
        <source>the link broke: %1</source>
        <translation>連線已中斷：%1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中斷</translation>
    </message>
    <message>
        <source>an unexpected answer</source>
        <translation>意外的回應</translation>
    </message>
    <message>
        <source>no settings reply</source>
        <translation>沒有設定回應</translation>
    </message>
    <message>
        <source>no upgrade has been recorded in %1</source>
        <translation>%1 中沒有更新紀錄</translation>
    </message>
    <message>
        <source>line %1 of %2 is not an upgrade record: it is skipped</source>
        <translation>%2 的第 %1 行不是更新紀錄：已略過</translation>
    </message>
    <message>
        <source>the last line of %1 is incomplete (its program ended while writing it): it is skipped</source>
        <translation>%1 的最後一行不完整（寫入它的程式在寫入時結束了）：已略過</translation>
    </message>
</context>
<context>
    <name>vkr table</name>
    <message>
        <source>unit</source>
        <extracomment>The headings of the table that ends a run on several units, and of vkr history.</extracomment>
        <translation>基座</translation>
    </message>
    <message>
        <source>result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>How a unit&apos;s run ended, in the table&apos;s result column; the number is the exit status.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>failed (1)</source>
        <translation>失敗（1）</translation>
    </message>
    <message>
        <source>refused (2)</source>
        <translation>被拒絕（2）</translation>
    </message>
    <message>
        <source>link not usable (3)</source>
        <translation>連線無法使用（3）</translation>
    </message>
    <message>
        <source>no reply (4)</source>
        <translation>無回應（4）</translation>
    </message>
    <message>
        <source>never set (5)</source>
        <translation>從未設定（5）</translation>
    </message>
    <message>
        <source>image unusable (6)</source>
        <translation>韌體檔案無法使用（6）</translation>
    </message>
    <message>
        <source>interrupted (%1)</source>
        <translation>已中斷（%1）</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>結束碼 %1</translation>
    </message>
    <message>
        <source>program</source>
        <translation>程式</translation>
    </message>
    <message>
        <source>device</source>
        <translation>裝置</translation>
    </message>
    <message>
        <source>image</source>
        <translation>韌體檔案</translation>
    </message>
    <message>
        <source>application</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>upgrade</source>
        <extracomment>The headings of vkr history&apos;s table (besides result and time); &quot;upgrade&quot; heads the column of base and handheld, as in vkr upgrade base.</extracomment>
        <translation>更新</translation>
    </message>
</context>
</TS>

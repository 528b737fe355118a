<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Message</name>
    <message>
        <source>VKR - Software Problem/Communication Message</source>
        <translation>VKR - 软件问题/通信</translation>
    </message>
    <message>
        <source>VKR - Hardware Problem/Communication Message</source>
        <translation>VKR - 硬件问题/通信</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Settings Message</source>
        <translation>VKR - 软件问题/设置</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Channel Number Setting Message</source>
        <translation>VKR - 软件问题/信道设置</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Preferences Message</source>
        <translation>VKR - 软件问题/程序设置</translation>
    </message>
    <message>
        <source>Tavri Barcode Suite - Software Problem/Reset Message</source>
        <translation>Tavri Barcode Suite - 软件问题/复位</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit!</source>
        <translation>无法与基座通信！</translation>
    </message>
    <message>
        <source>Please set the communicate attribute before communication!</source>
        <translation>请先设置通信方式（USB 或 RS232）！</translation>
    </message>
    <message>
        <source>Please ensure the base unit is well connected to PC, and is in setting mode.  </source>
        <extracomment>The two blanks at the end belong to the English text only.</extracomment>
        <translation>请确认基座已正确连接到电脑，并处于设置模式。</translation>
    </message>
    <message>
        <source>Cannot open COM port!</source>
        <translation>无法打开串口！</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit! %1</source>
        <translation>无法与基座通信！%1</translation>
    </message>
    <message>
        <source>The base unit was unplugged (%1).</source>
        <translation>基座已被拔出（%1）。</translation>
    </message>
    <message>
        <source>No settings can be read from the base unit.
The unit may have not been set.</source>
        <translation>无法从基座读取设置。
基座可能从未设置过。</translation>
    </message>
    <message>
        <source>The current settings of base unit have been loaded.</source>
        <translation>已读取基座的当前设置。</translation>
    </message>
    <message>
        <source>The new settings of base unit have been uploaded.</source>
        <translation>新设置已写入基座。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit.</source>
        <translation>无法与基座通信。</translation>
    </message>
    <message>
        <source>The setting of channel number is out of valid range.
The old setting will be replaced with the default setting.</source>
        <translation>信道号超出有效范围。
原设置将被默认设置替换。</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is disable.</source>
        <translation>地区：欧洲，跳频：关闭。</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is enable.</source>
        <translation>地区：欧洲，跳频：开启。</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is disable.</source>
        <translation>地区：中国，跳频：关闭。</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is enable.</source>
        <translation>地区：中国，跳频：开启。</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is disable.</source>
        <translation>地区：土耳其，跳频：关闭。</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is enable.</source>
        <translation>地区：土耳其，跳频：开启。</translation>
    </message>
    <message>
        <source>%1Now there are %2 Barcode readers registered at this base.</source>
        <extracomment>%1 is the sentence on the nation and hopping, %2 the number of handheld units.</extracomment>
        <translation>%1本基座已注册 %2 把扫描枪。</translation>
    </message>
    <message>
        <source>They are Reader %1!</source>
        <extracomment>%1 lists the IDs of the registered handheld units: &quot;1,3&quot;.</extracomment>
        <translation>扫描枪编号：%1</translation>
    </message>
    <message>
        <source>They are Reader!</source>
        <translation>扫描枪编号：无</translation>
    </message>
    <message>
        <source>Channel  %1 is used to communicate.</source>
        <translation>通信信道：%1</translation>
    </message>
    <message>
        <source>The Base RF output power is %1dBm!</source>
        <translation>基座射频发射功率：%1 dBm</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>欧洲</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其</translation>
    </message>
    <message>
        <source>Can not open the file!</source>
        <translation>无法打开文件！</translation>
    </message>
    <message>
        <source>The file has no data!</source>
        <translation>文件中没有数据！</translation>
    </message>
    <message>
        <source>The base unit has been upgraded.</source>
        <translation>基座固件已升级。</translation>
    </message>
    <message>
        <source>The handheld unit application file has no data!</source>
        <translation>扫描枪固件文件中没有数据！</translation>
    </message>
    <message>
        <source>The handheld unit has been upgraded</source>
        <translation>扫描枪固件已升级。</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, but an upgrade image can have at most %2 bytes!</source>
        <translation>文件过大：%1 字节，而升级文件最多只能有 %2 字节！</translation>
    </message>
    <message>
        <source>Can not read the file at byte %1 of %2; it may have changed since the upgrade started!</source>
        <translation>无法读取文件第 %1 字节（共 %2 字节）；升级开始后文件可能已被修改！</translation>
    </message>
    <message>
        <source>The file changed while it was being sent, so the unit may have received parts of two different images. The upgrade was stopped; please send the file again!</source>
        <translation>文件在发送过程中被修改，设备可能收到了两个不同固件的片段。升级已停止，请重新发送文件！</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the base unit received the whole image. Please send the file again!</source>
        <extracomment>%1 says what came: &quot;2 frames (block acknowledgement, retry request)&quot;.</extracomment>
        <translation>基座在最后一个数据块之后、本应重启时发来了%1，因此无法确定基座是否收到了完整的固件。请重新发送文件！</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the handheld unit received the whole image. Please send the file again!</source>
        <translation>基座在最后一个数据块之后、本应重启时发来了%1，因此无法确定扫描枪是否收到了完整的固件。请重新发送文件！</translation>
    </message>
    <message>
        <source>%1 and %2 bytes that were dropped</source>
        <translation>%1以及被丢弃的 %2 字节</translation>
    </message>
    <message>
        <source>%1 bytes that were dropped</source>
        <translation>被丢弃的 %1 字节</translation>
    </message>
    <message>
        <source>1 frame (%1)</source>
        <translation> 1 帧（%1）</translation>
    </message>
    <message>
        <source>%1 frames (%2)</source>
        <translation> %1 帧（%2）</translation>
    </message>
    <message>
        <source>start acknowledgement</source>
        <translation>开始确认</translation>
    </message>
    <message>
        <source>block acknowledgement</source>
        <translation>数据块确认</translation>
    </message>
    <message>
        <source>retry request</source>
        <translation>重发请求</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>握手</translation>
    </message>
    <message>
        <source>done reply</source>
        <translation>完成应答</translation>
    </message>
    <message>
        <source>end of a pause</source>
        <translation>暂停结束</translation>
    </message>
    <message>
        <source>The serial line adds about %1 ms before each reply (a USB-serial adapter&apos;s latency timer): this transfer will take about %2 instead of %3. An adapter or driver that supports low latency avoids it (setserial %4 low_latency).</source>
        <translation>串口线路在每次应答前增加约 %1 ms 的延迟（USB 转串口适配器的延迟定时器）：本次传输约需 %2，而不是 %3。支持低延迟的适配器或驱动可避免此问题（setserial %4 low_latency）。</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure!</source>
        <translation>升级因意外错误而停止！</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure: %1</source>
        <translation>升级因意外错误而停止：%1</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2，%3/秒，剩余 %4</translation>
    </message>
    <message>
        <source>Cannot begin a Thread to receive data,please reset base station if it is connected to PC.</source>
        <translation>无法启动数据接收线程，如果基座已连接到电脑，请复位基座。</translation>
    </message>
    <message>
        <source>请插入条码枪并重启本软件！</source>
        <extracomment>Asks the operator to plug in the barcode reader and start the program again.</extracomment>
        <translation>请插入条码枪并重启本软件！</translation>
    </message>
    <message>
        <source>the base unit stopped answering</source>
        <translation>基座不再应答</translation>
    </message>
    <message>
        <source>Only read %1 bytes</source>
        <translation>只读到 %1 字节</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened; %2</source>
        <translation>无法打开任何 USB 基座（%1）；%2</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened</source>
        <translation>无法打开任何 USB 基座（%1）</translation>
    </message>
    <message>
        <source>it is in use by another program (PID %1)</source>
        <translation>设备正被其他程序占用（PID %1）</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>设备正被其他程序占用</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used: %2</source>
        <translation>其锁文件 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>不断被替换</translation>
    </message>
    <message>
        <source>%1. Check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;).</source>
        <extracomment>%1 is the cause; %2 the program whose manual tells more.</extracomment>
        <translation>%1。请检查是否已安装 udev 规则 70-orbelle-base-unit.rules（它为基座加上“uaccess”标记），以及您是否在本机前的活动会话中登录：uaccess 只向该用户开放设备，不向远程登录或已切换走的会话开放；然后重新插入基座（man %2，“DEVICE ACCESS”）。</translation>
    </message>
    <message>
        <source>%1; check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;)</source>
        <translation>%1；请检查是否已安装 udev 规则 70-orbelle-base-unit.rules（它为基座加上“uaccess”标记），以及您是否在本机前的活动会话中登录：uaccess 只向该用户开放设备，不向远程登录或已切换走的会话开放；然后重新插入基座（man %2，“DEVICE ACCESS”）</translation>
    </message>
    <message>
        <source>%1. Wait until that program has finished, or close it.</source>
        <translation>%1。请等待该程序结束，或将其关闭。</translation>
    </message>
    <message>
        <source>%1. Is it plugged in?</source>
        <translation>%1。基座插好了吗？</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>VKR_%1 cannot be used for %2: %3; set it to the device&apos;s full path, for example /dev/ttyUSB0, or unset it</source>
        <translation>VKR_%1 不能用于 %2：%3；请将其设为设备的完整路径（例如 /dev/ttyUSB0），或删除该变量</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>值为空</translation>
    </message>
    <message>
        <source>it is not a full path (one that begins with /)</source>
        <translation>值不是完整路径（应以 / 开头）</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>值中含有控制字符</translation>
    </message>
    <message>
        <source>it is not usable</source>
        <translation>值不可用</translation>
    </message>
    <message>
        <source>Failed to open %1: %2</source>
        <translation>打开 %1 失败：%2</translation>
    </message>
    <message>
        <source>%1 did not open</source>
        <translation>%1 未能打开</translation>
    </message>
    <message>
        <source>%1 hung up or went away</source>
        <translation>%1 已挂断或已消失</translation>
    </message>
    <message>
        <source>Cannot set %1 on %2: %3</source>
        <translation>无法在 %2 上设置 %1：%3</translation>
    </message>
    <message>
        <source>Unknown serial line settings &quot;%1&quot;</source>
        <translation>未知的串口参数“%1”</translation>
    </message>
    <message>
        <source>The stored link settings could not be used:</source>
        <translation>无法使用已保存的连接设置：</translation>
    </message>
    <message>
        <source>The program runs on the default settings.</source>
        <translation>程序将使用默认设置运行。</translation>
    </message>
    <message>
        <source>Your choice could not be stored: %1.
It lasts only for this run.</source>
        <translation>无法保存您的选择：%1。
该选择仅在本次运行中有效。</translation>
    </message>
    <message>
        <source>the preference store cannot be used</source>
        <translation>设置存储不可用</translation>
    </message>
    <message>
        <source>%1; it is left as it is and the defaults are used</source>
        <translation>%1；文件保持原样，将使用默认值</translation>
    </message>
    <message>
        <source>%1; the change was not stored</source>
        <translation>%1；更改未保存</translation>
    </message>
    <message>
        <source>%1; the values read before are used</source>
        <translation>%1；将使用之前读取的值</translation>
    </message>
    <message>
        <source>%1 could not be parsed nor kept as %2 (%3)</source>
        <translation>%1 无法解析，也无法另存为 %2（%3）</translation>
    </message>
    <message>
        <source>%1 could not be parsed; it was kept as %2</source>
        <translation>%1 无法解析，已另存为 %2</translation>
    </message>
    <message>
        <source>%1 could not be parsed, and %2 earlier copies are kept already</source>
        <translation>%1 无法解析，且已保存了 %2 份旧副本</translation>
    </message>
    <message>
        <source>%1 was being changed by another program for %2 ms</source>
        <translation>%1 在 %2 ms 内一直被其他程序修改</translation>
    </message>
    <message>
        <source>cannot create the folder %1 (%2)</source>
        <translation>无法创建文件夹 %1（%2）</translation>
    </message>
    <message>
        <source>cannot lock %1 (%2)</source>
        <translation>无法锁定 %1（%2）</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
    <message>
        <source>it would be larger than %1</source>
        <translation>文件将超过 %1</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1 超过 %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 是%2，不是普通文件</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>命名管道</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>其他类型</translation>
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
        <translation>与 %1 的连接已断开：%2</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>连接已被关闭</translation>
    </message>
    <message>
        <source>%1 (the connection was closed)</source>
        <translation>%1（连接已被关闭）</translation>
    </message>
    <message>
        <source>the server did not answer the offer of RFC 2217&apos;s COM-PORT-OPTION</source>
        <translation>服务器没有应答 RFC 2217 的 COM-PORT-OPTION 协商</translation>
    </message>
    <message>
        <source>the server does not take RFC 2217&apos;s COM-PORT-OPTION (a raw port is named socket://HOST:PORT)</source>
        <translation>服务器不支持 RFC 2217 的 COM-PORT-OPTION（原始端口写作 socket://HOST:PORT）</translation>
    </message>
    <message>
        <source>the far port&apos;s settings are fixed at %1 by its server, and %2 is needed (rfc2217://HOST:PORT lets the settings travel)</source>
        <extracomment>%1 and %2 are line settings: &quot;9600,n,8,1&quot;.</extracomment>
        <translation>远端串口的设置被其服务器固定为 %1，而这里需要 %2（rfc2217://HOST:PORT 可以传递设置）</translation>
    </message>
    <message>
        <source>the server did not acknowledge the line settings %1</source>
        <translation>服务器没有确认线路设置 %1</translation>
    </message>
    <message>
        <source>the server set the far port to %1 baud, not %2</source>
        <translation>服务器把远端串口设为 %1 波特，而不是 %2</translation>
    </message>
    <message>
        <source>The upgrade could not be recorded: %1</source>
        <translation>无法记录本次升级：%1</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <translation>%2 字节中只写入了 %1 字节</translation>
    </message>
    <message>
        <source>remote serial ports need %1, which cannot be loaded: %2</source>
        <extracomment>%1 is the program&apos;s module file, %2 why: &quot;remote serial ports need /usr/lib/x86_64-linux-gnu/orbelle/liborbelle-remote-port.so, which cannot be loaded: No such file or directory&quot;.</extracomment>
        <translation>远程串口需要 %1，但无法加载它：%2</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>它属于本软件的另一个版本</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2，%3/秒，剩余 %4</translation>
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
        <translation>显示</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::AboutBox</name>
    <message>
        <source>About Orbelle (VKR)</source>
        <translation>关于 Orbelle (VKR)</translation>
    </message>
    <message>
        <source>Version %1, for cordless barcode base units and handheld units</source>
        <translation>版本 %1，用于无线条码基座和扫描枪</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MainWindow</name>
    <message>
        <source>Handheld Unit</source>
        <translation>扫描枪</translation>
    </message>
    <message>
        <source>Base Unit</source>
        <translation>基座</translation>
    </message>
    <message>
        <source>
Set
Protocol</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>
Set
Base Unit</source>
        <translation>基座设置</translation>
    </message>
    <message>
        <source>
Upgrade
Base Unit</source>
        <translation>基座升级</translation>
    </message>
    <message>
        <source>
Upgrade
Handheld Unit</source>
        <translation>扫描枪升级</translation>
    </message>
    <message>
        <source>&amp;About Orbelle (VKR)</source>
        <translation>关于 Orbelle (VKR)(&amp;A)</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MessagePresenter</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetBaseUnitWindow</name>
    <message>
        <source>7 bits</source>
        <translation>7 位</translation>
    </message>
    <message>
        <source>8 bits</source>
        <translation>8 位</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 位</translation>
    </message>
    <message>
        <source>2 bits</source>
        <translation>2 位</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: Low RTS)</source>
        <translation>RTS/CTS（主机空闲：RTS 低）</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: High RTS)</source>
        <translation>RTS/CTS（主机空闲：RTS 高）</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Alphabetic key</source>
        <translation>主键盘</translation>
    </message>
    <message>
        <source>Alt+ Keypad</source>
        <translation>Alt+小键盘</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>地区</translation>
    </message>
    <message>
        <source>Frequency hopping</source>
        <translation>跳频</translation>
    </message>
    <message>
        <source>RS232 protocol settings</source>
        <translation>RS232 设置</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>流控制</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>USB (PS2) protocol settings</source>
        <translation>USB (PS2) 设置</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>数字键</translation>
    </message>
    <message>
        <source>Software versions</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Radio frequency settings</source>
        <translation>射频设置</translation>
    </message>
    <message>
        <source>Associated handheld unit  IDs</source>
        <translation>已注册的扫描枪编号</translation>
    </message>
    <message>
        <source>Set Base Unit</source>
        <translation>基座设置</translation>
    </message>
    <message>
        <source>Nation:</source>
        <translation>地区：</translation>
    </message>
    <message>
        <source>Enable frequency hopping</source>
        <translation>启用跳频</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>小键盘</translation>
    </message>
    <message>
        <source>Bootloader version:</source>
        <translation>引导程序版本：</translation>
    </message>
    <message>
        <source>Application version:</source>
        <translation>应用程序版本：</translation>
    </message>
    <message>
        <source>Power level (dBm):</source>
        <translation>发射功率 (dBm)：</translation>
    </message>
    <message>
        <source>Channel Number:</source>
        <translation>信道号：</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Settings summary</source>
        <translation>设置摘要</translation>
    </message>
    <message>
        <source>
Return
Default Settings</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>
Display
Current Settings</source>
        <translation>读取当前设置</translation>
    </message>
    <message>
        <source>
Upload
New Settings</source>
        <translation>写入新设置</translation>
    </message>
    <message>
        <source>
Cancel
</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Copy settings summary</source>
        <translation>复制设置摘要</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetProtocolWindow</name>
    <message>
        <source>Protocol</source>
        <translation>通信方式</translation>
    </message>
    <message>
        <source>RS232 settings</source>
        <translation>RS232 设置</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>
Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Set Protocol</source>
        <translation>通信设置</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::TransferDesktop</name>
    <message>
        <source>Upgrade failed</source>
        <translation>升级失败</translation>
    </message>
    <message>
        <source>Upgrade failed: the link to the base unit broke</source>
        <translation>升级失败：与基座的连接已断开</translation>
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
        <translation>二进制文件</translation>
    </message>
    <message>
        <source>All file</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Upgrade Base Unit</source>
        <translation>基座升级</translation>
    </message>
    <message>
        <source>Upgrade base unit:</source>
        <translation>升级基座固件：</translation>
    </message>
    <message>
        <source>Upgrade Handheld Unit</source>
        <translation>扫描枪升级</translation>
    </message>
    <message>
        <source>Update handheld unit:</source>
        <translation>升级扫描枪固件：</translation>
    </message>
    <message>
        <source>Base unit upgraded</source>
        <translation>基座已升级</translation>
    </message>
    <message>
        <source>Handheld unit upgraded</source>
        <translation>扫描枪已升级</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Bootloader Version:</source>
        <translation>引导程序版本：</translation>
    </message>
    <message>
        <source>Bootloader ID:</source>
        <translation>引导程序 ID：</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>固件文件：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>升级进度</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <translation>正在升级基座</translation>
    </message>
    <message>
        <source>Upgrading a handheld unit</source>
        <translation>正在升级扫描枪</translation>
    </message>
    <message>
        <source>%1% %2</source>
        <translation>%1% %2</translation>
    </message>
    <message>
        <source>No answer for %1 s; Cancel ends the transfer</source>
        <translation>%1 秒无应答；按“取消”结束传输</translation>
    </message>
    <message>
        <source>The base unit has not answered for %1 seconds. Cancel ends the transfer.</source>
        <translation>基座已 %1 秒没有应答。按“取消”可结束传输。</translation>
    </message>
    <message>
        <source>Waiting while the base unit restarts</source>
        <translation>正在等待基座重启</translation>
    </message>
    <message>
        <source>Waiting while the base unit takes the start frame</source>
        <translation>正在等待基座处理开始帧</translation>
    </message>
</context>
<context>
    <name>vkr</name>
    <message>
        <source>%1 (the stored protocol is not recognised: run &quot;vkr prefs set protocol usb&quot; or rs232, or pass --link)</source>
        <translation>%1（无法识别已保存的通信方式：请运行“vkr prefs set protocol usb”或 rs232，或加上 --link）</translation>
    </message>
    <message>
        <source>%1; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%1；请将自己加入 dialout 组（sudo usermod -aG dialout $USER，然后重新登录）</translation>
    </message>
    <message>
        <source>%1; the port may be in use by another program</source>
        <translation>%1；该端口可能正被其他程序占用</translation>
    </message>
    <message>
        <source>%1; wait until that program has finished, or close it</source>
        <translation>%1；请等待该程序结束，或将其关闭</translation>
    </message>
    <message>
        <source>%1; close that program, or choose another port</source>
        <translation>%1；请关闭该程序，或选择其他端口</translation>
    </message>
    <message>
        <source>%1; is it plugged in?</source>
        <translation>%1；基座插好了吗？</translation>
    </message>
    <message>
        <source>%1; check the cable and the device path</source>
        <translation>%1；请检查电缆和设备路径</translation>
    </message>
    <message>
        <source>%1; check the cable, or name the device with &quot;vkr prefs set com %2 PATH&quot; or VKR_COM%3</source>
        <translation>%1；请检查电缆，或用“vkr prefs set com %2 路径”或 VKR_COM%3 指定设备</translation>
    </message>
    <message>
        <source>%1 (report ignored)</source>
        <translation>%1（已忽略该报告）</translation>
    </message>
    <message>
        <source>%1 input reports shorter than a frame were ignored (the last: %2)</source>
        <translation>已忽略 %1 个短于一帧的输入报告（最后一个：%2）</translation>
    </message>
    <message>
        <source>%1 (bootloader %2, application %3)</source>
        <translation>%1（引导程序 %2，应用程序 %3）</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request within %1 s.</source>
        <translation>无法与基座通信。%1 秒内没有收到对读取设置请求的应答。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the upload within %1 s.</source>
        <translation>无法与基座通信。%1 秒内没有收到对写入设置的应答。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke: %1</source>
        <translation>无法与基座通信。连接已断开：%1</translation>
    </message>
    <message>
        <source>unexpected answer: %1</source>
        <translation>意外的应答：%1</translation>
    </message>
    <message>
        <source>interrupted before the base unit confirmed the upload: whether it took the new settings is unknown (vkr settings read shows what it has)</source>
        <translation>在基座确认写入之前被中断：无法确定基座是否已采用新设置（可用 vkr settings read 查看）</translation>
    </message>
    <message>
        <source>interrupted: nothing was uploaded</source>
        <translation>已中断：未写入任何内容</translation>
    </message>
    <message>
        <source>The base unit has never been set: starting from the default settings.</source>
        <translation>基座从未设置过：将以默认设置为基础。</translation>
    </message>
    <message>
        <source>Also changed %1 from %2 to %3 (%4).</source>
        <extracomment>%1 is a setting&apos;s name as vkr settings set takes it (&quot;power&quot;), %2 and %3 its values.</extracomment>
        <translation>另外将 %1 从 %2 改为 %3（%4）。</translation>
    </message>
    <message>
        <source>not a power the settings window offers</source>
        <translation>设置窗口不提供该功率</translation>
    </message>
    <message>
        <source>outside the range with hopping</source>
        <translation>超出跳频时的范围</translation>
    </message>
    <message>
        <source>a code the settings window has no button for</source>
        <translation>设置窗口中没有对应按钮的代码</translation>
    </message>
    <message>
        <source>channel %1 is outside %2</source>
        <translation>信道 %1 超出范围 %2</translation>
    </message>
    <message>
        <source>the base unit reports channel %1, outside %2; choose a channel</source>
        <translation>基座报告的信道 %1 超出范围 %2；请选择一个信道</translation>
    </message>
    <message>
        <source>1 to %1 for %2 with hopping</source>
        <translation>%2 跳频时为 1 到 %1</translation>
    </message>
    <message>
        <source>1 to %1 for %2 without hopping</source>
        <translation>%2 不跳频时为 1 到 %1</translation>
    </message>
    <message>
        <source>say what to change, for example --channel 3 (see --help)</source>
        <translation>请指明要更改的内容，例如 --channel 3（参见 --help）</translation>
    </message>
    <message>
        <source>--ids takes IDs from 1 to 16 separated by commas, or &quot;none&quot; to clear them all, not &quot;%1&quot;</source>
        <translation>--ids 接受以逗号分隔的 1 到 16 的编号，或用“none”清除全部，而不是“%1”</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <extracomment>%1 is an option, %2 the values it takes: &quot;--parity takes none, odd, even, not &quot;x&quot;&quot;.</extracomment>
        <translation>%1 接受 %2，而不是“%3”</translation>
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
        <translation>地区                 %1</translation>
    </message>
    <message>
        <source>%1 (not changed: vkr uploads no nation)</source>
        <translation>%1（未更改：vkr 不写入地区）</translation>
    </message>
    <message>
        <source>frequency hopping    %1</source>
        <translation>跳频                 %1</translation>
    </message>
    <message>
        <source>channel              %1</source>
        <translation>信道                 %1</translation>
    </message>
    <message>
        <source>power                %1 dBm</source>
        <translation>发射功率             %1 dBm</translation>
    </message>
    <message>
        <source>handheld IDs         %1</source>
        <translation>扫描枪编号           %1</translation>
    </message>
    <message>
        <source>RS232 baud rate      %1</source>
        <translation>RS232 波特率         %1</translation>
    </message>
    <message>
        <source>RS232 data bits      %1</source>
        <translation>RS232 数据位         %1</translation>
    </message>
    <message>
        <source>RS232 stop bits      %1</source>
        <translation>RS232 停止位         %1</translation>
    </message>
    <message>
        <source>RS232 parity         %1</source>
        <translation>RS232 校验           %1</translation>
    </message>
    <message>
        <source>RS232 flow control   %1</source>
        <translation>RS232 流控制         %1</translation>
    </message>
    <message>
        <source>numeric key          %1</source>
        <translation>数字键               %1</translation>
    </message>
    <message>
        <source>bootloader version   %1</source>
        <translation>引导程序版本         %1</translation>
    </message>
    <message>
        <source>application version  %1</source>
        <translation>应用程序版本         %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>USB base units (0471:0003):</source>
        <translation>USB 基座（0471:0003）：</translation>
    </message>
    <message>
        <source>%1  (beyond the first 32 HID interfaces: not used)</source>
        <translation>%1  （在前 32 个 HID 接口之外：不使用）</translation>
    </message>
    <message>
        <source>  none found</source>
        <translation>  未找到</translation>
    </message>
    <message>
        <source>Serial ports:</source>
        <translation>串口：</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>已保存</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>given</source>
        <translation>指定</translation>
    </message>
    <message>
        <source>%1; refused: %2</source>
        <translation>%1；被拒绝：%2</translation>
    </message>
    <message>
        <source>%1; the stored device was passed over: %2</source>
        <translation>%1；已跳过保存的设备：%2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>（不显示）</translation>
    </message>
    <message>
        <source>%1  none (not recognised; set it)</source>
        <translation>%1  无（无法识别，请设置）</translation>
    </message>
    <message>
        <source>%1  (none)</source>
        <translation>%1  （无）</translation>
    </message>
    <message>
        <source>stored %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message>
        <source>could not store %1 in %2</source>
        <translation>无法将 %1 保存到 %2</translation>
    </message>
    <message>
        <source>COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not &quot;%1&quot;</source>
        <translation>串口必须是 1、2、3 或 4（或 COM1 到 COM4），而不是“%1”</translation>
    </message>
    <message>
        <source>protocol must be usb or rs232, not &quot;%1&quot;</source>
        <translation>通信方式必须是 usb 或 rs232，而不是“%1”</translation>
    </message>
    <message>
        <source>baud rate must be %1, not &quot;%2&quot;</source>
        <translation>波特率必须是 %1，而不是“%2”</translation>
    </message>
    <message>
        <source>the device path is longer than %1 bytes and could not be read back</source>
        <translation>设备路径超过 %1 字节，将无法读回</translation>
    </message>
    <message>
        <source>--device needs the path of a serial device</source>
        <translation>--device 需要串口设备的路径</translation>
    </message>
    <message>
        <source>--device names a serial device: it cannot go with --link usb</source>
        <translation>--device 指定的是串口设备，不能与 --link usb 同用</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Upgrading the base unit with %1 bytes...</source>
        <translation>正在用 %1 字节升级基座……</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit with %1 bytes...</source>
        <translation>正在用 %1 字节升级扫描枪……</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the base unit to restart...</source>
        <translation>所有数据块均已确认；等待基座重启 %1 秒……</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the handheld unit to restart...</source>
        <translation>所有数据块均已确认；等待扫描枪重启 %1 秒……</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <extracomment>The sleep inhibitor&apos;s reason, shown by the desktop.</extracomment>
        <translation>正在升级基座</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit</source>
        <translation>正在升级扫描枪</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7; %8 replies with a wrong FCS were taken by their code</source>
        <translation>以 %2 个数据块发送了 %1 字节（重发 %3 次，握手 %4 次）；数据块阶段 %5 秒，%6/秒；结束方式 %7；有 %8 个 FCS 错误的应答按其代码采用</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7</source>
        <translation>以 %2 个数据块发送了 %1 字节（重发 %3 次，握手 %4 次）；数据块阶段 %5 秒，%6/秒；结束方式 %7</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the base unit upgrade %2.</source>
        <translation>无法与基座通信：基座升级中 %1 秒内没有应答 %2。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the handheld unit upgrade %2.</source>
        <translation>无法与基座通信：扫描枪升级中 %1 秒内没有应答 %2。</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke %1: %2</source>
        <translation>无法与基座通信。连接断开 %1：%2</translation>
    </message>
    <message>
        <source>(in the pause after the start frame)</source>
        <translation>（在开始帧之后的暂停中）</translation>
    </message>
    <message>
        <source>(waiting for the answer to the start frame)</source>
        <translation>（正在等待开始帧的应答）</translation>
    </message>
    <message>
        <source>(waiting for the answer to the block at byte %1 of %2, %3 blocks sent)</source>
        <translation>（正在等待第 %1 字节处数据块的应答，共 %2 字节，已发送 %3 个数据块）</translation>
    </message>
    <message>
        <source>(after %1 blocks)</source>
        <translation>（发送 %1 个数据块之后）</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the base unit</source>
        <translation>在向基座发送任何内容之前被中断</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the handheld unit</source>
        <translation>在向扫描枪发送任何内容之前被中断</translation>
    </message>
    <message>
        <source>interrupted while the base unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>基座确认全部 %1 个数据块后重启期间被中断：未能看到升级结束</translation>
    </message>
    <message>
        <source>interrupted while the handheld unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>扫描枪确认全部 %1 个数据块后重启期间被中断：未能看到升级结束</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the base unit is waiting for them: run the upgrade again</source>
        <translation>在开始帧之后、%1 个数据块的第一个之前被中断；基座正在等待数据：请重新升级</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the handheld unit is waiting for them: run the upgrade again</source>
        <translation>在开始帧之后、%1 个数据块的第一个之前被中断；扫描枪正在等待数据：请重新升级</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the base unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>在全部 %1 个数据块之后、基座确认最后一块之前被中断：为稳妥起见请重新升级</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the handheld unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>在全部 %1 个数据块之后、扫描枪确认最后一块之前被中断：为稳妥起见请重新升级</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the base unit is waiting for the rest: run the upgrade again</source>
        <translation>在 %2 个数据块中的 %1 个之后被中断；基座正在等待其余数据：请重新升级</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the handheld unit is waiting for the rest: run the upgrade again</source>
        <translation>在 %2 个数据块中的 %1 个之后被中断；扫描枪正在等待其余数据：请重新升级</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 为空</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A statement and its detail: &quot;Can not open the file! (/tmp/x.dat: is a directory)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1：是文件夹</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1：不是普通文件</translation>
    </message>
    <message>
        <source>the device path cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>设备路径不可用：%1；请给出设备的完整路径，例如 /dev/ttyUSB0，或 rfc2217://HOST:PORT、socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--device cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>--device 不可用：%1；请给出设备的完整路径，例如 /dev/ttyUSB0，或 rfc2217://HOST:PORT、socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--all-units found no USB base unit (0471:0003); is one plugged in?</source>
        <translation>--all-units 没有找到 USB 基座（0471:0003）；是否已插上？</translation>
    </message>
    <message>
        <source>%1; none has the path or serial number %2 (vkr devices lists them); is it plugged in?</source>
        <translation>%1；没有路径或序列号为 %2 的基座（vkr devices 可列出它们）；是否已插上？</translation>
    </message>
    <message>
        <source>--unit %1: %2 USB units have that serial number; name each by its path (see vkr devices)</source>
        <translation>--unit %1：有 %2 个 USB 基座使用这个序列号；请按路径分别指定（见 vkr devices）</translation>
    </message>
    <message>
        <source>--unit %1: %2</source>
        <translation>--unit %1：%2</translation>
    </message>
    <message>
        <source>%1 names the units and their links: it cannot go with %2</source>
        <extracomment>%1 is --unit or --all-units, %2 another option: --link, --port or --device.</extracomment>
        <translation>%1 已指定基座及其连接：不能与 %2 同时使用</translation>
    </message>
    <message>
        <source>--unit needs a unit&apos;s path, serial number or URL, without control characters</source>
        <translation>--unit 需要基座的路径、序列号或 URL，且不能含控制字符</translation>
    </message>
    <message>
        <source>%1 of %2 units failed: %3</source>
        <extracomment>%3 lists the units that failed, each with its exit status: &quot;UNIT3 (3)&quot;.</extracomment>
        <translation>%2 个基座中有 %1 个失败：%3</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read (%2)</source>
        <translation>无法读取设置文件 %1（%2）</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be used: %2</source>
        <translation>设置文件 %1 不可用：%2</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>它大于 %1</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>它不是 JSON（%1）</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it holds no JSON object</source>
        <translation>不是 orbelle 的设置文件：其中没有 JSON 对象</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it has no &quot;format&quot;</source>
        <translation>不是 orbelle 的设置文件：没有 &quot;format&quot;</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: its format is %1</source>
        <translation>不是 orbelle 的设置文件：其格式为 %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <extracomment>%1 is a key of the settings file, as written in it (&quot;rs232.parity&quot;).</extracomment>
        <translation>未知的键 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing key &quot;%1&quot;</source>
        <translation>缺少键 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <extracomment>%1 is a key, %2 the kind of value it takes, %3 the value the file gives.</extracomment>
        <translation>%1 必须是%2，而不是 %3</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>整数</translation>
    </message>
    <message>
        <source>a whole number or null</source>
        <translation>整数或 null</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>a text or null</source>
        <translation>文本或 null</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a list of IDs</source>
        <translation>编号列表</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <extracomment>%1 is a key, %2 the file&apos;s value, %3 the values it may take.</extracomment>
        <translation>%1 为 %2，不是 %3 之一</translation>
    </message>
    <message>
        <source>channel is %1, outside 1 to %2</source>
        <translation>channel 为 %1，超出 1 到 %2 的范围</translation>
    </message>
    <message>
        <source>ids holds %1, outside 1 to 16</source>
        <translation>ids 含有 %1，超出 1 到 16 的范围</translation>
    </message>
    <message>
        <source>nation %1 is not the base unit&apos;s (%2): an upload cannot change the nation</source>
        <extracomment>%1 and %2 are nations as the settings file names them: europe, china, turkey.</extracomment>
        <translation>nation %1 不是基座的地区（%2）：写入设置无法更改地区</translation>
    </message>
    <message>
        <source>settings save reads one unit: name it with --unit</source>
        <translation>settings save 只读取一个基座：请用 --unit 指定</translation>
    </message>
    <message>
        <source>saved the base unit&apos;s settings in %1</source>
        <translation>已将基座的设置保存到 %1</translation>
    </message>
    <message>
        <source>dry run: nothing was uploaded</source>
        <translation>试运行：未写入任何内容</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>没有需要更改的设置</translation>
    </message>
    <message>
        <source>the settings read back are those of the file</source>
        <translation>读回的设置与文件一致</translation>
    </message>
    <message>
        <source>the settings read back after the upload are not those uploaded: %1</source>
        <extracomment>%1 lists each setting as uploaded and as read back: &quot;channel: 7 -&gt; 3&quot;.</extracomment>
        <translation>写入后读回的设置与写入的不同：%1</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request after the upload within %1 s.</source>
        <translation>无法与基座通信。写入后 %1 秒内没有收到对读取设置请求的应答。</translation>
    </message>
    <message>
        <source>application version %1 before, %2 after</source>
        <extracomment>Versions as the base unit reports them: &quot;application version 2.1.0 before, 2.1.1 after&quot;.</extracomment>
        <translation>应用程序版本：升级前 %1，升级后 %2</translation>
    </message>
    <message>
        <source>application version %1 before, not read after</source>
        <translation>应用程序版本：升级前 %1，升级后未能读取</translation>
    </message>
    <message>
        <source>application version %1 after, not read before</source>
        <translation>应用程序版本：升级后 %1，升级前未能读取</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions before the upgrade are not known (%1)</source>
        <translation>升级前基座的版本未知（%1）</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions after the upgrade could not be read (%1): check that it restarted (its power, its cable, the link), then run vkr settings read</source>
        <translation>升级后无法读取基座的版本（%1）：请检查它是否已重新启动（电源、线缆、连接），然后运行 vkr settings read</translation>
    </message>
    <message>
        <source>interrupted before the base unit&apos;s versions were read again</source>
        <translation>在重新读取基座版本之前已中断</translation>
    </message>
    <message>
        <source>no reply to the settings request within %1 s</source>
        <translation>%1 秒内没有收到对读取设置请求的应答</translation>
    </message>
    <message>
        <source>the link broke: %1</source>
        <translation>连接已断开：%1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>an unexpected answer</source>
        <translation>意外的应答</translation>
    </message>
    <message>
        <source>no settings reply</source>
        <translation>没有设置应答</translation>
    </message>
    <message>
        <source>no upgrade has been recorded in %1</source>
        <translation>%1 中没有升级记录</translation>
    </message>
    <message>
        <source>line %1 of %2 is not an upgrade record: it is skipped</source>
        <translation>%2 的第 %1 行不是升级记录：已跳过</translation>
    </message>
    <message>
        <source>the last line of %1 is incomplete (its program ended while writing it): it is skipped</source>
        <translation>%1 的最后一行不完整（写入它的程序在写入时结束了）：已跳过</translation>
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
        <translation>结果</translation>
    </message>
    <message>
        <source>time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>How a unit&apos;s run ended, in the table&apos;s result column; the number is the exit status.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>failed (1)</source>
        <translation>失败（1）</translation>
    </message>
    <message>
        <source>refused (2)</source>
        <translation>被拒绝（2）</translation>
    </message>
    <message>
        <source>link not usable (3)</source>
        <translation>连接不可用（3）</translation>
    </message>
    <message>
        <source>no reply (4)</source>
        <translation>无应答（4）</translation>
    </message>
    <message>
        <source>never set (5)</source>
        <translation>从未设置（5）</translation>
    </message>
    <message>
        <source>image unusable (6)</source>
        <translation>固件文件不可用（6）</translation>
    </message>
    <message>
        <source>interrupted (%1)</source>
        <translation>已中断（%1）</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>退出码 %1</translation>
    </message>
    <message>
        <source>program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>image</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>upgrade</source>
        <extracomment>The headings of vkr history&apos;s table (besides result and time); &quot;upgrade&quot; heads the column of base and handheld, as in vkr upgrade base.</extracomment>
        <translation>升级</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>Message</name>
    <message>
        <source>VKR - Software Problem/Communication Message</source>
        <translation>VKR - Yazılım Sorunu/İletişim</translation>
    </message>
    <message>
        <source>VKR - Hardware Problem/Communication Message</source>
        <translation>VKR - Donanım Sorunu/İletişim</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Settings Message</source>
        <translation>VKR - Yazılım Sorunu/Ayarlar</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Channel Number Setting Message</source>
        <translation>VKR - Yazılım Sorunu/Kanal Ayarı</translation>
    </message>
    <message>
        <source>VKR - Software Problem/Preferences Message</source>
        <translation>VKR - Yazılım Sorunu/Program Ayarları</translation>
    </message>
    <message>
        <source>Tavri Barcode Suite - Software Problem/Reset Message</source>
        <translation>Tavri Barcode Suite - Yazılım Sorunu/Sıfırlama</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit!</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor!</translation>
    </message>
    <message>
        <source>Please set the communicate attribute before communication!</source>
        <translation>Lütfen önce bağlantı türünü (USB veya RS232) seçin!</translation>
    </message>
    <message>
        <source>Please ensure the base unit is well connected to PC, and is in setting mode.  </source>
        <extracomment>The two blanks at the end belong to the English text only.</extracomment>
        <translation>Lütfen baz ünitesinin bilgisayara düzgün bağlı ve ayar modunda olduğundan emin olun.</translation>
    </message>
    <message>
        <source>Cannot open COM port!</source>
        <translation>COM portu açılamıyor!</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit! %1</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor! %1</translation>
    </message>
    <message>
        <source>The base unit was unplugged (%1).</source>
        <translation>Baz ünitesinin bağlantısı kesildi (%1).</translation>
    </message>
    <message>
        <source>No settings can be read from the base unit.
The unit may have not been set.</source>
        <translation>Baz ünitesinden ayar okunamıyor.
Ünite hiç ayarlanmamış olabilir.</translation>
    </message>
    <message>
        <source>The current settings of base unit have been loaded.</source>
        <translation>Baz ünitesinin geçerli ayarları okundu.</translation>
    </message>
    <message>
        <source>The new settings of base unit have been uploaded.</source>
        <translation>Yeni ayarlar baz ünitesine gönderildi.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor.</translation>
    </message>
    <message>
        <source>The setting of channel number is out of valid range.
The old setting will be replaced with the default setting.</source>
        <translation>Kanal numarası geçerli aralığın dışında.
Eski ayarın yerine varsayılan ayar kullanılacak.</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is disable.</source>
        <translation>Bölge: Avrupa, frekans atlama kapalı.</translation>
    </message>
    <message>
        <source>The nation is Europe, frequency hopping is enable.</source>
        <translation>Bölge: Avrupa, frekans atlama açık.</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is disable.</source>
        <translation>Bölge: Çin, frekans atlama kapalı.</translation>
    </message>
    <message>
        <source>The nation is China, frequency hopping is enable.</source>
        <translation>Bölge: Çin, frekans atlama açık.</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is disable.</source>
        <translation>Bölge: Türkiye, frekans atlama kapalı.</translation>
    </message>
    <message>
        <source>The nation is Turkey, frequency hopping is enable.</source>
        <translation>Bölge: Türkiye, frekans atlama açık.</translation>
    </message>
    <message>
        <source>%1Now there are %2 Barcode readers registered at this base.</source>
        <extracomment>%1 is the sentence on the nation and hopping, %2 the number of handheld units.</extracomment>
        <translation>%1 Bu baz ünitesine kayıtlı %2 el okuyucu var.</translation>
    </message>
    <message>
        <source>They are Reader %1!</source>
        <extracomment>%1 lists the IDs of the registered handheld units: &quot;1,3&quot;.</extracomment>
        <translation>Kayıtlı okuyucu ID&apos;leri: %1</translation>
    </message>
    <message>
        <source>They are Reader!</source>
        <translation>Kayıtlı okuyucu ID&apos;leri: yok</translation>
    </message>
    <message>
        <source>Channel  %1 is used to communicate.</source>
        <translation>Kullanılan kanal: %1</translation>
    </message>
    <message>
        <source>The Base RF output power is %1dBm!</source>
        <translation>Baz ünitesinin RF çıkış gücü: %1 dBm</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Avrupa</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Çin</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkiye</translation>
    </message>
    <message>
        <source>Can not open the file!</source>
        <translation>Dosya açılamıyor!</translation>
    </message>
    <message>
        <source>The file has no data!</source>
        <translation>Dosyada veri yok!</translation>
    </message>
    <message>
        <source>The base unit has been upgraded.</source>
        <translation>Baz ünitesinin yazılımı güncellendi.</translation>
    </message>
    <message>
        <source>The handheld unit application file has no data!</source>
        <translation>El okuyucu yazılım dosyasında veri yok!</translation>
    </message>
    <message>
        <source>The handheld unit has been upgraded</source>
        <translation>El okuyucunun yazılımı güncellendi.</translation>
    </message>
    <message>
        <source>The file is too large: %1 bytes, but an upgrade image can have at most %2 bytes!</source>
        <translation>Dosya çok büyük: %1 bayt; bir güncelleme dosyası en fazla %2 bayt olabilir!</translation>
    </message>
    <message>
        <source>Can not read the file at byte %1 of %2; it may have changed since the upgrade started!</source>
        <translation>Dosya %2 baytın %1. baytında okunamıyor; güncelleme başladıktan sonra değişmiş olabilir!</translation>
    </message>
    <message>
        <source>The file changed while it was being sent, so the unit may have received parts of two different images. The upgrade was stopped; please send the file again!</source>
        <translation>Dosya gönderilirken değişti; ünite iki farklı yazılımın parçalarını almış olabilir. Güncelleme durduruldu; lütfen dosyayı yeniden gönderin!</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the base unit received the whole image. Please send the file again!</source>
        <extracomment>%1 says what came: &quot;2 frames (block acknowledgement, retry request)&quot;.</extracomment>
        <translation>Baz ünitesi son bloktan sonra, yeniden başlaması gerekirken %1 gönderdi; bu yüzden baz ünitesinin yazılımın tamamını alıp almadığı bilinmiyor. Lütfen dosyayı yeniden gönderin!</translation>
    </message>
    <message>
        <source>The base unit sent %1 after the last block, when it should have been restarting, so it is not known whether the handheld unit received the whole image. Please send the file again!</source>
        <translation>Baz ünitesi son bloktan sonra, yeniden başlaması gerekirken %1 gönderdi; bu yüzden el okuyucunun yazılımın tamamını alıp almadığı bilinmiyor. Lütfen dosyayı yeniden gönderin!</translation>
    </message>
    <message>
        <source>%1 and %2 bytes that were dropped</source>
        <translation>%1 ve atılan %2 bayt</translation>
    </message>
    <message>
        <source>%1 bytes that were dropped</source>
        <translation>atılan %1 bayt</translation>
    </message>
    <message>
        <source>1 frame (%1)</source>
        <translation>1 çerçeve (%1)</translation>
    </message>
    <message>
        <source>%1 frames (%2)</source>
        <translation>%1 çerçeve (%2)</translation>
    </message>
    <message>
        <source>start acknowledgement</source>
        <translation>başlangıç onayı</translation>
    </message>
    <message>
        <source>block acknowledgement</source>
        <translation>blok onayı</translation>
    </message>
    <message>
        <source>retry request</source>
        <translation>yineleme isteği</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>el sıkışma</translation>
    </message>
    <message>
        <source>done reply</source>
        <translation>bitti yanıtı</translation>
    </message>
    <message>
        <source>end of a pause</source>
        <translation>bir beklemenin sonu</translation>
    </message>
    <message>
        <source>The serial line adds about %1 ms before each reply (a USB-serial adapter&apos;s latency timer): this transfer will take about %2 instead of %3. An adapter or driver that supports low latency avoids it (setserial %4 low_latency).</source>
        <translation>Seri hat her yanıttan önce yaklaşık %1 ms ekliyor (bir USB-seri dönüştürücünün gecikme zamanlayıcısı): bu aktarım %3 yerine yaklaşık %2 sürecek. Düşük gecikmeyi destekleyen bir dönüştürücü veya sürücü bunu önler (setserial %4 low_latency).</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure!</source>
        <translation>Güncelleme beklenmeyen bir hata nedeniyle durdu!</translation>
    </message>
    <message>
        <source>The upgrade stopped on an unexpected failure: %1</source>
        <translation>Güncelleme beklenmeyen bir hata nedeniyle durdu: %1</translation>
    </message>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2, %3/sn, kalan %4</translation>
    </message>
    <message>
        <source>Cannot begin a Thread to receive data,please reset base station if it is connected to PC.</source>
        <translation>Veri alımı başlatılamıyor. Baz ünitesi bilgisayara bağlıysa lütfen onu sıfırlayın.</translation>
    </message>
    <message>
        <source>请插入条码枪并重启本软件！</source>
        <extracomment>Asks the operator to plug in the barcode reader and start the program again.</extracomment>
        <translation>Lütfen barkod okuyucuyu takın ve programı yeniden başlatın!</translation>
    </message>
    <message>
        <source>the base unit stopped answering</source>
        <translation>baz ünitesi yanıt vermeyi kesti</translation>
    </message>
    <message>
        <source>Only read %1 bytes</source>
        <translation>Yalnızca %1 bayt okundu</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened; %2</source>
        <translation>Hiçbir USB baz ünitesi (%1) açılamadı; %2</translation>
    </message>
    <message>
        <source>No USB base unit (%1) could be opened</source>
        <translation>Hiçbir USB baz ünitesi (%1) açılamadı</translation>
    </message>
    <message>
        <source>it is in use by another program (PID %1)</source>
        <translation>başka bir program tarafından kullanılıyor (PID %1)</translation>
    </message>
    <message>
        <source>it is in use by another program</source>
        <translation>başka bir program tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>its lock file %1 cannot be used: %2</source>
        <translation>kilit dosyası %1 kullanılamıyor: %2</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>dosyaya yazılamıyor</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>it keeps being replaced</source>
        <translation>dosya sürekli değiştiriliyor</translation>
    </message>
    <message>
        <source>%1. Check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;).</source>
        <extracomment>%1 is the cause; %2 the program whose manual tells more.</extracomment>
        <translation>%1. 70-orbelle-base-unit.rules udev kuralının kurulu olduğunu (baz ünitesini &quot;uaccess&quot; ile işaretler) ve bu bilgisayarın başında, etkin oturumda oturum açtığınızı denetleyin: uaccess aygıtı yalnızca o kullanıcıya açar, uzaktan oturuma veya arka plandaki bir oturuma açmaz; ardından baz ünitesini çıkarıp yeniden takın (man %2, &quot;DEVICE ACCESS&quot;).</translation>
    </message>
    <message>
        <source>%1; check that the udev rule 70-orbelle-base-unit.rules is installed (it tags the base unit &quot;uaccess&quot;) and that you are logged in at this computer&apos;s seat, in its active session: uaccess opens the device only to that user, not to a remote login or a session switched away from; then plug the base unit in again (man %2, &quot;DEVICE ACCESS&quot;)</source>
        <translation>%1; 70-orbelle-base-unit.rules udev kuralının kurulu olduğunu (baz ünitesini &quot;uaccess&quot; ile işaretler) ve bu bilgisayarın başında, etkin oturumda oturum açtığınızı denetleyin: uaccess aygıtı yalnızca o kullanıcıya açar, uzaktan oturuma veya arka plandaki bir oturuma açmaz; ardından baz ünitesini çıkarıp yeniden takın (man %2, &quot;DEVICE ACCESS&quot;)</translation>
    </message>
    <message>
        <source>%1. Wait until that program has finished, or close it.</source>
        <translation>%1. O programın işini bitirmesini bekleyin veya programı kapatın.</translation>
    </message>
    <message>
        <source>%1. Is it plugged in?</source>
        <translation>%1. Takılı mı?</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>VKR_%1 cannot be used for %2: %3; set it to the device&apos;s full path, for example /dev/ttyUSB0, or unset it</source>
        <translation>VKR_%1, %2 için kullanılamıyor: %3; değişkene aygıtın tam yolunu verin (örneğin /dev/ttyUSB0) veya değişkeni kaldırın</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>değer boş</translation>
    </message>
    <message>
        <source>it is not a full path (one that begins with /)</source>
        <translation>değer tam bir yol değil (/ ile başlamalı)</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>değer bir denetim karakteri içeriyor</translation>
    </message>
    <message>
        <source>it is not usable</source>
        <translation>değer kullanılamıyor</translation>
    </message>
    <message>
        <source>Failed to open %1: %2</source>
        <translation>%1 açılamadı: %2</translation>
    </message>
    <message>
        <source>%1 did not open</source>
        <translation>%1 açılmadı</translation>
    </message>
    <message>
        <source>%1 hung up or went away</source>
        <translation>%1 bağlantıyı kesti veya ortadan kalktı</translation>
    </message>
    <message>
        <source>Cannot set %1 on %2: %3</source>
        <translation>%2 üzerinde %1 ayarlanamıyor: %3</translation>
    </message>
    <message>
        <source>Unknown serial line settings &quot;%1&quot;</source>
        <translation>Bilinmeyen seri hat ayarları &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The stored link settings could not be used:</source>
        <translation>Kayıtlı bağlantı ayarları kullanılamadı:</translation>
    </message>
    <message>
        <source>The program runs on the default settings.</source>
        <translation>Program varsayılan ayarlarla çalışıyor.</translation>
    </message>
    <message>
        <source>Your choice could not be stored: %1.
It lasts only for this run.</source>
        <translation>Seçiminiz kaydedilemedi: %1.
Yalnızca bu çalıştırma için geçerli.</translation>
    </message>
    <message>
        <source>the preference store cannot be used</source>
        <translation>ayar deposu kullanılamıyor</translation>
    </message>
    <message>
        <source>%1; it is left as it is and the defaults are used</source>
        <translation>%1; dosyaya dokunulmadı ve varsayılanlar kullanılıyor</translation>
    </message>
    <message>
        <source>%1; the change was not stored</source>
        <translation>%1; değişiklik kaydedilmedi</translation>
    </message>
    <message>
        <source>%1; the values read before are used</source>
        <translation>%1; önceden okunan değerler kullanılıyor</translation>
    </message>
    <message>
        <source>%1 could not be parsed nor kept as %2 (%3)</source>
        <translation>%1 çözümlenemedi ve %2 olarak saklanamadı (%3)</translation>
    </message>
    <message>
        <source>%1 could not be parsed; it was kept as %2</source>
        <translation>%1 çözümlenemedi; %2 olarak saklandı</translation>
    </message>
    <message>
        <source>%1 could not be parsed, and %2 earlier copies are kept already</source>
        <translation>%1 çözümlenemedi ve zaten %2 eski kopya saklanıyor</translation>
    </message>
    <message>
        <source>%1 was being changed by another program for %2 ms</source>
        <translation>%1, %2 ms boyunca başka bir program tarafından değiştiriliyordu</translation>
    </message>
    <message>
        <source>cannot create the folder %1 (%2)</source>
        <translation>%1 klasörü oluşturulamıyor (%2)</translation>
    </message>
    <message>
        <source>cannot lock %1 (%2)</source>
        <translation>%1 kilitlenemiyor (%2)</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 yazılamıyor (%2)</translation>
    </message>
    <message>
        <source>it would be larger than %1</source>
        <translation>dosya %1 boyutunu aşardı</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 okunamıyor (%2)</translation>
    </message>
    <message>
        <source>%1 is larger than %2</source>
        <translation>%1, %2 boyutundan büyük</translation>
    </message>
    <message>
        <source>%1 is %2, not a regular file</source>
        <translation>%1 normal bir dosya değil, %2</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>adlandırılmış bir kanal</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>bir aygıt</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>bir soket</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>başka bir şey</translation>
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
        <translation>rfc2217://HOST:PORT ya da socket://HOST:PORT biçiminde bir URL değil</translation>
    </message>
    <message>
        <source>the connection to %1 was lost: %2</source>
        <extracomment>%1 is the port&apos;s URL, %2 why: &quot;the connection to rfc2217://host:2217 was lost: ...&quot;.</extracomment>
        <translation>%1 ile bağlantı koptu: %2</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>bağlantı kapatıldı</translation>
    </message>
    <message>
        <source>%1 (the connection was closed)</source>
        <translation>%1 (bağlantı kapatıldı)</translation>
    </message>
    <message>
        <source>the server did not answer the offer of RFC 2217&apos;s COM-PORT-OPTION</source>
        <translation>sunucu RFC 2217 COM-PORT-OPTION önerisine yanıt vermedi</translation>
    </message>
    <message>
        <source>the server does not take RFC 2217&apos;s COM-PORT-OPTION (a raw port is named socket://HOST:PORT)</source>
        <translation>sunucu RFC 2217 COM-PORT-OPTION&apos;ı kabul etmiyor (ham bir port socket://HOST:PORT olarak belirtilir)</translation>
    </message>
    <message>
        <source>the far port&apos;s settings are fixed at %1 by its server, and %2 is needed (rfc2217://HOST:PORT lets the settings travel)</source>
        <extracomment>%1 and %2 are line settings: &quot;9600,n,8,1&quot;.</extracomment>
        <translation>uzak portun ayarları sunucusu tarafından %1 olarak sabitlenmiş, ancak %2 gerekiyor (rfc2217://HOST:PORT ayarların iletilmesini sağlar)</translation>
    </message>
    <message>
        <source>the server did not acknowledge the line settings %1</source>
        <translation>sunucu %1 hat ayarlarını onaylamadı</translation>
    </message>
    <message>
        <source>the server set the far port to %1 baud, not %2</source>
        <translation>sunucu uzak portu %2 yerine %1 baud hızına ayarladı</translation>
    </message>
    <message>
        <source>The upgrade could not be recorded: %1</source>
        <translation>Güncelleme kayda geçirilemedi: %1</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes were written</source>
        <translation>%2 bayttan yalnızca %1 bayt yazıldı</translation>
    </message>
    <message>
        <source>remote serial ports need %1, which cannot be loaded: %2</source>
        <extracomment>%1 is the program&apos;s module file, %2 why: &quot;remote serial ports need /usr/lib/x86_64-linux-gnu/orbelle/liborbelle-remote-port.so, which cannot be loaded: No such file or directory&quot;.</extracomment>
        <translation>uzak seri portlar için %1 gerekiyor, ancak yüklenemiyor: %2</translation>
    </message>
    <message>
        <source>it belongs to another version of the program</source>
        <translation>programın başka bir sürümüne ait</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 of %2, %3/s, %4 left</source>
        <extracomment>Sent and total bytes, the rate and the time left: &quot;12.0 KiB of 1.0 MiB, 6.0 KiB/s, 2:49 left&quot;.</extracomment>
        <translation>%1 / %2, %3/sn, kalan %4</translation>
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
        <translation>Göster</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::AboutBox</name>
    <message>
        <source>About Orbelle (VKR)</source>
        <translation>Orbelle (VKR) Hakkında</translation>
    </message>
    <message>
        <source>Version %1, for cordless barcode base units and handheld units</source>
        <translation>Sürüm %1, kablosuz barkod baz üniteleri ve el okuyucuları için</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MainWindow</name>
    <message>
        <source>Handheld Unit</source>
        <translation>El Okuyucu</translation>
    </message>
    <message>
        <source>Base Unit</source>
        <translation>Baz Ünitesi</translation>
    </message>
    <message>
        <source>
Set
Protocol</source>
        <translation>
Bağlantı
Ayarla</translation>
    </message>
    <message>
        <source>
Set
Base Unit</source>
        <translation>
Baz Ünitesi
Ayarla</translation>
    </message>
    <message>
        <source>
Upgrade
Base Unit</source>
        <translation>
Baz Ünitesi
Güncelle</translation>
    </message>
    <message>
        <source>
Upgrade
Handheld Unit</source>
        <translation>
El Okuyucu
Güncelle</translation>
    </message>
    <message>
        <source>&amp;About Orbelle (VKR)</source>
        <translation>Orbelle (VKR) &amp;Hakkında</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::MessagePresenter</name>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetBaseUnitWindow</name>
    <message>
        <source>7 bits</source>
        <translation>7 bit</translation>
    </message>
    <message>
        <source>8 bits</source>
        <translation>8 bit</translation>
    </message>
    <message>
        <source>1 bit</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>2 bits</source>
        <translation>2 bit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: Low RTS)</source>
        <translation>RTS/CTS (PC boşta: RTS düşük)</translation>
    </message>
    <message>
        <source>RTS/CTS (Host idle: High RTS)</source>
        <translation>RTS/CTS (PC boşta: RTS yüksek)</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Tek</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Çift</translation>
    </message>
    <message>
        <source>Alphabetic key</source>
        <translation>Ana klavye</translation>
    </message>
    <message>
        <source>Alt+ Keypad</source>
        <translation>Alt+ Sayı tuşları</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Bölge</translation>
    </message>
    <message>
        <source>Frequency hopping</source>
        <translation>Frekans atlama</translation>
    </message>
    <message>
        <source>RS232 protocol settings</source>
        <translation>RS232 ayarları</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud hızı</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Akış kontrolü</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>Veri biti</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>Dur biti</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Eşlik</translation>
    </message>
    <message>
        <source>USB (PS2) protocol settings</source>
        <translation>USB (PS2) ayarları</translation>
    </message>
    <message>
        <source>Numeric key</source>
        <translation>Rakam tuşları</translation>
    </message>
    <message>
        <source>Software versions</source>
        <translation>Yazılım sürümleri</translation>
    </message>
    <message>
        <source>Radio frequency settings</source>
        <translation>Radyo frekansı ayarları</translation>
    </message>
    <message>
        <source>Associated handheld unit  IDs</source>
        <translation>Kayıtlı el okuyucu ID&apos;leri</translation>
    </message>
    <message>
        <source>Set Base Unit</source>
        <translation>Baz Ünitesini Ayarla</translation>
    </message>
    <message>
        <source>Nation:</source>
        <translation>Bölge:</translation>
    </message>
    <message>
        <source>Enable frequency hopping</source>
        <translation>Frekans atlamayı aç</translation>
    </message>
    <message>
        <source>Numeric keypad</source>
        <translation>Sayısal tuş takımı</translation>
    </message>
    <message>
        <source>Bootloader version:</source>
        <translation>Önyükleyici sürümü:</translation>
    </message>
    <message>
        <source>Application version:</source>
        <translation>Uygulama sürümü:</translation>
    </message>
    <message>
        <source>Power level (dBm):</source>
        <translation>Güç (dBm):</translation>
    </message>
    <message>
        <source>Channel Number:</source>
        <translation>Kanal numarası:</translation>
    </message>
    <message>
        <source>ID %1</source>
        <translation>ID %1</translation>
    </message>
    <message>
        <source>Settings summary</source>
        <translation>Ayarların özeti</translation>
    </message>
    <message>
        <source>
Return
Default Settings</source>
        <translation>
Varsayılan
Ayarlara Dön</translation>
    </message>
    <message>
        <source>
Display
Current Settings</source>
        <translation>
Geçerli
Ayarları Oku</translation>
    </message>
    <message>
        <source>
Upload
New Settings</source>
        <translation>
Yeni Ayarları
Gönder</translation>
    </message>
    <message>
        <source>
Cancel
</source>
        <translation>
İptal
</translation>
    </message>
    <message>
        <source>Copy settings summary</source>
        <translation>Ayarların özetini kopyala</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::SetProtocolWindow</name>
    <message>
        <source>Protocol</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>RS232 settings</source>
        <translation>RS232 ayarları</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM:</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud hızı:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>
Cancel</source>
        <translation>
İptal</translation>
    </message>
    <message>
        <source>Set Protocol</source>
        <translation>Bağlantıyı Ayarla</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::TransferDesktop</name>
    <message>
        <source>Upgrade failed</source>
        <translation>Güncelleme başarısız</translation>
    </message>
    <message>
        <source>Upgrade failed: the link to the base unit broke</source>
        <translation>Güncelleme başarısız: baz ünitesiyle bağlantı koptu</translation>
    </message>
    <message>
        <source>%1% - %2</source>
        <translation>%%1 - %2</translation>
    </message>
</context>
<context>
    <name>orbelle::ui::UpgradeWindow</name>
    <message>
        <source>Plain Binary</source>
        <translation>Ham ikili dosya</translation>
    </message>
    <message>
        <source>All file</source>
        <translation>Tüm dosyalar</translation>
    </message>
    <message>
        <source>Upgrade Base Unit</source>
        <translation>Baz Ünitesini Güncelle</translation>
    </message>
    <message>
        <source>Upgrade base unit:</source>
        <translation>Baz ünitesinin yazılımını güncelle:</translation>
    </message>
    <message>
        <source>Upgrade Handheld Unit</source>
        <translation>El Okuyucuyu Güncelle</translation>
    </message>
    <message>
        <source>Update handheld unit:</source>
        <translation>El okuyucunun yazılımını güncelle:</translation>
    </message>
    <message>
        <source>Base unit upgraded</source>
        <translation>Baz ünitesi güncellendi</translation>
    </message>
    <message>
        <source>Handheld unit upgraded</source>
        <translation>El okuyucu güncellendi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Bootloader Version:</source>
        <translation>Önyükleyici sürümü:</translation>
    </message>
    <message>
        <source>Bootloader ID:</source>
        <translation>Önyükleyici ID:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Oku</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>Yazılım dosyası:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Gözat</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Upgrade progress</source>
        <translation>Güncelleme ilerlemesi</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <translation>Baz ünitesi güncelleniyor</translation>
    </message>
    <message>
        <source>Upgrading a handheld unit</source>
        <translation>Bir el okuyucu güncelleniyor</translation>
    </message>
    <message>
        <source>%1% %2</source>
        <translation>%%1 %2</translation>
    </message>
    <message>
        <source>No answer for %1 s; Cancel ends the transfer</source>
        <translation>%1 sn yanıt yok; İptal aktarımı bitirir</translation>
    </message>
    <message>
        <source>The base unit has not answered for %1 seconds. Cancel ends the transfer.</source>
        <translation>Baz ünitesi %1 saniyedir yanıt vermiyor. İptal aktarımı bitirir.</translation>
    </message>
    <message>
        <source>Waiting while the base unit restarts</source>
        <translation>Baz ünitesinin yeniden başlaması bekleniyor</translation>
    </message>
    <message>
        <source>Waiting while the base unit takes the start frame</source>
        <translation>Baz ünitesinin başlangıç çerçevesini işlemesi bekleniyor</translation>
    </message>
</context>
<context>
    <name>vkr</name>
    <message>
        <source>%1 (the stored protocol is not recognised: run &quot;vkr prefs set protocol usb&quot; or rs232, or pass --link)</source>
        <translation>%1 (kayıtlı bağlantı türü tanınmıyor: &quot;vkr prefs set protocol usb&quot; veya rs232 çalıştırın ya da --link verin)</translation>
    </message>
    <message>
        <source>%1; add yourself to the dialout group (sudo usermod -aG dialout $USER, then log in again)</source>
        <translation>%1; kendinizi dialout grubuna ekleyin (sudo usermod -aG dialout $USER, ardından yeniden oturum açın)</translation>
    </message>
    <message>
        <source>%1; the port may be in use by another program</source>
        <translation>%1; port başka bir program tarafından kullanılıyor olabilir</translation>
    </message>
    <message>
        <source>%1; wait until that program has finished, or close it</source>
        <translation>%1; o programın işini bitirmesini bekleyin veya programı kapatın</translation>
    </message>
    <message>
        <source>%1; close that program, or choose another port</source>
        <translation>%1; o programı kapatın veya başka bir port seçin</translation>
    </message>
    <message>
        <source>%1; is it plugged in?</source>
        <translation>%1; takılı mı?</translation>
    </message>
    <message>
        <source>%1; check the cable and the device path</source>
        <translation>%1; kabloyu ve aygıt yolunu denetleyin</translation>
    </message>
    <message>
        <source>%1; check the cable, or name the device with &quot;vkr prefs set com %2 PATH&quot; or VKR_COM%3</source>
        <translation>%1; kabloyu denetleyin veya aygıtı &quot;vkr prefs set com %2 YOL&quot; ya da VKR_COM%3 ile belirtin</translation>
    </message>
    <message>
        <source>%1 (report ignored)</source>
        <translation>%1 (rapor yok sayıldı)</translation>
    </message>
    <message>
        <source>%1 input reports shorter than a frame were ignored (the last: %2)</source>
        <translation>bir çerçeveden kısa %1 giriş raporu yok sayıldı (sonuncusu: %2)</translation>
    </message>
    <message>
        <source>%1 (bootloader %2, application %3)</source>
        <translation>%1 (önyükleyici %2, uygulama %3)</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request within %1 s.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor. Ayar isteğine %1 sn içinde yanıt gelmedi.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the upload within %1 s.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor. Gönderilen ayarlara %1 sn içinde yanıt gelmedi.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke: %1</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor. Bağlantı koptu: %1</translation>
    </message>
    <message>
        <source>unexpected answer: %1</source>
        <translation>beklenmeyen yanıt: %1</translation>
    </message>
    <message>
        <source>interrupted before the base unit confirmed the upload: whether it took the new settings is unknown (vkr settings read shows what it has)</source>
        <translation>baz ünitesi gönderimi onaylamadan kesildi: yeni ayarları alıp almadığı bilinmiyor (vkr settings read neyin ayarlı olduğunu gösterir)</translation>
    </message>
    <message>
        <source>interrupted: nothing was uploaded</source>
        <translation>kesildi: hiçbir şey gönderilmedi</translation>
    </message>
    <message>
        <source>The base unit has never been set: starting from the default settings.</source>
        <translation>Baz ünitesi hiç ayarlanmamış: varsayılan ayarlardan başlanıyor.</translation>
    </message>
    <message>
        <source>Also changed %1 from %2 to %3 (%4).</source>
        <extracomment>%1 is a setting&apos;s name as vkr settings set takes it (&quot;power&quot;), %2 and %3 its values.</extracomment>
        <translation>Ayrıca %1, %2 değerinden %3 değerine değiştirildi (%4).</translation>
    </message>
    <message>
        <source>not a power the settings window offers</source>
        <translation>ayar penceresinin sunmadığı bir güç</translation>
    </message>
    <message>
        <source>outside the range with hopping</source>
        <translation>frekans atlamalı aralığın dışında</translation>
    </message>
    <message>
        <source>a code the settings window has no button for</source>
        <translation>ayar penceresinde düğmesi olmayan bir kod</translation>
    </message>
    <message>
        <source>channel %1 is outside %2</source>
        <translation>%1 kanalı %2 aralığının dışında</translation>
    </message>
    <message>
        <source>the base unit reports channel %1, outside %2; choose a channel</source>
        <translation>baz ünitesi %2 aralığının dışında %1 kanalını bildiriyor; bir kanal seçin</translation>
    </message>
    <message>
        <source>1 to %1 for %2 with hopping</source>
        <translation>frekans atlamalı %2 için 1 ile %1 arası</translation>
    </message>
    <message>
        <source>1 to %1 for %2 without hopping</source>
        <translation>frekans atlamasız %2 için 1 ile %1 arası</translation>
    </message>
    <message>
        <source>say what to change, for example --channel 3 (see --help)</source>
        <translation>neyin değişeceğini belirtin, örneğin --channel 3 (bkz. --help)</translation>
    </message>
    <message>
        <source>--ids takes IDs from 1 to 16 separated by commas, or &quot;none&quot; to clear them all, not &quot;%1&quot;</source>
        <translation>--ids virgülle ayrılmış 1 ile 16 arası ID&apos;ler veya hepsini silmek için &quot;none&quot; alır, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>%1 takes %2, not &quot;%3&quot;</source>
        <extracomment>%1 is an option, %2 the values it takes: &quot;--parity takes none, odd, even, not &quot;x&quot;&quot;.</extracomment>
        <translation>%1 şunları alır: %2; &quot;%3&quot; değil</translation>
    </message>
    <message>
        <source>--power takes %1 (dBm)</source>
        <translation>--power şunları alır: %1 (dBm)</translation>
    </message>
    <message>
        <source>--rs232-baud takes 4800, 9600, 19200, 38400, 57600 or 115200</source>
        <translation>--rs232-baud şunları alır: 4800, 9600, 19200, 38400, 57600 veya 115200</translation>
    </message>
    <message>
        <source>nation               %1</source>
        <extracomment>The table of vkr settings read: the values start in column 22, as in English.</extracomment>
        <translation>bölge                %1</translation>
    </message>
    <message>
        <source>%1 (not changed: vkr uploads no nation)</source>
        <translation>%1 (değişmedi: vkr bölge göndermez)</translation>
    </message>
    <message>
        <source>frequency hopping    %1</source>
        <translation>frekans atlama       %1</translation>
    </message>
    <message>
        <source>channel              %1</source>
        <translation>kanal                %1</translation>
    </message>
    <message>
        <source>power                %1 dBm</source>
        <translation>güç                  %1 dBm</translation>
    </message>
    <message>
        <source>handheld IDs         %1</source>
        <translation>el okuyucu ID&apos;leri   %1</translation>
    </message>
    <message>
        <source>RS232 baud rate      %1</source>
        <translation>RS232 baud hızı      %1</translation>
    </message>
    <message>
        <source>RS232 data bits      %1</source>
        <translation>RS232 veri biti      %1</translation>
    </message>
    <message>
        <source>RS232 stop bits      %1</source>
        <translation>RS232 dur biti       %1</translation>
    </message>
    <message>
        <source>RS232 parity         %1</source>
        <translation>RS232 eşlik          %1</translation>
    </message>
    <message>
        <source>RS232 flow control   %1</source>
        <translation>RS232 akış kontrolü  %1</translation>
    </message>
    <message>
        <source>numeric key          %1</source>
        <translation>rakam tuşları        %1</translation>
    </message>
    <message>
        <source>bootloader version   %1</source>
        <translation>önyükleyici sürümü   %1</translation>
    </message>
    <message>
        <source>application version  %1</source>
        <translation>uygulama sürümü      %1</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>USB base units (0471:0003):</source>
        <translation>USB baz üniteleri (0471:0003):</translation>
    </message>
    <message>
        <source>%1  (beyond the first 32 HID interfaces: not used)</source>
        <translation>%1  (ilk 32 HID arayüzünün ötesinde: kullanılmıyor)</translation>
    </message>
    <message>
        <source>  none found</source>
        <translation>  hiçbiri bulunamadı</translation>
    </message>
    <message>
        <source>Serial ports:</source>
        <translation>Seri portlar:</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>ortam değişkeni</translation>
    </message>
    <message>
        <source>stored</source>
        <translation>kayıtlı</translation>
    </message>
    <message>
        <source>default</source>
        <translation>varsayılan</translation>
    </message>
    <message>
        <source>given</source>
        <translation>verilen</translation>
    </message>
    <message>
        <source>%1; refused: %2</source>
        <translation>%1; reddedildi: %2</translation>
    </message>
    <message>
        <source>%1; the stored device was passed over: %2</source>
        <translation>%1; kayıtlı aygıt atlandı: %2</translation>
    </message>
    <message>
        <source>(not shown)</source>
        <translation>(gösterilmiyor)</translation>
    </message>
    <message>
        <source>%1  none (not recognised; set it)</source>
        <translation>%1  yok (tanınmadı; ayarlayın)</translation>
    </message>
    <message>
        <source>%1  (none)</source>
        <translation>%1  (yok)</translation>
    </message>
    <message>
        <source>stored %1</source>
        <translation>%1 kaydedildi</translation>
    </message>
    <message>
        <source>could not store %1 in %2</source>
        <translation>%1, %2 içine kaydedilemedi</translation>
    </message>
    <message>
        <source>COM port must be 1, 2, 3 or 4 (or COM1 to COM4), not &quot;%1&quot;</source>
        <translation>COM portu 1, 2, 3 veya 4 (ya da COM1 - COM4) olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>protocol must be usb or rs232, not &quot;%1&quot;</source>
        <translation>bağlantı türü usb veya rs232 olmalı, &quot;%1&quot; değil</translation>
    </message>
    <message>
        <source>baud rate must be %1, not &quot;%2&quot;</source>
        <translation>baud hızı %1 olmalı, &quot;%2&quot; değil</translation>
    </message>
    <message>
        <source>the device path is longer than %1 bytes and could not be read back</source>
        <translation>aygıt yolu %1 bayttan uzun ve geri okunamazdı</translation>
    </message>
    <message>
        <source>--device needs the path of a serial device</source>
        <translation>--device bir seri aygıtın yolunu ister</translation>
    </message>
    <message>
        <source>--device names a serial device: it cannot go with --link usb</source>
        <translation>--device bir seri aygıt belirtir: --link usb ile kullanılamaz</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>uyarı: %1</translation>
    </message>
    <message>
        <source>Upgrading the base unit with %1 bytes...</source>
        <translation>Baz ünitesi %1 baytla güncelleniyor...</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit with %1 bytes...</source>
        <translation>El okuyucu %1 baytla güncelleniyor...</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the base unit to restart...</source>
        <translation>Tüm bloklar onaylandı; baz ünitesinin yeniden başlaması için %1 sn bekleniyor...</translation>
    </message>
    <message>
        <source>Every block is acknowledged; waiting %1 s for the handheld unit to restart...</source>
        <translation>Tüm bloklar onaylandı; el okuyucunun yeniden başlaması için %1 sn bekleniyor...</translation>
    </message>
    <message>
        <source>Upgrading the base unit</source>
        <extracomment>The sleep inhibitor&apos;s reason, shown by the desktop.</extracomment>
        <translation>Baz ünitesi güncelleniyor</translation>
    </message>
    <message>
        <source>Upgrading the handheld unit</source>
        <translation>El okuyucu güncelleniyor</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7; %8 replies with a wrong FCS were taken by their code</source>
        <translation>%2 blokta %1 bayt gönderildi (%3 yineleme, %4 el sıkışma); blok aşaması %5 sn, %6/sn; bitiş %7; yanlış FCS&apos;li %8 yanıt koduna göre alındı</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 blocks (%3 retries, %4 handshakes); block phase %5 s, %6/s; completion %7</source>
        <translation>%2 blokta %1 bayt gönderildi (%3 yineleme, %4 el sıkışma); blok aşaması %5 sn, %6/sn; bitiş %7</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the base unit upgrade %2.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor: baz ünitesi güncellemesinde %1 sn içinde yanıt yok %2.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit: no reply within %1 s in the handheld unit upgrade %2.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor: el okuyucu güncellemesinde %1 sn içinde yanıt yok %2.</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. The link broke %1: %2</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor. Bağlantı koptu %1: %2</translation>
    </message>
    <message>
        <source>(in the pause after the start frame)</source>
        <translation>(başlangıç çerçevesinden sonraki beklemede)</translation>
    </message>
    <message>
        <source>(waiting for the answer to the start frame)</source>
        <translation>(başlangıç çerçevesinin yanıtı beklenirken)</translation>
    </message>
    <message>
        <source>(waiting for the answer to the block at byte %1 of %2, %3 blocks sent)</source>
        <translation>(%2 baytın %1. baytındaki bloğun yanıtı beklenirken, %3 blok gönderildi)</translation>
    </message>
    <message>
        <source>(after %1 blocks)</source>
        <translation>(%1 bloktan sonra)</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the base unit</source>
        <translation>baz ünitesine bir şey gönderilmeden kesildi</translation>
    </message>
    <message>
        <source>interrupted before anything was sent to the handheld unit</source>
        <translation>el okuyucuya bir şey gönderilmeden kesildi</translation>
    </message>
    <message>
        <source>interrupted while the base unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>baz ünitesi %1 bloğun tümünü onaylayıp yeniden başlarken kesildi: güncellemenin sonu görülmedi</translation>
    </message>
    <message>
        <source>interrupted while the handheld unit restarted after acknowledging all %1 blocks: the end of the upgrade was not seen</source>
        <translation>el okuyucu %1 bloğun tümünü onaylayıp yeniden başlarken kesildi: güncellemenin sonu görülmedi</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the base unit is waiting for them: run the upgrade again</source>
        <translation>başlangıç çerçevesinden sonra, %1 bloğun ilkinden önce kesildi; baz ünitesi blokları bekliyor: güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>interrupted after the start frame, before the first of %1 blocks; the handheld unit is waiting for them: run the upgrade again</source>
        <translation>başlangıç çerçevesinden sonra, %1 bloğun ilkinden önce kesildi; el okuyucu blokları bekliyor: güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the base unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>%1 bloğun tümünden sonra, baz ünitesi sonuncuyu onaylamadan kesildi: emin olmak için güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>interrupted after all %1 blocks, before the handheld unit acknowledged the last: run the upgrade again to be sure</source>
        <translation>%1 bloğun tümünden sonra, el okuyucu sonuncuyu onaylamadan kesildi: emin olmak için güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the base unit is waiting for the rest: run the upgrade again</source>
        <translation>%2 bloğun %1 tanesinden sonra kesildi; baz ünitesi kalanını bekliyor: güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>interrupted after %1 of %2 blocks; the handheld unit is waiting for the rest: run the upgrade again</source>
        <translation>%2 bloğun %1 tanesinden sonra kesildi; el okuyucu kalanını bekliyor: güncellemeyi yeniden çalıştırın</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 boş</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A statement and its detail: &quot;Can not open the file! (/tmp/x.dat: is a directory)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: is a directory</source>
        <translation>%1: bir klasör</translation>
    </message>
    <message>
        <source>%1: is not a regular file</source>
        <translation>%1: normal bir dosya değil</translation>
    </message>
    <message>
        <source>the device path cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>aygıt yolu kullanılamıyor: %1; aygıtın tam yolunu verin, örneğin /dev/ttyUSB0, ya da rfc2217://HOST:PORT veya socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--device cannot be used: %1; give the device&apos;s full path, for example /dev/ttyUSB0, or rfc2217://HOST:PORT or socket://HOST:PORT</source>
        <translation>--device kullanılamıyor: %1; aygıtın tam yolunu verin, örneğin /dev/ttyUSB0, ya da rfc2217://HOST:PORT veya socket://HOST:PORT</translation>
    </message>
    <message>
        <source>--all-units found no USB base unit (0471:0003); is one plugged in?</source>
        <translation>--all-units hiç USB baz ünitesi (0471:0003) bulamadı; takılı bir ünite var mı?</translation>
    </message>
    <message>
        <source>%1; none has the path or serial number %2 (vkr devices lists them); is it plugged in?</source>
        <translation>%1; hiçbirinin yolu ya da seri numarası %2 değil (vkr devices bunları listeler); takılı mı?</translation>
    </message>
    <message>
        <source>--unit %1: %2 USB units have that serial number; name each by its path (see vkr devices)</source>
        <translation>--unit %1: %2 USB ünitesi bu seri numarasına sahip; her birini yoluyla belirtin (bkz. vkr devices)</translation>
    </message>
    <message>
        <source>--unit %1: %2</source>
        <translation>--unit %1: %2</translation>
    </message>
    <message>
        <source>%1 names the units and their links: it cannot go with %2</source>
        <extracomment>%1 is --unit or --all-units, %2 another option: --link, --port or --device.</extracomment>
        <translation>%1 üniteleri ve bağlantılarını belirler: %2 ile birlikte kullanılamaz</translation>
    </message>
    <message>
        <source>--unit needs a unit&apos;s path, serial number or URL, without control characters</source>
        <translation>--unit bir ünitenin yolunu, seri numarasını ya da URL&apos;sini ister, denetim karakterleri olmadan</translation>
    </message>
    <message>
        <source>%1 of %2 units failed: %3</source>
        <extracomment>%3 lists the units that failed, each with its exit status: &quot;UNIT3 (3)&quot;.</extracomment>
        <translation>%2 üniteden %1 tanesi başarısız oldu: %3</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read (%2)</source>
        <translation>ayar dosyası %1 okunamıyor (%2)</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be used: %2</source>
        <translation>ayar dosyası %1 kullanılamıyor: %2</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>%1 boyutundan büyük</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>JSON değil (%1)</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it holds no JSON object</source>
        <translation>orbelle ayar dosyası değil: bir JSON nesnesi içermiyor</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: it has no &quot;format&quot;</source>
        <translation>orbelle ayar dosyası değil: &quot;format&quot; yok</translation>
    </message>
    <message>
        <source>not a settings file of orbelle: its format is %1</source>
        <translation>orbelle ayar dosyası değil: biçimi %1</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <extracomment>%1 is a key of the settings file, as written in it (&quot;rs232.parity&quot;).</extracomment>
        <translation>bilinmeyen anahtar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing key &quot;%1&quot;</source>
        <translation>eksik anahtar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 must be %2, not %3</source>
        <extracomment>%1 is a key, %2 the kind of value it takes, %3 the value the file gives.</extracomment>
        <translation>%1 %2 olmalı, %3 değil</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>bir tam sayı</translation>
    </message>
    <message>
        <source>a whole number or null</source>
        <translation>bir tam sayı ya da null</translation>
    </message>
    <message>
        <source>a text</source>
        <translation>bir metin</translation>
    </message>
    <message>
        <source>a text or null</source>
        <translation>bir metin ya da null</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true ya da false</translation>
    </message>
    <message>
        <source>a list of IDs</source>
        <translation>bir ID listesi</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>bir nesne</translation>
    </message>
    <message>
        <source>%1 is %2, not one of %3</source>
        <extracomment>%1 is a key, %2 the file&apos;s value, %3 the values it may take.</extracomment>
        <translation>%1 değeri %2, %3 değerlerinden biri değil</translation>
    </message>
    <message>
        <source>channel is %1, outside 1 to %2</source>
        <translation>channel değeri %1, 1 ile %2 aralığının dışında</translation>
    </message>
    <message>
        <source>ids holds %1, outside 1 to 16</source>
        <translation>ids %1 içeriyor, 1 ile 16 aralığının dışında</translation>
    </message>
    <message>
        <source>nation %1 is not the base unit&apos;s (%2): an upload cannot change the nation</source>
        <extracomment>%1 and %2 are nations as the settings file names them: europe, china, turkey.</extracomment>
        <translation>nation %1 baz ünitesinin bölgesi değil (%2): gönderilen ayarlar bölgeyi değiştiremez</translation>
    </message>
    <message>
        <source>settings save reads one unit: name it with --unit</source>
        <translation>settings save tek bir üniteyi okur: onu --unit ile belirtin</translation>
    </message>
    <message>
        <source>saved the base unit&apos;s settings in %1</source>
        <translation>baz ünitesinin ayarları %1 dosyasına kaydedildi</translation>
    </message>
    <message>
        <source>dry run: nothing was uploaded</source>
        <translation>deneme: hiçbir şey gönderilmedi</translation>
    </message>
    <message>
        <source>nothing to change</source>
        <translation>değiştirilecek bir şey yok</translation>
    </message>
    <message>
        <source>the settings read back are those of the file</source>
        <translation>geri okunan ayarlar dosyadakilerle aynı</translation>
    </message>
    <message>
        <source>the settings read back after the upload are not those uploaded: %1</source>
        <extracomment>%1 lists each setting as uploaded and as read back: &quot;channel: 7 -&gt; 3&quot;.</extracomment>
        <translation>gönderimden sonra geri okunan ayarlar gönderilenlerle aynı değil: %1</translation>
    </message>
    <message>
        <source>Cannot communicate with the base unit. No reply to the settings request after the upload within %1 s.</source>
        <translation>Baz ünitesiyle iletişim kurulamıyor. Gönderimden sonraki ayar isteğine %1 sn içinde yanıt gelmedi.</translation>
    </message>
    <message>
        <source>application version %1 before, %2 after</source>
        <extracomment>Versions as the base unit reports them: &quot;application version 2.1.0 before, 2.1.1 after&quot;.</extracomment>
        <translation>uygulama sürümü önce %1, sonra %2</translation>
    </message>
    <message>
        <source>application version %1 before, not read after</source>
        <translation>uygulama sürümü önce %1, sonra okunamadı</translation>
    </message>
    <message>
        <source>application version %1 after, not read before</source>
        <translation>uygulama sürümü sonra %1, önce okunamadı</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions before the upgrade are not known (%1)</source>
        <translation>güncellemeden önceki baz ünitesi sürümleri bilinmiyor (%1)</translation>
    </message>
    <message>
        <source>the base unit&apos;s versions after the upgrade could not be read (%1): check that it restarted (its power, its cable, the link), then run vkr settings read</source>
        <translation>güncellemeden sonra baz ünitesinin sürümleri okunamadı (%1): yeniden başladığını denetleyin (gücü, kablosu, bağlantısı), ardından vkr settings read çalıştırın</translation>
    </message>
    <message>
        <source>interrupted before the base unit&apos;s versions were read again</source>
        <translation>baz ünitesinin sürümleri yeniden okunmadan önce kesildi</translation>
    </message>
    <message>
        <source>no reply to the settings request within %1 s</source>
        <translation>ayar isteğine %1 sn içinde yanıt gelmedi</translation>
    </message>
    <message>
        <source>the link broke: %1</source>
        <translation>bağlantı koptu: %1</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>kesildi</translation>
    </message>
    <message>
        <source>an unexpected answer</source>
        <translation>beklenmeyen bir yanıt</translation>
    </message>
    <message>
        <source>no settings reply</source>
        <translation>ayar yanıtı yok</translation>
    </message>
    <message>
        <source>no upgrade has been recorded in %1</source>
        <translation>%1 içinde kayıtlı güncelleme yok</translation>
    </message>
    <message>
        <source>line %1 of %2 is not an upgrade record: it is skipped</source>
        <translation>%2 dosyasının %1. satırı bir güncelleme kaydı değil: atlanıyor</translation>
    </message>
    <message>
        <source>the last line of %1 is incomplete (its program ended while writing it): it is skipped</source>
        <translation>%1 dosyasının son satırı eksik (programı onu yazarken sona erdi): atlanıyor</translation>
    </message>
</context>
<context>
    <name>vkr table</name>
    <message>
        <source>unit</source>
        <extracomment>The headings of the table that ends a run on several units, and of vkr history.</extracomment>
        <translation>ünite</translation>
    </message>
    <message>
        <source>result</source>
        <translation>sonuç</translation>
    </message>
    <message>
        <source>time</source>
        <translation>zaman</translation>
    </message>
    <message>
        <source>done</source>
        <extracomment>How a unit&apos;s run ended, in the table&apos;s result column; the number is the exit status.</extracomment>
        <translation>tamam</translation>
    </message>
    <message>
        <source>failed (1)</source>
        <translation>başarısız (1)</translation>
    </message>
    <message>
        <source>refused (2)</source>
        <translation>reddedildi (2)</translation>
    </message>
    <message>
        <source>link not usable (3)</source>
        <translation>bağlantı kullanılamıyor (3)</translation>
    </message>
    <message>
        <source>no reply (4)</source>
        <translation>yanıt yok (4)</translation>
    </message>
    <message>
        <source>never set (5)</source>
        <translation>hiç ayarlanmamış (5)</translation>
    </message>
    <message>
        <source>image unusable (6)</source>
        <translation>yazılım dosyası kullanılamıyor (6)</translation>
    </message>
    <message>
        <source>interrupted (%1)</source>
        <translation>kesildi (%1)</translation>
    </message>
    <message>
        <source>exit %1</source>
        <translation>çıkış kodu %1</translation>
    </message>
    <message>
        <source>program</source>
        <translation>program</translation>
    </message>
    <message>
        <source>device</source>
        <translation>aygıt</translation>
    </message>
    <message>
        <source>image</source>
        <translation>yazılım dosyası</translation>
    </message>
    <message>
        <source>application</source>
        <translation>uygulama</translation>
    </message>
    <message>
        <source>upgrade</source>
        <extracomment>The headings of vkr history&apos;s table (besides result and time); &quot;upgrade&quot; heads the column of base and handheld, as in vkr upgrade base.</extracomment>
        <translation>güncelleme</translation>
    </message>
</context>
</TS>

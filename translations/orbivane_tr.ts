<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>bir sembolik bağlantı</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB, bir veritabanından çok daha büyük</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>veritabanı değil (%1 bayt)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, yapı denetiminden geçmiyor</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>sürüm değil (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>okunamıyor (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>ölçüm cihazı %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1, %2 MB sınırından büyük, bir veritabanından çok daha büyük; içeriği saklanmadı</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: klasör oluşturulamıyor</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n uydu, %1 transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Bir yedek kopya saklanamadı:
%1

İstediğiniz işlem yine de yapılıyor. Bu uyarı oturum başına bir kez gösterilir.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>Orbivane hakkında</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane Sürüm 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tarnwell. Ver:1.2</source>
        <translation>Telif Hakkı (C) 2026 Tarnwell. Sürüm:1.2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>%1 ile karşılaştır</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>Açık veritabanından (son uygulandığı haliyle) %1 dosyasına:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Uyduyu düzenle</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Lütfen uyduyu düzenleyin</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Uydu adı</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>derece (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>%1 dosyasından içe aktar</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Ada veya konuma göre filtrele</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Aynı polarizasyondaki ve frekansları en fazla bu kadar farklı olan transponderler aynı transponder sayılır.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Dosyanın uyduları:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Aynı transponder sayılan fark:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>TP işlemi</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Alınacak uyduları işaretleyin: içe aktarmanın ne yapacağı, hiçbir şey değişmeden önce burada gösterilir.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>İçe &amp;aktar</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Önizleme:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>değiştirilir</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>birleştirilir</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>yeni bir uydu</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Veritabanının birden fazla uydusu burada bulunuyor: dosyadaki uydunun hangisine gideceğini kontrol edin.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>%n uydu alındı (%1 yeni, %2 dışarıda bırakıldı); transponderler: %3 eklendi, %4 kaldırıldı, %5 değişti. İçe aktarma, bellekteki veritabanını tek adımda değiştirir (Düzen &gt; Geri al bunu geri alır); Uygula onu dosyaya yazar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMeterDlg</name>
    <message>
        <source>Meterdesk</source>
        <translation>Meterdesk</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Yedeği geri yükle...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>İçe akta&amp;r...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>Dışa ak&amp;tar...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Dosyayla &amp;karşılaştır...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Çift transponderleri &amp;sil</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Y&amp;ardım</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Kı&amp;lavuz</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Aktarım gü&amp;nlüklerini göster</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>aktarım günlükleri klasörü</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>Orbivane &amp;hakkında...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Geri al: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Yinele: %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>%1 bulunamadı</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Dikkat</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>kullanım kılavuzu</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Bu sistemde şunu açabilecek bir program yok: %1
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>&amp;Parametreleri düzenle...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>Bir k&amp;onum için plan...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Y&amp;önlendirme sayfasını dışa aktar...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
</context>
<context>
    <name>CPlanDlg</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s list could not be had (%1); this is the copy fetched %2 ago.</source>
        <translation>Sunucunun listesi alınamadı (%1); bu, %2 önce indirilen kopyadır.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Bir konum için plan</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 veya 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> derece</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml veya bir CSV listesi</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Gözat...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Oku</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Durdur</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Henüz liste okunmadı: tablo veritabanındaki uyduları gösteriyor.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Konum:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>En düşük &amp;yükseliş:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>Kay&amp;nak:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>&amp;Uydular (ölçüm cihazının tutacaklarını işaretleyin; bir uydunun daha az veya daha çok transponderini tutmak için bir pay yazın):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Uydular: %v / %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transponderler: %v / %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Önizl&amp;eme:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>İçe &amp;aktar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Alıcı listeleri (*.xml *.csv);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Çanakların bulunduğu konumu yazın.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, Kuzey ve Doğu pozitif.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: %2 uydu, %3 transponder.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 okunuyor...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Okuma durduruldu; plan olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>Liste okunmadı; plan olduğu gibi kaldı.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Yedeği geri yükle</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Henüz yedek yok. Bir dosyanın önceki içeriği her kaydedilişinde saklanır; ölçüm cihazından okunan her veritabanı da saklanır.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Açılacak sürümü seçin. Düzenlenen veritabanının yerini alır (Geri al bunu geri alır) ve uyguladığınızda onun dosyasına yazılır; açık veritabanı yoksa onu saklayacağınız dosyanın adını siz verirsiniz.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Kaynak</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>İçerik</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>cihazdan okundu</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>üzerine kaydedildi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ka&amp;pat</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Karşılaştır</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>veri aktarılıyor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>com%1 bağlantı hatası</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>TP sil</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>TP EKLE</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>Sembol</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP ekle</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sırala</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>TP düzenle</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Saklanan sürümleri en yenisi önce olmak üzere listeler: tarih, kaynak (saved over = üzerine kaydedildi, read from meter = ölçüm cihazından okundu), dosya veya ölçüm cihazı, içerik ve arşivlenmiş kopya. FILE ile yalnızca o dosyanın sürümleri. Birini cp ile geri kopyalayın ya da pencerede Dosya &gt; Yedeği geri yükle ile açın.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Bir veritabanı dosyasının yapısını denetler: her zincir eksiksiz ve iki yönde bağlı, her sayı doğru, her kayıt kullanımda ya da boş. Her ihlal için bir satır.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: komut verilmedi
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: bilinmeyen komut &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Kullanım: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
&apos;orbivane-cli %1 --help&apos; komutunu deneyin.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1, %2 ile %3 arasında bir tam sayı alır, &apos;%4&apos; değil</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>eksik argüman</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>beklenmeyen argüman: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: Belirtilen dosya okunamıyor!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: %2 veritabanının kendisi; değiştirilmedi</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: mevcut ve normal bir dosya değil; değiştirilmedi</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: mevcut; değiştirilmedi (--force onu değiştirir ve içeriğini yedek arşivinde saklar)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: içeriği saklanamadığı için değiştirilmedi: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>A veritabanından B veritabanına neyin farklı olduğu: eklenen, kaldırılan, yeniden adlandırılan, taşınan (yörünge konumu) uydular; her uydu için eklenen, kaldırılan ve değişen transponderler. Uydular önce ada, sonra konuma göre eşleştirilir.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Çıktıyı JSON olarak ver.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>DB veritabanının her uydusunu ve transponderini OUT dosyasına yazar: satellites.xml olarak (--xml, OUT .xml ile biter) ya da hesap tabloları için CSV olarak (--csv, OUT .csv ile biter). &apos;orbivane-cli import&apos; ikisini de değişmeden geri okur. Var olan bir OUT yalnızca --force ile değiştirilir ve içeriği önce yedek arşivinde saklanır; DB&apos;nin kendisi asla değiştirilmez.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, alıcıların kullandığı biçimde.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), transponder başına bir satır.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>OUT mevcutsa değiştir (içeriği arşivde saklanır).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>--xml ve --csv seçeneklerinden birini verin</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2, %3 ile biten bir dosya yazar</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>SOURCE (satellites.xml veya CSV) içindeki uyduları DB veritabanına alır ve uydu uydu neyin değiştiğini ve ölçüm cihazının verildiği gibi tutamayacaklarını yazdırır. Bir uydu, DB&apos;de aynı konumdaki uyduya gider, yoksa eklenir. Tablolar hepsini tutamıyorsa hiçbir şey içe aktarılmaz. --dry-run verilmedikçe DB kaydedilir.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Yalnızca SOURCE içinde POS derecedeki uydu(lar) (19.2, 19.2E, 5W, -5; 177W = 183) ya da tam POS&apos;ta uydu yoksa iki yanda onda bir derece içindekiler; daha fazlası için yineleyin. Varsayılan: hepsi.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Bir uydunun transponderleri SOURCE içindekilerle değiştirilir.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Yalnızca DB&apos;de olmayan transponderler eklenir (varsayılan).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>En fazla MHZ farklı frekanslar (aynı polarizasyonda) tek transponderdir: 0 ile 100 arası. Varsayılan: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Önizlemeyi yazdır; hiçbir şeyi değiştirme.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>İçe aktarma sırasında başka bir program DB&apos;yi değiştirmiş olsa bile kaydet.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>--replace veya --merge verin, ikisini birden değil</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
Hiçbir şey içe aktarılmadı.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite derece bekler (19.2, 5W, -5, 183), &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 içinde %2 konumunda uydu yok</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: %2 içinde yakınında birden fazla uydu var: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>&quot;%1&quot; alınıyor</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>ekleniyor</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>hiçbir şey içe aktarılmadı: veritabanı değişikliği reddetti</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: uyarı: yedek saklanmadı: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Hiçbir şey kaydedilmedi (--force üzerine kaydeder).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Bir veritabanı dosyasının uyduları liste sırasıyla, konum ve transponder sayısıyla; toplamlar; kalan boş kayıtlar.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>boş: %1 uydu yuvası, %2 transponder kaydı, %3 kanal kaydı</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Evet (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> Hayır (reddedildi; --force Evet yanıtını verir)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>ölçüm cihazı aktarımın ortasında kendini ikinci kez tanıttı (FT_IDENT)</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>ölçüm cihazı veritabanından başka bir şey gönderdi: beklenmeyen bir çerçeve, görüntünün alabileceğinden fazla bayt ya da görüntünün tamamından önce FT_END</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>ölçüm cihazı beklenmeyen bir çerçeve ya da dosyanın tamamını almadan önce FT_END gönderdi</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>ölçüm cihazı 400 ms içinde yanıt vermedi</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>bilinmeyen kod</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>%1 için bir aygıt yok</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>%1 bağlantı hatası (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: başarısız: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>%1 bağlantısı kurulamadı: ölçüm cihazı yanıt vermiyor</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Günlük %1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: kesildi</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, %1 dosyasına okundu</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, %1 gönderildi</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>ölçüm cihazı yüzde %1 noktasında yanıt vermeyi kesti</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>reddedildi: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>ölçüm cihazı hata kodu %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>hat arızalandı: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>aktarım tamamlanmadı</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: COM portları 1 ile 999 arasında numaralanır</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>boş bir port adı (COMn, bir aygıt yolu veya bir /dev/serial/by-id adı verin)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>COM1 ile COM10 arasını, her birinin karşılık geldiği aygıtla (ORBIVANE_COM&lt;n&gt;, pencerenin Devices/COM&lt;n&gt; ayarı ya da mevcut n&apos;inci aygıt) listeler; ardından mevcut her seri aygıtı.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Hiç seri aygıt yok.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Mevcut seri aygıtlar:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>açılamıyor: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>açılabiliyor</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Pencerenin bağlantı testi; her ölçüm cihazının kimlik sözcüğünü yazdırır.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Ölçüm cihazının veritabanını TARGET dosyasına okur. Birden fazla --port ile her ölçüm cihazı aynı anda TARGET klasörüne &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin olarak okunur (farklı klasörlerde aynı adlı portlar a-meter, b-meter olarak). Yapı denetiminden geçmeyen bir görüntü, ölçüm cihazının gönderdiği gibi, bir uyarıyla saklanır.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>FILE veritabanını ölçüm cihaz(lar)ına yazar. Yanlış boyuttaki bir dosya hiçbir şey gönderilmeden reddedilir; yapı denetiminden geçmeyen bir dosya da, --force verilmedikçe reddedilir.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>FILE içindeki yazılımı ölçüm cihaz(lar)ına yükler. Pencerenin soru soracağı durumlarda (model farklı, sürüm daha yüksek değil) yükleme reddedilir, --force Evet yanıtını vermedikçe.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: Belirtilen dosya okunamıyor!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Lütfen doğru bir güncelleme dosyası seçin</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Lütfen doğru bir veritabanı parametre dosyası seçin (%2 bayt, %3 değil)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: yapı denetiminden geçmiyor; yine de gönderildi (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: yapı denetiminden geçmiyor; gönderilmedi (--force yine de gönderir)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: Klasör oluşturulamıyor</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 ve %2, dosyaları için aynı %3 adını paylaşacak; birini başka bir yolla verin</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>Ölçüm cihazının portu: COMn, bir aygıt yolu veya bir /dev/serial/by-id adı; aynı anda birden fazla ölçüm cihazı için yineleyin. Varsayılan: pencerenin kaydettiği port.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Standart hata çıktısında ilerleme gösterme.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Pencerenin sorduğu yerde Evet yanıtını ver (model farklı, sürüm daha yüksek değil).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Yedeklerin kopyasını saklayamayacağı kadar büyük bir TARGET dosyasını değiştir.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Yapı denetiminden geçmeyen bir dosyayı gönder.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Hattın günlüğünü (her çerçevenin zamanı, türü, uzunluğu ve ilk baytları ile nasıl sona erdiği) FILE dosyasına yaz; birden fazla --port ile her ölçüm cihazı için bir tane, FILE-&lt;port&gt; olarak.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Ölçüm cihazı aktarımın ortasında bu kadar uzun süre sessiz kalırsa vazgeç: 1 ile 3600 arası (varsayılan 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 iki kez verilmiş</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 bayt, yedeklerin kopyasını saklayabileceğinden fazla (%3 MB); değiştirilmedi (--force değiştirir)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>kesildi: durduruluyor</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>toplam: %n uydu, %1 transponder, %2 kanal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: uyarı: %1: %2 üzerinden okunan görüntü yapı denetiminden geçmiyor (%n sorun); ölçüm cihazının gönderdiği gibi saklandı (&apos;orbivane-cli check %1&apos; sorunları listeler)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>indirildi</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>önbellekteki kopyadan beri sunucuda değişmedi</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>%1 tarihli önbellek kopyası (%2 önce)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: kesildi; önbellekteki kopya olduğu gibi duruyor</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: uyarı: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>URL adresindeki (bir http:// veya https:// adresi) alıcı listesini (satellites.xml veya CSV) %1 önbellek klasörüne, OUT verilirse ayrıca OUT dosyasına indirir. Sunucudan yalnızca önbellektekinden daha yeni bir kopya istenir. Sunucuya ulaşılamazsa, reddederse ya da liste olmayan bir şey gönderirse önbellekteki kopya kullanılır ve yaşı bildirilir. Yarıda kesilen ya da liste olarak okunamayan bir indirme ne önbellekteki kopyanın ne de OUT dosyasının yerini alır. Var olan bir OUT yalnızca --force ile değiştirilir; içeriği önce yedek arşivinde saklanır. Pencerenin listesi %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Sunucu bu kadar süre sessiz kalırsa vazgeç: 1 ile 3600 arası (varsayılan 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n uydu, %2 transponder; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Veritabanı DB dosyasının konum için hangi uyduları ve her birinin hangi transponderleri tutacağını, LIST alıcı listesinden (satellites.xml veya CSV), ölçüm cihazının 64 uydu ve 2500 transponder sınırı içinde planlar; planı ve değişenleri yazdırır. DB içinde en düşük yükselişin altındaki uydular kanallarıyla birlikte kaldırılır; görünenler kalır ve LIST içindeki görünen uydular, en yüksekten başlayarak, yer oldukça eklenir. LIST içindeki bir uydu LIST transponderlerini ya da hepsi sığmadığında bantlarına ve polarizasyonlarına dağıtılmış bir payı alır. DB, --dry-run verilmedikçe kaydedilir (içeriği önce yedek olarak saklanır).</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>Alıcı listesi: satellites.xml veya CSV, bir dosya ya da bir http(s):// adresi.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Planı yazdır; hiçbir şeyi değiştirme.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Planlama sırasında başka bir program DB dosyasını değiştirmiş olsa bile kaydet.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>listeyi verin: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>hiçbir şey değiştirilmedi: veritabanı planı reddetti</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: hiçbir liste okunmadı</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Çanakların bulunduğu yer: 52.52,13.40 veya 52.52N 13.40E (Kuzey ve Doğu pozitif). Varsayılan: pencerenin sakladığı konum.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>Tutulmaya değer bir uydunun en düşük yükselişi, 0 ile 90 derece arası. Varsayılan: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>konumu verin: --site LAT,LON (ayarlarda saklı bir konum yok)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation 0 ile 90 arası derece alır, &apos;%1&apos; değil</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Konum %1, en düşük yükseliş %2 derece</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>SOURCE kaynaklarındaki (veritabanı dosyaları, satellites.xml veya CSV listeleri, dosyalar ya da http(s):// adresleri) her uydunun konumdan görülen yükselişi, gerçek azimutu ve LNB eğimi, her biri bir satırda: önce en düşük yükselişte veya üstünde olanlar, sonra diğerleri, her bölüm azimuta göre. Birden fazla SOURCE içinde bulunan bir uydu (aynı konum ve ad) bir kez gösterilir. Pozitif bir eğim, çanağın arkasından bakıldığında LNB&apos;yi saat yönünün tersine döndürür.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: satır %2: &quot;%3&quot; yayın hiçbir yerinde değil (%4); dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli COMMAND [OPTIONS] [ARGUMENTS]
Every meter job of Orbivane from a terminal.

Commands:
  ports                        the COM ports and the serial devices present
  probe [--port P]...          the connection test; prints the meter&apos;s identity word
  read  [--port P]... TARGET   the meter&apos;s database into a file (a folder for several)
  write [--port P]... FILE     a database file into the meter(s)
  load  [--port P]... FILE     software into the meter(s)
  info  FILE                   satellites, totals and free records of a database file
  check FILE                   the structure check of a database file
  import DB SOURCE             a satellites.xml or CSV list into a database file
  export DB OUT (--xml|--csv)  a database file as satellites.xml or CSV
  fetch URL [OUT]              a published receiver list into the cache (and OUT)
  diff  A B                    what differs between two database files
  sky   SOURCE...              look angles from --site LAT,LON of files&apos; or lists&apos; satellites
  fit   DB --from LIST         the satellites and transponders DB keeps for --site LAT,LON
  sheet DB OUT                 DB&apos;s pointing sheet for --site LAT,LON, as a PDF
  backups [FILE]               the kept versions of saved files and meter reads
  --version                    the version of orbivane-cli

P is COMn, a device path or a /dev/serial/by-id name; without --port, the port the window
saved. &apos;orbivane-cli COMMAND --help&apos; tells more.

</source>
        <translation>Kullanım: orbivane-cli KOMUT [SEÇENEKLER] [ARGÜMANLAR]
Orbivane&apos;in tüm ölçüm cihazı işleri, terminalden.

Komutlar:
  ports                        COM portları ve mevcut seri aygıtlar
  probe [--port P]...          bağlantı testi; ölçüm cihazının kimlik sözcüğünü yazdırır
  read  [--port P]... TARGET   ölçüm cihazının veritabanını bir dosyaya (birden fazlası için bir klasöre)
  write [--port P]... FILE     bir veritabanı dosyasını ölçüm cihaz(lar)ına
  load  [--port P]... FILE     yazılımı ölçüm cihaz(lar)ına
  info  FILE                   bir veritabanı dosyasının uyduları, toplamları ve boş kayıtları
  check FILE                   bir veritabanı dosyasının yapı denetimi
  import DB SOURCE             bir satellites.xml veya CSV listesini bir veritabanı dosyasına
  export DB OUT (--xml|--csv)  bir veritabanı dosyasını satellites.xml veya CSV olarak
  fetch URL [OUT]              yayımlanmış bir alıcı listesini önbelleğe (ve OUT dosyasına)
  diff  A B                    iki veritabanı dosyası arasındaki farklar
  sky   SOURCE...              --site LAT,LON konumundan dosya veya listelerdeki uydulara bakış açıları
  fit   DB --from LIST         DB dosyasının --site LAT,LON için tuttuğu uydular ve transponderler
  sheet DB OUT                 DB&apos;nin --site LAT,LON için yönlendirme sayfası, PDF olarak
  backups [FILE]               kaydedilen dosyaların ve cihaz okumalarının saklanan sürümleri
  --version                    orbivane-cli sürümü

P; COMn, bir aygıt yolu veya bir /dev/serial/by-id adıdır; --port verilmezse pencerenin
kaydettiği port. &apos;orbivane-cli KOMUT --help&apos; daha fazlasını anlatır.

</translation>
    </message>
    <message>
        <source>Exit codes:
  0    done
  1    check found problems; diff found differences
  2    usage error
  3    file error (cannot read or write it, not the right kind of file, or replacing it
       would lose what it holds); fetch: no list from the server and none cached
  4    the port cannot be opened
  5    the meter does not answer
  6    the transfer failed (the message gives the meter&apos;s code and its meaning)
  7    refused: load asks a question (model differs, version not higher), export, fetch or
       sheet would replace a file (--force answers Yes); import or fit does not fit the meter&apos;s tables
  130  interrupted (SIGINT, SIGTERM)
With several ports, the code of the first port that failed.
</source>
        <translation>Çıkış kodları:
  0    tamamlandı
  1    check sorun buldu; diff fark buldu
  2    kullanım hatası
  3    dosya hatası (okunamıyor veya yazılamıyor, doğru türde bir dosya değil ya da değiştirilirse
       içeriği kaybolur); fetch: sunucudan liste gelmedi ve önbellekte de yok
  4    port açılamıyor
  5    ölçüm cihazı yanıt vermiyor
  6    aktarım başarısız oldu (ileti, ölçüm cihazının kodunu ve anlamını verir)
  7    reddedildi: load bir soru soruyor (model farklı, sürüm daha yüksek değil), export, fetch veya
       sheet bir dosyayı değiştirecek (--force Evet yanıtını verir); import veya fit ölçüm cihazının tablolarına sığmıyor
  130  kesildi (SIGINT, SIGTERM)
Birden fazla portta, başarısız olan ilk portun kodu.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>DB veritabanının yönlendirme sayfasını bir PDF olan OUT dosyasına yazar: DB&apos;nin her uydusu, konumdan görülen azimut, yükseliş ve LNB eğikliğiyle, azimuta göre sıralı, en düşük yükselişin altındakiler işaretli. Var olan bir OUT yalnızca --force ile değiştirilir ve içeriği önce yedek arşivinde saklanır; DB&apos;nin kendisi asla değiştirilmez.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... ve %1 tane daha</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: %3 kaydından sonraki %2 bağlantısı aralık dışında</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: %2 kaydına geri dönüyor</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: %2 kaydı, %4 yerine %3 kaydına geri bağlanıyor</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: %2 kaydında bitiyor ama son kaydı %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: %2 kayıt içeriyor ama sayısı %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>uydu zinciri</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>uydu zinciri: %1 yuvası kullanımda değil</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>boş uydu zinciri</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>boş uydu zinciri: %1 yuvası kullanımda</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>uydu %1 kullanımda ama uydu zincirinde değil</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>uydu yuvası %1 boş ama boş zincirde değil</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>uydu %1 transponderleri</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>uydu %2 transponderi %1 kullanımda değil</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>transponder %1, %2 ve %3 uydularının zincirlerinde</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>transponder sayısı %1 ama uydular %2 tane içeriyor</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>boş transponder zinciri</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>boş transponder zinciri: %1 kaydı kullanımda</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>tür-1 kanal zinciri</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>diğer tür kanal zinciri</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: kanal %2 kullanımda değil</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: kanal %2, %3 türünde</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>uydu %2 için %1 kanalları</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>tür-1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>diğer tür</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: kanal %2 oraya ait değil</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>grup %1 kanal zinciri</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: kanal %2 üye değil</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>boş kanal zinciri</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>boş kanal zinciri: kanal %1 kullanımda</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>kanal %1 boş ama boş zincirde değil</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>kanal %1 kendi türünün zincirinde değil</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>kanal %1, kendi uydusu %2 için hiçbir zincirde değil</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>kanal %1, grup zinciri %2 içinde değil</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>kanal %1, transponder %2 üzerinde, ama bu, kendi uydusu %3 için bir transponder değil</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n transponder kaydı hiçbir zincirde değil</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>uydu yeniden adlandırıldı: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>uydu taşındı: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: transponder </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>eklendi: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>kaldırıldı: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>değişti: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>uydu eklendi: %1, %n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>uydu kaldırıldı: %1, %n transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Dosya okunduktan sonra başka bir program tarafından değiştirildi.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Uydu ekle</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Uydu düzenle</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Uydu sil</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Veritabanı eşleşmiyor!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Hiçbir şey kaydedilmedi: veritabanı ve dosyası olduğu gibi duruyor.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>Bu uydunun transponder zinciri veritabanında hasarlı.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>Transponder listesi artık veritabanıyla eşleşmiyor; uyduyu yeniden seçin.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Transponderler kaydedilemedi: veritabanı onların çevresinde tutarsız.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>Transponder tablosu dolu: tüm uydular için toplam %1 transponder tutar.
%2 yeni satırın %n tanesi kaydedilemedi. Artık gerekmeyen transponderleri silin ve yeniden uygulayın.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>transponder listesi</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>TP &amp;ekle</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>TP &amp;sil</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Üzerine kaydet: şu anki içeriği yedeklerde saklanır. Yeniden yükle: burada yapılan değişiklikler atılır. İptal: ikisi de olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>Transponder listesinde uygulanmamış değişiklikler var; yedeği geri yüklemek bunları atar.

Yine de geri yüklensin mi?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Yedeği geri yükle</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>Transponder listesinde uygulanmamış değişiklikler var ve veritabanı dosyası henüz bunları içermiyor.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>Veritabanında henüz dosyasına kaydedilmemiş değişiklikler var.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>satır %1: %2 hücreden fazla</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>satır %1: kapanış tırnağından sonra metin</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>satır %1: %2 bayttan uzun bir hücre</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>satır %1: bir tırnak kapatılmamış</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>dosya UTF-8 metni değil</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>satır 1: başlık Satellite, Position, Frequency, Symbol rate ve Polarisation sütunlarını adlandırmalı</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>okuma iptal edildi</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>satır %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>uydu adı yok</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>&quot;%1&quot; uydu adı, ölçüm cihazının saklayamadığı Latin-1 dışı karakterler içeriyor</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>&quot;%1&quot; konumu bir derece sayısı değil</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>&quot;%1&quot; frekansı bir MHz sayısı değil</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>&quot;%1&quot; sembol oranı bir kS/s sayısı değil</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>&quot;%1&quot; polarizasyonu H, V, L, R, Auto değerlerinden hiçbiri değil</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>dosya okunamıyor: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>böyle bir dosya yok</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>dosya %1 MB sınırından büyük; bir alıcı listesi çok daha küçüktür</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>dosyada hiç uydu yok; içe aktarılacak bir şey yok</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>liste %1 uydudan fazlasını içeriyor; bu bir alıcı listesi değil</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>liste %1 transponderden fazlasını içeriyor; bu bir alıcı listesi değil</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>&quot;%1&quot; uydusu %2 transponderden fazlasını içeriyor; bu bir alıcı listesi değil</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>&quot;%1&quot; adı Latin-1 dışı karakterler içeriyor: &quot;%2&quot; olarak saklandı</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>&quot;%1&quot; adı 16 karaktere kısaltıldı: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe aktar</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>satır %1: &quot;%2&quot; konumu 0..360 derecenin dışında; uydu dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>satır %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz, ölçüm cihazının %2..%3 MHz aralığı dışında; dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: %2 kS/s, ölçüm cihazının %3..%4 kS/s aralığı dışında; dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: dairesel %2, Auto olarak saklanır</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>sol (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>sağ (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Hiçbir şey içe aktarılmadı: daha az uydu alın ya da önce bazılarını silin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>uydu eklendi, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>kaynak &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 eklendi, %3 kaldırıldı, %4 değişti</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>değiştir</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>birleştir</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  eklendi: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  kaldırıldı: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  değişti: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>öznitelik varsayılanları (&lt;!ATTLIST&gt;) alınmaz; bir alıcı listesinde bunlar olmaz</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>satır %1: öğeler %2 düzeyden daha derin iç içe; bir alıcı listesinin üç düzeyi vardır</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>satır %1: %2 bayttan uzun bir öznitelik değeri; bir alıcı listesinde adlar bulunur</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>satır %1: %2 öznitelikten fazlasına sahip bir öğe; bir alıcı listesinde bir düzine olur</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>satır %1: %2 ad alanı bildiriminden fazlası; bir alıcı listesinde hiç olmaz</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>herhangi bir &lt;sat&gt; dışında bir &lt;transponder&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>bu dosyada &lt;satellites&gt; listesi yok</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>satır %1, sütun %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt;, %2=&quot;&quot; içinde bir tam sayı gerektirir</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; değeri 0 (H), 1 (V), 2 (L), 3 (R) değerlerinden hiçbiri değil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2), &quot;%3&quot; olarak yazıldı: satellites.xml denetim karakterleri içeremez</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Yinelenenleri kaldır</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n hücre, 5 bekleniyordu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>Uydu tablosu dolu: içe aktarma %n uydu ekliyor ve %2 yerin %1 tanesi boş.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>Transponder tablosu dolu: içe aktarma %n kayıt gerektiriyor ve %2 kaydın %1 tanesi boş.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2, satır %3 ile yineleniyor (%4 MHz içinde); yine de saklandı</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Alıcı listeleri (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 okunuyor...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>Transponder listesinde uygulanmamış değişiklikler var; içe aktarma bu uyduyu değiştirir ve bunları atar.

Yine de içe aktarılsın mı?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Hiçbir şey içe aktarılmadı: veritabanı değişikliği reddetti.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Lütfen dosya adına .xml (satellites.xml) veya .csv uzantısı verin.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>%1 dosyasına aktarıldı, şu adlar değiştirildi:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n gün</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>sunucu %1 bayttan fazlasını gönderiyor; hiçbir alıcı listesi bu kadar büyük değildir</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>sunucu %1 bayt bildiriyor; hiçbir alıcı listesi bu kadar büyük değildir</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>iptal edildi</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>sunucu %1 saniye boyunca hiçbir şey göndermedi</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>sunucu %1 yanıtını verdi ama yeni bir adres bildirmedi</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>%1 yönlendirmeden fazla; sonuncusu %2 adresine</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>önbellekteki %1 kopyası okunmuyor: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>önbellekte kopya yok</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>önbellekteki %1 kopyası okunamıyor: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>sembolik bir bağlantı; önbellek bunun üzerinden tutulmaz</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>bir klasör değil</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>denetim önbelleğe işlenmedi: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>sunucu %1 %2 yanıtını verdi</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>liste önbellekte saklanmadı: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>sunucunun gönderdiği şey bir alıcı listesi değil: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>adres denetim karakterleri içeriyor</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>geçerli bir adres değil: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>geçerli bir adres değil</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>yalnızca http:// ve https:// adresleri indirilir, %1 değil</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>yalın bir ad</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>adres hiçbir sunucu belirtmiyor</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>adresteki kullanıcı adı veya parola gönderilmez</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>%1 adresine yönlendirildi: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>https üzerinden şifrelenmemiş %1 adresine yönlendirildi; izlenmedi</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>bu dosyaya başka bir program yazıyor; daha sonra yeniden deneyin</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>bir sembolik bağlantı</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>bir klasör</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>normal bir dosya değil</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 bayt, %2 sınırından fazla</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Bir dizin</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Normal bir dosya değil</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Veritabanı eşleşmiyor!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>dosya açma hatası: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>dosya açma hatası</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Uygula ve kaydet</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Değişiklikleri at</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Kal</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>Ü&amp;zerine kaydet</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Yeniden yükle</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>Transponder listesinde uygulanmamış değişiklikler var; plan veritabanını yeniden gösterir ve bunları atar.

Yine de içe aktarılsın mı?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Hiçbir şey değiştirilmedi: veritabanı planı reddetti.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Henüz kayıtlı bir konum yok: önce Dosya &gt; Bir konum için plan... içinde yazın.</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Tüm Dosyalar (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Lütfen dosya adına .pdf uzantısı verin.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Tut</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Yükseliş</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Eğiklik</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>Veritabanında</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Görünür</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>Tutulan TP</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Pay</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Listenin %1 transponderinden kaçını ölçüm cihazının bu uydu için tuttuğu; boş: planın paylaştırdığı gibi.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>evet</translation>
    </message>
    <message>
        <source>no</source>
        <translation>hayır</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>otomatik</translation>
    </message>
</context>
<context>
    <name>PointingSheet</name>
    <message>
        <source>Pointing sheet: %1</source>
        <translation>Yönlendirme sayfası: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Konum %1 (%2). En düşük yükseliş %3 derece.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azimut: gerçek, coğrafi kuzeyden saat yönünde derece; manyetik pusulayı yerel sapma kadar düzeltin. Yükseliş: ufkun üzerindeki derece. Eğiklik: pozitif eğiklik, çanağın arkasından uyduya doğru bakıldığında LNB&apos;yi saat yönünün tersine çevirir.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Yükseliş</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Eğiklik</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>ufkun altında</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>en düşük yükselişin altında</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>Veritabanında hiç uydu yok.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>Bu, veritabanının kendisi; değiştirilmez.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>Bu normal bir dosya değil; değiştirilmez.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>Sayfa düzenlenemedi.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager çalışıyor. Ortaya çıkan seri aygıtları (çoğunlukla ttyACM) açar ve bir süre onlara modem komutları gönderir; bu da ölçüm cihazıyla veri alışverişini bozar. Adaptörü taktıktan sonra yarım dakika bekleyip yeniden deneyin. Kalıcı çözüm: Orbivane paketinin udev kuralı, ModemManager&apos;a ölçüm cihazının adaptörlerine dokunmamasını söyler; bu kural yoksa ve mobil modem kullanmıyorsanız hizmeti durdurun:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (braille ekran hizmeti) çalışıyor. Bazı USB seri adaptörleri (CH340, CP210x) braille ekranı sanıp sahiplenir; o zaman bunlar için hiçbir seri aygıt görünmez. Braille ekranı kullanmıyorsanız BRLTTY&apos;yi kaldırın ve adaptörü yeniden takın:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>Seri aygıtı olmayan %1 adaptörü: BRLTTY sahiplendi</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>%1 USB seri adaptörü takılı, ancak ondan bir seri aygıt oluşmadı.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>Seri sürücüsü olmayan %1 adaptörü</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>%1 USB seri adaptörü takılı, ancak ondan bir seri aygıt oluşmadı: sürücüsü eksik ya da yüklenmemiş. Sürücüyü yükleyin ve adaptörü yeniden takın:
    sudo modprobe %2
Modül bulunamazsa, çekirdeğiniz için çekirdeğin ek modüllerini (linux-image-... paketi) kurun.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Hiç seri aygıt yok, bu yüzden bu porta karşılık gelen bir şey yok.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>%1 diye bir aygıt yok.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>seri aygıt yok</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>böyle bir aygıt yok</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Ölçüm cihazının USB seri adaptörünü takın, sonra portu yeniden seçin. &apos;orbivane-cli ports&apos; mevcut seri aygıtları ve her birine hangi COM portunun karşılık geldiğini listeler.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Hesabınız %1 aygıtını açamaz (sahip %2, grup %3, kip %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>Orbivane paketinin udev kuralı kurulu, ancak bu aygıtı size vermedi: kural, ekranda oturum açmış kullanıcı için yaygın adaptörleri kapsar. Başka bir adaptör için bir yönetici /etc/udev/rules.d/70-orbivane-local.rules dosyasına onun için bir satır ekleyebilir (kural dosyası nasıl yapılacağını anlatır); ardından adaptörü yeniden takın.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Ya da Orbivane paketini kurun: udev kuralı, ekrandaki kullanıcının ölçüm cihazının USB adaptörünü hiçbir gruba girmeden açmasını sağlar.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>erişim reddedildi</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Hesabınızı aygıtın grubuna ekleyin:
    sudo usermod -aG %1 $USER
sonra oturumu kapatıp yeniden açın: yeni bir grup ancak bir sonraki oturum açışta geçerli olur. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Hiçbir grup ona erişim vermiyor, bu yüzden bir gruba katılmak işe yaramaz: yalnızca aygıtı size ya da bir gruba veren bir udev kuralı ya da bir yönetici yardımcı olabilir. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Orbivane paketi yaygın adaptörler için böyle bir kural getirir: bir yöneticiden paketi kurmasını isteyin, sonra adaptörü yeniden takın.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>ModemManager tarafından kullanılıyor (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>BRLTTY tarafından kullanılıyor (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>başka bir program tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Başka bir program %1 aygıtını açık tutuyor; sistem hangisi olduğunu söylemiyor (başka bir hesap altında çalışıyor olabilir). Genellikle bir terminal programı (minicom, screen, picocom), başka bir Orbivane ya da ModemManager&apos;dır. Onu kapatın, sonra portu yeniden seçin.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1, %3 aygıtını açık %2.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>tutuyor</translation>
    </message>
    <message>
        <source>has</source>
        <translation>tutuyor</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Kapatın: %1 (ya da %2 sonlandırın: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> ve </translation>
    </message>
    <message>
        <source>them</source>
        <translation>onları</translation>
    </message>
    <message>
        <source>it</source>
        <translation>onu</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Diğer Orbivane pencerenizi kapatın (ya da önce aktarımının bitmesini bekleyin).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> orbivane-cli&apos;nizin bitmesini bekleyin ya da terminalinde Ctrl+C ile durdurun.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>%1 tarafından kullanılıyor</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Sonra portu yeniden seçin.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>port açılıyor, ancak hiçbir ölçüm cihazı yanıt vermiyor</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 açılıyor, ancak hiçbir ölçüm cihazı yanıt vermedi. Ölçüm cihazının açık olduğunu, kablonun iki ucunun da sıkıca takılı olduğunu ve bunun ölçüm cihazının portu olduğunu kontrol edin: &apos;orbivane-cli ports&apos; mevcut seri aygıtları listeler, &apos;orbivane-cli probe --port DEVICE&apos; birini dener.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 ayrıca portu açık %2</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>yanıt yok; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>seri aygıt değil</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 bir seri aygıt değil. Ölçüm cihazının adaptörünün portunu seçin; &apos;orbivane-cli ports&apos; mevcut seri aygıtları listeler.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>Sistem %1 aygıtını açmayı reddetti: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager çalışıyor (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY çalışıyor</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>COM portu seçin</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>Yazılım &amp;yükle</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>Parametreleri &amp;oku</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>Parametreleri ya&amp;z</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>Parametreleri &amp;düzenle</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>com%1 bağlantısı kuruldu</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>com%1 bağlantısı kurulamadı</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>COM%1 için aygıt yok</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (mevcut değil)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>Hiçbir COM portu seçilmedi</translation>
    </message>
    <message>
        <source>COM%1: %2</source>
        <translation>COM%1: %2</translation>
    </message>
</context>
<context>
    <name>PortStatusLabel</name>
    <message>
        <source>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Details...&lt;/a&gt;</source>
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Ayrıntılar...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Değişiklikler şimdi uygulanıp kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Değişiklikler atılsın mı?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

Üzerine kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Burada yapılan değişiklikler atılarak yeniden yüklensin mi?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Veri Dosyaları (*.bin);;Tüm Dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Plan for a site</source>
        <translation>Bir konum için plan</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): uydu, %3 ve %4 ile birlikte kaldırıldı</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>korunan uyduların kaybettiği transponderlerle birlikte %n kanal gidiyor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>listedeki %n transponder ölçüm cihazının aralıklarının dışında; dışarıda bırakıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>listedeki %n transponder uydusunun başka bir transponderini tekrarlıyor; bir kez alındı</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Ölçüm cihazı %2 uydudan %1 ve %4 transponderden %3 tutuyor</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; listenin transponderlerinin hepsi sığmıyor, bu yüzden her uydu bir pay tutuyor</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 veya 52.52N 13.40E biçiminde yazın</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>%1 enlemi 90 derece Kuzey veya Güney sınırını aşıyor</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>%1 boylamı 180 derece Doğu veya Batı sınırını aşıyor</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>konum %n karakter uzunluğunda; bir konum en fazla %1 karakter alır</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>konum bir denetim karakteri içeriyor; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>konum verilmedi; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; iki enlem veriyor; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; iki boylam veriyor; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; tek bir sayıda hem işaret hem yarıküre harfi veriyor; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; bir enlem ve boylam değil; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Lütfen bir uydu adı girin.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Lütfen bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Lütfen 0 ile 360 arasında bir sayı girin.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Lütfen en fazla 16 karakter girin.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Uydu adı yalnızca Latin-1 karakterleri (harfler, rakamlar ve Batı Avrupa dillerinin yaygın işaretleri) içerebilir.</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>uydu listesi</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>Uydu &amp;ekle</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>Uydu &amp;sil</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Ada veya konuma göre filtrele</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Uydu filtresi</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Seri porttaki bir uydu bulucu ölçüm cihazına yazılım ve parametre veritabanları yükler ve veritabanı dosyalarını düzenler.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Sürüm bilgisini gösterir.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Düzenlemek için açılacak bir parametre veritabanı dosyası.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>&apos;orbivane --help&apos; deneyin.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Kullanım: orbivane [seçenekler] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>yalnızca bir dosya açılabilir: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>dosya adı boş</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Belirtilen dosya okunamıyor!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Bir dizin</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Normal bir dosya değil</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Bilinmeyen çerçeve %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Bu veritabanı dosyası hasarlı:

- %1

Yine de yazılsın mı?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>Bu yazılım ölçüm cihazınızla uyuşmuyor!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Bu yazılım sürümü şu anda kullanılandan daha yüksek değil, 
devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Lütfen doğru bir güncelleme dosyası seçin
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Seri İletişim Aygıtı Hatası</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Belirtilen dosya yazılamıyor!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 / %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, %1:%2 kaldı</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>%1 oluşturulamıyor</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Lütfen ölçüm cihazını açık tutun ve yaklaşık 2 dakika bekleyin, ölçüm cihazı otomatik olarak yeniden başlayacak!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>veri aktarımı tamamlandı!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Aktarım sırasında bir hata oluştu. kod:%1
Lütfen STB&apos;yi yeniden başlatın.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>aktarım ilerlemesi: yüzde %1</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Lütfen doğru bir veritabanı parametre dosyası seçin
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1, %2 bayt içeriyor; bu, yedeklerin kopyasını saklayabileceğinden fazla (%3 MB). Okuma, kopyası saklanmadan onun yerine geçer.

Yine de değiştirilsin mi?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>Lütfen ölçüm cihazınızın bağlı olduğu doğru COM portunu seçin.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>رابط رمزي</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB، أكبر بكثير من قاعدة بيانات</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>ليس قاعدة بيانات (%1 بايت)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>، لا يجتاز فحص البنية</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>ليس إصدارًا (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>غير قابل للقراءة (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>جهاز القياس %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 أكبر من %2 MB، أي أكبر بكثير من قاعدة بيانات؛ لم يُحتفظ بمحتواه</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: تعذّر إنشاء المجلد</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n قمر صناعي، المرسلات المستجيبة: %1</numerusform>
            <numerusform>%n قمر صناعي، المرسلات المستجيبة: %1</numerusform>
            <numerusform>%n قمران صناعيان، المرسلات المستجيبة: %1</numerusform>
            <numerusform>%n أقمار صناعية، المرسلات المستجيبة: %1</numerusform>
            <numerusform>%n قمرًا صناعيًا، المرسلات المستجيبة: %1</numerusform>
            <numerusform>%n قمر صناعي، المرسلات المستجيبة: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>تعذّر الاحتفاظ بنسخة احتياطية:
%1

سيُنفَّذ ما طلبته رغم ذلك. تظهر هذه الرسالة مرة واحدة في كل جلسة.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>حول Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane الإصدار 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tarnwell. Ver:1.2</source>
        <translation>حقوق النشر (C) 2026 Tarnwell. الإصدار:1.2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>مقارنة مع %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>من قاعدة البيانات المفتوحة (كما طُبّقت آخر مرة) إلى %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>لا توجد فروق.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>تحرير القمر الصناعي</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>يرجى تحرير القمر الصناعي</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>اسم القمر</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>الدرجة (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>استيراد من %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>التصفية حسب الاسم أو الموقع</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>المرسلات المستجيبة ذات الاستقطاب نفسه التي لا يتجاوز الفرق بين تردداتها هذا المقدار تُعدّ مرسلًا مستجيبًا واحدًا.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>أقمار الملف:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>المرسل المستجيب نفسه ضمن:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>أخذ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>حال المرسلات</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>الوجهة</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>حدّد الأقمار المراد أخذها: يظهر هنا ما سيفعله الاستيراد قبل أن يتغير أي شيء.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>ا&amp;ستيراد</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>معاينة:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>تُستبدل</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>تُدمج</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>قمر صناعي جديد</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>يقع هنا أكثر من قمر صناعي من قاعدة البيانات: تحقّق من القمر الذي يذهب إليه قمر الملف.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>أُخذ %n قمر صناعي (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
            <numerusform>أُخذ %n قمر صناعي (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
            <numerusform>أُخذ %n قمران صناعيان (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
            <numerusform>أُخذ %n أقمار صناعية (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
            <numerusform>أُخذ %n قمرًا صناعيًا (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
            <numerusform>أُخذ %n قمر صناعي (%1 جديد، %2 مستبعد)؛ المرسلات المستجيبة: %3 مضاف، %4 محذوف، %5 معدّل. يغيّر الاستيراد قاعدة البيانات في الذاكرة بخطوة واحدة (تحرير &gt; تراجع يلغيه)؛ وتطبيق يكتبه في الملف.</numerusform>
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
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;استعادة نسخة احتياطية...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>است&amp;يراد...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>م&amp;قارنة بملف...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>تح&amp;رير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;إعادة</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>إزالة المرسلات المستجيبة الم&amp;كررة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مسا&amp;عدة</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;دليل المستخدم</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>عرض &amp;سجلات النقل</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>مجلد سجلات النقل</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>&amp;حول Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;تراجع عن %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;إعادة %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>تعذّر العثور على %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>تنبيه</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>لا يوجد برنامج على هذا النظام يمكنه فتح %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>تحرير ا&amp;لمعاملات...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>&amp;خطة لموقع...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>تصدير &amp;ورقة التوجيه...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خرو&amp;ج</translation>
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
        <translation>تعذّر الحصول على قائمة الخادم (%1)؛ هذه هي النسخة التي جُلبت قبل %2.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>خطة لموقع</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 أو 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> درجة</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml أو قائمة CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;استعراض...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;قراءة</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;إيقاف</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>لم تُقرأ أي قائمة بعد: يعرض الجدول أقمار قاعدة البيانات.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>الم&amp;وقع:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>أدنى ارت&amp;فاع:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>الم&amp;صدر:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>الأقما&amp;ر الصناعية (علّم ما يحتفظ به جهاز القياس؛ واكتب حصة للاحتفاظ بعدد أقل أو أكثر من المرسلات المستجيبة لقمر ما):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>الأقمار: %v من %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>المرسلات: %v من %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>م&amp;عاينة:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>است&amp;يراد</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>قوائم أجهزة الاستقبال (*.xml *.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>اكتب الموقع الذي تقف فيه الأطباق.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1، الشمال والشرق موجبان.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: الأقمار %2، المرسلات المستجيبة %3.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>القائمة</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>جارٍ قراءة %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>توقفت القراءة؛ الخطة كما كانت.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>لم تُقرأ القائمة؛ الخطة كما كانت.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>استعادة نسخة احتياطية</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>لا توجد نسخ احتياطية بعد. يُحتفظ بالمحتوى السابق للملف في كل مرة يُحفظ فيها، وبكل قاعدة بيانات تُقرأ من جهاز القياس.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>اختر إصدارًا لفتحه. يحلّ محل قاعدة البيانات قيد التحرير (التراجع يلغي ذلك) ويصل إلى ملفها عند التطبيق؛ وإن لم تكن هناك قاعدة بيانات مفتوحة، فحدّد اسم ملف لحفظه فيه.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>الملف</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>المصدر</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتوى</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>قُرئ من الجهاز</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>حُفظ فوقه</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;مقارنة</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>جارٍ نقل البيانات</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>فشل الاتصال بالمنفذ com%1</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>حذف TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>إضافة TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>م.الرموز</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>استقطاب</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>إضافة TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>فرز</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>تحرير TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>يسرد الإصدارات المحفوظة، الأحدث أولًا: التاريخ، والمصدر (saved over = حُفظ فوقه، read from meter = قُرئ من جهاز القياس)، والملف أو جهاز القياس، والمحتوى، والنسخة المؤرشفة. مع FILE، إصدارات ذلك الملف فقط. انسخ أحدها إلى مكانه باستخدام cp، أو افتحه في النافذة عبر ملف &gt; استعادة نسخة احتياطية.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>يفحص بنية ملف قاعدة بيانات: كل سلسلة كاملة ومربوطة في الاتجاهين، وكل عدد صحيح، وكل سجل مستخدم أو حر. سطر واحد لكل مخالفة.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: لم يُعطَ أي أمر
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: أمر غير معروف &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>الاستخدام: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
جرّب &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>يأخذ --%1 عددًا صحيحًا من %2 إلى %3، وليس &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>وسيط مفقود</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>وسيط غير متوقع: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: تعذّرت قراءة الملف المحدد!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: هو قاعدة البيانات %2 نفسها؛ لم يُستبدل</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: موجود وليس ملفًا عاديًا؛ لم يُستبدل</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: موجود؛ لم يُستبدل (الخيار --force يستبدله ويحتفظ بمحتواه في أرشيف النسخ الاحتياطية)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: لم يُستبدل، لأنه تعذّر الاحتفاظ بمحتواه: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>ما يختلف من قاعدة البيانات A إلى قاعدة البيانات B: الأقمار المضافة والمحذوفة والمعاد تسميتها والمنقولة (الموقع المداري)؛ ولكل قمر، المرسلات المستجيبة المضافة والمحذوفة والمعدّلة. تُقرن الأقمار بالاسم، ثم بالموقع.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>الإخراج بصيغة JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>يكتب كل قمر صناعي ومرسل مستجيب من قاعدة البيانات DB إلى OUT، بصيغة satellites.xml (--xml، وينتهي OUT بـ .xml) أو بصيغة CSV لجداول البيانات (--csv، وينتهي OUT بـ .csv). يعيد &apos;orbivane-cli import&apos; قراءة أيٍّ منهما دون تغيير. لا يُستبدل OUT الموجود إلا مع --force، ويُحتفظ بمحتواه أولًا في أرشيف النسخ الاحتياطية؛ ولا تُستبدل DB نفسها أبدًا.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml، كما تستخدمه أجهزة الاستقبال.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8)، صف واحد لكل مرسل مستجيب.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>استبدال OUT إن كان موجودًا (يُحتفظ بمحتواه في الأرشيف).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>حدّد أحد الخيارين --xml و--csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: الخيار --%2 يكتب ملفًا ينتهي بـ %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>يأخذ أقمار SOURCE (satellites.xml أو CSV) إلى قاعدة البيانات DB ويطبع ما يتغير، قمرًا قمرًا، وما لا يستطيع جهاز القياس حفظه كما هو. يذهب القمر إلى قمر DB الذي في الموقع نفسه، وإلا يُضاف. لا يُستورد شيء إذا لم تتسع الجداول للكل. تُحفظ DB ما لم يُعطَ --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>فقط قمر (أقمار) SOURCE عند POS درجة (19.2، 19.2E، 5W، -5؛ 177W هو 183)، أو ضمن عُشر درجة على أي جانب إن لم يكن أي قمر عند POS نفسه؛ كرّره للمزيد. الافتراضي: جميعها.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>تصبح المرسلات المستجيبة للقمر هي مرسلات SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>تُضاف فقط المرسلات المستجيبة التي تنقص DB (الافتراضي).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>الترددات التي لا يتجاوز الفرق بينها MHZ (بالاستقطاب نفسه) هي مرسل مستجيب واحد: من 0 إلى 100. الافتراضي: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>اطبع المعاينة؛ لا تغيّر شيئًا.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>احفظ حتى لو غيّر برنامج آخر DB أثناء الاستيراد إليها.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>حدّد --replace أو --merge، وليس كليهما</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
لم يُستورد أي شيء.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>يتطلب --satellite درجات (19.2، 5W، -5، 183)، وليس &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>لا يوجد في %1 قمر عند %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: تقع بالقرب منه عدة أقمار من %2: %3؛ %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>أخذ &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>تجري إضافته</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>لم يُستورد أي شيء: رفضت قاعدة البيانات التغيير</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: تحذير: لم يُحتفظ بنسخة احتياطية: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>لم يُحفظ أي شيء (الخيار --force يحفظ فوقه).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>أقمار ملف قاعدة البيانات بترتيب القائمة، مع الموقع وعدد المرسلات المستجيبة؛ والمجاميع؛ والسجلات الحرة المتبقية.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>الحر: خانات الأقمار %1، سجلات المرسلات المستجيبة %2، سجلات القنوات %3</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> نعم (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> لا (مرفوض؛ الخيار --force يجيب بنعم)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>عرّف جهاز القياس بنفسه مرة ثانية (FT_IDENT) في منتصف النقل</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>أرسل جهاز القياس شيئًا غير قاعدة بياناته: إطارًا غير متوقع، أو بايتات أكثر مما تتسع له الصورة، أو FT_END قبل اكتمال الصورة</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>أرسل جهاز القياس إطارًا غير متوقع، أو FT_END قبل أن يستلم الملف كاملًا</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>لم يُجب جهاز القياس خلال 400 ملّي ثانية</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>رمز غير معروف</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>لا يوجد جهاز يقابل %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>فشل الاتصال بالمنفذ %1 (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: فشل: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>تعذّر الاتصال بالمنفذ %1: جهاز القياس لا يجيب</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>تعذّرت كتابة السجل %1: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: قُطع</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>، قُرئ إلى %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>، أُرسل %1</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>توقّف جهاز القياس عن الإجابة عند %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>مرفوض: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>رمز خطأ جهاز القياس %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>تعطّل الخط: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>لم يكتمل النقل</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: منافذ COM مرقّمة من 1 إلى 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>اسم منفذ فارغ (حدّد COMn أو مسار جهاز أو اسمًا من /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>يسرد من COM1 إلى COM10 مع الجهاز الذي يقابله كل منها (ORBIVANE_COM&lt;n&gt;، أو إعداد Devices/COM&lt;n&gt; في النافذة، أو الجهاز رقم n من الأجهزة الموجودة)، ثم كل جهاز تسلسلي موجود.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>لا توجد أجهزة تسلسلية.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>الأجهزة التسلسلية الموجودة:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>يتعذّر الفتح: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>يمكن الفتح</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>اختبار الاتصال الخاص بالنافذة؛ يطبع كلمة تعريف كل جهاز قياس.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>يقرأ قاعدة بيانات جهاز القياس إلى الملف TARGET. مع عدة خيارات --port، يُقرأ كل جهاز قياس في الوقت نفسه إلى المجلد TARGET باسم &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (والمنافذ ذات الاسم الواحد في مجلدات مختلفة بالشكل a-meter وb-meter). الصورة التي لا تجتاز فحص البنية يُحتفظ بها كما أرسلها جهاز القياس، مع تحذير.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>يكتب قاعدة البيانات FILE إلى جهاز (أجهزة) القياس. يُرفض الملف ذو الحجم الخاطئ قبل إرسال أي شيء؛ وكذلك الملف الذي لا يجتاز فحص البنية، ما لم يُعطَ --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>يحمّل البرنامج الموجود في FILE إلى جهاز (أجهزة) القياس. حيث كانت النافذة ستسأل (الطراز مختلف، الإصدار ليس أعلى) يُرفض التحميل، ما لم يُجب --force بنعم.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: تعذّرت قراءة الملف المحدد!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: يرجى اختيار ملف تحديث صحيح</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: يرجى اختيار ملف معاملات قاعدة بيانات صحيح (%2 بايت، وليس %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: لا يجتاز فحص البنية؛ أُرسل رغم ذلك (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: لا يجتاز فحص البنية؛ لم يُرسل (الخيار --force يرسله رغم ذلك)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: تعذّر إنشاء المجلد</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>سيتشارك %1 و%2 الاسم %3 لملفاتهما؛ حدّد أحدهما بمسار آخر</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>منفذ جهاز القياس: COMn أو مسار جهاز أو اسم من /dev/serial/by-id؛ كرّره لعدة أجهزة قياس في آن واحد. الافتراضي: المنفذ الذي حفظته النافذة.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>لا تعرض التقدّم على الخطأ القياسي.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>أجب بنعم حيث تسأل النافذة (الطراز مختلف، الإصدار ليس أعلى).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>استبدل TARGET أكبر من أن تحتفظ النسخ الاحتياطية بنسخة منه.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>أرسل ملفًا لا يجتاز فحص البنية.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>اكتب سجلًا للخط (وقت كل إطار ونوعه وطوله وأول بايتاته، وكيف انتهى) إلى FILE؛ ومع عدة خيارات --port، سجل لكل جهاز قياس باسم FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>توقّف عن المحاولة حين يصمت جهاز القياس هذه المدة في منتصف النقل: من 1 إلى 3600 (الافتراضي 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>أُعطي %1 مرتين</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 بايت، أكثر مما تحتفظ النسخ الاحتياطية بنسخة منه (%3 MB)؛ لم يُستبدل (الخيار --force يستبدله)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>قُطع: جارٍ الإيقاف</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>المجموع: %n قمر صناعي، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
            <numerusform>المجموع: %n قمر صناعي، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
            <numerusform>المجموع: %n قمران صناعيان، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
            <numerusform>المجموع: %n أقمار صناعية، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
            <numerusform>المجموع: %n قمرًا صناعيًا، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
            <numerusform>المجموع: %n قمر صناعي، المرسلات المستجيبة: %1، القنوات: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلة)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلة)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلتان)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلات)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلة)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
            <numerusform>orbivane-cli: تحذير: %1: الصورة المقروءة من %2 لا تجتاز فحص البنية (%n مشكلة)؛ حُفظت كما أرسلها جهاز القياس (&apos;orbivane-cli check %1&apos; يسردها)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>نُزّلت</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>لم تتغيّر على الخادم منذ النسخة المخزّنة مؤقتًا</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>النسخة المخزّنة مؤقتًا من %1 (عمرها %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: قُطع؛ النسخة المخزّنة مؤقتًا بقيت كما كانت</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: تحذير: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>ينزّل قائمة جهاز الاستقبال (satellites.xml أو CSV) من URL، وهو عنوان http:// أو https://، إلى مجلد ذاكرة التخزين المؤقت %1، ومع OUT إلى الملف OUT أيضًا. لا يُطلب من الخادم إلا نسخة أحدث من المخزّنة مؤقتًا. إذا تعذّر الوصول إليه أو رفض أو أرسل شيئًا ليس قائمة، تُستخدم النسخة المخزّنة مؤقتًا ويُذكر عمرها. التنزيل المقطوع، أو الذي لا يُقرأ كقائمة، لا يستبدل النسخة المخزّنة مؤقتًا ولا OUT. لا يُستبدل OUT موجود إلا مع --force، بعد حفظ محتواه أولًا في أرشيف النسخ الاحتياطية. قائمة النافذة هي %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>استسلم حين يصمت الخادم هذه المدة: من 1 إلى 3600 (الافتراضي 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
            <numerusform>%1: الأقمار الصناعية: %n، المرسلات المستجيبة: %2؛ %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>يخطّط أي الأقمار الصناعية تحتفظ بها قاعدة البيانات DB للموقع، وأي المرسلات المستجيبة يحتفظ بها كل قمر، من قائمة جهاز الاستقبال LIST (satellites.xml أو CSV)، ضمن 64 قمرًا و2500 مرسل مستجيب لجهاز القياس؛ ويطبع الخطة وما يتغيّر. تُحذف أقمار DB التي تقع تحت أدنى زاوية ارتفاع مع قنواتها؛ وتبقى المرئية، وتُضاف أقمار LIST المرئية، الأعلى أولًا، ما دام هناك متّسع. يأخذ قمر من LIST مرسلات LIST المستجيبة، أو حصة موزّعة على نطاقاته واستقطاباته حين لا تتسع كلها. تُحفظ DB (بعد حفظ محتواها أولًا كنسخة احتياطية) ما لم يُعطَ --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>قائمة جهاز الاستقبال: satellites.xml أو CSV، ملف أو عنوان http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>اطبع الخطة؛ لا تغيّر شيئًا.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>احفظ حتى لو غيّر برنامج آخر DB أثناء التخطيط.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>أعطِ القائمة: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
لم يُغيَّر أي شيء.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>لم يُغيَّر أي شيء: رفضت قاعدة البيانات الخطة</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: لم تُقرأ أي قائمة</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>مكان الأطباق: 52.52,13.40 أو 52.52N 13.40E (الشمال والشرق موجبان). الافتراضي: الموقع الذي تحفظه النافذة.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>أدنى زاوية ارتفاع لقمر يستحق الإبقاء عليه، من 0 إلى 90 درجة. الافتراضي: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>أعطِ الموقع: --site LAT,LON (لا موقع محفوظ في الإعدادات)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>يأخذ --min-elevation درجات من 0 إلى 90، لا &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>الموقع %1، أدنى زاوية ارتفاع %2 درجة</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>زاوية الارتفاع والسمت الحقيقي وميل LNB، كما تُرى من الموقع، لكل قمر صناعي في SOURCE (ملفات قواعد بيانات، قوائم satellites.xml أو CSV، ملفات أو عناوين http(s)://)، سطر لكل قمر: أولًا التي عند أدنى زاوية ارتفاع أو فوقها، ثم البقية، كل قسم حسب السمت. القمر الموجود في عدة SOURCE (الموقع المداري والاسم نفسهما) يُعرض مرة واحدة. الميل الموجب يدير LNB عكس اتجاه عقارب الساعة كما يُرى من خلف الطبق.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: السطر %2: &quot;%3&quot; ليس في أي مكان على القوس (%4)؛ استُبعد</translation>
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
        <translation>الاستخدام: orbivane-cli COMMAND [OPTIONS] [ARGUMENTS]
كل مهام جهاز القياس في Orbivane من الطرفية.

الأوامر:
  ports                        منافذ COM والأجهزة التسلسلية الموجودة
  probe [--port P]...          اختبار الاتصال؛ يطبع كلمة تعريف جهاز القياس
  read  [--port P]... TARGET   قاعدة بيانات جهاز القياس إلى ملف (أو مجلد لعدة أجهزة)
  write [--port P]... FILE     ملف قاعدة بيانات إلى جهاز (أجهزة) القياس
  load  [--port P]... FILE     البرنامج إلى جهاز (أجهزة) القياس
  info  FILE                   الأقمار والمجاميع والسجلات الحرة في ملف قاعدة بيانات
  check FILE                   فحص بنية ملف قاعدة بيانات
  import DB SOURCE             قائمة satellites.xml أو CSV إلى ملف قاعدة بيانات
  export DB OUT (--xml|--csv)  ملف قاعدة بيانات بصيغة satellites.xml أو CSV
  fetch URL [OUT]              قائمة جهاز استقبال منشورة إلى ذاكرة التخزين المؤقت (وإلى OUT)
  diff  A B                    ما يختلف بين ملفَّي قاعدة بيانات
  sky   SOURCE...              زوايا التوجيه من --site LAT,LON إلى أقمار الملفات أو القوائم
  fit   DB --from LIST         الأقمار والمرسلات المستجيبة التي تحتفظ بها DB لـ --site LAT,LON
  sheet DB OUT                 ورقة توجيه DB لـ --site LAT,LON، بصيغة PDF
  backups [FILE]               الإصدارات المحفوظة من الملفات المحفوظة وقراءات جهاز القياس
  --version                    إصدار orbivane-cli

P هو COMn أو مسار جهاز أو اسم من /dev/serial/by-id؛ ودون --port يُستخدم المنفذ الذي
حفظته النافذة. يعرض &apos;orbivane-cli COMMAND --help&apos; المزيد.

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
        <translation>رموز الخروج:
  0    تمّ
  1    وجد check مشكلات؛ وجد diff فروقًا
  2    خطأ في الاستخدام
  3    خطأ في الملف (تتعذّر قراءته أو كتابته، أو ليس من النوع الصحيح، أو أن استبداله
       سيُضيع ما يحويه)؛ fetch: لا قائمة من الخادم ولا نسخة مخزّنة مؤقتًا
  4    يتعذّر فتح المنفذ
  5    جهاز القياس لا يجيب
  6    فشل النقل (تذكر الرسالة رمز جهاز القياس ومعناه)
  7    مرفوض: load يطرح سؤالًا (الطراز مختلف، الإصدار ليس أعلى)، export أو fetch أو
       sheet سيستبدل ملفًا (الخيار --force يجيب بنعم)؛ import أو fit لا يتسع في جداول جهاز القياس
  130  قُطع (SIGINT، SIGTERM)
مع عدة منافذ، رمز أول منفذ فشل.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>يكتب ورقة التوجيه لقاعدة البيانات DB في OUT، ملف PDF: كل قمر في DB بسمته وارتفاعه وميل LNB كما تُرى من الموقع، مرتبة حسب السمت، مع تعليم ما هو دون أدنى ارتفاع. لا يُستبدل OUT الموجود إلا مع --force، ويُحفظ محتواه أولًا في أرشيف النسخ الاحتياطية؛ أما DB نفسها فلا تُستبدل أبدًا.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... و%1 أخرى</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: الرابط %2 بعد السجل %3 خارج النطاق</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: يعود حلقيًا إلى السجل %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: السجل %2 يشير رجوعًا إلى %3 بدلًا من %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: تنتهي عند %2 لكن آخرها المسجَّل %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: عدد سجلاتها %2 لكن العدد المسجَّل %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>سلسلة الأقمار</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>سلسلة الأقمار: الخانة %1 غير مستخدمة</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>سلسلة الأقمار الحرة</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>سلسلة الأقمار الحرة: الخانة %1 مستخدمة</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>القمر %1 مستخدم لكنه ليس في سلسلة الأقمار</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>خانة القمر %1 حرة لكنها ليست في السلسلة الحرة</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>المرسلات المستجيبة للقمر %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>المرسل المستجيب %1 للقمر %2 غير مستخدم</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>المرسل المستجيب %1 موجود في سلسلتي القمرين %2 و%3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>عدد المرسلات المستجيبة %1 لكن الأقمار تحوي %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>سلسلة المرسلات المستجيبة الحرة</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>سلسلة المرسلات المستجيبة الحرة: السجل %1 مستخدم</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>سلسلة قنوات النوع 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>سلسلة قنوات النوع الآخر</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: القناة %2 غير مستخدمة</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: القناة %2 من النوع %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>قنوات %1 للقمر %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>النوع 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>النوع الآخر</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: القناة %2 لا تنتمي إلى هنا</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>سلسلة قنوات المجموعة %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: القناة %2 ليست عضوًا</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>سلسلة القنوات الحرة</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>سلسلة القنوات الحرة: القناة %1 مستخدمة</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>القناة %1 حرة لكنها ليست في السلسلة الحرة</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>القناة %1 ليست في سلسلة نوعها</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>القناة %1 ليست في أي سلسلة لقمرها %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>القناة %1 ليست في سلسلة المجموعة %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>القناة %1 على المرسل المستجيب %2، وهو ليس مرسلًا مستجيبًا لقمرها %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
            <numerusform>سجلات مرسلات مستجيبة ليست في أي سلسلة: %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>أُعيدت تسمية قمر: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>نُقل قمر: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: المرسل المستجيب </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>أُضيف: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>حُذف: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>تغيّر: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>أُضيف قمر: %1، %n مرسل مستجيب</numerusform>
            <numerusform>أُضيف قمر: %1، %n مرسل مستجيب</numerusform>
            <numerusform>أُضيف قمر: %1، %n مرسلان مستجيبان</numerusform>
            <numerusform>أُضيف قمر: %1، %n مرسلات مستجيبة</numerusform>
            <numerusform>أُضيف قمر: %1، %n مرسلًا مستجيبًا</numerusform>
            <numerusform>أُضيف قمر: %1، %n مرسل مستجيب</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>حُذف قمر: %1، %n مرسل مستجيب</numerusform>
            <numerusform>حُذف قمر: %1، %n مرسل مستجيب</numerusform>
            <numerusform>حُذف قمر: %1، %n مرسلان مستجيبان</numerusform>
            <numerusform>حُذف قمر: %1، %n مرسلات مستجيبة</numerusform>
            <numerusform>حُذف قمر: %1، %n مرسلًا مستجيبًا</numerusform>
            <numerusform>حُذف قمر: %1، %n مرسل مستجيب</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>غيّر برنامج آخر الملف بعد قراءته.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>إضافة قمر</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>تحرير قمر</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>حذف قمر</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>قاعدة البيانات غير مطابقة!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>لم يُخزَّن أي شيء: قاعدة البيانات وملفها كما كانا.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>سلسلة المرسلات المستجيبة لهذا القمر تالفة في قاعدة البيانات.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>لم تعد قائمة المرسلات المستجيبة مطابقة لقاعدة البيانات؛ اختر القمر مرة أخرى.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>تعذّر تخزين المرسلات المستجيبة: قاعدة البيانات غير متسقة حولها.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: سعته لجميع الأقمار معًا %1 مرسل مستجيب.
تعذّر تخزين %n من الصفوف الجديدة البالغ عددها %2. احذف المرسلات المستجيبة التي لم تعد تحتاجها وطبّق مرة أخرى.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>قائمة المرسلات المستجيبة</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;إضافة TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;حذف TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;تطبيق</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

الحفظ فوقه: يُحتفظ بمحتواه الحالي في النسخ الاحتياطية. إعادة التحميل: تُهمل التغييرات التي أُجريت هنا. إلغاء: يبقى كلاهما على حاله.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>في قائمة المرسلات المستجيبة تغييرات لم تُطبَّق؛ واستعادة النسخة الاحتياطية تُهملها.

هل تريد الاستعادة رغم ذلك؟</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>استعادة النسخة الاحتياطية</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>في قائمة المرسلات المستجيبة تغييرات لم تُطبَّق، وملف قاعدة البيانات لا يحويها بعد.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>في قاعدة البيانات تغييرات لم تُحفظ في ملفها بعد.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>المرسلات المستجيبة</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>الصف %1: أكثر من %2 خلية</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>الصف %1: نص بعد علامة اقتباس إغلاق</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>الصف %1: خلية أطول من %2 بايت</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>الصف %1: علامة اقتباس غير مغلقة</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>الملف ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>الصف 1: يجب أن يسمّي العنوان الأعمدة Satellite وPosition وFrequency وSymbol rate وPolarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>أُلغيت القراءة</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>الصف %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>لا يوجد اسم قمر</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>اسم القمر &quot;%1&quot; يحوي محارف خارج Latin-1، لا يستطيع جهاز القياس تخزينها</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>الموقع &quot;%1&quot; ليس عددًا من الدرجات</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>التردد &quot;%1&quot; ليس عددًا بوحدة MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>معدل الرموز &quot;%1&quot; ليس عددًا بوحدة kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>الاستقطاب &quot;%1&quot; ليس أيًّا من H وV وL وR وAuto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>تعذّرت قراءة الملف: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>لا يوجد ملف كهذا</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>الملف أكبر من %1 MB؛ قائمة جهاز الاستقبال أصغر بكثير</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>لا يحوي الملف أي أقمار؛ لا شيء للاستيراد</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>تحوي القائمة أكثر من %1 قمر؛ هذه ليست قائمة جهاز استقبال</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>تحوي القائمة أكثر من %1 مرسل مستجيب؛ هذه ليست قائمة جهاز استقبال</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>القمر &quot;%1&quot; يحوي أكثر من %2 مرسل مستجيب؛ هذه ليست قائمة جهاز استقبال</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>الاسم &quot;%1&quot; يحوي محارف خارج Latin-1: خُزّن بالشكل &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>قُصّر الاسم &quot;%1&quot; إلى 16 محرفًا: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>السطر %1: الموقع &quot;%2&quot; خارج النطاق 0..360 درجة؛ استُبعد القمر</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>السطر %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>التردد %1 MHz خارج نطاق جهاز القياس %2..%3 MHz؛ استُبعد</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: معدل الرموز %2 kS/s خارج نطاق جهاز القياس %3..%4 kS/s؛ استُبعد</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: الاستقطاب الدائري %2 يُخزَّن بقيمة Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>يسار (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>يمين (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
لا يُستورد أي شيء: خذ أقمارًا أقل، أو احذف بعضها أولًا.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: مستبعد</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>أُضيف القمر، </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>من &quot;%1&quot;، </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1، %2 مضاف، %3 محذوف، %4 معدّل</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>استبدال</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>دمج</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  أُضيف: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  حُذف: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  تغيّر: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>لا تُعتمد القيم الافتراضية للسمات (&lt;!ATTLIST&gt;)؛ قائمة جهاز الاستقبال لا تحوي أيًّا منها</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>السطر %1: عناصر متداخلة بعمق يتجاوز %2 مستويات؛ لقائمة جهاز الاستقبال ثلاثة مستويات</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>السطر %1: قيمة سمة أطول من %2 بايت؛ قائمة جهاز الاستقبال تحوي أسماءً</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>السطر %1: عنصر بأكثر من %2 سمة؛ قائمة جهاز الاستقبال فيها نحو اثنتي عشرة سمة</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>السطر %1: أكثر من %2 تصريح لفضاء الأسماء؛ قائمة جهاز الاستقبال لا تحوي أيًّا منها</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>&lt;transponder&gt; خارج أي &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>لا توجد قائمة &lt;satellites&gt; في هذا الملف</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>السطر %1، العمود %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; يحتاج إلى عدد صحيح في %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; ليست أيًّا من 0 (H) و1 (V) و2 (L) و3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) يُكتب بالشكل &quot;%3&quot;: لا يمكن أن يحوي satellites.xml محارف تحكم</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>إزالة المكررات</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n خلية، المطلوب 5</numerusform>
            <numerusform>%n خلية، المطلوب 5</numerusform>
            <numerusform>%n خليتان، المطلوب 5</numerusform>
            <numerusform>%n خلايا، المطلوب 5</numerusform>
            <numerusform>%n خلية، المطلوب 5</numerusform>
            <numerusform>%n خلية، المطلوب 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n قمر صناعي، والحر من أماكنه %1 من أصل %2.</numerusform>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n قمر صناعي، والحر من أماكنه %1 من أصل %2.</numerusform>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n قمران صناعيان، والحر من أماكنه %1 من أصل %2.</numerusform>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n أقمار صناعية، والحر من أماكنه %1 من أصل %2.</numerusform>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n قمرًا صناعيًا، والحر من أماكنه %1 من أصل %2.</numerusform>
            <numerusform>جدول الأقمار ممتلئ: يضيف الاستيراد %n قمر صناعي، والحر من أماكنه %1 من أصل %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجل، والحر منها %1 من أصل %2.</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجل، والحر منها %1 من أصل %2.</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجلان، والحر منها %1 من أصل %2.</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجلات، والحر منها %1 من أصل %2.</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجلًا، والحر منها %1 من أصل %2.</numerusform>
            <numerusform>جدول المرسلات المستجيبة ممتلئ: يحتاج الاستيراد إلى %n سجل، والحر منها %1 من أصل %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 يكرّر السطر %3 (ضمن %4 MHz)؛ خُزّن أيضًا</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>قوائم أجهزة الاستقبال (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>جارٍ قراءة %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>في قائمة المرسلات المستجيبة تغييرات لم تُطبَّق؛ والاستيراد يغيّر هذا القمر ويُهملها.

هل تريد الاستيراد رغم ذلك؟</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>لم يُستورد أي شيء: رفضت قاعدة البيانات التغيير.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>يرجى إعطاء اسم الملف الامتداد .xml (satellites.xml) أو .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>صُدّر إلى %1، مع تغيير هذه الأسماء:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقتان</numerusform>
            <numerusform>%n دقائق</numerusform>
            <numerusform>%n دقيقة</numerusform>
            <numerusform>%n دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعتان</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعتان</numerusform>
            <numerusform>%n ساعات</numerusform>
            <numerusform>%n ساعة</numerusform>
            <numerusform>%n ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يوم</numerusform>
            <numerusform>%n يومان</numerusform>
            <numerusform>%n أيام</numerusform>
            <numerusform>%n يومًا</numerusform>
            <numerusform>%n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>يرسل الخادم أكثر من %1 بايت؛ لا توجد قائمة جهاز استقبال بهذا الحجم</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>يعلن الخادم %1 بايت؛ لا توجد قائمة جهاز استقبال بهذا الحجم</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>لم يرسل الخادم شيئًا لمدة %1 ثانية</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>أجاب الخادم %1 لكنه لم يذكر عنوانًا جديدًا</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>أكثر من %1 إعادة توجيه؛ الأخيرة إلى %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>النسخة المخزّنة مؤقتًا %1 لا تُقرأ: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>لا توجد نسخة مخزّنة مؤقتًا</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>تتعذّر قراءة النسخة المخزّنة مؤقتًا %1: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>رابط رمزي؛ لا تُحفظ ذاكرة التخزين المؤقت عبره</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>لم يُسجَّل الفحص في ذاكرة التخزين المؤقت: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>أجاب الخادم %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>لم تُحفظ القائمة في ذاكرة التخزين المؤقت: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>ما أرسله الخادم ليس قائمة جهاز استقبال: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>يحوي العنوان محارف تحكّم</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>عنوان غير صالح: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>عنوان غير صالح</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>لا تُنزَّل إلا عناوين http:// وhttps://، لا %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>اسم مجرّد</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>لا يذكر العنوان أي خادم</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>لا يُرسل اسم المستخدم أو كلمة المرور الواردان في العنوان</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>أُعيد التوجيه إلى %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>أُعيد التوجيه من https إلى %1، وهو غير مشفّر؛ لم يُتّبع</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>برنامج آخر يكتب هذا الملف؛ حاول مرة أخرى لاحقًا</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>رابط رمزي</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 بايت، أكثر من %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>قاعدة البيانات غير مطابقة!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>خطأ في فتح الملف: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>خطأ في فتح الملف</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;تطبيق وحفظ</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>ت&amp;جاهل</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>ال&amp;بقاء</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>ال&amp;حفظ فوقه</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>إ&amp;عادة التحميل</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>في قائمة المرسلات المستجيبة تغييرات لم تُطبَّق؛ والخطة تعرض قاعدة البيانات من جديد وتُهملها.

هل تريد الاستيراد رغم ذلك؟</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>لم يتغير أي شيء: رفضت قاعدة البيانات الخطة.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>لا يوجد موقع محفوظ بعد: اكتبه أولًا في ملف &gt; خطة لموقع...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>يرجى إعطاء اسم الملف الامتداد .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>احتفاظ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>في القاعدة</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>مرئي</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>المحفوظة</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>الحصة</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>كم من المرسلات المستجيبة الـ %1 في القائمة يحتفظ بها جهاز القياس لهذا القمر؛ فارغ: كما توزعها الخطة.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>no</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>تلقائي</translation>
    </message>
</context>
<context>
    <name>PointingSheet</name>
    <message>
        <source>Pointing sheet: %1</source>
        <translation>ورقة التوجيه: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>الموقع %1 (%2). أدنى ارتفاع %3 درجة.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>السمت: حقيقي، بالدرجات باتجاه عقارب الساعة من الشمال الجغرافي؛ صحّح البوصلة المغناطيسية بمقدار الانحراف المحلي. الارتفاع: درجات فوق الأفق. الميل: الميل الموجب يدير LNB عكس اتجاه عقارب الساعة كما يُرى من خلف الطبق نحو القمر.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>السمت</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>الميل</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>تحت الأفق</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>دون أدنى ارتفاع</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>لا تحوي قاعدة البيانات أي قمر.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>هذه قاعدة البيانات نفسها؛ لا تُستبدل.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>هذا ليس ملفًا عاديًا؛ لا يُستبدل.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>تعذّر تنسيق الورقة.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager قيد التشغيل. إنه يفتح الأجهزة التسلسلية التي تظهر (غالبًا ttyACM) ويرسل إليها أوامر مودم لبعض الوقت، مما يشوّش تبادل البيانات مع جهاز القياس. انتظر نصف دقيقة بعد توصيل المحوّل ثم أعد المحاولة. حل دائم: قاعدة udev في حزمة Orbivane تطلب من ModemManager ترك محوّلات جهاز القياس وشأنها؛ ودونها، أوقف الخدمة إن كنت لا تستخدم مودم اتصالات متنقلة:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (خدمة شاشات برايل) قيد التشغيل. إنه يستولي على بعض محوّلات USB التسلسلية (CH340، CP210x) على أنها شاشات برايل، فلا يظهر لها أي جهاز تسلسلي. إن كنت لا تستخدم شاشة برايل، فأزله ثم أعد توصيل المحوّل:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>محوّل %1 دون جهاز تسلسلي: استولى عليه BRLTTY</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>محوّل USB التسلسلي %1 موصول، لكن لم ينتج عنه أي جهاز تسلسلي.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>محوّل %1 دون مشغّل تسلسلي</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>محوّل USB التسلسلي %1 موصول، لكن لم ينتج عنه أي جهاز تسلسلي: مشغّله مفقود أو غير محمَّل. حمّله ثم أعد توصيل المحوّل:
    sudo modprobe %2
إن لم يُعثر على الوحدة، فثبّت الوحدات الإضافية للنواة (الحزمة linux-image-...) الخاصة بنواتك.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>لا يوجد أي جهاز تسلسلي، لذا لا شيء يقابل هذا المنفذ.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>لا يوجد جهاز %1.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>لا يوجد جهاز تسلسلي</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>لا يوجد جهاز كهذا</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> وصّل محوّل USB التسلسلي الخاص بجهاز القياس، ثم اختر المنفذ مرة أخرى. يسرد &apos;orbivane-cli ports&apos; الأجهزة التسلسلية الموجودة ومنفذ COM الذي يقابل كلًا منها.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>لا يحق لحسابك فتح %1 (المالك %2، المجموعة %3، الوضع %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>قاعدة udev في حزمة Orbivane مثبّتة لكنها لم تمنحك هذا الجهاز: فهي تغطي المحوّلات المعتادة، للمستخدم المسجَّل دخوله أمام الشاشة. ولمحوّل آخر يستطيع المسؤول إضافة سطر له إلى /etc/udev/rules.d/70-orbivane-local.rules (يشرح ملف القواعد الطريقة)؛ ثم أعد توصيل المحوّل.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>أو ثبّت حزمة Orbivane: تسمح قاعدة udev الخاصة بها للمستخدم الذي أمام الشاشة بفتح محوّل USB الخاص بجهاز القياس دون أي مجموعة.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>رُفض الإذن</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> أضف حسابك إلى مجموعة الجهاز:
    sudo usermod -aG %1 $USER
ثم سجّل الخروج وادخل مجددًا: لا تُحتسب المجموعة الجديدة إلا من تسجيل الدخول التالي. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> لا توجد مجموعة تمنح الوصول إليه، لذا لا يفيد الانضمام إلى مجموعة: وحدها قاعدة udev تسلّم الجهاز إليك أو إلى مجموعة، أو مسؤول النظام، يمكنها المساعدة. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>تأتي حزمة Orbivane بقاعدة كهذه للمحوّلات المعتادة: اطلب من المسؤول تثبيتها، ثم أعد توصيل المحوّل.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>يستخدمه ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>يستخدمه BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>يستخدمه برنامج آخر</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>يُبقي برنامج آخر %1 مفتوحًا؛ والنظام لا يذكر أيّ برنامج هو (ربما يعمل تحت حساب آخر). المعتاد أن يكون برنامج طرفية (minicom، screen، picocom)، أو نسخة أخرى من Orbivane، أو ModemManager. أغلقه، ثم اختر المنفذ مرة أخرى.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 %3 مفتوحًا.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>تُبقي</translation>
    </message>
    <message>
        <source>has</source>
        <translation>يُبقي</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> أغلق %1 (أو أنهِ %2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> و </translation>
    </message>
    <message>
        <source>them</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>it</source>
        <translation>العملية</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> أغلق نافذة Orbivane الأخرى (أو انتظر انتهاء نقلها أولًا).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> دع orbivane-cli يُنهي عمله، أو أوقفه بالضغط على Ctrl+C في طرفيته.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>يستخدمه %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> ثم اختر المنفذ مرة أخرى.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>المنفذ يُفتح، لكن لا يجيب أي جهاز قياس</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>يُفتح %1، لكن لم يُجب أي جهاز قياس. تحقّق من أن جهاز القياس قيد التشغيل، وأن الكابل مثبّت جيدًا من طرفيه، وأن هذا هو منفذ جهاز القياس: يسرد &apos;orbivane-cli ports&apos; الأجهزة التسلسلية الموجودة، ويجرّب &apos;orbivane-cli probe --port DEVICE&apos; أحدها.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 %2 المنفذ مفتوحًا أيضًا</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>لا إجابة؛ </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>ليس جهازًا تسلسليًا</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 ليس جهازًا تسلسليًا. اختر منفذ محوّل جهاز القياس؛ يسرد &apos;orbivane-cli ports&apos; الأجهزة التسلسلية الموجودة.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>رفض النظام فتح %1: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager قيد التشغيل (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY قيد التشغيل</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>اختر منفذ COM</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;تحميل البرنامج</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;قراءة المعاملات</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>&amp;كتابة المعاملات</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>تح&amp;رير المعاملات</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>نجح الاتصال بالمنفذ com%1</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>فشل الاتصال بالمنفذ com%1</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>لا يوجد جهاز للمنفذ COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (غير موجود)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>لم يُحدَّد أي منفذ COM</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;التفاصيل...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

هل تريد تطبيق التغييرات وحفظها الآن؟</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>هل تريد تجاهل التغييرات؟</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

هل تريد الحفظ فوقه؟</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>هل تريد إعادة تحميله مع إهمال التغييرات التي أُجريت هنا؟</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>ملفات البيانات (*.bin);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Region</name>
    <message>
        <source>Plan for a site</source>
        <translation>خطة لموقع</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
            <numerusform>المرسلات المستجيبة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
            <numerusform>القنوات: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): حُذف القمر مع مرسلاته المستجيبة وقنواته (%3، %4)</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
            <numerusform>القنوات التي تذهب مع المرسلات المستجيبة التي تفقدها الأقمار المحتفظ بها: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة الواقعة خارج نطاقات جهاز القياس: %n؛ استُبعدت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
            <numerusform>المرسلات المستجيبة في القائمة التي تكرّر أخرى لقمرها: %n؛ أُخذت مرة واحدة</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>يحمل جهاز القياس %1 من %2 قمرًا و%3 من %4 مرسل مستجيب</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>؛ لا تتسع كل مرسلات القائمة المستجيبة، لذا يحتفظ كل قمر بحصة</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>اكتبه بالشكل 52.52,13.40 أو 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>خط العرض %1 يتجاوز 90 درجة شمالًا أو جنوبًا</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>خط الطول %1 يتجاوز 180 درجة شرقًا أو غربًا</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
            <numerusform>طول الموقع بالمحارف: %n؛ والموقع يأخذ %1 محرفًا على الأكثر</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>يحوي الموقع محرف تحكّم؛ %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>لم يُعطَ أي موقع؛ %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; يعطي خطَّي عرض؛ %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; يعطي خطَّي طول؛ %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; يعطي إشارة وحرف نصف كرة على الرقم نفسه؛ %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; ليس خط عرض وخط طول؛ %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>يرجى إدخال اسم القمر الصناعي.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>يرجى إدخال رقم.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>يرجى إدخال رقم بين 0 و360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>يرجى إدخال 16 محرفًا على الأكثر.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>لا يمكن أن يحوي اسم القمر إلا محارف Latin-1 (الحروف والأرقام والعلامات الشائعة في لغات أوروبا الغربية).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>قائمة الأقمار الصناعية</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;إضافة قمر</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;حذف قمر</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;تطبيق</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>التصفية حسب الاسم أو الموقع</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>تصفية الأقمار</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>الأقمار الصناعية</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>يحمّل البرمجيات وقواعد بيانات المعاملات إلى جهاز قياس لتحديد الأقمار الصناعية على منفذ تسلسلي، ويحرر ملفات قواعد البيانات.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>ملف قاعدة بيانات معاملات يُفتح للتحرير.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>جرّب &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>الاستخدام: orbivane [options] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>لا يمكن فتح إلا ملف واحد: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>اسم الملف فارغ</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>تعذّرت قراءة الملف المحدد!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>إنه مجلد</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>إطار غير معروف %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>ملف قاعدة البيانات هذا تالف:

- %1

هل تريد كتابته رغم ذلك؟</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>هذا البرنامج لا يطابق جهاز القياس لديك!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>إصدار هذا البرنامج ليس أعلى من الإصدار المستخدم حاليًا، 
هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>يرجى اختيار ملف تحديث صحيح
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>خطأ في جهاز الاتصال التسلسلي</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>تعذّرت كتابة الملف المحدد!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 من %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>، %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>، متبقٍّ %1:%2</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>تعذّر إنشاء %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>يرجى إبقاء جهاز القياس قيد التشغيل والانتظار نحو دقيقتين، وسيُعاد تشغيل جهاز القياس تلقائيًا!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>اكتمل نقل البيانات!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>حدث خطأ أثناء النقل. الرمز:%1
يرجى إعادة تشغيل الجهاز (STB).</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>تقدّم النقل %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>يرجى اختيار ملف معاملات قاعدة بيانات صحيح
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 يحوي %2 بايت، أكثر مما تحتفظ النسخ الاحتياطية بنسخة منه (%3 MB). ستستبدله القراءة دون الاحتفاظ بأي نسخة.

هل تريد استبداله رغم ذلك؟</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>يرجى اختيار منفذ COM الصحيح الذي وُصل به جهاز القياس.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>символическая ссылка</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 МБ, намного больше базы данных</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>не база данных (%1 байт)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, не проходит проверку структуры</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>не версия (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>прибор %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 больше %2 МБ, намного больше базы данных; его содержимое не сохранено</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: не удаётся создать папку</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n спутник, транспондеров: %1</numerusform>
            <numerusform>%n спутника, транспондеров: %1</numerusform>
            <numerusform>%n спутников, транспондеров: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Не удалось сохранить резервную копию:
%1

Запрошенное действие всё равно будет выполнено. Это сообщение показывается один раз за сеанс.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>О программе Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane версия 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tarnwell. Ver:1.2</source>
        <translation>Copyright (C) 2026 Tarnwell. Ver:1.2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Сравнение с %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>От открытой базы данных (в последнем применённом виде) к %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Правка спутника</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Измените спутник</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Имя спутника</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>градусы (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Импорт из %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Фильтр по имени или позиции</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> МГц</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Транспондеры одной поляризации, частоты которых отличаются не более чем на эту величину, считаются одним транспондером.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Спутники файла:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Один транспондер в пределах:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Взять</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Трансп.</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>ТП будут</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Куда</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Отметьте спутники, которые нужно взять: здесь видно, что сделает импорт, прежде чем что-либо изменится.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Импортировать</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Предпросмотр:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>заменены</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>объединены</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>новый спутник</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Здесь находится более одного спутника базы данных: проверьте, к какому из них относится спутник из файла.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>Взят %n спутник (новых: %1, пропущено: %2); транспондеры: добавлено %3, удалено %4, изменено %5. Импорт изменяет базу данных в памяти одним шагом (Правка &gt; Отменить отменяет его); Применить записывает его в файл.</numerusform>
            <numerusform>Взято %n спутника (новых: %1, пропущено: %2); транспондеры: добавлено %3, удалено %4, изменено %5. Импорт изменяет базу данных в памяти одним шагом (Правка &gt; Отменить отменяет его); Применить записывает его в файл.</numerusform>
            <numerusform>Взято %n спутников (новых: %1, пропущено: %2); транспондеры: добавлено %3, удалено %4, изменено %5. Импорт изменяет базу данных в памяти одним шагом (Правка &gt; Отменить отменяет его); Применить записывает его в файл.</numerusform>
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
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Восстановить из резервной копии...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Импорт...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Сравнить с файлом...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>По&amp;вторить</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Удалить &amp;дубликаты транспондеров</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Показать &amp;журналы передачи</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>папку журналов передачи</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>О про&amp;грамме Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Отменить: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>По&amp;вторить: %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>Не удаётся найти %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>руководство</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Ни одна программа в этой системе не смогла открыть %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Изм&amp;енить параметры...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>План для &amp;места...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Экспорт &amp;листа наведения...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
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
        <translation>Не удалось получить список с сервера (%1); это копия, загруженная %2 назад.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>План для места</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 или 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation>°</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml или список CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Обзор...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Читать</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Список ещё не прочитан: в таблице спутники базы данных.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Место:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>Минимальный &amp;угол места:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>&amp;Источник:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>Спу&amp;тники (отметьте те, что сохраняет прибор; введите долю, чтобы сохранить меньше или больше транспондеров спутника):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Спутники: %v из %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Транспондеры: %v из %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>П&amp;редпросмотр:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>Им&amp;порт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Списки ресиверов (*.xml *.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Введите место, где стоят антенны.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, север и восток положительны.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: спутников: %2, транспондеров: %3.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Чтение остановлено; план остался прежним.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>Список не прочитан; план остался прежним.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Восстановление из резервной копии</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Резервных копий пока нет. Прежнее содержимое файла сохраняется при каждой записи, а также каждая база данных, считанная с прибора.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Выберите версию для открытия. Она заменяет редактируемую базу данных (Отменить возвращает прежнюю) и попадает в её файл при применении; если база не открыта, вы указываете файл, в котором её сохранить.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>считана с прибора</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>перезаписан</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Сравнить</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>передача данных</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>ошибка подключения к com%1</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>Удалить TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>ДОБАВИТЬ TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>Симв.ск.</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Поляр.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Добавить TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировать</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Изменить TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Выводит сохранённые версии, сначала самые новые: дата, источник (saved over = перезаписан, read from meter = считана с прибора), файл или прибор, содержимое и архивная копия. С FILE — только версии этого файла. Скопируйте версию обратно командой cp или откройте её в окне через Файл &gt; Восстановить из резервной копии.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Проверяет структуру файла базы данных: каждая цепочка цела и связана в обе стороны, каждое количество верно, каждая запись занята или свободна. Одна строка на каждое нарушение.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: команда не указана
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: неизвестная команда &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Использование: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
См. &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 принимает целое число от %2 до %3, а не &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>отсутствует аргумент</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>лишний аргумент: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: Не удаётся прочитать указанный файл!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: это сама база данных %2; не заменён</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: существует и не является обычным файлом; не заменён</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: существует; не заменён (--force заменяет его, сохраняя содержимое в архиве резервных копий)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: не заменён, так как не удалось сохранить его содержимое: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Чем база данных B отличается от базы данных A: спутники добавлены, удалены, переименованы, перемещены (орбитальная позиция); для каждого спутника транспондеры добавлены, удалены и изменены. Спутники сопоставляются по имени, затем по позиции.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Вывод в формате JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Записывает каждый спутник и транспондер базы данных DB в OUT, как satellites.xml (--xml, OUT оканчивается на .xml) или как CSV для электронных таблиц (--csv, OUT оканчивается на .csv). &apos;orbivane-cli import&apos; читает любой из них обратно без изменений. Существующий OUT заменяется только с --force, причём его содержимое сначала сохраняется в архиве резервных копий; сама DB никогда не заменяется.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, как его используют ресиверы.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), одна строка на транспондер.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>Заменить OUT, если он существует (его содержимое сохраняется в архиве).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>укажите один из параметров --xml и --csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2 записывает файл с окончанием %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Переносит спутники из SOURCE (satellites.xml или CSV) в базу данных DB и выводит, что меняется, спутник за спутником, и что прибор не может хранить в данном виде. Спутник попадает к спутнику DB на той же позиции, иначе он добавляется. Ничего не импортируется, если таблицы не могут вместить всё. DB сохраняется, если не указан --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Только спутник(и) из SOURCE на POS градусах (19.2, 19.2E, 5W, -5; 177W — это 183) или в пределах одной десятой, если ни одного нет точно на POS; повторите для нескольких. По умолчанию: все.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Транспондеры спутника становятся такими, как в SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Добавляются только транспондеры, которых нет в DB (по умолчанию).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Частоты, отличающиеся не более чем на MHZ (при той же поляризации), — один транспондер: от 0 до 100. По умолчанию: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Вывести предпросмотр; ничего не менять.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Сохранить, даже если другая программа изменила DB во время импорта.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>укажите --replace или --merge, но не оба</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
Ничего не импортировано.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite ожидает градусы (19.2, 5W, -5, 183), а не &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>в %1 нет спутника на позиции %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: рядом находится несколько спутников из %2: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>берётся &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>он добавляется</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>ничего не импортировано: база данных отклонила изменение</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: предупреждение: резервная копия не сохранена: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Ничего не сохранено (--force сохраняет поверх).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Спутники файла базы данных в порядке списка, с позицией и числом транспондеров; итоги; оставшиеся свободные записи.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>свободно: мест для спутников %1, записей транспондеров %2, записей каналов %3</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Да (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> Нет (отказ; --force отвечает Да)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>прибор поздоровался второй раз (FT_IDENT) посреди передачи</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>прибор прислал не свою базу данных: неожиданный кадр, больше байтов, чем вмещает образ, или FT_END до получения всего образа</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>прибор прислал неожиданный кадр или FT_END, не получив весь файл</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>прибор не ответил в течение 400 мс</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>неизвестный код</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>нет устройства для %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>ошибка подключения к %1 (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: ошибка: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>не удаётся подключиться к %1: прибор не отвечает</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Не удаётся записать журнал %1: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: прервано</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, считано в %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, отправлено %1</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>прибор перестал отвечать на %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>отказ: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>код ошибки прибора %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>сбой линии: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>передача не завершена</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: COM-порты нумеруются от 1 до 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>пустое имя порта (укажите COMn, путь к устройству или имя из /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Выводит COM1–COM10 с устройством, которое назначено каждому (ORBIVANE_COM&lt;n&gt;, настройка окна Devices/COM&lt;n&gt; или n-е имеющееся устройство), затем все имеющиеся последовательные устройства.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Последовательных устройств нет.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Имеющиеся последовательные устройства:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>не открывается: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>открывается</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Проверка связи, как в окне; выводит идентификатор каждого прибора.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Считывает базу данных прибора в файл TARGET. При нескольких --port все приборы считываются одновременно в папку TARGET как &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (одноимённые порты из разных папок — как a-meter, b-meter). Образ, не прошедший проверку структуры, сохраняется в том виде, в каком его прислал прибор, с предупреждением.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Записывает базу данных FILE в прибор(ы). Файл неверного размера отклоняется до какой-либо отправки; файл, не проходящий проверку структуры, — тоже, если не указан --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Загружает программное обеспечение из FILE в прибор(ы). Там, где окно задало бы вопрос (другая модель, версия не выше), загрузка отклоняется, если --force не отвечает Да.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: Не удаётся прочитать указанный файл!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Выберите правильный файл обновления</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Выберите правильный файл параметров базы данных (%2 байт, а не %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: не проходит проверку структуры; всё равно отправлен (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: не проходит проверку структуры; не отправлен (--force всё равно отправляет его)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: Не удаётся создать папку</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 и %2 дали бы своим файлам одно имя %3; укажите один из них другим путём</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>Порт прибора: COMn, путь к устройству или имя из /dev/serial/by-id; повторите для нескольких приборов сразу. По умолчанию: порт, сохранённый окном.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Не показывать ход выполнения в стандартном потоке ошибок.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Отвечать Да там, где окно спрашивает (другая модель, версия не выше).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Заменить TARGET, слишком большой, чтобы резервные копии сохранили его копию.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Отправить файл, не прошедший проверку структуры.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Записать журнал линии (время, тип, длина и первые байты каждого кадра и чем всё закончилось) в FILE; при нескольких --port — по одному на прибор как FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Прекратить, если прибор молчит так долго посреди передачи: от 1 до 3600 (по умолчанию 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 указан дважды</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 байт — больше, чем резервные копии сохраняют (%3 МБ); не заменён (--force заменяет его)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>прервано: остановка</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>всего: %n спутник, транспондеров: %1, каналов: %2</numerusform>
            <numerusform>всего: %n спутника, транспондеров: %1, каналов: %2</numerusform>
            <numerusform>всего: %n спутников, транспондеров: %1, каналов: %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: предупреждение: %1: образ, считанный с %2, не проходит проверку структуры (%n проблема); сохранён в том виде, в каком его прислал прибор (&apos;orbivane-cli check %1&apos; выводит её)</numerusform>
            <numerusform>orbivane-cli: предупреждение: %1: образ, считанный с %2, не проходит проверку структуры (%n проблемы); сохранён в том виде, в каком его прислал прибор (&apos;orbivane-cli check %1&apos; выводит их)</numerusform>
            <numerusform>orbivane-cli: предупреждение: %1: образ, считанный с %2, не проходит проверку структуры (%n проблем); сохранён в том виде, в каком его прислал прибор (&apos;orbivane-cli check %1&apos; выводит их)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>загружен</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>не изменился на сервере со времени копии в кэше</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>копия в кэше от %1 (возраст: %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: прервано; копия в кэше осталась прежней</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: предупреждение: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Загружает список ресивера (satellites.xml или CSV) по URL, адресу http:// или https://, в папку кэша %1, а с OUT — ещё и в файл OUT. У сервера запрашивается только копия новее той, что в кэше. Если сервер недоступен, отказывает или присылает что-то, что не является списком, используется копия из кэша и сообщается её возраст. Прерванная загрузка или такая, что не читается как список, не заменяет ни копию в кэше, ни OUT. Существующий OUT заменяется только с --force, а его содержимое сначала сохраняется в архиве резервных копий. Список окна: %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Сдаться, если сервер молчит столько времени: от 1 до 3600 (по умолчанию 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n спутник, транспондеров: %2; %3</numerusform>
            <numerusform>%1: %n спутника, транспондеров: %2; %3</numerusform>
            <numerusform>%1: %n спутников, транспондеров: %2; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Планирует, какие спутники база данных DB сохраняет для места и какие транспондеры сохраняет каждый, по списку ресивера LIST (satellites.xml или CSV), в пределах 64 спутников и 2500 транспондеров прибора; выводит план и изменения. Спутники DB ниже минимального угла места удаляются вместе с их каналами; видимые остаются, а видимые спутники LIST добавляются, начиная с самых высоких, пока есть место. Спутник из LIST получает транспондеры LIST или, если все не помещаются, долю, распределённую по его диапазонам и поляризациям. DB сохраняется (её содержимое сначала сохраняется как резервная копия), если не указан --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>Список ресивера: satellites.xml или CSV, файл или адрес http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Вывести план; ничего не менять.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Сохранить, даже если другая программа изменила DB во время планирования.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>укажите список: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Ничего не изменено.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>ничего не изменено: база данных отклонила план</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: ни один список не прочитан</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Где стоят антенны: 52.52,13.40 или 52.52N 13.40E (север и восток положительны). По умолчанию: место, которое хранит окно.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>Наименьший угол места спутника, который стоит сохранять, от 0 до 90 градусов. По умолчанию: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>укажите место: --site LAT,LON (в настройках оно не сохранено)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation принимает градусы от 0 до 90, а не &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Место %1, минимальный угол места %2°</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>Угол места, истинный азимут и поворот LNB, видимые с места, для каждого спутника из SOURCE (файлы базы данных, списки satellites.xml или CSV, файлы или адреса http(s)://), по строке на каждый: сначала те, что на минимальном угле места или выше, затем остальные, каждая часть по азимуту. Спутник из нескольких SOURCE (та же позиция и имя) показывается один раз. Положительный поворот вращает LNB против часовой стрелки, если смотреть из-за антенны.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: строка %2: &quot;%3&quot; не находится ни в одной точке дуги (%4); пропущен</translation>
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
        <translation>Использование: orbivane-cli КОМАНДА [ПАРАМЕТРЫ] [АРГУМЕНТЫ]
Вся работа Orbivane с прибором из терминала.

Команды:
  ports                        COM-порты и имеющиеся последовательные устройства
  probe [--port P]...          проверка связи; выводит идентификатор прибора
  read  [--port P]... TARGET   база данных прибора в файл (в папку для нескольких)
  write [--port P]... FILE     файл базы данных в прибор(ы)
  load  [--port P]... FILE     программное обеспечение в прибор(ы)
  info  FILE                   спутники, итоги и свободные записи файла базы данных
  check FILE                   проверка структуры файла базы данных
  import DB SOURCE             список satellites.xml или CSV в файл базы данных
  export DB OUT (--xml|--csv)  файл базы данных как satellites.xml или CSV
  fetch URL [OUT]              опубликованный список ресивера в кэш (и в OUT)
  diff  A B                    чем различаются два файла базы данных
  sky   SOURCE...              углы наведения с --site LAT,LON на спутники файлов или списков
  fit   DB --from LIST         спутники и транспондеры, которые DB сохраняет для --site LAT,LON
  sheet DB OUT                 лист наведения DB для --site LAT,LON в виде PDF
  backups [FILE]               сохранённые версии записанных файлов и чтений с прибора
  --version                    версия orbivane-cli

P — это COMn, путь к устройству или имя из /dev/serial/by-id; без --port — порт, сохранённый
окном. &apos;orbivane-cli КОМАНДА --help&apos; расскажет больше.

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
        <translation>Коды завершения:
  0    выполнено
  1    check нашёл проблемы; diff нашёл различия
  2    ошибка использования
  3    ошибка файла (не удаётся прочитать или записать, файл не того вида, или его замена
       потеряла бы его содержимое); fetch: нет списка ни с сервера, ни в кэше
  4    не удаётся открыть порт
  5    прибор не отвечает
  6    передача не удалась (в сообщении указан код прибора и его значение)
  7    отказ: load задаёт вопрос (другая модель, версия не выше), export, fetch или
       sheet заменил бы файл (--force отвечает Да); import или fit не помещается в таблицы прибора
  130  прервано (SIGINT, SIGTERM)
При нескольких портах — код первого порта, на котором произошёл сбой.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Записывает лист наведения базы данных DB в OUT, файл PDF: каждый спутник DB с азимутом, углом места и поворотом LNB, видимыми с места установки, по порядку азимута, с пометкой тех, что ниже минимального угла места. Существующий OUT заменяется только с --force, а его содержимое сначала сохраняется в архиве резервных копий; сама DB никогда не заменяется.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... и ещё %1</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: ссылка %2 после записи %3 вне диапазона</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: зацикливается на запись %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: запись %2 ссылается назад на %3 вместо %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: заканчивается на %2, но её последняя запись — %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: содержит записей: %2, но её счётчик равен %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>цепочка спутников</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>цепочка спутников: место %1 не занято</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>цепочка свободных спутников</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>цепочка свободных спутников: место %1 занято</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>спутник %1 занят, но отсутствует в цепочке спутников</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>место спутника %1 свободно, но отсутствует в цепочке свободных</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>транспондеры спутника %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>транспондер %1 спутника %2 не занят</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>транспондер %1 находится в цепочках спутников %2 и %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>число транспондеров равно %1, но спутники содержат %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>цепочка свободных транспондеров</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>цепочка свободных транспондеров: запись %1 занята</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>цепочка каналов вида 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>цепочка каналов другого вида</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: канал %2 не занят</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: канал %2 имеет вид %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>каналы %1 спутника %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>вида 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>другого вида</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: канал %2 не относится к этой цепочке</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>цепочка каналов группы %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: канал %2 не является её членом</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>цепочка свободных каналов</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>цепочка свободных каналов: канал %1 занят</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>канал %1 свободен, но отсутствует в цепочке свободных</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>канал %1 отсутствует в цепочке своего вида</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>канал %1 отсутствует во всех цепочках своего спутника %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>канал %1 отсутствует в цепочке группы %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>канал %1 находится на транспондере %2, который не является транспондером его спутника %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n запись транспондера не входит ни в одну цепочку</numerusform>
            <numerusform>%n записи транспондеров не входят ни в одну цепочку</numerusform>
            <numerusform>%n записей транспондеров не входят ни в одну цепочку</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>спутник переименован: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>спутник перемещён: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: транспондер </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>добавлен: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>удалён: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>изменён: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>спутник добавлен: %1, %n транспондер</numerusform>
            <numerusform>спутник добавлен: %1, %n транспондера</numerusform>
            <numerusform>спутник добавлен: %1, %n транспондеров</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>спутник удалён: %1, %n транспондер</numerusform>
            <numerusform>спутник удалён: %1, %n транспондера</numerusform>
            <numerusform>спутник удалён: %1, %n транспондеров</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Файл был изменён другой программой после его чтения.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Добавить SAT</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Изменить SAT</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Удалить SAT</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>База данных не подходит!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Ничего не сохранено: база данных и её файл остались прежними.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>Цепочка транспондеров этого спутника в базе данных повреждена.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>Список транспондеров больше не соответствует базе данных; выберите спутник заново.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Не удалось сохранить транспондеры: целостность базы данных вокруг них нарушена.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>Таблица транспондеров заполнена: она вмещает %1 транспондеров для всех спутников вместе.
Не удалось сохранить %n из %2 новых строк. Удалите ненужные транспондеры и примените снова.
</numerusform>
            <numerusform>Таблица транспондеров заполнена: она вмещает %1 транспондеров для всех спутников вместе.
Не удалось сохранить %n из %2 новых строк. Удалите ненужные транспондеры и примените снова.
</numerusform>
            <numerusform>Таблица транспондеров заполнена: она вмещает %1 транспондеров для всех спутников вместе.
Не удалось сохранить %n из %2 новых строк. Удалите ненужные транспондеры и примените снова.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>список транспондеров</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;Добавить TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;Удалить TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Перезаписать: его текущее содержимое сохранится в резервных копиях. Загрузить заново: сделанные здесь изменения будут отброшены. Отмена: всё останется как есть.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>В списке транспондеров есть неприменённые изменения; восстановление резервной копии отбросит их.

Всё равно восстановить?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Восстановить резервную копию</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>В списке транспондеров есть неприменённые изменения, и файл базы данных их ещё не содержит.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>В базе данных есть изменения, ещё не сохранённые в её файл.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>строка %1: больше %2 ячеек</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>строка %1: текст после закрывающей кавычки</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>строка %1: ячейка длиннее %2 байт</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>строка %1: кавычка не закрыта</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>файл не является текстом UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>строка 1: заголовок должен называть столбцы Satellite, Position, Frequency, Symbol rate и Polarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>чтение отменено</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>нет имени спутника</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>имя спутника &quot;%1&quot; содержит символы вне Latin-1, которые прибор не может хранить</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>позиция &quot;%1&quot; не является числом градусов</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>частота &quot;%1&quot; не является числом МГц</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>символьная скорость &quot;%1&quot; не является числом kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>поляризация &quot;%1&quot; не является ни одной из H, V, L, R, Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>не удаётся прочитать файл: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>нет такого файла</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>файл больше %1 МБ; список ресивера намного меньше</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>в файле нет спутников; импортировать нечего</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>список содержит больше %1 спутников; это не список ресивера</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>список содержит больше %1 транспондеров; это не список ресивера</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>спутник &quot;%1&quot; содержит больше %2 транспондеров; это не список ресивера</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>имя &quot;%1&quot; содержит символы вне Latin-1: сохранено как &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>имя &quot;%1&quot; сокращено до 16 символов: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>строка %1: позиция &quot;%2&quot; вне диапазона 0..360 градусов; спутник пропущен</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>строка %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 МГц вне диапазона прибора %2..%3 МГц; пропущено</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 МГц: %2 kS/s вне диапазона прибора %3..%4 kS/s; пропущено</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 МГц: круговая %2 сохраняется как Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>левая (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>правая (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Ничего не импортируется: возьмите меньше спутников или сначала удалите некоторые.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: пропущен</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>спутник добавлен, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>из &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, добавлено %2, удалено %3, изменено %4</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>замена</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>слияние</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  добавлен: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  удалён: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  изменён: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>значения атрибутов по умолчанию (&lt;!ATTLIST&gt;) не принимаются; в списке ресивера их нет</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>строка %1: элементы вложены глубже %2 уровней; в списке ресивера три уровня</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>строка %1: значение атрибута длиннее %2 байт; в списке ресивера — имена</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>строка %1: элемент с более чем %2 атрибутами; в списке ресивера их около дюжины</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>строка %1: больше %2 объявлений пространств имён; в списке ресивера их нет</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>&lt;transponder&gt; вне какого-либо &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>в этом файле нет списка &lt;satellites&gt;</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>строка %1, столбец %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; требует целое число в %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; не является ни одним из 0 (H), 1 (V), 2 (L), 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) записывается как &quot;%3&quot;: satellites.xml не может содержать управляющие символы</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Удаление дубликатов</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n ячейка, нужно 5</numerusform>
            <numerusform>%n ячейки, нужно 5</numerusform>
            <numerusform>%n ячеек, нужно 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>Таблица спутников заполнена: импорт добавляет %n спутник, а свободно %1 из её %2 мест.</numerusform>
            <numerusform>Таблица спутников заполнена: импорт добавляет %n спутника, а свободно %1 из её %2 мест.</numerusform>
            <numerusform>Таблица спутников заполнена: импорт добавляет %n спутников, а свободно %1 из её %2 мест.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>Таблица транспондеров заполнена: импорту нужна %n запись, а свободно %1 из её %2.</numerusform>
            <numerusform>Таблица транспондеров заполнена: импорту нужны %n записи, а свободно %1 из её %2.</numerusform>
            <numerusform>Таблица транспондеров заполнена: импорту нужно %n записей, а свободно %1 из её %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 МГц %2 повторяет строку %3 (в пределах %4 МГц); всё равно сохранён</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Списки ресиверов (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>В списке транспондеров есть неприменённые изменения; импорт изменяет этот спутник и отбросит их.

Всё равно импортировать?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Ничего не импортировано: база данных отклонила изменение.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Дайте имени файла окончание .xml (satellites.xml) или .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Экспортировано в %1, со следующими изменёнными именами:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>сервер присылает больше %1 байт; такого большого списка ресивера не бывает</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>сервер объявляет %1 байт; такого большого списка ресивера не бывает</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>сервер ничего не присылал %1 с</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>сервер ответил %1, но не указал новый адрес</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>больше %1 перенаправлений; последнее на %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>копия в кэше %1 не читается: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>копии в кэше нет</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>копию в кэше %1 не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>является символической ссылкой; кэш через неё не ведётся</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>не является папкой</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>проверка не отмечена в кэше: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>сервер ответил %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>список не сохранён в кэше: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>то, что прислал сервер, не является списком ресивера: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>адрес содержит управляющие символы</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>недопустимый адрес: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>недопустимый адрес</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>загружаются только адреса http:// и https://, а не %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>просто имя</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>в адресе не указан сервер</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>имя пользователя или пароль в адресе не отправляются</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>перенаправлено на %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>перенаправлено с https на %1, который не шифруется; переход не выполнен</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>другая программа записывает этот файл; повторите попытку позже</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>символическая ссылка</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 байт, больше %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это каталог</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>База данных не подходит!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>ошибка открытия файла: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>ошибка открытия файла</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Применить и сохранить</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Отбросить</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>О&amp;статься</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>Пере&amp;записать</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Загрузить за&amp;ново</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>В списке транспондеров есть неприменённые изменения; план заново показывает базу данных и отбросит их.

Всё равно импортировать?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Ничего не изменено: база данных отклонила план.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Место ещё не сохранено: сначала введите его в Файл &gt; План для места...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Дайте имени файла окончание .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Взять</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Угол места</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>В базе</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Виден</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>Сохр. ТП</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Доля</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Сколько из %1 транспондеров списка прибор сохраняет для этого спутника; пусто: как распределит план.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>авто</translation>
    </message>
</context>
<context>
    <name>PointingSheet</name>
    <message>
        <source>Pointing sheet: %1</source>
        <translation>Лист наведения: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Место %1 (%2). Минимальный угол места %3°.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Азимут: истинный, в градусах по часовой стрелке от географического севера; показания магнитного компаса исправьте на местное склонение. Угол места: градусы над горизонтом. Поворот: положительный поворот вращает LNB против часовой стрелки, если смотреть из-за антенны в сторону спутника.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Азимут</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Угол места</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>ниже горизонта</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>ниже минимального угла места</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>В базе данных нет ни одного спутника.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>Это сама база данных; она не заменяется.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>Это не обычный файл; он не заменяется.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>Не удалось сверстать лист.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager запущен. Он открывает появляющиеся последовательные устройства (чаще всего ttyACM) и некоторое время посылает им команды модема, что мешает обмену с прибором. Подождите полминуты после подключения адаптера и попробуйте снова. Навсегда: правило udev из пакета Orbivane велит ModemManager не трогать адаптеры прибора; без него остановите службу, если вы не пользуетесь мобильным модемом:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (служба дисплеев Брайля) запущена. Она захватывает некоторые USB-адаптеры последовательного порта (CH340, CP210x) как дисплеи Брайля, и тогда для них не появляется последовательное устройство. Если вы не пользуетесь дисплеем Брайля, удалите её и подключите адаптер заново:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>адаптер %1 без последовательного устройства: его захватил BRLTTY</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>USB-адаптер последовательного порта %1 подключён, но последовательное устройство для него не появилось.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>адаптер %1 без драйвера последовательного порта</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>USB-адаптер последовательного порта %1 подключён, но последовательное устройство для него не появилось: его драйвер отсутствует или не загружен. Загрузите его и подключите адаптер заново:
    sudo modprobe %2
Если модуль не найден, установите дополнительные модули ядра (пакет linux-image-...) для вашего ядра.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Последовательных устройств нет, поэтому этому порту ничего не назначено.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Устройства %1 нет.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>последовательных устройств нет</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>нет такого устройства</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Подключите USB-адаптер последовательного порта прибора, затем выберите порт снова. &apos;orbivane-cli ports&apos; выводит имеющиеся последовательные устройства и какой COM-порт назначен каждому.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Вашей учётной записи нельзя открывать %1 (владелец %2, группа %3, режим %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>Правило udev из пакета Orbivane установлено, но не предоставило вам это устройство: оно охватывает обычные адаптеры, для пользователя, вошедшего в систему за экраном. Для другого адаптера администратор может добавить для него строку в /etc/udev/rules.d/70-orbivane-local.rules (в файле правил сказано как); затем подключите адаптер заново.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Или установите пакет Orbivane: его правило udev позволяет пользователю за экраном открывать USB-адаптер прибора без какой-либо группы.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Добавьте её в группу устройства:
    sudo usermod -aG %1 $USER
затем выйдите из системы и войдите снова: новая группа действует только со следующего входа. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Ни одна группа не даёт к нему доступа, поэтому вступление в группу не поможет: помочь может только правило udev, передающее устройство вам или группе, либо администратор. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Пакет Orbivane содержит такое правило для обычных адаптеров: попросите администратора установить его, затем подключите адаптер заново.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>занят ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>занят BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>занят другой программой</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Другая программа держит %1 открытым; система не сообщает, какая (возможно, она работает под другой учётной записью). Обычно это терминальная программа (minicom, screen, picocom), другой Orbivane или ModemManager. Закройте её, затем выберите порт снова.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 устройство %3 открытым.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>держат</translation>
    </message>
    <message>
        <source>has</source>
        <translation>держит</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Закройте %1 (или завершите %2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>them</source>
        <translation>их</translation>
    </message>
    <message>
        <source>it</source>
        <translation>его</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Закройте другое окно Orbivane (или сначала дождитесь окончания его передачи).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Дайте вашему orbivane-cli завершиться или остановите его клавишами Ctrl+C в его терминале.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>занят: %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Затем выберите порт снова.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>порт открывается, но ни один прибор не отвечает</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 открывается, но ни один прибор не ответил. Проверьте, что прибор включён, кабель плотно сидит с обоих концов и это порт прибора: &apos;orbivane-cli ports&apos; выводит имеющиеся последовательные устройства, &apos;orbivane-cli probe --port DEVICE&apos; проверяет одно из них.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 тоже %2 порт открытым</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>нет ответа; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>не последовательное устройство</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 не является последовательным устройством. Выберите порт адаптера прибора; &apos;orbivane-cli ports&apos; выводит имеющиеся последовательные устройства.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>Система отказала в открытии %1: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager запущен (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY запущена</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>Выберите COM-порт</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;Загрузить ПО</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;Считать параметры</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>За&amp;писать параметры</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>&amp;Редактировать параметры</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>подключено к com%1</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>не удаётся подключиться к com%1</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>нет устройства для COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (отсутствует)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>COM-порт не выбран</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Подробнее...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Применить и сохранить изменения сейчас?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Отбросить изменения?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

Перезаписать его?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Загрузить его заново, отбросив сделанные здесь изменения?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Файлы данных (*.bin);;Все файлы (*)</translation>
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
        <translation>План для места</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>транспондеров: %n</numerusform>
            <numerusform>транспондеров: %n</numerusform>
            <numerusform>транспондеров: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>транспондеров: %n</numerusform>
            <numerusform>транспондеров: %n</numerusform>
            <numerusform>транспондеров: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>каналов: %n</numerusform>
            <numerusform>каналов: %n</numerusform>
            <numerusform>каналов: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>каналов: %n</numerusform>
            <numerusform>каналов: %n</numerusform>
            <numerusform>каналов: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): спутник удалён вместе со своими транспондерами и каналами (%3, %4)</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n канал уходит вместе с транспондерами, которые теряют сохранённые спутники</numerusform>
            <numerusform>%n канала уходят вместе с транспондерами, которые теряют сохранённые спутники</numerusform>
            <numerusform>%n каналов уходят вместе с транспондерами, которые теряют сохранённые спутники</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n транспондер списка лежит вне диапазонов прибора; пропущен</numerusform>
            <numerusform>%n транспондера списка лежат вне диапазонов прибора; пропущены</numerusform>
            <numerusform>%n транспондеров списка лежат вне диапазонов прибора; пропущены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n транспондер списка повторяет другой транспондер своего спутника; взят один раз</numerusform>
            <numerusform>%n транспондера списка повторяют другие транспондеры своего спутника; взяты один раз</numerusform>
            <numerusform>%n транспондеров списка повторяют другие транспондеры своего спутника; взяты один раз</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Прибор вмещает %1 из %2 спутников и %3 из %4 транспондеров</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; не все транспондеры списка помещаются, поэтому каждый спутник сохраняет долю</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>запишите его как 52.52,13.40 или 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>широта %1 выходит за 90 градусов северной или южной широты</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>долгота %1 выходит за 180 градусов восточной или западной долготы</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>место длиной %n символ; место может содержать не больше %1</numerusform>
            <numerusform>место длиной %n символа; место может содержать не больше %1</numerusform>
            <numerusform>место длиной %n символов; место может содержать не больше %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>место содержит управляющий символ; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>место не указано; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; даёт две широты; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; даёт две долготы; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; даёт знак и букву полушария у одного числа; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; не является широтой и долготой; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Введите имя спутника.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Введите число от 0 до 360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Введите не более 16 символов.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Имя спутника может содержать только символы Latin-1 (буквы, цифры и обычные знаки западноевропейских языков).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>список спутников</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;Добавить SAT</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;Удалить SAT</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Фильтр по имени или позиции</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Фильтр спутников</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Загружает программное обеспечение и базы параметров в спутниковый измерительный прибор на последовательном порту и редактирует файлы баз данных.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показывает сведения о версии.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Файл базы параметров, открываемый для редактирования.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Попробуйте &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Использование: orbivane [параметры] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>можно открыть только один файл: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>имя файла пусто</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Не удаётся прочитать указанный файл!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это каталог</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Неизвестный кадр %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Этот файл базы данных повреждён:

- %1

Всё равно записать его?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>Это программное обеспечение не подходит к вашему прибору!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Эта версия программного обеспечения не выше используемой сейчас, 
продолжить?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Выберите правильный файл обновления
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Ошибка устройства последовательной связи</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Не удаётся записать указанный файл!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 из %2 КиБ</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 КиБ/с</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, осталось %1:%2</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>Не удаётся создать %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Не выключайте прибор, подождите около 2 минут, прибор перезапустится автоматически!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>передача данных завершена!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>При передаче произошла ошибка. Код:%1
Перезапустите STB.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>ход передачи %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Выберите правильный файл параметров базы данных
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 содержит %2 байт — больше, чем резервные копии сохраняют (%3 МБ). Чтение заменит его без сохранения копии.

Всё равно заменить?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>выберите правильный COM-порт, к которому подключён ваш прибор.</translation>
    </message>
</context>
</TS>

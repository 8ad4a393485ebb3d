<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB, znacznie więcej niż baza danych</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>nie jest bazą danych (%1 bajtów)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, nie przechodzi kontroli struktury</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>nie jest wersją (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>nieczytelny (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>miernik %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 ma ponad %2 MB, znacznie więcej niż baza danych; jego zawartość nie została zachowana</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: nie można utworzyć folderu</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n satelita, %1 transponderów</numerusform>
            <numerusform>%n satelity, %1 transponderów</numerusform>
            <numerusform>%n satelitów, %1 transponderów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Nie udało się zachować kopii zapasowej:
%1

To, o co prosisz, zostanie mimo to wykonane. Ten komunikat pojawia się raz na sesję.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>O programie Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane wersja 1.0</translation>
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
        <translation>Porównanie z %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>Od otwartej bazy danych (w stanie ostatnio zastosowanym) do %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Edycja satelity</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Edytuj satelitę</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Nazwa satelity</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>stopnie (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Import z %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtruj według nazwy lub pozycji</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Transpondery o tej samej polaryzacji, których częstotliwości różnią się najwyżej o tyle, są tym samym transponderem.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Satelity z pliku:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Ten sam transponder w granicach:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Weź</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transp.</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>TP będą</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Zaznacz satelity do pobrania: zanim cokolwiek się zmieni, tutaj widać, co zrobiłby import.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Podgląd:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>zastąpione</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>scalone</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>nowy satelita</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>W tym miejscu leży więcej niż jeden satelita bazy danych: sprawdź, do którego z nich trafia satelita z pliku.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>Pobrano %n satelitę (%1 nowych, %2 pominiętych); transpondery: %3 dodanych, %4 usuniętych, %5 zmienionych. Import zmienia bazę danych w pamięci jednym krokiem (Edycja &gt; Cofnij go wycofuje); Zastosuj zapisuje go do pliku.</numerusform>
            <numerusform>Pobrano %n satelity (%1 nowych, %2 pominiętych); transpondery: %3 dodanych, %4 usuniętych, %5 zmienionych. Import zmienia bazę danych w pamięci jednym krokiem (Edycja &gt; Cofnij go wycofuje); Zastosuj zapisuje go do pliku.</numerusform>
            <numerusform>Pobrano %n satelitów (%1 nowych, %2 pominiętych); transpondery: %3 dodanych, %4 usuniętych, %5 zmienionych. Import zmienia bazę danych w pamięci jednym krokiem (Edycja &gt; Cofnij go wycofuje); Zastosuj zapisuje go do pliku.</numerusform>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>P&amp;rzywróć kopię zapasową...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importuj...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;ksportuj...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Poró&amp;wnaj z plikiem...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Po&amp;nów</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Usuń &amp;duplikaty transponderów</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ins&amp;trukcja</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Pokaż &amp;logi transferu</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>folder logów transferu</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>&amp;O programie Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Po&amp;nów: %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>Nie można znaleźć %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>instrukcja</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Żaden program w tym systemie nie mógł otworzyć %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Edytuj p&amp;arametry...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>Plan dla miej&amp;sca...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Eksportuj ark&amp;usz ustawienia anteny...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
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
        <translation>Nie udało się pobrać listy z serwera (%1); to jest kopia pobrana %2 temu.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Plan dla miejsca</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 lub 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> stopni</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml lub lista CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Przeglądaj...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Nie wczytano jeszcze żadnej listy: tabela pokazuje satelity z bazy danych.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Miejsce:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>Minimalna &amp;elewacja:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>Ź&amp;ródło:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>Sa&amp;telity (zaznacz te, które miernik zachowuje; wpisz udział, aby zachować mniej lub więcej transponderów satelity):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Satelity: %v z %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transpondery: %v z %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Po&amp;dgląd:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Listy odbiorników (*.xml *.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Wpisz miejsce, w którym stoją anteny.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, północ i wschód dodatnie.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: satelity: %2, transpondery: %3.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Odczyt %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Odczyt zatrzymany; plan pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>Lista nie została wczytana; plan pozostaje bez zmian.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Nie ma jeszcze kopii zapasowych. Poprzednia zawartość pliku jest zachowywana przy każdym zapisie, podobnie jak każda baza danych odczytana z miernika.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Wybierz wersję do otwarcia. Zastępuje ona edytowaną bazę danych (Cofnij to wycofuje) i trafia do jej pliku, gdy zastosujesz zmiany; gdy żadna baza nie jest otwarta, wskazujesz plik, w którym ma zostać zapisana.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Źródło</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Zawartość</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>odczyt z miernika</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>nadpisany</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Porównaj</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>przesyłanie danych</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>błąd połączenia z com%1</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>Usuń TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>DODAJ TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>SR</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Dodaj TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Edytuj TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Wyświetla zachowane wersje, od najnowszej: datę, źródło (saved over = nadpisany, read from meter = odczyt z miernika), plik lub miernik, zawartość i kopię w archiwum. Z FILE tylko wersje tego pliku. Wersję można skopiować z powrotem poleceniem cp albo otworzyć w oknie przez Plik &gt; Przywróć kopię zapasową.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Sprawdza strukturę pliku bazy danych: każdy łańcuch kompletny i połączony w obie strony, każda liczba poprawna, każdy rekord zajęty albo wolny. Jeden wiersz na każde naruszenie.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: nie podano polecenia
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: nieznane polecenie &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Użycie: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
Spróbuj &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 przyjmuje liczbę całkowitą od %2 do %3, nie &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>brak argumentu</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: Nie można odczytać wskazanego pliku!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: to sama baza danych %2; nie zastąpiono</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: istnieje i nie jest zwykłym plikiem; nie zastąpiono</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: istnieje; nie zastąpiono (--force zastępuje go i zachowuje jego zawartość w archiwum kopii zapasowych)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: nie zastąpiono, ponieważ nie udało się zachować jego zawartości: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Czym baza danych B różni się od bazy danych A: satelity dodane, usunięte, przemianowane, przesunięte (pozycja orbitalna); dla każdego satelity transpondery dodane, usunięte i zmienione. Satelity są łączone w pary według nazwy, potem według pozycji.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Wynik w formacie JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Zapisuje każdego satelitę i transponder bazy danych DB do OUT, jako satellites.xml (--xml, OUT kończy się na .xml) lub jako CSV dla arkuszy kalkulacyjnych (--csv, OUT kończy się na .csv). &apos;orbivane-cli import&apos; wczytuje oba bez zmian. Istniejący OUT jest zastępowany tylko z --force, a jego zawartość jest najpierw zachowywana w archiwum kopii zapasowych; samo DB nigdy nie jest zastępowane.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, tak jak używają go odbiorniki.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), jeden wiersz na transponder.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>Zastąp OUT, jeśli istnieje (jego zawartość zostaje zachowana w archiwum).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>podaj jedną z opcji --xml i --csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2 zapisuje plik z końcówką %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Pobiera satelity z SOURCE (satellites.xml lub CSV) do bazy danych DB i wypisuje, co się zmienia, satelita po satelicie, oraz czego miernik nie może przechować w podanej postaci. Satelita trafia do satelity DB na tej samej pozycji, w przeciwnym razie jest dodawany. Nic nie jest importowane, jeśli tabele nie mogą pomieścić wszystkiego. DB jest zapisywana, chyba że podano --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Tylko satelita (satelity) z SOURCE na POS stopniach (19.2, 19.2E, 5W, -5; 177W to 183) lub do jednej dziesiątej obok, gdy żaden nie leży dokładnie na POS; powtórz, aby podać więcej. Domyślnie: wszystkie.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Transpondery satelity stają się tymi z SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Dodawane są tylko transpondery, których brakuje w DB (domyślnie).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Częstotliwości różniące się najwyżej o MHZ (ta sama polaryzacja) to jeden transponder: 0 do 100. Domyślnie: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Wypisz podgląd; niczego nie zmieniaj.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Zapisz nawet wtedy, gdy inny program zmienił DB podczas importu.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>podaj --replace albo --merge, nie obie</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
Nic nie zostało zaimportowane.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite oczekuje stopni (19.2, 5W, -5, 183), nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 nie ma satelity na %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: w pobliżu leży kilka satelitów z %2: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>wybieram &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>dodaję go</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>nic nie zostało zaimportowane: baza danych odrzuciła zmianę</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: ostrzeżenie: nie zachowano kopii zapasowej: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Nic nie zostało zapisane (--force zapisuje mimo to).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Satelity pliku bazy danych w kolejności listy, z pozycją i liczbą transponderów; sumy; pozostałe wolne rekordy.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>wolne: %1 miejsc na satelity, %2 rekordów transponderów, %3 rekordów kanałów</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Tak (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> Nie (odmowa; --force odpowiada Tak)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>miernik przywitał się drugi raz (FT_IDENT) w trakcie transferu</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>miernik wysłał coś innego niż swoją bazę danych: nieoczekiwaną ramkę, więcej bajtów, niż mieści obraz, lub FT_END przed całym obrazem</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>miernik wysłał nieoczekiwaną ramkę lub FT_END, zanim otrzymał cały plik</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>miernik nie odpowiedział w ciągu 400 ms</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>nieznany kod</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>brak urządzenia dla %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>błąd połączenia z %1 (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: nie powiodło się: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>nie można połączyć z %1: miernik nie odpowiada</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Nie można zapisać logu %1: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: przerwano</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, odczytano do %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, wysłano %1</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>miernik przestał odpowiadać przy %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>odmowa: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>kod błędu miernika %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>linia zawiodła: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>transfer nie został ukończony</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: porty COM mają numery od 1 do 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>pusta nazwa portu (podaj COMn, ścieżkę urządzenia lub nazwę z /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Wyświetla COM1 do COM10 z urządzeniem przypisanym do każdego z nich (ORBIVANE_COM&lt;n&gt;, ustawienie okna Devices/COM&lt;n&gt; lub n-te obecne urządzenie), a potem każde obecne urządzenie szeregowe.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Brak urządzeń szeregowych.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Obecne urządzenia szeregowe:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>nie można otworzyć: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>można otworzyć</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Test połączenia z okna; wypisuje słowo identyfikacyjne każdego miernika.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Odczytuje bazę danych miernika do pliku TARGET. Przy kilku --port każdy miernik jest odczytywany jednocześnie do folderu TARGET jako &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (porty o tej samej nazwie w różnych folderach jako a-meter, b-meter). Obraz, który nie przechodzi kontroli struktury, jest zachowywany tak, jak wysłał go miernik, z ostrzeżeniem.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Zapisuje bazę danych FILE do miernika (mierników). Plik o złym rozmiarze jest odrzucany, zanim cokolwiek zostanie wysłane; plik, który nie przechodzi kontroli struktury, również, chyba że podano --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Wgrywa oprogramowanie z FILE do miernika (mierników). Tam, gdzie okno by zapytało (inny model, wersja nie wyższa), wgrywanie jest odrzucane, chyba że --force odpowiada Tak.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: Nie można odczytać wskazanego pliku!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Wybierz poprawny plik aktualizacji</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Wybierz poprawny plik parametrów bazy danych (%2 bajtów, nie %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: nie przechodzi kontroli struktury; wysłano mimo to (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: nie przechodzi kontroli struktury; nie wysłano (--force wysyła go mimo to)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: Nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 i %2 miałyby dla swoich plików tę samą nazwę %3; podaj jeden z nich inną ścieżką</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>Port miernika: COMn, ścieżka urządzenia lub nazwa z /dev/serial/by-id; powtórz dla kilku mierników naraz. Domyślnie: port zapisany przez okno.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Bez postępu na standardowym wyjściu błędów.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Odpowiedz Tak tam, gdzie okno pyta (inny model, wersja nie wyższa).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Zastąp TARGET zbyt duży, by kopie zapasowe zachowały jego kopię.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Wyślij plik, który nie przechodzi kontroli struktury.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Zapisz log linii (czas, typ, długość i pierwsze bajty każdej ramki oraz sposób zakończenia) do FILE; przy kilku --port jeden na miernik jako FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Poddaj się, gdy miernik milczy tak długo w trakcie transferu: 1 do 3600 (domyślnie 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 bajtów, więcej niż kopie zapasowe przechowują (%3 MB); nie zastąpiono (--force go zastępuje)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>przerwano: kończenie</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>razem: %n satelita, %1 transponderów, %2 kanałów</numerusform>
            <numerusform>razem: %n satelity, %1 transponderów, %2 kanałów</numerusform>
            <numerusform>razem: %n satelitów, %1 transponderów, %2 kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: ostrzeżenie: %1: obraz odczytany z %2 nie przechodzi kontroli struktury (%n problem); zachowany tak, jak wysłał go miernik (&apos;orbivane-cli check %1&apos; go wypisuje)</numerusform>
            <numerusform>orbivane-cli: ostrzeżenie: %1: obraz odczytany z %2 nie przechodzi kontroli struktury (%n problemy); zachowany tak, jak wysłał go miernik (&apos;orbivane-cli check %1&apos; je wypisuje)</numerusform>
            <numerusform>orbivane-cli: ostrzeżenie: %1: obraz odczytany z %2 nie przechodzi kontroli struktury (%n problemów); zachowany tak, jak wysłał go miernik (&apos;orbivane-cli check %1&apos; je wypisuje)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>pobrana</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>bez zmian na serwerze od kopii w pamięci podręcznej</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>kopia w pamięci podręcznej z %1 (wiek: %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: przerwano; kopia w pamięci podręcznej pozostała bez zmian</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: ostrzeżenie: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Pobiera listę odbiornika (satellites.xml lub CSV) spod URL, adresu http:// lub https://, do folderu pamięci podręcznej %1, a z OUT także do pliku OUT. Serwer jest pytany tylko o kopię nowszą niż ta w pamięci podręcznej. Gdy jest nieosiągalny, odmawia lub wysyła coś, co nie jest listą, używana jest kopia z pamięci podręcznej i podawany jest jej wiek. Przerwane pobieranie lub takie, którego nie da się odczytać jako listy, nie zastępuje ani kopii w pamięci podręcznej, ani OUT. Istniejący OUT jest zastępowany tylko z --force, a jego zawartość jest najpierw zachowywana w archiwum kopii zapasowych. Lista okna to %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Zrezygnuj, gdy serwer milczy tak długo: od 1 do 3600 (domyślnie 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n satelita, %2 transponderów; %3</numerusform>
            <numerusform>%1: %n satelity, %2 transponderów; %3</numerusform>
            <numerusform>%1: %n satelitów, %2 transponderów; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Planuje, które satelity baza danych DB zachowuje dla miejsca i które transpondery zachowuje każdy z nich, na podstawie listy odbiornika LIST (satellites.xml lub CSV), w granicach 64 satelitów i 2500 transponderów miernika; wypisuje plan i zmiany. Satelity z DB poniżej minimalnej elewacji są usuwane wraz z kanałami; widoczne pozostają, a widoczne satelity z LIST są dodawane, najwyższe najpierw, dopóki jest miejsce. Satelita z LIST otrzymuje transpondery z LIST albo, gdy nie mieszczą się wszystkie, część rozłożoną na jego pasma i polaryzacje. DB jest zapisywana (jej zawartość najpierw zachowywana jako kopia zapasowa), chyba że podano --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>Lista odbiornika: satellites.xml lub CSV, plik albo adres http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Wypisz plan; niczego nie zmieniaj.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Zapisz nawet wtedy, gdy inny program zmienił DB podczas planowania.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>podaj listę: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>nic nie zostało zmienione: baza danych odrzuciła plan</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: nie odczytano żadnej listy</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Gdzie stoją anteny: 52.52,13.40 lub 52.52N 13.40E (północ i wschód dodatnie). Domyślnie: miejsce zapamiętane przez okno.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>Najmniejsza elewacja satelity wartego zachowania, od 0 do 90 stopni. Domyślnie: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>podaj miejsce: --site LAT,LON (w ustawieniach nie ma zapamiętanego)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation przyjmuje stopnie od 0 do 90, nie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Miejsce %1, minimalna elewacja %2 stopni</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>Elewacja, azymut geograficzny i skręcenie LNB, widziane z miejsca, każdego satelity ze SOURCE (pliki bazy danych, listy satellites.xml lub CSV, pliki lub adresy http(s)://), po jednym wierszu: najpierw te na minimalnej elewacji lub wyżej, potem pozostałe, każda część według azymutu. Satelita obecny w kilku SOURCE (ta sama pozycja i nazwa) jest pokazywany raz. Dodatnie skręcenie obraca LNB przeciwnie do ruchu wskazówek zegara, patrząc zza anteny.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: wiersz %2: &quot;%3&quot; nie leży w żadnym miejscu łuku (%4); pominięto</translation>
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
        <translation>Użycie: orbivane-cli POLECENIE [OPCJE] [ARGUMENTY]
Każda praca Orbivane z miernikiem z poziomu terminala.

Polecenia:
  ports                        porty COM i obecne urządzenia szeregowe
  probe [--port P]...          test połączenia; wypisuje słowo identyfikacyjne miernika
  read  [--port P]... TARGET   baza danych miernika do pliku (do folderu dla kilku)
  write [--port P]... FILE     plik bazy danych do miernika (mierników)
  load  [--port P]... FILE     oprogramowanie do miernika (mierników)
  info  FILE                   satelity, sumy i wolne rekordy pliku bazy danych
  check FILE                   kontrola struktury pliku bazy danych
  import DB SOURCE             lista satellites.xml lub CSV do pliku bazy danych
  export DB OUT (--xml|--csv)  plik bazy danych jako satellites.xml lub CSV
  fetch URL [OUT]              opublikowana lista odbiornika do pamięci podręcznej (i do OUT)
  diff  A B                    czym różnią się dwa pliki bazy danych
  sky   SOURCE...              kąty ustawienia z --site LAT,LON na satelity z plików lub list
  fit   DB --from LIST         satelity i transpondery, które DB zachowuje dla --site LAT,LON
  sheet DB OUT                 arkusz ustawienia anteny DB dla --site LAT,LON jako PDF
  backups [FILE]               zachowane wersje zapisanych plików i odczytów z mierników
  --version                    wersja orbivane-cli

P to COMn, ścieżka urządzenia lub nazwa z /dev/serial/by-id; bez --port port zapisany
przez okno. &apos;orbivane-cli POLECENIE --help&apos; mówi więcej.

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
        <translation>Kody wyjścia:
  0    gotowe
  1    check znalazł problemy; diff znalazł różnice
  2    błąd użycia
  3    błąd pliku (nie można go odczytać lub zapisać, nie jest właściwym rodzajem pliku, lub jego
       zastąpienie straciłoby jego zawartość); fetch: brak listy z serwera i brak kopii w pamięci podręcznej
  4    nie można otworzyć portu
  5    miernik nie odpowiada
  6    transfer nie powiódł się (komunikat podaje kod miernika i jego znaczenie)
  7    odmowa: load zadaje pytanie (inny model, wersja nie wyższa), export, fetch lub
       sheet zastąpiłby plik (--force odpowiada Tak); import lub fit nie mieści się w tabelach miernika
  130  przerwano (SIGINT, SIGTERM)
Przy kilku portach kod pierwszego portu, który zawiódł.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Zapisuje arkusz ustawienia anteny dla bazy danych DB do OUT, pliku PDF: każdy satelita z DB z azymutem, elewacją i skręceniem LNB widzianymi z miejsca, posortowane według azymutu, z oznaczeniem tych poniżej minimalnej elewacji. Istniejący OUT jest zastępowany tylko z --force, a jego zawartość jest najpierw zachowywana w archiwum kopii zapasowych; samo DB nigdy nie jest zastępowane.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... i jeszcze %1</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: łącze %2 po rekordzie %3 jest poza zakresem</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: zapętla się z powrotem do rekordu %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: rekord %2 wskazuje wstecz na %3 zamiast na %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: kończy się na %2, ale jego ostatni to %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: zawiera %2 rekordów, ale jego licznik to %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>łańcuch satelitów</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>łańcuch satelitów: miejsce %1 nie jest zajęte</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>łańcuch wolnych satelitów</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>łańcuch wolnych satelitów: miejsce %1 jest zajęte</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>satelita %1 jest zajęty, ale nie ma go w łańcuchu satelitów</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>miejsce satelity %1 jest wolne, ale nie ma go w łańcuchu wolnych</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>transpondery satelity %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>transponder %1 satelity %2 nie jest zajęty</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>transponder %1 jest w łańcuchach satelitów %2 i %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>liczba transponderów to %1, ale satelity zawierają %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>łańcuch wolnych transponderów</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>łańcuch wolnych transponderów: rekord %1 jest zajęty</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>łańcuch kanałów rodzaju 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>łańcuch kanałów innego rodzaju</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: kanał %2 nie jest zajęty</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: kanał %2 jest rodzaju %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>kanały %1 satelity %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>rodzaju 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>innego rodzaju</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: kanał %2 nie należy do tego łańcucha</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>łańcuch kanałów grupy %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: kanał %2 nie jest członkiem</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>łańcuch wolnych kanałów</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>łańcuch wolnych kanałów: kanał %1 jest zajęty</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>kanał %1 jest wolny, ale nie ma go w łańcuchu wolnych</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>kanału %1 nie ma w łańcuchu jego rodzaju</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>kanału %1 nie ma w żadnym łańcuchu jego satelity %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>kanału %1 nie ma w łańcuchu grupy %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>kanał %1 leży na transponderze %2, który nie jest transponderem jego satelity %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n rekord transpondera nie jest w żadnym łańcuchu</numerusform>
            <numerusform>%n rekordy transponderów nie są w żadnym łańcuchu</numerusform>
            <numerusform>%n rekordów transponderów nie jest w żadnym łańcuchu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>satelita przemianowany: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>satelita przesunięty: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: transponder </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>dodany: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>usunięty: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>zmieniony: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>satelita dodany: %1, %n transponder</numerusform>
            <numerusform>satelita dodany: %1, %n transpondery</numerusform>
            <numerusform>satelita dodany: %1, %n transponderów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>satelita usunięty: %1, %n transponder</numerusform>
            <numerusform>satelita usunięty: %1, %n transpondery</numerusform>
            <numerusform>satelita usunięty: %1, %n transponderów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Plik został zmieniony przez inny program po jego odczytaniu.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Dodaj SAT</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Edytuj SAT</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Usuń SAT</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Baza danych nie pasuje!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Nic nie zostało zapisane: baza danych i jej plik są bez zmian.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>Łańcuch transponderów tego satelity w bazie danych jest uszkodzony.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>Lista transponderów nie odpowiada już bazie danych; wybierz satelitę ponownie.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Nie udało się zapisać transponderów: baza danych jest wokół nich niespójna.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>Tabela transponderów jest pełna: mieści %1 transponderów dla wszystkich satelitów razem.
Nie udało się zapisać %n z %2 nowych wierszy. Usuń transpondery, których już nie potrzebujesz, i zastosuj ponownie.
</numerusform>
            <numerusform>Tabela transponderów jest pełna: mieści %1 transponderów dla wszystkich satelitów razem.
Nie udało się zapisać %n z %2 nowych wierszy. Usuń transpondery, których już nie potrzebujesz, i zastosuj ponownie.
</numerusform>
            <numerusform>Tabela transponderów jest pełna: mieści %1 transponderów dla wszystkich satelitów razem.
Nie udało się zapisać %n z %2 nowych wierszy. Usuń transpondery, których już nie potrzebujesz, i zastosuj ponownie.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>lista transponderów</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;Dodaj TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;Usuń TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Nadpisz: jego obecna zawartość zostanie zachowana w kopiach zapasowych. Wczytaj ponownie: zmiany wprowadzone tutaj zostaną odrzucone. Anuluj: oba pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>Lista transponderów ma niezastosowane zmiany; przywrócenie kopii zapasowej je odrzuci.

Przywrócić mimo to?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Przywróć kopię zapasową</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>Lista transponderów ma niezastosowane zmiany, a plik bazy danych jeszcze ich nie zawiera.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>Baza danych ma zmiany, które nie zostały jeszcze zapisane do jej pliku.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>wiersz %1: więcej niż %2 komórek</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>wiersz %1: tekst po cudzysłowie zamykającym</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>wiersz %1: komórka dłuższa niż %2 bajtów</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>wiersz %1: cudzysłów nie jest zamknięty</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>plik nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>wiersz 1: nagłówek musi nazywać kolumny Satellite, Position, Frequency, Symbol rate i Polarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>odczyt został anulowany</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>brak nazwy satelity</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>nazwa satelity &quot;%1&quot; zawiera znaki spoza Latin-1, których miernik nie może zapisać</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>pozycja &quot;%1&quot; nie jest liczbą stopni</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>częstotliwość &quot;%1&quot; nie jest liczbą MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>szybkość symbolowa &quot;%1&quot; nie jest liczbą kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>polaryzacja &quot;%1&quot; nie jest żadną z H, V, L, R, Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>nie można odczytać pliku: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>nie ma takiego pliku</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>plik ma ponad %1 MB; lista odbiornika jest znacznie mniejsza</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>plik nie zawiera satelitów; nie ma czego importować</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>lista zawiera ponad %1 satelitów; to nie jest lista odbiornika</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>lista zawiera ponad %1 transponderów; to nie jest lista odbiornika</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>satelita &quot;%1&quot; zawiera ponad %2 transponderów; to nie jest lista odbiornika</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>nazwa &quot;%1&quot; zawiera znaki spoza Latin-1: zapisana jako &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>nazwa &quot;%1&quot; zostaje skrócona do 16 znaków: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>linia %1: pozycja &quot;%2&quot; leży poza zakresem 0..360 stopni; satelita pominięty</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>linia %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz leży poza zakresem %2..%3 MHz miernika; pominięto</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: %2 kS/s leży poza zakresem %3..%4 kS/s miernika; pominięto</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: kołowa %2 zapisana jako Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>lewa (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>prawa (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Nic nie zostanie zaimportowane: weź mniej satelitów albo najpierw usuń niektóre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: pominięty</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>satelita dodany, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>z &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 dodanych, %3 usuniętych, %4 zmienionych</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>zastąpienie</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>scalenie</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  dodany: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  usunięty: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  zmieniony: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>domyślne wartości atrybutów (&lt;!ATTLIST&gt;) nie są przyjmowane; lista odbiornika ich nie ma</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>linia %1: elementy zagnieżdżone głębiej niż %2 poziomów; lista odbiornika ma trzy poziomy</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>linia %1: wartość atrybutu dłuższa niż %2 bajtów; lista odbiornika zawiera nazwy</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>linia %1: element z więcej niż %2 atrybutami; lista odbiornika ma ich kilkanaście</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>linia %1: więcej niż %2 deklaracji przestrzeni nazw; lista odbiornika nie ma żadnej</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>&lt;transponder&gt; poza jakimkolwiek &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>brak listy &lt;satellites&gt; w tym pliku</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>linia %1, kolumna %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; wymaga liczby całkowitej w %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; nie jest żadną z 0 (H), 1 (V), 2 (L), 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) jest zapisywany jako &quot;%3&quot;: satellites.xml nie może zawierać znaków sterujących</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Usuń duplikaty</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n komórka, oczekiwano 5</numerusform>
            <numerusform>%n komórki, oczekiwano 5</numerusform>
            <numerusform>%n komórek, oczekiwano 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>Tabela satelitów jest pełna: import dodaje %n satelitę, a wolnych jest %1 z %2 miejsc.</numerusform>
            <numerusform>Tabela satelitów jest pełna: import dodaje %n satelity, a wolnych jest %1 z %2 miejsc.</numerusform>
            <numerusform>Tabela satelitów jest pełna: import dodaje %n satelitów, a wolnych jest %1 z %2 miejsc.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>Tabela transponderów jest pełna: import potrzebuje %n rekordu, a wolnych jest %1 z %2.</numerusform>
            <numerusform>Tabela transponderów jest pełna: import potrzebuje %n rekordów, a wolnych jest %1 z %2.</numerusform>
            <numerusform>Tabela transponderów jest pełna: import potrzebuje %n rekordów, a wolnych jest %1 z %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 powtarza linię %3 (w granicach %4 MHz); mimo to zapisany</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Listy odbiorników (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Odczyt %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>Lista transponderów ma niezastosowane zmiany; import zmienia tego satelitę i je odrzuci.

Importować mimo to?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Nic nie zostało zaimportowane: baza danych odrzuciła zmianę.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Nadaj nazwie pliku końcówkę .xml (satellites.xml) lub .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Wyeksportowano do %1, ze zmienionymi nazwami:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n godzina</numerusform>
            <numerusform>%n godziny</numerusform>
            <numerusform>%n godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n dzień</numerusform>
            <numerusform>%n dni</numerusform>
            <numerusform>%n dni</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>serwer wysyła ponad %1 bajtów; żadna lista odbiornika nie jest tak duża</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>serwer zapowiada %1 bajtów; żadna lista odbiornika nie jest tak duża</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>serwer nie wysłał niczego przez %1 s</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>serwer odpowiedział %1, ale nie podał nowego adresu</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>ponad %1 przekierowań; ostatnie do %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>kopia w pamięci podręcznej %1 nie jest odczytywana: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>brak kopii w pamięci podręcznej</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>nie można odczytać kopii w pamięci podręcznej %1: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>jest dowiązaniem symbolicznym; pamięć podręczna nie jest przez nie prowadzona</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>nie jest folderem</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>sprawdzenie nie zostało odnotowane w pamięci podręcznej: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>serwer odpowiedział %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>lista nie jest zachowana w pamięci podręcznej: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>to, co wysłał serwer, nie jest listą odbiornika: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>adres zawiera znaki sterujące</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>nieprawidłowy adres: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>nieprawidłowy adres</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>pobierane są tylko adresy http:// i https://, nie %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>sama nazwa</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>adres nie wskazuje serwera</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>nazwa użytkownika lub hasło w adresie nie są wysyłane</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>przekierowano do %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>przekierowano z https do %1, który nie jest szyfrowany; nie podążono</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>inny program zapisuje ten plik; spróbuj ponownie później</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 bajtów, więcej niż %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Jest katalogiem</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Baza danych nie pasuje!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>błąd otwarcia pliku: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>błąd otwarcia pliku</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Zastosuj i zapisz</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Odrzuć</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>Zo&amp;stań</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>&amp;Nadpisz</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Wczytaj ponownie</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>Lista transponderów ma niezastosowane zmiany; plan pokazuje bazę danych od nowa i je odrzuci.

Importować mimo to?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Nic nie zostało zmienione: baza danych odrzuciła plan.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Nie zapisano jeszcze miejsca: najpierw wpisz je w Plik &gt; Plan dla miejsca...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Nadaj nazwie pliku końcówkę .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skręt</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>W bazie</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Widoczny</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>Zachowane TP</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udział</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Ile spośród %1 transponderów z listy miernik zachowuje dla tego satelity; puste: tak, jak rozdziela je plan.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>auto</source>
        <translation>auto</translation>
    </message>
</context>
<context>
    <name>PointingSheet</name>
    <message>
        <source>Pointing sheet: %1</source>
        <translation>Arkusz ustawienia anteny: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Miejsce %1 (%2). Minimalna elewacja: %3 stopni.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azymut: rzeczywisty, w stopniach zgodnie z ruchem wskazówek zegara od północy geograficznej; kompas magnetyczny popraw o lokalną deklinację. Elewacja: stopnie nad horyzontem. Skręt: dodatni skręt obraca LNB przeciwnie do ruchu wskazówek zegara, patrząc zza anteny w stronę satelity.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azymut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elewacja</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skręt</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>pod horyzontem</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>poniżej minimalnej elewacji</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>Baza danych nie zawiera żadnego satelity.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>To jest sama baza danych; nie zostaje zastąpiona.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>To nie jest zwykły plik; nie zostaje zastąpiony.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>Nie udało się złożyć arkusza.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager jest uruchomiony. Otwiera on pojawiające się urządzenia szeregowe (głównie ttyACM) i przez pewien czas wysyła do nich polecenia modemu, co zakłóca wymianę danych z miernikiem. Odczekaj pół minuty po podłączeniu adaptera i spróbuj ponownie. Na stałe: reguła udev pakietu Orbivane każe ModemManagerowi nie ruszać adapterów miernika; bez niej zatrzymaj usługę, jeśli nie używasz modemu komórkowego:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (usługa monitorów brajlowskich) jest uruchomiona. Przejmuje niektóre adaptery USB-szeregowe (CH340, CP210x) jako monitory brajlowskie i wtedy nie pojawia się dla nich żadne urządzenie szeregowe. Jeśli nie używasz monitora brajlowskiego, usuń ją i podłącz adapter ponownie:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>adapter %1 bez urządzenia szeregowego: przejął go BRLTTY</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>Adapter USB-szeregowy %1 jest podłączony, ale nie powstało z niego żadne urządzenie szeregowe.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>adapter %1 bez sterownika szeregowego</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>Adapter USB-szeregowy %1 jest podłączony, ale nie powstało z niego żadne urządzenie szeregowe: brakuje jego sterownika lub nie jest on załadowany. Załaduj go i podłącz adapter ponownie:
    sudo modprobe %2
Jeśli moduł nie zostanie znaleziony, zainstaluj dodatkowe moduły jądra (pakiet linux-image-...) dla swojego jądra.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Nie ma żadnego urządzenia szeregowego, więc do tego portu nie jest przypisane nic.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Nie ma urządzenia %1.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>brak urządzenia szeregowego</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>nie ma takiego urządzenia</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Podłącz adapter USB-szeregowy miernika, a potem ponownie wybierz port. &apos;orbivane-cli ports&apos; wyświetla obecne urządzenia szeregowe i który port COM jest przypisany do każdego z nich.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Twoje konto nie może otworzyć %1 (właściciel %2, grupa %3, tryb %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>Reguła udev pakietu Orbivane jest zainstalowana, ale nie dała ci tego urządzenia: obejmuje zwykłe adaptery, dla użytkownika zalogowanego przy ekranie. Dla innego adaptera administrator może dodać dla niego wiersz do /etc/udev/rules.d/70-orbivane-local.rules (plik reguł mówi, jak); potem podłącz adapter ponownie.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Albo zainstaluj pakiet Orbivane: jego reguła udev pozwala użytkownikowi przy ekranie otworzyć adapter USB miernika bez żadnej grupy.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>odmowa dostępu</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Dodaj je do grupy urządzenia:
    sudo usermod -aG %1 $USER
a potem wyloguj się i zaloguj ponownie: nowa grupa liczy się dopiero od następnego logowania. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Żadna grupa nie daje do niego dostępu, więc dołączenie do grupy nie pomoże: pomóc może tylko reguła udev, która przekaże urządzenie tobie lub grupie, albo administrator. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Pakiet Orbivane zawiera taką regułę dla zwykłych adapterów: poproś administratora o jego zainstalowanie, a potem podłącz adapter ponownie.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>używany przez ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>używany przez BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>używany przez inny program</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Inny program ma otwarte %1; system nie mówi, który (może działać na innym koncie). Zwykle jest to program terminalowy (minicom, screen, picocom), inny Orbivane lub ModemManager. Zamknij go, a potem ponownie wybierz port.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 otwarte urządzenie %3.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>mają</translation>
    </message>
    <message>
        <source>has</source>
        <translation>ma</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Zamknij %1 (lub zakończ %2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>them</source>
        <translation>je</translation>
    </message>
    <message>
        <source>it</source>
        <translation>go</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Zamknij swoje drugie okno Orbivane (lub najpierw poczekaj na koniec jego transferu).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Pozwól swojemu orbivane-cli zakończyć pracę lub zatrzymaj je klawiszami Ctrl+C w jego terminalu.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>używany przez %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Potem ponownie wybierz port.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>port się otwiera, ale żaden miernik nie odpowiada</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 się otwiera, ale żaden miernik nie odpowiedział. Sprawdź, czy miernik jest włączony, czy kabel dobrze siedzi na obu końcach i czy to jest port miernika: &apos;orbivane-cli ports&apos; wyświetla obecne urządzenia szeregowe, &apos;orbivane-cli probe --port DEVICE&apos; sprawdza jedno z nich.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 również %2 otwarty ten port</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>brak odpowiedzi; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>to nie jest urządzenie szeregowe</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 nie jest urządzeniem szeregowym. Wybierz port adaptera miernika; &apos;orbivane-cli ports&apos; wyświetla obecne urządzenia szeregowe.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>System odmówił otwarcia %1: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager jest uruchomiony (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY jest uruchomiony</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>Wybierz port COM</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;Wgraj oprogramowanie</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;Odczytaj parametry</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>&amp;Zapisz parametry</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>&amp;Edytuj parametry</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>połączono z com%1</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>nie można połączyć z com%1</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>brak urządzenia dla COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (nieobecne)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>Nie wybrano portu COM</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Szczegóły...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Zastosować i zapisać zmiany teraz?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Odrzucić zmiany?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

Nadpisać go?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Wczytać go ponownie, odrzucając zmiany wprowadzone tutaj?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Pliki danych (*.bin);;Wszystkie pliki (*)</translation>
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
        <translation>Plan dla miejsca</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponderem</numerusform>
            <numerusform>%n transponderami</numerusform>
            <numerusform>%n transponderami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponderem</numerusform>
            <numerusform>%n transponderami</numerusform>
            <numerusform>%n transponderami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n kanałem</numerusform>
            <numerusform>%n kanałami</numerusform>
            <numerusform>%n kanałami</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanałem</numerusform>
            <numerusform>%n kanałami</numerusform>
            <numerusform>%n kanałami</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): satelita usunięty wraz ze swoimi %3 i %4</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n kanał odchodzi z transponderami, które tracą zachowane satelity</numerusform>
            <numerusform>%n kanały odchodzą z transponderami, które tracą zachowane satelity</numerusform>
            <numerusform>%n kanałów odchodzi z transponderami, które tracą zachowane satelity</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n transponder z listy leży poza zakresami miernika; pominięto</numerusform>
            <numerusform>%n transpondery z listy leżą poza zakresami miernika; pominięto</numerusform>
            <numerusform>%n transponderów z listy leży poza zakresami miernika; pominięto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n transponder z listy powtarza inny ze swojego satelity; wzięty raz</numerusform>
            <numerusform>%n transpondery z listy powtarzają inne ze swojego satelity; wzięte raz</numerusform>
            <numerusform>%n transponderów z listy powtarza inne ze swojego satelity; wzięte raz</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Miernik mieści %1 z %2 satelitów i %3 z %4 transponderów</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; transpondery z listy nie mieszczą się wszystkie, więc każdy satelita zachowuje część</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>zapisz je jako 52.52,13.40 lub 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>szerokość %1 wykracza poza 90 stopni na północ lub południe</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>długość %1 wykracza poza 180 stopni na wschód lub zachód</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>miejsce ma %n znak; miejsce może mieć najwyżej %1</numerusform>
            <numerusform>miejsce ma %n znaki; miejsce może mieć najwyżej %1</numerusform>
            <numerusform>miejsce ma %n znaków; miejsce może mieć najwyżej %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>miejsce zawiera znak sterujący; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>nie podano miejsca; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; podaje dwie szerokości; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; podaje dwie długości; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; podaje znak i literę półkuli przy jednej liczbie; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; nie jest szerokością i długością geograficzną; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Wpisz nazwę satelity.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Wpisz liczbę.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Wpisz liczbę od 0 do 360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Wpisz najwyżej 16 znaków.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Nazwa satelity może zawierać tylko znaki Latin-1 (litery, cyfry i typowe znaki języków zachodnioeuropejskich).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>lista satelitów</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;Dodaj SAT</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;Usuń SAT</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtruj według nazwy lub pozycji</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Filtr satelitów</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Wgrywa oprogramowanie i bazy parametrów do miernika satelitarnego na porcie szeregowym oraz edytuje pliki baz danych.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Wyświetla informacje o wersji.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Plik bazy parametrów do otwarcia w celu edycji.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Spróbuj &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Użycie: orbivane [opcje] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>można otworzyć tylko jeden plik: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>nazwa pliku jest pusta</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Nie można odczytać wskazanego pliku!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Jest katalogiem</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Nieznana ramka %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Ten plik bazy danych jest uszkodzony:

- %1

Zapisać go mimo to?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>To oprogramowanie nie pasuje do twojego miernika!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Ta wersja oprogramowania nie jest wyższa niż obecnie używana, 
czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Wybierz poprawny plik aktualizacji
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Błąd urządzenia komunikacji szeregowej</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Nie można zapisać wskazanego pliku!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 z %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, pozostało %1:%2</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>Nie można utworzyć %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Nie wyłączaj miernika, poczekaj około 2 minut, miernik uruchomi się ponownie automatycznie!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>transfer danych zakończony!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Podczas transferu wystąpił błąd. Kod:%1
Uruchom ponownie STB.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>postęp transferu %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Wybierz poprawny plik parametrów bazy danych
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 zawiera %2 bajtów, więcej niż kopie zapasowe przechowują (%3 MB). Odczyt zastąpiłby go bez zachowania kopii.

Zastąpić mimo to?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>wybierz właściwy port COM, do którego podłączony jest miernik.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB, weit mehr als eine Datenbank</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>keine Datenbank (%1 Bytes)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, besteht die Strukturprüfung nicht</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>keine Version (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>Messgerät %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 ist größer als %2 MB, weit mehr als eine Datenbank; sein Inhalt wurde nicht aufbewahrt</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n Satellit, %1 Transponder</numerusform>
            <numerusform>%n Satelliten, %1 Transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Eine Sicherungskopie konnte nicht aufbewahrt werden:
%1

Der Auftrag wird trotzdem ausgeführt. Dieser Hinweis erscheint einmal pro Sitzung.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>Über Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane Version 1.0</translation>
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
        <translation>Mit %1 vergleichen</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>Von der geöffneten Datenbank (wie zuletzt übernommen) zu %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Bitte Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Satellitenname</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>Grad (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Import aus %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Nach Name oder Position filtern</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Transponder gleicher Polarisation, deren Frequenzen höchstens so weit auseinanderliegen, gelten als derselbe Transponder.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Satelliten der Datei:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Derselbe Transponder innerhalb:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>Transponder werden</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Die zu übernehmenden Satelliten ankreuzen: Was der Import bewirken würde, erscheint hier, bevor sich etwas ändert.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>ersetzt</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>zusammengeführt</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>ein neuer Satellit</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Hier liegt mehr als ein Satellit der Datenbank: Prüfen Sie, zu welchem der Satellit der Datei gehört.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>%n Satellit übernommen (%1 neu, %2 ausgelassen); Transponder: %3 hinzugefügt, %4 entfernt, %5 geändert. Der Import ändert die Datenbank im Speicher in einem Schritt (Bearbeiten &gt; Rückgängig nimmt ihn zurück); Übernehmen schreibt ihn in die Datei.</numerusform>
            <numerusform>%n Satelliten übernommen (%1 neu, %2 ausgelassen); Transponder: %3 hinzugefügt, %4 entfernt, %5 geändert. Der Import ändert die Datenbank im Speicher in einem Schritt (Bearbeiten &gt; Rückgängig nimmt ihn zurück); Übernehmen schreibt ihn in die Datei.</numerusform>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>Mit Datei &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Doppelte Trans&amp;ponder entfernen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Hand&amp;buch</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Übertragungs&amp;logs anzeigen</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>den Ordner der Übertragungslogs</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>&amp;Über Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>das Handbuch</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Kein Programm auf diesem System konnte %1 öffnen:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Para&amp;meter bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>Pla&amp;n für einen Standort...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>&amp;Ausrichtungsblatt exportieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
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
        <translation>Die Liste des Servers war nicht zu bekommen (%1); dies ist die vor %2 geholte Kopie.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Plan für einen Standort</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 oder 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> Grad</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml oder eine CSV-Liste</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Noch keine Liste gelesen: die Tabelle zeigt die Satelliten der Datenbank.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Standort:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>&amp;Mindestelevation:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>Sa&amp;telliten (die ankreuzen, die das Messgerät behält; einen Anteil eintippen, um weniger oder mehr Transponder eines Satelliten zu behalten):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Satelliten: %v von %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transponder: %v von %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Vorschau:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Receiverlisten (*.xml *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Geben Sie den Standort ein, an dem die Schüsseln stehen.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, Nord und Ost positiv.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: %2 Satelliten, %3 Transponder.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Die Liste</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Lesen angehalten; der Plan ist wie zuvor.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>Die Liste wurde nicht gelesen; der Plan ist wie zuvor.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Noch keine Sicherungen. Der vorige Inhalt einer Datei wird bei jedem Speichern aufbewahrt, ebenso jede von einem Messgerät gelesene Datenbank.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Wählen Sie eine Version zum Öffnen. Sie tritt an die Stelle der bearbeiteten Datenbank (Rückgängig nimmt das zurück) und gelangt beim Übernehmen in deren Datei; ist keine geöffnet, nennen Sie eine Datei, in der sie bleibt.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Herkunft</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>vom Messgerät gelesen</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>überschrieben</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>Daten werden übertragen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>Verbindung mit com%1 fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>TP löschen</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>TP HINZUFÜGEN</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>Sym.Rate</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>TP hinzufügen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>TP bearbeiten</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Listet die aufbewahrten Versionen, die neueste zuerst: Datum, Herkunft (saved over = überschrieben, read from meter = vom Messgerät gelesen), Datei oder Messgerät, Inhalt und die archivierte Kopie. Mit FILE nur die Versionen dieser Datei. Eine Version mit cp zurückkopieren oder im Fenster unter Datei &gt; Sicherung wiederherstellen öffnen.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Prüft die Struktur einer Datenbankdatei: jede Kette vollständig und in beide Richtungen verknüpft, jede Anzahl richtig, jeder Datensatz belegt oder frei. Eine Zeile je Verstoß.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: kein Befehl angegeben
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: unbekannter Befehl &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Aufruf: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
Siehe &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 erwartet eine ganze Zahl von %2 bis %3, nicht &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>Argument fehlt</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: Die angegebene Datei kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: ist die Datenbank %2 selbst; nicht ersetzt</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: existiert und ist keine reguläre Datei; nicht ersetzt</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: existiert; nicht ersetzt (--force ersetzt sie und bewahrt ihren Inhalt im Sicherungsarchiv auf)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: nicht ersetzt, da ihr Inhalt nicht aufbewahrt werden konnte: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Was sich von Datenbank A zu Datenbank B unterscheidet: Satelliten hinzugefügt, entfernt, umbenannt, verschoben (Orbitposition); je Satellit Transponder hinzugefügt, entfernt und geändert. Satelliten werden nach Name, dann nach Position zugeordnet.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Ausgabe als JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Schreibt jeden Satelliten und Transponder der Datenbank DB nach OUT, als satellites.xml (--xml, OUT endet auf .xml) oder als CSV für Tabellenkalkulationen (--csv, OUT endet auf .csv). &apos;orbivane-cli import&apos; liest beide unverändert zurück. Ein vorhandenes OUT wird nur mit --force ersetzt, und sein Inhalt wird zuvor im Sicherungsarchiv aufbewahrt; DB selbst wird nie ersetzt.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, wie Receiver sie verwenden.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), eine Zeile je Transponder.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>OUT ersetzen, wenn es existiert (sein Inhalt wird im Archiv aufbewahrt).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>eine der Optionen --xml und --csv angeben</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2 schreibt eine Datei mit der Endung %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Übernimmt die Satelliten von SOURCE (satellites.xml oder CSV) in die Datenbank DB und gibt aus, was sich ändert, Satellit für Satellit, und was das Messgerät nicht so aufnehmen kann. Ein Satellit geht zu dem von DB an derselben Position, sonst wird er hinzugefügt. Nichts wird importiert, wenn die Tabellen nicht alles aufnehmen können. DB wird gespeichert, außer mit --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Nur der/die Satellit(en) von SOURCE bei POS Grad (19.2, 19.2E, 5W, -5; 177W ist 183), oder ein Zehntel daneben, wenn keiner genau bei POS liegt; für mehrere wiederholen. Vorgabe: alle.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Die Transponder eines Satelliten werden die von SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Nur die Transponder, die DB fehlen, werden hinzugefügt (Vorgabe).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Frequenzen höchstens MHZ auseinander (gleiche Polarisation) sind ein Transponder: 0 bis 100. Vorgabe: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Die Vorschau ausgeben; nichts ändern.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Auch speichern, wenn ein anderes Programm DB während des Imports geändert hat.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>--replace oder --merge angeben, nicht beide</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite erwartet Grad (19.2, 5W, -5, 183), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 hat keinen Satelliten bei %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: mehrere Satelliten von %2 liegen in der Nähe: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>nehme &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>wird hinzugefügt</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>es wurde nichts importiert: die Datenbank hat die Änderung abgelehnt</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: Warnung: keine Sicherung aufbewahrt: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Es wurde nichts gespeichert (--force speichert darüber).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Die Satelliten einer Datenbankdatei in Listenreihenfolge, mit Position und Transponderzahl; Summen; verbleibende freie Datensätze.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>frei: %1 Satellitenplätze, %2 Transponder-Datensätze, %3 Kanal-Datensätze</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Ja (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> Nein (abgelehnt; --force antwortet Ja)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>das Messgerät hat sich mitten in der Übertragung ein zweites Mal gemeldet (FT_IDENT)</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>das Messgerät sandte etwas anderes als seine Datenbank: einen unerwarteten Rahmen, mehr Bytes als das Abbild fasst, oder FT_END vor dem ganzen Abbild</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>das Messgerät sandte einen unerwarteten Rahmen, oder FT_END bevor es die ganze Datei hatte</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>das Messgerät hat nicht innerhalb von 400 ms geantwortet</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>unbekannter Code</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>kein Gerät steht für %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>Verbindung mit %1 fehlgeschlagen (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: fehlgeschlagen: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>Verbindung mit %1 fehlgeschlagen: das Messgerät antwortet nicht</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Das Log %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: unterbrochen</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, gelesen nach %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, %1 gesendet</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>das Messgerät hörte bei %1% auf zu antworten</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>Fehlercode des Messgeräts %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>die Leitung ist ausgefallen: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>die Übertragung wurde nicht abgeschlossen</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: COM-Ports sind von 1 bis 999 nummeriert</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>ein leerer Portname (COMn, einen Gerätepfad oder einen Namen unter /dev/serial/by-id angeben)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Listet COM1 bis COM10 mit dem Gerät, für das jeder steht (ORBIVANE_COM&lt;n&gt;, die Einstellung Devices/COM&lt;n&gt; des Fensters oder das n-te vorhandene Gerät), dann jedes vorhandene serielle Gerät.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Keine seriellen Geräte vorhanden.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Vorhandene serielle Geräte:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>lässt sich öffnen</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Der Verbindungstest des Fensters; gibt das Kennwort jedes Messgeräts aus.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Liest die Datenbank des Messgeräts in die Datei TARGET. Mit mehreren --port wird jedes Messgerät gleichzeitig in den Ordner TARGET als &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin gelesen (gleichnamige Ports in verschiedenen Ordnern als a-meter, b-meter). Ein Abbild, das die Strukturprüfung nicht besteht, wird so aufbewahrt, wie das Messgerät es sandte, mit einer Warnung.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Schreibt die Datenbank FILE in das/die Messgerät(e). Eine Datei falscher Größe wird abgelehnt, bevor etwas gesendet wird; eine, die die Strukturprüfung nicht besteht, ebenso, außer mit --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Lädt die Software in FILE in das/die Messgerät(e). Wo das Fenster fragen würde (anderes Modell, Version nicht höher), wird das Laden abgelehnt, außer --force antwortet Ja.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: Die angegebene Datei kann nicht gelesen werden!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Bitte eine richtige Update-Datei wählen</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Bitte eine richtige Datenbank-Parameterdatei wählen (%2 Bytes, nicht %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: besteht die Strukturprüfung nicht; trotzdem gesendet (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: besteht die Strukturprüfung nicht; nicht gesendet (--force sendet sie trotzdem)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 und %2 hätten für ihre Dateien denselben Namen %3; einen von beiden über einen anderen Pfad angeben</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>Der Port des Messgeräts: COMn, ein Gerätepfad oder ein Name unter /dev/serial/by-id; für mehrere Messgeräte gleichzeitig wiederholen. Vorgabe: der vom Fenster gespeicherte Port.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Kein Fortschritt auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Ja antworten, wo das Fenster fragt (anderes Modell, Version nicht höher).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Ein TARGET ersetzen, das zu groß ist, um eine Kopie in den Sicherungen aufzubewahren.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Eine Datei senden, die die Strukturprüfung nicht besteht.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Ein Log der Leitung (Zeit, Typ, Länge und erste Bytes jedes Rahmens, und wie sie endete) nach FILE schreiben; mit mehreren --port eines je Messgerät als FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Aufgeben, wenn das Messgerät mitten in der Übertragung so lange schweigt: 1 bis 3600 (Vorgabe 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 Bytes, mehr als die Sicherungen als Kopie aufbewahren (%3 MB); nicht ersetzt (--force ersetzt sie)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>unterbrochen: wird beendet</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>gesamt: %n Satellit, %1 Transponder, %2 Kanäle</numerusform>
            <numerusform>gesamt: %n Satelliten, %1 Transponder, %2 Kanäle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: Warnung: %1: das von %2 gelesene Abbild besteht die Strukturprüfung nicht (%n Problem); so aufbewahrt, wie das Messgerät es sandte (&apos;orbivane-cli check %1&apos; listet es)</numerusform>
            <numerusform>orbivane-cli: Warnung: %1: das von %2 gelesene Abbild besteht die Strukturprüfung nicht (%n Probleme); so aufbewahrt, wie das Messgerät es sandte (&apos;orbivane-cli check %1&apos; listet sie)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>heruntergeladen</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>auf dem Server unverändert seit der Kopie im Cache</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>die Kopie im Cache vom %1 (%2 alt)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: unterbrochen; die Kopie im Cache ist unverändert</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: Warnung: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Lädt die Receiverliste (satellites.xml oder CSV) unter URL, einer http://- oder https://-Adresse, in den Cache-Ordner %1 herunter, und mit OUT zusätzlich in die Datei OUT. Der Server wird nur nach einer Kopie gefragt, die neuer ist als die im Cache. Ist er nicht erreichbar, lehnt er ab oder sendet er etwas, das keine Liste ist, wird die Kopie im Cache verwendet und ihr Alter genannt. Ein abgebrochener Download oder einer, der sich nicht als Liste lesen lässt, ersetzt weder die Kopie im Cache noch OUT. Eine vorhandene OUT wird nur mit --force ersetzt, ihr Inhalt wird vorher im Sicherungsarchiv aufbewahrt. Die Liste des Fensters ist %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Aufgeben, wenn der Server so lange schweigt: 1 bis 3600 (Vorgabe 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n Satellit, %2 Transponder; %3</numerusform>
            <numerusform>%1: %n Satelliten, %2 Transponder; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Plant, welche Satelliten die Datenbank DB für den Standort behält und welche Transponder jeder behält, aus der Receiverliste LIST (satellites.xml oder CSV), innerhalb der 64 Satelliten und 2500 Transponder des Messgeräts; gibt den Plan und die Änderungen aus. Satelliten von DB unter der Mindestelevation werden mit ihren Kanälen entfernt; die sichtbaren bleiben, und die sichtbaren Satelliten von LIST werden hinzugefügt, die höchsten zuerst, solange Platz ist. Ein Satellit von LIST übernimmt die Transponder von LIST oder, wenn nicht alle passen, einen über seine Bänder und Polarisationen verteilten Anteil. DB wird gespeichert (sein Inhalt vorher als Sicherung aufbewahrt), außer mit --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>Die Receiverliste: satellites.xml oder CSV, eine Datei oder eine http(s)://-Adresse.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Den Plan ausgeben; nichts ändern.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Speichern, auch wenn ein anderes Programm DB während der Planung geändert hat.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>Liste angeben: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>es wurde nichts geändert: die Datenbank hat den Plan abgelehnt</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: es wurde keine Liste gelesen</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Wo die Schüsseln stehen: 52.52,13.40 oder 52.52N 13.40E (Nord und Ost positiv). Vorgabe: der Standort, den das Fenster speichert.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>Die kleinste Elevation eines Satelliten, der es wert ist, behalten zu werden, 0 bis 90 Grad. Vorgabe: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>Standort angeben: --site LAT,LON (in den Einstellungen ist keiner gespeichert)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation nimmt Grad von 0 bis 90, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Standort %1, Mindestelevation %2 Grad</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>Elevation, geografischer Azimut und LNB-Neigung jedes Satelliten der SOURCEs (Datenbankdateien, satellites.xml- oder CSV-Listen, Dateien oder http(s)://-Adressen), vom Standort aus gesehen, eine Zeile je Satellit: zuerst die auf oder über der Mindestelevation, dann die übrigen, jeder Teil nach Azimut. Ein Satellit in mehreren SOURCEs (gleiche Position und gleicher Name) erscheint einmal. Eine positive Neigung dreht das LNB, von hinter der Schüssel gesehen, gegen den Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: Zeile %2: &quot;%3&quot; liegt an keiner Stelle des Bogens (%4); ausgelassen</translation>
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
        <translation>Aufruf: orbivane-cli BEFEHL [OPTIONEN] [ARGUMENTE]
Jede Messgeräte-Aufgabe von Orbivane im Terminal.

Befehle:
  ports                        die COM-Ports und die vorhandenen seriellen Geräte
  probe [--port P]...          der Verbindungstest; gibt das Kennwort des Messgeräts aus
  read  [--port P]... TARGET   die Datenbank des Messgeräts in eine Datei (einen Ordner bei mehreren)
  write [--port P]... FILE     eine Datenbankdatei in das/die Messgerät(e)
  load  [--port P]... FILE     Software in das/die Messgerät(e)
  info  FILE                   Satelliten, Summen und freie Datensätze einer Datenbankdatei
  check FILE                   die Strukturprüfung einer Datenbankdatei
  import DB SOURCE             eine satellites.xml- oder CSV-Liste in eine Datenbankdatei
  export DB OUT (--xml|--csv)  eine Datenbankdatei als satellites.xml oder CSV
  fetch URL [OUT]              eine veröffentlichte Receiverliste in den Cache (und in OUT)
  diff  A B                    was sich zwischen zwei Datenbankdateien unterscheidet
  sky   SOURCE...              Blickwinkel von --site LAT,LON zu den Satelliten von Dateien oder Listen
  fit   DB --from LIST         die Satelliten und Transponder, die DB für --site LAT,LON behält
  sheet DB OUT                 das Ausrichtungsblatt von DB für --site LAT,LON, als PDF
  backups [FILE]               die aufbewahrten Versionen gespeicherter Dateien und Messgerät-Lesevorgänge
  --version                    die Version von orbivane-cli

P ist COMn, ein Gerätepfad oder ein Name unter /dev/serial/by-id; ohne --port der Port, den das
Fenster gespeichert hat. &apos;orbivane-cli BEFEHL --help&apos; sagt mehr.

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
        <translation>Rückgabewerte:
  0    erledigt
  1    check fand Probleme; diff fand Unterschiede
  2    Aufruffehler
  3    Dateifehler (nicht les- oder schreibbar, nicht die richtige Art Datei, oder das Ersetzen
       würde ihren Inhalt verlieren); fetch: keine Liste vom Server und keine im Cache
  4    der Port lässt sich nicht öffnen
  5    das Messgerät antwortet nicht
  6    die Übertragung schlug fehl (die Meldung nennt den Code des Messgeräts und seine Bedeutung)
  7    abgelehnt: load stellt eine Frage (anderes Modell, Version nicht höher), export, fetch oder
       sheet würde eine Datei ersetzen (--force antwortet Ja); import oder fit passt nicht in die Tabellen des Messgeräts
  130  unterbrochen (SIGINT, SIGTERM)
Bei mehreren Ports der Code des ersten Ports, der fehlschlug.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Schreibt das Ausrichtungsblatt der Datenbank DB nach OUT, ein PDF: jeder Satellit von DB mit Azimut, Elevation und LNB-Skew vom Standort aus gesehen, nach Azimut sortiert, die unter der Mindestelevation markiert. Ein vorhandenes OUT wird nur mit --force ersetzt, und sein Inhalt wird zuvor im Sicherungsarchiv aufbewahrt; DB selbst wird nie ersetzt.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: Verweis %2 nach Datensatz %3 liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: führt zurück zu Datensatz %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: Datensatz %2 verweist zurück auf %3 statt auf %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: endet bei %2, aber ihr letzter ist %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: enthält %2 Datensätze, aber ihre Anzahl ist %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>Satellitenkette</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>Satellitenkette: Platz %1 ist nicht belegt</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>freie Satellitenkette</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>freie Satellitenkette: Platz %1 ist belegt</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>Satellit %1 ist belegt, aber nicht in der Satellitenkette</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>Satellitenplatz %1 ist frei, aber nicht in der freien Kette</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>Transponder von Satellit %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>Transponder %1 von Satellit %2 ist nicht belegt</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>Transponder %1 ist in den Ketten der Satelliten %2 und %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>Transponderzahl ist %1, aber die Satelliten enthalten %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>freie Transponderkette</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>freie Transponderkette: Datensatz %1 ist belegt</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>Kanalkette der Art 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>Kanalkette der anderen Art</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: Kanal %2 ist nicht belegt</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: Kanal %2 ist von der Art %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>Kanäle der %1 von Satellit %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>Art 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>anderen Art</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: Kanal %2 gehört nicht dorthin</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>Kanalkette der Gruppe %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: Kanal %2 ist kein Mitglied</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>freie Kanalkette</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>freie Kanalkette: Kanal %1 ist belegt</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>Kanal %1 ist frei, aber nicht in der freien Kette</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>Kanal %1 ist nicht in der Kette seiner Art</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>Kanal %1 ist in keiner Kette seines Satelliten %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>Kanal %1 ist nicht in der Gruppenkette %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>Kanal %1 liegt auf Transponder %2, der kein Transponder seines Satelliten %3 ist</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n Transponder-Datensatz ist in keiner Kette</numerusform>
            <numerusform>%n Transponder-Datensätze sind in keiner Kette</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>Satellit umbenannt: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>Satellit verschoben: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: Transponder </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>hinzugefügt: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>entfernt: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>geändert: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>Satellit hinzugefügt: %1, %n Transponder</numerusform>
            <numerusform>Satellit hinzugefügt: %1, %n Transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>Satellit entfernt: %1, %n Transponder</numerusform>
            <numerusform>Satellit entfernt: %1, %n Transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Die Datei wurde von einem anderen Programm geändert, nachdem sie gelesen wurde.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>SAT hinzufügen</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>SAT bearbeiten</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>SAT löschen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Die Datenbank passt nicht!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Es wurde nichts gespeichert: Die Datenbank und ihre Datei sind unverändert.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>Die Transponderkette dieses Satelliten ist in der Datenbank beschädigt.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>Die Transponderliste passt nicht mehr zur Datenbank; wählen Sie den Satelliten erneut.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Die Transponder konnten nicht gespeichert werden: Die Datenbank ist in ihrem Umfeld widersprüchlich.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>Die Transpondertabelle ist voll: Sie fasst %1 Transponder für alle Satelliten zusammen.
%n der %2 neuen Zeilen konnte nicht gespeichert werden. Löschen Sie Transponder, die Sie nicht mehr brauchen, und übernehmen Sie erneut.
</numerusform>
            <numerusform>Die Transpondertabelle ist voll: Sie fasst %1 Transponder für alle Satelliten zusammen.
%n der %2 neuen Zeilen konnten nicht gespeichert werden. Löschen Sie Transponder, die Sie nicht mehr brauchen, und übernehmen Sie erneut.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>Transponderliste</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>TP hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>TP l&amp;öschen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Überschreiben: Ihr jetziger Inhalt wird in den Sicherungen aufbewahrt. Neu laden: Die hier gemachten Änderungen werden verworfen. Abbrechen: Beides bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>Die Transponderliste hat Änderungen, die nicht übernommen wurden; das Wiederherstellen der Sicherung verwirft sie.

Trotzdem wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>Die Transponderliste hat Änderungen, die nicht übernommen wurden, und die Datenbankdatei enthält sie noch nicht.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>Die Datenbank hat Änderungen, die noch nicht in ihrer Datei gespeichert wurden.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>Zeile %1: mehr als %2 Zellen</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>Zeile %1: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>Zeile %1: eine Zelle länger als %2 Bytes</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>Zeile %1: ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>die Datei ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>Zeile 1: die Kopfzeile muss die Spalten Satellite, Position, Frequency, Symbol rate und Polarisation nennen</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>kein Satellitenname</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>der Satellitenname &quot;%1&quot; enthält Zeichen außerhalb von Latin-1, die das Messgerät nicht speichern kann</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>die Position &quot;%1&quot; ist keine Gradzahl</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>die Frequenz &quot;%1&quot; ist keine Zahl in MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>die Symbolrate &quot;%1&quot; ist keine Zahl in kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>die Polarisation &quot;%1&quot; ist keines von H, V, L, R, Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>die Datei ist größer als %1 MB; eine Receiverliste ist weit kleiner</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>die Datei enthält keine Satelliten; nichts zu importieren</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>die Liste enthält mehr als %1 Satelliten; das ist keine Receiverliste</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>die Liste enthält mehr als %1 Transponder; das ist keine Receiverliste</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>Satellit &quot;%1&quot; enthält mehr als %2 Transponder; das ist keine Receiverliste</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>der Name &quot;%1&quot; enthält Zeichen außerhalb von Latin-1: gespeichert als &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>der Name &quot;%1&quot; wird auf 16 Zeichen gekürzt: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>Zeile %1: die Position &quot;%2&quot; liegt außerhalb von 0..360 Grad; Satellit ausgelassen</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz liegt außerhalb der %2..%3 MHz des Messgeräts; ausgelassen</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: %2 kS/s liegt außerhalb der %3..%4 kS/s des Messgeräts; ausgelassen</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: zirkular %2 wird als Auto gespeichert</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>links (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>rechts (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Es wird nichts importiert: Nehmen Sie weniger Satelliten oder löschen Sie zuerst einige.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: ausgelassen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>Satellit hinzugefügt, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>aus &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 hinzugefügt, %3 entfernt, %4 geändert</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>ersetzen</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>zusammenführen</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  hinzugefügt: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  entfernt: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  geändert: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>Attribut-Vorgaben (&lt;!ATTLIST&gt;) werden nicht angenommen; eine Receiverliste hat keine</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>Zeile %1: Elemente mehr als %2 Ebenen tief verschachtelt; eine Receiverliste hat drei Ebenen</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>Zeile %1: ein Attributwert länger als %2 Bytes; eine Receiverliste hat Namen</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>Zeile %1: ein Element mit mehr als %2 Attributen; eine Receiverliste hat ein Dutzend</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>Zeile %1: mehr als %2 Namensraum-Deklarationen; eine Receiverliste hat keine</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>ein &lt;transponder&gt; außerhalb jedes &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>keine &lt;satellites&gt;-Liste in dieser Datei</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; braucht eine ganze Zahl in %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; ist keines von 0 (H), 1 (V), 2 (L), 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) wird als &quot;%3&quot; geschrieben: satellites.xml kann keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n Zelle, 5 erwartet</numerusform>
            <numerusform>%n Zellen, 5 erwartet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>Die Satellitentabelle ist voll: Der Import fügt %n Satelliten hinzu, und %1 ihrer %2 Plätze sind frei.</numerusform>
            <numerusform>Die Satellitentabelle ist voll: Der Import fügt %n Satelliten hinzu, und %1 ihrer %2 Plätze sind frei.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>Die Transpondertabelle ist voll: Der Import braucht %n Datensatz, und %1 ihrer %2 sind frei.</numerusform>
            <numerusform>Die Transpondertabelle ist voll: Der Import braucht %n Datensätze, und %1 ihrer %2 sind frei.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 wiederholt Zeile %3 (innerhalb %4 MHz); trotzdem gespeichert</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Receiverlisten (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>Die Transponderliste hat Änderungen, die nicht übernommen wurden; der Import ändert diesen Satelliten und verwirft sie.

Trotzdem importieren?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Es wurde nichts importiert: Die Datenbank hat die Änderung abgelehnt.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Bitte geben Sie dem Dateinamen die Endung .xml (satellites.xml) oder .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Nach %1 exportiert, mit diesen geänderten Namen:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>der Server sendet mehr als %1 Bytes; keine Receiverliste ist so groß</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>der Server kündigt %1 Bytes an; keine Receiverliste ist so groß</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>der Server hat %1 Sekunden lang nichts gesendet</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>der Server antwortete %1, nannte aber keine neue Adresse</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>mehr als %1 Umleitungen; die letzte nach %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>die Kopie im Cache %1 wird nicht gelesen: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>es gibt keine Kopie im Cache</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>die Kopie im Cache %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>ist ein symbolischer Link; der Cache wird nicht darüber geführt</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>die Prüfung ist im Cache nicht vermerkt: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>die Liste wird nicht im Cache aufbewahrt: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>was der Server gesendet hat, ist keine Receiverliste: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>die Adresse enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>keine gültige Adresse: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>keine gültige Adresse</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>nur http://- und https://-Adressen werden abgerufen, nicht %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>ein bloßer Name</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>die Adresse nennt keinen Server</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>ein Benutzername oder Passwort in der Adresse wird nicht gesendet</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>umgeleitet nach %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>von https umgeleitet nach %1, das nicht verschlüsselt ist; nicht gefolgt</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>ein anderes Programm schreibt diese Datei; später erneut versuchen</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 Bytes, mehr als %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Die Datenbank passt nicht!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>Fehler beim Öffnen der Datei: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Übernehmen und speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Bleiben</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>Über&amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>Die Transponderliste hat Änderungen, die nicht übernommen wurden; der Plan zeigt die Datenbank neu und verwirft sie.

Trotzdem importieren?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Es wurde nichts geändert: die Datenbank hat den Plan abgelehnt.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Noch ist kein Standort gespeichert: geben Sie ihn zuerst unter Datei &gt; Plan für einen Standort... ein.</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Bitte geben Sie dem Dateinamen die Endung .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skew</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>In der Datenbank</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>Transponder behalten</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Wie viele der %1 Transponder der Liste das Messgerät für diesen Satelliten behält; leer: wie der Plan sie aufteilt.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
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
        <translation>Ausrichtungsblatt: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Standort %1 (%2). Mindestelevation %3 Grad.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azimut: rechtweisend, Grad im Uhrzeigersinn ab geographisch Nord; einen Magnetkompass um die örtliche Missweisung berichtigen. Elevation: Grad über dem Horizont. Skew: ein positiver Skew dreht das LNB gegen den Uhrzeigersinn, von hinter der Schüssel zum Satelliten hin gesehen.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skew</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>unter dem Horizont</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>unter der Mindestelevation</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>Die Datenbank enthält keinen Satelliten.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>Dies ist die Datenbank selbst; sie wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>Dies ist keine reguläre Datei; sie wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>Das Blatt konnte nicht gesetzt werden.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager läuft. Er öffnet neu erscheinende serielle Geräte (meist ttyACM) und sendet ihnen eine Weile Modembefehle, was den Austausch mit dem Messgerät stört. Warten Sie nach dem Einstecken des Adapters eine halbe Minute und versuchen Sie es erneut. Dauerhaft: Die udev-Regel des Orbivane-Pakets weist ModemManager an, die Adapter des Messgeräts in Ruhe zu lassen; ohne sie beenden Sie den Dienst, wenn Sie kein Mobilfunkmodem verwenden:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (der Dienst für Braillezeilen) läuft. Er hält manche USB-Seriell-Adapter (CH340, CP210x) für Braillezeilen, und dann erscheint für sie kein serielles Gerät. Wenn Sie keine Braillezeile verwenden, entfernen Sie ihn und stecken Sie den Adapter erneut ein:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>%1-Adapter ohne serielles Gerät: BRLTTY hat ihn belegt</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>Der USB-Seriell-Adapter %1 ist eingesteckt, aber es ist kein serielles Gerät daraus entstanden.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>%1-Adapter ohne seriellen Treiber</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>Der USB-Seriell-Adapter %1 ist eingesteckt, aber es ist kein serielles Gerät daraus entstanden: Sein Treiber fehlt oder ist nicht geladen. Laden Sie ihn und stecken Sie den Adapter erneut ein:
    sudo modprobe %2
Wird das Modul nicht gefunden, installieren Sie die zusätzlichen Kernelmodule (Paket linux-image-...) für Ihren Kernel.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Es ist kein serielles Gerät vorhanden, also steht nichts für diesen Port.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Es gibt kein Gerät %1.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>kein serielles Gerät vorhanden</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Stecken Sie den USB-Seriell-Adapter des Messgeräts ein und wählen Sie dann den Port erneut. &apos;orbivane-cli ports&apos; listet die vorhandenen seriellen Geräte und welcher COM-Port für jedes steht.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Ihr Konto darf %1 nicht öffnen (Eigentümer %2, Gruppe %3, Modus %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>Die udev-Regel des Orbivane-Pakets ist installiert, hat Ihnen dieses Gerät aber nicht gegeben: Sie deckt die üblichen Adapter ab, für den am Bildschirm angemeldeten Benutzer. Für einen anderen Adapter kann ein Administrator eine Zeile in /etc/udev/rules.d/70-orbivane-local.rules ergänzen (die Regeldatei sagt, wie); stecken Sie den Adapter danach erneut ein.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Oder installieren Sie das Orbivane-Paket: Seine udev-Regel lässt den Benutzer am Bildschirm den USB-Adapter des Messgeräts ohne Gruppe öffnen.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Fügen Sie es der Gruppe des Geräts hinzu:
    sudo usermod -aG %1 $USER
melden Sie sich dann ab und wieder an: Eine neue Gruppe zählt erst ab der nächsten Anmeldung. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Keine Gruppe gewährt Zugriff darauf, ein Gruppenbeitritt hilft also nicht: Nur eine udev-Regel, die das Gerät Ihnen oder einer Gruppe übergibt, oder ein Administrator kann helfen. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Das Orbivane-Paket bringt eine solche Regel für die üblichen Adapter mit: Bitten Sie einen Administrator, es zu installieren, und stecken Sie den Adapter danach erneut ein.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>belegt von ModemManager (PID %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>belegt von BRLTTY (PID %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Ein anderes Programm hat %1 geöffnet; das System sagt nicht, welches (es läuft vielleicht unter einem anderen Konto). Üblich sind ein Terminalprogramm (minicom, screen, picocom), ein weiteres Orbivane oder ModemManager. Schließen Sie es und wählen Sie dann den Port erneut.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 %3 geöffnet.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>haben</translation>
    </message>
    <message>
        <source>has</source>
        <translation>hat</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Schließen Sie %1 (oder beenden Sie %2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>them</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>it</source>
        <translation>es</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Schließen Sie Ihr anderes Orbivane-Fenster (oder lassen Sie zuerst seine Übertragung enden).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Lassen Sie Ihr orbivane-cli zu Ende laufen oder beenden Sie es mit Strg+C in seinem Terminal.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>belegt von %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Wählen Sie dann den Port erneut.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>der Port öffnet sich, aber kein Messgerät antwortet</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 öffnet sich, aber kein Messgerät hat geantwortet. Prüfen Sie, ob das Messgerät eingeschaltet ist, das Kabel an beiden Enden fest sitzt und dies der Port des Messgeräts ist: &apos;orbivane-cli ports&apos; listet die vorhandenen seriellen Geräte, &apos;orbivane-cli probe --port DEVICE&apos; probiert eines aus.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 %2 den Port ebenfalls geöffnet</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>keine Antwort; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 ist kein serielles Gerät. Wählen Sie den Port des Adapters des Messgeräts; &apos;orbivane-cli ports&apos; listet die vorhandenen seriellen Geräte.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>Das System hat das Öffnen von %1 verweigert: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager läuft (PID %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY läuft</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>COM-Port wählen</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>Software &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>Parameter l&amp;esen</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>Parameter &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>Parameter &amp;bearbeiten</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>Verbindung mit com%1 hergestellt</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>Verbindung mit com%1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>kein Gerät für COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (nicht vorhanden)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>Kein COM-Port gewählt</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Details...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Die Änderungen jetzt übernehmen und speichern?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Die Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

Überschreiben?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Neu laden und die hier gemachten Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Datendateien (*.bin);;Alle Dateien (*)</translation>
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
        <translation>Plan für einen Standort</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transpondern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n Transponder</numerusform>
            <numerusform>%n Transpondern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanälen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanälen</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): Satellit mit seinen %3 und %4 entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n Kanal entfällt mit den Transpondern, die die behaltenen Satelliten verlieren</numerusform>
            <numerusform>%n Kanäle entfallen mit den Transpondern, die die behaltenen Satelliten verlieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n Transponder der Liste liegt außerhalb der Bereiche des Messgeräts; ausgelassen</numerusform>
            <numerusform>%n Transponder der Liste liegen außerhalb der Bereiche des Messgeräts; ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n Transponder der Liste wiederholt einen anderen seines Satelliten; einmal übernommen</numerusform>
            <numerusform>%n Transponder der Liste wiederholen einen anderen ihres Satelliten; einmal übernommen</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Das Messgerät hält %1 von %2 Satelliten und %3 von %4 Transpondern</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; die Transponder der Liste passen nicht alle, daher behält jeder Satellit einen Anteil</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>schreiben Sie ihn als 52.52,13.40 oder 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>die Breite %1 liegt jenseits von 90 Grad Nord oder Süd</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>die Länge %1 liegt jenseits von 180 Grad Ost oder West</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>der Standort ist %n Zeichen lang; ein Standort hat höchstens %1</numerusform>
            <numerusform>der Standort ist %n Zeichen lang; ein Standort hat höchstens %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>der Standort enthält ein Steuerzeichen; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>kein Standort angegeben; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; nennt zwei Breiten; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; nennt zwei Längen; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; gibt bei einer Zahl ein Vorzeichen und einen Hemisphären-Buchstaben an; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; ist keine Breite und Länge; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Bitte einen Satellitennamen eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Bitte eine Zahl zwischen 0 und 360 eingeben.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Bitte nicht mehr als 16 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Der Satellitenname kann nur Latin-1-Zeichen enthalten (Buchstaben, Ziffern und die üblichen Zeichen westeuropäischer Sprachen).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>Satellitenliste</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>SAT hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>SAT l&amp;öschen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Nach Name oder Position filtern</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Satellitenfilter</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Lädt Software und Parameterdatenbanken in ein Satellitenfinder-Messgerät an einem seriellen Port und bearbeitet Datenbankdateien.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt die Versionsinformation an.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Eine Parameterdatenbankdatei, die zum Bearbeiten geöffnet wird.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Versuchen Sie &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Aufruf: orbivane [Optionen] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>nur eine Datei kann geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Die angegebene Datei kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Unbekannter Rahmen %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Diese Datenbankdatei ist beschädigt:

- %1

Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>Diese Software passt nicht zu Ihrem Messgerät!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Diese Softwareversion ist nicht höher als die derzeit verwendete, 
möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Bitte eine richtige Update-Datei wählen
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Fehler des seriellen Kommunikationsgeräts</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Die angegebene Datei kann nicht geschrieben werden!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 von %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, noch %1:%2</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Bitte das Messgerät eingeschaltet lassen und etwa 2 Minuten warten, das Messgerät startet automatisch neu!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>Datenübertragung abgeschlossen!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Bei der Übertragung ist ein Fehler aufgetreten. Code:%1
Bitte starten Sie die STB neu.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>Übertragungsfortschritt %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Bitte eine richtige Datenbank-Parameterdatei wählen
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 enthält %2 Bytes, mehr als die Sicherungen als Kopie aufbewahren (%3 MB). Das Lesen würde sie ersetzen, ohne dass eine Kopie bleibt.

Trotzdem ersetzen?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>Bitte wählen Sie den richtigen COM-Port, an dem Ihr Messgerät angeschlossen ist.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tarnwell. Ver:1.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMeterDlg</name>
    <message>
        <source>Meterdesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation type="unfinished"></translation>
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
  diff  A B                    what differs between two database files
  backups [FILE]               the kept versions of saved files and meter reads
  --version                    the version of orbivane-cli

P is COMn, a device path or a /dev/serial/by-id name; without --port, the port the window
saved. &apos;orbivane-cli COMMAND --help&apos; tells more.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit codes:
  0    done
  1    check found problems; diff found differences
  2    usage error
  3    file error (cannot read or write it, not the right kind of file, or replacing it
       would lose what it holds)
  4    the port cannot be opened
  5    the meter does not answer
  6    the transfer failed (the message gives the meter&apos;s code and its meaning)
  7    refused: load asks a question (model differs, version not higher), export would replace
       a file (--force answers Yes); import does not fit the meter&apos;s tables
  130  interrupted (SIGINT, SIGTERM)
With several ports, the code of the first port that failed.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adding it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  added: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open file error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortStatusLabel</name>
    <message>
        <source>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Details...&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

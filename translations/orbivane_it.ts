<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>un collegamento simbolico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non un file normale</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB, molto più di un database</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>non un database (%1 byte)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, non supera il controllo della struttura</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>non una versione (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>illeggibile (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>misuratore %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 supera i %2 MB, molto più di un database; il suo contenuto non è stato conservato</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: impossibile creare la cartella</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n satellite, %1 transponder</numerusform>
            <numerusform>%n satelliti, %1 transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Non è stato possibile conservare una copia di backup:
%1

Ciò che hai chiesto viene eseguito comunque. Questo avviso compare una volta per sessione.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>Informazioni su Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane versione 1.0</translation>
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
        <translation>Confronta con %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>Dal database aperto (come applicato l&apos;ultima volta) a %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Modifica il satellite</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Nome satellite</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>gradi (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Importa da %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtra per nome o posizione</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>I transponder con la stessa polarizzazione le cui frequenze distano al massimo questo valore sono lo stesso transponder.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Satelliti del file:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Stesso transponder entro:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Prendi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>I transponder sono</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Spunta i satelliti da prendere: ciò che farebbe l&apos;importazione compare qui prima che cambi qualcosa.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Anteprima:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>sostituiti</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>uniti</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>un nuovo satellite</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Qui si trova più di un satellite del database: verifica a quale corrisponde il satellite del file.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>%n satellite preso (%1 nuovi, %2 esclusi); transponder: %3 aggiunti, %4 rimossi, %5 modificati. L&apos;importazione modifica il database in memoria in un solo passo (Modifica &gt; Annulla la revoca); Applica la scrive nel file.</numerusform>
            <numerusform>%n satelliti presi (%1 nuovi, %2 esclusi); transponder: %3 aggiunti, %4 rimossi, %5 modificati. L&apos;importazione modifica il database in memoria in un solo passo (Modifica &gt; Annulla la revoca); Applica la scrive nel file.</numerusform>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Ripristina un backup...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;sporta...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Confronta con un file...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Rip&amp;eti</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Rimuovi transponder &amp;doppi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aiu&amp;to</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>Ma&amp;nuale</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Mostra i &amp;log di trasferimento</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>la cartella dei log di trasferimento</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>Informazioni su &amp;Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Rip&amp;eti %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>Impossibile trovare %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>il manuale</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Nessun programma di questo sistema ha potuto aprire %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Modifica &amp;parametri...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>Piano per &amp;un sito...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Esporta fo&amp;glio di puntamento...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>C&amp;hiudi</translation>
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
        <translation>Non è stato possibile avere l&apos;elenco del server (%1); questa è la copia scaricata %2 fa.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Piano per un sito</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 o 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> gradi</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml o un elenco CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Leggi</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Nessun elenco ancora letto: la tabella mostra i satelliti del database.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>Si&amp;to:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>Elevazione &amp;minima:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>&amp;Origine:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>S&amp;atelliti (spunta quelli che il misuratore mantiene; scrivi una quota per mantenere meno o più transponder di un satellite):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Satelliti: %v di %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transponder: %v di %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Ante&amp;prima:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Elenchi per ricevitori (*.xml *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Scrivi il sito in cui si trovano le parabole.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, Nord ed Est positivi.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: %2 satelliti, %3 transponder.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>L&apos;elenco</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Lettura fermata; il piano è com&apos;era.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>L&apos;elenco non è stato letto; il piano è com&apos;era.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Ripristina un backup</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Nessun backup per ora. Il contenuto precedente di un file viene conservato ogni volta che lo si salva, e così ogni database letto da un misuratore.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Scegli una versione da aprire. Prende il posto del database in modifica (Annulla la revoca) e arriva al suo file quando applichi; se non ce n&apos;è uno aperto, indica un file in cui conservarla.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>letto dal misuratore</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>sovrascritto</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Con&amp;fronta</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>trasferimento dati in corso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>connessione a com%1 non riuscita</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>Elimina TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>AGGIUNGI TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
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
        <translation>Aggiungi TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Modifica TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Elenca le versioni conservate, dalla più recente: data, origine (saved over = sovrascritto, read from meter = letto dal misuratore), file o misuratore, contenuto e copia archiviata. Con FILE, solo le versioni di quel file. Ricopiane una con cp, oppure aprila nella finestra con File &gt; Ripristina un backup.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Controlla la struttura di un file di database: ogni catena completa e collegata in entrambi i sensi, ogni conteggio corretto, ogni record in uso o libero. Una riga per violazione.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: nessun comando indicato
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: comando sconosciuto &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Uso: orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1: %2
Prova &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 richiede un numero intero da %2 a %3, non &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>argomento mancante</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: Impossibile leggere il file indicato!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: è il database %2 stesso; non sostituito</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: esiste e non è un file normale; non sostituito</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: esiste; non sostituito (--force lo sostituisce e ne conserva il contenuto nell&apos;archivio dei backup)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: non sostituito, perché non è stato possibile conservarne il contenuto: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Ciò che differisce dal database A al database B: satelliti aggiunti, rimossi, rinominati, spostati (posizione orbitale); per satellite, transponder aggiunti, rimossi e modificati. I satelliti sono abbinati per nome, poi per posizione.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Output in JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Scrive ogni satellite e transponder del database DB in OUT, come satellites.xml (--xml, OUT che termina in .xml) o come CSV per fogli di calcolo (--csv, OUT che termina in .csv). &apos;orbivane-cli import&apos; rilegge entrambi senza modifiche. Un OUT esistente viene sostituito solo con --force, e prima il suo contenuto viene conservato nell&apos;archivio dei backup; DB stesso non viene mai sostituito.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, come lo usano i ricevitori.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), una riga per transponder.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>Sostituisci OUT se esiste (il suo contenuto viene conservato nell&apos;archivio).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>indica una delle opzioni --xml e --csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2 scrive un file che termina in %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Prende i satelliti di SOURCE (satellites.xml o CSV) nel database DB e stampa ciò che cambia, satellite per satellite, e ciò che il misuratore non può contenere così com&apos;è. Un satellite va a quello di DB nella stessa posizione, altrimenti viene aggiunto. Non si importa nulla se le tabelle non possono contenere tutto. DB viene salvato, salvo con --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Solo il satellite o i satelliti di SOURCE a POS gradi (19.2, 19.2E, 5W, -5; 177W è 183), o entro un decimo se nessuno è esattamente a POS; ripeti per indicarne altri. Predefinito: tutti.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>I transponder di un satellite diventano quelli di SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Vengono aggiunti solo i transponder che mancano a DB (predefinito).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Frequenze distanti al massimo MHZ (stessa polarizzazione) sono un solo transponder: da 0 a 100. Predefinito: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Stampa l&apos;anteprima; non cambia nulla.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Salva anche se un altro programma ha modificato DB durante l&apos;importazione.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>indica --replace o --merge, non entrambi</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite richiede gradi (19.2, 5W, -5, 183), non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 non ha satelliti a %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: più satelliti di %2 si trovano vicino: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>scelto &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>viene aggiunto</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>non è stato importato nulla: il database ha rifiutato la modifica</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: avviso: nessun backup conservato: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Non è stato salvato nulla (--force salva sopra).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>I satelliti di un file di database nell&apos;ordine dell&apos;elenco, con posizione e numero di transponder; totali; record liberi rimasti.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>liberi: %1 posti satellite, %2 record di transponder, %3 record di canale</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Sì (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> No (rifiutato; --force risponde Sì)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>il misuratore ha salutato una seconda volta (FT_IDENT) a metà trasferimento</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>il misuratore ha inviato altro rispetto al suo database: un frame inatteso, più byte di quanti ne contenga l&apos;immagine, oppure FT_END prima dell&apos;immagine completa</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>il misuratore ha inviato un frame inatteso, oppure FT_END prima di avere il file completo</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>il misuratore non ha risposto entro 400 ms</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>codice sconosciuto</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>nessun dispositivo corrisponde a %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>connessione a %1 non riuscita (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: non riuscito: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>connessione a %1 non riuscita: il misuratore non risponde</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Impossibile scrivere il log %1: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: interrotto</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, letto in %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, %1 inviato</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>il misuratore ha smesso di rispondere al %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rifiutato: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>codice di errore del misuratore %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>la linea si è interrotta: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>il trasferimento non è stato completato</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: le porte COM sono numerate da 1 a 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>un nome di porta vuoto (indica COMn, un percorso di dispositivo o un nome in /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Elenca da COM1 a COM10 con il dispositivo a cui corrisponde ciascuna (ORBIVANE_COM&lt;n&gt;, l&apos;impostazione Devices/COM&lt;n&gt; della finestra, o l&apos;n-esimo dispositivo presente), poi ogni dispositivo seriale presente.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Nessun dispositivo seriale presente.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Dispositivi seriali presenti:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>impossibile aprire: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>si può aprire</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Il test di connessione della finestra; stampa la parola di identità di ogni misuratore.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Legge il database del misuratore nel file TARGET. Con più --port, ogni misuratore viene letto contemporaneamente nella cartella TARGET come &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (porte con lo stesso nome in cartelle diverse come a-meter, b-meter). Un&apos;immagine che non supera il controllo della struttura viene conservata come l&apos;ha inviata il misuratore, con un avviso.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Scrive il database FILE nel misuratore o nei misuratori. Un file di dimensione errata viene rifiutato prima di inviare qualsiasi cosa; anche uno che non supera il controllo della struttura, salvo con --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Carica il software di FILE nel misuratore o nei misuratori. Dove la finestra chiederebbe (modello diverso, versione non superiore), il caricamento viene rifiutato, a meno che --force risponda Sì.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: Impossibile leggere il file indicato!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Scegli un file di aggiornamento corretto</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Scegli un file di parametri del database corretto (%2 byte, non %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: non supera il controllo della struttura; inviato comunque (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: non supera il controllo della struttura; non inviato (--force lo invia comunque)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 e %2 condividerebbero il nome %3 per i loro file; indica uno dei due con un altro percorso</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>La porta del misuratore: COMn, un percorso di dispositivo o un nome in /dev/serial/by-id; ripeti per più misuratori contemporaneamente. Predefinito: la porta salvata dalla finestra.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Nessun avanzamento sullo standard error.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Rispondi Sì dove la finestra chiede (modello diverso, versione non superiore).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Sostituisci un TARGET troppo grande perché i backup ne conservino una copia.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Invia un file che non supera il controllo della struttura.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Scrivi un log della linea (ora, tipo, lunghezza e primi byte di ogni frame, e come è terminata) in FILE; con più --port, uno per misuratore come FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Rinuncia quando il misuratore tace così a lungo a metà trasferimento: da 1 a 3600 (predefinito 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 è indicato due volte</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 byte, più di quanto i backup conservino in copia (%3 MB); non sostituito (--force lo sostituisce)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>interrotto: arresto in corso</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>totale: %n satellite, %1 transponder, %2 canali</numerusform>
            <numerusform>totale: %n satelliti, %1 transponder, %2 canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: avviso: %1: l&apos;immagine letta da %2 non supera il controllo della struttura (%n problema); conservata come l&apos;ha inviata il misuratore (&apos;orbivane-cli check %1&apos; lo elenca)</numerusform>
            <numerusform>orbivane-cli: avviso: %1: l&apos;immagine letta da %2 non supera il controllo della struttura (%n problemi); conservata come l&apos;ha inviata il misuratore (&apos;orbivane-cli check %1&apos; li elenca)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>scaricato</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>invariato sul server dalla copia nella cache</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>la copia nella cache del %1 (vecchia di %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: interrotto; la copia nella cache è rimasta com&apos;era</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: avviso: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Scarica l&apos;elenco di ricevitore (satellites.xml o CSV) all&apos;URL, un indirizzo http:// o https://, nella cartella della cache %1, e con OUT anche nel file OUT. Al server si chiede solo una copia più recente di quella nella cache. Se non è raggiungibile, rifiuta o invia qualcosa che non è un elenco, si usa la copia nella cache e se ne indica l&apos;età. Un download interrotto, o uno che non si legge come elenco, non sostituisce né la copia nella cache né OUT. Un OUT esistente viene sostituito solo con --force, conservandone prima il contenuto nell&apos;archivio dei backup. L&apos;elenco della finestra è %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Rinunciare quando il server tace così a lungo: da 1 a 3600 (predefinito 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n satellite, %2 transponder; %3</numerusform>
            <numerusform>%1: %n satelliti, %2 transponder; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Pianifica quali satelliti il database DB mantiene per il sito, e quali transponder mantiene ciascuno, dall&apos;elenco di ricevitore LIST (satellites.xml o CSV), entro i 64 satelliti e 2500 transponder del misuratore; stampa il piano e cosa cambia. I satelliti di DB sotto l&apos;elevazione minima vengono rimossi con i loro canali; quelli visibili restano, e i satelliti visibili di LIST vengono aggiunti, i più alti per primi, finché c&apos;è posto. Un satellite di LIST prende i transponder di LIST, o una quota distribuita sulle sue bande e polarizzazioni quando non entrano tutti. DB viene salvato (conservandone prima il contenuto come backup) salvo con --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>L&apos;elenco di ricevitore: satellites.xml o CSV, un file o un indirizzo http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Stampa il piano; non cambia nulla.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Salva anche quando un altro programma ha modificato DB durante la pianificazione.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>indicare l&apos;elenco: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>non è stato cambiato nulla: il database ha rifiutato il piano</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: non è stato letto nessun elenco</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Dove si trovano le parabole: 52.52,13.40 o 52.52N 13.40E (Nord ed Est positivi). Predefinito: il sito che la finestra conserva.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>L&apos;elevazione minima di un satellite che valga la pena di tenere, da 0 a 90 gradi. Predefinito: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>indicare il sito: --site LAT,LON (nessuno è conservato nelle impostazioni)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation accetta gradi da 0 a 90, non &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Sito %1, elevazione minima %2 gradi</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>L&apos;elevazione, l&apos;azimut vero e l&apos;inclinazione dell&apos;LNB, visti dal sito, di ogni satellite delle SOURCE (file di database, elenchi satellites.xml o CSV, file o indirizzi http(s)://), una riga ciascuno: prima quelli all&apos;elevazione minima o sopra, poi gli altri, ogni parte per azimut. Un satellite presente in più SOURCE (stessa posizione e nome) è mostrato una volta. Un&apos;inclinazione positiva ruota l&apos;LNB in senso antiorario visto da dietro la parabola.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: riga %2: &quot;%3&quot; non si trova in nessun punto dell&apos;arco (%4); escluso</translation>
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
        <translation>Uso: orbivane-cli COMANDO [OPZIONI] [ARGOMENTI]
Ogni operazione sul misuratore di Orbivane da un terminale.

Comandi:
  ports                        le porte COM e i dispositivi seriali presenti
  probe [--port P]...          il test di connessione; stampa la parola di identità del misuratore
  read  [--port P]... TARGET   il database del misuratore in un file (una cartella se sono più d&apos;uno)
  write [--port P]... FILE     un file di database nel misuratore o nei misuratori
  load  [--port P]... FILE     il software nel misuratore o nei misuratori
  info  FILE                   satelliti, totali e record liberi di un file di database
  check FILE                   il controllo della struttura di un file di database
  import DB SOURCE             un elenco satellites.xml o CSV in un file di database
  export DB OUT (--xml|--csv)  un file di database come satellites.xml o CSV
  fetch URL [OUT]              un elenco di ricevitore pubblicato nella cache (e in OUT)
  diff  A B                    ciò che differisce tra due file di database
  sky   SOURCE...              angoli di puntamento da --site LAT,LON verso i satelliti di file o elenchi
  fit   DB --from LIST         i satelliti e i transponder che DB mantiene per --site LAT,LON
  sheet DB OUT                 il foglio di puntamento di DB per --site LAT,LON, in PDF
  backups [FILE]               le versioni conservate dei file salvati e delle letture dal misuratore
  --version                    la versione di orbivane-cli

P è COMn, un percorso di dispositivo o un nome in /dev/serial/by-id; senza --port, la porta salvata
dalla finestra. &apos;orbivane-cli COMANDO --help&apos; dice di più.

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
        <translation>Codici di uscita:
  0    fatto
  1    check ha trovato problemi; diff ha trovato differenze
  2    errore di utilizzo
  3    errore di file (non leggibile o scrivibile, non il tipo di file giusto, oppure sostituirlo
       ne perderebbe il contenuto); fetch: nessun elenco dal server e nessuno nella cache
  4    impossibile aprire la porta
  5    il misuratore non risponde
  6    il trasferimento non è riuscito (il messaggio dà il codice del misuratore e il suo significato)
  7    rifiutato: load pone una domanda (modello diverso, versione non superiore), export, fetch o
       sheet sostituirebbe un file (--force risponde Sì); import o fit non entra nelle tabelle del misuratore
  130  interrotto (SIGINT, SIGTERM)
Con più porte, il codice della prima porta non riuscita.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Scrive il foglio di puntamento del database DB in OUT, un PDF: ogni satellite di DB con azimut, elevazione e skew dell&apos;LNB visti dal sito, ordinati per azimut, segnati quelli sotto l&apos;elevazione minima. Un OUT esistente viene sostituito solo con --force, e il suo contenuto viene prima conservato nell&apos;archivio dei backup; DB stesso non viene mai sostituito.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... e altri %1</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: il collegamento %2 dopo il record %3 è fuori intervallo</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: torna indietro al record %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: il record %2 rimanda a %3 invece che a %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: termina a %2 ma il suo ultimo è %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: contiene %2 record ma il suo conteggio è %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>catena dei satelliti</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>catena dei satelliti: il posto %1 non è in uso</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>catena dei satelliti liberi</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>catena dei satelliti liberi: il posto %1 è in uso</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>il satellite %1 è in uso ma non è nella catena dei satelliti</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>il posto satellite %1 è libero ma non è nella catena libera</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>transponder del satellite %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>il transponder %1 del satellite %2 non è in uso</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>il transponder %1 è nelle catene dei satelliti %2 e %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>il conteggio dei transponder è %1 ma i satelliti ne contengono %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>catena dei transponder liberi</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>catena dei transponder liberi: il record %1 è in uso</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>catena dei canali di tipo 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>catena dei canali di altro tipo</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: il canale %2 non è in uso</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: il canale %2 è di tipo %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>canali %1 del satellite %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>di tipo 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>di altro tipo</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: il canale %2 non appartiene a questa catena</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>catena dei canali del gruppo %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: il canale %2 non è un membro</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>catena dei canali liberi</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>catena dei canali liberi: il canale %1 è in uso</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>il canale %1 è libero ma non è nella catena libera</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>il canale %1 non è nella catena del suo tipo</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>il canale %1 non è in nessuna catena del suo satellite %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>il canale %1 non è nella catena del gruppo %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>il canale %1 è sul transponder %2, che non è un transponder del suo satellite %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n record di transponder non è in nessuna catena</numerusform>
            <numerusform>%n record di transponder non sono in nessuna catena</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>satellite rinominato: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>satellite spostato: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: transponder </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>aggiunto: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>rimosso: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>modificato: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>satellite aggiunto: %1, %n transponder</numerusform>
            <numerusform>satellite aggiunto: %1, %n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>satellite rimosso: %1, %n transponder</numerusform>
            <numerusform>satellite rimosso: %1, %n transponder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Il file è stato modificato da un altro programma dopo essere stato letto.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Aggiungi SAT</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Modifica SAT</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Elimina SAT</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Il database non corrisponde!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Non è stato salvato nulla: il database e il suo file sono come prima.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>La catena dei transponder di questo satellite è danneggiata nel database.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>L&apos;elenco dei transponder non corrisponde più al database; seleziona di nuovo il satellite.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Non è stato possibile salvare i transponder: il database è incoerente attorno a essi.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>La tabella dei transponder è piena: contiene %1 transponder per tutti i satelliti insieme.
%n delle %2 nuove righe non è stata salvata. Elimina i transponder che non ti servono più e applica di nuovo.
</numerusform>
            <numerusform>La tabella dei transponder è piena: contiene %1 transponder per tutti i satelliti insieme.
%n delle %2 nuove righe non sono state salvate. Elimina i transponder che non ti servono più e applica di nuovo.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>elenco dei transponder</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;Aggiungi TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;Elimina TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Sovrascrivi: ciò che contiene ora viene conservato nei backup. Ricarica: le modifiche fatte qui vengono scartate. Annulla: entrambi restano come sono.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>L&apos;elenco dei transponder ha modifiche non applicate; il ripristino del backup le scarta.

Ripristinare comunque?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Ripristina backup</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>L&apos;elenco dei transponder ha modifiche non applicate, e il file del database non le contiene ancora.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>Il database ha modifiche non ancora salvate nel suo file.</translation>
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
        <translation>riga %1: più di %2 celle</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>riga %1: testo dopo una virgoletta di chiusura</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>riga %1: una cella più lunga di %2 byte</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>riga %1: una virgoletta non è chiusa</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>il file non è testo UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>riga 1: l&apos;intestazione deve nominare le colonne Satellite, Position, Frequency, Symbol rate e Polarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>la lettura è stata annullata</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>nessun nome di satellite</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>il nome di satellite &quot;%1&quot; contiene caratteri non Latin-1, che il misuratore non può memorizzare</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>la posizione &quot;%1&quot; non è un numero di gradi</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>la frequenza &quot;%1&quot; non è un numero di MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>il symbol rate &quot;%1&quot; non è un numero di kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>la polarizzazione &quot;%1&quot; non è nessuna tra H, V, L, R, Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossibile leggere il file: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>il file supera i %1 MB; un elenco di ricevitore è molto più piccolo</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>il file non contiene satelliti; niente da importare</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>l&apos;elenco contiene più di %1 satelliti; non è un elenco di ricevitore</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>l&apos;elenco contiene più di %1 transponder; non è un elenco di ricevitore</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>il satellite &quot;%1&quot; contiene più di %2 transponder; non è un elenco di ricevitore</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>il nome &quot;%1&quot; contiene caratteri non Latin-1: memorizzato come &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>il nome &quot;%1&quot; è accorciato a 16 caratteri: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importazione</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>riga %1: la posizione &quot;%2&quot; è fuori da 0..360 gradi; satellite escluso</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>riga %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz è fuori dai %2..%3 MHz del misuratore; escluso</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: %2 kS/s è fuori dai %3..%4 kS/s del misuratore; escluso</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: la circolare %2 viene memorizzata come Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>sinistra (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>destra (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Non viene importato nulla: prendi meno satelliti, oppure eliminane prima alcuni.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: escluso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>satellite aggiunto, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>da &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 aggiunti, %3 rimossi, %4 modificati</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>sostituisci</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>unisci</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  aggiunto: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  rimosso: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  modificato: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>i valori predefiniti degli attributi (&lt;!ATTLIST&gt;) non sono accettati; un elenco di ricevitore non ne ha</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>riga %1: elementi annidati per più di %2 livelli; un elenco di ricevitore ne ha tre</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>riga %1: un valore di attributo più lungo di %2 byte; un elenco di ricevitore contiene nomi</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>riga %1: un elemento con più di %2 attributi; un elenco di ricevitore ne ha una dozzina</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>riga %1: più di %2 dichiarazioni di namespace; un elenco di ricevitore non ne ha</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>un &lt;transponder&gt; fuori da ogni &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>nessun elenco &lt;satellites&gt; in questo file</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>riga %1, colonna %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; richiede un numero intero in %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; non è nessuno tra 0 (H), 1 (V), 2 (L), 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) viene scritto come &quot;%3&quot;: satellites.xml non può contenere caratteri di controllo</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Rimuovi duplicati</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n cella, ne servono 5</numerusform>
            <numerusform>%n celle, ne servono 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>La tabella dei satelliti è piena: l&apos;importazione aggiunge %n satellite e %1 dei suoi %2 posti sono liberi.</numerusform>
            <numerusform>La tabella dei satelliti è piena: l&apos;importazione aggiunge %n satelliti e %1 dei suoi %2 posti sono liberi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>La tabella dei transponder è piena: l&apos;importazione richiede %n record e %1 dei suoi %2 sono liberi.</numerusform>
            <numerusform>La tabella dei transponder è piena: l&apos;importazione richiede %n record e %1 dei suoi %2 sono liberi.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 ripete la riga %3 (entro %4 MHz); memorizzato comunque</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Elenchi di ricevitore (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>L&apos;elenco dei transponder ha modifiche non applicate; l&apos;importazione modifica questo satellite e le scarta.

Importare comunque?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Non è stato importato nulla: il database ha rifiutato la modifica.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Dai al nome del file l&apos;estensione .xml (satellites.xml) o .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Esportato in %1, con questi nomi modificati:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n ora</numerusform>
            <numerusform>%n ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n giorno</numerusform>
            <numerusform>%n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>il server invia più di %1 byte; nessun elenco di ricevitore è così grande</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>il server annuncia %1 byte; nessun elenco di ricevitore è così grande</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>il server non ha inviato nulla per %1 secondi</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>il server ha risposto %1 ma non ha indicato nessun nuovo indirizzo</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>più di %1 reindirizzamenti; l&apos;ultimo verso %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>la copia nella cache %1 non viene letta: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>non esiste una copia nella cache</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>la copia nella cache %1 non si legge: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>è un collegamento simbolico; la cache non viene tenuta attraverso di esso</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>il controllo non è annotato nella cache: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>il server ha risposto %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>l&apos;elenco non viene conservato nella cache: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>ciò che il server ha inviato non è un elenco di ricevitore: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>l&apos;indirizzo contiene caratteri di controllo</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>indirizzo non valido: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>indirizzo non valido</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>si scaricano solo indirizzi http:// e https://, non %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>un semplice nome</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>l&apos;indirizzo non indica nessun server</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>un nome utente o una password nell&apos;indirizzo non vengono inviati</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>reindirizzato a %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>reindirizzato da https a %1, che non è cifrato; non seguito</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>un altro programma sta scrivendo questo file; riprova più tardi</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un collegamento simbolico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non un file normale</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 byte, più di %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>Il database non corrisponde!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>errore di apertura del file: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>errore di apertura del file</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Applica e salva</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>Res&amp;ta</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>S&amp;ovrascrivi</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>L&apos;elenco dei transponder ha modifiche non applicate; il piano mostra di nuovo il database e le scarta.

Importare comunque?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Non è stato cambiato nulla: il database ha rifiutato il piano.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Non è ancora memorizzato alcun sito: scrivilo prima in File &gt; Piano per un sito...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Dai al nome del file l&apos;estensione .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
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
        <translation>Nel database</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>TP tenuti</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Quanti dei %1 transponder dell&apos;elenco il misuratore mantiene per questo satellite; vuoto: come li ripartisce il piano.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
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
        <translation>Foglio di puntamento: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Sito %1 (%2). Elevazione minima %3 gradi.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azimut: vero, gradi in senso orario dal nord geografico; correggi una bussola magnetica con la declinazione locale. Elevazione: gradi sopra l&apos;orizzonte. Skew: uno skew positivo ruota l&apos;LNB in senso antiorario, visto da dietro la parabola guardando verso il satellite.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevazione</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Skew</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>sotto l&apos;orizzonte</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>sotto l&apos;elevazione minima</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>Il database non contiene alcun satellite.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>È il database stesso; non viene sostituito.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>Non è un file normale; non viene sostituito.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>Non è stato possibile impaginare il foglio.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager è in esecuzione. Apre i dispositivi seriali che compaiono (soprattutto ttyACM) e per un po&apos; invia loro comandi modem, il che disturba lo scambio con il misuratore. Attendi mezzo minuto dopo aver collegato l&apos;adattatore e riprova. Per sempre: la regola udev del pacchetto Orbivane dice a ModemManager di lasciare stare gli adattatori del misuratore; senza di essa, ferma il servizio se non usi un modem mobile:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (il servizio per i display braille) è in esecuzione. Scambia alcuni adattatori seriali USB (CH340, CP210x) per display braille, e allora per essi non compare alcun dispositivo seriale. Se non usi un display braille, rimuovilo e ricollega l&apos;adattatore:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>adattatore %1 senza dispositivo seriale: l&apos;ha preso BRLTTY</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>L&apos;adattatore seriale USB %1 è collegato, ma non ne è nato alcun dispositivo seriale.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>adattatore %1 senza driver seriale</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>L&apos;adattatore seriale USB %1 è collegato, ma non ne è nato alcun dispositivo seriale: il suo driver manca o non è caricato. Caricalo e ricollega l&apos;adattatore:
    sudo modprobe %2
Se il modulo non viene trovato, installa i moduli aggiuntivi del kernel (pacchetto linux-image-...) per il tuo kernel.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Nessun dispositivo seriale è presente, quindi niente corrisponde a questa porta.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Il dispositivo %1 non esiste.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>nessun dispositivo seriale presente</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo inesistente</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Collega l&apos;adattatore seriale USB del misuratore, poi scegli di nuovo la porta. &apos;orbivane-cli ports&apos; elenca i dispositivi seriali presenti e quale porta COM corrisponde a ciascuno.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Il tuo account non può aprire %1 (proprietario %2, gruppo %3, modo %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>La regola udev del pacchetto Orbivane è installata ma non ti ha dato questo dispositivo: copre gli adattatori comuni, per l&apos;utente connesso allo schermo. Per un altro adattatore un amministratore può aggiungere una riga per esso in /etc/udev/rules.d/70-orbivane-local.rules (il file delle regole spiega come); poi ricollega l&apos;adattatore.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Oppure installa il pacchetto Orbivane: la sua regola udev permette all&apos;utente allo schermo di aprire l&apos;adattatore USB del misuratore senza alcun gruppo.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Aggiungilo al gruppo del dispositivo:
    sudo usermod -aG %1 $USER
poi esci e rientra: un nuovo gruppo vale solo dall&apos;accesso successivo. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Nessun gruppo dà accesso al dispositivo, quindi entrare in un gruppo non può servire: solo una regola udev che affidi il dispositivo a te o a un gruppo, oppure un amministratore, può farlo. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Il pacchetto Orbivane porta una regola del genere per gli adattatori comuni: chiedi a un amministratore di installarlo, poi ricollega l&apos;adattatore.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>in uso da ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>in uso da BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in uso da un altro programma</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Un altro programma ha %1 aperto; il sistema non dice quale (forse gira con un altro account). Di solito è un programma di terminale (minicom, screen, picocom), un altro Orbivane o ModemManager. Chiudilo, poi scegli di nuovo la porta.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 %3 aperto.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>hanno</translation>
    </message>
    <message>
        <source>has</source>
        <translation>ha</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Chiudi %1 (o termina%2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>them</source>
        <translation>li</translation>
    </message>
    <message>
        <source>it</source>
        <translation>lo</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Chiudi l&apos;altra finestra di Orbivane (o lascia prima finire il suo trasferimento).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Lascia finire il tuo orbivane-cli, oppure fermalo con Ctrl+C nel suo terminale.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>in uso da %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Poi scegli di nuovo la porta.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>la porta si apre, ma nessun misuratore risponde</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 si apre, ma nessun misuratore ha risposto. Verifica che il misuratore sia acceso, che il cavo sia ben inserito a entrambe le estremità e che questa sia la porta del misuratore: &apos;orbivane-cli ports&apos; elenca i dispositivi seriali presenti, &apos;orbivane-cli probe --port DEVICE&apos; ne prova uno.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 %2 anche la porta aperta</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>nessuna risposta; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>non un dispositivo seriale</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 non è un dispositivo seriale. Scegli la porta dell&apos;adattatore del misuratore; &apos;orbivane-cli ports&apos; elenca i dispositivi seriali presenti.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>Il sistema ha rifiutato di aprire %1: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager è in esecuzione (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY è in esecuzione</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>Seleziona la porta COM</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;Carica software</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;Leggi parametri</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>&amp;Scrivi parametri</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>&amp;Modifica parametri</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>connessione a com%1 riuscita</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>connessione a com%1 non riuscita</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>nessun dispositivo per COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (non presente)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>Nessuna porta COM selezionata</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Dettagli...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Applicare e salvare le modifiche ora?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Scartare le modifiche?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Ricaricarlo, scartando le modifiche fatte qui?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>File di dati (*.bin);;Tutti i file (*)</translation>
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
        <translation>Piano per un sito</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transponder</numerusform>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transponder</numerusform>
            <numerusform>%n transponder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): satellite rimosso con i suoi %3 e %4</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n canale se ne va con i transponder che i satelliti mantenuti perdono</numerusform>
            <numerusform>%n canali se ne vanno con i transponder che i satelliti mantenuti perdono</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n transponder dell&apos;elenco è fuori dagli intervalli del misuratore; escluso</numerusform>
            <numerusform>%n transponder dell&apos;elenco sono fuori dagli intervalli del misuratore; esclusi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n transponder dell&apos;elenco ripete un altro del suo satellite; preso una volta</numerusform>
            <numerusform>%n transponder dell&apos;elenco ripetono un altro del loro satellite; presi una volta</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Il misuratore contiene %1 di %2 satelliti e %3 di %4 transponder</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; i transponder dell&apos;elenco non entrano tutti, quindi ogni satellite ne tiene una quota</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>scriverlo come 52.52,13.40 o 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>la latitudine %1 supera i 90 gradi Nord o Sud</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>la longitudine %1 supera i 180 gradi Est o Ovest</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>il sito è lungo %n carattere; un sito ne accetta al massimo %1</numerusform>
            <numerusform>il sito è lungo %n caratteri; un sito ne accetta al massimo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>il sito contiene un carattere di controllo; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>nessun sito indicato; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; dà due latitudini; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; dà due longitudini; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; dà un segno e una lettera di emisfero sullo stesso numero; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; non è una latitudine e longitudine; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Inserisci un nome di satellite.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Inserisci un numero.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Inserisci un numero tra 0 e 360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Inserisci non più di 16 caratteri.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Il nome del satellite può contenere solo caratteri Latin-1 (lettere, cifre e i segni comuni delle lingue dell&apos;Europa occidentale).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>elenco dei satelliti</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;Aggiungi SAT</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;Elimina SAT</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtra per nome o posizione</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Filtro dei satelliti</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Carica software e database di parametri in un misuratore di puntamento satellitare su una porta seriale, e modifica file di database.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Un file di database di parametri da aprire per la modifica.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Prova &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Uso: orbivane [opzioni] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>si può aprire un solo file: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>il nome del file è vuoto</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Impossibile leggere il file indicato!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>È una directory</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Frame sconosciuto %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Questo file di database è danneggiato:

- %1

Scriverlo comunque?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>Questo software non corrisponde al tuo misuratore!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Questa versione del software non è superiore a quella attualmente in uso, 
vuoi continuare?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Scegli un file di aggiornamento corretto
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Errore del dispositivo di comunicazione seriale</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Impossibile scrivere il file indicato!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 di %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, %1:%2 rimanenti</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>Impossibile creare %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Tieni acceso il misuratore e attendi circa 2 minuti: il misuratore si riavvia automaticamente!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>Trasferimento dati completato!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Si è verificato un errore durante il trasferimento. Codice: %1
Riavvia lo STB.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>avanzamento del trasferimento %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Scegli un file di parametri del database corretto
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 contiene %2 byte, più di quanto i backup conservino in copia (%3 MB). La lettura lo sostituirebbe senza conservarne alcuna copia.

Sostituirlo comunque?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>scegli la porta COM corretta a cui è collegato il tuo misuratore.</translation>
    </message>
</context>
</TS>

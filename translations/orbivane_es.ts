<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 MB, mucho más que una base de datos</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>no es una base de datos (%1 bytes)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, no supera la comprobación de estructura</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>no es una versión (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>ilegible (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>medidor %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 ocupa más de %2 MB, mucho más que una base de datos; su contenido no se ha conservado</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1: no se puede crear la carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n satélite, %1 transpondedores</numerusform>
            <numerusform>%n satélites, %1 transpondedores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>No se ha podido conservar una copia de seguridad:
%1

Lo que ha pedido se lleva a cabo de todos modos. Este aviso aparece una vez por sesión.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>Acerca de Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane versión 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Tarnwell. Ver:1.2</source>
        <translation>Copyright (C) 2026 Tarnwell. Ver:1.2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>De la base de datos abierta (tal como se aplicó por última vez) a %1:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Edite el satélite</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Nombre del satélite</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>grados (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Importar de %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrar por nombre o posición</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Los transpondedores de la misma polarización cuyas frecuencias distan como mucho esta cantidad son el mismo transpondedor.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Satélites del archivo:</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Mismo transpondedor a menos de:</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Tomar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>Transpondedores se</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Marque los satélites que desea tomar: lo que haría la importación se muestra aquí antes de que cambie nada.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista previa:</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>sustituyen</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>combinan</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>un satélite nuevo</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Aquí se encuentra más de un satélite de la base de datos: compruebe a cuál corresponde el satélite del archivo.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>%n satélite tomado (%1 nuevos, %2 omitidos); transpondedores: %3 añadidos, %4 eliminados, %5 cambiados. La importación cambia la base de datos en memoria en un solo paso (Edición &gt; Deshacer lo revierte); Aplicar lo escribe en el archivo.</numerusform>
            <numerusform>%n satélites tomados (%1 nuevos, %2 omitidos); transpondedores: %3 añadidos, %4 eliminados, %5 cambiados. La importación cambia la base de datos en memoria en un solo paso (Edición &gt; Deshacer lo revierte); Aplicar lo escribe en el archivo.</numerusform>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Restaurar una copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Comparar con un archivo...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Eliminar transpondedores d&amp;uplicados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Mostrar los re&amp;gistros de transferencia</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>la carpeta de registros de transferencia</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>Acerca de &amp;Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Re&amp;hacer %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>No se encuentra %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>el manual</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Ningún programa de este sistema ha podido abrir %1:
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Editar &amp;parámetros...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>P&amp;lan para un emplazamiento...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Exportar hoja de apun&amp;tamiento...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
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
        <translation>No se pudo obtener la lista del servidor (%1); esta es la copia descargada hace %2.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Plan para un emplazamiento</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 o 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> grados</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml o una lista CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Leer</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Aún no se ha leído ninguna lista: la tabla muestra los satélites de la base de datos.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>Empla&amp;zamiento:</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>Elevación &amp;mínima:</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>Sa&amp;télites (marque los que conserva el medidor; escriba una cuota para conservar menos o más transpondedores de un satélite):</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Satélites: %v de %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transpondedores: %v de %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>&amp;Vista previa:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Listas de receptor (*.xml *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Escriba el emplazamiento donde están las antenas.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, Norte y Este positivos.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1: %2 satélites, %3 transpondedores.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La lista</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Lectura detenida; el plan queda como estaba.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>La lista no se leyó; el plan queda como estaba.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Aún no hay copias de seguridad. El contenido anterior de un archivo se conserva cada vez que se guarda, y también cada base de datos leída de un medidor.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Elija una versión para abrir. Ocupa el lugar de la base de datos en edición (Deshacer lo revierte) y llega a su archivo al aplicar; si no hay ninguna abierta, indique un archivo donde guardarla.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>leída del medidor</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>sobrescrita</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparar</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>transfiriendo datos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>fallo al conectar con com%1</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>Eliminar TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>AÑADIR TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>T.símb.</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Añadir TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Editar TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Lista las versiones conservadas, la más reciente primero: fecha, origen (saved over = sobrescrita, read from meter = leída del medidor), archivo o medidor, contenido y la copia archivada. Con FILE, solo las versiones de ese archivo. Copie una de vuelta con cp, o ábrala en la ventana con Archivo &gt; Restaurar una copia de seguridad.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Comprueba la estructura de un archivo de base de datos: cada cadena completa y enlazada en ambos sentidos, cada recuento correcto, cada registro en uso o libre. Una línea por infracción.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli: no se ha indicado ninguna orden
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli: orden desconocida &apos;%1&apos;
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
Pruebe &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 admite un número entero de %2 a %3, no &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>falta un argumento</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1: ¡No se puede leer el archivo indicado!</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1: es la propia base de datos %2; no se sustituye</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1: existe y no es un archivo normal; no se sustituye</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1: existe; no se sustituye (--force lo sustituye y conserva su contenido en el archivo de copias de seguridad)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1: no se sustituye, ya que no se ha podido conservar su contenido: %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Lo que difiere de la base de datos A a la base de datos B: satélites añadidos, eliminados, renombrados, movidos (posición orbital); por satélite, transpondedores añadidos, eliminados y cambiados. Los satélites se emparejan por nombre y luego por posición.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Salida en JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Escribe cada satélite y transpondedor de la base de datos DB en OUT, como satellites.xml (--xml, OUT terminado en .xml) o como CSV para hojas de cálculo (--csv, OUT terminado en .csv). &apos;orbivane-cli import&apos; vuelve a leer cualquiera de los dos sin cambios. Un OUT existente solo se sustituye con --force, y antes su contenido se conserva en el archivo de copias de seguridad; DB nunca se sustituye.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, tal como lo usan los receptores.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), una fila por transpondedor.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>Sustituir OUT si existe (su contenido se conserva en el archivo).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>indique una de las opciones --xml y --csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1: --%2 escribe un archivo terminado en %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Toma los satélites de SOURCE (satellites.xml o CSV) en la base de datos DB y muestra lo que cambia, satélite por satélite, y lo que el medidor no puede guardar tal cual. Un satélite va al de DB en la misma posición; si no hay ninguno, se añade. No se importa nada si las tablas no pueden contenerlo todo. DB se guarda salvo con --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Solo el satélite o los satélites de SOURCE a POS grados (19.2, 19.2E, 5W, -5; 177W es 183), o a una décima a cada lado si no hay ninguno justo en POS; repítalo para más. Por defecto: todos.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Los transpondedores de un satélite pasan a ser los de SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Solo se añaden los transpondedores que faltan en DB (por defecto).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Frecuencias separadas como mucho MHZ (misma polarización) son un solo transpondedor: de 0 a 100. Por defecto: 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Mostrar la vista previa; no cambiar nada.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Guardar aunque otro programa haya cambiado DB durante la importación.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>indique --replace o --merge, no ambos</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1: %2
No se ha importado nada.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite requiere grados (19.2, 5W, -5, 183), no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 no tiene ningún satélite en %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot;: varios satélites de %2 están cerca: %3; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>se toma &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>se añade</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>no se ha importado nada: la base de datos rechazó el cambio</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli: aviso: no se ha conservado ninguna copia de seguridad: %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>No se ha guardado nada (--force lo guarda encima).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Los satélites de un archivo de base de datos en el orden de la lista, con posición y número de transpondedores; totales; registros libres restantes.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>libres: %1 posiciones de satélite, %2 registros de transpondedor, %3 registros de canal</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Sí (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> No (rechazado; --force responde Sí)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>el medidor saludó por segunda vez (FT_IDENT) en mitad de la transferencia</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>el medidor envió algo distinto de su base de datos: una trama inesperada, más bytes de los que cabe en la imagen, o FT_END antes de la imagen completa</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>el medidor envió una trama inesperada, o FT_END antes de tener el archivo completo</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>el medidor no respondió en 400 ms</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>código desconocido</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>ningún dispositivo corresponde a %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>fallo al conectar con %1 (%2: %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation>: error: </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>fallo al conectar con %1: el medidor no responde</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>No se puede escribir el registro %1: %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation>: interrumpido</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, leído en %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, %1 enviado</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>el medidor dejó de responder al %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>código de error del medidor %1: %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>la línea falló: %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>la transferencia no se completó</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1: los puertos COM se numeran del 1 al 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>un nombre de puerto vacío (indique COMn, una ruta de dispositivo o un nombre de /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Lista de COM1 a COM10 con el dispositivo al que corresponde cada uno (ORBIVANE_COM&lt;n&gt;, el ajuste Devices/COM&lt;n&gt; de la ventana, o el n-ésimo dispositivo presente) y luego cada dispositivo serie presente.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>No hay dispositivos serie presentes.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Dispositivos serie presentes:</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>no se puede abrir: %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>se puede abrir</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>La prueba de conexión de la ventana; muestra la palabra de identidad de cada medidor.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Lee la base de datos del medidor en el archivo TARGET. Con varios --port, todos los medidores se leen a la vez en la carpeta TARGET como &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (puertos del mismo nombre en carpetas distintas como a-meter, b-meter). Una imagen que no supera la comprobación de estructura se conserva tal como la envió el medidor, con un aviso.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Escribe la base de datos FILE en el medidor o medidores. Un archivo de tamaño incorrecto se rechaza antes de enviar nada; uno que no supera la comprobación de estructura, también, salvo con --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Carga el software de FILE en el medidor o medidores. Donde la ventana preguntaría (modelo distinto, versión no superior), la carga se rechaza, salvo que --force responda Sí.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1: ¡No se puede leer el archivo indicado!
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1: Elija un archivo de actualización correcto</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1: Elija un archivo de parámetros de base de datos correcto (%2 bytes, no %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1: no supera la comprobación de estructura; enviado de todos modos (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1: no supera la comprobación de estructura; no enviado (--force lo envía de todos modos)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1: No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 y %2 compartirían el nombre %3 para sus archivos; indique uno de ellos con otra ruta</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>El puerto del medidor: COMn, una ruta de dispositivo o un nombre de /dev/serial/by-id; repítalo para varios medidores a la vez. Por defecto: el puerto guardado por la ventana.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Sin progreso en la salida de error estándar.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Responder Sí donde la ventana pregunta (modelo distinto, versión no superior).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Sustituir un TARGET demasiado grande para que las copias de seguridad conserven una copia.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Enviar un archivo que no supera la comprobación de estructura.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Escribir un registro de la línea (hora, tipo, longitud y primeros bytes de cada trama, y cómo terminó) en FILE; con varios --port, uno por medidor como FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Abandonar cuando el medidor calle este tiempo en mitad de la transferencia: de 1 a 3600 (por defecto 10).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1: %2 bytes, más de lo que las copias de seguridad conservan (%3 MB); no se sustituye (--force lo sustituye)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>interrumpido: deteniendo</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>total: %n satélite, %1 transpondedores, %2 canales</numerusform>
            <numerusform>total: %n satélites, %1 transpondedores, %2 canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli: aviso: %1: la imagen leída de %2 no supera la comprobación de estructura (%n problema); se conserva tal como la envió el medidor (&apos;orbivane-cli check %1&apos; lo muestra)</numerusform>
            <numerusform>orbivane-cli: aviso: %1: la imagen leída de %2 no supera la comprobación de estructura (%n problemas); se conserva tal como la envió el medidor (&apos;orbivane-cli check %1&apos; los muestra)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>descargada</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>sin cambios en el servidor desde la copia en caché</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>la copia en caché del %1 (de hace %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1: interrumpido; la copia en caché sigue como estaba</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli: aviso: %1: %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Descarga la lista de receptor (satellites.xml o CSV) de URL, una dirección http:// o https://, en la carpeta de caché %1, y con OUT también en el archivo OUT. Al servidor solo se le pide una copia más reciente que la de la caché. Si no se puede contactar, la rechaza o envía algo que no es una lista, se usa la copia en caché y se indica su antigüedad. Una descarga interrumpida, o una que no se lee como lista, no sustituye ni la copia en caché ni OUT. Un OUT existente solo se sustituye con --force, guardando antes su contenido en el archivo de copias de seguridad. La lista de la ventana es %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Desistir cuando el servidor calla este tiempo: de 1 a 3600 (predeterminado 30).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1: %n satélite, %2 transpondedores; %3</numerusform>
            <numerusform>%1: %n satélites, %2 transpondedores; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Planifica qué satélites conserva la base de datos DB para el emplazamiento, y qué transpondedores conserva cada uno, a partir de la lista de receptor LIST (satellites.xml o CSV), dentro de los 64 satélites y 2500 transpondedores del medidor; muestra el plan y lo que cambia. Los satélites de DB por debajo de la elevación mínima se eliminan con sus canales; los visibles se quedan, y los satélites visibles de LIST se añaden, los más altos primero, mientras haya sitio. Un satélite de LIST toma los transpondedores de LIST, o una parte repartida entre sus bandas y polarizaciones cuando no caben todos. DB se guarda (conservando antes su contenido como copia de seguridad) salvo con --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>La lista de receptor: satellites.xml o CSV, un archivo o una dirección http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Mostrar el plan; no cambiar nada.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Guardar aunque otro programa haya cambiado DB mientras se planificaba.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>indique la lista: --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>no se ha cambiado nada: la base de datos rechazó el plan</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1: no se ha leído ninguna lista</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Dónde están las antenas: 52.52,13.40 o 52.52N 13.40E (Norte y Este positivos). Predeterminado: el emplazamiento que guarda la ventana.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>La elevación mínima de un satélite que merezca conservarse, de 0 a 90 grados. Predeterminado: 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>indique el emplazamiento: --site LAT,LON (no hay ninguno guardado en la configuración)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation acepta grados de 0 a 90, no &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Emplazamiento %1, elevación mínima %2 grados</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>La elevación, el acimut verdadero y la inclinación del LNB, vistos desde el emplazamiento, de cada satélite de las SOURCE (archivos de base de datos, listas satellites.xml o CSV, archivos o direcciones http(s)://), una línea cada uno: primero los que están en la elevación mínima o por encima, después los demás, cada parte por acimut. Un satélite presente en varias SOURCE (misma posición y nombre) se muestra una vez. Una inclinación positiva gira el LNB en sentido antihorario visto desde detrás de la antena.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1: línea %2: &quot;%3&quot; no está en ningún punto del arco (%4); se omite</translation>
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
        <translation>Uso: orbivane-cli ORDEN [OPCIONES] [ARGUMENTOS]
Todas las tareas de medidor de Orbivane desde un terminal.

Órdenes:
  ports                        los puertos COM y los dispositivos serie presentes
  probe [--port P]...          la prueba de conexión; muestra la palabra de identidad del medidor
  read  [--port P]... TARGET   la base de datos del medidor a un archivo (una carpeta si son varios)
  write [--port P]... FILE     un archivo de base de datos al medidor o medidores
  load  [--port P]... FILE     software al medidor o medidores
  info  FILE                   satélites, totales y registros libres de un archivo de base de datos
  check FILE                   la comprobación de estructura de un archivo de base de datos
  import DB SOURCE             una lista satellites.xml o CSV a un archivo de base de datos
  export DB OUT (--xml|--csv)  un archivo de base de datos como satellites.xml o CSV
  fetch URL [OUT]              una lista de receptor publicada en la caché (y en OUT)
  diff  A B                    lo que difiere entre dos archivos de base de datos
  sky   SOURCE...              ángulos de apuntamiento desde --site LAT,LON a los satélites de archivos o listas
  fit   DB --from LIST         los satélites y transpondedores que DB conserva para --site LAT,LON
  sheet DB OUT                 la hoja de apuntamiento de DB para --site LAT,LON, en PDF
  backups [FILE]               las versiones conservadas de archivos guardados y lecturas del medidor
  --version                    la versión de orbivane-cli

P es COMn, una ruta de dispositivo o un nombre de /dev/serial/by-id; sin --port, el puerto que
guardó la ventana. &apos;orbivane-cli ORDEN --help&apos; da más detalles.

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
        <translation>Códigos de salida:
  0    hecho
  1    check encontró problemas; diff encontró diferencias
  2    error de uso
  3    error de archivo (no se puede leer o escribir, no es el tipo de archivo correcto, o sustituirlo
       perdería lo que contiene); fetch: ninguna lista del servidor y ninguna en caché
  4    no se puede abrir el puerto
  5    el medidor no responde
  6    la transferencia falló (el mensaje da el código del medidor y su significado)
  7    rechazado: load hace una pregunta (modelo distinto, versión no superior), export, fetch o
       sheet sustituiría un archivo (--force responde Sí); import o fit no cabe en las tablas del medidor
  130  interrumpido (SIGINT, SIGTERM)
Con varios puertos, el código del primer puerto que falló.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Escribe la hoja de apuntamiento de la base de datos DB en OUT, un PDF: cada satélite de DB con su azimut, elevación e inclinación del LNB vistos desde el emplazamiento, ordenados por azimut, marcados los que quedan bajo la elevación mínima. Un OUT existente solo se sustituye con --force, y su contenido se guarda antes en el archivo de copias de seguridad; DB nunca se sustituye.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... y %1 más</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1: el enlace %2 tras el registro %3 está fuera de rango</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1: vuelve al registro %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1: el registro %2 enlaza hacia atrás con %3 en lugar de %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1: termina en %2 pero su último es %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1: contiene %2 registros pero su recuento es %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>cadena de satélites</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>cadena de satélites: la posición %1 no está en uso</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>cadena de satélites libres</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>cadena de satélites libres: la posición %1 está en uso</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>el satélite %1 está en uso pero no está en la cadena de satélites</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>la posición de satélite %1 está libre pero no está en la cadena libre</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>transpondedores del satélite %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>el transpondedor %1 del satélite %2 no está en uso</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>el transpondedor %1 está en las cadenas de los satélites %2 y %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>el recuento de transpondedores es %1 pero los satélites contienen %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>cadena de transpondedores libres</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>cadena de transpondedores libres: el registro %1 está en uso</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>cadena de canales de tipo 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>cadena de canales de otro tipo</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1: el canal %2 no está en uso</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1: el canal %2 es de tipo %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>canales %1 del satélite %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>de tipo 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>de otro tipo</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1: el canal %2 no pertenece ahí</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>cadena de canales del grupo %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1: el canal %2 no es miembro</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>cadena de canales libres</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>cadena de canales libres: el canal %1 está en uso</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>el canal %1 está libre pero no está en la cadena libre</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>el canal %1 no está en la cadena de su tipo</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>el canal %1 no está en ninguna cadena de su satélite %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>el canal %1 no está en la cadena del grupo %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>el canal %1 está en el transpondedor %2, que no es un transpondedor de su satélite %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n registro de transpondedor no está en ninguna cadena</numerusform>
            <numerusform>%n registros de transpondedor no están en ninguna cadena</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>satélite renombrado: &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>satélite movido: &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot;: transpondedor </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>añadido: </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>eliminado: </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>cambiado: %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>satélite añadido: %1, %n transpondedor</numerusform>
            <numerusform>satélite añadido: %1, %n transpondedores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>satélite eliminado: %1, %n transpondedor</numerusform>
            <numerusform>satélite eliminado: %1, %n transpondedores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Otro programa ha cambiado el archivo después de leerlo.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Añadir SAT</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Editar SAT</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Eliminar SAT</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>¡La base de datos no coincide!</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>No se ha guardado nada: la base de datos y su archivo siguen como estaban.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>La cadena de transpondedores de este satélite está dañada en la base de datos.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>La lista de transpondedores ya no coincide con la base de datos; vuelva a seleccionar el satélite.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>No se han podido guardar los transpondedores: la base de datos es incoherente en torno a ellos.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>La tabla de transpondedores está llena: contiene %1 transpondedores para todos los satélites juntos.
No se ha podido guardar %n de las %2 filas nuevas. Elimine los transpondedores que ya no necesite y vuelva a aplicar.
</numerusform>
            <numerusform>La tabla de transpondedores está llena: contiene %1 transpondedores para todos los satélites juntos.
No se han podido guardar %n de las %2 filas nuevas. Elimine los transpondedores que ya no necesite y vuelva a aplicar.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>lista de transpondedores</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;Añadir TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;Eliminar TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Sobrescribir: lo que contiene ahora se conserva en las copias de seguridad. Recargar: se descartan los cambios hechos aquí. Cancelar: ambos quedan como están.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>La lista de transpondedores tiene cambios sin aplicar; restaurar la copia de seguridad los descarta.

¿Restaurarla de todos modos?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>La lista de transpondedores tiene cambios sin aplicar, y el archivo de base de datos aún no los contiene.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>La base de datos tiene cambios que aún no se han guardado en su archivo.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>fila %1: más de %2 celdas</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>fila %1: texto tras unas comillas de cierre</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>fila %1: una celda de más de %2 bytes</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>fila %1: unas comillas sin cerrar</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>fila 1: el encabezado debe nombrar las columnas Satellite, Position, Frequency, Symbol rate y Polarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>se canceló la lectura</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>sin nombre de satélite</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>el nombre de satélite &quot;%1&quot; contiene caracteres fuera de Latin-1, que el medidor no puede guardar</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>la posición &quot;%1&quot; no es un número de grados</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>la frecuencia &quot;%1&quot; no es un número de MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>la tasa de símbolos &quot;%1&quot; no es un número de kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>la polarización &quot;%1&quot; no es ninguna de H, V, L, R, Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>el archivo ocupa más de %1 MB; una lista de receptor es mucho más pequeña</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>el archivo no contiene satélites; nada que importar</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>la lista contiene más de %1 satélites; eso no es una lista de receptor</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>la lista contiene más de %1 transpondedores; eso no es una lista de receptor</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>el satélite &quot;%1&quot; contiene más de %2 transpondedores; eso no es una lista de receptor</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>el nombre &quot;%1&quot; contiene caracteres fuera de Latin-1: se guarda como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>el nombre &quot;%1&quot; se acorta a 16 caracteres: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>línea %1: la posición &quot;%2&quot; está fuera de 0..360 grados; satélite omitido</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>línea %1: </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz está fuera de los %2..%3 MHz del medidor; omitido</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz: %2 kS/s está fuera de los %3..%4 kS/s del medidor; omitido</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz: la circular %2 se guarda como Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>izquierda (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>derecha (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
No se importa nada: tome menos satélites, o elimine algunos antes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot;: omitido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2): </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>satélite añadido, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>de &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 añadidos, %3 eliminados, %4 cambiados</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>sustituir</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>combinar</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  añadido: </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  eliminado: </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  cambiado: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>no se aceptan valores por defecto de atributos (&lt;!ATTLIST&gt;); una lista de receptor no tiene ninguno</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>línea %1: elementos anidados a más de %2 niveles; una lista de receptor tiene tres niveles</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>línea %1: un valor de atributo de más de %2 bytes; una lista de receptor contiene nombres</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>línea %1: un elemento con más de %2 atributos; una lista de receptor tiene una docena</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>línea %1: más de %2 declaraciones de espacio de nombres; una lista de receptor no tiene ninguna</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>un &lt;transponder&gt; fuera de cualquier &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>no hay ninguna lista &lt;satellites&gt; en este archivo</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>línea %1, columna %2: </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; necesita un número entero en %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; no es ninguno de 0 (H), 1 (V), 2 (L), 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) se escribe como &quot;%3&quot;: satellites.xml no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Eliminar duplicados</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n celda, se esperan 5</numerusform>
            <numerusform>%n celdas, se esperan 5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>La tabla de satélites está llena: la importación añade %n satélite y %1 de sus %2 posiciones están libres.</numerusform>
            <numerusform>La tabla de satélites está llena: la importación añade %n satélites y %1 de sus %2 posiciones están libres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>La tabla de transpondedores está llena: la importación necesita %n registro y %1 de sus %2 están libres.</numerusform>
            <numerusform>La tabla de transpondedores está llena: la importación necesita %n registros y %1 de sus %2 están libres.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 repite la línea %3 (a menos de %4 MHz); se guarda igualmente</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Listas de receptor (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>La lista de transpondedores tiene cambios sin aplicar; la importación cambia este satélite y los descarta.

¿Importar de todos modos?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>No se ha importado nada: la base de datos rechazó el cambio.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Dé al nombre del archivo la terminación .xml (satellites.xml) o .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Exportado a %1, con estos nombres cambiados:
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>el servidor envía más de %1 bytes; ninguna lista de receptor es tan grande</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>el servidor anuncia %1 bytes; ninguna lista de receptor es tan grande</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>el servidor no envió nada durante %1 segundos</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>el servidor respondió %1 pero no indicó ninguna dirección nueva</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>más de %1 redirecciones; la última a %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>la copia en caché %1 no se lee: %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>no hay copia en caché</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>la copia en caché %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>es un enlace simbólico; la caché no se guarda a través de él</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>la comprobación no se ha anotado en la caché: %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>la lista no se guarda en la caché: %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>lo que envió el servidor no es una lista de receptor: %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>la dirección contiene caracteres de control</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>dirección no válida: %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>dirección no válida</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>solo se descargan direcciones http:// y https://, no %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>un nombre suelto</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>la dirección no indica ningún servidor</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>no se envía un nombre de usuario o contraseña de la dirección</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>redirigido a %1: %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>redirigido de https a %1, que no está cifrado; no se sigue</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>otro programa está escribiendo este archivo; inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 bytes, más de %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>¡La base de datos no coincide!</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>error al abrir el archivo: pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>error al abrir el archivo</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Aplicar y guardar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Quedarse</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>&amp;Sobrescribir</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>La lista de transpondedores tiene cambios sin aplicar; el plan vuelve a mostrar la base de datos y los descarta.

¿Importar de todos modos?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>No se cambió nada: la base de datos rechazó el plan.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Aún no hay ningún emplazamiento guardado: escríbalo primero en Archivo &gt; Plan para un emplazamiento...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Dé al nombre del archivo la extensión .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Inclin.</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>En la base</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>TP conservados</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Cuántos de los %1 transpondedores de la lista conserva el medidor para este satélite; vacío: según los reparte el plan.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
        <translation>Hoja de apuntamiento: %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Emplazamiento %1 (%2). Elevación mínima %3 grados.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azimut: verdadero, grados en el sentido de las agujas del reloj desde el norte geográfico; corrija una brújula magnética con la declinación local. Elevación: grados sobre el horizonte. Inclinación: una inclinación positiva gira el LNB en sentido contrario a las agujas del reloj, visto desde detrás de la antena mirando hacia el satélite.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevación</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Inclin.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>bajo el horizonte</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>bajo la elevación mínima</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>La base de datos no contiene ningún satélite.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>Es la propia base de datos; no se sustituye.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>No es un archivo normal; no se sustituye.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>No se pudo maquetar la hoja.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager se está ejecutando. Abre los dispositivos serie que aparecen (sobre todo ttyACM) y les envía órdenes de módem durante un rato, lo que perturba el intercambio con el medidor. Espere medio minuto después de conectar el adaptador y vuelva a intentarlo. Para siempre: la regla udev del paquete Orbivane indica a ModemManager que deje en paz los adaptadores del medidor; sin ella, detenga el servicio si no usa ningún módem móvil:
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (el servicio de pantallas braille) se está ejecutando. Toma algunos adaptadores serie USB (CH340, CP210x) por pantallas braille, y entonces no aparece ningún dispositivo serie para ellos. Si no usa ninguna pantalla braille, desinstálelo y vuelva a conectar el adaptador:
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>adaptador %1 sin dispositivo serie: BRLTTY lo ha tomado</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>El adaptador serie USB %1 está conectado, pero no ha dado lugar a ningún dispositivo serie.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>adaptador %1 sin controlador serie</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>El adaptador serie USB %1 está conectado, pero no ha dado lugar a ningún dispositivo serie: falta su controlador o no está cargado. Cárguelo y vuelva a conectar el adaptador:
    sudo modprobe %2
Si no se encuentra el módulo, instale los módulos adicionales del núcleo (paquete linux-image-...) para su núcleo.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>No hay ningún dispositivo serie presente, así que nada corresponde a este puerto.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>No existe el dispositivo %1.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>ningún dispositivo serie presente</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>no existe el dispositivo</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Conecte el adaptador serie USB del medidor y vuelva a elegir el puerto. &apos;orbivane-cli ports&apos; lista los dispositivos serie presentes y qué puerto COM corresponde a cada uno.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Su cuenta no puede abrir %1 (propietario %2, grupo %3, modo %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>La regla udev del paquete Orbivane está instalada pero no le ha dado este dispositivo: cubre los adaptadores habituales, para el usuario que ha iniciado sesión en la pantalla. Para otro adaptador, un administrador puede añadir una línea para él en /etc/udev/rules.d/70-orbivane-local.rules (el archivo de reglas explica cómo); después vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>O instale el paquete Orbivane: su regla udev permite al usuario de la pantalla abrir el adaptador USB del medidor sin pertenecer a ningún grupo.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Añádala al grupo del dispositivo:
    sudo usermod -aG %1 $USER
y luego cierre la sesión y vuelva a iniciarla: un grupo nuevo solo cuenta a partir del siguiente inicio de sesión. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Ningún grupo da acceso a él, así que unirse a uno no sirve: solo puede hacerlo una regla udev que le entregue el dispositivo a usted o a un grupo, o un administrador. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>El paquete Orbivane trae una regla así para los adaptadores habituales: pida a un administrador que lo instale y luego vuelva a conectar el adaptador.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>en uso por ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>en uso por BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Otro programa tiene %1 abierto; el sistema no dice cuál (quizá se ejecute con otra cuenta). Lo habitual es un programa de terminal (minicom, screen, picocom), otro Orbivane o ModemManager. Ciérrelo y vuelva a elegir el puerto.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 %3 abierto.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>tienen</translation>
    </message>
    <message>
        <source>has</source>
        <translation>tiene</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Cierre %1 (o termíne%2: kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>them</source>
        <translation>los</translation>
    </message>
    <message>
        <source>it</source>
        <translation>lo</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Cierre su otra ventana de Orbivane (o deje antes que termine su transferencia).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Deje que su orbivane-cli termine, o deténgalo con Ctrl+C en su terminal.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>en uso por %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Después vuelva a elegir el puerto.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>el puerto se abre, pero ningún medidor responde</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 se abre, pero ningún medidor ha respondido. Compruebe que el medidor está encendido, que el cable está bien sujeto en ambos extremos y que este es el puerto del medidor: &apos;orbivane-cli ports&apos; lista los dispositivos serie presentes, &apos;orbivane-cli probe --port DEVICE&apos; prueba uno.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 también %2 el puerto abierto</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>sin respuesta; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>no es un dispositivo serie</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 no es un dispositivo serie. Elija el puerto del adaptador del medidor; &apos;orbivane-cli ports&apos; lista los dispositivos serie presentes.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>El sistema se negó a abrir %1: %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager se está ejecutando (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY se está ejecutando</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>Seleccionar puerto COM</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;Cargar software</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;Leer parámetros</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>&amp;Escribir parámetros</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>E&amp;ditar parámetros</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>conectado correctamente con com%1</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>fallo al conectar con com%1</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>ningún dispositivo para COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (no presente)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>No hay ningún puerto COM seleccionado</translation>
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
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Detalles...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

¿Aplicar y guardar los cambios ahora?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>¿Descartar los cambios?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

¿Sobrescribirlo?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>¿Recargarlo, descartando los cambios hechos aquí?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Archivos de datos (*.bin);;Todos los archivos (*)</translation>
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
        <translation>Plan para un emplazamiento</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transpondedor</numerusform>
            <numerusform>%n transpondedores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transpondedor</numerusform>
            <numerusform>%n transpondedores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2): satélite eliminado con sus %3 y %4</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n canal se va con los transpondedores que pierden los satélites conservados</numerusform>
            <numerusform>%n canales se van con los transpondedores que pierden los satélites conservados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n transpondedor de la lista está fuera de los rangos del medidor; se omite</numerusform>
            <numerusform>%n transpondedores de la lista están fuera de los rangos del medidor; se omiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n transpondedor de la lista repite otro de su satélite; se toma una vez</numerusform>
            <numerusform>%n transpondedores de la lista repiten otro de su satélite; se toman una vez</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>El medidor contiene %1 de %2 satélites y %3 de %4 transpondedores</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation>; los transpondedores de la lista no caben todos, así que cada satélite conserva una parte</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>escríbalo como 52.52,13.40 o 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>la latitud %1 supera los 90 grados Norte o Sur</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>la longitud %1 supera los 180 grados Este u Oeste</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>el emplazamiento tiene %n carácter; un emplazamiento admite como máximo %1</numerusform>
            <numerusform>el emplazamiento tiene %n caracteres; un emplazamiento admite como máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>el emplazamiento contiene un carácter de control; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>no se ha indicado ningún emplazamiento; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; da dos latitudes; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; da dos longitudes; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; da un signo y una letra de hemisferio en un mismo número; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; no es una latitud y longitud; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Introduzca un nombre de satélite.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Introduzca un número entre 0 y 360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>No introduzca más de 16 caracteres.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>El nombre del satélite solo puede contener caracteres Latin-1 (letras, cifras y los signos comunes de las lenguas de Europa occidental).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>lista de satélites</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;Añadir SAT</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;Eliminar SAT</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrar por nombre o posición</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Filtro de satélites</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Carga software y bases de datos de parámetros en un medidor buscador de satélites en un puerto serie, y edita archivos de base de datos.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Un archivo de base de datos de parámetros que se abre para editarlo.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Pruebe &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Uso: orbivane [opciones] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>solo se puede abrir un archivo: %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>el nombre del archivo está vacío</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>¡No se puede leer el archivo indicado!</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>¡Trama desconocida %1!</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Este archivo de base de datos está dañado:

- %1

¿Escribirlo de todos modos?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>¡Este software no corresponde a su medidor!</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Esta versión del software no es superior a la que se usa actualmente, 
¿desea continuar?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Elija un archivo de actualización correcto
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Error del dispositivo de comunicación serie</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>¡No se puede escribir el archivo indicado!
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 de %2 KiB</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 KiB/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, quedan %1:%2</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Mantenga el medidor encendido y espere unos 2 minutos: ¡el medidor se reiniciará automáticamente!</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>¡Transferencia de datos terminada!</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Se ha producido un error durante la transferencia. Código: %1
Reinicie el STB.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>progreso de la transferencia %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Elija un archivo de parámetros de base de datos correcto
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 contiene %2 bytes, más de lo que las copias de seguridad conservan (%3 MB). La lectura lo sustituiría sin conservar ninguna copia.

¿Sustituirlo de todos modos?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>elija el puerto COM correcto al que está conectado su medidor.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BackupArchive</name>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 MB, far more than a database</source>
        <translation>%1 Mo, bien plus qu&apos;une base de données</translation>
    </message>
    <message>
        <source>not a database (%1 bytes)</source>
        <translation>pas une base de données (%1 octets)</translation>
    </message>
    <message>
        <source>, fails the structure check</source>
        <translation>, échoue au contrôle de structure</translation>
    </message>
    <message>
        <source>not a version (%1)</source>
        <translation>pas une version (%1)</translation>
    </message>
    <message>
        <source>unreadable (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>meter %1</source>
        <translation>mesureur %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a database; its content was not kept</source>
        <translation>%1 dépasse %2 Mo, bien plus qu&apos;une base de données ; son contenu n&apos;a pas été conservé</translation>
    </message>
    <message>
        <source>%1: cannot create the folder</source>
        <translation>%1 : impossible de créer le dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites, %1 transponders</source>
        <translation>
            <numerusform>%n satellite, %1 transpondeurs</numerusform>
            <numerusform>%n satellites, %1 transpondeurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>A backup copy could not be kept:
%1

What you asked for goes ahead all the same. This is told once per session.</source>
        <translation>Une copie de sauvegarde n&apos;a pas pu être conservée :
%1

Votre demande est tout de même exécutée. Ce message n&apos;apparaît qu&apos;une fois par session.</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Orbivane</source>
        <translation>À propos d&apos;Orbivane</translation>
    </message>
    <message>
        <source>Orbivane Version 1.0</source>
        <translation>Orbivane version 1.0</translation>
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
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>From the open database (as last applied) to %1:</source>
        <translation>De la base ouverte (telle que dernièrement appliquée) à %1 :</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
</context>
<context>
    <name>CEditSatDlg</name>
    <message>
        <source>Edit Saillite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Please Edit satillite</source>
        <translation>Veuillez modifier le satellite</translation>
    </message>
    <message>
        <source>Sat name</source>
        <translation>Nom du satellite</translation>
    </message>
    <message>
        <source>degree(0 - 360)</source>
        <translation>degrés (0 - 360)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>Import from %1</source>
        <translation>Importer depuis %1</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrer par nom ou position</translation>
    </message>
    <message>
        <source> MHz</source>
        <translation> MHz</translation>
    </message>
    <message>
        <source>Transponders of the same polarisation whose frequencies lie at most this far apart are the same transponder.</source>
        <translation>Les transpondeurs de même polarisation dont les fréquences sont au plus à cet écart sont le même transpondeur.</translation>
    </message>
    <message>
        <source>Satellites of the file:</source>
        <translation>Satellites du fichier :</translation>
    </message>
    <message>
        <source>Same transponder within:</source>
        <translation>Même transpondeur à moins de :</translation>
    </message>
    <message>
        <source>Take</source>
        <translation>Prendre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Transponders are</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Goes to</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Tick the satellites to take: what the import would do shows here before anything changes.</source>
        <translation>Cochez les satellites à prendre : ce que ferait l&apos;importation s&apos;affiche ici avant toute modification.</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>replaced</source>
        <translation>remplacés</translation>
    </message>
    <message>
        <source>merged</source>
        <translation>fusionnés</translation>
    </message>
    <message>
        <source>a new satellite</source>
        <translation>un nouveau satellite</translation>
    </message>
    <message>
        <source>More than one satellite of the database lies here: check which one the file&apos;s satellite goes to.</source>
        <translation>Plusieurs satellites de la base se trouvent ici : vérifiez auquel correspond le satellite du fichier.</translation>
    </message>
    <message numerus="yes">
        <source>%n satellites taken (%1 new, %2 left out); transponders: %3 added, %4 removed, %5 changed. Import changes the database in memory as one step (Edit &gt; Undo takes it back); Apply writes it into the file.</source>
        <translation>
            <numerusform>%n satellite pris (%1 nouveaux, %2 écartés) ; transpondeurs : %3 ajoutés, %4 supprimés, %5 modifiés. L&apos;importation modifie la base en mémoire en une seule étape (Édition &gt; Annuler la reprend) ; Appliquer l&apos;écrit dans le fichier.</numerusform>
            <numerusform>%n satellites pris (%1 nouveaux, %2 écartés) ; transpondeurs : %3 ajoutés, %4 supprimés, %5 modifiés. L&apos;importation modifie la base en mémoire en une seule étape (Édition &gt; Annuler la reprend) ; Appliquer l&apos;écrit dans le fichier.</numerusform>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Restore a backup...</source>
        <translation>&amp;Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Compare with file...</source>
        <translation>&amp;Comparer avec un fichier...</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Remove &amp;duplicate transponders</source>
        <translation>Supprimer les transpondeurs en dou&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>Show transfer &amp;logs</source>
        <translation>Afficher les &amp;journaux de transfert</translation>
    </message>
    <message>
        <source>the transfer logs folder</source>
        <translation>le dossier des journaux de transfert</translation>
    </message>
    <message>
        <source>&amp;About Orbivane...</source>
        <translation>À &amp;propos d&apos;Orbivane...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>Can not find %1</source>
        <translation>Impossible de trouver %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>the manual</source>
        <translation>le manuel</translation>
    </message>
    <message>
        <source>No program on this system could open %1:
%2</source>
        <translation>Aucun programme de ce système n&apos;a pu ouvrir %1 :
%2</translation>
    </message>
    <message>
        <source>&amp;Edit parameters...</source>
        <translation>Modifier les paramè&amp;tres...</translation>
    </message>
    <message>
        <source>&amp;Plan for a site...</source>
        <translation>P&amp;lan pour un site...</translation>
    </message>
    <message>
        <source>Export pointing &amp;sheet...</source>
        <translation>Exporter la fic&amp;he de pointage...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>CPlanDlg</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The server&apos;s list could not be had (%1); this is the copy fetched %2 ago.</source>
        <translation>La liste du serveur n&apos;a pas pu être obtenue (%1) ; voici la copie récupérée il y a %2.</translation>
    </message>
    <message>
        <source>Plan for a site</source>
        <translation>Plan pour un site</translation>
    </message>
    <message>
        <source>52.52,13.40 or 52.52N 13.40E</source>
        <translation>52.52,13.40 ou 52.52N 13.40E</translation>
    </message>
    <message>
        <source> degrees</source>
        <translation> degrés</translation>
    </message>
    <message>
        <source>satellites.xml or a CSV list</source>
        <translation>satellites.xml ou une liste CSV</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>R&amp;ead</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>No list read yet: the table shows the database&apos;s satellites.</source>
        <translation>Aucune liste lue pour le moment : le tableau montre les satellites de la base.</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Site :</translation>
    </message>
    <message>
        <source>&amp;Minimum elevation:</source>
        <translation>Élévation &amp;minimale :</translation>
    </message>
    <message>
        <source>Sou&amp;rce:</source>
        <translation>S&amp;ource :</translation>
    </message>
    <message>
        <source>Sa&amp;tellites (tick those the meter keeps; type a share to keep fewer or more of a satellite&apos;s transponders):</source>
        <translation>Sa&amp;tellites (cochez ceux que le mesureur garde ; tapez une part pour garder moins ou plus de transpondeurs d&apos;un satellite) :</translation>
    </message>
    <message>
        <source>Satellites: %v of %m</source>
        <translation>Satellites : %v sur %m</translation>
    </message>
    <message>
        <source>Transponders: %v of %m</source>
        <translation>Transpondeurs : %v sur %m</translation>
    </message>
    <message>
        <source>Pre&amp;view:</source>
        <translation>Aper&amp;çu :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Receiver lists (*.xml *.csv);;All Files (*)</source>
        <translation>Listes de récepteur (*.xml *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Type the site where the dishes stand.</source>
        <translation>Saisissez le site où se trouvent les paraboles.</translation>
    </message>
    <message>
        <source>%1, North and East positive.</source>
        <translation>%1, Nord et Est positifs.</translation>
    </message>
    <message>
        <source>%1: %2 satellites, %3 transponders.</source>
        <translation>%1 : %2 satellites, %3 transpondeurs.</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La liste</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Reading stopped; the plan is as it was.</source>
        <translation>Lecture arrêtée ; le plan est tel quel.</translation>
    </message>
    <message>
        <source>The list was not read; the plan is as it was.</source>
        <translation>La liste n&apos;a pas été lue ; le plan est tel quel.</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>No backups yet. A file&apos;s previous content is kept each time it is saved, and every database read from a meter.</source>
        <translation>Aucune sauvegarde pour l&apos;instant. Le contenu précédent d&apos;un fichier est conservé à chaque enregistrement, ainsi que chaque base lue depuis un mesureur.</translation>
    </message>
    <message>
        <source>Choose a version to open. It takes the place of the database being edited (Undo takes it back) and reaches its file when you apply; with none open, you name a file to keep it in.</source>
        <translation>Choisissez une version à ouvrir. Elle remplace la base en cours de modification (Annuler revient en arrière) et atteint son fichier quand vous appliquez ; si aucune n&apos;est ouverte, vous nommez un fichier où la garder.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>read from meter</source>
        <translation>lue depuis le mesureur</translation>
    </message>
    <message>
        <source>saved over</source>
        <translation>écrasée</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Comparer</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>transfering data</source>
        <translation>transfert des données</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>com%1 connect failure</source>
        <translation>échec de connexion à com%1</translation>
    </message>
</context>
<context>
    <name>CTransponderList</name>
    <message>
        <source>Delete TP</source>
        <translation>Supprimer TP</translation>
    </message>
    <message>
        <source>ADD TP</source>
        <translation>AJOUTER TP</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Sym.Rate</source>
        <translation>D.sym.</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar.</translation>
    </message>
    <message>
        <source>Add TP</source>
        <translation>Ajouter TP</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Edit TP</source>
        <translation>Modifier TP</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Lists the kept versions, newest first: date, source (saved over, read from meter), file or meter, contents and the archived copy. With FILE, only the versions of that file. Copy one back with cp, or open it in the window&apos;s File &gt; Restore a backup.</source>
        <translation>Liste les versions conservées, la plus récente d&apos;abord : date, origine (saved over = écrasée, read from meter = lue depuis le mesureur), fichier ou mesureur, contenu et copie archivée. Avec FILE, seulement les versions de ce fichier. Recopiez-en une avec cp, ou ouvrez-la dans la fenêtre via Fichier &gt; Restaurer une sauvegarde.</translation>
    </message>
    <message>
        <source>Checks the structure of a database file: every chain whole and linked both ways, every count right, every record in use or free. One line per violation.</source>
        <translation>Contrôle la structure d&apos;un fichier de base : chaque chaîne complète et liée dans les deux sens, chaque compte juste, chaque enregistrement utilisé ou libre. Une ligne par violation.</translation>
    </message>
    <message>
        <source>orbivane-cli: no command given
</source>
        <translation>orbivane-cli : aucune commande donnée
</translation>
    </message>
    <message>
        <source>orbivane-cli: unknown command &apos;%1&apos;
</source>
        <translation>orbivane-cli : commande inconnue &apos;%1&apos;
</translation>
    </message>
    <message>
        <source>Usage: orbivane-cli %1 %2</source>
        <translation>Usage : orbivane-cli %1 %2</translation>
    </message>
    <message>
        <source>orbivane-cli %1: %2
Try &apos;orbivane-cli %1 --help&apos;.</source>
        <translation>orbivane-cli %1 : %2
Essayez &apos;orbivane-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>--%1 attend un nombre entier de %2 à %3, pas &apos;%4&apos;</translation>
    </message>
    <message>
        <source>missing argument</source>
        <translation>argument manquant</translation>
    </message>
    <message>
        <source>unexpected argument: %1</source>
        <translation>argument inattendu : %1</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!</source>
        <translation>%1 : Impossible de lire le fichier indiqué !</translation>
    </message>
    <message>
        <source>%1: is the database %2 itself; not replaced</source>
        <translation>%1 : c&apos;est la base %2 elle-même ; non remplacé</translation>
    </message>
    <message>
        <source>%1: exists and is no regular file; not replaced</source>
        <translation>%1 : existe et n&apos;est pas un fichier ordinaire ; non remplacé</translation>
    </message>
    <message>
        <source>%1: exists; not replaced (--force replaces it and keeps its content in the backup archive)</source>
        <translation>%1 : existe ; non remplacé (--force le remplace et conserve son contenu dans l&apos;archive des sauvegardes)</translation>
    </message>
    <message>
        <source>%1: not replaced, since its content could not be kept: %2</source>
        <translation>%1 : non remplacé, car son contenu n&apos;a pas pu être conservé : %2</translation>
    </message>
    <message>
        <source>What differs from database A to database B: satellites added, removed, renamed, moved (orbital position); per satellite, transponders added, removed and changed. Satellites are paired by name, then by position.</source>
        <translation>Ce qui diffère de la base A à la base B : satellites ajoutés, supprimés, renommés, déplacés (position orbitale) ; par satellite, transpondeurs ajoutés, supprimés et modifiés. Les satellites sont appariés par nom, puis par position.</translation>
    </message>
    <message>
        <source>Output as JSON.</source>
        <translation>Sortie en JSON.</translation>
    </message>
    <message>
        <source>Writes every satellite and transponder of database DB to OUT, as satellites.xml (--xml, OUT ending in .xml) or as CSV for spreadsheets (--csv, OUT ending in .csv). &apos;orbivane-cli import&apos; takes either back unchanged. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Écrit chaque satellite et transpondeur de la base DB dans OUT, en satellites.xml (--xml, OUT se terminant par .xml) ou en CSV pour tableurs (--csv, OUT se terminant par .csv). &apos;orbivane-cli import&apos; reprend l&apos;un ou l&apos;autre sans changement. Un OUT existant n&apos;est remplacé qu&apos;avec --force, et son contenu est d&apos;abord conservé dans l&apos;archive des sauvegardes ; DB elle-même n&apos;est jamais remplacée.</translation>
    </message>
    <message>
        <source>satellites.xml, as receivers use it.</source>
        <translation>satellites.xml, tel que l&apos;utilisent les récepteurs.</translation>
    </message>
    <message>
        <source>CSV (UTF-8), one row per transponder.</source>
        <translation>CSV (UTF-8), une ligne par transpondeur.</translation>
    </message>
    <message>
        <source>Replace OUT when it exists (its content is kept in the archive).</source>
        <translation>Remplacer OUT s&apos;il existe (son contenu est conservé dans l&apos;archive).</translation>
    </message>
    <message>
        <source>give one of --xml and --csv</source>
        <translation>indiquez l&apos;une des options --xml et --csv</translation>
    </message>
    <message>
        <source>%1: --%2 writes a file ending in %3</source>
        <translation>%1 : --%2 écrit un fichier se terminant par %3</translation>
    </message>
    <message>
        <source>Takes the satellites of SOURCE (satellites.xml or CSV) into database DB and prints what changes, satellite by satellite, and what the meter cannot hold as given. A satellite goes to the one of DB at the same position, else it is added. Nothing is imported when the tables cannot hold it all. DB is saved unless --dry-run.</source>
        <translation>Prend les satellites de SOURCE (satellites.xml ou CSV) dans la base DB et affiche ce qui change, satellite par satellite, et ce que le mesureur ne peut pas garder tel quel. Un satellite va à celui de DB à la même position, sinon il est ajouté. Rien n&apos;est importé si les tables ne peuvent pas tout contenir. DB est enregistrée sauf avec --dry-run.</translation>
    </message>
    <message>
        <source>Only the satellite(s) of SOURCE at POS degrees (19.2, 19.2E, 5W, -5; 177W is 183), or one tenth either side when none is at POS itself; repeat for more. Default: all of them.</source>
        <translation>Seulement le(s) satellite(s) de SOURCE à POS degrés (19.2, 19.2E, 5W, -5 ; 177W vaut 183), ou à un dixième près si aucun n&apos;est à POS même ; à répéter pour plusieurs. Par défaut : tous.</translation>
    </message>
    <message>
        <source>A satellite&apos;s transponders become those of SOURCE.</source>
        <translation>Les transpondeurs d&apos;un satellite deviennent ceux de SOURCE.</translation>
    </message>
    <message>
        <source>Only the transponders DB lacks are added (the default).</source>
        <translation>Seuls les transpondeurs absents de DB sont ajoutés (par défaut).</translation>
    </message>
    <message>
        <source>Frequencies at most MHZ apart (same polarisation) are one transponder: 0 to 100. Default: 2.</source>
        <translation>Des fréquences écartées au plus de MHZ (même polarisation) sont un seul transpondeur : 0 à 100. Par défaut : 2.</translation>
    </message>
    <message>
        <source>Print the preview; change nothing.</source>
        <translation>Afficher l&apos;aperçu ; ne rien changer.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was imported into.</source>
        <translation>Enregistrer même si un autre programme a modifié DB pendant l&apos;importation.</translation>
    </message>
    <message>
        <source>give --replace or --merge, not both</source>
        <translation>indiquez --replace ou --merge, pas les deux</translation>
    </message>
    <message>
        <source>%1: %2
Nothing was imported.</source>
        <translation>%1 : %2
Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>--satellite wants degrees (19.2, 5W, -5, 183), not &apos;%1&apos;</source>
        <translation>--satellite attend des degrés (19.2, 5W, -5, 183), pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 has no satellite at %2</source>
        <translation>%1 n&apos;a pas de satellite à %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: several satellites of %2 lie near it: %3; %4</source>
        <translation>&quot;%1&quot; : plusieurs satellites de %2 sont proches : %3 ; %4</translation>
    </message>
    <message>
        <source>taking &quot;%1&quot;</source>
        <translation>choix de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>adding it</source>
        <translation>ajout</translation>
    </message>
    <message>
        <source>nothing was imported: the database refused the change</source>
        <translation>rien n&apos;a été importé : la base a refusé la modification</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: no backup kept: %1</source>
        <translation>orbivane-cli : avertissement : aucune sauvegarde conservée : %1</translation>
    </message>
    <message>
        <source>Nothing was saved (--force saves over it).</source>
        <translation>Rien n&apos;a été enregistré (--force enregistre par-dessus).</translation>
    </message>
    <message>
        <source>The satellites of a database file in list order, with position and transponder count; totals; free records left.</source>
        <translation>Les satellites d&apos;un fichier de base dans l&apos;ordre de la liste, avec position et nombre de transpondeurs ; totaux ; enregistrements libres restants.</translation>
    </message>
    <message>
        <source>free: %1 satellite slots, %2 transponder records, %3 channel records</source>
        <translation>libre : %1 emplacements de satellite, %2 enregistrements de transpondeur, %3 enregistrements de chaîne</translation>
    </message>
    <message>
        <source> Yes (--force)</source>
        <translation> Oui (--force)</translation>
    </message>
    <message>
        <source> No (refused; --force answers Yes)</source>
        <translation> Non (refusé ; --force répond Oui)</translation>
    </message>
    <message>
        <source>the meter greeted a second time (FT_IDENT) in mid-transfer</source>
        <translation>le mesureur s&apos;est annoncé une seconde fois (FT_IDENT) en plein transfert</translation>
    </message>
    <message>
        <source>the meter sent something other than its database: an unexpected frame, more bytes than the image holds, or FT_END before the whole image</source>
        <translation>le mesureur a envoyé autre chose que sa base : une trame inattendue, plus d&apos;octets que l&apos;image n&apos;en contient, ou FT_END avant l&apos;image entière</translation>
    </message>
    <message>
        <source>the meter sent an unexpected frame, or FT_END before it had the whole file</source>
        <translation>le mesureur a envoyé une trame inattendue, ou FT_END avant d&apos;avoir tout le fichier</translation>
    </message>
    <message>
        <source>the meter did not answer within 400 ms</source>
        <translation>le mesureur n&apos;a pas répondu en 400 ms</translation>
    </message>
    <message>
        <source>unknown code</source>
        <translation>code inconnu</translation>
    </message>
    <message>
        <source>no device stands for %1</source>
        <translation>aucun périphérique ne correspond à %1</translation>
    </message>
    <message>
        <source>%1 connect failure (%2: %3)</source>
        <translation>échec de connexion à %1 (%2 : %3)</translation>
    </message>
    <message>
        <source>: failed: </source>
        <translation> : échec : </translation>
    </message>
    <message>
        <source>fail to connect %1: the meter does not answer</source>
        <translation>échec de connexion à %1 : le mesureur ne répond pas</translation>
    </message>
    <message>
        <source>Can not write the log %1: %2</source>
        <translation>Impossible d&apos;écrire le journal %1 : %2</translation>
    </message>
    <message>
        <source>: interrupted</source>
        <translation> : interrompu</translation>
    </message>
    <message>
        <source>, read into %1</source>
        <translation>, lu dans %1</translation>
    </message>
    <message>
        <source>, %1 sent</source>
        <translation>, %1 envoyé</translation>
    </message>
    <message>
        <source>the meter stopped answering at %1%</source>
        <translation>le mesureur a cessé de répondre à %1%</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refusé : %1</translation>
    </message>
    <message>
        <source>meter error code %1: %2</source>
        <translation>code d&apos;erreur du mesureur %1 : %2</translation>
    </message>
    <message>
        <source>the line failed: %1</source>
        <translation>la liaison a échoué : %1</translation>
    </message>
    <message>
        <source>the transfer did not complete</source>
        <translation>le transfert ne s&apos;est pas terminé</translation>
    </message>
    <message>
        <source>%1: COM ports are numbered from 1 to 999</source>
        <translation>%1 : les ports COM sont numérotés de 1 à 999</translation>
    </message>
    <message>
        <source>an empty port name (give COMn, a device path or a /dev/serial/by-id name)</source>
        <translation>un nom de port vide (indiquez COMn, un chemin de périphérique ou un nom de /dev/serial/by-id)</translation>
    </message>
    <message>
        <source>Lists COM1 to COM10 with the device each stands for (ORBIVANE_COM&lt;n&gt;, the window&apos;s Devices/COM&lt;n&gt; setting, or the n-th device present), then every serial device present.</source>
        <translation>Liste COM1 à COM10 avec le périphérique que chacun désigne (ORBIVANE_COM&lt;n&gt;, le réglage Devices/COM&lt;n&gt; de la fenêtre, ou le n-ième périphérique présent), puis chaque périphérique série présent.</translation>
    </message>
    <message>
        <source>No serial devices present.</source>
        <translation>Aucun périphérique série présent.</translation>
    </message>
    <message>
        <source>Serial devices present:</source>
        <translation>Périphériques série présents :</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>can open</source>
        <translation>ouverture possible</translation>
    </message>
    <message>
        <source>The window&apos;s connection test; prints each meter&apos;s identity word.</source>
        <translation>Le test de connexion de la fenêtre ; affiche le mot d&apos;identité de chaque mesureur.</translation>
    </message>
    <message>
        <source>Reads the meter&apos;s database into the file TARGET. With several --port, every meter is read at once into the folder TARGET as &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (ports of one name in different folders as a-meter, b-meter). An image that fails the structure check is kept as the meter sent it, with a warning.</source>
        <translation>Lit la base du mesureur dans le fichier TARGET. Avec plusieurs --port, chaque mesureur est lu en même temps dans le dossier TARGET sous &lt;port&gt;-&lt;YYYYmmdd-HHMMSS&gt;.bin (des ports de même nom dans des dossiers différents en a-meter, b-meter). Une image qui échoue au contrôle de structure est conservée telle que le mesureur l&apos;a envoyée, avec un avertissement.</translation>
    </message>
    <message>
        <source>Writes the database FILE into the meter(s). A file of the wrong size is refused before anything is sent; one that fails the structure check too, unless --force.</source>
        <translation>Écrit la base FILE dans le(s) mesureur(s). Un fichier de mauvaise taille est refusé avant tout envoi ; un fichier qui échoue au contrôle de structure aussi, sauf avec --force.</translation>
    </message>
    <message>
        <source>Loads the software in FILE into the meter(s). Where the window would ask (model differs, version not higher) the load is refused, unless --force answers Yes.</source>
        <translation>Charge le logiciel de FILE dans le(s) mesureur(s). Là où la fenêtre poserait une question (autre modèle, version pas plus récente), le chargement est refusé, sauf si --force répond Oui.</translation>
    </message>
    <message>
        <source>%1: Can not read the specified file!
%2</source>
        <translation>%1 : Impossible de lire le fichier indiqué !
%2</translation>
    </message>
    <message>
        <source>%1: Please choose a correct update file</source>
        <translation>%1 : Veuillez choisir un fichier de mise à jour correct</translation>
    </message>
    <message>
        <source>%1: Please choose a correct database parameter file (%2 bytes, not %3)</source>
        <translation>%1 : Veuillez choisir un fichier de paramètres de base correct (%2 octets, pas %3)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; sent anyway (--force)</source>
        <translation>%1 : échoue au contrôle de structure ; envoyé quand même (--force)</translation>
    </message>
    <message>
        <source>%1: fails the structure check; not sent (--force sends it anyway)</source>
        <translation>%1 : échoue au contrôle de structure ; non envoyé (--force l&apos;envoie quand même)</translation>
    </message>
    <message>
        <source>%1: Can not create the folder</source>
        <translation>%1 : Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>%1 and %2 would share the name %3 for their files; give one of them by another path</source>
        <translation>%1 et %2 partageraient le nom %3 pour leurs fichiers ; désignez l&apos;un d&apos;eux par un autre chemin</translation>
    </message>
    <message>
        <source>The meter&apos;s port: COMn, a device path or a /dev/serial/by-id name; repeat for several meters at once. Default: the port saved by the window.</source>
        <translation>Le port du mesureur : COMn, un chemin de périphérique ou un nom de /dev/serial/by-id ; à répéter pour plusieurs mesureurs à la fois. Par défaut : le port enregistré par la fenêtre.</translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation>Pas de progression sur la sortie d&apos;erreur.</translation>
    </message>
    <message>
        <source>Answer Yes where the window asks (model differs, version not higher).</source>
        <translation>Répondre Oui là où la fenêtre demande (autre modèle, version pas plus récente).</translation>
    </message>
    <message>
        <source>Replace a TARGET too large for the backups to keep a copy of.</source>
        <translation>Remplacer un TARGET trop grand pour que les sauvegardes en gardent une copie.</translation>
    </message>
    <message>
        <source>Send a file that fails the structure check.</source>
        <translation>Envoyer un fichier qui échoue au contrôle de structure.</translation>
    </message>
    <message>
        <source>Write a log of the line (every frame&apos;s time, type, length and first bytes, and how it ended) to FILE; with several --port, one per meter as FILE-&lt;port&gt;.</source>
        <translation>Écrire un journal de la liaison (heure, type, longueur et premiers octets de chaque trame, et la façon dont elle s&apos;est terminée) dans FILE ; avec plusieurs --port, un par mesureur sous FILE-&lt;port&gt;.</translation>
    </message>
    <message>
        <source>Give up when the meter is silent this long mid-transfer: 1 to 3600 (default 10).</source>
        <translation>Abandonner quand le mesureur se tait aussi longtemps en plein transfert : 1 à 3600 (10 par défaut).</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than the backups keep a copy of (%3 MB); not replaced (--force replaces it)</source>
        <translation>%1 : %2 octets, plus que ce dont les sauvegardes gardent une copie (%3 Mo) ; non remplacé (--force le remplace)</translation>
    </message>
    <message>
        <source>interrupted: stopping</source>
        <translation>interrompu : arrêt</translation>
    </message>
    <message numerus="yes">
        <source>total: %n satellites, %1 transponders, %2 channels</source>
        <translation>
            <numerusform>total : %n satellite, %1 transpondeurs, %2 chaînes</numerusform>
            <numerusform>total : %n satellites, %1 transpondeurs, %2 chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>orbivane-cli: warning: %1: the image read from %2 fails the structure check (%n problems); kept as the meter sent it (&apos;orbivane-cli check %1&apos; lists them)</source>
        <translation>
            <numerusform>orbivane-cli : avertissement : %1 : l&apos;image lue depuis %2 échoue au contrôle de structure (%n problème) ; conservée telle que le mesureur l&apos;a envoyée (&apos;orbivane-cli check %1&apos; le liste)</numerusform>
            <numerusform>orbivane-cli : avertissement : %1 : l&apos;image lue depuis %2 échoue au contrôle de structure (%n problèmes) ; conservée telle que le mesureur l&apos;a envoyée (&apos;orbivane-cli check %1&apos; les liste)</numerusform>
        </translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>téléchargée</translation>
    </message>
    <message>
        <source>unchanged on the server since the cached copy</source>
        <translation>inchangée sur le serveur depuis la copie en cache</translation>
    </message>
    <message>
        <source>the cached copy of %1 (%2 old)</source>
        <translation>la copie en cache du %1 (vieille de %2)</translation>
    </message>
    <message>
        <source>%1: interrupted; the cached copy is as it was</source>
        <translation>%1 : interrompu ; la copie en cache est restée telle quelle</translation>
    </message>
    <message>
        <source>orbivane-cli: warning: %1: %2</source>
        <translation>orbivane-cli : avertissement : %1 : %2</translation>
    </message>
    <message>
        <source>Downloads the receiver list (satellites.xml or CSV) at URL, an http:// or https:// address, into the cache folder %1, and with OUT into the file OUT as well. The server is asked only for a copy newer than the cached one. When it cannot be reached, refuses, or sends something that is no list, the cached copy is used and its age told. A download cut short, or one that does not read as a list, replaces neither the cached copy nor OUT. An existing OUT is replaced only with --force, its content kept in the backup archive first. The window&apos;s list is %2.</source>
        <translation>Télécharge la liste de récepteur (satellites.xml ou CSV) à l&apos;URL, une adresse http:// ou https://, dans le dossier de cache %1, et avec OUT aussi dans le fichier OUT. Le serveur n&apos;est interrogé que pour une copie plus récente que celle en cache. S&apos;il est injoignable, refuse ou envoie autre chose qu&apos;une liste, la copie en cache est utilisée et son âge indiqué. Un téléchargement interrompu, ou qui ne se lit pas comme une liste, ne remplace ni la copie en cache ni OUT. Un OUT existant n&apos;est remplacé qu&apos;avec --force, son contenu étant d&apos;abord conservé dans l&apos;archive de sauvegarde. La liste de la fenêtre est %2.</translation>
    </message>
    <message>
        <source>Give up when the server is silent this long: 1 to 3600 (default 30).</source>
        <translation>Abandonner quand le serveur reste muet aussi longtemps : 1 à 3600 (30 par défaut).</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n satellites, %2 transponders; %3</source>
        <translation>
            <numerusform>%1 : %n satellite, %2 transpondeurs ; %3</numerusform>
            <numerusform>%1 : %n satellites, %2 transpondeurs ; %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Plans which satellites database DB keeps for the site, and which transponders each keeps, from receiver list LIST (satellites.xml or CSV), within the meter&apos;s 64 satellites and 2500 transponders; prints the plan and what changes. Satellites of DB below the minimum elevation are removed with their channels; the visible ones stay, and the visible satellites of LIST are added, highest first, while there is room. A satellite of LIST takes LIST&apos;s transponders, or a share spread over its bands and polarisations when they do not all fit. DB is saved (its content kept as a backup first) unless --dry-run.</source>
        <translation>Planifie quels satellites la base DB garde pour le site, et quels transpondeurs chacun garde, à partir de la liste de récepteur LIST (satellites.xml ou CSV), dans les limites des 64 satellites et 2500 transpondeurs du mesureur ; affiche le plan et ce qui change. Les satellites de DB sous l&apos;élévation minimale sont retirés avec leurs chaînes ; les visibles restent, et les satellites visibles de LIST sont ajoutés, les plus hauts d&apos;abord, tant qu&apos;il y a de la place. Un satellite de LIST prend les transpondeurs de LIST, ou une part répartie sur ses bandes et polarisations quand ils ne tiennent pas tous. DB est enregistrée (son contenu d&apos;abord conservé en sauvegarde) sauf avec --dry-run.</translation>
    </message>
    <message>
        <source>The receiver list: satellites.xml or CSV, a file or an http(s):// address.</source>
        <translation>La liste de récepteur : satellites.xml ou CSV, un fichier ou une adresse http(s)://.</translation>
    </message>
    <message>
        <source>Print the plan; change nothing.</source>
        <translation>Afficher le plan ; ne rien changer.</translation>
    </message>
    <message>
        <source>Save even when another program changed DB while it was planned.</source>
        <translation>Enregistrer même si un autre programme a modifié DB pendant la planification.</translation>
    </message>
    <message>
        <source>give the list: --from LIST</source>
        <translation>indiquez la liste : --from LIST</translation>
    </message>
    <message>
        <source>%1
Nothing was changed.</source>
        <translation>%1
Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>nothing was changed: the database refused the plan</source>
        <translation>rien n&apos;a été changé : la base a refusé le plan</translation>
    </message>
    <message>
        <source>%1: no list was read</source>
        <translation>%1 : aucune liste n&apos;a été lue</translation>
    </message>
    <message>
        <source>Where the dishes stand: 52.52,13.40 or 52.52N 13.40E (North and East positive). Default: the site the window keeps.</source>
        <translation>Où se trouvent les paraboles : 52.52,13.40 ou 52.52N 13.40E (Nord et Est positifs). Par défaut : le site que garde la fenêtre.</translation>
    </message>
    <message>
        <source>The least elevation of a satellite worth keeping, 0 to 90 degrees. Default: 10.</source>
        <translation>L&apos;élévation minimale d&apos;un satellite qui vaut d&apos;être gardé, de 0 à 90 degrés. Par défaut : 10.</translation>
    </message>
    <message>
        <source>give the site: --site LAT,LON (none is kept in the settings)</source>
        <translation>indiquez le site : --site LAT,LON (aucun n&apos;est conservé dans les réglages)</translation>
    </message>
    <message>
        <source>--min-elevation takes degrees from 0 to 90, not &apos;%1&apos;</source>
        <translation>--min-elevation prend des degrés de 0 à 90, pas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Site %1, minimum elevation %2 degrees</source>
        <translation>Site %1, élévation minimale %2 degrés</translation>
    </message>
    <message>
        <source>The elevation, true azimuth and LNB skew, seen from the site, of every satellite of the SOURCEs (database files, satellites.xml or CSV lists, files or http(s):// addresses), one line each: those at or above the minimum elevation first, then the others, each part by azimuth. A satellite in several SOURCEs (same position and name) is shown once. A positive skew turns the LNB counter-clockwise as seen from behind the dish.</source>
        <translation>L&apos;élévation, l&apos;azimut vrai et l&apos;inclinaison du LNB, vus depuis le site, de chaque satellite des SOURCEs (fichiers de base, listes satellites.xml ou CSV, fichiers ou adresses http(s)://), une ligne chacun : ceux à l&apos;élévation minimale ou au-dessus d&apos;abord, puis les autres, chaque partie par azimut. Un satellite présent dans plusieurs SOURCEs (même position et même nom) n&apos;est affiché qu&apos;une fois. Une inclinaison positive tourne le LNB dans le sens inverse des aiguilles d&apos;une montre, vu de derrière la parabole.</translation>
    </message>
    <message>
        <source>%1: line %2: &quot;%3&quot; is at no place on the arc (%4); left out</source>
        <translation>%1 : ligne %2 : &quot;%3&quot; n&apos;est à aucun endroit de l&apos;arc (%4) ; laissé de côté</translation>
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
        <translation>Usage : orbivane-cli COMMANDE [OPTIONS] [ARGUMENTS]
Toutes les tâches de mesureur d&apos;Orbivane depuis un terminal.

Commandes :
  ports                        les ports COM et les périphériques série présents
  probe [--port P]...          le test de connexion ; affiche le mot d&apos;identité du mesureur
  read  [--port P]... TARGET   la base du mesureur dans un fichier (un dossier pour plusieurs)
  write [--port P]... FILE     un fichier de base dans le(s) mesureur(s)
  load  [--port P]... FILE     un logiciel dans le(s) mesureur(s)
  info  FILE                   satellites, totaux et enregistrements libres d&apos;un fichier de base
  check FILE                   le contrôle de structure d&apos;un fichier de base
  import DB SOURCE             une liste satellites.xml ou CSV dans un fichier de base
  export DB OUT (--xml|--csv)  un fichier de base en satellites.xml ou CSV
  fetch URL [OUT]              une liste de récepteur publiée dans le cache (et dans OUT)
  diff  A B                    ce qui diffère entre deux fichiers de base
  sky   SOURCE...              angles de visée depuis --site LAT,LON des satellites de fichiers ou de listes
  fit   DB --from LIST         les satellites et transpondeurs que DB garde pour --site LAT,LON
  sheet DB OUT                 la fiche de pointage de DB pour --site LAT,LON, en PDF
  backups [FILE]               les versions conservées des fichiers enregistrés et des lectures
  --version                    la version d&apos;orbivane-cli

P est COMn, un chemin de périphérique ou un nom de /dev/serial/by-id ; sans --port, le port
enregistré par la fenêtre. &apos;orbivane-cli COMMANDE --help&apos; en dit plus.

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
        <translation>Codes de sortie :
  0    terminé
  1    check a trouvé des problèmes ; diff a trouvé des différences
  2    erreur d&apos;utilisation
  3    erreur de fichier (illisible ou non inscriptible, pas le bon type de fichier, ou le remplacer
       perdrait son contenu) ; fetch : aucune liste du serveur et aucune en cache
  4    le port ne peut pas être ouvert
  5    le mesureur ne répond pas
  6    le transfert a échoué (le message donne le code du mesureur et sa signification)
  7    refusé : load pose une question (autre modèle, version pas plus récente), export, fetch ou
       sheet remplacerait un fichier (--force répond Oui) ; import ou fit ne tient pas dans les tables du mesureur
  130  interrompu (SIGINT, SIGTERM)
Avec plusieurs ports, le code du premier port en échec.
</translation>
    </message>
    <message>
        <source>Writes the pointing sheet of database DB to OUT, a PDF: every satellite of DB with its azimuth, elevation and LNB skew seen from the site, sorted by azimuth, those below the minimum elevation marked. An existing OUT is replaced only with --force, and its content is kept in the backup archive first; DB itself is never replaced.</source>
        <translation>Écrit la fiche de pointage de la base DB dans OUT, un PDF : chaque satellite de DB avec son azimut, son élévation et l&apos;inclinaison du LNB vus du site, triés par azimut, ceux sous l&apos;élévation minimale signalés. Un OUT existant n&apos;est remplacé qu&apos;avec --force, et son contenu est d&apos;abord gardé dans l&apos;archive des sauvegardes ; DB elle-même n&apos;est jamais remplacée.</translation>
    </message>
</context>
<context>
    <name>DatabaseChecker</name>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>%1: link %2 after record %3 is out of range</source>
        <translation>%1 : le lien %2 après l&apos;enregistrement %3 est hors limites</translation>
    </message>
    <message>
        <source>%1: loops back to record %2</source>
        <translation>%1 : reboucle sur l&apos;enregistrement %2</translation>
    </message>
    <message>
        <source>%1: record %2 links back to %3 instead of %4</source>
        <translation>%1 : l&apos;enregistrement %2 renvoie à %3 au lieu de %4</translation>
    </message>
    <message>
        <source>%1: ends at %2 but its last is %3</source>
        <translation>%1 : se termine à %2 mais son dernier est %3</translation>
    </message>
    <message>
        <source>%1: holds %2 records but its count is %3</source>
        <translation>%1 : contient %2 enregistrements mais son compte est %3</translation>
    </message>
    <message>
        <source>satellite chain</source>
        <translation>chaîne des satellites</translation>
    </message>
    <message>
        <source>satellite chain: slot %1 is not in use</source>
        <translation>chaîne des satellites : l&apos;emplacement %1 n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>free satellite chain</source>
        <translation>chaîne des satellites libres</translation>
    </message>
    <message>
        <source>free satellite chain: slot %1 is in use</source>
        <translation>chaîne des satellites libres : l&apos;emplacement %1 est utilisé</translation>
    </message>
    <message>
        <source>satellite %1 is in use but not on the satellite chain</source>
        <translation>le satellite %1 est utilisé mais n&apos;est pas dans la chaîne des satellites</translation>
    </message>
    <message>
        <source>satellite slot %1 is free but not on the free chain</source>
        <translation>l&apos;emplacement de satellite %1 est libre mais n&apos;est pas dans la chaîne libre</translation>
    </message>
    <message>
        <source>transponders of satellite %1</source>
        <translation>transpondeurs du satellite %1</translation>
    </message>
    <message>
        <source>transponder %1 of satellite %2 is not in use</source>
        <translation>le transpondeur %1 du satellite %2 n&apos;est pas utilisé</translation>
    </message>
    <message>
        <source>transponder %1 is on the chains of satellites %2 and %3</source>
        <translation>le transpondeur %1 est dans les chaînes des satellites %2 et %3</translation>
    </message>
    <message>
        <source>transponder count is %1 but the satellites hold %2</source>
        <translation>le nombre de transpondeurs est %1 mais les satellites en contiennent %2</translation>
    </message>
    <message>
        <source>free transponder chain</source>
        <translation>chaîne des transpondeurs libres</translation>
    </message>
    <message>
        <source>free transponder chain: record %1 is in use</source>
        <translation>chaîne des transpondeurs libres : l&apos;enregistrement %1 est utilisé</translation>
    </message>
    <message>
        <source>kind-1 channel chain</source>
        <translation>chaîne des chaînes TV de type 1</translation>
    </message>
    <message>
        <source>other-kind channel chain</source>
        <translation>chaîne des chaînes TV d&apos;autre type</translation>
    </message>
    <message>
        <source>%1: channel %2 is not in use</source>
        <translation>%1 : la chaîne TV %2 n&apos;est pas utilisée</translation>
    </message>
    <message>
        <source>%1: channel %2 is of kind %3</source>
        <translation>%1 : la chaîne TV %2 est de type %3</translation>
    </message>
    <message>
        <source>%1 channels of satellite %2</source>
        <translation>chaînes TV %1 du satellite %2</translation>
    </message>
    <message>
        <source>kind-1</source>
        <translation>de type 1</translation>
    </message>
    <message>
        <source>other-kind</source>
        <translation>d&apos;autre type</translation>
    </message>
    <message>
        <source>%1: channel %2 does not belong there</source>
        <translation>%1 : la chaîne TV %2 n&apos;a rien à faire là</translation>
    </message>
    <message>
        <source>group %1 channel chain</source>
        <translation>chaîne des chaînes TV du groupe %1</translation>
    </message>
    <message>
        <source>%1: channel %2 is not a member</source>
        <translation>%1 : la chaîne TV %2 n&apos;en fait pas partie</translation>
    </message>
    <message>
        <source>free channel chain</source>
        <translation>chaîne des chaînes TV libres</translation>
    </message>
    <message>
        <source>free channel chain: channel %1 is in use</source>
        <translation>chaîne des chaînes TV libres : la chaîne TV %1 est utilisée</translation>
    </message>
    <message>
        <source>channel %1 is free but not on the free chain</source>
        <translation>la chaîne TV %1 est libre mais n&apos;est pas dans la chaîne libre</translation>
    </message>
    <message>
        <source>channel %1 is not on the chain of its kind</source>
        <translation>la chaîne TV %1 n&apos;est pas dans la chaîne de son type</translation>
    </message>
    <message>
        <source>channel %1 is not on a chain of its satellite %2</source>
        <translation>la chaîne TV %1 n&apos;est dans aucune chaîne de son satellite %2</translation>
    </message>
    <message>
        <source>channel %1 is not on group chain %2</source>
        <translation>la chaîne TV %1 n&apos;est pas dans la chaîne du groupe %2</translation>
    </message>
    <message>
        <source>channel %1 is on transponder %2, which is not a transponder of its satellite %3</source>
        <translation>la chaîne TV %1 est sur le transpondeur %2, qui n&apos;est pas un transpondeur de son satellite %3</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder records are on no chain</source>
        <translation>
            <numerusform>%n enregistrement de transpondeur n&apos;est dans aucune chaîne</numerusform>
            <numerusform>%n enregistrements de transpondeur ne sont dans aucune chaîne</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDiff</name>
    <message>
        <source>satellite renamed: &quot;%1&quot; -&gt; &quot;%2&quot;</source>
        <translation>satellite renommé : &quot;%1&quot; -&gt; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>satellite moved: &quot;%1&quot; %2 -&gt; %3</source>
        <translation>satellite déplacé : &quot;%1&quot; %2 -&gt; %3</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: transponder </source>
        <translation>  &quot;%1&quot; : transpondeur </translation>
    </message>
    <message>
        <source>added: </source>
        <translation>ajouté : </translation>
    </message>
    <message>
        <source>removed: </source>
        <translation>supprimé : </translation>
    </message>
    <message>
        <source>changed: %1 -&gt; %2</source>
        <translation>modifié : %1 -&gt; %2</translation>
    </message>
    <message numerus="yes">
        <source>satellite added: %1, %n transponders</source>
        <translation>
            <numerusform>satellite ajouté : %1, %n transpondeur</numerusform>
            <numerusform>satellite ajouté : %1, %n transpondeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>satellite removed: %1, %n transponders</source>
        <translation>
            <numerusform>satellite supprimé : %1, %n transpondeur</numerusform>
            <numerusform>satellite supprimé : %1, %n transpondeurs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DatabaseDocument</name>
    <message>
        <source>The file was changed by another program after it was read.</source>
        <translation>Le fichier a été modifié par un autre programme après sa lecture.</translation>
    </message>
    <message>
        <source>Add SAT</source>
        <translation>Ajouter SAT</translation>
    </message>
    <message>
        <source>Edit SAT</source>
        <translation>Modifier SAT</translation>
    </message>
    <message>
        <source>Delete SAT</source>
        <translation>Supprimer SAT</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>La base de données ne correspond pas !</translation>
    </message>
    <message>
        <source>Nothing was stored: the database and its file are as they were.</source>
        <translation>Rien n&apos;a été enregistré : la base et son fichier sont inchangés.</translation>
    </message>
    <message>
        <source>The transponder chain of this satellite is damaged in the database.
</source>
        <translation>La chaîne des transpondeurs de ce satellite est endommagée dans la base.
</translation>
    </message>
    <message>
        <source>The transponder list no longer matches the database; select the satellite again.
</source>
        <translation>La liste des transpondeurs ne correspond plus à la base ; sélectionnez de nouveau le satellite.
</translation>
    </message>
    <message>
        <source>The transponders could not be stored: the database is inconsistent around them.
</source>
        <translation>Les transpondeurs n&apos;ont pas pu être enregistrés : la base est incohérente autour d&apos;eux.
</translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: it holds %1 transponders for all satellites together.
%n of the %2 new rows could not be stored. Delete transponders you no longer need and apply again.
</source>
        <translation>
            <numerusform>La table des transpondeurs est pleine : elle contient %1 transpondeurs pour tous les satellites réunis.
%n des %2 nouvelles lignes n&apos;a pas pu être enregistrée. Supprimez les transpondeurs dont vous n&apos;avez plus besoin et appliquez de nouveau.
</numerusform>
            <numerusform>La table des transpondeurs est pleine : elle contient %1 transpondeurs pour tous les satellites réunis.
%n des %2 nouvelles lignes n&apos;ont pas pu être enregistrées. Supprimez les transpondeurs dont vous n&apos;avez plus besoin et appliquez de nouveau.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>transponder list</source>
        <translation>liste des transpondeurs</translation>
    </message>
    <message>
        <source>&amp;Add TP</source>
        <translation>&amp;Ajouter TP</translation>
    </message>
    <message>
        <source>&amp;Delete TP</source>
        <translation>&amp;Supprimer TP</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>

Save over it: what it holds now is kept in the backups. Reload it: the changes made here are dropped. Cancel: both stay as they are.</source>
        <translation>

Écraser : son contenu actuel est conservé dans les sauvegardes. Recharger : les modifications faites ici sont abandonnées. Annuler : les deux restent tels quels.</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; restoring the backup drops them.

Restore it anyway?</source>
        <translation>La liste des transpondeurs a des modifications non appliquées ; restaurer la sauvegarde les abandonne.

Restaurer quand même ?</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurer la sauvegarde</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied, and the database file does not hold them yet.</source>
        <translation>La liste des transpondeurs a des modifications non appliquées, et le fichier de base ne les contient pas encore.</translation>
    </message>
    <message>
        <source>The database has changes that have not been saved to its file yet.</source>
        <translation>La base a des modifications qui ne sont pas encore enregistrées dans son fichier.</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>row %1: more than %2 cells</source>
        <translation>ligne %1 : plus de %2 cellules</translation>
    </message>
    <message>
        <source>row %1: text after a closing quote</source>
        <translation>ligne %1 : texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>row %1: a cell longer than %2 bytes</source>
        <translation>ligne %1 : une cellule de plus de %2 octets</translation>
    </message>
    <message>
        <source>row %1: a quote is not closed</source>
        <translation>ligne %1 : un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>le fichier n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>row 1: the header must name the columns Satellite, Position, Frequency, Symbol rate and Polarisation</source>
        <translation>ligne 1 : l&apos;en-tête doit nommer les colonnes Satellite, Position, Frequency, Symbol rate et Polarisation</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>la lecture a été annulée</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>no satellite name</source>
        <translation>pas de nom de satellite</translation>
    </message>
    <message>
        <source>the satellite name &quot;%1&quot; holds characters beyond Latin-1, which the meter cannot store</source>
        <translation>le nom de satellite &quot;%1&quot; contient des caractères hors Latin-1, que le mesureur ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>the position &quot;%1&quot; is no number of degrees</source>
        <translation>la position &quot;%1&quot; n&apos;est pas un nombre de degrés</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is no number of MHz</source>
        <translation>la fréquence &quot;%1&quot; n&apos;est pas un nombre de MHz</translation>
    </message>
    <message>
        <source>the symbol rate &quot;%1&quot; is no number of kS/s</source>
        <translation>le débit symbole &quot;%1&quot; n&apos;est pas un nombre de kS/s</translation>
    </message>
    <message>
        <source>the polarisation &quot;%1&quot; is none of H, V, L, R, Auto</source>
        <translation>la polarisation &quot;%1&quot; n&apos;est ni H, ni V, ni L, ni R, ni Auto</translation>
    </message>
    <message>
        <source>cannot read the file: %1</source>
        <translation>impossible de lire le fichier : %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier inexistant</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB; a receiver list is far smaller</source>
        <translation>le fichier dépasse %1 Mo ; une liste de récepteur est bien plus petite</translation>
    </message>
    <message>
        <source>the file holds no satellites; nothing to import</source>
        <translation>le fichier ne contient aucun satellite ; rien à importer</translation>
    </message>
    <message>
        <source>the list holds more than %1 satellites; that is not a receiver list</source>
        <translation>la liste contient plus de %1 satellites ; ce n&apos;est pas une liste de récepteur</translation>
    </message>
    <message>
        <source>the list holds more than %1 transponders; that is not a receiver list</source>
        <translation>la liste contient plus de %1 transpondeurs ; ce n&apos;est pas une liste de récepteur</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot; holds more than %2 transponders; that is not a receiver list</source>
        <translation>le satellite &quot;%1&quot; contient plus de %2 transpondeurs ; ce n&apos;est pas une liste de récepteur</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; holds characters beyond Latin-1: stored as &quot;%2&quot;</source>
        <translation>le nom &quot;%1&quot; contient des caractères hors Latin-1 : enregistré comme &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is shortened to 16 characters: &quot;%2&quot;</source>
        <translation>le nom &quot;%1&quot; est raccourci à 16 caractères : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>line %1: the position &quot;%2&quot; lies outside 0..360 degrees; satellite left out</source>
        <translation>ligne %1 : la position &quot;%2&quot; est hors de 0..360 degrés ; satellite écarté</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>ligne %1 : </translation>
    </message>
    <message>
        <source>%1 MHz lies outside the meter&apos;s %2..%3 MHz; left out</source>
        <translation>%1 MHz est hors des %2..%3 MHz du mesureur ; écarté</translation>
    </message>
    <message>
        <source>%1 MHz: %2 kS/s lies outside the meter&apos;s %3..%4 kS/s; left out</source>
        <translation>%1 MHz : %2 kS/s est hors des %3..%4 kS/s du mesureur ; écarté</translation>
    </message>
    <message>
        <source>%1 MHz: circular %2 is stored as Auto</source>
        <translation>%1 MHz : la circulaire %2 est enregistrée comme Auto</translation>
    </message>
    <message>
        <source>left (L)</source>
        <translation>gauche (L)</translation>
    </message>
    <message>
        <source>right (R)</source>
        <translation>droite (R)</translation>
    </message>
    <message>
        <source>
Nothing is imported: take fewer satellites, or delete some first.</source>
        <translation>
Rien n&apos;est importé : prenez moins de satellites, ou supprimez-en d&apos;abord.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: left out</source>
        <translation>&quot;%1&quot; : écarté</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): </source>
        <translation>&quot;%1&quot; (%2) : </translation>
    </message>
    <message>
        <source>satellite added, </source>
        <translation>satellite ajouté, </translation>
    </message>
    <message>
        <source>from &quot;%1&quot;, </source>
        <translation>depuis &quot;%1&quot;, </translation>
    </message>
    <message>
        <source>%1, %2 added, %3 removed, %4 changed</source>
        <translation>%1, %2 ajoutés, %3 supprimés, %4 modifiés</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>remplacer</translation>
    </message>
    <message>
        <source>merge</source>
        <translation>fusionner</translation>
    </message>
    <message>
        <source>  added: </source>
        <translation>  ajouté : </translation>
    </message>
    <message>
        <source>  removed: </source>
        <translation>  supprimé : </translation>
    </message>
    <message>
        <source>  changed: %1 -&gt; %2</source>
        <translation>  modifié : %1 -&gt; %2</translation>
    </message>
    <message>
        <source>attribute defaults (&lt;!ATTLIST&gt;) are not taken; a receiver list has none</source>
        <translation>les valeurs d&apos;attribut par défaut (&lt;!ATTLIST&gt;) ne sont pas acceptées ; une liste de récepteur n&apos;en a pas</translation>
    </message>
    <message>
        <source>line %1: elements nested more than %2 deep; a receiver list has three levels</source>
        <translation>ligne %1 : éléments imbriqués sur plus de %2 niveaux ; une liste de récepteur en a trois</translation>
    </message>
    <message>
        <source>line %1: an attribute value longer than %2 bytes; a receiver list has names</source>
        <translation>ligne %1 : une valeur d&apos;attribut de plus de %2 octets ; une liste de récepteur contient des noms</translation>
    </message>
    <message>
        <source>line %1: an element with more than %2 attributes; a receiver list has a dozen</source>
        <translation>ligne %1 : un élément de plus de %2 attributs ; une liste de récepteur en a une douzaine</translation>
    </message>
    <message>
        <source>line %1: more than %2 namespace declarations; a receiver list has none</source>
        <translation>ligne %1 : plus de %2 déclarations d&apos;espace de noms ; une liste de récepteur n&apos;en a pas</translation>
    </message>
    <message>
        <source>a &lt;transponder&gt; outside any &lt;sat&gt;</source>
        <translation>un &lt;transponder&gt; hors de tout &lt;sat&gt;</translation>
    </message>
    <message>
        <source>no &lt;satellites&gt; list in this file</source>
        <translation>pas de liste &lt;satellites&gt; dans ce fichier</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>ligne %1, colonne %2 : </translation>
    </message>
    <message>
        <source>&lt;%1&gt; needs a whole number in %2=&quot;&quot;</source>
        <translation>&lt;%1&gt; a besoin d&apos;un nombre entier dans %2=&quot;&quot;</translation>
    </message>
    <message>
        <source>polarization=&quot;%1&quot; is none of 0 (H), 1 (V), 2 (L), 3 (R)</source>
        <translation>polarization=&quot;%1&quot; n&apos;est ni 0 (H), ni 1 (V), ni 2 (L), ni 3 (R)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) is written as &quot;%3&quot;: satellites.xml cannot hold control characters</source>
        <translation>&quot;%1&quot; (%2) est écrit &quot;%3&quot; : satellites.xml ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Supprimer les doublons</translation>
    </message>
    <message numerus="yes">
        <source>%n cells, 5 wanted</source>
        <translation>
            <numerusform>%n cellule, 5 attendues</numerusform>
            <numerusform>%n cellules, 5 attendues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The satellite table is full: the import adds %n satellites and %1 of its %2 places are free.</source>
        <translation>
            <numerusform>La table des satellites est pleine : l&apos;importation ajoute %n satellite et %1 de ses %2 places sont libres.</numerusform>
            <numerusform>La table des satellites est pleine : l&apos;importation ajoute %n satellites et %1 de ses %2 places sont libres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The transponder table is full: the import needs %n records and %1 of its %2 are free.</source>
        <translation>
            <numerusform>La table des transpondeurs est pleine : l&apos;importation a besoin de %n enregistrement et %1 de ses %2 sont libres.</numerusform>
            <numerusform>La table des transpondeurs est pleine : l&apos;importation a besoin de %n enregistrements et %1 de ses %2 sont libres.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 MHz %2 repeats line %3 (within %4 MHz); stored as well</source>
        <translation>%1 MHz %2 répète la ligne %3 (à %4 MHz près) ; enregistré quand même</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Receiver lists (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;All Files (*)</source>
        <translation>Listes de récepteur (*.xml *.csv);;satellites.xml (*.xml);;CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The transponder list has changes that have not been applied; the import changes this satellite and drops them.

Import anyway?</source>
        <translation>La liste des transpondeurs a des modifications non appliquées ; l&apos;importation modifie ce satellite et les abandonne.

Importer quand même ?</translation>
    </message>
    <message>
        <source>Nothing was imported: the database refused the change.</source>
        <translation>Rien n&apos;a été importé : la base a refusé la modification.</translation>
    </message>
    <message>
        <source>Please give the file name the ending .xml (satellites.xml) or .csv.</source>
        <translation>Veuillez donner au nom de fichier la terminaison .xml (satellites.xml) ou .csv.</translation>
    </message>
    <message>
        <source>Exported to %1, with these names changed:
%2</source>
        <translation>Exporté vers %1, avec ces noms modifiés :
%2</translation>
    </message>
</context>
<context>
    <name>Fetch</name>
    <message numerus="yes">
        <source>%n minute</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>the server sends more than %1 bytes; no receiver list is that large</source>
        <translation>le serveur envoie plus de %1 octets ; aucune liste de récepteur n&apos;est aussi grande</translation>
    </message>
    <message>
        <source>the server announces %1 bytes; no receiver list is that large</source>
        <translation>le serveur annonce %1 octets ; aucune liste de récepteur n&apos;est aussi grande</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulé</translation>
    </message>
    <message>
        <source>the server sent nothing for %1 seconds</source>
        <translation>le serveur n&apos;a rien envoyé pendant %1 secondes</translation>
    </message>
    <message>
        <source>the server answered %1 but named no new address</source>
        <translation>le serveur a répondu %1 mais n&apos;a indiqué aucune nouvelle adresse</translation>
    </message>
    <message>
        <source>more than %1 redirects; the last to %2</source>
        <translation>plus de %1 redirections ; la dernière vers %2</translation>
    </message>
    <message>
        <source>the cached copy %1 is not read: %2</source>
        <translation>la copie en cache %1 n&apos;est pas lue : %2</translation>
    </message>
    <message>
        <source>there is no cached copy</source>
        <translation>il n&apos;y a pas de copie en cache</translation>
    </message>
    <message>
        <source>the cached copy %1 does not read: %2</source>
        <translation>la copie en cache %1 ne se lit pas : %2</translation>
    </message>
    <message>
        <source>is a symbolic link; the cache is not kept through it</source>
        <translation>est un lien symbolique ; le cache n&apos;est pas tenu à travers lui</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the check is not noted in the cache: %1</source>
        <translation>la vérification n&apos;est pas notée dans le cache : %1</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
    <message>
        <source>the list is not kept in the cache: %1</source>
        <translation>la liste n&apos;est pas conservée dans le cache : %1</translation>
    </message>
    <message>
        <source>what the server sent is no receiver list: %1</source>
        <translation>ce que le serveur a envoyé n&apos;est pas une liste de récepteur : %1</translation>
    </message>
    <message>
        <source>the address holds control characters</source>
        <translation>l&apos;adresse contient des caractères de contrôle</translation>
    </message>
    <message>
        <source>not a valid address: %1</source>
        <translation>adresse non valide : %1</translation>
    </message>
    <message>
        <source>not a valid address</source>
        <translation>adresse non valide</translation>
    </message>
    <message>
        <source>only http:// and https:// addresses are fetched, not %1</source>
        <translation>seules les adresses http:// et https:// sont téléchargées, pas %1</translation>
    </message>
    <message>
        <source>a bare name</source>
        <translation>un simple nom</translation>
    </message>
    <message>
        <source>the address names no server</source>
        <translation>l&apos;adresse n&apos;indique aucun serveur</translation>
    </message>
    <message>
        <source>a user name or password in the address is not sent</source>
        <translation>un nom d&apos;utilisateur ou un mot de passe dans l&apos;adresse n&apos;est pas envoyé</translation>
    </message>
    <message>
        <source>redirected to %1: %2</source>
        <translation>redirigé vers %1 : %2</translation>
    </message>
    <message>
        <source>redirected from https to %1, which is not encrypted; not followed</source>
        <translation>redirigé de https vers %1, qui n&apos;est pas chiffré ; non suivi</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>another program is writing this file; try again later</source>
        <translation>un autre programme écrit ce fichier ; réessayez plus tard</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 bytes, more than %2</source>
        <translation>%1 octets, plus de %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>N&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Database does not match!</source>
        <translation>La base de données ne correspond pas !</translation>
    </message>
    <message>
        <source>open file error: pLnbList</source>
        <translation>erreur d&apos;ouverture du fichier : pLnbList</translation>
    </message>
    <message>
        <source>open file error</source>
        <translation>erreur d&apos;ouverture du fichier</translation>
    </message>
</context>
<context>
    <name>GuiPrompts</name>
    <message>
        <source>&amp;Apply and save</source>
        <translation>&amp;Appliquer et enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Rester</translation>
    </message>
    <message>
        <source>&amp;Save over it</source>
        <translation>&amp;Écraser</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Re&amp;charger</translation>
    </message>
</context>
<context>
    <name>PlanCommands</name>
    <message>
        <source>The transponder list has changes that have not been applied; the plan shows the database afresh and drops them.

Import anyway?</source>
        <translation>La liste des transpondeurs a des modifications non appliquées ; le plan montre la base à nouveau et les abandonne.

Importer quand même ?</translation>
    </message>
    <message>
        <source>Nothing was changed: the database refused the plan.</source>
        <translation>Rien n&apos;a été modifié : la base a refusé le plan.</translation>
    </message>
    <message>
        <source>No site is kept yet: type it in File &gt; Plan for a site... first.</source>
        <translation>Aucun site n&apos;est encore gardé : saisissez-le d&apos;abord dans Fichier &gt; Plan pour un site...</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;All Files (*)</source>
        <translation>PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Please give the file name the ending .pdf.</source>
        <translation>Veuillez donner au nom du fichier l&apos;extension .pdf.</translation>
    </message>
</context>
<context>
    <name>PlanTableModel</name>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
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
        <translation>Dans la base</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Transponders kept</source>
        <translation>Transp. gardés</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>How many of the list&apos;s %1 transponders the meter keeps for this satellite; empty: as the plan shares them out.</source>
        <translation>Combien des %1 transpondeurs de la liste le mesureur garde pour ce satellite ; vide : selon la répartition du plan.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
        <translation>Fiche de pointage : %1</translation>
    </message>
    <message>
        <source>Site %1 (%2). Minimum elevation %3 degrees.</source>
        <translation>Site %1 (%2). Élévation minimale %3 degrés.</translation>
    </message>
    <message>
        <source>Azimuth: true, degrees clockwise from geographic north; correct a magnetic compass by the local declination. Elevation: degrees above the horizon. Skew: a positive skew turns the LNB counter-clockwise as seen from behind the dish, looking towards the satellite.</source>
        <translation>Azimut : vrai, en degrés dans le sens horaire depuis le nord géographique ; corrigez une boussole magnétique de la déclinaison locale. Élévation : degrés au-dessus de l&apos;horizon. Inclinaison : une inclinaison positive tourne le LNB dans le sens antihoraire, vu de derrière la parabole en regardant vers le satellite.</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Élévation</translation>
    </message>
    <message>
        <source>Skew</source>
        <translation>Inclin.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>below the horizon</source>
        <translation>sous l&apos;horizon</translation>
    </message>
    <message>
        <source>below the minimum elevation</source>
        <translation>sous l&apos;élévation minimale</translation>
    </message>
    <message>
        <source>The database holds no satellite.</source>
        <translation>La base ne contient aucun satellite.</translation>
    </message>
    <message>
        <source>This is the database itself; it is not replaced.</source>
        <translation>C&apos;est la base elle-même ; elle n&apos;est pas remplacée.</translation>
    </message>
    <message>
        <source>This is no regular file; it is not replaced.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire ; il n&apos;est pas remplacé.</translation>
    </message>
    <message>
        <source>The sheet could not be laid out.</source>
        <translation>La fiche n&apos;a pas pu être mise en page.</translation>
    </message>
</context>
<context>
    <name>PortDiagnosis</name>
    <message>
        <source>ModemManager is running. It opens serial devices that appear (mostly ttyACM) and sends them modem commands for a while, which disturbs the meter&apos;s exchange. Wait half a minute after plugging the adapter in and try again. For good: the udev rule of the Orbivane package tells ModemManager to leave the meter&apos;s adapters alone; without it, stop the service if you use no mobile modem:
    sudo systemctl disable --now ModemManager</source>
        <translation>ModemManager est en cours d&apos;exécution. Il ouvre les périphériques série qui apparaissent (surtout ttyACM) et leur envoie des commandes modem pendant un moment, ce qui perturbe l&apos;échange avec le mesureur. Attendez une demi-minute après avoir branché l&apos;adaptateur et réessayez. Durablement : la règle udev du paquet Orbivane demande à ModemManager de laisser les adaptateurs du mesureur tranquilles ; sans elle, arrêtez le service si vous n&apos;utilisez pas de modem mobile :
    sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source>BRLTTY (the braille display service) is running. It claims some USB serial adapters (CH340, CP210x) as braille displays, and then no serial device appears for them. If you use no braille display, remove it and plug the adapter in again:
    sudo apt remove brltty</source>
        <translation>BRLTTY (le service des afficheurs braille) est en cours d&apos;exécution. Il prend certains adaptateurs série USB (CH340, CP210x) pour des afficheurs braille, et aucun périphérique série n&apos;apparaît alors pour eux. Si vous n&apos;utilisez pas d&apos;afficheur braille, supprimez-le et rebranchez l&apos;adaptateur :
    sudo apt remove brltty</translation>
    </message>
    <message>
        <source>%1 adapter without a serial device: BRLTTY took it</source>
        <translation>adaptateur %1 sans périphérique série : BRLTTY l&apos;a pris</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it.

</source>
        <translation>L&apos;adaptateur série USB %1 est branché, mais aucun périphérique série n&apos;en est issu.

</translation>
    </message>
    <message>
        <source>%1 adapter without a serial driver</source>
        <translation>adaptateur %1 sans pilote série</translation>
    </message>
    <message>
        <source>The USB serial adapter %1 is plugged in, but no serial device came of it: its driver is missing or not loaded. Load it and plug the adapter in again:
    sudo modprobe %2
If the module is not found, install the kernel&apos;s extra modules (package linux-image-...) for your kernel.</source>
        <translation>L&apos;adaptateur série USB %1 est branché, mais aucun périphérique série n&apos;en est issu : son pilote manque ou n&apos;est pas chargé. Chargez-le et rebranchez l&apos;adaptateur :
    sudo modprobe %2
Si le module est introuvable, installez les modules supplémentaires du noyau (paquet linux-image-...) pour votre noyau.</translation>
    </message>
    <message>
        <source>No serial device is present, so nothing stands for this port.</source>
        <translation>Aucun périphérique série n&apos;est présent, donc rien ne correspond à ce port.</translation>
    </message>
    <message>
        <source>There is no device %1.</source>
        <translation>Le périphérique %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>no serial device present</source>
        <translation>aucun périphérique série présent</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique inexistant</translation>
    </message>
    <message>
        <source> Plug the meter&apos;s USB serial adapter in, then choose the port again. &apos;orbivane-cli ports&apos; lists the serial devices present and which COM port stands for each.</source>
        <translation> Branchez l&apos;adaptateur série USB du mesureur, puis choisissez de nouveau le port. &apos;orbivane-cli ports&apos; liste les périphériques série présents et le port COM qui correspond à chacun.</translation>
    </message>
    <message>
        <source>Your account may not open %1 (owner %2, group %3, mode %4).</source>
        <translation>Votre compte n&apos;a pas le droit d&apos;ouvrir %1 (propriétaire %2, groupe %3, mode %4).</translation>
    </message>
    <message>
        <source>The udev rule of the Orbivane package is installed but did not give you this device: it covers the usual adapters, for the user logged in at the screen. For another adapter an administrator can add a line for it to /etc/udev/rules.d/70-orbivane-local.rules (the rule file says how); then plug the adapter in again.</source>
        <translation>La règle udev du paquet Orbivane est installée mais ne vous a pas donné ce périphérique : elle couvre les adaptateurs courants, pour l&apos;utilisateur connecté à l&apos;écran. Pour un autre adaptateur, un administrateur peut ajouter une ligne dans /etc/udev/rules.d/70-orbivane-local.rules (le fichier de règle explique comment) ; rebranchez ensuite l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>Or install the Orbivane package: its udev rule lets the user at the screen open the meter&apos;s USB adapter without any group.</source>
        <translation>Ou installez le paquet Orbivane : sa règle udev permet à l&apos;utilisateur à l&apos;écran d&apos;ouvrir l&apos;adaptateur USB du mesureur sans aucun groupe.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source> Add it to the device&apos;s group:
    sudo usermod -aG %1 $USER
then log out and in again: a new group counts only from the next login. </source>
        <translation> Ajoutez-le au groupe du périphérique :
    sudo usermod -aG %1 $USER
puis déconnectez-vous et reconnectez-vous : un nouveau groupe ne compte qu&apos;à partir de la connexion suivante. </translation>
    </message>
    <message>
        <source> No group gives access to it, so joining one cannot help: only a udev rule that hands the device to you or to a group, or an administrator, can. </source>
        <translation> Aucun groupe n&apos;y donne accès, rejoindre un groupe ne peut donc pas aider : seule une règle udev qui vous confie le périphérique, à vous ou à un groupe, ou un administrateur, le peut. </translation>
    </message>
    <message>
        <source>The Orbivane package brings such a rule for the usual adapters: ask an administrator to install it, then plug the adapter in again.</source>
        <translation>Le paquet Orbivane apporte une telle règle pour les adaptateurs courants : demandez à un administrateur de l&apos;installer, puis rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>in use by ModemManager (pid %1)</source>
        <translation>utilisé par ModemManager (pid %1)</translation>
    </message>
    <message>
        <source>in use by BRLTTY (pid %1)</source>
        <translation>utilisé par BRLTTY (pid %1)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Another program has %1 open; the system does not say which (it may run under another account). A terminal program (minicom, screen, picocom), another Orbivane or ModemManager are the usual ones. Close it, then choose the port again.</source>
        <translation>Un autre programme a ouvert %1 ; le système ne dit pas lequel (il tourne peut-être sous un autre compte). Un programme de terminal (minicom, screen, picocom), un autre Orbivane ou ModemManager sont les cas habituels. Fermez-le, puis choisissez de nouveau le port.</translation>
    </message>
    <message>
        <source>%1 %2 %3 open.</source>
        <translation>%1 %2 %3 ouvert.</translation>
    </message>
    <message>
        <source>have</source>
        <translation>ont</translation>
    </message>
    <message>
        <source>has</source>
        <translation>a</translation>
    </message>
    <message>
        <source> Close %1 (or end %2: kill %3).</source>
        <translation> Fermez %1 (ou terminez-%2 : kill %3).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>them</source>
        <translation>les</translation>
    </message>
    <message>
        <source>it</source>
        <translation>le</translation>
    </message>
    <message>
        <source> Close your other Orbivane window (or finish its transfer first).</source>
        <translation> Fermez votre autre fenêtre Orbivane (ou terminez d&apos;abord son transfert).</translation>
    </message>
    <message>
        <source> Let your orbivane-cli finish, or stop it with Ctrl+C in its terminal.</source>
        <translation> Laissez votre orbivane-cli finir, ou arrêtez-le avec Ctrl+C dans son terminal.</translation>
    </message>
    <message>
        <source>in use by %1</source>
        <translation>utilisé par %1</translation>
    </message>
    <message>
        <source> Then choose the port again.</source>
        <translation> Puis choisissez de nouveau le port.</translation>
    </message>
    <message>
        <source>the port opens, but no meter answers</source>
        <translation>le port s&apos;ouvre, mais aucun mesureur ne répond</translation>
    </message>
    <message>
        <source>%1 opens, but no meter answered. Check that the meter is switched on, that the cable sits firmly at both ends, and that this is the meter&apos;s port: &apos;orbivane-cli ports&apos; lists the serial devices present, &apos;orbivane-cli probe --port DEVICE&apos; tries one.</source>
        <translation>%1 s&apos;ouvre, mais aucun mesureur n&apos;a répondu. Vérifiez que le mesureur est allumé, que le câble tient bien aux deux bouts et que c&apos;est le port du mesureur : &apos;orbivane-cli ports&apos; liste les périphériques série présents, &apos;orbivane-cli probe --port DEVICE&apos; en essaie un.</translation>
    </message>
    <message>
        <source>%1 also %2 the port open</source>
        <translation>%1 %2 aussi le port ouvert</translation>
    </message>
    <message>
        <source>no answer; </source>
        <translation>pas de réponse ; </translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>pas un périphérique série</translation>
    </message>
    <message>
        <source>%1 is not a serial device. Choose the port of the meter&apos;s adapter; &apos;orbivane-cli ports&apos; lists the serial devices present.</source>
        <translation>%1 n&apos;est pas un périphérique série. Choisissez le port de l&apos;adaptateur du mesureur ; &apos;orbivane-cli ports&apos; liste les périphériques série présents.</translation>
    </message>
    <message>
        <source>The system refused to open %1: %2.</source>
        <translation>Le système a refusé d&apos;ouvrir %1 : %2.</translation>
    </message>
    <message>
        <source>ModemManager is running (pid %1)</source>
        <translation>ModemManager est en cours d&apos;exécution (pid %1)</translation>
    </message>
    <message>
        <source>BRLTTY is running</source>
        <translation>BRLTTY est en cours d&apos;exécution</translation>
    </message>
</context>
<context>
    <name>PortPanel</name>
    <message>
        <source>Select COM Port</source>
        <translation>Choisir le port COM</translation>
    </message>
    <message>
        <source>&amp;load software</source>
        <translation>&amp;Charger le logiciel</translation>
    </message>
    <message>
        <source>&amp;Read parameters</source>
        <translation>&amp;Lire les paramètres</translation>
    </message>
    <message>
        <source>&amp;Write parameters</source>
        <translation>Éc&amp;rire les paramètres</translation>
    </message>
    <message>
        <source>&amp;Edit parameters</source>
        <translation>&amp;Modifier les paramètres</translation>
    </message>
    <message>
        <source>succeed connecting com%1</source>
        <translation>connexion à com%1 réussie</translation>
    </message>
    <message>
        <source>fail to connect com%1</source>
        <translation>échec de connexion à com%1</translation>
    </message>
    <message>
        <source>no device for COM%1</source>
        <translation>aucun périphérique pour COM%1</translation>
    </message>
    <message>
        <source>%1 (not present)</source>
        <translation>%1 (absent)</translation>
    </message>
    <message>
        <source>No com port is selected</source>
        <translation>Aucun port COM sélectionné</translation>
    </message>
    <message>
        <source>COM%1: %2</source>
        <translation>COM%1 : %2</translation>
    </message>
</context>
<context>
    <name>PortStatusLabel</name>
    <message>
        <source>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Details...&lt;/a&gt;</source>
        <translation>&lt;span style=&quot;color:#b00020&quot;&gt;⚠&lt;/span&gt; %1 &amp;nbsp;&lt;a href=&quot;details&quot;&gt;Détails...&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>

Apply and save the changes now?</source>
        <translation>

Appliquer et enregistrer les modifications maintenant ?</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Abandonner les modifications ?</translation>
    </message>
    <message>
        <source>

Save over it?</source>
        <translation>

L&apos;écraser ?</translation>
    </message>
    <message>
        <source>Reload it, dropping the changes made here?</source>
        <translation>Le recharger, en abandonnant les modifications faites ici ?</translation>
    </message>
    <message>
        <source>Data Files (*.bin);;All Files (*)</source>
        <translation>Fichiers de données (*.bin);;Tous les fichiers (*)</translation>
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
        <translation>Plan pour un site</translation>
    </message>
    <message numerus="yes">
        <source>%n transponder</source>
        <translation>
            <numerusform>%n transpondeur</numerusform>
            <numerusform>%n transpondeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders</source>
        <translation>
            <numerusform>%n transpondeur</numerusform>
            <numerusform>%n transpondeurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2): satellite removed with its %3 and %4</source>
        <translation>&quot;%1&quot; (%2) : satellite retiré avec ses %3 et ses %4</translation>
    </message>
    <message numerus="yes">
        <source>%n channels go with the transponders the kept satellites lose</source>
        <translation>
            <numerusform>%n chaîne part avec les transpondeurs que perdent les satellites gardés</numerusform>
            <numerusform>%n chaînes partent avec les transpondeurs que perdent les satellites gardés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list lie outside the meter&apos;s ranges; left out</source>
        <translation>
            <numerusform>%n transpondeur de la liste est hors des plages du mesureur ; laissé de côté</numerusform>
            <numerusform>%n transpondeurs de la liste sont hors des plages du mesureur ; laissés de côté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transponders of the list repeat another of their satellite; taken once</source>
        <translation>
            <numerusform>%n transpondeur de la liste répète un autre de son satellite ; pris une fois</numerusform>
            <numerusform>%n transpondeurs de la liste répètent un autre de leur satellite ; pris une fois</numerusform>
        </translation>
    </message>
    <message>
        <source>The meter holds %1 of %2 satellites and %3 of %4 transponders</source>
        <translation>Le mesureur contient %1 des %2 satellites et %3 des %4 transpondeurs</translation>
    </message>
    <message>
        <source>; the list&apos;s transponders do not all fit, so each satellite keeps a share</source>
        <translation> ; les transpondeurs de la liste ne tiennent pas tous, donc chaque satellite en garde une part</translation>
    </message>
    <message>
        <source>write it as 52.52,13.40 or 52.52N 13.40E</source>
        <translation>écrivez-le sous la forme 52.52,13.40 ou 52.52N 13.40E</translation>
    </message>
    <message>
        <source>the latitude %1 lies beyond 90 degrees North or South</source>
        <translation>la latitude %1 dépasse 90 degrés Nord ou Sud</translation>
    </message>
    <message>
        <source>the longitude %1 lies beyond 180 degrees East or West</source>
        <translation>la longitude %1 dépasse 180 degrés Est ou Ouest</translation>
    </message>
    <message numerus="yes">
        <source>the site is %n characters long; a site takes at most %1</source>
        <translation>
            <numerusform>le site fait %n caractère ; un site en compte au plus %1</numerusform>
            <numerusform>le site fait %n caractères ; un site en compte au plus %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the site holds a control character; %1</source>
        <translation>le site contient un caractère de contrôle ; %1</translation>
    </message>
    <message>
        <source>no site given; %1</source>
        <translation>aucun site indiqué ; %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two latitudes; %2</source>
        <translation>&quot;%1&quot; donne deux latitudes ; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives two longitudes; %2</source>
        <translation>&quot;%1&quot; donne deux longitudes ; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a sign and a hemisphere letter on one number; %2</source>
        <translation>&quot;%1&quot; donne un signe et une lettre d&apos;hémisphère sur un même nombre ; %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no latitude and longitude; %2</source>
        <translation>&quot;%1&quot; n&apos;est ni une latitude ni une longitude ; %2</translation>
    </message>
</context>
<context>
    <name>SatelliteConversions</name>
    <message>
        <source>Please input a satillite name.</source>
        <translation>Veuillez saisir un nom de satellite.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter a number between 0 and 360.</source>
        <translation>Veuillez saisir un nombre entre 0 et 360.</translation>
    </message>
    <message>
        <source>Please enter no more than 16 characters.</source>
        <translation>Veuillez saisir au plus 16 caractères.</translation>
    </message>
    <message>
        <source>The satellite name can only hold Latin-1 characters (letters, digits and the common signs of Western European languages).</source>
        <translation>Le nom du satellite ne peut contenir que des caractères Latin-1 (lettres, chiffres et signes courants des langues d&apos;Europe occidentale).</translation>
    </message>
</context>
<context>
    <name>SatelliteList</name>
    <message>
        <source>satillite list</source>
        <translation>liste des satellites</translation>
    </message>
    <message>
        <source>&amp;Add SAT</source>
        <translation>&amp;Ajouter SAT</translation>
    </message>
    <message>
        <source>&amp;Delete SAT</source>
        <translation>&amp;Supprimer SAT</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrer par nom ou position</translation>
    </message>
    <message>
        <source>Satellite filter</source>
        <translation>Filtre des satellites</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
</context>
<context>
    <name>StartArguments</name>
    <message>
        <source>Loads software and parameter databases into a satellite-finder meter on a serial port, and edits database files.</source>
        <translation>Charge logiciels et bases de paramètres dans un mesureur de pointage satellite sur un port série, et modifie les fichiers de base.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>A parameter database file to open for editing.</source>
        <translation>Un fichier de base de paramètres à ouvrir pour le modifier.</translation>
    </message>
    <message>
        <source>Try &apos;orbivane --help&apos;.</source>
        <translation>Essayez &apos;orbivane --help&apos;.</translation>
    </message>
    <message>
        <source>Usage: orbivane [options] [FILE]</source>
        <translation>Usage : orbivane [options] [FILE]</translation>
    </message>
    <message>
        <source>only one file can be opened: %1</source>
        <translation>un seul fichier peut être ouvert : %1</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>le nom du fichier est vide</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Can not read the specified file!</source>
        <translation>Impossible de lire le fichier indiqué !</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>N&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Unknown frame %1!</source>
        <translation>Trame inconnue %1 !</translation>
    </message>
    <message>
        <source>This database file is damaged:

- %1

Write it anyway?</source>
        <translation>Ce fichier de base est endommagé :

- %1

L&apos;écrire quand même ?</translation>
    </message>
    <message>
        <source>This software doesn&apos;t match your Meter!</source>
        <translation>Ce logiciel ne correspond pas à votre mesureur !</translation>
    </message>
    <message>
        <source>This software version is not higher than the edition used currently, 
would you like to continue?</source>
        <translation>Cette version du logiciel n&apos;est pas plus récente que celle utilisée actuellement, 
voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Please choose a correct update file
</source>
        <translation>Veuillez choisir un fichier de mise à jour correct
</translation>
    </message>
    <message>
        <source>Serial Communication Device Error</source>
        <translation>Erreur du périphérique de communication série</translation>
    </message>
    <message>
        <source>Can not write the specified file!
%1</source>
        <translation>Impossible d&apos;écrire le fichier indiqué !
%1</translation>
    </message>
    <message>
        <source>%1 of %2 KiB</source>
        <translation>%1 sur %2 Kio</translation>
    </message>
    <message>
        <source>, %1 KiB/s</source>
        <translation>, %1 Kio/s</translation>
    </message>
    <message>
        <source>, %1:%2 left</source>
        <translation>, %1:%2 restant</translation>
    </message>
    <message>
        <source>Can not create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Please keep Meter power on,wait about 2 Minutes, Meter restart automically!</source>
        <translation>Veuillez laisser le mesureur allumé et attendre environ 2 minutes, le mesureur redémarre automatiquement !</translation>
    </message>
    <message>
        <source>finished transfer data!</source>
        <translation>transfert des données terminé !</translation>
    </message>
    <message>
        <source>An error ocurred when transfering. code:%1
Please restart the STB.</source>
        <translation>Une erreur s&apos;est produite pendant le transfert. code : %1
Veuillez redémarrer le STB.</translation>
    </message>
    <message>
        <source>Warnning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>transfer progress %1%</source>
        <translation>progression du transfert %1%</translation>
    </message>
    <message>
        <source>Please choose a correct database parameter file
</source>
        <translation>Veuillez choisir un fichier de paramètres de base correct
</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>%1 holds %2 bytes, more than the backups keep a copy of (%3 MB). The read would replace it with no copy kept.

Replace it anyway?</source>
        <translation>%1 contient %2 octets, plus que ce dont les sauvegardes gardent une copie (%3 Mo). La lecture le remplacerait sans qu&apos;aucune copie ne soit conservée.

Le remplacer quand même ?</translation>
    </message>
    <message>
        <source>please choose one correct COM port to connect your meter.</source>
        <translation>veuillez choisir le bon port COM pour connecter votre mesureur.</translation>
    </message>
</context>
</TS>

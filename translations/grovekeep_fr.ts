<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
    <context>
        <name>CommandLine</name>
        <message>
            <source>unknown option %1</source>
            <extracomment>%1 is the option as it was given</extracomment>
            <translation>option inconnue %1</translation>
        </message>
        <message>
            <source>Usage: grovekeep [FILE...]
Grovekeep manages the maps, landscapes, creature skins and tattoos of Black &amp; White,
installs and builds .vif packages, and keeps a history of every change it makes.

FILE, a package (.vif), map (.txt), landscape (.lnd) or skin (.l3d), opens the
installer with it chosen; nothing is installed before you press Next. When Grovekeep
is already running, the files go to it and no second window opens.

Options:
  -h, --help     this text
  -v, --version  the version

grovekeep-vif lists, packs, installs and undoes packages from the command line.
</source>
            <extracomment>The text of "grovekeep --help". Keep the command, option and file names as they are and the lines at most 80 characters wide.</extracomment>
            <translation>Utilisation : grovekeep [FILE...]
Grovekeep gère les cartes, paysages, skins de créature et tatouages du jeu
Black &amp; White, installe et crée des paquets .vif et consigne ses modifications.

FILE, un paquet (.vif), une carte (.txt), un paysage (.lnd) ou un skin (.l3d),
ouvre l'installateur sur ce fichier ; rien n'est installé avant un clic sur
Suivant. Si Grovekeep est déjà lancé, il reçoit les fichiers sans autre fenêtre.

Options :
  -h, --help     ce texte
  -v, --version  la version

grovekeep-vif liste, crée, installe et annule des paquets en ligne de commande.
</translation>
        </message>
    </context>
    <context>
        <name>Commands</name>
        <message>
            <source>%1 is still waiting to be installed.
Show it in the installer?</source>
            <extracomment>%1 is the file's name, in quotes</extracomment>
            <translation>%1 attend toujours d'être installé.
L'afficher dans l'installateur ?</translation>
        </message>
        <message>
            <source>%1 files are still waiting to be installed: %2.
Show the next one in the installer?</source>
            <extracomment>%1 is how many files wait (two or more), %2 their names</extracomment>
            <translation>%1 fichiers attendent toujours d'être installés : %2.
Afficher le suivant dans l'installateur ?</translation>
        </message>
        <message>
            <source>%1 already exists.
Do you want to replace it?</source>
            <extracomment>%1 is the file's path</extracomment>
            <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
        </message>
        <message>
            <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
            <translation>En attente de la fin d'un autre Grovekeep ou de grovekeep-vif...</translation>
        </message>
        <message>
            <source>Your file was backed and then installed to the correct directory.</source>
            <translation>Votre fichier a été sauvegardé puis installé dans le bon dossier.</translation>
        </message>
        <message>
            <source>Your file was installed to the correct directory. The game had no file of that name, so there was nothing to back up.</source>
            <translation>Votre fichier a été installé dans le bon dossier. Le jeu n'avait aucun fichier de ce nom : il n'y avait donc rien à sauvegarder.</translation>
        </message>
        <message>
            <source>%1 Grovekeep changes no file until it can.</source>
            <extracomment>%1 says why the interrupted change could not be rolled back</extracomment>
            <translation>%1 Grovekeep ne modifiera aucun fichier tant qu'il n'y sera pas parvenu.</translation>
        </message>
        <message>
            <source>It %1.</source>
            <extracomment>%1 is what the change store did with a later version of a file ("kept your later version of ... in the history (...)")</extracomment>
            <translation>Il %1.</translation>
        </message>
        <message>
            <source>Not rolled back: %1.</source>
            <extracomment>%1 names a file and says why it could not be put back</extracomment>
            <translation>Non restauré : %1.</translation>
        </message>
        <message>
            <source>Grovekeep was stopped in the middle of a change the last time it ran. The change was undone:

%1</source>
            <extracomment>%1 lists the operations rolled back, one a line</extracomment>
            <translation>Grovekeep a été arrêté au milieu d'une modification lors de sa dernière exécution. La modification a été annulée :

%1</translation>
        </message>
        <message>
            <source>Grovekeep was stopped in the middle of a change the last time it ran, and the change could not be undone whole. What each file held is kept in the history:

%1</source>
            <translation>Grovekeep a été arrêté au milieu d'une modification lors de sa dernière exécution, et la modification n'a pas pu être annulée entièrement. Le contenu qu'avait chaque fichier est conservé dans l'historique :

%1</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where Black and White and Grovekeep are located (Tools &gt; Options) first.</source>
            <translation>Veuillez d'abord indiquer à Grovekeep où se trouvent Black and White et Grovekeep (Outils &gt; Options).</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where it is located (Tools &gt; Options) first.</source>
            <translation>Veuillez d'abord indiquer à Grovekeep où il se trouve (Outils &gt; Options).</translation>
        </message>
    </context>
    <context>
        <name>Compile</name>
        <message>
            <source>Could not add %1 to the package: %2.</source>
            <extracomment>%1 is a file in quotes, %2 why it cannot be added (a clause).</extracomment>
            <translation>Impossible d'ajouter %1 au paquet : %2.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: no install path was chosen.</source>
            <extracomment>%1 is a file in quotes.</extracomment>
            <translation>Impossible d'ajouter %1 au paquet : aucun chemin d'installation n'a été choisi.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its name cannot be used as a file name on Windows: %2.</source>
            <extracomment>%1 is a file in quotes, %2 what is wrong with its name (a clause).</extracomment>
            <translation>Impossible d'ajouter %1 au paquet : son nom ne peut pas servir de nom de fichier sous Windows : %2.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its install path %2 does not lie inside the game folder %3.</source>
            <extracomment>%1 is a file, %2 the install path chosen for it, %3 the game folder, each in quotes.</extracomment>
            <translation>Impossible d'ajouter %1 au paquet : son chemin d'installation %2 ne se trouve pas dans le dossier du jeu %3.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its contents hold the marker %2, which a package cannot carry.</source>
            <extracomment>%1 is a file in quotes, %2 a marker such as ###Begin_VIF###.</extracomment>
            <translation>Impossible d'ajouter %1 au paquet : son contenu comporte le marqueur %2, qu'un paquet ne peut pas contenir.</translation>
        </message>
        <message>
            <source>%1 is one of the files this package carries; the package was not saved there. Choose another name for the package.</source>
            <extracomment>%1 is the file the package was to be saved as, in quotes.</extracomment>
            <translation>%1 est l'un des fichiers que contient ce paquet ; le paquet n'a donc pas été enregistré sous ce nom. Choisissez un autre nom pour le paquet.</translation>
        </message>
        <message>
            <source>The package %1 was not saved: it has no files. Add at least one file first.</source>
            <extracomment>%1 is the package's file in quotes.</extracomment>
            <translation>Le paquet %1 n'a pas été enregistré : il ne contient aucun fichier. Ajoutez d'abord au moins un fichier.</translation>
        </message>
    </context>
    <context>
        <name>Content</name>
        <message numerus="yes">
            <source>%1: %2 bytes</source>
            <extracomment>The first line of a file's bytes as shown: %1 is the file's name, %2 its size.</extracomment>
            <translation>
                <numerusform>%1 : %2 octet</numerusform>
                <numerusform>%1 : %2 octets</numerusform>
            </translation>
        </message>
        <message>
            <source>(the first %1 bytes are shown)</source>
            <extracomment>Below a file's bytes when only some are shown; %1 is always a large number.</extracomment>
            <translation>(seuls les %1 premiers octets sont affichés)</translation>
        </message>
    </context>
    <context>
        <name>Files</name>
        <message>
            <source>Could not read %1: the file is shorter than expected.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Impossible de lire %1 : le fichier est plus court que prévu.</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <extracomment>why a file could not be read or written, a clause</extracomment>
            <translation>ce n'est pas un fichier ordinaire</translation>
        </message>
        <message>
            <source>No file name was given.</source>
            <translation>Aucun nom de fichier n'a été indiqué.</translation>
        </message>
        <message>
            <source>No folder was given.</source>
            <translation>Aucun dossier n'a été indiqué.</translation>
        </message>
        <message>
            <source>Could not open %1: it leads out of its folder.</source>
            <extracomment>%1 is a name (in quotes) that is "." or ".."</extracomment>
            <translation>Impossible d'ouvrir %1 : ce nom mène hors de son dossier.</translation>
        </message>
        <message>
            <source>Could not read %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>Impossible de lire %1 : %2.</translation>
        </message>
        <message>
            <source>Could not write %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be written, a clause</extracomment>
            <translation>Impossible d'écrire %1 : %2.</translation>
        </message>
        <message>
            <source>Could not open the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be opened, a clause</extracomment>
            <translation>Impossible d'ouvrir le dossier %1 : %2.</translation>
        </message>
        <message>
            <source>Could not create the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be made, a clause</extracomment>
            <translation>Impossible de créer le dossier %1 : %2.</translation>
        </message>
        <message>
            <source>Could not read the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why the names in it could not be read, a clause</extracomment>
            <translation>Impossible de lire le dossier %1 : %2.</translation>
        </message>
        <message>
            <source>Could not remove %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be removed, a clause</extracomment>
            <translation>Impossible de supprimer %1 : %2.</translation>
        </message>
        <message>
            <source>Could not remove the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be removed, a clause</extracomment>
            <translation>Impossible de supprimer le dossier %1 : %2.</translation>
        </message>
        <message>
            <source>Could not set the permissions of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its permissions could not be set, a clause</extracomment>
            <translation>Impossible de définir les autorisations de %1 : %2.</translation>
        </message>
        <message>
            <source>Could not set the owner of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its owner could not be set, a clause</extracomment>
            <translation>Impossible de définir le propriétaire de %1 : %2.</translation>
        </message>
        <message>
            <source>Could not set the attributes of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its attributes (read-only) could not be set, a clause</extracomment>
            <translation>Impossible de définir les attributs de %1 : %2.</translation>
        </message>
        <message>
            <source>Could not lock %1: %2.</source>
            <extracomment>%1 is Grovekeep's folder (in quotes), %2 why it could not be locked, a clause</extracomment>
            <translation>Impossible de verrouiller %1 : %2.</translation>
        </message>
        <message>
            <source>Could not read %1: the file ends sooner than it should (it changed while it was read).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Impossible de lire %1 : le fichier se termine plus tôt que prévu (il a été modifié pendant sa lecture).</translation>
        </message>
        <message>
            <source>Stopped waiting for another Grovekeep or grovekeep-vif to finish.</source>
            <translation>L'attente de la fin d'un autre Grovekeep ou de grovekeep-vif a été abandonnée.</translation>
        </message>
        <message>
            <source>it is a symbolic link, which Grovekeep does not follow here</source>
            <extracomment>why a file could not be read or written, a clause after "Could not read "x": "</extracomment>
            <translation>c'est un lien symbolique, que Grovekeep ne suit pas ici</translation>
        </message>
        <message>
            <source>a part of the path is not a folder (or is a symbolic link)</source>
            <extracomment>why a file could not be read or written, a clause after "Could not read "x": "</extracomment>
            <translation>une partie du chemin n'est pas un dossier (ou est un lien symbolique)</translation>
        </message>
        <message>
            <source>Windows error %1</source>
            <extracomment>why a file could not be read or written, a clause; %1 is the number of the error</extracomment>
            <translation>erreur Windows %1</translation>
        </message>
        <message>
            <source>another program has it open (close it, and try again)</source>
            <extracomment>why a file could not be read or written, a clause</extracomment>
            <translation>un autre programme l'a ouvert (fermez-le, puis réessayez)</translation>
        </message>
        <message>
            <source>Could not use %1: Windows does not allow that name.</source>
            <extracomment>%1 is a file or folder (in quotes)</extracomment>
            <translation>Impossible d'utiliser %1 : Windows n'autorise pas ce nom.</translation>
        </message>
        <message>
            <source>Could not use %1: Windows keeps that name for a device.</source>
            <extracomment>%1 is a file or folder (in quotes) named like CON or NUL</extracomment>
            <translation>Impossible d'utiliser %1 : Windows réserve ce nom à un périphérique.</translation>
        </message>
    </context>
    <context>
        <name>History</name>
        <message>
            <source>removed</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>supprimé</translation>
        </message>
        <message>
            <source>replaced</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>remplacé</translation>
        </message>
        <message>
            <source>added</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>ajouté</translation>
        </message>
        <message>
            <source>under-way</source>
            <extracomment>the state of an operation: begun, neither complete nor rolled back</extracomment>
            <translation>en cours</translation>
        </message>
        <message>
            <source>complete</source>
            <extracomment>the state of an operation</extracomment>
            <translation>terminée</translation>
        </message>
        <message>
            <source>undone</source>
            <extracomment>the state of an operation</extracomment>
            <translation>annulée</translation>
        </message>
        <message>
            <source>rolled-back</source>
            <extracomment>the state of an operation: interrupted, and every file put back</extracomment>
            <translation>annulée à la reprise</translation>
        </message>
        <message>
            <source>intact</source>
            <extracomment>a file checked against the history: it holds what the operation wrote</extracomment>
            <translation>intact</translation>
        </message>
        <message>
            <source>changed</source>
            <extracomment>a file checked against the history: it holds something else now</extracomment>
            <translation>modifié</translation>
        </message>
        <message>
            <source>missing</source>
            <extracomment>a file checked against the history: it is gone</extracomment>
            <translation>manquant</translation>
        </message>
        <message>
            <source>unreadable</source>
            <extracomment>a file checked against the history: it could not be read</extracomment>
            <translation>illisible</translation>
        </message>
        <message>
            <source>installed by %1 on %2</source>
            <extracomment>%1 is what an earlier operation was (such as Package "river.vif"), %2 its date and time</extracomment>
            <translation>installé par %1 le %2</translation>
        </message>
        <message numerus="yes">
            <source>%n bytes</source>
            <extracomment>a size of a file</extracomment>
            <translation>
                <numerusform>%n octet</numerusform>
                <numerusform>%n octets</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 KiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Kio</translation>
        </message>
        <message>
            <source>%1 MiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Mio</translation>
        </message>
        <message>
            <source>%1 GiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Gio</translation>
        </message>
        <message>
            <source>%1 TiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Tio</translation>
        </message>
        <message>
            <source>%1 PiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Pio</translation>
        </message>
        <message>
            <source>%1 EiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 Eio</translation>
        </message>
        <message>
            <source>older than 30 days</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>de plus de 30 jours</translation>
        </message>
        <message>
            <source>older than 90 days</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>de plus de 90 jours</translation>
        </message>
        <message>
            <source>older than a year</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>de plus d'un an</translation>
        </message>
        <message>
            <source>all of it</source>
            <extracomment>a choice of what the history frees: every operation</extracomment>
            <translation>tout</translation>
        </message>
        <message numerus="yes">
            <source>%n files</source>
            <extracomment>a number of files, as part of a longer text</extracomment>
            <translation>
                <numerusform>%n fichier</numerusform>
                <numerusform>%n fichiers</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n operations</source>
            <extracomment>a number of operations of the history, as part of a longer text</extracomment>
            <translation>
                <numerusform>%n opération</numerusform>
                <numerusform>%n opérations</numerusform>
            </translation>
        </message>
        <message>
            <source>Operation %1 (%2): no file had been changed yet.</source>
            <extracomment>%1 is the number of an interrupted operation, %2 what it was (such as Package "a.vif")</extracomment>
            <translation>Opération %1 (%2) : aucun fichier n'avait encore été modifié.</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1 (%2): %n files put back.</source>
            <extracomment>%1 is the number of an interrupted operation, %2 what it was (such as Package "a.vif")</extracomment>
            <translation>
                <numerusform>Opération %1 (%2) : %n fichier restauré.</numerusform>
                <numerusform>Opération %1 (%2) : %n fichiers restaurés.</numerusform>
            </translation>
        </message>
        <message>
            <source>The history has run out of operation numbers.</source>
            <translation>L'historique n'a plus de numéros d'opération disponibles.</translation>
        </message>
        <message>
            <source>%1 changed while it was being kept.</source>
            <extracomment>%1 is a file (in quotes) whose content was being kept in the history</extracomment>
            <translation>%1 a été modifié pendant sa copie dans l'historique.</translation>
        </message>
        <message>
            <source>The history record %1 names operation %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 the number of another operation than the one it should name</extracomment>
            <translation>L'enregistrement de l'historique %1 désigne l'opération %2.</translation>
        </message>
        <message>
            <source>The history record %1 names a file it does not list.</source>
            <extracomment>%1 is a file of the history (in quotes)</extracomment>
            <translation>L'enregistrement de l'historique %1 désigne un fichier qui ne figure pas dans sa liste.</translation>
        </message>
        <message>
            <source>The history record %1 lists %2 files of %3.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 how many files it lists, %3 how many it should list</extracomment>
            <translation>Le nombre de fichiers listés par l'enregistrement de l'historique %1 est de %2 au lieu de %3.</translation>
        </message>
        <message>
            <source>What %1 held cannot be put back: its kept copy in the history is damaged (its bytes no longer match their SHA-256).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Le contenu qu'avait %1 ne peut pas être restauré : sa copie conservée dans l'historique est endommagée (ses octets ne correspondent plus à leur SHA-256).</translation>
        </message>
        <message>
            <source>%1 is not a regular file any more; Grovekeep leaves it as it is.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 n'est plus un fichier ordinaire ; Grovekeep le laisse tel quel.</translation>
        </message>
        <message>
            <source>What %1 held cannot be put back: its kept copy cannot be read (%2).</source>
            <extracomment>%1 is a file (in quotes), %2 why its kept copy cannot be read, a clause</extracomment>
            <translation>Le contenu qu'avait %1 ne peut pas être restauré : sa copie conservée est illisible (%2).</translation>
        </message>
        <message>
            <source>line %1 names a path in the game folder, but the record names no game folder</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 désigne un chemin dans le dossier du jeu, mais l'enregistrement n'indique aucun dossier du jeu</translation>
        </message>
        <message>
            <source>its path is empty or too long</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>son chemin est vide ou trop long</translation>
        </message>
        <message>
            <source>%1 is one of Grovekeep's temporary files</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 est l'un des fichiers temporaires de Grovekeep</translation>
        </message>
        <message>
            <source>%1 is no name of a file</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 n'est pas un nom de fichier</translation>
        </message>
        <message>
            <source>%1 holds a control character</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 contient un caractère de contrôle</translation>
        </message>
        <message>
            <source>%1 is a hidden folder of the game folder</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 est un dossier caché du dossier du jeu</translation>
        </message>
        <message>
            <source>it lies in Grovekeep's history</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>il se trouve dans l'historique de Grovekeep</translation>
        </message>
        <message>
            <source>its folder %1 is not a clean absolute path</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a folder in quotes</extracomment>
            <translation>son dossier %1 n'est pas un chemin absolu normalisé</translation>
        </message>
        <message>
            <source>its folder %1 holds a control character</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a folder in quotes</extracomment>
            <translation>son dossier %1 contient un caractère de contrôle</translation>
        </message>
        <message>
            <source>The history names %1, which Grovekeep does not touch: %2.</source>
            <extracomment>%1 is a path in quotes, %2 why it cannot be used, a clause</extracomment>
            <translation>L'historique désigne %1, auquel Grovekeep ne touche pas : %2.</translation>
        </message>
        <message>
            <source>%1 lies in the game folder %2, and the game folder is not set.</source>
            <extracomment>%1 is a file, %2 the game folder it lies in (both in quotes)</extracomment>
            <translation>%1 se trouve dans le dossier du jeu %2, et le dossier du jeu n'est pas défini.</translation>
        </message>
        <message>
            <source>%1 lies in the game folder %2, but the game folder is now %3; Grovekeep changes files only in the game folder it is set to.</source>
            <extracomment>%1 is a file, %2 the game folder it lies in, %3 the game folder Grovekeep is set to now (all in quotes)</extracomment>
            <translation>%1 se trouve dans le dossier du jeu %2, mais le dossier du jeu est désormais %3 ; Grovekeep ne modifie des fichiers que dans le dossier du jeu défini.</translation>
        </message>
        <message>
            <source>%1 lies in %2, outside the game folder and Grovekeep's folder, where Grovekeep does not write from its history.</source>
            <extracomment>%1 is a file, %2 the folder it lies in (both in quotes)</extracomment>
            <translation>%1 se trouve dans %2, hors du dossier du jeu et du dossier de Grovekeep ; Grovekeep n'y écrit rien à partir de son historique.</translation>
        </message>
        <message>
            <source>The history record %1 cannot be used: %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 why it cannot be used, a clause such as "line 4 cannot be read"</extracomment>
            <translation>L'enregistrement de l'historique %1 est inutilisable : %2.</translation>
        </message>
        <message>
            <source>a path or its root is missing</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>il manque un chemin ou sa racine</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>%1 is a path named in a history record (in quotes), %2 why it cannot be used, a clause</extracomment>
            <translation>%1 : %2</translation>
        </message>
        <message>
            <source>line %1 names no file Grovekeep may change: %2</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number, %2 the path it names and why that cannot be used</extracomment>
            <translation>la ligne %1 ne désigne aucun fichier que Grovekeep puisse modifier : %2</translation>
        </message>
        <message>
            <source>line %1 has no known role</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 n'a aucun rôle connu</translation>
        </message>
        <message>
            <source>line %1 has an unknown removal</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 a une valeur de suppression inconnue</translation>
        </message>
        <message>
            <source>line %1 has a damaged content (sha256, size, mode)</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 a un contenu endommagé (sha256, taille, mode)</translation>
        </message>
        <message>
            <source>line %1 has no content before</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 indique un contenu antérieur non valable</translation>
        </message>
        <message>
            <source>line %1 removes a file that was not there</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 supprime un fichier qui n'existait pas</translation>
        </message>
        <message>
            <source>line %1 cannot be read</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 est illisible</translation>
        </message>
        <message>
            <source>line %1 is not where it belongs in a record</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 n'est pas à sa place dans un enregistrement</translation>
        </message>
        <message>
            <source>line %1 holds no known state</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 ne contient aucun état connu</translation>
        </message>
        <message>
            <source>line %1 names no kept version of a file of the record</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 ne désigne aucune version conservée d'un fichier de l'enregistrement</translation>
        </message>
        <message>
            <source>line %1 names no folder Grovekeep may make: %2</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number, %2 the path it names and why that cannot be used</extracomment>
            <translation>la ligne %1 ne désigne aucun dossier que Grovekeep puisse créer : %2</translation>
        </message>
        <message>
            <source>line %1 names no file of the record in order</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 ne désigne pas les fichiers de l'enregistrement dans l'ordre</translation>
        </message>
        <message>
            <source>line %1 does not match the lines before it: the record was changed or damaged</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>la ligne %1 ne correspond pas aux lignes qui la précèdent : l'enregistrement a été modifié ou endommagé</translation>
        </message>
        <message>
            <source>its first line is missing or too long</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>sa première ligne est absente ou trop longue</translation>
        </message>
        <message>
            <source>its first line is not the head of a record of this Grovekeep</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>sa première ligne n'est pas l'en-tête d'un enregistrement de cette version de Grovekeep</translation>
        </message>
        <message>
            <source>its last line is too long</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>sa dernière ligne est trop longue</translation>
        </message>
        <message>
            <source>its last line cannot be read</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>sa dernière ligne est illisible</translation>
        </message>
        <message>
            <source>its state is none of complete, undone or rolled-back</source>
            <extracomment>why a history record cannot be used, a clause; complete, undone and rolled-back are the states written in the record</extracomment>
            <translation>son état n'est ni complete, ni undone, ni rolled-back</translation>
        </message>
        <message>
            <source>line %1 is too long</source>
            <extracomment>why a history record cannot be used, a clause; %1 is the number of a line</extracomment>
            <translation>la ligne %1 est trop longue</translation>
        </message>
        <message>
            <source>it is empty</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>il est vide</translation>
        </message>
        <message>
            <source>Interrupted; rolled back at the next start.</source>
            <extracomment>the note of an operation that was interrupted and put back when Grovekeep started again</extracomment>
            <translation>Interrompue, puis annulée au démarrage suivant.</translation>
        </message>
        <message>
            <source>Undo of %1: %2</source>
            <extracomment>what an operation was; %1 is the number of the operation undone, %2 what that was</extracomment>
            <translation>Annulation de l'opération %1 : %2</translation>
        </message>
        <message>
            <source>%1 saved as %2</source>
            <extracomment>what an operation was; %1 is the kind of text (Map, Readme, Download), %2 the file</extracomment>
            <translation>%1 enregistré sous %2</translation>
        </message>
        <message>
            <source>Package %1 saved</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paquet %1 enregistré</translation>
        </message>
        <message>
            <source>Package %1 extracted</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paquet %1 extrait</translation>
        </message>
        <message>
            <source>Package %1</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paquet %1</translation>
        </message>
        <message>
            <source>File %1</source>
            <extracomment>what an operation was; %1 is a file's name in quotes</extracomment>
            <translation>Fichier %1</translation>
        </message>
        <message>
            <source>Install this Map: %1</source>
            <extracomment>what an operation was; %1 is a map's name in quotes</extracomment>
            <translation>Installer cette carte : %1</translation>
        </message>
        <message>
            <source>Install Landscape %1</source>
            <extracomment>what an operation was; %1 is a landscape's name in quotes</extracomment>
            <translation>Installer le paysage %1</translation>
        </message>
        <message>
            <source>Install Skin %1</source>
            <extracomment>what an operation was; %1 is a skin's name in quotes</extracomment>
            <translation>Installer le skin %1</translation>
        </message>
        <message>
            <source>Tattoo slot %1 of profile %2</source>
            <extracomment>what an operation was; %1 is a slot's number, %2 a profile's name</extracomment>
            <translation>Emplacement de tatouage %1 du profil %2</translation>
        </message>
        <message>
            <source>Options saved</source>
            <extracomment>what an operation was</extracomment>
            <translation>Options enregistrées</translation>
        </message>
        <message>
            <source>Map</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Carte</translation>
        </message>
        <message>
            <source>Readme</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Lisez-moi</translation>
        </message>
        <message>
            <source>Download</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Téléchargement</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>File Type: Vessa Installation File</source>
            <translation>Type de fichier : fichier d'installation Vessa</translation>
        </message>
        <message>
            <source>File Type: Map</source>
            <translation>Type de fichier : carte</translation>
        </message>
        <message>
            <source>File Type: Tatoo</source>
            <extracomment>"Tatoo" is the program's own spelling of "tattoo".</extracomment>
            <translation>Type de fichier : tatouage</translation>
        </message>
        <message>
            <source>File Type: Landscape</source>
            <translation>Type de fichier : paysage</translation>
        </message>
        <message>
            <source>File Type: Skin/Mesh</source>
            <translation>Type de fichier : skin/maillage</translation>
        </message>
        <message>
            <source>Invalid file type set</source>
            <translation>Type de fichier non valide</translation>
        </message>
        <message>
            <source>No file to install was given.</source>
            <translation>Aucun fichier à installer n'a été indiqué.</translation>
        </message>
        <message>
            <source>it would be installed in Grovekeep's own folder %1, where a package may not write</source>
            <extracomment>Why a package's entry cannot be installed. %1 is a folder in quotes.</extracomment>
            <translation>elle serait installée dans le dossier de Grovekeep lui-même, %1, où un paquet n'a pas le droit d'écrire</translation>
        </message>
        <message>
            <source>The package has no entries to install.</source>
            <translation>Le paquet ne contient aucune entrée à installer.</translation>
        </message>
        <message>
            <source>The package has entries that cannot be installed: %1</source>
            <extracomment>%1 is one line for each such entry, each naming the entry and the reason.</extracomment>
            <translation>Le paquet contient des entrées qui ne peuvent pas être installées : %1</translation>
        </message>
    </context>
    <context>
        <name>InstallPath</name>
        <message>
            <source>%1 holds a folder separator</source>
            <extracomment>Why a name cannot be used as a file name. %1 is the name in quotes.</extracomment>
            <translation>%1 contient un séparateur de dossiers</translation>
        </message>
        <message>
            <source>the title cannot be used as a file name: %1</source>
            <extracomment>Why a package's entry cannot be installed. %1 says what is wrong with its title (a clause).</extracomment>
            <translation>le titre ne peut pas servir de nom de fichier : %1</translation>
        </message>
        <message>
            <source>The install path is empty.</source>
            <translation>Le chemin d'installation est vide.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it is a device path.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : c'est un chemin de périphérique.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names a network share.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : il désigne un partage réseau.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it is relative to the current folder of drive %2.</source>
            <extracomment>%1 is the install path in quotes, %2 a drive ("C:"). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : il est relatif au dossier courant du lecteur %2.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names a folder, not a file.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : il désigne un dossier, et non un fichier.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2.</source>
            <extracomment>%1 is the install path in quotes, %2 what is wrong with one of its names (a clause). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : %2.</translation>
        </message>
        <message>
            <source>The game folder %1 does not exist.</source>
            <extracomment>%1 is a folder in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le dossier du jeu %1 n'existe pas.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names none of the game's folders (%2).</source>
            <extracomment>%1 is the install path in quotes, %2 the game's folders joined with commas ("Data, Profiles, Scripts"). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : il ne désigne aucun des dossiers du jeu (%2).</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: the folder %2 does not exist in the game folder.</source>
            <extracomment>%1 is the install path, %2 a folder of it, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : le dossier %2 n'existe pas dans le dossier du jeu.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 is not a folder.</source>
            <extracomment>%1 is the install path, %2 a part of it, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : %2 n'est pas un dossier.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 is a symbolic link.</source>
            <extracomment>%1 is the install path, %2 the part of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : %2 est un lien symbolique.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: a folder stands at %2.</source>
            <extracomment>%1 is the install path, %2 the part of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : un dossier se trouve à l'emplacement %2.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 leads outside the game folder.</source>
            <extracomment>%1 is the install path, %2 the folders of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Le chemin d'installation %1 est inutilisable : %2 mène hors du dossier du jeu.</translation>
        </message>
    </context>
    <context>
        <name>Launch</name>
        <message>
            <source>the system's wine</source>
            <extracomment>How the Wine that starts Windows programs is named when none was chosen: the "wine" program the system has.</extracomment>
            <translation>le wine du système</translation>
        </message>
        <message>
            <source>a Wine build dated %1</source>
            <extracomment>The Wine that last updated a prefix, known only by its date (%1, as 2024-05-31).</extracomment>
            <translation>une version de Wine datée du %1</translation>
        </message>
    </context>
    <context>
        <name>Launchers</name>
        <message>
            <source>Passed over %1: it is not a file in the home folder.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 a été ignoré : ce n'est pas un fichier du dossier personnel.</translation>
        </message>
        <message>
            <source>Passed over %1: it is larger than a launcher writes.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 a été ignoré : il est plus volumineux que les fichiers qu'écrit un lanceur.</translation>
        </message>
        <message>
            <source>Passed over %1: %2.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file, %2 the system's reason.</extracomment>
            <translation>%1 a été ignoré : %2.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a JSON object.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 a été ignoré : ce n'est pas un objet JSON.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a Steam library list.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 a été ignoré : ce n'est pas une liste de bibliothèques Steam.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a YAML file as its launcher writes it.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 a été ignoré : ce n'est pas un fichier YAML tel que l'écrit son lanceur.</translation>
        </message>
    </context>
    <context>
        <name>Names</name>
        <message>
            <source>a name is empty</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>un nom est vide</translation>
        </message>
        <message>
            <source>"." names the folder itself</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>« . » désigne le dossier lui-même</translation>
        </message>
        <message>
            <source>".." leads out of its folder</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>« .. » mène hors de son dossier</translation>
        </message>
        <message>
            <source>%1 holds a control character</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 contient un caractère de contrôle</translation>
        </message>
        <message>
            <source>%1 holds the character %2</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes, %2 a character such as * or ?</extracomment>
            <translation>%1 contient le caractère %2</translation>
        </message>
        <message>
            <source>%1 holds ':' (a drive letter or an alternate data stream)</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 contient « : » (une lettre de lecteur ou un flux de données alternatif)</translation>
        </message>
        <message>
            <source>%1 ends with a dot or a space</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 se termine par un point ou un espace</translation>
        </message>
        <message>
            <source>%1 is the device name %2 on Windows</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes, %2 a device name such as CON or LPT1</extracomment>
            <translation>%1 est le nom de périphérique %2 sous Windows</translation>
        </message>
    </context>
    <context>
        <name>Package</name>
        <message>
            <source>Could not read %1: the file became shorter while it was read.</source>
            <translation>Impossible de lire %1 : le fichier a raccourci pendant sa lecture.</translation>
        </message>
        <message>
            <source>the install path is longer than any file name can be</source>
            <translation>le chemin d'installation est plus long que ne peut l'être un nom de fichier</translation>
        </message>
        <message>
            <source>the title is longer than any file name can be</source>
            <translation>le titre est plus long que ne peut l'être un nom de fichier</translation>
        </message>
        <message>
            <source>%1 comes before %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Install###.</extracomment>
            <translation>%1 précède %2</translation>
        </message>
        <message>
            <source>other text stands between %1 and %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Install###.</extracomment>
            <translation>du texte superflu se trouve entre %1 et %2</translation>
        </message>
        <message>
            <source>the marker %1 is missing before the next %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Title###.</extracomment>
            <translation>le marqueur %1 manque avant le %2 suivant</translation>
        </message>
        <message>
            <source>the marker %1 is missing</source>
            <extracomment>Why a package's entry is broken. %1 is a marker such as ###Title###.</extracomment>
            <translation>le marqueur %1 est absent</translation>
        </message>
        <message>
            <source>the install path holds a line break</source>
            <translation>le chemin d'installation contient un saut de ligne</translation>
        </message>
        <message>
            <source>the title holds a line break</source>
            <translation>le titre contient un saut de ligne</translation>
        </message>
        <message>
            <source>its contents hold the marker %1</source>
            <extracomment>Why a package's entry is broken. %1 is a marker such as ###End_VIF###.</extracomment>
            <translation>son contenu comporte le marqueur %1</translation>
        </message>
        <message>
            <source>other text follows its end marker %1: the next entry's %2 is missing, or its contents hold %1</source>
            <extracomment>Why a package's entry is broken. %1 is the marker ###End_VIF###, %2 ###Begin_VIF###.</extracomment>
            <translation>du texte suit son marqueur de fin %1 : le %2 de l'entrée suivante est absent, ou son contenu comporte %1</translation>
        </message>
        <message>
            <source>Entry %1</source>
            <extracomment>An entry of a package, by its number, as messages name it.</extracomment>
            <translation>Entrée %1</translation>
        </message>
        <message>
            <source>Entry %1 (%2)</source>
            <extracomment>An entry of a package: %1 is its number, %2 its title in quotes ("hills.lnd").</extracomment>
            <translation>Entrée %1 (%2)</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <extracomment>One line of a package's problems: %1 names an entry ("Entry 2 ("hills.lnd")"), %2 says why it is broken or cannot be installed.</extracomment>
            <translation>%1 : %2.</translation>
        </message>
        <message>
            <source>the install path is empty</source>
            <translation>le chemin d'installation est vide</translation>
        </message>
        <message>
            <source>the title is empty</source>
            <translation>le titre est vide</translation>
        </message>
        <message>
            <source>the install path %1 holds a line break</source>
            <extracomment>%1 is the install path in quotes.</extracomment>
            <translation>le chemin d'installation %1 contient un saut de ligne</translation>
        </message>
        <message>
            <source>the title %1 holds a line break</source>
            <extracomment>%1 is the title (a file name) in quotes.</extracomment>
            <translation>le titre %1 contient un saut de ligne</translation>
        </message>
        <message>
            <source>the install path %1 has a character that the game's code page (Windows-1252) cannot write</source>
            <extracomment>%1 is the install path in quotes.</extracomment>
            <translation>le chemin d'installation %1 contient un caractère que la page de codes du jeu (Windows-1252) ne peut pas écrire</translation>
        </message>
        <message>
            <source>the title %1 has a character that the game's code page (Windows-1252) cannot write</source>
            <extracomment>%1 is the title (a file name) in quotes.</extracomment>
            <translation>le titre %1 contient un caractère que la page de codes du jeu (Windows-1252) ne peut pas écrire</translation>
        </message>
        <message>
            <source>the install path %1 holds the marker %2</source>
            <extracomment>%1 is the install path in quotes, %2 a marker such as ###Title###.</extracomment>
            <translation>le chemin d'installation %1 contient le marqueur %2</translation>
        </message>
        <message>
            <source>the title %1 holds the marker %2</source>
            <extracomment>%1 is the title (a file name) in quotes, %2 a marker such as ###Title###.</extracomment>
            <translation>le titre %1 contient le marqueur %2</translation>
        </message>
        <message>
            <source>its install path %1 or title %2 runs into a marker</source>
            <extracomment>%1 is the install path, %2 the title, both in quotes.</extracomment>
            <translation>son chemin d'installation %1 ou son titre %2 se confond avec un marqueur</translation>
        </message>
        <message>
            <source>This is not a valid Vif file.</source>
            <translation>Ce n'est pas un fichier Vif valide.</translation>
        </message>
    </context>
    <context>
        <name>PackageTool</name>
        <message>
            <source>Usage: grovekeep-vif COMMAND ARGUMENTS...
Lists, extracts, packs and installs Grovekeep package files (.vif), and shows, undoes,
verifies and prunes the history of the changes Grovekeep made.

Commands:
  list PACKAGE              one line per entry: install path, title, size in bytes
  extract PACKAGE DIR       writes each entry's contents to DIR/title
  pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                            writes a new package carrying the files
  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                            installs a package into the game folder
  history                   one line per operation, newest first
  undo ID [--force]         undoes an operation as a whole
  verify [ID] [--store]     whether each file is as an operation left it
  prune --older-than DAYS   frees the history of old operations

'grovekeep-vif COMMAND --help' describes a command; --version prints the version.
An option's value follows it or an equals sign (--game-folder=DIR); after --, every
argument is a name, even one beginning with a hyphen.
With --json, list, install --dry-run, history and verify print one JSON document
instead of lines; grovekeep-vif(1) describes its shape.
The Grovekeep folder (--manager-folder) and the game folder (--game-folder) default to
the first two lines of options.txt in Grovekeep's own folder: this program's folder
when it is portable, the user's data folder when it is installed; never the working
folder. The history changes files only in the game folder it is given and in the
Grovekeep folder. While another Grovekeep or grovekeep-vif is at work on the history,
a command waits for it, and says so on stderr after a second.
Exit status: 0 done, 1 refused or failed (nothing was changed), 2 usage error.
</source>
            <extracomment>The text of "grovekeep-vif --help". In all these texts keep as they are: the program, command and option names, the words in capitals standing for values, the words of the output in quotes, the JSON keys and the file names; lines at most 80 characters wide.</extracomment>
            <translation>Utilisation : grovekeep-vif COMMAND ARGUMENTS...
Liste, extrait, crée et installe les paquets Grovekeep (.vif), et affiche,
annule, vérifie et élague l'historique des modifications de Grovekeep.

Commandes :
  list PACKAGE              une ligne par entrée : chemin, titre, taille
  extract PACKAGE DIR       écrit le contenu de chaque entrée dans DIR/titre
  pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                            écrit un nouveau paquet contenant les fichiers
  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                            installe un paquet dans le dossier du jeu
  history                   une ligne par opération, la plus récente d'abord
  undo ID [--force]         annule une opération dans son ensemble
  verify [ID] [--store]     vérifie si les fichiers sont restés intacts
  prune --older-than DAYS   libère l'historique des anciennes opérations

'grovekeep-vif COMMAND --help' décrit une commande ; --version donne la version.
La valeur d'une option suit celle-ci ou un signe égal (--game-folder=DIR) ;
après --, tout argument est un nom, même s'il commence par un tiret.
Avec --json, list, install --dry-run, history et verify affichent un seul
document JSON au lieu de lignes ; grovekeep-vif(1) en décrit la forme.
Par défaut, --manager-folder (dossier de Grovekeep) et --game-folder (dossier du
jeu) valent les deux premières lignes de options.txt du dossier de Grovekeep :
celui du programme s'il est portable, celui des données de l'utilisateur s'il
est installé, jamais le dossier courant. L'historique ne modifie rien hors de
ces deux dossiers. Si un autre Grovekeep ou grovekeep-vif utilise l'historique,
la commande attend, et le signale sur stderr après une seconde.
Code de sortie : 0 succès, 1 refus ou échec (rien n'a changé), 2 erreur d'usage.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif list PACKAGE [--json]
Prints one line per entry, in file order: the install path, a tab, the title, a tab,
and the size of the contents in bytes. Broken entries are reported on stderr.
  --json   prints a JSON array instead, one object per entry: index (from 1),
           installPath, title, size, and problem for a broken entry
Exit status: 0 when every entry is sound, 1 otherwise or when PACKAGE is not a package.
</source>
            <extracomment>The text of "grovekeep-vif list --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif list PACKAGE [--json]
Affiche une ligne par entrée, dans l'ordre : chemin d'installation, tabulation,
titre, tabulation, taille en octets. Entrées défectueuses signalées sur stderr.
  --json   affiche un tableau JSON, un objet par entrée : index (à partir de 1),
           installPath, title, size, et problem pour une entrée défectueuse
Code de sortie : 0 si tout est sain, 1 sinon ou si PACKAGE n'est pas un paquet.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif extract PACKAGE DIR [--manager-folder DIR]
Writes each entry's contents, byte for byte, to DIR/title (DIR is created when
missing) and prints each file written. A file of the same name is replaced only where
the Grovekeep folder is known, whose history keeps what it held. Nothing is written
when an entry is broken or its title cannot be used as a file name.
Exit status: 0 done, 1 refused or failed (nothing was written), 2 usage error.
</source>
            <extracomment>The text of "grovekeep-vif extract --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif extract PACKAGE DIR [--manager-folder DIR]
Écrit tel quel le contenu de chaque entrée dans DIR/titre (DIR est créé au
besoin) et affiche chaque fichier écrit. Un fichier homonyme n'est remplacé que
si le dossier de Grovekeep est connu : son historique en garde le contenu. Rien
n'est écrit si une entrée est défectueuse ou si son titre est un nom invalide.
Code de sortie : 0 succès, 1 refus ou échec (aucune écriture), 2 erreur d'usage.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                          [--manager-folder DIR]
Writes a new package PACKAGE with one entry per FILE, in order, titled with FILE's
name and to be installed at INSTALL_PATH (a path inside a Wine prefix's drive_c is
written as Windows sees it, C:\...). Large files are read piece by piece, never held
whole. An existing PACKAGE is replaced only where the Grovekeep folder is known.
Nothing is written when a file cannot be carried.
  --files-from LIST   takes more files from LIST (- for standard input), after the
                      pairs given here: one FILE, a tab and its INSTALL_PATH a line,
                      in UTF-8; empty lines are skipped
Exit status: 0 done, 1 refused or failed, 2 usage error.
</source>
            <extracomment>The text of "grovekeep-vif pack --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif pack PACKAGE [FILE INSTALL_PATH]...
                                 [--files-from LIST] [--manager-folder DIR]
Crée un paquet PACKAGE avec une entrée par FILE, dans l'ordre, nommée comme FILE
et à installer dans INSTALL_PATH (un chemin dans le drive_c d'un préfixe Wine
s'écrit comme le voit Windows, C:\...). Les gros fichiers sont lus par morceaux,
jamais en entier. Un PACKAGE existant n'est remplacé que si le dossier de
Grovekeep est connu. Rien n'est écrit si un fichier ne peut être emporté.
  --files-from LIST   lit d'autres fichiers dans LIST (- : entrée standard),
                      après les paires de la commande, un par ligne : FILE,
                      tabulation, INSTALL_PATH, en UTF-8 ; lignes vides ignorées
Code de sortie : 0 succès, 1 refus ou échec, 2 erreur d'usage.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                             [--json]
Installs every entry of PACKAGE below the game folder, as Grovekeep's installer does,
as one operation of the Grovekeep folder's history, which keeps what every replaced
file held; a copy of each entry goes to Backup/vif/TITLE.
Prints one line per entry: 'add TARGET', 'replace TARGET' (followed by '(installed by
WHAT on DATE)' when an earlier operation wrote it) or 'refused: REASON'.
  --dry-run   prints the same lines and writes nothing
  --json      with --dry-run only: prints a JSON object instead, the package (name,
              sha256), whether it is installable, and its entries (index, action,
              installPath, title, target, reason, installedBy)
Exit status: 0 installed (or would be), 1 refused or failed (nothing was changed),
2 usage error.
</source>
            <extracomment>The text of "grovekeep-vif install --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif install PACKAGE [--game-folder DIR]
                                    [--manager-folder DIR] [--dry-run] [--json]
Installe chaque entrée de PACKAGE sous le dossier du jeu comme l'installateur,
en une opération de l'historique de Grovekeep, qui garde l'ancien contenu des
fichiers remplacés ; chaque entrée est copiée dans Backup/vif/TITLE. Affiche
une ligne par entrée : 'add TARGET', 'replace TARGET' (suivi de '(installed by
WHAT on DATE)' si une opération antérieure l'a écrit) ou 'refused: REASON'.
  --dry-run   affiche les mêmes lignes et n'écrit rien
  --json      avec --dry-run seulement : affiche un objet JSON, avec le paquet
              (name, sha256), s'il est installable, et ses entrées (index,
              action, installPath, title, target, reason, installedBy)
Code de sortie : 0 installé (ou le serait), 1 refus ou échec (rien n'a changé),
2 erreur d'usage.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif history [--manager-folder DIR] [--json]
Prints one line per operation of the history, newest first: its id, a tab, its local
time (ISO 8601), a tab, its state (complete, undone, rolled-back, under-way), a tab,
the number of files, a tab, and what it was. A record that cannot be read is listed
as 'ID&lt;tab&gt;-&lt;tab&gt;unreadable&lt;tab&gt;-&lt;tab&gt;WHY'.
  --json   prints a JSON array instead, one object per operation: id, time, state,
           kind, what, files, and package, undoes, undoneBy and note when known; an
           unreadable record as id, state "unreadable" and problem
Exit status: 0 when every record could be read, 1 otherwise.
</source>
            <extracomment>The text of "grovekeep-vif history --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif history [--manager-folder DIR] [--json]
Affiche une ligne par opération, la plus récente d'abord : id, tabulation, heure
locale (ISO 8601), tabulation, état (complete, undone, rolled-back, under-way),
tabulation, nombre de fichiers, tabulation, nature de l'opération. Un
enregistrement illisible donne 'ID&lt;tab&gt;-&lt;tab&gt;unreadable&lt;tab&gt;-&lt;tab&gt;WHY'.
  --json   affiche un tableau JSON, un objet par opération : id, time, state,
           kind, what, files, plus package, undoes, undoneBy et note si connus ;
           enregistrement illisible : id, state "unreadable" et problem
Code de sortie : 0 si tous les enregistrements ont pu être lus, 1 sinon.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif undo ID [--force] [--manager-folder DIR]
Undoes operation ID as a whole, itself recorded as an operation (which can be undone
in turn). Refused while a later operation changed one of its files (undo that one
first) or while one of its files has changed since; --force undoes it all the same in
the second case.
Exit status: 0 undone, 1 refused (the reasons on stderr, nothing changed).
</source>
            <extracomment>The text of "grovekeep-vif undo --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif undo ID [--force] [--manager-folder DIR]
Annule l'opération ID dans son ensemble, ce qui est lui-même enregistré comme
une opération (annulable à son tour). Refusé si une opération ultérieure a
modifié l'un de ses fichiers (annulez-la d'abord) ou si l'un de ses fichiers a
changé depuis ; --force l'annule malgré tout dans le second cas.
Code de sortie : 0 annulée, 1 refus (raisons sur stderr, rien n'a changé).
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif verify [ID | --store] [--manager-folder DIR] [--json]
Prints one line per file of operation ID (without ID, per file Grovekeep has written,
against the operation that wrote it last): intact, changed, missing or unreadable, a
tab, and the path (for unreadable, another tab and why). A record that cannot be read
is one unreadable line naming the record.
  --store  checks every content the history keeps against its SHA-256 instead: one
           'damaged' line per content that does not match, then a count
  --json   prints a JSON array instead, one object per file: operation, state, role,
           path, and problem when unreadable (with --store: objects and damaged)
Exit status: 0 when every file (or kept content) is intact, 1 otherwise.
</source>
            <extracomment>The text of "grovekeep-vif verify --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif verify [ID|--store] [--manager-folder DIR] [--json]
Affiche une ligne par fichier de l'opération ID (sans ID : par fichier écrit par
Grovekeep, selon la dernière opération l'ayant écrit) : intact, changed, missing
ou unreadable, tabulation, chemin (pour unreadable : tabulation et raison en
plus). Un enregistrement illisible donne une ligne unreadable qui le nomme.
  --store  contrôle plutôt le SHA-256 de chaque contenu gardé par l'historique :
           une ligne 'damaged' par contenu non conforme, puis un total
  --json   affiche un tableau JSON (un objet par fichier) : operation, state,
           role, path, problem si illisible ; avec --store : objects et damaged
Code de sortie : 0 si chaque fichier (ou contenu gardé) est intact, 1 sinon.
</translation>
        </message>
        <message>
            <source>Usage: grovekeep-vif prune --older-than DAYS [--even-installed] [--dry-run]
                           [--manager-folder DIR]
Removes the records of operations older than DAYS and the contents no remaining record
needs, and prints what it freed. An operation whose files are still installed is kept
unless --even-installed. Refused, freeing nothing, while a record cannot be read:
what it keeps may be the only copy of a file.
</source>
            <extracomment>The text of "grovekeep-vif prune --help"; see the first of these texts</extracomment>
            <translation>Utilisation : grovekeep-vif prune --older-than DAYS [--even-installed]
                                  [--dry-run] [--manager-folder DIR]
Supprime les enregistrements des opérations de plus de DAYS jours et les
contenus devenus inutiles, puis affiche ce qui est libéré. Une opération aux
fichiers encore installés est gardée, sauf avec --even-installed. Ne libère rien
si un enregistrement est illisible : il peut avoir l'unique copie d'un fichier.
</translation>
        </message>
        <message>
            <source>%1 takes no value.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 n'accepte pas de valeur.</translation>
        </message>
        <message>
            <source>%1 needs a number.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 attend un nombre.</translation>
        </message>
        <message>
            <source>%1 needs a folder.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 attend un dossier.</translation>
        </message>
        <message>
            <source>unknown option %1.</source>
            <translation>option inconnue %1.</translation>
        </message>
        <message>
            <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
            <translation>En attente de la fin d'un autre Grovekeep ou de grovekeep-vif...</translation>
        </message>
        <message>
            <source>An interrupted change was undone. %1</source>
            <extracomment>%1 says what the change was and what became of its files</extracomment>
            <translation>Une modification interrompue a été annulée. %1</translation>
        </message>
        <message>
            <source>  Not rolled back: %1</source>
            <extracomment>Indented under "An interrupted change was undone."; %1 is the file and why</extracomment>
            <translation>  Non restauré : %1</translation>
        </message>
        <message>
            <source>The Grovekeep folder is not known: give --manager-folder or set it in options.txt.</source>
            <translation>Le dossier de Grovekeep n'est pas connu : indiquez --manager-folder ou définissez-le dans options.txt.</translation>
        </message>
        <message>
            <source>list takes one package.</source>
            <translation>list attend un seul paquet.</translation>
        </message>
        <message>
            <source>Could not write the list of entries: %1.</source>
            <extracomment>%1 is the system's reason</extracomment>
            <translation>Impossible d'écrire la liste des entrées : %1.</translation>
        </message>
        <message>
            <source>extract takes a package and a folder.</source>
            <translation>extract attend un paquet et un dossier.</translation>
        </message>
        <message>
            <source>Nothing was extracted.</source>
            <translation>Rien n'a été extrait.</translation>
        </message>
        <message>
            <source>Could not read the list on standard input: %1.</source>
            <extracomment>%1 is the system's reason</extracomment>
            <translation>Impossible de lire la liste sur l'entrée standard : %1.</translation>
        </message>
        <message>
            <source>Could not read the list %1: %2.</source>
            <extracomment>%1 is the list's file, %2 the system's reason</extracomment>
            <translation>Impossible de lire la liste %1 : %2.</translation>
        </message>
        <message>
            <source>The list on standard input, line %1: %2.</source>
            <extracomment>%1 is the line's number, %2 what is wrong with the line</extracomment>
            <translation>La liste sur l'entrée standard, ligne %1 : %2.</translation>
        </message>
        <message>
            <source>The list on standard input, line %1: %2</source>
            <extracomment>%1 is the line's number, %2 what is wrong with the line (which ends with its own full stop)</extracomment>
            <translation>La liste sur l'entrée standard, ligne %1 : %2</translation>
        </message>
        <message>
            <source>The list %1, line %2: %3.</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 what is wrong with the line</extracomment>
            <translation>La liste %1, ligne %2 : %3.</translation>
        </message>
        <message>
            <source>The list %1, line %2: %3</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 what is wrong with the line (which ends with its own full stop)</extracomment>
            <translation>La liste %1, ligne %2 : %3</translation>
        </message>
        <message>
            <source>Could not read the list on standard input at line %1: %2.</source>
            <extracomment>%1 is the line's number, %2 the system's reason</extracomment>
            <translation>Impossible de lire la liste sur l'entrée standard à la ligne %1 : %2.</translation>
        </message>
        <message>
            <source>Could not read the list %1 at line %2: %3.</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 the system's reason</extracomment>
            <translation>Impossible de lire la liste %1 à la ligne %2 : %3.</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <extracomment>What is wrong with a line of a list of files; %1 is a number above 60000</extracomment>
            <translation>elle dépasse %1 octets</translation>
        </message>
        <message>
            <source>it is not UTF-8 text</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>ce n'est pas du texte UTF-8</translation>
        </message>
        <message>
            <source>no tab separates the file from its install path</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>aucune tabulation ne sépare le fichier de son chemin d'installation</translation>
        </message>
        <message>
            <source>the file is missing before the tab</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>le fichier manque avant la tabulation</translation>
        </message>
        <message>
            <source>the install path is missing after the tab</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>le chemin d'installation manque après la tabulation</translation>
        </message>
        <message>
            <source>--files-from is given twice.</source>
            <translation>--files-from est indiqué deux fois.</translation>
        </message>
        <message>
            <source>--files-from needs a file (- for standard input).</source>
            <translation>--files-from attend un fichier (- pour l'entrée standard).</translation>
        </message>
        <message>
            <source>pack takes a package and pairs of FILE INSTALL_PATH, or --files-from LIST.</source>
            <translation>pack attend un paquet et des paires FILE INSTALL_PATH, ou --files-from LIST.</translation>
        </message>
        <message>
            <source>The package was not written.</source>
            <translation>Le paquet n'a pas été écrit.</translation>
        </message>
        <message>
            <source>The list names no files.</source>
            <translation>La liste ne nomme aucun fichier.</translation>
        </message>
        <message>
            <source>install needs a package.</source>
            <translation>install attend un paquet.</translation>
        </message>
        <message>
            <source>install takes one package.</source>
            <translation>install n'accepte qu'un seul paquet.</translation>
        </message>
        <message>
            <source>--json describes what would be installed: give it with --dry-run.</source>
            <translation>--json décrit ce qui serait installé : utilisez-le avec --dry-run.</translation>
        </message>
        <message>
            <source>the game folder is not known: give %1 or set it in options.txt.</source>
            <extracomment>%1 is the option that gives the folder</extracomment>
            <translation>le dossier du jeu n'est pas connu : indiquez %1 ou définissez-le dans options.txt.</translation>
        </message>
        <message>
            <source>the Grovekeep folder is not known: give %1 or set it in options.txt.</source>
            <extracomment>%1 is the option that gives the folder</extracomment>
            <translation>le dossier de Grovekeep n'est pas connu : indiquez %1 ou définissez-le dans options.txt.</translation>
        </message>
        <message>
            <source>The folder %1 does not exist.</source>
            <translation>Le dossier %1 n'existe pas.</translation>
        </message>
        <message>
            <source>Nothing was installed: the package has entries that cannot be installed.</source>
            <translation>Rien n'a été installé : le paquet contient des entrées qui ne peuvent pas être installées.</translation>
        </message>
        <message>
            <source>The package would not be installed. %1</source>
            <extracomment>%1 is why</extracomment>
            <translation>Le paquet ne serait pas installé. %1</translation>
        </message>
        <message>
            <source>The package was not installed. %1</source>
            <extracomment>%1 is why</extracomment>
            <translation>Le paquet n'a pas été installé. %1</translation>
        </message>
        <message>
            <source>history takes no arguments.</source>
            <translation>history n'accepte aucun argument.</translation>
        </message>
        <message>
            <source>Some records of the history cannot be read; they are listed as unreadable, with why.</source>
            <extracomment>"unreadable" is the word of the output's lines and stays as it is</extracomment>
            <translation>Certains enregistrements de l'historique sont illisibles ; ils sont listés comme unreadable, avec la raison.</translation>
        </message>
        <message>
            <source>undo takes the id of one operation.</source>
            <translation>undo attend l'id d'une seule opération.</translation>
        </message>
        <message>
            <source>verify takes the id of one operation, --store, or neither.</source>
            <translation>verify attend l'id d'une seule opération, --store, ou rien.</translation>
        </message>
        <message>
            <source>prune needs --older-than DAYS.</source>
            <translation>prune exige --older-than DAYS.</translation>
        </message>
        <message>
            <source>no command given.</source>
            <translation>aucune commande indiquée.</translation>
        </message>
        <message>
            <source>unknown command %1.</source>
            <translation>commande inconnue %1.</translation>
        </message>
    </context>
    <context>
        <name>Platform</name>
        <message>
            <source>Grovekeep</source>
            <translation>Grovekeep</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>Could not start %1: the program does not exist.</source>
            <extracomment>%1 is the program's path, in quotes</extracomment>
            <translation>Impossible de lancer %1 : le programme n'existe pas.</translation>
        </message>
        <message>
            <source>Could not start %1: Windows programs need Wine, and Wine is not installed.</source>
            <translation>Impossible de lancer %1 : les programmes Windows ont besoin de Wine, et Wine n'est pas installé.</translation>
        </message>
        <message>
            <source>Could not start %1: the Wine prefix %2 does not exist. Create it (run winecfg once) or install the program into a prefix.</source>
            <extracomment>%1 is the program's path, %2 the Wine prefix's folder, both in quotes</extracomment>
            <translation>Impossible de lancer %1 : le préfixe Wine %2 n'existe pas. Créez-le (lancez winecfg une fois) ou installez le programme dans un préfixe.</translation>
        </message>
        <message>
            <source>The Wine prefix %1 was last updated by another Wine: %2. Starting %3 with %4 would update the prefix for that Wine, and the launcher that keeps it may then no longer start its games.</source>
            <extracomment>%1 is the Wine prefix's folder, %2 the Wine that last updated it, %3 the program and %4 the Wine that would start it</extracomment>
            <translation>Le préfixe Wine %1 a été mis à jour en dernier par un autre Wine : %2. Lancer %3 avec %4 mettrait à jour le préfixe pour ce Wine, et le lanceur qui le gère risquerait alors de ne plus pouvoir lancer ses jeux.</translation>
        </message>
        <message>
            <source>Start anyway</source>
            <translation>Lancer quand même</translation>
        </message>
        <message>
            <source>%1 was not started: its Wine prefix belongs to another Wine.</source>
            <translation>%1 n'a pas été lancé : son préfixe Wine appartient à un autre Wine.</translation>
        </message>
        <message>
            <source>Could not start %1: %2.</source>
            <extracomment>%1 is the program's path, %2 why the system could not start it</extracomment>
            <translation>Impossible de lancer %1 : %2.</translation>
        </message>
        <message>
            <source>Could not open "%1": this system has no program that opens addresses (xdg-open, of the xdg-utils package, is not installed).</source>
            <extracomment>%1 is a web address or a folder's address</extracomment>
            <translation>Impossible d'ouvrir "%1" : ce système n'a aucun programme qui ouvre les adresses (xdg-open, du paquet xdg-utils, n'est pas installé).</translation>
        </message>
        <message>
            <source>Could not open "%1": no program on this system opens it (xdg-open ended with code %2). Please open it yourself.</source>
            <extracomment>%1 is the address, %2 the exit code of xdg-open</extracomment>
            <translation>Impossible d'ouvrir "%1" : aucun programme de ce système ne l'ouvre (xdg-open s'est terminé avec le code %2). Veuillez l'ouvrir vous-même.</translation>
        </message>
        <message>
            <source>Could not open "%1": %2.</source>
            <extracomment>%1 is the address, %2 why the system could not open it</extracomment>
            <translation>Impossible d'ouvrir "%1" : %2.</translation>
        </message>
        <message>
            <source>Could not open "%1": no program on this system opens it.</source>
            <translation>Impossible d'ouvrir "%1" : aucun programme de ce système ne l'ouvre.</translation>
        </message>
    </context>
    <context>
        <name>Programs</name>
        <message>
            <source>%1 and %2</source>
            <extracomment>%1 is one or more places already named, %2 one more place</extracomment>
            <translation>%1 et %2</translation>
        </message>
        <message>
            <source>The help viewer is missing. Grovekeep looked for it at %1.</source>
            <extracomment>%1 names the places the help viewer was looked for</extracomment>
            <translation>La visionneuse d'aide est introuvable. Grovekeep l'a cherchée ici : %1.</translation>
        </message>
    </context>
    <context>
        <name>Quoting</name>
        <message>
            <source>yes</source>
            <extracomment>Whether a sentence quoted inside another starts with a small letter: "yes" or "no"</extracomment>
            <translation>yes</translation>
        </message>
    </context>
    <context>
        <name>Store</name>
        <message>
            <source>%1 Nothing was changed. The system could not confirm that every file put back is safely on the disk.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Rien n'a été modifié. Le système n'a pas pu confirmer que chaque fichier restauré est bien enregistré sur le disque.</translation>
        </message>
        <message>
            <source>%1 These files could not be put back: %2. Their previous contents are kept in Grovekeep's history (operation %3), and the next start of Grovekeep or grovekeep-vif puts them back.</source>
            <extracomment>%1 says what failed (whole sentences), %2 lists files (in quotes, each with why in brackets), %3 is the number of the operation</extracomment>
            <translation>%1 Ces fichiers n'ont pas pu être restaurés : %2. Leur contenu précédent est conservé dans l'historique de Grovekeep (opération %3), et le prochain démarrage de Grovekeep ou de grovekeep-vif les restaurera.</translation>
        </message>
        <message>
            <source>%1 These files could not be put back: %2. Their previous contents are kept in Grovekeep's history (operation %3), and the next start of Grovekeep or grovekeep-vif puts them back. The system could not confirm that every file put back is safely on the disk.</source>
            <extracomment>%1 says what failed (whole sentences), %2 lists files (in quotes, each with why in brackets), %3 is the number of the operation</extracomment>
            <translation>%1 Ces fichiers n'ont pas pu être restaurés : %2. Leur contenu précédent est conservé dans l'historique de Grovekeep (opération %3), et le prochain démarrage de Grovekeep ou de grovekeep-vif les restaurera. Le système n'a pas pu confirmer que chaque fichier restauré est bien enregistré sur le disque.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be put back, a clause</extracomment>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>A folder stands at %1.</source>
            <extracomment>%1 is where a file was expected (in quotes)</extracomment>
            <translation>Un dossier se trouve à l'emplacement %1.</translation>
        </message>
        <message>
            <source>%1 is a symbolic link, which Grovekeep does not follow or replace.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 est un lien symbolique, que Grovekeep ne suit pas et ne remplace pas.</translation>
        </message>
        <message>
            <source>%1 is not a regular file (a pipe, socket or device), which Grovekeep does not read or replace.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 n'est pas un fichier ordinaire (c'est un tube, un socket ou un périphérique) : Grovekeep ne le lit pas et ne le remplace pas.</translation>
        </message>
        <message>
            <source>%1 changed while it was being replaced.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 a été modifié pendant son remplacement.</translation>
        </message>
        <message>
            <source>The folder %1 changed while it was being written to.</source>
            <extracomment>%1 is a folder (in quotes)</extracomment>
            <translation>Le dossier %1 a été modifié pendant que Grovekeep y écrivait.</translation>
        </message>
        <message>
            <source>%1 lies in Grovekeep's own folder, where a package may not write.</source>
            <extracomment>%1 is a folder (in quotes)</extracomment>
            <translation>%1 se trouve dans le dossier de Grovekeep lui-même, où un paquet n'a pas le droit d'écrire.</translation>
        </message>
        <message>
            <source>%1 Nothing was changed.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Rien n'a été modifié.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <extracomment>%1 names what was being changed (such as Entry 2 ("hills.lnd")), %2 says what failed, a clause</extracomment>
            <translation>%1 : %2.</translation>
        </message>
        <message>
            <source>There is nothing to write.</source>
            <translation>Il n'y a rien à écrire.</translation>
        </message>
        <message>
            <source>%1 cannot be written: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it cannot be written, a clause</extracomment>
            <translation>%1 ne peut pas être écrit : %2.</translation>
        </message>
        <message>
            <source>Could not write %1: the folder %2 does not exist.</source>
            <extracomment>%1 is a file, %2 the folder it would lie in (both in quotes)</extracomment>
            <translation>Impossible d'écrire %1 : le dossier %2 n'existe pas.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it cannot be made, a clause</extracomment>
            <translation>Le dossier %1 ne peut pas être créé : %2.</translation>
        </message>
        <message>
            <source>%1 changed while it was being kept.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 a été modifié pendant sa copie dans l'historique.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Annulé.</translation>
        </message>
        <message>
            <source>What %1 is to get back cannot be put back: its kept copy in the history is damaged (its bytes no longer match their SHA-256).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Le contenu que %1 doit retrouver ne peut pas être restauré : sa copie conservée dans l'historique est endommagée (ses octets ne correspondent plus à leur SHA-256).</translation>
        </message>
        <message>
            <source>%1 (it changed since)</source>
            <extracomment>an entry of a list of files that could not be put back; %1 is a file (in quotes)</extracomment>
            <translation>%1 (il a été modifié depuis)</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <extracomment>%1 is a file kept in the history (in quotes), %2 what is wrong with it, a clause</extracomment>
            <translation>%1 : %2</translation>
        </message>
        <message>
            <source>The Grovekeep folder %1 does not exist, so nothing can be written: its history keeps what every change replaces.</source>
            <extracomment>%1 is Grovekeep's folder (in quotes)</extracomment>
            <translation>Le dossier de Grovekeep %1 n'existe pas : rien ne peut donc être écrit, car son historique conserve ce que chaque modification remplace.</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where it is located (Tools &gt; Options) first: its folder keeps the history of every change.</source>
            <extracomment>Tools &gt; Options is the menu command of the main window</extracomment>
            <translation>Veuillez d'abord indiquer à Grovekeep où il se trouve (Outils &gt; Options) : son dossier conserve l'historique de chaque modification.</translation>
        </message>
        <message>
            <source>its number does not match its name</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>son numéro ne correspond pas à son nom</translation>
        </message>
        <message>
            <source>its state is unknown</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>son état est inconnu</translation>
        </message>
        <message>
            <source>its time is unknown</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>sa date est inconnue</translation>
        </message>
        <message>
            <source>a file's content is damaged</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>le contenu d'un fichier est endommagé</translation>
        </message>
        <message>
            <source>The history record %1 of an older Grovekeep cannot be used: %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 why it cannot be used, a clause</extracomment>
            <translation>L'enregistrement de l'historique %1, créé par une ancienne version de Grovekeep, est inutilisable : %2.</translation>
        </message>
        <message>
            <source>it is too large</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>il est trop volumineux</translation>
        </message>
        <message>
            <source>it is not a record</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>ce n'est pas un enregistrement</translation>
        </message>
        <message>
            <source>Operation %1 was interrupted and could not be rolled back yet. Nothing was changed; the next command tries again.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>L'opération %1 a été interrompue et n'a pas encore pu être annulée. Rien n'a été modifié ; la prochaine commande fera une nouvelle tentative.</translation>
        </message>
        <message>
            <source>Operation %1 was interrupted and could not be rolled back yet (%2). Nothing was changed; the next command tries again.</source>
            <extracomment>%1 is the number of an operation, %2 what stopped its roll-back (clauses joined by "; ")</extracomment>
            <translation>L'opération %1 a été interrompue et n'a pas encore pu être annulée (%2). Rien n'a été modifié ; la prochaine commande fera une nouvelle tentative.</translation>
        </message>
        <message>
            <source>It was recorded by an older Grovekeep and is converted the next time Grovekeep changes a file.</source>
            <extracomment>said of a record of the history that cannot be shown yet</extracomment>
            <translation>Cet enregistrement a été créé par une ancienne version de Grovekeep et sera converti la prochaine fois que Grovekeep modifiera un fichier.</translation>
        </message>
        <message>
            <source>There is no operation %1 in the history.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Il n'y a pas d'opération %1 dans l'historique.</translation>
        </message>
        <message>
            <source>%1 is not a regular file.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 n'est pas un fichier ordinaire.</translation>
        </message>
        <message>
            <source>Operation %1 (%2) changed %3 later; undo it first.</source>
            <extracomment>%1 is the number of a later operation, %2 what it was (such as Package "x.vif"), %3 a file (in quotes)</extracomment>
            <translation>L'opération %1 (%2) a modifié %3 par la suite ; annulez-la d'abord.</translation>
        </message>
        <message>
            <source>Operation %1 is undone; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>L'opération %1 est annulée ; seule une opération terminée peut être annulée.</translation>
        </message>
        <message>
            <source>Operation %1 is rolled-back; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>L'opération %1 est annulée à la reprise ; seule une opération terminée peut être annulée.</translation>
        </message>
        <message>
            <source>Operation %1 is under-way; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>L'opération %1 est en cours ; seule une opération terminée peut être annulée.</translation>
        </message>
        <message>
            <source>%1 What it held before is kept as %2.</source>
            <extracomment>%1 says why a file cannot be put back (whole sentences), %2 is the file in the history (in quotes) that keeps what it held</extracomment>
            <translation>%1 Le contenu qu'il avait auparavant est conservé dans %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>%1 n'a pas pu être lu : %2.</translation>
        </message>
        <message>
            <source>%1 has changed since operation %2 wrote it.</source>
            <extracomment>%1 is a file (in quotes), %2 the number of an operation</extracomment>
            <translation>%1 a été modifié depuis que l'opération %2 l'a écrit.</translation>
        </message>
        <message>
            <source>Operation %1 was not undone: %2</source>
            <extracomment>%1 is the number of an operation, %2 why it was not undone (whole sentences)</extracomment>
            <translation>L'opération %1 n'a pas été annulée : %2</translation>
        </message>
        <message>
            <source>%1: its name is no SHA-256 of this folder</source>
            <extracomment>%1 is a file kept in the history (in quotes)</extracomment>
            <translation>%1 : son nom n'est pas un SHA-256 valable pour ce dossier</translation>
        </message>
        <message>
            <source>%1: its bytes do not match its name</source>
            <extracomment>%1 is a file kept in the history (in quotes)</extracomment>
            <translation>%1 : ses octets ne correspondent pas à son nom</translation>
        </message>
        <message>
            <source>%1 holds a later version that could not be kept, and was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why its later version could not be kept, a clause</extracomment>
            <translation>%1 contient une version plus récente qui n'a pas pu être conservée, et il a été laissé tel quel : %2</translation>
        </message>
        <message>
            <source>kept your later version of %1 in the history (%2)</source>
            <extracomment>a clause; %1 is a file, %2 the file in the history that keeps its content (both in quotes)</extracomment>
            <translation>a conservé votre version plus récente de %1 dans l'historique (%2)</translation>
        </message>
        <message>
            <source>%1 could not be read, and was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>%1 n'a pas pu être lu et a été laissé tel quel : %2</translation>
        </message>
        <message>
            <source>%1 could not be put back: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be put back, a clause</extracomment>
            <translation>%1 n'a pas pu être restauré : %2</translation>
        </message>
        <message>
            <source>%1 was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it was not put back, a clause</extracomment>
            <translation>%1 a été laissé tel quel : %2</translation>
        </message>
        <message>
            <source>the system could not confirm that every file put back is safely on the disk</source>
            <extracomment>a clause, in a list of what went wrong in a roll-back</extracomment>
            <translation>le système n'a pas pu confirmer que chaque fichier restauré est bien enregistré sur le disque</translation>
        </message>
        <message>
            <source>Grovekeep cannot tell whether a change was interrupted: %1</source>
            <extracomment>%1 says why (whole sentences)</extracomment>
            <translation>Grovekeep ne peut pas déterminer si une modification a été interrompue : %1</translation>
        </message>
        <message>
            <source>Nothing was freed: %1 What it kept may be the only copy of what a file held, so every kept content stays.</source>
            <extracomment>%1 says why a record cannot be read (whole sentences)</extracomment>
            <translation>Rien n'a été libéré : %1 Ce que conserve cet enregistrement peut être l'unique copie de ce que contenait un fichier : tous les contenus conservés sont donc gardés.</translation>
        </message>
        <message>
            <source>Nothing was freed: the record %1 of an older Grovekeep cannot be read. What it kept may be the only copy of what a file held, so every kept content stays.</source>
            <extracomment>%1 is a file of the history (in quotes)</extracomment>
            <translation>Rien n'a été libéré : l'enregistrement %1 d'une ancienne version de Grovekeep est illisible. Ce que conserve cet enregistrement peut être l'unique copie de ce que contenait un fichier : tous les contenus conservés sont donc gardés.</translation>
        </message>
        <message>
            <source>%1 Nothing was written.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Rien n'a été écrit.</translation>
        </message>
        <message>
            <source>%1 exists already; it is replaced only where Grovekeep's folder keeps what it holds (give --manager-folder).</source>
            <extracomment>%1 is a file (in quotes); --manager-folder is an option of grovekeep-vif</extracomment>
            <translation>%1 existe déjà ; il n'est remplacé que si le dossier de Grovekeep peut conserver son contenu (indiquez --manager-folder).</translation>
        </message>
    </context>
    <context>
        <name>Tattoos</name>
        <message>
            <source>it does not begin as a Windows bitmap does</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>il ne commence pas comme un fichier bitmap Windows</translation>
        </message>
        <message>
            <source>its header is not one of a Windows bitmap</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>son en-tête n'est pas celui d'un fichier bitmap Windows</translation>
        </message>
        <message>
            <source>its size is not that of a picture</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>sa taille n'est pas celle d'une image</translation>
        </message>
        <message numerus="yes">
            <source>its colour depth of %n bits is not one of a bitmap</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>
                <numerusform>sa profondeur de couleur de %n bit n'est pas une profondeur possible pour un bitmap</numerusform>
                <numerusform>sa profondeur de couleur de %n bits n'est pas une profondeur possible pour un bitmap</numerusform>
            </translation>
        </message>
        <message>
            <source>it does not say how large its pixel data is</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>il n'indique pas la taille de ses données de pixels</translation>
        </message>
        <message>
            <source>it is compressed in a way a bitmap is not</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>il est compressé d'une manière impossible pour un bitmap</translation>
        </message>
        <message numerus="yes">
            <source>it is cut short: its pixel data needs %1 bytes more</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause. %1 is a number of bytes, which may be very large.</extracomment>
            <translation>
                <numerusform>il est tronqué : il manque %1 octet à ses données de pixels</numerusform>
                <numerusform>il est tronqué : il manque %1 octets à ses données de pixels</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>WebEngine</name>
        <message>
            <source>the connection was interrupted</source>
            <extracomment>Why a download failed, shown in brackets after "The download of FILE failed"</extracomment>
            <translation>la connexion a été interrompue</translation>
        </message>
    </context>
    <context>
        <name>WebPage</name>
        <message>
            <source>%1 was opened in your web browser.</source>
            <extracomment>%1 is the address</extracomment>
            <translation>%1 a été ouvert dans votre navigateur web.</translation>
        </message>
        <message>
            <source>A package you download there is installed by dropping it on Grovekeep's window, or by opening it with Grovekeep.</source>
            <translation>Pour installer un paquet téléchargé sur ce site, déposez-le sur la fenêtre de Grovekeep ou ouvrez-le avec Grovekeep.</translation>
        </message>
        <message>
            <source>Open it again: %1</source>
            <extracomment>%1 is the address</extracomment>
            <translation>L'ouvrir à nouveau : %1</translation>
        </message>
        <message>
            <source>%1 could not be opened in your web browser: %2</source>
            <extracomment>%1 is the address, %2 why it could not be opened</extracomment>
            <translation>%1 n'a pas pu être ouvert dans votre navigateur web : %2</translation>
        </message>
        <message>
            <source>Try again: %1, or copy the address into your browser.</source>
            <extracomment>%1 is the address</extracomment>
            <translation>Réessayez : %1, ou copiez l'adresse dans votre navigateur.</translation>
        </message>
        <message>
            <source>Grovekeep's own web browser is not available: its web engine module could not be loaded (%1).</source>
            <extracomment>%1 says why the module could not be loaded</extracomment>
            <translation>Le navigateur web intégré de Grovekeep n'est pas disponible : son module de moteur web n'a pas pu être chargé (%1).</translation>
        </message>
        <message>
            <source>Grovekeep's own web browser is not part of this build of Grovekeep.</source>
            <translation>Le navigateur web intégré de Grovekeep ne fait pas partie de cette version de Grovekeep.</translation>
        </message>
    </context>
    <context>
        <name>Wizard</name>
        <message>
            <source>Choose an Option</source>
            <translation>Choisir une option</translation>
        </message>
        <message>
            <source>Choose a file to install</source>
            <translation>Choisir un fichier à installer</translation>
        </message>
        <message>
            <source>NOTE:You can only install mods if they are inside a vif file!...... All files are backed up before they are overwritten/saved!</source>
            <translation>REMARQUE : vous ne pouvez installer des mods que s'ils se trouvent dans un fichier .vif ! Tous les fichiers sont sauvegardés avant d'être écrasés ou enregistrés !</translation>
        </message>
        <message>
            <source>Choose files</source>
            <translation>Choisir les fichiers</translation>
        </message>
        <message>
            <source>Choose the files you would like to add and then choose the directory where the file should be installed</source>
            <translation>Choisissez les fichiers à ajouter, puis le dossier dans lequel chaque fichier doit être installé</translation>
        </message>
        <message>
            <source>Choose directory name</source>
            <translation>Choisir le nom du dossier</translation>
        </message>
        <message>
            <source>No Directory Chosen!</source>
            <translation>Aucun dossier choisi !</translation>
        </message>
        <message>
            <source>Choose a directory and name to save the file to and then click next</source>
            <translation>Choisissez un dossier et un nom pour enregistrer le fichier, puis cliquez sur « Suivant &gt;&gt; »</translation>
        </message>
        <message>
            <source>Saving Files2</source>
            <extracomment>The caption of the installer's frame while a package is saved (the "2" is part of the caption as the program has always shown it).</extracomment>
            <translation>Enregistrement des fichiers2</translation>
        </message>
        <message>
            <source>Files saved!</source>
            <translation>Fichiers enregistrés !</translation>
        </message>
        <message>
            <source>Compiling Files. NOTE: This file will be saved in your specified file and backed up!</source>
            <translation>Compilation des fichiers. REMARQUE : ce fichier sera enregistré dans le fichier indiqué et sauvegardé !</translation>
        </message>
    </context>
    <context>
        <name>gk::DownloadBar</name>
        <message>
            <source>All files (*)</source>
            <extracomment>A file dialog's filter: keep "(*)" as it is</extracomment>
            <translation>Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>%1 files (*.%1)</source>
            <extracomment>A file dialog's filter: %1 is the downloaded file's extension ("vif"); keep "(*.%1)" as it is</extracomment>
            <translation>Fichiers %1 (*.%1)</translation>
        </message>
        <message>
            <source>Download progress</source>
            <translation>Progression du téléchargement</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Cancel the download</source>
            <translation>Annuler le téléchargement</translation>
        </message>
        <message>
            <source>Hide</source>
            <translation>Masquer</translation>
        </message>
        <message>
            <source>Hide the download bar</source>
            <translation>Masquer la barre de téléchargement</translation>
        </message>
        <message>
            <source>Please wait until %1 has been downloaded, or cancel that download first.
%2 was not downloaded.</source>
            <extracomment>%1 is the file being downloaded, %2 the one refused, both in quotes</extracomment>
            <translation>Veuillez attendre que %1 soit téléchargé, ou annulez d'abord ce téléchargement.
%2 n'a pas été téléchargé.</translation>
        </message>
        <message>
            <source>Please wait until the file being saved has been downloaded, or cancel that download first.
%1 was not downloaded.</source>
            <translation>Veuillez attendre que le fichier en cours d'enregistrement soit téléchargé, ou annulez d'abord ce téléchargement.
%1 n'a pas été téléchargé.</translation>
        </message>
        <message>
            <source>Save Download As</source>
            <extracomment>The title of the file dialog that saves a download</extracomment>
            <translation>Enregistrer le téléchargement sous</translation>
        </message>
        <message>
            <source>%1 already exists. Grovekeep replaces a file only when it can keep its present contents in its history, and it does not know where its own folder is yet.
Choose another name, or set Grovekeep's folder first (Tools &gt; Options). Nothing was downloaded.</source>
            <translation>%1 existe déjà. Grovekeep ne remplace un fichier que s'il peut en conserver le contenu actuel dans son historique, et il ne sait pas encore où se trouve son propre dossier.
Choisissez un autre nom, ou indiquez d'abord le dossier de Grovekeep (Outils &gt; Options). Rien n'a été téléchargé.</translation>
        </message>
        <message>
            <source>%1 cannot be downloaded: no temporary folder could be made for it. Nothing was downloaded.</source>
            <translation>%1 ne peut pas être téléchargé : aucun dossier temporaire n'a pu être créé pour lui. Rien n'a été téléchargé.</translation>
        </message>
        <message>
            <source>Downloading %1: %2 of %3</source>
            <extracomment>%1 is the file's name, %2 the size received so far, %3 the whole size</extracomment>
            <translation>Téléchargement de %1 : %2 sur %3</translation>
        </message>
        <message>
            <source>Downloading %1: %2</source>
            <extracomment>%1 is the file's name, %2 the size received so far</extracomment>
            <translation>Téléchargement de %1 : %2</translation>
        </message>
        <message>
            <source>%1 is still being downloaded.
Stop the download and close the window?</source>
            <translation>%1 est encore en cours de téléchargement.
Arrêter le téléchargement et fermer la fenêtre ?</translation>
        </message>
        <message>
            <source>%1 was saved in %2. The file it replaced is kept in Grovekeep's history.</source>
            <extracomment>%1 is the file's name, %2 its folder</extracomment>
            <translation>%1 a été enregistré dans %2. Le fichier qu'il a remplacé est conservé dans l'historique de Grovekeep.</translation>
        </message>
        <message>
            <source>%1 was saved in %2.</source>
            <translation>%1 a été enregistré dans %2.</translation>
        </message>
        <message>
            <source>%1 has been downloaded.
Do you want to install it now?</source>
            <translation>%1 a été téléchargé.
Voulez-vous l'installer maintenant ?</translation>
        </message>
        <message>
            <source>The download of %1 was cancelled. Nothing was saved.</source>
            <translation>Le téléchargement de %1 a été annulé. Rien n'a été enregistré.</translation>
        </message>
        <message>
            <source>The download of %1 failed (%2).
Nothing was saved.</source>
            <extracomment>%1 is the file's name, %2 why the download failed</extracomment>
            <translation>Le téléchargement de %1 a échoué (%2).
Rien n'a été enregistré.</translation>
        </message>
        <message>
            <source>The download of %1 ended, but the file it was written to is missing.
Nothing was saved.</source>
            <translation>Le téléchargement de %1 est terminé, mais le fichier dans lequel il a été écrit est introuvable.
Rien n'a été enregistré.</translation>
        </message>
        <message>
            <source>%1 was downloaded, but could not be saved:
%2</source>
            <extracomment>%1 is the file's name, %2 why it could not be saved</extracomment>
            <translation>%1 a été téléchargé, mais n'a pas pu être enregistré :
%2</translation>
        </message>
    </context>
    <context>
        <name>gk::LargeTextEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Rétablir</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translation>Co&amp;uper</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Copier</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>C&amp;oller</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Tout sélectionner</translation>
        </message>
    </context>
    <context>
        <name>gk::frmAbout</name>
        <message>
            <source>Grovekeep is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and this permission notice are kept with it. It comes without any warranty.</source>
            <translation>Grovekeep est un logiciel libre distribué sous licence MIT. Vous pouvez l'utiliser, le copier, le modifier et le partager, à condition de conserver avec lui l'avis de copyright et le présent avis d'autorisation. Il est fourni sans aucune garantie.</translation>
        </message>
        <message>
            <source>About Grovekeep</source>
            <translation>À propos de Grovekeep</translation>
        </message>
        <message>
            <source>Grovekeep Version %1</source>
            <extracomment>%1 is the version number ("1.4.0")</extracomment>
            <translation>Grovekeep version %1</translation>
        </message>
        <message>
            <source>Credits</source>
            <translation>Crédits</translation>
        </message>
        <message>
            <source>Programming - Rowan Alder</source>
            <extracomment>Credits: keep the names as they are</extracomment>
            <translation>Programmation - Rowan Alder</translation>
        </message>
        <message>
            <source>Town Creator and Testing - Hazel Birch</source>
            <translation>Création de villes et tests - Hazel Birch</translation>
        </message>
        <message>
            <source>Hosting - Fernlow , Marrowby</source>
            <extracomment>Credits: Fernlow and Marrowby are the names of web sites</extracomment>
            <translation>Hébergement - Fernlow, Marrowby</translation>
        </message>
        <message>
            <source>Found a bug? Click me</source>
            <translation>Vous avez trouvé un bogue ? Cliquez ici</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
    </context>
    <context>
        <name>gk::frmBrowser</name>
        <message>
            <source>Grovekeep - Web Browser</source>
            <extracomment>%1 is the title of the page shown</extracomment>
            <translation>Grovekeep - Navigateur web</translation>
        </message>
        <message>
            <source>Back (Alt+Left)</source>
            <translation>Précédente (Alt+Gauche)</translation>
        </message>
        <message>
            <source>Forward (Alt+Right)</source>
            <translation>Suivante (Alt+Droite)</translation>
        </message>
        <message>
            <source>Stop (Esc)</source>
            <translation>Arrêter (Échap)</translation>
        </message>
        <message>
            <source>Refresh (F5)</source>
            <translation>Actualiser (F5)</translation>
        </message>
        <message>
            <source>Address Bar</source>
            <translation>Barre d'adresse</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>The page's address: type another and press Enter or Go (Ctrl+L comes here)</source>
            <translation>L'adresse de la page : tapez-en une autre et appuyez sur Entrée ou sur Aller (Ctrl+L place le curseur ici)</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Aller</translation>
        </message>
        <message>
            <source>Web page</source>
            <translation>Page web</translation>
        </message>
        <message>
            <source>Page loading</source>
            <translation>Chargement de la page</translation>
        </message>
        <message>
            <source>Grovekeep - Web Browser - %1</source>
            <translation>Grovekeep - Navigateur web - %1</translation>
        </message>
    </context>
    <context>
        <name>gk::frmExtra</name>
        <message>
            <source>Grovekeep - Skin / Landscape Mode</source>
            <translation>Grovekeep - Mode skin / paysage</translation>
        </message>
        <message>
            <source>Load Skin</source>
            <translation>Charger le skin</translation>
        </message>
        <message>
            <source>Install Skin</source>
            <translation>Installer le skin</translation>
        </message>
        <message>
            <source>Edit Skins With</source>
            <translation>Modifier les skins avec</translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Créer un Lisez-moi</translation>
        </message>
        <message>
            <source>Find Skins</source>
            <translation>Trouver des skins</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Load Landscape</source>
            <translation>Charger le paysage</translation>
        </message>
        <message>
            <source>Install Landscape</source>
            <translation>Installer le paysage</translation>
        </message>
        <message>
            <source>Edit Lands With</source>
            <translation>Modifier les paysages avec</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Tester</translation>
        </message>
        <message>
            <source>Get Help</source>
            <translation>Obtenir de l'aide</translation>
        </message>
        <message>
            <source>Submit File</source>
            <translation>Soumettre un fichier</translation>
        </message>
        <message>
            <source>BELOW: This is the current landscape (lnd) file you are viewing...</source>
            <translation>CI-DESSOUS : voici le fichier de paysage (lnd) que vous consultez...</translation>
        </message>
        <message>
            <source>BELOW: This is the current Skin (l3d) file you are viewing</source>
            <translation>CI-DESSOUS : voici le fichier de skin (l3d) que vous consultez</translation>
        </message>
        <message>
            <source>The landscape loaded</source>
            <translation>Le paysage chargé</translation>
        </message>
        <message>
            <source>The skin loaded</source>
            <translation>Le skin chargé</translation>
        </message>
        <message>
            <source>Lionhead Land Files (*.lnd)</source>
            <extracomment>A file dialog's filter: keep "(*.lnd)" as it is</extracomment>
            <translation>Fichiers de paysage Lionhead (*.lnd)</translation>
        </message>
        <message>
            <source>%1 is not a landscape file (.lnd), so it was not loaded.</source>
            <extracomment>%1 is the chosen file's path, in quotes</extracomment>
            <translation>%1 n'est pas un fichier de paysage (.lnd) : il n'a donc pas été chargé.</translation>
        </message>
        <message>
            <source>Please load a landscape first; it is installed under its own name.</source>
            <translation>Veuillez d'abord charger un paysage ; il est installé sous son propre nom.</translation>
        </message>
        <message>
            <source>Lionhead Skin Files (*.l3d)</source>
            <extracomment>A file dialog's filter: keep "(*.l3d)" as it is</extracomment>
            <translation>Fichiers de skin Lionhead (*.l3d)</translation>
        </message>
        <message>
            <source>%1 is not a skin file (.l3d), so it was not loaded.</source>
            <extracomment>%1 is the chosen file's path, in quotes</extracomment>
            <translation>%1 n'est pas un fichier de skin (.l3d) : il n'a donc pas été chargé.</translation>
        </message>
        <message>
            <source>Please load a skin first; it is installed under its own name.</source>
            <translation>Veuillez d'abord charger un skin ; il est installé sous son propre nom.</translation>
        </message>
        <message>
            <source>Backing up file</source>
            <translation>Sauvegarde du fichier</translation>
        </message>
        <message>
            <source>Installing Script</source>
            <translation>Installation du script</translation>
        </message>
        <message>
            <source>The file was not installed.</source>
            <translation>Le fichier n'a pas été installé.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmHistory</name>
        <message>
            <source>Grovekeep - History</source>
            <translation>Grovekeep - Historique</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>A column of the list of operations: when each was made</extracomment>
            <translation>Date</translation>
        </message>
        <message>
            <source>What</source>
            <extracomment>A column of the list of operations: what each did</extracomment>
            <translation>Action</translation>
        </message>
        <message>
            <source>Files</source>
            <extracomment>A column of the list of operations: how many files each wrote</extracomment>
            <translation>Fichiers</translation>
        </message>
        <message>
            <source>State</source>
            <extracomment>A column of the list of operations: complete, undone...</extracomment>
            <translation>État</translation>
        </message>
        <message>
            <source>File</source>
            <extracomment>A column of the list of an operation's files: the file's path</extracomment>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Change</source>
            <extracomment>A column of the list of an operation's files: added, replaced, removed</extracomment>
            <translation>Modification</translation>
        </message>
        <message>
            <source>Now</source>
            <extracomment>A column of the list of an operation's files: what Verify found the file to be now</extracomment>
            <translation>État actuel</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Annuler l'opération</translation>
        </message>
        <message>
            <source>Put back what the operation's files held before it</source>
            <translation>Rendre aux fichiers de l'opération le contenu qu'ils avaient avant elle</translation>
        </message>
        <message>
            <source>&amp;Verify</source>
            <translation>&amp;Vérifier</translation>
        </message>
        <message>
            <source>Check whether each file is as the operation left it</source>
            <translation>Vérifier si chaque fichier est tel que l'opération l'a laissé</translation>
        </message>
        <message>
            <source>&amp;Show in folder</source>
            <translation>Afficher dans le &amp;dossier</translation>
        </message>
        <message>
            <source>Open the folder of the selected file</source>
            <translation>Ouvrir le dossier du fichier sélectionné</translation>
        </message>
        <message>
            <source>&amp;Free space...</source>
            <translation>&amp;Libérer de l'espace...</translation>
        </message>
        <message>
            <source>Remove old operations from the history</source>
            <translation>Supprimer les anciennes opérations de l'historique</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message>
            <source>Operation %1: its record cannot be read</source>
            <translation>Opération %1 : son enregistrement est illisible</translation>
        </message>
        <message>
            <source>unreadable</source>
            <extracomment>The state of an operation whose record cannot be read</extracomment>
            <translation>illisible</translation>
        </message>
        <message>
            <source>No change has been recorded yet. Every file Grovekeep installs, replaces or saves is recorded here.</source>
            <translation>Aucune modification n'a encore été enregistrée. Chaque fichier que Grovekeep installe, remplace ou enregistre est consigné ici.</translation>
        </message>
        <message numerus="yes">
            <source>%n operations of the history cannot be read.</source>
            <translation>
                <numerusform>%n opération de l'historique est illisible.</numerusform>
                <numerusform>%n opérations de l'historique sont illisibles.</numerusform>
            </translation>
        </message>
        <message>
            <source>Operation %1 cannot be read: %2</source>
            <translation>L'opération %1 est illisible : %2</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1, %2: %3, %n files, %4.%5</source>
            <extracomment>%1 is the operation's number, %2 its time, %3 what it did, %4 its state, %5 its note (with a space before it) or nothing</extracomment>
            <translation>
                <numerusform>Opération %1, %2 : %3, %n fichier, %4.%5</numerusform>
                <numerusform>Opération %1, %2 : %3, %n fichiers, %4.%5</numerusform>
            </translation>
        </message>
        <message>
            <source>Every file of operation %1 is as it left it.</source>
            <translation>Chaque fichier de l'opération %1 est tel qu'elle l'a laissé.</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1: %2 of %n files are as it left them; %3 could not be read: %4</source>
            <extracomment>%1 is the operation's number, %2 how many of its files are intact, %3 how many could not be read, %4 why the first of them could not</extracomment>
            <translation>
                <numerusform>Opération %1 : %2 fichier sur %n est tel qu'elle l'a laissé ; %3 n'a pas pu être lu : %4</numerusform>
                <numerusform>Opération %1 : %2 fichiers sur %n sont tels qu'elle les a laissés ; %3 n'ont pas pu être lus : %4</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Operation %1: %2 of %n files are as it left them; the others have changed since or are missing.</source>
            <extracomment>%1 is the operation's number, %2 how many of its files are intact</extracomment>
            <translation>
                <numerusform>Opération %1 : %2 fichier sur %n est tel qu'elle l'a laissé ; le reste a été modifié depuis ou est manquant.</numerusform>
                <numerusform>Opération %1 : %2 fichiers sur %n sont tels qu'elle les a laissés ; les autres ont été modifiés depuis ou sont manquants.</numerusform>
            </translation>
        </message>
        <message>
            <source>Its file gets back what it held before it; what it holds now is kept in the history.</source>
            <translation>Son fichier retrouve le contenu qu'il avait avant elle ; son contenu actuel est conservé dans l'historique.</translation>
        </message>
        <message>
            <source>Its %1 files get back what they held before it; what they hold now is kept in the history.</source>
            <translation>Ses %1 fichiers retrouvent le contenu qu'ils avaient avant elle ; leur contenu actuel est conservé dans l'historique.</translation>
        </message>
        <message>
            <source>Undo operation %1 (%2)?
%3</source>
            <extracomment>%1 is the operation's number, %2 what it did, %3 what undoing does</extracomment>
            <translation>Annuler l'opération %1 (%2) ?
%3</translation>
        </message>
        <message>
            <source>Operation %1 was not undone. %2</source>
            <translation>L'opération %1 n'a pas été annulée. %2</translation>
        </message>
        <message>
            <source>%1
Undo it anyway? What these files hold now is kept in the history.</source>
            <translation>%1
L'annuler quand même ? Le contenu actuel de ces fichiers est conservé dans l'historique.</translation>
        </message>
        <message>
            <source>Operation %1 was undone (by operation %2).</source>
            <translation>L'opération %1 a été annulée (par l'opération %2).</translation>
        </message>
        <message>
            <source>Free the space of the history's operations:</source>
            <extracomment>Followed by a list to choose from: "older than 30 days", "all of it"...</extracomment>
            <translation>Libérer l'espace occupé par les opérations de l'historique :</translation>
        </message>
        <message numerus="yes">
            <source>%n operations of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</source>
            <translation>
                <numerusform>%n opération a installé des fichiers toujours en place ; sans son enregistrement, elle ne pourra plus être annulée.
Supprimer aussi son enregistrement ?</numerusform>
                <numerusform>%n opérations ont installé des fichiers toujours en place ; sans leurs enregistrements, elles ne pourront plus être annulées.
Supprimer aussi leurs enregistrements ?</numerusform>
            </translation>
        </message>
        <message>
            <source>There is nothing to free.</source>
            <translation>Il n'y a rien à libérer.</translation>
        </message>
        <message numerus="yes">
            <source>Remove %n operations from the history and free %1?</source>
            <extracomment>%1 is a size ("1.5 MiB")</extracomment>
            <translation>
                <numerusform>Supprimer %n opération de l'historique et libérer %1 ?</numerusform>
                <numerusform>Supprimer %n opérations de l'historique et libérer %1 ?</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n operations removed; %1 freed.</source>
            <extracomment>%1 is a size ("1.5 MiB")</extracomment>
            <translation>
                <numerusform>%n opération supprimée ; espace libéré : %1.</numerusform>
                <numerusform>%n opérations supprimées ; espace libéré : %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>gk::frmInstall</name>
        <message>
            <source>Grovekeep - Installer</source>
            <translation>Grovekeep - Installateur</translation>
        </message>
        <message>
            <source>Choose an Option</source>
            <translation>Choisir une option</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>Aucun fichier sélectionné</translation>
        </message>
        <message>
            <source>Install a Black and White file</source>
            <translation>Installer un fichier Black and White</translation>
        </message>
        <message>
            <source>Create a Black a Grovekeep installation File</source>
            <translation>Créer un fichier d'installation Grovekeep</translation>
        </message>
        <message>
            <source>Check for Grovekeep Updates</source>
            <translation>Rechercher les mises à jour de Grovekeep</translation>
        </message>
        <message>
            <source>Browse the Web for Black and White files. </source>
            <translation>Chercher des fichiers Black and White sur le Web. </translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Retirer</translation>
        </message>
        <message>
            <source>No file type set</source>
            <translation>Aucun type de fichier défini</translation>
        </message>
        <message>
            <source>&lt;&lt; Back</source>
            <translation>&lt;&lt; Précédent</translation>
        </message>
        <message>
            <source>Next &gt;&gt;</source>
            <translation>Suivant &gt;&gt;</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Historique...</translation>
        </message>
        <message>
            <source>What the installation changed, and the way to undo it</source>
            <translation>Ce que l'installation a modifié, et comment l'annuler</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Installs to</source>
            <translation>Destination</translation>
        </message>
        <message>
            <source>Files of the package</source>
            <translation>Fichiers du paquet</translation>
        </message>
        <message>
            <source>Take the selected file out of the package</source>
            <translation>Retirer le fichier sélectionné du paquet</translation>
        </message>
        <message>
            <source>Choose a file</source>
            <translation>Choisir un fichier</translation>
        </message>
        <message>
            <source>Grovekeep Installer</source>
            <translation>Installateur Grovekeep</translation>
        </message>
        <message numerus="yes">
            <source>Grovekeep - Installer (%n more files waiting)</source>
            <translation>
                <numerusform>Grovekeep - Installateur (%n autre fichier en attente)</numerusform>
                <numerusform>Grovekeep - Installateur (%n autres fichiers en attente)</numerusform>
            </translation>
        </message>
        <message>
            <source>please select a valid filetype or create a '.vif' to inmstall these files automatically</source>
            <translation>Veuillez choisir un type de fichier valide ou créer un fichier .vif pour installer ces fichiers automatiquement</translation>
        </message>
        <message>
            <source>Backing up file</source>
            <translation>Sauvegarde du fichier</translation>
        </message>
        <message>
            <source>The file was not installed.</source>
            <translation>Le fichier n'a pas été installé.</translation>
        </message>
        <message>
            <source>Installing Script</source>
            <translation>Installation du script</translation>
        </message>
        <message>
            <source>Installing... Cancel stops the installation and changes nothing.</source>
            <translation>Installation en cours... « Annuler » arrête l'installation sans rien modifier.</translation>
        </message>
        <message>
            <source>Nothing was installed.</source>
            <translation>Rien n'a été installé.</translation>
        </message>
        <message>
            <source>Nothing was installed: this package has entries that cannot be installed.

%1</source>
            <translation>Rien n'a été installé : ce paquet contient des entrées qui ne peuvent pas être installées.

%1</translation>
        </message>
        <message>
            <source>Cancelled. Nothing was changed.</source>
            <translation>Annulé. Rien n'a été modifié.</translation>
        </message>
        <message>
            <source>The package was not installed. %1</source>
            <extracomment>%1 says why</extracomment>
            <translation>Le paquet n'a pas été installé. %1</translation>
        </message>
        <message numerus="yes">
            <source>The package was installed: %n files. What every replaced file held is kept in the history. Choose another file with "..." to install it.</source>
            <translation>
                <numerusform>Le paquet a été installé : %n fichier. Le contenu qu'avait chaque fichier remplacé est conservé dans l'historique. Choisissez un autre fichier avec « ... » pour l'installer.</numerusform>
                <numerusform>Le paquet a été installé : %n fichiers. Le contenu qu'avait chaque fichier remplacé est conservé dans l'historique. Choisissez un autre fichier avec « ... » pour l'installer.</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <extracomment>%1 is a file's path, %2 says which installation wrote it</extracomment>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>The package was installed. It replaced files that earlier installations wrote:

%1</source>
            <translation>Le paquet a été installé. Il a remplacé des fichiers écrits par des installations précédentes :

%1</translation>
        </message>
        <message>
            <source>Checking the package... Cancel stops the installation and changes nothing.</source>
            <translation>Vérification du paquet... « Annuler » arrête l'installation sans rien modifier.</translation>
        </message>
        <message numerus="yes">
            <source>The package being made lists %n files. Close the installer and drop the list?</source>
            <translation>
                <numerusform>Le paquet en préparation contient %n fichier. Fermer l'installateur et abandonner la liste ?</numerusform>
                <numerusform>Le paquet en préparation contient %n fichiers. Fermer l'installateur et abandonner la liste ?</numerusform>
            </translation>
        </message>
        <message>
            <source>A package is being installed. Cancel the installation? Nothing will be changed.</source>
            <translation>Un paquet est en cours d'installation. Annuler l'installation ? Rien ne sera modifié.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Annulation...</translation>
        </message>
        <message>
            <source>To install tattoos you must use the tatto manager..Follow the instructions at the bottom of the screen to install and manage them</source>
            <translation>Pour installer des tatouages, vous devez utiliser le gestionnaire de tatouages. Suivez les instructions en bas de l'écran pour les installer et les gérer.</translation>
        </message>
        <message>
            <source>Where should %1 be installed in the game?</source>
            <extracomment>The title of the file dialog that asks where a file of a new package goes; %1 is the file's name</extracomment>
            <translation>Où installer %1 dans le jeu ?</translation>
        </message>
        <message>
            <source>Saving file to directory</source>
            <translation>Enregistrement du fichier dans le dossier</translation>
        </message>
        <message>
            <source>The package was not saved.</source>
            <translation>Le paquet n'a pas été enregistré.</translation>
        </message>
        <message>
            <source>Your file was saved and Backed up!</source>
            <translation>Votre fichier a été enregistré et sauvegardé !</translation>
        </message>
    </context>
    <context>
        <name>gk::frmMDI</name>
        <message>
            <source>Grovekeep Beta 1 - Welcome</source>
            <translation>Grovekeep Beta 1 - Bienvenue</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Visit Marrowby</source>
            <extracomment>Marrowby and Fernlow are the names of web sites about the game</extracomment>
            <translation>Visiter Marrowby</translation>
        </message>
        <message>
            <source>Visit Fernlow</source>
            <translation>Visiter Fernlow</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Gérer</translation>
        </message>
        <message>
            <source>Map</source>
            <extracomment>Map, Landscape, Skin and Tatoo open the managers of those kinds of content</extracomment>
            <translation>Carte</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Paysage</translation>
        </message>
        <message>
            <source>Skin</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Tatoo</source>
            <extracomment>The tattoo manager (the word is spelt so in this caption)</extracomment>
            <translation>Tatouage</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Créateur de Lisez-moi</translation>
        </message>
        <message>
            <source>Web Browser</source>
            <translation>Navigateur web</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Installateur</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>History</source>
            <extracomment>Opens the history of the changes Grovekeep made to the files</extracomment>
            <translation>Historique</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Sommaire</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Mises à jour</translation>
        </message>
        <message>
            <source>Bug Report</source>
            <translation>Signaler un bogue</translation>
        </message>
        <message>
            <source>Comment and Suggestions</source>
            <translation>Commentaires et suggestions</translation>
        </message>
        <message>
            <source>Discuss in Forums</source>
            <translation>Discuter sur les forums</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source> Welcome to Grovekeep </source>
            <extracomment>The status bar's text; the spaces at either end keep it off the bar's edges</extracomment>
            <translation> Bienvenue dans Grovekeep </translation>
        </message>
        <message numerus="yes">
            <source>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 are none of these.</source>
            <extracomment>%1 lists the files, each quoted, separated by ", "; the count is the number of files</extracomment>
            <translation>
                <numerusform>Grovekeep installe les paquets (.vif), les cartes (.txt), les paysages (.lnd) et les skins (.l3d) ; %1 n'appartient à aucun de ces types.</numerusform>
                <numerusform>Grovekeep installe les paquets (.vif), les cartes (.txt), les paysages (.lnd) et les skins (.l3d) ; %1 n'appartiennent à aucun de ces types.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>gk::frmMap</name>
        <message>
            <source>Black and White Maps (*.txt)</source>
            <extracomment>A file dialog's filter: keep "(*.txt)" as it is</extracomment>
            <translation>Cartes Black and White (*.txt)</translation>
        </message>
        <message>
            <source>Grovekeep Beta 1 - Maps[*]</source>
            <extracomment>"[*]" stands where a "*" shows while the map has unsaved changes: keep it</extracomment>
            <translation>Grovekeep Beta 1 - Cartes[*]</translation>
        </message>
        <message>
            <source>Load Map</source>
            <translation>Charger la carte</translation>
        </message>
        <message>
            <source>Install this Map</source>
            <translation>Installer cette carte</translation>
        </message>
        <message>
            <source>Save Map</source>
            <translation>Enregistrer la carte</translation>
        </message>
        <message>
            <source>Edit Map with... </source>
            <translation>Modifier la carte avec... </translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Créer un Lisez-moi</translation>
        </message>
        <message>
            <source>Test Map</source>
            <translation>Tester la carte</translation>
        </message>
        <message>
            <source>Submit Map</source>
            <translation>Soumettre une carte</translation>
        </message>
        <message>
            <source>Get Map Help</source>
            <translation>Obtenir de l'aide sur les cartes</translation>
        </message>
        <message>
            <source>Submit Map idea</source>
            <translation>Proposer une idée de carte</translation>
        </message>
        <message>
            <source>Find Maps</source>
            <translation>Trouver des cartes</translation>
        </message>
        <message>
            <source>Current Map Directory:</source>
            <translation>Dossier de la carte actuelle :</translation>
        </message>
        <message>
            <source>None...</source>
            <translation>Aucun...</translation>
        </message>
        <message>
            <source>Welcome Message:</source>
            <translation>Message de bienvenue :</translation>
        </message>
        <message>
            <source>Map text</source>
            <translation>Texte de la carte</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Open Map</source>
            <translation>Ouvrir une carte</translation>
        </message>
        <message>
            <source>Install Map</source>
            <translation>Installer la carte</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Édition</translation>
        </message>
        <message>
            <source>Edit Map with...</source>
            <translation>Modifier la carte avec...</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Gérer</translation>
        </message>
        <message>
            <source>Landscapes</source>
            <translation>Paysages</translation>
        </message>
        <message>
            <source>Skin</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Tattoo</source>
            <translation>Tatouage</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Créateur de Lisez-moi</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Historique</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Mises à jour</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Sommaire</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>%1 was changed on disk. Your edits in this window are kept but not saved: use Save Map to keep them, or Load Map to see what the file holds now.</source>
            <extracomment>%1 is the map's path, in quotes</extracomment>
            <translation>%1 a été modifié sur le disque. Vos modifications dans cette fenêtre sont conservées mais pas enregistrées : utilisez « Enregistrer la carte » pour les garder, ou « Charger la carte » pour voir ce que contient maintenant le fichier.</translation>
        </message>
        <message>
            <source>%1 is no longer on disk. The text in this window is kept but not saved: use Save Map to keep it.</source>
            <translation>%1 n'est plus sur le disque. Le texte de cette fenêtre est conservé mais pas enregistré : utilisez « Enregistrer la carte » pour le garder.</translation>
        </message>
        <message>
            <source>Loading %1...</source>
            <extracomment>%1 is the map's path</extracomment>
            <translation>Chargement de %1...</translation>
        </message>
        <message>
            <source>The map has changes that are not saved.
Save them first?</source>
            <translation>La carte comporte des modifications non enregistrées.
Les enregistrer d'abord ?</translation>
        </message>
        <message>
            <source>Some characters of this map cannot be written in the game's character set and would be written as "?".
Write the map anyway?</source>
            <translation>Certains caractères de cette carte ne peuvent pas être écrits dans le codage de caractères du jeu et seraient remplacés par « ? ».
Écrire la carte quand même ?</translation>
        </message>
        <message>
            <source>No map is loaded in this window, so nothing was installed. Load a map first: Install this Map installs it under the name of the map opened with Load Map.</source>
            <translation>Aucune carte n'est chargée dans cette fenêtre : rien n'a donc été installé. Chargez d'abord une carte : « Installer cette carte » l'installe sous le nom de la carte ouverte avec « Charger la carte ».</translation>
        </message>
    </context>
    <context>
        <name>gk::frmOptions</name>
        <message>
            <source>All files (*.*)</source>
            <extracomment>A file dialog's filter: keep "(*.*)" as it is</extracomment>
            <translation>Tous les fichiers (*.*)</translation>
        </message>
        <message>
            <source>All files (*)</source>
            <extracomment>A file dialog's filter: keep "(*)" as it is</extracomment>
            <translation>Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Black and White (runblack.exe)</source>
            <extracomment>A file dialog's filter: the game's name, with its program "(runblack.exe)" as it is</extracomment>
            <translation>Black and White (runblack.exe)</translation>
        </message>
        <message>
            <source>exeFiles (*.exe)</source>
            <extracomment>A file dialog's filter: keep "(*.exe)" as it is</extracomment>
            <translation>Fichiers exe (*.exe)</translation>
        </message>
        <message>
            <source>exe Files (*.exe)</source>
            <extracomment>A file dialog's filter: keep "(*.exe)" as it is</extracomment>
            <translation>Fichiers exe (*.exe)</translation>
        </message>
        <message>
            <source>Grovekeep - Options</source>
            <translation>Grovekeep - Options</translation>
        </message>
        <message>
            <source>General Options</source>
            <translation>Options générales</translation>
        </message>
        <message>
            <source>Map Options</source>
            <translation>Options des cartes</translation>
        </message>
        <message>
            <source>Landscape Options</source>
            <translation>Options des paysages</translation>
        </message>
        <message>
            <source>Tatoo Options</source>
            <translation>Options des tatouages</translation>
        </message>
        <message>
            <source>Skin Options</source>
            <translation>Options des skins</translation>
        </message>
        <message>
            <source>Where is Black and White located?</source>
            <translation>Où se trouve Black and White ?</translation>
        </message>
        <message>
            <source>Where is Grovekeep located?</source>
            <translation>Où se trouve Grovekeep ?</translation>
        </message>
        <message>
            <source>Where is your default Map editor Located? (Optional)</source>
            <translation>Où se trouve votre éditeur de cartes par défaut ? (facultatif)</translation>
        </message>
        <message>
            <source>Where is your Default Landscape Editor Located? (Optional)</source>
            <translation>Où se trouve votre éditeur de paysages par défaut ? (facultatif)</translation>
        </message>
        <message>
            <source>Where is your Default Tattoo Editor Located? (Optional)</source>
            <translation>Où se trouve votre éditeur de tatouages par défaut ? (facultatif)</translation>
        </message>
        <message>
            <source>Where is your Default Skin Editor Located? (Optional)</source>
            <translation>Où se trouve votre éditeur de skins par défaut ? (facultatif)</translation>
        </message>
        <message>
            <source>Which Wine starts Windows programs?</source>
            <translation>Quel Wine lance les programmes Windows ?</translation>
        </message>
        <message>
            <source>the system's wine</source>
            <translation>le wine du système</translation>
        </message>
        <message>
            <source>Empty for the system's wine, a wine program of a Wine build, or a launcher's command (the program is added at its end)</source>
            <translation>Vide pour le wine du système, sinon un programme wine d'une version de Wine, ou la commande d'un lanceur (le programme est ajouté à la fin)</translation>
        </message>
        <message>
            <source>Find the game...</source>
            <translation>Trouver le jeu...</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Langue :</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>La langue du système</translation>
        </message>
        <message>
            <source>Grovekeep changes its language at its next start.</source>
            <translation>Grovekeep changera de langue à son prochain démarrage.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Appliquer</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Choose: %1</source>
            <extracomment>What a screen reader says of a "..." button; %1 is the caption of the field it fills</extracomment>
            <translation>Choisir : %1</translation>
        </message>
        <message>
            <source>Choose the file</source>
            <translation>Choisir le fichier</translation>
        </message>
        <message>
            <source>Please enter some details so Grovekeep can operate functionally</source>
            <translation>Veuillez saisir quelques informations pour que Grovekeep puisse fonctionner correctement</translation>
        </message>
        <message>
            <source>Black and White was not found. Grovekeep looked in the usual install places of the fixed drives. Please choose its runblack.exe with "...".</source>
            <translation>Black and White est introuvable. Grovekeep a cherché dans les emplacements d'installation habituels des disques fixes. Veuillez choisir son runblack.exe avec « ... ».</translation>
        </message>
        <message>
            <source>Black and White was not found. Grovekeep looked in the usual install places of the Wine prefixes of Wine, Lutris, Bottles, Heroic, Steam and PlayOnLinux. Please choose its runblack.exe with "...".</source>
            <translation>Black and White est introuvable. Grovekeep a cherché dans les emplacements d'installation habituels des préfixes Wine de Wine, Lutris, Bottles, Heroic, Steam et PlayOnLinux. Veuillez choisir son runblack.exe avec « ... ».</translation>
        </message>
        <message>
            <source>Black and White was found in %1 places. Which one do you play?</source>
            <extracomment>%1 is a number above one</extracomment>
            <translation>Black and White a été trouvé à %1 emplacements. Lequel utilisez-vous pour jouer ?</translation>
        </message>
        <message>
            <source>Please enter where Grovekeep is located. The options are saved in that folder.</source>
            <translation>Veuillez indiquer où se trouve Grovekeep. Les options sont enregistrées dans ce dossier.</translation>
        </message>
        <message>
            <source>The options were not saved. %1</source>
            <extracomment>%1 says why</extracomment>
            <translation>Les options n'ont pas été enregistrées. %1</translation>
        </message>
        <message>
            <source>The options were saved in %1, but Grovekeep could not read them back from %2, where it reads them at start-up.</source>
            <extracomment>%1 is the file written, %2 the file read at start-up</extracomment>
            <translation>Les options ont été enregistrées dans %1, mais Grovekeep n'a pas pu les relire depuis %2, où il les lit au démarrage.</translation>
        </message>
        <message>
            <source>The options were saved, but %1 holds no runblack.exe, so it may not be the game's folder. Grovekeep installs into it and starts the game from there: please check it.</source>
            <extracomment>%1 is the game's folder</extracomment>
            <translation>Les options ont été enregistrées, mais %1 ne contient pas de runblack.exe : ce n'est peut-être pas le dossier du jeu. Grovekeep y installe les fichiers et lance le jeu depuis cet endroit : veuillez le vérifier.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmReadme</name>
        <message>
            <source>Readme Files (*.txt)</source>
            <extracomment>A file dialog's filter: keep "(*.txt)" as it is</extracomment>
            <translation>Fichiers Lisez-moi (*.txt)</translation>
        </message>
        <message>
            <source>Grovekeep - Readme Creator</source>
            <translation>Grovekeep - Créateur de Lisez-moi</translation>
        </message>
        <message>
            <source>Specify Type of File</source>
            <translation>Préciser le type de fichier</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Titre</translation>
        </message>
        <message>
            <source>Your Name</source>
            <translation>Votre nom</translation>
        </message>
        <message>
            <source>Web Site Address</source>
            <translation>Adresse du site web</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Description</translation>
        </message>
        <message>
            <source>Other Comments</source>
            <translation>Autres commentaires</translation>
        </message>
        <message>
            <source>Thanks to..</source>
            <translation>Merci à..</translation>
        </message>
        <message>
            <source>Contact mail address</source>
            <translation>Adresse e-mail de contact</translation>
        </message>
        <message>
            <source>Show File</source>
            <translation>Afficher le fichier</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Enregistrer le fichier</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Go!</source>
            <translation>Action</translation>
        </message>
        <message>
            <source>Enter Fields</source>
            <translation>Saisir les champs</translation>
        </message>
        <message>
            <source>Save Readme</source>
            <translation>Enregistrer le Lisez-moi</translation>
        </message>
        <message>
            <source>Exit Readme Creator</source>
            <translation>Quitter le Créateur de Lisez-moi</translation>
        </message>
        <message>
            <source>Some characters of this readme cannot be written in the game's character set and would be written as "?".
Write the readme anyway?</source>
            <translation>Certains caractères de ce Lisez-moi ne peuvent pas être écrits dans le codage de caractères du jeu et seraient remplacés par « ? ».
Écrire le Lisez-moi quand même ?</translation>
        </message>
        <message>
            <source>The readme has changes that are not saved.
Save them first?</source>
            <translation>Le Lisez-moi comporte des modifications non enregistrées.
Les enregistrer d'abord ?</translation>
        </message>
    </context>
    <context>
        <name>gk::frmSplash</name>
        <message>
            <source>Black &amp; White content manager</source>
            <extracomment>Under the program's name on the splash picture; Black &amp; White is the game</extracomment>
            <translation>Gestionnaire de contenu pour Black &amp; White</translation>
        </message>
        <message>
            <source>Beta 1 - version %1</source>
            <extracomment>%1 is the version number</extracomment>
            <translation>Beta 1 - version %1</translation>
        </message>
    </context>
    <context>
        <name>gk::frmTattoo</name>
        <message>
            <source>Tattoos (*.bmp)</source>
            <extracomment>A file dialog's filter: keep "(*.bmp)" as it is</extracomment>
            <translation>Tatouages (*.bmp)</translation>
        </message>
        <message>
            <source>Please load a player profile first: click "&lt;&lt; Load Tatoos" and open the profile's helpstats.dat file.</source>
            <translation>Veuillez d'abord charger un profil de joueur : cliquez sur « &lt;&lt; Charger les tatouages » et ouvrez le fichier helpstats.dat du profil.</translation>
        </message>
        <message>
            <source>Grovekeep - Tattoos</source>
            <translation>Grovekeep - Tatouages</translation>
        </message>
        <message>
            <source>Tattoo %1 (%2)</source>
            <extracomment>%1 is the slot's number, %2 its file's name</extracomment>
            <translation>Tatouage %1 (%2)</translation>
        </message>
        <message>
            <source>Replace tattoo %1</source>
            <translation>Remplacer le tatouage %1</translation>
        </message>
        <message>
            <source>Replace tattoo %1 (%2) with a bitmap you choose</source>
            <extracomment>%1 is the slot's number, %2 its file's name</extracomment>
            <translation>Remplacer le tatouage %1 (%2) par une image bitmap de votre choix</translation>
        </message>
        <message>
            <source>Load Tatoo &gt;&gt;</source>
            <translation>Charger un tatouage &gt;&gt;</translation>
        </message>
        <message>
            <source>&lt;&lt; Load Tatoos</source>
            <translation>&lt;&lt; Charger les tatouages</translation>
        </message>
        <message>
            <source>Edit Tatoo with...</source>
            <translation>Modifier le tatouage avec...</translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Créer un Lisez-moi</translation>
        </message>
        <message>
            <source>Test Tatoo</source>
            <translation>Tester le tatouage</translation>
        </message>
        <message>
            <source>Submit Tatoo</source>
            <translation>Soumettre un tatouage</translation>
        </message>
        <message>
            <source>Get Tatoo Help</source>
            <translation>Obtenir de l'aide sur les tatouages</translation>
        </message>
        <message>
            <source>Find Tatoos</source>
            <translation>Trouver des tatouages</translation>
        </message>
        <message>
            <source>Tattoo being tried</source>
            <translation>Tatouage à l'essai</translation>
        </message>
        <message>
            <source>The file last loaded</source>
            <translation>Le dernier fichier chargé</translation>
        </message>
        <message>
            <source>Current Stored Tatoos:</source>
            <translation>Tatouages actuellement enregistrés :</translation>
        </message>
        <message>
            <source>Click on the '...' button to load in picture. You can have a maximum of 16 tatoos in your Black and White directory at one time! You can test a tatoo before it is installed by clicking Load Tatooand the graphic will apper in the test area at the side.</source>
            <translation>Cliquez sur le bouton « ... » pour charger une image. Vous pouvez avoir au maximum 16 tatouages à la fois dans votre dossier Black and White ! Vous pouvez tester un tatouage avant de l'installer en cliquant sur « Charger un tatouage &gt;&gt; » : l'image apparaîtra dans la zone de test, sur le côté.</translation>
        </message>
        <message>
            <source>To load in a player profile click Load Tatoos find the player directory and open the helpstats.dat file. NOTE this file will not be edited.</source>
            <translation>Pour charger un profil de joueur, cliquez sur « &lt;&lt; Charger les tatouages », trouvez le dossier du joueur et ouvrez le fichier helpstats.dat. REMARQUE : ce fichier ne sera pas modifié.</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Open Tatoo</source>
            <translation>Ouvrir un tatouage</translation>
        </message>
        <message>
            <source>Install Tatoo</source>
            <translation>Installer le tatouage</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Édition</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Gérer</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Carte</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Paysage</translation>
        </message>
        <message>
            <source>Skin</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Mod</source>
            <translation>Mod</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Créateur de Lisez-moi</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Options</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Historique</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Mises à jour</translation>
        </message>
        <message>
            <source>Tatoo Help</source>
            <translation>Aide sur les tatouages</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Sommaire</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>its pixels cannot be read</source>
            <extracomment>Why a file is not a complete Windows bitmap</extracomment>
            <translation>ses pixels ne peuvent pas être lus</translation>
        </message>
        <message>
            <source>%1 is not a complete Windows bitmap (%2), so it was not used as a tattoo. Nothing was written.</source>
            <extracomment>%1 is the file's path, %2 what is wrong with it</extracomment>
            <translation>%1 n'est pas une image bitmap Windows complète (%2) : il n'a donc pas été utilisé comme tatouage. Rien n'a été écrit.</translation>
        </message>
        <message>
            <source>Please open a tattoo first with "Load Tatoo &gt;&gt;"; it is shown in the test area.</source>
            <translation>Veuillez d'abord ouvrir un tatouage avec « Charger un tatouage &gt;&gt; » ; il s'affiche dans la zone de test.</translation>
        </message>
        <message>
            <source>All sixteen tattoo slots are in use. Use the "..." button of the slot you want to replace.</source>
            <translation>Les seize emplacements de tatouage sont tous occupés. Utilisez le bouton « ... » de l'emplacement à remplacer.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmUpdate</name>
        <message>
            <source>Grovekeep - Updates</source>
            <translation>Grovekeep - Mises à jour</translation>
        </message>
        <message>
            <source>You can use This Update feature to check if this program has been updated if it has then you can download the new version or stick with the current one.</source>
            <translation>Cette fonction de mise à jour vous permet de vérifier si une nouvelle version de ce programme est disponible ; si c'est le cas, vous pouvez la télécharger ou conserver la version actuelle.</translation>
        </message>
        <message>
            <source>Update page</source>
            <translation>Page des mises à jour</translation>
        </message>
        <message>
            <source>Checking for Updates</source>
            <translation>Recherche de mises à jour</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
    </context>
    <context>
        <name>gk::help::frmHelp</name>
        <message>
            <source>Grovekeep - Help</source>
            <translation>Grovekeep - Aide</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Précédente</translation>
        </message>
        <message>
            <source>Back to the page opened before</source>
            <translation>Revenir à la page ouverte précédemment</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <source>Stop loading the page</source>
            <translation>Arrêter le chargement de la page</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Suivante</translation>
        </message>
        <message>
            <source>Forward to the page opened next</source>
            <translation>Aller à la page ouverte ensuite</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>Load the page and the list of pages again</source>
            <translation>Recharger la page et la liste des pages</translation>
        </message>
        <message>
            <source>Double-click a page to open it</source>
            <translation>Double-cliquez sur une page pour l'ouvrir</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Updates</source>
            <extracomment>Opens Grovekeep's web page of updates</extracomment>
            <translation>Mises à jour</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>This Help program is part of Grovekeep %1. Copyright (c) 2026 The Grovekeep developers.</source>
            <extracomment>%1 is Grovekeep's version number</extracomment>
            <translation>Ce programme d'aide fait partie de Grovekeep %1. Copyright (c) 2026 Les développeurs de Grovekeep.</translation>
        </message>
        <message>
            <source>Not a help page</source>
            <extracomment>The title of a page the viewer shows in place of a file that is no page</extracomment>
            <translation>Pas une page d'aide</translation>
        </message>
        <message numerus="yes">
            <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 bytes).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</source>
            <extracomment>%1 is the file's name, %2 its size in bytes (which may be beyond the count's range: the plural form follows %2)</extracomment>
            <translation>
                <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; n'est pas une page de cette aide : ce fichier contient des données qui ne peuvent pas être affichées ici (%2 octet).&lt;/p&gt;&lt;p&gt;Double-cliquez sur une page dans la liste de gauche.&lt;/p&gt;</numerusform>
                <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; n'est pas une page de cette aide : ce fichier contient des données qui ne peuvent pas être affichées ici (%2 octets).&lt;/p&gt;&lt;p&gt;Double-cliquez sur une page dans la liste de gauche.&lt;/p&gt;</numerusform>
            </translation>
        </message>
        <message>
            <source>Help could not open %1. Please open it in your web browser.</source>
            <extracomment>%1 is a web address</extracomment>
            <translation>L'aide n'a pas pu ouvrir %1. Veuillez l'ouvrir dans votre navigateur web.</translation>
        </message>
        <message>
            <source>No page here</source>
            <translation>Aucune page ici</translation>
        </message>
        <message>
            <source>&lt;p&gt;There is no page at this place in the history.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;Forward&lt;/b&gt; to return to the pages you opened, or double-click a page in the list on the left.&lt;/p&gt;</source>
            <extracomment>Forward is the caption of the button of that name</extracomment>
            <translation>&lt;p&gt;Il n'y a aucune page à cet endroit de l'historique.&lt;/p&gt;&lt;p&gt;Appuyez sur &lt;b&gt;Suivante&lt;/b&gt; pour revenir aux pages que vous avez ouvertes, ou double-cliquez sur une page dans la liste de gauche.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds these pages:&lt;/p&gt;</source>
            <extracomment>%1 is the folder; the list of its pages follows</extracomment>
            <translation>&lt;p&gt;Le dossier d'aide &lt;tt&gt;%1&lt;/tt&gt; contient ces pages :&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds no pages.&lt;/p&gt;</source>
            <extracomment>%1 is the folder</extracomment>
            <translation>&lt;p&gt;Le dossier d'aide &lt;tt&gt;%1&lt;/tt&gt; ne contient aucune page.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Help pages</source>
            <translation>Pages d'aide</translation>
        </message>
        <message>
            <source>The help pages are missing</source>
            <translation>Les pages d'aide sont introuvables</translation>
        </message>
        <message>
            <source>&lt;p&gt;Help keeps its pages in the folder &lt;b&gt;HelpFiles&lt;/b&gt; beside the Help program, but that folder was not found. Help looked for it here:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Install Grovekeep again, or copy its &lt;b&gt;HelpFiles&lt;/b&gt; folder to that place, then press &lt;b&gt;Refresh&lt;/b&gt;.&lt;/p&gt;</source>
            <extracomment>HelpFiles is a folder's name and stays as it is; %1 is the folder Help looked for; Refresh is the caption of the button of that name</extracomment>
            <translation>&lt;p&gt;L'aide conserve ses pages dans le dossier &lt;b&gt;HelpFiles&lt;/b&gt; situé à côté du programme d'aide, mais ce dossier est introuvable. L'aide l'a cherché ici :&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Réinstallez Grovekeep, ou copiez son dossier &lt;b&gt;HelpFiles&lt;/b&gt; à cet endroit, puis appuyez sur &lt;b&gt;Actualiser&lt;/b&gt;.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not in the help folder &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
            <extracomment>%1 is the page's name, %2 the help folder</extracomment>
            <translation>&lt;p&gt;La page &lt;b&gt;%1&lt;/b&gt; n'est pas dans le dossier d'aide &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-cliquez sur une page dans la liste de gauche pour l'ouvrir.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;There is no page &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
            <extracomment>%1 is the page's whole path</extracomment>
            <translation>&lt;p&gt;Il n'y a pas de page &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-cliquez sur une page dans la liste de gauche pour l'ouvrir.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Page not found</source>
            <translation>Page introuvable</translation>
        </message>
    </context>
</TS>

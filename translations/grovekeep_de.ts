<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
    <context>
        <name>CommandLine</name>
        <message>
            <source>unknown option %1</source>
            <extracomment>%1 is the option as it was given</extracomment>
            <translation>unbekannte Option %1</translation>
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
            <translation>Aufruf: grovekeep [FILE...]
Grovekeep verwaltet Karten, Landschaften, Kreaturen-Skins und Tätowierungen von
Black &amp; White, baut und installiert .vif-Pakete und protokolliert jede Änderung.

FILE – Paket (.vif), Karte (.txt), Landschaft (.lnd) oder Skin (.l3d) – öffnet
den Installationsassistenten damit; installiert wird erst nach „Weiter“. Läuft
Grovekeep bereits, erhält es die Dateien, ohne ein zweites Fenster zu öffnen.

Optionen:
  -h, --help     dieser Text
  -v, --version  die Version

grovekeep-vif listet, packt, installiert und deinstalliert Pakete im Terminal.
</translation>
        </message>
    </context>
    <context>
        <name>Commands</name>
        <message>
            <source>%1 is still waiting to be installed.
Show it in the installer?</source>
            <extracomment>%1 is the file's name, in quotes</extracomment>
            <translation>%1 wartet noch auf die Installation.
Im Installationsassistenten anzeigen?</translation>
        </message>
        <message>
            <source>%1 files are still waiting to be installed: %2.
Show the next one in the installer?</source>
            <extracomment>%1 is how many files wait (two or more), %2 their names</extracomment>
            <translation>%1 Dateien warten noch auf die Installation: %2.
Die nächste im Installationsassistenten anzeigen?</translation>
        </message>
        <message>
            <source>%1 already exists.
Do you want to replace it?</source>
            <extracomment>%1 is the file's path</extracomment>
            <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
        </message>
        <message>
            <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
            <translation>Warten, bis ein anderes Grovekeep oder grovekeep-vif fertig ist...</translation>
        </message>
        <message>
            <source>Your file was backed and then installed to the correct directory.</source>
            <translation>Ihre Datei wurde gesichert und dann in das richtige Verzeichnis installiert.</translation>
        </message>
        <message>
            <source>Your file was installed to the correct directory. The game had no file of that name, so there was nothing to back up.</source>
            <translation>Ihre Datei wurde in das richtige Verzeichnis installiert. Das Spiel hatte keine Datei dieses Namens, daher musste nichts gesichert werden.</translation>
        </message>
        <message>
            <source>%1 Grovekeep changes no file until it can.</source>
            <extracomment>%1 says why the interrupted change could not be rolled back</extracomment>
            <translation>%1 Solange das nicht möglich ist, ändert Grovekeep keine Datei.</translation>
        </message>
        <message>
            <source>It %1.</source>
            <extracomment>%1 is what the change store did with a later version of a file ("kept your later version of ... in the history (...)")</extracomment>
            <translation>Grovekeep %1.</translation>
        </message>
        <message>
            <source>Not rolled back: %1.</source>
            <extracomment>%1 names a file and says why it could not be put back</extracomment>
            <translation>Nicht zurückgesetzt: %1.</translation>
        </message>
        <message>
            <source>Grovekeep was stopped in the middle of a change the last time it ran. The change was undone:

%1</source>
            <extracomment>%1 lists the operations rolled back, one a line</extracomment>
            <translation>Grovekeep wurde bei der letzten Ausführung mitten in einer Änderung beendet. Die Änderung wurde rückgängig gemacht:

%1</translation>
        </message>
        <message>
            <source>Grovekeep was stopped in the middle of a change the last time it ran, and the change could not be undone whole. What each file held is kept in the history:

%1</source>
            <translation>Grovekeep wurde bei der letzten Ausführung mitten in einer Änderung beendet, und die Änderung konnte nicht vollständig rückgängig gemacht werden. Was jede Datei enthielt, wird im Verlauf aufbewahrt:

%1</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where Black and White and Grovekeep are located (Tools &gt; Options) first.</source>
            <translation>Bitte geben Sie zuerst an, wo sich Black and White und Grovekeep befinden (Extras &gt; Optionen).</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where it is located (Tools &gt; Options) first.</source>
            <translation>Bitte geben Sie zuerst an, wo sich Grovekeep befindet (Extras &gt; Optionen).</translation>
        </message>
    </context>
    <context>
        <name>Compile</name>
        <message>
            <source>Could not add %1 to the package: %2.</source>
            <extracomment>%1 is a file in quotes, %2 why it cannot be added (a clause).</extracomment>
            <translation>%1 konnte dem Paket nicht hinzugefügt werden: %2.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: no install path was chosen.</source>
            <extracomment>%1 is a file in quotes.</extracomment>
            <translation>%1 konnte dem Paket nicht hinzugefügt werden: Es wurde kein Installationspfad gewählt.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its name cannot be used as a file name on Windows: %2.</source>
            <extracomment>%1 is a file in quotes, %2 what is wrong with its name (a clause).</extracomment>
            <translation>%1 konnte dem Paket nicht hinzugefügt werden: Der Name ist unter Windows nicht als Dateiname verwendbar: %2.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its install path %2 does not lie inside the game folder %3.</source>
            <extracomment>%1 is a file, %2 the install path chosen for it, %3 the game folder, each in quotes.</extracomment>
            <translation>%1 konnte dem Paket nicht hinzugefügt werden: Der Installationspfad %2 liegt nicht im Spielordner %3.</translation>
        </message>
        <message>
            <source>Could not add %1 to the package: its contents hold the marker %2, which a package cannot carry.</source>
            <extracomment>%1 is a file in quotes, %2 a marker such as ###Begin_VIF###.</extracomment>
            <translation>%1 konnte dem Paket nicht hinzugefügt werden: Der Inhalt enthält die Markierung %2, die ein Paket nicht enthalten kann.</translation>
        </message>
        <message>
            <source>%1 is one of the files this package carries; the package was not saved there. Choose another name for the package.</source>
            <extracomment>%1 is the file the package was to be saved as, in quotes.</extracomment>
            <translation>%1 ist eine der Dateien, die dieses Paket enthält; das Paket wurde nicht dort gespeichert. Wählen Sie einen anderen Namen für das Paket.</translation>
        </message>
        <message>
            <source>The package %1 was not saved: it has no files. Add at least one file first.</source>
            <extracomment>%1 is the package's file in quotes.</extracomment>
            <translation>Das Paket %1 wurde nicht gespeichert: Es enthält keine Dateien. Fügen Sie zuerst mindestens eine Datei hinzu.</translation>
        </message>
    </context>
    <context>
        <name>Content</name>
        <message numerus="yes">
            <source>%1: %2 bytes</source>
            <extracomment>The first line of a file's bytes as shown: %1 is the file's name, %2 its size.</extracomment>
            <translation>
                <numerusform>%1: %2 Byte</numerusform>
                <numerusform>%1: %2 Byte</numerusform>
            </translation>
        </message>
        <message>
            <source>(the first %1 bytes are shown)</source>
            <extracomment>Below a file's bytes when only some are shown; %1 is always a large number.</extracomment>
            <translation>(die ersten %1 Byte werden angezeigt)</translation>
        </message>
    </context>
    <context>
        <name>Files</name>
        <message>
            <source>Could not read %1: the file is shorter than expected.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 konnte nicht gelesen werden: Die Datei ist kürzer als erwartet.</translation>
        </message>
        <message>
            <source>it is not a regular file</source>
            <extracomment>why a file could not be read or written, a clause</extracomment>
            <translation>Dies ist keine reguläre Datei</translation>
        </message>
        <message>
            <source>No file name was given.</source>
            <translation>Es wurde kein Dateiname angegeben.</translation>
        </message>
        <message>
            <source>No folder was given.</source>
            <translation>Es wurde kein Ordner angegeben.</translation>
        </message>
        <message>
            <source>Could not open %1: it leads out of its folder.</source>
            <extracomment>%1 is a name (in quotes) that is "." or ".."</extracomment>
            <translation>%1 konnte nicht geöffnet werden: Der Name führt aus dem Ordner hinaus.</translation>
        </message>
        <message>
            <source>Could not read %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>%1 konnte nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>Could not write %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be written, a clause</extracomment>
            <translation>%1 konnte nicht geschrieben werden: %2.</translation>
        </message>
        <message>
            <source>Could not open the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be opened, a clause</extracomment>
            <translation>Der Ordner %1 konnte nicht geöffnet werden: %2.</translation>
        </message>
        <message>
            <source>Could not create the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be made, a clause</extracomment>
            <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
        </message>
        <message>
            <source>Could not read the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why the names in it could not be read, a clause</extracomment>
            <translation>Der Ordner %1 konnte nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>Could not remove %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be removed, a clause</extracomment>
            <translation>%1 konnte nicht entfernt werden: %2.</translation>
        </message>
        <message>
            <source>Could not remove the folder %1: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it could not be removed, a clause</extracomment>
            <translation>Der Ordner %1 konnte nicht entfernt werden: %2.</translation>
        </message>
        <message>
            <source>Could not set the permissions of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its permissions could not be set, a clause</extracomment>
            <translation>Die Berechtigungen von %1 konnten nicht gesetzt werden: %2.</translation>
        </message>
        <message>
            <source>Could not set the owner of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its owner could not be set, a clause</extracomment>
            <translation>Der Eigentümer von %1 konnte nicht gesetzt werden: %2.</translation>
        </message>
        <message>
            <source>Could not set the attributes of %1: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why its attributes (read-only) could not be set, a clause</extracomment>
            <translation>Die Attribute von %1 konnten nicht gesetzt werden: %2.</translation>
        </message>
        <message>
            <source>Could not lock %1: %2.</source>
            <extracomment>%1 is Grovekeep's folder (in quotes), %2 why it could not be locked, a clause</extracomment>
            <translation>%1 konnte nicht gesperrt werden: %2.</translation>
        </message>
        <message>
            <source>Could not read %1: the file ends sooner than it should (it changed while it was read).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 konnte nicht gelesen werden: Die Datei endet früher als erwartet (sie wurde während des Lesens geändert).</translation>
        </message>
        <message>
            <source>Stopped waiting for another Grovekeep or grovekeep-vif to finish.</source>
            <translation>Das Warten darauf, dass ein anderes Grovekeep oder grovekeep-vif fertig wird, wurde abgebrochen.</translation>
        </message>
        <message>
            <source>it is a symbolic link, which Grovekeep does not follow here</source>
            <extracomment>why a file could not be read or written, a clause after "Could not read "x": "</extracomment>
            <translation>Es handelt sich um einen symbolischen Link, dem Grovekeep hier nicht folgt</translation>
        </message>
        <message>
            <source>a part of the path is not a folder (or is a symbolic link)</source>
            <extracomment>why a file could not be read or written, a clause after "Could not read "x": "</extracomment>
            <translation>Ein Teil des Pfads ist kein Ordner (oder ist ein symbolischer Link)</translation>
        </message>
        <message>
            <source>Windows error %1</source>
            <extracomment>why a file could not be read or written, a clause; %1 is the number of the error</extracomment>
            <translation>Windows-Fehler %1</translation>
        </message>
        <message>
            <source>another program has it open (close it, and try again)</source>
            <extracomment>why a file could not be read or written, a clause</extracomment>
            <translation>Ein anderes Programm hat die Datei geöffnet (schließen Sie sie dort, und versuchen Sie es erneut)</translation>
        </message>
        <message>
            <source>Could not use %1: Windows does not allow that name.</source>
            <extracomment>%1 is a file or folder (in quotes)</extracomment>
            <translation>%1 konnte nicht verwendet werden: Windows erlaubt diesen Namen nicht.</translation>
        </message>
        <message>
            <source>Could not use %1: Windows keeps that name for a device.</source>
            <extracomment>%1 is a file or folder (in quotes) named like CON or NUL</extracomment>
            <translation>%1 konnte nicht verwendet werden: Windows reserviert diesen Namen für ein Gerät.</translation>
        </message>
    </context>
    <context>
        <name>History</name>
        <message>
            <source>removed</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>entfernt</translation>
        </message>
        <message>
            <source>replaced</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>ersetzt</translation>
        </message>
        <message>
            <source>added</source>
            <extracomment>what an operation did to a file</extracomment>
            <translation>hinzugefügt</translation>
        </message>
        <message>
            <source>under-way</source>
            <extracomment>the state of an operation: begun, neither complete nor rolled back</extracomment>
            <translation>in Arbeit</translation>
        </message>
        <message>
            <source>complete</source>
            <extracomment>the state of an operation</extracomment>
            <translation>abgeschlossen</translation>
        </message>
        <message>
            <source>undone</source>
            <extracomment>the state of an operation</extracomment>
            <translation>rückgängig gemacht</translation>
        </message>
        <message>
            <source>rolled-back</source>
            <extracomment>the state of an operation: interrupted, and every file put back</extracomment>
            <translation>zurückgesetzt</translation>
        </message>
        <message>
            <source>intact</source>
            <extracomment>a file checked against the history: it holds what the operation wrote</extracomment>
            <translation>unverändert</translation>
        </message>
        <message>
            <source>changed</source>
            <extracomment>a file checked against the history: it holds something else now</extracomment>
            <translation>geändert</translation>
        </message>
        <message>
            <source>missing</source>
            <extracomment>a file checked against the history: it is gone</extracomment>
            <translation>nicht vorhanden</translation>
        </message>
        <message>
            <source>unreadable</source>
            <extracomment>a file checked against the history: it could not be read</extracomment>
            <translation>unlesbar</translation>
        </message>
        <message>
            <source>installed by %1 on %2</source>
            <extracomment>%1 is what an earlier operation was (such as Package "river.vif"), %2 its date and time</extracomment>
            <translation>installiert durch %1 am %2</translation>
        </message>
        <message numerus="yes">
            <source>%n bytes</source>
            <extracomment>a size of a file</extracomment>
            <translation>
                <numerusform>%n Byte</numerusform>
                <numerusform>%n Byte</numerusform>
            </translation>
        </message>
        <message>
            <source>%1 KiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 KiB</translation>
        </message>
        <message>
            <source>%1 MiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 MiB</translation>
        </message>
        <message>
            <source>%1 GiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 GiB</translation>
        </message>
        <message>
            <source>%1 TiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 TiB</translation>
        </message>
        <message>
            <source>%1 PiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 PiB</translation>
        </message>
        <message>
            <source>%1 EiB</source>
            <extracomment>%1 is a size with one decimal, such as 12.3</extracomment>
            <translation>%1 EiB</translation>
        </message>
        <message>
            <source>older than 30 days</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>älter als 30 Tage</translation>
        </message>
        <message>
            <source>older than 90 days</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>älter als 90 Tage</translation>
        </message>
        <message>
            <source>older than a year</source>
            <extracomment>a choice of what the history frees: the operations older than that</extracomment>
            <translation>älter als ein Jahr</translation>
        </message>
        <message>
            <source>all of it</source>
            <extracomment>a choice of what the history frees: every operation</extracomment>
            <translation>alles</translation>
        </message>
        <message numerus="yes">
            <source>%n files</source>
            <extracomment>a number of files, as part of a longer text</extracomment>
            <translation>
                <numerusform>%n Datei</numerusform>
                <numerusform>%n Dateien</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n operations</source>
            <extracomment>a number of operations of the history, as part of a longer text</extracomment>
            <translation>
                <numerusform>%n Vorgang</numerusform>
                <numerusform>%n Vorgänge</numerusform>
            </translation>
        </message>
        <message>
            <source>Operation %1 (%2): no file had been changed yet.</source>
            <extracomment>%1 is the number of an interrupted operation, %2 what it was (such as Package "a.vif")</extracomment>
            <translation>Vorgang %1 (%2): Es war noch keine Datei geändert worden.</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1 (%2): %n files put back.</source>
            <extracomment>%1 is the number of an interrupted operation, %2 what it was (such as Package "a.vif")</extracomment>
            <translation>
                <numerusform>Vorgang %1 (%2): %n Datei wiederhergestellt.</numerusform>
                <numerusform>Vorgang %1 (%2): %n Dateien wiederhergestellt.</numerusform>
            </translation>
        </message>
        <message>
            <source>The history has run out of operation numbers.</source>
            <translation>Dem Verlauf sind die Vorgangsnummern ausgegangen.</translation>
        </message>
        <message>
            <source>%1 changed while it was being kept.</source>
            <extracomment>%1 is a file (in quotes) whose content was being kept in the history</extracomment>
            <translation>%1 hat sich geändert, während der Inhalt im Verlauf aufbewahrt wurde.</translation>
        </message>
        <message>
            <source>The history record %1 names operation %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 the number of another operation than the one it should name</extracomment>
            <translation>Der Datensatz %1 des Verlaufs nennt Vorgang %2 statt seines eigenen.</translation>
        </message>
        <message>
            <source>The history record %1 names a file it does not list.</source>
            <extracomment>%1 is a file of the history (in quotes)</extracomment>
            <translation>Der Datensatz %1 des Verlaufs nennt eine Datei, die er nicht aufführt.</translation>
        </message>
        <message>
            <source>The history record %1 lists %2 files of %3.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 how many files it lists, %3 how many it should list</extracomment>
            <translation>Der Datensatz %1 des Verlaufs führt %2 von %3 Dateien auf.</translation>
        </message>
        <message>
            <source>What %1 held cannot be put back: its kept copy in the history is damaged (its bytes no longer match their SHA-256).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Der frühere Inhalt von %1 kann nicht wiederhergestellt werden: Die aufbewahrte Kopie im Verlauf ist beschädigt (ihre Bytes stimmen nicht mehr mit ihrer SHA-256-Prüfsumme überein).</translation>
        </message>
        <message>
            <source>%1 is not a regular file any more; Grovekeep leaves it as it is.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 ist keine reguläre Datei mehr und wird von Grovekeep unverändert gelassen.</translation>
        </message>
        <message>
            <source>What %1 held cannot be put back: its kept copy cannot be read (%2).</source>
            <extracomment>%1 is a file (in quotes), %2 why its kept copy cannot be read, a clause</extracomment>
            <translation>Der frühere Inhalt von %1 kann nicht wiederhergestellt werden: Die aufbewahrte Kopie kann nicht gelesen werden (%2).</translation>
        </message>
        <message>
            <source>line %1 names a path in the game folder, but the record names no game folder</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 nennt einen Pfad im Spielordner, aber der Datensatz nennt keinen Spielordner</translation>
        </message>
        <message>
            <source>its path is empty or too long</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>Der Pfad ist leer oder zu lang</translation>
        </message>
        <message>
            <source>%1 is one of Grovekeep's temporary files</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 ist eine der temporären Dateien von Grovekeep</translation>
        </message>
        <message>
            <source>%1 is no name of a file</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 ist kein Dateiname</translation>
        </message>
        <message>
            <source>%1 holds a control character</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 enthält ein Steuerzeichen</translation>
        </message>
        <message>
            <source>%1 is a hidden folder of the game folder</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 ist ein versteckter Ordner des Spielordners</translation>
        </message>
        <message>
            <source>it lies in Grovekeep's history</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>Der Pfad liegt im Verlauf von Grovekeep</translation>
        </message>
        <message>
            <source>its folder %1 is not a clean absolute path</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a folder in quotes</extracomment>
            <translation>Der Ordner %1 ist kein normalisierter absoluter Pfad</translation>
        </message>
        <message>
            <source>its folder %1 holds a control character</source>
            <extracomment>why a path named in the history cannot be used, a clause; %1 is a folder in quotes</extracomment>
            <translation>Der Ordner %1 enthält ein Steuerzeichen</translation>
        </message>
        <message>
            <source>The history names %1, which Grovekeep does not touch: %2.</source>
            <extracomment>%1 is a path in quotes, %2 why it cannot be used, a clause</extracomment>
            <translation>Der Verlauf nennt %1; diesen Pfad rührt Grovekeep nicht an: %2.</translation>
        </message>
        <message>
            <source>%1 lies in the game folder %2, and the game folder is not set.</source>
            <extracomment>%1 is a file, %2 the game folder it lies in (both in quotes)</extracomment>
            <translation>%1 liegt im Spielordner %2, aber es ist kein Spielordner festgelegt.</translation>
        </message>
        <message>
            <source>%1 lies in the game folder %2, but the game folder is now %3; Grovekeep changes files only in the game folder it is set to.</source>
            <extracomment>%1 is a file, %2 the game folder it lies in, %3 the game folder Grovekeep is set to now (all in quotes)</extracomment>
            <translation>%1 liegt im Spielordner %2, aber der Spielordner ist jetzt %3; Grovekeep ändert Dateien nur in dem Spielordner, der festgelegt ist.</translation>
        </message>
        <message>
            <source>%1 lies in %2, outside the game folder and Grovekeep's folder, where Grovekeep does not write from its history.</source>
            <extracomment>%1 is a file, %2 the folder it lies in (both in quotes)</extracomment>
            <translation>%1 liegt in %2, außerhalb des Spielordners und des Grovekeep-Ordners, wo Grovekeep nichts aus seinem Verlauf schreibt.</translation>
        </message>
        <message>
            <source>The history record %1 cannot be used: %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 why it cannot be used, a clause such as "line 4 cannot be read"</extracomment>
            <translation>Der Datensatz %1 des Verlaufs kann nicht verwendet werden: %2.</translation>
        </message>
        <message>
            <source>a path or its root is missing</source>
            <extracomment>why a path named in the history cannot be used, a clause</extracomment>
            <translation>Ein Pfad oder seine Wurzel fehlt</translation>
        </message>
        <message>
            <source>%1 %2</source>
            <extracomment>%1 is a path named in a history record (in quotes), %2 why it cannot be used, a clause</extracomment>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>line %1 names no file Grovekeep may change: %2</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number, %2 the path it names and why that cannot be used</extracomment>
            <translation>Zeile %1 nennt keine Datei, die Grovekeep ändern darf (%2)</translation>
        </message>
        <message>
            <source>line %1 has no known role</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 hat keine bekannte Rolle</translation>
        </message>
        <message>
            <source>line %1 has an unknown removal</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 enthält eine unbekannte Entfernung</translation>
        </message>
        <message>
            <source>line %1 has a damaged content (sha256, size, mode)</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 enthält einen beschädigten Inhalt (SHA-256, Größe, Modus)</translation>
        </message>
        <message>
            <source>line %1 has no content before</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 nennt keinen vorherigen Inhalt</translation>
        </message>
        <message>
            <source>line %1 removes a file that was not there</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 entfernt eine Datei, die nicht vorhanden war</translation>
        </message>
        <message>
            <source>line %1 cannot be read</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 kann nicht gelesen werden</translation>
        </message>
        <message>
            <source>line %1 is not where it belongs in a record</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 steht nicht an der richtigen Stelle im Datensatz</translation>
        </message>
        <message>
            <source>line %1 holds no known state</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 enthält keinen bekannten Zustand</translation>
        </message>
        <message>
            <source>line %1 names no kept version of a file of the record</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 nennt keine aufbewahrte Version einer Datei des Datensatzes</translation>
        </message>
        <message>
            <source>line %1 names no folder Grovekeep may make: %2</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number, %2 the path it names and why that cannot be used</extracomment>
            <translation>Zeile %1 nennt keinen Ordner, den Grovekeep anlegen darf (%2)</translation>
        </message>
        <message>
            <source>line %1 names no file of the record in order</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 nennt keine Datei des Datensatzes in der richtigen Reihenfolge</translation>
        </message>
        <message>
            <source>line %1 does not match the lines before it: the record was changed or damaged</source>
            <extracomment>why a line of a history record cannot be used, a clause; %1 is the line's number</extracomment>
            <translation>Zeile %1 passt nicht zu den Zeilen davor: Der Datensatz wurde geändert oder beschädigt</translation>
        </message>
        <message>
            <source>its first line is missing or too long</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>Die erste Zeile fehlt oder ist zu lang</translation>
        </message>
        <message>
            <source>its first line is not the head of a record of this Grovekeep</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>Die erste Zeile ist nicht der Kopf eines Datensatzes dieser Grovekeep-Version</translation>
        </message>
        <message>
            <source>its last line is too long</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>Die letzte Zeile ist zu lang</translation>
        </message>
        <message>
            <source>its last line cannot be read</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>Die letzte Zeile kann nicht gelesen werden</translation>
        </message>
        <message>
            <source>its state is none of complete, undone or rolled-back</source>
            <extracomment>why a history record cannot be used, a clause; complete, undone and rolled-back are the states written in the record</extracomment>
            <translation>Der Zustand ist weder „complete“ noch „undone“ noch „rolled-back“</translation>
        </message>
        <message>
            <source>line %1 is too long</source>
            <extracomment>why a history record cannot be used, a clause; %1 is the number of a line</extracomment>
            <translation>Zeile %1 ist zu lang</translation>
        </message>
        <message>
            <source>it is empty</source>
            <extracomment>why a history record cannot be used, a clause</extracomment>
            <translation>Der Datensatz ist leer</translation>
        </message>
        <message>
            <source>Interrupted; rolled back at the next start.</source>
            <extracomment>the note of an operation that was interrupted and put back when Grovekeep started again</extracomment>
            <translation>Unterbrochen; beim nächsten Start zurückgesetzt.</translation>
        </message>
        <message>
            <source>Undo of %1: %2</source>
            <extracomment>what an operation was; %1 is the number of the operation undone, %2 what that was</extracomment>
            <translation>Rückgängig gemacht: Vorgang %1: %2</translation>
        </message>
        <message>
            <source>%1 saved as %2</source>
            <extracomment>what an operation was; %1 is the kind of text (Map, Readme, Download), %2 the file</extracomment>
            <translation>%1 gespeichert als %2</translation>
        </message>
        <message>
            <source>Package %1 saved</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paket %1 gespeichert</translation>
        </message>
        <message>
            <source>Package %1 extracted</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paket %1 entpackt</translation>
        </message>
        <message>
            <source>Package %1</source>
            <extracomment>what an operation was; %1 is a package's name in quotes</extracomment>
            <translation>Paket %1</translation>
        </message>
        <message>
            <source>File %1</source>
            <extracomment>what an operation was; %1 is a file's name in quotes</extracomment>
            <translation>Datei %1</translation>
        </message>
        <message>
            <source>Install this Map: %1</source>
            <extracomment>what an operation was; %1 is a map's name in quotes</extracomment>
            <translation>Diese Karte installieren: %1</translation>
        </message>
        <message>
            <source>Install Landscape %1</source>
            <extracomment>what an operation was; %1 is a landscape's name in quotes</extracomment>
            <translation>Landschaft %1 installieren</translation>
        </message>
        <message>
            <source>Install Skin %1</source>
            <extracomment>what an operation was; %1 is a skin's name in quotes</extracomment>
            <translation>Skin %1 installieren</translation>
        </message>
        <message>
            <source>Tattoo slot %1 of profile %2</source>
            <extracomment>what an operation was; %1 is a slot's number, %2 a profile's name</extracomment>
            <translation>Tätowierungsplatz %1 des Profils %2</translation>
        </message>
        <message>
            <source>Options saved</source>
            <extracomment>what an operation was</extracomment>
            <translation>Optionen gespeichert</translation>
        </message>
        <message>
            <source>Map</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Karte</translation>
        </message>
        <message>
            <source>Readme</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Readme</translation>
        </message>
        <message>
            <source>Download</source>
            <extracomment>a kind of text saved, in "%1 saved as %2"</extracomment>
            <translation>Download</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>File Type: Vessa Installation File</source>
            <translation>Dateityp: Vessa-Installationsdatei</translation>
        </message>
        <message>
            <source>File Type: Map</source>
            <translation>Dateityp: Karte</translation>
        </message>
        <message>
            <source>File Type: Tatoo</source>
            <extracomment>"Tatoo" is the program's own spelling of "tattoo".</extracomment>
            <translation>Dateityp: Tätowierung</translation>
        </message>
        <message>
            <source>File Type: Landscape</source>
            <translation>Dateityp: Landschaft</translation>
        </message>
        <message>
            <source>File Type: Skin/Mesh</source>
            <translation>Dateityp: Skin/Modell</translation>
        </message>
        <message>
            <source>Invalid file type set</source>
            <translation>Ungültiger Dateityp</translation>
        </message>
        <message>
            <source>No file to install was given.</source>
            <translation>Es wurde keine Datei zum Installieren angegeben.</translation>
        </message>
        <message>
            <source>it would be installed in Grovekeep's own folder %1, where a package may not write</source>
            <extracomment>Why a package's entry cannot be installed. %1 is a folder in quotes.</extracomment>
            <translation>Der Eintrag würde in Grovekeeps eigenem Ordner %1 installiert, in den ein Paket nicht schreiben darf</translation>
        </message>
        <message>
            <source>The package has no entries to install.</source>
            <translation>Das Paket enthält keine Einträge zum Installieren.</translation>
        </message>
        <message>
            <source>The package has entries that cannot be installed: %1</source>
            <extracomment>%1 is one line for each such entry, each naming the entry and the reason.</extracomment>
            <translation>Das Paket enthält Einträge, die nicht installiert werden können: %1</translation>
        </message>
    </context>
    <context>
        <name>InstallPath</name>
        <message>
            <source>%1 holds a folder separator</source>
            <extracomment>Why a name cannot be used as a file name. %1 is the name in quotes.</extracomment>
            <translation>%1 enthält ein Ordnertrennzeichen</translation>
        </message>
        <message>
            <source>the title cannot be used as a file name: %1</source>
            <extracomment>Why a package's entry cannot be installed. %1 says what is wrong with its title (a clause).</extracomment>
            <translation>Der Titel kann nicht als Dateiname verwendet werden: %1</translation>
        </message>
        <message>
            <source>The install path is empty.</source>
            <translation>Der Installationspfad ist leer.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it is a device path.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Es handelt sich um einen Gerätepfad.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names a network share.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Er verweist auf eine Netzwerkfreigabe.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it is relative to the current folder of drive %2.</source>
            <extracomment>%1 is the install path in quotes, %2 a drive ("C:"). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Er ist relativ zum aktuellen Ordner von Laufwerk %2.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names a folder, not a file.</source>
            <extracomment>%1 is the install path in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Er bezeichnet einen Ordner, keine Datei.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2.</source>
            <extracomment>%1 is the install path in quotes, %2 what is wrong with one of its names (a clause). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: %2.</translation>
        </message>
        <message>
            <source>The game folder %1 does not exist.</source>
            <extracomment>%1 is a folder in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Spielordner %1 existiert nicht.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: it names none of the game's folders (%2).</source>
            <extracomment>%1 is the install path in quotes, %2 the game's folders joined with commas ("Data, Profiles, Scripts"). This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Er nennt keinen der Ordner des Spiels (%2).</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: the folder %2 does not exist in the game folder.</source>
            <extracomment>%1 is the install path, %2 a folder of it, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: Der Ordner %2 existiert nicht im Spielordner.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 is not a folder.</source>
            <extracomment>%1 is the install path, %2 a part of it, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: %2 ist kein Ordner.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 is a symbolic link.</source>
            <extracomment>%1 is the install path, %2 the part of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: %2 ist ein symbolischer Link.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: a folder stands at %2.</source>
            <extracomment>%1 is the install path, %2 the part of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: An der Stelle %2 befindet sich ein Ordner.</translation>
        </message>
        <message>
            <source>The install path %1 cannot be used: %2 leads outside the game folder.</source>
            <extracomment>%1 is the install path, %2 the folders of it below the game folder, both in quotes. This sentence may also be shown inside a longer line with its first letter in lower case.</extracomment>
            <translation>Der Installationspfad %1 kann nicht verwendet werden: %2 führt aus dem Spielordner hinaus.</translation>
        </message>
    </context>
    <context>
        <name>Launch</name>
        <message>
            <source>the system's wine</source>
            <extracomment>How the Wine that starts Windows programs is named when none was chosen: the "wine" program the system has.</extracomment>
            <translation>Wine des Systems</translation>
        </message>
        <message>
            <source>a Wine build dated %1</source>
            <extracomment>The Wine that last updated a prefix, known only by its date (%1, as 2024-05-31).</extracomment>
            <translation>ein Wine-Build vom %1</translation>
        </message>
    </context>
    <context>
        <name>Launchers</name>
        <message>
            <source>Passed over %1: it is not a file in the home folder.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 wurde übersprungen: Dies ist keine Datei im Home-Ordner.</translation>
        </message>
        <message>
            <source>Passed over %1: it is larger than a launcher writes.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 wurde übersprungen: Die Datei ist größer, als ein Launcher sie schreibt.</translation>
        </message>
        <message>
            <source>Passed over %1: %2.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file, %2 the system's reason.</extracomment>
            <translation>%1 wurde übersprungen: %2.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a JSON object.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 wurde übersprungen: Die Datei ist kein JSON-Objekt.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a Steam library list.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 wurde übersprungen: Die Datei ist keine Steam-Bibliotheksliste.</translation>
        </message>
        <message>
            <source>Passed over %1: it is not a YAML file as its launcher writes it.</source>
            <extracomment>A note on a launcher's file that the search for the game did not read. %1 is the file.</extracomment>
            <translation>%1 wurde übersprungen: Die Datei ist keine YAML-Datei, wie ihr Launcher sie schreibt.</translation>
        </message>
    </context>
    <context>
        <name>Names</name>
        <message>
            <source>a name is empty</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>Ein Name ist leer</translation>
        </message>
        <message>
            <source>"." names the folder itself</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>„.“ bezeichnet den Ordner selbst</translation>
        </message>
        <message>
            <source>".." leads out of its folder</source>
            <extracomment>why a path cannot be used, a clause</extracomment>
            <translation>„..“ führt aus dem Ordner hinaus</translation>
        </message>
        <message>
            <source>%1 holds a control character</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 enthält ein Steuerzeichen</translation>
        </message>
        <message>
            <source>%1 holds the character %2</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes, %2 a character such as * or ?</extracomment>
            <translation>%1 enthält das Zeichen %2</translation>
        </message>
        <message>
            <source>%1 holds ':' (a drive letter or an alternate data stream)</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 enthält „:“ (einen Laufwerksbuchstaben oder einen alternativen Datenstrom)</translation>
        </message>
        <message>
            <source>%1 ends with a dot or a space</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes</extracomment>
            <translation>%1 endet mit einem Punkt oder einem Leerzeichen</translation>
        </message>
        <message>
            <source>%1 is the device name %2 on Windows</source>
            <extracomment>why a path cannot be used, a clause; %1 is a name in quotes, %2 a device name such as CON or LPT1</extracomment>
            <translation>%1 ist unter Windows der Gerätename %2</translation>
        </message>
    </context>
    <context>
        <name>Package</name>
        <message>
            <source>Could not read %1: the file became shorter while it was read.</source>
            <translation>%1 konnte nicht gelesen werden: Die Datei wurde während des Lesens kürzer.</translation>
        </message>
        <message>
            <source>the install path is longer than any file name can be</source>
            <translation>Der Installationspfad ist länger, als ein Dateiname sein kann</translation>
        </message>
        <message>
            <source>the title is longer than any file name can be</source>
            <translation>Der Titel ist länger, als ein Dateiname sein kann</translation>
        </message>
        <message>
            <source>%1 comes before %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Install###.</extracomment>
            <translation>%1 steht vor %2</translation>
        </message>
        <message>
            <source>other text stands between %1 and %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Install###.</extracomment>
            <translation>Zwischen %1 und %2 steht anderer Text</translation>
        </message>
        <message>
            <source>the marker %1 is missing before the next %2</source>
            <extracomment>Why a package's entry is broken. %1 and %2 are markers such as ###Title###.</extracomment>
            <translation>Die Markierung %1 fehlt vor dem nächsten %2</translation>
        </message>
        <message>
            <source>the marker %1 is missing</source>
            <extracomment>Why a package's entry is broken. %1 is a marker such as ###Title###.</extracomment>
            <translation>Die Markierung %1 fehlt</translation>
        </message>
        <message>
            <source>the install path holds a line break</source>
            <translation>Der Installationspfad enthält einen Zeilenumbruch</translation>
        </message>
        <message>
            <source>the title holds a line break</source>
            <translation>Der Titel enthält einen Zeilenumbruch</translation>
        </message>
        <message>
            <source>its contents hold the marker %1</source>
            <extracomment>Why a package's entry is broken. %1 is a marker such as ###End_VIF###.</extracomment>
            <translation>Der Inhalt enthält die Markierung %1</translation>
        </message>
        <message>
            <source>other text follows its end marker %1: the next entry's %2 is missing, or its contents hold %1</source>
            <extracomment>Why a package's entry is broken. %1 is the marker ###End_VIF###, %2 ###Begin_VIF###.</extracomment>
            <translation>Auf die Endmarkierung %1 folgt anderer Text: Die Markierung %2 des nächsten Eintrags fehlt, oder der Inhalt dieses Eintrags enthält %1</translation>
        </message>
        <message>
            <source>Entry %1</source>
            <extracomment>An entry of a package, by its number, as messages name it.</extracomment>
            <translation>Eintrag %1</translation>
        </message>
        <message>
            <source>Entry %1 (%2)</source>
            <extracomment>An entry of a package: %1 is its number, %2 its title in quotes ("hills.lnd").</extracomment>
            <translation>Eintrag %1 (%2)</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <extracomment>One line of a package's problems: %1 names an entry ("Entry 2 ("hills.lnd")"), %2 says why it is broken or cannot be installed.</extracomment>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>the install path is empty</source>
            <translation>Der Installationspfad ist leer</translation>
        </message>
        <message>
            <source>the title is empty</source>
            <translation>Der Titel ist leer</translation>
        </message>
        <message>
            <source>the install path %1 holds a line break</source>
            <extracomment>%1 is the install path in quotes.</extracomment>
            <translation>Der Installationspfad %1 enthält einen Zeilenumbruch</translation>
        </message>
        <message>
            <source>the title %1 holds a line break</source>
            <extracomment>%1 is the title (a file name) in quotes.</extracomment>
            <translation>Der Titel %1 enthält einen Zeilenumbruch</translation>
        </message>
        <message>
            <source>the install path %1 has a character that the game's code page (Windows-1252) cannot write</source>
            <extracomment>%1 is the install path in quotes.</extracomment>
            <translation>Der Installationspfad %1 enthält ein Zeichen, das die Codepage des Spiels (Windows-1252) nicht abbilden kann</translation>
        </message>
        <message>
            <source>the title %1 has a character that the game's code page (Windows-1252) cannot write</source>
            <extracomment>%1 is the title (a file name) in quotes.</extracomment>
            <translation>Der Titel %1 enthält ein Zeichen, das die Codepage des Spiels (Windows-1252) nicht abbilden kann</translation>
        </message>
        <message>
            <source>the install path %1 holds the marker %2</source>
            <extracomment>%1 is the install path in quotes, %2 a marker such as ###Title###.</extracomment>
            <translation>Der Installationspfad %1 enthält die Markierung %2</translation>
        </message>
        <message>
            <source>the title %1 holds the marker %2</source>
            <extracomment>%1 is the title (a file name) in quotes, %2 a marker such as ###Title###.</extracomment>
            <translation>Der Titel %1 enthält die Markierung %2</translation>
        </message>
        <message>
            <source>its install path %1 or title %2 runs into a marker</source>
            <extracomment>%1 is the install path, %2 the title, both in quotes.</extracomment>
            <translation>Der Installationspfad %1 oder der Titel %2 reicht in eine Markierung hinein</translation>
        </message>
        <message>
            <source>This is not a valid Vif file.</source>
            <translation>Dies ist keine gültige Vif-Datei.</translation>
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
            <translation>Aufruf: grovekeep-vif COMMAND ARGUMENTS...
Listet, entpackt, packt und installiert Grovekeep-Pakete (.vif); zeigt, prüft
und bereinigt den Verlauf der Änderungen von Grovekeep und macht sie rückgängig.

Befehle:
  list PACKAGE              je Eintrag: Installationspfad, Titel, Größe in Byte
  extract PACKAGE DIR       schreibt den Inhalt jedes Eintrags nach DIR/Titel
  pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                            schreibt ein neues Paket mit den Dateien
  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                            installiert ein Paket in den Spielordner
  history                   eine Zeile je Vorgang, neueste zuerst
  undo ID [--force]         macht einen Vorgang als Ganzes rückgängig
  verify [ID] [--store]     ob jede Datei so ist, wie ein Vorgang sie hinterließ
  prune --older-than DAYS   entfernt alte Vorgänge aus dem Verlauf

'grovekeep-vif COMMAND --help' beschreibt einen Befehl; --version zeigt die
Version. Der Wert einer Option folgt ihr oder einem Gleichheitszeichen
(--game-folder=DIR); nach -- ist jedes Argument ein Name, auch mit Bindestrich
am Anfang. Mit --json geben list, install --dry-run, history und verify ein
JSON-Dokument statt Zeilen aus; seinen Aufbau beschreibt grovekeep-vif(1).
Grovekeep-Ordner (--manager-folder) und Spielordner (--game-folder) stehen
standardmäßig in Zeile 1 und 2 von options.txt in Grovekeeps eigenem Ordner: dem
Programmordner, wenn es portabel ist, sonst dem Benutzerdatenordner; nie im
Arbeitsverzeichnis. Der Verlauf ändert Dateien nur im angegebenen Spielordner
und im Grovekeep-Ordner. Arbeitet ein anderes Grovekeep oder grovekeep-vif am
Verlauf, wartet ein Befehl und meldet dies nach einer Sekunde auf stderr.
Exit-Code: 0 fertig, 1 abgelehnt/Fehler (nichts geändert), 2 Aufruffehler.
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
            <translation>Aufruf: grovekeep-vif list PACKAGE [--json]
Gibt je Eintrag eine Zeile aus, in Dateireihenfolge: Installationspfad, Tab,
Titel, Tab, Größe des Inhalts in Byte. Defekte Einträge meldet es auf stderr.
  --json   gibt stattdessen ein JSON-Array aus, ein Objekt je Eintrag:
           index (ab 1), installPath, title, size, bei defektem Eintrag problem
Exit-Code: 0, wenn alle Einträge intakt sind; sonst 1, ebenso bei Nicht-Paketen.
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
            <translation>Aufruf: grovekeep-vif extract PACKAGE DIR [--manager-folder DIR]
Schreibt den Inhalt jedes Eintrags bytegenau nach DIR/Titel (legt DIR bei Bedarf
an) und nennt jede geschriebene Datei. Gleichnamige Dateien ersetzt es nur bei
bekanntem Grovekeep-Ordner, dessen Verlauf ihren Inhalt bewahrt. Ist ein Eintrag
defekt oder sein Titel als Dateiname unbrauchbar, wird nichts geschrieben.
Exit-Code: 0 fertig, 1 abgelehnt/Fehler (nichts geschrieben), 2 Aufruffehler.
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
            <translation>Aufruf: grovekeep-vif pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                           [--manager-folder DIR]
Schreibt ein neues Paket PACKAGE mit einem Eintrag je FILE, der Reihe nach,
benannt wie FILE und zu installieren unter INSTALL_PATH (Pfade in drive_c eines
Wine-Präfixes wie unter Windows als C:\...). Große Dateien werden stückweise
gelesen. Ein vorhandenes PACKAGE wird nur bei bekanntem Grovekeep-Ordner
ersetzt. Ist eine Datei nicht aufnehmbar, wird nichts geschrieben.
  --files-from LIST   liest weitere Dateien aus LIST (- für Standardeingabe),
                      nach den hier genannten Paaren: je Zeile FILE, Tab und
                      INSTALL_PATH, in UTF-8; leere Zeilen werden übersprungen
Exit-Code: 0 fertig, 1 abgelehnt/Fehler, 2 Aufruffehler.
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
            <translation>Aufruf: grovekeep-vif install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                              [--json]
Installiert wie der Installationsassistent alle Einträge von PACKAGE unter dem
Spielordner, als ein Vorgang im Verlauf des Grovekeep-Ordners, der den Inhalt
ersetzter Dateien bewahrt; Kopien der Einträge kommen nach Backup/vif/TITLE.
Ausgabe je Eintrag: 'add TARGET', 'replace TARGET' (mit '(installed by WHAT on
DATE)', wenn von einem früheren Vorgang geschrieben) oder 'refused: REASON'.
  --dry-run   gibt dieselben Zeilen aus und schreibt nichts
  --json      nur mit --dry-run: gibt stattdessen ein JSON-Objekt aus: das Paket
              (name, sha256), ob es installierbar ist, und seine Einträge
              (index, action, installPath, title, target, reason, installedBy)
Exit-Code: 0 installiert (oder würde installiert), 1 abgelehnt/Fehler (nichts
geändert), 2 Aufruffehler.
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
            <translation>Aufruf: grovekeep-vif history [--manager-folder DIR] [--json]
Gibt je Vorgang des Verlaufs eine Zeile aus, neueste zuerst: ID, Tab, lokale
Zeit (ISO 8601), Tab, Zustand (complete, undone, rolled-back, under-way), Tab,
Anzahl der Dateien, Tab, und was er tat. Ein unlesbarer Datensatz erscheint als
'ID&lt;tab&gt;-&lt;tab&gt;unreadable&lt;tab&gt;-&lt;tab&gt;WHY'.
  --json   gibt stattdessen ein JSON-Array aus, ein Objekt je Vorgang: id, time,
           state, kind, what, files, ggf. auch package, undoes, undoneBy, note;
           unlesbare Datensätze als id, state "unreadable" und problem
Exit-Code: 0, wenn jeder Datensatz gelesen werden konnte, sonst 1.
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
            <translation>Aufruf: grovekeep-vif undo ID [--force] [--manager-folder DIR]
Macht Vorgang ID als Ganzes rückgängig, aufgezeichnet als eigener Vorgang (der
wiederum rückgängig gemacht werden kann). Abgelehnt, solange ein späterer
Vorgang eine seiner Dateien änderte (diesen zuerst rückgängig machen) oder eine
seiner Dateien seitdem geändert wurde; --force erzwingt es im zweiten Fall.
Exit-Code: 0 fertig, 1 abgelehnt (Gründe auf stderr, nichts geändert).
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
            <translation>Aufruf: grovekeep-vif verify [ID | --store] [--manager-folder DIR] [--json]
Gibt je Datei des Vorgangs ID eine Zeile aus (ohne ID je Datei, die Grovekeep
geschrieben hat, gemessen am Vorgang, der sie zuletzt schrieb): intact, changed,
missing oder unreadable, Tab und den Pfad (bei unreadable noch ein Tab und der
Grund). Ein unlesbarer Datensatz ergibt eine unreadable-Zeile, die ihn nennt.
  --store  prüft stattdessen jeden im Verlauf bewahrten Inhalt per SHA-256: eine
           'damaged'-Zeile je abweichendem Inhalt, dann die Anzahl
  --json   gibt stattdessen ein JSON-Array aus, ein Objekt je Datei: operation,
           state, role, path, ggf. problem (mit --store: objects und damaged)
Exit-Code: 0, wenn jede Datei (bzw. jeder bewahrte Inhalt) intakt ist, sonst 1.
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
            <translation>Aufruf: grovekeep-vif prune --older-than DAYS [--even-installed] [--dry-run]
                            [--manager-folder DIR]
Entfernt die Datensätze von Vorgängen älter als DAYS sowie nicht mehr benötigte
Inhalte und gibt aus, was frei wurde. Vorgänge mit noch installierten Dateien
bleiben, außer mit --even-installed. Abgelehnt (nichts freigegeben), solange ein
Datensatz unlesbar ist: Was er bewahrt, kann die einzige Kopie einer Datei sein.
</translation>
        </message>
        <message>
            <source>%1 takes no value.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 erwartet keinen Wert.</translation>
        </message>
        <message>
            <source>%1 needs a number.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 erwartet eine Zahl.</translation>
        </message>
        <message>
            <source>%1 needs a folder.</source>
            <extracomment>%1 is an option's name</extracomment>
            <translation>%1 erwartet einen Ordner.</translation>
        </message>
        <message>
            <source>unknown option %1.</source>
            <translation>unbekannte Option %1.</translation>
        </message>
        <message>
            <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
            <translation>Warten, bis ein anderes Grovekeep oder grovekeep-vif fertig ist...</translation>
        </message>
        <message>
            <source>An interrupted change was undone. %1</source>
            <extracomment>%1 says what the change was and what became of its files</extracomment>
            <translation>Eine unterbrochene Änderung wurde rückgängig gemacht. %1</translation>
        </message>
        <message>
            <source>  Not rolled back: %1</source>
            <extracomment>Indented under "An interrupted change was undone."; %1 is the file and why</extracomment>
            <translation>  Nicht zurückgesetzt: %1</translation>
        </message>
        <message>
            <source>The Grovekeep folder is not known: give --manager-folder or set it in options.txt.</source>
            <translation>Der Grovekeep-Ordner ist nicht bekannt: Geben Sie --manager-folder an oder legen Sie ihn in options.txt fest.</translation>
        </message>
        <message>
            <source>list takes one package.</source>
            <translation>list erwartet genau ein Paket.</translation>
        </message>
        <message>
            <source>Could not write the list of entries: %1.</source>
            <extracomment>%1 is the system's reason</extracomment>
            <translation>Die Liste der Einträge konnte nicht geschrieben werden: %1.</translation>
        </message>
        <message>
            <source>extract takes a package and a folder.</source>
            <translation>extract erwartet ein Paket und einen Ordner.</translation>
        </message>
        <message>
            <source>Nothing was extracted.</source>
            <translation>Es wurde nichts entpackt.</translation>
        </message>
        <message>
            <source>Could not read the list on standard input: %1.</source>
            <extracomment>%1 is the system's reason</extracomment>
            <translation>Die Liste konnte nicht von der Standardeingabe gelesen werden: %1.</translation>
        </message>
        <message>
            <source>Could not read the list %1: %2.</source>
            <extracomment>%1 is the list's file, %2 the system's reason</extracomment>
            <translation>Die Liste %1 konnte nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>The list on standard input, line %1: %2.</source>
            <extracomment>%1 is the line's number, %2 what is wrong with the line</extracomment>
            <translation>Die Liste auf der Standardeingabe, Zeile %1: %2.</translation>
        </message>
        <message>
            <source>The list on standard input, line %1: %2</source>
            <extracomment>%1 is the line's number, %2 what is wrong with the line (which ends with its own full stop)</extracomment>
            <translation>Die Liste auf der Standardeingabe, Zeile %1: %2</translation>
        </message>
        <message>
            <source>The list %1, line %2: %3.</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 what is wrong with the line</extracomment>
            <translation>Die Liste %1, Zeile %2: %3.</translation>
        </message>
        <message>
            <source>The list %1, line %2: %3</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 what is wrong with the line (which ends with its own full stop)</extracomment>
            <translation>Die Liste %1, Zeile %2: %3</translation>
        </message>
        <message>
            <source>Could not read the list on standard input at line %1: %2.</source>
            <extracomment>%1 is the line's number, %2 the system's reason</extracomment>
            <translation>Die Liste auf der Standardeingabe konnte in Zeile %1 nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>Could not read the list %1 at line %2: %3.</source>
            <extracomment>%1 is the list's file, %2 the line's number, %3 the system's reason</extracomment>
            <translation>Die Liste %1 konnte in Zeile %2 nicht gelesen werden: %3.</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <extracomment>What is wrong with a line of a list of files; %1 is a number above 60000</extracomment>
            <translation>sie ist länger als %1 Byte</translation>
        </message>
        <message>
            <source>it is not UTF-8 text</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>sie ist kein UTF-8-Text</translation>
        </message>
        <message>
            <source>no tab separates the file from its install path</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>kein Tabulator trennt die Datei von ihrem Installationspfad</translation>
        </message>
        <message>
            <source>the file is missing before the tab</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>vor dem Tabulator fehlt die Datei</translation>
        </message>
        <message>
            <source>the install path is missing after the tab</source>
            <extracomment>What is wrong with a line of a list of files</extracomment>
            <translation>nach dem Tabulator fehlt der Installationspfad</translation>
        </message>
        <message>
            <source>--files-from is given twice.</source>
            <translation>--files-from wurde zweimal angegeben.</translation>
        </message>
        <message>
            <source>--files-from needs a file (- for standard input).</source>
            <translation>--files-from erwartet eine Datei (- für die Standardeingabe).</translation>
        </message>
        <message>
            <source>pack takes a package and pairs of FILE INSTALL_PATH, or --files-from LIST.</source>
            <translation>pack erwartet ein Paket und Paare aus FILE INSTALL_PATH oder --files-from LIST.</translation>
        </message>
        <message>
            <source>The package was not written.</source>
            <translation>Das Paket wurde nicht geschrieben.</translation>
        </message>
        <message>
            <source>The list names no files.</source>
            <translation>Die Liste nennt keine Dateien.</translation>
        </message>
        <message>
            <source>install needs a package.</source>
            <translation>install erwartet ein Paket.</translation>
        </message>
        <message>
            <source>install takes one package.</source>
            <translation>install erwartet genau ein Paket.</translation>
        </message>
        <message>
            <source>--json describes what would be installed: give it with --dry-run.</source>
            <translation>--json beschreibt, was installiert würde: Geben Sie es zusammen mit --dry-run an.</translation>
        </message>
        <message>
            <source>the game folder is not known: give %1 or set it in options.txt.</source>
            <extracomment>%1 is the option that gives the folder</extracomment>
            <translation>der Spielordner ist nicht bekannt: Geben Sie %1 an oder legen Sie ihn in options.txt fest.</translation>
        </message>
        <message>
            <source>the Grovekeep folder is not known: give %1 or set it in options.txt.</source>
            <extracomment>%1 is the option that gives the folder</extracomment>
            <translation>der Grovekeep-Ordner ist nicht bekannt: Geben Sie %1 an oder legen Sie ihn in options.txt fest.</translation>
        </message>
        <message>
            <source>The folder %1 does not exist.</source>
            <translation>Der Ordner %1 existiert nicht.</translation>
        </message>
        <message>
            <source>Nothing was installed: the package has entries that cannot be installed.</source>
            <translation>Es wurde nichts installiert: Das Paket enthält Einträge, die nicht installiert werden können.</translation>
        </message>
        <message>
            <source>The package would not be installed. %1</source>
            <extracomment>%1 is why</extracomment>
            <translation>Das Paket würde nicht installiert werden. %1</translation>
        </message>
        <message>
            <source>The package was not installed. %1</source>
            <extracomment>%1 is why</extracomment>
            <translation>Das Paket wurde nicht installiert. %1</translation>
        </message>
        <message>
            <source>history takes no arguments.</source>
            <translation>history erwartet keine Argumente.</translation>
        </message>
        <message>
            <source>Some records of the history cannot be read; they are listed as unreadable, with why.</source>
            <extracomment>"unreadable" is the word of the output's lines and stays as it is</extracomment>
            <translation>Einige Datensätze des Verlaufs können nicht gelesen werden; sie werden als „unreadable“ mit dem Grund aufgeführt.</translation>
        </message>
        <message>
            <source>undo takes the id of one operation.</source>
            <translation>undo erwartet die ID eines Vorgangs.</translation>
        </message>
        <message>
            <source>verify takes the id of one operation, --store, or neither.</source>
            <translation>verify erwartet die ID eines Vorgangs, --store oder keines von beiden.</translation>
        </message>
        <message>
            <source>prune needs --older-than DAYS.</source>
            <translation>prune erwartet --older-than DAYS.</translation>
        </message>
        <message>
            <source>no command given.</source>
            <translation>kein Befehl angegeben.</translation>
        </message>
        <message>
            <source>unknown command %1.</source>
            <translation>unbekannter Befehl %1.</translation>
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
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <translation>&amp;Ja</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <translation>&amp;Nein</translation>
        </message>
        <message>
            <source>Could not start %1: the program does not exist.</source>
            <extracomment>%1 is the program's path, in quotes</extracomment>
            <translation>%1 konnte nicht gestartet werden: Das Programm existiert nicht.</translation>
        </message>
        <message>
            <source>Could not start %1: Windows programs need Wine, and Wine is not installed.</source>
            <translation>%1 konnte nicht gestartet werden: Windows-Programme benötigen Wine, und Wine ist nicht installiert.</translation>
        </message>
        <message>
            <source>Could not start %1: the Wine prefix %2 does not exist. Create it (run winecfg once) or install the program into a prefix.</source>
            <extracomment>%1 is the program's path, %2 the Wine prefix's folder, both in quotes</extracomment>
            <translation>%1 konnte nicht gestartet werden: Das Wine-Präfix %2 existiert nicht. Legen Sie es an (führen Sie einmal winecfg aus), oder installieren Sie das Programm in ein Präfix.</translation>
        </message>
        <message>
            <source>The Wine prefix %1 was last updated by another Wine: %2. Starting %3 with %4 would update the prefix for that Wine, and the launcher that keeps it may then no longer start its games.</source>
            <extracomment>%1 is the Wine prefix's folder, %2 the Wine that last updated it, %3 the program and %4 the Wine that would start it</extracomment>
            <translation>Das Wine-Präfix %1 wurde zuletzt von einem anderen Wine aktualisiert: %2. Wenn Sie %3 mit %4 starten, wird das Präfix für dieses Wine aktualisiert, und der Launcher, der es verwaltet, kann seine Spiele danach möglicherweise nicht mehr starten.</translation>
        </message>
        <message>
            <source>Start anyway</source>
            <translation>Trotzdem starten</translation>
        </message>
        <message>
            <source>%1 was not started: its Wine prefix belongs to another Wine.</source>
            <translation>%1 wurde nicht gestartet: Das Wine-Präfix des Programms gehört zu einem anderen Wine.</translation>
        </message>
        <message>
            <source>Could not start %1: %2.</source>
            <extracomment>%1 is the program's path, %2 why the system could not start it</extracomment>
            <translation>%1 konnte nicht gestartet werden: %2.</translation>
        </message>
        <message>
            <source>Could not open "%1": this system has no program that opens addresses (xdg-open, of the xdg-utils package, is not installed).</source>
            <extracomment>%1 is a web address or a folder's address</extracomment>
            <translation>„%1“ konnte nicht geöffnet werden: Auf diesem System gibt es kein Programm, das Adressen öffnet (xdg-open aus dem Paket xdg-utils ist nicht installiert).</translation>
        </message>
        <message>
            <source>Could not open "%1": no program on this system opens it (xdg-open ended with code %2). Please open it yourself.</source>
            <extracomment>%1 is the address, %2 the exit code of xdg-open</extracomment>
            <translation>„%1“ konnte nicht geöffnet werden: Kein Programm auf diesem System kann die Adresse öffnen (xdg-open endete mit Code %2). Bitte öffnen Sie sie selbst.</translation>
        </message>
        <message>
            <source>Could not open "%1": %2.</source>
            <extracomment>%1 is the address, %2 why the system could not open it</extracomment>
            <translation>„%1“ konnte nicht geöffnet werden: %2.</translation>
        </message>
        <message>
            <source>Could not open "%1": no program on this system opens it.</source>
            <translation>„%1“ konnte nicht geöffnet werden: Kein Programm auf diesem System kann die Adresse öffnen.</translation>
        </message>
    </context>
    <context>
        <name>Programs</name>
        <message>
            <source>%1 and %2</source>
            <extracomment>%1 is one or more places already named, %2 one more place</extracomment>
            <translation>%1 und %2</translation>
        </message>
        <message>
            <source>The help viewer is missing. Grovekeep looked for it at %1.</source>
            <extracomment>%1 names the places the help viewer was looked for</extracomment>
            <translation>Das Hilfeprogramm fehlt. Grovekeep hat es hier gesucht: %1.</translation>
        </message>
    </context>
    <context>
        <name>Quoting</name>
        <message>
            <source>yes</source>
            <extracomment>Whether a sentence quoted inside another starts with a small letter: "yes" or "no"</extracomment>
            <translation>no</translation>
        </message>
    </context>
    <context>
        <name>Store</name>
        <message>
            <source>%1 Nothing was changed. The system could not confirm that every file put back is safely on the disk.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Es wurde nichts geändert. Das System konnte nicht bestätigen, dass jede wiederhergestellte Datei sicher auf dem Datenträger gespeichert ist.</translation>
        </message>
        <message>
            <source>%1 These files could not be put back: %2. Their previous contents are kept in Grovekeep's history (operation %3), and the next start of Grovekeep or grovekeep-vif puts them back.</source>
            <extracomment>%1 says what failed (whole sentences), %2 lists files (in quotes, each with why in brackets), %3 is the number of the operation</extracomment>
            <translation>%1 Diese Dateien konnten nicht wiederhergestellt werden: %2. Der vorherige Inhalt dieser Dateien wird im Verlauf von Grovekeep aufbewahrt (Vorgang %3); beim nächsten Start von Grovekeep oder grovekeep-vif werden sie wiederhergestellt.</translation>
        </message>
        <message>
            <source>%1 These files could not be put back: %2. Their previous contents are kept in Grovekeep's history (operation %3), and the next start of Grovekeep or grovekeep-vif puts them back. The system could not confirm that every file put back is safely on the disk.</source>
            <extracomment>%1 says what failed (whole sentences), %2 lists files (in quotes, each with why in brackets), %3 is the number of the operation</extracomment>
            <translation>%1 Diese Dateien konnten nicht wiederhergestellt werden: %2. Der vorherige Inhalt dieser Dateien wird im Verlauf von Grovekeep aufbewahrt (Vorgang %3); beim nächsten Start von Grovekeep oder grovekeep-vif werden sie wiederhergestellt. Das System konnte nicht bestätigen, dass jede wiederhergestellte Datei sicher auf dem Datenträger gespeichert ist.</translation>
        </message>
        <message>
            <source>%1 (%2)</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be put back, a clause</extracomment>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>A folder stands at %1.</source>
            <extracomment>%1 is where a file was expected (in quotes)</extracomment>
            <translation>An der Stelle %1 befindet sich ein Ordner.</translation>
        </message>
        <message>
            <source>%1 is a symbolic link, which Grovekeep does not follow or replace.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 ist ein symbolischer Link; Grovekeep folgt ihm nicht und ersetzt ihn nicht.</translation>
        </message>
        <message>
            <source>%1 is not a regular file (a pipe, socket or device), which Grovekeep does not read or replace.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 ist keine reguläre Datei (sondern eine Pipe, ein Socket oder ein Gerät); so etwas liest oder ersetzt Grovekeep nicht.</translation>
        </message>
        <message>
            <source>%1 changed while it was being replaced.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 hat sich geändert, während die Datei ersetzt wurde.</translation>
        </message>
        <message>
            <source>The folder %1 changed while it was being written to.</source>
            <extracomment>%1 is a folder (in quotes)</extracomment>
            <translation>Der Ordner %1 hat sich geändert, während in ihn geschrieben wurde.</translation>
        </message>
        <message>
            <source>%1 lies in Grovekeep's own folder, where a package may not write.</source>
            <extracomment>%1 is a folder (in quotes)</extracomment>
            <translation>%1 liegt in Grovekeeps eigenem Ordner, in den ein Paket nicht schreiben darf.</translation>
        </message>
        <message>
            <source>%1 Nothing was changed.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Es wurde nichts geändert.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <extracomment>%1 names what was being changed (such as Entry 2 ("hills.lnd")), %2 says what failed, a clause</extracomment>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>There is nothing to write.</source>
            <translation>Es gibt nichts zu schreiben.</translation>
        </message>
        <message>
            <source>%1 cannot be written: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it cannot be written, a clause</extracomment>
            <translation>%1 kann nicht geschrieben werden: %2.</translation>
        </message>
        <message>
            <source>Could not write %1: the folder %2 does not exist.</source>
            <extracomment>%1 is a file, %2 the folder it would lie in (both in quotes)</extracomment>
            <translation>%1 konnte nicht geschrieben werden: Der Ordner %2 existiert nicht.</translation>
        </message>
        <message>
            <source>The folder %1 cannot be made: %2.</source>
            <extracomment>%1 is a folder (in quotes), %2 why it cannot be made, a clause</extracomment>
            <translation>Der Ordner %1 kann nicht angelegt werden: %2.</translation>
        </message>
        <message>
            <source>%1 changed while it was being kept.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 hat sich geändert, während der Inhalt im Verlauf aufbewahrt wurde.</translation>
        </message>
        <message>
            <source>Cancelled.</source>
            <translation>Abgebrochen.</translation>
        </message>
        <message>
            <source>What %1 is to get back cannot be put back: its kept copy in the history is damaged (its bytes no longer match their SHA-256).</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>Der Inhalt, den %1 zurückerhalten soll, kann nicht wiederhergestellt werden: Die aufbewahrte Kopie im Verlauf ist beschädigt (ihre Bytes stimmen nicht mehr mit ihrer SHA-256-Prüfsumme überein).</translation>
        </message>
        <message>
            <source>%1 (it changed since)</source>
            <extracomment>an entry of a list of files that could not be put back; %1 is a file (in quotes)</extracomment>
            <translation>%1 (seitdem geändert)</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <extracomment>%1 is a file kept in the history (in quotes), %2 what is wrong with it, a clause</extracomment>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>The Grovekeep folder %1 does not exist, so nothing can be written: its history keeps what every change replaces.</source>
            <extracomment>%1 is Grovekeep's folder (in quotes)</extracomment>
            <translation>Der Grovekeep-Ordner %1 existiert nicht, daher kann nichts geschrieben werden: In seinem Verlauf wird aufbewahrt, was jede Änderung ersetzt.</translation>
        </message>
        <message>
            <source>Please tell Grovekeep where it is located (Tools &gt; Options) first: its folder keeps the history of every change.</source>
            <extracomment>Tools &gt; Options is the menu command of the main window</extracomment>
            <translation>Bitte geben Sie zuerst an, wo sich Grovekeep befindet (Extras &gt; Optionen): In seinem Ordner wird der Verlauf aller Änderungen aufbewahrt.</translation>
        </message>
        <message>
            <source>its number does not match its name</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Die Nummer des Datensatzes passt nicht zu seinem Namen</translation>
        </message>
        <message>
            <source>its state is unknown</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Der Zustand ist unbekannt</translation>
        </message>
        <message>
            <source>its time is unknown</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Der Zeitpunkt ist unbekannt</translation>
        </message>
        <message>
            <source>a file's content is damaged</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Der Inhalt einer Datei ist beschädigt</translation>
        </message>
        <message>
            <source>The history record %1 of an older Grovekeep cannot be used: %2.</source>
            <extracomment>%1 is a file of the history (in quotes), %2 why it cannot be used, a clause</extracomment>
            <translation>Der Datensatz %1 einer älteren Grovekeep-Version kann nicht verwendet werden: %2.</translation>
        </message>
        <message>
            <source>it is too large</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Der Datensatz ist zu groß</translation>
        </message>
        <message>
            <source>it is not a record</source>
            <extracomment>why a history record of an older Grovekeep cannot be used, a clause</extracomment>
            <translation>Dies ist kein Datensatz</translation>
        </message>
        <message>
            <source>Operation %1 was interrupted and could not be rolled back yet. Nothing was changed; the next command tries again.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Vorgang %1 wurde unterbrochen und konnte noch nicht zurückgesetzt werden. Es wurde nichts geändert; der nächste Befehl versucht es erneut.</translation>
        </message>
        <message>
            <source>Operation %1 was interrupted and could not be rolled back yet (%2). Nothing was changed; the next command tries again.</source>
            <extracomment>%1 is the number of an operation, %2 what stopped its roll-back (clauses joined by "; ")</extracomment>
            <translation>Vorgang %1 wurde unterbrochen und konnte noch nicht zurückgesetzt werden (%2). Es wurde nichts geändert; der nächste Befehl versucht es erneut.</translation>
        </message>
        <message>
            <source>It was recorded by an older Grovekeep and is converted the next time Grovekeep changes a file.</source>
            <extracomment>said of a record of the history that cannot be shown yet</extracomment>
            <translation>Dieser Datensatz wurde von einer älteren Grovekeep-Version angelegt und wird umgewandelt, sobald Grovekeep das nächste Mal eine Datei ändert.</translation>
        </message>
        <message>
            <source>There is no operation %1 in the history.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Im Verlauf gibt es keinen Vorgang %1.</translation>
        </message>
        <message>
            <source>%1 is not a regular file.</source>
            <extracomment>%1 is a file (in quotes)</extracomment>
            <translation>%1 ist keine reguläre Datei.</translation>
        </message>
        <message>
            <source>Operation %1 (%2) changed %3 later; undo it first.</source>
            <extracomment>%1 is the number of a later operation, %2 what it was (such as Package "x.vif"), %3 a file (in quotes)</extracomment>
            <translation>Vorgang %1 (%2) hat %3 später geändert; machen Sie ihn zuerst rückgängig.</translation>
        </message>
        <message>
            <source>Operation %1 is undone; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Vorgang %1 wurde rückgängig gemacht; nur ein abgeschlossener Vorgang kann rückgängig gemacht werden.</translation>
        </message>
        <message>
            <source>Operation %1 is rolled-back; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Vorgang %1 wurde zurückgesetzt; nur ein abgeschlossener Vorgang kann rückgängig gemacht werden.</translation>
        </message>
        <message>
            <source>Operation %1 is under-way; only a complete operation can be undone.</source>
            <extracomment>%1 is the number of an operation</extracomment>
            <translation>Vorgang %1 ist noch in Arbeit; nur ein abgeschlossener Vorgang kann rückgängig gemacht werden.</translation>
        </message>
        <message>
            <source>%1 What it held before is kept as %2.</source>
            <extracomment>%1 says why a file cannot be put back (whole sentences), %2 is the file in the history (in quotes) that keeps what it held</extracomment>
            <translation>%1 Der vorherige Inhalt wird als %2 aufbewahrt.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>%1 konnte nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>%1 has changed since operation %2 wrote it.</source>
            <extracomment>%1 is a file (in quotes), %2 the number of an operation</extracomment>
            <translation>%1 wurde geändert, seit Vorgang %2 die Datei geschrieben hat.</translation>
        </message>
        <message>
            <source>Operation %1 was not undone: %2</source>
            <extracomment>%1 is the number of an operation, %2 why it was not undone (whole sentences)</extracomment>
            <translation>Vorgang %1 wurde nicht rückgängig gemacht: %2</translation>
        </message>
        <message>
            <source>%1: its name is no SHA-256 of this folder</source>
            <extracomment>%1 is a file kept in the history (in quotes)</extracomment>
            <translation>%1: Der Name ist keine SHA-256-Prüfsumme dieses Ordners</translation>
        </message>
        <message>
            <source>%1: its bytes do not match its name</source>
            <extracomment>%1 is a file kept in the history (in quotes)</extracomment>
            <translation>%1: Die Bytes stimmen nicht mit dem Namen überein</translation>
        </message>
        <message>
            <source>%1 holds a later version that could not be kept, and was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why its later version could not be kept, a clause</extracomment>
            <translation>%1 enthält eine spätere Version, die nicht aufbewahrt werden konnte, und wurde unverändert gelassen: %2</translation>
        </message>
        <message>
            <source>kept your later version of %1 in the history (%2)</source>
            <extracomment>a clause; %1 is a file, %2 the file in the history that keeps its content (both in quotes)</extracomment>
            <translation>hat Ihre spätere Version von %1 im Verlauf aufbewahrt (%2)</translation>
        </message>
        <message>
            <source>%1 could not be read, and was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be read, a clause</extracomment>
            <translation>%1 konnte nicht gelesen werden und wurde unverändert gelassen: %2</translation>
        </message>
        <message>
            <source>%1 could not be put back: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it could not be put back, a clause</extracomment>
            <translation>%1 konnte nicht wiederhergestellt werden: %2</translation>
        </message>
        <message>
            <source>%1 was left as it is: %2</source>
            <extracomment>%1 is a file (in quotes), %2 why it was not put back, a clause</extracomment>
            <translation>%1 wurde unverändert gelassen: %2</translation>
        </message>
        <message>
            <source>the system could not confirm that every file put back is safely on the disk</source>
            <extracomment>a clause, in a list of what went wrong in a roll-back</extracomment>
            <translation>das System konnte nicht bestätigen, dass jede wiederhergestellte Datei sicher auf dem Datenträger gespeichert ist</translation>
        </message>
        <message>
            <source>Grovekeep cannot tell whether a change was interrupted: %1</source>
            <extracomment>%1 says why (whole sentences)</extracomment>
            <translation>Grovekeep kann nicht feststellen, ob eine Änderung unterbrochen wurde: %1</translation>
        </message>
        <message>
            <source>Nothing was freed: %1 What it kept may be the only copy of what a file held, so every kept content stays.</source>
            <extracomment>%1 says why a record cannot be read (whole sentences)</extracomment>
            <translation>Es wurde nichts freigegeben: %1 Was der Datensatz aufbewahrt, kann die einzige Kopie des früheren Inhalts einer Datei sein; daher bleibt jeder aufbewahrte Inhalt erhalten.</translation>
        </message>
        <message>
            <source>Nothing was freed: the record %1 of an older Grovekeep cannot be read. What it kept may be the only copy of what a file held, so every kept content stays.</source>
            <extracomment>%1 is a file of the history (in quotes)</extracomment>
            <translation>Es wurde nichts freigegeben: Der Datensatz %1 einer älteren Grovekeep-Version kann nicht gelesen werden. Was er aufbewahrt, kann die einzige Kopie des früheren Inhalts einer Datei sein; daher bleibt jeder aufbewahrte Inhalt erhalten.</translation>
        </message>
        <message>
            <source>%1 Nothing was written.</source>
            <extracomment>%1 says what failed (whole sentences)</extracomment>
            <translation>%1 Es wurde nichts geschrieben.</translation>
        </message>
        <message>
            <source>%1 exists already; it is replaced only where Grovekeep's folder keeps what it holds (give --manager-folder).</source>
            <extracomment>%1 is a file (in quotes); --manager-folder is an option of grovekeep-vif</extracomment>
            <translation>%1 ist bereits vorhanden; die Datei wird nur ersetzt, wenn der Grovekeep-Ordner ihren Inhalt aufbewahren kann (geben Sie --manager-folder an).</translation>
        </message>
    </context>
    <context>
        <name>Tattoos</name>
        <message>
            <source>it does not begin as a Windows bitmap does</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>sie beginnt nicht so wie eine Windows-Bitmap</translation>
        </message>
        <message>
            <source>its header is not one of a Windows bitmap</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>ihr Dateikopf ist nicht der einer Windows-Bitmap</translation>
        </message>
        <message>
            <source>its size is not that of a picture</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>ihre Größe ist nicht die eines Bildes</translation>
        </message>
        <message numerus="yes">
            <source>its colour depth of %n bits is not one of a bitmap</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>
                <numerusform>ihre Farbtiefe von %n Bit gibt es bei Bitmaps nicht</numerusform>
                <numerusform>ihre Farbtiefe von %n Bit gibt es bei Bitmaps nicht</numerusform>
            </translation>
        </message>
        <message>
            <source>it does not say how large its pixel data is</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>sie gibt nicht an, wie groß ihre Pixeldaten sind</translation>
        </message>
        <message>
            <source>it is compressed in a way a bitmap is not</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause.</extracomment>
            <translation>sie ist auf eine Weise komprimiert, die es bei Bitmaps nicht gibt</translation>
        </message>
        <message numerus="yes">
            <source>it is cut short: its pixel data needs %1 bytes more</source>
            <extracomment>Why a file is not a complete Windows bitmap: a clause. %1 is a number of bytes, which may be very large.</extracomment>
            <translation>
                <numerusform>sie ist zu kurz, ihren Pixeldaten fehlt noch %1 Byte</numerusform>
                <numerusform>sie ist zu kurz, ihren Pixeldaten fehlen noch %1 Byte</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>WebEngine</name>
        <message>
            <source>the connection was interrupted</source>
            <extracomment>Why a download failed, shown in brackets after "The download of FILE failed"</extracomment>
            <translation>die Verbindung wurde unterbrochen</translation>
        </message>
    </context>
    <context>
        <name>WebPage</name>
        <message>
            <source>%1 was opened in your web browser.</source>
            <extracomment>%1 is the address</extracomment>
            <translation>%1 wurde in Ihrem Webbrowser geöffnet.</translation>
        </message>
        <message>
            <source>A package you download there is installed by dropping it on Grovekeep's window, or by opening it with Grovekeep.</source>
            <translation>Ein Paket, das Sie dort herunterladen, installieren Sie, indem Sie es auf das Fenster von Grovekeep ziehen oder es mit Grovekeep öffnen.</translation>
        </message>
        <message>
            <source>Open it again: %1</source>
            <extracomment>%1 is the address</extracomment>
            <translation>Erneut öffnen: %1</translation>
        </message>
        <message>
            <source>%1 could not be opened in your web browser: %2</source>
            <extracomment>%1 is the address, %2 why it could not be opened</extracomment>
            <translation>%1 konnte nicht in Ihrem Webbrowser geöffnet werden: %2</translation>
        </message>
        <message>
            <source>Try again: %1, or copy the address into your browser.</source>
            <extracomment>%1 is the address</extracomment>
            <translation>Versuchen Sie es erneut: %1, oder kopieren Sie die Adresse in Ihren Browser.</translation>
        </message>
        <message>
            <source>Grovekeep's own web browser is not available: its web engine module could not be loaded (%1).</source>
            <extracomment>%1 says why the module could not be loaded</extracomment>
            <translation>Der eingebaute Webbrowser von Grovekeep ist nicht verfügbar: Sein Web-Engine-Modul konnte nicht geladen werden (%1).</translation>
        </message>
        <message>
            <source>Grovekeep's own web browser is not part of this build of Grovekeep.</source>
            <translation>Der eingebaute Webbrowser ist in diesem Build von Grovekeep nicht enthalten.</translation>
        </message>
    </context>
    <context>
        <name>Wizard</name>
        <message>
            <source>Choose an Option</source>
            <translation>Option wählen</translation>
        </message>
        <message>
            <source>Choose a file to install</source>
            <translation>Datei zum Installieren auswählen</translation>
        </message>
        <message>
            <source>NOTE:You can only install mods if they are inside a vif file!...... All files are backed up before they are overwritten/saved!</source>
            <translation>HINWEIS: Sie können Mods nur installieren, wenn sie in einer Vif-Datei enthalten sind! Alle Dateien werden gesichert, bevor sie überschrieben oder gespeichert werden!</translation>
        </message>
        <message>
            <source>Choose files</source>
            <translation>Dateien auswählen</translation>
        </message>
        <message>
            <source>Choose the files you would like to add and then choose the directory where the file should be installed</source>
            <translation>Wählen Sie die Dateien aus, die Sie hinzufügen möchten, und wählen Sie dann das Verzeichnis, in dem die Datei installiert werden soll</translation>
        </message>
        <message>
            <source>Choose directory name</source>
            <translation>Verzeichnisnamen wählen</translation>
        </message>
        <message>
            <source>No Directory Chosen!</source>
            <translation>Kein Verzeichnis gewählt!</translation>
        </message>
        <message>
            <source>Choose a directory and name to save the file to and then click next</source>
            <translation>Wählen Sie ein Verzeichnis und einen Namen zum Speichern der Datei, und klicken Sie dann auf „Weiter“</translation>
        </message>
        <message>
            <source>Saving Files2</source>
            <extracomment>The caption of the installer's frame while a package is saved (the "2" is part of the caption as the program has always shown it).</extracomment>
            <translation>Dateien werden gespeichert2</translation>
        </message>
        <message>
            <source>Files saved!</source>
            <translation>Dateien gespeichert!</translation>
        </message>
        <message>
            <source>Compiling Files. NOTE: This file will be saved in your specified file and backed up!</source>
            <translation>Dateien werden zusammengestellt. HINWEIS: Diese Datei wird in der von Ihnen angegebenen Datei gespeichert und gesichert!</translation>
        </message>
    </context>
    <context>
        <name>gk::DownloadBar</name>
        <message>
            <source>All files (*)</source>
            <extracomment>A file dialog's filter: keep "(*)" as it is</extracomment>
            <translation>Alle Dateien (*)</translation>
        </message>
        <message>
            <source>%1 files (*.%1)</source>
            <extracomment>A file dialog's filter: %1 is the downloaded file's extension ("vif"); keep "(*.%1)" as it is</extracomment>
            <translation>%1-Dateien (*.%1)</translation>
        </message>
        <message>
            <source>Download progress</source>
            <translation>Download-Fortschritt</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Cancel the download</source>
            <translation>Download abbrechen</translation>
        </message>
        <message>
            <source>Hide</source>
            <translation>Ausblenden</translation>
        </message>
        <message>
            <source>Hide the download bar</source>
            <translation>Download-Leiste ausblenden</translation>
        </message>
        <message>
            <source>Please wait until %1 has been downloaded, or cancel that download first.
%2 was not downloaded.</source>
            <extracomment>%1 is the file being downloaded, %2 the one refused, both in quotes</extracomment>
            <translation>Bitte warten Sie, bis %1 heruntergeladen ist, oder brechen Sie diesen Download zuerst ab.
%2 wurde nicht heruntergeladen.</translation>
        </message>
        <message>
            <source>Please wait until the file being saved has been downloaded, or cancel that download first.
%1 was not downloaded.</source>
            <translation>Bitte warten Sie, bis die Datei, die gerade gespeichert wird, heruntergeladen ist, oder brechen Sie diesen Download zuerst ab.
%1 wurde nicht heruntergeladen.</translation>
        </message>
        <message>
            <source>Save Download As</source>
            <extracomment>The title of the file dialog that saves a download</extracomment>
            <translation>Download speichern unter</translation>
        </message>
        <message>
            <source>%1 already exists. Grovekeep replaces a file only when it can keep its present contents in its history, and it does not know where its own folder is yet.
Choose another name, or set Grovekeep's folder first (Tools &gt; Options). Nothing was downloaded.</source>
            <translation>%1 ist bereits vorhanden. Grovekeep ersetzt eine Datei nur, wenn es ihren bisherigen Inhalt in seinem Verlauf aufbewahren kann, und es weiß noch nicht, wo sich sein eigener Ordner befindet.
Wählen Sie einen anderen Namen, oder legen Sie zuerst den Ordner von Grovekeep fest (Extras &gt; Optionen). Es wurde nichts heruntergeladen.</translation>
        </message>
        <message>
            <source>%1 cannot be downloaded: no temporary folder could be made for it. Nothing was downloaded.</source>
            <translation>%1 kann nicht heruntergeladen werden: Es konnte kein temporärer Ordner dafür angelegt werden. Es wurde nichts heruntergeladen.</translation>
        </message>
        <message>
            <source>Downloading %1: %2 of %3</source>
            <extracomment>%1 is the file's name, %2 the size received so far, %3 the whole size</extracomment>
            <translation>%1 wird heruntergeladen: %2 von %3</translation>
        </message>
        <message>
            <source>Downloading %1: %2</source>
            <extracomment>%1 is the file's name, %2 the size received so far</extracomment>
            <translation>%1 wird heruntergeladen: %2</translation>
        </message>
        <message>
            <source>%1 is still being downloaded.
Stop the download and close the window?</source>
            <translation>%1 wird noch heruntergeladen.
Download abbrechen und Fenster schließen?</translation>
        </message>
        <message>
            <source>%1 was saved in %2. The file it replaced is kept in Grovekeep's history.</source>
            <extracomment>%1 is the file's name, %2 its folder</extracomment>
            <translation>%1 wurde in %2 gespeichert. Die ersetzte Datei wird im Verlauf von Grovekeep aufbewahrt.</translation>
        </message>
        <message>
            <source>%1 was saved in %2.</source>
            <translation>%1 wurde in %2 gespeichert.</translation>
        </message>
        <message>
            <source>%1 has been downloaded.
Do you want to install it now?</source>
            <translation>%1 wurde heruntergeladen.
Möchten Sie die Datei jetzt installieren?</translation>
        </message>
        <message>
            <source>The download of %1 was cancelled. Nothing was saved.</source>
            <translation>Der Download von %1 wurde abgebrochen. Es wurde nichts gespeichert.</translation>
        </message>
        <message>
            <source>The download of %1 failed (%2).
Nothing was saved.</source>
            <extracomment>%1 is the file's name, %2 why the download failed</extracomment>
            <translation>Der Download von %1 ist fehlgeschlagen (%2).
Es wurde nichts gespeichert.</translation>
        </message>
        <message>
            <source>The download of %1 ended, but the file it was written to is missing.
Nothing was saved.</source>
            <translation>Der Download von %1 wurde beendet, aber die Datei, in die er geschrieben wurde, fehlt.
Es wurde nichts gespeichert.</translation>
        </message>
        <message>
            <source>%1 was downloaded, but could not be saved:
%2</source>
            <extracomment>%1 is the file's name, %2 why it could not be saved</extracomment>
            <translation>%1 wurde heruntergeladen, konnte aber nicht gespeichert werden:
%2</translation>
        </message>
    </context>
    <context>
        <name>gk::LargeTextEdit</name>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Rückgängig</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Wiederherstellen</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <translation>&amp;Ausschneiden</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <translation>&amp;Kopieren</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <translation>&amp;Einfügen</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Alles auswählen</translation>
        </message>
    </context>
    <context>
        <name>gk::frmAbout</name>
        <message>
            <source>Grovekeep is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and this permission notice are kept with it. It comes without any warranty.</source>
            <translation>Grovekeep ist freie Software unter der MIT-Lizenz. Sie dürfen es verwenden, kopieren, verändern und weitergeben, sofern der Urheberrechtshinweis und dieser Erlaubnishinweis beigefügt bleiben. Es wird ohne jegliche Gewährleistung bereitgestellt.</translation>
        </message>
        <message>
            <source>About Grovekeep</source>
            <translation>Über Grovekeep</translation>
        </message>
        <message>
            <source>Grovekeep Version %1</source>
            <extracomment>%1 is the version number ("1.4.0")</extracomment>
            <translation>Grovekeep Version %1</translation>
        </message>
        <message>
            <source>Credits</source>
            <translation>Mitwirkende</translation>
        </message>
        <message>
            <source>Programming - Rowan Alder</source>
            <extracomment>Credits: keep the names as they are</extracomment>
            <translation>Programmierung - Rowan Alder</translation>
        </message>
        <message>
            <source>Town Creator and Testing - Hazel Birch</source>
            <translation>Städtebau und Tests - Hazel Birch</translation>
        </message>
        <message>
            <source>Hosting - Fernlow , Marrowby</source>
            <extracomment>Credits: Fernlow and Marrowby are the names of web sites</extracomment>
            <translation>Hosting - Fernlow, Marrowby</translation>
        </message>
        <message>
            <source>Found a bug? Click me</source>
            <translation>Fehler gefunden? Hier klicken</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
    </context>
    <context>
        <name>gk::frmBrowser</name>
        <message>
            <source>Grovekeep - Web Browser</source>
            <extracomment>%1 is the title of the page shown</extracomment>
            <translation>Grovekeep - Webbrowser</translation>
        </message>
        <message>
            <source>Back (Alt+Left)</source>
            <translation>Zurück (Alt+Links)</translation>
        </message>
        <message>
            <source>Forward (Alt+Right)</source>
            <translation>Vorwärts (Alt+Rechts)</translation>
        </message>
        <message>
            <source>Stop (Esc)</source>
            <translation>Stopp (Esc)</translation>
        </message>
        <message>
            <source>Refresh (F5)</source>
            <translation>Aktualisieren (F5)</translation>
        </message>
        <message>
            <source>Address Bar</source>
            <translation>Adressleiste</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>The page's address: type another and press Enter or Go (Ctrl+L comes here)</source>
            <translation>Die Adresse der Seite: Geben Sie eine andere ein und drücken Sie die Eingabetaste oder „Los“ (mit Strg+L gelangen Sie hierher)</translation>
        </message>
        <message>
            <source>Go</source>
            <translation>Los</translation>
        </message>
        <message>
            <source>Web page</source>
            <translation>Webseite</translation>
        </message>
        <message>
            <source>Page loading</source>
            <translation>Seite wird geladen</translation>
        </message>
        <message>
            <source>Grovekeep - Web Browser - %1</source>
            <translation>Grovekeep - Webbrowser - %1</translation>
        </message>
    </context>
    <context>
        <name>gk::frmExtra</name>
        <message>
            <source>Grovekeep - Skin / Landscape Mode</source>
            <translation>Grovekeep - Skin-/Landschaftsmodus</translation>
        </message>
        <message>
            <source>Load Skin</source>
            <translation>Skin laden</translation>
        </message>
        <message>
            <source>Install Skin</source>
            <translation>Skin installieren</translation>
        </message>
        <message>
            <source>Edit Skins With</source>
            <translation>Skins bearbeiten mit</translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Readme erstellen</translation>
        </message>
        <message>
            <source>Find Skins</source>
            <translation>Skins finden</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Load Landscape</source>
            <translation>Landschaft laden</translation>
        </message>
        <message>
            <source>Install Landscape</source>
            <translation>Landschaft installieren</translation>
        </message>
        <message>
            <source>Edit Lands With</source>
            <translation>Landschaften bearbeiten mit</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Testen</translation>
        </message>
        <message>
            <source>Get Help</source>
            <translation>Hilfe holen</translation>
        </message>
        <message>
            <source>Submit File</source>
            <translation>Datei einreichen</translation>
        </message>
        <message>
            <source>BELOW: This is the current landscape (lnd) file you are viewing...</source>
            <translation>UNTEN: Dies ist die aktuelle Landschaftsdatei (lnd), die Sie gerade ansehen...</translation>
        </message>
        <message>
            <source>BELOW: This is the current Skin (l3d) file you are viewing</source>
            <translation>UNTEN: Dies ist die aktuelle Skin-Datei (l3d), die Sie gerade ansehen</translation>
        </message>
        <message>
            <source>The landscape loaded</source>
            <translation>Die geladene Landschaft</translation>
        </message>
        <message>
            <source>The skin loaded</source>
            <translation>Der geladene Skin</translation>
        </message>
        <message>
            <source>Lionhead Land Files (*.lnd)</source>
            <extracomment>A file dialog's filter: keep "(*.lnd)" as it is</extracomment>
            <translation>Lionhead-Landschaftsdateien (*.lnd)</translation>
        </message>
        <message>
            <source>%1 is not a landscape file (.lnd), so it was not loaded.</source>
            <extracomment>%1 is the chosen file's path, in quotes</extracomment>
            <translation>%1 ist keine Landschaftsdatei (.lnd) und wurde daher nicht geladen.</translation>
        </message>
        <message>
            <source>Please load a landscape first; it is installed under its own name.</source>
            <translation>Bitte laden Sie zuerst eine Landschaft; sie wird unter ihrem eigenen Namen installiert.</translation>
        </message>
        <message>
            <source>Lionhead Skin Files (*.l3d)</source>
            <extracomment>A file dialog's filter: keep "(*.l3d)" as it is</extracomment>
            <translation>Lionhead-Skin-Dateien (*.l3d)</translation>
        </message>
        <message>
            <source>%1 is not a skin file (.l3d), so it was not loaded.</source>
            <extracomment>%1 is the chosen file's path, in quotes</extracomment>
            <translation>%1 ist keine Skin-Datei (.l3d) und wurde daher nicht geladen.</translation>
        </message>
        <message>
            <source>Please load a skin first; it is installed under its own name.</source>
            <translation>Bitte laden Sie zuerst einen Skin; er wird unter seinem eigenen Namen installiert.</translation>
        </message>
        <message>
            <source>Backing up file</source>
            <translation>Datei wird gesichert</translation>
        </message>
        <message>
            <source>Installing Script</source>
            <translation>Skript wird installiert</translation>
        </message>
        <message>
            <source>The file was not installed.</source>
            <translation>Die Datei wurde nicht installiert.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmHistory</name>
        <message>
            <source>Grovekeep - History</source>
            <translation>Grovekeep - Verlauf</translation>
        </message>
        <message>
            <source>Time</source>
            <extracomment>A column of the list of operations: when each was made</extracomment>
            <translation>Zeit</translation>
        </message>
        <message>
            <source>What</source>
            <extracomment>A column of the list of operations: what each did</extracomment>
            <translation>Aktion</translation>
        </message>
        <message>
            <source>Files</source>
            <extracomment>A column of the list of operations: how many files each wrote</extracomment>
            <translation>Dateien</translation>
        </message>
        <message>
            <source>State</source>
            <extracomment>A column of the list of operations: complete, undone...</extracomment>
            <translation>Status</translation>
        </message>
        <message>
            <source>File</source>
            <extracomment>A column of the list of an operation's files: the file's path</extracomment>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Change</source>
            <extracomment>A column of the list of an operation's files: added, replaced, removed</extracomment>
            <translation>Änderung</translation>
        </message>
        <message>
            <source>Now</source>
            <extracomment>A column of the list of an operation's files: what Verify found the file to be now</extracomment>
            <translation>Aktuell</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Rückgängig</translation>
        </message>
        <message>
            <source>Put back what the operation's files held before it</source>
            <translation>Den Inhalt wiederherstellen, den die Dateien des Vorgangs vor ihm hatten</translation>
        </message>
        <message>
            <source>&amp;Verify</source>
            <translation>&amp;Prüfen</translation>
        </message>
        <message>
            <source>Check whether each file is as the operation left it</source>
            <translation>Prüfen, ob jede Datei noch so ist, wie der Vorgang sie hinterlassen hat</translation>
        </message>
        <message>
            <source>&amp;Show in folder</source>
            <translation>Im &amp;Ordner anzeigen</translation>
        </message>
        <message>
            <source>Open the folder of the selected file</source>
            <translation>Den Ordner der ausgewählten Datei öffnen</translation>
        </message>
        <message>
            <source>&amp;Free space...</source>
            <translation>Speicherplatz &amp;freigeben...</translation>
        </message>
        <message>
            <source>Remove old operations from the history</source>
            <translation>Alte Vorgänge aus dem Verlauf entfernen</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Schließen</translation>
        </message>
        <message>
            <source>Operation %1: its record cannot be read</source>
            <translation>Vorgang %1: Sein Datensatz kann nicht gelesen werden</translation>
        </message>
        <message>
            <source>unreadable</source>
            <extracomment>The state of an operation whose record cannot be read</extracomment>
            <translation>unlesbar</translation>
        </message>
        <message>
            <source>No change has been recorded yet. Every file Grovekeep installs, replaces or saves is recorded here.</source>
            <translation>Es wurde noch keine Änderung aufgezeichnet. Jede Datei, die Grovekeep installiert, ersetzt oder speichert, wird hier aufgezeichnet.</translation>
        </message>
        <message numerus="yes">
            <source>%n operations of the history cannot be read.</source>
            <translation>
                <numerusform>%n Vorgang des Verlaufs kann nicht gelesen werden.</numerusform>
                <numerusform>%n Vorgänge des Verlaufs können nicht gelesen werden.</numerusform>
            </translation>
        </message>
        <message>
            <source>Operation %1 cannot be read: %2</source>
            <translation>Vorgang %1 kann nicht gelesen werden: %2</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1, %2: %3, %n files, %4.%5</source>
            <extracomment>%1 is the operation's number, %2 its time, %3 what it did, %4 its state, %5 its note (with a space before it) or nothing</extracomment>
            <translation>
                <numerusform>Vorgang %1, %2: %3, %n Datei, %4.%5</numerusform>
                <numerusform>Vorgang %1, %2: %3, %n Dateien, %4.%5</numerusform>
            </translation>
        </message>
        <message>
            <source>Every file of operation %1 is as it left it.</source>
            <translation>Alle Dateien von Vorgang %1 sind so, wie er sie hinterlassen hat.</translation>
        </message>
        <message numerus="yes">
            <source>Operation %1: %2 of %n files are as it left them; %3 could not be read: %4</source>
            <extracomment>%1 is the operation's number, %2 how many of its files are intact, %3 how many could not be read, %4 why the first of them could not</extracomment>
            <translation>
                <numerusform>Vorgang %1: %2 von %n Datei ist unverändert; %3 konnte nicht gelesen werden: %4</numerusform>
                <numerusform>Vorgang %1: %2 von %n Dateien sind unverändert; %3 konnten nicht gelesen werden: %4</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Operation %1: %2 of %n files are as it left them; the others have changed since or are missing.</source>
            <extracomment>%1 is the operation's number, %2 how many of its files are intact</extracomment>
            <translation>
                <numerusform>Vorgang %1: %2 von %n Datei ist unverändert; die Datei wurde seitdem geändert oder fehlt.</numerusform>
                <numerusform>Vorgang %1: %2 von %n Dateien sind unverändert; die anderen wurden seitdem geändert oder fehlen.</numerusform>
            </translation>
        </message>
        <message>
            <source>Its file gets back what it held before it; what it holds now is kept in the history.</source>
            <translation>Die Datei erhält den Inhalt zurück, den sie vor dem Vorgang hatte; ihr jetziger Inhalt wird im Verlauf aufbewahrt.</translation>
        </message>
        <message>
            <source>Its %1 files get back what they held before it; what they hold now is kept in the history.</source>
            <translation>Die %1 Dateien erhalten den Inhalt zurück, den sie vor dem Vorgang hatten; ihr jetziger Inhalt wird im Verlauf aufbewahrt.</translation>
        </message>
        <message>
            <source>Undo operation %1 (%2)?
%3</source>
            <extracomment>%1 is the operation's number, %2 what it did, %3 what undoing does</extracomment>
            <translation>Vorgang %1 (%2) rückgängig machen?
%3</translation>
        </message>
        <message>
            <source>Operation %1 was not undone. %2</source>
            <translation>Vorgang %1 wurde nicht rückgängig gemacht. %2</translation>
        </message>
        <message>
            <source>%1
Undo it anyway? What these files hold now is kept in the history.</source>
            <translation>%1
Trotzdem rückgängig machen? Der jetzige Inhalt dieser Dateien wird im Verlauf aufbewahrt.</translation>
        </message>
        <message>
            <source>Operation %1 was undone (by operation %2).</source>
            <translation>Vorgang %1 wurde rückgängig gemacht (durch Vorgang %2).</translation>
        </message>
        <message>
            <source>Free the space of the history's operations:</source>
            <extracomment>Followed by a list to choose from: "older than 30 days", "all of it"...</extracomment>
            <translation>Speicherplatz der Vorgänge im Verlauf freigeben:</translation>
        </message>
        <message numerus="yes">
            <source>%n operations of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</source>
            <translation>
                <numerusform>%n Vorgang betrifft installierte Dateien, die noch vorhanden sind; ohne seinen Datensatz kann er nicht rückgängig gemacht werden.
Seinen Datensatz ebenfalls entfernen?</numerusform>
                <numerusform>%n Vorgänge betreffen installierte Dateien, die noch vorhanden sind; ohne ihre Datensätze können sie nicht rückgängig gemacht werden.
Ihre Datensätze ebenfalls entfernen?</numerusform>
            </translation>
        </message>
        <message>
            <source>There is nothing to free.</source>
            <translation>Es gibt nichts freizugeben.</translation>
        </message>
        <message numerus="yes">
            <source>Remove %n operations from the history and free %1?</source>
            <extracomment>%1 is a size ("1.5 MiB")</extracomment>
            <translation>
                <numerusform>%n Vorgang aus dem Verlauf entfernen und %1 freigeben?</numerusform>
                <numerusform>%n Vorgänge aus dem Verlauf entfernen und %1 freigeben?</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n operations removed; %1 freed.</source>
            <extracomment>%1 is a size ("1.5 MiB")</extracomment>
            <translation>
                <numerusform>%n Vorgang entfernt; %1 freigegeben.</numerusform>
                <numerusform>%n Vorgänge entfernt; %1 freigegeben.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>gk::frmInstall</name>
        <message>
            <source>Grovekeep - Installer</source>
            <translation>Grovekeep - Installationsassistent</translation>
        </message>
        <message>
            <source>Choose an Option</source>
            <translation>Option wählen</translation>
        </message>
        <message>
            <source>No file selected</source>
            <translation>Keine Datei ausgewählt</translation>
        </message>
        <message>
            <source>Install a Black and White file</source>
            <translation>Eine Datei für Black and White installieren</translation>
        </message>
        <message>
            <source>Create a Black a Grovekeep installation File</source>
            <translation>Eine Grovekeep-Installationsdatei erstellen</translation>
        </message>
        <message>
            <source>Check for Grovekeep Updates</source>
            <translation>Nach Grovekeep-Aktualisierungen suchen</translation>
        </message>
        <message>
            <source>Browse the Web for Black and White files. </source>
            <translation>Im Web nach Dateien für Black and White suchen </translation>
        </message>
        <message>
            <source>&amp;Remove</source>
            <translation>&amp;Entfernen</translation>
        </message>
        <message>
            <source>No file type set</source>
            <translation>Kein Dateityp festgelegt</translation>
        </message>
        <message>
            <source>&lt;&lt; Back</source>
            <translation>&lt;&lt; Zurück</translation>
        </message>
        <message>
            <source>Next &gt;&gt;</source>
            <translation>Weiter &gt;&gt;</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Verlauf...</translation>
        </message>
        <message>
            <source>What the installation changed, and the way to undo it</source>
            <translation>Was die Installation geändert hat und wie Sie sie rückgängig machen</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Installs to</source>
            <translation>Installiert nach</translation>
        </message>
        <message>
            <source>Files of the package</source>
            <translation>Dateien des Pakets</translation>
        </message>
        <message>
            <source>Take the selected file out of the package</source>
            <translation>Die ausgewählte Datei aus dem Paket entfernen</translation>
        </message>
        <message>
            <source>Choose a file</source>
            <translation>Datei auswählen</translation>
        </message>
        <message>
            <source>Grovekeep Installer</source>
            <translation>Grovekeep-Installationsassistent</translation>
        </message>
        <message numerus="yes">
            <source>Grovekeep - Installer (%n more files waiting)</source>
            <translation>
                <numerusform>Grovekeep - Installationsassistent (%n weitere Datei wartet)</numerusform>
                <numerusform>Grovekeep - Installationsassistent (%n weitere Dateien warten)</numerusform>
            </translation>
        </message>
        <message>
            <source>please select a valid filetype or create a '.vif' to inmstall these files automatically</source>
            <translation>Bitte wählen Sie einen gültigen Dateityp, oder erstellen Sie eine .vif-Datei, um diese Dateien automatisch zu installieren</translation>
        </message>
        <message>
            <source>Backing up file</source>
            <translation>Datei wird gesichert</translation>
        </message>
        <message>
            <source>The file was not installed.</source>
            <translation>Die Datei wurde nicht installiert.</translation>
        </message>
        <message>
            <source>Installing Script</source>
            <translation>Skript wird installiert</translation>
        </message>
        <message>
            <source>Installing... Cancel stops the installation and changes nothing.</source>
            <translation>Installation läuft... „Abbrechen“ beendet die Installation, ohne etwas zu ändern.</translation>
        </message>
        <message>
            <source>Nothing was installed.</source>
            <translation>Es wurde nichts installiert.</translation>
        </message>
        <message>
            <source>Nothing was installed: this package has entries that cannot be installed.

%1</source>
            <translation>Es wurde nichts installiert: Dieses Paket enthält Einträge, die nicht installiert werden können.

%1</translation>
        </message>
        <message>
            <source>Cancelled. Nothing was changed.</source>
            <translation>Abgebrochen. Es wurde nichts geändert.</translation>
        </message>
        <message>
            <source>The package was not installed. %1</source>
            <extracomment>%1 says why</extracomment>
            <translation>Das Paket wurde nicht installiert. %1</translation>
        </message>
        <message numerus="yes">
            <source>The package was installed: %n files. What every replaced file held is kept in the history. Choose another file with "..." to install it.</source>
            <translation>
                <numerusform>Das Paket wurde installiert: %n Datei. Der vorherige Inhalt jeder ersetzten Datei wird im Verlauf aufbewahrt. Wählen Sie mit „...“ eine weitere Datei aus, um sie zu installieren.</numerusform>
                <numerusform>Das Paket wurde installiert: %n Dateien. Der vorherige Inhalt jeder ersetzten Datei wird im Verlauf aufbewahrt. Wählen Sie mit „...“ eine weitere Datei aus, um sie zu installieren.</numerusform>
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
            <translation>Das Paket wurde installiert. Es hat Dateien ersetzt, die frühere Installationen geschrieben hatten:

%1</translation>
        </message>
        <message>
            <source>Checking the package... Cancel stops the installation and changes nothing.</source>
            <translation>Das Paket wird geprüft... „Abbrechen“ beendet die Installation, ohne etwas zu ändern.</translation>
        </message>
        <message numerus="yes">
            <source>The package being made lists %n files. Close the installer and drop the list?</source>
            <translation>
                <numerusform>Das Paket, das gerade erstellt wird, enthält %n Datei. Installationsassistenten schließen und die Liste verwerfen?</numerusform>
                <numerusform>Das Paket, das gerade erstellt wird, enthält %n Dateien. Installationsassistenten schließen und die Liste verwerfen?</numerusform>
            </translation>
        </message>
        <message>
            <source>A package is being installed. Cancel the installation? Nothing will be changed.</source>
            <translation>Ein Paket wird gerade installiert. Installation abbrechen? Es wird nichts geändert.</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Wird abgebrochen...</translation>
        </message>
        <message>
            <source>To install tattoos you must use the tatto manager..Follow the instructions at the bottom of the screen to install and manage them</source>
            <translation>Um Tätowierungen zu installieren, müssen Sie die Tätowierungsverwaltung verwenden. Folgen Sie den Anweisungen unten im Fenster, um sie zu installieren und zu verwalten.</translation>
        </message>
        <message>
            <source>Where should %1 be installed in the game?</source>
            <extracomment>The title of the file dialog that asks where a file of a new package goes; %1 is the file's name</extracomment>
            <translation>Wo soll %1 im Spiel installiert werden?</translation>
        </message>
        <message>
            <source>Saving file to directory</source>
            <translation>Datei wird im Verzeichnis gespeichert</translation>
        </message>
        <message>
            <source>The package was not saved.</source>
            <translation>Das Paket wurde nicht gespeichert.</translation>
        </message>
        <message>
            <source>Your file was saved and Backed up!</source>
            <translation>Ihre Datei wurde gespeichert und gesichert!</translation>
        </message>
    </context>
    <context>
        <name>gk::frmMDI</name>
        <message>
            <source>Grovekeep Beta 1 - Welcome</source>
            <translation>Grovekeep Beta 1 - Willkommen</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Visit Marrowby</source>
            <extracomment>Marrowby and Fernlow are the names of web sites about the game</extracomment>
            <translation>Marrowby besuchen</translation>
        </message>
        <message>
            <source>Visit Fernlow</source>
            <translation>Fernlow besuchen</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Verwalten</translation>
        </message>
        <message>
            <source>Map</source>
            <extracomment>Map, Landscape, Skin and Tatoo open the managers of those kinds of content</extracomment>
            <translation>Karte</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Landschaft</translation>
        </message>
        <message>
            <source>Skin</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Tatoo</source>
            <extracomment>The tattoo manager (the word is spelt so in this caption)</extracomment>
            <translation>Tätowierung</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Extras</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Readme-Ersteller</translation>
        </message>
        <message>
            <source>Web Browser</source>
            <translation>Webbrowser</translation>
        </message>
        <message>
            <source>Installer</source>
            <translation>Installationsassistent</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>History</source>
            <extracomment>Opens the history of the changes Grovekeep made to the files</extracomment>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Inhalt</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Aktualisierungen</translation>
        </message>
        <message>
            <source>Bug Report</source>
            <translation>Fehler melden</translation>
        </message>
        <message>
            <source>Comment and Suggestions</source>
            <translation>Kommentare und Vorschläge</translation>
        </message>
        <message>
            <source>Discuss in Forums</source>
            <translation>In den Foren diskutieren</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source> Welcome to Grovekeep </source>
            <extracomment>The status bar's text; the spaces at either end keep it off the bar's edges</extracomment>
            <translation> Willkommen bei Grovekeep </translation>
        </message>
        <message numerus="yes">
            <source>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 are none of these.</source>
            <extracomment>%1 lists the files, each quoted, separated by ", "; the count is the number of files</extracomment>
            <translation>
                <numerusform>Grovekeep installiert Pakete (.vif), Karten (.txt), Landschaften (.lnd) und Skins (.l3d); %1 ist keine solche Datei.</numerusform>
                <numerusform>Grovekeep installiert Pakete (.vif), Karten (.txt), Landschaften (.lnd) und Skins (.l3d); %1 sind keine solchen Dateien.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>gk::frmMap</name>
        <message>
            <source>Black and White Maps (*.txt)</source>
            <extracomment>A file dialog's filter: keep "(*.txt)" as it is</extracomment>
            <translation>Karten für Black and White (*.txt)</translation>
        </message>
        <message>
            <source>Grovekeep Beta 1 - Maps[*]</source>
            <extracomment>"[*]" stands where a "*" shows while the map has unsaved changes: keep it</extracomment>
            <translation>Grovekeep Beta 1 - Karten[*]</translation>
        </message>
        <message>
            <source>Load Map</source>
            <translation>Karte laden</translation>
        </message>
        <message>
            <source>Install this Map</source>
            <translation>Diese Karte installieren</translation>
        </message>
        <message>
            <source>Save Map</source>
            <translation>Karte speichern</translation>
        </message>
        <message>
            <source>Edit Map with... </source>
            <translation>Karte bearbeiten mit... </translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Readme erstellen</translation>
        </message>
        <message>
            <source>Test Map</source>
            <translation>Karte testen</translation>
        </message>
        <message>
            <source>Submit Map</source>
            <translation>Karte einreichen</translation>
        </message>
        <message>
            <source>Get Map Help</source>
            <translation>Kartenhilfe holen</translation>
        </message>
        <message>
            <source>Submit Map idea</source>
            <translation>Kartenidee einreichen</translation>
        </message>
        <message>
            <source>Find Maps</source>
            <translation>Karten finden</translation>
        </message>
        <message>
            <source>Current Map Directory:</source>
            <translation>Aktuelles Kartenverzeichnis:</translation>
        </message>
        <message>
            <source>None...</source>
            <translation>Keines...</translation>
        </message>
        <message>
            <source>Welcome Message:</source>
            <translation>Begrüßungsnachricht:</translation>
        </message>
        <message>
            <source>Map text</source>
            <translation>Kartentext</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Open Map</source>
            <translation>Karte öffnen</translation>
        </message>
        <message>
            <source>Install Map</source>
            <translation>Karte installieren</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Edit Map with...</source>
            <translation>Karte bearbeiten mit...</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Verwalten</translation>
        </message>
        <message>
            <source>Landscapes</source>
            <translation>Landschaften</translation>
        </message>
        <message>
            <source>Skin</source>
            <translation>Skin</translation>
        </message>
        <message>
            <source>Tattoo</source>
            <translation>Tätowierung</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Extras</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Readme-Ersteller</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Aktualisierungen</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Inhalt</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>%1 was changed on disk. Your edits in this window are kept but not saved: use Save Map to keep them, or Load Map to see what the file holds now.</source>
            <extracomment>%1 is the map's path, in quotes</extracomment>
            <translation>%1 wurde auf dem Datenträger geändert. Ihre Änderungen in diesem Fenster bleiben erhalten, sind aber nicht gespeichert: Verwenden Sie „Karte speichern“, um sie zu behalten, oder „Karte laden“, um den jetzigen Inhalt der Datei zu sehen.</translation>
        </message>
        <message>
            <source>%1 is no longer on disk. The text in this window is kept but not saved: use Save Map to keep it.</source>
            <translation>%1 ist nicht mehr auf dem Datenträger vorhanden. Der Text in diesem Fenster bleibt erhalten, ist aber nicht gespeichert: Verwenden Sie „Karte speichern“, um ihn zu behalten.</translation>
        </message>
        <message>
            <source>Loading %1...</source>
            <extracomment>%1 is the map's path</extracomment>
            <translation>%1 wird geladen...</translation>
        </message>
        <message>
            <source>The map has changes that are not saved.
Save them first?</source>
            <translation>Die Karte enthält nicht gespeicherte Änderungen.
Sollen sie zuerst gespeichert werden?</translation>
        </message>
        <message>
            <source>Some characters of this map cannot be written in the game's character set and would be written as "?".
Write the map anyway?</source>
            <translation>Einige Zeichen dieser Karte gibt es im Zeichensatz des Spiels nicht; sie würden als „?“ geschrieben.
Karte trotzdem speichern?</translation>
        </message>
        <message>
            <source>No map is loaded in this window, so nothing was installed. Load a map first: Install this Map installs it under the name of the map opened with Load Map.</source>
            <translation>In diesem Fenster ist keine Karte geladen, daher wurde nichts installiert. Laden Sie zuerst eine Karte: „Diese Karte installieren“ installiert sie unter dem Namen der Karte, die mit „Karte laden“ geöffnet wurde.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmOptions</name>
        <message>
            <source>All files (*.*)</source>
            <extracomment>A file dialog's filter: keep "(*.*)" as it is</extracomment>
            <translation>Alle Dateien (*.*)</translation>
        </message>
        <message>
            <source>All files (*)</source>
            <extracomment>A file dialog's filter: keep "(*)" as it is</extracomment>
            <translation>Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Black and White (runblack.exe)</source>
            <extracomment>A file dialog's filter: the game's name, with its program "(runblack.exe)" as it is</extracomment>
            <translation>Black and White (runblack.exe)</translation>
        </message>
        <message>
            <source>exeFiles (*.exe)</source>
            <extracomment>A file dialog's filter: keep "(*.exe)" as it is</extracomment>
            <translation>EXE-Dateien (*.exe)</translation>
        </message>
        <message>
            <source>exe Files (*.exe)</source>
            <extracomment>A file dialog's filter: keep "(*.exe)" as it is</extracomment>
            <translation>EXE-Dateien (*.exe)</translation>
        </message>
        <message>
            <source>Grovekeep - Options</source>
            <translation>Grovekeep - Optionen</translation>
        </message>
        <message>
            <source>General Options</source>
            <translation>Allgemeine Optionen</translation>
        </message>
        <message>
            <source>Map Options</source>
            <translation>Kartenoptionen</translation>
        </message>
        <message>
            <source>Landscape Options</source>
            <translation>Landschaftsoptionen</translation>
        </message>
        <message>
            <source>Tatoo Options</source>
            <translation>Tätowierungsoptionen</translation>
        </message>
        <message>
            <source>Skin Options</source>
            <translation>Skin-Optionen</translation>
        </message>
        <message>
            <source>Where is Black and White located?</source>
            <translation>Wo befindet sich Black and White?</translation>
        </message>
        <message>
            <source>Where is Grovekeep located?</source>
            <translation>Wo befindet sich Grovekeep?</translation>
        </message>
        <message>
            <source>Where is your default Map editor Located? (Optional)</source>
            <translation>Wo befindet sich Ihr Standard-Karteneditor? (Optional)</translation>
        </message>
        <message>
            <source>Where is your Default Landscape Editor Located? (Optional)</source>
            <translation>Wo befindet sich Ihr Standard-Landschaftseditor? (Optional)</translation>
        </message>
        <message>
            <source>Where is your Default Tattoo Editor Located? (Optional)</source>
            <translation>Wo befindet sich Ihr Standard-Tätowierungseditor? (Optional)</translation>
        </message>
        <message>
            <source>Where is your Default Skin Editor Located? (Optional)</source>
            <translation>Wo befindet sich Ihr Standard-Skin-Editor? (Optional)</translation>
        </message>
        <message>
            <source>Which Wine starts Windows programs?</source>
            <translation>Welches Wine startet Windows-Programme?</translation>
        </message>
        <message>
            <source>the system's wine</source>
            <translation>Wine des Systems</translation>
        </message>
        <message>
            <source>Empty for the system's wine, a wine program of a Wine build, or a launcher's command (the program is added at its end)</source>
            <translation>Leer für das Wine des Systems, ein wine-Programm eines Wine-Builds oder der Befehl eines Launchers (das Programm wird an dessen Ende angefügt)</translation>
        </message>
        <message>
            <source>Find the game...</source>
            <translation>Spiel suchen...</translation>
        </message>
        <message>
            <source>Language:</source>
            <translation>Sprache:</translation>
        </message>
        <message>
            <source>The system's language</source>
            <translation>Sprache des Systems</translation>
        </message>
        <message>
            <source>Grovekeep changes its language at its next start.</source>
            <translation>Grovekeep wechselt die Sprache beim nächsten Start.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>Übernehmen</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Choose: %1</source>
            <extracomment>What a screen reader says of a "..." button; %1 is the caption of the field it fills</extracomment>
            <translation>Auswählen: %1</translation>
        </message>
        <message>
            <source>Choose the file</source>
            <translation>Datei auswählen</translation>
        </message>
        <message>
            <source>Please enter some details so Grovekeep can operate functionally</source>
            <translation>Bitte geben Sie einige Angaben ein, damit Grovekeep richtig arbeiten kann</translation>
        </message>
        <message>
            <source>Black and White was not found. Grovekeep looked in the usual install places of the fixed drives. Please choose its runblack.exe with "...".</source>
            <translation>Black and White wurde nicht gefunden. Grovekeep hat an den üblichen Installationsorten auf den lokalen Laufwerken gesucht. Bitte wählen Sie die runblack.exe des Spiels mit „...“ aus.</translation>
        </message>
        <message>
            <source>Black and White was not found. Grovekeep looked in the usual install places of the Wine prefixes of Wine, Lutris, Bottles, Heroic, Steam and PlayOnLinux. Please choose its runblack.exe with "...".</source>
            <translation>Black and White wurde nicht gefunden. Grovekeep hat an den üblichen Installationsorten in den Wine-Präfixen von Wine, Lutris, Bottles, Heroic, Steam und PlayOnLinux gesucht. Bitte wählen Sie die runblack.exe des Spiels mit „...“ aus.</translation>
        </message>
        <message>
            <source>Black and White was found in %1 places. Which one do you play?</source>
            <extracomment>%1 is a number above one</extracomment>
            <translation>Black and White wurde an %1 Orten gefunden. Welche Installation spielen Sie?</translation>
        </message>
        <message>
            <source>Please enter where Grovekeep is located. The options are saved in that folder.</source>
            <translation>Bitte geben Sie an, wo sich Grovekeep befindet. Die Optionen werden in diesem Ordner gespeichert.</translation>
        </message>
        <message>
            <source>The options were not saved. %1</source>
            <extracomment>%1 says why</extracomment>
            <translation>Die Optionen wurden nicht gespeichert. %1</translation>
        </message>
        <message>
            <source>The options were saved in %1, but Grovekeep could not read them back from %2, where it reads them at start-up.</source>
            <extracomment>%1 is the file written, %2 the file read at start-up</extracomment>
            <translation>Die Optionen wurden in %1 gespeichert, aber Grovekeep konnte sie nicht aus %2 zurücklesen, wo es sie beim Start liest.</translation>
        </message>
        <message>
            <source>The options were saved, but %1 holds no runblack.exe, so it may not be the game's folder. Grovekeep installs into it and starts the game from there: please check it.</source>
            <extracomment>%1 is the game's folder</extracomment>
            <translation>Die Optionen wurden gespeichert, aber %1 enthält keine runblack.exe und ist daher möglicherweise nicht der Ordner des Spiels. Grovekeep installiert in diesen Ordner und startet das Spiel von dort: Bitte überprüfen Sie ihn.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmReadme</name>
        <message>
            <source>Readme Files (*.txt)</source>
            <extracomment>A file dialog's filter: keep "(*.txt)" as it is</extracomment>
            <translation>Readme-Dateien (*.txt)</translation>
        </message>
        <message>
            <source>Grovekeep - Readme Creator</source>
            <translation>Grovekeep - Readme-Ersteller</translation>
        </message>
        <message>
            <source>Specify Type of File</source>
            <translation>Dateityp angeben</translation>
        </message>
        <message>
            <source>Title</source>
            <translation>Titel</translation>
        </message>
        <message>
            <source>Your Name</source>
            <translation>Ihr Name</translation>
        </message>
        <message>
            <source>Web Site Address</source>
            <translation>Adresse der Website</translation>
        </message>
        <message>
            <source>Description</source>
            <translation>Beschreibung</translation>
        </message>
        <message>
            <source>Other Comments</source>
            <translation>Weitere Kommentare</translation>
        </message>
        <message>
            <source>Thanks to..</source>
            <translation>Dank an...</translation>
        </message>
        <message>
            <source>Contact mail address</source>
            <translation>E-Mail-Adresse für Kontakt</translation>
        </message>
        <message>
            <source>Show File</source>
            <translation>Datei anzeigen</translation>
        </message>
        <message>
            <source>Save File</source>
            <translation>Datei speichern</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Go!</source>
            <translation>Los!</translation>
        </message>
        <message>
            <source>Enter Fields</source>
            <translation>Felder eingeben</translation>
        </message>
        <message>
            <source>Save Readme</source>
            <translation>Readme speichern</translation>
        </message>
        <message>
            <source>Exit Readme Creator</source>
            <translation>Readme-Ersteller beenden</translation>
        </message>
        <message>
            <source>Some characters of this readme cannot be written in the game's character set and would be written as "?".
Write the readme anyway?</source>
            <translation>Einige Zeichen dieses Readmes gibt es im Zeichensatz des Spiels nicht; sie würden als „?“ geschrieben.
Readme trotzdem speichern?</translation>
        </message>
        <message>
            <source>The readme has changes that are not saved.
Save them first?</source>
            <translation>Das Readme enthält nicht gespeicherte Änderungen.
Sollen sie zuerst gespeichert werden?</translation>
        </message>
    </context>
    <context>
        <name>gk::frmSplash</name>
        <message>
            <source>Black &amp; White content manager</source>
            <extracomment>Under the program's name on the splash picture; Black &amp; White is the game</extracomment>
            <translation>Inhaltsverwaltung für Black &amp; White</translation>
        </message>
        <message>
            <source>Beta 1 - version %1</source>
            <extracomment>%1 is the version number</extracomment>
            <translation>Beta 1 - Version %1</translation>
        </message>
    </context>
    <context>
        <name>gk::frmTattoo</name>
        <message>
            <source>Tattoos (*.bmp)</source>
            <extracomment>A file dialog's filter: keep "(*.bmp)" as it is</extracomment>
            <translation>Tätowierungen (*.bmp)</translation>
        </message>
        <message>
            <source>Please load a player profile first: click "&lt;&lt; Load Tatoos" and open the profile's helpstats.dat file.</source>
            <translation>Bitte laden Sie zuerst ein Spielerprofil: Klicken Sie auf „&lt;&lt; Tätowierungen laden“, und öffnen Sie die Datei helpstats.dat des Profils.</translation>
        </message>
        <message>
            <source>Grovekeep - Tattoos</source>
            <translation>Grovekeep - Tätowierungen</translation>
        </message>
        <message>
            <source>Tattoo %1 (%2)</source>
            <extracomment>%1 is the slot's number, %2 its file's name</extracomment>
            <translation>Tätowierung %1 (%2)</translation>
        </message>
        <message>
            <source>Replace tattoo %1</source>
            <translation>Tätowierung %1 ersetzen</translation>
        </message>
        <message>
            <source>Replace tattoo %1 (%2) with a bitmap you choose</source>
            <extracomment>%1 is the slot's number, %2 its file's name</extracomment>
            <translation>Tätowierung %1 (%2) durch eine Bitmap Ihrer Wahl ersetzen</translation>
        </message>
        <message>
            <source>Load Tatoo &gt;&gt;</source>
            <translation>Tätowierung laden &gt;&gt;</translation>
        </message>
        <message>
            <source>&lt;&lt; Load Tatoos</source>
            <translation>&lt;&lt; Tätowierungen laden</translation>
        </message>
        <message>
            <source>Edit Tatoo with...</source>
            <translation>Tätowierung bearbeiten mit...</translation>
        </message>
        <message>
            <source>Create Readme</source>
            <translation>Readme erstellen</translation>
        </message>
        <message>
            <source>Test Tatoo</source>
            <translation>Tätowierung testen</translation>
        </message>
        <message>
            <source>Submit Tatoo</source>
            <translation>Tätowierung einreichen</translation>
        </message>
        <message>
            <source>Get Tatoo Help</source>
            <translation>Tätowierungshilfe holen</translation>
        </message>
        <message>
            <source>Find Tatoos</source>
            <translation>Tätowierungen finden</translation>
        </message>
        <message>
            <source>Tattoo being tried</source>
            <translation>Tätowierung im Test</translation>
        </message>
        <message>
            <source>The file last loaded</source>
            <translation>Die zuletzt geladene Datei</translation>
        </message>
        <message>
            <source>Current Stored Tatoos:</source>
            <translation>Aktuell gespeicherte Tätowierungen:</translation>
        </message>
        <message>
            <source>Click on the '...' button to load in picture. You can have a maximum of 16 tatoos in your Black and White directory at one time! You can test a tatoo before it is installed by clicking Load Tatooand the graphic will apper in the test area at the side.</source>
            <translation>Klicken Sie auf die Schaltfläche „...“, um ein Bild zu laden. Sie können höchstens 16 Tätowierungen gleichzeitig im Verzeichnis von Black and White haben! Sie können eine Tätowierung testen, bevor sie installiert wird: Klicken Sie auf „Tätowierung laden &gt;&gt;“, dann erscheint die Grafik im Testbereich an der Seite.</translation>
        </message>
        <message>
            <source>To load in a player profile click Load Tatoos find the player directory and open the helpstats.dat file. NOTE this file will not be edited.</source>
            <translation>Um ein Spielerprofil zu laden, klicken Sie auf „&lt;&lt; Tätowierungen laden“, wechseln Sie in das Spielerverzeichnis, und öffnen Sie die Datei helpstats.dat. HINWEIS: Diese Datei wird nicht bearbeitet.</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Open Tatoo</source>
            <translation>Tätowierung öffnen</translation>
        </message>
        <message>
            <source>Install Tatoo</source>
            <translation>Tätowierung installieren</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Edit</source>
            <translation>Bearbeiten</translation>
        </message>
        <message>
            <source>Manage</source>
            <translation>Verwalten</translation>
        </message>
        <message>
            <source>Map</source>
            <translation>Karte</translation>
        </message>
        <message>
            <source>Landscape</source>
            <translation>Landschaft</translation>
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
            <translation>Extras</translation>
        </message>
        <message>
            <source>Readme Creator</source>
            <translation>Readme-Ersteller</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>Optionen</translation>
        </message>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Updates</source>
            <translation>Aktualisierungen</translation>
        </message>
        <message>
            <source>Tatoo Help</source>
            <translation>Tätowierungshilfe</translation>
        </message>
        <message>
            <source>Contents</source>
            <translation>Inhalt</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>its pixels cannot be read</source>
            <extracomment>Why a file is not a complete Windows bitmap</extracomment>
            <translation>ihre Pixel können nicht gelesen werden</translation>
        </message>
        <message>
            <source>%1 is not a complete Windows bitmap (%2), so it was not used as a tattoo. Nothing was written.</source>
            <extracomment>%1 is the file's path, %2 what is wrong with it</extracomment>
            <translation>%1 ist keine vollständige Windows-Bitmap (%2) und wurde daher nicht als Tätowierung verwendet. Es wurde nichts geschrieben.</translation>
        </message>
        <message>
            <source>Please open a tattoo first with "Load Tatoo &gt;&gt;"; it is shown in the test area.</source>
            <translation>Bitte öffnen Sie zuerst eine Tätowierung mit „Tätowierung laden &gt;&gt;“; sie wird im Testbereich angezeigt.</translation>
        </message>
        <message>
            <source>All sixteen tattoo slots are in use. Use the "..." button of the slot you want to replace.</source>
            <translation>Alle sechzehn Tätowierungsplätze sind belegt. Verwenden Sie die Schaltfläche „...“ des Platzes, den Sie ersetzen möchten.</translation>
        </message>
    </context>
    <context>
        <name>gk::frmUpdate</name>
        <message>
            <source>Grovekeep - Updates</source>
            <translation>Grovekeep - Aktualisierungen</translation>
        </message>
        <message>
            <source>You can use This Update feature to check if this program has been updated if it has then you can download the new version or stick with the current one.</source>
            <translation>Mit dieser Aktualisierungsfunktion können Sie prüfen, ob es eine neue Version dieses Programms gibt. Wenn ja, können Sie die neue Version herunterladen oder bei der aktuellen bleiben.</translation>
        </message>
        <message>
            <source>Update page</source>
            <translation>Aktualisierungsseite</translation>
        </message>
        <message>
            <source>Checking for Updates</source>
            <translation>Suche nach Aktualisierungen</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
    </context>
    <context>
        <name>gk::help::frmHelp</name>
        <message>
            <source>Grovekeep - Help</source>
            <translation>Grovekeep - Hilfe</translation>
        </message>
        <message>
            <source>Back</source>
            <translation>Zurück</translation>
        </message>
        <message>
            <source>Back to the page opened before</source>
            <translation>Zurück zur zuvor geöffneten Seite</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>Stopp</translation>
        </message>
        <message>
            <source>Stop loading the page</source>
            <translation>Laden der Seite abbrechen</translation>
        </message>
        <message>
            <source>Forward</source>
            <translation>Vorwärts</translation>
        </message>
        <message>
            <source>Forward to the page opened next</source>
            <translation>Vorwärts zur danach geöffneten Seite</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>Load the page and the list of pages again</source>
            <translation>Seite und Seitenliste neu laden</translation>
        </message>
        <message>
            <source>Double-click a page to open it</source>
            <translation>Doppelklicken Sie auf eine Seite, um sie zu öffnen</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Updates</source>
            <extracomment>Opens Grovekeep's web page of updates</extracomment>
            <translation>Aktualisierungen</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>This Help program is part of Grovekeep %1. Copyright (c) 2026 The Grovekeep developers.</source>
            <extracomment>%1 is Grovekeep's version number</extracomment>
            <translation>Dieses Hilfeprogramm ist Teil von Grovekeep %1. Copyright (c) 2026 Die Grovekeep-Entwickler.</translation>
        </message>
        <message>
            <source>Not a help page</source>
            <extracomment>The title of a page the viewer shows in place of a file that is no page</extracomment>
            <translation>Keine Hilfeseite</translation>
        </message>
        <message numerus="yes">
            <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 bytes).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</source>
            <extracomment>%1 is the file's name, %2 its size in bytes (which may be beyond the count's range: the plural form follows %2)</extracomment>
            <translation>
                <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; ist keine Seite dieser Hilfe: Die Datei enthält Daten, die hier nicht angezeigt werden können (%2 Byte).&lt;/p&gt;&lt;p&gt;Doppelklicken Sie auf eine Seite in der Liste links.&lt;/p&gt;</numerusform>
                <numerusform>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; ist keine Seite dieser Hilfe: Die Datei enthält Daten, die hier nicht angezeigt werden können (%2 Byte).&lt;/p&gt;&lt;p&gt;Doppelklicken Sie auf eine Seite in der Liste links.&lt;/p&gt;</numerusform>
            </translation>
        </message>
        <message>
            <source>Help could not open %1. Please open it in your web browser.</source>
            <extracomment>%1 is a web address</extracomment>
            <translation>Die Hilfe konnte %1 nicht öffnen. Bitte öffnen Sie die Adresse in Ihrem Webbrowser.</translation>
        </message>
        <message>
            <source>No page here</source>
            <translation>Hier ist keine Seite</translation>
        </message>
        <message>
            <source>&lt;p&gt;There is no page at this place in the history.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;Forward&lt;/b&gt; to return to the pages you opened, or double-click a page in the list on the left.&lt;/p&gt;</source>
            <extracomment>Forward is the caption of the button of that name</extracomment>
            <translation>&lt;p&gt;An dieser Stelle des Verlaufs gibt es keine Seite.&lt;/p&gt;&lt;p&gt;Klicken Sie auf &lt;b&gt;Vorwärts&lt;/b&gt;, um zu den geöffneten Seiten zurückzukehren, oder doppelklicken Sie auf eine Seite in der Liste links.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds these pages:&lt;/p&gt;</source>
            <extracomment>%1 is the folder; the list of its pages follows</extracomment>
            <translation>&lt;p&gt;Der Hilfeordner &lt;tt&gt;%1&lt;/tt&gt; enthält diese Seiten:&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds no pages.&lt;/p&gt;</source>
            <extracomment>%1 is the folder</extracomment>
            <translation>&lt;p&gt;Der Hilfeordner &lt;tt&gt;%1&lt;/tt&gt; enthält keine Seiten.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Help pages</source>
            <translation>Hilfeseiten</translation>
        </message>
        <message>
            <source>The help pages are missing</source>
            <translation>Die Hilfeseiten fehlen</translation>
        </message>
        <message>
            <source>&lt;p&gt;Help keeps its pages in the folder &lt;b&gt;HelpFiles&lt;/b&gt; beside the Help program, but that folder was not found. Help looked for it here:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Install Grovekeep again, or copy its &lt;b&gt;HelpFiles&lt;/b&gt; folder to that place, then press &lt;b&gt;Refresh&lt;/b&gt;.&lt;/p&gt;</source>
            <extracomment>HelpFiles is a folder's name and stays as it is; %1 is the folder Help looked for; Refresh is the caption of the button of that name</extracomment>
            <translation>&lt;p&gt;Die Hilfe bewahrt ihre Seiten im Ordner &lt;b&gt;HelpFiles&lt;/b&gt; neben dem Hilfeprogramm auf, aber dieser Ordner wurde nicht gefunden. Die Hilfe hat hier danach gesucht:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Installieren Sie Grovekeep erneut, oder kopieren Sie seinen Ordner &lt;b&gt;HelpFiles&lt;/b&gt; an diese Stelle, und klicken Sie dann auf &lt;b&gt;Aktualisieren&lt;/b&gt;.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not in the help folder &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
            <extracomment>%1 is the page's name, %2 the help folder</extracomment>
            <translation>&lt;p&gt;Die Seite &lt;b&gt;%1&lt;/b&gt; befindet sich nicht im Hilfeordner &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Doppelklicken Sie auf eine Seite in der Liste links, um sie zu öffnen.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;There is no page &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
            <extracomment>%1 is the page's whole path</extracomment>
            <translation>&lt;p&gt;Es gibt keine Seite &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Doppelklicken Sie auf eine Seite in der Liste links, um sie zu öffnen.&lt;/p&gt;</translation>
        </message>
        <message>
            <source>Page not found</source>
            <translation>Seite nicht gefunden</translation>
        </message>
    </context>
</TS>

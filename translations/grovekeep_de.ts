<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 is the option as it was given</extracomment>
        <translation type="unfinished"></translation>
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
        <extracomment>The text of &quot;grovekeep --help&quot;. Keep the command, option and file names as they are and the lines at most 80 characters wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>%1 is still waiting to be installed.
Show it in the installer?</source>
        <extracomment>%1 is the file&apos;s name, in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files are still waiting to be installed: %2.
Show the next one in the installer?</source>
        <extracomment>%1 is how many files wait (two or more), %2 their names</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <extracomment>%1 is the file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file was backed and then installed to the correct directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file was installed to the correct directory. The game had no file of that name, so there was nothing to back up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Grovekeep changes no file until it can.</source>
        <extracomment>%1 says why the interrupted change could not be rolled back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It %1.</source>
        <extracomment>%1 is what the change store did with a later version of a file (&quot;kept your later version of ... in the history (...)&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not rolled back: %1.</source>
        <extracomment>%1 names a file and says why it could not be put back</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep was stopped in the middle of a change the last time it ran. The change was undone:

%1</source>
        <extracomment>%1 lists the operations rolled back, one a line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep was stopped in the middle of a change the last time it ran, and the change could not be undone whole. What each file held is kept in the history:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please tell Grovekeep where Black and White and Grovekeep are located (Tools &gt; Options) first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please tell Grovekeep where it is located (Tools &gt; Options) first.</source>
        <translation type="unfinished"></translation>
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
  extract PACKAGE DIR       writes each entry&apos;s contents to DIR/title
  pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                            writes a new package carrying the files
  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                            installs a package into the game folder
  history                   one line per operation, newest first
  undo ID [--force]         undoes an operation as a whole
  verify [ID] [--store]     whether each file is as an operation left it
  prune --older-than DAYS   frees the history of old operations

&apos;grovekeep-vif COMMAND --help&apos; describes a command; --version prints the version.
An option&apos;s value follows it or an equals sign (--game-folder=DIR); after --, every
argument is a name, even one beginning with a hyphen.
With --json, list, install --dry-run, history and verify print one JSON document
instead of lines; grovekeep-vif(1) describes its shape.
The Grovekeep folder (--manager-folder) and the game folder (--game-folder) default to
the first two lines of options.txt in Grovekeep&apos;s own folder: this program&apos;s folder
when it is portable, the user&apos;s data folder when it is installed; never the working
folder. The history changes files only in the game folder it is given and in the
Grovekeep folder. While another Grovekeep or grovekeep-vif is at work on the history,
a command waits for it, and says so on stderr after a second.
Exit status: 0 done, 1 refused or failed (nothing was changed), 2 usage error.
</source>
        <extracomment>The text of &quot;grovekeep-vif --help&quot;. In all these texts keep as they are: the program, command and option names, the words in capitals standing for values, the words of the output in quotes, the JSON keys and the file names; lines at most 80 characters wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif list PACKAGE [--json]
Prints one line per entry, in file order: the install path, a tab, the title, a tab,
and the size of the contents in bytes. Broken entries are reported on stderr.
  --json   prints a JSON array instead, one object per entry: index (from 1),
           installPath, title, size, and problem for a broken entry
Exit status: 0 when every entry is sound, 1 otherwise or when PACKAGE is not a package.
</source>
        <extracomment>The text of &quot;grovekeep-vif list --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif extract PACKAGE DIR [--manager-folder DIR]
Writes each entry&apos;s contents, byte for byte, to DIR/title (DIR is created when
missing) and prints each file written. A file of the same name is replaced only where
the Grovekeep folder is known, whose history keeps what it held. Nothing is written
when an entry is broken or its title cannot be used as a file name.
Exit status: 0 done, 1 refused or failed (nothing was written), 2 usage error.
</source>
        <extracomment>The text of &quot;grovekeep-vif extract --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]
                          [--manager-folder DIR]
Writes a new package PACKAGE with one entry per FILE, in order, titled with FILE&apos;s
name and to be installed at INSTALL_PATH (a path inside a Wine prefix&apos;s drive_c is
written as Windows sees it, C:\...). Large files are read piece by piece, never held
whole. An existing PACKAGE is replaced only where the Grovekeep folder is known.
Nothing is written when a file cannot be carried.
  --files-from LIST   takes more files from LIST (- for standard input), after the
                      pairs given here: one FILE, a tab and its INSTALL_PATH a line,
                      in UTF-8; empty lines are skipped
Exit status: 0 done, 1 refused or failed, 2 usage error.
</source>
        <extracomment>The text of &quot;grovekeep-vif pack --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]
                             [--json]
Installs every entry of PACKAGE below the game folder, as Grovekeep&apos;s installer does,
as one operation of the Grovekeep folder&apos;s history, which keeps what every replaced
file held; a copy of each entry goes to Backup/vif/TITLE.
Prints one line per entry: &apos;add TARGET&apos;, &apos;replace TARGET&apos; (followed by &apos;(installed by
WHAT on DATE)&apos; when an earlier operation wrote it) or &apos;refused: REASON&apos;.
  --dry-run   prints the same lines and writes nothing
  --json      with --dry-run only: prints a JSON object instead, the package (name,
              sha256), whether it is installable, and its entries (index, action,
              installPath, title, target, reason, installedBy)
Exit status: 0 installed (or would be), 1 refused or failed (nothing was changed),
2 usage error.
</source>
        <extracomment>The text of &quot;grovekeep-vif install --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif history [--manager-folder DIR] [--json]
Prints one line per operation of the history, newest first: its id, a tab, its local
time (ISO 8601), a tab, its state (complete, undone, rolled-back, under-way), a tab,
the number of files, a tab, and what it was. A record that cannot be read is listed
as &apos;ID&lt;tab&gt;-&lt;tab&gt;unreadable&lt;tab&gt;-&lt;tab&gt;WHY&apos;.
  --json   prints a JSON array instead, one object per operation: id, time, state,
           kind, what, files, and package, undoes, undoneBy and note when known; an
           unreadable record as id, state &quot;unreadable&quot; and problem
Exit status: 0 when every record could be read, 1 otherwise.
</source>
        <extracomment>The text of &quot;grovekeep-vif history --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif undo ID [--force] [--manager-folder DIR]
Undoes operation ID as a whole, itself recorded as an operation (which can be undone
in turn). Refused while a later operation changed one of its files (undo that one
first) or while one of its files has changed since; --force undoes it all the same in
the second case.
Exit status: 0 undone, 1 refused (the reasons on stderr, nothing changed).
</source>
        <extracomment>The text of &quot;grovekeep-vif undo --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif verify [ID | --store] [--manager-folder DIR] [--json]
Prints one line per file of operation ID (without ID, per file Grovekeep has written,
against the operation that wrote it last): intact, changed, missing or unreadable, a
tab, and the path (for unreadable, another tab and why). A record that cannot be read
is one unreadable line naming the record.
  --store  checks every content the history keeps against its SHA-256 instead: one
           &apos;damaged&apos; line per content that does not match, then a count
  --json   prints a JSON array instead, one object per file: operation, state, role,
           path, and problem when unreadable (with --store: objects and damaged)
Exit status: 0 when every file (or kept content) is intact, 1 otherwise.
</source>
        <extracomment>The text of &quot;grovekeep-vif verify --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: grovekeep-vif prune --older-than DAYS [--even-installed] [--dry-run]
                           [--manager-folder DIR]
Removes the records of operations older than DAYS and the contents no remaining record
needs, and prints what it freed. An operation whose files are still installed is kept
unless --even-installed. Refused, freeing nothing, while a record cannot be read:
what it keeps may be the only copy of a file.
</source>
        <extracomment>The text of &quot;grovekeep-vif prune --help&quot;; see the first of these texts</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <extracomment>%1 is an option&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a number.</source>
        <extracomment>%1 is an option&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a folder.</source>
        <extracomment>%1 is an option&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for another Grovekeep or grovekeep-vif to finish...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interrupted change was undone. %1</source>
        <extracomment>%1 says what the change was and what became of its files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Not rolled back: %1</source>
        <extracomment>Indented under &quot;An interrupted change was undone.&quot;; %1 is the file and why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Grovekeep folder is not known: give --manager-folder or set it in options.txt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list takes one package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the list of entries: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extract takes a package and a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was extracted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the list on standard input: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the list %1: %2.</source>
        <extracomment>%1 is the list&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list on standard input, line %1: %2.</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with the line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list on standard input, line %1: %2</source>
        <extracomment>%1 is the line&apos;s number, %2 what is wrong with the line (which ends with its own full stop)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list %1, line %2: %3.</source>
        <extracomment>%1 is the list&apos;s file, %2 the line&apos;s number, %3 what is wrong with the line</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list %1, line %2: %3</source>
        <extracomment>%1 is the list&apos;s file, %2 the line&apos;s number, %3 what is wrong with the line (which ends with its own full stop)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the list on standard input at line %1: %2.</source>
        <extracomment>%1 is the line&apos;s number, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the list %1 at line %2: %3.</source>
        <extracomment>%1 is the list&apos;s file, %2 the line&apos;s number, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>What is wrong with a line of a list of files; %1 is a number above 60000</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>What is wrong with a line of a list of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tab separates the file from its install path</source>
        <extracomment>What is wrong with a line of a list of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is missing before the tab</source>
        <extracomment>What is wrong with a line of a list of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the install path is missing after the tab</source>
        <extracomment>What is wrong with a line of a list of files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from is given twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--files-from needs a file (- for standard input).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pack takes a package and pairs of FILE INSTALL_PATH, or --files-from LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list names no files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install needs a package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>install takes one package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json describes what would be installed: give it with --dry-run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game folder is not known: give %1 or set it in options.txt.</source>
        <extracomment>%1 is the option that gives the folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Grovekeep folder is not known: give %1 or set it in options.txt.</source>
        <extracomment>%1 is the option that gives the folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was installed: the package has entries that cannot be installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package would not be installed. %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package was not installed. %1</source>
        <extracomment>%1 is why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history takes no arguments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some records of the history cannot be read; they are listed as unreadable, with why.</source>
        <extracomment>&quot;unreadable&quot; is the word of the output&apos;s lines and stays as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo takes the id of one operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verify takes the id of one operation, --store, or neither.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prune needs --older-than DAYS.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Grovekeep</source>
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
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start %1: the program does not exist.</source>
        <extracomment>%1 is the program&apos;s path, in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start %1: Windows programs need Wine, and Wine is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start %1: the Wine prefix %2 does not exist. Create it (run winecfg once) or install the program into a prefix.</source>
        <extracomment>%1 is the program&apos;s path, %2 the Wine prefix&apos;s folder, both in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wine prefix %1 was last updated by another Wine: %2. Starting %3 with %4 would update the prefix for that Wine, and the launcher that keeps it may then no longer start its games.</source>
        <extracomment>%1 is the Wine prefix&apos;s folder, %2 the Wine that last updated it, %3 the program and %4 the Wine that would start it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not started: its Wine prefix belongs to another Wine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start %1: %2.</source>
        <extracomment>%1 is the program&apos;s path, %2 why the system could not start it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: this system has no program that opens addresses (xdg-open, of the xdg-utils package, is not installed).</source>
        <extracomment>%1 is a web address or a folder&apos;s address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: no program on this system opens it (xdg-open ended with code %2). Please open it yourself.</source>
        <extracomment>%1 is the address, %2 the exit code of xdg-open</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the address, %2 why the system could not open it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: no program on this system opens it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Programs</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is one or more places already named, %2 one more place</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help viewer is missing. Grovekeep looked for it at %1.</source>
        <extracomment>%1 names the places the help viewer was looked for</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebEngine</name>
    <message>
        <source>the connection was interrupted</source>
        <extracomment>Why a download failed, shown in brackets after &quot;The download of FILE failed&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>%1 was opened in your web browser.</source>
        <extracomment>%1 is the address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A package you download there is installed by dropping it on Grovekeep&apos;s window, or by opening it with Grovekeep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open it again: %1</source>
        <extracomment>%1 is the address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened in your web browser: %2</source>
        <extracomment>%1 is the address, %2 why it could not be opened</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again: %1, or copy the address into your browser.</source>
        <extracomment>%1 is the address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep&apos;s own web browser is not available: its web engine module could not be loaded (%1).</source>
        <extracomment>%1 says why the module could not be loaded</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep&apos;s own web browser is not part of this build of Grovekeep.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::DownloadBar</name>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files (*.%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the downloaded file&apos;s extension (&quot;vif&quot;); keep &quot;(*.%1)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the download bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until %1 has been downloaded, or cancel that download first.
%2 was not downloaded.</source>
        <extracomment>%1 is the file being downloaded, %2 the one refused, both in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait until the file being saved has been downloaded, or cancel that download first.
%1 was not downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Download As</source>
        <extracomment>The title of the file dialog that saves a download</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Grovekeep replaces a file only when it can keep its present contents in its history, and it does not know where its own folder is yet.
Choose another name, or set Grovekeep&apos;s folder first (Tools &gt; Options). Nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be downloaded: no temporary folder could be made for it. Nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <extracomment>%1 is the file&apos;s name, %2 the size received so far, %3 the whole size</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading %1: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the size received so far</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is still being downloaded.
Stop the download and close the window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved in %2. The file it replaced is kept in Grovekeep&apos;s history.</source>
        <extracomment>%1 is the file&apos;s name, %2 its folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has been downloaded.
Do you want to install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download of %1 was cancelled. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download of %1 failed (%2).
Nothing was saved.</source>
        <extracomment>%1 is the file&apos;s name, %2 why the download failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download of %1 ended, but the file it was written to is missing.
Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was downloaded, but could not be saved:
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 why it could not be saved</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::LargeTextEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmAbout</name>
    <message>
        <source>Grovekeep is free software under the MIT License. You may use, copy, modify and share it, provided that the copyright notice and this permission notice are kept with it. It comes without any warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Grovekeep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep Version %1</source>
        <extracomment>%1 is the version number (&quot;1.4.0&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming - Rowan Alder</source>
        <extracomment>Credits: keep the names as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Town Creator and Testing - Hazel Birch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosting - Fernlow , Marrowby</source>
        <extracomment>Credits: Fernlow and Marrowby are the names of web sites</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a bug? Click me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmBrowser</name>
    <message>
        <source>Grovekeep - Web Browser</source>
        <extracomment>%1 is the title of the page shown</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page&apos;s address: type another and press Enter or Go (Ctrl+L comes here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep - Web Browser - %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmExtra</name>
    <message>
        <source>Grovekeep - Skin / Landscape Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Skins With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Lands With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BELOW: This is the current landscape (lnd) file you are viewing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BELOW: This is the current Skin (l3d) file you are viewing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The landscape loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The skin loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lionhead Land Files (*.lnd)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.lnd)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a landscape file (.lnd), so it was not loaded.</source>
        <extracomment>%1 is the chosen file&apos;s path, in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please load a landscape first; it is installed under its own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lionhead Skin Files (*.l3d)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.l3d)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a skin file (.l3d), so it was not loaded.</source>
        <extracomment>%1 is the chosen file&apos;s path, in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please load a skin first; it is installed under its own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmHistory</name>
    <message>
        <source>Grovekeep - History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>A column of the list of operations: when each was made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <extracomment>A column of the list of operations: what each did</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <extracomment>A column of the list of operations: how many files each wrote</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <extracomment>A column of the list of operations: complete, undone...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>A column of the list of an operation&apos;s files: the file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A column of the list of an operation&apos;s files: added, replaced, removed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <extracomment>A column of the list of an operation&apos;s files: what Verify found the file to be now</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back what the operation&apos;s files held before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check whether each file is as the operation left it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show in folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the folder of the selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Free space...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove old operations from the history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation %1: its record cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <extracomment>The state of an operation whose record cannot be read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No change has been recorded yet. Every file Grovekeep installs, replaces or saves is recorded here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n operations of the history cannot be read.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Operation %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Operation %1, %2: %3, %n files, %4.%5</source>
        <extracomment>%1 is the operation&apos;s number, %2 its time, %3 what it did, %4 its state, %5 its note (with a space before it) or nothing</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Every file of operation %1 is as it left it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Operation %1: %2 of %n files are as it left them; %3 could not be read: %4</source>
        <extracomment>%1 is the operation&apos;s number, %2 how many of its files are intact, %3 how many could not be read, %4 why the first of them could not</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Operation %1: %2 of %n files are as it left them; the others have changed since or are missing.</source>
        <extracomment>%1 is the operation&apos;s number, %2 how many of its files are intact</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Its file gets back what it held before it; what it holds now is kept in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its %1 files get back what they held before it; what they hold now is kept in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo operation %1 (%2)?
%3</source>
        <extracomment>%1 is the operation&apos;s number, %2 what it did, %3 what undoing does</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation %1 was not undone. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Undo it anyway? What these files hold now is kept in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation %1 was undone (by operation %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free the space of the history&apos;s operations:</source>
        <extracomment>Followed by a list to choose from: &quot;older than 30 days&quot;, &quot;all of it&quot;...</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n operations of these installed files that are still in place; without their record they cannot be undone.
Remove their records too?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There is nothing to free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove %n operations from the history and free %1?</source>
        <extracomment>%1 is a size (&quot;1.5 MiB&quot;)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n operations removed; %1 freed.</source>
        <extracomment>%1 is a size (&quot;1.5 MiB&quot;)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::frmInstall</name>
    <message>
        <source>Grovekeep - Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install a Black and White file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a Black a Grovekeep installation File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Grovekeep Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse the Web for Black and White files. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file type set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the installation changed, and the way to undo it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installs to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the selected file out of the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Grovekeep - Installer (%n more files waiting)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>please select a valid filetype or create a &apos;.vif&apos; to inmstall these files automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing... Cancel stops the installation and changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was installed: this package has entries that cannot be installed.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package was not installed. %1</source>
        <extracomment>%1 says why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The package was installed: %n files. What every replaced file held is kept in the history. Choose another file with &quot;...&quot; to install it.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is a file&apos;s path, %2 says which installation wrote it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package was installed. It replaced files that earlier installations wrote:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the package... Cancel stops the installation and changes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The package being made lists %n files. Close the installer and drop the list?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A package is being installed. Cancel the installation? Nothing will be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To install tattoos you must use the tatto manager..Follow the instructions at the bottom of the screen to install and manage them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where should %1 be installed in the game?</source>
        <extracomment>The title of the file dialog that asks where a file of a new package goes; %1 is the file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving file to directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your file was saved and Backed up!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmMDI</name>
    <message>
        <source>Grovekeep Beta 1 - Welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Marrowby</source>
        <extracomment>Marrowby and Fernlow are the names of web sites about the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Fernlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <extracomment>Map, Landscape, Skin and Tatoo open the managers of those kinds of content</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tatoo</source>
        <extracomment>The tattoo manager (the word is spelt so in this caption)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <extracomment>Opens the history of the changes Grovekeep made to the files</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment and Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discuss in Forums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Welcome to Grovekeep </source>
        <extracomment>The status bar&apos;s text; the spaces at either end keep it off the bar&apos;s edges</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Grovekeep installs packages (.vif), maps (.txt), landscapes (.lnd) and skins (.l3d); %1 are none of these.</source>
        <extracomment>%1 lists the files, each quoted, separated by &quot;, &quot;; the count is the number of files</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>gk::frmMap</name>
    <message>
        <source>Black and White Maps (*.txt)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.txt)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep Beta 1 - Maps[*]</source>
        <extracomment>&quot;[*]&quot; stands where a &quot;*&quot; shows while the map has unsaved changes: keep it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install this Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Map with... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Map Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Map idea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Map Directory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Map with...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tattoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed on disk. Your edits in this window are kept but not saved: use Save Map to keep them, or Load Map to see what the file holds now.</source>
        <extracomment>%1 is the map&apos;s path, in quotes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer on disk. The text in this window is kept but not saved: use Save Map to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1...</source>
        <extracomment>%1 is the map&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map has changes that are not saved.
Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters of this map cannot be written in the game&apos;s character set and would be written as &quot;?&quot;.
Write the map anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No map is loaded in this window, so nothing was installed. Load a map first: Install this Map installs it under the name of the map opened with Load Map.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmOptions</name>
    <message>
        <source>All files (*.*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.*)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and White (runblack.exe)</source>
        <extracomment>A file dialog&apos;s filter: the game&apos;s name, with its program &quot;(runblack.exe)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exeFiles (*.exe)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.exe)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exe Files (*.exe)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.exe)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tatoo Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is Black and White located?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is Grovekeep located?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is your default Map editor Located? (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is your Default Landscape Editor Located? (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is your Default Tattoo Editor Located? (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where is your Default Skin Editor Located? (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which Wine starts Windows programs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s wine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty for the system&apos;s wine, a wine program of a Wine build, or a launcher&apos;s command (the program is added at its end)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the game...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep changes its language at its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose: %1</source>
        <extracomment>What a screen reader says of a &quot;...&quot; button; %1 is the caption of the field it fills</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter some details so Grovekeep can operate functionally</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and White was not found. Grovekeep looked in the usual install places of the fixed drives. Please choose its runblack.exe with &quot;...&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and White was not found. Grovekeep looked in the usual install places of the Wine prefixes of Wine, Lutris, Bottles, Heroic, Steam and PlayOnLinux. Please choose its runblack.exe with &quot;...&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and White was found in %1 places. Which one do you play?</source>
        <extracomment>%1 is a number above one</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter where Grovekeep is located. The options are saved in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options were not saved. %1</source>
        <extracomment>%1 says why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options were saved in %1, but Grovekeep could not read them back from %2, where it reads them at start-up.</source>
        <extracomment>%1 is the file written, %2 the file read at start-up</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options were saved, but %1 holds no runblack.exe, so it may not be the game&apos;s folder. Grovekeep installs into it and starts the game from there: please check it.</source>
        <extracomment>%1 is the game&apos;s folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmReadme</name>
    <message>
        <source>Readme Files (*.txt)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.txt)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep - Readme Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify Type of File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Site Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks to..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Readme Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some characters of this readme cannot be written in the game&apos;s character set and would be written as &quot;?&quot;.
Write the readme anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readme has changes that are not saved.
Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmSplash</name>
    <message>
        <source>Black &amp; White content manager</source>
        <extracomment>Under the program&apos;s name on the splash picture; Black &amp; White is the game</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta 1 - version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmTattoo</name>
    <message>
        <source>Tattoos (*.bmp)</source>
        <extracomment>A file dialog&apos;s filter: keep &quot;(*.bmp)&quot; as it is</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please load a player profile first: click &quot;&lt;&lt; Load Tatoos&quot; and open the profile&apos;s helpstats.dat file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grovekeep - Tattoos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tattoo %1 (%2)</source>
        <extracomment>%1 is the slot&apos;s number, %2 its file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace tattoo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace tattoo %1 (%2) with a bitmap you choose</source>
        <extracomment>%1 is the slot&apos;s number, %2 its file&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Tatoo &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Load Tatoos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Tatoo with...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Tatoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Tatoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Tatoo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Tatoos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tattoo being tried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file last loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Stored Tatoos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on the &apos;...&apos; button to load in picture. You can have a maximum of 16 tatoos in your Black and White directory at one time! You can test a tatoo before it is installed by clicking Load Tatooand the graphic will apper in the test area at the side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To load in a player profile click Load Tatoos find the player directory and open the helpstats.dat file. NOTE this file will not be edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tatoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Tatoo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tatoo Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pixels cannot be read</source>
        <extracomment>Why a file is not a complete Windows bitmap</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a complete Windows bitmap (%2), so it was not used as a tattoo. Nothing was written.</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open a tattoo first with &quot;Load Tatoo &gt;&gt;&quot;; it is shown in the test area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All sixteen tattoo slots are in use. Use the &quot;...&quot; button of the slot you want to replace.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::frmUpdate</name>
    <message>
        <source>Grovekeep - Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use This Update feature to check if this program has been updated if it has then you can download the new version or stick with the current one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gk::help::frmHelp</name>
    <message>
        <source>Grovekeep - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the page opened before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop loading the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward to the page opened next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the page and the list of pages again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a page to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <extracomment>Opens Grovekeep&apos;s web page of updates</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Help program is part of Grovekeep %1. Copyright (c) 2026 The Grovekeep developers.</source>
        <extracomment>%1 is Grovekeep&apos;s version number</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a help page</source>
        <extracomment>The title of a page the viewer shows in place of a file that is no page</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt; is not a page of this help: it holds data that cannot be shown here (%2 bytes).&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left.&lt;/p&gt;</source>
        <extracomment>%1 is the file&apos;s name, %2 its size in bytes (which may be beyond the count&apos;s range: the plural form follows %2)</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Help could not open %1. Please open it in your web browser.</source>
        <extracomment>%1 is a web address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no page at this place in the history.&lt;/p&gt;&lt;p&gt;Press &lt;b&gt;Forward&lt;/b&gt; to return to the pages you opened, or double-click a page in the list on the left.&lt;/p&gt;</source>
        <extracomment>Forward is the caption of the button of that name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds these pages:&lt;/p&gt;</source>
        <extracomment>%1 is the folder; the list of its pages follows</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help folder &lt;tt&gt;%1&lt;/tt&gt; holds no pages.&lt;/p&gt;</source>
        <extracomment>%1 is the folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Help keeps its pages in the folder &lt;b&gt;HelpFiles&lt;/b&gt; beside the Help program, but that folder was not found. Help looked for it here:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Install Grovekeep again, or copy its &lt;b&gt;HelpFiles&lt;/b&gt; folder to that place, then press &lt;b&gt;Refresh&lt;/b&gt;.&lt;/p&gt;</source>
        <extracomment>HelpFiles is a folder&apos;s name and stays as it is; %1 is the folder Help looked for; Refresh is the caption of the button of that name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not in the help folder &lt;tt&gt;%2&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
        <extracomment>%1 is the page&apos;s name, %2 the help folder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no page &lt;tt&gt;%1&lt;/tt&gt;.&lt;/p&gt;&lt;p&gt;Double-click a page in the list on the left to open it.&lt;/p&gt;</source>
        <extracomment>%1 is the page&apos;s whole path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

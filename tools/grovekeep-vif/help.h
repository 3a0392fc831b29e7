#pragma once

// What grovekeep-vif --help and COMMAND --help print, in English: translated where printed.
// The manual page (grovekeep-vif.1) says the same at length; a test checks that it names every
// command and option these do.

#include <QtGlobal>

namespace gk::cli {

//: The text of "grovekeep-vif --help". In all these texts keep as they are: the program,
//: command and option names, the words in capitals standing for values, the words of the
//: output in quotes, the JSON keys and the file names; lines at most 80 characters wide.
inline const char* const kOverview = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif COMMAND ARGUMENTS...\n"
    "Lists, extracts, packs and installs Grovekeep package files (.vif), and shows, undoes,\n"
    "verifies and prunes the history of the changes Grovekeep made.\n"
    "\n"
    "Commands:\n"
    "  list PACKAGE              one line per entry: install path, title, size in bytes\n"
    "  extract PACKAGE DIR       writes each entry's contents to DIR/title\n"
    "  pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]\n"
    "                            writes a new package carrying the files\n"
    "  install PACKAGE [--game-folder DIR] [--manager-folder DIR] [--dry-run]\n"
    "                            installs a package into the game folder\n"
    "  history                   one line per operation, newest first\n"
    "  undo ID [--force]         undoes an operation as a whole\n"
    "  verify [ID] [--store]     whether each file is as an operation left it\n"
    "  prune --older-than DAYS   frees the history of old operations\n"
    "\n"
    "'grovekeep-vif COMMAND --help' describes a command; --version prints the version.\n"
    "An option's value follows it or an equals sign (--game-folder=DIR); after --, every\n"
    "argument is a name, even one beginning with a hyphen.\n"
    "With --json, list, install --dry-run, history and verify print one JSON document\n"
    "instead of lines; grovekeep-vif(1) describes its shape.\n"
    "The Grovekeep folder (--manager-folder) and the game folder (--game-folder) default to\n"
    "the first two lines of options.txt in Grovekeep's own folder: this program's folder\n"
    "when it is portable, the user's data folder when it is installed; never the working\n"
    "folder. The history changes files only in the game folder it is given and in the\n"
    "Grovekeep folder. While another Grovekeep or grovekeep-vif is at work on the history,\n"
    "a command waits for it, and says so on stderr after a second.\n"
    "Exit status: 0 done, 1 refused or failed (nothing was changed), 2 usage error.\n");

//: The text of "grovekeep-vif list --help"; see the first of these texts
inline const char* const kListHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif list PACKAGE [--json]\n"
    "Prints one line per entry, in file order: the install path, a tab, the title, a tab,\n"
    "and the size of the contents in bytes. Broken entries are reported on stderr.\n"
    "  --json   prints a JSON array instead, one object per entry: index (from 1),\n"
    "           installPath, title, size, and problem for a broken entry\n"
    "Exit status: 0 when every entry is sound, 1 otherwise or when PACKAGE is not a package.\n");

//: The text of "grovekeep-vif extract --help"; see the first of these texts
inline const char* const kExtractHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif extract PACKAGE DIR [--manager-folder DIR]\n"
    "Writes each entry's contents, byte for byte, to DIR/title (DIR is created when\n"
    "missing) and prints each file written. A file of the same name is replaced only where\n"
    "the Grovekeep folder is known, whose history keeps what it held. Nothing is written\n"
    "when an entry is broken or its title cannot be used as a file name.\n"
    "Exit status: 0 done, 1 refused or failed (nothing was written), 2 usage error.\n");

//: The text of "grovekeep-vif pack --help"; see the first of these texts
inline const char* const kPackHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif pack PACKAGE [FILE INSTALL_PATH]... [--files-from LIST]\n"
    "                          [--manager-folder DIR]\n"
    "Writes a new package PACKAGE with one entry per FILE, in order, titled with FILE's\n"
    "name and to be installed at INSTALL_PATH (a path inside a Wine prefix's drive_c is\n"
    "written as Windows sees it, C:\\...). Large files are read piece by piece, never held\n"
    "whole. An existing PACKAGE is replaced only where the Grovekeep folder is known.\n"
    "Nothing is written when a file cannot be carried.\n"
    "  --files-from LIST   takes more files from LIST (- for standard input), after the\n"
    "                      pairs given here: one FILE, a tab and its INSTALL_PATH a line,\n"
    "                      in UTF-8; empty lines are skipped\n"
    "Exit status: 0 done, 1 refused or failed, 2 usage error.\n");

//: The text of "grovekeep-vif install --help"; see the first of these texts
inline const char* const kInstallHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif install PACKAGE [--game-folder DIR] [--manager-folder DIR] "
    "[--dry-run]\n"
    "                             [--json]\n"
    "Installs every entry of PACKAGE below the game folder, as Grovekeep's installer does,\n"
    "as one operation of the Grovekeep folder's history, which keeps what every replaced\n"
    "file held; a copy of each entry goes to Backup/vif/TITLE.\n"
    "Prints one line per entry: 'add TARGET', 'replace TARGET' (followed by '(installed by\n"
    "WHAT on DATE)' when an earlier operation wrote it) or 'refused: REASON'.\n"
    "  --dry-run   prints the same lines and writes nothing\n"
    "  --json      with --dry-run only: prints a JSON object instead, the package (name,\n"
    "              sha256), whether it is installable, and its entries (index, action,\n"
    "              installPath, title, target, reason, installedBy)\n"
    "Exit status: 0 installed (or would be), 1 refused or failed (nothing was changed),\n"
    "2 usage error.\n");

//: The text of "grovekeep-vif history --help"; see the first of these texts
inline const char* const kHistoryHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif history [--manager-folder DIR] [--json]\n"
    "Prints one line per operation of the history, newest first: its id, a tab, its local\n"
    "time (ISO 8601), a tab, its state (complete, undone, rolled-back, under-way), a tab,\n"
    "the number of files, a tab, and what it was. A record that cannot be read is listed\n"
    "as 'ID<tab>-<tab>unreadable<tab>-<tab>WHY'.\n"
    "  --json   prints a JSON array instead, one object per operation: id, time, state,\n"
    "           kind, what, files, and package, undoes, undoneBy and note when known; an\n"
    "           unreadable record as id, state \"unreadable\" and problem\n"
    "Exit status: 0 when every record could be read, 1 otherwise.\n");

//: The text of "grovekeep-vif undo --help"; see the first of these texts
inline const char* const kUndoHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif undo ID [--force] [--manager-folder DIR]\n"
    "Undoes operation ID as a whole, itself recorded as an operation (which can be undone\n"
    "in turn). Refused while a later operation changed one of its files (undo that one\n"
    "first) or while one of its files has changed since; --force undoes it all the same in\n"
    "the second case.\n"
    "Exit status: 0 undone, 1 refused (the reasons on stderr, nothing changed).\n");

//: The text of "grovekeep-vif verify --help"; see the first of these texts
inline const char* const kVerifyHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif verify [ID | --store] [--manager-folder DIR] [--json]\n"
    "Prints one line per file of operation ID (without ID, per file Grovekeep has written,\n"
    "against the operation that wrote it last): intact, changed, missing or unreadable, a\n"
    "tab, and the path (for unreadable, another tab and why). A record that cannot be read\n"
    "is one unreadable line naming the record.\n"
    "  --store  checks every content the history keeps against its SHA-256 instead: one\n"
    "           'damaged' line per content that does not match, then a count\n"
    "  --json   prints a JSON array instead, one object per file: operation, state, role,\n"
    "           path, and problem when unreadable (with --store: objects and damaged)\n"
    "Exit status: 0 when every file (or kept content) is intact, 1 otherwise.\n");

//: The text of "grovekeep-vif prune --help"; see the first of these texts
inline const char* const kPruneHelp = QT_TRANSLATE_NOOP(
    "PackageTool",
    "Usage: grovekeep-vif prune --older-than DAYS [--even-installed] [--dry-run]\n"
    "                           [--manager-folder DIR]\n"
    "Removes the records of operations older than DAYS and the contents no remaining record\n"
    "needs, and prints what it freed. An operation whose files are still installed is kept\n"
    "unless --even-installed. Refused, freeing nothing, while a record cannot be read:\n"
    "what it keeps may be the only copy of a file.\n");

} // namespace gk::cli

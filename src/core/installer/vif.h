#pragma once

#include "base/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace gk::vif {

// Package files (".vif"): plain text in the game's code page (Windows-1252) with CR LF
// line ends, carrying any number of files. An entry reads, line by line:
//
//   ###Begin_VIF###
//   ###Install###<install path>###/Install###
//   ###Title###<title>###/Title###
//   <contents, exactly as the carried file's bytes>
//   ###End_VIF###
//
// and the package ends with one more CR LF after its last entry. Markers are matched exactly
// and case-sensitively. Contents are bytes: the reader drops the one line end that ends the
// title line and the one that precedes the end marker (CR LF, or a lone LF as some other
// writers use), so every file comes back exactly as it was added, binary files included.

inline const QByteArray BeginMarker = QByteArrayLiteral("###Begin_VIF###");
inline const QByteArray InstallMarker = QByteArrayLiteral("###Install###");
inline const QByteArray InstallEndMarker = QByteArrayLiteral("###/Install###");
inline const QByteArray TitleMarker = QByteArrayLiteral("###Title###");
inline const QByteArray TitleEndMarker = QByteArrayLiteral("###/Title###");
inline const QByteArray EndMarker = QByteArrayLiteral("###End_VIF###");
QList<QByteArray> markers();

struct PackEntry {
    QString installPath; // as the author chose it, decoded from Windows-1252
    QString title;       // the carried file's bare name
    QByteArray contents; // the carried file's bytes
};

// Appends one entry to `buffer` in the layout above. Refused, with `buffer` unchanged and a
// message naming the file and the reason: contents holding one of the six markers; an
// install path or title that is empty, holds a line break or a marker, or has a character
// that Windows-1252 cannot write; and a path or title that would join the marker beside it
// into another one ("x###/Install"): every entry written reads back exactly as given.
// `sourceName` names the carried file in messages.
Status AppendPackEntry(QByteArray& buffer, const QString& installPath, const QString& title,
                       const QByteArray& contents, const QString& sourceName = QString());

// A text is a package when "###Begin_VIF###" occurs in it anywhere.
bool isPackage(const QByteArray& text);

// Number of "###Begin_VIF###" occurrences (overlapping ones included), searched from the
// start of the text as the reader counts entries.
int CountPackEntries(const QByteArray& text);

// The progress-bar step per file written while installing: 100 / (2 x count); 0 for none.
double progressStep(int entryCount);

// One entry read from a package. `problem` is empty for a sound entry; otherwise it says
// what is wrong (a marker missing or out of order, a line break in the path or title, ...)
// and the other fields hold what could be read.
struct ReadEntry {
    PackEntry entry;
    QString problem;
    qsizetype nextSearchPos = 0; // just behind the entry's end marker (0-based); the end of
                                 // the text when a marker is missing
};

// Reads the entry found from `searchPos` (0-based): the first install marker at or after it,
// its closing marker, the title markers after that, and the first end marker after the
// title. Never reads outside `text`.
ReadEntry readNextEntry(const QByteArray& text, qsizetype searchPos);

struct Package {
    // Every entry read, in file order, broken ones included (with what could be read of
    // them): entries[n - 1] is entry n.
    QList<PackEntry> entries;
    // Parallel to `entries`: why each entry is broken, or empty for a sound one.
    QStringList entryProblems;
    // One line per broken entry: "Entry 2 ("hills.lnd"): the end marker is missing."
    QStringList problems;
    bool ok() const { return problems.isEmpty(); }
};

// "Entry 2 ("hills.lnd")", or "Entry 2" when the title is unknown or holds a line break: how
// messages name an entry.
QString entryLabel(int number, const QString& title);
// The same for an entry as read: named by its title, or by its install path when the title
// could not be read.
QString entryLabel(int number, const PackEntry& entry);

// Reads every entry of a package (CountPackEntries of them, from the start of the text).
// Text before the first entry is ignored. Each entry is read as readNextEntry reads it,
// within the text from its begin marker to the next begin marker (or the end), so a broken
// entry is reported on its own and does not swallow the entries after it. Besides each
// entry's own markers, the reader checks that only line ends and blanks stand between the
// begin marker and the install marker and after the end marker, so that a marker inside an
// entry's contents is reported rather than silently cutting the entry short.
// Not a package (no begin marker): failure "This is not a valid Vif file.".
Result<Package> readPackage(const QByteArray& text);

} // namespace gk::vif

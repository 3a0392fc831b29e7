#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/contents.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace gk::fs {
class File;
}

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

// The text of a package: bytes in memory, or a file that is read piece by piece, so that a
// package of any size is read without being held whole. Opening it finds every marker once.
class PackageText {
public:
    PackageText() = default;
    explicit PackageText(QByteArray bytes);
    static Result<PackageText> open(const NativePath& path);
    // How much of a file is read at a time (tests make it small to cross many pieces).
    static void setReadChunk(qint64 bytes);

    qint64 size() const { return m_size; }
    // The SHA-256 of the whole text, found while it was read.
    QString sha256() const;
    // At most `size` bytes from `from`, clipped to the text.
    QByteArray read(qint64 from, qint64 size) const;
    // Where `marker` (one of the six) stands, in order (overlapping places included).
    const std::vector<qint64>& places(const QByteArray& marker) const;
    // The first place at or after `from` where any marker starts, and which; -1 when none.
    std::pair<qint64, const QByteArray*> firstMarkerFrom(qint64 from) const;
    // A range of the text as contents to write.
    Contents contents(qint64 from, qint64 size) const;

private:
    void index(QByteArrayView piece, qint64 at, bool last);
    struct Shared {
        QByteArray bytes;
        std::shared_ptr<fs::File> file;
        std::array<std::vector<qint64>, 6> places;
        std::vector<std::pair<qint64, int>> all; // every marker, by place
        QString sha256;
    };
    std::shared_ptr<Shared> m_shared;
    qint64 m_size = 0;
};

struct PackEntry {
    QString installPath; // as the author chose it, decoded from Windows-1252
    QString title;       // the carried file's bare name
    qint64 offset = 0;   // where the contents start in the package
    qint64 size = 0;     // their size in bytes
};

// The install path and the title as they are written in the game's code page, or why they
// cannot be: empty, a line break or a marker in them, or a character Windows-1252 lacks.
Result<std::pair<QByteArray, QByteArray>> encodeFields(const QString& installPath,
                                                       const QString& title);
// The lines of an entry before and after its contents.
QByteArray entryHead(const QByteArray& installPath, const QByteArray& title);
QByteArray entryTail();

// Appends one entry to `buffer` in the layout above. Refused, with `buffer` unchanged and a
// message naming the file and the reason: contents holding one of the six markers; an
// install path or title that encodeFields refuses; and a path or title that would join the
// marker beside it into another one ("x###/Install"): every entry written reads back exactly
// as given. `sourceName` names the carried file in messages.
Status AppendPackEntry(QByteArray& buffer, const QString& installPath, const QString& title,
                       const QByteArray& contents, const QString& sourceName = QString());

// The first of the six markers in the file at `path`, read piece by piece; empty when none.
Result<QByteArray> firstMarkerInFile(const NativePath& path);

// A text is a package when "###Begin_VIF###" occurs in it anywhere.
bool isPackage(const QByteArray& text);

// Number of "###Begin_VIF###" occurrences (overlapping ones included), searched from the
// start of the text as the reader counts entries.
int CountPackEntries(const QByteArray& text);

// One entry read from a package. `problem` is empty for a sound entry; otherwise it says
// what is wrong (a marker missing or out of order, a line break in the path or title, ...)
// and the other fields hold what could be read.
struct ReadEntry {
    PackEntry entry;
    QString problem;
    qint64 nextSearchPos = 0; // just behind the entry's end marker (0-based); the end of
                              // the text when a marker is missing
};

// Reads the entry found from `searchPos` (0-based): the first install marker at or after it,
// its closing marker, the title markers after that, and the first end marker after the
// title. Never reads outside `text`.
ReadEntry readNextEntry(const PackageText& text, qint64 searchPos);

struct Package {
    PackageText text;
    // Every entry read, in file order, broken ones included (with what could be read of
    // them): entries[n - 1] is entry n.
    QList<PackEntry> entries;
    // Parallel to `entries`: why each entry is broken, or empty for a sound one.
    QStringList entryProblems;
    // One line per broken entry: "Entry 2 ("hills.lnd"): the end marker is missing."
    QStringList problems;
    bool ok() const { return problems.isEmpty(); }

    QByteArray contentsOf(const PackEntry& entry) const {
        return text.read(entry.offset, entry.size);
    }
    Contents contents(const PackEntry& entry) const {
        return text.contents(entry.offset, entry.size);
    }
};

// "Entry 2 ("hills.lnd")", or "Entry 2" when the title is unknown or holds a line break: how
// messages name an entry.
QString entryLabel(int number, const QString& title);
// The same for an entry as read: named by its title, or by its install path when the title
// could not be read.
QString entryLabel(int number, const PackEntry& entry);

// Reads every entry of a package (one per begin marker, from the start of the text). Text
// before the first entry is ignored. Each entry is read as readNextEntry reads it, within the
// text from its begin marker to the next begin marker (or the end), so a broken entry is
// reported on its own and does not swallow the entries after it. Besides each entry's own
// markers, the reader checks that only line ends and blanks stand between the begin marker and
// the install marker and after the end marker, so that a marker inside an entry's contents is
// reported rather than silently cutting the entry short.
// Not a package (no begin marker): a NotAPackage failure "This is not a valid Vif file.".
Result<Package> readPackage(const PackageText& text);
inline Result<Package> readPackage(const QByteArray& text) {
    return readPackage(PackageText(text));
}

} // namespace gk::vif

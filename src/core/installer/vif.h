#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "files/contents.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
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

class Cursor;

// The text of a package: bytes in memory, or a file that is read piece by piece, so that a
// package of any size is read without being held whole. Opening it finds every marker once.
// Every read of a file is checked: a failed read, or a file that has become shorter than it was
// when it was opened, fails whatever needed it with a message naming the file and the reason.
class PackageText {
public:
    // Whether opening a package file also finds its SHA-256, which the history records of an
    // installation.
    enum class Hash { Sha256, None };

    PackageText() = default;
    explicit PackageText(QByteArray bytes);
    static Result<PackageText> open(const NativePath& path, Hash hash = Hash::Sha256);
    // How much of a file is read at a time (tests make it small to cross many pieces).
    static void setReadChunk(qint64 bytes);

    qint64 size() const { return m_size; }
    // How many entries begin in it (begin markers).
    qsizetype entryCount() const;
    // Lets go of where the markers are, once no entry is to be read any more (a large package
    // about to be installed): its contents can still be written. Reading entries after it finds
    // none.
    void forgetMarkers();
    // The SHA-256 of the whole text; empty for a file opened with Hash::None.
    QString sha256() const;
    // A range of the text as contents to write.
    Contents contents(qint64 from, qint64 size) const;

private:
    friend class Cursor;
    void index(QByteArrayView piece, qint64 at, bool last);
    struct Shared {
        QByteArray bytes;
        std::shared_ptr<fs::File> file;
        // Every marker, by place: its place * 8 + its number among the six, in the order above.
        std::vector<qint64> markers;
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
// cannot be: empty, a line break or a marker in them, a character Windows-1252 lacks, longer
// than any file name can be, or a path or title that would join the marker beside it into
// another one ("x###/Install"): every entry written reads back exactly as given.
Result<std::pair<QByteArray, QByteArray>> encodeFields(const QString& installPath,
                                                       const QString& title);
// The lines of an entry before and after its contents.
QByteArray entryHead(const QByteArray& installPath, const QByteArray& title);
QByteArray entryTail();

// What packing a file finds in it, read once from start to end.
struct ScannedFile {
    qint64 size = 0;        // its size when it was opened: what a package takes of it
    QByteArray firstMarker; // the first of the six markers in it, or empty
    QByteArray bytes;       // its contents, when they were kept
    quint64 device = 0;     // the file that was read
    quint64 inode = 0;
};
// Reads the file at `path` piece by piece and finds the first marker in it; a file of at most
// `keepUpTo` bytes is also kept whole in `bytes`.
Result<ScannedFile> scanFile(const NativePath& path, qint64 keepUpTo = -1);

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
// One line of a package's problems: an entry's label and why it is broken or refused (a clause),
// "Entry 2 ("hills.lnd"): the marker ###End_VIF### is missing."
QString entryProblem(const QString& label, const QString& problem);

// Takes an entry read from a package: its number (from 1), what could be read of it, and why
// it is broken (empty for a sound entry); false stops the reading.
using EntryTaker = std::function<bool(int number, const PackEntry& entry, const QString& problem)>;

// Reads every entry of a package (one per begin marker, from the start of the text). Text
// before the first entry is ignored. Each entry is read within the text from its begin marker
// to the next begin marker (or the end), so a broken entry is reported on its own and does not
// swallow the entries after it: the first install marker after its begin marker, the install
// path up to the first closing marker after that, the title markers after that, and the first
// end marker after the title. Besides each entry's own markers, the reader checks that only
// line ends and blanks stand between the begin marker and the install marker, between the
// install path and the title, and after the end marker, so that a marker inside an entry's
// contents is reported rather than silently cutting the entry short.
// Not a package (no begin marker): a NotAPackage failure "This is not a valid Vif file.". A
// read that fails: that failure.
Result<Package> readPackage(const PackageText& text);
// The same, entry by entry, without keeping them: each is handed to `take` as it is read. A
// failure after some entries were taken leaves what they said unfinished.
Status readEntries(const PackageText& text, const EntryTaker& take);

} // namespace gk::vif

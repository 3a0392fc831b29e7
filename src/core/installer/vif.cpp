#include "vif.h"

#include "base/quoting.h"
#include "base/text.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>

namespace gk::vif {

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");
constexpr QByteArrayView kMarkerStart("###");

const std::array<const QByteArray*, 6>& allMarkers() {
    static const std::array<const QByteArray*, 6> list{
        &BeginMarker, &InstallMarker, &InstallEndMarker, &TitleMarker, &TitleEndMarker, &EndMarker};
    return list;
}

QString markerName(const QByteArray& marker) { return QString::fromLatin1(marker); }

// Position of `marker` wholly inside [from, limit), or -1.
qsizetype find(const QByteArray& text, const QByteArray& marker, qsizetype from, qsizetype limit) {
    if (from > limit)
        return -1;
    const qsizetype at = QByteArrayView(text).sliced(from, limit - from).indexOf(marker);
    return at < 0 ? -1 : from + at;
}

// The first marker that starts in [from, to) (it may reach beyond `to`). Only the text up
// to the longest marker's length past `to` is looked at.
struct MarkerHit {
    const QByteArray* marker = nullptr;
    qsizetype pos = -1;
    explicit operator bool() const { return marker != nullptr; }
};

MarkerHit firstMarkerIn(const QByteArray& text, qsizetype from, qsizetype to) {
    from = std::max<qsizetype>(from, 0);
    to = std::min(to, text.size());
    if (from >= to)
        return {};
    const qsizetype windowEnd = std::min(text.size(), to + kMarkerStart.size() - 1);
    const QByteArrayView window = QByteArrayView(text).sliced(from, windowEnd - from);
    for (qsizetype at = window.indexOf(kMarkerStart); at >= 0 && from + at < to;
         at = window.indexOf(kMarkerStart, at + 1)) {
        const QByteArrayView rest = QByteArrayView(text).sliced(from + at);
        for (const QByteArray* marker : allMarkers()) {
            if (rest.startsWith(*marker))
                return {marker, from + at};
        }
    }
    return {};
}

bool isBlank(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

bool onlyBlanks(const QByteArray& text, qsizetype from, qsizetype to) {
    for (qsizetype k = std::max<qsizetype>(from, 0); k < std::min(to, text.size()); ++k) {
        if (!isBlank(text.at(k)))
            return false;
    }
    return true;
}

// Why the text between two markers that should only be separated by line ends is not.
QString gapProblem(const QByteArray& text, qsizetype from, qsizetype to, const QByteArray& before,
                   const QByteArray& after) {
    if (const MarkerHit hit = firstMarkerIn(text, from, to))
        return QStringLiteral("%1 comes before %2").arg(markerName(*hit.marker), markerName(after));
    if (!onlyBlanks(text, from, to))
        return QStringLiteral("other text stands between %1 and %2")
            .arg(markerName(before), markerName(after));
    return QString();
}

bool holdsLineBreak(const QByteArray& bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

// An entry as the reader finds it, with the positions readPackage checks around it.
struct Parsed {
    ReadEntry read;
    qsizetype installPos = -1; // where "###Install###" starts, or -1
    bool complete = false;     // every marker was found
};

// Reads the entry whose markers lie in [searchPos, limit).
Parsed parseEntry(const QByteArray& text, qsizetype searchPos, qsizetype limit) {
    Parsed out;
    ReadEntry& r = out.read;
    limit = std::clamp<qsizetype>(limit, 0, text.size());
    r.nextSearchPos = limit;
    auto note = [&r](const QString& problem) {
        if (r.problem.isEmpty())
            r.problem = problem;
    };
    auto missing = [&](const QByteArray& marker) {
        note(limit < text.size() && QByteArrayView(text).sliced(limit).startsWith(BeginMarker)
                 ? QStringLiteral("the marker %1 is missing before the next %2")
                       .arg(markerName(marker), markerName(BeginMarker))
                 : QStringLiteral("the marker %1 is missing").arg(markerName(marker)));
        return out;
    };

    const qsizetype from = std::clamp<qsizetype>(searchPos, 0, limit);
    const qsizetype i = find(text, InstallMarker, from, limit);
    if (i < 0)
        return missing(InstallMarker);
    out.installPos = i;
    // The text between an opening marker at `open` and its closing marker, which is looked
    // for from there; `close` receives where the closing marker starts (-1 when missing).
    auto field = [&](qsizetype open, const QByteArray& opening, const QByteArray& closing,
                     const QString& what, qsizetype& close) -> QString {
        const qsizetype start = open + opening.size();
        close = find(text, closing, start, limit);
        if (close < 0)
            return QString();
        if (const MarkerHit hit = firstMarkerIn(text, start, close))
            note(QStringLiteral("%1 comes before %2")
                     .arg(markerName(*hit.marker), markerName(closing)));
        const QByteArray bytes = text.mid(start, close - start);
        if (holdsLineBreak(bytes))
            note(QStringLiteral("the %1 holds a line break").arg(what));
        return decodeWindows1252(bytes);
    };

    qsizetype j = -1;
    r.entry.installPath =
        field(i, InstallMarker, InstallEndMarker, QStringLiteral("install path"), j);
    if (j < 0)
        return missing(InstallEndMarker);

    const qsizetype k = j + InstallEndMarker.size();
    const qsizetype t = find(text, TitleMarker, k, limit);
    if (t < 0)
        return missing(TitleMarker);
    const QString gap = gapProblem(text, k, t, InstallEndMarker, TitleMarker);
    if (!gap.isEmpty())
        note(gap);
    qsizetype u = -1;
    r.entry.title = field(t, TitleMarker, TitleEndMarker, QStringLiteral("title"), u);
    if (u < 0)
        return missing(TitleEndMarker);

    const qsizetype c = u + TitleEndMarker.size();
    const qsizetype e = find(text, EndMarker, c, limit);
    if (e < 0)
        return missing(EndMarker);
    if (const MarkerHit hit = firstMarkerIn(text, c, e))
        note(QStringLiteral("its contents hold the marker %1").arg(markerName(*hit.marker)));
    // The line end that closes the title line and the one the writer adds before the end
    // marker are not part of the file.
    QByteArrayView contents = QByteArrayView(text).sliced(c, e - c);
    if (contents.startsWith(kCrLf))
        contents = contents.sliced(2);
    else if (contents.startsWith('\n'))
        contents = contents.sliced(1);
    if (contents.endsWith(kCrLf))
        contents.chop(2);
    else if (contents.endsWith('\n'))
        contents.chop(1);
    r.entry.contents = contents.toByteArray();
    r.nextSearchPos = e + EndMarker.size();
    out.complete = true;
    return out;
}

// Text after an entry's end marker that is not the next entry.
QString followingText() {
    return QStringLiteral("other text follows its end marker %1: the next entry's %2 is "
                          "missing, or its contents hold %1")
        .arg(markerName(EndMarker), markerName(BeginMarker));
}

// How many times `marker` occurs in `text`, overlapping occurrences included.
qsizetype occurrences(const QByteArray& text, const QByteArray& marker) {
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1))
        ++count;
    return count;
}

} // namespace

QList<QByteArray> markers() {
    QList<QByteArray> out;
    for (const QByteArray* marker : allMarkers())
        out << *marker;
    return out;
}

QString entryLabel(int number, const QString& title) {
    // A title that ran into other lines of the package names nothing useful.
    if (title.isEmpty() || title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')))
        return QStringLiteral("Entry %1").arg(number);
    return QStringLiteral("Entry %1 (%2)").arg(number).arg(quotedName(title));
}

QString entryLabel(int number, const PackEntry& entry) {
    return entryLabel(number, entry.title.isEmpty() ? entry.installPath : entry.title);
}

Status AppendPackEntry(QByteArray& buffer, const QString& installPath, const QString& title,
                       const QByteArray& contents, const QString& sourceName) {
    const QString source = quotedName(sourceName.isEmpty() ? title : sourceName);
    auto refuse = [&](const QString& reason) {
        return Status::failure(
            ErrorKind::Invalid,
            QStringLiteral("Could not add %1 to the package: %2.").arg(source, reason));
    };
    for (const QByteArray* marker : allMarkers()) {
        if (contents.contains(*marker))
            return refuse(QStringLiteral("its contents hold the marker %1, which a package "
                                         "cannot carry")
                              .arg(markerName(*marker)));
    }
    // The install path and the title in the game's code page, or why they cannot be written.
    auto encodeField = [](const QString& value, const QString& name, QByteArray& bytes) {
        if (value.isEmpty())
            return QStringLiteral("the %1 is empty").arg(name);
        const QString shown = name + QLatin1Char(' ') + quotedName(value);
        if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
            return QStringLiteral("the %1 holds a line break").arg(shown);
        const EncodedText encoded = encodeWindows1252(value);
        if (!encoded.lossless)
            return QStringLiteral("the %1 has a character that the game's code page "
                                  "(Windows-1252) cannot write")
                .arg(shown);
        for (const QByteArray* marker : allMarkers()) {
            if (encoded.bytes.contains(*marker))
                return QStringLiteral("the %1 holds the marker %2").arg(shown, markerName(*marker));
        }
        bytes = encoded.bytes;
        return QString();
    };
    QByteArray pathBytes;
    QByteArray titleBytes;
    for (const QString& problem :
         {encodeField(installPath, QStringLiteral("install path"), pathBytes),
          encodeField(title, QStringLiteral("title"), titleBytes)}) {
        if (!problem.isEmpty())
            return refuse(problem);
    }

    QByteArray entry;
    entry.reserve(contents.size() + pathBytes.size() + titleBytes.size() + 96);
    entry += BeginMarker + kCrLf;
    entry += InstallMarker + pathBytes + InstallEndMarker + kCrLf;
    entry += TitleMarker + titleBytes + TitleEndMarker + kCrLf;
    entry += contents + kCrLf;
    entry += EndMarker + kCrLf;

    // A path or title may still join a neighbouring marker into a new one ("x###/Install"
    // followed by "###/Install###"). The entry must hold each marker once and read back
    // exactly as given.
    bool sound = true;
    for (const QByteArray* marker : allMarkers())
        sound = sound && occurrences(entry, *marker) == 1;
    if (sound) {
        const Parsed back = parseEntry(entry, 0, entry.size());
        sound = back.read.problem.isEmpty() && back.read.entry.installPath == installPath &&
                back.read.entry.title == title && back.read.entry.contents == contents;
    }
    if (!sound)
        return refuse(QStringLiteral("its install path %1 or title %2 runs into a marker")
                          .arg(quotedName(installPath), quotedName(title)));
    buffer += entry;
    return Status::success();
}

bool isPackage(const QByteArray& text) { return text.contains(BeginMarker); }

int CountPackEntries(const QByteArray& text) {
    return static_cast<int>(std::min<qsizetype>(occurrences(text, BeginMarker), INT_MAX));
}

double progressStep(int entryCount) { return entryCount > 0 ? 100.0 / (2.0 * entryCount) : 0.0; }

ReadEntry readNextEntry(const QByteArray& text, qsizetype searchPos) {
    return parseEntry(text, searchPos, text.size()).read;
}

Result<Package> readPackage(const QByteArray& text) {
    if (!isPackage(text))
        return Result<Package>::failure(ErrorKind::NotAPackage,
                                        QStringLiteral("This is not a valid Vif file."));
    // Each entry runs from its begin marker to the next one, so a broken entry is reported on
    // its own and cannot swallow the entries after it.
    QList<qsizetype> begins;
    for (qsizetype at = text.indexOf(BeginMarker); at >= 0; at = text.indexOf(BeginMarker, at + 1))
        begins << at;
    Package package;
    for (qsizetype n = 0; n < begins.size(); ++n) {
        const qsizetype limit = n + 1 < begins.size() ? begins.at(n + 1) : text.size();
        const qsizetype from = std::min(begins.at(n) + BeginMarker.size(), limit);
        const Parsed parsed = parseEntry(text, from, limit);
        QString problem;
        if (parsed.installPos >= 0)
            problem = gapProblem(text, from, parsed.installPos, BeginMarker, InstallMarker);
        if (problem.isEmpty())
            problem = parsed.read.problem;
        if (problem.isEmpty() && parsed.complete &&
            !onlyBlanks(text, parsed.read.nextSearchPos, limit))
            problem = followingText();
        package.entries << parsed.read.entry;
        package.entryProblems << problem;
        if (!problem.isEmpty())
            package.problems << QStringLiteral("%1: %2.").arg(
                entryLabel(int(n + 1), parsed.read.entry), problem);
    }
    return package;
}

} // namespace gk::vif

#include "vif.h"

#include "base/quoting.h"
#include "base/sha256.h"
#include "base/text.h"
#include "files/fsys.h"

#include <QByteArrayView>

#include <algorithm>
#include <cstring>
#include <thread>

namespace gk::vif {

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");
constexpr QByteArrayView kMarkerStart("###");
// Install paths and titles longer than this are no file names any system takes.
constexpr qint64 kMaxField = 32767;
// How much of a package file is read at a time.
qint64 g_chunk = 4 << 20;

const std::array<const QByteArray*, 6>& allMarkers() {
    static const std::array<const QByteArray*, 6> list{
        &BeginMarker, &InstallMarker, &InstallEndMarker, &TitleMarker, &TitleEndMarker, &EndMarker};
    return list;
}
constexpr qsizetype kLongestMarker = 15; // "###Begin_VIF###"

int markerId(const QByteArray& marker) {
    for (int k = 0; k < 6; ++k) {
        if (allMarkers()[k] == &marker || *allMarkers()[k] == marker)
            return k;
    }
    return -1;
}

QString markerName(const QByteArray& marker) { return QString::fromLatin1(marker); }

// The marker that starts at `at` of `piece`, or -1.
int markerAt(QByteArrayView piece, qsizetype at) {
    const QByteArrayView rest = piece.sliced(at);
    for (int k = 0; k < 6; ++k) {
        if (rest.startsWith(*allMarkers()[k]))
            return k;
    }
    return -1;
}

// The next place at or after `from` where "###" starts in `piece`, or -1 (memmem is the
// system's fast search).
qsizetype nextHashes(QByteArrayView piece, qsizetype from) {
    if (from >= piece.size())
        return -1;
    const void* found = ::memmem(piece.data() + from, size_t(piece.size() - from),
                                 kMarkerStart.data(), size_t(kMarkerStart.size()));
    return found ? static_cast<const char*>(found) - piece.data() : -1;
}

// Calls `marker(id, at)` for each marker that starts in [0, limit) of `piece`.
template <class Found> void eachMarker(QByteArrayView piece, qsizetype limit, Found found) {
    for (qsizetype k = nextHashes(piece, 0); k >= 0 && k < limit; k = nextHashes(piece, k + 1)) {
        const int id = markerAt(piece, k);
        if (id >= 0)
            found(id, k);
    }
}

// Reads the file at `path` piece by piece, calling `each(piece, at, last)`; each piece but the
// last keeps the end of the one before (kLongestMarker - 1 bytes), so no marker is cut.
template <class Each> Status readPieces(fs::File& file, Each each) {
    QByteArray buffer;
    qint64 at = 0; // where `buffer` starts in the file
    for (;;) {
        const qint64 kept = buffer.size();
        buffer.resize(qsizetype(kept + g_chunk));
        const auto got = file.read(buffer.data() + kept, g_chunk, at + kept);
        if (!got)
            return got.status();
        buffer.resize(qsizetype(kept + *got));
        const bool last = *got == 0;
        if (!each(QByteArrayView(buffer), at, last) || last)
            return Status::success();
        const qsizetype carry = std::min<qsizetype>(buffer.size(), kLongestMarker - 1);
        at += buffer.size() - carry;
        buffer = buffer.right(carry);
    }
}

bool isBlank(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

bool holdsLineBreak(const QByteArray& bytes) {
    return bytes.contains('\r') || bytes.contains('\n');
}

// How many times `marker` occurs in `text`, overlapping occurrences included.
qsizetype occurrences(const QByteArray& text, const QByteArray& marker) {
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1))
        ++count;
    return count;
}

} // namespace

// ---- the text

PackageText::PackageText(QByteArray bytes)
    : m_shared(std::make_shared<Shared>()) {
    m_shared->bytes = std::move(bytes);
    m_size = m_shared->bytes.size();
    m_shared->sha256 = Sha256::of(m_shared->bytes);
    index(QByteArrayView(m_shared->bytes), 0, true);
}

QString PackageText::sha256() const { return m_shared ? m_shared->sha256 : QString(); }

void PackageText::setReadChunk(qint64 bytes) { g_chunk = std::max<qint64>(bytes, 1); }

Result<PackageText> PackageText::open(const NativePath& path) {
    // A folder, FIFO, socket or device is refused without waiting on it.
    auto opened = fs::File::openForReading(path);
    if (!opened)
        return opened.status();
    auto file = std::make_shared<fs::File>(std::move(*opened));
    const auto info = file->info();
    if (!info)
        return info.status();
    PackageText text;
    text.m_shared = std::make_shared<Shared>();
    text.m_shared->file = file;
    text.m_size = info->size;
    // The whole file's SHA-256 is found by a second thread while this one finds the markers:
    // both read the same pages, and the two cores each do one job.
    Status hashed;
    std::thread hasher([&] {
        Sha256 hash;
        QByteArray buffer(qsizetype(std::min<qint64>(g_chunk, 1 << 20)), Qt::Uninitialized);
        for (qint64 at = 0;;) {
            const auto got = file->read(buffer.data(), buffer.size(), at);
            if (!got) {
                hashed = got.status();
                return;
            }
            if (*got == 0)
                break;
            hash.add(buffer.constData(), *got);
            at += *got;
        }
        text.m_shared->sha256 = hash.hex();
    });
    const Status indexed = readPieces(*file, [&text](QByteArrayView piece, qint64 at, bool last) {
        text.index(piece, at, last);
        return true;
    });
    hasher.join();
    if (!indexed)
        return indexed;
    if (!hashed)
        return hashed;
    return text;
}

// Records the markers that start in `piece` (which starts at `at` in the text). Unless this is
// the last piece, a marker that could still reach past its end is left for the next one.
void PackageText::index(QByteArrayView piece, qint64 at, bool last) {
    const qsizetype limit = last ? piece.size() : piece.size() - (kLongestMarker - 1);
    eachMarker(piece, limit, [&](int id, qsizetype k) {
        const qint64 place = at + k;
        auto& places = m_shared->places[size_t(id)];
        if (!places.empty() && places.back() >= place)
            return; // seen in the previous piece
        places.push_back(place);
        m_shared->all.emplace_back(place, id);
    });
}

QByteArray PackageText::read(qint64 from, qint64 size) const {
    from = std::clamp<qint64>(from, 0, m_size);
    size = std::clamp<qint64>(size, 0, m_size - from);
    if (!m_shared || size == 0)
        return QByteArray();
    if (!m_shared->file)
        return m_shared->bytes.mid(qsizetype(from), qsizetype(size));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const auto got = m_shared->file->read(out.data() + done, size - done, from + done);
        if (!got || *got == 0)
            break;
        done += *got;
    }
    out.resize(qsizetype(done));
    return out;
}

const std::vector<qint64>& PackageText::places(const QByteArray& marker) const {
    static const std::vector<qint64> none;
    const int id = markerId(marker);
    return m_shared && id >= 0 ? m_shared->places[size_t(id)] : none;
}

std::pair<qint64, const QByteArray*> PackageText::firstMarkerFrom(qint64 from) const {
    if (!m_shared)
        return {-1, nullptr};
    const auto& all = m_shared->all;
    const auto it = std::lower_bound(all.begin(), all.end(), std::make_pair(from, -1));
    if (it == all.end())
        return {-1, nullptr};
    return {it->first, allMarkers()[size_t(it->second)]};
}

Contents PackageText::contents(qint64 from, qint64 size) const {
    Contents out;
    if (m_shared && m_shared->file)
        out.add(m_shared->file, from, size);
    else
        out.add(read(from, size));
    return out;
}

namespace {

// Position of `marker` wholly inside [from, limit), or -1.
qint64 find(const PackageText& text, const QByteArray& marker, qint64 from, qint64 limit) {
    if (from > limit)
        return -1;
    const auto& places = text.places(marker);
    const auto it = std::lower_bound(places.begin(), places.end(), from);
    if (it == places.end() || *it + marker.size() > limit)
        return -1;
    return *it;
}

// The first marker that starts in [from, to) (it may reach beyond `to`).
struct MarkerHit {
    const QByteArray* marker = nullptr;
    qint64 pos = -1;
    explicit operator bool() const { return marker != nullptr; }
};

MarkerHit firstMarkerIn(const PackageText& text, qint64 from, qint64 to) {
    from = std::max<qint64>(from, 0);
    to = std::min(to, text.size());
    if (from >= to)
        return {};
    const auto [pos, marker] = text.firstMarkerFrom(from);
    if (pos < 0 || pos >= to)
        return {};
    return {marker, pos};
}

bool onlyBlanks(const PackageText& text, qint64 from, qint64 to) {
    from = std::max<qint64>(from, 0);
    to = std::min(to, text.size());
    for (qint64 at = from; at < to; at += 1 << 16) {
        const QByteArray piece = text.read(at, std::min<qint64>(to - at, 1 << 16));
        for (const char c : piece) {
            if (!isBlank(c))
                return false;
        }
    }
    return true;
}

// Why the text between two markers that should only be separated by line ends is not.
QString gapProblem(const PackageText& text, qint64 from, qint64 to, const QByteArray& before,
                   const QByteArray& after) {
    if (const MarkerHit hit = firstMarkerIn(text, from, to))
        return QStringLiteral("%1 comes before %2").arg(markerName(*hit.marker), markerName(after));
    if (!onlyBlanks(text, from, to))
        return QStringLiteral("other text stands between %1 and %2")
            .arg(markerName(before), markerName(after));
    return QString();
}

// An entry as the reader finds it, with the positions readPackage checks around it.
struct Parsed {
    ReadEntry read;
    qint64 installPos = -1; // where "###Install###" starts, or -1
    bool complete = false;  // every marker was found
};

// Reads the entry whose markers lie in [searchPos, limit).
Parsed parseEntry(const PackageText& text, qint64 searchPos, qint64 limit) {
    Parsed out;
    ReadEntry& r = out.read;
    limit = std::clamp<qint64>(limit, 0, text.size());
    r.nextSearchPos = limit;
    auto note = [&r](const QString& problem) {
        if (r.problem.isEmpty())
            r.problem = problem;
    };
    auto missing = [&](const QByteArray& marker) {
        note(find(text, BeginMarker, limit, limit + BeginMarker.size()) == limit
                 ? QStringLiteral("the marker %1 is missing before the next %2")
                       .arg(markerName(marker), markerName(BeginMarker))
                 : QStringLiteral("the marker %1 is missing").arg(markerName(marker)));
        return out;
    };

    const qint64 from = std::clamp<qint64>(searchPos, 0, limit);
    const qint64 i = find(text, InstallMarker, from, limit);
    if (i < 0)
        return missing(InstallMarker);
    out.installPos = i;
    // The text between an opening marker at `open` and its closing marker, which is looked
    // for from there; `close` receives where the closing marker starts (-1 when missing).
    auto field = [&](qint64 open, const QByteArray& opening, const QByteArray& closing,
                     const QString& what, qint64& close) -> QString {
        const qint64 start = open + opening.size();
        close = find(text, closing, start, limit);
        if (close < 0)
            return QString();
        if (const MarkerHit hit = firstMarkerIn(text, start, close))
            note(QStringLiteral("%1 comes before %2")
                     .arg(markerName(*hit.marker), markerName(closing)));
        if (close - start > kMaxField)
            note(QStringLiteral("the %1 is longer than any file name can be").arg(what));
        const QByteArray bytes = text.read(start, std::min(close - start, kMaxField));
        if (holdsLineBreak(bytes))
            note(QStringLiteral("the %1 holds a line break").arg(what));
        return decodeWindows1252(bytes);
    };

    qint64 j = -1;
    r.entry.installPath =
        field(i, InstallMarker, InstallEndMarker, QStringLiteral("install path"), j);
    if (j < 0)
        return missing(InstallEndMarker);

    const qint64 k = j + InstallEndMarker.size();
    const qint64 t = find(text, TitleMarker, k, limit);
    if (t < 0)
        return missing(TitleMarker);
    const QString gap = gapProblem(text, k, t, InstallEndMarker, TitleMarker);
    if (!gap.isEmpty())
        note(gap);
    qint64 u = -1;
    r.entry.title = field(t, TitleMarker, TitleEndMarker, QStringLiteral("title"), u);
    if (u < 0)
        return missing(TitleEndMarker);

    const qint64 c = u + TitleEndMarker.size();
    const qint64 e = find(text, EndMarker, c, limit);
    if (e < 0)
        return missing(EndMarker);
    if (const MarkerHit hit = firstMarkerIn(text, c, e))
        note(QStringLiteral("its contents hold the marker %1").arg(markerName(*hit.marker)));
    // The line end that closes the title line and the one the writer adds before the end
    // marker are not part of the file.
    qint64 start = c;
    qint64 end = e;
    const QByteArray head = text.read(start, std::min<qint64>(2, end - start));
    if (head.startsWith(kCrLf))
        start += 2;
    else if (head.startsWith('\n'))
        start += 1;
    const QByteArray tail = text.read(std::max(start, end - 2), std::min<qint64>(2, end - start));
    if (tail.endsWith(kCrLf) && end - start >= 2)
        end -= 2;
    else if (tail.endsWith('\n'))
        end -= 1;
    r.entry.offset = start;
    r.entry.size = end - start;
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

Result<std::pair<QByteArray, QByteArray>> encodeFields(const QString& installPath,
                                                       const QString& title) {
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
            return Status::failure(ErrorKind::Invalid, problem);
    }
    // A path or title may still join a neighbouring marker into a new one ("x###/Install"
    // followed by "###/Install###"): the entry must hold each marker once and read back
    // exactly as given.
    const QByteArray entry = entryHead(pathBytes, titleBytes) + entryTail();
    bool sound = true;
    for (const QByteArray* marker : allMarkers())
        sound = sound && occurrences(entry, *marker) == 1;
    if (sound) {
        const Parsed back = parseEntry(PackageText(entry), 0, entry.size());
        sound = back.read.problem.isEmpty() && back.read.entry.installPath == installPath &&
                back.read.entry.title == title && back.read.entry.size == 0;
    }
    if (!sound)
        return Status::failure(ErrorKind::Invalid,
                               QStringLiteral("its install path %1 or title %2 runs into a marker")
                                   .arg(quotedName(installPath), quotedName(title)));
    return std::make_pair(pathBytes, titleBytes);
}

QByteArray entryHead(const QByteArray& installPath, const QByteArray& title) {
    return BeginMarker + kCrLf + InstallMarker + installPath + InstallEndMarker + kCrLf +
           TitleMarker + title + TitleEndMarker + kCrLf;
}

QByteArray entryTail() { return kCrLf + EndMarker + kCrLf; }

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
    const auto fields = encodeFields(installPath, title);
    if (!fields)
        return refuse(fields.error());
    buffer += entryHead(fields->first, fields->second) + contents + entryTail();
    return Status::success();
}

Result<QByteArray> firstMarkerInFile(const NativePath& path) {
    auto file = fs::File::openForReading(path);
    if (!file)
        return file.status();
    QByteArray first;
    const Status read = readPieces(*file, [&first](QByteArrayView piece, qint64, bool last) {
        const qsizetype limit = last ? piece.size() : piece.size() - (kLongestMarker - 1);
        eachMarker(piece, limit, [&first](int id, qsizetype) {
            if (first.isEmpty())
                first = *allMarkers()[size_t(id)];
        });
        return first.isEmpty();
    });
    if (!read)
        return read;
    return first;
}

bool isPackage(const QByteArray& text) { return text.contains(BeginMarker); }

int CountPackEntries(const QByteArray& text) {
    return static_cast<int>(std::min<qsizetype>(occurrences(text, BeginMarker), INT_MAX));
}

ReadEntry readNextEntry(const PackageText& text, qint64 searchPos) {
    return parseEntry(text, searchPos, text.size()).read;
}

Result<Package> readPackage(const PackageText& text) {
    const std::vector<qint64>& begins = text.places(BeginMarker);
    if (begins.empty())
        return Result<Package>::failure(ErrorKind::NotAPackage,
                                        QStringLiteral("This is not a valid Vif file."));
    // Each entry runs from its begin marker to the next one, so a broken entry is reported on
    // its own and cannot swallow the entries after it.
    Package package;
    package.text = text;
    for (size_t n = 0; n < begins.size(); ++n) {
        const qint64 limit = n + 1 < begins.size() ? begins.at(n + 1) : text.size();
        const qint64 from = std::min<qint64>(begins.at(n) + BeginMarker.size(), limit);
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

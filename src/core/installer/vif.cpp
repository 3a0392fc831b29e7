#include "vif.h"

#include "base/quoting.h"
#include "base/sha256.h"
#include "base/text.h"
#include "files/fsys.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define GK_SSE2
#endif

namespace gk::vif {

namespace {

constexpr QByteArrayView kCrLf("\r\n");
// Install paths and titles longer than this are no file names any system takes.
constexpr qint64 kMaxField = 32767;
// How much of a package file is read at a time.
qint64 g_chunk = 1 << 20;
// How much of a package the entry reader keeps in memory around where it reads.
constexpr qint64 kWindow = 256 << 10;

// The six markers, numbered as the marker index stores them.
enum Marker { Begin, Install, InstallEnd, Title, TitleEnd, End };
const std::array<const QByteArray*, 6>& allMarkers() {
    static const std::array<const QByteArray*, 6> list{
        &BeginMarker, &InstallMarker, &InstallEndMarker, &TitleMarker, &TitleEndMarker, &EndMarker};
    return list;
}
constexpr qsizetype kLongestMarker = 15; // "###Begin_VIF###"

qint64 markerSize(int id) { return allMarkers()[size_t(id)]->size(); }
QString markerName(int id) { return QString::fromLatin1(*allMarkers()[size_t(id)]); }

// The marker that starts at `at` of `piece`, or -1. After "###", one character tells the
// markers apart, two the closing ones.
int markerAt(QByteArrayView piece, qsizetype at) {
    if (piece.size() - at < 11) // "###Title###", the shortest
        return -1;
    int id = -1;
    switch (piece[at + 3]) {
    case 'B':
        id = Begin;
        break;
    case 'I':
        id = Install;
        break;
    case 'T':
        id = Title;
        break;
    case 'E':
        id = End;
        break;
    case '/':
        id = piece[at + 4] == 'I' ? InstallEnd : TitleEnd;
        break;
    default:
        return -1;
    }
    return piece.sliced(at).startsWith(*allMarkers()[size_t(id)]) ? id : -1;
}

// The next place at or after `from` where "###" starts in `piece`, or -1. Where the processor
// has SSE2, sixteen places are tried at once.
qsizetype nextHashes(QByteArrayView piece, qsizetype from) {
    const char* data = piece.data();
    const qsizetype size = piece.size();
    qsizetype k = std::max<qsizetype>(from, 0);
#ifdef GK_SSE2
    const __m128i hash = _mm_set1_epi8('#');
    for (; k + 18 <= size; k += 16) {
        auto at = [&](qsizetype offset) {
            return _mm_cmpeq_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + k + offset)), hash);
        };
        const int found = _mm_movemask_epi8(_mm_and_si128(_mm_and_si128(at(0), at(1)), at(2)));
        if (found != 0)
            return k + std::countr_zero(unsigned(found));
    }
#endif
    if (k + 3 > size)
        return -1;
    const size_t found = std::string_view(data + k, size_t(size - k)).find("###");
    return found == std::string_view::npos ? -1 : k + qsizetype(found);
}

// Calls `found(id, at)` for each marker that starts in [0, limit) of `piece`.
template <class Found> void eachMarker(QByteArrayView piece, qsizetype limit, Found found) {
    for (qsizetype k = nextHashes(piece, 0); k >= 0 && k < limit; k = nextHashes(piece, k + 1)) {
        const int id = markerAt(piece, k);
        if (id >= 0)
            found(id, k);
    }
}

// Reads exactly `size` bytes of `file` from `offset`: a failed read, or the end of the file
// before them, is a failure naming the file.
Status readExactly(fs::File& file, char* into, qint64 size, qint64 offset) {
    while (size > 0) {
        const auto got = file.read(into, size, offset);
        if (!got)
            return got.status();
        if (*got == 0)
            return Status::failure(ErrorKind::Failed,
                                   QCoreApplication::translate("Package",
                                                               "Could not read %1: the file became "
                                                               "shorter while it was read.")
                                       .arg(quotedPath(file.path())));
        into += *got;
        offset += *got;
        size -= *got;
    }
    return Status::success();
}

// Reads [0, size) of `file` piece by piece, calling `each(piece, at, last)` until it returns
// false; each piece but the first starts with the end of the one before (kLongestMarker - 1
// bytes), so that no marker is cut.
template <class Each> Status readPieces(fs::File& file, qint64 size, Each each) {
    const qint64 chunk = std::clamp<qint64>(size, 1, g_chunk);
    QByteArray buffer(qsizetype(kLongestMarker - 1 + chunk), Qt::Uninitialized);
    qint64 at = 0; // where buffer[0] stands in the file
    qsizetype kept = 0;
    for (qint64 done = 0;;) {
        const qint64 want = std::min(chunk, size - done);
        if (const Status read = readExactly(file, buffer.data() + kept, want, done); !read)
            return read;
        done += want;
        const qsizetype filled = kept + qsizetype(want);
        const bool last = done == size;
        if (!each(QByteArrayView(buffer.constData(), filled), at, last) || last)
            return Status::success();
        kept = std::min<qsizetype>(filled, kLongestMarker - 1);
        std::memmove(buffer.data(), buffer.constData() + filled - kept, size_t(kept));
        at += filled - kept;
    }
}

bool isBlank(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

bool holdsLineBreak(QByteArrayView bytes) { return bytes.contains('\r') || bytes.contains('\n'); }

// Windows-1252 agrees with ASCII, which most names are: those need no converter.
QString decodeField(QByteArrayView bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    return decodeWindows1252(bytes.toByteArray());
}

bool isAscii(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

EncodedText encodeField(const QString& text) {
    return isAscii(text) ? EncodedText{text.toLatin1(), true} : encodeWindows1252(text);
}

} // namespace

// ---- the text

PackageText::PackageText(QByteArray bytes)
    : m_shared(std::make_shared<Shared>()) {
    m_shared->bytes = std::move(bytes);
    m_size = m_shared->bytes.size();
    index(QByteArrayView(m_shared->bytes), 0, true);
}

qsizetype PackageText::entryCount() const {
    if (!m_shared)
        return 0;
    return std::count_if(m_shared->markers.cbegin(), m_shared->markers.cend(),
                         [](qint64 marker) { return (marker & 7) == 0; });
}

void PackageText::forgetMarkers() {
    if (m_shared)
        std::vector<qint64>().swap(m_shared->markers);
}

QString PackageText::sha256() const {
    if (!m_shared)
        return QString();
    return m_shared->file ? m_shared->sha256 : Sha256::of(m_shared->bytes);
}

void PackageText::setReadChunk(qint64 bytes) { g_chunk = std::max<qint64>(bytes, 1); }

Result<PackageText> PackageText::open(const NativePath& path, Hash hash) {
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
    // The SHA-256 is found by a second thread while this one finds the markers: both read the
    // same pages, and the two cores each do one job.
    Status hashed;
    std::thread hasher;
    if (hash == Hash::Sha256) {
        hasher = std::thread([&] {
            Sha256 sha256;
            const qint64 piece = std::min<qint64>(g_chunk, 1 << 20);
            QByteArray buffer(qsizetype(std::min(piece, std::max<qint64>(text.m_size, 1))),
                              Qt::Uninitialized);
            for (qint64 at = 0; at < text.m_size;) {
                const qint64 want = std::min<qint64>(buffer.size(), text.m_size - at);
                hashed = readExactly(*file, buffer.data(), want, at);
                if (!hashed)
                    return;
                sha256.add(buffer.constData(), want);
                at += want;
            }
            text.m_shared->sha256 = sha256.hex();
        });
    }
    const Status indexed =
        readPieces(*file, text.m_size, [&text](QByteArrayView piece, qint64 at, bool last) {
            text.index(piece, at, last);
            return true;
        });
    if (hasher.joinable())
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
    auto& markers = m_shared->markers;
    eachMarker(piece, limit, [&](int id, qsizetype k) {
        const qint64 place = at + k;
        if (!markers.empty() && (markers.back() >> 3) >= place)
            return; // seen in the previous piece
        markers.push_back((place << 3) | id);
    });
}

Contents PackageText::contents(qint64 from, qint64 size) const {
    Contents out;
    if (m_shared && m_shared->file)
        out.add(m_shared->file, from, size);
    else if (m_shared)
        out.add(m_shared->bytes.mid(qsizetype(from), qsizetype(size)));
    return out;
}

// ---- reading entries

// The first marker that starts in a range.
struct MarkerHit {
    int id = -1;
    qint64 pos = -1;
    explicit operator bool() const { return id >= 0; }
};

// Where the entry reader stands in a package: the marker index, and the bytes around the
// places it reads, read a window at a time. The first read that fails is kept, and every read
// after it gives nothing: whoever reads checks status() before trusting what was read.
class Cursor {
public:
    explicit Cursor(const PackageText& text)
        : m_text(text) {}

    qint64 size() const { return m_text.size(); }
    const Status& status() const { return m_status; }

    // Where in the index each marker `id` is, in order.
    std::vector<qsizetype> indexesOf(int id) const {
        std::vector<qsizetype> out;
        for (qsizetype k = 0; k < qsizetype(markers().size()); ++k) {
            if ((markers()[size_t(k)] & 7) == id)
                out.push_back(k);
        }
        return out;
    }
    qint64 placeAt(qsizetype index) const { return markers()[size_t(index)] >> 3; }
    // Searches start from the marker at `index` when they can: the reader moves forward.
    void setHint(qsizetype index) { m_hint = index; }

    // Where marker `id` first stands wholly inside [from, limit), or -1.
    qint64 find(int id, qint64 from, qint64 limit) const {
        if (from > limit)
            return -1;
        for (auto it = seek(from); it != markers().end() && (*it >> 3) < limit; ++it) {
            if ((*it & 7) == id)
                return (*it >> 3) + markerSize(id) > limit ? -1 : *it >> 3;
        }
        return -1;
    }

    // The first marker that starts in [from, to) (it may reach beyond `to`).
    MarkerHit firstMarkerIn(qint64 from, qint64 to) const {
        from = std::max<qint64>(from, 0);
        to = std::min(to, size());
        if (from >= to)
            return {};
        const auto it = seek(from);
        if (it == markers().end() || (*it >> 3) >= to)
            return {};
        return {int(*it & 7), *it >> 3};
    }

    // At most `length` bytes from `from`, clipped to the text; valid until the next read.
    QByteArrayView view(qint64 from, qint64 length) {
        from = std::clamp<qint64>(from, 0, size());
        length = std::clamp<qint64>(length, 0, size() - from);
        if (length == 0 || !m_status)
            return {};
        const PackageText::Shared& text = *m_text.m_shared;
        if (!text.file)
            return QByteArrayView(text.bytes).sliced(qsizetype(from), qsizetype(length));
        if (m_at < 0 || from < m_at || from + length > m_at + m_window.size()) {
            const qint64 window =
                std::min(std::max(length, std::min(kWindow, g_chunk)), size() - from);
            m_window.resize(qsizetype(window));
            m_at = -1;
            m_status = readExactly(*text.file, m_window.data(), window, from);
            if (!m_status)
                return {};
            m_at = from;
        }
        return QByteArrayView(m_window).sliced(qsizetype(from - m_at), qsizetype(length));
    }

    bool onlyBlanks(qint64 from, qint64 to) {
        from = std::max<qint64>(from, 0);
        to = std::min(to, size());
        for (qint64 at = from; at < to;) {
            const QByteArrayView piece = view(at, std::min(to - at, kWindow));
            if (piece.isEmpty())
                return true; // a failed read, which status() tells
            if (!std::all_of(piece.begin(), piece.end(), isBlank))
                return false;
            at += piece.size();
        }
        return true;
    }

private:
    const std::vector<qint64>& markers() const {
        static const std::vector<qint64> none;
        return m_text.m_shared ? m_text.m_shared->markers : none;
    }
    // The first marker at or after `from`.
    std::vector<qint64>::const_iterator seek(qint64 from) const {
        const auto& all = markers();
        if (m_hint < qsizetype(all.size()) && placeAt(m_hint) <= from) {
            auto it = all.begin() + m_hint;
            for (int step = 0; step < 8; ++step, ++it) {
                if (it == all.end() || (*it >> 3) >= from)
                    return it;
            }
            return std::lower_bound(it, all.end(), from << 3);
        }
        return std::lower_bound(all.begin(), all.end(), from << 3);
    }

    const PackageText& m_text;
    qsizetype m_hint = 0;
    QByteArray m_window;
    qint64 m_at = -1; // where m_window starts in the text, or -1
    Status m_status;
};

namespace {

// The two texts of an entry's head, each named in its own sentences.
enum class Field { InstallPath, Title };

// Why an entry is broken, or cannot be written: a clause, shown after the entry's name.
QString tooLong(Field field) {
    return field == Field::InstallPath
               ? QCoreApplication::translate("Package",
                                             "the install path is longer than any file name can be")
               : QCoreApplication::translate("Package",
                                             "the title is longer than any file name can be");
}

// A marker found before the one that should have come first.
QString comesBefore(int found, int expected) {
    //: Why a package's entry is broken. %1 and %2 are markers such as ###Install###.
    return QCoreApplication::translate("Package", "%1 comes before %2")
        .arg(markerName(found), markerName(expected));
}

// Why the text between two markers that should only be separated by line ends is not.
QString gapProblem(Cursor& text, qint64 from, qint64 to, int before, int after) {
    if (const MarkerHit hit = text.firstMarkerIn(from, to))
        return comesBefore(hit.id, after);
    if (!text.onlyBlanks(from, to))
        //: Why a package's entry is broken. %1 and %2 are markers such as ###Install###.
        return QCoreApplication::translate("Package", "other text stands between %1 and %2")
            .arg(markerName(before), markerName(after));
    return QString();
}

// An entry as the reader finds it, with the positions readPackage checks around it.
struct Parsed {
    PackEntry entry;
    QString problem;        // empty for a sound entry
    qint64 next = 0;        // just behind the end marker; the limit when a marker is missing
    qint64 installPos = -1; // where "###Install###" starts, or -1
    bool complete = false;  // every marker was found
};

// Reads the entry whose markers lie in [searchPos, limit).
Parsed parseEntry(Cursor& text, qint64 searchPos, qint64 limit) {
    Parsed out;
    limit = std::clamp<qint64>(limit, 0, text.size());
    out.next = limit;
    auto note = [&out](const QString& problem) {
        if (out.problem.isEmpty())
            out.problem = problem;
    };
    auto missing = [&](int marker) {
        if (text.find(Begin, limit, limit + BeginMarker.size()) == limit)
            //: Why a package's entry is broken. %1 and %2 are markers such as ###Title###.
            note(QCoreApplication::translate("Package",
                                             "the marker %1 is missing before the next %2")
                     .arg(markerName(marker), markerName(Begin)));
        else
            //: Why a package's entry is broken. %1 is a marker such as ###Title###.
            note(QCoreApplication::translate("Package", "the marker %1 is missing")
                     .arg(markerName(marker)));
        return out;
    };

    const qint64 from = std::clamp<qint64>(searchPos, 0, limit);
    const qint64 i = text.find(Install, from, limit);
    if (i < 0)
        return missing(Install);
    out.installPos = i;
    // The text between an opening marker at `open` and its closing marker, which is looked
    // for from there; `close` receives where the closing marker starts (-1 when missing).
    auto field = [&](qint64 open, int opening, int closing, qint64& close) -> QString {
        const bool path = opening == Install;
        const qint64 start = open + markerSize(opening);
        close = text.find(closing, start, limit);
        if (close < 0)
            return QString();
        if (const MarkerHit hit = text.firstMarkerIn(start, close))
            note(comesBefore(hit.id, closing));
        if (close - start > kMaxField)
            note(path ? tooLong(Field::InstallPath) : tooLong(Field::Title));
        const QByteArrayView bytes = text.view(start, std::min(close - start, kMaxField));
        if (holdsLineBreak(bytes))
            note(path
                     ? QCoreApplication::translate("Package", "the install path holds a line break")
                     : QCoreApplication::translate("Package", "the title holds a line break"));
        return decodeField(bytes);
    };

    qint64 j = -1;
    out.entry.installPath = field(i, Install, InstallEnd, j);
    if (j < 0)
        return missing(InstallEnd);

    const qint64 k = j + InstallEndMarker.size();
    const qint64 t = text.find(Title, k, limit);
    if (t < 0)
        return missing(Title);
    const QString gap = gapProblem(text, k, t, InstallEnd, Title);
    if (!gap.isEmpty())
        note(gap);
    qint64 u = -1;
    out.entry.title = field(t, Title, TitleEnd, u);
    if (u < 0)
        return missing(TitleEnd);

    const qint64 c = u + TitleEndMarker.size();
    const qint64 e = text.find(End, c, limit);
    if (e < 0)
        return missing(End);
    if (const MarkerHit hit = text.firstMarkerIn(c, e))
        //: Why a package's entry is broken. %1 is a marker such as ###End_VIF###.
        note(QCoreApplication::translate("Package", "its contents hold the marker %1")
                 .arg(markerName(hit.id)));
    // The line end that closes the title line and the one the writer adds before the end
    // marker are not part of the file.
    qint64 start = c;
    qint64 end = e;
    const QByteArrayView head = text.view(start, std::min<qint64>(2, end - start));
    if (head.startsWith(kCrLf))
        start += 2;
    else if (head.startsWith('\n'))
        start += 1;
    const QByteArrayView tail =
        text.view(std::max(start, end - 2), std::min<qint64>(2, end - start));
    if (tail.endsWith(kCrLf) && end - start >= 2)
        end -= 2;
    else if (tail.endsWith('\n'))
        end -= 1;
    out.entry.offset = start;
    out.entry.size = end - start;
    out.next = e + EndMarker.size();
    out.complete = true;
    return out;
}

// Text after an entry's end marker that is not the next entry.
QString followingText() {
    //: Why a package's entry is broken. %1 is the marker ###End_VIF###, %2 ###Begin_VIF###.
    return QCoreApplication::translate("Package",
                                       "other text follows its end marker %1: the next entry's "
                                       "%2 is missing, or its contents hold %1")
        .arg(markerName(End), markerName(Begin));
}

} // namespace

QString entryLabel(int number, const QString& title) {
    // A title that ran into other lines of the package names nothing useful.
    if (title.isEmpty() || title.contains(QLatin1Char('\r')) || title.contains(QLatin1Char('\n')))
        //: An entry of a package, by its number, as messages name it.
        return QCoreApplication::translate("Package", "Entry %1").arg(number);
    //: An entry of a package: %1 is its number, %2 its title in quotes ("hills.lnd").
    return QCoreApplication::translate("Package", "Entry %1 (%2)")
        .arg(QString::number(number), quotedName(title));
}

QString entryLabel(int number, const PackEntry& entry) {
    return entryLabel(number, entry.title.isEmpty() ? entry.installPath : entry.title);
}

QString entryProblem(const QString& label, const QString& problem) {
    //: One line of a package's problems: %1 names an entry ("Entry 2 (\"hills.lnd\")"), %2 says
    //: why it is broken or cannot be installed.
    return QCoreApplication::translate("Package", "%1: %2.").arg(label, problem);
}

Result<std::pair<QByteArray, QByteArray>> encodeFields(const QString& installPath,
                                                       const QString& title) {
    auto encode = [](const QString& value, Field field, QByteArray& bytes) {
        const bool path = field == Field::InstallPath;
        if (value.isEmpty()) {
            if (path)
                return QCoreApplication::translate("Package", "the install path is empty");
            return QCoreApplication::translate("Package", "the title is empty");
        }
        QString problem;
        const EncodedText encoded = encodeField(value);
        if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'))) {
            if (path)
                //: %1 is the install path in quotes.
                problem = QCoreApplication::translate("Package",
                                                      "the install path %1 holds a line break");
            else
                //: %1 is the title (a file name) in quotes.
                problem = QCoreApplication::translate("Package", "the title %1 holds a line break");
        } else if (!encoded.lossless) {
            if (path)
                //: %1 is the install path in quotes.
                problem = QCoreApplication::translate("Package",
                                                      "the install path %1 has a character that "
                                                      "the game's code page (Windows-1252) "
                                                      "cannot write");
            else
                //: %1 is the title (a file name) in quotes.
                problem =
                    QCoreApplication::translate("Package", "the title %1 has a character that the "
                                                           "game's code page (Windows-1252) cannot "
                                                           "write");
        } else if (encoded.bytes.size() > kMaxField) {
            return tooLong(field);
        }
        if (!problem.isEmpty())
            return problem.arg(quotedName(value));
        // Every marker starts with "###", which few names hold.
        if (nextHashes(encoded.bytes, 0) >= 0) {
            for (int id = 0; id < 6; ++id) {
                if (!encoded.bytes.contains(*allMarkers()[size_t(id)]))
                    continue;
                if (path)
                    //: %1 is the install path in quotes, %2 a marker such as ###Title###.
                    problem = QCoreApplication::translate(
                        "Package", "the install path %1 holds the marker %2");
                else
                    //: %1 is the title (a file name) in quotes, %2 a marker such as ###Title###.
                    problem =
                        QCoreApplication::translate("Package", "the title %1 holds the marker %2");
                return problem.arg(quotedName(value), markerName(id));
            }
        }
        bytes = encoded.bytes;
        return QString();
    };
    QByteArray pathBytes;
    QByteArray titleBytes;
    for (const QString& problem : {encode(installPath, Field::InstallPath, pathBytes),
                                   encode(title, Field::Title, titleBytes)}) {
        if (!problem.isEmpty())
            return Status::failure(ErrorKind::Invalid, problem);
    }
    // A path or title may still join a neighbouring marker into a new one ("x###/Install"
    // followed by "###/Install###"): the entry must hold its six markers, each once and where
    // it was written, and read back exactly as given.
    const QByteArray head = entryHead(pathBytes, titleBytes);
    const QByteArray entry = head + entryTail();
    const qint64 path = BeginMarker.size() + kCrLf.size() + InstallMarker.size();
    const qint64 name =
        path + pathBytes.size() + InstallEndMarker.size() + kCrLf.size() + TitleMarker.size();
    const std::array<qint64, 6> places{0,
                                       path - InstallMarker.size(),
                                       path + pathBytes.size(),
                                       name - TitleMarker.size(),
                                       name + titleBytes.size(),
                                       head.size() + kCrLf.size()};
    int found = 0;
    bool sound = true;
    eachMarker(entry, entry.size(), [&](int id, qsizetype at) {
        sound = sound && found < 6 && id == found && at == places[size_t(found)];
        ++found;
    });
    // A name beyond ASCII must come back as it was given when it is decoded.
    if (!sound || found != 6 || (!isAscii(installPath) && decodeField(pathBytes) != installPath) ||
        (!isAscii(title) && decodeField(titleBytes) != title))
        return Status::failure(ErrorKind::Invalid,
                               //: %1 is the install path, %2 the title, both in quotes.
                               QCoreApplication::translate("Package", "its install path %1 or "
                                                                      "title %2 runs into a marker")
                                   .arg(quotedName(installPath), quotedName(title)));
    return std::make_pair(pathBytes, titleBytes);
}

QByteArray entryHead(const QByteArray& installPath, const QByteArray& title) {
    const QByteArrayView pieces[] = {BeginMarker,      kCrLf, InstallMarker, installPath,
                                     InstallEndMarker, kCrLf, TitleMarker,   title,
                                     TitleEndMarker,   kCrLf};
    qsizetype size = 0;
    for (const QByteArrayView piece : pieces)
        size += piece.size();
    QByteArray head(size, Qt::Uninitialized);
    char* at = head.data();
    for (const QByteArrayView piece : pieces) {
        if (!piece.isEmpty())
            std::memcpy(at, piece.data(), size_t(piece.size()));
        at += piece.size();
    }
    return head;
}

QByteArray entryTail() {
    static const QByteArray tail = kCrLf.toByteArray() + EndMarker + kCrLf.toByteArray();
    return tail;
}

Result<ScannedFile> scanFile(const NativePath& path, qint64 keepUpTo) {
    auto file = fs::File::openForReading(path);
    if (!file)
        return file.status();
    const auto info = file->info();
    if (!info)
        return info.status();
    ScannedFile scanned;
    scanned.size = info->size;
    scanned.device = info->device;
    scanned.inode = info->inode;
    if (scanned.size <= keepUpTo) {
        // Small files are read whole, with one read, and kept.
        scanned.bytes.resize(qsizetype(scanned.size));
        if (const Status read = readExactly(*file, scanned.bytes.data(), scanned.size, 0); !read)
            return read;
        eachMarker(scanned.bytes, scanned.bytes.size(), [&scanned](int id, qsizetype) {
            if (scanned.firstMarker.isEmpty())
                scanned.firstMarker = *allMarkers()[size_t(id)];
        });
        return scanned;
    }
    const Status read =
        readPieces(*file, scanned.size, [&scanned](QByteArrayView piece, qint64, bool last) {
            const qsizetype limit = last ? piece.size() : piece.size() - (kLongestMarker - 1);
            eachMarker(piece, limit, [&scanned](int id, qsizetype) {
                if (scanned.firstMarker.isEmpty())
                    scanned.firstMarker = *allMarkers()[size_t(id)];
            });
            return scanned.firstMarker.isEmpty();
        });
    if (!read)
        return read;
    return scanned;
}

Status readEntries(const PackageText& text, const EntryTaker& take) {
    Cursor cursor(text);
    const std::vector<qsizetype> begins = cursor.indexesOf(Begin);
    if (begins.empty())
        return Status::failure(
            ErrorKind::NotAPackage,
            QCoreApplication::translate("Package", "This is not a valid Vif file."));
    // Each entry runs from its begin marker to the next one, so a broken entry is reported on
    // its own and cannot swallow the entries after it.
    for (size_t n = 0; n < begins.size(); ++n) {
        cursor.setHint(begins[n]);
        const qint64 limit = n + 1 < begins.size() ? cursor.placeAt(begins[n + 1]) : text.size();
        const qint64 from = std::min<qint64>(cursor.placeAt(begins[n]) + BeginMarker.size(), limit);
        const Parsed parsed = parseEntry(cursor, from, limit);
        QString problem;
        if (parsed.installPos >= 0)
            problem = gapProblem(cursor, from, parsed.installPos, Begin, Install);
        if (problem.isEmpty())
            problem = parsed.problem;
        if (problem.isEmpty() && parsed.complete && !cursor.onlyBlanks(parsed.next, limit))
            problem = followingText();
        // What a failed read left is no entry.
        if (!cursor.status())
            return cursor.status();
        if (!take(int(n + 1), parsed.entry, problem))
            break;
    }
    return Status::success();
}

Result<Package> readPackage(const PackageText& text) {
    Package package;
    package.text = text;
    const Status read =
        readEntries(text, [&package](int number, const PackEntry& entry, const QString& problem) {
            if (!problem.isEmpty())
                package.problems << entryProblem(entryLabel(number, entry), problem);
            package.entries.append(entry);
            package.entryProblems.append(problem);
            return true;
        });
    if (!read)
        return read;
    return package;
}

} // namespace gk::vif

// Fuzzes the package reader with arbitrary bytes: reading must never crash or read outside
// the text, must find one entry per begin marker, reading it from a file piece by piece must
// find the same entries, and whatever the compiler's writer accepts must read back exactly as
// it was written.

#include "base/text.h"
#include "fuzzcheck.h"
#include "installer/vif.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <optional>

using namespace gk;

namespace {

// One entry with its contents, as read.
struct Entry {
    QString installPath;
    QString title;
    QByteArray contents;
    bool operator==(const Entry&) const = default;
};

QList<Entry> entriesOf(const vif::Package& package) {
    QList<Entry> out;
    for (const vif::PackEntry& e : package.entries)
        out << Entry{e.installPath, e.title, package.contents(e).bytes().value()};
    return out;
}

// The same text written to a file and read back in pieces (and windows) of a few bytes.
void checkFileReader(const QByteArray& text, const std::optional<vif::Package>& inMemory) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.vif"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return;
    file.close();
    vif::PackageText::setReadChunk(1 + text.size() % 17);
    const auto opened = vif::PackageText::open(NativePath(path));
    FUZZ_CHECK(opened.ok() && opened->size() == text.size());
    FUZZ_CHECK(opened->sha256() == vif::PackageText(text).sha256());
    const auto package = vif::readPackage(*opened);
    vif::PackageText::setReadChunk(1 << 20);
    FUZZ_CHECK(package.ok() == inMemory.has_value());
    if (!package)
        return;
    FUZZ_CHECK(entriesOf(*package) == entriesOf(*inMemory));
    FUZZ_CHECK(package->entryProblems == inMemory->entryProblems);
}

// How many times `marker` occurs in `text`, overlapping occurrences included.
qsizetype occurrences(const QByteArray& text, const QByteArray& marker) {
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at + 1))
        ++count;
    return count;
}

const QList<QByteArray> kMarkers{vif::BeginMarker, vif::InstallMarker,  vif::InstallEndMarker,
                                 vif::TitleMarker, vif::TitleEndMarker, vif::EndMarker};

// An entry as the compiler writes it, or nothing when it refuses it.
std::optional<QByteArray> written(const Entry& entry) {
    for (const QByteArray& marker : kMarkers) {
        if (entry.contents.contains(marker))
            return std::nullopt;
    }
    const auto fields = vif::encodeFields(entry.installPath, entry.title);
    if (!fields)
        return std::nullopt;
    return vif::entryHead(fields->first, fields->second) + entry.contents + vif::entryTail();
}

void checkReader(const QByteArray& text) {
    const qsizetype count = occurrences(text, vif::BeginMarker);
    const auto package = vif::readPackage(vif::PackageText(text));
    checkFileReader(text, package ? std::optional<vif::Package>(*package) : std::nullopt);
    FUZZ_CHECK(package.ok() == (count > 0));
    if (!package)
        return;
    FUZZ_CHECK(package->entries.size() == count);
    FUZZ_CHECK(package->entries.size() == package->entryProblems.size());
    qsizetype broken = 0;
    for (qsizetype k = 0; k < package->entries.size(); ++k) {
        const vif::PackEntry& entry = package->entries.at(k);
        FUZZ_CHECK(entry.offset >= 0 && entry.size >= 0 &&
                   entry.offset + entry.size <= text.size());
        broken += package->entryProblems.at(k).isEmpty() ? 0 : 1;
    }
    FUZZ_CHECK(package->problems.size() == broken);

    // The sound entries, written again, read back as they are.
    QByteArray rewritten;
    QList<Entry> kept;
    const QList<Entry> entries = entriesOf(*package);
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const Entry& entry = entries.at(k);
        if (!package->entryProblems.at(k).isEmpty())
            continue;
        if (const auto bytes = written(entry)) {
            rewritten += *bytes;
            kept << entry;
        }
    }
    if (kept.isEmpty())
        return;
    const auto back = vif::readPackage(vif::PackageText(rewritten + "\r\n"));
    FUZZ_CHECK(back.ok() && back->ok() && entriesOf(*back) == kept);
}

// The input taken apart into an install path, a title and contents, written as a package
// of two entries.
void checkWriter(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return;
    const QByteArray rest(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const qsizetype pathLength = data[0] % (rest.size() + 1);
    const qsizetype titleLength = data[1] % (rest.size() - pathLength + 1);
    Entry entry;
    entry.installPath = decodeWindows1252(rest.left(pathLength));
    entry.title = decodeWindows1252(rest.mid(pathLength, titleLength));
    entry.contents = rest.mid(pathLength + titleLength);

    const auto bytes = written(entry);
    if (!bytes)
        return;
    const auto back = vif::readPackage(vif::PackageText(*bytes + *bytes + "\r\n"));
    FUZZ_CHECK(back.ok() && back->ok() && entriesOf(*back) == (QList<Entry>{entry, entry}));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Not copied: a read past the input's end is a read past its allocation.
    checkReader(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkWriter(data, size);
    return 0;
}

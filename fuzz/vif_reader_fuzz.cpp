// Fuzzes the package reader with arbitrary bytes: reading must never crash or read outside
// the text, reading it from a file piece by piece must find the same entries, and whatever the
// writer accepts must read back exactly as it was written.

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
        out << Entry{e.installPath, e.title, package.contentsOf(e)};
    return out;
}

// The same text written to a file and read back in pieces of a few bytes.
void checkFileReader(const QByteArray& text, const std::optional<vif::Package>& inMemory) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.vif"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return;
    file.close();
    vif::PackageText::setReadChunk(1 + text.size() % 17);
    const auto opened = vif::PackageText::open(NativePath(path));
    vif::PackageText::setReadChunk(4 << 20);
    FUZZ_CHECK(opened.ok() && opened->size() == text.size());
    const auto package = vif::readPackage(*opened);
    FUZZ_CHECK(package.ok() == inMemory.has_value());
    if (!package)
        return;
    FUZZ_CHECK(entriesOf(*package) == entriesOf(*inMemory));
    FUZZ_CHECK(package->entryProblems == inMemory->entryProblems);
}

void checkReader(const QByteArray& text) {
    const int count = vif::CountPackEntries(text);
    FUZZ_CHECK(vif::isPackage(text) == (count > 0));
    const vif::PackageText packageText(text);
    for (const qsizetype pos :
         {qsizetype(-3), qsizetype(0), text.size() / 2, text.size(), text.size() + 7}) {
        const vif::ReadEntry read = vif::readNextEntry(packageText, pos);
        FUZZ_CHECK(read.nextSearchPos >= 0 && read.nextSearchPos <= text.size());
    }
    const auto package = vif::readPackage(packageText);
    checkFileReader(text, package ? std::optional<vif::Package>(*package) : std::nullopt);
    FUZZ_CHECK(package.ok() == vif::isPackage(text));
    if (!package)
        return;
    FUZZ_CHECK(package->entries.size() <= count);
    FUZZ_CHECK(package->entries.size() == package->entryProblems.size());
    qsizetype broken = 0;
    for (const QString& problem : package->entryProblems)
        broken += problem.isEmpty() ? 0 : 1;
    FUZZ_CHECK(package->problems.size() == broken);

    // The sound entries, written again, read back as they are.
    QByteArray rewritten;
    QList<Entry> kept;
    const QList<Entry> entries = entriesOf(*package);
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const Entry& entry = entries.at(k);
        if (package->entryProblems.at(k).isEmpty() &&
            vif::AppendPackEntry(rewritten, entry.installPath, entry.title, entry.contents).ok())
            kept << entry;
    }
    if (kept.isEmpty())
        return;
    const auto back = vif::readPackage(rewritten + "\r\n");
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

    QByteArray buffer;
    const Status added =
        vif::AppendPackEntry(buffer, entry.installPath, entry.title, entry.contents);
    if (!added) {
        FUZZ_CHECK(buffer.isEmpty());
        return;
    }
    for (const QByteArray& marker : vif::markers())
        FUZZ_CHECK(!entry.contents.contains(marker));
    FUZZ_CHECK(vif::AppendPackEntry(buffer, entry.installPath, entry.title, entry.contents).ok());
    const auto back = vif::readPackage(buffer + "\r\n");
    FUZZ_CHECK(back.ok() && back->ok() && entriesOf(*back) == (QList<Entry>{entry, entry}));
    FUZZ_CHECK(vif::CountPackEntries(buffer) == 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Not copied: a read past the input's end is a read past its allocation.
    checkReader(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkWriter(data, size);
    return 0;
}

// Fuzzes the package reader with arbitrary bytes: reading must never crash or read outside
// the text, and whatever the writer accepts must read back exactly as it was written.

#include "base/text.h"
#include "fuzzcheck.h"
#include "installer/vif.h"

#include <cstdint>

using namespace gk;

namespace {

bool sameEntry(const vif::PackEntry& a, const vif::PackEntry& b) {
    return a.installPath == b.installPath && a.title == b.title && a.contents == b.contents;
}

void checkReader(const QByteArray& text) {
    const int count = vif::CountPackEntries(text);
    FUZZ_CHECK(vif::isPackage(text) == (count > 0));
    for (const qsizetype pos :
         {qsizetype(-3), qsizetype(0), text.size() / 2, text.size(), text.size() + 7}) {
        const vif::ReadEntry read = vif::readNextEntry(text, pos);
        FUZZ_CHECK(read.nextSearchPos >= 0 && read.nextSearchPos <= text.size());
    }
    const auto package = vif::readPackage(text);
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
    QList<vif::PackEntry> kept;
    for (qsizetype k = 0; k < package->entries.size(); ++k) {
        const vif::PackEntry& entry = package->entries.at(k);
        if (package->entryProblems.at(k).isEmpty() &&
            vif::AppendPackEntry(rewritten, entry.installPath, entry.title, entry.contents).ok())
            kept << entry;
    }
    if (kept.isEmpty())
        return;
    const auto back = vif::readPackage(rewritten + "\r\n");
    FUZZ_CHECK(back.ok() && back->ok() && back->entries.size() == kept.size());
    for (qsizetype k = 0; k < kept.size(); ++k)
        FUZZ_CHECK(sameEntry(back->entries.at(k), kept.at(k)));
}

// The input taken apart into an install path, a title and contents, written as a package
// of two entries.
void checkWriter(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return;
    const QByteArray rest(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    const qsizetype pathLength = data[0] % (rest.size() + 1);
    const qsizetype titleLength = data[1] % (rest.size() - pathLength + 1);
    vif::PackEntry entry;
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
    FUZZ_CHECK(back.ok() && back->ok() && back->entries.size() == 2);
    FUZZ_CHECK(sameEntry(back->entries.at(0), entry) && sameEntry(back->entries.at(1), entry));
    FUZZ_CHECK(vif::CountPackEntries(buffer) == 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Not copied: a read past the input's end is a read past its allocation.
    checkReader(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    checkWriter(data, size);
    return 0;
}

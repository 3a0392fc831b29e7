// Fuzzes the history's records as untrusted bytes: the input is planted as the record of an
// operation in a Grovekeep folder, marked under way or not, and every command that reads the
// history or acts on it runs: listing, reading, verifying, undoing (forced), recovering. Nothing
// outside the game folder and Grovekeep's folder may change, and no record may be accepted that
// names a path leading out of its root.
//
// The input's first byte chooses: bit 0 marks the operation under way, bit 1 undoes it. In the
// rest, "@G" stands for the game folder, "@M" for Grovekeep's folder and "@O" for a folder
// outside both, so that the fuzzer can name real places.

#include "files/record.h"
#include "files/store.h"
#include "fuzzcheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace gk;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

bool put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every name below `root` with what it is (links not followed).
QStringList tree(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        out << path + (info.isSymLink() ? QStringLiteral(" -> ") + info.symLinkTarget()
                       : info.isDir()   ? QStringLiteral("/")
                                        : QStringLiteral(" = ") + contentsOf(path));
    }
    out.sort();
    return out;
}

struct World {
    // On a memory file system where there is one: the fuzzer runs many times a second.
    QTemporaryDir root{QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/gk-fuzz-XXXXXX")
                                                 : QDir::tempPath() + "/gk-fuzz-XXXXXX"};
    QString game = root.path() + QStringLiteral("/game");
    QString manager = root.path() + QStringLiteral("/manager");
    QString outside = root.path() + QStringLiteral("/outside");
    QStringList outsideTree;

    World() {
        put(outside + QStringLiteral("/canary.txt"), "canary");
        QFile::link(outside + QStringLiteral("/canary.txt"), outside + QStringLiteral("/link.txt"));
        outsideTree = tree(outside);
    }
    // The game and Grovekeep's folder as each input finds them.
    void reset() const {
        QDir(game).removeRecursively();
        QDir(manager).removeRecursively();
        put(game + QStringLiteral("/Data/Landscape/old.lnd"), "old landscape");
        QDir().mkpath(game + QStringLiteral("/Scripts/Playgrounds"));
        QDir().mkpath(manager + QStringLiteral("/History/operations"));
        // Kept contents the records may name: of "old landscape", and of "canary".
        for (const QByteArray& kept : {QByteArray("old landscape"), QByteArray("canary")}) {
            const QString sha = Sha256::of(kept);
            put(manager + QStringLiteral("/History/objects/") + sha.left(2) + '/' + sha, kept);
        }
    }
};

World& world() {
    static World w;
    return w;
}

bool inside(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const World& w = world();
    w.reset();
    const std::uint8_t flags = data[0];
    QByteArray record(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    record.replace("@G", QFile::encodeName(w.game))
        .replace("@M", QFile::encodeName(w.manager))
        .replace("@O", QFile::encodeName(w.outside));
    put(w.manager + QStringLiteral("/History/operations/000001.jsonl"), record);
    if (flags & 1)
        put(w.manager + QStringLiteral("/History/pending/1"), QByteArray());

    auto store = ChangeStore::open(NativePath(w.manager + '/'), NativePath(w.game + '/'));
    FUZZ_CHECK(store.ok());
    store->history(true).ok();
    const auto operation = store->operation(1);
    if (operation) {
        for (const FileRecord& file : operation->files) {
            FUZZ_CHECK(recordedPathProblem(file.recorded).isEmpty());
            const QString path = QDir::cleanPath(file.location.path().text());
            const QString root = QDir::cleanPath(file.location.root.text());
            FUZZ_CHECK(inside(path, root) && path != root);
            FUZZ_CHECK(!inside(path, w.manager + QStringLiteral("/History")));
        }
    }
    store->verify(1);
    store->verify(0);
    store->undoProblems(1);
    if (flags & 2)
        store->undo(1, true).ok();
    store->recover().ok();
    FUZZ_CHECK(tree(w.outside) == w.outsideTree);
    return 0;
}

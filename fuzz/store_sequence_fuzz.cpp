// Fuzzes the change store through sequences of operations (installs with copies, removals,
// undos, undos of undos, pruning, recovery) with faults injected through the file layer's seam:
// one step failing, or every step from one on (a disk that has died), writes or reads. After
// each step the files are checked against a model of what the store promises: a failed
// operation changed nothing, an undo put back exactly what its operation found, an operation
// left under way by a failing disk is rolled back by the next recovery; nothing outside the
// two folders ever changes, and no temporary file outlives a recovery.

#include "files/fsys.h"
#include "files/store.h"
#include "fuzzcheck.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>

using namespace gk;

namespace {

using Contents_ = std::optional<QByteArray>; // none: no file
using State = std::map<QString, Contents_>;  // path below the site -> contents

const char* const kTargets[] = {"game/Data/Landscape/t0.lnd", "game/Data/Landscape/t1.lnd",
                                "game/Scripts/Playgrounds/t2.txt",
                                "game/Scripts/Playgrounds/t3.txt"};
const char* const kCopies[] = {"manager/Backup/vif/t0.lnd", "manager/Backup/vif/t1.lnd",
                               "manager/Backup/vif/t2.txt", "manager/Backup/vif/t3.txt"};

Contents_ read(const QString& path) {
    QFile f(path);
    if (!f.exists())
        return std::nullopt;
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

bool put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QStringList tree(const QString& root, bool temporariesOnly) {
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const bool temporary = it.fileName().startsWith(QStringLiteral(".~gk-")) ||
                               (path.contains(QStringLiteral("/History/tmp/")));
        if (!temporariesOnly || temporary)
            out << path + QLatin1Char(' ') + read(path).value_or("<dir>");
    }
    out.sort();
    return out;
}

struct World {
    QTemporaryDir root{QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/gk-fuzz-XXXXXX")
                                                 : QDir::tempPath() + "/gk-fuzz-XXXXXX"};
    QString base = root.path() + QLatin1Char('/');
    QStringList outsideTree;
    World() {
        put(base + QStringLiteral("outside/canary.txt"), "canary");
        outsideTree = tree(base + QStringLiteral("outside"), false);
    }
    State reset() const {
        QDir(base + QStringLiteral("game")).removeRecursively();
        QDir(base + QStringLiteral("manager")).removeRecursively();
        QDir().mkpath(base + QStringLiteral("game/Data/Landscape"));
        QDir().mkpath(base + QStringLiteral("game/Scripts/Playgrounds"));
        QDir().mkpath(base + QStringLiteral("manager"));
        put(base + kTargets[0], "orig0");
        put(base + kTargets[2], "orig2");
        return actual();
    }
    State actual() const {
        State s;
        for (const char* path : kTargets)
            s[QLatin1String(path)] = read(base + QLatin1String(path));
        for (const char* path : kCopies)
            s[QLatin1String(path)] = read(base + QLatin1String(path));
        return s;
    }
    fs::Location location(const QString& path) const {
        const QString root = path.section('/', 0, 0);
        return fs::Location::below(NativePath(base + root + '/'), path.section('/', 1));
    }
};

World& world() {
    static World w;
    return w;
}

// Reads the input a byte at a time; zeros once it is used up.
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    std::uint8_t next() { return at < size ? data[at++] : 0; }
    bool done() const { return at >= size; }
};

// Whether an operation is left under way (marked pending), or a record cannot be read: then the
// files wait for the next recovery.
bool underWay(const World& w) {
    const QDir pending(w.base + QStringLiteral("manager/History/pending"));
    return !pending.isEmpty(QDir::Files | QDir::Hidden);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const World& w = world();
    fs::faults::reset();
    State model = w.reset();
    std::map<int, State> befores; // operation -> what its files held before it
    auto store = ChangeStore::open(NativePath(w.base + QStringLiteral("manager/")),
                                   NativePath(w.base + QStringLiteral("game/")));
    FUZZ_CHECK(store.ok());
    Bytes in{data, size};
    int lastId = 0;
    for (int step = 0; step < 8 && !in.done(); ++step) {
        const std::uint8_t op = in.next();
        // A fault for this step, from the high bits of its first byte.
        if (op & 0x80) {
            const int n = 1 + in.next() % 48;
            const std::uint8_t how = in.next();
            const int error = (how & 1) ? EIO : ENOSPC;
            const unsigned kinds = (how & 2)   ? fs::faults::Reads
                                   : (how & 4) ? (fs::faults::Reads | fs::faults::Changes)
                                               : fs::faults::Changes;
            if (how & 8)
                fs::faults::failFrom(n, error, kinds);
            else
                fs::faults::failAt(n, error, kinds);
        }
        bool done = false;
        State before = model;
        switch (op % 5) {
        case 0:
        case 1: { // an installation: one to three files, each with its copy, or a removal
            QList<FileChange> changes;
            State touched;
            const int files = 1 + in.next() % 3;
            for (int k = 0; k < files; ++k) {
                const std::uint8_t b = in.next();
                const int t = b % 4;
                const QString target = QLatin1String(kTargets[t]);
                const QString copy = QLatin1String(kCopies[t]);
                if (!touched.count(target))
                    touched[target] = model[target];
                if ((b >> 2) % 5 == 4) {
                    FileChange remove(w.location(target), QByteArray());
                    remove.remove = true;
                    changes << remove;
                    model[target] = std::nullopt;
                    continue;
                }
                const QByteArray contents = "c" + QByteArray::number((b >> 2) % 5);
                changes << FileChange(w.location(target), contents);
                FileChange copied(w.location(copy), contents, FileRole::Copy);
                copied.createFolders = true;
                copied.sameAs = int(changes.size() - 1);
                changes << copied;
                if (!touched.count(copy))
                    touched[copy] = model[copy];
                model[target] = contents;
                model[copy] = contents;
            }
            // Removing what was never there changes nothing, and nothing is recorded for it:
            // an undo leaves that file alone, whatever holds it by then.
            for (auto it = touched.begin(); it != touched.end();)
                it = !it->second && !model[it->first] ? touched.erase(it) : std::next(it);
            const auto applied = store->apply({"package", "P", {}, {}, 0}, changes);
            done = applied.ok();
            if (!done && qEnvironmentVariableIsSet("GK_FUZZ_TRACE"))
                std::fprintf(stderr, "install: %s\n", qPrintable(applied.error()));
            if (done) {
                lastId = applied->operation;
                befores[lastId] = touched;
            }
            break;
        }
        case 2: { // an undo, of a recent operation or of an undo
            const std::uint8_t b = in.next();
            const int id = lastId - b % 4;
            if (id <= 0 || !befores.count(id))
                break;
            State touched;
            for (const auto& [path, contents] : befores[id]) {
                if (contents || model[path]) // as above: no removal of what is not there
                    touched[path] = model[path];
                model[path] = contents;
            }
            const auto undone = store->undo(id, b & 0x40);
            done = undone.ok();
            if (done) {
                lastId = undone->operation;
                befores[lastId] = touched;
            }
            break;
        }
        case 3: { // pruning, everything old or what is no longer installed
            const std::uint8_t b = in.next();
            done = store->prune(QDateTime::currentDateTime().addDays(1), b & 1).ok();
            if (done && (b & 1))
                befores.clear(); // nothing can be undone any more
            else if (done)
                befores.clear(); // what is kept depends on what is installed: undo no more
            break;
        }
        case 4: { // the recovery a start runs
            const auto recovered = store->recover();
            done = recovered.ok();
            if (done && qEnvironmentVariableIsSet("GK_FUZZ_TRACE")) {
                for (const Recovered& r : *recovered)
                    std::fprintf(stderr, "recovered %d: %d put back; %s\n", r.operation,
                                 r.filesPutBack, qPrintable(r.problems.join("; ")));
            }
            break;
        }
        }
        fs::faults::reset();
        if (!done)
            model = before;
        if (qEnvironmentVariableIsSet("GK_FUZZ_TRACE")) {
            std::fprintf(stderr, "step %d: op %d (%#x) %s\n", step, op % 5, op,
                         done ? "done" : "not done");
            QDirIterator records(w.base + QStringLiteral("manager/History"),
                                 QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (records.hasNext()) {
                const QString path = records.next();
                if (path.contains(QStringLiteral("/operations/")))
                    std::fprintf(stderr, "  %s:\n%s", qPrintable(path),
                                 read(path).value_or("").constData());
                else
                    std::fprintf(stderr, "  %s\n", qPrintable(path));
            }
            for (const auto& [path, contents] : w.actual())
                std::fprintf(stderr, "  %s: %s (model %s)\n", qPrintable(path),
                             contents.value_or("<none>").constData(),
                             model[path].value_or("<none>").constData());
        }
        FUZZ_CHECK(tree(w.base + QStringLiteral("outside"), false) == w.outsideTree);
        if (!underWay(w)) {
            FUZZ_CHECK(w.actual() == model);
            if (op % 5 == 4 && !(op & 0x80)) { // a recovery on a sound disk clears all
                if (qEnvironmentVariableIsSet("GK_FUZZ_TRACE"))
                    std::fprintf(stderr, "left: %s\n", qPrintable(tree(w.base, true).join(", ")));
                FUZZ_CHECK(tree(w.base, true).isEmpty());
            }
        }
    }
    // Whatever the faults left, a recovery on a sound disk brings back what the model holds.
    FUZZ_CHECK(store->recover().ok());
    FUZZ_CHECK(!underWay(w));
    FUZZ_CHECK(w.actual() == model);
    if (qEnvironmentVariableIsSet("GK_FUZZ_TRACE"))
        std::fprintf(stderr, "left: %s\n", qPrintable(tree(w.base, true).join(", ")));
    FUZZ_CHECK(tree(w.base, true).isEmpty());
    const auto kept = store->verifyStore();
    FUZZ_CHECK(kept.ok() && kept->damaged.isEmpty());
    return 0;
}

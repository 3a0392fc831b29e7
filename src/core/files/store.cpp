#include "store.h"

#include "base/quoting.h"
#include "base/sha256.h"
#include "historyfolder.h"
#include "operation.h"
#include "pathindex.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <map>
#include <mutex>
#include <utility>

namespace gk {

using namespace history;

QString fileStateName(FileState state) {
    switch (state) {
    case FileState::Intact:
        return QStringLiteral("intact");
    case FileState::Changed:
        return QStringLiteral("changed");
    case FileState::Missing:
        return QStringLiteral("missing");
    case FileState::Unreadable:
        return QStringLiteral("unreadable");
    }
    return QString();
}

QString installedBy(const Conflict& conflict) {
    return QStringLiteral("installed by %1 on %2")
        .arg(conflict.what,
             conflict.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

int OperationRecord::targetCount() const {
    int n = 0;
    for (const FileRecord& f : files)
        n += f.role == FileRole::Target;
    return n;
}

namespace {

QString describe(const fs::Location& location) { return quotedPath(location.path()); }

// An entry of a check of the kept contents: a file and what is wrong with it.
QString damagedEntry(const QString& shown, const QString& why) {
    //: %1 is a file kept in the history (in quotes), %2 what is wrong with it, a clause
    return QCoreApplication::translate("Store", "%1: %2").arg(shown, why);
}

// The note of an operation the recovery at the next start rolled back, written into its record
// as it is (noteText() shows it in the user's language).
//: the note of an operation that was interrupted and put back when Grovekeep started again
const char* const kRolledBackAtStart =
    QT_TRANSLATE_NOOP("History", "Interrupted; rolled back at the next start.");

// Whether `now` is the content `version` (none: no file).
bool holds(const std::optional<FileVersion>& now, const std::optional<FileVersion>& version) {
    if (!version)
        return !now.has_value();
    return now && now->sha256 == version->sha256 && now->size == version->size;
}

} // namespace

// ---- opening, the lock

struct ChangeStore::Locked {
    fs::Folder manager; // holds the lock while it is open
    HistoryFolder history;
};

ChangeStore::ChangeStore(Places places)
    : m_places(std::move(places)) {}

NativePath ChangeStore::folder() const { return m_places.manager.child(kHistory); }

Result<ChangeStore> ChangeStore::open(const NativePath& managerFolder,
                                      const NativePath& gameFolder) {
    auto manager = fs::Folder::openRoot(managerFolder);
    if (!manager)
        return Status::failure(ErrorKind::NotFound,
                               //: %1 is Grovekeep's folder (in quotes)
                               QCoreApplication::translate(
                                   "Store", "The Grovekeep folder %1 does not exist, so nothing "
                                            "can be written: its history keeps what every change "
                                            "replaces.")
                                   .arg(quotedPath(managerFolder)));
    return ChangeStore(Places{managerFolder, gameFolder});
}

Result<ChangeStore> openStore(const ComposedPath& managerFolder, const ComposedPath& gameFolder) {
    if (managerFolder.isEmpty())
        return Status::failure(ErrorKind::NotFound,
                               //: Tools > Options is the menu command of the main window
                               QCoreApplication::translate(
                                   "Store", "Please tell Grovekeep where it is located (Tools > "
                                            "Options) first: its folder keeps the history of "
                                            "every change."));
    return ChangeStore::open(managerFolder.native(),
                             gameFolder.isEmpty() ? NativePath() : gameFolder.native());
}

Result<ChangeStore::Locked> ChangeStore::lock() {
    auto manager = fs::Folder::openRoot(m_places.manager);
    if (!manager)
        return manager.status().withMessage(withNothingChanged(manager.error()));
    bool waited = false;
    const Status locked = manager->lockExclusive([&] {
        waited = true;
        return !m_waiting || m_waiting(false);
    });
    if (waited && m_waiting)
        m_waiting(true);
    if (!locked)
        return locked.withMessage(withNothingChanged(locked.error()));
    return Locked{std::move(*manager), HistoryFolder(m_places.manager)};
}

namespace {

// ---- records of an older Grovekeep (one JSON document each), converted once

constexpr qint64 kMaxOlderRecord = qint64(512) << 20;

std::optional<FileVersion> olderVersion(const QJsonValue& value, bool* bad) {
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    const auto digest = Digest::fromHex(o.value(QStringLiteral("sha256")).toString());
    const double size = o.value(QStringLiteral("size")).toDouble(-1);
    const double mode = o.value(QStringLiteral("mode")).toDouble(-1);
    if (!digest || size < 0 || size > 9e15 || mode < 0 || mode > 07777) {
        *bad = true;
        return std::nullopt;
    }
    return FileVersion{*digest, qint64(size), quint32(mode)};
}

// The head of an older record into `r`: why it cannot be used, or nothing.
QString olderHead(const QJsonObject& o, const QString& name, OperationRecord* r) {
    r->id = o.value(QStringLiteral("id")).toInt();
    if (r->id <= 0 || r->id != name.chopped(5).toInt())
        //: why a history record of an older Grovekeep cannot be used, a clause
        return QCoreApplication::translate("Store", "its number does not match its name");
    r->time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODate);
    r->info.kind = o.value(QStringLiteral("kind")).toString().left(64);
    r->info.what = o.value(QStringLiteral("what")).toString().left(4096);
    const QJsonObject package = o.value(QStringLiteral("package")).toObject();
    r->info.packageName = package.value(QStringLiteral("name")).toString().left(4096);
    r->info.packageSha256 = package.value(QStringLiteral("sha256")).toString().left(64);
    const QString state = o.value(QStringLiteral("state")).toString();
    if (state == QStringLiteral("complete"))
        r->state = OperationState::Complete;
    else if (state == QStringLiteral("undone"))
        r->state = OperationState::Undone;
    else if (state == QStringLiteral("rolled-back"))
        r->state = OperationState::RolledBack;
    else if (state == QStringLiteral("under-way"))
        r->state = OperationState::UnderWay;
    else
        //: why a history record of an older Grovekeep cannot be used, a clause
        return QCoreApplication::translate("Store", "its state is unknown");
    r->undoes = std::max(0, o.value(QStringLiteral("undoes")).toInt());
    r->info.undoes = r->undoes;
    r->undoneBy = std::max(0, o.value(QStringLiteral("undoneBy")).toInt());
    r->note = o.value(QStringLiteral("note")).toString().left(4096);
    if (!r->time.isValid())
        //: why a history record of an older Grovekeep cannot be used, a clause
        return QCoreApplication::translate("Store", "its time is unknown");
    return QString();
}

// The folders and files of an older record into `r`, each placed below its root again: why
// they cannot be used, or nothing. `ready`: whether any new content was recorded.
QString olderFiles(const QJsonObject& o, const Places& places, OperationRecord* r, bool* ready) {
    auto placed = [&](const QJsonObject& f, RecordedPath* recorded) {
        const fs::Location location =
            fs::Location::below(NativePath(f.value(QStringLiteral("root")).toString()),
                                f.value(QStringLiteral("path")).toString());
        *recorded = places.classify(location);
        return recordedPathProblem(*recorded);
    };
    for (const QJsonValue& v : o.value(QStringLiteral("createdFolders")).toArray()) {
        RecordedPath recorded;
        if (const QString problem = placed(v.toObject(), &recorded); !problem.isEmpty())
            return problem;
        r->createdFolders << places.shown(recorded, r->game);
    }
    *ready = false;
    for (const QJsonValue& v : o.value(QStringLiteral("files")).toArray()) {
        const QJsonObject f = v.toObject();
        FileRecord file;
        if (const QString problem = placed(f, &file.recorded); !problem.isEmpty())
            return problem;
        file.location = places.shown(file.recorded, r->game);
        const QString role = f.value(QStringLiteral("role")).toString();
        file.role = role == QStringLiteral("backup") ? FileRole::Backup
                    : role == QStringLiteral("copy") ? FileRole::Copy
                                                     : FileRole::Target;
        bool bad = false;
        file.before = olderVersion(f.value(QStringLiteral("before")), &bad);
        file.after = olderVersion(f.value(QStringLiteral("after")), &bad);
        if (bad)
            //: why a history record of an older Grovekeep cannot be used, a clause
            return QCoreApplication::translate("Store", "a file's content is damaged");
        file.remove = !file.after && file.before && r->state != OperationState::UnderWay;
        *ready = *ready || file.after.has_value();
        r->files << file;
    }
    r->fileCount = int(r->files.size());
    return QString();
}

// The older record `name` as a record of this Grovekeep, or why it cannot be read.
Result<OperationRecord> readOlder(const fs::Folder& operations, const QString& name,
                                  const Places& places, bool* ready) {
    auto fail = [&](const QString& why) {
        return Status::failure(ErrorKind::Invalid,
                               //: %1 is a file of the history (in quotes), %2 why it cannot be
                               //: used, a clause
                               QCoreApplication::translate("Store",
                                                           "The history record %1 of an older "
                                                           "Grovekeep cannot be used: %2.")
                                   .arg(quotedPath(operations.pathOf(name)), why));
    };
    auto file = operations.openForReading(name);
    if (!file)
        return file.status();
    const auto info = file->info();
    if (!info)
        return info.status();
    if (info->size > kMaxOlderRecord)
        //: why a history record of an older Grovekeep cannot be used, a clause
        return fail(QCoreApplication::translate("Store", "it is too large"));
    QByteArray bytes(qsizetype(info->size), Qt::Uninitialized);
    if (const Status read = file->readExactly(bytes.data(), bytes.size(), 0); !read)
        return read;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes);
    bytes.clear();
    if (!doc.isObject())
        //: why a history record of an older Grovekeep cannot be used, a clause
        return fail(QCoreApplication::translate("Store", "it is not a record"));
    OperationRecord r;
    if (const QString problem = olderHead(doc.object(), name, &r); !problem.isEmpty())
        return fail(problem);
    r.game = places.game.isEmpty() ? QString() : cleanFolder(places.game);
    if (const QString problem = olderFiles(doc.object(), places, &r, ready); !problem.isEmpty())
        return fail(problem);
    return r;
}

// Writes `r` as a record of this Grovekeep.
Status writeConverted(HistoryFolder& history, const OperationRecord& r, bool ready) {
    auto operations = history.part(kOperations, true);
    if (!operations)
        return operations.status();
    auto writer = RecordWriter::create(**operations, recordName(r.id));
    if (!writer)
        return writer.status();
    RecordHead head;
    head.id = r.id;
    head.time = r.time;
    head.kind = r.info.kind;
    head.what = r.info.what;
    head.packageName = r.info.packageName;
    head.packageSha256 = r.info.packageSha256;
    head.undoes = r.undoes;
    head.game = r.game;
    head.token = newToken();
    head.folders = int(r.createdFolders.size());
    head.files = int(r.files.size());
    Status status = writer->head(head);
    for (const fs::Location& folder : r.createdFolders) {
        if (status)
            status = writer->folder(
                Places{history.path().folder(), NativePath(r.game)}.classify(folder));
    }
    for (const FileRecord& f : r.files) {
        if (status)
            status = writer->file(RecordedFile{f.recorded, f.role, f.remove, f.before});
    }
    if (ready) {
        for (qsizetype k = 0; k < r.files.size() && status; ++k) {
            if (r.files.at(k).after)
                status = writer->after(RecordedVersion{int(k), *r.files.at(k).after});
        }
        if (status)
            status = writer->ready();
    }
    if (status)
        status = writer->sync();
    if (status && r.state != OperationState::UnderWay)
        status = appendToRecord(**operations, recordName(r.id), {},
                                RecordedState{r.state, r.undoneBy, r.note});
    if (!status)
        (*operations)->remove(recordName(r.id)).ok();
    return status;
}

} // namespace

Status ChangeStore::prepare(Locked& locked) {
    HistoryFolder& history = locked.history;
    if (!history.exists())
        return Status::success();
    // Records of an older Grovekeep are converted, each one whole or not at all; one that
    // cannot be read stays as it is, listed as unreadable.
    const auto older = history.olderRecords();
    if (!older)
        return older.status();
    bool converted = false;
    for (const QString& name : *older) {
        auto operations = history.part(kOperations);
        if (!operations)
            return operations.status();
        bool ready = false;
        const auto record = readOlder(**operations, name, m_places, &ready);
        if (!record)
            continue;
        const auto exists = (*operations)->stat(recordName(record->id));
        if (!exists || exists->kind != fs::Kind::Absent)
            continue;
        if (const Status written = writeConverted(history, *record, ready); !written)
            return written;
        if (record->state == OperationState::UnderWay) {
            if (const Status marked = history.setPending(record->id); !marked)
                return marked;
        }
        (*operations)->sync().ok();
        (*operations)->remove(name).ok();
        history.forgetRecords();
        converted = true;
    }
    // The index is made again from the records when it is missing or was made before them.
    auto folder = history.open();
    if (!folder)
        return folder.status();
    PathIndex index(**folder);
    if (converted || !index.isComplete()) {
        std::vector<std::pair<quint64, int>> entries;
        const auto ids = history.recordIds();
        if (!ids)
            return ids.status();
        for (const int id : *ids) {
            const auto r = history.whole(id, m_places);
            if (!r || !r->readable())
                continue;
            for (const FileRecord& file : r->files)
                entries.emplace_back(PathIndex::keyOf(file.recorded.key(r->game)), id);
        }
        if (const Status rewritten = index.rewrite(entries); !rewritten)
            return rewritten;
        if (const Status marked = index.markComplete(); !marked)
            return marked;
    }
    return Status::success();
}

// ---- applying

Status ChangeStore::recoverFirst(Locked& locked) {
    const auto recovered = recoverLocked(locked);
    if (!recovered)
        return recovered.status();
    const auto left = locked.history.pending();
    if (!left)
        return left.status();
    // A damaged record cannot be rolled back, now or ever: it is named by every recovery, and
    // does not stop the history. One that could not be read now (a failing disk) stops it,
    // until it can be read and rolled back.
    QList<int> pending;
    for (const int id : *left) {
        const auto summary = locked.history.summary(id, m_places);
        if (summary ? !summary->damaged : summary.kind() != ErrorKind::NotFound)
            pending << id;
    }
    if (pending.isEmpty())
        return Status::success();
    // An operation left under way that could not be rolled back yet: nothing else may change
    // the files it names until it is.
    QStringList why;
    for (const Recovered& r : *recovered)
        why += r.problems;
    if (why.isEmpty())
        return Status::failure(ErrorKind::Failed,
                               //: %1 is the number of an operation
                               QCoreApplication::translate(
                                   "Store", "Operation %1 was interrupted and could not be rolled "
                                            "back yet. Nothing was changed; the next command "
                                            "tries again.")
                                   .arg(pending.constFirst()));
    return Status::failure(
        ErrorKind::Failed,
        //: %1 is the number of an operation, %2 what stopped its roll-back (clauses joined by
        //: "; ")
        QCoreApplication::translate("Store",
                                    "Operation %1 was interrupted and could not be rolled back "
                                    "yet (%2). Nothing was changed; the next command tries again.")
            .arg(QString::number(pending.constFirst()), why.join(QStringLiteral("; "))));
}

Result<ChangeStore::Locked> ChangeStore::lockForChange() {
    auto locked = lock();
    if (!locked)
        return locked.status();
    if (const Status prepared = prepare(*locked); !prepared)
        return prepared.withMessage(withNothingChanged(prepared.error()));
    if (const Status recovered = recoverFirst(*locked); !recovered)
        return recovered;
    return locked;
}

namespace {

std::mutex g_listenerMutex;
ChangeStore::Listener g_listener;

class Announcer;
// The innermost announcer at work on this thread. (A plain pointer: MinGW runs the destructors
// of thread-local objects unreliably when a thread ends.)
thread_local Announcer* t_announcer = nullptr;

// What the work of this thread changed, told once the store's lock is released: declared before
// the lock, it tells the listener when it goes.
class Announcer {
public:
    Announcer()
        : m_outer(std::exchange(t_announcer, this)) {}
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    ~Announcer() {
        t_announcer = m_outer;
        ChangeStore::Listener listener;
        {
            const std::lock_guard<std::mutex> guard(g_listenerMutex);
            listener = g_listener;
        }
        if (listener) {
            for (const Announcement& announcement : std::as_const(m_untold))
                listener(announcement);
        }
    }
    void add(Announcement announcement) { m_untold << std::move(announcement); }

private:
    Announcer* m_outer;
    QList<Announcement> m_untold;
};

void announceLater(int operation, const QList<NativePath>& files) {
    if (!files.isEmpty() && t_announcer)
        t_announcer->add(Announcement{operation, files});
}

} // namespace

void ChangeStore::setListener(Listener listener) {
    const std::lock_guard<std::mutex> guard(g_listenerMutex);
    g_listener = std::move(listener);
}

Result<Applied> ChangeStore::apply(const OperationInfo& info, const ChangeSource& changes,
                                   const Options& options) {
    if (options.dryRun) {
        // Every check, no lock and no write: the history is not even made.
        HistoryFolder history(m_places.manager);
        return Operation(history, m_places, info, changes, options).run();
    }
    const Announcer announcer;
    auto locked = lockForChange();
    if (!locked)
        return locked.status();
    auto applied = Operation(locked->history, m_places, info, changes, options).run();
    if (applied)
        announceLater(applied->operation, applied->files);
    return applied;
}

Result<Applied> ChangeStore::apply(const OperationInfo& info, QList<FileChange> changes) {
    return apply(info, ChangeList(std::move(changes)), Options{});
}

// ---- reading the history

Result<QList<OperationRecord>> ChangeStore::history(bool wholeRecords) const {
    HistoryFolder history(m_places.manager);
    if (!history.exists())
        return QList<OperationRecord>();
    // Records of an older Grovekeep are converted first, when nobody else is at work.
    if (const auto older = history.olderRecords(); older && !older->isEmpty()) {
        ChangeStore self(*this);
        self.setWaiting([](bool) { return false; });
        if (auto locked = self.lock())
            self.prepare(*locked).ok();
        history.forgetRecords();
    }
    const auto ids = history.recordIds();
    if (!ids)
        return ids.status();
    QList<OperationRecord> out;
    for (auto it = ids->crbegin(); it != ids->crend(); ++it) {
        auto record = history.summary(*it, m_places);
        if (record && record->readable() && wholeRecords) {
            if (const Status checked = history.check(*it); !checked)
                record->unreadable = checked.error();
        }
        if (record)
            out << *record;
        else if (record.kind() != ErrorKind::NotFound) {
            OperationRecord r;
            r.id = *it;
            r.unreadable = record.error();
            out << r;
        }
    }
    if (const auto older = history.olderRecords()) {
        for (const QString& name : *older) {
            OperationRecord r;
            r.id = name.chopped(5).toInt();
            bool ready = false;
            auto operations = history.part(kOperations);
            const auto read = operations ? readOlder(**operations, name, m_places, &ready)
                                         : Result<OperationRecord>(operations.status());
            //: said of a record of the history that cannot be shown yet
            r.unreadable = read ? QCoreApplication::translate(
                                      "Store", "It was recorded by an older Grovekeep and is "
                                               "converted the next time Grovekeep changes a file.")
                                : read.error();
            out << r;
        }
    }
    std::sort(out.begin(), out.end(),
              [](const OperationRecord& a, const OperationRecord& b) { return a.id > b.id; });
    return out;
}

Result<OperationRecord> ChangeStore::operation(int id) const {
    HistoryFolder history(m_places.manager);
    auto record = history.whole(id, m_places);
    if (!record && record.kind() == ErrorKind::NotFound)
        return Status::failure(
            ErrorKind::NotFound,
            //: %1 is the number of an operation
            QCoreApplication::translate("Store", "There is no operation %1 in the history.")
                .arg(id));
    if (record && !record->readable())
        return Status::failure(ErrorKind::Invalid, record->unreadable);
    return record;
}

QList<Conflict> ChangeStore::conflicts(const QList<NativePath>& targets) const {
    HistoryFolder history(m_places.manager);
    return findConflicts(history, m_places, targets);
}

Result<std::optional<FileVersion>> ChangeStore::versionOf(const fs::Location& location) {
    auto folder = fs::Folder::holding(location, false);
    if (!folder) {
        if (folder.kind() == ErrorKind::NotFound)
            return std::optional<FileVersion>();
        return folder.status();
    }
    const auto info = folder->stat(location.name);
    if (!info)
        return info.status();
    if (info->kind == fs::Kind::Absent)
        return std::optional<FileVersion>();
    if (info->kind != fs::Kind::File)
        return Status::failure(info->kind == fs::Kind::Folder ? ErrorKind::IsFolder
                                                              : ErrorKind::UnsafePath,
                               //: %1 is a file (in quotes)
                               QCoreApplication::translate("Store", "%1 is not a regular file.")
                                   .arg(describe(location)));
    auto file = folder->openForReading(location.name);
    if (!file)
        return file.status();
    const auto opened = file->info();
    if (!opened)
        return opened.status();
    Sha256 hash;
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(opened->size, 1), 1 << 20)),
                      Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const auto got = file->read(buffer.data(), buffer.size(), total);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        hash.add(buffer.constData(), *got);
        total += *got;
    }
    return std::optional<FileVersion>(FileVersion{hash.digest(), total, opened->mode});
}

// ---- undo

namespace {

// The later operations that changed one of the files of `record` and stand: they are undone
// first. An undo of an operation later than this one cancels out with that operation.
QStringList laterOperations(HistoryFolder& history, const Places& places,
                            const OperationRecord& record, const QList<fs::Location>& locations) {
    auto folder = history.open();
    if (!folder)
        return {folder.error()};
    PathIndex index(**folder);
    QStringList problems;
    QSet<int> named;
    for (qsizetype k = 0; k < record.files.size(); ++k) {
        const auto ids =
            index.operationsOf(PathIndex::keyOf(record.files.at(k).recorded.key(record.game)));
        if (!ids)
            return {ids.error()};
        for (const int other : *ids) {
            if (other <= record.id || named.contains(other))
                continue;
            const auto later = history.summary(other, places);
            if (!later || !later->readable() || later->state != OperationState::Complete ||
                later->undoes > record.id)
                continue;
            named.insert(other);
            //: %1 is the number of a later operation, %2 what it was (such as Package "x.vif"),
            //: %3 a file (in quotes)
            problems << QCoreApplication::translate(
                            "Store", "Operation %1 (%2) changed %3 later; undo it first.")
                            .arg(QString::number(other), oneLine(later->info.what),
                                 describe(locations.at(k)));
        }
    }
    return problems;
}

// Why operation `id`, in `state`, cannot be undone.
QString notUndoable(int id, OperationState state) {
    switch (state) {
    case OperationState::UnderWay:
        break;
    case OperationState::Complete:
        return QString();
    case OperationState::Undone:
        //: %1 is the number of an operation
        return QCoreApplication::translate(
                   "Store", "Operation %1 is undone; only a complete operation can be undone.")
            .arg(id);
    case OperationState::RolledBack:
        //: %1 is the number of an operation
        return QCoreApplication::translate(
                   "Store", "Operation %1 is rolled-back; only a complete operation can be undone.")
            .arg(id);
    }
    //: %1 is the number of an operation
    return QCoreApplication::translate(
               "Store", "Operation %1 is under-way; only a complete operation can be undone.")
        .arg(id);
}

} // namespace

QStringList ChangeStore::undoProblems(int id, bool* changedOnly) const {
    if (changedOnly)
        *changedOnly = false;
    HistoryFolder history(m_places.manager);
    const auto record = operation(id);
    if (!record)
        return {record.error()};
    if (record->state != OperationState::Complete)
        return {notUndoable(id, record->state)};
    QStringList problems;
    QList<fs::Location> locations;
    for (const FileRecord& file : record->files) {
        const auto location = m_places.resolve(file.recorded, record->game, Places::Use::Change);
        if (!location && !file.before) {
            problems << location.error();
        } else if (!location) {
            // What it held stays in the history, where the user can take it.
            //: %1 says why a file cannot be put back (whole sentences), %2 is the file in the
            //: history (in quotes) that keeps what it held
            problems << QCoreApplication::translate("Store",
                                                    "%1 What it held before is kept as %2.")
                            .arg(location.error(),
                                 quotedPath(history.objectLocation(file.before->sha256).path()));
        } else {
            locations << *location;
        }
    }
    if (!problems.isEmpty())
        return problems;
    problems = laterOperations(history, m_places, *record, locations);
    if (!problems.isEmpty())
        return problems;
    bool onlyChanged = true;
    for (qsizetype k = 0; k < record->files.size(); ++k) {
        const FileRecord& file = record->files.at(k);
        const auto now = versionOf(locations.at(k));
        if (!now) {
            //: %1 is a file (in quotes), %2 why it could not be read, a clause
            problems << QCoreApplication::translate("Store", "%1 could not be read: %2.")
                            .arg(describe(locations.at(k)), asClause(now.error()));
            onlyChanged = false;
            continue;
        }
        if (!holds(*now, file.remove ? std::nullopt : file.after))
            //: %1 is a file (in quotes), %2 the number of an operation
            problems << QCoreApplication::translate("Store",
                                                    "%1 has changed since operation %2 wrote it.")
                            .arg(describe(locations.at(k)), QString::number(id));
    }
    if (changedOnly)
        *changedOnly = onlyChanged && !problems.isEmpty();
    return problems;
}

namespace {

// The operation `undone` names its undo; undoing an undo makes the operation it had undone
// complete again. Each mark is made once.
void markUndone(HistoryFolder& history, const Places& places, int undone, int by) {
    auto operations = history.part(kOperations);
    if (!operations)
        return;
    const auto record = history.summary(undone, places);
    if (!record || !record->readable())
        return;
    if (record->state != OperationState::Undone || record->undoneBy != by)
        appendToRecord(**operations, recordName(undone), {},
                       RecordedState{OperationState::Undone, by, QString()})
            .ok();
    if (record->undoes) {
        const auto original = history.summary(record->undoes, places);
        if (original && original->readable() && original->state == OperationState::Undone)
            appendToRecord(**operations, recordName(record->undoes), {},
                           RecordedState{OperationState::Complete, 0, QString()})
                .ok();
    }
}

// The folders an operation made, innermost first, as far as they are empty.
void removeEmptyFolders(const Places& places, const OperationRecord& record,
                        const QList<RecordedPath>& folders) {
    for (auto it = folders.crbegin(); it != folders.crend(); ++it) {
        const auto location = places.resolve(*it, record.game, Places::Use::Change);
        if (!location)
            continue;
        auto parent = fs::Folder::holding(*location, false);
        if (!parent)
            continue;
        auto folder = parent->child(location->name, false);
        const auto names = folder ? folder->names() : Result<QStringList>(folder.status());
        if (names && names->isEmpty())
            parent->removeFolder(location->name).ok();
    }
}

QList<RecordedPath> createdFoldersOf(const Places& places, const OperationRecord& record) {
    QList<RecordedPath> out;
    for (const fs::Location& folder : record.createdFolders)
        out << places.classify(folder);
    return out;
}

} // namespace

Result<Applied> ChangeStore::undo(int id, bool force) {
    const Announcer announcer;
    auto locked = lockForChange();
    if (!locked)
        return locked.status();
    bool changedOnly = false;
    const QStringList problems = undoProblems(id, &changedOnly);
    if (!problems.isEmpty() && !(force && changedOnly))
        return Status::failure(
            changedOnly ? ErrorKind::Failed : ErrorKind::Invalid,
            //: %1 is the number of an operation, %2 why it was not undone
            //: (whole sentences)
            QCoreApplication::translate("Store", "Operation %1 was not undone: %2")
                .arg(QString::number(id), problems.join(QLatin1Char(' '))));
    auto record = locked->history.whole(id, m_places);
    if (!record || !record->readable())
        return Status::failure(ErrorKind::Invalid, record ? record->unreadable : record.error());

    QList<FileChange> changes;
    for (auto it = record->files.crbegin(); it != record->files.crend(); ++it) {
        const auto location = m_places.resolve(it->recorded, record->game, Places::Use::Change);
        if (!location)
            return location.status();
        Contents contents;
        if (it->before)
            contents.add(locked->history.objectLocation(it->before->sha256), 0, it->before->size);
        FileChange change(*location, contents, it->role);
        change.remove = !it->before;
        // Undoing an undo may have to bring back the folders the first undo removed.
        change.createFolders = !change.remove;
        if (it->before) {
            change.expected = it->before->sha256;
            change.mode = it->before->mode;
        }
        changes << change;
    }
    OperationInfo info;
    info.kind = QStringLiteral("undo");
    info.what = QStringLiteral("Undo of %1: %2").arg(id).arg(record->info.what);
    info.undoes = id;
    const ChangeList list(std::move(changes));
    const Options options;
    Operation operation(locked->history, m_places, info, list, options);
    operation.keepPendingMark();
    auto applied = operation.run();
    if (!applied)
        return applied;
    // A mark that cannot be written now is made by the next recovery: the undo stays pending
    // until then.
    markUndone(locked->history, m_places, id, applied->operation);
    removeEmptyFolders(m_places, *record, createdFoldersOf(m_places, *record));
    locked->history.clearPending(applied->operation).ok();
    announceLater(applied->operation, applied->files);
    return applied;
}

// ---- verify

namespace {

FileCheck checkFile(const Places& places, const OperationRecord& record, const FileRecord& file) {
    FileCheck check{record.id, file.location.path(), file.role, FileState::Intact, QString()};
    const auto location = places.resolve(file.recorded, record.game, Places::Use::Read);
    if (!location) {
        check.state = FileState::Unreadable;
        check.problem = location.error();
        return check;
    }
    check.path = location->path();
    const auto now = ChangeStore::versionOf(*location);
    if (!now) {
        check.state = FileState::Unreadable;
        check.problem = now.error();
    } else if (!now->has_value()) {
        check.state = file.after ? FileState::Missing : FileState::Intact;
    } else if (!file.after || (*now)->sha256 != file.after->sha256) {
        check.state = FileState::Changed;
    }
    return check;
}

FileCheck unreadableRecord(HistoryFolder& history, int id, const QString& why) {
    return FileCheck{id, history.path().child(kOperations).child(recordName(id)), FileRole::Target,
                     FileState::Unreadable, why};
}

} // namespace

QList<FileCheck> ChangeStore::verify(int id) const {
    HistoryFolder history(m_places.manager);
    QList<FileCheck> out;
    if (id) {
        const auto record = history.whole(id, m_places);
        if (!record) {
            if (record.kind() != ErrorKind::NotFound)
                out << unreadableRecord(history, id, record.error());
            return out;
        }
        if (!record->readable())
            return {unreadableRecord(history, id, record->unreadable)};
        for (const FileRecord& file : record->files)
            out << checkFile(m_places, *record, file);
        return out;
    }
    const auto ids = history.recordIds();
    if (!ids)
        return {FileCheck{0, history.path().child(kOperations), FileRole::Target,
                          FileState::Unreadable, ids.error()}};
    QSet<QString> seen; // newest first: a file a later operation wrote is checked against it
    for (auto it = ids->crbegin(); it != ids->crend(); ++it) {
        const auto summary = history.summary(*it, m_places);
        if (summary && !summary->readable()) {
            out << unreadableRecord(history, *it, summary->unreadable);
            continue;
        }
        if (!summary || summary->state != OperationState::Complete)
            continue;
        const auto record = history.whole(*it, m_places);
        if (!record || !record->readable()) {
            out << unreadableRecord(history, *it, record ? record->unreadable : record.error());
            continue;
        }
        for (const FileRecord& file : record->files) {
            const QString key = file.recorded.key(record->game);
            if (seen.contains(key))
                continue;
            seen.insert(key);
            out << checkFile(m_places, *record, file);
        }
    }
    return out;
}

Result<StoreCheck> ChangeStore::verifyStore() const {
    HistoryFolder history(m_places.manager);
    StoreCheck check;
    if (!history.exists())
        return check;
    auto objects = history.part(kObjects);
    if (!objects) {
        if (objects.kind() == ErrorKind::NotFound)
            return check;
        return objects.status();
    }
    const auto shards = (*objects)->names();
    if (!shards)
        return shards.status();
    for (const QString& shardName : *shards) {
        auto shard = (*objects)->child(shardName, false);
        if (!shard) {
            check.damaged << damagedEntry(quotedPath((*objects)->pathOf(shardName)),
                                          asClause(shard.error()));
            continue;
        }
        const auto names = shard->names();
        if (!names) {
            check.damaged << names.error();
            continue;
        }
        for (const QString& name : *names) {
            ++check.objects;
            const QString shown = quotedPath(shard->pathOf(name));
            const auto digest = Digest::fromHex(name);
            if (!digest || !name.startsWith(shardName)) {
                //: %1 is a file kept in the history (in quotes)
                check.damaged << QCoreApplication::translate(
                                     "Store", "%1: its name is no SHA-256 of this folder")
                                     .arg(shown);
                continue;
            }
            auto file = shard->openForReading(name);
            if (!file) {
                check.damaged << damagedEntry(shown, asClause(file.error()));
                continue;
            }
            const auto info = file->info();
            Sha256 hash;
            QByteArray buffer(1 << 20, Qt::Uninitialized);
            Status read = info ? Status::success() : info.status();
            for (qint64 at = 0; read;) {
                const auto got = file->read(buffer.data(), buffer.size(), at);
                if (!got) {
                    read = got.status();
                    break;
                }
                if (*got == 0)
                    break;
                hash.add(buffer.constData(), *got);
                at += *got;
            }
            if (!read)
                check.damaged << damagedEntry(shown, asClause(read.error()));
            else if (hash.digest() != *digest)
                //: %1 is a file kept in the history (in quotes)
                check.damaged << QCoreApplication::translate("Store",
                                                             "%1: its bytes do not match its name")
                                     .arg(shown);
        }
    }
    return check;
}

// ---- recovery

namespace {

// What the roll-back of an interrupted operation gathers as it goes.
struct RollingBack {
    HistoryFolder& history;
    QString token; // the names of its temporary files
    Recovered recovered;
    QList<RecordedVersion> kept;
    bool durable = true;
};

// Removes the temporary file of file `k` beside it, when it is there; false when it could not be
// looked at or removed (the next recovery tries again).
bool removeTemporary(const fs::Location& location, const QString& token, int k) {
    auto folder = fs::Folder::holding(location, false);
    if (!folder)
        return folder.kind() == ErrorKind::NotFound;
    const QString temp = temporaryName(token, k);
    const auto there = folder->stat(temp);
    return there && (there->kind == fs::Kind::Absent || there->kind == fs::Kind::Folder ||
                     folder->remove(temp));
}

// Keeps the user's later version of a file in the history before it is put back; false when it
// could not be kept.
bool keepLaterVersion(RollingBack& r, const fs::Location& location, int k) {
    auto folder = fs::Folder::holding(location, false);
    auto source =
        folder ? folder->openForReading(location.name) : Result<fs::File>(folder.status());
    const auto info = source ? source->info() : Result<fs::Info>(source.status());
    const auto version = info ? r.history.keep(*source, *info, describe(location))
                              : Result<FileVersion>(info.status());
    if (!version) {
        //: %1 is a file (in quotes), %2 why its later version could not be kept, a clause
        r.recovered.problems << QCoreApplication::translate(
                                    "Store", "%1 holds a later version that could not be kept, "
                                             "and was left as it is: %2")
                                    .arg(describe(location), asClause(version.error()));
        return false;
    }
    r.kept << RecordedVersion{k, *version};
    //: a clause; %1 is a file, %2 the file in the history that keeps its content (both in quotes)
    r.recovered.kept << QCoreApplication::translate(
                            "Store", "kept your later version of %1 in the history (%2)")
                            .arg(describe(location),
                                 quotedPath(r.history.objectLocation(version->sha256).path()));
    return true;
}

// Puts back what file `k` held, unless it holds it already; a file holding neither that nor
// what the operation wrote is a later version of the user's, kept first. False when the file
// is left for the next recovery.
bool putBackFile(RollingBack& r, const FileRecord& file, const fs::Location& location, int k) {
    const auto now = ChangeStore::versionOf(location);
    if (!now) {
        //: %1 is a file (in quotes), %2 why it could not be read, a clause
        r.recovered.problems << QCoreApplication::translate(
                                    "Store", "%1 could not be read, and was left as it is: %2")
                                    .arg(describe(location), asClause(now.error()));
        return false;
    }
    const std::optional<FileVersion> after = file.remove ? std::nullopt : file.after;
    if (holds(*now, file.before))
        return true;
    if (!holds(*now, after) && now->has_value() && !keepLaterVersion(r, location, k))
        return false;
    bool done = true;
    if (const Status back =
            putBack(r.history, location, file.before, temporaryName(r.token, k), &done);
        !back) {
        //: %1 is a file (in quotes), %2 why it could not be put back, a clause
        r.recovered.problems << QCoreApplication::translate("Store", "%1 could not be put back: %2")
                                    .arg(describe(location), asClause(back.error()));
        return false;
    }
    r.durable = r.durable && done;
    ++r.recovered.filesPutBack;
    r.recovered.files << location.path();
    return true;
}

// Rolls back the interrupted operation of `record`: files are put back only where they hold what
// the operation wrote; a file holding neither what it held before nor what the operation wrote
// is a later version of the user's, kept in the history before it is put back.
Recovered rollBackRecorded(HistoryFolder& history, const Places& places, int id, bool* finished) {
    RollingBack r{history, {}, {}, {}};
    r.recovered.operation = id;
    *finished = false;
    bool ready = false;
    const auto record = history.whole(id, places, &ready, &r.token);
    if (!record || !record->readable()) {
        r.recovered.problems << (record ? record->unreadable : record.error());
        return r.recovered;
    }
    r.recovered.what = record->info.what;
    auto operations = history.part(kOperations);
    if (!operations) {
        r.recovered.problems << operations.error();
        return r.recovered;
    }
    bool everyFile = true;
    for (qsizetype k = record->files.size() - 1; k >= 0; --k) {
        const FileRecord& file = record->files.at(k);
        const auto location = places.resolve(file.recorded, record->game, Places::Use::Change);
        if (!location) {
            //: %1 is a file (in quotes), %2 why it was not put back, a clause
            r.recovered.problems << QCoreApplication::translate("Store", "%1 was left as it is: %2")
                                        .arg(describe(file.location), asClause(location.error()));
            // A file the user chose, elsewhere, is never written from the history (it holds
            // what was saved, or what it held): the rest is rolled back all the same. A file
            // of a game folder that is not set now waits until it is.
            if (file.recorded.root != RootKind::Elsewhere)
                everyFile = false;
            continue;
        }
        everyFile = removeTemporary(*location, r.token, int(k)) && everyFile;
        // Without the ready line no file had been changed yet.
        if (ready)
            everyFile = putBackFile(r, file, *location, int(k)) && everyFile;
    }
    if (!r.durable)
        //: a clause, in a list of what went wrong in a roll-back
        r.recovered.problems << QCoreApplication::translate(
            "Store", "the system could not confirm that every file put back is safely on the disk");
    if (!everyFile)
        return r.recovered; // still under way: the next start tries again
    removeEmptyFolders(places, *record, createdFoldersOf(places, *record));
    RecordedState state;
    state.state = OperationState::RolledBack;
    // Written into the record as it is: noteText() gives it in the user's language.
    state.note = record->note.isEmpty() ? QString::fromUtf8(kRolledBackAtStart) : record->note;
    if (appendToRecord(**operations, recordName(id), r.kept, state))
        *finished = true;
    return r.recovered;
}

} // namespace

Result<QList<Recovered>> ChangeStore::recoverLocked(Locked& locked) {
    HistoryFolder& history = locked.history;
    QList<Recovered> out;
    if (!history.exists())
        return out;
    history.removeTemporaries();
    auto pending = history.pending();
    if (!pending)
        return pending.status().withMessage(
            //: %1 says why (whole sentences)
            QCoreApplication::translate("Store",
                                        "Grovekeep cannot tell whether a change was interrupted: "
                                        "%1")
                .arg(pending.error()));
    // The newest first: an operation left under way over another one's files is taken back
    // before the one whose files it found.
    std::sort(pending->begin(), pending->end(), std::greater<int>());
    for (const int id : *pending) {
        const auto summary = history.summary(id, m_places);
        if (!summary) {
            if (summary.kind() == ErrorKind::NotFound)
                history.clearPending(id).ok(); // never recorded: nothing changed
            else
                out << Recovered{id, QString(), 0, {}, {summary.error()}, {}};
            continue;
        }
        if (!summary->readable()) {
            // A record whose first line was never written whole: the process was killed before
            // any file could change.
            if (!history.recordBegun(id)) {
                if (auto operations = history.part(kOperations))
                    (*operations)->remove(recordName(id)).ok();
                history.clearPending(id).ok();
                continue;
            }
            out << Recovered{id, QString(), 0, {}, {summary->unreadable}, {}};
            continue;
        }
        switch (summary->state) {
        case OperationState::Complete:
            // An undo whose mark on the operation it undid may not be written yet.
            if (summary->undoes)
                markUndone(history, m_places, summary->undoes, id);
            history.clearPending(id).ok();
            continue;
        case OperationState::Undone:
        case OperationState::RolledBack:
            history.clearPending(id).ok();
            continue;
        case OperationState::UnderWay:
            break;
        }
        bool finished = false;
        out << rollBackRecorded(history, m_places, id, &finished);
        announceLater(id, out.last().files);
        if (finished)
            history.clearPending(id).ok();
    }
    return out;
}

Result<QList<Recovered>> ChangeStore::recover() {
    if (!HistoryFolder(m_places.manager).exists())
        return QList<Recovered>();
    const Announcer announcer;
    auto locked = lock();
    if (!locked)
        return locked.status();
    if (const Status prepared = prepare(*locked); !prepared)
        return prepared;
    return recoverLocked(*locked);
}

// ---- prune

namespace {

Status pruneRefused(const QString& why) {
    return Status::failure(ErrorKind::Invalid,
                           //: %1 says why a record cannot be read (whole sentences)
                           QCoreApplication::translate(
                               "Store", "Nothing was freed: %1 What it kept may be the only copy "
                                        "of what a file held, so every kept content stays.")
                               .arg(why));
}

// What a pruning removes: the old operations, and the kept contents no other one needs.
struct PruneChoice {
    QList<int> removed;
    QSet<QString> needed; // SHA-256s, in hex
    int highest = 0;
};

// Chooses what goes: operations older than `before` and finished, unless their files are still
// installed (or `evenInstalled`). Every record must be read for it: an unreadable one refuses.
Result<PruneChoice> choosePruned(HistoryFolder& history, const Places& places,
                                 const QDateTime& before, bool evenInstalled, Pruned* pruned) {
    const auto ids = history.recordIds();
    if (!ids)
        return ids.status();
    const auto older = history.olderRecords();
    if (!older)
        return older.status();
    if (!older->isEmpty())
        return Status::failure(
            ErrorKind::Invalid,
            //: %1 is a file of the history (in quotes)
            QCoreApplication::translate(
                "Store", "Nothing was freed: the record %1 of an older Grovekeep cannot be read. "
                         "What it kept may be the only copy of what a file held, so every kept "
                         "content stays.")
                .arg(quotedPath(history.path().child(kOperations).child(older->at(0)))));
    PruneChoice choice;
    for (const int id : *ids) {
        choice.highest = std::max(choice.highest, id);
        const auto record = history.whole(id, places);
        if (!record)
            return pruneRefused(record.error());
        if (!record->readable())
            return pruneRefused(record->unreadable);
        bool old = record->time < before && record->state != OperationState::UnderWay;
        if (old && record->state == OperationState::Complete && !evenInstalled) {
            bool installed = false;
            for (const FileRecord& file : record->files)
                installed |= file.role == FileRole::Target &&
                             checkFile(places, *record, file).state == FileState::Intact;
            if (installed) {
                pruned->keptInstalled << id;
                old = false;
            }
        }
        if (old) {
            choice.removed << id;
            continue;
        }
        for (const FileRecord& file : record->files) {
            if (file.before)
                choice.needed.insert(file.before->sha256.hex());
            if (file.kept)
                choice.needed.insert(file.kept->sha256.hex());
        }
    }
    std::sort(pruned->keptInstalled.begin(), pruned->keptInstalled.end(), std::greater<int>());
    return choice;
}

// Removes the records of `removed`, then their index entries (an entry whose record is gone is
// passed over). The last id is kept first: ids never go back, even when every record is gone.
Status removeRecords(HistoryFolder& history, const PruneChoice& choice) {
    if (const Status kept = history.keepLastId(choice.highest); !kept)
        return kept;
    auto operations = history.part(kOperations);
    if (!operations)
        return operations.status();
    Status removed = Status::success();
    for (const int id : choice.removed) {
        removed = (*operations)->remove(recordName(id));
        if (!removed)
            break;
    }
    history.forgetRecords();
    if (!removed)
        return removed;
    if (const Status synced = (*operations)->sync(); !synced)
        return synced;
    const QSet<int> gone(choice.removed.cbegin(), choice.removed.cend());
    auto folder = history.open();
    if (!folder)
        return folder.status();
    PathIndex index(**folder);
    std::vector<std::pair<quint64, int>> entries;
    if (const Status read = index.forEach([&](quint64 key, int id) {
            if (!gone.contains(id))
                entries.emplace_back(key, id);
        });
        !read)
        return read;
    return index.rewrite(entries);
}

// Frees (or, for a dry run, counts) every kept content no remaining record needs.
Status freeObjects(HistoryFolder& history, const QSet<QString>& needed, bool dryRun,
                   qint64* bytesFreed) {
    auto objects = history.part(kObjects);
    if (!objects)
        return Status::success();
    const auto shards = (*objects)->names();
    if (!shards)
        return shards.status();
    for (const QString& shardName : *shards) {
        auto shard = (*objects)->child(shardName, false);
        if (!shard)
            continue;
        const auto names = shard->names();
        if (!names)
            return names.status();
        for (const QString& name : *names) {
            if (needed.contains(name))
                continue;
            // What cannot be removed now is freed by the next pruning.
            const auto info = shard->stat(name);
            if (dryRun || shard->remove(name))
                *bytesFreed += info ? info->size : 0;
        }
        if (!dryRun)
            shard->sync().ok();
    }
    return Status::success();
}

} // namespace

// The records go before the contents they kept: a pruning cut short leaves contents no record
// names (freed by the next one), never a record without its contents.
Result<Pruned> ChangeStore::prune(const QDateTime& before, bool evenInstalled, bool dryRun) {
    Pruned pruned;
    if (!HistoryFolder(m_places.manager).exists())
        return pruned;
    auto locked = lockForChange();
    if (!locked)
        return locked.status();
    HistoryFolder& history = locked->history;
    const auto choice = choosePruned(history, m_places, before, evenInstalled, &pruned);
    if (!choice)
        return choice.status();
    pruned.operations = int(choice->removed.size());
    if (!dryRun && !choice->removed.isEmpty()) {
        if (const Status removed = removeRecords(history, *choice); !removed)
            return removed;
    }
    if (const Status freed = freeObjects(history, choice->needed, dryRun, &pruned.bytesFreed);
        !freed)
        return freed;
    return pruned;
}

// ---- new files without a store

Status writeNewFiles(const QList<FileChange>& changes) {
    QList<fs::Location> createdFolders;
    QList<fs::Location> written; // placed files, for a failure
    auto undo = [&](const Status& failure) {
        for (auto it = written.crbegin(); it != written.crend(); ++it) {
            if (auto folder = fs::Folder::holding(*it, false))
                folder->remove(it->name).ok();
        }
        for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it) {
            if (auto parent = fs::Folder::holding(*it, false))
                parent->removeFolder(it->name).ok();
        }
        //: %1 says what failed (whole sentences)
        return failure.withMessage(
            QCoreApplication::translate("Store", "%1 Nothing was written.").arg(failure.error()));
    };
    auto labelled = [](const FileChange& change, const Status& failure) {
        if (change.label.isEmpty())
            return failure;
        return failure.withMessage(labelledText(change.label, failure.error()));
    };
    for (const FileChange& change : changes) {
        auto folder = fs::Folder::holding(change.target, change.createFolders, &createdFolders);
        if (!folder)
            return undo(labelled(change, folder.status()));
        const auto info = folder->stat(change.target.name);
        if (!info)
            return undo(info.status());
        if (info->kind != fs::Kind::Absent)
            return undo(Status::failure(
                ErrorKind::Invalid,
                //: %1 is a file (in quotes); --manager-folder is an option of grovekeep-vif
                QCoreApplication::translate("Store", "%1 exists already; it is replaced only where "
                                                     "Grovekeep's folder keeps what it holds (give "
                                                     "--manager-folder).")
                    .arg(describe(change.target))));
        auto temp = folder->createTemp(0666);
        if (!temp)
            return undo(temp.status());
        const QString tempName = temp->path().fileName();
        Status status = change.contents.writeTo(*temp, nullptr);
        if (status)
            status = temp->sync();
        if (status)
            status = temp->close();
        if (status)
            status = folder->moveNoReplace(tempName, *folder, change.target.name);
        if (!status) {
            folder->remove(tempName).ok();
            return undo(labelled(change, status));
        }
        written << change.target;
        if (const Status synced = folder->sync(); !synced)
            return undo(synced);
    }
    return Status::success();
}

OperationInfo savedAs(const QString& what, const NativePath& path) {
    OperationInfo info;
    info.kind = QStringLiteral("save");
    info.what = QStringLiteral("%1 saved as %2").arg(what, quotedPath(path));
    return info;
}

Status saveFiles(ChangeStore* store, const OperationInfo& info, const QList<FileChange>& changes) {
    return store ? store->apply(info, changes).status() : writeNewFiles(changes);
}

} // namespace gk

#include "historyfolder.h"

#include "base/quoting.h"
#include "pathindex.h"
#include "store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>

#include <map>
#include <mutex>

#include <algorithm>

namespace gk {

using namespace history;

namespace {

constexpr qint64 kChunk = 1 << 20;

// Only digits: the names of pending operations.
int pendingId(const QString& name) {
    if (name.isEmpty() || name.size() > 10)
        return 0;
    for (const QChar c : name) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    return name.toInt();
}

} // namespace

HistoryFolder::HistoryFolder(NativePath manager)
    : m_manager(std::move(manager)) {}

NativePath HistoryFolder::path() const { return m_manager.child(kHistory); }

bool HistoryFolder::exists() const {
    auto manager = fs::Folder::openRoot(m_manager);
    if (!manager)
        return false;
    const auto info = manager->stat(kHistory);
    return info && info->kind != fs::Kind::Absent;
}

Result<const fs::Folder*> HistoryFolder::open(bool create) {
    if (const auto found = m_open.find(QString()); found != m_open.end())
        return &found->second;
    auto manager = fs::Folder::openRoot(m_manager);
    if (!manager)
        return manager.status();
    auto history = manager->child(kHistory, create);
    if (!history)
        return history.status();
    return &m_open.emplace(QString(), std::move(*history)).first->second;
}

Result<const fs::Folder*> HistoryFolder::part(const QString& name, bool create) {
    if (const auto found = m_open.find(name); found != m_open.end())
        return &found->second;
    auto history = open(create);
    if (!history)
        return history.status();
    bool made = false;
    auto folder = (*history)->child(name, create, &made);
    if (!folder)
        return folder.status();
    if (made) {
        if (const Status synced = (*history)->sync(); !synced)
            return synced;
    }
    return &m_open.emplace(name, std::move(*folder)).first->second;
}

Result<const HistoryFolder::Listing*> HistoryFolder::listing() {
    if (m_listing)
        return &*m_listing;
    Listing out;
    auto operations = part(kOperations);
    if (!operations) {
        if (operations.kind() != ErrorKind::NotFound)
            return operations.status();
        m_listing = out;
        return &*m_listing;
    }
    const auto names = (*operations)->names();
    if (!names)
        return names.status();
    for (const QString& name : *names) {
        if (const int id = recordId(name))
            out.ids << id;
        else if (name.endsWith(QStringLiteral(".json")) && pendingId(name.chopped(5)) > 0)
            out.older << name;
    }
    std::sort(out.ids.begin(), out.ids.end());
    std::sort(out.older.begin(), out.older.end());
    m_listing = out;
    return &*m_listing;
}

Result<QList<int>> HistoryFolder::recordIds() {
    const auto listed = listing();
    if (!listed)
        return listed.status();
    return (*listed)->ids;
}

Result<QStringList> HistoryFolder::olderRecords() {
    const auto listed = listing();
    if (!listed)
        return listed.status();
    return (*listed)->older;
}

Result<int> HistoryFolder::nextId() {
    int last = 0;
    const auto ids = recordIds();
    if (!ids)
        return ids.status();
    if (!ids->isEmpty())
        last = ids->constLast();
    const auto older = olderRecords();
    if (!older)
        return older.status();
    for (const QString& name : *older)
        last = std::max(last, pendingId(name.chopped(5)));
    const auto waiting = pending();
    if (!waiting)
        return waiting.status();
    for (const int id : *waiting)
        last = std::max(last, id);
    if (auto history = open()) {
        if (auto file = (*history)->openForReading(kLastId)) {
            char digits[16] = {};
            const auto got = file->read(digits, sizeof digits - 1, 0);
            if (!got)
                return got.status();
            last = std::max(last, pendingId(QString::fromLatin1(digits, int(*got)).trimmed()));
        }
    }
    if (last >= 999'999'999)
        return Status::failure(ErrorKind::Failed,
                               QCoreApplication::translate(
                                   "History", "The history has run out of operation numbers."));
    return last + 1;
}

Status HistoryFolder::keepLastId(int id) {
    auto history = open(true);
    auto temporary = part(kTemporary, true);
    if (!history || !temporary)
        return !history ? history.status() : temporary.status();
    auto temp = (*temporary)->createTemp(0644);
    if (!temp)
        return temp.status();
    const QString name = temp->path().fileName();
    const QByteArray text = QByteArray::number(id) + '\n';
    Status status = temp->write(text.constData(), text.size());
    if (status)
        status = temp->sync();
    if (status)
        status = temp->close();
    if (status)
        status = (*temporary)->moveTo(name, **history, kLastId);
    if (!status) {
        (*temporary)->remove(name).ok();
        return status;
    }
    return (*history)->sync();
}

Result<QList<int>> HistoryFolder::pending() {
    auto folder = part(kPending);
    if (!folder) {
        if (folder.kind() == ErrorKind::NotFound)
            return QList<int>();
        return folder.status();
    }
    const auto names = (*folder)->names();
    if (!names)
        return names.status();
    QList<int> ids;
    for (const QString& name : *names) {
        if (const int id = pendingId(name))
            ids << id;
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

Status HistoryFolder::setPending(int id) {
    auto folder = part(kPending, true);
    if (!folder)
        return folder.status();
    auto file = (*folder)->createExclusive(QString::number(id), 0644);
    if (!file && file.kind() != ErrorKind::Failed)
        return file.status();
    return Status::success();
}

Status HistoryFolder::clearPending(int id) {
    auto folder = part(kPending);
    if (!folder)
        return folder.status();
    const QString name = QString::number(id);
    const auto there = (*folder)->stat(name);
    if (!there || there->kind == fs::Kind::Absent)
        return Status::success();
    return (*folder)->remove(name);
}

fs::Location HistoryFolder::objectLocation(const Digest& sha256) const {
    const QString hex = sha256.hex();
    return fs::Location::below(path(), kObjects + '/' + hex.left(2) + '/' + hex);
}

Result<fs::File> HistoryFolder::openObject(const Digest& sha256) {
    auto objects = part(kObjects);
    if (!objects)
        return objects.status();
    const QString hex = sha256.hex();
    auto shard = (*objects)->child(hex.left(2), false);
    if (!shard)
        return shard.status();
    return shard->openForReading(hex);
}

Result<FileVersion> HistoryFolder::keep(fs::File& source, const fs::Info& info,
                                        const QString& shown) {
    auto temporary = part(kTemporary, true);
    auto objects = part(kObjects, true);
    if (!temporary || !objects)
        return !temporary ? temporary.status() : objects.status();
    auto temp = (*temporary)->createTemp(0444);
    if (!temp)
        return temp.status();
    const QString name = temp->path().fileName();
    auto fail = [&](const Status& failure) -> Result<FileVersion> {
        (*temporary)->remove(name).ok();
        return failure;
    };
    if (const Status copied = temp->copyFrom(source, 0, info.size); !copied)
        return fail(copied);
    const auto now = source.info();
    if (!now)
        return fail(now.status());
    if (!now->unchangedSince(info))
        return fail(Status::failure(
            ErrorKind::Failed,
            //: %1 is a file (in quotes) whose content was being kept in the history
            QCoreApplication::translate("History", "%1 changed while it was being kept.")
                .arg(shown)));
    temp->copyAttributesFrom(source);
    // What was copied is what is kept: hashed from the copy itself.
    Sha256 hash;
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(info.size, 1), kChunk)),
                      Qt::Uninitialized);
    for (qint64 at = 0; at < info.size;) {
        const qint64 want = std::min<qint64>(buffer.size(), info.size - at);
        if (const Status read = temp->readExactly(buffer.data(), want, at); !read)
            return fail(read);
        hash.add(buffer.constData(), want);
        at += want;
    }
    const FileVersion version{hash.digest(), info.size, info.mode};
    if (const Status synced = temp->sync(); !synced)
        return fail(synced);
    temp->close().ok();
    const QString hex = version.sha256.hex();
    auto shard = (*objects)->child(hex.left(2), true);
    if (!shard)
        return fail(shard.status());
    if (const Status moved = (*temporary)->moveTo(name, *shard, hex); !moved)
        return fail(moved);
    if (const Status synced = shard->sync(); !synced)
        return synced;
    return version;
}

void HistoryFolder::removeTemporaries() {
    auto temporary = part(kTemporary);
    if (!temporary)
        return;
    if (const auto names = (*temporary)->names()) {
        for (const QString& name : *names)
            (*temporary)->remove(name).ok();
    }
}

namespace {

OperationRecord summaryOf(const RecordHead& head, const RecordedState& state) {
    OperationRecord r;
    r.id = head.id;
    r.time = head.time;
    r.info.kind = head.kind;
    r.info.what = head.what;
    r.info.packageName = head.packageName;
    r.info.packageSha256 = head.packageSha256;
    r.info.undoes = head.undoes;
    r.undoes = head.undoes;
    r.game = head.game;
    r.fileCount = head.files;
    r.state = state.state;
    r.undoneBy = state.undoneBy;
    r.note = state.note;
    return r;
}

OperationRecord unreadable(int id, const Status& why) {
    OperationRecord r;
    r.id = id;
    r.unreadable = why.error();
    r.damaged = why.kind() == ErrorKind::Invalid;
    return r;
}

Status namesAnother(const fs::Folder& operations, int id, int named) {
    return Status::failure(
        ErrorKind::Invalid,
        //: %1 is a file of the history (in quotes), %2 the number of
        //: another operation than the one it should name
        QCoreApplication::translate("History", "The history record %1 names operation %2.")
            .arg(quotedPath(operations.pathOf(recordName(id))))
            .arg(named));
}

// Record `id`, opened with its head read; or, when it cannot be used, the record as unreadable
// (with why); or NotFound.
struct OpenedRecord {
    std::optional<RecordReader> reader; // none: `failed` says why
    RecordHead head;
    OperationRecord failed;
};

Result<OpenedRecord> openRecord(const fs::Folder& operations, int id) {
    OpenedRecord out;
    auto reader = RecordReader::open(operations, recordName(id));
    if (!reader) {
        if (reader.kind() == ErrorKind::NotFound)
            return reader.status();
        out.failed = unreadable(id, reader.status());
        return out;
    }
    const auto head = reader->head();
    if (!head || head->id != id) {
        out.failed = unreadable(id, head ? namesAnother(operations, id, head->id) : head.status());
        return out;
    }
    out.head = *head;
    out.reader = std::move(*reader);
    return out;
}

} // namespace

Result<OperationRecord> HistoryFolder::summary(int id, const Places&) {
    auto operations = part(kOperations);
    if (!operations)
        return operations.status();
    auto opened = openRecord(**operations, id);
    if (!opened)
        return opened.status();
    if (!opened->reader)
        return opened->failed;
    const auto state = opened->reader->state();
    if (!state)
        return unreadable(id, state.status());
    return summaryOf(opened->head, *state);
}

bool HistoryFolder::recordBegun(int id) {
    auto operations = part(kOperations);
    if (!operations)
        return true;
    auto file = (*operations)->openForReading(recordName(id));
    if (!file)
        return file.kind() != ErrorKind::NotFound;
    QByteArray start(64 * 1024, Qt::Uninitialized);
    const auto got = file->read(start.data(), start.size(), 0);
    if (!got)
        return true; // unreadable: damaged, not cut short
    return start.left(qsizetype(*got)).contains('\n');
}

namespace {

// The record files found whole, as they were then: a record is only ever appended to, and any
// change to its file changes its size or its change time, so a file unchanged since is not
// read whole again (a window lists the history each time it is shown). Only files last
// changed a while ago are remembered: the change time is kept in clock ticks, and a change
// within the tick of the last one would not show.
struct CheckedRecords {
    std::mutex mutex;
    std::map<std::pair<quint64, quint64>, fs::Info> files; // by device and inode
};

CheckedRecords& checkedRecords() {
    static CheckedRecords checked;
    return checked;
}

} // namespace

Status HistoryFolder::check(int id) {
    auto operations = part(kOperations);
    if (!operations)
        return operations.status();
    auto reader = RecordReader::open(**operations, recordName(id));
    if (!reader)
        return reader.status();
    const fs::Info info = reader->fileInfo();
    const std::pair<quint64, quint64> key{info.device, info.inode};
    CheckedRecords& checked = checkedRecords();
    {
        std::lock_guard lock(checked.mutex);
        const auto found = checked.files.find(key);
        if (found != checked.files.end() && info.unchangedSince(found->second))
            return Status::success();
    }
    bool ready = false;
    RecordedState state;
    const Status read = reader->read(RecordReader::Body{}, &ready, &state);
    constexpr qint64 kSettled = 2'000'000'000; // ns
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    std::lock_guard lock(checked.mutex);
    if (read && now - info.changed > kSettled)
        checked.files[key] = info;
    else
        checked.files.erase(key);
    return read;
}

Result<OperationRecord> HistoryFolder::whole(int id, const Places& places, bool* wasReady,
                                             QString* token) {
    auto operations = part(kOperations);
    if (!operations)
        return operations.status();
    auto opened = openRecord(**operations, id);
    if (!opened)
        return opened.status();
    if (!opened->reader)
        return opened->failed;
    auto& reader = opened->reader;
    const RecordHead& head = opened->head;
    OperationRecord r = summaryOf(head, RecordedState{});
    // A version of a file the record has not listed (a roll-back's kept line may follow any
    // part of it) makes it unreadable.
    auto listed = [&](int file) {
        return file < r.files.size()
                   ? Status::success()
                   : Status::failure(ErrorKind::Invalid,
                                     //: %1 is a file of the history (in quotes)
                                     QCoreApplication::translate("History",
                                                                 "The history record %1 names a "
                                                                 "file it does not list.")
                                         .arg(quotedPath((*operations)->pathOf(recordName(id)))));
    };
    RecordReader::Body body;
    body.folder = [&](const RecordedPath& path) {
        r.createdFolders << places.shown(path, head.game);
        return Status::success();
    };
    body.file = [&](int, const RecordedFile& file) {
        FileRecord f;
        f.location = places.shown(file.path, head.game);
        f.recorded = file.path;
        f.role = file.role;
        f.remove = file.remove;
        f.before = file.before;
        r.files << f;
        return Status::success();
    };
    body.after = [&](const RecordedVersion& after) {
        const Status known = listed(after.file);
        if (known)
            r.files[after.file].after = after.version;
        return known;
    };
    body.kept = [&](const RecordedVersion& kept) {
        const Status known = listed(kept.file);
        if (known)
            r.files[kept.file].kept = kept.version;
        return known;
    };
    bool ready = false;
    RecordedState state;
    if (const Status read = reader->read(body, &ready, &state); !read)
        return unreadable(id, read);
    r.state = state.state;
    r.undoneBy = state.undoneBy;
    r.note = state.note;
    if (wasReady)
        *wasReady = ready;
    if (token)
        *token = head.token;
    if (ready && r.files.size() != head.files)
        return unreadable(
            id, Status::failure(ErrorKind::Invalid,
                                //: %1 is a file of the history (in quotes), %2 how many files
                                //: it lists, %3 how many it should list
                                QCoreApplication::translate(
                                    "History", "The history record %1 lists %2 files of %3.")
                                    .arg(quotedPath((*operations)->pathOf(recordName(id))))
                                    .arg(r.files.size())
                                    .arg(head.files)));
    return r;
}

QList<Conflict> findConflicts(HistoryFolder& history, const Places& places,
                              const QList<NativePath>& targets) {
    QList<Conflict> out;
    auto folder = history.open();
    if (!folder || targets.isEmpty())
        return out;
    PathIndex index(**folder);
    const QString game = places.game.isEmpty() ? QString() : cleanFolder(places.game);
    std::map<int, std::optional<OperationRecord>> summaries;
    for (const NativePath& target : targets) {
        const RecordedPath recorded =
            places.classify(fs::Location::below(target.folder(), target.fileName()));
        auto ids = index.operationsOf(PathIndex::keyOf(recorded.key(game)));
        if (!ids)
            continue;
        std::sort(ids->begin(), ids->end(), std::greater<int>());
        for (const int id : *ids) {
            auto found = summaries.find(id);
            if (found == summaries.end()) {
                auto read = history.summary(id, places);
                found = summaries.emplace(id, read ? std::optional(*read) : std::nullopt).first;
            }
            const auto& r = found->second;
            // Undone operations and undos put back what stood before: the operation that wrote
            // a file's present content is the newest complete one that is not an undo.
            if (!r || !r->readable() || r->state != OperationState::Complete || r->undoes)
                continue;
            out << Conflict{target, r->id, r->info.what, r->time};
            break;
        }
    }
    return out;
}

namespace {

// Copies a kept content into `temp`, hashing it as it goes: it must be the version recorded,
// byte for byte.
Status copyChecked(fs::File& object, fs::File& temp, const FileVersion& before,
                   const QString& shown) {
    Sha256 hash;
    qint64 total = 0;
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(before.size, 1), kChunk)),
                      Qt::Uninitialized);
    for (;;) {
        const auto got = object.read(buffer.data(), buffer.size(), total);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        hash.add(buffer.constData(), *got);
        if (const Status written = temp.write(buffer.constData(), *got); !written)
            return written;
        total += *got;
        if (total > before.size)
            break;
    }
    if (total != before.size || hash.digest() != before.sha256)
        return Status::failure(ErrorKind::Failed,
                               //: %1 is a file (in quotes)
                               QCoreApplication::translate(
                                   "History", "What %1 held cannot be put back: its kept copy in "
                                              "the history is damaged (its bytes no longer match "
                                              "their SHA-256).")
                                   .arg(shown));
    return Status::success();
}

} // namespace

Status putBack(HistoryFolder& history, const fs::Location& location,
               const std::optional<FileVersion>& before, const QString& temporary, bool* durable) {
    *durable = true;
    const QString shown = quotedPath(location.path());
    auto folder = fs::Folder::holding(location, before.has_value());
    if (!folder)
        return folder.status();
    const auto now = folder->stat(location.name);
    if (!now)
        return now.status();
    if (now->kind != fs::Kind::Absent && now->kind != fs::Kind::File)
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a file (in quotes)
                               QCoreApplication::translate("History",
                                                           "%1 is not a regular file any more; "
                                                           "Grovekeep leaves it as it is.")
                                   .arg(shown));
    if (!before) {
        if (now->kind == fs::Kind::Absent)
            return Status::success();
        if (const Status removed = folder->remove(location.name); !removed)
            return removed;
        *durable = folder->sync().ok();
        return Status::success();
    }
    auto object = history.openObject(before->sha256);
    if (!object)
        return object.status().withMessage(
            //: %1 is a file (in quotes), %2 why its kept copy cannot be read, a clause
            QCoreApplication::translate(
                "History", "What %1 held cannot be put back: its kept copy cannot be read (%2).")
                .arg(shown, asClause(object.error())));
    // What an earlier attempt left under the name goes first.
    if (const auto left = folder->stat(temporary);
        left && (left->kind == fs::Kind::File || left->kind == fs::Kind::Link)) {
        if (const Status removed = folder->remove(temporary); !removed)
            return removed;
    }
    auto temp = folder->createExclusive(temporary, before->mode);
    if (!temp)
        return temp.status();
    const QString name = temp->path().fileName();
    auto fail = [&](const Status& failure) {
        folder->remove(name).ok();
        return failure;
    };
    if (const Status copied = copyChecked(*object, *temp, *before, shown); !copied)
        return fail(copied);
    // The owner and attributes of the file it replaces, or those kept with the copy.
    std::optional<fs::File> owner;
    if (now->kind == fs::Kind::File) {
        if (auto current = folder->openForReading(location.name))
            owner = std::move(*current);
    }
    const fs::File& from = owner ? *owner : *object;
    const auto owned = from.info();
    if (const Status moded = owned ? temp->setMode(before->mode, owned->owner, owned->group, true)
                                   : temp->setMode(before->mode, 0, 0, false);
        !moded)
        return fail(moded);
    temp->copyAttributesFrom(from);
    owner.reset(); // Windows replaces no file that is open, even by this process
    Status status = temp->sync();
    if (status)
        status = temp->close();
    if (status)
        status = folder->rename(name, location.name);
    if (!status)
        return fail(status);
    *durable = folder->sync().ok();
    return Status::success();
}

} // namespace gk

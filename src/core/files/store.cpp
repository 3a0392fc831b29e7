#include "store.h"

#include "base/quoting.h"
#include "base/sha256.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <atomic>
#include <cerrno>
#include <map>
#include <thread>
#include <vector>

namespace gk {

namespace {

const QString kHistory = QStringLiteral("History");
const QString kObjects = QStringLiteral("objects");
const QString kOperations = QStringLiteral("operations");
const QString kTemporary = QStringLiteral("tmp");
const QString kLockName = QStringLiteral("lock");
constexpr qint64 kChunk = 1 << 20;

// ---- records as JSON

} // namespace

QString roleName(FileRole role) {
    switch (role) {
    case FileRole::Backup:
        return QStringLiteral("backup");
    case FileRole::Copy:
        return QStringLiteral("copy");
    case FileRole::Target:
        break;
    }
    return QStringLiteral("target");
}

namespace {

FileRole roleFrom(const QString& name) {
    if (name == QStringLiteral("backup"))
        return FileRole::Backup;
    if (name == QStringLiteral("copy"))
        return FileRole::Copy;
    return FileRole::Target;
}

OperationState stateFrom(const QString& name) {
    if (name == QStringLiteral("complete"))
        return OperationState::Complete;
    if (name == QStringLiteral("undone"))
        return OperationState::Undone;
    if (name == QStringLiteral("rolled-back"))
        return OperationState::RolledBack;
    return OperationState::UnderWay;
}

QJsonValue versionJson(const std::optional<FileVersion>& version) {
    if (!version)
        return QJsonValue::Null;
    return QJsonObject{{"sha256", version->sha256},
                       {"size", double(version->size)},
                       {"mode", double(version->mode)}};
}

std::optional<FileVersion> versionFrom(const QJsonValue& value) {
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    return FileVersion{o.value("sha256").toString(), qint64(o.value("size").toDouble()),
                       quint32(o.value("mode").toDouble())};
}

QJsonObject locationJson(const fs::Location& location) {
    QStringList parts = location.folders;
    parts << location.name;
    return QJsonObject{{"root", location.root.text()}, {"path", parts.join(QLatin1Char('/'))}};
}

fs::Location locationFrom(const QJsonObject& o) {
    return fs::Location::below(NativePath(o.value("root").toString()), o.value("path").toString());
}

QByteArray recordJson(const OperationRecord& r) {
    QJsonArray files;
    for (const FileRecord& f : r.files) {
        QJsonObject o = locationJson(f.location);
        o.insert("role", roleName(f.role));
        o.insert("before", versionJson(f.before));
        o.insert("after", versionJson(f.after));
        files.append(o);
    }
    QJsonArray folders;
    for (const fs::Location& folder : r.createdFolders)
        folders.append(locationJson(folder));
    QJsonObject o{
        {"id", r.id},          {"time", r.time.toString(Qt::ISODate)}, {"kind", r.info.kind},
        {"what", r.info.what}, {"state", stateName(r.state)},          {"files", files}};
    if (!r.info.packageName.isEmpty())
        o.insert("package",
                 QJsonObject{{"name", r.info.packageName}, {"sha256", r.info.packageSha256}});
    if (r.undoes)
        o.insert("undoes", r.undoes);
    if (r.undoneBy)
        o.insert("undoneBy", r.undoneBy);
    if (!r.note.isEmpty())
        o.insert("note", r.note);
    if (!folders.isEmpty())
        o.insert("createdFolders", folders);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::optional<OperationRecord> recordFrom(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    OperationRecord r;
    r.id = o.value("id").toInt();
    if (r.id <= 0)
        return std::nullopt;
    r.time = QDateTime::fromString(o.value("time").toString(), Qt::ISODate);
    r.info.kind = o.value("kind").toString();
    r.info.what = o.value("what").toString();
    const QJsonObject package = o.value("package").toObject();
    r.info.packageName = package.value("name").toString();
    r.info.packageSha256 = package.value("sha256").toString();
    r.state = stateFrom(o.value("state").toString());
    r.undoes = o.value("undoes").toInt();
    r.undoneBy = o.value("undoneBy").toInt();
    r.note = o.value("note").toString();
    for (const QJsonValue& v : o.value("createdFolders").toArray())
        r.createdFolders << locationFrom(v.toObject());
    for (const QJsonValue& v : o.value("files").toArray()) {
        const QJsonObject f = v.toObject();
        r.files << FileRecord{locationFrom(f), roleFrom(f.value("role").toString()),
                              versionFrom(f.value("before")), versionFrom(f.value("after"))};
    }
    return r;
}

QString recordFileName(int id) {
    return QStringLiteral("%1.json").arg(id, 6, 10, QLatin1Char('0'));
}

QString key(const fs::Location& location) { return location.path().text(); }

QString describe(const fs::Location& location) { return quotedPath(location.path()); }

// A folder of the store ("operations", "tmp"), opened from Grovekeep's folder.
Result<fs::Folder> storeFolder(const NativePath& manager, const QString& name) {
    return fs::Folder::holding(fs::Location::below(manager, kHistory + '/' + name + "/x"), false);
}

// What interrupted writes left in the store: the files of its temporary folder, and records
// killed while they were written (the record each was to replace still stands).
void removeStoreTemporaries(const NativePath& manager) {
    if (auto temporary = storeFolder(manager, kTemporary)) {
        for (const QString& name : temporary->names())
            temporary->remove(name).ok();
    }
    if (auto operations = storeFolder(manager, kOperations)) {
        for (const QString& name : operations->names()) {
            if (fs::Folder::isTemporary(name))
                operations->remove(name).ok();
        }
    }
}

// What stands at a location, and the open folder that holds it.
struct Opened {
    fs::Folder folder;
    fs::Info info;
};

Result<Opened> openAt(const fs::Location& location) {
    auto folder = fs::Folder::holding(location, false);
    if (!folder)
        return folder.status();
    const auto info = folder->stat(location.name);
    if (!info)
        return info.status();
    return Opened{std::move(*folder), *info};
}

// The folders of one operation, each opened once, walked from its root without following a
// link. A folder opened for a target of the game ("checked") is refused when it is, or lies
// in, the forbidden folder.
class FolderCache {
public:
    explicit FolderCache(const std::optional<fs::Info>& forbidden)
        : m_guarded(forbidden.has_value())
        , m_forbidden(forbidden.value_or(fs::Info{})) {}

    Result<fs::Folder*> holding(const fs::Location& location, bool checked) {
        const QString key =
            QString(checked ? QLatin1Char('F') : QLatin1Char('O')) + location.folderPath().text();
        auto found = m_folders.find(key);
        if (found != m_folders.end())
            return &found->second;
        const bool guarded = checked && m_guarded;
        auto folder = fs::Folder::openRoot(location.root);
        if (!folder)
            return folder.status();
        for (const QString& name : location.folders) {
            if (guarded) {
                const auto here = folder->info();
                if (here && here->sameNode(m_forbidden))
                    break;
            }
            auto next = folder->child(name, false);
            if (!next)
                return next.status();
            folder = std::move(next);
        }
        if (guarded) {
            const auto here = folder->info();
            if (!here || here->sameNode(m_forbidden))
                return Status::failure(ErrorKind::UnsafePath,
                                       QStringLiteral("%1 lies in Grovekeep's own folder, where a "
                                                      "package may not write.")
                                           .arg(describe(location)));
        }
        return &m_folders.emplace(key, std::move(*folder)).first->second;
    }

    // Makes the renames in every folder durable.
    Status syncAll() {
        QSet<QString> synced;
        for (auto& [key, folder] : m_folders) {
            if (synced.contains(key.mid(1)))
                continue;
            synced.insert(key.mid(1));
            if (const Status done = folder.sync(); !done)
                return done;
        }
        return Status::success();
    }

private:
    bool m_guarded;
    fs::Info m_forbidden;
    std::map<QString, fs::Folder> m_folders;
};

// Why a file standing at a location cannot be read or replaced, or empty.
Status refusal(const fs::Location& location, const fs::Info& info) {
    switch (info.kind) {
    case fs::Kind::Folder:
        return Status::failure(ErrorKind::IsFolder,
                               QStringLiteral("A folder stands at %1.").arg(describe(location)));
    case fs::Kind::Link:
        return Status::failure(ErrorKind::UnsafePath,
                               QStringLiteral("%1 is a symbolic link, which Grovekeep does not "
                                              "follow or replace.")
                                   .arg(describe(location)));
    case fs::Kind::Other:
        return Status::failure(ErrorKind::UnsafePath,
                               QStringLiteral("%1 is not a regular file (a pipe, socket or "
                                              "device), which Grovekeep does not read or "
                                              "replace.")
                                   .arg(describe(location)));
    default:
        return Status::success();
    }
}

// Hashes a regular file as it is read, optionally writing every byte to `copy`.
Result<FileVersion> hashFile(fs::File& file, fs::File* copy) {
    const auto info = file.info();
    if (!info)
        return info.status();
    Sha256 hash;
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(info->size, 1), kChunk)),
                      Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        const auto got = file.read(buffer.data(), buffer.size(), total);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        hash.add(buffer.constData(), *got);
        if (copy) {
            if (const Status written = copy->write(buffer.constData(), *got); !written)
                return written;
        }
        total += *got;
    }
    return FileVersion{hash.hex(), total, info->mode};
}

Status withLabel(const QString& label, const Status& failure) {
    if (label.isEmpty())
        return failure;
    return failure.withMessage(QStringLiteral("%1: %2.").arg(label, asClause(failure.error())));
}

} // namespace

QString stateName(OperationState state) {
    switch (state) {
    case OperationState::UnderWay:
        return QStringLiteral("under-way");
    case OperationState::Complete:
        return QStringLiteral("complete");
    case OperationState::Undone:
        return QStringLiteral("undone");
    case OperationState::RolledBack:
        return QStringLiteral("rolled-back");
    }
    return QString();
}

QString fileStateName(FileState state) {
    switch (state) {
    case FileState::Intact:
        return QStringLiteral("intact");
    case FileState::Changed:
        return QStringLiteral("changed");
    case FileState::Missing:
        return QStringLiteral("missing");
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

// ---- the lock: one operation at a time, across processes

struct ChangeStore::Lock {
    fs::File file;
    static Result<Lock> take(const NativePath& history) {
        auto unusable = [](const Status& failure) {
            return failure.withMessage(failure.error() + QStringLiteral(" Nothing was changed."));
        };
        auto folder = fs::Folder::openRoot(history);
        if (!folder)
            return unusable(folder.status());
        auto file = folder->openForUpdate(kLockName);
        if (!file)
            return unusable(file.status());
        if (const Status locked = file->lockExclusive(); !locked)
            return unusable(locked);
        return Lock{std::move(*file)};
    }
};

ChangeStore::ChangeStore(NativePath managerFolder)
    : m_manager(std::move(managerFolder)) {}

NativePath ChangeStore::folder() const { return m_manager.child(kHistory); }

Result<ChangeStore> ChangeStore::open(const NativePath& managerFolder) {
    auto manager = fs::Folder::openRoot(managerFolder);
    if (!manager)
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("The Grovekeep folder %1 does not exist, so "
                                              "nothing can be written: its history keeps what "
                                              "every change replaces.")
                                   .arg(quotedPath(managerFolder)));
    auto unusable = [](const Status& failure) {
        return failure.withMessage(failure.error() +
                                   QStringLiteral(" Grovekeep's history cannot be kept there, so "
                                                  "nothing was changed."));
    };
    auto history = manager->child(kHistory, true);
    if (!history)
        return unusable(history.status());
    for (const QString& name : {kObjects, kOperations, kTemporary}) {
        if (auto made = history->child(name, true); !made)
            return unusable(made.status());
    }
    return ChangeStore(managerFolder);
}

Result<ChangeStore> openStore(const ComposedPath& managerFolder) {
    if (managerFolder.isEmpty())
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("Please tell Grovekeep where it is located (Tools "
                                              "> Options) first: its folder keeps the history "
                                              "of every change."));
    return ChangeStore::open(managerFolder.native());
}

NativePath ChangeStore::objectPath(const QString& sha256) const {
    return folder().child(kObjects).child(sha256.left(2)).child(sha256);
}

// ---- records

Result<OperationRecord> ChangeStore::readRecord(const QString& fileName) const {
    auto folder = storeFolder(m_manager, kOperations);
    if (!folder)
        return folder.status();
    auto file = folder->openForReading(fileName);
    if (!file)
        return file.status();
    QByteArray json;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const auto got = file->read(buffer.data(), buffer.size());
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        json.append(buffer.constData(), *got);
    }
    auto record = recordFrom(json);
    if (!record)
        return Status::failure(ErrorKind::Failed, QStringLiteral("The history record %1 cannot "
                                                                 "be read.")
                                                      .arg(quotedPath(file->path())));
    return *record;
}

Status ChangeStore::writeRecord(const OperationRecord& record) const {
    auto folder = storeFolder(m_manager, kOperations);
    if (!folder)
        return folder.status();
    const QString name = recordFileName(record.id);
    auto temp = folder->createTemp(name, 0644);
    if (!temp)
        return temp.status();
    const QString tempName = temp->path().fileName();
    const QByteArray json = recordJson(record);
    Status status = temp->write(json.constData(), json.size());
    if (status)
        status = temp->sync();
    if (status)
        status = temp->close();
    if (status)
        status = folder->rename(tempName, name);
    if (!status) {
        folder->remove(tempName).ok();
        return status;
    }
    return folder->sync();
}

QList<OperationRecord> ChangeStore::history() const {
    QList<OperationRecord> out;
    auto folder = storeFolder(m_manager, kOperations);
    if (!folder)
        return out;
    for (const QString& name : folder->names()) {
        if (!name.endsWith(QStringLiteral(".json")) || name.startsWith(QLatin1Char('.')))
            continue;
        if (auto record = readRecord(name))
            out << *record;
    }
    std::sort(out.begin(), out.end(),
              [](const OperationRecord& a, const OperationRecord& b) { return a.id > b.id; });
    return out;
}

Result<OperationRecord> ChangeStore::operation(int id) const {
    auto record = readRecord(recordFileName(id));
    if (!record && record.kind() == ErrorKind::NotFound)
        return Status::failure(ErrorKind::NotFound,
                               QStringLiteral("There is no operation %1 in the history.").arg(id));
    return record;
}

int ChangeStore::nextId() const {
    int id = 0;
    auto folder = storeFolder(m_manager, kOperations);
    if (folder) {
        for (const QString& name : folder->names()) {
            if (name.endsWith(QStringLiteral(".json")) && !name.startsWith(QLatin1Char('.')))
                id = std::max(id, name.chopped(5).toInt());
        }
    }
    return id + 1;
}

Result<std::optional<FileVersion>> ChangeStore::versionOf(const fs::Location& location) {
    auto opened = openAt(location);
    if (!opened) {
        if (opened.kind() == ErrorKind::NotFound)
            return std::optional<FileVersion>();
        return opened.status();
    }
    if (opened->info.kind == fs::Kind::Absent)
        return std::optional<FileVersion>();
    if (const Status refused = refusal(location, opened->info); !refused)
        return refused;
    auto file = opened->folder.openForReading(location.name);
    if (!file)
        return file.status();
    auto version = hashFile(*file, nullptr);
    if (!version)
        return version.status();
    return std::optional<FileVersion>(*version);
}

QList<Conflict> ChangeStore::conflicts(const QList<NativePath>& targets) const {
    QList<Conflict> out;
    QSet<QString> wanted;
    for (const NativePath& path : targets)
        wanted.insert(path.text());
    QSet<QString> found;
    // Newest first; undone operations and undos put back what stood before, so the operation
    // that wrote a file's present content is the newest complete one that is not an undo.
    for (const OperationRecord& record : history()) {
        if (record.state != OperationState::Complete || record.undoes)
            continue;
        for (const FileRecord& file : record.files) {
            const QString path = key(file.location);
            if (file.role != FileRole::Target || !file.after || !wanted.contains(path) ||
                found.contains(path))
                continue;
            found.insert(path);
            out << Conflict{file.location.path(), record.id, record.info.what, record.time};
        }
    }
    return out;
}

// ---- applying an operation

namespace {

constexpr int kSkipped = -2;

// One file of an operation as it is carried out.
struct Step {
    fs::Location location;
    FileRole role = FileRole::Target;
    Contents contents;
    bool remove = false;
    bool createFolders = false;
    bool keepWhenAbsent = false;
    int backupOf = -1; // this step keeps the before-content of step `backupOf` (or is skipped)
    int sameAs = -1;
    QString label;
    // Filled in as the operation goes on.
    fs::Info info;
    std::optional<FileVersion> before;
    std::optional<FileVersion> after;
    QString temp;         // the temporary file beside the target
    bool changed = false; // the target has been replaced or removed
};

} // namespace

Result<Applied> ChangeStore::apply(const OperationInfo& info, const QList<FileChange>& changes,
                                   const Options& options) {
    auto lock = Lock::take(folder());
    if (!lock)
        return lock.status();
    recoverLocked();
    return applyLocked(info, changes, options);
}

Result<Applied> ChangeStore::applyLocked(const OperationInfo& info,
                                         const QList<FileChange>& changes, const Options& options) {
    bool recorded = false;
    auto applied = carryOut(info, changes, options, &recorded);
    // A failure before the record was written has changed nothing; after it, the roll-back
    // has said what it put back.
    if (!applied && !recorded)
        return applied.status().withMessage(applied.error() +
                                            QStringLiteral(" Nothing was changed."));
    return applied;
}

Result<Applied> ChangeStore::carryOut(const OperationInfo& info, const QList<FileChange>& changes,
                                      const Options& options, bool* recorded) {
    if (changes.isEmpty())
        return Status::failure(ErrorKind::Invalid, QStringLiteral("There is nothing to write."));

    // The steps: each backup before its target; a second change of the same file takes the
    // place of the first.
    QList<Step> steps;
    QHash<QString, qsizetype> index;
    QList<qsizetype> stepOfChange;
    for (const FileChange& change : changes) {
        qsizetype backupStep = -1;
        if (change.backup) {
            Step backup;
            backup.location = *change.backup;
            backup.role = FileRole::Backup;
            backup.createFolders = true;
            backup.keepWhenAbsent = change.keepWhenAbsent;
            backup.label = change.label;
            backupStep = steps.size();
            steps << backup;
            index.insert(key(backup.location), backupStep);
        }
        Step step;
        step.location = change.target;
        step.role = change.role;
        step.contents = change.contents;
        step.remove = change.remove;
        step.createFolders = change.createFolders;
        step.label = change.label;
        step.sameAs = change.sameAs >= 0 && change.sameAs < stepOfChange.size()
                          ? int(stepOfChange.at(change.sameAs))
                          : -1;
        const auto earlier = index.constFind(key(step.location));
        qsizetype at = steps.size();
        if (earlier != index.constEnd()) {
            at = *earlier;
            Step& kept = steps[at];
            kept.contents = step.contents;
            kept.remove = step.remove;
            kept.label = step.label;
            kept.sameAs = step.sameAs == at ? -1 : step.sameAs;
            // A copy of the replaced contents is no longer the same as this step.
            for (Step& other : steps) {
                if (other.sameAs == at)
                    other.sameAs = -1;
            }
        } else {
            steps << step;
            index.insert(key(step.location), at);
        }
        if (backupStep >= 0)
            steps[backupStep].backupOf = int(at);
        stepOfChange << at;
    }

    std::optional<fs::Info> forbidden;
    if (options.forbidden) {
        if (auto folder = fs::Folder::openRoot(*options.forbidden)) {
            if (auto here = folder->info())
                forbidden = *here;
        }
    }

    // 1. What stands at each target; folders the operation must create.
    FolderCache folders(forbidden);
    auto checked = [](const Step& step) {
        return step.role == FileRole::Target && !step.createFolders;
    };
    QList<fs::Location> foldersToCreate;
    for (Step& step : steps) {
        const bool ownFolder = !checked(step);
        auto holder = folders.holding(step.location, checked(step));
        if (!holder && holder.kind() == ErrorKind::NotFound && ownFolder) {
            // Find the folders that are missing, from the top.
            auto folder = fs::Folder::openRoot(step.location.root);
            if (!folder)
                return withLabel(step.label, folder.status());
            fs::Location at;
            at.root = step.location.root;
            bool missing = false;
            for (const QString& name : step.location.folders) {
                at.name = name;
                if (!missing) {
                    auto next = folder->child(name, false);
                    if (next) {
                        folder = std::move(next);
                    } else if (next.kind() == ErrorKind::NotFound) {
                        missing = true;
                    } else {
                        return withLabel(step.label, next.status());
                    }
                }
                if (missing && !foldersToCreate.contains(at))
                    foldersToCreate << at;
                at.folders << name;
            }
            step.info = fs::Info{};
            continue;
        }
        if (!holder) {
            if (holder.kind() == ErrorKind::NotFound)
                return withLabel(
                    step.label,
                    holder.status().withMessage(
                        QStringLiteral("Could not write %1: the folder %2 does not "
                                       "exist.")
                            .arg(describe(step.location), quotedPath(step.location.folderPath()))));
            return withLabel(step.label, holder.status());
        }
        const auto info = (*holder)->stat(step.location.name);
        if (!info)
            return withLabel(step.label, info.status());
        if (const Status refused = refusal(step.location, *info); !refused)
            return withLabel(step.label, refused);
        step.info = *info;
    }

    // 2. Every content the operation replaces goes to the store first. A file that has no other
    // name is given one in the store (a hard link: no byte is copied); once the operation has
    // renamed its replacement over it, the store's name is its only one. Any other file is
    // copied. Either way the content is synced, and put in its place in the store only after the
    // record naming it is on disk.
    auto history = fs::Folder::openRoot(folder());
    if (!history)
        return history.status();
    auto temporary = history->child(kTemporary, true);
    auto objects = history->child(kObjects, true);
    if (!temporary || !objects)
        return (!temporary ? temporary.status() : objects.status());
    const auto storeInfo = objects->info();
    struct Pending {
        QString name; // in the store's temporary folder
        QString sha256;
    };
    QList<Pending> pending;
    fs::SyncBatch keptBatch;
    // Every name this operation made in the store's temporary folder; on failure all go.
    QStringList madeNames;
    auto dropPending = [&] {
        keptBatch.sync().ok();
        for (const QString& name : madeNames)
            temporary->remove(name).ok();
    };
    // Each content to keep: linked, or copied (and hashed while copied) one by one.
    struct Keeping {
        qsizetype step;
        QString name;                               // in the store's temporary folder
        std::optional<Result<FileVersion>> version; // none: linked, hashed below
    };
    std::vector<Keeping> keeping;
    int number = 0;
    for (qsizetype k = 0; k < steps.size(); ++k) {
        Step& step = steps[k];
        ++number;
        if (step.info.kind != fs::Kind::File)
            continue;
        auto holder = folders.holding(step.location, checked(step));
        if (!holder) {
            dropPending();
            return withLabel(step.label, holder.status());
        }
        QString tempName = QStringLiteral("object.%1").arg(number);
        const bool linkable =
            step.info.links == 1 && storeInfo && step.info.device == storeInfo->device;
        if (linkable && (*holder)->linkTo(step.location.name, *temporary, tempName).ok()) {
            madeNames << tempName;
            keeping.push_back(Keeping{k, tempName, std::nullopt});
            continue;
        }
        auto source = (*holder)->openForReading(step.location.name);
        if (!source) {
            dropPending();
            return withLabel(step.label, source.status());
        }
        auto temp = temporary->createTemp(QStringLiteral("object"), 0444);
        if (!temp) {
            dropPending();
            return temp.status();
        }
        madeNames << temp->path().fileName();
        auto version = hashFile(*source, &*temp);
        const auto opened = source->info();
        if (version && (!opened || !opened->sameNode(step.info)))
            version = Status::failure(
                ErrorKind::Failed,
                QStringLiteral("%1 changed while it was being kept.").arg(describe(step.location)));
        // Closed now, so that an operation holds no descriptor per file; synced with the
        // batch below.
        if (const Status closed = temp->close(); version && !closed)
            version = closed;
        keeping.push_back(Keeping{k, temp->path().fileName(), version});
    }
    // The linked contents are hashed on both cores; reading changes nothing on the disk.
    {
        std::atomic<size_t> next{0};
        auto hashLinked = [&] {
            for (size_t at = next++; at < keeping.size(); at = next++) {
                Keeping& kept = keeping[at];
                if (kept.version)
                    continue;
                const Step& step = steps.at(kept.step);
                auto file = temporary->openForReading(kept.name);
                Result<FileVersion> version =
                    file ? hashFile(*file, nullptr) : Result<FileVersion>(file.status());
                // The name in the store must still be the file that was looked at.
                const auto linked = file ? file->info() : Result<fs::Info>(file.status());
                if (version && (!linked || !linked->sameNode(step.info)))
                    version = Status::failure(ErrorKind::Failed,
                                              QStringLiteral("%1 changed while it was being kept.")
                                                  .arg(describe(step.location)));
                kept.version = version;
            }
        };
        std::thread helper(hashLinked);
        hashLinked();
        helper.join();
    }
    QSet<QString> stored;
    for (Keeping& kept : keeping) {
        Step& step = steps[kept.step];
        const Result<FileVersion>& version = *kept.version;
        if (!version || stored.contains(version->sha256)) {
            temporary->remove(kept.name).ok();
            if (!version) {
                dropPending();
                return withLabel(step.label, version.status());
            }
            step.before = *version;
            continue;
        }
        step.before = *version;
        stored.insert(version->sha256);
        pending << Pending{kept.name, version->sha256};
        auto file = temporary->openForReading(kept.name);
        if (!file) {
            dropPending();
            return withLabel(step.label, file.status());
        }
        if (const Status added = keptBatch.add(std::move(*file)); !added) {
            dropPending();
            return added;
        }
    }
    if (const Status synced = keptBatch.sync(); !synced) {
        dropPending();
        return synced;
    }

    // Backups hold what their target held; without a file there, an empty one or none.
    for (Step& step : steps) {
        if (step.backupOf < 0)
            continue;
        const Step& target = steps.at(step.backupOf);
        step.contents = Contents();
        if (target.before)
            step.contents.add(objectPath(target.before->sha256), 0, target.before->size);
        else if (!step.keepWhenAbsent)
            step.backupOf = kSkipped; // nothing to keep
    }

    const QList<Conflict> conflicting = [&] {
        QList<NativePath> replaced;
        for (const Step& step : steps) {
            if (step.role == FileRole::Target && step.before)
                replaced << step.location.path();
        }
        return conflicts(replaced);
    }();

    // 3. The record, written ahead of every change.
    OperationRecord record;
    record.id = nextId();
    const QDateTime now = QDateTime::currentDateTime();
    record.time = now.toOffsetFromUtc(now.offsetFromUtc());
    record.info = info;
    record.undoes = info.undoes;
    record.state = OperationState::UnderWay;
    record.createdFolders = foldersToCreate;
    QList<qsizetype> recordOfStep(steps.size(), -1);
    for (qsizetype k = 0; k < steps.size(); ++k) {
        const Step& step = steps.at(k);
        if (step.backupOf == kSkipped || (step.remove && !step.before))
            continue;
        recordOfStep[k] = record.files.size();
        record.files << FileRecord{step.location, step.role, step.before, std::nullopt};
    }
    if (const Status written = writeRecord(record); !written) {
        // Half written (renamed, not synced), it would be rolled back at the next start for
        // nothing: no file has changed yet.
        if (auto operations = history->child(kOperations, false))
            operations->remove(recordFileName(record.id)).ok();
        dropPending();
        return written;
    }
    *recorded = true;

    QStringList problems;
    auto fail = [&](const QString& label, const Status& failure) -> Result<Applied> {
        Status message = withLabel(label, failure);
        record.note = message.error();
        rollBack(record, &problems);
        if (problems.isEmpty())
            return message.withMessage(message.error() + QStringLiteral(" Nothing was changed."));
        return message.withMessage(
            QStringLiteral("%1 These files could not be put back: %2. Their previous contents "
                           "are kept in Grovekeep's history (operation %3).")
                .arg(message.error(), problems.join(QStringLiteral(", ")))
                .arg(record.id));
    };

    // The kept contents take their places in the store, now that the record names them. An
    // object already there stays as it is: written once, never overwritten.
    {
        QSet<QString> shards;
        for (const Pending& p : pending) {
            const QString shard = p.sha256.left(2);
            auto shardFolder = objects->child(shard, true);
            if (!shardFolder)
                return fail(QString(), shardFolder.status());
            const auto existing = shardFolder->stat(p.sha256);
            Status placed = Status::success();
            if (!existing || existing->kind != fs::Kind::File)
                placed = temporary->linkTo(p.name, *shardFolder, p.sha256);
            if (placed)
                placed = temporary->remove(p.name);
            if (!placed)
                return fail(QString(), placed);
            shards.insert(shard);
        }
        pending.clear();
        for (const QString& shard : shards) {
            auto shardFolder = objects->child(shard, false);
            if (!shardFolder)
                return fail(QString(), shardFolder.status());
            if (const Status synced = shardFolder->sync(); !synced)
                return fail(QString(), synced);
        }
        if (const Status synced = objects->sync(); !synced)
            return fail(QString(), synced);
    }

    // 4. Folders, then the new contents beside their targets.
    {
        for (const fs::Location& folderLocation : foldersToCreate) {
            fs::Location inside = folderLocation;
            inside.folders << inside.name;
            inside.name = QStringLiteral("x");
            if (auto made = fs::Folder::holding(inside, true); !made)
                return fail(QString(), made.status());
        }
    }
    fs::SyncBatch newFiles;

    auto folderOf = [&](const Step& step) -> Result<fs::Folder*> {
        auto holder = folders.holding(step.location, checked(step));
        if (!holder)
            return holder.status();
        const auto now = (*holder)->stat(step.location.name);
        if (!now)
            return now.status();
        if (now->kind != step.info.kind ||
            (now->kind == fs::Kind::File && !now->sameNode(step.info)))
            return Status::failure(ErrorKind::Failed,
                                   QStringLiteral("%1 changed while it was being replaced.")
                                       .arg(describe(step.location)));
        return *holder;
    };
    // The new contents' SHA-256 is found by a second thread while this one writes them (inside
    // the kernel where it can): both read the same pages, and the two cores each do one job.
    std::vector<Result<QString>> hashes(size_t(steps.size()), QString());
    std::atomic<bool> stop{false};
    std::thread hasher([&] {
        for (qsizetype k = 0; k < steps.size() && !stop; ++k) {
            const Step& step = steps.at(k);
            if (step.backupOf != kSkipped && !step.remove && step.sameAs < 0)
                hashes[size_t(k)] = step.contents.sha256();
        }
    });
    struct Joiner {
        std::thread& thread;
        std::atomic<bool>& stop;
        ~Joiner() {
            stop = true;
            if (thread.joinable())
                thread.join();
        }
    } joiner{hasher, stop};

    const qsizetype total = steps.size();
    qsizetype done = 0;
    for (qsizetype k = 0; k < steps.size(); ++k) {
        Step& step = steps[k];
        if (step.backupOf == kSkipped || step.remove) {
            if (options.progress)
                options.progress(++done, total);
            continue;
        }
        auto folder = folderOf(step);
        if (!folder)
            return fail(step.label, folder.status());
        const quint32 mode = step.before ? step.before->mode : 0666;
        auto temp = (*folder)->createTemp(step.location.name, mode);
        if (!temp)
            return fail(step.label, temp.status());
        step.temp = temp->path().fileName();
        if (const Status copied = step.contents.writeTo(*temp, nullptr); !copied)
            return fail(step.label, copied);
        if (step.before) {
            if (const Status kept =
                    temp->setMode(step.before->mode, step.info.owner, step.info.group, true);
                !kept)
                return fail(step.label, kept);
            if (auto old = (*folder)->openForReading(step.location.name))
                temp->copyAttributesFrom(*old);
        }
        const auto info = temp->info();
        step.after = FileVersion{QString(), step.contents.size(), info ? info->mode : mode};
        if (const Status added = newFiles.add(std::move(*temp)); !added)
            return fail(step.label, added);
        if (options.progress)
            options.progress(++done, total);
    }
    hasher.join();
    for (qsizetype k = 0; k < steps.size(); ++k) {
        Step& step = steps[k];
        if (!step.after)
            continue;
        const Result<QString>& hash = hashes[size_t(step.sameAs >= 0 ? step.sameAs : k)];
        if (!hash)
            return fail(step.label, hash.status());
        step.after->sha256 = *hash;
        if (recordOfStep.at(k) >= 0)
            record.files[recordOfStep.at(k)].after = step.after;
    }
    if (const Status saved = writeRecord(record); !saved)
        return fail(QString(), saved);

    // 5. Synced as a batch, then renamed into place, then the folders synced.
    if (const Status synced = newFiles.sync(); !synced)
        return fail(QString(), synced);
    for (qsizetype k = 0; k < steps.size(); ++k) {
        Step& step = steps[k];
        if (step.backupOf == kSkipped || (step.remove && !step.before))
            continue;
        auto folder = folderOf(step);
        if (!folder)
            return fail(step.label, folder.status());
        const Status done = step.remove ? (*folder)->remove(step.location.name)
                                        : (*folder)->rename(step.temp, step.location.name);
        if (!done)
            return fail(step.label, done);
        step.changed = true;
        step.temp.clear();
    }
    if (const Status synced = folders.syncAll(); !synced)
        return fail(QString(), synced);

    record.state = OperationState::Complete;
    if (const Status written = writeRecord(record); !written) {
        // Every file is in place; only the mark is missing, and the next start would undo the
        // operation. Better to undo it now and say so.
        return fail(QString(), written);
    }
    Applied applied;
    applied.operation = record.id;
    applied.conflicts = conflicting;
    for (const Step& step : steps)
        applied.filesWritten += step.changed && step.role == FileRole::Target;
    return applied;
}

// ---- rolling back, recovering

void ChangeStore::removeTemps(const OperationRecord& record) const {
    QSet<QString> seen;
    for (const FileRecord& file : record.files) {
        const QString folderKey = file.location.folderPath().text() + '\n' + file.location.name;
        if (seen.contains(folderKey))
            continue;
        seen.insert(folderKey);
        auto folder = fs::Folder::holding(file.location, false);
        if (!folder)
            continue;
        const QString prefix = fs::Folder::tempPrefix(file.location.name);
        for (const QString& name : folder->names()) {
            if (name.startsWith(prefix))
                folder->remove(name).ok();
        }
    }
    removeStoreTemporaries(m_manager);
}

void ChangeStore::unlinkAlias(const FileRecord& file) const {
    // The store kept the file under a second name, and the file was never replaced: the store's
    // name goes, or a later change of the file in place would change the kept content.
    const fs::Location object = fs::Location::below(
        folder(), kObjects + '/' + file.before->sha256.left(2) + '/' + file.before->sha256);
    auto objectFolder = fs::Folder::holding(object, false);
    auto targetFolder = fs::Folder::holding(file.location, false);
    if (!objectFolder || !targetFolder)
        return;
    const auto kept = objectFolder->stat(object.name);
    const auto target = targetFolder->stat(file.location.name);
    if (kept && target && kept->kind == fs::Kind::File && kept->sameNode(*target)) {
        objectFolder->remove(object.name).ok();
        objectFolder->sync().ok();
    }
}

void ChangeStore::rollBack(OperationRecord& record, QStringList* problems) {
    // The last file first. A file whose before-content the store holds is written back from
    // there; the store's copy stays until the file is back (and after).
    for (auto it = record.files.rbegin(); it != record.files.rend(); ++it) {
        const FileRecord& file = *it;
        const auto now = versionOf(file.location);
        if (!now) {
            if (now.kind() != ErrorKind::NotFound)
                *problems << describe(file.location);
            continue;
        }
        const std::optional<FileVersion>& current = *now;
        if (!file.before) {
            // The operation created it when its content is the one written; without an
            // "after" the operation never placed it, and a file there is someone else's.
            if (current && file.after && current->sha256 == file.after->sha256) {
                auto folder = fs::Folder::holding(file.location, false);
                if (!folder || !folder->remove(file.location.name) || !folder->sync())
                    *problems << describe(file.location);
            }
            continue;
        }
        if (current && current->sha256 == file.before->sha256) {
            unlinkAlias(file);
            continue;
        }
        auto folder = fs::Folder::holding(file.location, false);
        if (!folder) {
            *problems << describe(file.location);
            continue;
        }
        const NativePath object = objectPath(file.before->sha256);
        Contents contents;
        contents.add(object, 0, file.before->size);
        auto temp = folder->createTemp(file.location.name, file.before->mode);
        Status status = temp ? contents.writeTo(*temp, nullptr) : temp.status();
        if (status) {
            // The owner and attributes the file had: the replacement took them over, and the
            // store's link to the old file still has them.
            auto from = current ? folder->openForReading(file.location.name)
                                : fs::File::openForReading(object);
            const auto owned = from ? from->info() : Result<fs::Info>(from.status());
            status = owned ? temp->setMode(file.before->mode, owned->owner, owned->group, true)
                           : temp->setMode(file.before->mode, 0, 0, false);
            if (from)
                temp->copyAttributesFrom(*from);
        }
        if (status)
            status = temp->sync();
        if (status)
            status = temp->close();
        if (status)
            status = folder->rename(temp->path().fileName(), file.location.name);
        if (status)
            status = folder->sync();
        if (!status) {
            if (temp)
                folder->remove(temp->path().fileName()).ok();
            *problems << describe(file.location);
        }
    }
    removeTemps(record);
    removeEmptyFolders(record);
    record.state = OperationState::RolledBack;
    // Unwritten, the record stays "under way" and the next start rolls it back again, which
    // finds nothing left to do.
    writeRecord(record).ok();
}

// The folders an operation created, innermost first, as far as they are empty.
void ChangeStore::removeEmptyFolders(const OperationRecord& record) const {
    for (auto it = record.createdFolders.crbegin(); it != record.createdFolders.crend(); ++it) {
        auto parent = fs::Folder::holding(*it, false);
        if (!parent)
            continue;
        auto folder = parent->child(it->name, false);
        if (folder && folder->names().isEmpty())
            parent->removeFolder(it->name).ok();
    }
}

QList<Recovered> ChangeStore::recover() {
    auto lock = Lock::take(folder());
    if (!lock)
        return {};
    return recoverLocked();
}

QList<Recovered> ChangeStore::recoverLocked() {
    QList<Recovered> out;
    removeStoreTemporaries(m_manager);
    for (OperationRecord record : history()) {
        if (record.state != OperationState::UnderWay)
            continue;
        Recovered recovered;
        recovered.operation = record.id;
        recovered.what = record.info.what;
        for (const FileRecord& file : record.files) {
            const auto now = versionOf(file.location);
            if (!now)
                continue;
            // "Put back": a file that differs from its before-content now.
            const bool asBefore =
                file.before ? (*now && (*now)->sha256 == file.before->sha256) : !now->has_value();
            recovered.filesPutBack += !asBefore;
        }
        if (record.note.isEmpty())
            record.note = QStringLiteral("Interrupted; rolled back at the next start.");
        rollBack(record, &recovered.problems);
        out << recovered;
    }
    // An undo that is complete while the operation it undid still reads complete: its mark was
    // not written (a full disk, a kill just after the undo). It is made now, newest first.
    for (const OperationRecord& undo : history()) {
        if (undo.state != OperationState::Complete || !undo.undoes)
            continue;
        if (auto undone = operation(undo.undoes);
            undone && undone->state == OperationState::Complete)
            markUndone(*undone, undo.id);
    }
    return out;
}

// ---- undo, verify, prune

QStringList ChangeStore::undoProblems(int id, bool* changedOnly) const {
    if (changedOnly)
        *changedOnly = false;
    const auto record = operation(id);
    if (!record)
        return {record.error()};
    if (record->state != OperationState::Complete)
        return {QStringLiteral("Operation %1 is %2; only a complete operation can be undone.")
                    .arg(id)
                    .arg(stateName(record->state))};
    QStringList later;
    QSet<QString> paths;
    for (const FileRecord& file : record->files)
        paths.insert(key(file.location));
    for (const OperationRecord& other : history()) {
        // An undo of an operation later than this one cancels it out with that operation.
        if (other.id <= id || other.state != OperationState::Complete || other.undoes > id)
            continue;
        for (const FileRecord& file : other.files) {
            if (paths.contains(key(file.location))) {
                later << QStringLiteral("Operation %1 (%2) changed %3 later; undo it first.")
                             .arg(other.id)
                             .arg(other.info.what, describe(file.location));
                break;
            }
        }
    }
    if (!later.isEmpty())
        return later;
    QStringList changed;
    for (const FileRecord& file : record->files) {
        const auto now = versionOf(file.location);
        const bool same = now && (file.after ? (*now && (*now)->sha256 == file.after->sha256)
                                             : !now->has_value());
        if (!same)
            changed << QStringLiteral("%1 has changed since operation %2 wrote it.")
                           .arg(describe(file.location))
                           .arg(id);
    }
    if (changedOnly)
        *changedOnly = !changed.isEmpty();
    return changed;
}

Result<Applied> ChangeStore::undo(int id, bool force) {
    auto lock = Lock::take(folder());
    if (!lock)
        return lock.status();
    recoverLocked();
    bool changedOnly = false;
    const QStringList problems = undoProblems(id, &changedOnly);
    if (!problems.isEmpty() && !(force && changedOnly))
        return Status::failure(changedOnly ? ErrorKind::Failed : ErrorKind::Invalid,
                               QStringLiteral("Operation %1 was not undone: %2")
                                   .arg(id)
                                   .arg(problems.join(QLatin1Char(' '))));
    auto record = operation(id);
    if (!record)
        return record.status();

    QList<FileChange> changes;
    for (auto it = record->files.crbegin(); it != record->files.crend(); ++it) {
        Contents contents;
        if (it->before)
            contents.add(objectPath(it->before->sha256), 0, it->before->size);
        FileChange change(it->location, contents, it->role);
        change.remove = !it->before;
        // Undoing an undo may have to bring back the folders the first undo removed.
        change.createFolders = !change.remove;
        changes << change;
    }
    OperationInfo info;
    info.kind = QStringLiteral("undo");
    info.what = QStringLiteral("Undo of %1: %2").arg(id).arg(record->info.what);
    info.undoes = id;
    auto applied = applyLocked(info, changes, Options{});
    if (!applied)
        return applied;

    // (A mark that cannot be written now is made by the next recovery.)
    markUndone(*record, applied->operation);
    removeEmptyFolders(*record);
    return applied;
}

void ChangeStore::markUndone(OperationRecord record, int undoneBy) const {
    // The undone operation names who undid it. Undoing an undo makes the operation it had
    // undone complete again.
    record.state = OperationState::Undone;
    record.undoneBy = undoneBy;
    writeRecord(record).ok();
    if (record.undoes) {
        if (auto original = operation(record.undoes)) {
            original->state = OperationState::Complete;
            original->undoneBy = 0;
            writeRecord(*original).ok();
        }
    }
}

namespace {

FileCheck checkFile(int operation, const FileRecord& file) {
    FileCheck check{operation, file.location.path(), file.role, FileState::Intact};
    const auto now = ChangeStore::versionOf(file.location);
    if (!now || !now->has_value())
        check.state = file.after ? FileState::Missing : FileState::Intact;
    else if (!file.after || (*now)->sha256 != file.after->sha256)
        check.state = FileState::Changed;
    return check;
}

} // namespace

QList<FileCheck> ChangeStore::verify(int id) const {
    QList<FileCheck> out;
    QSet<QString> seen; // newest first: a file a later operation wrote is checked against it
    for (const OperationRecord& record : history()) {
        if ((id && record.id != id) || (!id && record.state != OperationState::Complete))
            continue;
        for (const FileRecord& file : record.files) {
            if (!id) {
                const QString where = key(file.location);
                if (seen.contains(where))
                    continue;
                seen.insert(where);
            }
            out << checkFile(record.id, file);
        }
    }
    return out;
}

Result<Pruned> ChangeStore::prune(const QDateTime& before, bool evenInstalled, bool dryRun) {
    auto lock = Lock::take(folder());
    if (!lock)
        return lock.status();
    recoverLocked();
    Pruned pruned;
    QList<OperationRecord> kept;
    QList<int> removed;
    for (const OperationRecord& record : history()) {
        bool old = record.time.isValid() && record.time < before &&
                   record.state != OperationState::UnderWay;
        if (old && record.state == OperationState::Complete && !evenInstalled) {
            bool installed = false;
            for (const FileRecord& file : record.files)
                installed |= file.role == FileRole::Target &&
                             checkFile(record.id, file).state == FileState::Intact;
            if (installed) {
                pruned.keptInstalled << record.id;
                old = false;
            }
        }
        if (old)
            removed << record.id;
        else
            kept << record;
    }
    QSet<QString> needed;
    for (const OperationRecord& record : kept) {
        for (const FileRecord& file : record.files) {
            if (file.before)
                needed.insert(file.before->sha256);
        }
    }
    auto history = fs::Folder::openRoot(folder());
    if (!history)
        return history.status();
    auto operations = history->child(kOperations, false);
    auto objects = history->child(kObjects, false);
    if (!operations || !objects)
        return (!operations ? operations.status() : objects.status());
    pruned.operations = int(removed.size());
    for (const QString& shard : objects->names()) {
        auto shardFolder = objects->child(shard, false);
        if (!shardFolder)
            continue;
        for (const QString& name : shardFolder->names()) {
            if (needed.contains(name))
                continue;
            const auto info = shardFolder->stat(name);
            pruned.bytesFreed += info ? info->size : 0;
            if (!dryRun)
                shardFolder->remove(name).ok();
        }
        if (!dryRun)
            shardFolder->sync().ok();
    }
    if (!dryRun) {
        for (int id : removed)
            operations->remove(recordFileName(id)).ok();
        operations->sync().ok();
    }
    return pruned;
}

// ---- new files without a store

Status writeNewFiles(const QList<FileChange>& changes) {
    QList<fs::Location> createdFolders;
    QList<std::pair<fs::Location, QString>> written; // placed files, for a failure
    auto undo = [&](const Status& failure) {
        for (auto it = written.crbegin(); it != written.crend(); ++it) {
            if (auto folder = fs::Folder::holding(it->first, false))
                folder->remove(it->first.name).ok();
        }
        for (auto it = createdFolders.crbegin(); it != createdFolders.crend(); ++it) {
            if (auto parent = fs::Folder::holding(*it, false))
                parent->removeFolder(it->name).ok();
        }
        return failure.withMessage(failure.error() + QStringLiteral(" Nothing was written."));
    };
    for (const FileChange& change : changes) {
        auto folder = fs::Folder::holding(change.target, change.createFolders, &createdFolders);
        if (!folder)
            return undo(withLabel(change.label, folder.status()));
        const auto info = folder->stat(change.target.name);
        if (!info)
            return undo(info.status());
        if (info->kind != fs::Kind::Absent)
            return undo(Status::failure(
                ErrorKind::Invalid,
                QStringLiteral("%1 exists already; it is replaced only where Grovekeep's folder "
                               "keeps what it holds (give --manager-folder).")
                    .arg(describe(change.target))));
        auto temp = folder->createTemp(change.target.name, 0666);
        if (!temp)
            return undo(temp.status());
        const QString tempName = temp->path().fileName();
        Status status = change.contents.writeTo(*temp, nullptr);
        if (status)
            status = temp->sync();
        if (status)
            status = temp->close();
        if (status)
            status = folder->linkTo(tempName, *folder, change.target.name);
        folder->remove(tempName).ok();
        if (!status)
            return undo(withLabel(change.label, status));
        written << std::make_pair(change.target, tempName);
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

#include "operation.h"

#include "base/memory.h"
#include "base/quoting.h"
#include "base/sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace gk {

using namespace history;

namespace {

constexpr qint64 kChunk = 1 << 20;
// Folders kept open at once; the others are opened again from their root when needed.
constexpr size_t kOpenFolders = 64;

// A failed operation's message once what it changed is put back: `problems` names the files
// that could not be, whose contents operation `id` keeps.
QString rolledBackText(const QString& message, const QStringList& problems, int id, bool durable) {
    if (problems.isEmpty() && durable)
        return withNothingChanged(message);
    if (problems.isEmpty())
        //: %1 says what failed (whole sentences)
        return QCoreApplication::translate("Store",
                                           "%1 Nothing was changed. The system could not confirm "
                                           "that every file put back is safely on the disk.")
            .arg(message);
    const QString files = problems.join(QStringLiteral(", "));
    if (durable)
        //: %1 says what failed (whole sentences), %2 lists files (in quotes, each with why in
        //: brackets), %3 is the number of the operation
        return QCoreApplication::translate(
                   "Store", "%1 These files could not be put back: %2. Their previous contents "
                            "are kept in Grovekeep's history (operation %3), and the next start "
                            "of Grovekeep or grovekeep-vif puts them back.")
            .arg(message, files, QString::number(id));
    //: %1 says what failed (whole sentences), %2 lists files (in quotes, each with why in
    //: brackets), %3 is the number of the operation
    return QCoreApplication::translate(
               "Store", "%1 These files could not be put back: %2. Their previous contents are "
                        "kept in Grovekeep's history (operation %3), and the next start of "
                        "Grovekeep or grovekeep-vif puts them back. The system could not confirm "
                        "that every file put back is safely on the disk.")
        .arg(message, files, QString::number(id));
}

// An entry of the list of files a roll-back could not put back.
QString notPutBack(const QString& shown, const QString& why) {
    //: %1 is a file (in quotes), %2 why it could not be put back, a clause
    return QCoreApplication::translate("Store", "%1 (%2)").arg(shown, why);
}

Status withLabel(const QString& label, const Status& failure) {
    if (label.isEmpty())
        return failure;
    return failure.withMessage(labelledText(label, failure.error()));
}

QString describe(const fs::Location& location) { return quotedPath(location.path()); }

// Why a file standing at a location cannot be read or replaced, or success.
Status refusal(const fs::Location& location, const fs::Info& info) {
    switch (info.kind) {
    case fs::Kind::Folder:
        return Status::failure(
            ErrorKind::IsFolder,
            //: %1 is where a file was expected (in quotes)
            QCoreApplication::translate("Store", "A folder stands at %1.").arg(describe(location)));
    case fs::Kind::Link:
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a file (in quotes)
                               QCoreApplication::translate("Store",
                                                           "%1 is a symbolic link, which Grovekeep "
                                                           "does not follow or replace.")
                                   .arg(describe(location)));
    case fs::Kind::Other:
        return Status::failure(ErrorKind::UnsafePath,
                               //: %1 is a file (in quotes)
                               QCoreApplication::translate(
                                   "Store", "%1 is not a regular file (a pipe, socket or device), "
                                            "which Grovekeep does not read or replace.")
                                   .arg(describe(location)));
    default:
        return Status::success();
    }
}

Status changedMeanwhile(const fs::Location& location) {
    return Status::failure(
        ErrorKind::Failed,
        //: %1 is a file (in quotes)
        QCoreApplication::translate("Store", "%1 changed while it was being replaced.")
            .arg(describe(location)));
}

// Hashes what `file` holds from its start.
Result<Digest> hashOf(fs::File& file, qint64 size) {
    Sha256 hash;
    QByteArray buffer(qsizetype(std::min<qint64>(std::max<qint64>(size, 1), kChunk)),
                      Qt::Uninitialized);
    for (qint64 at = 0; at < size;) {
        const qint64 want = std::min<qint64>(buffer.size(), size - at);
        if (const Status read = file.readExactly(buffer.data(), want, at); !read)
            return read;
        hash.add(buffer.constData(), want);
        at += want;
    }
    return hash.digest();
}

// Below this many kept files an operation hashes them itself: a thread costs more than it saves.
constexpr size_t kThreadedFrom = 16;
// Contents from this size on are hashed apart from their writing, on a second thread.
constexpr qint64 kHashedApart = qint64(1) << 20;

} // namespace

// Hashes written files into `out` (by their number): on a second thread while the first writes
// the next ones, or, for an operation of a few files, at once.
class Operation::Hasher {
public:
    Hasher(std::vector<Digest>* out, bool threaded)
        : m_out(out) {
        if (threaded)
            m_thread = std::thread([this] { run(); });
    }
    ~Hasher() { finish().ok(); }

    void add(int file, fs::File written, qint64 size) {
        if (!m_thread.joinable()) {
            hash(Job{file, std::move(written), size});
            return;
        }
        std::unique_lock lock(m_mutex);
        // A few files ahead at most: each holds a descriptor.
        m_space.wait(lock, [this] { return m_queue.size() < 64; });
        m_queue.push_back(Job{file, std::move(written), size});
        m_ready.notify_one();
    }
    // Waits for every file added; the first failure, if any.
    Status finish() {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_ready.notify_one();
        if (m_thread.joinable())
            m_thread.join();
        return m_failure;
    }

private:
    struct Job {
        int file;
        fs::File written;
        qint64 size;
    };
    void hash(Job job) {
        if (!m_failure.ok())
            return;
        const auto digest = hashOf(job.written, job.size);
        if (!digest)
            m_failure = digest.status();
        else
            (*m_out)[size_t(job.file)] = *digest;
    }
    void run() {
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return m_done || !m_queue.empty(); });
                if (m_queue.empty())
                    return;
                job = std::move(m_queue.front());
                m_queue.pop_front();
                m_space.notify_one();
            }
            hash(std::move(job));
        }
    }

    std::vector<Digest>* m_out;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_space;
    std::deque<Job> m_queue;
    bool m_done = false;
    Status m_failure;
    std::thread m_thread;
};

// ---- the folders of the operation, a few open at a time

class Operation::Folders {
public:
    Folders(std::vector<FolderSlot>* folders, std::optional<fs::Info> forbidden)
        : m_slots(folders)
        , m_forbidden(forbidden) {}

    // Slot `k`'s folder, opened from its root; from the second time on it must be the folder
    // first found there.
    Result<const fs::Folder*> open(int k) {
        if (const auto found = m_index.find(k); found != m_index.end()) {
            m_lru.splice(m_lru.begin(), m_lru, found->second);
            return &m_lru.front().second;
        }
        FolderSlot& slot = (*m_slots)[size_t(k)];
        auto folder = walk(slot);
        if (!folder)
            return folder.status();
        const auto info = folder->info();
        if (!info)
            return info.status();
        if (slot.exists && !info->sameNode(slot.info))
            return Status::failure(ErrorKind::Failed,
                                   //: %1 is a folder (in quotes)
                                   QCoreApplication::translate("Store",
                                                               "The folder %1 changed while it "
                                                               "was being written to.")
                                       .arg(quotedPath(slot.location.folderPath())));
        slot.exists = true;
        slot.info = *info;
        m_lru.emplace_front(k, std::move(*folder));
        m_index[k] = m_lru.begin();
        if (m_lru.size() > kOpenFolders) {
            m_index.erase(m_lru.back().first);
            m_lru.pop_back();
        }
        return &m_lru.front().second;
    }

private:
    Result<fs::Folder> walk(const FolderSlot& slot) const {
        const bool guarded = slot.checked && m_forbidden.has_value();
        auto folder = fs::Folder::openRoot(slot.location.root);
        if (!folder)
            return folder;
        auto check = [&](const fs::Folder& here) -> Status {
            if (!guarded)
                return Status::success();
            const auto info = here.info();
            if (!info)
                return info.status();
            if (info->sameNode(*m_forbidden))
                return Status::failure(ErrorKind::UnsafePath,
                                       //: %1 is a folder (in quotes)
                                       QCoreApplication::translate(
                                           "Store", "%1 lies in Grovekeep's own folder, where a "
                                                    "package may not write.")
                                           .arg(quotedPath(slot.location.folderPath())));
            return Status::success();
        };
        if (const Status ok = check(*folder); !ok)
            return ok;
        for (const QString& name : slot.location.folders) {
            auto next = folder->child(name, false);
            if (!next)
                return next;
            folder = std::move(next);
            if (const Status ok = check(*folder); !ok)
                return ok;
        }
        return folder;
    }

    std::vector<FolderSlot>* m_slots;
    std::optional<fs::Info> m_forbidden;
    std::list<std::pair<int, fs::Folder>> m_lru;
    std::map<int, std::list<std::pair<int, fs::Folder>>::iterator> m_index;
};

QString withNothingChanged(const QString& message) {
    //: %1 says what failed (whole sentences)
    return QCoreApplication::translate("Store", "%1 Nothing was changed.").arg(message);
}

QString labelledText(const QString& label, const QString& message) {
    //: %1 names what was being changed (such as Entry 2 ("hills.lnd")), %2 says what failed, a
    //: clause
    return QCoreApplication::translate("Store", "%1: %2.").arg(label, asClause(message));
}

// ---- the operation

Operation::Operation(HistoryFolder& history, const Places& places, const OperationInfo& info,
                     const ChangeSource& changes, const ChangeStore::Options& options)
    : m_history(history)
    , m_places(places)
    , m_info(info)
    , m_changes(changes)
    , m_options(options)
    , m_game(places.game.isEmpty() ? QString() : cleanFolder(places.game)) {}

Operation::~Operation() = default;

Result<Applied> Operation::run() {
    if (const Status planned = plan(); !planned)
        return nothingChanged(planned);
    returnFreedMemory(); // what planning needed only while it ran
    if (const Status inspected = inspect(); !inspected)
        return nothingChanged(inspected);
    if (m_options.dryRun)
        return Applied{};
    if (const Status kept = keep(); !kept) {
        dropKept();
        return nothingChanged(kept);
    }
    if (const Status recorded = record(); !recorded) {
        // No file has changed yet: a record not written whole goes, with its mark.
        if (m_record) {
            if (auto operations = m_history.part(kOperations))
                (*operations)->remove(recordName(m_id)).ok();
        }
        if (m_id)
            m_history.clearPending(m_id).ok();
        dropKept();
        return nothingChanged(recorded);
    }
    for (Status (Operation::*phase)() :
         {&Operation::place, &Operation::write, &Operation::commit}) {
        if (const Status done = (this->*phase)(); !done)
            return rollBack(done);
    }
    // The folders go now: Windows removes no folder that is open, and the caller may remove
    // some.
    m_open.reset();
    Applied applied;
    applied.operation = m_id;
    applied.conflicts = m_conflicts;
    for (const Step& step : m_steps) {
        if (step.state != StepState::Placed)
            continue;
        applied.filesWritten += step.role == FileRole::Target;
        // A backup of a file that was not there is an empty file, not a backup of anything.
        applied.backupsMade += step.role == FileRole::Backup && step.backupOf >= 0 &&
                               m_steps[size_t(step.backupOf)].existing >= 0;
        applied.files << locationOf(step).path();
    }
    return applied;
}

Result<Applied> Operation::nothingChanged(const Status& failure) {
    return failure.withMessage(withNothingChanged(inUsersTerms(failure.error())));
}

// A message as the user can act on it: a temporary file beside a target is named as that
// target, and a file or folder inside the history as the history.
QString Operation::inUsersTerms(QString text) const {
    const QString history = quotedPath(m_history.path());
    const QString inside = history.chopped(1) + QDir::separator();
    for (qsizetype at = text.indexOf(inside); at >= 0; at = text.indexOf(inside, at + 1)) {
        const qsizetype end = text.indexOf(QLatin1Char('"'), at + inside.size());
        if (end < 0)
            break;
        text.replace(at, end + 1 - at, history);
    }
    if (m_token.isEmpty())
        return text;
    for (const Step& step : m_steps) {
        if (step.file < 0 || step.folder < 0)
            continue;
        fs::Location temporary = locationOf(step);
        temporary.name = temporaryName(m_token, step.file);
        text.replace(describe(temporary), describe(locationOf(step)));
    }
    return text;
}

QString Operation::labelOf(const Step& step) const {
    if (step.change < 0)
        return QString();
    const QString own = m_changes.at(step.change).label;
    if (!own.isEmpty() || !m_options.label)
        return own;
    return m_options.label(step.change);
}

Status Operation::labelled(const Step& step, const Status& failure) const {
    return withLabel(labelOf(step), failure);
}

fs::Location Operation::locationOf(const Step& step) const {
    fs::Location location = m_folders[size_t(step.folder)].location;
    location.name = step.name;
    return location;
}

RecordedPath Operation::recordedOf(const Step& step) const {
    RecordedPath path = m_folders[size_t(step.folder)].recorded;
    path.path = path.path.isEmpty() ? step.name : path.path + QLatin1Char('/') + step.name;
    return path;
}

int Operation::slotFor(const fs::Location& location, bool checked, bool create,
                       RecordedPath* recorded) {
    *recorded = m_places.classify(location);
    RecordedPath folder = *recorded;
    const qsizetype slash = folder.path.lastIndexOf(QLatin1Char('/'));
    folder.path = slash < 0 ? QString() : folder.path.left(slash);
    // Slots are few (a package's files share a handful of folders): a linear look from the
    // newest finds the folder of the previous file at once.
    for (qsizetype k = qsizetype(m_folders.size()) - 1; k >= 0; --k) {
        const FolderSlot& slot = m_folders[size_t(k)];
        if (slot.recorded == folder && slot.checked == checked && slot.create == create)
            return int(k);
        if (qsizetype(m_folders.size()) - k > 16)
            break;
    }
    FolderSlot slot;
    slot.recorded = folder;
    const fs::Location shown = m_places.shown(*recorded, m_game);
    slot.location.root = shown.root;
    slot.location.folders = shown.folders;
    slot.checked = checked;
    slot.create = create;
    m_folders.push_back(slot);
    return int(m_folders.size() - 1);
}

// ---- 1. plan

// The steps as they are planned: found by folder and name (a 64-bit hash, each match checked),
// and for each step the steps that copy what it writes, as a list threaded through the steps.
struct Operation::Planning {
    QMultiHash<quint64, int> stepAt;
    std::vector<int> firstCopy;
    std::vector<int> nextCopy;
};

// The changes become steps.
Status Operation::plan() {
    const qsizetype count = m_changes.size();
    if (count == 0)
        return Status::failure(ErrorKind::Invalid,
                               QCoreApplication::translate("Store", "There is nothing to write."));
    Planning planning;
    std::vector<int> stepOfChange(size_t(count), -1);
    m_steps.reserve(size_t(count));
    for (qsizetype k = 0; k < count; ++k) {
        const FileChange change = m_changes.at(k);
        int backup = -1;
        if (change.backup) {
            Step step;
            step.change = int(k);
            step.role = FileRole::Backup;
            step.createFolders = true;
            step.keepWhenAbsent = change.keepWhenAbsent;
            const auto at = addStep(planning, step, *change.backup, false, change.label);
            if (!at)
                return at.status();
            backup = *at;
        }
        Step step;
        step.change = int(k);
        step.role = change.role;
        step.remove = change.remove;
        step.createFolders = change.createFolders;
        if (change.sameAs >= 0 && change.sameAs < k)
            step.sameAs = stepOfChange[size_t(change.sameAs)];
        const bool checked = change.role == FileRole::Target && !change.createFolders;
        const auto at = addStep(planning, step, change.target, checked, change.label);
        if (!at)
            return at.status();
        Step& placed = m_steps[size_t(*at)];
        if (placed.sameAs == *at)
            placed.sameAs = -1;
        if (placed.sameAs >= 0) {
            planning.nextCopy[size_t(*at)] = planning.firstCopy[size_t(placed.sameAs)];
            planning.firstCopy[size_t(placed.sameAs)] = *at;
        }
        if (backup >= 0)
            m_steps[size_t(backup)].backupOf = *at;
        stepOfChange[size_t(k)] = *at;
        if (change.expected)
            m_expected.emplace_back(*at, *change.expected);
    }
    return Status::success();
}

// The step that writes `where`: a new one, or the earlier step of the same file, which the
// later change takes the place of.
Result<int> Operation::addStep(Planning& planning, Step step, const fs::Location& where,
                               bool checked, const QString& label) {
    RecordedPath recorded;
    step.folder = slotFor(where, checked, step.createFolders, &recorded);
    if (const QString problem = recordedPathProblem(recorded); !problem.isEmpty())
        return withLabel(
            label,
            Status::failure(ErrorKind::UnsafePath,
                            //: %1 is a file (in quotes), %2 why it cannot be written, a clause
                            QCoreApplication::translate("Store", "%1 cannot be written: %2.")
                                .arg(describe(where), problem)));
    step.name = where.name;
    const quint64 key = quint64(qHash(step.name, size_t(step.folder)));
    std::optional<int> earlier;
    for (auto it = planning.stepAt.constFind(key); it != planning.stepAt.cend() && it.key() == key;
         ++it) {
        const Step& other = m_steps[size_t(*it)];
        if (other.folder == step.folder && other.name == step.name)
            earlier = *it;
    }
    if (!earlier) {
        m_steps.push_back(step);
        planning.firstCopy.push_back(-1);
        planning.nextCopy.push_back(-1);
        planning.stepAt.insert(key, int(m_steps.size() - 1));
        return int(m_steps.size() - 1);
    }
    // The later change brings its contents, and what it is a copy of. Copies of what the
    // earlier change wrote now write their own contents.
    Step& kept = m_steps[size_t(*earlier)];
    kept.change = step.change;
    kept.remove = step.remove;
    kept.sameAs = step.sameAs == *earlier ? -1 : step.sameAs;
    for (int copy = std::exchange(planning.firstCopy[size_t(*earlier)], -1); copy >= 0;
         copy = planning.nextCopy[size_t(copy)])
        m_steps[size_t(copy)].sameAs = -1;
    return *earlier;
}

// ---- 2. inspect

// What stands where the operation writes.
Status Operation::inspect() {
    std::optional<fs::Info> forbidden;
    if (m_options.forbidden) {
        if (auto folder = fs::Folder::openRoot(*m_options.forbidden)) {
            if (auto here = folder->info())
                forbidden = *here;
        }
    }
    m_open = std::make_unique<Folders>(&m_folders, forbidden);
    QSet<QString> planned;
    for (int k = 0; k < int(m_folders.size()); ++k) {
        if (const Status opened = openFolder(k, &planned); !opened)
            return opened;
    }
    for (Step& step : m_steps) {
        if (const Status looked = lookAt(step); !looked)
            return looked;
    }
    return Status::success();
}

// Opens the folder of slot `k`; a missing one of Grovekeep's own is planned to be made.
Status Operation::openFolder(int k, QSet<QString>* planned) {
    const FolderSlot& slot = m_folders[size_t(k)];
    auto folder = m_open->open(k);
    if (folder)
        return Status::success();
    if (folder.kind() == ErrorKind::NotFound && slot.create)
        return planFolders(slot, planned);
    for (const Step& step : m_steps) {
        if (step.folder != k)
            continue;
        if (folder.kind() != ErrorKind::NotFound)
            return labelled(step, folder.status());
        return labelled(
            step,
            folder.status().withMessage(
                //: %1 is a file, %2 the folder it would lie in (both in
                //: quotes)
                QCoreApplication::translate("Store", "Could not write %1: the folder %2 "
                                                     "does not exist.")
                    .arg(describe(locationOf(step)), quotedPath(slot.location.folderPath()))));
    }
    return folder.status();
}

// The folders missing on the way to `slot`, from the top; each is planned once.
Status Operation::planFolders(const FolderSlot& slot, QSet<QString>* planned) {
    auto walk = fs::Folder::openRoot(slot.location.root);
    if (!walk)
        return walk.status();
    RecordedPath made = slot.recorded;
    QStringList path;
    bool missing = false;
    for (const QString& name : slot.location.folders) {
        path << name;
        if (!missing) {
            auto next = walk->child(name, false);
            if (next)
                walk = std::move(next);
            else if (next.kind() == ErrorKind::NotFound)
                missing = true;
            else
                return next.status();
        }
        made.path = path.join(QLatin1Char('/'));
        if (missing && !planned->contains(made.key(m_game))) {
            planned->insert(made.key(m_game));
            if (const QString problem = recordedPathProblem(made); !problem.isEmpty())
                return Status::failure(
                    ErrorKind::UnsafePath,
                    //: %1 is a folder (in quotes), %2 why it cannot be
                    //: made, a clause
                    QCoreApplication::translate("Store", "The folder %1 cannot be made: %2.")
                        .arg(quotedName(made.path), problem));
            m_createdFolders << made;
        }
    }
    return Status::success();
}

// What stands at the step's file: nothing, or a regular file it replaces.
Status Operation::lookAt(Step& step) {
    const FolderSlot& slot = m_folders[size_t(step.folder)];
    if (!slot.exists)
        return Status::success(); // a folder the operation makes holds nothing yet
    auto folder = m_open->open(step.folder);
    if (!folder)
        return labelled(step, folder.status());
    const auto info = (*folder)->stat(step.name);
    if (!info)
        return labelled(step, info.status());
    if (const Status refused = refusal(locationOf(step), *info); !refused)
        return labelled(step, refused);
    if (info->kind == fs::Kind::File) {
        step.existing = int(m_existing.size());
        m_existing.push_back(Existing{*info, std::nullopt, QString()});
    }
    return Status::success();
}

// ---- 3. keep

// Every content the operation replaces is copied into the history first.
Status Operation::keep() {
    if (const Status prepared = prepareHistory(); !prepared)
        return prepared;
    auto temporary = m_history.part(kTemporary, true);
    if (!temporary)
        return temporary.status();
    for (const Step& step : m_steps) {
        if (step.existing < 0)
            continue;
        if (const Status copied = copyToKeep(step, **temporary); !copied)
            return copied;
    }
    if (const Status hashed = hashKept(**temporary); !hashed)
        return hashed;
    return syncKept(**temporary);
}

// The history's folders; a history begun now has an index that covers every record from the
// start.
Status Operation::prepareHistory() {
    for (const QString& part : {kTemporary, kObjects, kOperations, kPending}) {
        if (auto made = m_history.part(part, true); !made)
            return made.status();
    }
    auto history = m_history.open();
    if (!history)
        return history.status();
    PathIndex index(**history);
    const auto ids = m_history.recordIds();
    const auto older = m_history.olderRecords();
    if (!index.isComplete() && ids && ids->isEmpty() && older && older->isEmpty())
        return index.markComplete();
    return Status::success();
}

// A copy of the file the step replaces, in the history's tmp/; the file may not change
// meanwhile.
Status Operation::copyToKeep(const Step& step, const fs::Folder& temporary) {
    Existing& existing = m_existing[size_t(step.existing)];
    auto folder = m_open->open(step.folder);
    if (!folder)
        return labelled(step, folder.status());
    auto source = (*folder)->openForReading(step.name);
    if (!source)
        return labelled(step, source.status());
    const auto opened = source->info();
    if (!opened)
        return labelled(step, opened.status());
    if (!opened->unchangedSince(existing.info))
        return labelled(step, changedMeanwhile(locationOf(step)));
    auto temp = temporary.createTemp(0444);
    if (!temp)
        return temp.status();
    existing.kept = temp->path().fileName();
    if (const Status copied = temp->copyFrom(*source, 0, existing.info.size); !copied)
        return labelled(step, copied);
    temp->copyAttributesFrom(*source);
    const auto after = source->info();
    if (!after)
        return labelled(step, after.status());
    if (!after->unchangedSince(existing.info))
        return labelled(step, Status::failure(ErrorKind::Failed,
                                              //: %1 is a file (in quotes)
                                              QCoreApplication::translate(
                                                  "Store", "%1 changed while it was being kept.")
                                                  .arg(describe(locationOf(step)))));
    return temp->close();
}

// The copies are hashed from themselves, on both cores: what is kept is what is named.
Status Operation::hashKept(const fs::Folder& temporary) {
    std::vector<Status> failures(m_existing.size());
    std::atomic<size_t> next{0};
    auto hashSome = [&] {
        for (size_t at = next++; at < m_existing.size(); at = next++) {
            Existing& existing = m_existing[at];
            auto file = temporary.openForReading(existing.kept);
            const auto hash =
                file ? hashOf(*file, existing.info.size) : Result<Digest>(file.status());
            if (!hash)
                failures[at] = hash.status();
            else
                existing.before = FileVersion{*hash, existing.info.size, existing.info.mode};
        }
    };
    std::thread helper;
    if (m_existing.size() >= kThreadedFrom)
        helper = std::thread(hashSome);
    hashSome();
    if (helper.joinable())
        helper.join();
    for (const Status& failure : failures) {
        if (!failure)
            return failure;
    }
    return Status::success();
}

// Each content kept once, and synced.
Status Operation::syncKept(const fs::Folder& temporary) {
    QSet<QByteArray> seen;
    fs::SyncBatch batch;
    for (Existing& existing : m_existing) {
        const QByteArray key(reinterpret_cast<const char*>(existing.before->sha256.bytes.data()),
                             32);
        if (seen.contains(key)) {
            temporary.remove(existing.kept).ok();
            existing.kept.clear();
            continue;
        }
        seen.insert(key);
        auto file = temporary.openForReading(existing.kept);
        if (!file)
            return file.status();
        if (const Status added = batch.add(std::move(*file)); !added)
            return added;
    }
    return batch.sync();
}

// ---- 4. record

// The record, written ahead of every change.
Status Operation::record() {
    // What backups hold: what their target held; without a file there, an empty one or none.
    for (Step& step : m_steps) {
        if (step.backupOf >= 0 && m_steps[size_t(step.backupOf)].existing < 0 &&
            !step.keepWhenAbsent)
            step.state = StepState::Skipped;
    }
    QList<NativePath> replaced; // the earlier operations that wrote these files are named
    for (Step& step : m_steps) {
        if (step.role == FileRole::Target && step.existing >= 0)
            replaced << locationOf(step).path();
        if (step.state == StepState::Skipped || (step.remove && step.existing < 0))
            continue;
        step.file = m_files++;
    }
    m_conflicts = findConflicts(m_history, m_places, replaced);
    auto operations = m_history.part(kOperations, true);
    if (!operations)
        return operations.status();
    if (const Status begun = beginRecord(**operations); !begun)
        return begun;
    if (const Status written = writeRecord(); !written)
        return written;
    // The record's name is on the disk too.
    return (*operations)->sync();
}

// The record's number, its pending mark and its file. The mark comes first: a record without
// a state is never left without one, whenever the process is killed.
Status Operation::beginRecord(const fs::Folder& operations) {
    const auto id = m_history.nextId();
    if (!id)
        return id.status();
    m_id = *id;
    m_token = newToken();
    if (const Status marked = m_history.setPending(m_id); !marked)
        return marked;
    auto pending = m_history.part(kPending);
    if (!pending)
        return pending.status();
    if (const Status synced = (*pending)->sync(); !synced)
        return synced;
    auto writer = RecordWriter::create(operations, recordName(m_id));
    m_history.forgetRecords();
    if (!writer)
        return writer.status();
    m_record = std::make_unique<RecordWriter>(std::move(*writer));
    return Status::success();
}

// The record's head, the folders made and every file with what it held, and the index entries
// of the files; all synced.
Status Operation::writeRecord() {
    RecordHead head;
    head.id = m_id;
    const QDateTime now = QDateTime::currentDateTime();
    head.time = now.toOffsetFromUtc(now.offsetFromUtc());
    head.kind = m_info.kind;
    head.what = m_info.what;
    head.packageName = m_info.packageName;
    head.packageSha256 = m_info.packageSha256;
    head.undoes = m_info.undoes;
    head.game = m_game;
    head.token = m_token;
    head.folders = int(m_createdFolders.size());
    head.files = m_files;
    if (const Status written = m_record->head(head); !written)
        return written;
    for (const RecordedPath& folder : m_createdFolders) {
        if (const Status written = m_record->folder(folder); !written)
            return written;
    }
    auto historyFolder = m_history.open();
    if (!historyFolder)
        return historyFolder.status();
    PathIndex index(**historyFolder);
    for (const Step& step : m_steps) {
        if (step.file < 0)
            continue;
        RecordedFile file;
        file.path = recordedOf(step);
        file.role = step.role;
        file.remove = step.remove;
        if (step.existing >= 0)
            file.before = m_existing[size_t(step.existing)].before;
        if (const Status written = m_record->file(file); !written)
            return written;
        index.add(PathIndex::keyOf(file.path.key(m_game)), m_id);
    }
    if (const Status synced = m_record->sync(); !synced)
        return synced;
    fs::SyncBatch batch;
    if (const Status written = index.write(batch); !written)
        return written;
    return batch.sync();
}

// ---- 5. place

// The kept copies take their names.
Status Operation::place() {
    auto temporary = m_history.part(kTemporary);
    auto objects = m_history.part(kObjects, true);
    if (!temporary || !objects)
        return !temporary ? temporary.status() : objects.status();
    std::map<QString, fs::Folder> shards;
    for (Existing& existing : m_existing) {
        if (existing.kept.isEmpty())
            continue;
        const QString hex = existing.before->sha256.hex();
        auto shard = shards.find(hex.left(2));
        if (shard == shards.end()) {
            auto opened = (*objects)->child(hex.left(2), true);
            if (!opened)
                return opened.status();
            shard = shards.emplace(hex.left(2), std::move(*opened)).first;
        }
        // An object of that name holds the same bytes, or is damaged: the fresh copy, checked
        // when it was hashed, takes its place either way.
        if (const Status moved = (*temporary)->moveTo(existing.kept, shard->second, hex); !moved)
            return moved;
        existing.kept.clear();
    }
    for (auto& [name, shard] : shards) {
        if (const Status synced = shard.sync(); !synced)
            return synced;
    }
    return (*objects)->sync();
}

qint64 Operation::sizeOf(const Step& step) const {
    if (step.backupOf >= 0) {
        const Step& target = m_steps[size_t(step.backupOf)];
        return target.existing >= 0 ? m_existing[size_t(target.existing)].info.size : 0;
    }
    const int from = step.sameAs >= 0 ? m_steps[size_t(step.sameAs)].change : step.change;
    return m_changes.at(from).contents.size();
}

Contents Operation::contentsOf(const Step& step) const {
    if (step.backupOf >= 0) {
        const Step& target = m_steps[size_t(step.backupOf)];
        Contents contents;
        if (target.existing >= 0) {
            const FileVersion& before = *m_existing[size_t(target.existing)].before;
            contents.add(m_history.objectLocation(before.sha256), 0, before.size);
        }
        return contents;
    }
    const int from = step.sameAs >= 0 ? m_steps[size_t(step.sameAs)].change : step.change;
    return m_changes.at(from).contents;
}

Result<const fs::Folder*> Operation::folderOf(const Step& step) {
    auto folder = m_open->open(step.folder);
    if (!folder)
        return folder.status();
    if (const Status same = stillAsInspected(step, **folder); !same)
        return same;
    return folder;
}

Status Operation::stillAsInspected(const Step& step, const fs::Folder& folder) const {
    const auto now = folder.stat(step.name);
    if (!now)
        return now.status();
    if (step.existing < 0 ? now->kind != fs::Kind::Absent
                          : !now->unchangedSince(m_existing[size_t(step.existing)].info))
        return changedMeanwhile(locationOf(step));
    return Status::success();
}

// ---- 6. write

// What the writing of the new contents gathers: per file its size and permissions as
// recorded, the files to sync, and the bytes written for the progress shown.
struct Operation::Writing {
    std::vector<qint64> sizes;
    std::vector<quint32> modes;
    fs::SyncBatch batch;
    qint64 total = 0;
    qint64 done = 0;
    std::optional<quint32> newFileMode; // what this process gives new files, once found
};

// The new contents, beside their files.
Status Operation::write() {
    if (const Status made = makeFolders(); !made)
        return made;
    m_after.assign(size_t(m_files), Digest{});
    Writing writing;
    writing.sizes.assign(size_t(m_files), 0);
    writing.modes.assign(size_t(m_files), 0);
    bool large = false; // a content hashed apart: the second thread is wanted
    for (const Step& step : m_steps) {
        if (step.file < 0 || step.remove)
            continue;
        const qint64 size = sizeOf(step);
        writing.total += size;
        large = large || (step.sameAs < 0 && size >= kHashedApart);
    }
    {
        Hasher hasher(&m_after, large);
        for (Step& step : m_steps) {
            if (step.file < 0 || step.remove)
                continue;
            if (const Status written = writeStep(step, hasher, writing); !written)
                return written;
        }
        if (const Status hashed = hasher.finish(); !hashed)
            return hashed;
    }
    if (const Status recorded = recordAfter(writing); !recorded)
        return recorded;
    if (const Status synced = writing.batch.sync(); !synced)
        return synced;
    if (const Status ready = m_record->ready(); !ready)
        return ready;
    return m_record->sync();
}

// The folders the operation makes, each synced into the folder that holds it.
Status Operation::makeFolders() {
    for (const RecordedPath& made : m_createdFolders) {
        const fs::Location shown = m_places.shown(made, m_game);
        fs::Location inside = shown;
        inside.folders << inside.name;
        inside.name = QStringLiteral("x");
        auto folder = fs::Folder::holding(inside, true);
        if (!folder)
            return folder.status();
        auto parent = fs::Folder::holding(shown, false);
        if (!parent)
            return parent.status();
        if (const Status synced = parent->sync(); !synced)
            return synced;
    }
    return Status::success();
}

// One new content, beside its file under a short temporary name. (That the file is still as
// inspected is checked when it is replaced.)
Status Operation::writeStep(Step& step, Hasher& hasher, Writing& writing) {
    auto folder = m_open->open(step.folder);
    if (!folder)
        return labelled(step, folder.status());
    const Existing* existing = step.existing >= 0 ? &m_existing[size_t(step.existing)] : nullptr;
    auto temp = (*folder)->createExclusive(temporaryName(m_token, step.file),
                                           existing ? existing->before->mode : 0666);
    if (!temp)
        return labelled(step, temp.status());
    step.state = StepState::Written;
    // A small content is hashed as it is written; a large one is copied inside the kernel and
    // hashed from the written file by the second thread meanwhile.
    const Contents contents = contentsOf(step);
    const bool inline_ = step.sameAs < 0 && contents.size() < kHashedApart;
    Sha256 hash;
    const Status copied = contents.writeTo(*temp, inline_ ? &hash : nullptr, [&](qint64 bytes) {
        writing.done += bytes;
        if (m_options.progress)
            m_options.progress(writing.done, writing.total);
        if (m_options.stop && m_options.stop())
            return Status::failure(ErrorKind::Cancelled,
                                   QCoreApplication::translate("Store", "Cancelled."));
        return Status::success();
    });
    if (!copied)
        return copied.kind() == ErrorKind::Cancelled ? copied : labelled(step, copied);
    if (inline_)
        m_after[size_t(step.file)] = hash.digest();
    const auto mode = givePermissions(step, *temp, **folder, &writing);
    if (!mode)
        return labelled(step, mode.status());
    writing.sizes[size_t(step.file)] = contents.size();
    writing.modes[size_t(step.file)] = *mode;
    if (step.sameAs < 0 && !inline_) {
        auto reader = temp->duplicate();
        if (!reader)
            return labelled(step, reader.status());
        hasher.add(step.file, std::move(*reader), contents.size());
    }
    const FolderSlot& slot = m_folders[size_t(step.folder)];
    if (const Status added = writing.batch.add(std::move(*temp), slot.info.device, contents.size());
        !added)
        return labelled(step, added);
    return Status::success();
}

// Gives a written file its permissions: those its change gives, else those of the file it
// replaces (whose owner and attributes it keeps too), else what this process gives new files.
// The permissions, as they are recorded.
Result<quint32> Operation::givePermissions(const Step& step, fs::File& temp,
                                           const fs::Folder& folder, Writing* writing) {
    const std::optional<quint32> wanted =
        step.backupOf < 0 ? m_changes.at(step.change).mode : std::nullopt;
    if (step.existing >= 0) {
        const Existing& existing = m_existing[size_t(step.existing)];
        const quint32 mode = wanted.value_or(existing.before->mode);
        if (const Status kept = temp.setMode(mode, existing.info.owner, existing.info.group, true);
            !kept)
            return kept;
        if (auto old = folder.openForReading(step.name))
            temp.copyAttributesFrom(*old);
        return mode;
    }
    if (wanted) {
        if (const Status set = temp.setMode(*wanted, 0, 0, false); !set)
            return set;
        return *wanted;
    }
    if (!writing->newFileMode) {
        const auto info = temp.info();
        if (!info)
            return info.status();
        writing->newFileMode = info->mode;
    }
    return *writing->newFileMode;
}

// What every file is to hold, into the record; a content put back from the history must be
// the one recorded, byte for byte.
Status Operation::recordAfter(const Writing& writing) {
    for (const Step& step : m_steps) {
        if (step.file >= 0 && !step.remove && step.sameAs >= 0)
            m_after[size_t(step.file)] = m_after[size_t(m_steps[size_t(step.sameAs)].file)];
    }
    for (const auto& [at, digest] : m_expected) {
        const Step& step = m_steps[size_t(at)];
        if (step.file >= 0 && !step.remove && m_after[size_t(step.file)] != digest)
            return labelled(step,
                            Status::failure(ErrorKind::Failed,
                                            //: %1 is a file (in quotes)
                                            QCoreApplication::translate(
                                                "Store", "What %1 is to get back cannot be put "
                                                         "back: its kept copy in the history is "
                                                         "damaged (its bytes no longer match "
                                                         "their SHA-256).")
                                                .arg(describe(locationOf(step)))));
    }
    for (const Step& step : m_steps) {
        if (step.file < 0 || step.remove)
            continue;
        const size_t file = size_t(step.file);
        if (const Status written = m_record->after(RecordedVersion{
                step.file, {m_after[file], writing.sizes[file], writing.modes[file]}});
            !written)
            return written;
    }
    return Status::success();
}

// ---- 7. commit

// Every file takes its new content.
Status Operation::commit() {
    QSet<int> touched;
    for (Step& step : m_steps) {
        if (step.file < 0)
            continue;
        // A file that was not there must still not be (the rename refuses to replace one); a
        // file that was must be the same, unchanged.
        auto folder = step.existing >= 0 ? folderOf(step) : m_open->open(step.folder);
        if (!folder)
            return labelled(step, folder.status());
        const QString temp = temporaryName(m_token, step.file);
        Status done = Status::success();
        if (step.remove)
            done = (*folder)->remove(step.name);
        else if (step.existing >= 0)
            done = (*folder)->rename(temp, step.name);
        else if (const Status moved = (*folder)->moveNoReplace(temp, **folder, step.name); !moved) {
            const auto there = (*folder)->stat(step.name);
            done = there && there->kind != fs::Kind::Absent ? changedMeanwhile(locationOf(step))
                                                            : moved;
        }
        if (!done)
            return labelled(step, done);
        step.state = StepState::Placed;
        touched.insert(step.folder);
    }
    for (const int k : touched) {
        auto folder = m_open->open(k);
        if (!folder)
            return folder.status();
        if (const Status synced = (*folder)->sync(); !synced)
            return synced;
    }
    auto operations = m_history.part(kOperations);
    if (!operations)
        return operations.status();
    RecordedState complete;
    complete.state = OperationState::Complete;
    bool written = false;
    const Status marked = appendToRecord(**operations, recordName(m_id), {}, complete, &written);
    // Not written: the operation is rolled back. Written but not known to be on the disk: it
    // stands, as the record says; it stays pending, so that the next recovery finds it
    // complete (or, should the mark be lost in a crash, rolls it back).
    if (!written)
        return marked;
    if (marked && !m_keepPending)
        m_history.clearPending(m_id).ok();
    return Status::success();
}

// ---- 8. roll back

void Operation::dropKept() {
    auto temporary = m_history.part(kTemporary);
    if (!temporary)
        return;
    for (Existing& existing : m_existing) {
        if (!existing.kept.isEmpty())
            (*temporary)->remove(existing.kept).ok();
        existing.kept.clear();
    }
}

// Everything put back.
Result<Applied> Operation::rollBack(const Status& failure) {
    QStringList problems;
    bool durable = true;
    bool cleared = true; // every temporary file beside the files is gone
    for (auto it = m_steps.rbegin(); it != m_steps.rend(); ++it) {
        if (it->state == StepState::Written) {
            auto folder = fs::Folder::holding(locationOf(*it), false);
            if (!folder || !folder->remove(temporaryName(m_token, it->file)))
                cleared = false;
        } else if (it->state == StepState::Placed) {
            takeBack(*it, &problems, &durable);
        }
    }
    m_open.reset(); // Windows removes no folder that is open
    removeMadeFolders();
    dropKept();
    // Marked rolled back only when it is: otherwise it stays under way, and the next recovery
    // (of the next command, or the next start) finishes what could not be done now.
    if (problems.isEmpty() && cleared) {
        RecordedState state;
        state.state = OperationState::RolledBack;
        state.note = failure.error();
        if (auto operations = m_history.part(kOperations)) {
            if (appendToRecord(**operations, recordName(m_id), {}, state))
                m_history.clearPending(m_id).ok();
        }
    }
    return failure.withMessage(
        rolledBackText(inUsersTerms(failure.error()), problems, m_id, durable));
}

// Puts back what a file held before the operation placed its new content. Only what this
// operation placed is taken back: a file someone else put there since is theirs.
void Operation::takeBack(const Step& step, QStringList* problems, bool* durable) {
    const fs::Location location = locationOf(step);
    const std::optional<FileVersion> before =
        step.existing >= 0 ? m_existing[size_t(step.existing)].before : std::nullopt;
    const auto now = ChangeStore::versionOf(location);
    if (!now) {
        *problems << notPutBack(describe(location), asClause(now.error()));
        return;
    }
    const bool ours =
        step.remove ? !now->has_value() : (*now && (*now)->sha256 == m_after[size_t(step.file)]);
    if (!ours) {
        if (!(before ? (*now && (*now)->sha256 == before->sha256) : !now->has_value()))
            //: an entry of a list of files that could not be put back; %1 is a file (in quotes)
            *problems << QCoreApplication::translate("Store", "%1 (it changed since)")
                             .arg(describe(location));
        return;
    }
    bool done = true;
    if (const Status back =
            putBack(m_history, location, before, temporaryName(m_token, step.file), &done);
        !back)
        *problems << notPutBack(describe(location), asClause(back.error()));
    *durable = *durable && done;
}

// The folders the operation made, innermost first, as far as they are empty.
void Operation::removeMadeFolders() {
    for (auto it = m_createdFolders.crbegin(); it != m_createdFolders.crend(); ++it) {
        const fs::Location shown = m_places.shown(*it, m_game);
        if (auto parent = fs::Folder::holding(shown, false)) {
            auto folder = parent->child(shown.name, false);
            const auto names = folder ? folder->names() : Result<QStringList>(folder.status());
            if (names && names->isEmpty())
                parent->removeFolder(shown.name).ok();
        }
    }
}

} // namespace gk

#pragma once

#include "historyfolder.h"
#include "pathindex.h"
#include "store.h"

#include <QHash>
#include <QSet>

#include <list>
#include <memory>
#include <vector>

// One operation of the change store as it is carried out. Nothing outside core/files includes
// this.
namespace gk {

// The phases, in order:
//
//  1. plan     the changes become steps, one per file (a later change of a file takes the place
//              of an earlier one; a backup comes before its target); every path is placed in
//              the game folder, Grovekeep's folder or the folder it was given in, and checked;
//  2. inspect  every folder is opened from its root without following a link (a package's
//              entry never reaches Grovekeep's folder); what stands at each file is looked at:
//              a link, a folder or anything but a regular file is refused. A dry run ends here,
//              having written nothing;
//  3. keep     every content the operation replaces is copied into the history's tmp/,
//              hashed from the copy, and synced;
//  4. record   the record (every file with its content before), the index entries and the
//              pending mark are written and synced: from here on a failure, or a process
//              killed, is rolled back;
//  5. place    the kept copies take their names in objects/;
//  6. write    the folders the operation makes, then every new content beside its file under a
//              short temporary name; the new contents are hashed from the written files by a
//              second thread, checked against what they must be, recorded, and synced;
//  7. commit   each file is replaced by its new content (or removed), folders synced, the
//              record marked complete;
//  8. roll back on any failure after the record: every file put back from the kept contents,
//              temporary files and new folders removed, the record marked rolled back.
class Operation {
public:
    Operation(HistoryFolder& history, const Places& places, const OperationInfo& info,
              const ChangeSource& changes, const ChangeStore::Options& options);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    Result<Applied> run();
    // The operation stays marked pending after it is complete, until the caller has finished
    // what belongs to it (an undo marks what it undid).
    void keepPendingMark() { m_keepPending = true; }

private:
    Status plan();
    Status inspect();
    Status keep();
    Status record();
    Status place();
    Status write();
    Status commit();
    Result<Applied> rollBack(const Status& failure);
    Result<Applied> nothingChanged(const Status& failure);
    QString inUsersTerms(QString text) const;

    enum class StepState : quint8 {
        Planned, // nothing done yet
        Skipped, // a backup of a file that is not there: nothing to keep
        Written, // its new content waits beside it under a temporary name
        Placed   // it has its new content (or was removed)
    };
    struct Step {
        QString name;
        int folder = -1;   // m_folders
        int change = -1;   // the change whose contents it writes (or that it backs up)
        int backupOf = -1; // a backup: the step whose content before it keeps
        int sameAs = -1;   // its contents are those step `sameAs` writes
        int file = -1;     // its number in the record; -1: nothing to do
        int existing = -1; // m_existing: the file that stood there
        FileRole role = FileRole::Target;
        bool remove = false;
        bool createFolders = false;
        bool keepWhenAbsent = false;
        StepState state = StepState::Planned;
    };
    struct FolderSlot {
        RecordedPath recorded; // its path below its root ("" for the root itself)
        fs::Location location; // its root and folders (the name is empty)
        bool checked = false;  // a package's target: Grovekeep's folder may not be on the way
        bool create = false;   // Grovekeep's own: made when missing
        bool exists = false;
        fs::Info info;
    };
    struct Existing {
        fs::Info info;
        std::optional<FileVersion> before;
        QString kept; // its copy in tmp/, until placed
    };
    class Folders;
    class Hasher;
    struct Planning;
    struct Writing;

    Result<int> addStep(Planning& planning, Step step, const fs::Location& where, bool checked,
                        const QString& label);
    Status openFolder(int k, QSet<QString>* planned);
    Status planFolders(const FolderSlot& slot, QSet<QString>* planned);
    Status lookAt(Step& step);
    Status prepareHistory();
    Status copyToKeep(const Step& step, const fs::Folder& temporary);
    Status hashKept(const fs::Folder& temporary);
    Status syncKept(const fs::Folder& temporary);
    Status beginRecord(const fs::Folder& operations);
    Status writeRecord();
    Status makeFolders();
    Status writeStep(Step& step, Hasher& hasher, Writing& writing);
    Result<quint32> givePermissions(const Step& step, fs::File& temp, const fs::Folder& folder,
                                    Writing* writing);
    Status recordAfter(const Writing& writing);
    void takeBack(const Step& step, QStringList* problems, bool* durable);
    void removeMadeFolders();

    QString labelOf(const Step& step) const;
    Status labelled(const Step& step, const Status& failure) const;
    fs::Location locationOf(const Step& step) const;
    RecordedPath recordedOf(const Step& step) const;
    int slotFor(const fs::Location& location, bool checked, bool create, RecordedPath* recorded);
    Result<const fs::Folder*> folderOf(const Step& step);
    Status stillAsInspected(const Step& step, const fs::Folder& folder) const;
    Contents contentsOf(const Step& step) const;
    qint64 sizeOf(const Step& step) const;
    void dropKept();

    HistoryFolder& m_history;
    const Places& m_places;
    const OperationInfo& m_info;
    const ChangeSource& m_changes;
    const ChangeStore::Options& m_options;
    QString m_game; // the game folder as recorded

    std::vector<Step> m_steps;
    std::vector<FolderSlot> m_folders;
    std::vector<Existing> m_existing;
    std::vector<std::pair<int, Digest>> m_expected; // step, the SHA-256 it must write
    QList<RecordedPath> m_createdFolders;
    std::unique_ptr<Folders> m_open;

    int m_id = 0;
    QString m_token;
    int m_files = 0;
    std::vector<Digest> m_after; // by file
    std::unique_ptr<RecordWriter> m_record;
    bool m_keepPending = false;
    QList<Conflict> m_conflicts;
};

// A failure's message (whole sentences) followed by "Nothing was changed.", in the user's
// language.
QString withNothingChanged(const QString& message);
// A failure's message as a clause after what the change is called: "Entry 2 ("hills.lnd"):
// could not ...".
QString labelledText(const QString& label, const QString& message);

} // namespace gk

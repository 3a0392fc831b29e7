#pragma once

// What the change store's tests share: a game folder and a Grovekeep folder with canaries
// outside both, the operations they run, and ways to reach into the history as an attacker
// with write access to it would.

#include "base/sha256.h"
#include "files/fsys.h"
#include "files/store.h"
#include "support/files.h"
#include "support/posix.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

namespace gk::test {

// A game folder and a Grovekeep folder, and canary files outside both that nothing may touch.
struct Site {
    QTemporaryDir dir;
    QString root = dir.path();
    QString game = root + "/game/";
    QString manager = root + "/manager/";

    Site() {
        for (const char* folder :
             {"game/Data/Landscape", "game/Scripts/Playgrounds", "outside", "manager"})
            QDir().mkpath(root + '/' + folder);
        putFile(root + "/outside/canary.txt", "canary");
        putFile(game + "Data/Landscape/old.lnd", "old landscape");
    }
    ChangeStore store() const {
        return openStore(ComposedPath(manager), ComposedPath(game)).value();
    }
    fs::Location inGame(const QString& relative) const {
        return fs::Location::below(NativePath(game), relative);
    }
    fs::Location inManager(const QString& relative) const {
        return fs::Location::below(NativePath(manager), relative);
    }
    QByteArray canary() const { return fileBytes(root + "/outside/canary.txt"); }
    QMap<QString, QByteArray> outside() const { return snapshot(root + "/outside"); }
    // The files of the site that are not Grovekeep's history.
    QMap<QString, QByteArray> files() const { return withoutHistory(snapshot(root)); }
    QString record(int id) const {
        return manager + QStringLiteral("History/operations/%1.jsonl").arg(id, 6, 10, QChar('0'));
    }
    QString object(const QByteArray& contents) const {
        const QString sha = Sha256::of(contents);
        return manager + "History/objects/" + sha.left(2) + '/' + sha;
    }
};

// No temporary file of an interrupted write is left anywhere below `root`.
inline QStringList temporaries(const QString& root) {
    QStringList out;
    for (const QString& key : snapshot(root).keys()) {
        if (key.contains(QStringLiteral("/.~gk-")) || key.startsWith(QStringLiteral(".~gk-")) ||
            (key.contains(QStringLiteral("History/tmp/")) && !key.endsWith('/')))
            out << key;
    }
    return out;
}

// An operation of every kind of change: a replaced file with its visible backup, a new file,
// and a copy in a folder that does not exist yet.
inline QList<FileChange> mixedChanges(const Site& site) {
    FileChange replaced(site.inGame("Data/Landscape/old.lnd"), QByteArray("new landscape"));
    replaced.backup = site.inManager("Backup/Landscape/old.lnd");
    FileChange added(site.inGame("Scripts/Playgrounds/river.txt"), QByteArray("map"));
    FileChange copy(site.inManager("Backup/vif/river.txt"), QByteArray("map"), FileRole::Copy);
    copy.createFolders = true;
    return {replaced, added, copy};
}

inline const OperationInfo kInfo{"test", "Test operation", {}, {}, 0};

inline QList<QByteArray> lines(const QString& path) {
    QList<QByteArray> out = fileBytes(path).split('\n');
    if (!out.isEmpty() && out.constLast().isEmpty())
        out.removeLast();
    return out;
}

inline bool putLines(const QString& path, const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return putFile(path, text);
}

// Writes the ready line of an edited record again, as an attacker who knows the format would:
// the record then passes its checksum and only the checks of its fields stand in the way.
inline bool reseal(const QString& path) {
    QList<QByteArray> all = lines(path);
    for (qsizetype k = 0; k < all.size(); ++k) {
        if (!all.at(k).startsWith("{\"ready\""))
            continue;
        Sha256 hash;
        for (qsizetype j = 0; j < k; ++j)
            hash.add(all.at(j) + '\n');
        all[k] = "{\"ready\":{\"lines\":" + QByteArray::number(k) + ",\"sha256\":\"" +
                 hash.hex().toLatin1() + "\"}}";
        return putLines(path, all);
    }
    return false;
}

// Replaces `from` by `to` in a record and seals it again.
inline bool editRecord(const QString& path, const QByteArray& from, const QByteArray& to) {
    QByteArray text = fileBytes(path);
    if (!text.contains(from))
        return false;
    text.replace(from, to);
    return putFile(path, text) && reseal(path);
}

// The fault seam's switches for a whole suite, from the environment: the store's suite runs
// again with GROVEKEEP_TEST_NO_RENAME_NOREPLACE=1, as on a file system without that rename.
inline void applySeamFromEnvironment() {
    if (qEnvironmentVariableIsSet("GROVEKEEP_TEST_NO_RENAME_NOREPLACE"))
        fs::faults::setRenameNoReplace(false);
}

} // namespace gk::test

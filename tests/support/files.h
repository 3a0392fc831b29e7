#pragma once

// Helpers for installer tests: raw package text as other writers produce it, and snapshots
// of folder trees to prove that nothing changed.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>

namespace gk::test {

// One entry as our writer lays it out, or with another line end.
inline QByteArray rawEntry(const QByteArray& path, const QByteArray& title,
                           const QByteArray& contents, const QByteArray& nl = "\r\n") {
    return "###Begin_VIF###" + nl + "###Install###" + path + "###/Install###" + nl + "###Title###" +
           title + "###/Title###" + nl + contents + nl + "###End_VIF###" + nl;
}

// A path as the program shows and passes it: with this system's separators.
inline QString native(const QString& path) { return QDir::toNativeSeparators(path); }

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

inline bool putFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every file, folder and link below `root` (links not followed), with the files' bytes.
inline QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString key = QDir(root).relativeFilePath(path);
        if (info.isSymLink())
            out.insert(key, "link -> " + info.symLinkTarget().toUtf8());
        else if (info.isDir())
            out.insert(key + QLatin1Char('/'), QByteArray());
        else if (!info.isFile())
            out.insert(key, "special file"); // a FIFO would never answer a read
        else
            out.insert(key, fileBytes(path));
    }
    return out;
}

// A snapshot without Grovekeep's history folder, which records every operation, failed ones too.
inline QMap<QString, QByteArray> withoutHistory(QMap<QString, QByteArray> tree) {
    for (auto it = tree.begin(); it != tree.end();) {
        if (it.key().contains(QStringLiteral("History/")))
            it = tree.erase(it);
        else
            ++it;
    }
    return tree;
}

} // namespace gk::test

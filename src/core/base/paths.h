#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace gk {

// Two kinds of path travel through Grovekeep, and a value's type says which it holds:
//
// - ComposedPath: put together the way the game's own tools put paths together, by plain
//   concatenation of a folder value of options.txt (which ends with a separator) and a
//   relative part written with backslashes: GameFolder + "Scripts\Playgrounds\" + name.
//   A folder value may be a Windows path ("C:\Games\Black & White\") or one of this system.
// - NativePath: a path this system's file system takes as it is: what a file dialog returns,
//   what files are read from and written to.
//
// ComposedPath::native() is the one conversion between them, done at the boundary where a
// composed path is about to touch the file system.

class NativePath {
public:
    NativePath() = default;
    explicit NativePath(QString path)
        : m_path(std::move(path)) {}

    const QString& text() const { return m_path; }
    bool isEmpty() const { return m_path.isEmpty(); }
    // With this platform's separators, for messages, labels and fields.
    QString shown() const;
    // The last component ("river.txt"); empty for a path that ends with a separator.
    QString fileName() const;
    // The folder holding this file, with a trailing separator.
    NativePath folder() const;
    // `name` (one or more components separated by '/') inside this folder.
    NativePath child(const QString& name) const;

    friend bool operator==(const NativePath&, const NativePath&) = default;

private:
    QString m_path;
};

class ComposedPath {
public:
    ComposedPath() = default;
    explicit ComposedPath(QString text)
        : m_text(std::move(text)) {}

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    // Plain concatenation, as the game's tools compose: no separator is added or removed.
    ComposedPath operator+(const QString& relative) const {
        return ComposedPath(m_text + relative);
    }

    // On POSIX every backslash becomes a slash (a doubled separator is harmless), and a path
    // that starts with a drive letter ("C:\Games\...") is looked up in the Wine prefix
    // (WINEPREFIX, else ~/.wine) when that prefix has the drive. On Windows the text is
    // returned with native separators.
    NativePath native() const;
    QString shown() const { return native().shown(); }

    friend bool operator==(const ComposedPath&, const ComposedPath&) = default;

private:
    QString m_text;
};

// "C:" (an ASCII letter and a colon) at the start of `path`.
bool startsWithDrive(const QString& path);

// Text after the last separator ('\\' or '/'); the whole text when there is none.
QString bareFileName(const QString& path);

// Text up to and including the last separator; empty when there is none.
QString folderPart(const QString& path);

// The names between the separators ('\\' or '/'), empty ones left out.
QStringList pathComponents(const QString& path);

// The folder above "drive_c" when `path` lies inside a Wine prefix.
std::optional<NativePath> winePrefixOf(const NativePath& path);

// For a path inside a Wine prefix's drive_c, the same path as Windows programs in that
// prefix see it ("C:\Games\..."); nullopt when the path is not inside a prefix.
std::optional<QString> windowsPathInPrefix(const NativePath& path);

// Folder of the running program, with a trailing separator.
NativePath programFolder();

// This platform's name for one of our executables ("Help" here, "Help.exe" on Windows).
QString executableName(const QString& baseName);

} // namespace gk

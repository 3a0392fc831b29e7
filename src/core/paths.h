#pragma once

#include <QString>

#include <optional>

namespace gk {

// Paths are composed the way the game's own tools compose them: a folder value that ends
// with a separator, followed by a relative part written with backslashes
// ("Scripts\\Playgrounds\\"). toNativePath() is the one place that turns such a composed
// path into one the file system of this platform understands.

// On POSIX every backslash becomes a slash, and a path starting with a drive letter
// ("C:\\Games\\...") is looked up in the Wine prefix (WINEPREFIX, else ~/.wine) when that
// prefix has the drive. On Windows the path is returned with native separators.
QString toNativePath(const QString& composed);

// Separators as the user of this platform writes them, for messages and fields.
QString displayPath(const QString& path);

// Text after the last separator ('\\' or '/'); the whole text when there is none.
QString bareFileName(const QString& path);

// Text up to and including the last separator; empty when there is none.
QString folderPart(const QString& path);

// The folder holding `filePath`, with this platform's trailing separator.
QString folderWithSeparator(const QString& filePath);

// The folder above "drive_c" when `nativePath` lies inside a Wine prefix.
std::optional<QString> winePrefixOf(const QString& nativePath);

// For a native path inside a Wine prefix's drive_c, the same path as Windows programs in
// that prefix see it ("C:\\Games\\..."); nullopt when the path is not inside a prefix.
std::optional<QString> windowsPathInPrefix(const QString& nativePath);

// Folder of the running program, with a trailing '/'.
QString programFolder();

// This platform's name for one of our executables ("Help" here, "Help.exe" on Windows).
QString executableName(const QString& baseName);

} // namespace gk

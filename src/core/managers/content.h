#pragma once

#include "base/paths.h"
#include "files/store.h"

#include <QByteArray>
#include <QString>

namespace gk {

// Map scripts as the map window edits them. Text is shown with LF line ends and written
// back in the game's code page with the line ends the file had (CR LF for a new map).
struct MapText {
    QString text;                               // for the editor: lines separated by LF
    bool finalBreak = true;                     // the file ended with a line break
    QString lineBreak = QStringLiteral("\r\n"); // the file's first line end: CR LF, LF or CR
    QByteArray bytes;                           // the file as it was loaded
};

MapText decodeMapText(const QByteArray& bytes);

struct EncodedMap {
    QByteArray bytes;
    bool lossless = true; // false when a character has no Windows-1252 byte
};

// The bytes of `text` for a map loaded as `loaded` (a default MapText for a new one). Text
// that is still the loaded text gives back the loaded bytes exactly, whatever its line ends.
// Otherwise every line ends with the loaded file's line end, and a closing one is added when
// the text does not end with a line break, unless the loaded file had none, so that repeated
// cycles never grow the file.
EncodedMap encodeMapText(const QString& text, const MapText& loaded = MapText());

// The game's copy of a content file: GameFolder & folder & name, spelt as the game's own
// folders and file are where only the letter case differs (Wine folders are case-sensitive).
fs::Location gameContentPath(const ComposedPath& gameFolder, const QString& folder,
                             const QString& name);

// A landscape or skin installed under its own name `name`: the game's copy (gameContentPath),
// with the file it replaces, if any, kept as ManagerFolder & backupFolder & name.
FileChange contentInstall(const QByteArray& contents, const ComposedPath& gameFolder,
                          const QString& folder, const ComposedPath& managerFolder,
                          const QString& backupFolder, const QString& name);

// How a content file's bytes are shown: its size, then a hex view of at most `maxBytes`
// bytes, sixteen a line with their printable characters.
QString describeBytes(const QString& name, const QByteArray& bytes, qsizetype maxBytes = 16384);

} // namespace gk

#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "settings/ownsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace gk {

// The six values of options.txt, one a line, in this order.
enum SettingsLine {
    LineGameFolder,
    LineManagerFolder,
    LineMapEditor,
    LineLandscapeEditor,
    LineSkinEditor,
    LineTattooEditor,
    SettingsLineCount
};

inline const QString kSettingsFileName = QStringLiteral("options.txt");

// Where options.txt is read from: Grovekeep's own folder, that is the program's folder when
// Grovekeep is portable and the user's data folder when it is installed. Never the working
// folder: a download folder holding an options.txt of someone else's must not decide where
// Grovekeep writes.
QList<NativePath> settingsReadCandidates(const NativePath& programFolder);

// The candidates of this process.
QList<NativePath> startupSettingsCandidates();

struct SettingsFile {
    NativePath path;    // the file that was read
    QStringList values; // up to six values; a shorter list leaves the rest unchanged
};

// The first candidate that is present. A file counts as present when it holds at least one
// byte; an empty or unreadable file counts as absent.
std::optional<SettingsFile> readSettingsFile(const QList<NativePath>& candidates);

// Lines end at CR LF, CR or LF; lines after the sixth are ignored. The text is read as
// UTF-8 when it is valid UTF-8 with characters beyond ASCII, else as Windows-1252.
QStringList parseSettings(const QByteArray& bytes);

// Six lines, each ended by CR LF, then one empty line. Written in Windows-1252 when every
// character has a byte there, else in UTF-8 (paths of this system that the code page lacks).
QByteArray composeSettings(const QStringList& values);

// managerFolder followed by "\options.txt".
ComposedPath settingsWritePath(const ComposedPath& managerFolder);

// Writes the file below managerFolder, as an operation of the change store there. `readFrom`,
// the options.txt Grovekeep reads at start-up when it is another file, is written in the same
// operation: the next start reads what was saved.
// `own`, when given, is written as Grovekeep's own settings in the same operation.
Status writeSettings(const ComposedPath& managerFolder, const QStringList& values,
                     const NativePath& readFrom = NativePath(),
                     const std::optional<OwnSettings>& own = std::nullopt);

// Whether the next start, reading from `candidates`, finds `values`.
bool settingsReadBack(const QList<NativePath>& candidates, const QStringList& values);

} // namespace gk

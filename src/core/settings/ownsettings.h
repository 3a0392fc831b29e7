#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "system/launch.h"

#include <QByteArray>

namespace gk {

// Grovekeep's own settings, kept beside options.txt in Grovekeep's folder for what options.txt
// has no line for (its lines stay as they are). One "key=value" a line; lines beginning with
// ';' are comments; keys Grovekeep does not know are kept when the file is written again.
inline const QString kOwnSettingsFileName = QStringLiteral("grovekeep.ini");

struct OwnSettings {
    // How Windows programs are started for this game folder:
    // wine=system, wine=<a wine program>, or command=<a launcher's command line>.
    WineStart wine;
    QList<QPair<QString, QString>> others; // keys of other versions, kept as they were
    // The language of the texts ("de", "fr", "en"); empty: the system's. Read at start-up.
    QString language;

    friend bool operator==(const OwnSettings&, const OwnSettings&) = default;
};

OwnSettings parseOwnSettings(const QByteArray& bytes);
QByteArray composeOwnSettings(const OwnSettings& settings);

// managerFolder followed by "\grovekeep.ini".
ComposedPath ownSettingsPath(const ComposedPath& managerFolder);

// The settings of Grovekeep's folder; the defaults when the file is missing or unreadable.
OwnSettings readOwnSettings(const ComposedPath& managerFolder);

// Writes them as an operation of the change store of Grovekeep's folder.
Status writeOwnSettings(const ComposedPath& managerFolder, const OwnSettings& settings);

} // namespace gk

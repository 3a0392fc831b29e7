#include "programs.h"

#include "base/fileio.h"
#include "base/quoting.h"
#include "installer/installpath.h"
#include "platform/platform.h"
#include "settings/ownsettings.h"
#include "shared.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

namespace gk {

bool startProgramOrSay(QWidget* parent, const NativePath& program) {
    // Grovekeep's own settings say how Windows programs start for this game folder.
    const Status started = platform().startProgram(program, readOwnSettings(managerFolder()).wine);
    if (!started && started.kind() != ErrorKind::Cancelled)
        platform().message(parent, started.error());
    return started.ok();
}

ComposedPath gameProgramPath(const ComposedPath& gameFolder) {
    return gameFolder + QStringLiteral("\\runblack.exe");
}

void RunGame(QWidget* parent) {
    // The game's runblack.exe in whatever letter case it has there (the Options accept
    // RunBlack.exe, and Wine folders are case-sensitive); named as composed while no game
    // folder is set, so the message says what is missing.
    const ComposedPath folder = gameFolder();
    if (folder.isEmpty()) {
        startProgramOrSay(parent, gameProgramPath(folder).native());
        return;
    }
    startProgramOrSay(parent,
                      matchLetterCase(folder.native(), QStringLiteral("runblack.exe")).path());
}

void startHelpViewer(QWidget* parent) {
    const QList<NativePath> candidates = helpViewerCandidates(managerFolder(), programFolder());
    for (const NativePath& path : candidates) {
        if (fileExists(path)) {
            startProgramOrSay(parent, path);
            return;
        }
    }
    // The places, one after another: "A and B", "A and B and C".
    QString places;
    for (const NativePath& path : candidates)
        places = places.isEmpty() ? quotedPath(path)
                                  //: %1 is one or more places already named, %2 one more place
                                  : QCoreApplication::translate("Programs", "%1 and %2")
                                        .arg(places, quotedPath(path));
    //: %1 names the places the help viewer was looked for
    platform().message(parent, QCoreApplication::translate("Programs",
                                                           "The help viewer is missing. Grovekeep "
                                                           "looked for it at %1.")
                                   .arg(places));
}

void addHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(QKeySequence::HelpContents), window);
    key->setObjectName(QStringLiteral("helpKey"));
    QObject::connect(key, &QShortcut::activated, window, [window] { startHelpViewer(window); });
}

void startEditorOrShowOptions(QWidget* parent, const QString& editorPath) {
    if (editorPath.isEmpty())
        showForm(Form::Options);
    else
        startProgramOrSay(parent, ComposedPath(editorPath).native());
}

} // namespace gk

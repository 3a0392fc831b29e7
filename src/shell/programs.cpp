#include "programs.h"

#include "core/fileio.h"
#include "core/paths.h"
#include "forms.h"
#include "platform/platform.h"
#include "shared.h"

namespace gk {

bool startProgramOrSay(QWidget* parent, const QString& path) {
    const Status started = platform().startProgram(path);
    if (!started)
        platform().message(parent, started.error());
    return started.ok();
}

QString gameProgramPath(const QString& gameFolder) {
    return gameFolder + QStringLiteral("\\runblack.exe");
}

void RunGame(QWidget* parent) { startProgramOrSay(parent, gameProgramPath(shared().GameFolder)); }

QStringList helpViewerCandidates(const QString& managerFolder, const QString& programFolder) {
    const QString relative = QStringLiteral("Help\\") + executableName(QStringLiteral("Help"));
    QStringList out;
    if (!managerFolder.isEmpty())
        out << managerFolder + QLatin1Char('\\') + relative;
    out << programFolder + relative;
    return out;
}

void startHelpViewer(QWidget* parent) {
    const QStringList candidates = helpViewerCandidates(shared().ManagerFolder, programFolder());
    for (const QString& path : candidates) {
        if (fileExists(path)) {
            startProgramOrSay(parent, path);
            return;
        }
    }
    QStringList shown;
    for (const QString& path : candidates)
        shown << QStringLiteral("\"%1\"").arg(displayPath(path));
    platform().message(parent, QStringLiteral("The help viewer is missing. Grovekeep looked for "
                                              "it at %1.")
                                   .arg(shown.join(QStringLiteral(" and "))));
}

void startEditorOrShowOptions(QWidget* parent, const QString& editorPath) {
    if (editorPath.isEmpty())
        showForm(Form::Options);
    else
        startProgramOrSay(parent, editorPath);
}

} // namespace gk

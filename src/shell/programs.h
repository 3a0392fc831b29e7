#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace gk {

// Starts a program detached; when it cannot be started, a message box names it and says why.
bool startProgramOrSay(QWidget* parent, const QString& path);

// Starts the game: GameFolder followed by "\runblack.exe".
void RunGame(QWidget* parent = nullptr);

// The game's launcher for a game folder.
QString gameProgramPath(const QString& gameFolder);

// Where the help viewer is looked for, in order: below ManagerFolder, then beside this
// program. An empty ManagerFolder gives only the second place.
QStringList helpViewerCandidates(const QString& managerFolder, const QString& programFolder);

// Starts the help viewer, or says where it was looked for.
void startHelpViewer(QWidget* parent);

// An editor button: starts the editor, or shows the Options window when none is set.
void startEditorOrShowOptions(QWidget* parent, const QString& editorPath);

} // namespace gk

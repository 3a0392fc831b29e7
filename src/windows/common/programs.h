#pragma once

#include "base/paths.h"
#include "base/places.h"

#include <QList>
#include <QString>

class QWidget;

namespace gk {

// Starts a program detached; when it cannot be started, a message box names it and says why.
bool startProgramOrSay(QWidget* parent, const NativePath& program);

// Starts the game: GameFolder followed by "\runblack.exe".
void RunGame(QWidget* parent = nullptr);

// The game's launcher for a game folder.
ComposedPath gameProgramPath(const ComposedPath& gameFolder);

// Starts the help viewer (see helpViewerCandidates), or says where it was looked for.
void startHelpViewer(QWidget* parent);
// F1 anywhere in `window` (a main or separate window) starts the help viewer.
void addHelpKey(QWidget* window);

// An editor button: starts the editor, or shows the Options window when none is set.
void startEditorOrShowOptions(QWidget* parent, const QString& editorPath);

} // namespace gk

#pragma once

#include <QString>

namespace gk {

// Names of files and folders as Grovekeep accepts them from outside (a package, the history):
// the rules of Windows, whose game this is, so that a name is usable on either system.

// Characters that change how text around them is shown rather than standing for themselves:
// C0 and C1 control characters, DEL, and the marks that reorder text (right-to-left overrides
// and isolates, the left-to-right and right-to-left marks).
bool isInvisibleControl(QChar c);

// Why a path component cannot be used on Windows or in a package, or empty when it can:
// empty, "." or "..", reserved device names (CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$,
// CONOUT$, with or without an extension, any letter case), trailing dots or spaces, ':'
// (alternate data streams), control characters (isInvisibleControl), and the characters
// < > " | ? * / \.
QString componentProblem(const QString& component);

} // namespace gk

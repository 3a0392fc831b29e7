#pragma once

#include <QFont>
#include <QIcon>

namespace gk {

// The windows are laid out for the narrow sans-serif face of the game's own system at 8
// points; Liberation Sans has the same widths.
QFont interfaceFont();
// For map scripts and byte views.
QFont monospaceFont();
// Grovekeep's window icon: a small tree.
QIcon grovekeepIcon();

} // namespace gk

class QPlainTextEdit;

namespace gk {

// The text of a plain-text editor exactly as typed, lines separated by LF (non-breaking
// spaces kept, which QPlainTextEdit::toPlainText would turn into spaces).
QString editorText(const QPlainTextEdit* editor);

} // namespace gk

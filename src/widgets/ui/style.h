#pragma once

#include "fonts.h"

#include <QIcon>
#include <QString>

class QPlainTextEdit;

namespace gk {

// Grovekeep's window icon: a small tree.
QIcon grovekeepIcon();

// The help viewer's window icon: an open book.
QIcon helpIcon();

// The text of a plain-text editor exactly as typed, lines separated by LF (non-breaking
// spaces kept, which QPlainTextEdit::toPlainText would turn into spaces).
QString editorText(const QPlainTextEdit* editor);

} // namespace gk

#pragma once

#include "names.h"
#include "paths.h"

#include <QCoreApplication>
#include <QString>

namespace gk {

// Text from a package or the history on one line: control characters (tabs and line breaks
// included) are shown as \t, \r, \n or \xNN, and the marks that reorder text as \uNNNN, so
// a hostile name can neither break a line or a column nor make itself read as another.
inline QString oneLine(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (isInvisibleControl(c) && u < 0x100)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else if (isInvisibleControl(c))
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// A path in double quotes with this platform's separators, on one line (oneLine), for
// messages: a name on the disk with a line break or a control in it cannot forge a line.
inline QString quotedPath(const NativePath& path) {
    return QLatin1Char('"') + oneLine(path.shown()) + QLatin1Char('"');
}
inline QString quotedPath(const ComposedPath& path) { return quotedPath(path.native()); }

// A name from a package, in double quotes, on one line (oneLine), ready for a message.
inline QString quotedName(const QString& name) {
    return QLatin1Char('"') + oneLine(name) + QLatin1Char('"');
}

// A message ("The install path ... cannot be used: ...") as a clause inside a longer line:
// without its full stop, and with a small first letter where the language writes one there
// (German keeps a noun's capital, so its translation says "no").
inline QString asClause(QString message) {
    //: Whether a sentence quoted inside another starts with a small letter: "yes" or "no"
    static const char* const kSmall = QT_TRANSLATE_NOOP("Quoting", "yes");
    const bool small = QCoreApplication::translate("Quoting", kSmall) != QLatin1String("no");
    if (small && !message.isEmpty())
        message[0] = message.at(0).toLower();
    while (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

} // namespace gk

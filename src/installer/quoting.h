#pragma once

#include <QString>

namespace gk {

// A name from a package, in double quotes, ready for a one-line message: control characters
// (line breaks included) are shown as \r, \n or \xNN so a hostile name cannot break the line.
inline QString quotedName(const QString& name) {
    QString out;
    out.reserve(name.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u < 0x20 || u == 0x7F)
            out += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}

// A message ("The install path ... cannot be used: ...") as a clause inside a longer line.
inline QString asClause(QString message) {
    if (!message.isEmpty())
        message[0] = message.at(0).toLower();
    while (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    return message;
}

} // namespace gk

#include "names.h"

#include "quoting.h"

#include <QCoreApplication>
#include <QStringList>

namespace gk {

namespace {

const QStringList& reservedDeviceNames() {
    static const QStringList names = [] {
        QStringList list{QStringLiteral("CON"),    QStringLiteral("PRN"),
                         QStringLiteral("AUX"),    QStringLiteral("NUL"),
                         QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
        // Windows also reserves COM and LPT with the superscript digits one to three.
        const QString digits = QStringLiteral("123456789\u00B9\u00B2\u00B3");
        for (const QChar d : digits)
            list << QStringLiteral("COM") + d << QStringLiteral("LPT") + d;
        return list;
    }();
    return names;
}

} // namespace

bool isInvisibleControl(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x061C || u == 0x200E || u == 0x200F ||
           (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

QString componentProblem(const QString& component) {
    const QString shown = quotedName(component);
    if (component.isEmpty())
        //: why a path cannot be used, a clause
        return QCoreApplication::translate("Names", "a name is empty");
    if (component == QStringLiteral("."))
        //: why a path cannot be used, a clause
        return QCoreApplication::translate("Names", "\".\" names the folder itself");
    if (component == QStringLiteral(".."))
        //: why a path cannot be used, a clause
        return QCoreApplication::translate("Names", "\"..\" leads out of its folder");
    for (const QChar c : component) {
        if (isInvisibleControl(c))
            //: why a path cannot be used, a clause; %1 is a name in quotes
            return QCoreApplication::translate("Names", "%1 holds a control character").arg(shown);
    }
    for (const QChar c : component) {
        if (QStringLiteral("<>\"|?*/\\").contains(c))
            //: why a path cannot be used, a clause; %1 is a name in quotes, %2 a character such
            //: as * or ?
            return QCoreApplication::translate("Names", "%1 holds the character %2").arg(shown, c);
    }
    if (component.contains(QLatin1Char(':')))
        //: why a path cannot be used, a clause; %1 is a name in quotes
        return QCoreApplication::translate(
                   "Names", "%1 holds ':' (a drive letter or an alternate data stream)")
            .arg(shown);
    if (component.endsWith(QLatin1Char('.')) || component.endsWith(QLatin1Char(' ')))
        //: why a path cannot be used, a clause; %1 is a name in quotes
        return QCoreApplication::translate("Names", "%1 ends with a dot or a space").arg(shown);
    // Windows ignores what follows the first dot, and blanks before it, in a device name.
    QString base = component.left(component.indexOf(QLatin1Char('.')));
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    const QString upper = base.toUpper();
    if (reservedDeviceNames().contains(upper))
        //: why a path cannot be used, a clause; %1 is a name in quotes, %2 a device name such
        //: as CON or LPT1
        return QCoreApplication::translate("Names", "%1 is the device name %2 on Windows")
            .arg(shown, upper);
    return QString();
}

} // namespace gk

#include "filter.h"

#include <QStringList>

namespace gk {

QList<FileFilter> parseFilter(const QString& filter) {
    QList<FileFilter> out;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out.append({parts.at(i), parts.at(i + 1)});
    return out;
}

QString toQtFilter(const QString& filter) {
    QStringList entries;
    for (const FileFilter& f : parseFilter(filter)) {
        // Qt reads the patterns from the last parentheses of an entry; a description that
        // already ends with its pattern in parentheses is used as it stands.
        QStringList patterns = f.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        const QString joined = patterns.join(QLatin1Char(' '));
        const QString suffix = QStringLiteral("(%1)").arg(joined);
        entries << (f.description.trimmed().endsWith(suffix)
                        ? f.description.trimmed()
                        : QStringLiteral("%1 %2").arg(f.description.trimmed(), suffix));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace gk

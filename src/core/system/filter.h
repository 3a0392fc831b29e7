#pragma once

#include <QList>
#include <QString>

namespace gk {

// One entry of a file dialog filter written "Description|pattern|Description|pattern".
struct FileFilter {
    QString description;
    QString pattern;
};
QList<FileFilter> parseFilter(const QString& filter);
// The same filter in Qt's "Description (pattern);;..." form.
QString toQtFilter(const QString& filter);

} // namespace gk

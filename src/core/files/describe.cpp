#include "describe.h"

#include <QLocale>

namespace gk {

// From what the record says the operation does to the file, not from the content after: an
// operation interrupted before its new contents were written has none.
QString changeName(const FileRecord& file) {
    if (file.remove)
        return QStringLiteral("removed");
    return file.before ? QStringLiteral("replaced") : QStringLiteral("added");
}

QString sizeText(qint64 bytes) {
    if (bytes < 1024)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

QList<PruneAge> pruneAges() {
    return {{QStringLiteral("older than 30 days"), 30},
            {QStringLiteral("older than 90 days"), 90},
            {QStringLiteral("older than a year"), 365},
            {QStringLiteral("all of it"), 0}};
}

namespace {
QString counted(int count, const QString& one, const QString& many) {
    return count == 1 ? QStringLiteral("1 ") + one : QStringLiteral("%1 %2").arg(count).arg(many);
}
} // namespace

QString filesText(int count) {
    return counted(count, QStringLiteral("file"), QStringLiteral("files"));
}

QString operationsText(int count) {
    return counted(count, QStringLiteral("operation"), QStringLiteral("operations"));
}

QString recoveredText(const Recovered& recovered) {
    return QStringLiteral("Operation %1 (%2): %3.")
        .arg(recovered.operation)
        .arg(recovered.what, recovered.filesPutBack == 0
                                 ? QStringLiteral("no file had been changed yet")
                                 : filesText(recovered.filesPutBack) + QStringLiteral(" put back"));
}

} // namespace gk

#include "content.h"

#include "base/text.h"
#include "installer/installpath.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace gk {

MapText decodeMapText(const QByteArray& bytes) {
    MapText out;
    out.bytes = bytes;
    out.finalBreak = bytes.endsWith('\n') || bytes.endsWith('\r');
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (bytes.at(at) == '\n') {
            out.lineBreak = QStringLiteral("\n");
            break;
        }
        if (bytes.at(at) == '\r') {
            const bool crlf = at + 1 < bytes.size() && bytes.at(at + 1) == '\n';
            out.lineBreak = crlf ? QStringLiteral("\r\n") : QStringLiteral("\r");
            break;
        }
    }
    out.text = splitLines(decodeWindows1252(bytes)).join(QLatin1Char('\n'));
    if (out.finalBreak)
        out.text += QLatin1Char('\n');
    return out;
}

EncodedMap encodeMapText(const QString& text, const MapText& loaded) {
    if (text == loaded.text && !loaded.bytes.isEmpty())
        return {loaded.bytes, true};
    QString lines = text;
    if (loaded.lineBreak != QStringLiteral("\n"))
        lines.replace(QLatin1Char('\n'), loaded.lineBreak);
    if (loaded.finalBreak && !text.endsWith(QLatin1Char('\n')))
        lines += loaded.lineBreak;
    const EncodedText encoded = encodeWindows1252(lines);
    return {encoded.bytes, encoded.lossless};
}

fs::Location gameContentPath(const ComposedPath& gameFolder, const QString& folder,
                             const QString& name) {
    return matchLetterCase(gameFolder.native(), folder + name);
}

FileChange contentInstall(const QByteArray& contents, const ComposedPath& gameFolder,
                          const QString& folder, const ComposedPath& managerFolder,
                          const QString& backupFolder, const QString& name) {
    FileChange change(gameContentPath(gameFolder, folder, name), contents);
    change.backup = fs::Location::below(managerFolder.native(), backupFolder + name);
    return change;
}

QString describeBytes(const QString& name, const QByteArray& bytes, qsizetype maxBytes) {
    // The size chooses the plural form (clamped to an int) and is written whole.
    const int count = int(std::min<qint64>(bytes.size(), INT_MAX));
    //: The first line of a file's bytes as shown: %1 is the file's name, %2 its size.
    QString out = QCoreApplication::translate("Content", "%1: %2 bytes", nullptr, count)
                      .arg(name, QString::number(bytes.size())) +
                  QLatin1Char('\n');
    const qsizetype shown = std::min(bytes.size(), maxBytes);
    for (qsizetype line = 0; line < shown; line += 16) {
        QString hex;
        QString chars;
        for (qsizetype i = line; i < line + 16; ++i) {
            if (i < shown) {
                const auto b = static_cast<unsigned char>(bytes.at(i));
                hex += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
                chars += (b >= 0x20 && b < 0x7f) ? QChar(b) : QLatin1Char('.');
            } else {
                hex += QStringLiteral("   ");
            }
        }
        out += QStringLiteral("%1  %2 %3\n").arg(line, 8, 16, QLatin1Char('0')).arg(hex, chars);
    }
    if (shown < bytes.size())
        //: Below a file's bytes when only some are shown; %1 is always a large number.
        out += QCoreApplication::translate("Content", "(the first %1 bytes are shown)").arg(shown) +
               QLatin1Char('\n');
    return out;
}

} // namespace gk

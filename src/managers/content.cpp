#include "content.h"

#include "core/fileio.h"
#include "core/paths.h"
#include "core/text.h"
#include "installer/installpath.h"

namespace gk {

MapText decodeMapText(const QByteArray& bytes) {
    MapText out;
    const QString decoded = decodeWindows1252(bytes);
    out.text.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar c = decoded.at(i);
        if (c == QLatin1Char('\r')) {
            out.text += QLatin1Char('\n');
            if (i + 1 < decoded.size() && decoded.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            out.text += c;
        }
    }
    out.finalBreak = bytes.endsWith('\n') || bytes.endsWith('\r');
    return out;
}

EncodedMap encodeMapText(const QString& text, bool finalBreak) {
    QString crlf = toCrLf(text);
    if (finalBreak && !text.endsWith(QLatin1Char('\n')))
        crlf += QStringLiteral("\r\n");
    const EncodedText encoded = encodeWindows1252(crlf);
    return {encoded.bytes, encoded.lossless};
}

QString gameContentPath(const QString& gameFolder, const QString& folder, const QString& name) {
    return matchLetterCase(gameFolder, folder + name);
}

Status installWithBackup(const QByteArray& contents, const QString& target, const QString& backup) {
    if (fileExists(target)) {
        const auto previous = readFileBytes(target);
        if (!previous)
            return previous.status();
        if (const Status folder = ensureFolder(folderPart(toNativePath(backup))); !folder)
            return folder;
        if (const Status kept = writeFileAtomic(backup, *previous); !kept)
            return kept;
    }
    return writeFileAtomic(target, contents);
}

QString describeBytes(const QString& name, const QByteArray& bytes, qsizetype maxBytes) {
    QString out = QStringLiteral("%1: %2 bytes\n").arg(name).arg(bytes.size());
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
        out += QStringLiteral("(the first %1 bytes are shown)\n").arg(shown);
    return out;
}

} // namespace gk

#include "text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace gk {

namespace {
constexpr const char* kCodePage = "windows-1252";
}

QString decodeWindows1252(const QByteArray& bytes) {
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

EncodedText encodeWindows1252(const QString& text) {
    EncodedText out;
    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid()) {
        out.bytes = text.toLatin1();
        return out;
    }
    // Encode character by character only when needed, so unmappable ones become '?'.
    out.bytes = encoder.encode(text);
    if (!encoder.hasError())
        return out;
    out.lossless = false;
    out.bytes.clear();
    out.bytes.reserve(text.size());
    for (const char32_t codePoint : text.toUcs4()) {
        QStringEncoder single(kCodePage);
        const QByteArray b = single.encode(QString::fromUcs4(&codePoint, 1));
        out.bytes += single.hasError() || b.isEmpty() ? QByteArray("?") : b;
    }
    return out;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        lines << current;
    return lines;
}

QString toCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\r\n");
        else
            out += c;
    }
    return out;
}

} // namespace gk

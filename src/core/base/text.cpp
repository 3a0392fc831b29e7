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
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
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

#include "text.h"

#include <QStringList>

namespace gk {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; every other byte is the Latin-1 character of its number.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// control characters of their numbers, as Windows' own converter and ICU have them, so every
// byte survives a round trip. One table on every system: Qt for Windows has no ICU, and Linux
// and Windows must read a package alike.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of `c`, or -1 where the code page has none.
int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (int k = 0; k < 32; ++k) {
        if (kHigh[k] == c)
            return 0x80 + k;
    }
    return -1;
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *to++ = (u >= 0x80 && u < 0xA0) ? QChar(kHigh[u - 0x80]) : QChar(u);
    }
    return out;
}

EncodedText encodeWindows1252(const QString& text) {
    EncodedText out;
    out.bytes.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int b = byteOf(c);
        if (b < 0)
            out.lossless = false;
        out.bytes.append(b < 0 ? '?' : char(b));
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

#include "options.h"

#include "core/fileio.h"
#include "core/text.h"

#include <QStringDecoder>

namespace gk {

namespace {
// Enough for six paths; a larger file is read only this far.
constexpr qint64 kMaxSettingsBytes = 1 << 20;
} // namespace

QStringList settingsReadCandidates(const QString& workingFolder, const QString& programFolder) {
    auto inFolder = [](QString folder) {
        if (!folder.endsWith(QLatin1Char('/')) && !folder.endsWith(QLatin1Char('\\')))
            folder += QLatin1Char('/');
        return folder + kSettingsFileName;
    };
    QStringList out;
    out << inFolder(workingFolder);
    const QString second = inFolder(programFolder);
    if (second != out.constFirst())
        out << second;
    return out;
}

std::optional<SettingsFile> readSettingsFile(const QStringList& candidates) {
    for (const QString& path : candidates) {
        const auto bytes = readFileBytes(path, kMaxSettingsBytes);
        if (bytes && !bytes->isEmpty())
            return SettingsFile{path, parseSettings(*bytes)};
    }
    return std::nullopt;
}

QStringList parseSettings(const QByteArray& bytes) {
    QString text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(bytes);
    bool beyondAscii = false;
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            beyondAscii = true;
            break;
        }
    }
    text = (beyondAscii && !utf8.hasError()) ? asUtf8 : decodeWindows1252(bytes);

    QStringList values;
    QString current;
    for (qsizetype i = 0; i < text.size() && values.size() < SettingsLineCount; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            values << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
        }
    }
    // A last line without its line end still counts.
    if (!current.isEmpty() && values.size() < SettingsLineCount)
        values << current;
    return values;
}

QByteArray composeSettings(const QStringList& values) {
    QString text;
    for (int i = 0; i < SettingsLineCount; ++i)
        text += values.value(i) + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    const EncodedText encoded = encodeWindows1252(text);
    return encoded.lossless ? encoded.bytes : text.toUtf8();
}

QString settingsWritePath(const QString& managerFolder) {
    return managerFolder + QStringLiteral("\\") + kSettingsFileName;
}

Status writeSettings(const QString& managerFolder, const QStringList& values) {
    return writeFileAtomic(settingsWritePath(managerFolder), composeSettings(values));
}

} // namespace gk

#include "options.h"

#include "base/fileio.h"
#include "base/text.h"
#include "files/store.h"

#include <QStringDecoder>

namespace gk {

namespace {
// Enough for six paths; a larger file is read only this far.
constexpr qint64 kMaxSettingsBytes = 1 << 20;
} // namespace

QList<NativePath> settingsReadCandidates(const NativePath& workingFolder,
                                         const NativePath& programFolder) {
    auto inFolder = [](const NativePath& folder) { return folder.child(kSettingsFileName); };
    QList<NativePath> out;
    out << inFolder(workingFolder);
    const NativePath second = inFolder(programFolder);
    if (second != out.constFirst())
        out << second;
    return out;
}

std::optional<SettingsFile> readSettingsFile(const QList<NativePath>& candidates) {
    for (const NativePath& path : candidates) {
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

    // Lines after the sixth are ignored.
    return splitLines(text).mid(0, SettingsLineCount);
}

QByteArray composeSettings(const QStringList& values) {
    QString text;
    for (int i = 0; i < SettingsLineCount; ++i)
        text += values.value(i) + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    const EncodedText encoded = encodeWindows1252(text);
    return encoded.lossless ? encoded.bytes : text.toUtf8();
}

ComposedPath settingsWritePath(const ComposedPath& managerFolder) {
    return managerFolder + QStringLiteral("\\") + kSettingsFileName;
}

Status writeSettings(const ComposedPath& managerFolder, const QStringList& values) {
    auto store = openStore(managerFolder);
    if (!store)
        return store.status();
    const NativePath path = settingsWritePath(managerFolder).native();
    OperationInfo info;
    info.kind = QStringLiteral("options");
    info.what = QStringLiteral("Options saved");
    return store
        ->apply(info, {FileChange(fs::Location::below(path.folder(), path.fileName()),
                                  composeSettings(values))})
        .status();
}

} // namespace gk

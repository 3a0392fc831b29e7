#include "options.h"

#include "base/fileio.h"
#include "base/places.h"
#include "base/text.h"
#include "files/store.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace gk {

namespace {
// Enough for six paths; a larger file is read only this far.
constexpr qint64 kMaxSettingsBytes = 1 << 20;
} // namespace

QList<NativePath> startupSettingsCandidates() { return settingsReadCandidates(programFolder()); }

QList<NativePath> settingsReadCandidates(const NativePath& programFolder) {
    return {proposedManagerFolder(programFolder).child(kSettingsFileName)};
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

namespace {
// The same place, also when the file does not exist yet (its folder does).
bool samePlace(const NativePath& a, const NativePath& b) {
    if (sameFile(a, b))
        return true;
    const QString first = QFileInfo(a.folder().text()).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b.folder().text()).canonicalFilePath() &&
           a.fileName() == b.fileName();
}
} // namespace

Status writeSettings(const ComposedPath& managerFolder, const QStringList& values,
                     const NativePath& readFrom, const std::optional<OwnSettings>& own) {
    auto store = openStore(managerFolder);
    if (!store)
        return store.status();
    const NativePath path = settingsWritePath(managerFolder).native();
    const QByteArray bytes = composeSettings(values);
    QList<FileChange> changes{
        FileChange(fs::Location::below(path.folder(), path.fileName()), bytes)};
    if (!readFrom.isEmpty() && !samePlace(readFrom, path))
        changes << FileChange(fs::Location::below(readFrom.folder(), readFrom.fileName()), bytes);
    if (own) {
        const NativePath ownPath = ownSettingsPath(managerFolder).native();
        changes << FileChange(fs::Location::below(ownPath.folder(), ownPath.fileName()),
                              composeOwnSettings(*own));
    }
    OperationInfo info;
    info.kind = QStringLiteral("options");
    info.what = QStringLiteral("Options saved");
    return store->apply(info, changes).status();
}

bool settingsReadBack(const QList<NativePath>& candidates, const QStringList& values) {
    const auto file = readSettingsFile(candidates);
    return file && file->values.mid(0, SettingsLineCount) == values.mid(0, SettingsLineCount);
}

} // namespace gk

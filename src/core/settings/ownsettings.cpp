#include "ownsettings.h"

#include "base/fileio.h"
#include "files/store.h"

namespace gk {

namespace {
constexpr qint64 kMaxBytes = 64 * 1024;
const QString kWine = QStringLiteral("wine");
const QString kCommand = QStringLiteral("command");
const QString kSystem = QStringLiteral("system");
const QString kLanguage = QStringLiteral("language");
} // namespace

OwnSettings parseOwnSettings(const QByteArray& bytes) {
    OwnSettings out;
    for (QByteArray raw : bytes.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')) || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == kWine) {
            if (out.wine.kind != WineStart::Kind::Command)
                out.wine = value.isEmpty() || value == kSystem
                               ? WineStart{}
                               : WineStart{WineStart::Kind::Build, value};
        } else if (key == kCommand) {
            if (!value.isEmpty())
                out.wine = WineStart{WineStart::Kind::Command, value};
        } else if (key == kLanguage) {
            out.language = value;
        } else {
            out.others.append({key, value});
        }
    }
    return out;
}

QByteArray composeOwnSettings(const OwnSettings& settings) {
    QString text = QStringLiteral("; Grovekeep's own settings (options.txt keeps the six paths)\n"
                                  "; How Windows programs start: wine=system, wine=<a wine "
                                  "program>, or command=<a launcher's command line>\n");
    switch (settings.wine.kind) {
    case WineStart::Kind::System:
        text += kWine + QStringLiteral("=") + kSystem + QLatin1Char('\n');
        break;
    case WineStart::Kind::Build:
        text += kWine + QLatin1Char('=') + settings.wine.value + QLatin1Char('\n');
        break;
    case WineStart::Kind::Command:
        text += kCommand + QLatin1Char('=') + settings.wine.value + QLatin1Char('\n');
        break;
    }
    if (!settings.language.isEmpty())
        text += kLanguage + QLatin1Char('=') + settings.language + QLatin1Char('\n');
    for (const auto& [key, value] : settings.others)
        text += key + QLatin1Char('=') + value + QLatin1Char('\n');
    return text.toUtf8();
}

ComposedPath ownSettingsPath(const ComposedPath& managerFolder) {
    return managerFolder + QStringLiteral("\\") + kOwnSettingsFileName;
}

OwnSettings readOwnSettings(const ComposedPath& managerFolder) {
    if (managerFolder.isEmpty())
        return {};
    const auto bytes = readFileBytes(ownSettingsPath(managerFolder).native(), kMaxBytes);
    return bytes ? parseOwnSettings(*bytes) : OwnSettings{};
}

Status writeOwnSettings(const ComposedPath& managerFolder, const OwnSettings& settings) {
    auto store = openStore(managerFolder);
    if (!store)
        return store.status();
    const NativePath path = ownSettingsPath(managerFolder).native();
    OperationInfo info;
    info.kind = QStringLiteral("options");
    info.what = QStringLiteral("Options saved");
    return store
        ->apply(info, {FileChange(fs::Location::below(path.folder(), path.fileName()),
                                  composeOwnSettings(settings))})
        .status();
}

} // namespace gk

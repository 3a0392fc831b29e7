#include "tattoos.h"

#include "content.h"
#include "core/fileio.h"
#include "core/paths.h"

#include <QDir>

namespace gk {

int tattooRow(int slot) { return (slot - 1) / 4; }
int tattooColumn(int slot) { return (slot - 1) % 4; }

Twips tattooPictureRect(int slot) {
    return Twips{120 + 1440 * tattooColumn(slot), 120 + 1080 * tattooRow(slot), 960, 960};
}

Twips tattooButtonRect(int slot) {
    return Twips{1200 + 1440 * tattooColumn(slot), 840 + 1080 * tattooRow(slot), 255, 255};
}

QString tattooFileName(int slot) { return QStringLiteral("symbol%1.bmp").arg(slot); }

QString profileFolderOf(const QString& helpstatsPath) { return folderPart(helpstatsPath); }

QString tattooCopyPath(const QString& managerFolder, int slot) {
    return managerFolder + QStringLiteral("Backup\\tattoos\\") + tattooFileName(slot);
}

QString replacedTattooPath(const QString& managerFolder, const QString& profileFolder, int slot) {
    QString profile = QDir::cleanPath(toNativePath(profileFolder));
    profile = bareFileName(profile);
    if (profile.isEmpty())
        profile = QStringLiteral("profile");
    return managerFolder + QStringLiteral("Backup\\tattoos\\") + profile + QLatin1Char('\\') +
           tattooFileName(slot);
}

int firstFreeTattooSlot(const QString& profileFolder) {
    for (int n = 1; n <= tattooSlotCount; ++n) {
        if (!fileExists(profileFolder + tattooFileName(n)))
            return n;
    }
    return 0;
}

Status replaceTattoo(const QByteArray& picture, const QString& profileFolder,
                     const QString& managerFolder, int slot) {
    const QString target = profileFolder + tattooFileName(slot);
    const QString copy = tattooCopyPath(managerFolder, slot);
    if (const Status folder = ensureFolder(folderPart(toNativePath(copy))); !folder)
        return folder;
    if (fileExists(target)) {
        const auto previous = readFileBytes(target);
        if (!previous)
            return previous.status();
        const QString kept = replacedTattooPath(managerFolder, profileFolder, slot);
        if (const Status folder = ensureFolder(folderPart(toNativePath(kept))); !folder)
            return folder;
        if (const Status written = writeFileAtomic(kept, *previous); !written)
            return written;
    }
    if (const Status written = writeFileAtomic(copy, picture); !written)
        return written;
    return writeFileAtomic(target, picture);
}

} // namespace gk

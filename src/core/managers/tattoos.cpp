#include "tattoos.h"

#include "base/fileio.h"
#include "files/replace.h"

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

NativePath profileFolderOf(const NativePath& helpstatsPath) {
    return NativePath(folderPart(helpstatsPath.text()));
}

NativePath profileTattooPath(const NativePath& profileFolder, int slot) {
    return NativePath(profileFolder.text() + tattooFileName(slot));
}

ComposedPath tattooCopyPath(const ComposedPath& managerFolder, int slot) {
    return managerFolder + QStringLiteral("Backup\\tattoos\\") + tattooFileName(slot);
}

ComposedPath replacedTattooPath(const ComposedPath& managerFolder, const NativePath& profileFolder,
                                int slot) {
    QString profile = bareFileName(QDir::cleanPath(profileFolder.text()));
    if (profile.isEmpty())
        profile = QStringLiteral("profile");
    return managerFolder + QStringLiteral("Backup\\tattoos\\") + profile + QStringLiteral("\\") +
           tattooFileName(slot);
}

int firstFreeTattooSlot(const NativePath& profileFolder) {
    for (int n = 1; n <= tattooSlotCount; ++n) {
        if (!fileExists(profileTattooPath(profileFolder, n)))
            return n;
    }
    return 0;
}

Status replaceTattoo(const QByteArray& picture, const NativePath& profileFolder,
                     const ComposedPath& managerFolder, int slot) {
    FileWrite copy{tattooCopyPath(managerFolder, slot).native(), picture};
    copy.createFolder = true;
    FileWrite tattoo{profileTattooPath(profileFolder, slot), picture};
    tattoo.backup = replacedTattooPath(managerFolder, profileFolder, slot).native();
    return replaceWithBackups({copy, tattoo});
}

} // namespace gk

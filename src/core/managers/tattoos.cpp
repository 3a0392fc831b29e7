#include "tattoos.h"

#include "base/fileio.h"
#include "base/quoting.h"

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

fs::Location replacedTattooPath(const ComposedPath& managerFolder, const NativePath& profileFolder,
                                int slot) {
    QString profile = bareFileName(QDir::cleanPath(profileFolder.text()));
    if (profile.isEmpty())
        profile = QStringLiteral("profile");
    return fs::Location::below(managerFolder.native(), QStringLiteral("Backup/tattoos/") + profile +
                                                           '/' + tattooFileName(slot));
}

int firstFreeTattooSlot(const NativePath& profileFolder) {
    for (int n = 1; n <= tattooSlotCount; ++n) {
        if (!fileExists(profileTattooPath(profileFolder, n)))
            return n;
    }
    return 0;
}

Result<Applied> replaceTattoo(ChangeStore& store, const QByteArray& picture,
                              const NativePath& profileFolder, const ComposedPath& managerFolder,
                              int slot) {
    FileChange copy(fs::Location::below(managerFolder.native(),
                                        QStringLiteral("Backup/tattoos/") + tattooFileName(slot)),
                    picture, FileRole::Copy);
    copy.createFolders = true;
    FileChange tattoo(fs::Location::below(profileFolder, tattooFileName(slot)), picture);
    tattoo.backup = replacedTattooPath(managerFolder, profileFolder, slot);
    OperationInfo info;
    info.kind = QStringLiteral("tattoo");
    info.what = QStringLiteral("Tattoo slot %1 of profile %2")
                    .arg(slot)
                    .arg(quotedName(bareFileName(QDir::cleanPath(profileFolder.text()))));
    return store.apply(info, {copy, tattoo});
}

} // namespace gk

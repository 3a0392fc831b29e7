#include "tattoos.h"

#include "installer/installpath.h"

#include "base/fileio.h"
#include "base/quoting.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <climits>
#include <cstdlib>

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
    return matchLetterCase(profileFolder, tattooFileName(slot)).path();
}

fs::Location replacedTattooPath(const ComposedPath& managerFolder, const NativePath& profileFolder,
                                int slot) {
    QString profile = bareFileName(QDir::cleanPath(profileFolder.text()));
    if (profile.isEmpty())
        profile = QStringLiteral("profile");
    return fs::Location::below(managerFolder.native(), QStringLiteral("Backup/tattoos/") + profile +
                                                           '/' + tattooFileName(slot));
}

namespace {
quint32 le32(const QByteArray& bytes, qsizetype at) {
    quint32 value = 0;
    for (int k = 3; k >= 0; --k)
        value = (value << 8) | quint8(bytes.at(at + k));
    return value;
}
quint16 le16(const QByteArray& bytes, qsizetype at) {
    return quint16(quint8(bytes.at(at)) | (quint8(bytes.at(at + 1)) << 8));
}
} // namespace

// Each reason is a clause the window puts into its sentence about the file.
QString bitmapProblem(const QByteArray& bytes) {
    constexpr qsizetype fileHeader = 14;
    if (bytes.size() < fileHeader + 12 || !bytes.startsWith("BM"))
        //: Why a file is not a complete Windows bitmap: a clause.
        return QCoreApplication::translate("Tattoos", "it does not begin as a Windows bitmap does");
    const quint32 pixelsAt = le32(bytes, 10);
    const quint32 infoSize = le32(bytes, fileHeader);
    qint64 width = 0;
    qint64 height = 0;
    quint16 planes = 0;
    quint16 bits = 0;
    quint32 compression = 0;
    quint32 imageSize = 0;
    if (infoSize == 12) {
        width = le16(bytes, 18);
        height = le16(bytes, 20);
        planes = le16(bytes, 22);
        bits = le16(bytes, 24);
    } else if (infoSize >= 40 && infoSize <= 124 && bytes.size() >= fileHeader + 40) {
        width = qint32(le32(bytes, 18));
        height = qint32(le32(bytes, 22));
        planes = le16(bytes, 26);
        bits = le16(bytes, 28);
        compression = le32(bytes, 30);
        imageSize = le32(bytes, 34);
    } else {
        //: Why a file is not a complete Windows bitmap: a clause.
        return QCoreApplication::translate("Tattoos", "its header is not one of a Windows bitmap");
    }
    if (width <= 0 || height == 0 || width > 65535 || std::abs(height) > 65535 || planes != 1)
        //: Why a file is not a complete Windows bitmap: a clause.
        return QCoreApplication::translate("Tattoos", "its size is not that of a picture");
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        //: Why a file is not a complete Windows bitmap: a clause.
        return QCoreApplication::translate(
            "Tattoos", "its colour depth of %n bits is not one of a bitmap", nullptr, int(bits));
    qint64 pixelBytes = 0;
    if (compression == 0 || compression == 3 || compression == 6) { // plain rows, bit fields
        pixelBytes = (width * bits + 31) / 32 * 4 * std::abs(height);
    } else if (compression == 1 || compression == 2) { // run-length encoded
        if (imageSize == 0)
            //: Why a file is not a complete Windows bitmap: a clause.
            return QCoreApplication::translate("Tattoos",
                                               "it does not say how large its pixel data is");
        pixelBytes = imageSize;
    } else {
        //: Why a file is not a complete Windows bitmap: a clause.
        return QCoreApplication::translate("Tattoos", "it is compressed in a way a bitmap is not");
    }
    if (pixelsAt < fileHeader + infoSize || pixelsAt + pixelBytes > bytes.size()) {
        const qint64 missing = std::max<qint64>(1, qint64(pixelsAt) + pixelBytes - bytes.size());
        // The count may be beyond an int: it chooses the plural form only, clamped, and is
        // written whole.
        const int count = int(std::min<qint64>(missing, INT_MAX));
        //: Why a file is not a complete Windows bitmap: a clause. %1 is a number of bytes,
        //: which may be very large.
        return QCoreApplication::translate(
                   "Tattoos", "it is cut short: its pixel data needs %1 bytes more", nullptr, count)
            .arg(missing);
    }
    return QString();
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
    // The profile's own file, spelt as it stands there ("SYMBOL1.BMP" is slot 1's picture).
    FileChange tattoo(matchLetterCase(profileFolder, tattooFileName(slot)), picture);
    tattoo.backup = replacedTattooPath(managerFolder, profileFolder, slot);
    OperationInfo info;
    info.kind = QStringLiteral("tattoo");
    info.what = QStringLiteral("Tattoo slot %1 of profile %2")
                    .arg(slot)
                    .arg(quotedName(bareFileName(QDir::cleanPath(profileFolder.text()))));
    return store.apply(info, {copy, tattoo});
}

} // namespace gk

#pragma once

#include "core/result.h"
#include "core/twips.h"

#include <QByteArray>
#include <QString>

namespace gk {

constexpr int tattooSlotCount = 16;

// Slot N (1 to 16) lies in row (N-1) div 4 and column (N-1) mod 4, both counted from 0.
int tattooRow(int slot);
int tattooColumn(int slot);
Twips tattooPictureRect(int slot); // the slot's picture box
Twips tattooButtonRect(int slot);  // its "..." button

// "symbolN.bmp".
QString tattooFileName(int slot);
// The profile folder of a chosen helpstats.dat: the path up to and including its last
// separator.
QString profileFolderOf(const QString& helpstatsPath);
// ManagerFolder & "Backup\tattoos\symbolN.bmp": Grovekeep's copy of the picture last
// assigned to the slot.
QString tattooCopyPath(const QString& managerFolder, int slot);
// ManagerFolder & "Backup\tattoos\<profile>\symbolN.bmp": the picture a replacement took the
// place of, kept per profile.
QString replacedTattooPath(const QString& managerFolder, const QString& profileFolder, int slot);

// The first slot whose symbolN.bmp the profile lacks, or 0 when all sixteen are in use.
int firstFreeTattooSlot(const QString& profileFolder);

// Puts `picture` into slot N of the profile: keeps the profile's present picture (if any)
// under Backup\tattoos\<profile>\, writes Grovekeep's copy Backup\tattoos\symbolN.bmp, then
// the profile's symbolN.bmp, all byte for byte. Missing Backup folders are created; when a
// backup cannot be written the profile is left alone.
Status replaceTattoo(const QByteArray& picture, const QString& profileFolder,
                     const QString& managerFolder, int slot);

} // namespace gk

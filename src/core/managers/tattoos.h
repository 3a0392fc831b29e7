#pragma once

#include "base/paths.h"
#include "base/result.h"
#include "base/twips.h"
#include "files/store.h"

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
NativePath profileFolderOf(const NativePath& helpstatsPath);
// ProfileFolder & "symbolN.bmp": the profile's tattoo of a slot, spelt as the profile's file is
// where one matches without regard to letter case ("SYMBOL1.BMP").
NativePath profileTattooPath(const NativePath& profileFolder, int slot);
// ManagerFolder & "Backup\tattoos\<profile>\symbolN.bmp": the picture a replacement took the
// place of, kept per profile.
fs::Location replacedTattooPath(const ComposedPath& managerFolder, const NativePath& profileFolder,
                                int slot);

// Why `bytes` are not a complete Windows bitmap, or an empty string when they are one: the
// "BM" file header, a known info header, a positive size, a known bit depth and compression,
// and pixel data that the file really holds (a truncated bitmap is refused).
QString bitmapProblem(const QByteArray& bytes);

// The first slot whose symbolN.bmp the profile lacks, or 0 when all sixteen are in use.
int firstFreeTattooSlot(const NativePath& profileFolder);

// Puts `picture` into slot N of the profile, as one operation of `store`: keeps the profile's
// present picture (if any) under Backup\tattoos\<profile>\, writes Grovekeep's copy
// Backup\tattoos\symbolN.bmp, then the profile's symbolN.bmp, all byte for byte, all or
// nothing. Missing Backup folders are created.
Result<Applied> replaceTattoo(ChangeStore& store, const QByteArray& picture,
                              const NativePath& profileFolder, const ComposedPath& managerFolder,
                              int slot);

} // namespace gk

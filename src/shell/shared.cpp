#include "shared.h"

namespace gk {

namespace {
SharedModule g_shared;
}

SharedModule& shared() { return g_shared; }

void resetShared() { g_shared = SharedModule{}; }

namespace {
QString* settingsValue(int line) {
    QString* values[] = {&g_shared.GameFolder,     &g_shared.ManagerFolder,
                         &g_shared.MapEditorPath,  &g_shared.LandscapeEditorPath,
                         &g_shared.SkinEditorPath, &g_shared.TattooEditorPath};
    return values[line];
}
constexpr int kSettingsCount = 6;
} // namespace

void setSettings(const QStringList& values) {
    for (int i = 0; i < kSettingsCount && i < values.size(); ++i)
        *settingsValue(i) = values.at(i);
}

QStringList settingsValues() {
    QStringList out;
    for (int i = 0; i < kSettingsCount; ++i)
        out << *settingsValue(i);
    return out;
}

} // namespace gk

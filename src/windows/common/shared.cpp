#include "shared.h"

#include "settings/options.h"

#include <QList>

namespace gk {

namespace {

SharedModule g_shared;

QList<std::function<void()>>& rememberedResets() {
    static QList<std::function<void()>> resets;
    return resets;
}

QString* settingsValue(int line) {
    QString* values[] = {&g_shared.GameFolder,     &g_shared.ManagerFolder,
                         &g_shared.MapEditorPath,  &g_shared.LandscapeEditorPath,
                         &g_shared.SkinEditorPath, &g_shared.TattooEditorPath};
    return values[line];
}
constexpr int kSettingsCount = SettingsLineCount;

} // namespace

SharedModule& shared() { return g_shared; }

void registerRememberedReset(std::function<void()> reset) {
    rememberedResets().append(std::move(reset));
}

void resetShared() {
    g_shared = SharedModule{};
    for (const auto& reset : rememberedResets())
        reset();
}

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

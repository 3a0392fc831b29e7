#pragma once

#include "base/paths.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace gk {

// The values through which Grovekeep's windows hand data to each other. All start empty
// or zero when the program starts and live until it ends.
struct SharedModule {
    // Settings (the six lines of options.txt).
    QString GameFolder;
    QString ManagerFolder;
    QString MapEditorPath;
    QString LandscapeEditorPath;
    QString SkinEditorPath;
    QString TattooEditorPath;

    // Address the browser window opens when it is created.
    QString BrowserUrl;
    // Which page the Updates window opens when it is created (1: the update page).
    qint16 UpdatePageMode = 0;
    // The operation the History window selects when it is next shown (0: none).
    int HistoryOperation = 0;
    // Files offered to the installer from outside, in the order they came: it shows the first
    // chosen, ready to install, when it is next shown, and each next one when it is done with
    // the one before.
    QList<NativePath> InstallerFiles;
};

SharedModule& shared();

// The two folder values, to which relative paths are appended.
inline ComposedPath gameFolder() { return ComposedPath(shared().GameFolder); }
inline ComposedPath managerFolder() { return ComposedPath(shared().ManagerFolder); }

// Sets the settings values from the lines of options.txt, in file order; values beyond the
// list keep what they held.
void setSettings(const QStringList& values);
QStringList settingsValues();

// A value that one window keeps for the whole run, beyond the life of its instances (the name
// of the map last opened survives closing the map window). Declared as a static member of
// that window; resetShared() sets every one back to its start value.
template <class T> class Remembered {
public:
    Remembered() {
        registerReset([this] { m_value = T{}; });
    }
    Remembered(const Remembered&) = delete;
    Remembered& operator=(const Remembered&) = delete;

    Remembered& operator=(T value) {
        m_value = std::move(value);
        return *this;
    }
    operator const T&() const { return m_value; }
    const T& value() const { return m_value; }

private:
    static void registerReset(std::function<void()> reset);
    T m_value{};
};

void registerRememberedReset(std::function<void()> reset);
template <class T> void Remembered<T>::registerReset(std::function<void()> reset) {
    registerRememberedReset(std::move(reset));
}

// Back to the values of program start: the shared values and every Remembered value (tests).
void resetShared();

} // namespace gk

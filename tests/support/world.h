#pragma once

// Shared fixtures for window tests: a scripted platform layer, fresh shared values and
// window registry, and a temporary working folder.

#include "common/shared.h"
#include "support/fakeplatform.h"
#include "support/files.h"
#include "ui/forms.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>
#include <iterator>

namespace gk::test {

// A clean world for one test function: fake platform, fresh shared values, no windows,
// and the working folder moved into a temporary folder.
class World {
public:
    World() {
        resetForms();
        resetShared();
        m_oldCwd = QDir::currentPath();
        QDir::setCurrent(dir.path());
        // The player's home, data folder and Wine prefix are the test's own (on Windows the data
        // folder is %APPDATA%, here the same folder).
        for (const char* name : kEnvironment)
            m_oldEnvironment << qgetenv(name);
        qputenv("HOME", QFile::encodeName(path("home")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(path("home/.local/share")));
        qputenv("APPDATA", QFile::encodeName(QDir::toNativeSeparators(path("home/.local/share"))));
        qunsetenv("WINEPREFIX");
    }
    ~World() {
        resetForms();
        resetShared();
        QDir::setCurrent(m_oldCwd);
        for (int k = 0; k < int(std::size(kEnvironment)); ++k) {
            if (m_oldEnvironment.at(k).isEmpty())
                qunsetenv(kEnvironment[k]);
            else
                qputenv(kEnvironment[k], m_oldEnvironment.at(k));
        }
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    // The options.txt Grovekeep reads at start-up: in its own folder, which for the tests (not
    // a portable folder) is the user's data folder.
    QString optionsFile() const { return path("home/.local/share/Grovekeep/options.txt"); }
    // A folder value as the Options dialog stores it: with its trailing separator.
    QString folder(const QString& relative) const {
        QDir().mkpath(path(relative));
        return path(relative) + QLatin1Char('/');
    }

    QTemporaryDir dir;
    ScopedFakePlatform platform;

private:
    static constexpr const char* kEnvironment[] = {"HOME", "XDG_DATA_HOME", "APPDATA",
                                                   "WINEPREFIX"};
    QString m_oldCwd;
    QList<QByteArray> m_oldEnvironment;
};

template <class T> T* child(QObject* parent, const char* name) {
    return parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

// Where the named controls of `window` stand, "name x,y wxh" each, in the order given: the
// record a window's layout at one size is held to.
inline QString placesOf(const QWidget* window, std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) {
        const QWidget* w = window->findChild<QWidget*>(QString::fromLatin1(name));
        const QRect r = w ? w->geometry() : QRect();
        out << QStringLiteral("%1 %2,%3 %4x%5")
                   .arg(QString::fromLatin1(name))
                   .arg(r.x())
                   .arg(r.y())
                   .arg(r.width())
                   .arg(r.height());
    }
    return out.join(QStringLiteral("; "));
}

// Clicks the button `name` of window `w` with the mouse.
inline void click(QWidget* w, const char* name) {
    QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton);
}

// Captions of a menu's items, in order.
// A caption as it reads, without its mnemonic mark.
inline QString readable(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

inline QStringList captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out << readable(a->text());
    return out;
}

inline QStringList menuBarTitles(const QMenuBar* bar) {
    QStringList out;
    for (const QAction* a : bar->actions())
        out << readable(a->text());
    return out;
}

} // namespace gk::test

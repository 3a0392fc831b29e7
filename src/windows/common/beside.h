#pragma once

#include "files/store.h"

#include <QEventLoop>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <functional>
#include <optional>
#include <utility>

class QObject;
class QWidget;

namespace gk {

// Runs `work` on a thread of its own and returns its result. Meanwhile the interface stays
// usable: its events are handled (the progress shows, Cancel can be pressed, other windows
// repaint). The caller disables what would start other work until it returns, and its window
// must stay open until then.
template <class Work> auto runBeside(Work work) -> decltype(work()) {
    std::optional<decltype(work())> result;
    QThread* thread = QThread::create([&] { result.emplace(work()); });
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    if (!thread->isFinished())
        loop.exec();
    thread->wait();
    delete thread;
    return std::move(*result);
}

// A window while work runs beside it: its input waits (it still repaints, and shows a busy
// cursor), and it does not close, even from its frame or with the program, until the work is
// done.
class BusyWindow {
public:
    explicit BusyWindow(QWidget* window);
    ~BusyWindow();
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_frame; // the window's frame in the main window, or the window
    QObject* m_guard = nullptr;
    bool m_enabled = true;
    QPointer<QWidget> m_focus; // where the keyboard was, given back afterwards
};

// As runBeside, with `window` busy meanwhile.
template <class Work> auto runBesideBusy(QWidget* window, Work work) -> decltype(work()) {
    const BusyWindow busy(window);
    return runBeside(std::move(work));
}

// Runs `call` on the interface thread (the thread of `context`) and waits for it: what work
// beside the window tells the window (its progress, a wait for another program). Called on the
// interface thread itself, it runs at once.
void onInterfaceThread(QObject* context, const std::function<void()>& call);

// How work beside a window waits for another Grovekeep or grovekeep-vif: visibly, with Cancel,
// as work on the interface thread does, and not at all once `stop` is set.
ChangeStore::Waiting waitBeside(QWidget* parent, const std::atomic<bool>& stop);
ChangeStore::Waiting waitBeside(QWidget* parent);

} // namespace gk

#include "beside.h"

#include "common/commands.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace gk {

namespace {

// Refuses the window's close events.
class KeepOpen : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

BusyWindow::BusyWindow(QWidget* window)
    : m_window(window) {
    if (!window)
        return;
    m_frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!m_frame)
        m_frame = window;
    m_enabled = m_frame->isEnabled();
    m_focus = QApplication::focusWidget();
    m_frame->setEnabled(false);
    m_frame->setCursor(Qt::BusyCursor);
    m_guard = new KeepOpen(window);
    window->installEventFilter(m_guard);
}

BusyWindow::~BusyWindow() {
    if (m_frame) {
        m_frame->setEnabled(m_enabled);
        m_frame->unsetCursor();
        // Disabled, the window lost the keyboard (and, in the main window, its place in
        // front) to another: it has them back.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(m_frame.data()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        if (m_focus && m_focus->window() == m_frame->window())
            m_focus->setFocus();
    }
    if (m_window) {
        m_window->removeEventFilter(m_guard);
        delete m_guard;
    }
}

void onInterfaceThread(QObject* context, const std::function<void()>& call) {
    if (QThread::currentThread() == context->thread()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(context, call, Qt::BlockingQueuedConnection);
}

ChangeStore::Waiting waitBeside(QWidget* parent, const std::atomic<bool>& stop) {
    // The visible wait is made and asked on the interface thread.
    auto visible = std::make_shared<ChangeStore::Waiting>(waitVisibly(parent));
    return [visible, &stop](bool ended) {
        bool keep = false;
        onInterfaceThread(qApp, [&] { keep = (*visible)(ended); });
        return keep && !stop;
    };
}

ChangeStore::Waiting waitBeside(QWidget* parent) {
    static const std::atomic<bool> never = false;
    return waitBeside(parent, never);
}

} // namespace gk

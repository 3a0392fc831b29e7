#include "beside.h"

#include "common/commands.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace gk {

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

} // namespace gk

// The web engine module: a page area on Qt WebEngine, loaded by Grovekeep only when the
// first web window opens, so the engine stays out of start-up.

#include "ui/webpage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QQuickWindow>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// The address as the address box shows it; an empty page has none.
QString shownAddress(const QUrl& url) {
    if (url.isEmpty() || url.toString() == QLatin1String("about:blank"))
        return QString();
    return url.toDisplayString();
}

// A download of the engine. The engine writes it where the window accepted it; this reports
// its progress and its end, and cancels it when it is dropped unfinished.
class EngineDownload final : public gk::WebDownload {
public:
    explicit EngineDownload(QWebEngineDownloadRequest* request)
        : m_request(request)
        , m_id(request->id()) {}
    ~EngineDownload() override {
        if (running().value(m_id) == this)
            running().remove(m_id);
        if (!m_request)
            return;
        QObject::disconnect(m_request, nullptr, &m_context, nullptr);
        if (m_accepted && !m_request->isFinished())
            m_request->cancel();
    }

    // When the network fails, the engine resumes a download by itself and asks for it again
    // under the same id; the download that asked first takes it back, without a question.
    static bool resume(QWebEngineDownloadRequest* request) {
        EngineDownload* download = running().value(request->id());
        if (!download)
            return false;
        if (download->m_request != request)
            download->follow(request);
        return true;
    }

    QString address() const override {
        return m_request ? m_request->url().toDisplayString() : QString();
    }
    QString suggestedFileName() const override {
        return m_request ? m_request->suggestedFileName() : QString();
    }

    void accept(const QString& path) override {
        if (!m_request || m_accepted)
            return;
        const QFileInfo file(path);
        m_directory = file.absolutePath();
        m_fileName = file.fileName();
        m_accepted = true;
        running().insert(m_id, this);
        follow(m_request);
    }

    void cancel() override {
        if (m_request && !m_request->isFinished())
            m_request->cancel();
    }

private:
    // The downloads accepted and not yet dropped, by the engine's id.
    static QHash<quint32, EngineDownload*>& running() {
        static QHash<quint32, EngineDownload*> downloads;
        return downloads;
    }

    // Writes through `request` from now on.
    void follow(QWebEngineDownloadRequest* request) {
        if (m_request && m_request != request)
            QObject::disconnect(m_request, nullptr, &m_context, nullptr);
        m_request = request;
        request->setDownloadDirectory(m_directory);
        request->setDownloadFileName(m_fileName);
        QObject::connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, &m_context,
                         [this] { reportProgress(); });
        QObject::connect(request, &QWebEngineDownloadRequest::totalBytesChanged, &m_context,
                         [this] { reportProgress(); });
        QObject::connect(request, &QWebEngineDownloadRequest::isFinishedChanged, &m_context,
                         [this] { reportEnd(); });
        // An interrupted download is not finished (it could be resumed), but the engine has
        // already tried to resume it by itself: it has failed.
        QObject::connect(request, &QWebEngineDownloadRequest::stateChanged, &m_context,
                         [this] { reportEnd(); });
        request->accept();
    }

    void reportProgress() {
        if (m_request && progressed)
            progressed(m_request->receivedBytes(), m_request->totalBytes());
    }

    void reportEnd() {
        if (!m_request || m_reported ||
            !(m_request->isFinished() ||
              m_request->state() == QWebEngineDownloadRequest::DownloadInterrupted))
            return;
        m_reported = true;
        gk::DownloadEnd end = gk::DownloadEnd::Failed;
        QString reason;
        switch (m_request->state()) {
        case QWebEngineDownloadRequest::DownloadCompleted:
            end = gk::DownloadEnd::Completed;
            break;
        case QWebEngineDownloadRequest::DownloadCancelled:
            end = gk::DownloadEnd::Cancelled;
            break;
        default:
            // A file, network or server reason is told as the engine words it; after the
            // engine's own attempts to resume, it gives a cancel by the user, which this was
            // not.
            if (m_request->interruptReason() >= QWebEngineDownloadRequest::FileFailed &&
                m_request->interruptReason() <= QWebEngineDownloadRequest::ServerUnreachable)
                reason = m_request->interruptReasonString();
            if (reason.isEmpty())
                //: Why a download failed, shown in brackets after "The download of FILE failed"
                reason = QCoreApplication::translate("WebEngine", "the connection was interrupted");
            break;
        }
        // The window may drop this download while it handles the end: nothing of it is used
        // after the call.
        if (auto report = finished)
            report(end, reason);
    }

    QPointer<QWebEngineDownloadRequest> m_request; // owned by the profile
    quint32 m_id;
    QString m_directory;
    QString m_fileName;
    QObject m_context; // the connections to the request end with this download
    bool m_accepted = false;
    bool m_reported = false;
};

class EnginePage final : public gk::WebPage {
public:
    explicit EnginePage(QWidget* parent)
        : m_view(new QWebEngineView(parent)) {
        QWebEnginePage* page = m_view->page();
        // A link or script that asks for a new window opens its page here, after this one.
        QObject::connect(page, &QWebEnginePage::newWindowRequested, &m_context,
                         [this](QWebEngineNewWindowRequest& request) {
                             const QUrl url = request.requestedUrl();
                             if (!url.isEmpty())
                                 m_view->setUrl(url);
                         });
        QObject::connect(page, &QWebEnginePage::urlChanged, &m_context, [this](const QUrl& url) {
            if (addressChanged)
                addressChanged(shownAddress(url));
        });
        QObject::connect(page, &QWebEnginePage::titleChanged, &m_context,
                         [this](const QString& title) {
                             if (titleChanged)
                                 titleChanged(shownTitle(title));
                         });
        QObject::connect(page, &QWebEnginePage::loadStarted, &m_context, [this] {
            m_loading = true;
            if (loadingChanged)
                loadingChanged(true, 0);
        });
        QObject::connect(page, &QWebEnginePage::loadProgress, &m_context, [this](int percent) {
            if (m_loading && loadingChanged)
                loadingChanged(true, percent);
        });
        QObject::connect(page, &QWebEnginePage::loadFinished, &m_context, [this](bool) {
            m_loading = false;
            if (loadingChanged)
                loadingChanged(false, 100);
        });
        // Every page of the profile shares its downloads; this page takes its own.
        QObject::connect(page->profile(), &QWebEngineProfile::downloadRequested, &m_context,
                         [this](QWebEngineDownloadRequest* request) {
                             if (EngineDownload::resume(request))
                                 return;
                             if (request->page() != m_view->page() || !downloadRequested)
                                 return;
                             downloadRequested(std::make_unique<EngineDownload>(request));
                         });
    }

    QWidget* widget() override { return m_view; }
    void navigate(const QString& address) override {
        const QString trimmed = address.trimmed();
        m_view->setUrl(trimmed.isEmpty() ? QUrl(QStringLiteral("about:blank"))
                                         : QUrl::fromUserInput(address));
    }
    void back() override { m_view->back(); }
    void forward() override { m_view->forward(); }
    void stop() override { m_view->stop(); }
    void reload() override { m_view->reload(); }
    bool canGoBack() const override { return m_view->history()->canGoBack(); }
    bool canGoForward() const override { return m_view->history()->canGoForward(); }

private:
    // A page without a title of its own is titled with its address by the engine: no title.
    QString shownTitle(const QString& title) const {
        const QUrl url = m_view->url();
        if (title.isEmpty() || title == url.toString() || title == url.toDisplayString() ||
            title == url.toDisplayString(QUrl::RemoveScheme).mid(2) || url.isEmpty() ||
            url.toString() == QLatin1String("about:blank"))
            return QString();
        return title;
    }

    QWebEngineView* m_view; // owned by its parent widget
    QObject m_context;      // the connections end with this page
    bool m_loading = false;
};

} // namespace

// The engine's own set-up of its OpenGL share context, which it otherwise wants made before
// the application object exists (exported by the engine's core library).
namespace QtWebEngineCore {
void initialize();
}

extern "C" Q_DECL_EXPORT gk::WebPage* gk_create_web_page(QWidget* parent) {
    // Once, before the first page: the engine's OpenGL share context is made now, not at
    // Grovekeep's start (nothing else draws with OpenGL), and the page is composed by Qt
    // Quick's software renderer, so the window that holds it stays a plain window: the main
    // window is not destroyed and created again, and keeps its place and its state.
    static const bool prepared = [] {
        QtWebEngineCore::initialize();
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        return true;
    }();
    Q_UNUSED(prepared);
    return new EnginePage(parent);
}

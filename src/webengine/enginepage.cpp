// The web engine module: a page area on Qt WebEngine, loaded by Grovekeep only when the
// first web window opens, so the engine stays out of start-up.

#include "ui/webpage.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {

class EnginePage final : public gk::WebPage {
public:
    explicit EnginePage(QWidget* parent)
        : m_view(new QWebEngineView(parent)) {}
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
    QWebEngineView* m_view; // owned by its parent widget
};

} // namespace

extern "C" Q_DECL_EXPORT gk::WebPage* gk_create_web_page(QWidget* parent) {
    return new EnginePage(parent);
}

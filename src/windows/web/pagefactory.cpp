#include "pagefactory.h"

#include "base/paths.h"
#include "base/places.h"
#include "platform/platform.h"

#include <QLibrary>
#include <QTextBrowser>
#include <QUrl>

namespace gk {

namespace {

WebPageFactory g_factory;

// Shown when the web engine cannot be loaded: the address, and a link that opens it in the
// desktop's browser.
class FallbackPage final : public WebPage {
public:
    FallbackPage(QWidget* parent, QString reason)
        : m_view(new QTextBrowser(parent))
        , m_reason(std::move(reason)) {
        m_view->setOpenLinks(false);
        QObject::connect(
            m_view, &QTextBrowser::anchorClicked, m_view, [view = m_view](const QUrl& url) {
                if (const Status opened = platform().openAddress(url.toString()); !opened)
                    platform().message(view, opened.error());
            });
    }
    QWidget* widget() override { return m_view; }
    void navigate(const QString& address) override {
        const QString url = QUrl::fromUserInput(address).toString();
        m_view->setHtml(
            QStringLiteral("<p>The built-in web browser is not available: %1</p>"
                           "<p>Open <a href=\"%2\">%3</a> in your web browser.</p>")
                .arg(m_reason.toHtmlEscaped(), url.toHtmlEscaped(), address.toHtmlEscaped()));
    }
    void back() override {}
    void forward() override {}
    void stop() override {}
    void reload() override {}
    bool canGoBack() const override { return false; }
    bool canGoForward() const override { return false; }

private:
    QTextBrowser* m_view;
    QString m_reason;
};

CreateEnginePage loadEngine(QString& reason) {
    static QLibrary* module = nullptr;
    static CreateEnginePage entry = nullptr;
    static QString failure;
    if (!entry && failure.isEmpty()) {
        // Beside the program when portable, in its installed place otherwise.
        const QString name = QString::fromLatin1(kEngineModuleName);
        QStringList errors;
        for (const NativePath& candidate : webModuleCandidates(programFolder(), name)) {
            module = new QLibrary(candidate.text());
            entry = reinterpret_cast<CreateEnginePage>(module->resolve(kEngineEntryPoint));
            if (entry)
                break;
            errors << module->errorString();
            delete module;
            module = nullptr;
        }
        if (!entry)
            failure = QStringLiteral("the web engine module could not be loaded (%1).")
                          .arg(errors.join(QStringLiteral("; ")));
    }
    reason = failure;
    return entry;
}

} // namespace

void setWebPageFactory(WebPageFactory factory) { g_factory = std::move(factory); }

std::unique_ptr<WebPage> createWebPage(QWidget* parent) {
    if (g_factory)
        return g_factory(parent);
    QString reason;
    if (CreateEnginePage create = loadEngine(reason))
        return std::unique_ptr<WebPage>(create(parent));
    return std::make_unique<FallbackPage>(parent, reason);
}

} // namespace gk

#include "pagefactory.h"

#include "base/paths.h"
#include "base/places.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QTextBrowser>
#include <QUrl>

namespace gk {

namespace {

WebPageFactory g_factory;

// A text of the stand-in's page, translated and escaped for the page.
QString pageText(const char* text) {
    return QCoreApplication::translate("WebPage", text).toHtmlEscaped();
}

QString paragraph(const QString& html) { return QStringLiteral("<p>%1</p>").arg(html); }

// Stands in for the web engine where it is not part of the build (Qt WebEngine is not made for
// every compiler) or cannot be loaded: each address the window goes to is opened in the
// desktop's browser, and the page says so, with a link to open it again; a package downloaded
// there is installed by dropping it on Grovekeep or opening it with Grovekeep.
class FallbackPage final : public WebPage {
public:
    FallbackPage(QWidget* parent, QString reason)
        : m_view(new QTextBrowser(parent))
        , m_reason(std::move(reason)) {
        m_view->setOpenLinks(false);
        QObject::connect(m_view, &QTextBrowser::anchorClicked, m_view,
                         [this](const QUrl& url) { open(url.toString()); });
    }
    QWidget* widget() override { return m_view; }
    void navigate(const QString& address) override {
        if (!address.trimmed().isEmpty())
            open(QUrl::fromUserInput(address.trimmed()).toString());
    }
    void back() override {}
    void forward() override {}
    void stop() override {}
    void reload() override {
        if (!m_address.isEmpty())
            open(m_address);
    }
    bool canGoBack() const override { return false; }
    bool canGoForward() const override { return false; }

private:
    void open(const QString& url) {
        m_address = url;
        const Status opened = platform().openAddress(url);
        const QString link = QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toHtmlEscaped());
        QString html = QStringLiteral("<p>%1</p>").arg(m_reason.toHtmlEscaped());
        if (opened) {
            html +=
                //: %1 is the address
                paragraph(pageText(QT_TRANSLATE_NOOP("WebPage", "%1 was opened in your web "
                                                                "browser."))
                              .arg(link)) +
                paragraph(pageText(QT_TRANSLATE_NOOP("WebPage",
                                                     "A package you download there is installed "
                                                     "by dropping it on Grovekeep's window, or by "
                                                     "opening it with Grovekeep."))) +
                //: %1 is the address
                paragraph(pageText(QT_TRANSLATE_NOOP("WebPage", "Open it again: %1")).arg(link));
        } else {
            html +=
                //: %1 is the address, %2 why it could not be opened
                paragraph(pageText(QT_TRANSLATE_NOOP("WebPage", "%1 could not be opened in your "
                                                                "web browser: %2"))
                              .arg(link, opened.error().toHtmlEscaped())) +
                //: %1 is the address
                paragraph(pageText(QT_TRANSLATE_NOOP("WebPage", "Try again: %1, or copy the "
                                                                "address into your browser."))
                              .arg(link));
        }
        m_view->setHtml(html);
    }

    QTextBrowser* m_view;
    QString m_reason;
    QString m_address;
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
            //: %1 says why the module could not be loaded
            failure = QCoreApplication::translate("WebPage",
                                                  "Grovekeep's own web browser is not available: "
                                                  "its web engine module could not be loaded (%1).")
                          .arg(errors.join(QStringLiteral("; ")));
    }
    reason = failure;
    return entry;
}

} // namespace

void setWebPageFactory(WebPageFactory factory) { g_factory = std::move(factory); }

std::unique_ptr<WebPage> createFallbackPage(QWidget* parent, const QString& reason) {
    return std::make_unique<FallbackPage>(parent, reason);
}

std::unique_ptr<WebPage> createWebPage(QWidget* parent) {
    if (g_factory)
        return g_factory(parent);
#ifndef GK_WEB_MODULE
    return createFallbackPage(
        parent, QCoreApplication::translate("WebPage", "Grovekeep's own web browser is not "
                                                       "part of this build of Grovekeep."));
#endif
    QString reason;
    if (CreateEnginePage create = loadEngine(reason))
        return std::unique_ptr<WebPage>(create(parent));
    return createFallbackPage(parent, reason);
}

} // namespace gk

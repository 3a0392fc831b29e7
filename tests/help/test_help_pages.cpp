// The help pages delivered with the viewer: each one is listed and opens, and every link
// between them leads to a page (and anchor) that exists.

#include "frmHelp.h"
#include "support/fakeplatform.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>

using gk::help::frmHelp;

namespace {

const QString kSourcePages = QStringLiteral(GK_HELP_SOURCE_PAGES);
const QString kBuiltPages = QStringLiteral(GK_HELP_BUILT_PAGES);

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList sourcePages() {
    return QDir(kSourcePages).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

// The links and anchor names of a page, as the viewer's page area reads it.
struct Links {
    QStringList hrefs;
    QSet<QString> anchors;
};

Links linksOf(const QString& path) {
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(readFile(path)));
    Links out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                if (!format.anchorHref().isEmpty() && !out.hrefs.contains(format.anchorHref()))
                    out.hrefs << format.anchorHref();
                for (const QString& name : format.anchorNames())
                    out.anchors.insert(name);
            }
        }
    }
    return out;
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyPageIsListedAndOpens();
    void linksLeadToPages();
};

void TestHelpPages::initTestCase() {
    // The program's interface font: the page area's font is derived from it.
    QApplication::setFont(gk::interfaceFont());
}

void TestHelpPages::everyPageIsListedAndOpens() {
    const QStringList pages = sourcePages();
    QVERIFY(pages.contains(QStringLiteral("welcome.htm")));

    gk::ScopedFakePlatform desktop;
    frmHelp window(kBuiltPages);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("fl1"));
    auto* web = window.findChild<QTextBrowser*>(QStringLiteral("web1"));
    QVERIFY(list && web);
    QCOMPARE(web->source(), QUrl::fromLocalFile(kBuiltPages + "/welcome.htm"));

    for (const QString& name : pages) {
        // The build copies each page as it is.
        QCOMPARE(readFile(kBuiltPages + QLatin1Char('/') + name),
                 readFile(kSourcePages + QLatin1Char('/') + name));
        const auto items = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(name));
        list->setCurrentItem(items.constFirst());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(web->source(), QUrl::fromLocalFile(kBuiltPages + QLatin1Char('/') + name));
        QVERIFY2(!web->documentTitle().isEmpty(), qPrintable(name));
        QVERIFY2(web->toPlainText().size() > 200, qPrintable(name));
        // Readable without scrolling sideways, whatever fonts the desktop has: the page fits
        // in two thirds of the page area (a font half as wide again as this one still fits),
        // as nothing that cannot wrap is long.
        QCoreApplication::processEvents();
        QVERIFY2(web->horizontalScrollBar()->maximum() == 0, qPrintable(name + " is too wide"));
        std::unique_ptr<QTextDocument> narrow(web->document()->clone());
        const int width = web->viewport()->width() * 2 / 3;
        narrow->setTextWidth(width);
        QVERIFY2(narrow->idealWidth() <= width,
                 qPrintable(QStringLiteral("%1 needs %2 pixels, more than %3")
                                .arg(name)
                                .arg(narrow->idealWidth())
                                .arg(width)));
    }
    // Nothing asked of the desktop: no message, no address.
    QVERIFY2(desktop.fake.log.isEmpty(), qPrintable(desktop.fake.log.join('|')));
}

void TestHelpPages::linksLeadToPages() {
    const QStringList pages = sourcePages();
    QSet<QString> linkedFromWelcome;
    for (const QString& name : pages) {
        const Links links = linksOf(kSourcePages + QLatin1Char('/') + name);
        bool toWelcome = false;
        for (const QString& href : links.hrefs) {
            const QUrl url(href);
            const QString where = name + QStringLiteral(": ") + href;
            QVERIFY2(url.isRelative(), qPrintable(where + " (pages link only to each other)"));
            const QString target = url.path().isEmpty() ? name : url.path();
            QVERIFY2(pages.contains(target), qPrintable(where + " (no such page)"));
            if (url.hasFragment())
                QVERIFY2(linksOf(kSourcePages + QLatin1Char('/') + target)
                             .anchors.contains(url.fragment()),
                         qPrintable(where + " (no such anchor)"));
            toWelcome = toWelcome || target == QStringLiteral("welcome.htm");
            if (name == QStringLiteral("welcome.htm"))
                linkedFromWelcome.insert(target);
        }
        if (name != QStringLiteral("welcome.htm"))
            QVERIFY2(toWelcome, qPrintable(name + " does not link back to welcome.htm"));
    }
    for (const QString& name : pages) {
        if (name != QStringLiteral("welcome.htm"))
            QVERIFY2(linkedFromWelcome.contains(name),
                     qPrintable("welcome.htm does not link to " + name));
    }
}

QTEST_MAIN(TestHelpPages)
#include "test_help_pages.moc"

// Every text a window shows comes from a translation. In the pseudo-language the build makes
// from the sources (each text wrapped in [ ] and its letters accented), every window, its
// menus, tabs, lists and steps, and the messages it gives show nothing but pseudo-language and
// data: paths, file names, numbers and proper names. A text left out of the translation shows
// up here as English outside the brackets.

#include "common/commands.h"
#include "common/shared.h"
#include "frmHelp.h"
#include "settings/language.h"
#include "startup.h"
#include "support/world.h"
#include "web/pagefactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocument>
#include <QTreeWidget>

using namespace gk;
using namespace gk::test;

namespace {

// What is left of a text once its pseudo-language and its data are taken out: the words a
// translation missed.
QString leftOver(QString text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    static const QRegularExpression innermost(QStringLiteral("\\[[^\\[\\]]*\\]"));
    for (QString before; before != text;) {
        before = text;
        text.replace(innermost, QStringLiteral(" "));
    }
    // Paths, addresses, file names, options, numbers and keys.
    static const QRegularExpression data(QStringLiteral(
        "\\S*[/\\\\:]\\S*|\\S*\\w\\.\\w\\S*|--?\\w[\\w-]*|\\b\\d+\\w*|\\bCtrl\\+\\w+"));
    text.replace(data, QStringLiteral(" "));
    static const QStringList names{
        QStringLiteral("Grovekeep"), QStringLiteral("Black"),       QStringLiteral("White"),
        QStringLiteral("Beta"),      QStringLiteral("Wine"),        QStringLiteral("Lutris"),
        QStringLiteral("Bottles"),   QStringLiteral("Heroic"),      QStringLiteral("Steam"),
        QStringLiteral("Proton"),    QStringLiteral("PlayOnLinux"), QStringLiteral("Plotwright"),
        QStringLiteral("Windows"),   QStringLiteral("Linux"),       QStringLiteral("Flatpak")};
    QStringList words =
        text.split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts);
    words.removeIf([](const QString& word) { return names.contains(word); });
    return words.join(QLatin1Char(' '));
}

void addText(QStringList& missed, const QString& where, const QString& text) {
    if (!leftOver(text).isEmpty())
        missed << QStringLiteral("%1 \"%2\"").arg(where, text.left(80));
}

void addMenu(QStringList& missed, const QString& where, const QMenu* menu) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        addText(missed, where, action->text());
        if (action->menu())
            addMenu(missed, where + QLatin1Char('>') + action->text(), action->menu());
    }
}

// Every caption below `window`, shown or waiting to be shown (another tab, another step).
QStringList missedTexts(QWidget* window) {
    QStringList missed;
    const QString name = window->objectName();
    addText(missed, name + QStringLiteral(" title"), window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString where = name + QLatin1Char('.') + w->objectName();
        if (!w->toolTip().isEmpty())
            addText(missed, where + QStringLiteral(" tip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            addText(missed, where, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            addText(missed, where, button->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            addText(missed, where, box->title());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int k = 0; k < tabs->count(); ++k)
                addText(missed, where, tabs->tabText(k));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            addText(missed, where + QStringLiteral(" placeholder"), edit->placeholderText());
        } else if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
            for (int k = 0; k < tree->columnCount(); ++k)
                addText(missed, where, tree->headerItem()->text(k));
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (const QAction* action : bar->actions()) {
                addText(missed, where, action->text());
                if (action->menu())
                    addMenu(missed, where + QLatin1Char('>') + action->text(), action->menu());
            }
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            addMenu(missed, where, menu);
        }
    }
    return missed;
}

} // namespace

class TestTranslated : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyWindowSpeaksTheTranslation();
    void cleanupTestCase();
};

void TestTranslated::initTestCase() {
    setWebPageFactory(
        [](QWidget* parent) { return createFallbackPage(parent, QStringLiteral("Offline.")); });
    QVERIFY(installTranslations(QStringLiteral("en")) || true);
    QVERIFY2(installTranslationFile(QStringLiteral(GK_PSEUDO_QM)), GK_PSEUDO_QM);
}

void TestTranslated::cleanupTestCase() { installTranslations(QStringLiteral("en")); }

void TestTranslated::everyWindowSpeaksTheTranslation() {
    World world;
    registerGrovekeepForms();
    shared().GameFolder = world.folder("game");
    shared().ManagerFolder = world.folder("gk");
    QStringList missed;
    for (int k = 0; k < formCount; ++k) {
        QWidget* window = Form(k) == Form::MDI ? form(Form::MDI) : showForm(Form(k));
        QVERIFY(window);
        if (Form(k) != Form::Splash)
            window->show();
        missed << missedTexts(window);
    }
    // The installer's steps, each of its ways through.
    QWidget* installer = showForm(Form::Install);
    for (auto* way : installer->findChildren<QAbstractButton*>(
             QRegularExpression(QStringLiteral("^op\\d+$")))) {
        way->click();
        click(installer, "cmdNext");
        missed << missedTexts(installer);
        if (auto* back = child<QPushButton>(installer, "cmdBack"); back && back->isEnabled())
            back->click();
    }
    help::frmHelp viewer(world.path("HelpFiles"));
    viewer.show();
    missed << missedTexts(&viewer);
    // What the windows said on the way.
    QVERIFY2(!world.platform->messages.isEmpty(), "the walk gave no message to look at");
    for (const QString& text : world.platform->messages + world.platform->questions)
        addText(missed, QStringLiteral("message"), text);
    missed.removeDuplicates();
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestTranslated)
#include "test_translated.moc"

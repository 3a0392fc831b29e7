// Every caption of every window can be read whole with a font wider than the one the windows
// were designed for, as a desktop without Liberation Sans (DejaVu only, or a theme's font) has,
// and in every language Grovekeep speaks (German texts are often a third longer): no button,
// label, check box or option button cuts its text, none lies over another control, no control
// runs past the edge of what holds it, and every tab of a tab row shows. Each window is looked
// at as it opens, on each page of its tab controls, and the installer at each of its steps.

#include "frmHelp.h"
#include "frmSplash.h"
#include "installer/frmInstall.h"
#include "settings/language.h"
#include "startup.h"
#include "support/files.h"
#include "support/world.h"
#include "ui/fonts.h"
#include "web/pagefactory.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>

using namespace gk;
using namespace gk::test;

namespace {

// The width a control gives its text, and the width its text needs.
struct Room {
    int has = 0;
    int needs = 0;
};

int textWidth(const QWidget* w, const QString& text) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument doc;
        doc.setDefaultFont(w->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        return int(std::ceil(doc.idealWidth()));
    }
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// Labels that wrap are measured by height; nullopt for a control without a caption to read.
std::optional<Room> roomOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        if (text.trimmed().isEmpty())
            return std::nullopt;
        const int inner =
            label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
        if (label->wordWrap())
            return Room{label->contentsRect().height(), label->heightForWidth(label->width())};
        return Room{inner, textWidth(label, QString(text).remove(QLatin1Char('&')))};
    }
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (!button || button->text().isEmpty())
        return std::nullopt;
    // A tool button needs what it asks for: its picture and its text, with the style's margins.
    if (auto* tool = qobject_cast<QToolButton*>(w))
        return Room{tool->width(), tool->sizeHint().width()};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(w))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(w))
        contents = QStyle::SE_RadioButtonContents;
    const int has = button->style()->subElementRect(contents, &option, button).width();
    const QString shown = QString(button->text()).remove(QLatin1Char('&'));
    return Room{has, button->fontMetrics().horizontalAdvance(shown)};
}

// Whether `w` is one of the controls a window placed (not a part Qt makes inside a control,
// such as a text box's scroll bars, nor a window of its own).
bool isControl(const QWidget* w, const QWidget* window) {
    if (w == window || w->isWindow() || w->objectName().isEmpty() ||
        w->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (const QWidget* up = w->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QLineEdit*>(up) ||
            qobject_cast<const QTabBar*>(up))
            return false;
    }
    return true;
}

// A control that reads: a button, a check box, an option button, a label with text.
bool hasCaption(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().trimmed().isEmpty();
    return qobject_cast<const QAbstractButton*>(w) != nullptr;
}

// A line across a window, or a picture that may run past its edges as designed.
bool isDecoration(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text().isEmpty() && !label->pixmap().isNull();
    auto* frame = qobject_cast<const QFrame*>(w);
    return frame && frame->metaObject() == &QFrame::staticMetaObject &&
           (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// What is wrong with the controls below `window` as it shows now: "name "caption": needs N,
// has M" for a caption that is cut, "A under B" for a label another label of its row lies over,
// "A over B" for a button, check box or label that lies over another control beside it (their
// frames may share a pixel, as designed), "A leaves P" for a control that runs past the edge of
// the window or box that holds it, and "T: tabs cut" for a tab row that does not show every tab.
QStringList problemsOf(QWidget* window) {
    QStringList problems;
    const auto labels = window->findChildren<QLabel*>();
    for (QLabel* a : labels) {
        for (QLabel* b : labels) {
            const QRect ra = a->geometry(), rb = b->geometry();
            const int shared = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
            if (a != b && a->parentWidget() == b->parentWidget() && ra.left() < rb.left() &&
                shared > std::min(ra.height(), rb.height()) / 2 && ra.intersects(rb) &&
                !a->text().isEmpty() && a->isHidden() == b->isHidden())
                problems << QStringLiteral("%1 under %2").arg(a->objectName(), b->objectName());
        }
    }
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (isControl(w, window) && w->isVisibleTo(window))
            shown << w;
    }
    for (QWidget* w : shown) {
        const auto room = roomOf(w);
        if (room && room->needs > room->has)
            problems << QStringLiteral("%1 \"%2\": needs %3, has %4")
                            .arg(w->objectName(),
                                 qobject_cast<QLabel*>(w)
                                     ? qobject_cast<QLabel*>(w)->text().left(30)
                                     : qobject_cast<QAbstractButton*>(w)->text(),
                                 QString::number(room->needs), QString::number(room->has));
        const QWidget* parent = w->parentWidget();
        // (A frame's outer pixel may lie on the edge, as designed. The browser's page area
        // keeps its distances to the edges of the window's frame, as designed, and so lies a
        // few pixels under the frame's inner edge.)
        const bool underFrame = window->objectName() == QLatin1String("frmBrowser") &&
                                w->objectName() == QLatin1String("web1");
        if (!isDecoration(w) && !underFrame &&
            !parent->rect().adjusted(-1, -1, 1, 1).contains(w->geometry()))
            problems << QStringLiteral("%1 leaves %2 (%3,%4 %5x%6 in %7x%8)")
                            .arg(w->objectName(), parent->objectName())
                            .arg(w->x())
                            .arg(w->y())
                            .arg(w->width())
                            .arg(w->height())
                            .arg(parent->width())
                            .arg(parent->height());
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            if (tabs->tabBar()->sizeHint().width() > tabs->width())
                problems << QStringLiteral("%1: tabs cut (need %2, have %3)")
                                .arg(tabs->objectName())
                                .arg(tabs->tabBar()->sizeHint().width())
                                .arg(tabs->width());
        }
        for (QWidget* other : shown) {
            if (other == w || other->parentWidget() != parent || !hasCaption(w) ||
                (hasCaption(other) && other->objectName() < w->objectName()))
                continue;
            const QRect both = w->geometry() & other->geometry();
            if (both.width() > 1 && both.height() > 1)
                problems << QStringLiteral("%1 over %2").arg(w->objectName(), other->objectName());
        }
    }
    return problems;
}

// The installer's steps: a file to install, with the notes it shows while it works; files
// for a package; where the package goes.
template <class Look> void walkInstaller(World& world, QWidget* installer, const Look& look) {
    const auto click = [&](const char* name) {
        auto* button = installer->findChild<QAbstractButton*>(QString::fromLatin1(name));
        QVERIFY(button);
        button->click();
    };
    click("op1");
    click("cmdNext");
    look(installer, QStringLiteral("frmInstall/file"));
    auto* note = installer->findChild<QLabel*>(QStringLiteral("lblNote"));
    const char* notes[] = {
        "Installing... Cancel stops the installation and changes nothing.",
        "Checking the package... Cancel stops the installation and changes nothing.",
        "The package was installed: %n files. What every replaced file held is kept in the "
        "history. Choose another file with \"...\" to install it."};
    for (const char* text : notes) {
        note->setText(QCoreApplication::translate("gk::frmInstall", text, nullptr, 2));
        look(installer, QStringLiteral("frmInstall/note"));
    }
    click("cmdBack");
    click("op2");
    click("cmdNext");
    look(installer, QStringLiteral("frmInstall/files"));
    world.platform->answerFile(world.path("author/river.txt"));
    world.platform->answerFile(world.path("game/Scripts/Playgrounds/river.txt"));
    click("cmdInstall");
    click("cmdNext");
    look(installer, QStringLiteral("frmInstall/package"));
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captionsFitWithAWiderFont_data();
    void captionsFitWithAWiderFont();
    void picturesHoldTheirTexts_data() { captionsFitWithAWiderFont_data(); }
    void picturesHoldTheirTexts();
    void cleanupTestCase();
};

void TestCaptions::initTestCase() {
    setWebPageFactory(
        [](QWidget* parent) { return createFallbackPage(parent, QStringLiteral("Offline.")); });
}

void TestCaptions::cleanupTestCase() { installTranslations(QStringLiteral("en")); }

void TestCaptions::captionsFitWithAWiderFont_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    for (const QString& language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestCaptions::captionsFitWithAWiderFont() {
    QFETCH(QString, language);
    QVERIFY(installTranslations(language));
    // DejaVu Sans (in the packages the build installs) at the interface font's size: wider
    // than Liberation Sans by a tenth and more.
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "Z:/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QFont wide(QStringLiteral("DejaVu Sans"));
    wide.setPointSizeF(interfaceFont().pointSizeF());
    if (QFontInfo(wide).family() != QLatin1String("DejaVu Sans"))
        QSKIP("DejaVu Sans is not installed (fonts-dejavu-core)");

    const QFont designed = interfaceFont();
    QStringList problems;
    for (const QFont& font : {designed, wide}) {
        World world;
        registerGrovekeepForms();
        QApplication::setFont(font);
        shared().GameFolder = world.folder("game");
        shared().ManagerFolder = world.folder("gk");
        for (const char* folder : {"game/Scripts/Playgrounds", "author"})
            world.folder(folder);
        QVERIFY(putFile(world.path("author/river.txt"), "// river\r\n"));
        // Looks at the window as it shows now, and at each page of its tab controls.
        const auto look = [&](QWidget* window, const QString& state) {
            QCoreApplication::processEvents();
            const auto add = [&](const QString& where) {
                for (const QString& problem : problemsOf(window))
                    problems << QStringLiteral("%1 with %2: %3: %4")
                                    .arg(language, QFontInfo(font).family(), where, problem);
            };
            add(state);
            for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
                const int shown = tabs->currentIndex();
                for (int k = 0; k < tabs->count(); ++k) {
                    if (k == shown)
                        continue;
                    tabs->setCurrentIndex(k);
                    add(state + QLatin1Char('/') + tabs->widget(k)->objectName());
                }
                tabs->setCurrentIndex(shown);
            }
        };
        for (int k = 0; k < formCount; ++k) {
            if (Form(k) == Form::Splash)
                continue;
            QWidget* window = Form(k) == Form::MDI ? form(Form::MDI) : showForm(Form(k));
            QVERIFY(window);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window->window()));
            look(window, window->objectName());
            if (Form(k) == Form::Install)
                walkInstaller(world, window, look);
        }
        help::frmHelp viewer(world.path("HelpFiles"));
        viewer.show();
        look(&viewer, viewer.objectName());
    }
    // Each on a line of its own: the test's message is cut after a thousand characters.
    for (const QString& problem : problems)
        qInfo().noquote() << problem;
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(problems.size())));
}

void TestCaptions::picturesHoldTheirTexts() {
    // The splash picture's lines and the installer banner's title are drawn in a font of their
    // own, which gets smaller where a language needs it, down to a size still read with ease.
    QFETCH(QString, language);
    QVERIFY(installTranslations(language));
    const QFont line = splashLineFont();
    for (const QString& text : splashLines())
        QVERIFY2(QFontMetrics(line).horizontalAdvance(text) <= kSplashLineWidth, qPrintable(text));
    const QString title = QCoreApplication::translate("gk::frmInstall", "Grovekeep Installer");
    QVERIFY2(QFontMetrics(installerBannerFont()).horizontalAdvance(title) <= kBannerTitleLength,
             qPrintable(title));
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"

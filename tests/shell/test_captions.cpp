// Every caption of every window can be read whole with a font wider than the one the windows
// were designed for, as a desktop without Liberation Sans (DejaVu only, or a theme's font) has,
// and in every language Grovekeep speaks (German texts are often a third longer): no button,
// label, check box or option button cuts its text, and no label lies over another.

#include "frmHelp.h"
#include "settings/language.h"
#include "startup.h"
#include "support/world.h"
#include "ui/fonts.h"
#include "web/pagefactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
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
    if (!button || button->text().isEmpty() || qobject_cast<QToolButton*>(w))
        return std::nullopt;
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

// "name: needs N, has M" for each control below `window` whose caption is cut, and "A under B"
// for a label another label of its row lies over.
QStringList cutCaptions(QWidget* window) {
    QStringList cut;
    const auto labels = window->findChildren<QLabel*>();
    for (QLabel* a : labels) {
        for (QLabel* b : labels) {
            const QRect ra = a->geometry(), rb = b->geometry();
            const int shared = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
            if (a != b && a->parentWidget() == b->parentWidget() && ra.left() < rb.left() &&
                shared > std::min(ra.height(), rb.height()) / 2 && ra.intersects(rb) &&
                !a->text().isEmpty() && a->isHidden() == b->isHidden())
                cut << QStringLiteral("%1 under %2").arg(a->objectName(), b->objectName());
        }
    }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto room = roomOf(w);
        if (room && room->needs > room->has)
            cut << QStringLiteral("%1 \"%2\": needs %3, has %4")
                       .arg(w->objectName(),
                            qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().left(30)
                                                     : qobject_cast<QAbstractButton*>(w)->text(),
                            QString::number(room->needs), QString::number(room->has));
    }
    return cut;
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captionsFitWithAWiderFont_data();
    void captionsFitWithAWiderFont();
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
    for (const QFont& font : {designed, wide}) {
        World world;
        registerGrovekeepForms();
        QApplication::setFont(font);
        shared().GameFolder = world.folder("game");
        shared().ManagerFolder = world.folder("gk");
        const auto check = [&](QWidget* window, const QString& name) {
            const QStringList cut = cutCaptions(window);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 with %2: %3")
                                                   .arg(name + QLatin1Char('/') + language,
                                                        QFontInfo(font).family(),
                                                        cut.join(QStringLiteral("; ")))));
        };
        for (int k = 0; k < formCount; ++k) {
            if (Form(k) == Form::Splash)
                continue;
            QWidget* window = Form(k) == Form::MDI ? form(Form::MDI) : showForm(Form(k));
            QVERIFY(window);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window->window()));
            check(window, window->objectName());
            if (QTest::currentTestFailed())
                return;
        }
        help::frmHelp viewer(world.path("HelpFiles"));
        viewer.show();
        check(&viewer, viewer.objectName());
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"

// The readme creator, driven through its controls.

#include "support/world.h"

#include "frmMDI.h"
#include "readme/frmReadme.h"
#include "startup.h"
#include "ui/place.h"
#include "web/sites.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace gk;
using namespace gk::test;

namespace {

frmReadme* openReadme() {
    registerGrovekeepForms();
    formAs<frmMDI>()->show();
    return qobject_cast<frmReadme*>(showForm(Form::Readme));
}

QPlainTextEdit* area(QWidget* w) { return child<QPlainTextEdit>(w, "txt1"); }

} // namespace

class TestReadmeWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyGrovekeepStyle(); }
    void fieldsListsAndKeyboardOrder();
    void showFileComposesAndCoversTheFields();
    void savesWhatTheAreaHolds();
    void unsavedWorkIsAskedAbout();
};

void TestReadmeWindow::fieldsListsAndKeyboardOrder() {
    World world;
    frmReadme* w = openReadme();
    QCOMPARE(child<QComboBox>(w, "cmbType")->currentText(), QStringLiteral("Specify File Type"));
    // Every label is as wide as its text needs.
    for (QLabel* l : w->findChildren<QLabel*>())
        QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(l->text()));
    QCOMPARE(menuBarTitles(existingFormAs<frmMDI>()->menuBar()), QStringList{"Go!"});

    const char* order[] = {"cmbType", "txtTitle",   "txtName",   "txtAddress",
                           "txtDesc", "txtComment", "txtThanks", "txtContact",
                           "cmdShow", "cmdSave",    "cmdExit",   "txt1"};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        // The next control Tab reaches, passing over parts of the control itself.
        QWidget* current = child<QWidget>(w, order[i]);
        QWidget* next = current->nextInFocusChain();
        while (next && (current->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), QString::fromLatin1(order[i + 1]));
    }
}

void TestReadmeWindow::showFileComposesAndCoversTheFields() {
    World world;
    frmReadme* w = openReadme();
    child<QComboBox>(w, "cmbType")->setEditText("Map");
    child<QLineEdit>(w, "txtTitle")->setText("Isle");
    QTest::keyClicks(child<QPlainTextEdit>(w, "txtDesc"), "one");
    QTest::keyClick(child<QPlainTextEdit>(w, "txtDesc"), Qt::Key_Return);
    QTest::keyClicks(child<QPlainTextEdit>(w, "txtDesc"), "two");

    QTest::mouseClick(child<QPushButton>(w, "cmdShow"), Qt::LeftButton);
    QCOMPARE(frmReadme::readmeShown(), qint16(1));
    QCOMPARE(area(w)->geometry(), w->rect());
    const QString expected = "--- Isle ---\r\n\r\n--- Installation instructions ---\r\n\r\n" +
                             mapInstallSentence(sites::MakerHost, sites::FanSiteHost) +
                             "\r\n\r\n--- Description ---\r\none\r\ntwo\r\n\r\n";
    QCOMPARE(w->readmeText(), expected);

    // Show File again: hand edits are replaced by the same text.
    QTest::keyClicks(area(w), "hand edit");
    child<QAction>(w, "frmShow")->trigger();
    QCOMPARE(w->readmeText(), expected);

    // Enter Fields narrows the area; a later resize brings it back full size.
    child<QAction>(w, "frmFields")->trigger();
    QCOMPARE(area(w)->width(), twipsToPx(50));
    QCOMPARE(w->readmeText(), expected);
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    sub->resize(sub->size() + QSize(30, 20));
    QCOMPARE(area(w)->geometry(), w->rect());

    // The flag outlives the window: a new one opens with the full-size area.
    world.platform->answers << Answer::No; // do not save
    QVERIFY(closeWindow(w));
    QTRY_VERIFY(!existingForm(Form::Readme));
    frmReadme* again = qobject_cast<frmReadme*>(showForm(Form::Readme));
    QCOMPARE(area(again)->geometry(), again->rect());
    QVERIFY(area(again)->toPlainText().isEmpty());

    // Typed text is kept as typed: "map" is not completed to "Map" (nor given its sentence).
    auto* type = child<QComboBox>(again, "cmbType");
    QVERIFY(QTest::qWaitForWindowExposed(again->window()));
    type->setFocus();
    for (const char* typed : {"map", "ma", "MAP"}) {
        type->setEditText(QString());
        QTest::keyClicks(type->lineEdit(), typed);
        QTest::keyClick(type->lineEdit(), Qt::Key_Return);
        QCOMPARE(type->currentText(), QString::fromLatin1(typed));
    }
}

void TestReadmeWindow::savesWhatTheAreaHolds() {
    World world;
    frmReadme* w = openReadme();
    auto& fake = world.platform.fake;

    // Before any Show File: just the closing line break.
    fake.answerFile(world.path("empty.txt"));
    QTest::mouseClick(child<QPushButton>(w, "cmdSave"), Qt::LeftButton);
    QCOMPARE(fake.fileRequests.last().filter, QStringLiteral("Readme Files (*.txt)|*.txt"));
    QCOMPARE(fileBytes(world.path("empty.txt")), QByteArray("\r\n"));

    child<QLineEdit>(w, "txtName")->setText(QString::fromUtf8("Ren\u00e9e"));
    QTest::mouseClick(child<QPushButton>(w, "cmdShow"), Qt::LeftButton);
    QTest::keyClicks(area(w), "Hi");
    // Go! > Save Readme saves like the button, in the game's code page.
    fake.answerFile(world.path("readme"));
    child<QAction>(w, "mnuSave")->trigger();
    QCOMPARE(fileBytes(world.path("readme")),
             QByteArray("Hi---  by Ren\xe9"
                        "e ---\r\n\r\n--- Installation instructions ---\r\n\r\n"
                        "\r\n\r\n"));

    // A cancelled dialog writes nothing; replacing a file asks first.
    fake.cancelFile();
    child<QAction>(w, "mnuSave")->trigger();
    fake.answerFile(world.path("empty.txt"));
    fake.answers << Answer::No;
    child<QAction>(w, "mnuSave")->trigger();
    QCOMPARE(fileBytes(world.path("empty.txt")), QByteArray("\r\n"));
    QCOMPARE(QDir(world.path(".")).entryList(QDir::Files).size(), 2);
}

void TestReadmeWindow::unsavedWorkIsAskedAbout() {
    World world;
    frmReadme* w = openReadme();
    auto& fake = world.platform.fake;
    // Nothing typed yet: Exit closes without a question.
    QTest::mouseClick(child<QPushButton>(w, "cmdExit"), Qt::LeftButton);
    QTRY_VERIFY(!existingForm(Form::Readme));
    QVERIFY(fake.questions.isEmpty());

    w = qobject_cast<frmReadme*>(showForm(Form::Readme));
    child<QLineEdit>(w, "txtTitle")->setText("x");
    QTest::keyClicks(child<QLineEdit>(w, "txtTitle"), "yz");
    fake.answers << Answer::Cancel;
    child<QAction>(w, "mnuExit")->trigger();
    QVERIFY(existingForm(Form::Readme));
    fake.answers << Answer::Yes;
    fake.answerFile(world.path("kept.txt"));
    QTest::mouseClick(child<QPushButton>(w, "cmdExit"), Qt::LeftButton);
    QTRY_VERIFY(!existingForm(Form::Readme));
    QVERIFY(QFile::exists(world.path("kept.txt")));
}

QTEST_MAIN(TestReadmeWindow)
#include "test_readme_window.moc"

// LargeTextEdit and its TextLines, driven offscreen with keys, mouse, clipboard, input method
// and accessibility.

#include "ui/largetextedit.h"
#include "ui/textlines.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>

using namespace gk;

namespace {

// Display width and column arithmetic done the slow way.
qsizetype naiveColumn(const QString& line, qsizetype index) {
    qsizetype column = 0;
    for (qsizetype i = 0; i < index; ++i)
        column = line[i] == u'\t' ? (column / 8 + 1) * 8 : column + 1;
    return column;
}

qsizetype naiveIndexAt(const QString& line, qsizetype column) {
    qsizetype at = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        at = line[i] == u'\t' ? (at / 8 + 1) * 8 : at + 1;
        if (column < at)
            return i;
    }
    return line.size();
}

std::unique_ptr<LargeTextEdit> shownEditor(const QString& text = QString()) {
    auto edit = std::make_unique<LargeTextEdit>();
    edit->setFont(QFont(QStringLiteral("Liberation Mono"), 10));
    edit->resize(480, 320);
    edit->setPlainText(text);
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get()))
        qWarning("editor not exposed");
    return edit;
}

void pressStandard(QWidget* w, QKeySequence::StandardKey key) {
    const QKeyCombination combination = QKeySequence::keyBindings(key).value(0)[0];
    QTest::keyClick(w, combination.key(), combination.keyboardModifiers());
}

// Types a script: plain characters, and keys in angle brackets with S- (Shift) and C- (Ctrl)
// prefixes: "ab<Enter><S-C-Right>".
void type(QWidget* w, const QString& script) {
    static const QHash<QString, Qt::Key> keys = {
        {"Enter", Qt::Key_Return}, {"Backspace", Qt::Key_Backspace}, {"Delete", Qt::Key_Delete},
        {"Tab", Qt::Key_Tab},      {"Home", Qt::Key_Home},           {"End", Qt::Key_End},
        {"Left", Qt::Key_Left},    {"Right", Qt::Key_Right},         {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},    {"PgUp", Qt::Key_PageUp},         {"PgDown", Qt::Key_PageDown}};
    static const QRegularExpression token(QStringLiteral("<((?:[SC]-)*)(\\w+)>|(.)"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (const auto& m : token.globalMatch(script)) {
        if (m.captured(3).isEmpty()) {
            Qt::KeyboardModifiers modifiers;
            if (m.captured(1).contains(u'S'))
                modifiers |= Qt::ShiftModifier;
            if (m.captured(1).contains(u'C'))
                modifiers |= Qt::ControlModifier;
            QVERIFY2(keys.contains(m.captured(2)), qPrintable(m.captured(2)));
            QTest::keyClick(w, keys[m.captured(2)], modifiers);
        } else {
            QTest::keyClick(w, m.captured(3).at(0).toLatin1());
        }
    }
}

// A point in the left part of the cell of (line, column), in viewport coordinates.
QPoint pointAt(LargeTextEdit& edit, qsizetype line, qsizetype column) {
    const TextPosition anchor = edit.anchorPosition(), cursor = edit.cursorPosition();
    edit.setCursorPosition(line, column);
    const QRect caret = edit.cursorRect();
    edit.setSelection(anchor, cursor);
    return {caret.x() + 1, caret.center().y()};
}

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

} // namespace

class TestLargeTextEdit : public QObject {
    Q_OBJECT

private slots:
    void linesJoinExactly_data();
    void linesJoinExactly();
    void linesFollowRandomEdits();
    void linesBuiltOnAnotherThread();
    void keysEdit_data();
    void keysEdit();
    void columnsFollowTabsNotGlyphs();
    void editorKeysBeforeWindowShortcuts();
    void clipboardRoundTrip_data();
    void clipboardRoundTrip();
    void mouseSelects();
    void undoRestoresEveryStep();
    void modifiedFollowsUndo();
    void readOnlyRefusesChanges();
    void longestLineSetsHorizontalRange();
    void contextMenuEnablesWhatApplies();
    void inputMethodCommitsAndAnswers();
    void accessibleTextAndCaret();
    void cellsHoldTheirCharacters_data();
    void cellsHoldTheirCharacters();
};

void TestLargeTextEdit::linesJoinExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty") << QString() << 1;
    QTest::newRow("one line") << QStringLiteral("abc") << 1;
    QTest::newRow("ends with a break") << QStringLiteral("abc\n") << 2;
    QTest::newRow("only breaks") << QStringLiteral("\n\n") << 3;
    QTest::newRow("controls and tabs")
        << QStringLiteral("a\tb\x01\r\n") + QChar(0) + QStringLiteral("\x7f\u0085\u00ad\n\tz") << 3;
}

void TestLargeTextEdit::linesJoinExactly() {
    QFETCH(QString, text);
    QFETCH(int, lines);
    const TextLines built(text);
    QCOMPARE(built.lineCount(), lines);
    QCOMPARE(built.toString(), text);
    QCOMPARE(built.length(), text.size());
    LargeTextEdit edit;
    edit.setPlainText(text);
    QCOMPARE(edit.toPlainText(), text);
    QCOMPARE(edit.lineCount(), lines);
}

// Random edits against a list of strings: text, widths, the widest line, columns and offsets,
// over short lines and lines long enough to keep a tab index.
void TestLargeTextEdit::linesFollowRandomEdits() {
    QRandomGenerator random(20240611);
    auto randomText = [&](int size) {
        static const QString alphabet = QStringLiteral("abc\t\t xyz\n");
        QString s;
        for (int i = 0; i < size; ++i)
            s += alphabet[random.bounded(int(alphabet.size()))];
        return s;
    };
    QString longLine;
    for (int i = 0; i < 5000; ++i)
        longLine += i % 7 == 3 ? u'\t' : QChar(u'a' + i % 26);
    QStringList model = {QStringLiteral("short\tline"), longLine, QString(), longLine + u'\t'};
    TextLines lines(model.join(u'\n'));

    for (int step = 0; step < 600; ++step) {
        auto randomPosition = [&] {
            const auto line = random.bounded(int(model.size()));
            return TextPosition{line, random.bounded(int(model[line].size()) + 1)};
        };
        TextPosition from = randomPosition(), to = randomPosition();
        if (to < from)
            std::swap(from, to);
        if (to.line - from.line > 2)
            to = from;
        const int size = random.bounded(10) == 0 ? random.bounded(3000) : random.bounded(6);
        const QString inserted = random.bounded(3) == 0 ? QString() : randomText(size);

        const QString joined = model.join(u'\n');
        qsizetype start = 0;
        for (qsizetype n = 0; n < from.line; ++n)
            start += model[n].size() + 1;
        qsizetype end = 0;
        for (qsizetype n = 0; n < to.line; ++n)
            end += model[n].size() + 1;
        model = (joined.left(start + from.column) + inserted + joined.mid(end + to.column))
                    .split(u'\n');
        const TextPosition after = lines.replace(from, to, inserted);

        QCOMPARE(lines.toString(), model.join(u'\n'));
        QCOMPARE(after, TextLines::endOfInsert(from, inserted));
        qsizetype widest = 0;
        for (qsizetype n = 0; n < model.size(); ++n) {
            const QString& line = model[n];
            QCOMPARE(lines.lineWidth(n), naiveColumn(line, line.size()));
            widest = std::max(widest, lines.lineWidth(n));
            for (int probe = 0; probe < 4; ++probe) {
                const auto i = random.bounded(int(line.size()) + 1);
                QCOMPARE(lines.columnAt({n, i}), naiveColumn(line, i));
                const auto column = random.bounded(int(lines.lineWidth(n)) + 10);
                QCOMPARE(lines.indexAtColumn(n, column), naiveIndexAt(line, column));
            }
        }
        QCOMPARE(lines.longestLineWidth(), widest);
        const auto offset = random.bounded(int(lines.length()) + 1);
        QCOMPARE(lines.offsetOf(lines.positionAt(offset)), offset);
        QCOMPARE(lines.text(lines.positionAt(0), lines.positionAt(offset)),
                 model.join(u'\n').left(offset));
    }
}

void TestLargeTextEdit::linesBuiltOnAnotherThread() {
    QString text;
    for (int n = 0; n < 20000; ++n)
        text += QStringLiteral("LINE_%1\tSET_TOWN(%1)\n").arg(n);
    text += QString(300000, u'x'); // and a long last line

    TextLines built;
    std::unique_ptr<QThread> worker(QThread::create([&] { built = TextLines(text); }));
    worker->start();
    QVERIFY(worker->wait(60000));

    LargeTextEdit edit;
    edit.setPlainText(QStringLiteral("edited"));
    edit.insertPlainText(QStringLiteral("!"));
    QVERIFY(edit.isModified());
    QSignalSpy modified(&edit, &LargeTextEdit::modificationChanged);
    QSignalSpy changed(&edit, &LargeTextEdit::textChanged);
    edit.setLines(std::move(built));
    QCOMPARE(edit.toPlainText(), text);
    QCOMPARE(edit.lineCount(), 20001);
    QCOMPARE(edit.longestLineWidth(), 300000);
    QVERIFY(!edit.isModified());
    QVERIFY(!edit.isUndoAvailable());
    QCOMPARE(modified.count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(built.lineCount(), 1); // what was moved from is an empty text
    QCOMPARE(built.toString(), QString());
}

void TestLargeTextEdit::keysEdit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedLine");
    QTest::addColumn<int>("expectedColumn");
    auto row = [](const char* name, const QString& text, int line, int column, const char* keys,
                  const QString& expected, int expectedLine, int expectedColumn) {
        QTest::newRow(name) << text << line << column << QString::fromLatin1(keys) << expected
                            << expectedLine << expectedColumn;
    };
    row("typing", "", 0, 0, "abc", "abc", 0, 3);
    row("enter splits", "abcd", 0, 2, "<Enter>", "ab\ncd", 1, 0);
    row("backspace joins", "ab\ncd", 1, 0, "<Backspace>", "abcd", 0, 2);
    row("delete joins", "ab\ncd", 0, 2, "<Delete>", "abcd", 0, 2);
    row("backspace at start", "ab", 0, 0, "<Backspace>", "ab", 0, 0);
    row("delete at end", "ab\n", 1, 0, "<Delete>", "ab\n", 1, 0);
    row("tab inserts", "ab", 0, 1, "<Tab>", "a\tb", 0, 2);
    row("backspace over tab", "a\tb", 0, 2, "<Backspace>", "ab", 0, 1);
    row("home and end", "abc\ndef", 1, 1, "<End>X<Home>Y", "abc\nYdefX", 1, 1);
    row("document ends", "abc\ndef", 0, 1, "<C-End>X<C-Home>Y", "Yabc\ndefX", 0, 1);
    row("up and down keep the column", "abcdef\nx\nabcdef", 0, 4, "<Down><Down>Z",
        "abcdef\nx\nabcdZef", 2, 5);
    row("up onto a tab", "\tx\nabcdefghij", 1, 9, "<Up>Z", "\txZ\nabcdefghij", 0, 3);
    row("up from the first line", "abc", 0, 2, "<Up>Z", "Zabc", 0, 1);
    row("words", "alpha beta  gamma", 0, 0, "<C-Right><C-Right>X<C-Left>Y", "alpha beta  YXgamma",
        0, 13);
    row("typing replaces a selection", "hello world", 0, 0, "<S-C-Right>bye ", "bye world", 0, 4);
    row("selection across lines", "ab\ncd\nef", 0, 1, "<S-Down><S-Right><Delete>", "a\nef", 0, 1);
    row("ctrl backspace", "one two", 0, 7, "<C-Backspace>", "one ", 0, 4);
    row("arrow collapses a selection", "abcdef", 0, 1, "<S-Right><S-Right><Left>X", "aXbcdef", 0,
        2);
    row("surrogate pair", QStringLiteral(u"a\U0001F600b"), 0, 1, "<Right><Backspace>", "ab", 0, 1);
    row("control characters", QStringLiteral("a\x01\x02z"), 0, 0, "<Right><Right><Delete>",
        "a\x01z", 0, 2);
}

void TestLargeTextEdit::keysEdit() {
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, keys);
    auto edit = shownEditor(text);
    edit->setCursorPosition(line, column);
    type(edit.get(), keys);
    QTEST(edit->toPlainText(), "expected");
    QTEST(int(edit->cursorLine()), "expectedLine");
    QTEST(int(edit->cursorColumn()), "expectedColumn");
}

// The cursor stands at column × cell width whatever the characters before it; a tab reaches
// the next multiple of 8, and a point in a cell finds that cell again.
void TestLargeTextEdit::columnsFollowTabsNotGlyphs() {
    const QString text = QStringLiteral(u"\tx\nabc\tx\nabcdefgh\tx\n\u4E2D\u05D0\x01x");
    const QList<QList<int>> columns = {
        {0, 8, 9}, {0, 1, 2, 3, 8, 9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 16, 17}, {0, 1, 2, 3, 4}};
    auto edit = shownEditor(text);
    const qreal cell = QFontMetricsF(edit->font()).horizontalAdvance(u'M');
    const int origin = pointAt(*edit, 0, 0).x();
    for (int line = 0; line < columns.size(); ++line) {
        for (int i = 0; i < columns[line].size(); ++i) {
            const QPoint point = pointAt(*edit, line, i);
            QVERIFY2(qAbs(point.x() - origin - columns[line][i] * cell) <= 1,
                     qPrintable(QStringLiteral("line %1 index %2").arg(line).arg(i)));
            QCOMPARE(edit->positionAt(point), (TextPosition{line, i}));
        }
    }
}

// The window's menus have shortcuts; the editor's own keys reach the editor first, others the
// window.
void TestLargeTextEdit::editorKeysBeforeWindowShortcuts() {
    QWidget window;
    auto* edit = new LargeTextEdit(&window);
    edit->setPlainText(QStringLiteral("abc"));
    QList<QAction*> actions;
    for (const auto& key : {QKeySequence(QKeySequence::SelectAll), QKeySequence(Qt::Key_End),
                            QKeySequence(Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_S)}) {
        actions << new QAction(&window);
        actions.last()->setShortcut(key);
        window.addAction(actions.last());
    }
    QSignalSpy selectAll(actions[0], &QAction::triggered), end(actions[1], &QAction::triggered),
        x(actions[2], &QAction::triggered), save(actions[3], &QAction::triggered);
    window.show();
    window.activateWindow();
    edit->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    pressStandard(edit, QKeySequence::SelectAll);
    QCOMPARE(edit->selectedText(), QStringLiteral("abc"));
    type(edit, "<End>x");
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), QStringLiteral("abcx"));
    QCOMPARE(selectAll.count() + end.count() + x.count(), 0);
    QCOMPARE(save.count(), 1);
    edit->setReadOnly(true);
    type(edit, "x");
    QCOMPARE(x.count(), 1); // typing is not the editor's business when it is read-only
}

void TestLargeTextEdit::clipboardRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("selected");
    const QString controls =
        QStringLiteral("a\tb\x01\n") + QChar(0) + QStringLiteral("\x7f\t\n\u0085z");
    QTest::newRow("within a line") << QStringLiteral("abc def") << "<Right><S-Right><S-Right>"
                                   << "bc";
    QTest::newRow("across lines") << QStringLiteral("abc\ndef\nghi") << "<Right><S-Down><S-Down>"
                                  << "bc\ndef\ng";
    QTest::newRow("tabs and controls") << controls << "<S-C-End>" << controls;
    QTest::newRow("line breaks only") << QStringLiteral("\n\n\n") << "<Down><S-Down><S-Down>"
                                      << "\n\n";
}

void TestLargeTextEdit::clipboardRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(QString, selected);
    auto edit = shownEditor(text);
    type(edit.get(), keys);
    QCOMPARE(edit->selectedText(), selected);
    const TextPosition start = edit->selectionStart();

    QGuiApplication::clipboard()->clear();
    pressStandard(edit.get(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), selected);
    QCOMPARE(edit->toPlainText(), text);

    pressStandard(edit.get(), QKeySequence::Cut);
    QCOMPARE(edit->toPlainText().size(), text.size() - selected.size());
    QCOMPARE(edit->cursorPosition(), start);
    pressStandard(edit.get(), QKeySequence::Paste);
    QCOMPARE(edit->toPlainText(), text);
    QCOMPARE(edit->cursorPosition(), TextLines::endOfInsert(start, selected));
}

void TestLargeTextEdit::mouseSelects() {
    auto edit = shownEditor(QStringLiteral("alpha beta\ngamma delta\nepsilon"));
    QWidget* viewport = edit->viewport();
    const QPoint a = pointAt(*edit, 0, 2), b = pointAt(*edit, 1, 3), c = pointAt(*edit, 2, 1),
                 d = pointAt(*edit, 1, 8);

    QTest::mouseClick(viewport, Qt::LeftButton, {}, a);
    QCOMPARE(edit->cursorPosition(), (TextPosition{0, 2}));
    QVERIFY(!edit->hasSelection());

    sendMouse(viewport, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, b, Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(edit->selectedText(), QStringLiteral("pha beta\ngam"));

    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, c);
    QCOMPARE(edit->selectedText(), QStringLiteral("pha beta\ngamma delta\ne"));

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, d);
    QCOMPARE(edit->selectedText(), QStringLiteral("delta"));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, d);
    QCOMPARE(edit->selectedText(), QStringLiteral("gamma delta\n"));

    // Dragging below the text scrolls it and selects on.
    QStringList many;
    for (int n = 0; n < 200; ++n)
        many << QStringLiteral("line %1").arg(n);
    edit->setPlainText(many.join(u'\n'));
    sendMouse(viewport, QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    const QPoint below(a.x(), viewport->height() + 40);
    sendMouse(viewport, QEvent::MouseMove, below, Qt::NoButton, Qt::LeftButton);
    QTRY_VERIFY(edit->verticalScrollBar()->value() > 5);
    sendMouse(viewport, QEvent::MouseButtonRelease, below, Qt::LeftButton, Qt::NoButton);
    QVERIFY(edit->cursorLine() > edit->verticalScrollBar()->value());
    QCOMPARE(edit->selectionStart(), (TextPosition{0, 2}));
}

// Every step undone gives back the exact text before it; redoing gives back the text after.
void TestLargeTextEdit::undoRestoresEveryStep() {
    auto edit = shownEditor(QStringLiteral("one\ttwo\nthree\n\x01four\n"));
    QStringList texts = {edit->toPlainText()};
    auto step = [&](int line, int column, const char* keys) {
        edit->setCursorPosition(line, column);
        type(edit.get(), QString::fromLatin1(keys));
        texts << edit->toPlainText();
    };
    step(0, 3, "<Enter>");
    step(1, 0, "<Backspace>");
    step(1, 5, "<Delete>");
    step(0, 2, "<S-Down><S-Down>X");
    QGuiApplication::clipboard()->setText(QStringLiteral("p\n\tq\n"));
    edit->setCursorPosition(0, 1);
    pressStandard(edit.get(), QKeySequence::Paste);
    texts << edit->toPlainText();
    step(0, 0, "<S-C-End><Delete>");
    QCOMPARE(texts.last(), QString());

    for (int n = int(texts.size()) - 2; n >= 0; --n) {
        pressStandard(edit.get(), QKeySequence::Undo);
        QCOMPARE(edit->toPlainText(), texts[n]);
    }
    QVERIFY(!edit->isUndoAvailable());
    for (int n = 1; n < texts.size(); ++n) {
        pressStandard(edit.get(), QKeySequence::Redo);
        QCOMPARE(edit->toPlainText(), texts[n]);
    }
    QVERIFY(!edit->isRedoAvailable());

    // Typed text comes back a word at a time.
    edit->setPlainText(QString());
    type(edit.get(), "say hello  there");
    for (const char* before : {"say hello  ", "say ", ""}) {
        edit->undo();
        QCOMPARE(edit->toPlainText(), QString::fromLatin1(before));
    }
}

void TestLargeTextEdit::modifiedFollowsUndo() {
    auto edit = shownEditor(QStringLiteral("map"));
    QSignalSpy spy(edit.get(), &LargeTextEdit::modificationChanged);
    QList<bool> expected;
    auto check = [&](bool modified) {
        QCOMPARE(edit->isModified(), modified);
        if (expected.isEmpty() || expected.last() != modified)
            expected << modified;
        QCOMPARE(spy.size(), expected.size());
        for (int i = 0; i < spy.size(); ++i)
            QCOMPARE(spy[i][0].toBool(), expected[i]);
    };
    QVERIFY(!edit->isModified());
    type(edit.get(), "<End>x");
    check(true);
    type(edit.get(), "y");
    check(true);
    edit->setModified(false); // saved
    check(false);
    type(edit.get(), "<Enter>");
    check(true);
    edit->undo(); // back to the saved text
    check(false);
    QCOMPARE(edit->toPlainText(), QStringLiteral("mapxy"));
    edit->undo();
    check(true);
    edit->redo();
    check(false);
    edit->undo();
    type(edit.get(), "z"); // the saved text can no longer be reached
    check(true);
    edit->undo();
    check(true);
    QCOMPARE(edit->toPlainText(), QStringLiteral("map"));
    edit->setPlainText(QStringLiteral("other"));
    check(false);
}

void TestLargeTextEdit::readOnlyRefusesChanges() {
    const QString text = QStringLiteral("read\nonly");
    auto edit = shownEditor(text);
    edit->setReadOnly(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    type(edit.get(), "<Right>ab<Enter><Backspace><Delete><Tab>");
    for (const auto key : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo})
        pressStandard(edit.get(), key);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ime"));
    QCoreApplication::sendEvent(edit.get(), &commit);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit.get());
    accessible->editableTextInterface()->insertText(0, QStringLiteral("screen reader"));
    QCOMPARE(edit->toPlainText(), text);
    QVERIFY(!edit->isModified());
    QVERIFY(accessible->state().readOnly);

    type(edit.get(), "<S-Down>");
    pressStandard(edit.get(), QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ead\no"));
}

void TestLargeTextEdit::longestLineSetsHorizontalRange() {
    const QString wide(200, u'w');
    auto edit = shownEditor(QStringLiteral("short\n") + wide + QStringLiteral("\n\tx"));
    const qreal cell = QFontMetricsF(edit->font()).horizontalAdvance(u'M');
    QScrollBar* bar = edit->horizontalScrollBar();
    const int range200 = bar->maximum();
    QCOMPARE(edit->longestLineWidth(), 200);
    QVERIFY(range200 > 0);
    auto expectWidth = [&](qsizetype width) {
        QCOMPARE(edit->longestLineWidth(), width);
        QVERIFY2(qAbs(bar->maximum() - range200 - (width - 200) * cell) <= 1,
                 qPrintable(QStringLiteral("%1 columns, range %2").arg(width).arg(bar->maximum())));
    };
    edit->setCursorPosition(2, 0);
    type(edit.get(), "<Tab><Tab>");
    expectWidth(200); // "\t\t\tx" is 25 columns
    edit->setCursorPosition(0, 0);
    type(edit.get(), QString(210, u'n'));
    expectWidth(215);
    type(edit.get(), "<Home><S-End><Delete>");
    expectWidth(200);
    edit->setCursorPosition(1, 100);
    type(edit.get(), "<Tab>");
    expectWidth(204); // 100 columns, a tab to 104, then 100 more
    type(edit.get(), "<Up><S-Down><S-Down><Delete>");
    QCOMPARE(edit->longestLineWidth(), 0);
    QCOMPARE(bar->maximum(), 0);
}

void TestLargeTextEdit::contextMenuEnablesWhatApplies() {
    auto enabled = [](LargeTextEdit& edit) {
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList names;
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                names << action->objectName();
        }
        return names.join(u' ');
    };
    auto edit = shownEditor();
    QGuiApplication::clipboard()->clear();
    QCOMPARE(enabled(*edit), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    type(edit.get(), "ab<S-Left>");
    QCOMPARE(enabled(*edit), QStringLiteral("edit-undo edit-cut edit-copy edit-paste edit-delete "
                                            "select-all"));
    edit->undo();
    QCOMPARE(enabled(*edit), QStringLiteral("edit-redo edit-paste"));
    edit->redo();
    edit->setReadOnly(true);
    type(edit.get(), "<S-Left>");
    QCOMPARE(enabled(*edit), QStringLiteral("edit-copy select-all"));
    edit->setReadOnly(false);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->findChild<QAction*>(QStringLiteral("edit-delete"))->trigger();
    QCOMPARE(edit->toPlainText(), QStringLiteral("a"));
}

void TestLargeTextEdit::inputMethodCommitsAndAnswers() {
    auto edit = shownEditor(QStringLiteral("first\nab"));
    edit->setCursorPosition(1, 1);
    QInputMethodEvent compose(QStringLiteral("e"), {});
    QCoreApplication::sendEvent(edit.get(), &compose);
    QCOMPARE(edit->toPlainText(), QStringLiteral("first\nab")); // still composing
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral(u"\u00e9\u00e8"));
    QCoreApplication::sendEvent(edit.get(), &commit);
    QCOMPARE(edit->toPlainText(), QStringLiteral(u"first\na\u00e9\u00e8b"));
    QCOMPARE(edit->inputMethodQuery(Qt::ImSurroundingText).toString(),
             QStringLiteral(u"a\u00e9\u00e8b"));
    QCOMPARE(edit->inputMethodQuery(Qt::ImCursorPosition).toInt(), 3);
    QCOMPARE(edit->inputMethodQuery(Qt::ImAbsolutePosition).toInt(), 9);
    const QRect caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QCOMPARE(caret, edit->cursorRect().translated(edit->viewport()->geometry().topLeft()));
    QVERIFY(edit->rect().contains(caret));
    QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled));
}

void TestLargeTextEdit::accessibleTextAndCaret() {
    const QString text = QStringLiteral("first line\nsecond\tline\nlast");
    auto edit = shownEditor(text);
    edit->setAccessibleName(QStringLiteral("Map script"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit.get());
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Map script"));
    QCOMPARE(accessible->text(QAccessible::Value), text);
    QVERIFY(accessible->state().editable && accessible->state().multiLine);
    QAccessibleTextInterface* textInterface = accessible->textInterface();
    QVERIFY(textInterface);
    QCOMPARE(textInterface->characterCount(), text.size());
    QCOMPARE(textInterface->text(0, int(text.size())), text);
    QCOMPARE(textInterface->text(6, 17), QStringLiteral("line\nsecond"));

    edit->setCursorPosition(1, 3);
    QCOMPARE(textInterface->cursorPosition(), 14);
    textInterface->setCursorPosition(24);
    QCOMPARE(edit->cursorPosition(), (TextPosition{2, 1}));
    edit->setSelection({0, 6}, {1, 2});
    int start = 0, end = 0;
    QCOMPARE(textInterface->selectionCount(), 1);
    textInterface->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(6, 13));
    QCOMPARE(textInterface->textAtOffset(14, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("second\tline\n"));
    QCOMPARE(std::pair(start, end), std::pair(11, 23));
    QCOMPARE(textInterface->textAtOffset(15, QAccessible::WordBoundary, &start, &end),
             QStringLiteral("second"));
    QCOMPARE(textInterface->textAfterOffset(0, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("second\tline\n"));
    QVERIFY(edit->viewport()
                ->rect()
                .translated(edit->viewport()->mapToGlobal(QPoint()))
                .contains(textInterface->characterRect(14).center()));

    accessible->editableTextInterface()->replaceText(0, 5, QStringLiteral("1st"));
    QCOMPARE(edit->toPlainText(), QStringLiteral("1st line\nsecond\tline\nlast"));
    QVERIFY(edit->isModified());
}

void TestLargeTextEdit::cellsHoldTheirCharacters_data() {
    QTest::addColumn<QString>("lead");
    QTest::newRow("wide glyphs") << QStringLiteral(u"\u4E2D\u6587");
    QTest::newRow("right to left") << QStringLiteral(u"\u05D0\u05D1");
    QTest::newRow("controls") << QStringLiteral("\x01\x1b");
    QTest::newRow("combining mark") << QStringLiteral(u"a\u0301");
    QTest::newRow("no-break and soft hyphen") << QStringLiteral(u"\u00a0\u00ad");
}

// Whatever two characters lead a line, the characters after them are drawn exactly where they
// are after two spaces; and no control character is drawn as nothing.
void TestLargeTextEdit::cellsHoldTheirCharacters() {
    QFETCH(QString, lead);
    auto edit = shownEditor(lead + QStringLiteral(" xyz\n   xyz\n\n\x01"));
    const qreal cell = QFontMetricsF(edit->font()).horizontalAdvance(u'M');
    const QPoint origin = pointAt(*edit, 0, 0) - QPoint(1, 0);
    const int height = edit->cursorRect().height();
    const QImage image = edit->viewport()->grab().toImage();
    auto cells = [&](int line, int from, int to) {
        return image.copy(QRect(qCeil(origin.x() + from * cell), line * height + 4,
                                int((to - from) * cell) - 1, height));
    };
    QCOMPARE(cells(0, 3, 6), cells(1, 3, 6));
    QVERIFY(cells(1, 3, 6) != cells(2, 3, 6)); // "xyz" is drawn at all
    QVERIFY(cells(3, 0, 1) != cells(2, 0, 1)); // so is a control character
}

QTEST_MAIN(TestLargeTextEdit)
#include "test_large_text_edit.moc"

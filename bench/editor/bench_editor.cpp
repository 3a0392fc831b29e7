// The map editor on large texts: LargeTextEdit beside QPlainTextEdit (no wrap, monospace, as
// the map window had it), in one run, on a 2 MB map of one line and a 10 MB map of many lines.
// For each: setting the text and painting it; a text prepared on another thread taken over by
// the interface thread and painted; a keystroke at the start and at the end of the text, each
// with its paint. Prints
// medians and the ratio QPlainTextEdit / LargeTextEdit.
//   bench_editor [KEYS [RUNS]]   (defaults 10 and 3; needs a display, or QT_QPA_PLATFORM=offscreen)

#include "ui/fonts.h"
#include "ui/largetextedit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace gk;

namespace {

// Statements of the shape of a map script, numbered so that no two lines are alike.
QString statement(int n) {
    switch (n % 4) {
    case 0:
        return QStringLiteral("PLACE_BUILDING(%1, \"%2.50,%3.25\", \"NORTH\");")
            .arg(n)
            .arg(n % 997)
            .arg(n % 613);
    case 1:
        return QStringLiteral("\tSET_WEIGHT(%1, \"FOOD\", 0.%2);").arg(n).arg(n % 89);
    case 2:
        return QStringLiteral("\t\tPLACE_PERSON(%1, \"%2,%3\", \"PERSON_KIND_%4\", 0, 0);")
            .arg(n)
            .arg(n % 401)
            .arg(n % 977)
            .arg(n % 7);
    default:
        return QStringLiteral("// area %1").arg(n);
    }
}

QString mapText(qsizetype size, const QString& separator) {
    QString text;
    text.reserve(size + 200);
    for (int n = 0; text.size() < size; ++n)
        text += statement(n) + separator;
    text.truncate(size);
    return text;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double millisecondsOf(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// A shown top-level editor of the map window's size and font.
template <class Editor> std::unique_ptr<Editor> shown() {
    auto editor = std::make_unique<Editor>();
    editor->setFont(monospaceFont());
    editor->resize(660, 393);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if constexpr (std::is_same_v<Editor, QPlainTextEdit>)
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->show();
    QElapsedTimer wait;
    wait.start();
    while (!(editor->windowHandle() && editor->windowHandle()->isExposed()) &&
           wait.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    editor->setFocus();
    return editor;
}

void settle(QAbstractScrollArea* editor) {
    QCoreApplication::processEvents();
    editor->viewport()->repaint();
}

void keystroke(QAbstractScrollArea* editor) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(editor, &press);
    QCoreApplication::sendEvent(editor, &release);
    settle(editor);
}

QString plainText(QPlainTextEdit* editor) { return editor->document()->toPlainText(); }

struct Row {
    QString what;
    double plain;
    double large;
};

// The three measurements of one text, for both editors.
std::vector<Row> measure(const QString& name, const QString& text, int keys, int runs) {
    std::vector<Row> rows;
    auto plain = shown<QPlainTextEdit>();
    auto large = shown<LargeTextEdit>();

    std::vector<double> p, l;
    for (int r = 0; r < runs; ++r) {
        p.push_back(millisecondsOf([&] {
            plain->setPlainText(text);
            settle(plain.get());
        }));
        l.push_back(millisecondsOf([&] {
            large->setPlainText(text);
            settle(large.get());
        }));
    }
    rows.push_back({name + QStringLiteral(": setPlainText + paint"), median(p), median(l)});

    // Prepared on another thread, as the map window reads a large map: a QTextDocument there
    // and setDocument here, or TextLines there and setLines here. Only the interface thread's
    // part is timed.
    p.clear();
    l.clear();
    for (int r = 0; r < runs; ++r) {
        QTextDocument* document = nullptr;
        TextLines lines;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            document = new QTextDocument;
            document->setPlainText(text);
            document->moveToThread(QCoreApplication::instance()->thread());
            lines = TextLines(text);
        }));
        worker->start();
        worker->wait();
        p.push_back(millisecondsOf([&] {
            // setDocument deletes the editor's first document itself.
            const QPointer<QTextDocument> old = plain->document();
            document->setParent(plain.get());
            document->setDocumentLayout(new QPlainTextDocumentLayout(document));
            document->setDefaultFont(plain->font());
            plain->setDocument(document);
            if (old && old->parent() == plain.get())
                delete old.data();
            settle(plain.get());
        }));
        l.push_back(millisecondsOf([&] {
            large->setLines(std::move(lines));
            settle(large.get());
        }));
    }
    rows.push_back(
        {name + QStringLiteral(": prepared elsewhere, taken + paint"), median(p), median(l)});

    p.clear();
    l.clear();
    plain->moveCursor(QTextCursor::Start);
    large->setCursorPosition(0, 0);
    for (int k = 0; k < keys; ++k) {
        p.push_back(millisecondsOf([&] { keystroke(plain.get()); }));
        l.push_back(millisecondsOf([&] { keystroke(large.get()); }));
    }
    rows.push_back(
        {name + QStringLiteral(": keystroke at the start + paint"), median(p), median(l)});

    // At the end the view shows the far right of a long line.
    p.clear();
    l.clear();
    plain->moveCursor(QTextCursor::End);
    large->setCursorPosition(large->lineCount() - 1,
                             large->lines().lineLength(large->lineCount() - 1));
    for (int k = 0; k < keys; ++k) {
        p.push_back(millisecondsOf([&] { keystroke(plain.get()); }));
        l.push_back(millisecondsOf([&] { keystroke(large.get()); }));
    }
    rows.push_back({name + QStringLiteral(": keystroke at the end + paint"), median(p), median(l)});
    if (plainText(plain.get()) != large->toPlainText())
        qFatal("the two editors disagree on the text of %s", qPrintable(name));
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int keys = args.size() > 1 ? args[1].toInt() : 10;
    const int runs = args.size() > 2 ? args[2].toInt() : 3;

    const QString oneLine = mapText(2 * 1024 * 1024, QStringLiteral(" "));
    const QString manyLines = mapText(10 * 1024 * 1024, QStringLiteral("\n"));
    std::vector<Row> rows = measure(QStringLiteral("2 MB, one line"), oneLine, keys, runs);
    for (Row& row : measure(QStringLiteral("10 MB, many lines"), manyLines, keys, runs))
        rows.push_back(row);

    std::printf("%d keystrokes, %d runs of each load; medians in ms (platform %s)\n", keys, runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-52s %14s %14s %9s\n", "", "QPlainTextEdit", "LargeTextEdit", "ratio");
    for (const Row& row : rows)
        std::printf("%-52s %14.2f %14.2f %8.0fx\n", qPrintable(row.what), row.plain, row.large,
                    row.large > 0 ? row.plain / row.large : 0.0);
    std::fflush(stdout);
    return 0;
}

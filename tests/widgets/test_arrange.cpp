// The arrangement by which a window's controls make room for captions longer than designed:
// columns and rows of buttons, labels beside their fields, labels that wrap, boxes, and the
// window that grows when the room is not there.

#include "ui/arrange.h"
#include "ui/place.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace gk;

namespace {

// Longer than any control below is designed for, in any font; kMedium, too, but it fits in
// the room the windows below can make without growing.
const QString kLong = QStringLiteral("A caption much longer than its control was designed for");
const QString kMedium = QStringLiteral("Longer than designed");

int textWidth(const QWidget* w, const QString& text) {
    return w->fontMetrics().horizontalAdvance(text);
}

} // namespace

class TestArrange : public QObject {
    Q_OBJECT
private slots:
    void designedLayoutStaysWhenCaptionsFit();
    void columnWidensAndTheTextBoxYields();
    void rowSpreadsAndTheWindowGrows();
    void labelGrowsLeftAndItsFieldsMoveTogether();
    void wrappedLabelTakesItsLinesAndTheWindowFollows();
    void boxGrowsForWhatItHolds();
    void textShownLaterKeepsTheRoomItHas();
    void inPlaceTheContainerKeepsItsSize();
};

void TestArrange::designedLayoutStaysWhenCaptionsFit() {
    // Frames that share a pixel, a field that hangs past the edge, a picture: as designed.
    QWidget w;
    w.resize(300, 100);
    auto* a = place<QPushButton>(&w, "a", QStringLiteral("A"), Px{8, 8, 80, 25});
    auto* b = place<QPushButton>(&w, "b", QStringLiteral("B"), Px{87, 8, 80, 25});
    auto* name = place<QLabel>(&w, "name", QStringLiteral("N"), Px{8, 40, 100, 17});
    auto* field = place<QLineEdit>(&w, "field", Px{112, 40, 190, 19});
    auto* picture = place<QLabel>(&w, "picture", Px{-10, 64, 40, 40});
    picture->setFrameShape(QFrame::Box);
    arrangeControls(&w);
    QCOMPARE(a->geometry(), QRect(8, 8, 80, 25));
    QCOMPARE(b->geometry(), QRect(87, 8, 80, 25));
    QCOMPARE(name->geometry(), QRect(8, 40, 100, 17));
    QCOMPARE(field->geometry(), QRect(112, 40, 190, 19));
    QCOMPARE(picture->geometry(), QRect(-10, 64, 40, 40));
    QCOMPARE(w.size(), QSize(300, 100));
}

void TestArrange::columnWidensAndTheTextBoxYields() {
    // A column against the window's right edge beside a text box: the column as wide as its
    // widest caption needs, its margin kept; the box gives up the room.
    QWidget w;
    w.resize(400, 200);
    auto* box = place<QPlainTextEdit>(&w, "box", Px{0, 0, 300, 200});
    auto* first = place<QPushButton>(&w, "first", QStringLiteral("Load"), Px{304, 8, 88, 25});
    auto* second = place<QPushButton>(&w, "second", kMedium, Px{304, 40, 88, 25});
    arrangeControls(&w);
    QCOMPARE(w.size(), QSize(400, 200));
    QVERIFY(second->width() > textWidth(second, kMedium));
    QCOMPARE(first->geometry().left(), second->geometry().left());
    QCOMPARE(first->width(), second->width());
    QCOMPARE(second->geometry().right(), 391);
    QCOMPARE(box->geometry().left(), 0);
    QCOMPARE(box->geometry().right() + 1 + 4, second->x());
    QCOMPARE(box->height(), 200);
}

void TestArrange::rowSpreadsAndTheWindowGrows() {
    // A row of buttons spreads to the right, sharing frame pixels as designed; the button
    // against the right edge and the text box across the window follow the grown window.
    QWidget w;
    w.setFixedSize(400, 150);
    auto* one = place<QPushButton>(&w, "one", kLong, Px{8, 8, 80, 25});
    auto* two = place<QPushButton>(&w, "two", kLong, Px{87, 8, 80, 25});
    auto* three = place<QPushButton>(&w, "three", QStringLiteral("Test"), Px{166, 8, 80, 25});
    auto* close = place<QPushButton>(&w, "close", QStringLiteral("Close"), Px{312, 8, 80, 25});
    auto* box = place<QPlainTextEdit>(&w, "box", Px{8, 40, 384, 102});
    arrangeControls(&w);
    QCOMPARE(one->x(), 8);
    QVERIFY(one->width() > textWidth(one, kLong));
    QCOMPARE(two->x(), one->x() + one->width() - 1);
    QCOMPARE(three->x(), two->x() + two->width() - 1);
    QCOMPARE(three->width(), 80);
    QVERIFY(close->x() >= three->x() + three->width() + 4);
    QVERIFY(w.width() > 400);
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.width() - close->geometry().right() - 1, 8);
    QCOMPARE(box->geometry(), QRect(8, 40, w.width() - 16, 102));
    QCOMPARE(w.height(), 150);
}

void TestArrange::labelGrowsLeftAndItsFieldsMoveTogether() {
    // Labels aligned right against a column of fields: a long one grows left to the window's
    // margin, then the fields' left edge moves right, together; their right edges stay.
    QWidget w;
    w.resize(400, 120);
    const auto label = [&](const char* name, const QString& text, int y) {
        auto* l = place<QLabel>(&w, name, text, Px{8, y, 60, 17});
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    auto* shortLabel = label("shortLabel", QStringLiteral("N"), 8);
    auto* shortField = place<QLineEdit>(&w, "shortField", Px{72, 8, 200, 19});
    auto* longLabel = label("longLabel", kMedium, 40);
    auto* longField = place<QLineEdit>(&w, "longField", Px{72, 40, 200, 19});
    arrangeControls(&w);
    QCOMPARE(longLabel->x(), 8);
    QVERIFY(longLabel->width() >= textWidth(longLabel, kMedium));
    QCOMPARE(longField->x(), longLabel->geometry().right() + 1 + 4);
    QCOMPARE(shortField->x(), longField->x());
    QCOMPARE(longField->geometry().right(), 271);
    QCOMPARE(shortField->geometry().right(), 271);
    QCOMPARE(shortLabel->geometry().right(), longLabel->geometry().right());
    QCOMPARE(w.size(), QSize(400, 120));
}

void TestArrange::wrappedLabelTakesItsLinesAndTheWindowFollows() {
    // A label that wraps takes the lines its text needs, when the window is made and whenever
    // its text changes; what is below moves down, the button against the bottom edge follows
    // the taller window, and a shown window never shrinks again.
    QWidget w;
    w.resize(300, 120);
    auto* note = place<QLabel>(&w, "note", QStringLiteral("One line."), Px{8, 8, 284, 17});
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* field = place<QLineEdit>(&w, "field", Px{8, 32, 284, 19});
    auto* ok = place<QPushButton>(&w, "ok", QStringLiteral("OK"), Px{212, 88, 80, 25});
    arrangeControls(&w);
    QCOMPARE(w.size(), QSize(300, 120));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    note->setText(QStringList(5, kLong).join(QLatin1Char(' ')));
    QTRY_VERIFY(note->height() >= note->heightForWidth(note->width()));
    QVERIFY(note->height() > 17);
    QVERIFY(field->y() >= note->geometry().bottom() + 1 + 4);
    QCOMPARE(field->height(), 19);
    QVERIFY(w.height() > 120);
    QCOMPARE(w.height() - ok->geometry().bottom() - 1, 7);
    QVERIFY(w.minimumSize().isNull());

    const QSize grown = w.size();
    note->setText(QStringLiteral("One line."));
    arrangeControls(&w);
    QCOMPARE(w.size(), grown);
    QCOMPARE(note->geometry(), QRect(8, 8, 284, 17));
}

void TestArrange::boxGrowsForWhatItHolds() {
    QWidget w;
    w.setFixedSize(300, 130);
    auto* box = place<QGroupBox>(&w, "box", QStringLiteral("Box"), Px{8, 8, 284, 80});
    auto* note = place<QLabel>(box, "note", QStringList(4, kLong).join(QLatin1Char(' ')),
                               Px{8, 20, 268, 17});
    note->setWordWrap(true);
    auto* inside = place<QLineEdit>(box, "inside", Px{8, 48, 268, 19});
    auto* ok = place<QPushButton>(&w, "ok", QStringLiteral("OK"), Px{212, 96, 80, 25});
    arrangeControls(&w);
    QVERIFY(note->height() >= note->heightForWidth(note->width()));
    QVERIFY(inside->y() >= note->geometry().bottom() + 1 + 4);
    QVERIFY(box->height() >= inside->geometry().bottom() + 1 + 4);
    QVERIFY(ok->y() >= box->geometry().bottom() + 1 + 4);
    QCOMPARE(w.height() - ok->geometry().bottom() - 1, 9);
    QCOMPARE(w.width(), 300);
}

void TestArrange::textShownLaterKeepsTheRoomItHas() {
    // A label that shows a path or a state given after the window was laid out shows it in the
    // room it has: it neither pushes its neighbours nor grows the window.
    QWidget w;
    w.resize(300, 60);
    place<QLabel>(&w, "caption", QStringLiteral("Path:"), Px{8, 8, 40, 17});
    auto* path = place<QLabel>(&w, "path", QStringLiteral("None"), Px{52, 8, 160, 17});
    auto* go = place<QPushButton>(&w, "go", QStringLiteral("Go"), Px{220, 4, 72, 25});
    arrangeControls(&w);
    path->setText(QStringLiteral("/a/path/far/too/long/for/the/label/beside/the/button/file.txt"));
    arrangeControls(&w);
    QCOMPARE(path->geometry(), QRect(52, 8, 160, 17));
    QCOMPARE(go->geometry(), QRect(220, 4, 72, 25));
    QCOMPARE(w.size(), QSize(300, 60));
}

void TestArrange::inPlaceTheContainerKeepsItsSize() {
    // For a window that places its controls for each size it takes: the button near the edge
    // grows back from it, the container keeps its size.
    QWidget w;
    w.resize(300, 100);
    auto* button = place<QPushButton>(&w, "button", kMedium, Px{200, 8, 90, 25});
    arrangeInPlace(&w);
    QCOMPARE(w.size(), QSize(300, 100));
    QVERIFY(button->width() > textWidth(button, kMedium));
    QCOMPARE(button->geometry().right(), 289);
}

QTEST_MAIN(TestArrange)
#include "test_arrange.moc"

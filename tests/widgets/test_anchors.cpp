// The anchoring rule by which windows place their controls for the size they have.

#include "ui/anchors.h"

#include <QTest>

using namespace gk;

namespace {

// Every row is for a window designed 40 x 20 pixels large.
const QSize kDesigned(600, 300);

Twips twips(const QRect& px) {
    return Twips{pxToTwips(px.x()), pxToTwips(px.y()), pxToTwips(px.width()),
                 pxToTwips(px.height())};
}

} // namespace

class TestAnchors : public QObject {
    Q_OBJECT
private slots:
    void controlForWindowSize_data();
    void controlForWindowSize();
};

void TestAnchors::controlForWindowSize_data() {
    QTest::addColumn<QRect>("design");
    QTest::addColumn<int>("anchors");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("least"); // pixels; none when empty
    QTest::addColumn<QRect>("expected");
    const QRect box(30, 12, 8, 4);
    const int leftTop = AnchorLeft | AnchorTop;
    const int all = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;
    const int rightBottom = AnchorRight | AnchorBottom;
    QTest::newRow("left and top: stays") << box << leftTop << QSize(90, 70) << QSize() << box;
    QTest::newRow("all edges: stretches")
        << box << all << QSize(90, 70) << QSize() << QRect(30, 12, 58, 54);
    QTest::newRow("all edges, smaller: shrinks")
        << box << all << QSize(35, 18) << QSize() << QRect(30, 12, 3, 2);
    QTest::newRow("all edges: no less than nothing")
        << box << all << QSize(10, 5) << QSize() << QRect(30, 12, 0, 0);
    QTest::newRow("right and bottom: moves")
        << box << rightBottom << QSize(90, 70) << QSize() << QRect(80, 62, 8, 4);
    QTest::newRow("right and bottom, smaller: moves back")
        << box << rightBottom << QSize(10, 5) << QSize() << QRect(0, -3, 8, 4);
    QTest::newRow("moves no further back than at the least size")
        << box << rightBottom << QSize(10, 5) << QSize(20, 16) << QRect(10, 8, 8, 4);
    QTest::newRow("follows again above the least size")
        << box << rightBottom << QSize(25, 17) << QSize(20, 16) << QRect(15, 9, 8, 4);
    QTest::newRow("stretches to nothing whatever the least size")
        << QRect(2, 12, 30, 4) << (AnchorLeft | AnchorRight | AnchorBottom) << QSize(10, 5)
        << QSize(20, 16) << QRect(2, 8, 0, 4);
    QTest::newRow("right alone moves across only")
        << box << int(AnchorRight) << QSize(90, 70) << QSize() << QRect(80, 12, 8, 4);
    QTest::newRow("top and bottom stretch down only")
        << box << (AnchorTop | AnchorBottom) << QSize(90, 70) << QSize() << QRect(30, 12, 8, 54);
}

void TestAnchors::controlForWindowSize() {
    QFETCH(QRect, design);
    QFETCH(int, anchors);
    QFETCH(QSize, size);
    QFETCH(QSize, least);
    QFETCH(QRect, expected);
    const QSize leastTwips =
        least.isEmpty() ? QSize(0, 0) : QSize(pxToTwips(least.width()), pxToTwips(least.height()));
    QCOMPARE(anchoredRect(twips(design), anchors, size, kDesigned, leastTwips), expected);
}

QTEST_APPLESS_MAIN(TestAnchors)
#include "test_anchors.moc"

// The icon files installed for the desktop are the picture the program paints as its window
// icon: the SVG holds the painter's very shapes, the PNGs are that picture at each size, and
// the Windows icon holds the PNGs.

#include "ui/style.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

const QString IconDir = QStringLiteral(GK_ICON_DIR);
const QString AppId = QStringLiteral(GK_APP_ID);

QString svgPath() { return IconDir + QStringLiteral("/hicolor/scalable/apps/") + AppId + ".svg"; }

QString pngPath(int size) {
    return IconDir + QStringLiteral("/hicolor/%1x%1/apps/").arg(size) + AppId + ".png";
}

// A size x size picture of a drawing on the 16 x 16 canvas, painted as the program paints.
QImage painted(int size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        paint(p);
    }
    return image;
}

// The shapes of the icon's SVG, in order, as painter calls. Only what the icon uses is
// understood (rect and ellipse with a fill colour); anything else fails the read.
struct SvgShapes {
    QString viewBox;
    std::vector<std::function<void(QPainter&)>> shapes;
    QString error;

    void paint(QPainter& p) const {
        p.setPen(Qt::NoPen);
        for (const auto& shape : shapes)
            shape(p);
    }
};

SvgShapes readSvg(const QString& path) {
    SvgShapes svg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        svg.error = file.errorString();
        return svg;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto num = [&](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        const QColor fill(a.value(QLatin1String("fill")).toString());
        if (xml.name() == QLatin1String("svg")) {
            svg.viewBox = a.value(QLatin1String("viewBox")).toString();
        } else if (xml.name() == QLatin1String("rect")) {
            const QRectF r(num("x"), num("y"), num("width"), num("height"));
            svg.shapes.push_back([=](QPainter& p) {
                p.setBrush(fill);
                p.drawRect(r);
            });
        } else if (xml.name() == QLatin1String("ellipse")) {
            const QPointF c(num("cx"), num("cy"));
            const double rx = num("rx"), ry = num("ry");
            svg.shapes.push_back([=](QPainter& p) {
                p.setBrush(fill);
                p.drawEllipse(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry));
            });
        } else {
            svg.error = QStringLiteral("unexpected element <%1>").arg(xml.name());
            return svg;
        }
        if (xml.name() != QLatin1String("svg") && !fill.isValid())
            svg.error = QStringLiteral("a <%1> without a fill colour").arg(xml.name());
    }
    if (xml.hasError())
        svg.error = xml.errorString();
    return svg;
}

// How far two pictures of one size stand apart: the largest difference of a channel
// (premultiplied, so a transparent pixel's colour does not count) and how many pixels differ
// by more than a rasteriser's rounding.
struct Difference {
    int largest = 0;
    int pixels = 0;
};

Difference difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Difference d;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int most =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            d.largest = std::max(d.largest, most);
            if (most > 8)
                ++d.pixels;
        }
    }
    return d;
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private slots:
    // The SVG's shapes, painted, are pixel for pixel the program's window icon at each size it
    // has: a moved, resized or recoloured shape on either side shows.
    void svgIsThePaintersPicture_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 64})
            QTest::addRow("%d px", size) << size;
    }
    void svgIsThePaintersPicture() {
        QFETCH(int, size);
        const SvgShapes svg = readSvg(svgPath());
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        QCOMPARE(svg.viewBox, QStringLiteral("0 0 16 16"));
        QCOMPARE(svg.shapes.size(), size_t(3));

        const QImage program = gk::grovekeepIcon().pixmap(size, size).toImage();
        QCOMPARE(program.size(), QSize(size, size));
        const QImage fromSvg = painted(size, [&](QPainter& p) { svg.paint(p); });
        QCOMPARE(difference(program, fromSvg).largest, 0);
    }

    // Each PNG has its folder's size and is the SVG's picture as another rasteriser draws it:
    // edges may round differently, nothing more.
    void pngsAreThePicture_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void pngsAreThePicture() {
        QFETCH(int, size);
        const SvgShapes svg = readSvg(svgPath());
        QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));
        QImage png(pngPath(size));
        QVERIFY2(!png.isNull(), qPrintable(pngPath(size)));
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());

        // librsvg and Qt round an edge pixel up to about 30 levels apart, on a band about as
        // long as the outlines. A colour changed by about ten levels goes beyond, and so does
        // a shape moved by a quarter of a canvas unit from 48 pixels up.
        const Difference d = difference(png, painted(size, [&](QPainter& p) { svg.paint(p); }));
        QVERIFY2(d.largest <= 40,
                 qPrintable(QStringLiteral("largest difference %1").arg(d.largest)));
        QVERIFY2(d.pixels <= 2 * size,
                 qPrintable(QStringLiteral("%1 pixels differ").arg(d.pixels)));
    }

    // The Windows icon holds exactly the 16, 32, 48 and 256 pixel pictures, each the PNG of
    // its size (so a re-rendered PNG without a re-made .ico shows).
    void icoHoldsThePngs() {
        QImageReader reader(IconDir + QStringLiteral("/grovekeep.ico"), "ico");
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QList<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            sizes << image.width();
            const QImage png(pngPath(image.width()));
            QVERIFY2(!png.isNull(), qPrintable(pngPath(image.width())));
            QCOMPARE(difference(image, png).largest, 0);
        }
        QCOMPARE(sizes, QList<int>({16, 32, 48, 256}));
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"

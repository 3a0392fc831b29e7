#include "readme/readme.h"

#include <QTest>

using namespace gk;

Q_DECLARE_METATYPE(gk::ReadmeFields)

namespace {
const QString M = QStringLiteral("maker.example");
const QString F = QStringLiteral("fan.example");
} // namespace

class TestReadme : public QObject {
    Q_OBJECT
private slots:
    void composition_data();
    void composition();
    void mapSentenceIsExact();
};

void TestReadme::composition_data() {
    QTest::addColumn<ReadmeFields>("fields");
    QTest::addColumn<QString>("readme");
    const QString head = "--- Installation instructions ---\r\n\r\n";
    ReadmeFields empty;
    empty.type = "Specify File Type";
    QTest::newRow("all empty: five lines") << empty << "---  ---\r\n\r\n" + head + "\r\n";

    ReadmeFields title = empty;
    title.title = "River Run";
    QTest::newRow("title only") << title << "--- River Run ---\r\n\r\n" + head + "\r\n";
    ReadmeFields name = empty;
    name.name = "Ann";
    QTest::newRow("name only") << name << "---  by Ann ---\r\n\r\n" + head + "\r\n";
    ReadmeFields both = title;
    both.name = "Ann";
    QTest::newRow("title and name") << both << "--- River Run by Ann ---\r\n\r\n" + head + "\r\n";

    ReadmeFields single = empty;
    single.title = "R";
    single.name = "A";
    single.address = "x";
    single.description = "d";
    single.comments = "c";
    single.thanks = "t";
    single.contact = "@";
    QTest::newRow("one character is left out") << single << "---  ---\r\n\r\n" + head + "\r\n";
    ReadmeFields two = empty;
    two.title = "Ri";
    QTest::newRow("two characters count") << two << "--- Ri ---\r\n\r\n" + head + "\r\n";

    ReadmeFields map = empty;
    map.type = "Map";
    QTest::newRow("map: six lines")
        << map << "---  ---\r\n\r\n" + head + mapInstallSentence(M, F) + "\r\n\r\n";
    for (const char* other : {"map", " Map", "Landscape", "Tatoos", "Skin", "Mod"}) {
        ReadmeFields t = empty;
        t.type = other;
        QTest::addRow("type \"%s\": no sentence", other) << t << "---  ---\r\n\r\n" + head + "\r\n";
    }

    ReadmeFields contact = empty;
    contact.contact = "ann@example.org";
    QTest::newRow("contact block ends the readme")
        << contact
        << "---  ---\r\n\r\n" + head + "\r\n" +
               "--- If you need to contact me then mail \r\nann@example.org\r\n ---\r\n";

    ReadmeFields all;
    all.type = "Map";
    all.title = "Isle";
    all.name = "Bo";
    all.address = "www.bo.example";
    all.description = "Line one\r\nLine two";
    all.comments = "  spaced  ";
    all.thanks = "Cy";
    all.contact = "bo@x";
    QTest::newRow("every block in its order")
        << all
        << "--- Isle by Bo ---\r\n\r\n" + head + mapInstallSentence(M, F) + "\r\n\r\n" +
               "*** Please visit my site at www.bo.example ***\r\n\r\n"
               "--- Description ---\r\nLine one\r\nLine two\r\n\r\n"
               "--- Comments ---\r\n  spaced  \r\n\r\n"
               "-- Thanks to ---\r\nCy\r\n\r\n"
               "--- If you need to contact me then mail \r\nbo@x\r\n ---\r\n";
}

void TestReadme::composition() {
    QFETCH(ReadmeFields, fields);
    QFETCH(QString, readme);
    QCOMPARE(ComposeReadme(fields, M, F), readme);
    QVERIFY(readme.endsWith("\r\n"));
}

void TestReadme::mapSentenceIsExact() {
    QCOMPARE(mapInstallSentence(M, F),
             QStringLiteral("Either use the Grovekeep downloadble from maker.example and "
                            "fan.example/fernlow to install or copy the .txt file in to the Black "
                            "and White install directory  & \\Sripts\\Playgrounds ."));
}

QTEST_GUILESS_MAIN(TestReadme)
#include "test_readme.moc"

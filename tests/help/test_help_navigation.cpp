// The help viewer's page navigation: what Back and Forward show and where HistoryPos goes.

#include "help/navigation.h"

#include <QTest>

using gk::help::History;

namespace {

const QString kFolder = QStringLiteral("/help/HelpFiles/");

// What an address names: "A" for a page, "/" for the help folder alone, "-" for none.
QString shown(const QString& address) {
    if (address.isEmpty())
        return QStringLiteral("-");
    if (address == kFolder)
        return QStringLiteral("/");
    return address.startsWith(kFolder) ? address.mid(kFolder.size()) : QStringLiteral("?");
}

QStringList entries(const History& h) {
    QStringList out;
    for (int i = 0; i < History::EntryCount; ++i)
        out << h.entry(i);
    while (!out.isEmpty() && out.constLast().isEmpty())
        out.removeLast();
    return out;
}

} // namespace

class TestHelpNavigation : public QObject {
    Q_OBJECT
private slots:
    void walks_data();
    void walks();
    void sixteenBitLimits();
};

// A walk is a list of steps: "<" is Back, ">" is Forward, any other word opens that page
// from the list. Its trace has one item per step: "@pos" after opening a page,
// "shown@pos" after Back or Forward.
void TestHelpNavigation::walks_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("trace");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("two pages, back and forward, past the end")
        << "A B < > > >" << QStringList{"@1", "@2", "A@1", "B@2", "/@3", "/@4"}
        << QStringList{"A", "B"};
    QTest::newRow("back from the first page opened, then a new page replaces it")
        << "A < C" << QStringList{"@1", "-@0", "@1"} << QStringList{"C"};
    QTest::newRow("back at the start: pages not entered until forward reaches 0")
        << "< A B > C" << QStringList{"-@-1", "@-1", "@-1", "-@0", "@1"} << QStringList{"C"};
    QTest::newRow("back twice, a new page overwrites, later entries stay")
        << "A B C D < < E > >"
        << QStringList{"@1", "@2", "@3", "@4", "C@3", "B@2", "@3", "D@4", "/@5"}
        << QStringList{"A", "B", "E", "D"};
    QTest::newRow("forward at the start shows the first entry, never filled")
        << "> A" << QStringList{"/@1", "@2"} << QStringList{QString(), "A"};

    QString eleven;
    QStringList filled;
    QStringList trace;
    for (int n = 1; n <= 11; ++n) {
        eleven += QStringLiteral("p%1 ").arg(n);
        filled << QStringLiteral("p%1").arg(n);
        trace << QStringLiteral("@%1").arg(n);
    }
    QTest::newRow("twelfth page shown but not entered; back shows index 9")
        << eleven + "p12 p13 < p14" << trace + QStringList{"@11", "@11", "p10@10", "@11"}
        << filled.mid(0, 10) + QStringList{"p14"};
}

void TestHelpNavigation::walks() {
    QFETCH(QString, steps);
    QFETCH(QStringList, trace);
    QFETCH(QStringList, entries);
    History h(kFolder);
    QCOMPARE(h.HistoryPos(), qint16(0));
    QStringList actual;
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QStringLiteral("<")) {
            const QString address = h.Back();
            actual << shown(address) + QLatin1Char('@') + QString::number(h.HistoryPos());
        } else if (step == QStringLiteral(">")) {
            const QString address = h.Forward();
            actual << shown(address) + QLatin1Char('@') + QString::number(h.HistoryPos());
        } else {
            h.RecordHistory(step);
            actual << QLatin1Char('@') + QString::number(h.HistoryPos());
        }
    }
    QCOMPARE(actual, trace);
    QCOMPARE(::entries(h), entries);
}

void TestHelpNavigation::sixteenBitLimits() {
    // Back moves the position down by one each time until a subtraction of 2 would leave
    // the range; that subtraction is skipped, the addition of 1 is not.
    History down(kFolder);
    down.RecordHistory(QStringLiteral("A"));
    down.Back();
    QCOMPARE(down.HistoryPos(), qint16(0));
    for (int n = 1; n <= 32767; ++n)
        QVERIFY(down.Back().isEmpty());
    QCOMPARE(down.HistoryPos(), qint16(-32767));
    QVERIFY(down.Back().isEmpty());
    QCOMPARE(down.HistoryPos(), qint16(-32766));
    QVERIFY(down.Back().isEmpty());
    QCOMPARE(down.HistoryPos(), qint16(-32767));
    down.RecordHistory(QStringLiteral("B"));
    QCOMPARE(down.HistoryPos(), qint16(-32767));
    QCOMPARE(down.entry(0), QStringLiteral("A"));

    // Forward stops at the top of the range.
    History up(kFolder);
    up.RecordHistory(QStringLiteral("A"));
    for (int n = 2; n <= 32767; ++n)
        up.Forward();
    QCOMPARE(up.HistoryPos(), qint16(32767));
    QVERIFY(up.Forward().isEmpty());
    QCOMPARE(up.HistoryPos(), qint16(32767));
    up.RecordHistory(QStringLiteral("B"));
    QCOMPARE(up.HistoryPos(), qint16(32767));
    // Back from the top: 32765, outside the table, then 32766.
    QVERIFY(up.Back().isEmpty());
    QCOMPARE(up.HistoryPos(), qint16(32766));
    QCOMPARE(::entries(up), QStringList{"A"});
}

QTEST_APPLESS_MAIN(TestHelpNavigation)
#include "test_help_navigation.moc"

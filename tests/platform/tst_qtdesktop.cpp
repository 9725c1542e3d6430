// What the real desktop reads from a locale, and which programs stand in for a Windows one.
#include "platform/qtdesktop.h"

#include <QTest>

class TestQtDesktop : public QObject {
    Q_OBJECT

private slots:
    void measurementSystemOfLocale_data();
    void measurementSystemOfLocale();
    void standInsForCommandLine_data();
    void standInsForCommandLine();
};

static constexpr int noSystem = -1;

void TestQtDesktop::measurementSystemOfLocale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("expected");
    QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << int(QLocale::ImperialUSSystem);
    QTest::newRow("en_GB") << QLocale(QStringLiteral("en_GB")) << int(QLocale::ImperialUKSystem);
    QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << int(QLocale::MetricSystem);
    QTest::newRow("C") << QLocale::c() << noSystem;
}

void TestQtDesktop::measurementSystemOfLocale() {
    QFETCH(QLocale, locale);
    QFETCH(int, expected);
    const auto system = measurementSystemOf(locale);
    QCOMPARE(system ? int(*system) : noSystem, expected);
}

void TestQtDesktop::standInsForCommandLine_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("calculator");
    QTest::newRow("calculator as the window names it") << "Calc.exe" << true;
    QTest::newRow("calculator in upper case") << "CALC.EXE" << true;
    QTest::newRow("another program") << "Notepad.exe" << false;
}

void TestQtDesktop::standInsForCommandLine() {
    QFETCH(QString, commandLine);
    QFETCH(bool, calculator);
    const QStringList programs = standInsFor(commandLine);
#ifdef Q_OS_WIN
    calculator = false; // Windows starts every command line itself
#endif
    if (!calculator)
        QCOMPARE(programs, QStringList{commandLine});
    else
        QVERIFY(programs.contains("gnome-calculator") && programs.contains("kcalc"));
}

QTEST_MAIN(TestQtDesktop)
#include "tst_qtdesktop.moc"

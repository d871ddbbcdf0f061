// The shared test fixtures: each one sets its seam while it lives and puts it back.
#include "platform/vb/App.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Variant.h"
#include "tests/support/EndTrap.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/SourceTree.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>

using namespace testsupport;

class tst_Fixtures : public QObject {
    Q_OBJECT
private slots:
    void tempProgramFolder();
    void fixedClock();
    void regionalPin();
    void endTrap();
    void sourceTree();
    void runsOffscreen();
};

void tst_Fixtures::tempProgramFolder()
{
    const QString before = vb::App::Path();
    QString folder;
    {
        TempProgramFolder program;
        QVERIFY(program.isValid());
        folder = program.path();
        QCOMPARE(vb::App::Path(), folder);
        const QString written = program.write("Styles/Azul.qss", "QWidget {}\r\n");
        QVERIFY(QFile::exists(written));
        QCOMPARE(program.read("Styles/Azul.qss"), QByteArray("QWidget {}\r\n"));
        program.copyFromSource("CMakeLists.txt", "copia.txt");
        QVERIFY(program.read("copia.txt").contains("project("));
    }
    QCOMPARE(vb::App::Path(), before);
    QVERIFY(!QDir(folder).exists());
}

void tst_Fixtures::fixedClock()
{
    {
        FixedClock clock(2024, 3, 15, 10, 30);
        QCOMPARE(vb::App::Now().date(), QDate(2024, 3, 15));
        QCOMPARE(vb::App::Now().time(), QTime(10, 30));
        clock.advance(90);
        QCOMPARE(vb::App::Now().time(), QTime(10, 31, 30));
    }
    // The real clock again.
    QVERIFY(qAbs(vb::App::Now().secsTo(vb::NaiveDate(QDateTime::currentDateTime()))) < 5);
}

void tst_Fixtures::regionalPin()
{
    const vb::RegionalSettings before = vb::Regional();
    {
        RegionalPin pin(QLatin1Char(','), QLatin1Char('.'), 2);
        QCOMPARE(vb::Regional().decimalSeparator, QChar(','));
        QCOMPARE(vb::Regional().thousandsSeparator, QChar('.'));
    }
    QCOMPARE(vb::Regional().decimalSeparator, before.decimalSeparator);
    QCOMPARE(vb::Regional().thousandsSeparator, before.thousandsSeparator);
    QCOMPARE(vb::Regional().moneyDecimals, before.moneyDecimals);
}

void tst_Fixtures::endTrap()
{
    EndTrap trap;
    int code = -1;
    try {
        vb::App::End(3);
    } catch (const ProgramEnded& e) {
        code = e.code;
    }
    QCOMPARE(code, 3);
    QCOMPARE(trap.calls(), 1);
}

void tst_Fixtures::sourceTree()
{
    QVERIFY(QFile::exists(SourcePath("platform/ui/Operator.h")));
}

void tst_Fixtures::runsOffscreen()
{
    QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
}

TESTSUPPORT_MAIN(tst_Fixtures)
#include "tst_Fixtures.moc"

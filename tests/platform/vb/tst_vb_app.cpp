// App seams (Path, EXEName, command line, clock, End, Environ) and the auto holder.
#include "platform/vb/App.h"
#include "platform/vb/Holder.h"
#include "platform/vb/Variant.h"
#include <QCoreApplication>
#include <QDir>
#include <QTest>

namespace {
struct EndCalled {
    int code;
};
struct Counted {
    static inline int made = 0;
    int value = 0;
    Counted() { ++made; }
};
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        qunsetenv("RECEPCION_PROGRAM_DIR");
        vb::App::ResetAll();
    }
    void cleanupTestCase() { vb::App::ResetAll(); }

    void pathDefaultsToExecutableFolder()
    {
        QCOMPARE(vb::App::Path(), QCoreApplication::applicationDirPath());
    }

    void pathFromEnvironment()
    {
        qputenv("RECEPCION_PROGRAM_DIR", "/tmp/programa");
        QCOMPARE(vb::App::Path(), QStringLiteral("/tmp/programa"));
        vb::App::SetPath(QStringLiteral("/srv/otra"));
        QCOMPARE(vb::App::Path(), QStringLiteral("/srv/otra"));   // the seam wins
        vb::App::ResetAll();
        QCOMPARE(vb::App::Path(), QStringLiteral("/tmp/programa"));
    }

    void exeName()
    {
        QCOMPARE(vb::App::EXEName(), QStringLiteral("tst_vb_app"));
        vb::App::SetEXEName(QStringLiteral("RecepcionMutuales"));
        QCOMPARE(vb::App::EXEName(), QStringLiteral("RecepcionMutuales"));
        vb::App::ResetAll();
        QCOMPARE(vb::App::EXEName(), QStringLiteral("tst_vb_app"));
    }

    void commandLine()
    {
        vb::App::SetCommandFromArgs({QStringLiteral("/u:ADMIN"), QStringLiteral("demo")});
        QCOMPARE(vb::App::Command(), QStringLiteral("/u:ADMIN demo"));
        vb::App::SetCommand(QStringLiteral("x"));
        QCOMPARE(vb::App::Command(), QStringLiteral("x"));
        vb::App::ResetAll();
        QStringList args = QCoreApplication::arguments();
        args.removeFirst();
        QCOMPARE(vb::App::Command(), args.join(QLatin1Char(' ')));
    }

    void clock()
    {
        const QDateTime fixed = vb::MakeDate(QDate(2024, 3, 15), QTime(10, 30));
        vb::App::SetClock([&] { return fixed; });
        QCOMPARE(vb::App::Now(), fixed);
        // A clock that answers a local time still gives a naive date.
        vb::App::SetClock([] { return QDateTime(QDate(2024, 3, 31), QTime(2, 30), Qt::LocalTime); });
        QCOMPARE(vb::App::Now().timeSpec(), Qt::UTC);
        QCOMPARE(vb::App::Now().time(), QTime(2, 30));
        vb::App::SetClock({});
        const QDateTime now = vb::App::Now();
        QCOMPARE(now.timeSpec(), Qt::UTC);
        QCOMPARE(now.time().msec(), 0);
        QVERIFY(qAbs(now.date().daysTo(QDate::currentDate())) <= 1);
    }

    void end()
    {
        vb::App::SetEndHandler([](int code) { throw EndCalled{code}; });
        try {
            vb::App::End(3);
            QFAIL("End returned");
        } catch (const EndCalled& e) {
            QCOMPARE(e.code, 3);
        }
    }

    // What the program does last (closing its connections) runs before any End, once,
    // even when it calls End itself.
    void beforeEndRunsFirstAndOnce()
    {
        QStringList steps;
        vb::App::SetBeforeEnd([&] {
            steps << QStringLiteral("before");
            vb::App::End(9);
        });
        vb::App::SetEndHandler([&](int code) {
            steps << QStringLiteral("end %1").arg(code);
            throw EndCalled{code};
        });
        for (int code : {4, 5}) {
            try {
                vb::App::End(code);
            } catch (const EndCalled&) {
            }
        }
        QCOMPARE(steps, (QStringList{"before", "end 9", "end 5"}));
        vb::App::ResetAll();
    }

    void environ()
    {
        qputenv("VB_TEST_VALUE", "abc");
        QCOMPARE(vb::App::Environ(QStringLiteral("VB_TEST_VALUE")), QStringLiteral("abc"));
        QCOMPARE(vb::App::Environ(QStringLiteral("VB_TEST_MISSING")), QString());
    }

    void holder()
    {
        vb::AutoHolder<Counted> h;
        QVERIFY(!h.exists());
        h->value = 5;
        QVERIFY(h.exists());
        QCOMPARE(Counted::made, 1);
        QCOMPARE((*h).value, 5);
        QCOMPARE(h.get()->value, 5);
        QCOMPARE(Counted::made, 1);
        h.reset();   // Set x = Nothing: the next use makes a new one
        QVERIFY(!h.exists());
        QCOMPARE(h->value, 0);
        QCOMPARE(Counted::made, 2);
        auto replacement = std::make_unique<Counted>();
        replacement->value = 9;
        h.set(std::move(replacement));
        QCOMPARE(h->value, 9);
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_vb_app.moc"

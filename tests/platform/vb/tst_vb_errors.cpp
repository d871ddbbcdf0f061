// VbError and the error answer: 4 retries the statement, 5 goes on, anything else leaves.
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/VbError.h"
#include <QTest>
#include <stdexcept>

Q_DECLARE_METATYPE(vb::Step)

class TestErrors : public QObject {
    Q_OBJECT
private slots:
    void raise()
    {
        try {
            vb::Raise(6);
            QFAIL("no error");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 6);
            QCOMPARE(e.Description, QStringLiteral("Overflow"));
            QVERIFY(e.Source.isEmpty());
            QVERIFY(QByteArray(e.what()).contains("Overflow"));
        }
        try {
            vb::Raise(3021, QStringLiteral("own text"), QStringLiteral("ADODB.Recordset"));
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, 3021);
            QCOMPARE(e.Description, QStringLiteral("own text"));
            QCOMPARE(e.Source, QStringLiteral("ADODB.Recordset"));
        }
    }

    void standardTexts()
    {
        QCOMPARE(vb::StandardDescription(5), QStringLiteral("Invalid procedure call or argument"));
        QCOMPARE(vb::StandardDescription(11), QStringLiteral("Division by zero"));
        QCOMPARE(vb::StandardDescription(13), QStringLiteral("Type mismatch"));
        QCOMPARE(vb::StandardDescription(94), QStringLiteral("Invalid use of Null"));
        QVERIFY(!vb::StandardDescription(12345).isEmpty());
        QCOMPARE(vb::VbError(11).Description, QStringLiteral("Division by zero"));
    }

    void guarded_data()
    {
        QTest::addColumn<int>("failures");          // how many times the statement fails first
        QTest::addColumn<QList<int>>("answers");    // the operator's answers, in order
        QTest::addColumn<vb::Step>("step");
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("asked");
        QTest::newRow("no error") << 0 << QList<int>{} << vb::Step::Done << 1 << 0;
        QTest::newRow("retry then success") << 1 << QList<int>{4} << vb::Step::Done << 2 << 1;
        QTest::newRow("retry, retry, success") << 2 << QList<int>{4, 4} << vb::Step::Done << 3 << 2;
        QTest::newRow("retry then ignore") << 99 << QList<int>{4, 5} << vb::Step::Next << 2 << 2;
        QTest::newRow("retry then no") << 99 << QList<int>{4, 7} << vb::Step::Leave << 2 << 2;
        QTest::newRow("ignore") << 99 << QList<int>{5} << vb::Step::Next << 1 << 1;
        QTest::newRow("abort") << 99 << QList<int>{3} << vb::Step::Leave << 1 << 1;
        QTest::newRow("ok") << 99 << QList<int>{1} << vb::Step::Leave << 1 << 1;
        QTest::newRow("cancel") << 99 << QList<int>{2} << vb::Step::Leave << 1 << 1;
        QTest::newRow("yes") << 99 << QList<int>{6} << vb::Step::Leave << 1 << 1;
    }
    void guarded()
    {
        QFETCH(int, failures);
        QFETCH(QList<int>, answers);
        QFETCH(vb::Step, step);
        QFETCH(int, runs);
        QFETCH(int, asked);
        int ran = 0, questions = 0;
        const vb::ErrorHandler handler = [&](const vb::VbError& e, const QString& routine) {
            [&] {
                QCOMPARE(e.Number, 53);
                QCOMPARE(routine, QStringLiteral("CargaBases"));
            }();
            // A scripted operator: running out of answers is a test failure, not a loop.
            if (questions >= answers.size())
                throw std::logic_error("unexpected question");
            return answers.at(questions++);
        };
        const vb::Step got = vb::guarded(handler, QStringLiteral("CargaBases"), [&] {
            ++ran;
            if (ran <= failures)
                vb::Raise(53);
        });
        QCOMPARE(got, step);
        QCOMPARE(ran, runs);
        QCOMPARE(questions, asked);
        QCOMPARE(vb::shouldLeave(got), step == vb::Step::Leave);
    }

    void onlyVbErrorIsCaught()
    {
        int asked = 0;
        const vb::ErrorHandler handler = [&](const vb::VbError&, const QString&) { ++asked; return 5; };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, vb::guarded(handler, QStringLiteral("R"), [] {
            throw std::runtime_error("not a VB error");
        }));
        QCOMPARE(asked, 0);
    }

    void withoutHandlerLeaves()
    {
        QCOMPARE(vb::guarded({}, QStringLiteral("R"), [] { vb::Raise(5); }), vb::Step::Leave);
    }
};

QTEST_GUILESS_MAIN(TestErrors)
#include "tst_vb_errors.moc"

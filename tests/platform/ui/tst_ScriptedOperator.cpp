// The scripted operator every GUI test relies on: answers in order, records what was
// shown, and turns an unexpected prompt or an unused answer into a test failure.
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

using namespace ui;
using testsupport::ScriptedOperator;
using testsupport::ShownPrompt;
using testsupport::UnexpectedPrompt;

class tst_ScriptedOperator : public QObject {
    Q_OBJECT
private slots:
    void answersInOrderAndRecords();
    void unexpectedPromptFailsAndThrows_data();
    void unexpectedPromptFailsAndThrows();
    void retryLoopEndsOnUnexpectedPrompt();
    void unusedAnswersFailTheTest();
    void modalFormIsScripted();
    void restoresThePreviousOperator();
};

void tst_ScriptedOperator::answersInOrderAndRecords()
{
    ScriptedOperator op;
    op.expectMsgBox("¿Graba", vbYes, "Recepción", vbYesNo + vbQuestion)
        .expectInputBox("Número", "123")
        .expectMsgBox("", vbOK)
        .expectDate(QDate(2024, 3, 15))
        .expectOpenFile("/tmp/lote.txt");

    QCOMPARE(MsgBox("¿Graba el comprobante?", vbYesNo + vbQuestion, "Recepción"), int(vbYes));
    QCOMPARE(InputBox("Número de lote", "Lote", "0"), QString("123"));
    QCOMPARE(MsgBox("Listo"), int(vbOK));
    QCOMPARE(PickDate("Fecha", QDate(2024, 1, 2)), QDate(2024, 3, 15));
    QCOMPARE(OpenFileName("Abrir lote", "Texto|*.txt"), QString("/tmp/lote.txt"));
    QCOMPARE(op.pending(), 0);

    const QList<ShownPrompt>& shown = op.shown();
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown[0].kind, ShownPrompt::Message);
    QCOMPARE(shown[0].text, QString("¿Graba el comprobante?"));
    QCOMPARE(shown[0].title, QString("Recepción"));
    QCOMPARE(shown[0].style, vbYesNo + vbQuestion);
    QCOMPARE(shown[1].kind, ShownPrompt::Input);
    QCOMPARE(shown[1].title, QString("Lote"));
    QCOMPARE(shown[2].style, int(vbOKOnly));
    QCOMPARE(shown[2].title, QString());
    QCOMPARE(shown[3].kind, ShownPrompt::Date);
    QCOMPARE(shown[3].text, QString("02/01/2024"));
    QCOMPARE(shown[4].kind, ShownPrompt::File);
}

void tst_ScriptedOperator::unexpectedPromptFailsAndThrows_data()
{
    QTest::addColumn<bool>("scripted");     // one MsgBox "Grabar" / vbYes / "Recepción" / 36 expected
    QTest::addColumn<int>("kind");          // what the code under test then shows
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("reason");

    const int yesNoQuestion = vbYesNo + vbQuestion;
    QTest::newRow("nothing expected") << false << int(ShownPrompt::Message) << "Grabar" << "Recepción" << yesNoQuestion << "nothing more";
    QTest::newRow("other text") << true << int(ShownPrompt::Message) << "Borrar" << "Recepción" << yesNoQuestion << "expected text";
    QTest::newRow("other title") << true << int(ShownPrompt::Message) << "Grabar" << "Error" << yesNoQuestion << "expected title";
    QTest::newRow("other style") << true << int(ShownPrompt::Message) << "Grabar" << "Recepción" << int(vbOKOnly) << "expected style";
    QTest::newRow("input instead") << true << int(ShownPrompt::Input) << "Grabar" << "Recepción" << 0 << "expected a MsgBox";
}

void tst_ScriptedOperator::unexpectedPromptFailsAndThrows()
{
    QFETCH(bool, scripted);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, style);
    QFETCH(QString, reason);

    ScriptedOperator op;
    if (scripted)
        op.expectMsgBox("Grabar", vbYes, "Recepción", vbYesNo + vbQuestion);

    bool thrown = false;
    QString description;
    // The operator records a failure on the running test: expected here. Should it
    // record none, the QVERIFY below passes unexpectedly and fails this test.
    QEXPECT_FAIL("", "the scripted operator fails the test on an unexpected prompt", Continue);
    try {
        if (kind == ShownPrompt::Input)
            InputBox(text, title);
        else
            MsgBox(text, style, title);
    } catch (const UnexpectedPrompt& e) {
        thrown = true;
        description = e.description;
    }
    QVERIFY(thrown);
    QVERIFY2(description.contains(reason), qPrintable(description));
    QCOMPARE(op.shown().size(), 1);        // the unexpected prompt is in the log too

    // The expectation was not used up by the wrong prompt: the right one still gets it.
    if (scripted) {
        QCOMPARE(op.pending(), 1);
        QCOMPARE(MsgBox("¿Grabar?", vbYesNo + vbQuestion, "Recepción"), int(vbYes));
    }
    QCOMPARE(op.pending(), 0);
}

void tst_ScriptedOperator::retryLoopEndsOnUnexpectedPrompt()
{
    // An error box answered Retry over and over would never end; the script gives two
    // Retry answers and the third box stops the loop.
    ScriptedOperator op;
    op.expectMsgBox("Error 3021", vbRetry).expectMsgBox("Error 3021", vbRetry);
    int boxes = 0;
    QEXPECT_FAIL("", "a third error box was not scripted", Continue);
    try {
        while (MsgBox("Error 3021 en AbrirRecordset", vbAbortRetryIgnore + vbCritical) == vbRetry)
            ++boxes;
    } catch (const UnexpectedPrompt&) {
        ++boxes;
    }
    QCOMPARE(boxes, 3);
}

void tst_ScriptedOperator::unusedAnswersFailTheTest()
{
    {
        ScriptedOperator op;
        op.expectMsgBox("shown", vbOK).expectMsgBox("never shown", vbOK);
        MsgBox("shown");
        QCOMPARE(op.pending(), 1);
        QEXPECT_FAIL("", "one scripted answer was left unused", Continue);
    }   // the destructor records the failure
    // Had the destructor recorded none, this check would pass unexpectedly and fail.
    QVERIFY(true);
}

void tst_ScriptedOperator::modalFormIsScripted()
{
    QDialog form;
    form.setObjectName("FrmCampos");
    form.setWindowTitle("Campos");
    auto* edit = new QLineEdit(&form);
    bool visibleWhileScripted = false;

    ScriptedOperator op;
    op.expectForm("FrmCampos", [&](QDialog& f) {
        visibleWhileScripted = f.isVisible();
        f.findChild<QLineEdit*>()->setText("NOMBRE");
        f.accept();
        return int(QDialog::Accepted);
    });
    QCOMPARE(ShowModal(form), int(QDialog::Accepted));
    QVERIFY(visibleWhileScripted);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(edit->text(), QString("NOMBRE"));
    QCOMPARE(op.shown().size(), 1);
    QCOMPARE(op.shown()[0].kind, ShownPrompt::Form);
    QCOMPARE(op.shown()[0].text, QString("FrmCampos"));
    QCOMPARE(op.shown()[0].title, QString("Campos"));
}

void tst_ScriptedOperator::restoresThePreviousOperator()
{
    QVERIFY(dynamic_cast<QtOperator*>(&CurrentOperator()));
    {
        ScriptedOperator outer;
        QCOMPARE(&CurrentOperator(), static_cast<Operator*>(&outer));
        {
            ScriptedOperator inner;
            QCOMPARE(&CurrentOperator(), static_cast<Operator*>(&inner));
        }
        QCOMPARE(&CurrentOperator(), static_cast<Operator*>(&outer));
    }
    QVERIFY(dynamic_cast<QtOperator*>(&CurrentOperator()));
}

TESTSUPPORT_MAIN(tst_ScriptedOperator)
#include "tst_ScriptedOperator.moc"

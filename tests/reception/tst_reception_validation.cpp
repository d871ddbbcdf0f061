// Checking what the operator types: each refusal with its message, title and the box
// that keeps the focus; what an accepted value fills in; the check of a whole row.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"
#include "frame/ModGlobal.h"
#include "platform/ui/Operator.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QApplication>
#include <QPushButton>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

namespace {

const QString kTitle = QStringLiteral("Aviso al operador...");

// A title account whose view type alone would be accepted.
const QStringList kExtraAccounts = {QStringLiteral(
    "INSERT INTO MA_CUENTAS (Codigo, CodigoOpcional, Descripcion, Titulo, TipoVista) VALUES "
    "('1199', NULL, 'Mutuales (título)', 1, 'CL')")};

} // namespace

class TstReceptionValidation : public QObject {
    Q_OBJECT

private slots:
    void refusedCell_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no account") << 1 << "" << "Debe ingresar una cuenta";
        QTest::newRow("unknown account") << 1 << "9999" << "La Cuenta ingresada es inexistente";
        QTest::newRow("title account") << 1 << "1103" << "Debe ingresar una cuenta imputable";
        QTest::newRow("title account of a valid view") << 1 << "1199" << "Debe ingresar una cuenta imputable";
        QTest::newRow("view type outside the five") << 1 << "1105" << "La cuenta ingresada no es válida en este contexto";
        QTest::newRow("no voucher") << 3 << "" << "Debe ingresar un Comprobante";
        QTest::newRow("amount with exponent") << 4 << "1e5" << "Debe ingresar un valor numérico";
        QTest::newRow("amount in hex") << 4 << "&H10" << "Debe ingresar un valor numérico";
        QTest::newRow("amount in words") << 4 << "diez" << "Debe ingresar un valor numérico";
        QTest::newRow("no business unit") << 5 << "" << "Debe ingresar una unidad de negocio";
        QTest::newRow("unknown business unit") << 5 << "9" << "La unidad de negocio ingresada es inexistente";
    }
    void refusedCell()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ReceptionFixture fx(kExtraAccounts);
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectMsgBox(message, ui::vbOK, kTitle, ui::vbCritical);
        if (col != 1) {
            f.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("110301"));
            f.MSFlexGrid1->SetTextMatrix(1, 2, QStringLiteral("Mutual Policial de Córdoba"));
        }
        fx.goTo(1, col);
        fx.typeCell(typed);
        op.verifyAllUsed();
        // the editor stays open, focused, with the text as typed; the cursor stays
        QVERIFY(f.txtEdit->isVisible());
        QVERIFY(f.txtEdit->hasFocus());
        QCOMPARE(f.txtEdit->text(), typed);
        QCOMPARE(f.MSFlexGrid1->Col(), col);
        QVERIFY(f.ErrorEnCampo);
        if (col != 1)
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("Mutual Policial de Córdoba"));
    }

    void refusedDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Debe ingresar una fecha de recepción";
        QTest::newRow("31 February") << "31/02/2026" << "Debe ingresar un formato de fecha válido";
        QTest::newRow("words") << "ayer" << "Debe ingresar un formato de fecha válido";
        QTest::newRow("a number") << "1e5" << "Debe ingresar un formato de fecha válido";
    }
    void refusedDate()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.MSFlexGrid1->SetTextMatrix(1, 3, QStringLiteral("typed before"));
        ScriptedOperator op;
        op.expectMsgBox(message, ui::vbOK, kTitle, ui::vbCritical);
        fx.typeHeader(0, typed);
        op.verifyAllUsed();
        QVERIFY(f.txtFields[0]->hasFocus());
        QCOMPARE(f.txtFields[0]->text(), typed);
        // nothing was loaded
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("typed before"));
    }

    void acceptedCell_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("nextCol");
        QTest::newRow("account by its code") << 1 << "110302" << "110302" << 3;
        QTest::newRow("account by its optional code, lower case") << 1 << "mpol" << "110301" << 3;
        QTest::newRow("personnel account") << 1 << "210301" << "210301" << 3;
        QTest::newRow("voucher") << 3 << "0001-00000007" << "0001-00000007" << 4;
        QTest::newRow("amount") << 4 << "1500" << "1500.00" << 5;
        QTest::newRow("amount rounded to the decimals") << 4 << "12.345" << "12.34" << 5;
        QTest::newRow("no amount") << 4 << "" << "" << 5;
        QTest::newRow("business unit as one digit") << 5 << "2" << "2" << 6;
        QTest::newRow("observations") << 6 << "sin observar" << "sin observar" << 1;
    }
    void acceptedCell()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, nextCol);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;   // no message
        if (col != 1)
            f.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("110301"));
        fx.goTo(1, col);
        fx.typeCell(typed);
        QVERIFY(!f.ErrorEnCampo);
        QVERIFY(f.txtEdit->isHidden());
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, col), stored);
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), nextCol);
    }

    void accountFillsDescriptionAndBusinessUnit()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        gUNegocio = QStringLiteral("   2");
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("amep"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("110302"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("Asociación Mutual de Empleados Públicos"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 5), QStringLiteral("   2"));   // the user's unit on row 1

        // a later row copies the unit of the row above, over what it held
        f.MSFlexGrid1->SetTextMatrix(1, 5, QStringLiteral("   1"));
        f.MSFlexGrid1->SetRows(3);
        f.MSFlexGrid1->SetTextMatrix(2, 5, QStringLiteral("   2"));
        fx.goTo(2, 1);
        fx.typeCell(QStringLiteral("110303"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(2, 2), QStringLiteral("Mutual Docente Provincial"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(2, 5), QStringLiteral("   1"));
    }

    void refusedAccountEmptiesTheDescription()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.MSFlexGrid1->SetTextMatrix(1, 1, QStringLiteral("110301"));
        f.MSFlexGrid1->SetTextMatrix(1, 2, QStringLiteral("Mutual Policial de Córdoba"));
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("La Cuenta ingresada es inexistente"), ui::vbOK, kTitle, ui::vbCritical);
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("777"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QString());
    }

    void rowCheckStopsAtTheFirstFailingColumn()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        g->SetTextMatrix(1, 1, QStringLiteral("110301"));
        g->SetTextMatrix(1, 2, QStringLiteral("Mutual Policial de Córdoba"));
        g->SetTextMatrix(1, 4, QStringLiteral("abc"));   // would fail too, but is not reached
        fx.goTo(1, 1);
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Debe ingresar un Comprobante"), ui::vbOK, kTitle, ui::vbCritical);
        QVERIFY(!f.DatosValidos(true));
        op.verifyAllUsed();
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->Col(), 3);
        QVERIFY(!f.ValidandoFila);
        // the row check keeps the description of a valid account on screen
        QCOMPARE(g->TextMatrix(1, 2), QStringLiteral("Mutual Policial de Córdoba"));
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
    }

    void rowCheckPasses()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        const QStringList row = {"", "mpol", "", "0001-1", "10", "1", "obs", ""};
        for (int c = 0; c < 8; ++c)
            g->SetTextMatrix(1, c, row[c]);
        fx.goTo(1, 1);
        ScriptedOperator op;
        QVERIFY(f.DatosValidos(true));
        QCOMPARE(g->Col(), 0);
        QVERIFY(f.txtEdit->isHidden());
        // the checked values are the ones the cells keep
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(g->TextMatrix(1, 4), QStringLiteral("10.00"));
        QCOMPARE(g->TextMatrix(1, 5), QStringLiteral("1"));
    }

    void f2ChecksTheRowWithWhatIsBeingTyped()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        g->SetTextMatrix(1, 3, QStringLiteral("V-77"));
        g->SetTextMatrix(1, 5, QStringLiteral("   1"));
        ScriptedOperator op;
        // the account is typed but not confirmed when F2 is pressed
        fx.goTo(1, 1);
        QTest::keyClicks(g, QStringLiteral("1"));
        QTest::keyClicks(f.txtEdit, QStringLiteral("10301"));
        QVERIFY(!f.cmdGrabar->isHidden());
        QTest::keyClick(f.txtEdit, Qt::Key_F2);
        op.verifyAllUsed();   // no "Debe ingresar una cuenta"
        QCOMPARE(g->TextMatrix(1, 1), QStringLiteral("110301"));
        // the save ran and the cursor went on to a new row
        QCOMPARE(g->Rows(), 3);
        QCOMPARE(g->Row(), 2);
        QCOMPARE(g->Col(), 1);
    }

    void f2OnAnInvalidRowKeepsTheCursor()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("Debe ingresar una cuenta"), ui::vbOK, kTitle, ui::vbCritical);
        fx.goTo(1, 3);
        QTest::keyClick(f.MSFlexGrid1, Qt::Key_F2);
        op.verifyAllUsed();
        QCOMPARE(f.MSFlexGrid1->Rows(), 2);
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), 1);
    }

    // An account the check cannot read is refused whatever the operator answers the error
    // box, at Enter on the cell and at F2: nothing is stored, the cell keeps its text and
    // the editor stays open on it. A table gone is named by the read's own box and no box
    // about a closed recordset follows; a column gone is the check's own error.
    void unreadableAccountIsRefused_data()
    {
        QTest::addColumn<QStringList>("atStart");   // the database the program starts on
        QTest::addColumn<QStringList>("meanwhile"); // changed once it runs
        QTest::addColumn<QString>("error");         // the error box, answered as `answers` say
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("refusal");       // the refusal after it; empty: none
        QTest::addColumn<bool>("atF2");
        const QStringList gone = {QStringLiteral("DROP TABLE MA_CUENTAS")};
        const QStringList noViewType = {QStringLiteral("ALTER TABLE MA_CUENTAS RENAME TO MA_CUENTAS_TODAS"),
                                        QStringLiteral("CREATE VIEW MA_CUENTAS AS SELECT Codigo, CodigoOpcional, "
                                                       "Descripcion, Titulo FROM MA_CUENTAS_TODAS")};
        const QString tabla = QStringLiteral("Invalid object name 'MA_CUENTAS'");
        const QString columna = QStringLiteral("(3265)");
        const QString inexistente = QStringLiteral("La Cuenta ingresada es inexistente");
        const QString noValida = QStringLiteral("La cuenta ingresada no es válida en este contexto");
        const QStringList none;
        for (const bool atF2 : {false, true}) {
            const char* when = atF2 ? "F2" : "Enter";
            QTest::addRow("table gone, %s, Abort", when) << none << gone << tabla << QList<int>{ui::vbAbort} << inexistente
                                                         << atF2;
            QTest::addRow("table gone, %s, Retry then Abort", when)
                << none << gone << tabla << QList<int>{ui::vbRetry, ui::vbAbort} << inexistente << atF2;
            QTest::addRow("table gone, %s, Ignore", when) << none << gone << tabla << QList<int>{ui::vbIgnore} << inexistente
                                                          << atF2;
            QTest::addRow("view type gone, %s, Abort", when)
                << noViewType << none << columna << QList<int>{ui::vbAbort} << QString() << atF2;
            QTest::addRow("view type gone, %s, Retry then Abort", when)
                << noViewType << none << columna << QList<int>{ui::vbRetry, ui::vbAbort} << QString() << atF2;
            QTest::addRow("view type gone, %s, Ignore", when)
                << noViewType << none << columna << QList<int>{ui::vbIgnore} << noValida << atF2;
        }
    }
    void unreadableAccountIsRefused()
    {
        QFETCH(QStringList, atStart);
        QFETCH(QStringList, meanwhile);
        QFETCH(QString, error);
        QFETCH(QList<int>, answers);
        QFETCH(QString, refusal);
        QFETCH(bool, atF2);
        const QString mutuales = QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES");
        const QString asientos = QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS");
        ReceptionFixture fx(atStart);
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        const int mutualesAntes = receptiontest::count(mutuales);
        const int asientosAntes = receptiontest::count(asientos);
        if (atF2) {
            // a row typed before the account could no longer be read
            const QStringList row = {"", "110301", "Mutual Policial de Córdoba", "RD-2026-90003", "75.00", "   1", "x", ""};
            for (int c = 0; c < 8; ++c)
                g->SetTextMatrix(1, c, row[c]);
        }
        for (const QString& statement : meanwhile)
            receptiontest::ddl(fx.folder, statement);
        ScriptedOperator op;
        for (const int answer : answers)
            op.expectMsgBox(error, answer, QString(), ui::vbAbortRetryIgnore + ui::vbCritical);
        if (!refusal.isEmpty())
            op.expectMsgBox(refusal, ui::vbOK, kTitle, ui::vbCritical);
        fx.goTo(1, 1);
        if (atF2)
            fx.press(Qt::Key_F2);
        else
            fx.typeCell(QStringLiteral("110301"));
        op.verifyAllUsed();   // and nothing more was shown
        QVERIFY(f.ErrorEnCampo);
        QVERIFY(f.txtEdit->isVisible());
        QCOMPARE(f.txtEdit->text(), QStringLiteral("110301"));
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->Col(), 1);
        QCOMPARE(g->TextMatrix(1, 1), atF2 ? QStringLiteral("110301") : QString());
        QCOMPARE(g->TextMatrix(1, 0), QString());
        QCOMPARE(g->TextMatrix(1, 7), QString());
        QCOMPARE(receptiontest::count(mutuales), mutualesAntes);
        QCOMPARE(receptiontest::count(asientos), asientosAntes);
    }
};

TESTSUPPORT_MAIN(TstReceptionValidation)
#include "tst_reception_validation.moc"

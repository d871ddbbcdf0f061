// The grid's cell editor: typing a whole row, the moves of Enter, Up and Down, Insert,
// Esc, read-only rows, the lookup command per column and the floating Grabar button.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "tests/support/EndTrap.h"
#include "tests/support/KeyTyping.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "widgets/UtilKor.h"
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using receptiontest::ReceptionFixture;
using testsupport::ScriptedOperator;

namespace {

// Rows 1..n with a valid account and a voucher naming the row.
void fillRows(ui::FlexGrid* g, int n)
{
    g->SetRows(n + 1);
    for (int r = 1; r <= n; ++r) {
        g->SetTextMatrix(r, 1, QStringLiteral("110301"));
        g->SetTextMatrix(r, 3, QStringLiteral("V%1").arg(r));
    }
}

} // namespace

class TstReceptionEditor : public QObject {
    Q_OBJECT

private slots:
    void typesAWholeRowWithEnter()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;   // every value is valid
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        QCOMPARE(g->Col(), 3);
        fx.typeCell(QStringLiteral("0001-00045999"));
        QCOMPARE(g->Col(), 4);
        fx.typeCell(QStringLiteral("2500.5"));
        QCOMPARE(g->Col(), 5);
        fx.typeCell(QString());   // the unit the account brought is confirmed as it is
        QCOMPARE(g->Col(), 6);
        fx.typeCell(QStringLiteral("recetas de la semana"));
        // past the last column of the last row: a new row, back to the account
        QCOMPARE(g->Rows(), 3);
        QCOMPARE(g->Row(), 1);
        QCOMPARE(g->Col(), 1);
        const QStringList expected = {"", "110301", "Mutual Policial de Córdoba", "0001-00045999", "2500.50", "   1",
                                      "recetas de la semana", ""};
        for (int c = 0; c < 8; ++c)
            QCOMPARE(g->TextMatrix(1, c), expected[c]);
        for (int c = 0; c < 8; ++c)
            QVERIFY(g->TextMatrix(2, c).isEmpty());
        QCOMPARE(f.lblTotal->text(), QStringLiteral("Total Recepcion: 0"));
        QVERIFY(f.txtEdit->isHidden());
        QVERIFY(g->hasFocus());
    }

    void enterOnObservationsOfAnEarlierRowAddsNoRow()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 2);
        ScriptedOperator op;
        fx.goTo(1, 6);
        fx.typeCell(QStringLiteral("x"));
        QCOMPARE(f.MSFlexGrid1->Rows(), 3);
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), 1);
    }

    void keyOpensTheEditor_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("a digit replaces") << int(Qt::Key_7) << "7" << 1;
        QTest::newRow("Enter keeps the text") << int(Qt::Key_Return) << "12.00" << 5;
        QTest::newRow("space keeps the text") << int(Qt::Key_Space) << "12.00" << 5;
    }
    void keyOpensTheEditor()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, caret);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        f.MSFlexGrid1->SetTextMatrix(1, 4, QStringLiteral("12.00"));
        fx.goTo(1, 4);
        QTest::keyClick(f.MSFlexGrid1, Qt::Key(key));
        QVERIFY(f.txtEdit->isVisible());
        QVERIFY(f.txtEdit->hasFocus());
        QCOMPARE(f.txtEdit->text(), text);
        QCOMPARE(f.txtEdit->cursorPosition(), caret);
        // laid over the current cell
        const int cellTop = ui::TwipsToPixels(f.MSFlexGrid1->Top() + f.MSFlexGrid1->CellTop());
        QCOMPARE(f.txtEdit->y(), cellTop);
        QCOMPARE(f.txtEdit->x(), ui::TwipsToPixels(f.MSFlexGrid1->Left() + f.MSFlexGrid1->CellLeft()));
        QCOMPARE(f.txtEdit->DataField(), QStringLiteral("Importe"));
        // room for the largest amount typed with grouping and a sign
        QCOMPARE(f.txtEdit->MaxLength(), 15);
    }

    // A full amount cell (its fifteen characters typed), its text selected, is typed over
    // as in a Windows box; a refused one comes back selected, so the next keys replace it.
    void typingOverAFullAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("how");   // 0 Home then Shift+End, 1 Shift+Home from the end, 2 refused by Enter
        QTest::newRow("Home, Shift+End") << "123456789,12345" << 0;
        QTest::newRow("Shift+Home") << "123456789,12345" << 1;
        QTest::newRow("refused, selected by its message") << "1.2.3.4.5.6.7.8" << 2;
    }
    void typingOverAFullAmount()
    {
        QFETCH(QString, typed);
        QFETCH(int, how);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        ScriptedOperator op;
        fx.goTo(1, 4);
        QTest::keyClicks(f.MSFlexGrid1, typed.left(1));
        QTest::keyClicks(f.txtEdit, typed.mid(1) + QStringLiteral("9"));   // one too many: refused
        QCOMPARE(f.txtEdit->text(), typed);
        switch (how) {
        case 0:
            QTest::keyClick(f.txtEdit, Qt::Key_Home);
            QTest::keyClick(f.txtEdit, Qt::Key_End, Qt::ShiftModifier);
            break;
        case 1:
            QTest::keyClick(f.txtEdit, Qt::Key_Home, Qt::ShiftModifier);
            break;
        default:
            op.expectMsgBox(QStringLiteral("Debe ingresar un valor numérico"), ui::vbOK);
            QTest::keyClick(f.txtEdit, Qt::Key_Return);
            op.verifyAllUsed();
            QVERIFY(f.txtEdit->hasFocus());
            break;
        }
        QCOMPARE(f.txtEdit->selectedText(), typed);
        QTest::keyClicks(f.txtEdit, QStringLiteral("25"));
        QCOMPARE(f.txtEdit->text(), QStringLiteral("25"));
        QTest::keyClick(f.txtEdit, Qt::Key_Return);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 4), QStringLiteral("25.00"));
        QCOMPARE(f.MSFlexGrid1->Col(), 5);
    }

    // Any character typed on a closed cell opens its editor with that character, one
    // outside Windows-1252 too (an emoji, the euro sign).
    void firstKeyIsKeptWhatever_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("an emoji") << QStringLiteral("😀x");
        QTest::newRow("the euro sign") << QStringLiteral("€5");
        QTest::newRow("an accented letter") << QStringLiteral("ñandú");
    }
    void firstKeyIsKeptWhatever()
    {
        QFETCH(QString, typed);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        ScriptedOperator op;
        fx.goTo(1, 6);
        testsupport::TypeText(f.MSFlexGrid1, typed.left(typed.at(0).isHighSurrogate() ? 2 : 1));
        QVERIFY(f.txtEdit->isVisible());
        testsupport::TypeText(f.txtEdit, typed.mid(typed.at(0).isHighSurrogate() ? 2 : 1));
        QCOMPARE(f.txtEdit->text(), typed);
        QTest::keyClick(f.txtEdit, Qt::Key_Return);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 6), typed);
    }

    // Emoji typed up to the voucher's thirteen characters: the one that would be cut in
    // half is refused whole, and the voucher is stored as the box shows it.
    void emojiAtTheVoucherLimitIsStoredWhole()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeCell(QStringLiteral("110301"));
        testsupport::TypeText(f.MSFlexGrid1, QStringLiteral("V"));
        testsupport::TypeText(f.txtEdit, QStringLiteral("W😀😀😀😀😀😀"));
        const QString whole = QStringLiteral("VW😀😀😀😀😀");
        QCOMPARE(f.txtEdit->text(), whole);
        QTest::keyClick(f.txtEdit, Qt::Key_Return);
        fx.typeCell(QStringLiteral("10"));
        QTest::keyClick(f.MSFlexGrid1, Qt::Key_F2);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(receptiontest::scalar(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE ID = 5")).toString(), whole);
    }

    // Ctrl+V pastes into the cell editor and the date box as Shift+Insert does, filtered
    // as typed text is (the line break and tab a copied line brings are keys, not text);
    // a paste that does not fit the box is refused whole, as a typed character is: the
    // box keeps its text (a cut voucher could be another, existing one).
    void pasteIntoTheEditorAndTheDateBox_data()
    {
        QTest::addColumn<bool>("dateBox");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("rows");   // the grid's rows once the date box is confirmed
        const int v = Qt::Key_V;
        const int ins = Qt::Key_Insert;
        const int ctrl = Qt::ControlModifier;
        const int shift = Qt::ShiftModifier;
        QTest::newRow("voucher that fits, Ctrl+V") << false << v << ctrl << "0001-00046206\r\n" << "0001-00046206" << 0;
        QTest::newRow("voucher that fits, Shift+Insert") << false << ins << shift << "0001-00046206\r\n" << "0001-00046206" << 0;
        QTest::newRow("voucher too long, Ctrl+V") << false << v << ctrl << "0001-000461109999" << "V1" << 0;
        QTest::newRow("voucher too long, Shift+Insert") << false << ins << shift << "0001-000461109999\r\n" << "V1" << 0;
        QTest::newRow("voucher, emojis past the limit") << false << v << ctrl << "VW😀😀😀😀😀😀" << "V1" << 0;
        QTest::newRow("date, Ctrl+V") << true << v << ctrl << "\t01/12/2026\r\n" << "01/12/2026" << 3;
        QTest::newRow("date, Shift+Insert") << true << ins << shift << "\t01/12/2026\r\n" << "01/12/2026" << 3;
        QTest::newRow("date too long") << true << v << ctrl << "01/12/20261" << "09/12/2026" << 2;
    }
    void pasteIntoTheEditorAndTheDateBox()
    {
        QFETCH(bool, dateBox);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, clip);
        QFETCH(QString, expected);
        QFETCH(int, rows);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        CajaTexto* box = f.txtFields[0];
        if (dateBox) {
            box->setFocus(Qt::TabFocusReason);
            QCOMPARE(box->selectedText(), QStringLiteral("09/12/2026"));
        } else {
            fillRows(f.MSFlexGrid1, 1);
            fx.goTo(1, 3);
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Return);
            box = f.txtEdit;
            box->selectAll();
        }
        QApplication::clipboard()->setText(clip);
        QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box->text(), expected);
        QTest::keyClick(box, Qt::Key_Return);
        if (dateBox)
            QCOMPARE(f.MSFlexGrid1->Rows(), rows);   // the pasted date loads as a typed one
        else
            QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), expected);
    }

    // Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts and Ctrl+V pastes in the cell editor
    // and in every header box, and a character typed after Ctrl+A replaces the text.
    void editKeysInTheEditorAndTheHeaderBoxes_data()
    {
        QTest::addColumn<int>("box");   // -1 the cell editor on the voucher, else the header box
        QTest::addColumn<QString>("text");
        QTest::newRow("cell editor") << -1 << "V1";
        QTest::newRow("reception date") << 0 << "09/12/2026";
        QTest::newRow("report from") << 1 << "01/12/2026";
        QTest::newRow("report to") << 2 << "07/12/2026";
        QTest::newRow("report account") << 3 << "110301";
        QTest::newRow("report unit") << 4 << "1";
    }
    void editKeysInTheEditorAndTheHeaderBoxes()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;   // no message, no question
        CajaTexto* caja = nullptr;
        if (box < 0) {
            fillRows(f.MSFlexGrid1, 1);
            fx.goTo(1, 3);
            QTest::keyClick(f.MSFlexGrid1, Qt::Key_Return);
            caja = f.txtEdit;
        } else {
            caja = f.txtFields[box];
            caja->setText(text);
            caja->setFocus(Qt::TabFocusReason);
        }
        QCOMPARE(caja->text(), text);
        caja->setCursorPosition(1);
        QApplication::clipboard()->clear();

        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(caja->selectedText(), text);
        QTest::keyClick(caja, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), text);
        QCOMPARE(caja->text(), text);
        QTest::keyClick(caja, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(caja->text(), QString());
        QCOMPARE(QApplication::clipboard()->text(), text);
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(caja->text(), text);
        // Home, End and Shift with the arrows move and select as in any edit box
        QTest::keyClick(caja, Qt::Key_Home);
        QTest::keyClick(caja, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(caja->selectedText(), text);
        QTest::keyClick(caja, Qt::Key_End);
        QTest::keyClick(caja, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(caja->selectedText(), text.right(1));
        QTest::keyClick(caja, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(caja->selectedText(), text);
        QTest::keyClick(caja, Qt::Key_Right);
        QTest::keyClick(caja, Qt::Key_Home);
        QTest::keyClick(caja, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(caja->selectedText(), text.left(1));
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(caja, QStringLiteral("7"));
        QCOMPARE(caja->text(), QStringLiteral("7"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(caja));
        QVERIFY(!caja->isHidden());
        op.verifyAllUsed();
    }

    // The date box selected with Ctrl+A and typed over loads the new date on Enter.
    void dateTypedOverAfterCtrlALoads()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;   // no question: nothing typed in the grid
        CajaTexto* fecha = f.txtFields[0];
        fecha->setFocus(Qt::TabFocusReason);
        fecha->setCursorPosition(0);
        QTest::keyClick(fecha, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(fecha, QStringLiteral("01/12/2026"));
        QCOMPARE(fecha->text(), QStringLiteral("01/12/2026"));
        QTest::keyClick(fecha, Qt::Key_Return);
        QCOMPARE(f.MSFlexGrid1->Rows(), 3);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("0001-00045872"));
        QVERIFY(f.MSFlexGrid1->hasFocus());
    }

    void doubleClickOpensTheEditor()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        fx.goTo(1, 3);
        f.MSFlexGrid1_DblClick();
        QVERIFY(f.txtEdit->isVisible());
        QCOMPARE(f.txtEdit->text(), QStringLiteral("V1"));
    }

    void arrowsConfirmAndMove_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::newRow("Up on the first row stays") << 1 << int(Qt::Key_Up) << 1 << 3;
        QTest::newRow("Up") << 2 << int(Qt::Key_Up) << 1 << 3;
        QTest::newRow("Down lands on the mark column") << 2 << int(Qt::Key_Down) << 3 << 0;
        QTest::newRow("Down on the last row stays") << 3 << int(Qt::Key_Down) << 3 << 3;
    }
    void arrowsConfirmAndMove()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 3);
        ScriptedOperator op;
        fx.goTo(row, 3);
        fx.typeCell(QStringLiteral("NEW"), Qt::Key(key));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(row, 3), QStringLiteral("NEW"));   // confirmed into its own cell
        QCOMPARE(f.MSFlexGrid1->Row(), toRow);
        QCOMPARE(f.MSFlexGrid1->Col(), toCol);
        QVERIFY(f.txtEdit->isHidden());
        QCOMPARE(f.MSFlexGrid1->Rows(), 4);
    }

    void insertAddsAnEmptyRowBelow_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("last row") << 3;
        QTest::newRow("middle row") << 1;
    }
    void insertAddsAnEmptyRowBelow()
    {
        QFETCH(int, row);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        fillRows(g, 3);
        fx.goTo(row, 3);
        QTest::keyClick(g, Qt::Key_Insert);
        QCOMPARE(g->Rows(), 5);
        QCOMPARE(g->Row(), row);
        QCOMPARE(g->TextMatrix(row, 3), QStringLiteral("V%1").arg(row));
        QVERIFY(g->TextMatrix(row + 1, 1).isEmpty());
        QVERIFY(g->TextMatrix(row + 1, 3).isEmpty());
        QVERIFY(f.txtEdit->isHidden());
    }

    void escapeGivesUpTheEdit()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        testsupport::EndTrap trap;
        ScriptedOperator op;   // no question, no check
        fx.goTo(1, 3);
        fx.typeCell(QStringLiteral("XYZ"), Qt::Key_Escape);
        QCOMPARE(trap.calls(), 0);   // the program goes on
        QVERIFY(f.txtEdit->isHidden());
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("V1"));
        QCOMPARE(f.MSFlexGrid1->Row(), 1);
        QCOMPARE(f.MSFlexGrid1->Col(), 3);
        QVERIFY(f.MSFlexGrid1->hasFocus());
        // an emptied account given up keeps its description
        f.MSFlexGrid1->SetTextMatrix(1, 2, QStringLiteral("Mutual Policial de Córdoba"));
        fx.goTo(1, 1);
        QTest::keyClick(f.MSFlexGrid1, Qt::Key_Return);
        f.txtEdit->clear();
        QTest::keyClick(f.txtEdit, Qt::Key_Escape);
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 1), QStringLiteral("110301"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 2), QStringLiteral("Mutual Policial de Córdoba"));
    }

    // Esc after any refused value gives the cell back what it held before the edit: a
    // value refused on Enter, and one the row check of F2 refused after taking it from
    // the open editor into its cell. The account's description comes back with it, and
    // the status bar counts what the cells hold.
    void escapeAfterARefusalGivesTheCellBack_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("confirm");   // the key that has it refused: Enter or F2
        QTest::addColumn<QString>("mensaje");
        const int enter = Qt::Key_Return;
        const int f2 = Qt::Key_F2;
        const QString importe = QStringLiteral("Debe ingresar un valor numérico");
        const QString cuenta = QStringLiteral("La Cuenta ingresada es inexistente");
        const QString unidad = QStringLiteral("La unidad de negocio ingresada es inexistente");
        QTest::newRow("amount, Enter") << 4 << "5x" << enter << importe;
        QTest::newRow("amount, F2") << 4 << "5x" << f2 << importe;
        QTest::newRow("amount too large, F2") << 4 << "9999999999" << f2 << importe;
        QTest::newRow("account, Enter") << 1 << "999999" << enter << cuenta;
        QTest::newRow("account, F2") << 1 << "999999" << f2 << cuenta;
        QTest::newRow("title account, F2") << 1 << "1" << f2 << QStringLiteral("Debe ingresar una cuenta imputable");
        QTest::newRow("business unit, Enter") << 5 << "9" << enter << unidad;
        QTest::newRow("business unit, F2") << 5 << "9" << f2 << unidad;
    }
    void escapeAfterARefusalGivesTheCellBack()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(int, confirm);
        QFETCH(QString, mensaje);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.goTo(1, 1);
        fx.typeRow(QStringLiteral("110301"), QStringLiteral("V1"), QStringLiteral("10"));
        fx.typeCell(QString());
        QStringList antes;
        for (int c = 0; c < 8; ++c)
            antes << g->TextMatrix(1, c);
        QCOMPARE(antes[4], QStringLiteral("10.00"));

        op.expectMsgBox(mensaje, ui::vbOK, QStringLiteral("Aviso al operador..."), ui::vbCritical);
        fx.goTo(1, col);
        QTest::keyClicks(g, typed.left(1));
        QTest::keyClicks(f.txtEdit, typed.mid(1));
        QTest::keyClick(f.txtEdit, Qt::Key(confirm));
        op.verifyAllUsed();
        QVERIFY(!f.txtEdit->isHidden());
        QCOMPARE(f.txtEdit->text(), typed);

        QTest::keyClick(f.txtEdit, Qt::Key_Escape);
        QVERIFY(f.txtEdit->isHidden());
        for (int c = 0; c < 8; ++c)
            QCOMPARE(g->TextMatrix(1, c), antes[c]);
        QCOMPARE(f.StatusBar1Panels[1]->text(), QStringLiteral("Importe Total: 10.00"));
        QCOMPARE(receptiontest::count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'V1'")), 0);
        // and the row saves as it stood before the refused edit
        fx.press(Qt::Key_F2);
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(receptiontest::scalar(QStringLiteral("SELECT IMPORTE FROM V_MV_MUTUALES WHERE IDMUTUAL = 'V1'")).toString(),
                 QStringLiteral("10"));
    }

    void keyOnACellThatCannotBeEdited_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("withAccount");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("toCol");
        QTest::addColumn<int>("rows");
        QTest::newRow("saved row, account") << true << true << 1 << 2 << 3;
        QTest::newRow("saved row, amount") << true << true << 4 << 5 << 3;
        QTest::newRow("saved row, observations of the last row") << true << true << 6 << 1 << 4;
        QTest::newRow("description") << false << true << 2 << 3 << 3;
        QTest::newRow("voucher without account") << false << false << 3 << 4 << 3;
        QTest::newRow("observations without account") << false << false << 6 << 1 << 4;
    }
    void keyOnACellThatCannotBeEdited()
    {
        QFETCH(bool, saved);
        QFETCH(bool, withAccount);
        QFETCH(int, col);
        QFETCH(int, toCol);
        QFETCH(int, rows);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        if (saved) {
            f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
            f.CargaMutualesFecha();
        } else {
            fillRows(g, 2);
            if (!withAccount)
                g->SetTextMatrix(2, 1, QString());
        }
        QCOMPARE(g->Rows(), 3);
        const QString before = g->TextMatrix(2, col);
        fx.goTo(2, col);
        QTest::keyClick(g, Qt::Key_5);
        QVERIFY(f.txtEdit->isHidden());
        QCOMPARE(g->TextMatrix(2, col), before);
        QCOMPARE(g->Row(), 2);
        QCOMPARE(g->Col(), toCol);
        QCOMPARE(g->Rows(), rows);
    }

    void lookupFollowsTheColumn_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("tag");
        QTest::newRow("account") << 1 << true << "MA_CUENTAS";
        QTest::newRow("description") << 2 << false << "";
        QTest::newRow("voucher") << 3 << false << "";
        QTest::newRow("amount") << 4 << false << "";
        QTest::newRow("business unit") << 5 << true << "V_TA_UNIDADNEGOCIO";
        QTest::newRow("observations") << 6 << false << "";
    }
    void lookupFollowsTheColumn()
    {
        QFETCH(int, col);
        QFETCH(bool, enabled);
        QFETCH(QString, tag);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        fillRows(f.MSFlexGrid1, 1);
        fx.goTo(1, col == 2 ? 3 : 2);
        f.MSFlexGrid1->SetCol(col);
        QCOMPARE(f.UtilKor1->ConsultaEnabled(), enabled);
        QCOMPARE(f.txtEdit->Tag(), tag);
        QCOMPARE(f.ControlActivo, f.txtEdit);
    }

    void grabarButtonSitsOnTheCurrentRow()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        f.txtFields[0]->setText(QStringLiteral("01/12/2026"));
        f.CargaMutualesFecha();
        g->AddItem(QString());   // an entry row below the saved ones
        fx.goTo(3, 1);
        QVERIFY(!f.cmdGrabar->isHidden());
        QCOMPARE(f.cmdGrabar->y(), ui::TwipsToPixels(g->Top() + g->CellTop()));
        QCOMPARE(f.cmdGrabar->x(), ui::TwipsToPixels(g->Left() + 50));
        QCOMPARE(f.cmdGrabar->width(), ui::TwipsToPixels(g->ColWidth(0)));
        g->SetRow(1);   // a saved row
        QVERIFY(f.cmdGrabar->isHidden());
        QCOMPARE(f.StatusBar1Panels[0]->text(), QStringLiteral("Registros: 3"));
    }

    void editorOpensOnACellOutOfView()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        fillRows(g, 60);
        fx.goTo(55, 6);   // moved by code: not scrolled into view
        QVERIFY(!g->RowIsVisible(55));
        QVERIFY(f.cmdGrabar->isHidden());
        QTest::keyClick(g, Qt::Key_X);
        QVERIFY(g->RowIsVisible(55));
        QVERIFY(f.txtEdit->isVisible());
        QCOMPARE(f.txtEdit->y(), ui::TwipsToPixels(g->Top() + g->CellTop()));
        QVERIFY(f.txtEdit->geometry().bottom() <= g->geometry().bottom());
        QVERIFY(f.txtEdit->geometry().right() <= g->geometry().right());
    }

    // The observations column lies past the right edge of a narrow window: typing it
    // scrolls the grid, and the cursor that Enter (or the save) puts back on the account
    // finds that column whole again, not cut behind the fixed column.
    void accountShowsWholeAfterObservations_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("Enter back to the account") << false;
        QTest::newRow("F2 onto the next row") << true;
    }

    void accountShowsWholeAfterObservations()
    {
        QFETCH(bool, save);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        f.resize(900, f.height());
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.goTo(1, 1);
        const int wholeAccountLeft = g->CellLeft();
        fx.typeCell(QStringLiteral("110301"));
        fx.typeCell(QStringLiteral("0001-00045999"));
        fx.typeCell(QStringLiteral("2500.5"));
        fx.typeCell(QString());
        QTest::keyClick(g, Qt::Key_R);   // opens the observations' editor: the grid scrolls to it
        QVERIFY(g->LeftCol() > 1);
        QTest::keyClicks(f.txtEdit, QStringLiteral("ecetas"));
        if (save) {
            QTest::keyClick(f.txtEdit, Qt::Key_F2);
            QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
            QCOMPARE(g->Row(), 2);
        } else {
            QTest::keyClick(f.txtEdit, Qt::Key_Return);
            QCOMPARE(g->Row(), 1);
        }
        QCOMPARE(g->Col(), 1);
        QCOMPARE(g->LeftCol(), 1);
        QCOMPARE(g->CellLeft(), wholeAccountLeft);
    }

    void existeEnGrid()
    {
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open(false);
        ui::FlexGrid* g = f.MSFlexGrid1;
        g->SetRows(6);
        g->SetTextMatrix(3, 1, QStringLiteral(" mpol "));
        g->SetTextMatrix(5, 1, QStringLiteral("MPOL"));
        int found = -1;
        QVERIFY(f.ExisteEnGrid(QStringLiteral("Mpol"), 3, found));
        QCOMPARE(found, 5);
        found = -1;
        QVERIFY(f.ExisteEnGrid(QStringLiteral("mpol"), 0, found));
        QCOMPARE(found, 3);
        g->SetTextMatrix(5, 1, QString());
        found = -1;
        QVERIFY(!f.ExisteEnGrid(QStringLiteral("mpol"), 3, found));
        QCOMPARE(found, -1);
    }
};

TESTSUPPORT_MAIN(TstReceptionEditor)
#include "tst_reception_editor.moc"

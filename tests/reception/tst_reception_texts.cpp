// Texts, dates and filters the reception stores, books, takes back or prints, through
// the real form: vouchers that differ only by an apostrophe, an entry an earlier
// program wrote without them, vouchers typed or stored with blanks around them, a date
// in no fiscal year, tables that cannot be read while a row is saved, report filters
// with apostrophes.
#include "ReceptionFixture.h"
#include "ReceptionTestSupport.h"

#include "platform/report/ReportEngine.h"
#include "platform/ui/Operator.h"
#include "platform/zeltrix/Services.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

using receptiontest::count;
using receptiontest::kDb;
using receptiontest::pdfText;
using receptiontest::ReceptionFixture;
using receptiontest::rows;
using testsupport::ScriptedOperator;

namespace {

// A text between apostrophes in the tests' own queries.
QString lit(const QString& s)
{
    return QLatin1Char('\'') + QString(s).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

struct Voucher {
    QString comprobante;
    QString importe;
    QString observaciones;
};

// The three vouchers of 15/12/2026 for account 110301: the second and third differ from
// the first only by apostrophes, the third is a statement's text.
const QList<Voucher> kVouchers = {
    {QStringLiteral("AB"), QStringLiteral("100"), QStringLiteral("sin apostrofo")},
    {QStringLiteral("A'B"), QStringLiteral("200"), QStringLiteral("Farmacia D'Angelo")},
    {QStringLiteral("'; DROP TABLE"), QStringLiteral("300"), QStringLiteral("'); DELETE MV_ASIENTOS --")},
};

int entryLines(const QString& cuenta, const QString& comprobante)
{
    return count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl' AND CuentaOrigen = %1 "
                                "AND Cpte_Origen = %2")
                     .arg(lit(cuenta), lit(comprobante)));
}

// A reception row and its two entry lines as an earlier program stored them: the
// lines' voucher and text without apostrophes.
QStringList earlierRow(int id, const QString& cuenta, const QString& comprobante, int numero)
{
    const QString sin = QString(comprobante).remove(QLatin1Char('\''));
    QStringList s{QStringLiteral("INSERT INTO V_MV_MUTUALES (ID, CUENTA, IDMUTUAL, IMPORTE, OBSERVACIONES, FECHACOMPROBANTE, "
                                 "FECHARECEPCION, USUARIO, UNEGOCIO) VALUES (%1, %2, %3, 50, 'antes', '2026-12-15 00:00:00', "
                                 "'2026-12-15 00:00:00', 'Vandrel', '   1')")
                      .arg(id)
                      .arg(lit(cuenta), lit(comprobante))};
    for (int secuencia = 1; secuencia <= 2; ++secuencia)
        s << QStringLiteral("INSERT INTO MV_ASIENTOS (Fecha, Mes_Operativo, [NUMERO ASIENTO], Cuenta, Secuencia, Importe, "
                            "[Debe-Haber], Periodo, TC, Sucursal, Numero, Letra, Detalle, TC_Origen, Cpte_Origen, CuentaOrigen) "
                            "VALUES ('2026-12-15 00:00:00', 12, %1, %2, %3, 50, %4, 2026, 'MUT', '0001', '%5', 'X', 'antes', "
                            "'Mutl', %6, %7)")
                 .arg(numero)
                 .arg(secuencia == 1 ? QStringLiteral("'1104'") : QStringLiteral("'2102'"))
                 .arg(secuencia)
                 .arg(secuencia == 1 ? QStringLiteral("'D'") : QStringLiteral("'H'"))
                 .arg(numero, 8, 10, QLatin1Char('0'))
                 .arg(lit(sin), lit(cuenta));
    return s;
}

// The grid row that shows the voucher.
int gridRowOf(ui::FlexGrid* g, const QString& comprobante)
{
    for (int r = 1; r < g->Rows(); ++r)
        if (g->TextMatrix(r, 3) == comprobante)
            return r;
    return -1;
}

void deleteRow(ReceptionFixture& fx, ScriptedOperator& op, int row)
{
    fx.goTo(row, 1);
    op.expectMsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"), ui::vbYes,
                    QStringLiteral("Atención"), ui::vbYesNo + ui::vbQuestion);
    fx.press(Qt::Key_Delete);
    op.verifyAllUsed();
}

// Types a voucher into the current cell as the operator does: `before` blanks put in
// front with Home and Space once the rest is typed, `after` blanks typed at the end.
void typeVoucher(ReceptionFixture& fx, const QString& voucher, int before, int after)
{
    frmRecepcionMutuales& f = fx.form();
    QTest::keyClicks(f.MSFlexGrid1, voucher.left(1));
    QTest::keyClicks(f.txtEdit, voucher.mid(1) + QString(after, QLatin1Char(' ')));
    QTest::keyClick(f.txtEdit, Qt::Key_Home);
    for (int i = 0; i < before; ++i)
        QTest::keyClick(f.txtEdit, Qt::Key_Space);
    QTest::keyClick(f.txtEdit, Qt::Key_Return);
}

// Saves a row whose voucher is typed with blanks around it.
void saveRowWithBlanks(ReceptionFixture& fx, const QString& voucher, int before, int after)
{
    fx.typeCell(QStringLiteral("110301"));
    typeVoucher(fx, voucher, before, after);
    fx.typeCell(QStringLiteral("10"));
    fx.typeCell(QString());
    fx.typeCell(QStringLiteral("x"));
    fx.press(Qt::Key_F2);
}

} // namespace

class TstReceptionTexts : public QObject {
    Q_OBJECT

private slots:
    // Saved one after the other, each voucher is its own row with its own two lines, its
    // texts as typed in both tables; deleting one leaves the others and their lines.
    void vouchersThatDifferByAnApostrophe_data()
    {
        QTest::addColumn<int>("deleted");
        for (int i = 0; i < int(kVouchers.size()); ++i)
            QTest::addRow("delete %s", qPrintable(kVouchers[i].comprobante)) << i;
    }
    void vouchersThatDifferByAnApostrophe()
    {
        QFETCH(int, deleted);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;   // nothing is refused
        fx.typeHeader(0, QStringLiteral("15/12/2026"));
        fx.goTo(1, 1);
        for (const Voucher& v : kVouchers)
            fx.saveRow(QStringLiteral("110301"), v.comprobante, v.importe, v.observaciones);
        op.verifyAllUsed();

        for (const Voucher& v : kVouchers) {
            const QList<QVariantList> row = rows(QStringLiteral("SELECT ID, IMPORTE, OBSERVACIONES FROM V_MV_MUTUALES "
                                                                "WHERE CUENTA = '110301' AND IDMUTUAL = %1")
                                                     .arg(lit(v.comprobante)));
            QCOMPARE(row.size(), 1);
            QCOMPARE(row[0][1].toString(), v.importe);
            QCOMPARE(row[0][2].toString(), v.observaciones);
            QCOMPARE(g->TextMatrix(gridRowOf(g, v.comprobante), 7), row[0][0].toString());
            const QList<QVariantList> lines = rows(QStringLiteral("SELECT Detalle, Importe FROM MV_ASIENTOS WHERE "
                                                                  "TC_Origen = 'Mutl' AND Cpte_Origen = %1")
                                                       .arg(lit(v.comprobante)));
            QCOMPARE(lines.size(), 2);
            for (const QVariantList& l : lines) {
                QCOMPARE(l[0].toString(), v.observaciones);
                QCOMPARE(l[1].toString(), v.importe);
            }
        }

        deleteRow(fx, op, gridRowOf(g, kVouchers[deleted].comprobante));
        for (int i = 0; i < int(kVouchers.size()); ++i) {
            const QString& c = kVouchers[i].comprobante;
            const bool gone = i == deleted;
            QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = %1").arg(lit(c))), gone ? 0 : 1);
            QCOMPARE(entryLines(QStringLiteral("110301"), c), gone ? 0 : 2);
            QCOMPARE(gridRowOf(g, c) < 0, gone);
        }
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
        // the demo's other entries are untouched
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = '0001-00045872'")), 2);
    }

    // An entry an earlier program wrote for "A'B" under "AB" goes with its row, unless a
    // row still stored of that account names "AB" once apostrophes are left out.
    void earlierEntryWithoutApostrophes_data()
    {
        QTest::addColumn<QStringList>("others");      // rows stored beside "A'B"
        QTest::addColumn<int>("linesLeft");           // "AB" lines left after deleting "A'B"
        QTest::newRow("alone") << QStringList() << 0;
        QTest::newRow("AB of the same account claims them") << earlierRow(61, QStringLiteral("110301"), QStringLiteral("AB"), 91)
                                                            << 4;
        QTest::newRow("AB' of the same account claims them")
            << earlierRow(61, QStringLiteral("110301"), QStringLiteral("AB'"), 91) << 4;
        QTest::newRow("AB of another account does not") << earlierRow(61, QStringLiteral("110303"), QStringLiteral("AB"), 91)
                                                        << 0;
    }
    void earlierEntryWithoutApostrophes()
    {
        QFETCH(QStringList, others);
        QFETCH(int, linesLeft);
        ReceptionFixture fx(earlierRow(60, QStringLiteral("110301"), QStringLiteral("A'B"), 90) + others);
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.typeHeader(0, QStringLiteral("15/12/2026"));
        const int before = count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS"));
        deleteRow(fx, op, gridRowOf(f.MSFlexGrid1, QStringLiteral("A'B")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 60")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE CuentaOrigen = '110301' AND Cpte_Origen = 'AB'")),
                 linesLeft);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS")), before - (linesLeft == 0 ? 2 : 0));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 61")), others.isEmpty() ? 0 : 1);
    }

    // A voucher's leading and trailing blanks are not part of it: the row, its entry lines
    // and the grid carry it trimmed.
    void vouchersAreStoredTrimmed_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("a blank before") << 1 << 0;
        QTest::newRow("two blanks after") << 0 << 2;
        QTest::newRow("blanks on both sides") << 2 << 1;
    }
    void vouchersAreStoredTrimmed()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.goTo(1, 1);
        saveRowWithBlanks(fx, QStringLiteral("V7"), before, after);
        op.verifyAllUsed();
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 3), QStringLiteral("V7"));
        QCOMPARE(rows(QStringLiteral("SELECT IDMUTUAL FROM V_MV_MUTUALES WHERE CUENTA = '110301' AND IDMUTUAL LIKE '%V7%'")),
                 (QList<QVariantList>{{QStringLiteral("V7")}}));
        QCOMPARE(rows(QStringLiteral("SELECT DISTINCT Cpte_Origen FROM MV_ASIENTOS WHERE Cpte_Origen LIKE '%V7%'")),
                 (QList<QVariantList>{{QStringLiteral("V7")}}));
    }

    // A voucher typed with blanks is the same voucher as the one stored without them (or
    // with them, by an earlier program): refused as received, nothing stored.
    void vouchersWithBlanksAreDuplicates_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("V7 stored, a blank typed before") << "V7" << 1 << 0;
        QTest::newRow("V7 stored, blanks typed after") << "V7" << 0 << 3;
        QTest::newRow("' V7' stored earlier, V7 typed") << " V7" << 0 << 0;
        QTest::newRow("'  v7 ' stored earlier, ' V7' typed") << "  v7 " << 1 << 0;
        QTest::newRow("V7 stored earlier after 11 blanks, 13 in all") << QString(11, u' ') + "V7" << 0 << 0;
        QTest::newRow("V7 stored earlier after 18 blanks, 20 in all") << QString(18, u' ') + "V7" << 0 << 1;
    }
    void vouchersWithBlanksAreDuplicates()
    {
        QFETCH(QString, stored);
        QFETCH(int, before);
        QFETCH(int, after);
        ReceptionFixture fx(earlierRow(60, QStringLiteral("110301"), stored, 90));
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        op.expectMsgBox(QStringLiteral("El registro ingresado ya existe\r\nFecha de Recepción: 15/12/2026"), ui::vbOK,
                        QStringLiteral("Aviso al Usuario"));
        fx.goTo(1, 1);
        saveRowWithBlanks(fx, QStringLiteral("V7"), before, after);
        op.verifyAllUsed();
        QCOMPARE(f.MSFlexGrid1->TextMatrix(1, 0), QString());
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL LIKE '%V7%'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen LIKE '%V7%'")), 2);
    }

    // Rows an earlier program stored with blanks around a voucher, beside the same voucher
    // without them: the delete takes the lines of exactly what the deleted row stores,
    // and leaves the other row's.
    void deleteTakesTheLinesOfWhatTheRowStores_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("' V7' beside V7") << " V7" << "V7";
        QTest::newRow("V7 beside ' V7'") << "V7" << " V7";
        QTest::newRow("'V7 ' beside '  V7'") << "V7 " << "  V7";
    }
    void deleteTakesTheLinesOfWhatTheRowStores()
    {
        QFETCH(QString, deleted);
        QFETCH(QString, kept);
        ReceptionFixture fx(earlierRow(60, QStringLiteral("110301"), deleted, 90)
                            + earlierRow(61, QStringLiteral("110301"), kept, 91));
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;
        fx.typeHeader(0, QStringLiteral("15/12/2026"));
        const auto linesOf = [](int numero) {
            return count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE TC_Origen = 'Mutl' AND [NUMERO ASIENTO] = %1")
                             .arg(numero));
        };
        QCOMPARE(linesOf(90), 2);
        QCOMPARE(linesOf(91), 2);
        deleteRow(fx, op, gridRowOf(f.MSFlexGrid1, deleted));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 60")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE ID = 61")), 1);
        QCOMPARE(linesOf(90), 0);
        QCOMPARE(linesOf(91), 2);
        QVERIFY(gridRowOf(f.MSFlexGrid1, deleted) < 0);
        QVERIFY(gridRowOf(f.MSFlexGrid1, kept) > 0);
    }

    // A reception date no fiscal year holds: the row is saved and marked, its entry is
    // not booked (no line, no number taken), AUX_ERR records why and the operator is told.
    void dateInNoFiscalYear_data()
    {
        QTest::addColumn<QString>("fecha");
        QTest::newRow("31/12/9999") << "31/12/9999";
        QTest::newRow("29/02/2028") << "29/02/2028";
        QTest::newRow("1/1/1753") << "01/01/1753";
    }
    void dateInNoFiscalYear()
    {
        QFETCH(QString, fecha);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        ScriptedOperator op;
        fx.typeHeader(0, fecha);
        QCOMPARE(f.txtFields[0]->text(), fecha);
        fx.goTo(1, 1);
        op.expectMsgBox(QStringLiteral("No se generó el asiento: la fecha de recepción ") + fecha
                            + QStringLiteral(" no pertenece a ningún ejercicio contable."),
                        ui::vbOK, QStringLiteral("Aviso al Operador!"), ui::vbCritical);
        fx.saveRow(QStringLiteral("110301"), QStringLiteral("RD-2026-90001"), QStringLiteral("75"), QStringLiteral("x"));
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 0), QStringLiteral("*"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-90001'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-90001'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Periodo = 0 OR Periodo IS NULL")), 0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
        const QList<QVariantList> aux = rows(QStringLiteral("SELECT SQL, Descripcion FROM AUX_ERR"));
        QCOMPARE(aux.size(), 1);
        QVERIFY(aux[0][0].toString().contains(QStringLiteral("MV_EJERCICIOS")));
        QVERIFY(aux[0][1].toString().contains(fecha));
        QVERIFY(f.ErrorEnCampo);
    }

    // What the entry must read cannot be read while a row is saved (the configuration,
    // the fiscal years): the save is refused whole, nothing is written and the error is
    // shown; the row stays unsaved under the cursor, to be saved again.
    void unreadableDuringSaveRefusesTheSave_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("configuration") << "ALTER TABLE TA_CONFIGURACION RENAME TO TA_CONFIGURACION_FUERA"
                                       << "Invalid object name 'ta_configuracion'";
        QTest::newRow("fiscal years") << "ALTER TABLE MV_EJERCICIOS RENAME TO MV_EJERCICIOS_FUERA"
                                      << "Invalid object name 'MV_EJERCICIOS'";
    }
    void unreadableDuringSaveRefusesTheSave()
    {
        QFETCH(QString, statement);
        QFETCH(QString, mensaje);
        ReceptionFixture fx;
        frmRecepcionMutuales& f = fx.open();
        ui::FlexGrid* g = f.MSFlexGrid1;
        frametest::Exec(kDb, statement);
        ScriptedOperator op;
        op.expectMsgBox(mensaje, ui::vbOK);
        fx.goTo(1, 1);
        fx.saveRow(QStringLiteral("110301"), QStringLiteral("RD-2026-90002"), QStringLiteral("75"), QStringLiteral("x"));
        op.verifyAllUsed();
        QCOMPARE(g->TextMatrix(1, 0), QString());
        QCOMPARE(g->TextMatrix(1, 7), QString());
        QCOMPARE(g->Row(), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM V_MV_MUTUALES WHERE IDMUTUAL = 'RD-2026-90002'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM MV_ASIENTOS WHERE Cpte_Origen = 'RD-2026-90002'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM AUX_ERR")), 0);
        QCOMPARE(count(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT '")), 5);
    }

    // Apostrophes in the report's account and business-unit filters are quoted like any
    // other character: the report prints the rows that carry them, and only those.
    void reportFiltersWithApostrophes_data()
    {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<QString>("uneg");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("account with an apostrophe") << "D'A" << "" << QStringList{"AP-1", "AP-2"};
        QTest::newRow("account and business unit") << "D'A" << "9'" << QStringList{"AP-2"};
        QTest::newRow("an apostrophe alone") << "'" << "" << QStringList();
        QTest::newRow("a formula's text") << "' OR '1'='1" << "" << QStringList();
    }
    void reportFiltersWithApostrophes()
    {
        QFETCH(QString, cuenta);
        QFETCH(QString, uneg);
        QFETCH(QStringList, listed);
        const QString insert = QStringLiteral(
            "INSERT INTO V_MV_MUTUALES (CUENTA, IDMUTUAL, IMPORTE, FECHARECEPCION, USUARIO, UNEGOCIO) VALUES ('D''A', '%1', 10, "
            "'2026-12-15 00:00:00', 'Vandrel', '%2')");
        ReceptionFixture fx({insert.arg(QStringLiteral("AP-1"), QStringLiteral("   1")),
                             insert.arg(QStringLiteral("AP-2"), QStringLiteral("9''  "))});
        fx.folder.copyFromSource(QStringLiteral("reports/V_MV_MUTUALES_RECEPCION.json"));
        frmRecepcionMutuales& f = fx.open();
        ScriptedOperator op;   // no message: the formula is read
        f.txtFields[3]->setText(cuenta);
        f.txtFields[4]->setText(uneg);
        fx.press(Qt::Key_F4);
        op.verifyAllUsed();
        auto* engine = dynamic_cast<report::ReportEngine*>(ImpresorReportes.get());
        QVERIFY(engine);
        QVERIFY(QFileInfo(engine->lastFile()).isFile());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        const QString text = pdfText(engine->lastFile());
        for (const QString& c : {QStringLiteral("AP-1"), QStringLiteral("AP-2")})
            QCOMPARE(text.contains(c), listed.contains(c));
        QVERIFY2(!text.contains(QStringLiteral("0001-00045872")), qPrintable(text));
    }
};

TESTSUPPORT_MAIN(TstReceptionTexts)
#include "tst_reception_texts.moc"

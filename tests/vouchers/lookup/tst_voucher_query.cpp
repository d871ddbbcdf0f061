// The voucher lookup's query on the demo database: what each voucher group and
// selection lists and how its rows read, the two search boxes, the caller's condition,
// a selection kept on Buscar, the configuration of pending delivery notes, and a
// statement the database refuses.
#include "LookupRows.h"

#include "platform/ui/CajaTexto.h"
#include "platform/ui/ListView.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

using lookuptest::Loaded;
using lookuptest::Rows;
using testsupport::VoucherFixture;

namespace {

// The ids of the list's rows (the column that holds the voucher id, by group).
QStringList ids(FrmConsComprobantes& form, int column)
{
    QStringList out;
    for (const QString& row : Rows(form))
        out << row.split(QLatin1Char('|')).value(column);
    return out;
}

} // namespace

class TstVoucherQuery : public QObject {
    Q_OBJECT

private slots:
    void eachGroupListsItsVouchers_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QStringList>("rows");      // rows that must be there, whole
        QTest::addColumn<QStringList>("absent");    // ids that must not
        // General rows: recording time (or date), voucher, complement (OT, FC, NP) or
        // account (other types), name, observations (NP, FC, RM), amount.
        QTest::newRow("pending orders")
            << "NP/PENDIENTES" << QString()
            << QStringList{"09/12/2026 17:45:00|000100000046X|0|Mutual Docente Provincial|Termómetros para las escuelas de "
                           "Capital|23000",
                           "02/12/2026 10:20:00|000100000045X|0|Mutual Policial de Córdoba|Pedido de botiquines de la sede "
                           "Colón|105235"}
            << QStringList{};
        QTest::newRow("pending delivery notes: not the invoiced one")
            << "RM/PENDIENTES" << QString()
            << QStringList{"03/12/2026 09:05:00|000100000057R||Mutual Policial de Córdoba||62840"}
            << QStringList{"000100000058R"};
        QTest::newRow("pending work orders, no caller's condition")
            << "OT/PENDIENTES" << QString()
            << QStringList{"07/12/2026 08:15:00|000100000007X|0|Mutual Policial de Córdoba||3416.67"} << QStringList{};
        QTest::newRow("pending purchase delivery notes, no caller's condition")
            << "RM/PENDIENTES_COMPRAS" << QString()
            << QStringList{"28/11/26|000100003310R|210101|Droguería del Sud S.A.||0"} << QStringList{};
        QTest::newRow("approved budgets only")
            << "PR/PENDIENTES" << QString()
            << QStringList{"06/12/26|000100000004X|Mutual Docente Provincial||Botiquines escolares, validez 15 días|34500"}
            << QStringList{"000100000003X"};
        QTest::newRow("advances list the invoices")
            << "FC/ANTICIPOS" << QString()
            << QStringList{"10/12/2026 09:20:00|000100000120A|0|Mutual Docente Provincial|Factura del remito "
                           "0001-00000058|23000"}
            << QStringList{};
        QTest::newRow("transport delivery notes invoiced")
            << "RM/TRANSPORTE" << QString() << QStringList{"|000100000058R|0|09/12/26|110303"}
            << QStringList{"000100000057R"};
        QTest::newRow("order invoices")
            << "FP/PENDIENTES" << QString()
            << QStringList{"08/12/2026 10:00:00|000100000001A||Mutual Policial de Córdoba||50000"} << QStringList{};
        QTest::newRow("purchase orders with their reception")
            << "OC" << QString()
            << QStringList{"02/12/26|210101 Droguería del Sud S.A.|000100000022X|124000|Termómetros con garantía de un "
                           "año|000100000004X",
                           "20/11/26|210101 Droguería del Sud S.A.|000100000021X|188000|Reposición mensual|"}
            << QStringList{};
        QTest::newRow("sent to third parties")
            << "T3" << QString()
            << QStringList{"2700|04/12/26|000100000118A|0|05/12/2026|09/12/2026", "2701|03/12/26|000100000057R|0|05/12/2026|"}
            << QStringList{};
        QTest::newRow("supplier credit notes from the journal")
            << "NCPE" << QString()
            << QStringList{"07/12/26|000300000871A|210101|Droguería del Sud S.A.|Crédito por vencidos de noviembre|12100"}
            << QStringList{};
        QTest::newRow("purchase invoices")
            << "FCC" << QString() << QStringList{"28/11/26|000100004512A|210101|Droguería del Sud S.A.||195870"}
            << QStringList{"000100003310R"};
        QTest::newRow("purchase delivery notes")
            << "RMC" << QString() << QStringList{"28/11/26|000100003310R|210101|Droguería del Sud S.A.||0"}
            << QStringList{};
        QTest::newRow("every delivery note")
            << "RM" << QString()
            << QStringList{"09/12/2026 15:10:00|000100000058R||Mutual Docente Provincial|Entrega por transporte, escuela "
                           "Alberdi|23000",
                           "03/12/2026 09:05:00|000100000057R||Mutual Policial de Córdoba|Entrega parcial del pedido "
                           "0001-00000045|62840"}
            << QStringList{};
        QTest::newRow("every budget") << "PR" << QString()
                                      << QStringList{"05/12/26|000100000003X|Asociación Mutual de Empleados Públicos|||64.5"}
                                      << QStringList{};
        QTest::newRow("a caller's condition") << "FC" << "CUENTA = '110303'"
                                              << QStringList{"10/12/2026 09:20:00|000100000120A|0|Mutual Docente "
                                                             "Provincial|Factura del remito 0001-00000058|23000"}
                                              << QStringList{"000100000118A", "000100000125A"};
        QTest::newRow("a caller's condition after WHERE")
            << "RM/PENDIENTES" << "  where CUENTA = '110301'" << QStringList{} << QStringList{"000100000058R"};
    }
    void eachGroupListsItsVouchers()
    {
        QFETCH(QString, tc);
        QFETCH(QString, filtro);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, absent);
        testsupport::RegionalPin regional;
        VoucherFixture db;
        testsupport::ScriptedOperator op;   // no message may show
        auto form = Loaded(tc, filtro);
        const QStringList listed = Rows(*form);
        QVERIFY2(!listed.isEmpty(), qPrintable(tc));
        for (const QString& row : rows)
            QVERIFY2(listed.contains(row), qPrintable(row + QStringLiteral("\n  in\n") + listed.join(QLatin1Char('\n'))));
        for (const QString& id : absent)
            QVERIFY2(lookuptest::ItemOf(*form, id).isNothing(), qPrintable(id));
    }

    void listsAreNewestFirst()
    {
        VoucherFixture db;
        auto form = Loaded(QStringLiteral("fc"));
        const QStringList listed = ids(*form, 1);
        QCOMPARE(listed, (QStringList{"000100000125A", "000100000120A", "000100000119A", "000100000118A"}));
    }

    void searchBoxes_data()
    {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QStringList>("expected");
        const QString nombre = QStringLiteral("Buscar por nombre..."), numero = QStringLiteral("Buscar por Numero...");
        const QStringList all{"000100000126A", "000100000125A", "000100000120A", "000100000119A", "000100000118A"};
        QTest::newRow("prompts") << nombre << numero << all;
        QTest::newRow("prompts in other letters") << nombre.toUpper() << numero.toLower() << all;
        QTest::newRow("empty boxes") << QString() << QString() << all;
        QTest::newRow("part of the name, any case") << "  docente " << numero << QStringList{"000100000120A"};
        QTest::newRow("part of the number") << nombre << "0118" << QStringList{"000100000118A"};
        QTest::newRow("both: the number wins") << "docente" << "0118" << QStringList{"000100000118A"};
        QTest::newRow("an apostrophe in the name") << "D'Agos" << numero << QStringList{"000100000126A"};
        QTest::newRow("an apostrophe in the number") << nombre << "0'1" << QStringList{};
    }
    void searchBoxes()
    {
        QFETCH(QString, nombre);
        QFETCH(QString, numero);
        QFETCH(QStringList, expected);
        VoucherFixture db({QStringLiteral(
            "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, Importe) "
            "VALUES ('FC  ', '000100000126A', 0, '2026-12-11 00:00:00', '110302', 'Farmacia D''Agostino', 100)")});
        testsupport::ScriptedOperator op;   // an apostrophe must not break the statement
        FrmConsComprobantes form;
        form.TC = QStringLiteral("FC");
        form.TxtNombre->setText(nombre);
        form.TxtNumero->setText(numero);
        form.Form_Load();
        QCOMPARE(ids(form, 1), expected);
    }

    void whereInsideAWordStays()
    {
        VoucherFixture db({QStringLiteral(
            "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA, FECHA, NOMBRE, Importe, APROBADO, FINALIZADO, ANULADA, "
            "comentarios) VALUES ('OC  ', '000100000023X', '210101', '2026-12-09 00:00:00', 'Droguería del Sud S.A.', 10, "
            "1, 0, 0, 'Somewhere else')")});
        testsupport::ScriptedOperator op;
        auto form = Loaded(QStringLiteral("OC"), QStringLiteral("WHERE comentarios = 'Somewhere else'"));
        QCOMPARE(ids(*form, 2), (QStringList{"000100000023X"}));
        QCOMPARE(form->Filtro, QStringLiteral("comentarios = 'Somewhere else'"));
    }

    void aSelectionStaysOnBuscar_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("pending delivery notes") << "RM/PENDIENTES" << "RM"
                                                << QStringList{"FECHA", "COMPROBANTE", "ID", "NOMBRE", "Referencia",
                                                               "IMPORTE"};
        QTest::newRow("transport") << "RM/TRANSPORTE" << "RM"
                                   << QStringList{"ID", "COMPROBANTE", "COMPLEMENTO", "FECHA", "CUENTA"};
        QTest::newRow("approved budgets") << "pr/pendientes" << "PR"
                                          << QStringList{"FECHA", "COMPROBANTE", "NOMBRE", "ID", "Referencia", "IMPORTE"};
    }
    void aSelectionStaysOnBuscar()
    {
        QFETCH(QString, tc);
        QFETCH(QString, plain);
        QFETCH(QStringList, headers);
        VoucherFixture db;
        auto form = Loaded(tc);
        const QStringList first = Rows(*form);
        QCOMPARE(form->TC, plain);
        form->CmdBuscar_Click();
        QCOMPARE(Rows(*form), first);
        QCOMPARE(lookuptest::Headers(*form), headers);
        QCOMPARE(form->TC, plain);
        // A caller who puts another type in is answered with that type.
        form->TC = QStringLiteral("NP");
        form->CmdBuscar_Click();
        QVERIFY(!lookuptest::ItemOf(*form, QStringLiteral("000100000045X")).isNothing());
    }

    void pendingDeliveryNotesByConfiguration_data()
    {
        QTest::addColumn<QString>("usaRemitoContado");
        QTest::addColumn<QString>("entregaParcial");
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("row");
        // The view of pending delivery notes selects no recording time nor observations:
        // the row shows the date and an empty reference, and no error.
        QTest::newRow("pending view") << "SI" << "NO" << QString() << "03/12/26|000100000057R||Mutual Policial de Córdoba||62840";
        QTest::newRow("partial deliveries keep the vouchers")
            << "SI" << "SI" << QString() << "03/12/2026 09:05:00|000100000057R||Mutual Policial de Córdoba||62840";
        QTest::newRow("pending view with a condition")
            << "si" << QString() << "CUENTA = '110301'" << "03/12/26|000100000057R||Mutual Policial de Córdoba||62840";
        QTest::newRow("vouchers with a condition")
            << QString() << QString() << "CUENTA = '110301'"
            << "03/12/2026 09:05:00|000100000057R||Mutual Policial de Córdoba|Entrega parcial del pedido 0001-00000045|62840";
    }
    void pendingDeliveryNotesByConfiguration()
    {
        QFETCH(QString, usaRemitoContado);
        QFETCH(QString, entregaParcial);
        QFETCH(QString, filtro);
        QFETCH(QString, row);
        testsupport::RegionalPin regional;
        VoucherFixture db;
        db.SetConfig(QStringLiteral("UsaRemitoContado"), usaRemitoContado.isEmpty() ? QVariant() : QVariant(usaRemitoContado));
        db.SetConfig(QStringLiteral("EntregaParcialRemito"), entregaParcial.isEmpty() ? QVariant() : QVariant(entregaParcial));
        testsupport::ScriptedOperator op;
        auto form = Loaded(QStringLiteral("RM/PENDIENTES"), filtro);
        QCOMPARE(Rows(*form), QStringList{row});
    }

    void aRefusedStatementIsShownOnce()
    {
        VoucherFixture db;
        testsupport::ScriptedOperator op;
        op.expectMsgBox(QString(), 3);   // Abort
        auto form = Loaded(QStringLiteral("FC"), QStringLiteral("CUENTA = = 1"));
        QCOMPARE(form->ListView1->ListItems().Count(), 0);
        QCOMPARE(lookuptest::Headers(*form).size(), 6);
    }

    void aSubItemBeyondTheColumnsIsPassedOver()
    {
        // "RM-T" written by a caller lays out the five transport columns but reads its
        // vouchers as general rows of six: the sixth is refused by the list, silently.
        VoucherFixture db({QStringLiteral(
            "INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, Importe) "
            "VALUES ('RM-T', '000100000001R', 0, '2026-12-11 00:00:00', '110302', 'Consumidor final', 900)")});
        testsupport::ScriptedOperator op;
        auto form = Loaded(QStringLiteral("RM-T"));
        QCOMPARE(lookuptest::Headers(*form).size(), 5);
        QCOMPARE(Rows(*form), QStringList{"11/12/26|000100000001R|110302|Consumidor final|"});
    }

    void anEmptyListKeepsItsColumns()
    {
        VoucherFixture db;
        testsupport::ScriptedOperator op;
        auto form = Loaded(QStringLiteral("NCC"));
        QCOMPARE(form->ListView1->ListItems().Count(), 0);
        QCOMPARE(lookuptest::Headers(*form).first(), QStringLiteral("FECHA"));
    }

    void buscarAndAceptarWaitWhileTheListFills()
    {
        VoucherFixture db;
        FrmConsComprobantes form;
        form.TC = QStringLiteral("FC");
        int during = 0;
        // Runs at the first pass through the event loop inside the fill.
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(form.filling());
            form.CmdAceptar_Click();
            form.CmdBuscar_Click();
            during = form.ListView1->ListItems().Count();
        });
        form.show();
        form.Form_Load();
        QVERIFY(form.isVisible());
        QCOMPARE(form.NroComprobante, QString());
        QVERIFY(during < 4);   // the list was not complete yet
        QCOMPARE(form.ListView1->ListItems().Count(), 4);
        QVERIFY(!form.filling());
    }

    void cancelStopsAFill()
    {
        VoucherFixture db;
        FrmConsComprobantes form;
        form.TC = QStringLiteral("FC");
        QTimer::singleShot(0, &form, [&] { form.CmdCancelar->click(); });
        form.show();
        form.Form_Load();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.ListView1->ListItems().Count(), 0);
    }
};

TESTSUPPORT_MAIN(TstVoucherQuery)
#include "tst_voucher_query.moc"

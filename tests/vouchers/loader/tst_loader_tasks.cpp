// The loader's task stage on the demo vouchers: the rows it adds, hours, amounts with
// and without the exchange rate, purchase vouchers and the caller's task condition.
#include "LoaderBench.h"

#include "platform/ui/FlexGrid.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "vouchers/GridColumns.h"

#include <QTest>

using loadertest::Bench;
using loadertest::Column;
using loadertest::From;
using loadertest::Load;
using loadertest::Row;
using testsupport::ScriptedOperator;

class TstLoaderTasks : public QObject {
    Q_OBJECT

private slots:
    // A sales task line fills every column the stage writes, columns 0 to 20.
    void salesTaskRow()
    {
        Bench b;
        ScriptedOperator op;
        b.Run(Load{});
        const ui::FlexGrid& g = *b.form.MSFlexGrid1;
        QCOMPARE(g.Rows(), 3);
        const QStringList expected{
            "ENTDOM", "Entrega a domicilio", "01:30", "1500.00", "2250.00",
            "",                                  // 5: not written
            "1239.67", "Av. Colón 2150, 3er piso", "03/12/2026 09:00:00", "03/12/2026 10:30:00", "1",
            "ENTDOM", "", "",                    // 12, 13: no actual dates
            "",                                  // 14: not written
            "2",
            "Vandrel",                           // the user is copied as text
            "", "",                              // 17, 18: Null
            "EXP-1207  ",                        // kept as read, blanks and all
            "03/12/2026"};
        QCOMPARE(Row(g, 1, 21), expected);
        QCOMPARE(Row(g, 2, ColTarea::Count), QStringList(ColTarea::Count));
    }

    void rowsAndColumns_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("compras");
        QTest::addColumn<bool>("convertir");
        QTest::addColumn<QString>("whr");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("texts");   // the column from row 1 to the last

        QTest::newRow("no task lines: the grid as prepared")
            << "RM" << "000100000057R" << false << false << "" << QStringList() << int(ColTarea::IdTarea)
            << QStringList{""};
        QTest::newRow("three lines and an empty row")
            << "OT" << "000100000007X" << false << false << "" << QStringList() << int(ColTarea::IdTarea)
            << QStringList{"CTRLPA", "APLINY", "ENTDOM", ""};
        QTest::newRow("hours and minutes") << "OT" << "000100000007X" << false << false << "" << QStringList()
                                           << int(ColTarea::Cantidad) << QStringList{"02:00", "00:45", "00:30", ""};
        QTest::newRow("decimal hours")
            << "OT" << "000100000007X" << false << false << ""
            << QStringList{"UPDATE TA_CONFIGURACION SET VALOR = '.' WHERE CLAVE = 'SEPARADORHORA'"}
            << int(ColTarea::Cantidad) << QStringList{"2.00", ".75", ".50", ""};
        QTest::newRow("a missing priority reads 0") << "OT" << "000100000007X" << false << false << "" << QStringList()
                                                    << int(ColTarea::Prioridad) << QStringList{"1", "3", "0", ""};
        QTest::newRow("users as text") << "OT" << "000100000007X" << false << false << "" << QStringList()
                                       << int(ColTarea::Usuario) << QStringList{"mgomez", "mgomez", "Vandrel", ""};
        QTest::newRow("actual dates") << "OT" << "000100000007X" << false << false << "" << QStringList()
                                      << int(ColTarea::FechaRealFin) << QStringList{"09/12/2026 10:05:00", "", "", ""};
        QTest::newRow("the caller's condition")
            << "OT" << "000100000007X" << false << false << " AND IDTAREA = 'APLINY'" << QStringList()
            << int(ColTarea::IdTarea) << QStringList{"APLINY", ""};
        QTest::newRow("hourly value in its currency") << "PR" << "000100000003X" << false << false << "" << QStringList()
                                                      << int(ColTarea::Importe) << QStringList{"12.00", ""};
        QTest::newRow("hourly value at the exchange rate") << "PR" << "000100000003X" << false << true << ""
                                                           << QStringList() << int(ColTarea::Importe)
                                                           << QStringList{"12600.00", ""};
        QTest::newRow("value without VAT at the exchange rate")
            << "PR" << "000100000003X" << false << true << "" << QStringList() << int(ColTarea::ImporteSinIVA)
            << QStringList{"10413.27", ""};
        QTest::newRow("total at the exchange rate") << "PR" << "000100000003X" << false << true << "" << QStringList()
                                                    << int(ColTarea::Total) << QStringList{"31500.00", ""};
        QTest::newRow("a rate of 0 gives zero amounts")
            << "PR" << "000100000003X" << false << true << ""
            << QStringList{"UPDATE V_MV_CPTE SET Cotizacion = 0 WHERE ID = 2504"} << int(ColTarea::Total)
            << QStringList{"0.00", ""};
        QTest::newRow("purchase: the task's amounts") << "FCC" << "000100004512A" << true << false << "" << QStringList()
                                                      << int(ColTarea::ImporteSinIVA) << QStringList{"876.03", ""};
        QTest::newRow("purchase: no sales columns") << "FCC" << "000100004512A" << true << false << "" << QStringList()
                                                    << int(ColTarea::ObservAdic) << QStringList{"", ""};
        QTest::newRow("purchase: no technician") << "FCC" << "000100004512A" << true << false << "" << QStringList()
                                                 << int(ColTarea::IdTecnico) << QStringList{"", ""};
        QTest::newRow("purchase: no file number") << "FCC" << "000100004512A" << true << false << "" << QStringList()
                                                  << int(ColTarea::NroExp) << QStringList{"", ""};
    }
    void rowsAndColumns()
    {
        QFETCH(QString, tc);
        QFETCH(QString, id);
        QFETCH(bool, compras);
        QFETCH(bool, convertir);
        QFETCH(QString, whr);
        QFETCH(QStringList, extra);
        QFETCH(int, col);
        QFETCH(QStringList, texts);
        Bench b(extra);
        ScriptedOperator op;
        Load load = From(tc, id, compras);
        load.convertir = convertir;
        load.whrTareas = whr;
        b.Run(load);
        QCOMPARE(Column(*b.form.MSFlexGrid1, col), texts);
    }

    // A purchase task line fills the code, description, hours and amounts only.
    void purchaseTaskRow()
    {
        Bench b;
        ScriptedOperator op;
        b.Run(From(QStringLiteral("FCC"), QStringLiteral("000100004512A"), true));
        QStringList expected(ColTarea::Count);
        expected[ColTarea::IdTarea] = QStringLiteral("FLETE");
        expected[ColTarea::CodigoOriginal] = QStringLiteral("FLETE");
        expected[ColTarea::Descripcion] = QStringLiteral("Flete de mercadería");
        expected[ColTarea::Cantidad] = QStringLiteral("01:00");
        expected[ColTarea::Importe] = QStringLiteral("1060.00");
        expected[ColTarea::ImporteSinIVA] = QStringLiteral("876.03");
        expected[ColTarea::Total] = QStringLiteral("1060.00");
        QCOMPARE(Row(*b.form.MSFlexGrid1, 1, ColTarea::Count), expected);
    }
};

TESTSUPPORT_MAIN(TstLoaderTasks)
#include "tst_loader_tasks.moc"

// Sub-journal of a voucher type and the next accounting-entry number.
#include "NumberingFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/ast.h"
#include "platform/vb/Strings.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

using testsupport::ScriptedOperator;
using testsupport::TempProgramFolder;

namespace {

QString line(int mes, const QString& tipoReg, int periodo, int asiento)
{
    static int n = 0;
    ++n;
    return QStringLiteral("INSERT INTO MV_ASIENTOS (TC, Sucursal, Numero, Letra, Secuencia, Mes_Operativo, Tipo_Reg, Periodo, [NUMERO ASIENTO]) "
                          "VALUES ('MUT', '0001', '%1', 'X', 1, %2, %3, %4, %5)")
        .arg(n, 8, 10, QLatin1Char('0'))
        .arg(mes)
        .arg(tipoReg.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + tipoReg + QLatin1Char('\''))
        .arg(periodo)
        .arg(asiento);
}

QString ccosto(int mes, const QString& tipoReg, int periodo, int asiento)
{
    return QStringLiteral("INSERT INTO MV_ASIENTOSCCOSTO (MES_OPERATIVO, TIPO_REG, PERIODO, [NUMERO ASIENTO]) VALUES (%1, '%2', %3, %4)")
        .arg(mes)
        .arg(tipoReg)
        .arg(periodo)
        .arg(asiento);
}

// Entry lines of several months, sub-journals and periods.
QStringList entryLines()
{
    const QString ors = vb::Chr(255) + QStringLiteral("RS");
    return {
        // Month 3, sub-journal VT, period 2024: highest 41; the cost-centre lines use 42 and 57.
        line(3, "VT", 2024, 40), line(3, "VT", 2024, 41), ccosto(3, "VT", 2024, 42), ccosto(3, "VT", 2024, 57),
        // Other sub-journal, month and period of the same numbers.
        line(3, "CP", 2024, 90), line(4, "VT", 2024, 77), line(3, "VT", 2023, 88),
        // Period 2025: highest 41, cost-centre lines 30 and 50 only.
        line(3, "VT", 2025, 41), ccosto(3, "VT", 2025, 30), ccosto(3, "VT", 2025, 50),
        // No sub-journal: "ÿRS", empty and four blanks count; NULL does not.
        line(3, ors, 2024, 12), line(3, "", 2024, 13), line(3, "    ", 2024, 14), line(3, QString(), 2024, 99),
        // Month 5 has no line, but the cost-centre table already uses 1.
        ccosto(5, "VT", 2024, 1), ccosto(5, "VT", 2024, 6),
        // Period 5.
        line(3, "VT", 5, 9),
    };
}

void makeRestricted()
{
    // A user who is not an administrator, with confidentiality on: MV_ASIENTOS is read
    // through SS_MV_ASIENTOS, which here shows no line at all.
    numtest::Exec(QStringLiteral("DROP VIEW SS_MV_ASIENTOS"));
    numtest::Exec(QStringLiteral("CREATE VIEW SS_MV_ASIENTOS AS SELECT * FROM MV_ASIENTOS WHERE 1 = 0"));
    gDBPrincipal->gEsAdmin = false;
    gConfidencialidad = true;
}

} // namespace

class TstNumberingEntries : public QObject {
    Q_OBJECT

private slots:
    // Every test on the program's own engine and on an Oracle connection.
    void initTestCase_data() { numtest::EngineRows(); }
    void init() { numtest::StartOnEngine(); }
    void cleanup() { QCOMPARE(numtest::EndOnEngine(), QStringList()); }

    void subJournal_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as stored, not trimmed") << "MUT" << "VT  ";
        QTest::newRow("type trimmed and in any case") << " mut " << "VT  ";
        QTest::newRow("no assignment") << "XX" << "    ";
        QTest::newRow("a code that is not a sub-journal") << "FC" << "    ";
        QTest::newRow("a Null code") << "NC" << "    ";
        QTest::newRow("an apostrophe") << "O'K" << "    ";
    }
    void subJournal()
    {
        QFETCH(QString, tc);
        TempProgramFolder folder;
        numtest::Open(folder, {QStringLiteral("INSERT INTO MA_SUBDIARIOS (CODIGO, Descripcion) VALUES ('VT', 'Ventas')"),
                               QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('MUT ', 'VT  ')"),
                               QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('FC  ', 'ZZ')"),
                               QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('NC  ', NULL)")});
        ScriptedOperator op;
        QTEST(ObtieneTipoRegCont(tc), "expected");
    }

    void subJournalLookupFails()
    {
        // Only a failed lookup gives an empty text; the error box names the routine.
        TempProgramFolder folder;
        numtest::Open(folder, {QStringLiteral("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('MUT ', 'VT')"),
                               QStringLiteral("DROP TABLE MA_SUBDIARIOS")});
        ScriptedOperator op;
        op.expectMsgBox(QString(), 3);   // the data layer's own box for the failed open
        op.expectMsgBox(QString(), 3);   // then the routine's, reading the unopened recordset
        QCOMPARE(ObtieneTipoRegCont(QStringLiteral("MUT")), QString());
        QVERIFY(op.shown().at(1).title.contains(QLatin1String("ObtieneTipoRegCont$")));
    }

    void entryNumber_data()
    {
        QTest::addColumn<QVariant>("mes");
        QTest::addColumn<QVariant>("periodo");
        QTest::addColumn<QVariant>("tipoReg");
        QTest::addColumn<int>("expected");

        QTest::newRow("41 highest, 42 used by cost centres whose highest is 57") << QVariant(3) << QVariant("2024") << QVariant("VT") << 58;
        QTest::newRow("41 highest, cost centres 30 and 50 only") << QVariant(3) << QVariant("2025") << QVariant("VT") << 42;
        QTest::newRow("sub-journal trimmed") << QVariant(3) << QVariant("2025") << QVariant(" VT  ") << 42;
        QTest::newRow("another sub-journal") << QVariant(3) << QVariant("2024") << QVariant("CP") << 91;
        QTest::newRow("another month") << QVariant(4) << QVariant("2024") << QVariant("VT") << 78;
        QTest::newRow("another period") << QVariant(3) << QVariant(2023) << QVariant("VT") << 89;
        QTest::newRow("four blanks: the lines of ÿRS, empty or blanks") << QVariant(3) << QVariant("2024") << QVariant("    ") << 15;
        QTest::newRow("no line yet: 1, then 1 found among cost centres") << QVariant(5) << QVariant("2024") << QVariant("VT") << 7;
        QTest::newRow("no line at all") << QVariant(6) << QVariant("2024") << QVariant("VT") << 1;
        QTest::newRow("period text 05") << QVariant(3) << QVariant("05") << QVariant("VT") << 10;
        QTest::newRow("period 5") << QVariant(3) << QVariant(5) << QVariant("VT") << 10;
        QTest::newRow("month as text") << QVariant("3") << QVariant("2025") << QVariant("VT") << 42;
    }
    void entryNumber()
    {
        QFETCH(QVariant, mes);
        QFETCH(QVariant, periodo);
        QFETCH(QVariant, tipoReg);
        QFETCH_GLOBAL(bool, oracle);
        if (oracle && tipoReg.toString().trimmed().isEmpty())
            QSKIP("Oracle keeps no empty text apart from NULL: the lines of no sub-journal are SQL Server's distinction");
        TempProgramFolder folder;
        numtest::Open(folder, entryLines());
        ScriptedOperator op;
        QTEST(int(ObtieneNroAsiento(vb::Variant::fromQVariant(mes), vb::Variant::fromQVariant(periodo),
                                    vb::Variant::fromQVariant(tipoReg))),
              "expected");
        // The same number for a user who is not an administrator.
        makeRestricted();
        QTEST(int(ObtieneNroAsiento(vb::Variant::fromQVariant(mes), vb::Variant::fromQVariant(periodo),
                                    vb::Variant::fromQVariant(tipoReg))),
              "expected");
    }

    void theRestrictedViewIsReallyInTheWay()
    {
        // Without the marker the same user would count no line: the fixture's view hides them.
        TempProgramFolder folder;
        numtest::Open(folder, entryLines());
        ScriptedOperator op;
        makeRestricted();
        ado::Recordset rs;
        gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS N FROM MV_ASIENTOS WITH(NOLOCK) WHERE MES_OPERATIVO = 3"), rs);
        QVERIFY(rs.Fields(QStringLiteral("N")).Value().isNull());
        QCOMPARE(ObtieneNroAsiento(vb::Variant(3), vb::Variant(QStringLiteral("2025")), vb::Variant(QStringLiteral("VT"))), 42);
    }

    void entryNumberFails()
    {
        // A month that gives no statement: the number is 0, reported under the routine's name.
        TempProgramFolder folder;
        numtest::Open(folder, entryLines());
        ScriptedOperator op;
        op.expectMsgBox(QString(), 3);   // the data layer's box for the failed open
        op.expectMsgBox(QString(), 3);   // the routine's
        QCOMPARE(ObtieneNroAsiento(vb::Variant(), vb::Variant(QStringLiteral("2024")), vb::Variant(QStringLiteral("VT"))), 0);
        QVERIFY(op.shown().at(1).title.contains(QLatin1String("ObtieneNroAsiento")));
    }

    void theReceptionsSequenceOnTheDemoData()
    {
        // The reception.s calls on the demo company, twice: sub-journal, entry number of the
        // month, voucher number, then the collected numbering run with the entry lines.
        TempProgramFolder folder;
        frametest::CreateDemoDatabases(folder, false);
        frametest::OpenMain(QStringLiteral("demo.sqlite"));
        ScriptedOperator op;
        for (int round = 0; round < 2; ++round) {
            const QString subdiario = ObtieneTipoRegCont(QStringLiteral("MUT"));
            QCOMPARE(subdiario, QStringLiteral("MUT "));
            const qint32 asiento = ObtieneNroAsiento(vb::Variant(12), vb::Variant(QStringLiteral("2026")), vb::Variant(subdiario));
            QCOMPARE(asiento, 5 + round);
            QString sucursal, numero, letra, script;
            Obtener_Nro_Comprobante(QStringLiteral("MUT"), sucursal, numero, letra, false, true, QString(), gUNegocio);
            QCOMPARE(numero, QStringLiteral("0000000%1").arg(5 + round));
            QCOMPARE(sucursal, QStringLiteral("0001"));
            QCOMPARE(letra, QStringLiteral("X"));
            ActualizaNumeracionComprobante(QStringLiteral("MUT"), QStringLiteral("Contable"), sucursal, vb::Str(vb::Val(numero) + 1),
                                           letra, true, script, false, false);
            QStringList lista{QString(), script, QString()};
            for (const char* lado : {"D", "H"})
                lista << QStringLiteral("INSERT INTO MV_ASIENTOS (Mes_Operativo, [NUMERO ASIENTO], Secuencia, [Debe-Haber], Periodo, TC, "
                                        "Sucursal, Numero, Letra, Tipo_Reg) VALUES (12, %1, %2, '%3', 2026, 'MUT', '%4', '%5', '%6', '%7')")
                             .arg(asiento)
                             .arg(lado[0] == 'D' ? 1 : 2)
                             .arg(QLatin1String(lado), sucursal, numero, letra, subdiario);
            bool hayError = false;
            qint32 nroError = 0;
            QString ejecutado, mensaje;
            GActualizarDatoScript(lista, hayError, nroError, false, false, ejecutado, mensaje, true);
            QVERIFY(!hayError);
        }
        QCOMPARE(frametest::Scalar(QStringLiteral("demo.sqlite"), QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'MUT'")).toInt(), 7);
        QCOMPARE(frametest::Scalar(QStringLiteral("demo.sqlite"),
                                   QStringLiteral("SELECT COUNT(*) FROM V_MV_CTROL_CPTE WHERE TC = 'MUT' AND NUMERO IN ('00000005', '00000006')"))
                     .toInt(),
                 2);
    }
};

TESTSUPPORT_MAIN(TstNumberingEntries)
#include "tst_numbering_entries.moc"

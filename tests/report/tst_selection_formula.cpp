// The selection formula of reports: which rows each form of the language selects, and
// the formulas that cannot be read.
#include "platform/report/SelectionFormula.h"
#include "platform/vb/Currency.h"
#include "tests/support/TestMain.h"

#include <QDate>

using report::FormulaError;
using report::SelectionFormula;

namespace {

// A small table: ID, FECHA (date-time), CUENTA, IMPORTE (money), FACTURA (Null in some
// rows), NUM (long), OBS.
const QStringList Columns = {"ID", "FECHA", "CUENTA", "IMPORTE", "FACTURA", "NUM", "OBS"};

QList<QVector<vb::Variant>> rows()
{
    auto date = [](int y, int m, int d, int h = 0) { return vb::Variant(vb::MakeDate(QDate(y, m, d), QTime(h, 0))); };
    auto money = [](qint64 raw) { return vb::Variant(vb::Currency::fromRaw(raw)); };
    return {
        {1, date(2026, 12, 1), "110301", money(185405000), "000100000125A", 7, "Recetas noviembre"},
        {2, date(2026, 12, 1), "110302", money(73250000), vb::Variant::Null(), 40000, "  hola  "},
        {3, date(2026, 12, 4, 10), "110303", money(1005000), "", -3, "recetas sueltas"},
        {4, date(2026, 12, 7), "110301 ", money(1001000), vb::Variant::Null(), 0, vb::Variant::Null()},
    };
}

int columnOf(const QString& name)
{
    for (int i = 0; i < Columns.size(); ++i)
        if (Columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QList<int> select(const QString& formula)
{
    SelectionFormula f = SelectionFormula::parse(formula, QStringLiteral("T"));
    f.bind(columnOf);
    QList<int> ids;
    for (const auto& row : rows())
        if (f.matches([&row](int c) { return row.at(c); }))
            ids << row.at(0).toLong();
    return ids;
}

} // namespace

class TestSelectionFormula : public QObject {
    Q_OBJECT

private slots:
    void selects_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QList<int>>("ids");

        QTest::newRow("empty selects all") << "" << QList<int>{1, 2, 3, 4};
        QTest::newRow("blank selects all") << "   " << QList<int>{1, 2, 3, 4};
        QTest::newRow("text equality ignores case of names and trailing blanks")
            << "{t.cuenta} = '110301'" << QList<int>{1, 4};
        QTest::newRow("double-quoted text with a doubled quote") << "{T.OBS} = \"it\"\"s\"" << QList<int>{};
        QTest::newRow("doubled single quote") << "{T.OBS} <> 'it''s'" << QList<int>{1, 2, 3};
        QTest::newRow("date literal compares by the day, time of day aside")
            << "{T.FECHA} =Date(2026,12,04)" << QList<int>{3};
        QTest::newRow("date range as the filter builder writes it")
            << "{T.FECHA} >= Date(2026,12,02)  AND {T.FECHA} <= Date(2026,12,07) " << QList<int>{3, 4};
        QTest::newRow("less and greater") << "{T.FECHA} < Date(2026,12,4) OR {T.FECHA} > Date(2026,12,4)"
                                          << QList<int>{1, 2, 4};
        QTest::newRow("money compared exactly") << "{T.IMPORTE} >= 100.5" << QList<int>{1, 2, 3};
        QTest::newRow("money just under") << "{T.IMPORTE} <= 100.1" << QList<int>{4};
        QTest::newRow("negative number") << "{T.NUM} < -2" << QList<int>{3};
        QTest::newRow("whole numbers above 16 bits") << "{T.NUM} >= 32768" << QList<int>{2};
        QTest::newRow("LIKE with star") << "{T.CUENTA} LIKE '11030*'" << QList<int>{1, 2, 3, 4};
        QTest::newRow("LIKE with question mark") << "{T.CUENTA} like '1103?1'" << QList<int>{1, 4};
        QTest::newRow("LIKE ignores case") << "{T.OBS} LIKE 'RECETAS*'" << QList<int>{1, 3};
        QTest::newRow("LIKE on a number") << "{T.NUM} LIKE '4*'" << QList<int>{2};
        QTest::newRow("pattern group as the filter builder writes it")
            << " ({T.CUENTA} LIKE '110301*'  OR {T.CUENTA} LIKE '110303*' )" << QList<int>{1, 3, 4};
        QTest::newRow("tonumber") << "tonumber({T.CUENTA}) >= 110302 AND TONUMBER({T.CUENTA}) <= 110302.5"
                                  << QList<int>{2};
        QTest::newRow("trimmed field as the filter builder writes it")
            << "TrimLeft(TrimRight({T.OBS})) >= 'hola'  AND TrimLeft(TrimRight({T.OBS})) <= 'hola' "
            << QList<int>{2};
        QTest::newRow("TrimRight alone keeps leading blanks") << "TrimRight({T.OBS}) = 'hola'" << QList<int>{};
        QTest::newRow("pending clause as the reception writes it")
            << " (ISNULL({T.FACTURA}) OR {T.FACTURA}='' ) " << QList<int>{2, 3, 4};
        QTest::newRow("comparison with Null selects nothing") << "{T.FACTURA} <> 'X'" << QList<int>{1, 3};
        QTest::newRow("Null OR true is true") << "{T.FACTURA} = 'X' OR {T.ID} = 4" << QList<int>{4};
        QTest::newRow("AND binds tighter than OR")
            << "{T.ID} = 1 OR {T.ID} = 2 AND {T.NUM} = 7" << QList<int>{1};
        QTest::newRow("parentheses group") << "({T.ID} = 1 OR {T.ID} = 2) AND {T.NUM} = 7" << QList<int>{1};
        QTest::newRow("words in any case")
            << "{T.FECHA} = date(2026,12,1) and isnull({T.FACTURA}) Or {T.ID}=3" << QList<int>{2, 3};
        QTest::newRow("text read as a number") << "{T.NUM} = '7'" << QList<int>{1};
        QTest::newRow("text read as a date") << "{T.FECHA} >= '07/12/2026'" << QList<int>{4};
        QTest::newRow("tabs and line breaks are blanks") << "{T.ID}\t=\r\n2" << QList<int>{2};
    }

    void selects()
    {
        QFETCH(QString, formula);
        QFETCH(QList<int>, ids);
        QCOMPARE(select(formula), ids);
    }

    void refuses_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");

        QTest::newRow("unclosed field") << "{T.CUENTA = '1'" << "falta la llave";
        QTest::newRow("unclosed text") << "{T.CUENTA} = 'abc" << "falta la comilla";
        QTest::newRow("field without table") << "{CUENTA} = '1'" << "no indica su tabla";
        QTest::newRow("field of another table") << "{OTRA.CUENTA} = '1'" << "no es de la tabla T";
        QTest::newRow("field without name") << "{T.} = '1'" << "no tiene nombre";
        QTest::newRow("field the rows lack") << "{T.NOHAY} = '1'" << "no tiene el campo NOHAY";
        QTest::newRow("ends after an operator") << "{T.CUENTA} = " << "termina antes de tiempo";
        QTest::newRow("ends after AND") << "{T.CUENTA} = '1' AND" << "termina antes de tiempo";
        QTest::newRow("doubled operator") << "{T.CUENTA} == '1'" << "se esperaba un valor";
        QTest::newRow("unclosed parenthesis") << "({T.CUENTA} = '1'" << "se esperaba \")\"";
        QTest::newRow("extra parenthesis") << "{T.CUENTA} = '1')" << "sobra \")\"";
        QTest::newRow("unknown connector") << "{T.ID} = 1 XOR {T.ID} = 2" << "sobra \"XOR\"";
        QTest::newRow("unknown function") << "UPPER({T.CUENTA}) = 'A'" << "palabra desconocida \"UPPER\"";
        QTest::newRow("unknown operator") << "{T.CUENTA} IN ['1']" << "sobra \"IN\"";
        QTest::newRow("stray character") << "{T.CUENTA} = '1';" << "carácter inesperado \";\"";
        QTest::newRow("a value is no condition") << "{T.CUENTA}" << "no es una condición";
        QTest::newRow("AND of values") << "{T.ID} = 1 AND 5" << "AND une condiciones";
        QTest::newRow("comparison of conditions") << "{T.ID} = ({T.ID} = 1)" << "compara valores";
        QTest::newRow("impossible date") << "{T.FECHA} = Date(2026,2,30)" << "no existe";
        QTest::newRow("date with two numbers") << "{T.FECHA} = Date(2026,2)" << "se esperaba \",\"";
        QTest::newRow("date with a decimal") << "{T.FECHA} = Date(2026,1.5,3)" << "números enteros";
        QTest::newRow("number against date literal") << "5 = Date(2026,1,1)" << "no se puede comparar un número con una fecha";
        QTest::newRow("LIKE with a number pattern") << "{T.CUENTA} LIKE 5" << "LIKE necesita un texto";
        QTest::newRow("trimming a number") << "TrimLeft(5) = '5'" << "recorta textos";
        QTest::newRow("ISNULL of a condition") << "ISNULL({T.ID} = 1)" << "necesita un valor";
        QTest::newRow("incomplete number") << "{T.IMPORTE} > 5." << "número incompleto";
        QTest::newRow("minus before a word") << "{T.NUM} > -{T.ID}" << "va delante de un número";
        QTest::newRow("text that is no date, met on a row") << "{T.FECHA} = 'mañana'" << "no se puede comparar";
        QTest::newRow("date against a text column, met on a row") << "{T.CUENTA} = Date(2026,1,1)"
                                                                  << "no se puede comparar un texto con una fecha";
        QTest::newRow("date against a number column, met on a row") << "{T.NUM} = Date(2026,1,1)"
                                                                    << "no se puede comparar un número con una fecha";
    }

    void refuses()
    {
        QFETCH(QString, formula);
        QFETCH(QString, message);
        try {
            select(formula);
            QFAIL("the formula was read");
        } catch (const FormulaError& e) {
            if (!e.message.contains(message))
                QFAIL(qPrintable(QStringLiteral("message \"%1\" lacks \"%2\"").arg(e.message, message)));
        }
    }

    void namesTheFieldsItReads()
    {
        const SelectionFormula f = SelectionFormula::parse(
            QStringLiteral("{T.CUENTA} = '1' AND ISNULL({T.FACTURA}) OR {t.cuenta} = '2'"), QStringLiteral("T"));
        QCOMPARE(f.fields(), (QStringList{"CUENTA", "FACTURA"}));
        QVERIFY(SelectionFormula::parse(QString(), QStringLiteral("T")).selectsAll());
    }
};

TESTSUPPORT_MAIN(TestSelectionFormula)
#include "tst_selection_formula.moc"

// The report filter builder: the formula for each kind of criterion, the connectors, and
// the messages that stop the build.
#include "frame/ArmaFiltro.h"
#include "platform/vb/VbError.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TestMain.h"

using zeltrix::RegCriterio;
using Criterios = QList<RegCriterio>;
Q_DECLARE_METATYPE(Criterios)

namespace {

RegCriterio C(const QString& desde, const QString& hasta, const QString& campo, qint16 tipo,
              bool sinRecorte = false, const QString& operador = QString())
{
    RegCriterio c;
    c.Desde = desde;
    c.Hasta = hasta;
    c.Campo = campo;
    c.TipoDato = tipo;
    c.SinRecorte = sinRecorte;
    c.Operador = operador;
    return c;
}

const QString F = QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION}");
const QString A = QStringLiteral("{T.A}");
const QString B = QStringLiteral("{T.B}");
const QString N = QStringLiteral("{T.N}");
const QString Before = QStringLiteral("formula before the call");

// The formula built from the criteria, or the message with the formula left as it was.
void expectBuild(const Criterios& criterios, const QString& formula, const QString& mensaje)
{
    QString built = Before;
    const vb::Variant untouched(QStringLiteral("untouched"));
    vb::Variant message = untouched;
    ArmaFiltro(criterios, built, &message);
    QCOMPARE(built, formula);
    QCOMPARE(message.toString(), mensaje.isEmpty() ? untouched.toString() : mensaje);
}

} // namespace

class TestArmaFiltro : public QObject {
    Q_OBJECT

private slots:
    void builds_data()
    {
        QTest::addColumn<Criterios>("criterios");
        QTest::addColumn<QString>("formula");   // the expected formula, or Before when it must stay
        QTest::addColumn<QString>("mensaje");   // the expected message; empty: untouched

        QTest::newRow("empty connector is AND, lower-case or written as given")
            << Criterios{C("X", "", A, 129, true), C("Y", "", B, 129, true, "or")}
            << "{T.A} >= 'X'  or {T.B} >= 'Y' " << "";
        QTest::newRow("connectors with blanks around are trimmed")
            << Criterios{C("X", "", A, 129, true), C("Y", "", B, 129, true, "  OR ")}
            << "{T.A} >= 'X'  OR {T.B} >= 'Y' " << "";
        QTest::newRow("XOR on a criterion without bounds stops the build")
            << Criterios{C("X", "", A, 129, true), C("", "", B, 129, true, "XOR")}
            << Before << "Operador logico incorrecto";
        QTest::newRow("text pattern alone: parenthesis closes after a blank")
            << Criterios{C("A*", "", A, 129)}
            << " (TrimLeft(TrimRight({T.A})) LIKE 'A*' )" << "";
        QTest::newRow("two patterns joined with OR inside the parentheses")
            << Criterios{C("A*", "C*", A, 129, true)}
            << " ({T.A} LIKE 'A*'  OR {T.A} LIKE 'C*' )" << "";
        QTest::newRow("a bound and a pattern joined with AND, no parentheses")
            << Criterios{C("A", "C*", A, 129, true)}
            << "{T.A} >= 'A'  AND {T.A} LIKE 'C*' " << "";
        QTest::newRow("full text range, trimmed field")
            << Criterios{C("A", "C", A, 200)}
            << "TrimLeft(TrimRight({T.A})) >= 'A'  AND TrimLeft(TrimRight({T.A})) <= 'C' " << "";
        QTest::newRow("values go in untrimmed, an apostrophe doubled")
            << Criterios{C(" O'Higgins", "", A, 129, true)}
            << "{T.A} >= ' O''Higgins' " << "";
        QTest::newRow("apostrophes in a range and in patterns")
            << Criterios{C("D'A", "D'Z", A, 129, true), C("'*", "O'*", B, 129, true)}
            << "{T.A} >= 'D''A'  AND {T.A} <= 'D''Z'  AND  ({T.B} LIKE '''*'  OR {T.B} LIKE 'O''*' )" << "";
        QTest::newRow("text bounds in the wrong order, case ignored")
            << Criterios{C("b", "A", A, 129)}
            << Before << "Desde Mayor que Hasta, Campo : {T.A}";
        QTest::newRow("text bounds in order, case ignored")
            << Criterios{C("a", "B", A, 129, true)}
            << "{T.A} >= 'a'  AND {T.A} <= 'B' " << "";
        QTest::newRow("patterns are compared too")
            << Criterios{C("B*", "A*", A, 129)}
            << Before << "Desde Mayor que Hasta, Campo : {T.A}";
        QTest::newRow("date range in order")
            << Criterios{C("01/03/2024", "31/03/2024", F, 7)}
            << F + " >= Date(2024,03,01)  AND " + F + " <= Date(2024,03,31) " << "";
        QTest::newRow("equal dates pass")
            << Criterios{C("15/03/2024", "15/03/2024", F, 7)}
            << F + " >= Date(2024,03,15)  AND " + F + " <= Date(2024,03,15) " << "";
        QTest::newRow("dates compared as dates, not as texts")
            << Criterios{C("02/01/2024", "10/01/2024", F, 7)}
            << F + " >= Date(2024,01,02)  AND " + F + " <= Date(2024,01,10) " << "";
        QTest::newRow("first date after the last")
            << Criterios{C("31/03/2024", "01/03/2024", F, 7)}
            << Before << "Fecha Desde Mayor que Hasta , Campo : " + F;
        QTest::newRow("only an invalid last date")
            << Criterios{C("", "31/02/2024", F, 7)}
            << Before << "Fecha Hasta Incorrecta , Campo : " + F;
        QTest::newRow("only an invalid first date")
            << Criterios{C("hoy", "", F, 7)}
            << Before << "Fecha Desde Incorrecta , Campo : " + F;
        QTest::newRow("both invalid: the first date is reported")
            << Criterios{C("x", "y", F, 7)}
            << Before << "Fecha Desde Incorrecta , Campo : " + F;
        QTest::newRow("a NUL in a date bound is no character")
            << Criterios{C(QStringLiteral("01/03/2024") + QChar(0), "", F, 7)}
            << F + " >= Date(2024,03,01) " << "";
        QTest::newRow("double: tonumber field, bounds unquoted")
            << Criterios{C("1.5", "3", N, 5)}
            << "tonumber({T.N}) >= 1.5  AND tonumber({T.N}) <= 3 " << "";
        QTest::newRow("double: a star makes no LIKE")
            << Criterios{C("1*", "", N, 5)}
            << "tonumber({T.N}) >= 1* " << "";
        QTest::newRow("double bounds in the wrong order")
            << Criterios{C("3.5", "3.25", N, 5)}
            << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("big integer with only the last bound")
            << Criterios{C("", "40000", N, 20)}
            << "{T.N} <= 40000 " << "";
        QTest::newRow("big integer above 16 bits compared as a whole number")
            << Criterios{C("40000", "39999", N, 20)}
            << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("big integer pattern is a LIKE")
            << Criterios{C("12*", "", N, 20)}
            << " ({T.N} LIKE '12*' )" << "";
        QTest::newRow("money compared as money")
            << Criterios{C("2.5", "2.4", N, 6)}
            << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("money above 16 bits in order")
            << Criterios{C("1000.25", "40000", N, 6)}
            << "{T.N} >= 1000.25  AND {T.N} <= 40000 " << "";
        QTest::newRow("small integer compares as its type rounds")
            << Criterios{C("2.5", "2.4", N, 2)}
            << "{T.N} >= 2.5  AND {T.N} <= 2.4 " << "";
        QTest::newRow("single in the wrong order")
            << Criterios{C("10", "9.5", N, 4)}
            << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("first criterion without bounds: its connector is not written")
            << Criterios{C("", "", A, 129, false, "OR"), C("x", "", B, 129, true, "OR"), C("y", "", A, 129, true, "OR")}
            << "{T.B} >= 'x'  OR {T.A} >= 'y' " << "";
        QTest::newRow("blank bounds count as none")
            << Criterios{C("  ", " ", A, 129), C("x", "", B, 129, true)}
            << "{T.B} >= 'x' " << "";
        QTest::newRow("no criterion with bounds: empty formula")
            << Criterios{C("", "", A, 129), C("", "", F, 7)}
            << "" << "";
        QTest::newRow("the reception's three rows, business unit empty")
            << Criterios{C("01/12/2026", "31/12/2026", F, 7),
                         C("110301", "110301", "{V_MV_MUTUALES.CUENTA}", 129, true),
                         C("", "", "{V_MV_MUTUALES.UNEGOCIO}", 129, true)}
            << F + " >= Date(2026,12,01)  AND " + F + " <= Date(2026,12,31)  AND "
                   "{V_MV_MUTUALES.CUENTA} >= '110301'  AND {V_MV_MUTUALES.CUENTA} <= '110301' "
            << "";
        QTest::newRow("the reception's account without dates")
            << Criterios{C("", "", F, 7), C("110301", "110301", "{V_MV_MUTUALES.CUENTA}", 129, true),
                         C("", "", "{V_MV_MUTUALES.UNEGOCIO}", 129, true)}
            << "{V_MV_MUTUALES.CUENTA} >= '110301'  AND {V_MV_MUTUALES.CUENTA} <= '110301' " << "";
    }

    void builds()
    {
        QFETCH(Criterios, criterios);
        QFETCH(QString, formula);
        QFETCH(QString, mensaje);
        testsupport::RegionalPin regional;
        expectBuild(criterios, formula, mensaje);
    }

    // Numeric bounds are typed in the workstation's format and written into the formula
    // with "." decimals, without grouping.
    void numericBoundsAsTyped_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<Criterios>("criterios");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("comma: grouped double")
            << true << Criterios{C("1.234,5", "2.000", N, 5)}
            << "tonumber({T.N}) >= 1234.5  AND tonumber({T.N}) <= 2000 " << "";
        QTest::newRow("comma: money in the wrong order")
            << true << Criterios{C("2,5", "2,4", N, 6)} << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("comma: a point groups thousands")
            << true << Criterios{C("1.000", "999", N, 20)} << Before << "Desde Mayor que Hasta, Campo : {T.N}";
        QTest::newRow("point: grouped money")
            << false << Criterios{C("1,000.25", "40,000", N, 6)} << "{T.N} >= 1000.25  AND {T.N} <= 40000 " << "";
    }
    void numericBoundsAsTyped()
    {
        QFETCH(bool, comma);
        QFETCH(Criterios, criterios);
        QFETCH(QString, formula);
        QFETCH(QString, mensaje);
        testsupport::RegionalPin regional(comma ? QLatin1Char(',') : QLatin1Char('.'), comma ? QLatin1Char('.') : QLatin1Char(','));
        expectBuild(criterios, formula, mensaje);
    }

    void withoutMessageArgumentKeepsFormula()
    {
        QString built = Before;
        ArmaFiltro({C("31/03/2024", "01/03/2024", F, 7)}, built);
        QCOMPARE(built, Before);
    }

    void unconvertibleBoundsRaise_data()
    {
        QTest::addColumn<Criterios>("criterios");
        QTest::addColumn<int>("error");
        QTest::newRow("no criteria") << Criterios{} << 9;
        QTest::newRow("letters in a big integer") << Criterios{C("abc", "5", N, 20)} << 13;
        QTest::newRow("small integer beyond 16 bits") << Criterios{C("1", "40000", N, 2)} << 6;
        QTest::newRow("a comma that groups no three digits") << Criterios{C("12,50", "20", N, 6)} << 13;
    }

    void unconvertibleBoundsRaise()
    {
        QFETCH(Criterios, criterios);
        QFETCH(int, error);
        testsupport::RegionalPin regional;
        QString built = Before;
        try {
            ArmaFiltro(criterios, built);
            QFAIL("no error raised");
        } catch (const vb::VbError& e) {
            QCOMPARE(e.Number, error);
        }
        QCOMPARE(built, Before);
    }
};

TESTSUPPORT_MAIN(TestArmaFiltro)
#include "tst_armafiltro.moc"

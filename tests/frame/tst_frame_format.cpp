// Yes/no texts, money texts, minutes and hours, text arrays, list conditions and the
// Oracle adaptation of queries.
#include "FrameFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>
#include <tuple>

using testsupport::RegionalPin;
using testsupport::TempProgramFolder;

class TstFrameFormat : public QObject {
    Q_OBJECT

private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { frametest::ResetProgram(); }

    void valorBooleano_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("porDefecto");
        QTest::addColumn<bool>("expected");
        QTest::newRow("si lower, default false") << "si" << false << true;
        QTest::newRow("leading blank is no yes") << " SI" << false << false;
        QTest::newRow("S") << "S" << false << true;
        QTest::newRow("verdadero") << "Verdadero" << false << true;
        QTest::newRow("1") << "1" << false << true;
        QTest::newRow("empty, default false") << "" << false << false;
        QTest::newRow("empty, default true") << "" << true << true;
        QTest::newRow("blank key, default true") << " " << true << true;
        QTest::newRow("no") << "no" << true << false;
        QTest::newRow("N") << "n" << true << false;
        QTest::newRow("falso") << "FALSO" << true << false;
        QTest::newRow("0") << "0" << true << false;
        QTest::newRow("trailing blank is no no") << "NO " << true << true;
        QTest::newRow("anything else, default true") << "quizas" << true << true;
    }
    void valorBooleano()
    {
        QFETCH(QString, texto);
        QFETCH(bool, porDefecto);
        QFETCH(bool, expected);
        QCOMPARE(ValorBooleano(texto, porDefecto), expected);
    }

    void datePatterns()
    {
        QCOMPARE(FormatoFechaHora(), QStringLiteral("dd/mm/yy hh:mm"));
        QCOMPARE(FormatoFecha(), QStringLiteral("dd/mm/yy"));
        QCOMPARE(FormatoHora(), QStringLiteral("hh:mm"));
        QCOMPARE(vb::Format(vb::Variant(vb::MakeDate(QDate(2026, 3, 5), QTime(7, 4))), FormatoFechaHora()),
                 QStringLiteral("05/03/26 07:04"));
    }

    void fmtMoneda_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::addColumn<int>("decimales");
        QTest::addColumn<bool>("miles");
        QTest::addColumn<QString>("separadores");   // decimal then thousands
        QTest::addColumn<QString>("configurados");  // gCantidadDecimales
        QTest::addColumn<QString>("expected");
        QTest::newRow("-3 untouched, not a number") << "12,x" << -3 << true << ".," << "2" << "12,x";
        QTest::newRow("-2 rounds up") << "1234.6" << -2 << false << ".," << "2" << "1235";
        QTest::newRow("-2 half to even") << "1234.5" << -2 << false << ".," << "2" << "1234";
        QTest::newRow("-2 half to even, up") << "1235.5" << -2 << true << ".," << "2" << "1,236";
        QTest::newRow("2 with thousands, comma decimals") << "1234,5" << 2 << true << ",." << "2" << "1.234,50";
        QTest::newRow("2, half to even down") << "0.125" << 2 << false << ".," << "2" << "0.12";
        QTest::newRow("2, half to even up") << "0.135" << 2 << false << ".," << "2" << "0.14";
        QTest::newRow("2, negative half to even") << "-1234.565" << 2 << false << ".," << "2" << "-1234.56";
        QTest::newRow("2 with thousands, millions") << "1234567.891" << 2 << true << ".," << "2" << "1,234,567.89";
        QTest::newRow("empty text is 0") << "" << 2 << false << ".," << "2" << "0.00";
        QTest::newRow("-1 configured 3") << "1234.5" << -1 << false << ".," << "3" << "1234.500";
        QTest::newRow("-1 configured 0 takes the workstation's") << "1234.5" << -1 << true << ".," << "0" << "1,234.50";
        QTest::newRow("-1 key missing takes the workstation's") << "7" << -1 << false << ".," << " " << "7.00";
        QTest::newRow("0 is the workstation's decimals") << "1234.5" << 0 << false << ".," << "2" << "1234.50";
        QTest::newRow("6 decimals") << "1.5" << 6 << false << ".," << "2" << "1.500000";
        QTest::newRow("typed in regional comma") << "1234,5" << 2 << false << ",." << "2" << "1234,50";
    }
    void fmtMoneda()
    {
        QFETCH(QString, valor);
        QFETCH(int, decimales);
        QFETCH(bool, miles);
        QFETCH(QString, separadores);
        QFETCH(QString, configurados);
        QFETCH(QString, expected);
        RegionalPin pin(separadores[0], separadores[1], 2);
        gCantidadDecimales = configurados;
        QCOMPARE(FmtMoneda(valor, decimales, miles), expected);
        // an amount already read is written the same
        if (decimales != -3)
            QCOMPARE(FmtMoneda(Utilidades->TextoAMoneda(valor), decimales, miles), expected);
    }

    // What an operator types into an amount is a number for IsNumeric exactly when the
    // money readers take it, and they take it at the same value, on both workstations.
    void typedAmountsAgree_data()
    {
        QTest::addColumn<bool>("comma");          // "," decimals and "." grouping
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<qint64>("raw");          // ten-thousandths
        QTest::addColumn<QString>("formatted");   // FmtMoneda with 2 decimals, no thousands
        const auto no = [](bool comma, const char* text) {
            return std::make_tuple(comma, QString::fromUtf8(text), false, qint64(0), QString(comma ? "0,00" : "0.00"));
        };
        const struct { bool comma; const char* text; qint64 raw; const char* formatted; } numbers[] = {
            {false, "25.000", 250000, "25.00"},
            {false, "1.234", 12340, "1.23"},
            {false, "1,234", 12340000, "1234.00"},
            {false, "1,234.56", 12345600, "1234.56"},
            {false, "987,654,321.12", Q_INT64_C(9876543211200), "987654321.12"},
            {false, "-1,000.5", -10005000, "-1000.50"},
            {false, ".5", 5000, "0.50"},
            {false, "5.", 50000, "5.00"},
            {false, " 42 ", 420000, "42.00"},
            {true, "25.000", 250000000, "25000,00"},
            {true, "1.234", 12340000, "1234,00"},
            {true, "1,234", 12340, "1,23"},
            {true, "1.234,56", 12345600, "1234,56"},
            {true, "987.654.321,12", Q_INT64_C(9876543211200), "987654321,12"},
            {true, "12,50", 125000, "12,50"},
            {true, "0,5", 5000, "0,50"},
            {true, "-1.000,5", -10005000, "-1000,50"},
        };
        for (const auto& n : numbers)
            QTest::addRow("%s %s", n.comma ? "comma" : "point", n.text)
                << n.comma << QString::fromUtf8(n.text) << true << n.raw << QString::fromUtf8(n.formatted);
        const std::tuple<bool, QString, bool, qint64, QString> refused[] = {
            no(false, "12,50"), no(false, "0,5"),    no(false, "1.2.3"), no(false, "1,23,456"), no(false, "1234,567"),
            no(false, ",5"),    no(false, "1e5"),    no(false, "12a"),   no(false, ""),         no(false, "- 5"),
            no(true, "1.2.3"),  no(true, "12.5"),    no(true, "1,2,3"),  no(true, "1.234.5"),   no(true, "0.0001"),
            no(true, "1E+03x"), no(true, "1.234,5.6"),
        };
        for (const auto& [comma, text, numeric, raw, formatted] : refused)
            QTest::addRow("%s %s is no number", comma ? "comma" : "point", qPrintable(text))
                << comma << text << numeric << raw << formatted;
    }
    void typedAmountsAgree()
    {
        QFETCH(bool, comma);
        QFETCH(QString, typed);
        QFETCH(bool, numeric);
        QFETCH(qint64, raw);
        QFETCH(QString, formatted);
        RegionalPin pin(comma ? QLatin1Char(',') : QLatin1Char('.'), comma ? QLatin1Char('.') : QLatin1Char(','), 2);
        QCOMPARE(vb::IsNumeric(typed), numeric);
        QCOMPARE(Utilidades->TextoAMoneda(typed).raw(), raw);
        QCOMPARE(FmtMoneda(typed, 2, false), formatted);
    }

    void convierteAMinutos_data()
    {
        QTest::addColumn<QString>("hora");
        QTest::addColumn<QString>("horas");
        QTest::addColumn<QString>("minutos");
        QTest::addColumn<bool>("esTexto");
        QTest::addColumn<double>("expected");
        QTest::newRow("text h:mm") << "1:30" << "" << "" << true << 90.0;
        QTest::newRow("text hours") << "2" << "" << "" << true << 120.0;
        QTest::newRow("text decimal hours") << "1.5" << "" << "" << true << 90.0;
        QTest::newRow("text empty") << "" << "9" << "9" << true << 0.0;
        QTest::newRow("text ignores hours and minutes") << "0:45" << "3" << "10" << true << 45.0;
        QTest::newRow("time") << "10:15" << "" << "" << false << 615.0;
        QTest::newRow("date and time") << "15/03/2024 08:05" << "" << "" << false << 485.0;
        QTest::newRow("blank: hours and minutes") << "" << "2" << "30" << false << 150.0;
        QTest::newRow("blank: minutes only") << " " << "" << "20" << false << 20.0;
        QTest::newRow("blank: nothing above 0") << "" << "0" << "abc" << false << 0.0;
        QTest::newRow("not a time: as text") << "1.5" << "7" << "7" << false << 90.0;
    }
    void convierteAMinutos()
    {
        QFETCH(QString, hora);
        QFETCH(QString, horas);
        QFETCH(QString, minutos);
        QFETCH(bool, esTexto);
        QFETCH(double, expected);
        QCOMPARE(ConvierteAMinutos(hora, horas, minutos, esTexto), expected);
    }

    void minutosAHoras_data()
    {
        QTest::addColumn<double>("minutos");
        QTest::addColumn<QString>("separador");   // configured SeparadorHora; "-" no key
        QTest::addColumn<bool>("forzar");
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("horas");          // -1: left unchanged
        QTest::addColumn<int>("resto");
        QTest::newRow("90 colon") << 90.0 << ":" << false << QChar('.') << "01:30" << 1 << 30;
        QTest::newRow("59 colon") << 59.0 << ":" << false << QChar('.') << "00:59" << 0 << 59;
        QTest::newRow("6000 colon") << 6000.0 << ":" << false << QChar('.') << "100:00" << 100 << 0;
        QTest::newRow("no key gives colon") << 75.0 << "-" << false << QChar('.') << "01:15" << 1 << 15;
        QTest::newRow("other separator") << 90.0 << "h" << false << QChar('.') << "01h30" << 1 << 30;
        QTest::newRow("decimal hours") << 90.0 << "." << false << QChar('.') << "1.50" << -1 << -1;
        QTest::newRow("decimal hours below one") << 30.0 << "." << false << QChar('.') << ".50" << -1 << -1;
        QTest::newRow("decimal hours, comma workstation") << 90.0 << "." << false << QChar(',') << "1.50" << -1 << -1;
        QTest::newRow("forced colon") << 90.0 << "." << true << QChar('.') << "01:30" << 1 << 30;
    }
    void minutosAHoras()
    {
        QFETCH(double, minutos);
        QFETCH(QString, separador);
        QFETCH(bool, forzar);
        QFETCH(QChar, decimal);
        QFETCH(QString, expected);
        QFETCH(int, horas);
        QFETCH(int, resto);
        TempProgramFolder folder;
        QStringList rows;
        if (separador != QLatin1String("-"))
            rows << QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('SEPARADORHORA', '%1')").arg(separador);
        frametest::CreateDatabase(folder, QStringLiteral("t.sqlite"), {QStringLiteral("db/schema.sql")}, rows);
        frametest::OpenMain(QStringLiteral("t.sqlite"));
        RegionalPin pin(decimal, decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.'));
        qint32 h = -1, r = -1;
        QCOMPARE(MinutosAHoras(minutos, h, r, forzar), expected);
        QCOMPARE(h, horas);
        QCOMPARE(r, resto);
    }

    void armaCondicionLista_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("operador");
        QTest::addColumn<QStringList>("valores");
        QTest::addColumn<QString>("conector");
        QTest::addColumn<QString>("comilla");
        QTest::addColumn<bool>("nulos");
        QTest::addColumn<bool>("saltar");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two values") << " idarticulo " << "=" << QStringList{"A1", "B2"} << " OR " << "'" << false << false
                                    << " idarticulo ='A1' OR  idarticulo ='B2'";
        QTest::newRow("blank kept") << "c" << "=" << QStringList{"A", " ", "B"} << " OR " << "'" << false << false
                                    << "c='A' OR c=' ' OR c='B'";
        QTest::newRow("blank skipped") << "c" << "=" << QStringList{"A", " ", "B"} << " OR " << "'" << false << true
                                       << "c='A' OR c='B'";
        QTest::newRow("first always taken") << "c" << "=" << QStringList{"", "B"} << " OR " << "'" << false << true
                                            << "c='' OR c='B'";
        QTest::newRow("with nulls") << "c" << "=" << QStringList{"A"} << " OR " << "'" << true << false
                                    << "c='A' OR c is null ";
        QTest::newRow("numbers unquoted") << "n" << "<>" << QStringList{"1", "2"} << " AND " << "" << false << false
                                          << "n<>1 AND n<>2";
        QTest::newRow("apostrophe doubled") << "c" << "=" << QStringList{"O'Brien"} << " OR " << "'" << false << false
                                            << "c='O''Brien'";
        QTest::newRow("no values") << "c" << "=" << QStringList{} << " OR " << "'" << true << false << "1=1";
    }
    void armaCondicionLista()
    {
        QFETCH(QString, campo);
        QFETCH(QString, operador);
        QFETCH(QStringList, valores);
        QFETCH(QString, conector);
        QFETCH(QString, comilla);
        QFETCH(bool, nulos);
        QFETCH(bool, saltar);
        QFETCH(QString, expected);
        QCOMPARE(ArmaCondicionLista(campo, operador, valores, conector, comilla, nulos, saltar), expected);
    }

    void divide_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QStringList>("partes");
        QTest::newRow("three") << "A,B,C" << "," << QStringList{"A", "B", "C", ""};
        QTest::newRow("empty piece") << "A,,B" << "," << QStringList{"A", "", "B", ""};
        QTest::newRow("trailing separator") << "A,B," << "," << QStringList{"A", "B", ""};
        QTest::newRow("empty text") << "" << "," << QStringList{""};
        QTest::newRow("letter separator, any case") << "1x2X3" << "x" << QStringList{"1", "2", "3", ""};
    }
    void divide()
    {
        QFETCH(QString, texto);
        QFETCH(QString, separador);
        QFETCH(QStringList, partes);
        QStringList out{QStringLiteral("old")};
        Divide(texto, separador, out);
        QCOMPARE(out, partes);
        QVERIFY(texto.isEmpty());
    }

    void indiceEnArray_data()
    {
        QTest::addColumn<int>("desde");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<int>("expected");
        QTest::newRow("any case") << 0 << "lote" << 1;
        QTest::newRow("from after the first") << 2 << "LOTE" << 3;
        QTest::newRow("no trimming") << 0 << "lote " << -1;
        QTest::newRow("from beyond the end") << 9 << "LOTE" << -1;
    }
    void indiceEnArray()
    {
        QFETCH(int, desde);
        QFETCH(QString, valor);
        QFETCH(int, expected);
        const QStringList arreglo{QStringLiteral("A"), QStringLiteral("Lote"), QStringLiteral("B"), QStringLiteral("LOTE")};
        QCOMPARE(int(IndiceEnArray(arreglo, valor, qint16(desde))), expected);
    }

    void markersAndTotals()
    {
        QCOMPARE(QuitaMarcas(QStringLiteral(" L1") + QChar(0xFF) + QStringLiteral("S1") + QChar(0) + QChar(10) + QStringLiteral(" ")),
                 QStringLiteral("L1S1"));
        gVecTotales = {CampoValor{QStringLiteral("Neto"), QStringLiteral("1")},
                       CampoValor{QStringLiteral(" IVA ") + QChar(0xFF) + QChar(0), QStringLiteral("2")}};
        QCOMPARE(IndiceCampoArray(QStringLiteral("iva ")), 1);
        QCOMPARE(IndiceCampoArray(QStringLiteral("NETO")), 0);
        QCOMPARE(IndiceCampoArray(QStringLiteral("Total")), -1);
    }

    void existeArchivo()
    {
        TempProgramFolder folder;
        const QString file = folder.write(QStringLiteral("a b.txt"), QByteArray("x"));
        QVERIFY(ExisteArchivo(file));
        QVERIFY(ExisteArchivo(QLatin1Char('"') + file + QLatin1Char('"')));
        QVERIFY(!ExisteArchivo(folder.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(!ExisteArchivo(folder.path()));
    }

    void adaptaSQL_data()
    {
        QTest::addColumn<QString>("conexion");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("expected");
        const QString oracle = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=X;");
        const QString sqlServer = QStringLiteral("PROVIDER=SQLOLEDB;Server=s;");
        QTest::newRow("SQL Server unchanged") << sqlServer << "Select TOP 1 * from T" << "Select TOP 1 * from T";
        QTest::newRow("LEN") << oracle << "len" << "LENGTH";
        QTest::newRow("one other word") << oracle << "UPPER" << "UPPER";
        QTest::newRow("top") << oracle << "Select TOP 1 * from T" << "Select  *  from T WHERE ROWNUM <=  1 ";
        QTest::newRow("no top") << oracle << "Select * from T" << "Select * from T";
        QTest::newRow("top in a text is a value") << oracle << "Select * from T where A = 'stop here'" << "Select * from T where A = 'stop here'";
    }
    void adaptaSQL()
    {
        QFETCH(QString, conexion);
        QFETCH(QString, texto);
        QFETCH(QString, expected);
        gDBPrincipal->gConnString = conexion;
        QCOMPARE(AdaptaSQL(texto), expected);
    }
};

TESTSUPPORT_MAIN(TstFrameFormat)
#include "tst_frame_format.moc"

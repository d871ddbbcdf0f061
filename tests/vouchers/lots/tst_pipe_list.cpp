// The pipe-list codec of the voucher class: the lists of lots, serials, positions and
// sizes of a voucher line, split, counted, searched, extracted and rewritten.
#include "frame/Config.h"
#include "platform/vb/VbError.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/TestMain.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>

namespace {

const QChar ff(0xFF);   // the lot/serial separator

QString sep(const char* text)
{
    // "#" stands for the separator in the tables below.
    return QString::fromUtf8(text).replace(QLatin1Char('#'), ff);
}

} // namespace

class TstPipeList : public QObject {
    Q_OBJECT

    // The codec reads no configuration; the object is made without a database.
    std::unique_ptr<ClsCmnCptes> c;

private slots:
    void initTestCase()
    {
        frametest::ResetProgram();
        c = std::make_unique<ClsCmnCptes>();
    }
    void cleanupTestCase() { frametest::ResetProgram(); }

    void split_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("array");   // the values and the empty last element
        QTest::addColumn<int>("count");           // Cantidad_Series_Lotes
        QTest::newRow("three values") << "|A|B|C|" << QStringList{"A", "B", "C", ""} << 3;
        QTest::newRow("no outer bars") << "A|B" << QStringList{"A", "B", ""} << 2;
        QTest::newRow("no leading bar") << "A|B|" << QStringList{"A", "B", ""} << 2;
        QTest::newRow("no closing bar") << "|A|B" << QStringList{"A", "B", ""} << 2;
        QTest::newRow("a single value without bars") << "A" << QStringList{"A", ""} << 1;
        QTest::newRow("empty text") << "" << QStringList{""} << 0;
        QTest::newRow("bar alone") << "|" << QStringList{""} << 0;
        QTest::newRow("blanks only") << "   " << QStringList{""} << 0;
        QTest::newRow("empty middle value") << "|A||B|" << QStringList{"A", "", "B", ""} << 3;
        QTest::newRow("one empty value") << "||" << QStringList{"", ""} << 1;
        QTest::newRow("values are trimmed") << "  | x | y |  " << QStringList{"x", "y", ""} << 2;
        QTest::newRow("repeated values stay") << "|L1|L1|" << QStringList{"L1", "L1", ""} << 2;
        QTest::newRow("exit picks keep the separator") << sep("|L1#S1|#S2|") << QStringList{sep("L1#S1"), sep("#S2"), ""}
                                                       << 2;
    }
    void split()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, array);
        QFETCH(int, count);
        QStringList out{"stale"};
        c->DescomponeSerieLote(list, out);
        QCOMPARE(out, array);
        QCOMPARE(c->Cantidad_Series_Lotes(list), count);
    }

    void extract_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("value");
        QTest::newRow("second") << "|A|B|C|" << 2 << "B";
        QTest::newRow("last") << "|A|B|C|" << 3 << "C";
        QTest::newRow("beyond the last") << "|A|B|C|" << 4 << "";
        QTest::newRow("position 0") << "|A|B|C|" << 0 << "";
        QTest::newRow("negative position") << "|A|B|C|" << -1 << "";
        QTest::newRow("no bars, first") << "A|B" << 1 << "A";
        QTest::newRow("unclosed last value is at no position") << "A|B" << 2 << "";
        QTest::newRow("single value") << "A" << 1 << "A";
        QTest::newRow("empty text") << "" << 1 << "";
        QTest::newRow("untrimmed value") << "| x |" << 1 << " x ";
        QTest::newRow("empty middle value") << "|A||B|" << 2 << "";
        QTest::newRow("after the empty middle value") << "|A||B|" << 3 << "B";
        QTest::newRow("blank value before the end") << "|A|  |" << 2 << "  ";
    }
    void extract()
    {
        QFETCH(QString, list);
        QFETCH(int, position);
        QFETCH(QString, value);
        QCOMPARE(c->ExtraeSerieLote(list, qint16(position)), value);
    }

    void search_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<int>("position");
        QTest::newRow("case ignored") << "|A|B|C|" << "b" << 2;
        QTest::newRow("missing: one past the last") << "|A|B|C|" << "D" << 4;
        QTest::newRow("first of two equal") << "|A|B|A|" << "A" << 1;
        QTest::newRow("trimmed both sides") << "| A | B |" << "  B " << 2;
        QTest::newRow("no bar at all") << "A" << "A" << 0;
        QTest::newRow("empty text") << "" << "A" << 0;
        QTest::newRow("bar alone") << "|" << "A" << 0;
        QTest::newRow("unclosed last value still ends the walk") << "|A|B" << "B" << 2;
        QTest::newRow("unclosed last value, missing") << "|A|B" << "C" << 3;
        QTest::newRow("exit pick") << sep("|L1#S1|L2#S2|") << sep("l2#s2") << 2;
    }
    void search()
    {
        QFETCH(QString, list);
        QFETCH(QString, sought);
        QFETCH(int, position);
        QCOMPARE(c->Busca_Lotes_Series(list, sought), position);
    }

    void display_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three values") << "|A|B|C|" << " A B C";
        QTest::newRow("unclosed last value dropped") << "A|B" << " A";
        QTest::newRow("no bar: nothing") << "A" << "";
        QTest::newRow("empty text") << "" << "";
        QTest::newRow("empty value skipped") << "|A||B|" << " A B";
        QTest::newRow("repeats once, first spelling") << "|a|A|b|" << " a b";
        QTest::newRow("trimmed values") << "| L1 |L1|  L2|" << " L1 L2";
    }
    void display()
    {
        QFETCH(QString, list);
        QFETCH(QString, shown);
        QCOMPARE(c->StrSerieLote(list), shown);
    }

    void count_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("lots");
        QTest::addColumn<int>("consolidated");
        QTest::addColumn<int>("unconsolidated");
        QTest::newRow("repeated pairs") << "|S1|S2|S1|" << "|L1|L2|L1|" << 2 << 3;
        QTest::newRow("same serial, other lot") << "|S1|S1|" << "|L1|L2|" << 2 << 2;
        QTest::newRow("lots only") << "" << "|L1|L1|L2|" << 2 << 3;
        QTest::newRow("quantities per lot") << "|5|5|" << "|L1|L2|" << 2 << 2;
        QTest::newRow("both empty") << "" << "" << 0 << 0;
        QTest::newRow("pairs compare without case") << "|s1|S1|" << "|l1|L1|" << 1 << 2;
        // The lots are cut to the serials' array, whose last element is the empty one: the
        // lot after the last serial still pairs with it.
        QTest::newRow("more lots than serials") << "|S1|" << "|L1|L2|L3|" << 2 << 1;
        QTest::newRow("fewer lots than serials") << "|S1|S2|S3|" << "|L1|" << 3 << 3;
        QTest::newRow("empty pair skipped") << "|S1||" << "|L1||" << 1 << 2;
        QTest::newRow("size codes alone") << "|M-BLANCO-U|L-BLANCO-U|M-BLANCO-U|" << "" << 2 << 3;
    }
    void count()
    {
        QFETCH(QString, series);
        QFETCH(QString, lots);
        QFETCH(int, consolidated);
        QFETCH(int, unconsolidated);
        QCOMPARE(c->Cuenta_Series_Lotes(series, lots, false), consolidated);
        QCOMPARE(c->Cuenta_Series_Lotes(series, lots, true), unconsolidated);
    }

    void insertSeparator_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("result");
        QTest::newRow("two lots") << "|L1|L2|" << sep("|L1#|L2#|");
        QTest::newRow("empty text") << "" << "|";
        QTest::newRow("bar alone") << "|" << "|";
        QTest::newRow("one character") << "A" << "|";
        QTest::newRow("first character dropped whatever it is") << "XL1|" << sep("|L1#|");
        QTest::newRow("not trimmed") << "| L1 |" << sep("| L1 #|");
    }
    void insertSeparator()
    {
        QFETCH(QString, list);
        QFETCH(QString, result);
        QCOMPARE(c->InsertaCHR255(list), result);
    }

    // The separator that InsertaCHR255 adds is what ExtraeSerieLoteConValor strips.
    void lotOfFirstPositiveValue_data()
    {
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("lots");
        QTest::addColumn<QString>("lot");
        QTest::addColumn<QString>("valuesAfter");
        QTest::addColumn<QString>("lotsAfter");
        QTest::newRow("second value first above 0") << "|0|3|2|" << "|L1|L2|L3|" << "L2" << "|0|3|2|" << "|L1|L2|L3|";
        QTest::newRow("none above 0") << "|0|0|" << "|L1|L2|" << "" << "|0|0|" << "|L1|L2|";
        QTest::newRow("negative and blank are not above 0") << "|-2| |1|" << "|L1|L2|L3|" << "L3" << "|-2| |1|"
                                                          << "|L1|L2|L3|";
        QTest::newRow("decimal value") << "|0|0.5|" << "|L1|L2|" << "L2" << "|0|0.5|" << "|L1|L2|";
        QTest::newRow("separators stripped from both") << sep("|0#|4#|") << sep("|L1#|L2#|") << "L2" << "|0|4|"
                                                       << "|L1|L2|";
        QTest::newRow("lot list shorter: no lot") << "|0|0|7|" << "|L1|" << "" << "|0|0|7|" << "|L1|";
        QTest::newRow("no lots at all") << "|5|" << "" << "" << "|5|" << "";
        QTest::newRow("empty values") << "" << "|L1|" << "" << "" << "|L1|";
    }
    void lotOfFirstPositiveValue()
    {
        QFETCH(QString, values);
        QFETCH(QString, lots);
        QFETCH(QString, lot);
        QFETCH(QString, valuesAfter);
        QFETCH(QString, lotsAfter);
        QCOMPARE(c->ExtraeSerieLoteConValor(values, lots), lot);
        QCOMPARE(values, valuesAfter);
        QCOMPARE(lots, lotsAfter);
    }

    void positions_data()
    {
        QTest::addColumn<QString>("positions");
        QTest::addColumn<QString>("lots");
        QTest::addColumn<QStringList>("arrPositions");
        QTest::addColumn<QStringList>("arrQuantities");
        QTest::addColumn<QStringList>("arrLots");
        QTest::newRow("two positions with their lots")
            << "|P1*5|P2*2.5|" << "|L1|L2|" << QStringList{"P1", "P2", ""} << QStringList{"5", "2.5", ""}
            << QStringList{"L1", "L2", ""};
        QTest::newRow("no positions, lots still split") << "" << "|L1|L2|" << QStringList{""} << QStringList{""}
                                                        << QStringList{"L1", "L2", ""};
        QTest::newRow("bar alone") << "|" << "" << QStringList{""} << QStringList{""} << QStringList{""};
        QTest::newRow("text without a bar gives no position") << "P1*5" << "|L1|" << QStringList{""} << QStringList{""}
                                                               << QStringList{"L1", ""};
        QTest::newRow("entries trimmed, parts not") << "| P1 * 5 |" << "" << QStringList{"P1 ", ""}
                                                     << QStringList{" 5", ""} << QStringList{""};
        QTest::newRow("entry without a star is all position") << "|P1|P2*3|" << "" << QStringList{"P1", "P2", ""}
                                                                << QStringList{"", "3", ""} << QStringList{""};
        QTest::newRow("cut at the first star") << "|P1*2*3|" << "" << QStringList{"P1", ""} << QStringList{"2*3", ""}
                                                << QStringList{""};
        QTest::newRow("last entry without its bar") << "|P1*1|P2*2" << "" << QStringList{"P1", "P2", ""}
                                                     << QStringList{"1", "2", ""} << QStringList{""};
    }
    void positions()
    {
        QFETCH(QString, positions);
        QFETCH(QString, lots);
        QFETCH(QStringList, arrPositions);
        QFETCH(QStringList, arrQuantities);
        QFETCH(QStringList, arrLots);
        QStringList p{"stale"}, q{"stale"}, l{"stale"};
        c->DescomponePosicionCantidadLote(positions, lots, p, q, l);
        QCOMPARE(p, arrPositions);
        QCOMPARE(q, arrQuantities);
        QCOMPARE(l, arrLots);
    }

    // A line's lots written with separators by the lot dialog's exit picks go through
    // the whole round: counted, taken one by one, found again.
    void exitPicksRoundTrip()
    {
        const QString picks = c->InsertaCHR255(QStringLiteral("|L-001|L-002|L-001|"));
        QCOMPARE(c->Cantidad_Series_Lotes(picks), 3);
        QCOMPARE(c->Cuenta_Series_Lotes(picks, QString(), false), 2);
        QCOMPARE(c->ExtraeSerieLote(picks, 2), QStringLiteral("L-002") + ff);
        QCOMPARE(c->Busca_Lotes_Series(picks, QStringLiteral("l-002") + ff), 2);
        QCOMPARE(c->StrSerieLote(picks), QStringLiteral(" L-001") + ff + QStringLiteral(" L-002") + ff);
    }

    // A value that is no amount within range is the caller's run-time error.
    void valueBeyondAmountRangeRaises()
    {
        QString values = QStringLiteral("|9999999999999999|");
        QString lots = QStringLiteral("|L1|");
        QVERIFY_THROWS_EXCEPTION(vb::VbError, c->ExtraeSerieLoteConValor(values, lots));
    }
};

TESTSUPPORT_MAIN(TstPipeList)
#include "tst_pipe_list.moc"

// AsignarNumeroComprobante: the IdComprobante of an internal stock voucher.
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/Stock.h"

#include <QTest>

using testsupport::VoucherFixture;

namespace {

// A stored movement of an internal voucher.
QString movimiento(const QString& tc, const QString& id)
{
    return QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, Secuencia, IdArticulo, Cantidad) VALUES ('%1', '%2', 1, 'FRA500', -1)")
        .arg(tc, id);
}

// An engine that answers the highest stored internal voucher with Null, as a server does
// when the row that holds the number was found by one reading and is gone by the next.
class NullMaximumProvider : public ado::DelegatingProvider {
public:
    explicit NullMaximumProvider(const ado::ConnectionSpec& target) : DelegatingProvider(ado::MakeBuiltInProvider(target, 15)) {}
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        if (!text.contains(QLatin1String("MAX(IDCOMPROBANTE) AS ULTIMO"), Qt::CaseInsensitive))
            return inner().execute(text, errs);
        ado::ExecResult r;
        ado::ResultSet rows;
        ado::ColumnInfo ultimo;
        ultimo.name = QStringLiteral("ULTIMO");
        rows.columns = {ultimo};
        rows.cells = {vb::Variant::Null()};
        r.rows = rows;
        r.affected = -1;
        return r;
    }
};

} // namespace

class TstStockNumbers : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ado::SetProviderFactory({}); }

    void internalNumber_data()
    {
        QTest::addColumn<QString>("tc");
        QTest::addColumn<int>("book");        // the book's next number; -1: the type has no book
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("id");

        QTest::newRow("the book's number, free") << "PE" << 7 << QStringList{} << "000100000007X";
        QTest::newRow("a book not used yet") << "PE" << 0 << QStringList{} << "000100000001X";
        QTest::newRow("the book's number, other numbers stored")
            << "PE" << 7 << QStringList{"000100000006X", "000100000008X"} << "000100000007X";
        QTest::newRow("the book's number taken: past the highest of branch and letter")
            << "PE" << 7 << QStringList{"000100000007X", "000100000012X", "000200000030X", "000100000040R"} << "000100000013X";
        QTest::newRow("another type's numbers do not count")
            << "PE" << 7 << QStringList{"AJP:000100000007X", "AJP:000100000050X"} << "000100000007X";
        QTest::newRow("no book: the first number, well formed") << "ZPE" << -1 << QStringList{} << "000100000001X";
        QTest::newRow("no book, the first number taken")
            << "ZPE" << -1 << QStringList{"000100000001X", "000100000004X"} << "000100000005X";
    }
    void internalNumber()
    {
        QFETCH(QString, tc);
        QFETCH(int, book);
        QFETCH(QStringList, stored);
        QFETCH(QString, id);
        QStringList extra;
        if (book >= 0)
            extra << QStringLiteral("UPDATE V_TA_CPTE SET X_ULTIMO_NRO = %1 WHERE CODIGO = 'PE'").arg(book);
        for (const QString& s : stored) {
            const QStringList parts = s.split(QLatin1Char(':'));
            extra << (parts.size() == 2 ? movimiento(parts[0], parts[1]) : movimiento(tc, s));
        }
        VoucherFixture db(extra);
        QCOMPARE(AsignarNumeroComprobante(tc, QStringLiteral("0001"), QStringLiteral("X")), id);
        // Nothing is recorded: the book keeps its number.
        if (book >= 0)
            QCOMPARE(db.Scalar(QStringLiteral("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'PE'")).toInt(), book);
    }

    void nullMaximum()
    {
        ado::SetProviderFactory([](const ado::ConnectionSpec& target) { return std::make_unique<NullMaximumProvider>(target); });
        VoucherFixture db({QStringLiteral("UPDATE V_TA_CPTE SET X_ULTIMO_NRO = 7 WHERE CODIGO = 'PE'"),
                           movimiento(QStringLiteral("PE"), QStringLiteral("000100000007X"))});
        QCOMPARE(AsignarNumeroComprobante(QStringLiteral("PE"), QStringLiteral("0001"), QStringLiteral("X")),
                 QStringLiteral("000100000001X"));
    }
};

TESTSUPPORT_MAIN(TstStockNumbers)
#include "tst_stock_numbers.moc"

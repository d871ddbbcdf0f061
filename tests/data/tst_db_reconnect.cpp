// A read that loses its connection: reconnection, the retry rule and the operator's box.
#include "DbFixture.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "tests/support/EndTrap.h"
#include "tests/support/ScriptedOperator.h"
#include "tests/support/TestMain.h"
#include <QTest>

namespace {

// How the stand-in engine behaves; shared by every connection the test opens.
struct Faults {
    int failingReads = 0;   // reads still to fail as a lost connection
    int failingOpens = 0;   // opens still to fail
    int opens = 0;
};
Faults faults;

[[noreturn]] void lost(ado::Errors& errs, const QString& text)
{
    errs.Add(ado::Error{ado::hrUnspecified, text, QStringLiteral("Provider"), QStringLiteral("08S01"), 10054});
    throw vb::VbError(ado::hrUnspecified, text, QStringLiteral("Provider"));
}

class FlakyProvider : public ado::DelegatingProvider {
public:
    explicit FlakyProvider(const ado::ConnectionSpec& target) : DelegatingProvider(ado::MakeBuiltInProvider(target, 15)) {}
    void open(const ado::ConnectionSpec& target, ado::Errors& errs) override
    {
        ++faults.opens;
        if (faults.failingOpens > 0) {
            --faults.failingOpens;
            lost(errs, QStringLiteral("Server not reachable"));
        }
        inner().open(target, errs);
    }
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        if (faults.failingReads > 0 && text.startsWith(QLatin1String("SELECT"))) {
            --faults.failingReads;
            lost(errs, QStringLiteral("Communication link failure"));
        }
        return inner().execute(text, errs);
    }
};

const QStringList kSchema = {"CREATE TABLE T (A INTEGER)", "INSERT INTO T VALUES (7)"};

} // namespace

class TestDbReconnect : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        faults = Faults{};
        ado::SetProviderFactory([](const ado::ConnectionSpec& target) { return std::make_unique<FlakyProvider>(target); });
    }
    void cleanup() { ado::SetProviderFactory({}); }

    void firstReconnectionRetriesTheRead()
    {
        datatest::DbFixture f(kSchema);
        testsupport::ScriptedOperator op;   // nothing is shown
        faults.failingReads = 1;
        ado::Recordset rs;
        f.db().AbrirRecordset(QStringLiteral("SELECT A FROM T"), rs);
        QCOMPARE(rs.Fields("A").Value().toLong(), 7);
        QCOMPARE(f.db().gCnn->CommandTimeout(), 5);
        QVERIFY(f.db().gOpenFlag);
    }

    void secondLossInTheSameReadGoesToTheDialog()
    {
        datatest::DbFixture f(kSchema);
        testsupport::ScriptedOperator op;
        faults.failingReads = 2;
        op.expectMsgBox("Communication link failure", ui::vbRetry, QString(), 18);
        ado::Recordset rs;
        f.db().AbrirRecordset(QStringLiteral("SELECT A FROM T"), rs);
        QCOMPARE(rs.Fields("A").Value().toLong(), 7);
    }

    void serverGoneAsksTheOperator()
    {
        datatest::DbFixture f(kSchema);
        testsupport::ScriptedOperator op;
        testsupport::EndTrap end;
        f.db().gDBName = QStringLiteral("Empresa");
        f.db().gServidor = QStringLiteral("SQLITE");
        faults.failingReads = 1;
        faults.failingOpens = 3;   // both automatic reconnections and the first one after Yes fail
        op.expectMsgBox("Se perdio la conexion con la base de datos Empresa\r\n Servidor SQLITE", ui::vbYes, "AVISO AL OPERADOR", 20);
        op.expectMsgBox("Se perdio la conexion", ui::vbYes, "AVISO AL OPERADOR", 20);
        ado::Recordset rs;
        f.db().AbrirRecordset(QStringLiteral("SELECT A FROM T"), rs);
        QCOMPARE(rs.Fields("A").Value().toLong(), 7);

        faults.failingReads = 1;
        faults.failingOpens = 100;
        op.expectMsgBox("Se perdio la conexion", ui::vbNo, "AVISO AL OPERADOR", 20);
        QVERIFY_THROWS_EXCEPTION(testsupport::ProgramEnded, f.db().AbrirRecordset(QStringLiteral("SELECT A FROM T"), rs));
        QCOMPARE(end.calls(), 1);
    }
};

TESTSUPPORT_MAIN(TestDbReconnect)
#include "tst_db_reconnect.moc"

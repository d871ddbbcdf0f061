// Statements on an Oracle connection: the dialect on reads and scripts run one
// statement at a time, as the engine receives them.
#include "data/DB_Dll.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Provider.h"
#include "tests/support/TestMain.h"
#include <QTest>

namespace {

QStringList received;

// An engine that records what reaches it and answers every read with no rows.
class RecordingProvider : public ado::Provider {
public:
    void open(const ado::ConnectionSpec&, ado::Errors&) override {}
    void close() override {}
    ado::ExecResult execute(const QString& text, ado::Errors&) override
    {
        received << text;
        ado::ExecResult r;
        if (text.startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive)) {
            ado::ResultSet rows;
            rows.columns.append(ado::ColumnInfo{QStringLiteral("A"), 200, 10});
            r.rows = rows;
        } else {
            r.affected = 1;
        }
        return r;
    }
    int beginTrans(ado::Errors&) override { received << QStringLiteral("<begin>"); return 1; }
    void commitTrans(ado::Errors&) override { received << QStringLiteral("<commit>"); }
    void rollbackTrans(ado::Errors&) override { received << QStringLiteral("<rollback>"); }
    void setCommandTimeout(int) override {}
    void setDefaultDatabase(const QString&, ado::Errors&) override {}
    ado::ResultSet schemaTables(ado::Errors&) override { return {}; }
    ado::ResultSet schemaColumns(const QString&, ado::Errors&) override { return {}; }
    QStringList primaryKey(const QString&) override { return {}; }
    ado::RowChangeResult applyRowChange(const ado::RowChange&, ado::Errors&) override { return {}; }
};

} // namespace

class TestDbOracle : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        received.clear();
        ado::SetProviderFactory([](const ado::ConnectionSpec&) { return std::make_unique<RecordingProvider>(); });
        gDBPrincipal.reset();
        gDBPrincipal->gServidor = QStringLiteral("#ORA");
        gDBPrincipal->gDBName = QStringLiteral("XE");
        gDBPrincipal->gUsuario = QStringLiteral("u");
        gDBPrincipal->OpenServerADODB(false, 3, QString(), false, false);
        QVERIFY(gDBPrincipal->gOpenFlag);
    }
    void cleanup()
    {
        gDBPrincipal.reset();
        ado::SetProviderFactory({});
    }

    void scriptRunsStatementByStatement()
    {
        long affected = 0;
        QString script = QStringLiteral("BEGIN TRANSACTION \r\nINSERT INTO T (A) VALUES ('15/03/2024')\r\nGO\r\nCOMMIT TRANSACTION");
        gDBPrincipal->EjecutaConsultaSQL(script, &affected);
        QCOMPARE(received, QStringList({"<begin>", "INSERT INTO T (A) VALUES (TO_DATE('15/03/2024','DD/MM/YYYY'))", "<commit>"}));
        QCOMPARE(affected, 1L);
        QCOMPARE(script, QString());   // the script is consumed
    }

    void readsAreTranslatedUnlessAskedNot()
    {
        ado::Recordset rs;
        QString sql = QStringLiteral("SELECT LEN(A) FROM T with(nolock) WHERE B = ''");
        gDBPrincipal->AbrirRecordset(sql, rs);
        QCOMPARE(received.last(), QStringLiteral("SELECT LENGTH(A) FROM T  WHERE B  IS NULL "));
        QCOMPARE(sql, QStringLiteral("SELECT LEN(A) FROM T with(nolock) WHERE B = ''"));   // the caller keeps its text
        gDBPrincipal->AbrirRecordset(sql, rs, nullptr, 0, 1, -1, false);
        QCOMPARE(received.last(), sql);
    }

    void setNocountNeverReachesOracle()
    {
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("SET NOCOUNT ON\r\nUPDATE T SET A = 1"));
        QCOMPARE(received, QStringList({"UPDATE T SET A = 1"}));
    }
};

TESTSUPPORT_MAIN(TestDbOracle)
#include "tst_db_oracle.moc"

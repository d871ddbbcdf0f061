#include "tests/support/oracle/OracleStandIn.h"
#include "tests/support/oracle/OracleCut.h"
#include "tests/support/oracle/OracleDates.h"

#include "data/DB_Dll.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/DelegatingProvider.h"
#include "platform/vb/VbError.h"

#include <QRegularExpression>
#include <QTest>
#include <memory>
#include <vector>

namespace testsupport {

namespace {

// The SQL of a statement, every quoted text, quoted name and comment one neutral word.
QString sqlOnly(const QString& statement)
{
    QString out;
    for (const Segment& s : segments(statement))
        out += s.kind == Segment::Sql ? s.text : QStringLiteral(" Q ");
    return out;
}

int count(const QString& text, const QString& pattern)
{
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    int n = 0;
    for (auto it = re.globalMatch(text); it.hasNext(); it.next())
        ++n;
    return n;
}

// How many parenthesised rows follow the first VALUES.
int rowsOfValues(const QString& sql)
{
    const int values = int(sql.indexOf(QRegularExpression(QStringLiteral("\\bVALUES\\b"), QRegularExpression::CaseInsensitiveOption)));
    if (values < 0)
        return 0;
    int rows = 0, depth = 0;
    for (int i = values; i < sql.size(); ++i) {
        if (sql[i] == u'(')
            rows += depth++ == 0 ? 1 : 0;
        else if (sql[i] == u')')
            --depth;
    }
    return rows;
}

struct Refusal {
    const char* pattern;
    const char* error;
};

// What Oracle answers the SQL Server forms it does not know.
const Refusal kRefusals[] = {
    {"\\bWITH\\s*\\(", "ORA-00933: SQL command not properly ended"},
    {"\\bTOP\\b", "ORA-00923: FROM keyword not found where expected"},
    {"\\bLIMIT\\b", "ORA-00933: SQL command not properly ended"},
    {"\\bISNULL\\s*\\(", "ORA-00904: \"ISNULL\": invalid identifier"},
    {"\\bGETDATE\\b", "ORA-00904: \"GETDATE\": invalid identifier"},
    {"\\bSCOPE_IDENTITY\\b", "ORA-00904: \"SCOPE_IDENTITY\": invalid identifier"},
    {"@@", "ORA-00911: invalid character"},
    {"\\bLEN\\s*\\(", "ORA-00904: \"LEN\": invalid identifier"},
    {"\\bCHARINDEX\\b", "ORA-00904: \"CHARINDEX\": invalid identifier"},
    {"\\bSUBSTRING\\s*\\(", "ORA-00904: \"SUBSTRING\": invalid identifier"},
    {"\\bCONVERT\\s*\\(", "ORA-00904: \"CONVERT\": invalid identifier"},
    {"\\bDATEADD\\b|\\bDATEDIFF\\b", "ORA-00904: invalid identifier"},
    {"^\\s*SAVE\\b", "ORA-00900: invalid SQL statement"},
    {"^\\s*(BEGIN|COMMIT|ROLLBACK)\\s+TRAN", "ORA-00900: invalid SQL statement"},
    {"^\\s*IF\\b", "ORA-00900: invalid SQL statement"},
    {"\\bSET\\s+NOCOUNT\\b", "ORA-00922: missing or invalid option"},
    {"(^|\\s)GO(\\s|$)", "ORA-00900: invalid SQL statement"},
    {"[\\[\\]]", "ORA-00911: invalid character"},
    {";", "ORA-00911: invalid character"},
    {"#\\d", "ORA-00911: invalid character"},
    {"\\bdbo\\s*\\.", "ORA-00942: table or view does not exist"},
    {"\\b(LEFT|RIGHT)\\s*\\(", "ORA-00904: invalid identifier"},
    {"\\bAS\\s+BIGINT\\b", "ORA-00902: invalid datatype"},
    // a text joined with "+" is read as a number
    {"\\bQ\\s*\\+|\\+\\s*Q\\b", "ORA-01722: invalid number"},
};

[[noreturn]] void raise(ado::Errors& errs, int native, const QString& text)
{
    const ado::Error e{-2147217900, text, QStringLiteral("OraOLEDB"), QStringLiteral("42000"), native};
    errs.Add(e);
    throw vb::VbError(e.Number, e.Description, e.Source);
}

int oraNumber(const QString& error)
{
    return error.mid(4, 5).toInt();
}

QString replaced(QString text, const char* pattern, const QString& with)
{
    return text.replace(QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::CaseInsensitiveOption), with);
}

// Oracle keeps no empty texts: what a call gives, tested for NULL, is NULL when it is
// empty too (a REPLACE that leaves nothing, say).
QString emptyResultsAreNull(QString sql)
{
    static const QRegularExpression test(QStringLiteral("\\)\\s+IS\\s+(NOT\\s+)?NULL\\b"), QRegularExpression::CaseInsensitiveOption);
    QList<int> closes;
    for (auto it = test.globalMatch(sql); it.hasNext();)
        closes.prepend(int(it.next().capturedStart()));
    for (const int close : closes) {   // from the end: what comes before keeps its place
        int depth = 0;
        bool quoted = false;
        int open = -1;
        for (int k = close; k >= 0 && open < 0; --k) {
            if (sql[k] == u'\'')
                quoted = !quoted;
            else if (!quoted && sql[k] == u')')
                ++depth;
            else if (!quoted && sql[k] == u'(' && --depth == 0)
                open = k;
        }
        if (open < 0)
            continue;
        int name = open;
        while (name > 0 && (sql[name - 1].isLetterOrNumber() || sql[name - 1] == u'_'))
            --name;
        sql.insert(close + 1, QStringLiteral(", '')"));
        sql.insert(name, QStringLiteral("NULLIF("));
    }
    return sql;
}

// Oracle's forms read back into the SQL Server dialect the SQLite engine takes.
QString backToSqlite(const QString& statement, ado::Errors& errs)
{
    std::vector<Segment> s = segments(statement);
    // TO_DATE('value', 'mask') is the value itself, which the engine reads as a date.
    for (size_t i = 0; i + 4 < s.size(); ++i) {
        static const QRegularExpression open(QStringLiteral("TO_DATE\\(\\s*$"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression comma(QStringLiteral("^\\s*,\\s*$"));
        static const QRegularExpression close(QStringLiteral("^\\s*\\)"));
        if (s[i].kind == Segment::Sql && s[i].text.contains(open) && s[i + 1].kind == Segment::Text && s[i + 2].kind == Segment::Sql
            && s[i + 2].text.contains(comma) && s[i + 3].kind == Segment::Text && s[i + 4].kind == Segment::Sql
            && s[i + 4].text.contains(close)) {
            s[i].text.remove(open);
            s[i + 2].text.clear();
            s[i + 3].text.clear();
            s[i + 4].text.remove(close);
        }
    }
    QString out;
    for (Segment& seg : s) {
        if (seg.kind == Segment::Sql) {
            QString t = seg.text;
            t = replaced(t, "\\bNVL\\s*\\(", QStringLiteral("IFNULL("));
            t = replaced(t, "\\bLEAST\\s*\\(", QStringLiteral("MIN("));
            t = replaced(t, "\\bNUMBER\\s*\\(\\s*19\\s*\\)", QStringLiteral("INTEGER"));
            t = replaced(t, "\\bSYSDATE\\b", QStringLiteral("GETDATE()"));
            t = replaced(t, "\\s+FROM\\s+DUAL\\b", QString());
            t = replaced(t, "\\bTO_NUMBER\\s*\\(", QStringLiteral("(0+"));
            // Oracle keeps no empty texts (it stores NULL): an empty text the SQLite file
            // holds is NULL to it.
            t = replaced(t, "([A-Za-z_][\\w.]*)\\s+IS\\s+NOT\\s+NULL\\b", QStringLiteral("(\\1 IS NOT NULL AND \\1 <> '')"));
            t = replaced(t, "([A-Za-z_][\\w.]*)\\s+IS\\s+NULL\\b", QStringLiteral("(\\1 IS NULL OR \\1 = '')"));
            seg.text = t;
        }
        out += seg.text;
    }
    out = emptyResultsAreNull(out);
    // ROWNUM <= n closing the statement is SQLite's LIMIT n.
    static const QRegularExpression rownum(QStringLiteral("\\s+(WHERE|AND)\\s+ROWNUM\\s*<=\\s*(\\d+)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = rownum.match(out); m.hasMatch())
        out = out.left(m.capturedStart()) + QStringLiteral(" LIMIT ") + m.captured(2);
    if (sqlOnly(out).contains(QStringLiteral("ROWNUM"), Qt::CaseInsensitive))
        raise(errs, 0, QStringLiteral("stand-in: ROWNUM only as the statement's last condition can be run here: ") + statement);
    static const QRegularExpression savepoint(QStringLiteral("^\\s*SAVEPOINT\\s+(\\w+)\\s*$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression rollbackTo(QStringLiteral("^\\s*ROLLBACK\\s+TO\\s+SAVEPOINT\\s+(\\w+)\\s*$"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = savepoint.match(out); m.hasMatch())
        return QStringLiteral("SAVE TRANSACTION ") + m.captured(1);
    if (const QRegularExpressionMatch m = rollbackTo.match(out); m.hasMatch())
        return QStringLiteral("ROLLBACK TRANSACTION ") + m.captured(1);
    return out;
}

struct Record {
    QStringList received;
    QStringList refused;
};
Record* record = nullptr;

class OracleEngine : public ado::DelegatingProvider {
public:
    explicit OracleEngine(const ado::ConnectionSpec& sqlite) : DelegatingProvider(ado::MakeBuiltInProvider(sqlite, 15)), sqlite_(sqlite) {}

    void open(const ado::ConnectionSpec&, ado::Errors& e) override { inner().open(sqlite_, e); }

    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        check(text, errs);
        static const QRegularExpression lock(QStringLiteral("^\\s*LOCK\\s+TABLE\\s+\\S+\\s+IN\\s+EXCLUSIVE\\s+MODE\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
        if (lock.match(text).hasMatch()) {
            // A table lock outside a transaction would be let go at once: it guards nothing.
            if (transactions_ == 0)
                refuse(text, errs, 0, QStringLiteral("stand-in: LOCK TABLE outside a transaction holds nothing"));
            ado::ExecResult none;
            none.affected = 0;
            return none;
        }
        return inner().execute(backToSqlite(text, errs), errs);
    }
    ado::ExecResult executeBound(const QString& text, const QVector<ado::BoundValue>& values, ado::Errors& errs) override
    {
        check(text, errs);
        return inner().executeBound(backToSqlite(text, errs), values, errs);
    }
    int beginTrans(ado::Errors& e) override
    {
        record->received << QStringLiteral("<begin>");
        const int level = inner().beginTrans(e);
        transactions_ = level;
        return level;
    }
    void commitTrans(ado::Errors& e) override
    {
        record->received << QStringLiteral("<commit>");
        inner().commitTrans(e);
        transactions_ = std::max(0, transactions_ - 1);
    }
    void rollbackTrans(ado::Errors& e) override
    {
        record->received << QStringLiteral("<rollback>");
        transactions_ = 0;
        inner().rollbackTrans(e);
    }

private:
    void refuse(const QString& text, ado::Errors& errs, int native, const QString& error)
    {
        record->refused << error + QStringLiteral(" <- ") + text;
        qWarning("Oracle stand-in refused: %s <- %s", qPrintable(error), qPrintable(text));
        raise(errs, native, error);
    }
    void check(const QString& text, ado::Errors& errs)
    {
        record->received << text;
        QString error = OracleRefusal(text);
        if (error.isEmpty())
            error = DateMeetingRefusal(text, [this, &errs](const QString& table, const QString& column) {
                return columnType(table, column, errs);
            });
        if (!error.isEmpty())
            refuse(text, errs, oraNumber(error), error);
    }
    // What the file's catalogue says of a column.
    ColumnType columnType(const QString& table, const QString& column, ado::Errors& errs)
    {
        const ado::ResultSet columns = inner().schemaColumns(table, errs);
        const int width = int(columns.columns.size());
        for (int r = 0; r < columns.rowCount(); ++r) {
            if (columns.cells[r * width + 3].toString().compare(column, Qt::CaseInsensitive) != 0)
                continue;
            const vb::Variant type = columns.cells[r * width + 5];
            return gDBPrincipal->adodate(type) ? ColumnType::Date : gDBPrincipal->ADOText(type) ? ColumnType::Text : ColumnType::Other;
        }
        return ColumnType::Unknown;
    }

    ado::ConnectionSpec sqlite_;
    int transactions_ = 0;
};

// The program's own engine, what it receives recorded.
class RecordingEngine : public ado::DelegatingProvider {
public:
    explicit RecordingEngine(const ado::ConnectionSpec& target) : DelegatingProvider(ado::MakeBuiltInProvider(target, 15)) {}
    ado::ExecResult execute(const QString& text, ado::Errors& errs) override
    {
        record->received << text;
        return inner().execute(text, errs);
    }
};

} // namespace

QString OracleRefusal(const QString& statement)
{
    const QString sql = sqlOnly(statement);
    for (const Refusal& r : kRefusals)
        if (sql.contains(QRegularExpression(QString::fromLatin1(r.pattern), QRegularExpression::CaseInsensitiveOption)))
            return QString::fromLatin1(r.error);
    if (rowsOfValues(sql) > 1)
        return QStringLiteral("ORA-00933: SQL command not properly ended");
    // Every SELECT reads FROM something (DUAL when nothing else).
    if (count(sql, QStringLiteral("\\bSELECT\\b")) > count(sql, QStringLiteral("\\bFROM\\b")) - count(sql, QStringLiteral("\\bDELETE\\s+FROM\\b")))
        return QStringLiteral("ORA-00923: FROM keyword not found where expected");
    return {};
}

void OpenMainOnOracle(const QString& file, const QString& user, const QString& connString)
{
    DB_Dll& d = *gDBPrincipal;
    if (d.gCnn->State() == ado::adStateOpen)
        d.gCnn->Close();
    d.gServidor = QStringLiteral("#ORA");
    d.gDBName = file;
    d.gUsuario = user;
    d.OpenServerADODB(false, 3, connString, false, false);
    if (!d.gOpenFlag || !d.IsOracleConnection())
        qFatal("the Oracle stand-in did not open");
}

void EngineRows()
{
    QTest::addColumn<bool>("oracle");
    QTest::newRow("SQLite") << false;
    QTest::newRow("Oracle") << true;
}

bool OnOracle()
{
    QFETCH_GLOBAL(bool, oracle);
    return oracle;
}

OracleStandIn::OracleStandIn()
{
    record = new Record;
    ado::SetProviderFactory([](const ado::ConnectionSpec& target) -> std::unique_ptr<ado::Provider> {
        if (!target.oracle)
            return std::make_unique<RecordingEngine>(target);
        // The data source is a SQLite file of the program folder.
        return std::make_unique<OracleEngine>(
            ado::ParseConnectionString(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=") + ado::QuoteConnectionValue(target.database)));
    });
}

OracleStandIn::~OracleStandIn()
{
    ado::SetProviderFactory({});
    delete record;
    record = nullptr;
}

QStringList OracleStandIn::received() const { return record->received; }
QStringList OracleStandIn::refused() const { return record->refused; }
void OracleStandIn::clear()
{
    record->received.clear();
    record->refused.clear();
}

} // namespace testsupport

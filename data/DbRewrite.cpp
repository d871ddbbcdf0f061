// Table-name rewriting for users who are not administrators, and the SQL Server to
// Oracle translation of statements and scripts.
#include "data/DB_Dll.h"
#include "data/ColumnKinds.h"
#include "data/SqlText.h"
#include "platform/ado/SqlTokens.h"
#include "platform/vb/Strings.h"
#include <algorithm>

namespace {

const QString kMarker = QStringLiteral("@Admin_");

struct RestrictedView {
    const char* table;
    const char* view;
};

// Applied in this order.
const RestrictedView kRestrictedViews[] = {
    {"MA_CUENTAS", "SS_MA_CUENTAS"},
    {"V_TA_DEPOSITO", "SS_V_TA_DEPOSITO"},
    {"MV_ASIENTOS", "SS_MV_ASIENTOS"},
    {"V_TA_FAMILIAS", "SS_V_TA_FAMILIAS"},
    {"V_TA_CAJAS", "SS_V_TA_CAJAS"},
    {"AC_CUENTASDIARIO", "SS_AC_CUENTASDIARIO"},
    {"AC_CUENTASDIARIO_CCOSTO", "SS_AC_CUENTAS_DIARIO_CCOSTO"},
};

} // namespace

QString DB_Dll::SS_TSinonimos(const QString& SQL)
{
    if (gEsAdmin)
        return sqltext::RemoveMarkers(SQL);
    if (!gConfidencialidad && ado::sql::SqlContains(SQL, QStringLiteral("MV_ASIENTOS")))
        return sqltext::RemoveMarkers(SQL);

    // Only these boundaries count: a name at the very start or before a line break stays.
    // The list is the same for every statement: made once.
    static const QList<std::pair<QString, QString>> replacements = [] {
        QList<std::pair<QString, QString>> list;
        for (const RestrictedView& rv : kRestrictedViews) {
            const QString t = QString::fromLatin1(rv.table);
            const QString v = QString::fromLatin1(rv.view);
            for (const char* form : {" % ", "(% ", " %.", "(%.", ",%."})
                list.append({QString::fromLatin1(form).replace(QLatin1Char('%'), t), QString::fromLatin1(form).replace(QLatin1Char('%'), v)});
            if (t == QLatin1String("MA_CUENTAS")) {
                list.append({QStringLiteral("{") + t + QLatin1Char('.'), QStringLiteral("{") + v + QLatin1Char('.')});
                list.append({kMarker + t, t});
            }
        }
        list.append({kMarker, QString()});
        return list;
    }();
    return sqltext::ReplaceInSql(SQL, replacements);
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor)
{
    if (!IsOracleConnection())
        return Valor;
    return sqltext::ToOracle(Valor, utilidades_->CuentaPalabras(Valor), &ColumnKindsOfConnection());
}

data::ColumnKinds& DB_Dll::ColumnKindsOfConnection()
{
    if (!columnKinds_)
        columnKinds_ = std::make_shared<data::ColumnKinds>(*this);
    return *columnKinds_;
}

QString DB_Dll::FiltraSentenciaOracle(QString& Sentencia)
{
    if (sqltext::DroppedOnOracle(Sentencia)) {
        Sentencia.clear();
        return QString();
    }
    return Sentencia;
}

void DB_Dll::RunOracleLocks(const QString& statement, ado::Connection& connection)
{
    for (const QString& lock : sqltext::OracleLocks(statement))
        connection.Execute(lock, nullptr, -1);
}

void DB_Dll::EjecutaScriptOracle(QString& Script, long& RecordsAffected, ado::Recordset* Lrcs)
{
    const QStringList statements = sqltext::SplitOracleScript(Script);
    Script.clear();
    bool rowsGiven = false;
    QString insertedInto;   // the table of the last INSERT, whose new ID an identity read asks for
    for (int i = 0; i < statements.size(); ++i) {
        const QString& statement = statements[i];
        if (statement.compare(QLatin1String("SET TRANSACTION"), Qt::CaseInsensitive) == 0) {
            gCnn->BeginTrans();
            continue;
        }
        if (statement.compare(QLatin1String("COMMIT"), Qt::CaseInsensitive) == 0) {
            gCnn->CommitTrans();
            continue;
        }
        if (statement.compare(QLatin1String("ROLLBACK"), Qt::CaseInsensitive) == 0) {
            gCnn->RollbackTrans();
            continue;
        }
        QString text;
        if (const std::optional<QString> column = sqltext::IdentityRead(statement)) {
            // SCOPE_IDENTITY(): the highest ID of the table just written, under the lock
            // taken before the insert (below), is this connection's row.
            text = insertedInto.isEmpty() ? QStringLiteral("SELECT NULL AS ") + *column + QStringLiteral(" FROM DUAL")
                                          : sqltext::OracleIdentityRead(insertedInto, *column);
        } else {
            QString oracle = ORACLE_Dicc(statement);
            text = FiltraSentenciaOracle(oracle);
            if (vb::Trim(text).isEmpty())
                continue;
            RunOracleLocks(statement, *gCnn);
            insertedInto = sqltext::InsertTable(statement);
            if (!insertedInto.isEmpty() && i + 1 < statements.size() && sqltext::IdentityRead(statements[i + 1]))
                gCnn->Execute(sqltext::OracleTableLock(insertedInto), nullptr, -1);
        }
        // Each execution's count is added once; transaction statements add nothing.
        long count = 0;
        ado::Recordset result = gCnn->Execute(text, &count, -1);
        if (sqltext::ChangesTables(statement))
            ColumnKindsOfConnection().Forget();
        RecordsAffected += std::max(count, 0L);
        if (Lrcs && !rowsGiven && result.State() != ado::adStateClosed) {
            *Lrcs = std::move(result);
            rowsGiven = true;
        }
    }
    if (gCnn->Errors().Count() == 1 && gCnn->Errors().Item(0).NativeError == 265929)
        gCnn->Errors().Clear();
}

// Table-name rewriting for users who are not administrators, and the SQL Server to
// Oracle translation of statements and scripts.
#include "data/DB_Dll.h"
#include "data/SqlText.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include <QRegularExpression>
#include <algorithm>

using vb::vbTextCompare;

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

QString removeMarkers(const QString& sql)
{
    return vb::Replace(sql, kMarker, QString(), vbTextCompare);
}

} // namespace

QString DB_Dll::SS_TSinonimos(const QString& SQL)
{
    if (gEsAdmin)
        return removeMarkers(SQL);
    if (vb::InStr(SQL, QStringLiteral("MV_ASIENTOS"), vbTextCompare) > 0 && !gConfidencialidad)
        return removeMarkers(SQL);

    QString text = SQL;
    for (const RestrictedView& rv : kRestrictedViews) {
        const QString t = QString::fromLatin1(rv.table);
        const QString v = QString::fromLatin1(rv.view);
        // Only these boundaries count: a name at the very start or before a line break stays.
        text = vb::Replace(text, QLatin1Char(' ') + t + QLatin1Char(' '), QLatin1Char(' ') + v + QLatin1Char(' '), vbTextCompare);
        text = vb::Replace(text, QLatin1Char('(') + t + QLatin1Char(' '), QLatin1Char('(') + v + QLatin1Char(' '), vbTextCompare);
        text = vb::Replace(text, QLatin1Char(' ') + t + QLatin1Char('.'), QLatin1Char(' ') + v + QLatin1Char('.'), vbTextCompare);
        text = vb::Replace(text, QLatin1Char('(') + t + QLatin1Char('.'), QLatin1Char('(') + v + QLatin1Char('.'), vbTextCompare);
        text = vb::Replace(text, QLatin1Char(',') + t + QLatin1Char('.'), QLatin1Char(',') + v + QLatin1Char('.'), vbTextCompare);
        if (t == QLatin1String("MA_CUENTAS")) {
            text = vb::Replace(text, QLatin1Char('{') + t + QLatin1Char('.'), QLatin1Char('{') + v + QLatin1Char('.'), vbTextCompare);
            text = vb::Replace(text, kMarker + t, t, vbTextCompare);
        }
    }
    return removeMarkers(text);
}

QString DB_Dll::ORACLE_Dicc(const QString& Valor)
{
    if (vb::InStr(gConnString, QStringLiteral("ORACLE"), vbTextCompare) == 0)
        return Valor;
    return sqltext::ToOracle(Valor, utilidades_->CuentaPalabras(Valor));
}

QString DB_Dll::FiltraSentenciaOracle(QString& Sentencia)
{
    if (vb::InStr(Sentencia, QStringLiteral("SET NOCOUNT"), vbTextCompare) > 0
        || vb::InStr(Sentencia, QStringLiteral("IF NOT EXIST"), vbTextCompare) > 0) {
        Sentencia.clear();
        return QString();
    }
    return Sentencia;
}

void DB_Dll::EjecutaScriptOracle(QString& Script, long& RecordsAffected)
{
    const QStringList statements = sqltext::SplitOracleScript(Script);
    Script.clear();
    for (const QString& statement : statements) {
        if (statement.compare(QLatin1String("SET TRANSACTION"), Qt::CaseInsensitive) == 0) {
            gCnn->BeginTrans();
        } else if (statement.compare(QLatin1String("COMMIT"), Qt::CaseInsensitive) == 0) {
            gCnn->CommitTrans();
        } else if (statement.compare(QLatin1String("ROLLBACK"), Qt::CaseInsensitive) == 0) {
            gCnn->RollbackTrans();
        } else {
            QString oracle = ORACLE_Dicc(statement);
            const QString filtered = FiltraSentenciaOracle(oracle);
            // Each execution's count is added once; transaction statements add nothing.
            long count = 0;
            if (!vb::Trim(filtered).isEmpty()) {
                gCnn->Execute(filtered, &count, -1);
                RecordsAffected += std::max(count, 0L);
            }
        }
    }
    if (gCnn->Errors().Count() == 1 && gCnn->Errors().Item(0).NativeError == 265929)
        gCnn->Errors().Clear();
}

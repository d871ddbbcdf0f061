// The marker of writes and the replacements of restricted views, on a statement's SQL.
#include "data/SqlText.h"
#include "platform/ado/SqlTokens.h"
#include "platform/vb/Strings.h"

namespace sqltext {

QString ReplaceInSql(const QString& statement, const QList<std::pair<QString, QString>>& replacements)
{
    return ado::sql::RewriteSql(statement, [&replacements](const QString& sql) {
        QString text = sql;
        for (const auto& [from, to] : replacements)
            text = vb::Replace(text, from, to, vb::vbTextCompare);
        return text;
    });
}

QString RemoveMarkers(const QString& statement)
{
    const QString marker = QStringLiteral("@Admin_");
    if (!statement.contains(marker, Qt::CaseInsensitive))
        return statement;   // nothing to cut: the statement is not even read through
    return ReplaceInSql(statement, {{marker, QString()}});
}

WriteRewrite RewriteForWrite(const QString& statement)
{
    // What the whole text does not hold, its SQL does not hold either: a long batch of
    // plain writes is not cut into pieces for nothing.
    auto anywhere = [&statement](const char* word) { return statement.contains(QLatin1String(word), Qt::CaseInsensitive); };
    if (!anywhere("@Admin_") && !(anywhere("DROP") && anywhere("CREATE")))
        return {statement, false};
    const QString sql = ado::sql::SqlOnly(statement);
    auto has = [&sql](const char* word) { return sql.contains(QLatin1String(word), Qt::CaseInsensitive); };
    const bool dropAndCreate = has("DROP") && has("CREATE");
    const bool marker = has("@Admin_");
    if (!dropAndCreate || marker || has("DELETE"))
        return {marker ? RemoveMarkers(statement) : statement, false};
    return {statement, true};
}

} // namespace sqltext

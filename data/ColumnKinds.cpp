// Column kinds from the connection's catalogue (ADO's column schema rowset).
#include "data/ColumnKinds.h"
#include "data/DB_Dll.h"

using ado::sqlite::ColumnKind;

namespace data {

const QVector<ColumnKinds::Column>& ColumnKinds::columns(const QString& table)
{
    static const QVector<Column> none;
    const QString opened = owner_.gCnn->ConnectionString();
    if (opened != connection_) {   // another database: nothing read before holds
        tables_.clear();
        connection_ = opened;
    }
    const QString key = table.toUpper();
    if (const auto it = tables_.constFind(key); it != tables_.constEnd())
        return *it;
    QVector<Column> found;
    try {
        ado::Recordset rs = owner_.gCnn->OpenSchema(ado::adSchemaColumns, {owner_.gDBName, QString(), table, QString()});
        for (; !rs.EOF(); rs.MoveNext()) {
            const vb::Variant type = rs.Fields(QStringLiteral("DATA_TYPE")).Value();
            const ColumnKind kind = owner_.adodate(type)                              ? ColumnKind::Date
                                  : owner_.ADOText(type)                              ? ColumnKind::Text
                                  : owner_.ADONumeric(type) || owner_.ADOCurrency(type) ? ColumnKind::Number
                                                                                        : ColumnKind::Unknown;
            found.append({rs.Fields(QStringLiteral("COLUMN_NAME")).Value().toString(), kind});
        }
    } catch (const vb::VbError&) {
        return none;   // not known now: asked again next time
    }
    return *tables_.insert(key, found);
}

ColumnKind ColumnKinds::kindOf(const QString& table, const QString& column)
{
    for (const Column& c : columns(table))
        if (c.name.compare(column, Qt::CaseInsensitive) == 0)
            return c.kind;
    return ColumnKind::Unknown;
}

QStringList ColumnKinds::columnsOf(const QString& table)
{
    QStringList names;
    for (const Column& c : columns(table))
        names.append(c.name);
    return names;
}

} // namespace data

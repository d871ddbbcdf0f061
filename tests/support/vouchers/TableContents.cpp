#include "TableContents.h"

#include "data/DB_Dll.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"

#include <QList>

namespace testsupport {

QMap<QString, QStringList> TableContents()
{
    ado::Connection& cnn = *gDBPrincipal->gCnn;
    auto rowsOf = [&](const QString& sql) {
        QList<QStringList> rows;
        ado::Recordset rs = cnn.Execute(sql);
        for (; !rs.EOF(); rs.MoveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.Fields().Count(); ++i) {
                const vb::Variant v = rs.Fields(i).Value();
                cells << (v.isNull() ? QStringLiteral("<NULL>") : v.toString());
            }
            rows << cells;
        }
        return rows;
    };
    QMap<QString, QStringList> all;
    for (const QStringList& t : rowsOf(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT "
                                                      "LIKE 'sqlite_%'"))) {
        QStringList rows;
        for (const QStringList& r : rowsOf(QStringLiteral("SELECT * FROM \"%1\"").arg(t[0])))
            rows << r.join(QChar(0x1F));
        rows.sort();
        all.insert(t[0], rows);
    }
    return all;
}

QStringList ChangedTables(const QMap<QString, QStringList>& before, const QMap<QString, QStringList>& after)
{
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (before.value(it.key()) != it.value())
            changed << it.key();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (!after.contains(it.key()))
            changed << it.key();
    return changed;
}

} // namespace testsupport

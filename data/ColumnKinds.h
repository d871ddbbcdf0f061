#pragma once
// The kinds of the columns of the tables a connection reaches, read from its catalogue
// once per table: what tells the Oracle dialect that a text meets a date column.
#include "platform/ado/SqliteDialect.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class DB_Dll;

namespace data {

class ColumnKinds : public ado::sqlite::SchemaInfo {
public:
    explicit ColumnKinds(DB_Dll& owner) : owner_(owner) {}
    ado::sqlite::ColumnKind kindOf(const QString& table, const QString& column) override;
    QStringList columnsOf(const QString& table) override;
    // The statement run may have changed tables: what was read of them is read again.
    void Forget() { tables_.clear(); }

private:
    struct Column {
        QString name;
        ado::sqlite::ColumnKind kind;
    };
    const QVector<Column>& columns(const QString& table);

    DB_Dll& owner_;
    QString connection_;   // the connection string the kinds were read on
    QHash<QString, QVector<Column>> tables_;
};

} // namespace data

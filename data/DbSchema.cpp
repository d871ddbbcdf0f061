// Questions to the database's own catalogue, and adding a missing column.
#include "data/DB_Dll.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"

namespace {

bool sameName(const vb::Variant& value, const QString& name)
{
    const QString text = value.isNull() || value.isEmpty() ? QString() : value.toString();
    return vb::Trim(text).compare(vb::Trim(name), Qt::CaseInsensitive) == 0;
}

} // namespace

bool DB_Dll::ExisteTablaDB(const QString& Tabla)
{
    bool found = false;
    ado::Recordset rs;
    const std::function<void()> statements[] = {
        [&] { rs = gCnn->OpenSchema(ado::adSchemaTables); },
        [&] {
            while (!found && !rs.EOF()) {
                found = sameName(rs.Fields(QStringLiteral("TABLE_NAME")).Value(), Tabla);
                rs.MoveNext();
            }
        },
    };
    for (const auto& statement : statements)
        if (Guard(QStringLiteral("VerificaCampos"), statement) == vb::Step::Leave)
            break;
    return found;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo)
{
    if (vb::InStr(gDBPrincipal->gProveedor, QStringLiteral("ORACLE"), vb::vbTextCompare) > 0)
        return true;
    bool found = false;
    ado::Recordset rs;
    const std::function<void()> statements[] = {
        [&] { rs = gCnn->OpenSchema(ado::adSchemaColumns, {gDBName, QString(), Tabla, QString()}); },
        [&] {
            while (!found && !rs.EOF()) {
                found = sameName(rs.Fields(QStringLiteral("COLUMN_NAME")).Value(), Campo);
                rs.MoveNext();
            }
        },
    };
    for (const auto& statement : statements)
        if (Guard(QStringLiteral("VerificaCampos"), statement) == vb::Step::Leave)
            break;
    return found;
}

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const std::optional<vb::Variant>& ValorDefault)
{
    QString sql;
    const std::function<void()> statements[] = {
        [&] {
            sql = QStringLiteral("ALTER TABLE dbo.") + Tabla + QStringLiteral(" ADD ") + Campo + QStringLiteral(" ") + Tipo;
            sql += PermiteNulos ? QStringLiteral(" Null ") : QStringLiteral(" Not Null ");
            if (ValorDefault)
                sql += QStringLiteral(" CONSTRAINT DF_") + vb::Trim(Tabla) + QStringLiteral("_") + vb::Trim(Campo)
                     + QStringLiteral(" DEFAULT (") + (ValorDefault->isNull() ? QStringLiteral("NULL") : ValorDefault->toString())
                     + QStringLiteral(")");
        },
        [&] { EjecutaConsultaSQL(sql, nullptr, nullptr); },
    };
    for (const auto& statement : statements)
        if (Guard(QStringLiteral("errAddField"), statement) == vb::Step::Leave)
            return;
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo, bool PermiteNulos,
                        const std::optional<vb::Variant>& ValorDefault)
{
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar)
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    return true;
}

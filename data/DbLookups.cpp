// One-question lookups: does a row exist, one column of the first matching row, the
// highest or lowest value of a column.
#include "data/DB_Dll.h"
#include "data/LookupSql.h"
#include "platform/ui/Operator.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

using vb::vbTextCompare;

namespace {

int typeCode(const vb::Variant& tipo)
{
    if (tipo.isNull() || tipo.isEmpty() || !vb::IsNumeric(tipo))
        return -1;
    return int(tipo.toDouble());
}

// A text value quoted into SQL, its apostrophes doubled.
QString quoted(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\''), QStringLiteral("''"));
    return v;
}

QString text(const vb::Variant& v)
{
    return v.isNull() || v.isEmpty() ? QString() : v.toString();
}

// The lookups' own box: Abort, Retry, Ignore with the critical icon.
int lookupErrorBox(const vb::VbError& e)
{
    return ui::MsgBox(e.Description, ui::vbAbortRetryIgnore + ui::vbCritical, QStringLiteral("Aviso al Operador"));
}

} // namespace

QString lookupsql::Exists(const QString& T, const vb::Variant& V, const QString& C, const vb::Variant& Tipodato,
                          const QString& Condicion, bool plain)
{
    // `plain` is the variant without TOP, without trimming and with its own blanks.
    if (!Condicion.isEmpty()) {
        const QString sep = vb::InStr(Condicion, QStringLiteral(" WHERE "), vbTextCompare) > 0 ? QStringLiteral(" ") : QStringLiteral(" WHERE ");
        return plain ? QStringLiteral("SELECT * FROM ") + T + QStringLiteral(" with(nolock)  ") + sep + Condicion
                     : QStringLiteral("SELECT TOP 1 * FROM ") + T + QStringLiteral(" with(nolock) ") + sep + Condicion;
    }
    const QString head = plain ? QStringLiteral("SELECT * FROM ") + T + QStringLiteral(" with(nolock)   WHERE ")
                               : QStringLiteral("SELECT TOP 1 * FROM ") + T + QStringLiteral(" with(nolock)  WHERE ");
    switch (typeCode(Tipodato)) {
    case 8:
        return plain ? head + C + QStringLiteral(" ='") + quoted(text(V)) + QStringLiteral("'")
                     : QStringLiteral("SELECT TOP 1  * FROM ") + T + QStringLiteral(" with(nolock)  WHERE LTRIM(RTRIM(") + C
                           + QStringLiteral(")) ='") + quoted(vb::Trim(text(V))) + QStringLiteral("'");
    case 7:
        return head + C + QStringLiteral(" = ") + vb::Trim(text(V)) + QStringLiteral(" ");
    case 3: case 4: case 5:
        return head + C + QStringLiteral(" = ") + vb::Trim(text(V));
    default:
        return head + C + QStringLiteral(" = ") + text(V);
    }
}

namespace {

// Val of a value read: numbers as they are (their text would carry the regional
// decimal separator, which Val does not read), texts through Val.
double numberOf(const vb::Variant& v)
{
    if (v.isNumeric())
        return v.toDouble();
    return vb::Val(v.isNull() || v.isEmpty() ? QString() : v.toString());
}

// The number an aggregate read: Empty when there was no row or only NULL.
vb::Variant aggregateValue(ado::Recordset& rs, const QString& field)
{
    if (rs.EOF())
        return vb::Variant();
    const vb::Variant raw = rs.Fields(field).Value();
    if (raw.isNull())
        return vb::Variant();
    return vb::Variant(numberOf(raw));
}

} // namespace

QString lookupsql::Data(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo, const vb::Variant& Tipodato,
                        const QString& Condicion, bool UsaTrim)
{
    const QString T = Tabla, C = Campo;
    const QString X = vb::Trim(Condicion).isEmpty() ? QString() : QStringLiteral(" AND ") + Condicion;
    const QString head = QStringLiteral("SELECT TOP 1 * FROM ") + T + QStringLiteral(" with(nolock)  WHERE ");
    QString sql;
    switch (typeCode(Tipodato)) {
    case 8:
        sql = UsaTrim ? head + QStringLiteral("LTRIM(RTRIM(") + C + QStringLiteral(")) ='") + quoted(vb::Trim(text(ValorBuscado))) + QStringLiteral("' ") + X
                      : head + C + QStringLiteral(" ='") + quoted(text(ValorBuscado)) + QStringLiteral("' ") + X;
        break;
    case 7:
        sql = head + C + QStringLiteral(" = #") + vb::Trim(text(ValorBuscado)) + QStringLiteral("# ") + X;
        break;
    case 3: case 4: case 5:
        sql = head + C + QStringLiteral(" = ") + vb::Trim(text(ValorBuscado)) + X;
        break;
    default:
        sql = head + C + QStringLiteral(" = ") + text(ValorBuscado) + X;
        break;
    }

    return sql;
}

bool DB_Dll::OpenExists(const QString& sql, ado::Recordset* Lrcs, bool SoloLectura)
{
    if (!Lrcs) {
        ado::Recordset rs;
        OpenRead(rs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
        const bool found = !rs.BOF();
        rs.Close();
        return found;
    }
    if (Lrcs->State() != ado::adStateClosed)
        Lrcs->Close();
    if (SoloLectura)
        OpenRead(*Lrcs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    else
        OpenRead(*Lrcs, sql, nullptr, Lrcs->CursorType(), Lrcs->LockType());
    return !Lrcs->BOF();
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo,
                           ado::Recordset* Lrcs, const vb::Variant& Tipodato, const QString& Condicion, bool SoloLectura)
{
    bool found = false;
    QString sql;
    auto handler = [](const vb::VbError& e, const QString&) { return lookupErrorBox(e); };
    const QString routine = QStringLiteral("ExisteEnTabla");
    const std::function<void()> statements[] = {
        [&] { sql = lookupsql::Exists(Tabla, ValorBuscado, Campo, Tipodato, Condicion, false); },
        [&] { sql = SS_TSinonimos(sql); },
        // On an Oracle connection every read is Oracle's (OpenExists), the caller's recordset too.
        [&] { found = OpenExists(sql, Lrcs, SoloLectura); },
    };
    for (const auto& st : statements)
        if (vb::guarded(handler, routine, st) == vb::Step::Leave)
            return false;
    return found;
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo,
                             ado::Recordset* Lrcs, const vb::Variant& Tipodato, const QString& Condicion, bool SoloLectura)
{
    bool found = false;
    auto handler = [](const vb::VbError& e, const QString&) { return lookupErrorBox(e); };
    const QString sql = lookupsql::Exists(Tabla, ValorBuscado, Campo, Tipodato, Condicion, true);
    const vb::Step step = vb::guarded(handler, QStringLiteral("ExisteEnTablaST"), [&] {
        found = OpenExists(sql, Lrcs, SoloLectura);
    });
    return step == vb::Step::Leave ? false : found;
}

vb::Variant DB_Dll::DatosTabla(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& CampoDevuelto,
                               const QString& Campo, const vb::Variant& Tipodato, const QString& Condicion, bool UsaTrim,
                               bool IgnoraError)
{
    QString sql = lookupsql::Data(Tabla, ValorBuscado, Campo, Tipodato, Condicion, UsaTrim);

    vb::Variant result{QString()};
    ado::Recordset rs;
    AbrirRecordset(sql, rs, gCnn.get(), 0, 1, -1, true);
    auto handler = [IgnoraError](const vb::VbError& e, const QString&) { return IgnoraError ? 0 : lookupErrorBox(e); };
    const vb::Step step = vb::guarded(handler, QStringLiteral("DatosTabla"), [&] {
        if (!rs.BOF())
            result = vb::Variant(Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(CampoDevuelto))));
    });
    if (step == vb::Step::Leave && IgnoraError)
        result = vb::Variant(QString());
    vb::guarded(handler, QStringLiteral("DatosTabla"), [&] {
        if (rs.State() != ado::adStateClosed)
            rs.Close();
    });
    return result;
}

vb::Variant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo, QString* Condicion)
{
    QString local;
    QString* condition = Condicion;
    // The re-query that skips codes beginning with "0" runs at most once.
    for (int pass = 0; pass < 2; ++pass) {
        QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
        // A blank condition is no condition: " WHERE " alone would not run.
        if (condition && !vb::Trim(*condition).isEmpty())
            sql += QStringLiteral(" WHERE ") + vb::Trim(*condition);
        ado::Recordset rs;
        OpenRead(rs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
        if (rs.EOF())
            return vb::Variant();
        const vb::Variant raw = rs.Fields(QStringLiteral("MAYOR")).Value();
        rs.Close();
        // MAX over no rows gives one NULL row: that is "no value", not zero.
        if (raw.isNull())
            return vb::Variant();
        const vb::Variant value = Utilidades->ValorCampo(raw);
        const bool articles = QueTabla.compare(QLatin1String("V_MA_ARTICULOS"), Qt::CaseInsensitive) == 0;
        if (pass == 0 && articles && vb::Left(vb::Trim(Utilidades->ValorATexto(value)), 1) == QLatin1String("0")) {
            const QString extra = QStringLiteral(" substring(ltrim(idarticulo),1,1)<>'0'");
            if (!condition) {
                local = extra;
                condition = &local;
            } else {
                *condition = condition->isEmpty() ? extra : *condition + QStringLiteral(" and substring(ltrim(idarticulo),1,1)<>'0'");
            }
            continue;
        }
        if (typeCode(Tipo) == 7)
            return value;
        return vb::Variant(numberOf(value));
    }
    return vb::Variant();
}

vb::Variant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const vb::Variant&,
                                const std::optional<QString>& Condicion)
{
    QString sql = QStringLiteral("SELECT MIN(") + QueCampo + QStringLiteral(") AS MENOR FROM ") + QueTabla + QStringLiteral("  with(nolock) ");
    if (Condicion && !vb::Trim(*Condicion).isEmpty())
        sql += QStringLiteral(" WHERE ") + *Condicion;
    ado::Recordset rs;
    OpenRead(rs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    return aggregateValue(rs, QStringLiteral("MENOR"));
}

vb::Variant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const vb::Variant&, const QString& Condicion)
{
    QString sql = QStringLiteral("SELECT MAX(") + QueCampo + QStringLiteral(") AS MAYOR FROM ") + QueTabla;
    if (!vb::Trim(Condicion).isEmpty())
        sql += QStringLiteral(" WHERE ") + Condicion;
    ado::Recordset rs;
    OpenRead(rs, sql, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
    return aggregateValue(rs, QStringLiteral("MAYOR"));
}

// Statement texts of the list lookup.
#include "lookup/ConsultaSql.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/Services.h"
#include <QRegularExpression>

namespace lookup {

namespace {

bool containsText(const QString& text, const QString& sought)
{
    return text.contains(sought, Qt::CaseInsensitive);
}

// The statement with quoted texts and everything inside parentheses blanked out, so that
// keywords are found only at its own level and never in subqueries or literals.
QString topLevel(const QString& sql)
{
    QString out = sql;
    int depth = 0;
    bool quoted = false;
    for (int i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (quoted) {
            if (c == QLatin1Char('\''))
                quoted = false;
            out[i] = QLatin1Char(' ');
        } else if (c == QLatin1Char('\'')) {
            quoted = true;
            out[i] = QLatin1Char(' ');
        } else if (c == QLatin1Char('(')) {
            ++depth;
            out[i] = QLatin1Char(' ');
        } else if (c == QLatin1Char(')')) {
            depth = qMax(0, depth - 1);
            out[i] = QLatin1Char(' ');
        } else if (depth > 0) {
            out[i] = QLatin1Char(' ');
        }
    }
    return out;
}

} // namespace

QString Quoted(const QString& text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString WrapCondition(const QString& Where)
{
    if (vb::Trim(Where).size() > 1 && !Where.startsWith(QLatin1Char('(')))
        return QStringLiteral(" (") + Where + QStringLiteral(") ");
    return Where;
}

qint32 RowLimit(const QString& topConsArt)
{
    qint32 n = 0;
    try {
        n = vb::RoundToLong(vb::Val(topConsArt));
    } catch (const vb::VbError&) {
        n = 0;
    }
    // TOP 0 lists nothing and a negative TOP is a syntax error: both mean "not set".
    return n > 0 ? n : 1000;
}

bool MaskStatement(const MascaraConsulta& mask, const QString& Where, qint32 rows, QString& CampoBusqueda,
                   QString& statement)
{
    QString tabla = mask.Tabla;
    const QString campos = mask.Campos;
    if (CampoBusqueda.isEmpty()) {
        const int comma = campos.indexOf(QLatin1Char(','));
        if (comma < 0)
            return false;
        CampoBusqueda = campos.left(comma);
    }
    QString extra = mask.Condicion;
    if (vb::Trim(extra).isEmpty() && !vb::Trim(Where).isEmpty())
        extra = Where;
    const bool blank = vb::Trim(extra).isEmpty();
    if (tabla.compare(QLatin1String("VT_PROVEEDORES"), Qt::CaseInsensitive) == 0
        || tabla.compare(QLatin1String("VT_CLIENTES"), Qt::CaseInsensitive) == 0) {
        if (blank)
            extra = QStringLiteral("Dada_De_Baja = 0");
    } else if (tabla.compare(QLatin1String("V_MA_ARTICULOS"), Qt::CaseInsensitive) == 0) {
        tabla = QStringLiteral("VT_MA_ARTICULOS");
        if (blank)
            extra = QStringLiteral("SUSPENDIDO = 0");
    }
    const QString where = vb::Trim(extra).isEmpty() ? QString() : QStringLiteral(" WHERE ");
    const QString head = QStringLiteral("SELECT TOP ") + QString::number(rows) + QLatin1Char(' ') + campos
                       + QStringLiteral(" FROM ") + tabla;
    if (CampoBusqueda.isEmpty())
        statement = head + QStringLiteral(" with(nolock) ") + where + extra;
    else
        statement = head + QStringLiteral("  with(nolock) ") + where + extra + QStringLiteral(" ORDER BY ") + CampoBusqueda;
    return true;
}

QString FullStatement(const QString& SQL, QString& Where)
{
    QString sql = SQL;
    if (containsText(sql, QStringLiteral("V_MA_ARTICULOS")))
        sql = Utilidades->ReemplazaTabla(sql, QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("VT_MA_ARTICULOS"));
    if (vb::Trim(Where).isEmpty())
        return sql;
    QString condition = Where;
    if (!containsText(Where, QStringLiteral("WHERE"))) {
        Where = QStringLiteral(" WHERE ") + Where;
    } else {
        // A caller who wrote the keyword himself: the condition is what follows it.
        static const QRegularExpression leading(QStringLiteral("^\\s*\\(?\\s*WHERE\\b"),
                                                QRegularExpression::CaseInsensitiveOption);
        const auto m = leading.match(condition);
        if (m.hasMatch()) {
            const bool paren = m.captured(0).contains(QLatin1Char('('));
            condition = (paren ? QStringLiteral("(") : QString()) + condition.mid(m.capturedEnd());
        }
    }
    // The condition belongs before the statement's own GROUP BY or ORDER BY.
    const QString level = topLevel(sql);
    static const QRegularExpression tailRe(QStringLiteral("\\b(GROUP|ORDER)\\s+BY\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto tail = tailRe.match(level);
    const int cut = tail.hasMatch() ? int(tail.capturedStart()) : int(sql.size());
    QString head = sql.left(cut);
    const QString rest = sql.mid(cut);
    static const QRegularExpression whereRe(QStringLiteral("\\bWHERE\\b"), QRegularExpression::CaseInsensitiveOption);
    const auto where = whereRe.match(level.left(cut));
    if (where.hasMatch()) {
        // The statement's own condition in parentheses, so that an OR in it cannot
        // swallow the caller's.
        const int start = int(where.capturedEnd());
        head = head.left(start) + QStringLiteral(" (") + vb::Trim(head.mid(start)) + QStringLiteral(") AND ")
             + vb::Trim(condition);
    } else {
        head = vb::RTrim(head) + QStringLiteral(" WHERE ") + vb::Trim(condition);
    }
    return rest.isEmpty() ? head : head + QLatin1Char(' ') + rest;
}

QString GenericStatement(const QString& SQL, const QStringList& columns, const QString& Where, qint32 rows,
                         QString& CampoBusqueda)
{
    const QString name = vb::Trim(SQL);
    const bool keepsIds = name.compare(QLatin1String("v_mv_mutuales"), Qt::CaseInsensitive) == 0
                       || name.compare(QLatin1String("V_MV_TROPA_STOCK"), Qt::CaseInsensitive) == 0;
    QString f;
    if (name.compare(QLatin1String("V_TA_DEPOSITO"), Qt::CaseInsensitive) == 0) {
        f = QStringLiteral("Descripcion,IdDeposito,UnidadNegocio,");
        CampoBusqueda = QStringLiteral("IDDEPOSITO");
    } else {
        for (const QString& column : columns) {
            const QString upper = column.toUpper();
            if (upper == QLatin1String("ID") || upper == QLatin1String("FECHAHORA_MODIFICACION")
                || upper == QLatin1String("FECHAHORA_GRABACION")) {
                if (!keepsIds)
                    continue;
                CampoBusqueda = column;
            } else if (upper == QLatin1String("DESCRIPCION") || upper == QLatin1String("NOMBRE")
                       || upper == QLatin1String("DETALLE")) {
                CampoBusqueda = column;
            } else if (f.isEmpty()) {
                CampoBusqueda = column;
            }
            f = column + QLatin1Char(',') + f;
        }
    }
    f = vb::Trim(f).isEmpty() ? QStringLiteral(" * ") : f.left(f.size() - 1);
    const QString w = QLatin1Char(' ') + Where;
    QString statement = QStringLiteral("SELECT TOP ") + QString::number(rows) + QLatin1Char(' ') + f + QStringLiteral(" FROM ")
                      + SQL;
    if (!vb::Trim(w).isEmpty())
        statement += QStringLiteral(" WHERE ");
    statement += w;
    // Without a column to sort by, an ORDER BY with nothing after it would not run.
    if (!vb::Trim(CampoBusqueda).isEmpty())
        statement += QStringLiteral(" ORDER BY ") + CampoBusqueda;
    return statement;
}

QString FilterStatement(const QString& SQL, QString& SQLBase, QString& SQLCola, const QString& field,
                        const QString& text, bool contains)
{
    SQLCola.clear();
    QString prefix;
    if (containsText(SQL, QStringLiteral("order"))) {
        const int at = int(SQL.indexOf(QLatin1String("order by"), 0, Qt::CaseInsensitive));
        if (at >= 0) {
            SQLCola = SQL.mid(at);
            SQLBase = SQL.left(at);
        }
    }
    const int group = int(SQL.indexOf(QLatin1String("group by"), 0, Qt::CaseInsensitive));
    if (group >= 0) {
        if (!vb::Trim(SQL.mid(group)).isEmpty())
            SQLCola = SQL.mid(group);
        SQLBase = SQL.left(group);
    }
    if (containsText(SQLBase, QStringLiteral("stk_ma_articulos.")))
        prefix = QStringLiteral("stk_ma_articulos.");
    if (containsText(SQLBase, QStringLiteral("v_ma_articulos.")))
        prefix = QStringLiteral("v_ma_articulos.");
    const QString joiner = containsText(SQL, QStringLiteral("where")) ? QStringLiteral(" and ") : QStringLiteral(" where ");
    if (contains)
        return SQLBase + joiner + prefix + field + QStringLiteral(" like '%")
             + Quoted(text).replace(QLatin1Char(' '), QLatin1Char('%')) + QStringLiteral("%' ") + SQLCola;
    const QString pattern = Utilidades->Reemplaza(text, QStringLiteral("*"), QStringLiteral("%"));
    return SQLBase + joiner + prefix + field + QStringLiteral(" like '") + Quoted(pattern) + QStringLiteral("%' ") + SQLCola;
}

} // namespace lookup

// Building INSERT and UPDATE statements from field/value lists.
#include "frame/StatementBuilder.h"
#include "data/DB_Dll.h"
#include "platform/vb/Strings.h"

QVector<CampoValor> gVecCampos;
QVector<CampoValor> gVecTotales;
QStringList gVecScript;

namespace {

// ReDim Preserve of an array that was never sized: subscript out of range.
[[noreturn]] void notSized()
{
    vb::Raise(9);
}

QString joined(const QVector<CampoValor>& campos, QString CampoValor::*member)
{
    QString text;
    for (int i = 0; i < campos.size(); ++i) {
        text += campos[i].*member;
        if (i < campos.size() - 1)
            text += QLatin1Char(',');
    }
    return text;
}

} // namespace

void AgregaCampo(const QString& Campo, QString& Valor, const QString& Tipo, bool Nuevo)
{
    if (Nuevo)
        gVecCampos = QVector<CampoValor>(1);
    else if (gVecCampos.isEmpty())
        notSized();
    else
        gVecCampos.append(CampoValor{});
    // The value is stored as given: SQLValue doubles its apostrophes inside the literal.
    CampoValor& last = gVecCampos.last();
    last.Campo = Campo;
    if (Valor.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        last.Valor = QStringLiteral("Null");
    else
        last.Valor = gDBPrincipal->SQLValue(vb::Variant(Valor), Tipo).toString();
}

void AgregaCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Nuevo)
{
    QString copy = Valor;
    AgregaCampo(Campo, copy, Tipo, Nuevo);
}

void ArmaSentencia(QVector<CampoValor>& Campos, QStringList& Script, const QString& Tabla, bool EsUpdate, QString& Where,
                   bool ConservarCampos)
{
    QString statement;
    if (EsUpdate) {
        QString assignments;
        for (int i = 0; i < Campos.size(); ++i) {
            assignments += Campos[i].Campo + QStringLiteral(" = ") + Campos[i].Valor;
            if (i < Campos.size() - 1)
                assignments += QLatin1Char(',');
        }
        if (vb::InStr(Where, QStringLiteral("WHERE"), vb::vbTextCompare) == 0)
            Where = QStringLiteral(" WHERE ") + Where;
        statement = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ") + assignments + QStringLiteral(" ") + Where;
    } else {
        statement = QStringLiteral("INSERT INTO ") + Tabla + QStringLiteral(" ") + QStringLiteral("(")
                  + joined(Campos, &CampoValor::Campo) + QStringLiteral(")") + QStringLiteral(" VALUES (")
                  + joined(Campos, &CampoValor::Valor) + QStringLiteral(")");
    }
    if (Script.isEmpty())
        notSized();
    Script.append(statement);
    Script.append(QString());
    if (!ConservarCampos)
        Campos = QVector<CampoValor>(1);
}

void ArmaSentencia(QVector<CampoValor>& Campos, QStringList& Script, const QString& Tabla, bool EsUpdate, const QString& Where,
                   bool ConservarCampos)
{
    QString copy = Where;
    ArmaSentencia(Campos, Script, Tabla, EsUpdate, copy, ConservarCampos);
}

void ArmaInsert(QString& Texto, QVector<CampoValor>& Campos, bool Borrar)
{
    Texto += QStringLiteral("(") + joined(Campos, &CampoValor::Campo) + QStringLiteral(")") + QStringLiteral(" VALUES (")
           + joined(Campos, &CampoValor::Valor) + QStringLiteral(")");
    if (Borrar)
        Campos.clear();
}

// SQL literals, ADO type predicates and object-name helpers of the data-access object.
#include "data/DB_Dll.h"
#include "platform/vb/Strings.h"
#include <initializer_list>

namespace {

bool typeIn(const vb::Variant& qtype, std::initializer_list<int> codes)
{
    if (qtype.isNull() || qtype.isEmpty() || !vb::IsNumeric(qtype))
        return false;
    const double code = qtype.toDouble();
    for (int c : codes)
        if (code == c)
            return true;
    return false;
}

const std::initializer_list<int> kDateTypes = {7, 64, 133, 134, 135, 137};
const std::initializer_list<int> kTextTypes = {8, 129, 130, 200, 201, 202, 203};

} // namespace

vb::Variant DB_Dll::SQLValue(const vb::Variant& Valor, const QString& Tipo)
{
    if (Tipo == QLatin1String("@")) {
        if (Valor.isNull())
            return vb::Variant(QStringLiteral("0"));
        const vb::Currency money = utilidades_->TextoAMoneda(Valor.isEmpty() ? QString() : Valor.toString());
        // The literal always carries "." as its decimal separator.
        return vb::Variant(utilidades_->Reemplaza(vb::Variant(money).toString(), QStringLiteral(","), QStringLiteral(".")));
    }
    if (Valor.isNull())
        return vb::Variant(QStringLiteral("NULL"));
    const QString text = Valor.isEmpty() ? QString() : Valor.toString();
    if (Tipo == QLatin1String("'")) {
        // An apostrophe inside the value is doubled so that the literal stays one literal.
        QString escaped = text;
        escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
        return vb::Variant(QLatin1Char('\'') + escaped + QLatin1Char('\''));
    }
    return vb::Variant(text);
}

bool DB_Dll::adodate(const vb::Variant& Qtype) const { return typeIn(Qtype, kDateTypes); }

QString DB_Dll::ADOComilla(const vb::Variant& Qtype) const
{
    return typeIn(Qtype, kDateTypes) || typeIn(Qtype, kTextTypes) ? QStringLiteral("'") : QString();
}

bool DB_Dll::ADOText(const vb::Variant& Qtype) const { return typeIn(Qtype, kTextTypes); }

bool DB_Dll::ADONumeric(const vb::Variant& Qtype) const
{
    return typeIn(Qtype, {2, 3, 4, 5, 14, 16, 17, 18, 19, 20, 21, 131});
}

bool DB_Dll::ADOCurrency(const vb::Variant& Qtype) const { return typeIn(Qtype, {6}); }

bool DB_Dll::ADOBoolean(const vb::Variant& Qtype) const { return typeIn(Qtype, {11}); }

QString DB_Dll::stSTF(QString& rsName, int rnPart) const
{
    if (rsName.count(QLatin1Char('.')) >= 2)
        return StripOwner(rsName);
    const int dot = vb::InStr(rsName, QStringLiteral("."));
    if (rnPart != 0)
        return dot == 0 ? rsName : vb::Mid(rsName, dot + 1);
    return vb::Left(rsName, dot - 1);
}

QString DB_Dll::AddBrackets(const QString& rObjName) const
{
    if (vb::InStr(rObjName, QStringLiteral(" ")) > 0 && vb::Left(rObjName, 1) != QLatin1String("["))
        return QLatin1Char('[') + rObjName + QLatin1Char(']');
    return rObjName;
}

QString DB_Dll::StripConnect(const QString& rsTblName) const
{
    const int at = vb::InStr(rsTblName, QStringLiteral("->"));
    if (at > 0)
        return vb::Left(rsTblName, at - 2);
    return rsTblName;
}

QString DB_Dll::StripBrackets(const QString& rsObjName) const
{
    if (vb::Left(rsObjName, 1) == QLatin1String("["))
        return vb::Mid(rsObjName, 2, vb::Len(rsObjName) - 2);
    return rsObjName;
}

QString DB_Dll::StripOwner(QString& rsTblName) const
{
    const int dot = vb::InStr(rsTblName, QStringLiteral("."));
    if (dot > 0)
        rsTblName = vb::Mid(rsTblName, dot + 1);
    return rsTblName;
}

QString DB_Dll::StripFileName(const QString& rsFileName) const
{
    // Either separator ends the folder: names may come from Windows or from this machine.
    const int at = std::max(vb::InStrRev(rsFileName, QStringLiteral("\\")), vb::InStrRev(rsFileName, QStringLiteral("/")));
    return at > 0 ? vb::Left(rsFileName, at - 1) : QString();
}

// Formatting and text helpers of the frame.
#include "frame/Format.h"
#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/StatementBuilder.h"
#include "platform/ado/SqlTokens.h"
#include "platform/vb/Regional.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include <QFile>
#include <QFileInfo>

bool ValorBooleano(const QString& Texto, bool PorDefecto)
{
    const QString t = vb::UCase(Texto);
    auto any = [&](std::initializer_list<const char*> words) {
        for (const char* w : words)
            if (t.compare(QLatin1String(w), Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    if (PorDefecto)
        return !any({"FALSE", "FALSO", "0", "NO", "N"});
    return any({"TRUE", "VERDADERO", "1", "SI", "S"});
}

QString FormatoFechaHora() { return QStringLiteral("dd/mm/yy hh:mm"); }
QString FormatoFecha() { return QStringLiteral("dd/mm/yy"); }
QString FormatoHora() { return QStringLiteral("hh:mm"); }

namespace {

// The decimals of a money text (see FmtMoneda); error 5 when the configuration gives none.
int decimalesMoneda(int Decimales)
{
    int n = Decimales;
    if (n == -1)
        n = vb::RoundToInt(vb::Val(gCantidadDecimales));
    if (n == 0)
        n = vb::Regional().moneyDecimals;
    if (n == -2)
        n = 0;
    if (n < 0)
        vb::Raise(vb::ErrInvalidCall);
    return n;
}

QString escribeMoneda(vb::Currency Valor, int n, bool Miles)
{
    // Rounded here, half to even, so that the pattern only lays the digits out.
    const vb::Currency amount = Valor.rounded(std::min(n, 4));
    if (!Miles && n <= 4) {
        // Plain digits need no pattern: a grid of thousands of amounts writes them fast.
        QString text = amount.toFixed(n);
        const QChar decimal = vb::Regional().decimalSeparator;
        if (decimal != QLatin1Char('.'))
            text.replace(QLatin1Char('.'), decimal);
        return text;
    }
    const QString pattern = (Miles ? QStringLiteral("###,###,###,###0.") : QStringLiteral("############0.")) + QString(n, QLatin1Char('0'));
    QString text = vb::Format(vb::Variant(amount), pattern);
    if (n == 0 && (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(','))))
        text.chop(1);
    return text;
}

} // namespace

QString FmtMoneda(const QString& Valor, int Decimales, bool Miles)
{
    if (Decimales == -3)
        return Valor;
    const int n = decimalesMoneda(Decimales);
    return escribeMoneda(Utilidades->TextoAMoneda(Valor), n, Miles);
}

QString FmtMoneda(vb::Currency Valor, int Decimales, bool Miles)
{
    if (Decimales == -3)
        return vb::CStr(vb::Variant(Valor));
    return escribeMoneda(Valor, decimalesMoneda(Decimales), Miles);
}

namespace {

double minutesOfText(const QString& hora)
{
    const int colon = vb::InStr(hora, QStringLiteral(":"));
    if (colon > 0)
        return vb::Val(vb::Left(hora, colon - 1)) * 60 + vb::Val(vb::Mid(hora, colon + 1));
    return vb::Val(hora) * 60;
}

bool positiveNumber(const QString& s)
{
    return vb::IsNumeric(s) && vb::Val(s) > 0;
}

} // namespace

double ConvierteAMinutos(const QString& Hora, const QString& Horas, const QString& Minutos, bool EsTexto)
{
    if (EsTexto)
        return minutesOfText(Hora);
    if (vb::IsDate(Hora)) {
        const QDateTime t = vb::CDate(Hora);
        return t.time().hour() * 60 + t.time().minute();
    }
    if (vb::Trim(Hora).isEmpty()) {
        if (!positiveNumber(Horas) && !positiveNumber(Minutos))
            return 0;
        return vb::Val(Horas) * 60 + vb::Val(Minutos);
    }
    return minutesOfText(Hora);
}

QString MinutosAHoras(double Minutos, qint32& Horas, qint32& MinutosResto, bool ForzarDosPuntos)
{
    QString separador = Cfg(QStringLiteral("SeparadorHora"));
    if (ForzarDosPuntos || vb::Trim(separador).isEmpty())
        separador = QStringLiteral(":");
    if (separador != QLatin1String(".")) {
        const qint32 minutos = vb::RoundToLong(Minutos);
        Horas = minutos / 60;
        MinutosResto = minutos % 60;
        return vb::Format(vb::Variant(Horas), QStringLiteral("#####00")) + separador
             + vb::Format(vb::Variant(MinutosResto), QStringLiteral("#####00"));
    }
    return Utilidades->Reemplaza(vb::Format(vb::Variant(Minutos / 60.0), QStringLiteral("#####.00")), QStringLiteral(","),
                                 QStringLiteral("."));
}

qint32 IndiceCampoArray(const QString& Texto)
{
    const QString wanted = vb::Trim(Texto);
    for (int i = 0; i < gVecTotales.size(); ++i) {
        const QString campo = vb::Trim(Utilidades->QuitaCaracteres(gVecTotales[i].Campo, vb::Chr(255), vb::Chr(0)));
        if (campo.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString QuitaMarcas(const QString& Texto)
{
    return vb::Trim(Utilidades->QuitaCaracteres(Texto, vb::Chr(0), vb::Chr(255), vb::Chr(10)));
}

qint16 IndiceEnArray(const QStringList& Arreglo, const QString& Valor, qint16 Desde)
{
    for (int i = std::max<int>(Desde, 0); i < Arreglo.size(); ++i)
        if (Arreglo[i].compare(Valor, Qt::CaseInsensitive) == 0)
            return qint16(i);
    return -1;
}

void Divide(QString& Texto, const QString& Separador, QStringList& Partes)
{
    Partes = QStringList{QString()};
    while (!Texto.isEmpty()) {
        const int at = vb::InStr(1, Texto, Separador, vb::vbTextCompare);
        if (at == 0 || Separador.isEmpty()) {
            Partes.last() = Texto;
            Texto.clear();
        } else {
            Partes.last() = vb::Left(Texto, at - 1);
            Texto = vb::Mid(Texto, at + vb::Len(Separador));
        }
        Partes.append(QString());
    }
}

bool ExisteArchivo(const QString& Ruta)
{
    QString path = Ruta;
    path.remove(QLatin1Char('"'));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    // A folder opens on Linux but is no file.
    return !QFileInfo(path).isDir();
}

QString ArmaCondicionLista(const QString& Campo, const QString& Operador, const QStringList& Valores, const QString& Conector,
                           const QString& Comilla, bool IncluirNulos, bool SaltarVacios)
{
    if (Valores.isEmpty())
        return QStringLiteral("1=1");
    // Values are operator or database text: quoted between apostrophes they are escaped.
    auto literal = [&](const QString& v) {
        const QString text = Comilla == QLatin1String("'") ? QString(v).replace(QLatin1Char('\''), QStringLiteral("''")) : v;
        return Comilla + text + Comilla;
    };
    QString condition = Campo + Operador + literal(Valores[0]);
    for (int i = 1; i < Valores.size(); ++i) {
        if (SaltarVacios && vb::Trim(Valores[i]).isEmpty())
            continue;
        condition += Conector + Campo + Operador + literal(Valores[i]);
    }
    if (IncluirNulos)
        condition += Conector + Campo + QStringLiteral(" is null ");
    return condition;
}

QString AdaptaSQL(const QString& Texto)
{
    if (!gDBPrincipal->IsOracleConnection())
        return Texto;
    if (Utilidades->CuentaPalabras(Texto) < 2) {
        if (Texto.compare(QLatin1String("LEN"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("LENGTH");
        return Texto;
    }
    // Only the SQL counts: a "top " or a "*" inside a quoted text is a value.
    const int top = ado::sql::SqlIndexOf(Texto, QStringLiteral("top ")) + 1;
    if (top == 0)
        return Texto;
    const int star = ado::sql::SqlIndexOf(Texto, QStringLiteral("*"), top - 1) + 1;
    const QString count = vb::Mid(Texto, top + 3, star - (top + 3));
    return vb::Left(Texto, top - 1) + QStringLiteral(" * ") + vb::Mid(Texto, star + 1) + QStringLiteral(" WHERE ROWNUM <= ") + count;
}

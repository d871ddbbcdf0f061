// The movements one article line makes: its lots, serials, exit picks or sizes read from
// the line's two pipe lists (columns 21 and 22), each with its own quantity.
#include "vouchers/stock/StockPosting.h"

#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"

#include <cmath>

namespace voucherstock {

namespace {

// The values of a pipe list, trimmed, without the splitter's closing empty element.
QStringList valores(ClsCmnCptes& c, const QString& lista)
{
    QStringList v;
    c.DescomponeSerieLote(lista, v);
    v.removeLast();
    return v;
}

// A lot or size code as stored: without the lot/serial separator, trimmed.
QString codigo(const QString& valor)
{
    return vb::Trim(QString(valor).remove(kSeparadorLoteSerie));
}

double numero(const QString& texto)
{
    return Utilidades->TextoADoble(vb::Trim(texto));
}

// Adds a quantity to the movement of the same lot and serial, or appends one; the order
// is the order of first appearance.
void suma(QList<Entrada>& entradas, const Entrada& e)
{
    for (Entrada& x : entradas)
        if (x.lote.compare(e.lote, Qt::CaseInsensitive) == 0 && x.serie.compare(e.serie, Qt::CaseInsensitive) == 0) {
            x.cantidad += e.cantidad;
            return;
        }
    entradas.append(e);
}

// The values of column 21 turned into movements. With quantities in column 22, each
// value takes the one at its position; without them, one lot for the whole line when
// there is only one, else one unit per value naming it.
QList<Entrada> agrupa(const QList<Entrada>& porValor, bool conCantidades, double cantidadLinea)
{
    QList<Entrada> out;
    for (Entrada e : porValor) {
        if (!conCantidades)
            e.cantidad = 1;
        suma(out, e);
    }
    if (!conCantidades && out.size() == 1)
        out.first().cantidad = cantidadLinea;
    if (!conCantidades)
        for (Entrada& e : out)
            e.enUnidadBase = false;
    QList<Entrada> conCantidad;
    for (const Entrada& e : std::as_const(out))
        if (e.cantidad != 0)
            conCantidad.append(e);
    return conCantidad;
}

// Lot and serial of an exit pick: the lot before the separator, the serial after it.
void partePick(const QString& valor, QString& lote, QString& serie)
{
    const int p = valor.indexOf(kSeparadorLoteSerie);
    lote = codigo(p < 0 ? valor : valor.left(p));
    serie = p < 0 ? QString() : codigo(valor.mid(p + 1));
}

} // namespace

QList<Entrada> EntradasDeLinea(ClsCmnCptes& c, const LineaStock& linea, bool salida, const QString& loteFijo,
                               bool serieConCantidad, QString& noEsNumero)
{
    noEsNumero = QString();
    const QStringList lotes = valores(c, linea.lotes);
    const QStringList series = valores(c, linea.series);
    const QString fijo = vb::Trim(loteFijo);
    // A movement without a lot of its own takes the call's fixed lot.
    auto ponLote = [&](Entrada& e, const QString& lote) {
        e.lote = lote.isEmpty() ? fijo : lote;
        e.fijo = lote.isEmpty() && !fijo.isEmpty();
    };
    // A quantity of a list; the first one that is not a number is handed back.
    auto cantidadEn = [&](const QStringList& lista, int i) {
        double cantidad = 0;
        if (i < lista.size() && !CantidadLeida(lista[i], cantidad) && noEsNumero.isNull())
            noEsNumero = lista[i];
        return cantidad;
    };
    // A line without detail: one movement of its whole quantity (an entry takes the fixed lot).
    Entrada todaLaLinea{QString(), QString(), linea.cantidad, false, false};
    if (!salida && !linea.talles)
        ponLote(todaLaLinea, QString());

    if (lotes.isEmpty() && (salida || linea.talles || !linea.usaSerie || series.isEmpty()))
        return {todaLaLinea};

    // Exits (and both passes of a transfer): picks, with their quantities in the base
    // unit, or sizes, which break down the line's own quantity (in its unit) both ways.
    if (salida || linea.talles) {
        QList<Entrada> porValor;
        for (int i = 0; i < lotes.size(); ++i) {
            Entrada e;
            if (linea.talles)
                e.lote = codigo(lotes[i]);
            else
                partePick(lotes[i], e.lote, e.serie);
            e.cantidad = cantidadEn(series, i);
            e.enUnidadBase = salida && !linea.talles;
            porValor.append(e);
        }
        return agrupa(porValor, !series.isEmpty(), linea.cantidad);
    }

    // Entries of one whole lot: the text of column 21 when it is not a pipe list.
    Entrada loteUnico{QString(), QString(), linea.cantidad, false, false};
    const QString texto = vb::Trim(linea.lotes);
    const bool unLote = linea.loteEntero && !texto.startsWith(QLatin1Char('|'));
    if (unLote)
        ponLote(loteUnico, codigo(texto));

    // Entries with serials: one unit each (or the quantity written after "*"), the lot
    // at the same position of column 21 or before the separator.
    if (linea.usaSerie && !series.isEmpty()) {
        QList<Entrada> out;
        for (int i = 0; i < series.size(); ++i) {
            QString valor = series[i];
            Entrada e;
            e.cantidad = 1;
            if (valor.contains(kSeparadorLoteSerie)) {
                partePick(valor, e.lote, e.serie);
            } else {
                e.lote = unLote ? QString() : codigo(i < lotes.size() ? lotes[i] : QString());
                e.serie = codigo(valor);
            }
            if (serieConCantidad) {
                const int asterisco = e.serie.lastIndexOf(QLatin1Char('*'));
                if (asterisco > 0 && vb::IsNumeric(e.serie.mid(asterisco + 1))) {
                    e.cantidad = numero(e.serie.mid(asterisco + 1));
                    e.serie = vb::Trim(e.serie.left(asterisco));
                }
            }
            if (unLote) {
                e.lote = loteUnico.lote;
                e.fijo = loteUnico.fijo;
            } else {
                ponLote(e, e.lote);
            }
            suma(out, e);
        }
        QList<Entrada> conCantidad;
        for (const Entrada& e : std::as_const(out))
            if (e.cantidad != 0)
                conCantidad.append(e);
        return conCantidad;
    }

    if (unLote)
        return {loteUnico};

    // Entries with lots: one movement per distinct lot.
    QList<Entrada> porValor;
    for (int i = 0; i < lotes.size(); ++i) {
        Entrada e{QString(), QString(), cantidadEn(series, i), false, false};
        ponLote(e, codigo(lotes[i]));
        porValor.append(e);
    }
    return agrupa(porValor, !series.isEmpty(), linea.cantidad);
}

QList<vb::Currency> Reparte(vb::Currency total, const QList<double>& pesos)
{
    QList<vb::Currency> out;
    double suma = 0;
    for (double p : pesos)
        suma += p;
    if (suma == 0) {
        for (int i = 0; i < pesos.size(); ++i)
            out.append(i == 0 ? total : vb::Currency());
        return out;
    }
    // Each share is what the running total reaches at its part, less what it reached
    // before: rounding never makes the shares miss the total.
    double acumulado = 0;
    vb::Currency anterior;
    for (int i = 0; i < pesos.size(); ++i) {
        acumulado += pesos[i];
        const vb::Currency hasta = i + 1 == pesos.size() ? total : vb::Currency::fromDouble(total.toDouble() * acumulado / suma);
        out.append(hasta - anterior);
        anterior = hasta;
    }
    return out;
}

} // namespace voucherstock

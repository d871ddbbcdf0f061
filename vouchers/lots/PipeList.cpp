// The pipe-list codec of the voucher class: splitting, counting, searching, extracting
// and rewriting the lists that carry the lots, serials, positions and sizes of a line.
// Nothing here can fail at run time, so no operation has an error trap of its own.
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/grids/GridHelpers.h"

#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"

namespace {

const QChar kBar = QLatin1Char('|');

bool blank(const QString& s)
{
    return vb::Trim(s).isEmpty();
}

// The text trimmed, without its leading "|".
QString prepared(const QString& list)
{
    QString t = vb::Trim(list);
    if (t.startsWith(kBar))
        t.remove(0, 1);
    return t;
}

// Walks a prepared text value by value: each value is the text before the next "|".
class Walk {
public:
    explicit Walk(QString text) : rest_(std::move(text)) {}
    // The next value closed by a "|"; false when the rest is blank or, with
    // closedOnly, holds no further "|".
    bool next(QString& value, bool closedOnly = true)
    {
        if (blank(rest_))
            return false;
        const int bar = rest_.indexOf(kBar);
        if (bar < 0) {
            if (closedOnly)
                return false;
            value = rest_;
            rest_.clear();
            return true;
        }
        value = rest_.left(bar);
        rest_ = rest_.mid(bar + 1);
        return true;
    }
    bool atEnd() const { return blank(rest_); }

private:
    QString rest_;
};

// An array as the splitting operations leave it: the values and one empty element.
QStringList withEnd(QStringList values)
{
    values.append(QString());
    return values;
}

// The last index of an array: its number of values.
qint32 upperBound(const QStringList& array)
{
    return qint32(array.size()) - 1;
}

} // namespace

void ClsCmnCptes::DescomponeSerieLote(const QString& Serie_Lote, QStringList& arreglo)
{
    QStringList values;
    QString t = prepared(Serie_Lote);
    if (!t.contains(kBar)) {
        if (!t.isEmpty())
            values.append(vb::Trim(t));
        arreglo = withEnd(values);
        return;
    }
    if (t.size() > 1 && !t.endsWith(kBar))
        t.append(kBar);
    Walk walk(t);
    QString value;
    while (walk.next(value, false))
        values.append(vb::Trim(value));
    arreglo = withEnd(values);
}

qint32 ClsCmnCptes::Cantidad_Series_Lotes(const QString& Pipes)
{
    if (Pipes.isEmpty())
        return 0;
    QStringList values;
    DescomponeSerieLote(Pipes, values);
    return upperBound(values);
}

QString ClsCmnCptes::ExtraeSerieLote(const QString& Serie_Lote, qint16 QuePosicion)
{
    QString t = prepared(Serie_Lote);
    if (!t.isEmpty() && !t.contains(kBar))
        t.append(kBar);
    Walk walk(t);
    QString value;
    for (int position = 1; walk.next(value); ++position)
        if (position == QuePosicion)
            return value;
    return QString();
}

qint32 ClsCmnCptes::Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote)
{
    const QString t = prepared(PipeSeriesLotes);
    if (!t.contains(kBar))
        return 0;
    // A last value without its closing "|" is still compared, so that the walk ends.
    Walk walk(t);
    QString value;
    qint32 position = 1;
    while (walk.next(value, false)) {
        if (vouchergrids::SameCode(value, QueSerieLote))
            return position;
        ++position;
    }
    return position;
}

qint32 ClsCmnCptes::Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar)
{
    QStringList series, lotes;
    DescomponeSerieLote(PipeSeries, series);
    DescomponeSerieLote(PIPELotes, lotes);
    if (!PipeSeries.isEmpty()) {
        // The lots are aligned to the serials: extra lots dropped, missing ones empty.
        while (lotes.size() > series.size())
            lotes.removeLast();
        while (lotes.size() < series.size())
            lotes.append(QString());
    } else if (!PIPELotes.isEmpty()) {
        series = QStringList(lotes.size(), QString());
    }
    if (SinConsolidar)
        return upperBound(series);

    QStringList counted;
    for (int i = 0; i < series.size(); ++i) {
        const QString key = vb::Trim(series[i]) + kBar + vb::Trim(lotes[i]);
        if (blank(QString(key).remove(kBar)))
            continue;
        bool seen = false;
        for (const QString& c : counted)
            seen = seen || vouchergrids::SameCode(c, key);
        if (!seen)
            counted.append(key);
    }
    return qint32(counted.size());
}

QString ClsCmnCptes::StrSerieLote(const QString& Serie_Lote)
{
    QStringList taken;
    QString result;
    Walk walk(prepared(Serie_Lote));
    QString value;
    while (walk.next(value)) {
        const QString v = vb::Trim(value);
        if (v.isEmpty())
            continue;
        bool seen = false;
        for (const QString& t : taken)
            seen = seen || vouchergrids::SameCode(t, v);
        if (seen)
            continue;
        result += QLatin1Char(' ') + v;
        taken.append(v);
    }
    return result;
}

QString ClsCmnCptes::InsertaCHR255(const QString& iPipe)
{
    return QString(kBar) + QString(iPipe.mid(1)).replace(kBar, QString(vouchergrids::kSeparadorLoteSerie) + kBar);
}

QString ClsCmnCptes::ExtraeSerieLoteConValor(QString& Serie, QString& Lote)
{
    Lote = Utilidades->QuitaCaracteres(Lote, vouchergrids::kSeparadorLoteSerie);
    Serie = Utilidades->QuitaCaracteres(Serie, vouchergrids::kSeparadorLoteSerie);
    QStringList lotes, series;
    DescomponeSerieLote(Lote, lotes);
    DescomponeSerieLote(Serie, series);
    for (int i = 0; i < series.size(); ++i) {
        if (Utilidades->TextoAMoneda(vb::Trim(series[i])) > vb::Currency())
            return i < lotes.size() ? lotes[i] : QString();   // a shorter lot list has no lot there
    }
    return QString();
}

void ClsCmnCptes::DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                                 QStringList& ArrPosiciones, QStringList& ArrCantidades,
                                                 QStringList& ArrLote)
{
    QStringList posiciones, cantidades;
    const QString t = prepared(Posicion_Lote);
    if (t.contains(kBar)) {
        // An entry after the last "|" is taken too, so that the walk ends.
        Walk walk(t);
        QString entry;
        while (walk.next(entry, false))
            posiciones.append(vb::Trim(entry));
        for (QString& p : posiciones) {
            const int star = p.indexOf(QLatin1Char('*'));
            cantidades.append(star < 0 ? QString() : p.mid(star + 1));
            if (star >= 0)
                p.truncate(star);
        }
    }
    ArrPosiciones = withEnd(posiciones);
    ArrCantidades = withEnd(cantidades);
    DescomponeSerieLote(PIPELotes, ArrLote);
}

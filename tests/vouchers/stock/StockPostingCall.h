#pragma once
// What the stock posting tests share: one call of ActualizaStock with the arguments a
// test sets (the others those of a delivery note out of deposit 1), and article lines
// written into a grid by column.
#include "platform/vb/Currency.h"

#include <QList>
#include <QMap>
#include <QString>

class ClsCmnCptes;
namespace ui {
class FlexGrid;
}

namespace stocktest {

struct Posteo {
    QString tc = QStringLiteral("RM");
    QString id = QStringLiteral("000100000100R");
    QString complemento = QStringLiteral("0");
    QString fecha = QStringLiteral("15/12/2026");
    QString deposito = QStringLiteral("1");
    QString destino;
    QString motivo;
    QString tcOrigen;
    QString cpteOrigen;
    bool transferencia = false;
    QString cuenta = QStringLiteral("110301");
    bool recoger = false;   // collect mode
    QString sqlTemp;
    bool hayError = false;
    QString tecnico = QStringLiteral("NULL");
    QString loteFijo;
    QString aduana;
    QString loteOrigen;
    qint16 signoRemota = 0;
    bool cartel = false;
    QString vendedor = QStringLiteral("1");
    float secuenciaFija = 0;
    QString moneda = QStringLiteral("1");
    vb::Currency cotizacion = vb::Currency::fromInt(1);

    void run(ClsCmnCptes& c, ui::FlexGrid& grid);
};

// An article line: its cells by column number (GridColumns.h).
using Renglon = QMap<int, QString>;

// The grid named MSFlexGrid2 with 101 columns, the header row and the lines.
void Llena(ui::FlexGrid& grid, const QList<Renglon>& renglones);

} // namespace stocktest

#pragma once
// The demo company for the stock posting tests, with stock entries switched on: what a
// posting wrote (its movements and its entry), and a posting in either mode as a voucher
// form makes it (collected, its batch run in the caller's transaction).
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/vouchers/stock/StockPostingCall.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace ui {
class FlexGrid;
}

namespace stocktest {

// A movement as the tests read it.
struct Mov {
    QString articulo;
    QString lote;
    QString serie;
    QString deposito;
    double cantidad;
    double cantidadUD;
    bool operator==(const Mov&) const = default;
};
QString Show(const QList<Mov>& ms);

// A line of a voucher's entry as the tests read it.
struct Asiento {
    QString cuenta;
    QString lado;
    double importe;
    int secuencia;
    bool operator==(const Asiento&) const = default;
};
QString Show(const QList<Asiento>& ls);

// A line of the delivery-note kind: article, quantity, unit UN and its cost.
Renglon Linea(const QString& articulo, const QString& cantidad, const QString& costo = QStringLiteral("100"));
// The line with some cells changed.
Renglon Con(Renglon r, const QMap<int, QString>& celdas);
// A line a production order makes (column 28 "-1").
Renglon Hecho(const QString& articulo, const QString& cantidad, const QString& costo);
// The condition of a voucher's entry lines in MV_ASIENTOS: TC, then branch, number and
// letter of id.
QString DelComprobante(const QString& tc, const QString& id);

// The demo's paracetamol (PARA500) in deposit 1, lot by lot in lot order: L-2511, L-2602,
// P2611A and P2612B (9, 11, 10 and 5 in the demo), then what it has without lot.
QList<double> Paracetamol(const testsupport::VoucherFixture& db);

class PostingDb {
public:
    // `extra` runs after the demo rows; the period is 2026 and the user Vandrel.
    explicit PostingDb(const QStringList& extra = {});

    QList<Mov> Movimientos(const QString& tc, const QString& id) const;
    // The voucher's entry lines (TC, then branch, number and letter of id) in their order.
    QList<Asiento> Lineas(const QString& tc, const QString& id) const;
    // The header total of the voucher's entry lines, when they all carry the same.
    QVariant CabImporte(const QString& tc, const QString& id) const;
    int Cuenta(const QString& sql) const;
    int MovimientosGuardados() const;
    int LineasGuardadas() const;
    int LibroPE() const;

    // A collected batch as a caller runs it, in its own transaction; "" when it ran.
    static QString Corre(const QString& lote);
    // Posts in either mode with a fresh voucher object; collected, nothing may change
    // before the batch runs. "" when it went as it should, else what went wrong.
    QString Postea(Posteo& p, ui::FlexGrid& g, bool recoger) const;
    // Posts in either mode expecting a refusal: HayError set, no table changed and the
    // caller's collected statements left as they were. "" when it went so, else what
    // went wrong.
    static QString Rechaza(Posteo& p, ui::FlexGrid& g, bool recoger);

    testsupport::VoucherFixture db;
};

// The day and workstation of the posting tests, while it lives: 15/12/2026 10:30, "."
// as decimal separator.
class Escenario {
public:
    Escenario();

private:
    testsupport::FixedClock clock_;
    testsupport::RegionalPin regional_;
};

} // namespace stocktest

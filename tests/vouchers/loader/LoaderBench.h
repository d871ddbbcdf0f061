#pragma once
// What the loader's tests share: the demo company database with its start-up
// configuration, pinned regional settings, a host form whose grids are laid out for the
// voucher being built, and a load with the arguments most tests leave alone.
#include "tests/support/RegionalPin.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "tests/support/vouchers/VoucherHostForm.h"

#include <QStringList>

namespace ado {
class Recordset;
}
namespace ui {
class FlexGrid;
}

namespace loadertest {

// The arguments of one load; the defaults copy the demo order 0001-00000045 into an
// invoice A.
struct Load {
    QString tc = QStringLiteral("NP");
    QString id = QStringLiteral("000100000045X");
    QString complemento = QStringLiteral("0");
    ado::Recordset* cabecera = nullptr;
    bool compras = false;
    QString proveedor;
    qint16 reparto = 0;
    bool convertir = false;
    QString whrTareas;
    QString destino = QStringLiteral("FC");
    QString letra = QStringLiteral("A");
};

// A load of the stored voucher `tc` `id`; a purchase one is the demo supplier's (210101).
Load From(const QString& tc, const QString& id, bool compras = false);

// The running program's name while it lives; the previous one comes back after.
class RunningAs {
public:
    explicit RunningAs(const QString& programa);
    ~RunningAs();
    RunningAs(const RunningAs&) = delete;
    RunningAs& operator=(const RunningAs&) = delete;

private:
    QString previous_;
};

class Bench {
public:
    // The statements of `extra` run after the demo rows; the grids are laid out for
    // `destino`. The logged user is Vandrel.
    explicit Bench(const QStringList& extra = {}, const QString& destino = QStringLiteral("FC"));

    // Runs AsignarDatosComprobante on the form's grids; the load's reference arguments
    // come back in `load`.
    void Run(Load& load);
    void Run(Load&& load) { Run(load); }

    testsupport::VoucherFixture db;
    testsupport::RegionalPin regional;
    testsupport::VoucherHostForm form;
};

// Statements for a Bench's `extra`: a configuration value, columns set on rows of a
// voucher header or line table by ID ("2500", "2520, 2522"), columns set on an article.
QString Config(const char* clave, const char* valor);
QString Header(const QString& set, const QString& ids, const char* table = "V_MV_CPTE");
QString Line(const QString& set, const QString& ids, const char* table = "V_MV_CPTEINSUMOS");
QString Article(const QString& set, const char* id);
// A page-line limit of a voucher type (four characters) and letter.
QString PageLines(const char* tc, const char* letra, int lineas);

// The texts of a column in the data rows (row 1 to the last).
QStringList Column(const ui::FlexGrid& grid, int col);
// The texts of one row, columns 0 to `cols` - 1.
QStringList Row(const ui::FlexGrid& grid, int row, int cols);
// An expected cell, for Mismatches: the column and its text ("" for an empty cell).
QString At(int col, const QString& text);
// The cells of a row that differ from the expected ones, one "row r column c: got 'x',
// expected 'y'" line each; "" when all match.
QString Mismatches(const ui::FlexGrid& grid, int row, const QStringList& cells);

} // namespace loadertest

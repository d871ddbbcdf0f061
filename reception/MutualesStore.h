#pragma once
// The database side of the reception form: storing a received voucher with its
// accounting entry, taking back a row that is not invoiced, and printing the reception
// report. The form hands over what its boxes and grid hold and acts on what comes back;
// every message to the operator is shown here.
#include <QString>

namespace reception {

// One grid row and the header date it is received under, as the operator typed them.
struct FilaRecepcion {
    QString FechaRecepcion;   // the header box whose DataField is FechaRecepcion
    QString Cuenta;           // column 1
    QString Comprobante;      // column 3 (IDMUTUAL)
    QString Importe;          // column 4, amount text
    QString UNegocio;         // column 5, as typed (brought to four characters here)
    QString Observaciones;    // column 6
};

// The entry's configuration read at load: the voucher type and the debit and credit
// accounts. Any of them blank switches the accounting entry off.
struct ConfiguracionAsiento {
    QString TCMutuales;
    QString CuentaMutualesAFacturar;
    QString CuentaMutualesAImputar;
};

struct ResultadoGrabacion {
    enum Estado {
        Grabada,         // stored: ID holds the row's ID (its entry may still have failed)
        Duplicada,       // account and voucher were already received; the operator was told
        FechaInvalida,   // the reception date is no date; the operator was told
        NoGrabada,       // the database stored nothing; the operator saw its message
        Abandonada,      // a run-time error the operator chose to leave on
    };
    Estado estado = Abandonada;
    QString ID;
    QString Comprobante;   // the voucher as it is stored: without leading and trailing blanks

    // After a refused date or a failed insert the row stays under the cursor to be
    // corrected; in every other case the form moves on to the next row.
    bool MueveCursor() const { return estado != FechaInvalida && estado != NoGrabada; }
};

// Stores the row in V_MV_MUTUALES and, when Config is complete, its two-line entry in
// MV_ASIENTOS with the numbering statements, in one transaction. ErrorEnCampo is the
// form's flag: it becomes True when the entry's transaction failed (the row stays
// stored). The form marks the row with "*" and the ID when the result is Grabada.
ResultadoGrabacion GrabaMutual(const FilaRecepcion& Fila, const ConfiguracionAsiento& Config, bool& ErrorEnCampo);

// Takes back a stored row with the reception entry lines of its account and voucher, as
// the row stores them (lines an earlier program wrote without the voucher's apostrophes
// too, when no other row of the account names that voucher without them), in one
// transaction. Marca and ID are columns 0 and 7 of the grid row. A row without mark is
// left alone; a row the database holds as invoiced (an invoice mark that is not blank,
// whatever the grid shows) is refused naming its invoice; otherwise the operator
// confirms first.
// True when the row left the database: the form then removes it from the grid.
bool EliminaMutual(const QString& Marca, const QString& ID);

// The header boxes the reception report is narrowed with.
struct FiltroReporte {
    QString FechaRecepcion;   // txtFields(0)
    QString FHD;              // first reception date
    QString FHH;              // last reception date
    QString CUENTAD;          // account
    QString UNEG_RPT;         // business unit
    bool Pendientes = false;  // ChkPendiente ticked: only rows not invoiced yet
};

// Prints the report "V_MV_MUTUALES_RECEPCION" through ImpresorReportes. A filter that
// ArmaFiltro refuses, or a header date that is no date, is shown to the operator and
// nothing is printed (false); CampoRechazado then receives the DataField of the box the
// message is about. Run-time errors (a printer failure) reach the caller's trap.
bool ImprimeReporteMutuales(const FiltroReporte& Filtro, QString* CampoRechazado = nullptr);

// Tells start-up the tables the reception works on (its rows, their entry lines, the
// numbering of the entry): a database without them is refused at connection.
void RequiereTablasRecepcion();

// Puts the program's report engine, running on the main connection, in the
// ImpresorReportes holder; called once when the form loads.
void InstalaImpresorReportes();

} // namespace reception

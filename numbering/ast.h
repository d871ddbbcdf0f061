#pragma once
// Voucher and entry numbering (the system's module `ast`): the numbering books of
// V_TA_CPTE, the next voucher number of a book and of a voucher family, the recording
// of an issued number (at once or as statements for the caller's transaction), the
// sub-journal of a voucher type and the next accounting-entry number.
//
// Arguments that the system passes by reference and changes are C++ references;
// those it only reads are const references.
#include "platform/vb/Variant.h"
#include <QString>

// The numbering book in use: set by Obtener_Nro_Comprobante_Contable and
// ValidaNumeracionComprobante, read by ActualizaNumeracionComprobante. Lives for the
// whole run; nothing resets it between vouchers.
extern int TalonarioActual;

// While an object of this class lives, the numbering reads lock what they read until the
// caller's transaction ends (on SQL Server UPDLOCK, HOLDLOCK in place of the no-lock
// hints; SQLite holds the whole database from BEGIN TRANSACTION already), so that the
// numbers a caller takes inside the one transaction that writes them stay its own: the
// book's next number, the entry number of the month, the voucher family's checks. The
// statements themselves are the usual ones; collect mode is unchanged.
class NumberingInTransaction {
public:
    NumberingInTransaction();
    ~NumberingInTransaction();
    NumberingInTransaction(const NumberingInTransaction&) = delete;
    NumberingInTransaction& operator=(const NumberingInTransaction&) = delete;
};

// The type whose books a voucher type draws its numbers from: the configuration value
// "NUM_" & Trim(TC) when it is not blank, else TC itself. Traps nothing.
QString ObtieneTcNumeracion(const QString& TC);

// Chooses the numbering book of TC (already the alias) and hands back its branch
// ("0000"), next number ("00000000"), the letter used, its Modificanumeracion and its
// upper bound; leaves the book in TalonarioActual. A leading "*" in Sucursal or Letra
// restricts the books. A type without books gives "1", "1", "X"; when every book is
// used up the operator is told and the arguments keep their values.
void Obtener_Nro_Comprobante_Contable(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                                      bool& ModificaNumeracion, const QString& Fecha, const QString& UNegocio,
                                      QString& NumeroHasta);

// Whether Numero may be issued for TC (the alias), branch and letter; settles Letra
// ("X" when empty) and TalonarioActual. Mensaje receives the reasons for a refusal and
// is emptied when the result is True. Traps nothing: errors reach the caller.
bool ValidaNumeracionComprobante(const QString& TC, const QString& Sucursal, const QString& Numero, QString& Letra,
                                 QString& Mensaje, const QString& Fecha);

// Records an issued number: the book's next number becomes NumeroSiguiente. With
// ComoScript the statements are returned in Script (the UPDATE of the book, CR LF, the
// control-row INSERT, CR LF) instead of changing the row. The caller's TC is never
// changed (the operation works on its numbering alias).
void ActualizaNumeracionComprobante(const QString& TC, const QString& Sistema, const QString& Sucursal,
                                    const QString& NumeroSiguiente, QString& Letra, bool ComoScript, QString& Script,
                                    bool RegistraControl = false, bool SoloControl = false);

// The number a new voucher of TC takes: the book's next number (through the alias),
// then, with ValidaNumero, moved past the numbers already stored in the type's family;
// for a type outside the families whose number has no entry yet, its V_MV_CTROL_CPTE
// row is deleted at once. Reservado is not read. An empty TC changes nothing.
void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool ValidaNumero, const QString& Reservado,
                             const QString& UNegocio);
// The same, for callers that pass a literal as the Modificanumeracion flag.
void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool&& ModificaNumeracion, bool ValidaNumero, const QString& Reservado,
                             const QString& UNegocio);

// Whether MV_ASIENTOS holds lines of the voucher (of the account, when one is given);
// AsientoExistente then reads "mm - nnnnnn" (operating month, entry number). Always
// False for "OC". Traps nothing.
bool ExisteAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                   QString& AsientoExistente, const QString& Cuenta = QString(), bool SinBloqueo = true);

// The invoice letter for the issuer's and the customer's VAT condition codes:
// "C" unless the issuer's is 1; then "B" when the customer's is above 2, else "A".
QString ObtieneLetraComprobante(const QString& CondicionEmisor, const QString& CondicionCliente);

// The sub-journal of a voucher type as stored in MA_SUBDIARIOSCOMPROBANTES (not
// trimmed), or four blanks when the type has none or its code is not in MA_SUBDIARIOS;
// an empty text when the lookup itself fails.
QString ObtieneTipoRegCont(const QString& TC);

// The next entry number of the operating month, sub-journal and period: one above the
// highest in MV_ASIENTOS (1 when none), or, when MV_ASIENTOSCCOSTO already uses that
// number, one above the highest there. Both tables are read with the "@ADMIN_" marker,
// so a restricted user counts every line. 0 when the read fails.
qint32 ObtieneNroAsiento(const vb::Variant& Mes, const vb::Variant& Periodo, const vb::Variant& TipoReg = vb::Variant());
// The same number as an SQL expression, taken when the statement that carries it runs
// (its reads lock what they read on SQL Server until the caller's transaction ends): for
// statements collected now and run later in one batch, where a number read now would be
// stale. Such statements write, and writes read the tables themselves, never a user's
// restricted views: the tables are named without the "@ADMIN_" marker.
QString NroAsientoAlCorrer(const vb::Variant& Mes, const vb::Variant& Periodo, const vb::Variant& TipoReg = vb::Variant());

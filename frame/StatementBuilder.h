#pragma once
// Field/value statement builders and the transactional script runner.
#include <QString>
#include <QStringList>
#include <QVector>

namespace ado {
class Recordset;
}

// A column name and its value already written as an SQL literal.
struct CampoValor {
    QString Campo;
    QString Valor;
};

// The fields of the statement being built (an empty vector is an array never sized).
extern QVector<CampoValor> gVecCampos;
// Control totals of the voucher library, by name.
extern QVector<CampoValor> gVecTotales;
// The frame's own statement list (the access log's).
extern QStringList gVecScript;

// Adds a column and the literal of Valor of kind Tipo ("'" text and dates, "@"
// amounts); Nuevo starts a new list. The text is stored as given, its apostrophes
// doubled in the literal; "NULL" in any case gives the word Null.
void AgregaCampo(const QString& Campo, QString& Valor, const QString& Tipo, bool Nuevo);
void AgregaCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Nuevo);

// Appends an INSERT (or UPDATE ... Where) of the fields to Script, then an empty entry.
void ArmaSentencia(QVector<CampoValor>& Campos, QStringList& Script, const QString& Tabla, bool EsUpdate, QString& Where,
                   bool ConservarCampos = false);
void ArmaSentencia(QVector<CampoValor>& Campos, QStringList& Script, const QString& Tabla, bool EsUpdate = false,
                   const QString& Where = QString(), bool ConservarCampos = false);
// Appends "(columns) VALUES (literals)" to Texto; Borrar erases the fields.
void ArmaInsert(QString& Texto, QVector<CampoValor>& Campos, bool Borrar);

// Runs the non-blank entries of Script as one transaction; on a server error rolls back,
// writes an AUX_ERR row and, with MostrarMensaje, shows the error. Filas, when given,
// receives the rows of the first statement of the batch that selects (an ID the batch
// read back with SCOPE_IDENTITY(), for one).
void GActualizarDatoScript(const QStringList& Script, bool& HayError, qint32& NroError, bool DevolverDuplicado,
                           bool DevolverRestriccion, QString& ScriptEjecutado, QString& MensajeError, bool MostrarMensaje,
                           ado::Recordset* Filas = nullptr);

// What a batch run inside the caller's transaction met.
struct ScriptFailure {
    qint32 number = 0;   // native number of the first server error
    QString text;        // the error text, as GActualizarDatoScript writes it
    QString batch;       // the batch as it was sent
    bool lockWait = false;   // it waited for a lock in vain (see data::IsLockWait)
};

// Runs the non-blank entries of Script as one batch inside the transaction the caller
// holds open on the main connection, sending no BEGIN, COMMIT or ROLLBACK of its own.
// False on a server error, described in `failure`; the caller decides what to undo.
// Nothing is shown.
bool RunScriptInTransaction(const QStringList& Script, ScriptFailure& failure);
// Writes the AUX_ERR row of a failed batch; failures are not shown. True when the row
// was stored.
bool GrabaErrorAuxErr(const QString& SQL, qint32 Error, const QString& Descripcion);

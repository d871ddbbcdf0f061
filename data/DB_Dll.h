#pragma once
// The data-access object of the whole program: one connection, the parameters it was
// opened with, and every operation that reads or writes the database.
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Holder.h"
#include "platform/vb/Variant.h"
#include "platform/vb/VbError.h"
#include "platform/zeltrix/DialogoArchivo.h"
#include "platform/zeltrix/Utilidades.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace data {
class ColumnKinds;
}

class DB_Dll {
public:
    // Public members, in their declared order.
    vb::AutoHolder<zeltrix::DialogoArchivo> CmdDlg;
    bool gOpenFlag = false;
    vb::Variant gIgnoraPassWord;
    vb::AutoHolder<ado::Connection> gCnn;
    vb::AutoHolder<ado::Recordset> glrcs;
    vb::Variant gCursorLocation;
    QString gProveedor;
    QString gDsn;
    QString gServidor;
    QString gDBName;
    QString gUsuario;
    bool gEsAdmin = false;
    QString gUserPassWord;
    QString gConnString;
    QString gExtended;
    QString gLogErr;
    bool ParametrosSQL = false;
    qint16 gQKTimeOut = 0;

    // --- Single-value lookups ---
    vb::Variant BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo = {},
                            QString* Condicion = nullptr);
    vb::Variant BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo = {},
                            const std::optional<QString>& Condicion = std::nullopt);

    // --- Connection ---
    void OpenServerADODB(bool PideParametrosSQL = false, int lCursor = 3, const QString& ConnString = {},
                         bool ValidaAdmin = true, bool MuestraError = true);
    void ReintentaConectar();
    void OpenLocalADODB(const QString& ConnString = {}, const QString& CadenaID = QStringLiteral("User Id"),
                        const QString& CadenaPWD = QStringLiteral("Password"));

    bool ExisteEnTablaST(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                         ado::Recordset* Lrcs = nullptr, const vb::Variant& Tipodato = vb::Variant(8),
                         const QString& Condicion = {}, bool SoloLectura = false);
    bool ExisteEnTabla(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                       ado::Recordset* Lrcs = nullptr, const vb::Variant& Tipodato = vb::Variant(8),
                       const QString& Condicion = {}, bool SoloLectura = true);
    vb::Variant DatosTabla(const QString& Tabla, const vb::Variant& ValorBuscado, const QString& CampoDevuelto,
                           const QString& Campo = QStringLiteral("Codigo"), const vb::Variant& Tipodato = vb::Variant(8),
                           const QString& Condicion = {}, bool UsaTrim = true, bool IgnoraError = false);

    // --- Literal builders: ADO type predicates ---
    bool adodate(const vb::Variant& Qtype) const;
    QString ADOComilla(const vb::Variant& Qtype) const;
    bool ADOText(const vb::Variant& Qtype) const;
    bool ADONumeric(const vb::Variant& Qtype) const;
    bool ADOCurrency(const vb::Variant& Qtype) const;
    bool ADOBoolean(const vb::Variant& Qtype) const;

    // --- Execution ---
    void CierraRecordset(ado::Recordset& LrcsTemp);
    void QConsulta(const QString& TB, const QString& Rsp, const QString& Cl1, const QString& Cl2,
                   const QString& CmpDisplay = QStringLiteral("Codigo"), const QString& SQLWHERE = {});
    void QGridConsulta(const QString& Sentencia, const QString& CampoDevuelto1, const QString& gCnnString,
                       const QString& CampoDevuelto2 = {}, const QString& CampoDevuelto3 = {});

    // --- Name helpers ---
    QString stSTF(QString& rsName, int rnPart) const;
    QString AddBrackets(const QString& rObjName) const;
    QString StripConnect(const QString& rsTblName) const;
    QString StripBrackets(const QString& rsObjName) const;
    QString StripOwner(QString& rsTblName) const;
    QString StripFileName(const QString& rsFileName) const;

    // Never raises; failures stay in gCnn's error list for the caller to read.
    void EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    void EjecutaConsultaSQL(const QString& SentenciaSQL, long* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    void EjecutaConsultaRSQL(QString& SentenciaSQL, long* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr);
    // The statement comes back with the table names rewritten.
    void AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                        int CursorType = 0, int LockType = 1, int Options = -1, bool ConvOracle = true);
    void AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                        int CursorType = 0, int LockType = 1, int Options = -1, bool ConvOracle = true);

    QString ORACLE_Dicc(const QString& Valor);
    // Whether the connection is an Oracle one ("ORACLE" in its connection string, or in
    // gConnString before it was ever opened): the one test of the whole data layer. Reads
    // are then rewritten for Oracle, writes run one statement at a time, and each must be
    // one Oracle takes.
    bool IsOracleConnection() const;
    // Opens Lrcs on `sql` over `connection` (gCnn when null) without the view rewriting,
    // for the reads that open their recordset themselves: on an Oracle connection in
    // Oracle's dialect, after the table locks its lock hints ask for. Raises what the
    // engine raises.
    void OpenRead(ado::Recordset& Lrcs, const QString& sql, ado::Connection* connection, int CursorType, int LockType,
                  int Options = -1);

    vb::Variant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const vb::Variant& Tipo = vb::Variant(8),
                                  const QString& Condicion = {});

    QString pJETOLEDB40() const { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
    QString pJETOLEDB35() const { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
    QString pSQLOLEDB() const { return QStringLiteral("SQLOLEDB"); }

    vb::Variant SQLValue(const vb::Variant& Valor, const QString& Tipo = QStringLiteral("'"));

    // --- Schema queries ---
    void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                  const std::optional<vb::Variant>& ValorDefault = std::nullopt);
    bool ExisteTablaDB(const QString& Tabla);
    bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
    bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar = true, const QString& Tipo = {},
                    bool PermiteNulos = true, const std::optional<vb::Variant>& ValorDefault = std::nullopt);

    QString SS_TSinonimos(const QString& SQL);

    // --- Error dialog ---
    vb::Variant ArchivoErrores() const { return vb::Variant(gLogErr); }
    void SetArchivoErrores(const vb::Variant& vNewValue) { gLogErr = vNewValue.toString(); }
    qint16 TratamientoErrores(const vb::VbError& CodErr, const std::optional<int>& Botones = std::nullopt,
                              const std::optional<QString>& Rutina = std::nullopt);

    // While set, an error that would open the error dialog is raised as
    // data::ErrorInTransaction instead, past every error trap, to the code that holds a
    // transaction open on this connection: nothing is shown while the database's write
    // lock is held.
    bool raiseErrorsToHolder = false;

private:
    QString FiltraSentenciaOracle(QString& Sentencia);
    // Lrcs, when given, receives the rows of the script's first read.
    void EjecutaScriptOracle(QString& Script, long& RecordsAffected, ado::Recordset* Lrcs = nullptr);
    // Oracle's table locks for the lock hints of `statement`, run on `connection`.
    void RunOracleLocks(const QString& statement, ado::Connection& connection);
    // The kinds of the connection's columns, read as statements need them.
    data::ColumnKinds& ColumnKindsOfConnection();

    // The write of EjecutaConsultaSQL and EjecutaConsultaRSQL; raises what the engine raises.
    void RunWrite(QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs);
    // Opens the existence query into Lrcs (or a private recordset) and tells whether it found a row.
    bool OpenExists(const QString& sql, ado::Recordset* Lrcs, bool SoloLectura);
    // Builds gConnString from the members.
    void BuildConnectionString();
    // Shows the connection dialog; false when it was cancelled (gOpenFlag is then False).
    bool RunConnectionDialog();
    // Runs one statement under this object's error dialog, for `routine`.
    vb::Step Guard(const QString& routine, const std::function<void()>& statement);

    vb::AutoHolder<zeltrix::Utilidades> utilidades_;
    std::shared_ptr<data::ColumnKinds> columnKinds_;
};

namespace data {

// An error met while a transaction is held open (see DB_Dll::raiseErrorsToHolder).
struct ErrorInTransaction {
    vb::VbError error;
    QString routine;
};

// Whether the errors of a statement say it waited for a lock in vain: a lock request
// that timed out, a query that timed out, a deadlock (SQL Server 1222, 1205; Oracle 54,
// 30006, 60; SQLite's busy database reads as 1222). Running the whole transaction again
// may succeed.
bool IsLockWait(const ado::Errors& errors);

// The connection strings the system builds, Oracle's and SQL Server's. A value that
// holds ; { } or = goes between braces (ado::QuoteConnectionValue), so that it reaches
// the driver whole; any other value gives exactly the system's text.
QString OracleConnectionString(const QString& DataSource, const QString& User, const QString& Password);
QString SqlServerConnectionString(const QString& Provider, const QString& Server, const QString& Database, const QString& User,
                                  const QString& Password);

} // namespace data

// Closes the connection of every program-wide data-access object that has one open.
// Safe at any time; the program calls it before it ends.
void CloseAllConnections();

// The program-wide data-access objects, each made on first use.
extern vb::AutoHolder<DB_Dll> gDBPrincipal;
extern vb::AutoHolder<DB_Dll> gDBEstadisticas;
extern vb::AutoHolder<DB_Dll> gDBConsultas;
extern vb::AutoHolder<DB_Dll> gDBAuxiliar;

// True when the configuration switch "SS_CONFIDENCIALIDAD" is "SI"; set at start-up.
extern bool gConfidencialidad;

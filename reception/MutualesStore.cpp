// Storing, taking back and printing received mutual-aid vouchers.
#include "reception/MutualesStore.h"

#include "data/DB_Dll.h"
#include "frame/ArmaFiltro.h"
#include "frame/ModGlobal.h"
#include "frame/SaveTransaction.h"
#include "numbering/VoucherKey.h"
#include "numbering/ast.h"
#include "platform/report/ReportEngine.h"
#include "platform/ui/HeldMessages.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "widgets/Dll_Display.h"

#include <QStringList>
#include <QThread>
#include <functional>
#include <optional>

namespace reception {

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");
const QString kTablaMutuales = QStringLiteral("V_MV_MUTUALES");
const QString kReporte = QStringLiteral("V_MV_MUTUALES_RECEPCION");

// Operator and database text between apostrophes: its own apostrophes doubled.
QString Sql(const QString& texto)
{
    QString s = texto;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return s;
}

// The widest voucher the suite stores, leading blanks included.
constexpr int kLargoComprobante = 20;

// The literals of every form a voucher may be stored in: as typed (the database ignores
// case and trailing blanks), or with the leading blanks an earlier program kept. Each is
// one key of the account's index, so the test never walks the account's other rows.
QString FormasGuardadas(const QString& Comprobante)
{
    const QString valor = Sql(Comprobante);
    QString lista = QLatin1Char('\'') + valor + QLatin1Char('\'');
    for (int blancos = 1; blancos + Comprobante.size() <= kLargoComprobante; ++blancos)
        lista += QStringLiteral(",'") + QString(blancos, QLatin1Char(' ')) + valor + QLatin1Char('\'');
    return lista;
}

void CierraCartel()
{
    if (gDisplay.exists())
        gDisplay->CartelCerrar();
}

// The procedure's error trap: each statement is one step, its errors answered through
// the given routine (4 repeats it, 5 goes on with the next); any other answer leaves
// the procedure, after which every further step is skipped.
class Trampa {
public:
    explicit Trampa(vb::ErrorHandler handler) : handler_(std::move(handler)) {}

    // False once the procedure must be left.
    bool operator()(const std::function<void()>& statement)
    {
        if (salir_)
            return false;
        if (vb::guarded(handler_, QString(), statement) == vb::Step::Leave)
            salir_ = true;
        return !salir_;
    }
    bool Salir() const { return salir_; }

private:
    vb::ErrorHandler handler_;
    bool salir_ = false;
};

// The row save reports through the library's error routine without a routine name;
// leaving closes the progress notice.
int ErrorDeGrabacion(const vb::VbError& e, const QString&)
{
    const int respuesta = Utilidades->TrataError(e);
    if (respuesta != vb::AnswerRetry && respuesta != vb::AnswerIgnore)
        CierraCartel();
    return respuesta;
}

// The row delete closes the progress notice first; error 30015 ends it without a word.
int ErrorDeEliminacion(const vb::VbError& e, const QString&)
{
    CierraCartel();
    if (e.Number == 30015)
        return 0;
    return Utilidades->TrataError(e);
}

// The first error the last statement left on the main connection; empty when none.
QString PrimerError()
{
    ado::Errors& errores = gDBPrincipal->gCnn->Errors();
    return errores.Count() > 0 ? errores.Item(0).Description : QString();
}

// The statements that take a deleted row's entry lines: those written with its texts as
// they stand. Earlier programs wrote the lines of a voucher with apostrophes without
// them; such lines go too, unless a row still stored (the deleted one is gone by then)
// names the same voucher of that account once its apostrophes are left out.
QString LineasDeLaFila(const QString& Cuenta, const QString& Comprobante)
{
    const QString lineas = QStringLiteral("DELETE MV_ASIENTOS WHERE TC_ORIGEN = 'Mutl' and cuentaorigen = '");
    QString S = lineas + Sql(Cuenta) + QStringLiteral("' and cpte_origen = '") + Sql(Comprobante) + QStringLiteral("'");
    const QLatin1Char apostrofo('\'');
    if (!Cuenta.contains(apostrofo) && !Comprobante.contains(apostrofo))
        return S;
    const QString cuentaSin = QString(Cuenta).remove(apostrofo);
    const QString cpteSin = QString(Comprobante).remove(apostrofo);
    S += CRLF + lineas + Sql(cuentaSin) + QStringLiteral("' and cpte_origen = '") + Sql(cpteSin)
       + QStringLiteral("' and NOT EXISTS (SELECT 1 FROM V_MV_MUTUALES WHERE CUENTA = '") + Sql(Cuenta)
       + QStringLiteral("' AND UPPER(RTRIM(REPLACE(IDMUTUAL, '''', ''))) = UPPER('") + Sql(cpteSin) + QStringLiteral("'))");
    return S;
}

bool ConfiguracionCompleta(const ConfiguracionAsiento& c)
{
    return !vb::Trim(c.TCMutuales).isEmpty() && !vb::Trim(c.CuentaMutualesAFacturar).isEmpty()
        && !vb::Trim(c.CuentaMutualesAImputar).isEmpty();
}

// One entry line: 25 fields in the column order of the INSERT.
struct LineaAsiento {
    QString Fecha;
    QString Mes;
    QString NroAsiento;
    QString Cuenta;
    QString Secuencia;
    QString Importe;
    QString DebeHaber;
    QString Periodo;
    QString TC;
    QString Sucursal;
    QString Numero;
    QString Letra;
    QString TipoReg;
    QString Detalle;
    QString Comprobante;
    QString CuentaOrigen;
    QString FechaHora;
};

void AgregaLinea(const LineaAsiento& l, QStringList& Script)
{
    const QString T = QStringLiteral("'");
    const QString N = QStringLiteral("@");
    AgregaCampo(QStringLiteral("Fecha"), l.Fecha, T, true);
    AgregaCampo(QStringLiteral("FechaSubDiario"), l.Fecha, T, false);
    AgregaCampo(QStringLiteral("VENCIMIENTO"), l.Fecha, T, false);
    AgregaCampo(QStringLiteral("Mes_Operativo"), l.Mes, T, false);
    AgregaCampo(QStringLiteral("[NUMERO ASIENTO]"), l.NroAsiento, T, false);
    AgregaCampo(QStringLiteral("Cuenta"), l.Cuenta, T, false);
    AgregaCampo(QStringLiteral("Secuencia"), l.Secuencia, T, false);
    AgregaCampo(QStringLiteral("CabImporte"), l.Importe, N, false);
    AgregaCampo(QStringLiteral("[Debe-Haber]"), l.DebeHaber, T, false);
    AgregaCampo(QStringLiteral("Importe"), l.Importe, N, false);
    AgregaCampo(QStringLiteral("Periodo"), l.Periodo, T, false);
    AgregaCampo(QStringLiteral("TC"), l.TC, T, false);
    AgregaCampo(QStringLiteral("Sucursal"), l.Sucursal, T, false);
    AgregaCampo(QStringLiteral("Numero"), l.Numero, T, false);
    AgregaCampo(QStringLiteral("Letra"), l.Letra, T, false);
    AgregaCampo(QStringLiteral("Tipo_Reg"), l.TipoReg, T, false);
    AgregaCampo(QStringLiteral("Detalle"), l.Detalle, T, false);
    AgregaCampo(QStringLiteral("Moneda"), QStringLiteral("1"), T, false);
    AgregaCampo(QStringLiteral("USUARIO_LOGEADO"), QString(gUsuarioLogeado), T, false);
    AgregaCampo(QStringLiteral("IdCajas"), QString(gCaja), T, false);
    // The logged user's business unit, not the row's.
    AgregaCampo(QStringLiteral("Unegocio"), QString(gUNegocio), T, false);
    AgregaCampo(QStringLiteral("TC_Origen"), QStringLiteral("Mutl"), T, false);
    AgregaCampo(QStringLiteral("Cpte_Origen"), l.Comprobante, T, false);
    AgregaCampo(QStringLiteral("CuentaOrigen"), l.CuentaOrigen, T, false);
    AgregaCampo(QStringLiteral("FechaHora_Grabacion"), l.FechaHora, T, false);
    ArmaSentencia(gVecCampos, Script, QStringLiteral("MV_ASIENTOS"), false, QString(), false);
}

// How many times a save is run again when it waited for a lock in vain or found a
// number taken meanwhile, before the operator is told.
constexpr int kIntentos = 5;
const QString kPuntoAsiento = QStringLiteral("Asiento");

// A run-time error the entry's own statements raise (a conversion, an entry number past
// 16 bits): told to the code that holds the transaction, never to a dialog while the
// database's write lock is held. What the database fails to answer reaches that code as
// data::ErrorInTransaction, raised by the data layer itself.
struct ErrorDelAsiento {
    data::ErrorInTransaction error;
};
[[noreturn]] int ErrorEnTransaccion(const vb::VbError& e, const QString& rutina)
{
    throw ErrorDelAsiento{data::ErrorInTransaction{e, rutina}};
}

// What the entry of a stored row came to.
struct ResultadoAsiento {
    bool ejecutado = false;           // its batch was sent
    bool fallido = false;
    bool reintentar = false;          // a lock wait or a number taken meanwhile
    // The fiscal year, the numbering or the configuration could not be read: no answer
    // at all, so the save is refused whole rather than the row kept without its entry.
    bool lecturaFallida = false;
    ScriptFailure script;             // the batch the server refused, or why no entry was written
    std::optional<data::ErrorInTransaction> error;   // or the run-time error met
};

// An entry that was not written, and why: `batch` and the text go to AUX_ERR and the
// text to the operator; the row stays.
ResultadoAsiento SinAsiento(const QString& batch, const QString& motivo)
{
    ResultadoAsiento resultado;
    resultado.fallido = true;
    resultado.script.batch = batch;
    resultado.script.text =
        QStringLiteral("No se generó el asiento: ") + motivo + CRLF + QStringLiteral("El registro quedó grabado sin asiento.");
    return resultado;
}

// The stored row's two-line entry with the numbering statements, inside the caller's
// transaction: the numbers are read and written in it, under its lock.
ResultadoAsiento EscribeAsiento(const QString& Fecha, const QString& Cuenta, const QString& Comprobante, vb::Currency Importe,
                                const QString& Observaciones, const ConfiguracionAsiento& Config)
{
    ResultadoAsiento resultado;
    const QString& TC = Config.TCMutuales;
    Trampa paso(&ErrorEnTransaccion);
    NumberingInTransaction numeracion;
    try {
        QString TipoReg;
        QString Periodo;
        qint32 NroAsiento = 0;
        int Mes = 0;
        QString Sucursal;
        QString Numero;
        QString Letra;
        QString NumeroSiguiente;
        QString Numeracion;

        paso([&] { TipoReg = ObtieneTipoRegCont(TC); });
        bool conEjercicio = false;
        QString consultaPeriodo;
        paso([&] {
            qint16 periodo = 0;
            conEjercicio = ObtienePeriodo(Fecha, periodo, &consultaPeriodo);
            Periodo = vb::Variant(periodo).toString();
        });
        // A date in no fiscal year has no period to book the entry into: the entry fails,
        // the row stays with the record of why.
        if (!conEjercicio)
            return SinAsiento(consultaPeriodo, QStringLiteral("la fecha de recepción ") + vb::Trim(Fecha)
                                                   + QStringLiteral(" no pertenece a ningún ejercicio contable."));
        paso([&] { Mes = vb::CDate(vb::Trim(Fecha)).date().month(); });
        paso([&] { NroAsiento = ObtieneNroAsiento(vb::Variant(Mes), vb::Variant(Periodo), vb::Variant(TipoReg)); });
        paso([&] { Obtener_Nro_Comprobante(TC, Sucursal, Numero, Letra, false, true, QString(), gUNegocio); });
        // Every book of the type used up (the numbering tells which): no number, no entry;
        // the row stays with the record of why.
        if (vb::Trim(Numero).isEmpty())
            return SinAsiento(QStringLiteral("Obtener_Nro_Comprobante"),
                              QStringLiteral("el comprobante ") + vb::Trim(TC)
                                  + QStringLiteral(" no tiene números libres en sus talonarios."));
        paso([&] {
            Sucursal = voucherkey::Branch(Sucursal);
            Numero = voucherkey::Number(Numero);
        });
        paso([&] { NumeroSiguiente = vb::Str(Utilidades->TextoAMoneda(Numero) + vb::Currency::fromInt(1)); });
        paso([&] {
            ActualizaNumeracionComprobante(TC, QStringLiteral("Contable"), Sucursal, NumeroSiguiente, Letra, true, Numeracion,
                                           false, false);
        });

        QStringList Script;
        Script << QString() << Numeracion << QString();

        LineaAsiento linea;
        linea.Fecha = Fecha;
        linea.Mes = QString::number(Mes);
        linea.NroAsiento = QString::number(NroAsiento);
        linea.Importe = vb::Variant(Importe).toString();
        linea.Periodo = Periodo;
        linea.TC = TC;
        linea.Sucursal = Sucursal;
        linea.Numero = Numero;
        linea.Letra = Letra;
        linea.TipoReg = TipoReg;
        linea.Detalle = Observaciones;
        linea.Comprobante = Comprobante;
        linea.CuentaOrigen = Cuenta;
        paso([&] { linea.FechaHora = vb::Variant(FechaServidor()).toString(); });

        int Secuencia = 0;
        auto agrega = [&](const QString& cuenta, const QString& lado) {
            ++Secuencia;
            linea.Cuenta = cuenta;
            linea.Secuencia = QString::number(Secuencia);
            linea.DebeHaber = lado;
            AgregaLinea(linea, Script);
        };
        paso([&] { agrega(Config.CuentaMutualesAFacturar, QStringLiteral("D")); });
        paso([&] { agrega(Config.CuentaMutualesAImputar, QStringLiteral("H")); });

        resultado.ejecutado = true;
        if (!RunScriptInTransaction(Script, resultado.script)) {
            resultado.fallido = true;
            // 2627: the entry or control row of a number another save has just taken
            resultado.reintentar = resultado.script.lockWait || resultado.script.number == 2627;
        }
    } catch (const ErrorDelAsiento& e) {
        resultado.fallido = true;
        resultado.reintentar = data::IsLockWait(gDBPrincipal->gCnn->Errors());
        resultado.error = e.error;
    } catch (const data::ErrorInTransaction& e) {
        resultado.fallido = true;
        resultado.lecturaFallida = true;
        resultado.reintentar = data::IsLockWait(gDBPrincipal->gCnn->Errors());
        resultado.error = e;
    }
    return resultado;
}

// What one run of the save's transaction left to tell the operator.
struct Intento {
    ResultadoGrabacion::Estado estado = ResultadoGrabacion::Abandonada;
    QString ID;
    bool reintentar = false;
    QString FechaRecepcion, Usuario;       // of the earlier reception of a duplicate
    QString mensaje;                        // the database's refusal of the row
    ResultadoAsiento asiento;               // the entry, when it failed
    std::optional<data::ErrorInTransaction> error;   // a run-time error that undid the row
};

// The AUX_ERR record of an entry that failed.
bool RegistraFalloAsiento(const ResultadoAsiento& a)
{
    if (a.error)
        return GrabaErrorAuxErr(a.error->routine, a.error->error.Number, a.error->error.Description);
    return GrabaErrorAuxErr(a.script.batch, a.script.number, a.script.text);
}

// The row and its entry in one transaction: the duplicate test and the INSERT under the
// write lock, then the entry under the savepoint "Asiento". A failed entry undoes only
// the savepoint; the row is committed with the AUX_ERR record of the failure.
Intento IntentaGrabar(const QString& Fecha, const QString& Cuenta, const QString& Comprobante, vb::Currency Importe,
                      const QString& Observaciones, const QString& UNegocio, const ConfiguracionAsiento& Config,
                      bool ultimo)
{
    Intento r;
    DB_Dll& db = *gDBPrincipal;
    SaveTransaction t;
    auto falla = [&](const QString& mensaje, bool reintentar) {
        r.estado = ResultadoGrabacion::NoGrabada;
        r.ID.clear();
        r.mensaje = mensaje;
        r.reintentar = reintentar;
        t.Rollback();
        return r;
    };
    if (!t.Begin())
        return falla(t.FailureText(), t.LockWait());
    try {
        const QString Donde = QStringLiteral("WHERE CUENTA='") + Sql(Cuenta) + QStringLiteral("' AND IDMUTUAL IN (")
                            + FormasGuardadas(Comprobante) + QLatin1Char(')');
        ado::Recordset rs;
        // The key stays held until the end (SQL Server): nobody receives it meanwhile.
        db.AbrirRecordset(QStringLiteral("SELECT FechaRecepcion,Usuario,IDMUTUAL FROM V_MV_MUTUALES WITH (UPDLOCK, HOLDLOCK) ")
                              + Donde,
                          rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
        for (; !rs.EOF(); rs.MoveNext()) {
            const QString guardado = vb::Trim(Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("IDMUTUAL")))));
            if (guardado.compare(Comprobante, Qt::CaseInsensitive) != 0)
                continue;
            r.estado = ResultadoGrabacion::Duplicada;
            r.FechaRecepcion = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("FechaRecepcion"))));
            r.Usuario = Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Usuario"))));
            db.CierraRecordset(rs);
            t.Rollback();
            return r;
        }
        db.CierraRecordset(rs);

        // The row and, in the same batch, the ID this connection gave it.
        const QString hoy = vb::Variant(vb::App::Now().date()).toString();
        const bool insertada = t.Run(
            QStringLiteral("INSERT INTO V_MV_MUTUALES (CUENTA,IDMUTUAL,IMPORTE,OBSERVACIONES,FECHACOMPROBANTE,FECHARECEPCION,"
                           "USUARIO,UNEGOCIO) ")
                + QStringLiteral("VALUES('") + Sql(Cuenta) + QStringLiteral("','") + Sql(Comprobante) + QStringLiteral("',")
                + db.SQLValue(vb::Variant(Importe), QStringLiteral("@")).toString() + QStringLiteral(",'") + Sql(Observaciones)
                + QStringLiteral("','") + Sql(hoy) + QStringLiteral("','") + Sql(Fecha) + QStringLiteral("','")
                + Sql(gUsuarioLogeado) + QStringLiteral("','") + Sql(UNegocio) + QStringLiteral("')") + CRLF
                + QStringLiteral("SELECT SCOPE_IDENTITY() AS ID"),
            &rs);
        // A duplicate key is a reception made meanwhile: the next run names it.
        if (!insertada)
            return falla(t.FailureText(), t.LockWait() || t.FailureNumber() == 2627);
        r.ID = vb::Trim(rs.Fields(QStringLiteral("ID")).Value().toString());
        db.CierraRecordset(rs);

        if (ConfiguracionCompleta(Config)) {
            if (!t.Save(kPuntoAsiento))
                return falla(t.FailureText(), t.LockWait());
            r.asiento = EscribeAsiento(Fecha, Cuenta, Comprobante, Importe, Observaciones, Config);
            if (r.asiento.fallido) {
                if (r.asiento.reintentar && !ultimo)
                    return falla(QString(), true);
                // A read that failed is no answer: nothing of the save is written, the
                // error is told once the lock is let go.
                if (r.asiento.lecturaFallida) {
                    r.error = r.asiento.error;
                    r.asiento = ResultadoAsiento();
                    return falla(QString(), false);
                }
                // Only the entry is undone; the row stays, with the failure recorded. Without
                // its record the row would have neither entry nor trace: nothing is stored.
                if (!t.RollbackTo(kPuntoAsiento) || !RegistraFalloAsiento(r.asiento))
                    return falla(r.asiento.error ? r.asiento.error->error.Description : r.asiento.script.text, t.LockWait());
            }
        }
        if (!t.Commit())
            return falla(t.FailureText(), t.LockWait());
        r.estado = ResultadoGrabacion::Grabada;
    } catch (const data::ErrorInTransaction& e) {
        r.estado = ResultadoGrabacion::Abandonada;
        r.reintentar = data::IsLockWait(db.gCnn->Errors());
        r.error = e;
        t.Rollback();
    } catch (const vb::VbError& e) {
        r.estado = ResultadoGrabacion::Abandonada;
        r.error = data::ErrorInTransaction{e, QString()};
        t.Rollback();
    }
    return r;
}

} // namespace

ResultadoGrabacion GrabaMutual(const FilaRecepcion& Fila, const ConfiguracionAsiento& Config, bool& ErrorEnCampo)
{
    ResultadoGrabacion resultado;
    Trampa paso(&ErrorDeGrabacion);

    const QString Fecha = Fila.FechaRecepcion;
    // A row is received under a valid date only: the entry, its period and its month
    // all come from it.
    if (!vb::IsDate(vb::Trim(Fecha))) {
        ui::MsgBox(QStringLiteral("Debe ingresar un formato de fecha válido"), ui::vbCritical + ui::vbOKOnly,
                   QStringLiteral("Aviso al operador..."));
        resultado.estado = ResultadoGrabacion::FechaInvalida;
        return resultado;
    }

    const QString Cuenta = Fila.Cuenta;
    // A voucher's leading and trailing blanks are not part of it.
    const QString Comprobante = vb::Trim(Fila.Comprobante);
    const QString Observaciones = Fila.Observaciones;
    vb::Currency Importe;
    QString UNegocio;
    if (!paso([&] { Importe = Utilidades->TextoAMoneda(Fila.Importe); }))
        return resultado;
    if (!paso([&] { UNegocio = Utilidades->AjustaLargo(Fila.UNegocio, 4); }))
        return resultado;

    // The messages the numbering gives while the transaction holds the lock wait for its end.
    std::optional<ui::HeldMessages> retenidos;
    Intento r;
    for (int vez = 1;; ++vez) {
        retenidos.emplace();
        r = IntentaGrabar(Fecha, Cuenta, Comprobante, Importe, Observaciones, UNegocio, Config, vez == kIntentos);
        if (!r.reintentar || vez == kIntentos)
            break;
        retenidos->Discard();
        retenidos.reset();
        // another workstation holds the lock or has just taken the number: a moment, then again
        QThread::msleep(20 * vez);
    }
    retenidos.reset();

    resultado.estado = r.estado;
    resultado.ID = r.ID;
    resultado.Comprobante = Comprobante;
    switch (r.estado) {
    case ResultadoGrabacion::Duplicada:
        ui::MsgBox(QStringLiteral("El registro ingresado ya existe") + CRLF + QStringLiteral("Fecha de Recepción: ")
                       + r.FechaRecepcion + QStringLiteral(" Usuario: ") + r.Usuario,
                   ui::vbInformation + ui::vbOKOnly, QStringLiteral("Aviso al Usuario"));
        break;
    case ResultadoGrabacion::NoGrabada:
        if (r.error)
            gDBPrincipal->TratamientoErrores(r.error->error, int(ui::vbCritical), r.error->routine);
        else if (!r.mensaje.isEmpty())
            ui::MsgBox(r.mensaje, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador"));
        break;
    case ResultadoGrabacion::Abandonada:
        // Nothing was stored; the error is told now that the lock is let go.
        if (r.error)
            gDBPrincipal->TratamientoErrores(r.error->error, int(ui::vbCritical), r.error->routine);
        CierraCartel();
        break;
    case ResultadoGrabacion::Grabada:
    case ResultadoGrabacion::FechaInvalida:
        break;
    }
    if (r.estado == ResultadoGrabacion::Grabada && r.asiento.ejecutado && !r.asiento.fallido)
        ErrorEnCampo = false;
    if (r.estado == ResultadoGrabacion::Grabada && r.asiento.fallido) {
        // The row is stored without entry: the failure is in AUX_ERR and told here.
        ErrorEnCampo = true;
        if (r.asiento.error)
            gDBPrincipal->TratamientoErrores(r.asiento.error->error, int(ui::vbCritical), r.asiento.error->routine);
        else if (!vb::Trim(r.asiento.script.text).isEmpty())
            ui::MsgBox(r.asiento.script.text, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al Operador!"));
    }
    return resultado;
}

bool EliminaMutual(const QString& Marca, const QString& ID)
{
    if (Marca.isEmpty())
        return false;
    // The ID goes into the statement unquoted: only a stored row's number is accepted.
    const QString id = vb::Trim(ID);
    bool numerico = !id.isEmpty();
    for (const QChar c : id)
        numerico = numerico && c.isDigit();
    if (!numerico)
        return false;

    Trampa paso(&ErrorDeEliminacion);

    // The invoice mark is read again: the grid's copy may be older than the database,
    // which decides. A mark of blanks names no invoice.
    QString factura;
    if (!paso([&] {
            factura = vb::Trim(Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
                kTablaMutuales, vb::Variant(id), QStringLiteral("FACTURA"), QStringLiteral("ID"), vb::Variant(8), QString(),
                true, false)));
        }))
        return false;
    if (!factura.isEmpty()) {
        paso([&] {
            ui::MsgBox(QStringLiteral("El registros que intenta eliminar se encuentra facturado FC: ") + factura + CRLF
                           + QStringLiteral("Acción Cancelada"),
                       ui::vbInformation + ui::vbOKOnly, QStringLiteral("Aviso al Usuario"));
        });
        return false;
    }

    int respuesta = 0;
    if (!paso([&] {
            respuesta = ui::MsgBox(QStringLiteral("¿Está seguro de eliminar el registro seleccionado?"),
                                   ui::vbYesNo + ui::vbQuestion, QStringLiteral("Atención"));
        }))
        return false;
    if (respuesta != ui::vbYes)
        return false;

    // The entry lines are found by the account and voucher exactly as the row stores them
    // (an earlier program stored some with blanks around the voucher): the grid's texts,
    // or the trimmed ones, could name another row's lines. A row gone meanwhile took its
    // lines with it.
    QString lineas;
    if (!paso([&] {
            ado::Recordset rs;
            gDBPrincipal->AbrirRecordset(QStringLiteral("SELECT CUENTA, IDMUTUAL FROM V_MV_MUTUALES WHERE ID = ") + id, rs,
                                         nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly);
            if (!rs.EOF())
                lineas = CRLF
                       + LineasDeLaFila(Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("CUENTA")))),
                                        Utilidades->ValorATexto(Utilidades->ValorCampo(rs.Fields(QStringLiteral("IDMUTUAL")))));
            gDBPrincipal->CierraRecordset(rs);
        }))
        return false;
    const QString S = QStringLiteral("begin transaction ") + CRLF + QStringLiteral("DELETE V_MV_MUTUALES WHERE ID = ") + id + lineas;

    // A failed batch or commit is rolled back before it is shown, so that no
    // transaction stays open on the connection.
    auto fallo = [&]() {
        const QString mensaje = PrimerError();
        if (mensaje.isEmpty())
            return false;
        gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("ROLLBACK TRANSACTION"));
        gDBPrincipal->gCnn->Errors().Clear();
        ui::MsgBox(mensaje, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador"));
        return true;
    };
    bool fallido = false;
    if (!paso([&] {
            gDBPrincipal->EjecutaConsultaSQL(S);
            fallido = fallo();
        }))
        return false;
    if (fallido)
        return false;
    if (!paso([&] {
            gDBPrincipal->EjecutaConsultaSQL(QStringLiteral("commit transaction"));
            fallido = fallo();
        }))
        return false;
    return !fallido;
}

bool ImprimeReporteMutuales(const FiltroReporte& Filtro, QString* CampoRechazado)
{
    const auto rechaza = [CampoRechazado](const QString& mensaje, const QString& campo) {
        ui::MsgBox(mensaje, ui::vbCritical + ui::vbOKOnly, QStringLiteral("Aviso al operador..."));
        if (CampoRechazado)
            *CampoRechazado = campo;
        return false;
    };
    const QString Reporte = kReporte;
    const QStringList Lista{QString(), QString()};
    QString F;

    auto cfg = [](const QString& clave) { return Sql(Cfg(clave)); };
    const vb::Variant NombreEmpresa(QStringLiteral("NombreEmpresa = '") + cfg(QStringLiteral("NOMBRE")) + QStringLiteral("'"));
    const vb::Variant Direccion(QStringLiteral("Direccion = '") + cfg(QStringLiteral("CALLE")) + QStringLiteral(" ")
                                + cfg(QStringLiteral("NUMERO")) + QStringLiteral(" ") + cfg(QStringLiteral("PISO"))
                                + QStringLiteral("'"));
    const vb::Variant Localidad(QStringLiteral("Localidad = '") + cfg(QStringLiteral("LOCALIDAD")) + QStringLiteral("'"));
    vb::Variant Parametros;

    const QString FHD = vb::Trim(Filtro.FHD);
    const QString FHH = vb::Trim(Filtro.FHH);
    const QString CUENTAD = vb::Trim(Filtro.CUENTAD);
    if (!(FHD + FHH + CUENTAD).isEmpty()) {
        // Business units are stored four characters wide.
        QString UNEG = vb::Trim(Filtro.UNEG_RPT);
        if (!UNEG.isEmpty())
            UNEG = Utilidades->AjustaLargo(UNEG, 4);
        QList<zeltrix::RegCriterio> Criterios(3);
        Criterios[0].Campo = QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION") + QStringLiteral("}");
        Criterios[0].Desde = FHD;
        Criterios[0].Hasta = FHH;
        Criterios[0].TipoDato = 7;
        Criterios[1].Campo = QStringLiteral("{V_MV_MUTUALES.CUENTA") + QStringLiteral("}");
        Criterios[1].Desde = CUENTAD;
        Criterios[1].Hasta = CUENTAD;
        Criterios[1].TipoDato = 129;
        Criterios[1].SinRecorte = true;
        Criterios[2].Campo = QStringLiteral("{V_MV_MUTUALES.UNEGOCIO") + QStringLiteral("}");
        Criterios[2].Desde = UNEG;
        Criterios[2].Hasta = UNEG;
        Criterios[2].TipoDato = 129;
        Criterios[2].SinRecorte = true;
        vb::Variant Mensaje;
        ArmaFiltro(Criterios, F, &Mensaje);
        // A range the filter builder refuses prints nothing rather than every row. Its
        // message ends with the field it is about; a date's, with which of its bounds.
        const QString mensaje = Utilidades->ValorATexto(Mensaje);
        if (!mensaje.isEmpty()) {
            QString campo;
            if (mensaje.endsWith(Criterios[0].Campo))
                campo = mensaje.startsWith(QLatin1String("Fecha Hasta")) ? QStringLiteral("FHH") : QStringLiteral("FHD");
            else if (mensaje.endsWith(Criterios[1].Campo))
                campo = QStringLiteral("CUENTAD");
            else if (mensaje.endsWith(Criterios[2].Campo))
                campo = QStringLiteral("UNEG_rpt");
            return rechaza(mensaje, campo);
        }
        Parametros = vb::Variant(QStringLiteral("PARAMETROS = '") + Sql(FHD) + QStringLiteral(" hasta ") + Sql(FHH)
                                 + QStringLiteral("'"));
    } else {
        // The header date typed and not loaded yet is checked as leaving its box would.
        if (!vb::IsDate(vb::Trim(Filtro.FechaRecepcion)))
            return rechaza(QStringLiteral("Debe ingresar un formato de fecha válido"), QStringLiteral("FechaRecepcion"));
        Parametros = vb::Variant(QStringLiteral("PARAMETROS = '") + Sql(Filtro.FechaRecepcion) + QStringLiteral("'"));
        F = QStringLiteral("{V_MV_MUTUALES.FECHARECEPCION} =") + Utilidades->FechaReporte(Filtro.FechaRecepcion);
    }

    if (Filtro.Pendientes) {
        if (!vb::Trim(F).isEmpty())
            F += QStringLiteral(" AND ");
        F += QStringLiteral(" (ISNULL({V_MV_MUTUALES.FACTURA}) OR {V_MV_MUTUALES.FACTURA}='' ) ");
    }

    ImpresorReportes->PreparaImpresion(QStringList{QString(), QString(), QString(), QString(), QString()}, 5);
    ImpresorReportes->ImprimeReporte(Reporte, Lista, F, gCadenaODBC, NombreEmpresa, Direccion, Localidad, Parametros,
                                     vb::Variant(), QString(), QString(), QString());
    ImpresorReportes->CierraImpresion(20);
    return true;
}

void RequiereTablasRecepcion()
{
    RequiereTablas({kTablaMutuales, QStringLiteral("MV_ASIENTOS"), QStringLiteral("V_TA_CPTE"), QStringLiteral("V_MV_CTROL_CPTE")});
}

void InstalaImpresorReportes()
{
    // Start-up may already have told the printer in place where the reports are.
    const QString carpeta = ImpresorReportes.exists() ? ImpresorReportes->CarpetaReportes : QString();
    ImpresorReportes.set(std::make_unique<report::ReportEngine>([] { return gDBPrincipal->gCnn.get(); }));
    ImpresorReportes->CarpetaReportes = carpeta;
}

} // namespace reception

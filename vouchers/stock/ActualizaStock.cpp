// ActualizaStock: a saved voucher's article grid posted to stock, at once in one
// transaction of its own, or collected for the caller's batch.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/SaveTransaction.h"
#include "numbering/ast.h"
#include "platform/ui/HeldMessages.h"
#include "platform/ui/Operator.h"
#include "platform/vb/ErrorAnswer.h"
#include "platform/vb/Strings.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockPosting.h"
#include "widgets/Dll_Display.h"

#include <QThread>

using namespace voucherstock;

namespace {

const QString kRutina = QStringLiteral("ActualizaStock");
// Times a posting is run again when another workstation held the lock or took a number.
constexpr int kIntentos = 5;

const QString kCr = QStringLiteral("\r");
const QString kCrLf = QStringLiteral("\r\n");

// The statements run in the posting's transaction as they come, each group of rows one
// statement; after a failure nothing more runs, and the failure is what Flush tells.
class ImmediateSink : public StatementSink {
public:
    bool Runs() const override { return true; }

protected:
    void write(const QString& statement) override
    {
        if (falla_)
            return;
        DB_Dll& db = *gDBPrincipal;
        db.EjecutaConsultaSQL(statement);
        ado::Errors& errors = db.gCnn->Errors();
        if (errors.Count() == 0)
            return;
        // The first error tells; a truncated value (8152) is an error like any other.
        falla_ = StockFailure{errors.Item(0).Description, data::IsLockWait(errors) || errors.Item(0).NativeError == 2627};
        errors.Clear();
    }
    std::optional<StockFailure> run() override { return falla_; }

private:
    std::optional<StockFailure> falla_;
};

// The statements collected for the caller: each after a CR.
class CollectSink : public StatementSink {
public:
    bool Runs() const override { return false; }
    QString text;

protected:
    void write(const QString& statement) override { text += kCr + statement; }
    std::optional<StockFailure> run() override { return std::nullopt; }
};

void tell(const StockFailure& f)
{
    if (!f.message.isEmpty())
        ui::MsgBox(f.message, ui::vbCritical, QStringLiteral("Aviso al operador"));
}

// The error handler of the posting: the notice closes, the operator is shown the error;
// true when the answer is to run the posting again.
bool answersRetry(const vb::VbError& error, const QString& routine)
{
    gDisplay->CartelCerrar();
    return gDBPrincipal->TratamientoErrores(error, std::nullopt, routine.isEmpty() ? kRutina : routine) == vb::AnswerRetry;
}

// Immediate mode: the whole posting, numbers included, in one transaction under the
// write lock. Messages wait for the lock to be let go; a lock met in vain or a number
// taken meanwhile runs it all again.
bool postNow(ClsCmnCptes& c, ui::FlexGrid& grid, CeldasEscritas& celdas, double piva, const StockArgs& original,
             StockArgs& result)
{
    for (int vez = 1;; ++vez) {
        // Each attempt starts from the grid as it came.
        celdas.Restaura();
        StockArgs a = original;
        std::optional<ui::HeldMessages> retenidos;
        retenidos.emplace();
        std::optional<StockFailure> falla;
        std::optional<data::ErrorInTransaction> error;
        {
            SaveTransaction t;
            if (!t.Begin()) {
                falla = StockFailure{t.FailureText(), t.LockWait()};
            } else {
                try {
                    NumberingInTransaction numeracion;
                    ImmediateSink sink;
                    StockPosting posting(c, grid, celdas, piva, a, sink);
                    falla = posting.Run();
                    if (!falla && !t.Commit())
                        falla = StockFailure{t.FailureText(), t.LockWait()};
                } catch (const data::ErrorInTransaction& e) {
                    if (data::IsLockWait(gDBPrincipal->gCnn->Errors()))
                        falla = StockFailure{e.error.Description, true};
                    else
                        error = e;
                } catch (const vb::VbError& e) {
                    error = data::ErrorInTransaction{e, kRutina};
                }
            }
            // Nothing of a failed attempt stays.
            t.Rollback();
        }
        if (!falla && !error) {
            retenidos.reset();
            result = a;
            return true;
        }
        gDisplay->CartelCerrar();
        if (falla && falla->again && vez < kIntentos) {
            retenidos->Discard();
            retenidos.reset();
            QThread::msleep(20 * vez);
            continue;
        }
        retenidos.reset();
        if (error) {
            if (answersRetry(error->error, error->routine)) {
                vez = 0;
                continue;
            }
            return false;
        }
        tell(*falla);
        return false;
    }
}

// Collect mode: the statements go to the caller's text; nothing is written.
bool collect(ClsCmnCptes& c, ui::FlexGrid& grid, CeldasEscritas& celdas, double piva, const StockArgs& original,
             StockArgs& result, QString& SqlTemp)
{
    for (;;) {
        celdas.Restaura();
        StockArgs a = original;
        CollectSink sink;
        try {
            StockPosting posting(c, grid, celdas, piva, a, sink);
            if (auto falla = posting.Run(); falla || (falla = sink.Flush())) {
                gDisplay->CartelCerrar();
                tell(*falla);
                return false;
            }
        } catch (const vb::VbError& e) {
            if (answersRetry(e, kRutina))
                continue;
            return false;
        }
        result = a;
        SqlTemp += sink.text;
        return true;
    }
}

// Sets the flag and puts the grid back as it came unless the posting succeeded: a
// posting that failed, and an error raised to the caller's transaction, pass through here.
class ErrorUnlessDone {
public:
    ErrorUnlessDone(bool& flag, CeldasEscritas& celdas) : flag_(flag), celdas_(celdas) {}
    ~ErrorUnlessDone()
    {
        if (!done_) {
            flag_ = true;
            celdas_.Restaura();
            gDisplay->CartelCerrar();
        }
    }
    void Done() { done_ = true; }

private:
    bool& flag_;
    CeldasEscritas& celdas_;
    bool done_ = false;
};

} // namespace

void ClsCmnCptes::ActualizaStock(ui::FlexGrid* MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                                 const QString& IdComplemento, const QString& Fecha, QString& IdDeposito,
                                 QString& IdDepositoDestino, QString& IdMotivoStock, QString& TcOrigen,
                                 QString& ComprobanteOrigen, bool EsTransferencia, const QString& Cuenta,
                                 bool GeneraSentenciaSQL, QString& SqlTemp, bool& HayError, const QString& IdTecnico,
                                 QString& LoteFijo, const QString& Aduana, const QString& LoteOrigen, qint16 SignoRemota,
                                 bool MuestraCartel, const QString& IdVendedor, float SecuenciaFija,
                                 const QString& ArtMoneda, vb::Currency ArtCotizacion)
{
    HayError = false;
    if (vb::Trim(gUNegocio).isEmpty()) {
        ui::MsgBox(QStringLiteral("ERROR EN ASIGNACION DE UNIDAD DE NEGOCIO") + kCrLf
                       + QStringLiteral("Verifique si el usuario tiene asignado una unidad de negocio"),
                   ui::vbCritical, QStringLiteral("Atencion!"));
        HayError = true;
        return;
    }
    if (!MSFlexGrid2) {
        answersRetry(vb::VbError(91), kRutina);
        HayError = true;
        return;
    }

    const StockArgs original{TC,         SucNroLetra,     IdComplemento, Fecha,       IdDeposito,
                             IdDepositoDestino, IdMotivoStock, TcOrigen,   ComprobanteOrigen, EsTransferencia,
                             Cuenta,     GeneraSentenciaSQL, IdTecnico,  LoteFijo,    Aduana,
                             LoteOrigen, SignoRemota,     MuestraCartel, IdVendedor,  SecuenciaFija,
                             ArtMoneda,  ArtCotizacion};
    StockArgs result;
    // What the posting writes into the grid stays only when it succeeds.
    CeldasEscritas celdas(*MSFlexGrid2);
    ErrorUnlessDone guard(HayError, celdas);
    const bool hecho = GeneraSentenciaSQL ? collect(*this, *MSFlexGrid2, celdas, PIVA, original, result, SqlTemp)
                                          : postNow(*this, *MSFlexGrid2, celdas, PIVA, original, result);
    // A posting that failed: the guard sets HayError and puts the grid back.
    if (!hecho)
        return;
    guard.Done();
    IdDeposito = result.IdDeposito;
    IdDepositoDestino = result.IdDepositoDestino;
    IdMotivoStock = result.IdMotivoStock;
    TcOrigen = result.TcOrigen;
    ComprobanteOrigen = result.ComprobanteOrigen;
    LoteFijo = result.LoteFijo;
}

// BuscaArticulo: a typed or scanned code, with its quantity or lot prefix, resolved to
// an article by code, barcode or supplier's code, with the business-unit check of the
// sales programs.
#include "vouchers/grids/BuscaArticulo.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/grids/ProgramasHermanos.h"

#include <initializer_list>

namespace {

// The article queries, each followed by the code at 25 characters as a literal. The
// barcode queries name the barcode's unit IDUNIDAD before the article's columns, so that
// a read of IDUNIDAD by name (the first column of that name) gets the unit scanned; UDBASE
// is the article's stock unit in every query.
const QString kPorCodigo = QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE IDARTICULO = ");
const QString kPorBarra = QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE codigobarra =  ");
const QString kPorBarraDUN = QStringLiteral(
    "SELECT ISNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD, *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = ");
const QString kPorBarra1 = QStringLiteral(
    "SELECT ISNULL(UMCB1,IDUNIDAD) AS IDUNIDAD, *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CODIGOBARRA1 = ");
const QString kPorBarra2 = QStringLiteral(
    "SELECT ISNULL(UMCB2,IDUNIDAD) AS IDUNIDAD, *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CODIGOBARRA2 = ");
const QString kPorBarra3 = QStringLiteral(
    "SELECT ISNULL(UMCB3,IDUNIDAD) AS IDUNIDAD, *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CODIGOBARRA3 = ");
const QString kPorBarra4 = QStringLiteral(
    "SELECT ISNULL(UMCB4,IDUNIDAD) AS IDUNIDAD, *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CODIGOBARRA4 = ");

// Voucher types whose lines may take articles of any business unit.
const QStringList kTiposSinControlUNegocio = {QStringLiteral("FP"), QStringLiteral("NCFP"), QStringLiteral("NP")};

QString code25(const QString& code)
{
    return vouchergrids::Literal(Utilidades->AjustaLargo(code, 25));
}

// The queries of one call: each opens into the caller's recordset with the caller's
// access; a query that returns a row hands its UdBase on.
class Queries {
public:
    Queries(ado::Recordset& rs, qint16 soloLectura, QString& udBase) : rs_(rs), udBase_(udBase)
    {
        cursor_ = soloLectura != 0 ? ado::adOpenForwardOnly : ado::adOpenDynamic;
        lock_ = soloLectura != 0 ? ado::adLockReadOnly : ado::adLockOptimistic;
    }
    // True when the query returned a row.
    bool open(const QString& sql)
    {
        gDBPrincipal->AbrirRecordset(sql, rs_, nullptr, cursor_, lock_);
        if (rs_.BOF())
            return false;
        udBase_ = vouchergrids::FieldText(rs_, QStringLiteral("UdBase"));
        return true;
    }
    // The first of the searches that finds the code.
    bool first(std::initializer_list<QString> searches, const QString& code)
    {
        const QString value = code25(code);
        for (const QString& search : searches)
            if (open(search + value))
                return true;
        return false;
    }
    ado::Recordset& rs() { return rs_; }

private:
    ado::Recordset& rs_;
    QString& udBase_;
    int cursor_;
    int lock_;
};

// The quantity written in front of "*": the code loses it unless it reads 0.
void takeQuantity(QString& code, double& Cantidad)
{
    const int star = vb::InStr(code, QStringLiteral("*"));
    if (vb::Len(code) < 3 || star == 0 || EsProgramaMaestroArticulos())
        return;
    Cantidad = Utilidades->TextoAMoneda(vb::Left(code, star - 1)).toDouble();
    if (Cantidad != 0)
        code = vb::Trim(vb::Mid(code, star + 1));
}

// The lot written in front of an "A" ("120A4455"), or a bare "A" before the code.
void takeLot(QString& code, QString& Lote)
{
    if (!gAsignacionAutomaticaDeLoteING && !gAsignacionAutomaticaDeLoteINGOP)
        return;
    const int a = vb::InStr(code, QStringLiteral("A"), vb::vbTextCompare);
    if (vb::Len(code) < 3 || a == 0)
        return;
    const QString before = vb::Left(code, a - 1);
    const QString after = vb::Mid(code, a + 1);
    if (!vb::IsNumeric(after) || EsProgramaMaestroArticulos())
        return;
    if (vb::IsNumeric(before)) {
        Lote = vb::Trim(before);
        code = vb::Trim(after);
    } else if (a == 1) {
        Lote.clear();
        code = vb::Trim(after);
    }
}

// A scanned numeric code that came with a leading "-".
void dropSign(QString& code)
{
    if (!vb::IsNumeric(code))
        return;
    const int length = vb::Len(code);
    if ((length == 13 && code.startsWith(QLatin1String("-0"))) || (length == 14 && code.startsWith(QLatin1String("-2"))))
        code = vb::Mid(code, 2);
}

// The supplier's code, through the purchase list first when one is given.
bool bySupplier(Queries& q, QString& code, const QString& CuentaProveedor, const QString& ListaPrecio)
{
    bool found = false;
    bool listed = false;
    if (!vb::Trim(ListaPrecio).isEmpty()) {
        const QString sql = QStringLiteral("SELECT IDARTICULO,IDARTICULOPROVEEDOR,idunidad as UdBase FROM V_MA_PRECIOS "
                                           "WHERE IDARTICULOPROVEEDOR = ")
                          + code25(code) + QStringLiteral(" and IDLISTA = ")
                          + vouchergrids::Literal(Utilidades->AjustaLargo(vb::Trim(ListaPrecio), 4)) + QStringLiteral(" AND TIPOLISTA = 'C'");
        if (q.open(sql)) {
            listed = true;
            code = vouchergrids::FieldText(q.rs(), QStringLiteral("IdArticulo"));
            found = q.open(QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE idarticulo = ")
                           + code25(code));
        }
    }
    auto byArticleField = [&](const QString& value) {
        return q.open(QStringLiteral("SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CodigoArtProveedor = ") + value
                      + QStringLiteral(" and CuentaProveedor = ") + vouchergrids::Literal(vb::Trim(CuentaProveedor)));
    };
    if (!listed)
        found = byArticleField(code25(code));
    if (!found && code.contains(QLatin1Char('.')))
        found = byArticleField(vouchergrids::Literal(vb::Trim(code)));
    return found;
}

} // namespace

bool BuscaArticulo(QString& Codigo, ado::Recordset& Rs, qint16 SoloLectura, qint16& BuscaBarraPrimero,
                   QString& Descripcion, const QString& CuentaProveedor, QString& UdBase, const QString& ListaPrecio,
                   double& Cantidad, vb::Currency& Importe, QString& Lote, const QString& TC, qint16& ModoUNegocio)
{
    Q_UNUSED(Importe);
    if (vb::Trim(Codigo).isEmpty())
        return false;
    UdBase.clear();
    if (vb::Len(Codigo) <= 3)
        BuscaBarraPrimero = 0;

    takeQuantity(Codigo, Cantidad);
    takeLot(Codigo, Lote);
    dropSign(Codigo);

    Queries q(Rs, SoloLectura, UdBase);
    const auto barcodes = {kPorBarra, kPorBarraDUN, kPorBarra1, kPorBarra2, kPorBarra3, kPorBarra4};
    bool found = BuscaBarraPrimero != 0 ? q.first(barcodes, Codigo) || q.first({kPorCodigo}, Codigo)
                                        : q.first({kPorCodigo}, Codigo) || q.first(barcodes, Codigo);
    if (!found && !vb::Trim(CuentaProveedor).isEmpty())
        found = bySupplier(q, Codigo, CuentaProveedor, ListaPrecio);
    if (found)
        Codigo = vouchergrids::FieldText(Rs, QStringLiteral("IdArticulo"));
    if (!Rs.EOF())
        Descripcion = vouchergrids::FieldText(Rs, QStringLiteral("Descripcion"));

    if (found && gRazonSocialPorUneg && EsProgramaDeVentas()
        && !Utilidades->EstaEnLista(TC, kTiposSinControlUNegocio)
        && vouchergrids::FieldText(Rs, QStringLiteral("idTipo")).compare(gUNegocio, Qt::CaseInsensitive) != 0) {
        if (ModoUNegocio == 0) {
            ui::MsgBox(QStringLiteral("Este articulo pertenece a una unidad de negocio distinta a la seleccionada"),
                       ui::vbOKOnly);
            return false;
        }
        if (ModoUNegocio == 1)
            ModoUNegocio = 2;
    }
    return found;
}

// The stock movement row of V_MV_STOCK: the 46 fields of a movement of the voucher's own
// lines, and the field values that the component rows share with it.
#include "vouchers/stock/StockPosting.h"

#include "data/DB_Dll.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

using vouchergrids::SameCode;

namespace voucherstock {

namespace {

bool isNull(const QString& s)
{
    return vb::Trim(s).compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0;
}

QString withoutApostrophes(const QString& s)
{
    return QString(s).remove(QLatin1Char('\''));
}

// A lot or serial: NULL when blank, else its text at the width of the column (a longer
// one is cut to the width).
QString loteLiteral(const QString& valor)
{
    if (vb::Trim(valor).isEmpty())
        return QStringLiteral("NULL");
    const QString ajustado = Utilidades->AjustaLargo(valor, 25);
    return Literal(vb::Trim(ajustado).size() > 25 ? ajustado.left(25) : ajustado);
}

} // namespace

QString StockPosting::cell(int fila, int columna) const
{
    return vb::Trim(g_.TextMatrix(fila, columna));
}

QString StockPosting::rawCell(int fila, int columna) const
{
    return g_.TextMatrix(fila, columna);
}

QString StockPosting::amountCell(int fila, int columna) const
{
    return SqlAmount(Utilidades->TextoAMoneda(rawCell(fila, columna)));
}

QString StockPosting::descripcion(const QString& texto) const
{
    const int largo = c_.gLenDesc > 0 ? c_.gLenDesc : 100;
    return Literal(withoutApostrophes(vb::Trim(texto).left(largo)));
}

QString StockPosting::cajaLiteral()
{
    if (vb::Trim(gCaja).isEmpty())
        return QString();
    gCaja.remove(QLatin1Char('\''));
    return Literal(Code(gCaja, 4));
}

QString StockPosting::motivoLiteral(int fila)
{
    // A motive from the grid is the line's own; a blank one takes the default motive.
    if (motivoGrid_)
        a_.IdMotivoStock = motivoConDefecto(rawCell(fila, ColArticulo::MotivoStock));
    a_.IdMotivoStock.remove(QLatin1Char('\''));
    if (isNull(a_.IdMotivoStock))
        return QStringLiteral("NULL");
    return Literal(Code(a_.IdMotivoStock, 4));
}

QString StockPosting::cuentaProveedor(const QString& articulo) const
{
    QString cuenta = vb::Trim(a_.Cuenta);
    if (cuenta.compare(QLatin1String("PorDefault"), Qt::CaseInsensitive) == 0) {
        cuenta = vb::Trim(Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
            QStringLiteral("V_MA_ARTICULOS"), vb::Variant(Utilidades->AjustaLargo(articulo, 25)), QStringLiteral("CUENTAPROVEEDOR"),
            QStringLiteral("IDARTICULO"), vb::Variant(8), QString(), true, false)));
        if (cuenta.isEmpty())
            cuenta = QStringLiteral("NULL");
    }
    return isNull(cuenta) ? QString() : Literal(cuenta);
}

QString StockPosting::secuenciaTexto()
{
    if (!secuenciaAlCorrer_)
        return SqlAmount(vb::Currency::fromDouble(double(secuencia_)));
    // Each row alone in its INSERT: the first after the rows stored (past their highest
    // by one more, as the order's sequence base is), the next after the row before.
    const QString salto = SqlAmount(vb::Currency::fromDouble(double(secuencia_ - secuenciaAnterior_)));
    const QString filas = QStringLiteral(" FROM V_MV_STOCK WITH (UPDLOCK, HOLDLOCK)") + filasDelComprobante();
    const QString base = primeraSecuencia_ ? QStringLiteral("(SELECT CASE WHEN ISNULL(MAX(SECUENCIA), 0) = 0 THEN 0 ELSE MAX(SECUENCIA) + 1 END")
                                           : QStringLiteral("(SELECT MAX(SECUENCIA)");
    primeraSecuencia_ = false;
    secuenciaAnterior_ = secuencia_;
    return base + filas + QStringLiteral(") + ") + salto;
}

QVector<CampoValor> StockPosting::movementRow(const Movimiento& m)
{
    const int f = m.fila;
    const QString articulo = cell(f, ColArticulo::IdArticulo);
    QVector<CampoValor> campos;
    campos.reserve(46);
    // The names are static texts: a row of a long voucher allocates none for them.
    auto add = [&](const QString& campo, const QString& valor) { campos.append({campo, valor}); };

    add(QStringLiteral("TC"), Literal(Code(a_.TC, 4)));
    add(QStringLiteral("IdComprobante"), Literal(a_.SucNroLetra));
    if (!compras_)
        add(QStringLiteral("IdComplemento"), vouchergrids::ComplementLiteral(a_.IdComplemento));
    add(QStringLiteral("Secuencia"), secuenciaTexto());
    add(QStringLiteral("Fecha"), Literal(a_.Fecha));
    const QString caja = cajaLiteral();
    if (!caja.isEmpty())
        add(QStringLiteral("IdCaja"), caja);
    add(QStringLiteral("IdDeposito"), m.deposito);
    if (a_.EsTransferencia)
        add(QStringLiteral("IDDEPOSITO_DESTINO"), m.destino);
    add(QStringLiteral("IdPosicion"), Literal(withoutApostrophes(cell(f, ColArticulo::Posicion))));
    add(QStringLiteral("IdArticulo"), Literal(Code(articulo, 25)));
    add(QStringLiteral("Descripcion"), descripcion(rawCell(f, ColArticulo::Descripcion)));
    cede();
    add(QStringLiteral("NroLote"), loteLiteral(m.loteFijo && !loteProvisional_.isEmpty() ? loteProvisional_ : m.lote));
    // Who controls the line: its own code (87), else the customs lot (37), else Aduana.
    if (!cell(f, ColArticulo::ControladoPor).isEmpty())
        add(QStringLiteral("ControladoPor"), Literal(cell(f, ColArticulo::ControladoPor)));
    else if (cell(f, ColArticulo::LoteAduana).isEmpty())
        add(QStringLiteral("ControladoPor"), Literal(withoutApostrophes(vb::Trim(a_.Aduana))));
    else
        add(QStringLiteral("ControladoPor"), Literal(withoutApostrophes(cell(f, ColArticulo::LoteAduana))));
    if (!cell(f, ColArticulo::LoteOrigen).isEmpty())
        add(QStringLiteral("IdOrigen"), Literal(Code(cell(f, ColArticulo::LoteOrigen), 4)));
    else if (!vb::Trim(a_.LoteOrigen).isEmpty())
        add(QStringLiteral("IdOrigen"), Literal(Code(a_.LoteOrigen, 4)));
    add(QStringLiteral("NroSerie"), loteLiteral(m.serie));
    add(QStringLiteral("IdUnidad"), cell(f, ColArticulo::Unidad).isEmpty() ? QStringLiteral("NULL") : Literal(Code(cell(f, ColArticulo::Unidad), 4)));
    add(QStringLiteral("Cantidad"), SqlAmount(m.cantidad));
    cede();
    if (m.conUD) {
        add(QStringLiteral("CantidadUD"), SqlAmount(m.cantidadUD));
        add(QStringLiteral("IdUnidadBase"), Literal(Code(m.unidadBase, 4)));
    }
    const QString cuenta = cuentaProveedor(articulo);
    if (!cuenta.isEmpty())
        add(QStringLiteral("CuentaProveedor"), cuenta);
    add(QStringLiteral("IdMotivoStock"), motivoLiteral(f));
    add(QStringLiteral("PrecioVenta"), amountCell(f, ColArticulo::Importe));
    add(QStringLiteral("Importe_S_Iva"), amountCell(f, ColArticulo::PrecioSinIVA));
    // The cost of the line, else the article's.
    vb::Currency costo = Utilidades->TextoAMoneda(rawCell(f, ColArticulo::Costo));
    if (costo == vb::Currency())
        costo = Utilidades->TextoAMoneda(Utilidades->ValorATexto(gDBPrincipal->DatosTabla(
            QStringLiteral("V_MA_ARTICULOS"), vb::Variant(Code(articulo, 25)), QStringLiteral("Costo"), QStringLiteral("idarticulo"),
            vb::Variant(8), QString(), true, false)));
    add(QStringLiteral("Costo"), SqlAmount(costo));
    add(QStringLiteral("Impuestos"), SqlAmount(Utilidades->TextoAMoneda(rawCell(f, ColArticulo::Impuestos))
                            + Utilidades->TextoAMoneda(rawCell(f, ColArticulo::ITC))));
    add(QStringLiteral("DtoItem"), amountCell(f, ColArticulo::PorcDescuento));
    // The origin: the line's own voucher of origin (34) when taken from the grid.
    if (tcGrid_) {
        const QString tipo = vb::Trim(vb::Left(rawCell(f, ColArticulo::CpteOrigen), 4));
        a_.TcOrigen = tipo.isEmpty() ? QStringLiteral("NULL") : tipo;
    }
    if (cpteGrid_) {
        const QString cpte = vb::Trim(vb::Mid(rawCell(f, ColArticulo::CpteOrigen), 5, 13));
        a_.ComprobanteOrigen = cpte.isEmpty() ? QStringLiteral("NULL") : Literal(cpte);
    }
    a_.TcOrigen.remove(QLatin1Char('\''));
    add(QStringLiteral("Tc_Origen"), isNull(a_.TcOrigen) ? QStringLiteral("NULL") : Literal(a_.TcOrigen));
    add(QStringLiteral("IdComprobante_Origen"), a_.ComprobanteOrigen);
    add(QStringLiteral("Id_Origen"), amountCell(f, ColArticulo::IdCpteOrigen));
    // The line's VAT rate; one of 0 takes the general rate unless the line is exempt.
    const vb::Currency iva = Utilidades->TextoAMoneda(rawCell(f, ColArticulo::IVA));
    const bool exento = Utilidades->TextoAMoneda(rawCell(f, ColArticulo::EsExento)).rounded(0) == vb::Currency::fromInt(-1);
    add(QStringLiteral("IVARI"), iva == vb::Currency() && !exento ? SqlAmount(vb::Currency::fromDouble(piva_)) : SqlAmount(iva));
    add(QStringLiteral("IVARNI"), amountCell(f, ColArticulo::SegundaTasaIVA));
    if (!isNull(a_.IdTecnico))
        add(QStringLiteral("IdTecnico"), Literal(Utilidades->AjustaLargo(a_.IdTecnico, 4)));
    if (rawCell(f, ColArticulo::Coeficiente).isEmpty())
        escribe(f, ColArticulo::Coeficiente, QStringLiteral("1"));
    add(QStringLiteral("EQUIV_UDBASE"), amountCell(f, ColArticulo::Coeficiente));
    add(QStringLiteral("IDINSERT"), amountCell(f, ColArticulo::IdInsert));
    add(QStringLiteral("IDCOMPULSA"), amountCell(f, ColArticulo::IdCompulsa));
    add(QStringLiteral("Oferta"), amountCell(f, ColArticulo::Oferta));
    add(QStringLiteral("IdVendedor"), Literal(a_.IdVendedor));
    add(QStringLiteral("Importe_Ud"), amountCell(f, ColArticulo::ImporteUnidad));
    add(QStringLiteral("Ud_Pr"), Literal(Utilidades->AjustaLargo(rawCell(f, ColArticulo::UnidadPrecio), 4)));
    add(QStringLiteral("UNEGOCIO"), Literal(Code(gUNegocio, 4)));
    add(QStringLiteral("ARTMONEDA"), Literal(Utilidades->AjustaLargo(a_.ArtMoneda, 4)));
    add(QStringLiteral("ARTCOTIZACION"), SqlAmount(a_.ArtCotizacion));
    // A line on loan marks the whole call.
    if (vb::Val(rawCell(f, ColArticulo::EnComodato)) == 1)
        comodato_ = true;
    add(QStringLiteral("EnComodato"), amountCell(f, ColArticulo::EnComodato));
    add(QStringLiteral("CANT_BL"), SqlAmount(m.bl));
    add(QStringLiteral("CANT_KG"), SqlAmount(m.kg));
    add(QStringLiteral("CANT_M3"), SqlAmount(m.m3));

    return campos;
}

} // namespace voucherstock

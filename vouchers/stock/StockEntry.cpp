// The stock accounting entry of a voucher's article grid: a line on the motive's
// (counter) account for the total and one line per stock account of the articles.
#include "vouchers/ClsCmnCptes.h"

#include "data/DB_Dll.h"
#include "data/DbTrap.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "frame/StatementBuilder.h"
#include "frame/Startup.h"
#include "numbering/ast.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/zeltrix/Services.h"
#include "vouchers/grids/GridHelpers.h"
#include "vouchers/stock/StockInternal.h"

#include <QHash>
#include <algorithm>

using vouchergrids::Need;
using vouchergrids::RunSteps;
using namespace voucherstock;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kAviso = QStringLiteral("Aviso al Operador");

// Sales types whose own programs post their entry (unless it is the cost of goods sold),
// and purchase types, which never get one here.
const QStringList kVentas{QStringLiteral("FC"), QStringLiteral("TK"), QStringLiteral("TKFC"), QStringLiteral("FP"),
                          QStringLiteral("NC"), QStringLiteral("NCP"), QStringLiteral("ND")};
const QStringList kCompras{QStringLiteral("FCC"), QStringLiteral("FPC"), QStringLiteral("NCC"), QStringLiteral("LNCC"),
                           QStringLiteral("NCCP"), QStringLiteral("NDC"), QStringLiteral("LNDC")};
// The cost of goods sold: debited for sales, credited for their credit notes.
const QStringList kCostoDebe{QStringLiteral("FC"), QStringLiteral("TK"), QStringLiteral("TKFC"), QStringLiteral("FP"),
                             QStringLiteral("ND")};
const QStringList kCostoHaber{QStringLiteral("NC"), QStringLiteral("NCFP")};

bool isType(const QString& TC, const QStringList& types)
{
    return Utilidades->EstaEnLista(TC, types);
}

// One line of the entry: a line of a negative amount goes to the other side.
struct Linea {
    QString cuenta;
    vb::Currency importe;
    bool debe = false;

    Linea(QString c, vb::Currency i, bool d) : cuenta(std::move(c)), importe(i), debe(d)
    {
        if (importe < vb::Currency()) {
            importe = -importe;
            debe = !debe;
        }
    }
    QString lado() const { return debe ? QStringLiteral("D") : QStringLiteral("H"); }
};

// The voucher's lines already in MV_ASIENTOS (posting row by row).
struct Escritas {
    bool hay = false;
    qint32 ultimaSecuencia = 0;
    double asiento = 0;
    vb::Currency cabImporte;
};

} // namespace

QString ClsCmnCptes::GeneraAsientoStock(ui::FlexGrid* grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                                        QString& Letra, const QString& Fecha, bool& EsDebito, qint16 TipoMov,
                                        qint32 SoloRegistro, qint16& Secuencia, std::optional<double> CantidadMovimiento)
{
    // 1.
    if (!AsientosXStock)
        return {};
    const DbTrap trap(QStringLiteral("GeneraAsientoStock"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;
    const bool porRenglon = SoloRegistro != 0;

    // 2.
    eMotivoStock = Utilidades->Reemplaza(eMotivoStock, QStringLiteral("'"), QString());
    // 3.
    if ((TipoMov != 99 && isType(TC, kVentas)) || isType(TC, kCompras))
        return {};

    // 4. The motive, the side of the counter line and the unit value by movement kind.
    int columnaValor = ColArticulo::Costo;
    QString tcOrigen;
    QString cpteOrigen;
    bool seguir = true;
    if (!trap([&] {
            const bool diferencias = Need(grid).Name().compare(QLatin1String("MSFlexGridDif"), Qt::CaseInsensitive) == 0;
            // The configured motive on the voucher's own grid; the motive passed on the
            // grid of differences, whose side is the other one.
            auto configurado = [&](const QString& clave, bool debe) {
                if (diferencias) {
                    EsDebito = !debe;
                } else {
                    eMotivoStock = Cfg(clave);
                    EsDebito = debe;
                }
            };
            switch (TipoMov) {
            case 1: configurado(QStringLiteral("MotivoStockRemito"), true); break;
            case 2: configurado(QStringLiteral("MotivoStockComodato"), true); break;
            case 3: configurado(QStringLiteral("MotivoStockTransferencias"), true); break;
            case 4: configurado(QStringLiteral("MotivoStockTransferencias"), false); break;
            case 5:
                configurado(QStringLiteral("MotivoStockRecepcionOC"), false);
                columnaValor = ColArticulo::PrecioSinIVA;
                break;
            case 99:
                // The cost of goods sold, under the next "CMV" voucher.
                tcOrigen = TC;
                cpteOrigen = Suc + Nro + Letra;
                if (isType(TC, kCostoDebe))
                    EsDebito = true;
                else if (isType(TC, kCostoHaber))
                    EsDebito = false;
                else {
                    seguir = false;
                    return;
                }
                TC = QStringLiteral("CMV");
                Obtener_Nro_Comprobante(TC, Suc, Nro, Letra, false, true, QString(), QString());
                break;
            default:
                if (isType(TC, {QStringLiteral("RMC")})) {
                    configurado(QStringLiteral("MotivoStockRecepcionOC"), false);
                    columnaValor = ColArticulo::PrecioSinIVA;
                } else if (isType(TC, {QStringLiteral("IR"), QStringLiteral("AJP"), QStringLiteral("SI")})) {
                    EsDebito = false;
                } else if (isType(TC, {QStringLiteral("VS"), QStringLiteral("AJN")})) {
                    EsDebito = true;
                } else {
                    EsDebito = ObtieneSignoComprobante(TC, false) < 0;
                }
            }
        })
        || !seguir)
        return {};

    // 5. The counter account and the description of the motive.
    const bool costoVenta = TipoMov == 99;
    const QString motivo = Literal(Utilidades->AjustaLargo(eMotivoStock, 4));
    QString contrapartida;
    QString detalle;
    bool hayMotivo = false;
    if (!RunSteps(trap, {
            [&] {
                db.AbrirRecordset(costoVenta ? QStringLiteral("SELECT V_TA_MotivoVta.IdMotivoVta, V_TA_MotivoVta.Descripcion, "
                                                              "V_TA_Input_Ventas.COSTO_MERCADERIA "
                                                              "FROM V_TA_Input_Ventas INNER JOIN "
                                                              "V_TA_MotivoVta ON V_TA_Input_Ventas.IdMotivoVta = V_TA_MotivoVta.IdMotivoVta "
                                                              "WHERE V_TA_MotivoVta.IdMotivoVta = ") + motivo
                                             : QStringLiteral("SELECT CUENTACONTABLE, Descripcion FROM V_TA_MOTIVOSTOCK WHERE IDMOTIVOSTOCK = ")
                                                   + motivo,
                                  rs);
            },
            [&] { hayMotivo = !rs.BOF(); },
            [&] {
                if (!hayMotivo)
                    return;
                contrapartida = FieldText(rs, costoVenta ? QStringLiteral("COSTO_MERCADERIA") : QStringLiteral("CuentaContable"));
                detalle = FieldText(rs, QStringLiteral("Descripcion"));
            },
            [&] { db.CierraRecordset(rs); },
        })
        || !hayMotivo)
        return {};
    if (contrapartida.isEmpty()) {
        if (costoVenta)
            ui::MsgBox(QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta"),
                       ui::vbInformation, kAviso);
        return {};
    }

    // 6.
    const QString periodo = QString::number(gPeriodo);

    // 7. Entry number and sub-journal.
    const QString comprobante = QStringLiteral("TC = ") + Literal(Utilidades->AjustaLargo(TC, 4)) + QStringLiteral(" AND SUCURSAL = ")
                              + Literal(Suc) + QStringLiteral(" AND NUMERO = ") + Literal(Nro) + QStringLiteral(" AND LETRA = ")
                              + Literal(Letra);
    QString existente;
    bool cargado = false;
    QString tipoReg;
    int mes = 0;
    Escritas escritas;
    if (!RunSteps(trap, {
            [&] {
                if (!porRenglon)
                    cargado = ExisteAsiento(TC, Suc, Nro, Letra, existente, QString(), true);
            },
            [&] {
                if (!cargado)
                    tipoReg = ObtieneTipoRegCont(TC);
            },
            [&] { mes = vb::CDate(Fecha).date().month(); },
        }))
        return {};
    if (cargado) {
        ui::MsgBox(QStringLiteral("El comprobante ya ha Sido Cargado. Asiento ") + existente, ui::vbInformation, kAviso);
        return {};
    }
    if (tipoReg.isEmpty()) {
        ui::MsgBox(QStringLiteral("No se ha informado El Tipo de Registro que generará el Asiento, corrija esto desde "
                                  "configuración y vuelva a intentarlo"),
                   ui::vbInformation, kAviso);
        return {};
    }
    // Row by row, the voucher's entry goes on under the number of its lines already
    // written; a voucher without lines takes the next number of the month.
    if (porRenglon
        && !RunSteps(trap, {
               [&] {
                   db.AbrirRecordset(QStringLiteral("SELECT MAX(Secuencia) AS ULTIMA, MAX([NUMERO ASIENTO]) AS ASIENTO, "
                                                    "MAX(CABImporte) AS CABIMPORTE FROM MV_ASIENTOS  with(nolock)  WHERE ")
                                         + comprobante,
                                     rs);
               },
               [&] {
                   escritas.hay = !rs.EOF() && !rs.Fields(QStringLiteral("Asiento")).Value().isNull();
                   if (!escritas.hay)
                       return;
                   escritas.ultimaSecuencia = vb::CLng(Utilidades->ValorCampo(rs.Fields(QStringLiteral("Ultima"))));
                   escritas.asiento = FieldDouble(rs, QStringLiteral("Asiento"));
                   escritas.cabImporte = vb::Currency::fromDouble(FieldDouble(rs, QStringLiteral("CabImporte")));
               },
               [&] { db.CierraRecordset(rs); },
           }))
        return {};
    if (!trap([&] { UltimoNroAsiento = escritas.hay ? escritas.asiento : ObtieneNroAsiento(mes, periodo, tipoReg); }))
        return {};
    // A number that could not be read has been reported already.
    if (UltimoNroAsiento == 0)
        return {};

    // 8. The amount of each article: quantity times unit value.
    QStringList articulos;
    QList<vb::Currency> importes;
    QHash<QString, int> posicion;   // each article's place in the lists, by its code in capitals
    auto suma = [&](const QString& articulo, vb::Currency importe) {
        const auto it = posicion.constFind(articulo.toUpper());
        if (it != posicion.cend()) {
            importes[*it] += importe;
        } else {
            posicion.insert(articulo.toUpper(), int(articulos.size()));
            articulos << articulo;
            importes << importe;
        }
    };
    if (!trap([&] {
            ui::FlexGrid& g = Need(grid);
            auto valor = [&](int fila, int columna) { return Utilidades->TextoAMoneda(g.TextMatrix(fila, columna)); };
            if (porRenglon) {
                // The movement's own share of the row, when the caller says which.
                const vb::Currency cantidad = CantidadMovimiento ? vb::Currency::fromDouble(*CantidadMovimiento)
                                                                 : valor(SoloRegistro, ColArticulo::Cantidad);
                suma(Code(g.TextMatrix(SoloRegistro, ColArticulo::IdArticulo), 25), valor(SoloRegistro, columnaValor) * cantidad);
                return;
            }
            for (int fila = 1; fila < g.Rows(); ++fila) {
                g.SetRow(fila);
                suma(Code(g.TextMatrix(fila, ColArticulo::IdArticulo), 25),
                     valor(fila, ColArticulo::Cantidad) * valor(fila, columnaValor));
            }
        }))
        return {};
    if (articulos.isEmpty())
        return {};

    // 9. The total of each stock account, the accounts in their order; articles without a
    // stock account are left out on both sides. The accounts are read for a batch of
    // articles at a time: a condition per article would grow past what a server parses
    // on a voucher of a thousand articles.
    QStringList cuentas;
    QList<vb::Currency> totales;
    QHash<QString, QString> cuentaDe;   // each article's stock account, by its code in capitals
    constexpr int kPorLectura = 200;
    for (int desde = 0; desde < articulos.size(); desde += kPorLectura) {
        QStringList codigos;
        for (const QString& articulo : articulos.mid(desde, kPorLectura))
            codigos << Literal(articulo);
        if (!RunSteps(trap, {
                [&] {
                    db.AbrirRecordset(QStringLiteral("select idarticulo, cuentacontableC from v_ma_articulos where idarticulo in (")
                                          + codigos.join(QLatin1Char(','))
                                          + QStringLiteral(") and not cuentacontableC is null"),
                                      rs);
                },
                [&] {
                    for (; !rs.EOF(); rs.MoveNext()) {
                        const QString cuenta = FieldText(rs, QStringLiteral("cuentacontableC"));
                        if (cuenta.isEmpty())
                            continue;
                        cuentaDe.insert(FieldText(rs, QStringLiteral("idarticulo")).toUpper(), cuenta);
                        if (!std::any_of(cuentas.cbegin(), cuentas.cend(), [&](const QString& c) { return vouchergrids::SameCode(c, cuenta); }))
                            cuentas << cuenta;
                    }
                },
                [&] { db.CierraRecordset(rs); },
            }))
            return {};
    }
    std::sort(cuentas.begin(), cuentas.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& cuenta : std::as_const(cuentas)) {
        vb::Currency total;
        for (int i = 0; i < articulos.size(); ++i)
            if (vouchergrids::SameCode(cuentaDe.value(vb::Trim(articulos[i]).toUpper()), cuenta))
                total += importes[i];
        totales << total;
    }

    // 10.
    vb::Currency totalAsiento;
    for (const vb::Currency& t : std::as_const(totales))
        totalAsiento += t;

    // 11, 12. The counter line, then a line per account on the other side; whichever
    // comes out negative changes side, so the entry balances.
    QList<Linea> lineas{Linea(contrapartida, totalAsiento, EsDebito)};
    for (int i = 0; i < cuentas.size(); ++i)
        lineas << Linea(cuentas[i], totales[i], !EsDebito);

    // 13. Writing the lines. Row by row, the header total of the lines already written
    // moves with the lines, and new lines are numbered after the voucher's last one.
    const vb::Currency cabImporte = escritas.hay ? escritas.cabImporte + totalAsiento : totalAsiento;
    QStringList sentencias;
    if (escritas.hay && totalAsiento != vb::Currency())
        sentencias << QStringLiteral("UPDATE MV_ASIENTOS SET CABIMPORTE = CABIMPORTE + ") + SqlAmount(totalAsiento)
                          + QStringLiteral(" WHERE ") + comprobante;
    const QString ahora = db.SQLValue(vb::Variant(vb::App::Now())).toString();
    const QString unegocio = gUNegocio.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0
                               ? gUNegocio
                               : db.SQLValue(vb::Variant(gUNegocio)).toString();
    const QString caja = vb::Trim(gCaja).isEmpty() ? QStringLiteral("NULL") : Literal(Code(gCaja, 4));
    auto insert = [&](const Linea& l, qint32 secuencia) {
        QVector<CampoValor> campos{
            {QStringLiteral("Cuenta"), Literal(l.cuenta)},
            {QStringLiteral("Secuencia"), Literal(QString::number(secuencia))},
            {QStringLiteral("Mes_Operativo"), Literal(QString::number(mes))},
            {QStringLiteral("[Numero Asiento]"), Literal(QString::number(qint64(UltimoNroAsiento)))},
            {QStringLiteral("Fecha"), Literal(Fecha)},
            {QStringLiteral("FechaSubDiario"), Literal(Fecha)},
            {QStringLiteral("Detalle"), Literal(detalle)},
            {QStringLiteral("TC"), Literal(TC)},
            {QStringLiteral("SUCURSAL"), Literal(Suc)},
            {QStringLiteral("NUMERO"), Literal(Nro)},
            {QStringLiteral("LETRA"), Literal(Letra)},
            {QStringLiteral("PERIODO"), Literal(periodo)},
            {QStringLiteral("Tipo_Reg"), Literal(tipoReg)},
            {QStringLiteral("[DEBE-HABER]"), Literal(l.lado())},
            {QStringLiteral("FechaHora_Grabacion"), ahora},
            {QStringLiteral("USUARIO_LOGEADO"), Literal(gUsuarioLogeado)},
            {QStringLiteral("Importe"), SqlAmount(l.importe)},
            {QStringLiteral("Moneda"), QStringLiteral("'   1'")},
            {QStringLiteral("Cotizacion"), QStringLiteral("1")},
            {QStringLiteral("CABImporte"), SqlAmount(cabImporte)},
            {QStringLiteral("CABCuenta"), Literal(vb::Trim(contrapartida))},
            {QStringLiteral("CABNombre"), Literal(eMotivoStock)},
            {QStringLiteral("Unegocio"), unegocio},
            {QStringLiteral("IdCajas"), caja},
        };
        if (costoVenta) {
            campos << CampoValor{QStringLiteral("TC_ORIGEN"), Literal(Code(tcOrigen, 4))};
            campos << CampoValor{QStringLiteral("CPTE_ORIGEN"), Literal(cpteOrigen)};
        }
        QString sentencia = QStringLiteral("INSERT INTO MV_ASIENTOS ");
        ArmaInsert(sentencia, campos, true);
        return sentencia;
    };

    if (!porRenglon) {
        // Every line takes its number, also one that is not written.
        qint32 secuencia = Secuencia;
        for (const Linea& l : std::as_const(lineas)) {
            if (l.importe > vb::Currency())
                sentencias << insert(l, secuencia);
            ++secuencia;
        }
        Secuencia = qint16(secuencia);
    } else {
        qint32 siguiente = std::max<qint32>(Secuencia, escritas.ultimaSecuencia + 1);
        for (const Linea& l : std::as_const(lineas)) {
            if (l.importe <= vb::Currency())
                continue;
            const QString renglon = comprobante + QStringLiteral(" AND CUENTA = ") + Literal(l.cuenta)
                                  + QStringLiteral(" AND [DEBE-HABER] = ") + Literal(l.lado());
            bool existe = false;
            if (!RunSteps(trap, {
                    [&] { db.AbrirRecordset(QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE ") + renglon, rs); },
                    [&] { existe = !rs.BOF(); },
                    [&] { db.CierraRecordset(rs); },
                }))
                return {};
            if (existe)
                sentencias << QStringLiteral("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + ") + SqlAmount(l.importe)
                                  + QStringLiteral(" WHERE ") + renglon;
            else
                sentencias << insert(l, siguiente++);
        }
        Secuencia = qint16(siguiente);
    }

    // 14.
    QString resultado;
    for (const QString& s : std::as_const(sentencias))
        resultado += kCrLf + s;
    return resultado;
}

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
#include <QSet>
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

// One line of the entry: a line of a negative amount goes to the other side. The counter
// fields are those of the motive the line went under.
struct Linea {
    QString cuenta;
    vb::Currency importe;
    bool debe = false;
    int motivo = 0;   // index of its motive in the call's motives

    Linea(QString c, vb::Currency i, bool d, int m) : cuenta(std::move(c)), importe(i), debe(d), motivo(m)
    {
        if (importe < vb::Currency()) {
            importe = -importe;
            debe = !debe;
        }
    }
    QString lado() const { return debe ? QStringLiteral("D") : QStringLiteral("H"); }
    // The account and side by which a line is found among the voucher's lines.
    QString clave() const { return vb::Trim(cuenta).toUpper() + QLatin1Char('|') + lado(); }
};

// A motive of the entry: its code as written (CABNombre), its counter account and its
// description; no account when the motive has none (its movements make no line).
struct Motivo {
    QString codigo;
    QString contrapartida;
    QString detalle;
};

// The voucher's lines already in MV_ASIENTOS: entries are appended to them.
struct Escritas {
    bool hay = false;
    qint32 ultimaSecuencia = 0;
    double asiento = 0;
    vb::Currency debe;        // their debit side
    QSet<QString> claves;     // account and side of each
};

} // namespace

QString ClsCmnCptes::GeneraAsientoStock(ui::FlexGrid* grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                                        QString& Letra, const QString& Fecha, bool& EsDebito, qint16 TipoMov,
                                        qint32 SoloRegistro, qint16& Secuencia, std::optional<double> CantidadMovimiento)
{
    if (SoloRegistro == 0)
        return AsientoStock(grid, eMotivoStock, TC, Suc, Nro, Letra, Fecha, EsDebito, TipoMov, nullptr, AnexoAsiento::Ninguno,
                            Secuencia);
    const QList<MovimientoAsiento> movimiento{{SoloRegistro, CantidadMovimiento, std::nullopt}};
    return AsientoStock(grid, eMotivoStock, TC, Suc, Nro, Letra, Fecha, EsDebito, TipoMov, &movimiento, AnexoAsiento::Ahora,
                        Secuencia);
}

bool ClsCmnCptes::TieneAsientoDeStock(const QString& TC, qint16 TipoMov) const
{
    return AsientosXStock && !((TipoMov != 99 && isType(TC, kVentas)) || isType(TC, kCompras));
}

QString ClsCmnCptes::AsientoStock(ui::FlexGrid* grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                                  QString& Letra, const QString& Fecha, bool& EsDebito, qint16 TipoMov,
                                  const QList<MovimientoAsiento>* Movimientos, AnexoAsiento Anexo, qint16& Secuencia)
{
    // 1.
    if (!AsientosXStock)
        return {};
    const DbTrap trap(QStringLiteral("GeneraAsientoStock"));
    DB_Dll& db = *gDBPrincipal;
    ado::Recordset rs;

    // 2.
    eMotivoStock = Utilidades->Reemplaza(eMotivoStock, QStringLiteral("'"), QString());
    // 3.
    if (!TieneAsientoDeStock(TC, TipoMov))
        return {};

    // 4. The motive, the side of the counter line and the unit value by movement kind.
    int columnaValor = ColArticulo::Costo;
    QString tcOrigen;
    QString cpteOrigen;
    bool seguir = true;
    bool motivoConfigurado = false;   // the kind's motive stands for every movement's
    if (!trap([&] {
            const bool diferencias = Need(grid).Name().compare(QLatin1String("MSFlexGridDif"), Qt::CaseInsensitive) == 0;
            // The configured motive on the voucher's own grid; the motive passed on the
            // grid of differences, whose side is the other one.
            auto configurado = [&](const QString& clave, bool debe) {
                if (diferencias) {
                    EsDebito = !debe;
                } else {
                    eMotivoStock = Cfg(clave);
                    motivoConfigurado = true;
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

    // 5. The counter account and the description of each motive, read once; a motive
    // that is not there, or has no account, makes no line.
    const bool costoVenta = TipoMov == 99;
    QList<Motivo> motivos;
    QHash<QString, int> indiceMotivo;   // by code in capitals
    auto leeMotivo = [&](const QString& texto, int& indice) {
        const QString codigo = Utilidades->Reemplaza(texto, QStringLiteral("'"), QString());
        const QString clave = vb::Trim(codigo).toUpper();
        if (const auto it = indiceMotivo.constFind(clave); it != indiceMotivo.cend()) {
            indice = *it;
            return true;
        }
        const QString motivo = Literal(Utilidades->AjustaLargo(codigo, 4));
        Motivo m{codigo, QString(), QString()};
        bool hay = false;
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
                [&] { hay = !rs.BOF(); },
                [&] {
                    if (!hay)
                        return;
                    m.contrapartida = FieldText(rs, costoVenta ? QStringLiteral("COSTO_MERCADERIA") : QStringLiteral("CuentaContable"));
                    m.detalle = FieldText(rs, QStringLiteral("Descripcion"));
                },
                [&] { db.CierraRecordset(rs); },
            }))
            return false;
        if (hay && m.contrapartida.isEmpty() && costoVenta)
            ui::MsgBox(QStringLiteral("No se puede generar el asiento de Costo de mercaderia!.. no esta configurada la cuenta"),
                       ui::vbInformation, kAviso);
        indice = int(motivos.size());
        motivos << m;
        indiceMotivo.insert(clave, indice);
        return true;
    };
    // The motive of each movement (the call's when the kind fixes it or none is given).
    QList<int> motivoDe;
    int delLlamado = 0;
    if (!leeMotivo(eMotivoStock, delLlamado))
        return {};
    if (Movimientos) {
        for (const MovimientoAsiento& m : *Movimientos) {
            int indice = delLlamado;
            if (!motivoConfigurado && m.motivo && !leeMotivo(*m.motivo, indice))
                return {};
            motivoDe << indice;
        }
    }
    if (std::none_of(motivos.cbegin(), motivos.cend(), [](const Motivo& m) { return !vb::Trim(m.contrapartida).isEmpty(); }))
        return {};

    // 6.
    const QString periodo = QString::number(gPeriodo);

    // 7. Entry number and sub-journal; the lines already written of the voucher when its
    // entry is appended to.
    const bool anexa = Movimientos || Anexo != AnexoAsiento::Ninguno;
    const bool alCorrer = Anexo == AnexoAsiento::AlCorrer;
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
                if (!anexa)
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
    if (anexa && !alCorrer
        && !RunSteps(trap, {
               [&] {
                   db.AbrirRecordset(QStringLiteral("SELECT Cuenta, [DEBE-HABER] AS LADO, Secuencia, [NUMERO ASIENTO] AS ASIENTO, "
                                                    "Importe FROM MV_ASIENTOS  with(nolock)  WHERE ")
                                         + comprobante,
                                     rs);
               },
               [&] {
                   for (; !rs.EOF(); rs.MoveNext()) {
                       escritas.hay = true;
                       const QString lado = FieldText(rs, QStringLiteral("Lado")).toUpper();
                       escritas.claves.insert(FieldText(rs, QStringLiteral("Cuenta")).toUpper() + QLatin1Char('|') + lado);
                       escritas.ultimaSecuencia = std::max(escritas.ultimaSecuencia, qint32(FieldDouble(rs, QStringLiteral("Secuencia"))));
                       if (escritas.asiento == 0)
                           escritas.asiento = FieldDouble(rs, QStringLiteral("Asiento"));
                       if (lado == QLatin1String("D"))
                           escritas.debe += vb::Currency::fromDouble(FieldDouble(rs, QStringLiteral("Importe")));
                   }
               },
               [&] { db.CierraRecordset(rs); },
           }))
        return {};
    // A voucher that has lines goes on under their number; one without takes the next
    // number of the month. Collected, the statements take it when they run.
    if (!alCorrer) {
        if (!trap([&] { UltimoNroAsiento = escritas.asiento != 0 ? escritas.asiento : ObtieneNroAsiento(mes, periodo, tipoReg); }))
            return {};
        // A number that could not be read has been reported already.
        if (UltimoNroAsiento == 0)
            return {};
    }

    // 8. The amount of each article (whole grid: its rows added up) or of each movement:
    // quantity times unit value.
    struct Importe {
        QString articulo;
        vb::Currency importe;
        int motivo = 0;
    };
    QList<Importe> importes;
    QStringList articulos;              // distinct, in order
    QHash<QString, int> posicion;       // each article's place in the amounts, by its code in capitals
    if (!trap([&] {
            ui::FlexGrid& g = Need(grid);
            auto valor = [&](int fila, int columna) { return Utilidades->TextoAMoneda(g.TextMatrix(fila, columna)); };
            auto conoce = [&](const QString& articulo) {
                if (!posicion.contains(articulo.toUpper())) {
                    posicion.insert(articulo.toUpper(), int(importes.size()));
                    articulos << articulo;
                    return false;
                }
                return true;
            };
            if (Movimientos) {
                for (int i = 0; i < Movimientos->size(); ++i) {
                    const MovimientoAsiento& m = (*Movimientos)[i];
                    // The movement's own share of the row, when the caller says which.
                    const vb::Currency cantidad = m.cantidad ? vb::Currency::fromDouble(*m.cantidad) : valor(m.fila, ColArticulo::Cantidad);
                    const QString articulo = Code(g.TextMatrix(m.fila, ColArticulo::IdArticulo), 25);
                    conoce(articulo);
                    // The voucher's way: goods out when the counter line is debited.
                    const bool contra = m.signo != 0 && m.signo != (EsDebito ? -1 : 1);
                    const vb::Currency importe = valor(m.fila, columnaValor) * cantidad;
                    importes << Importe{articulo, contra ? -importe : importe, motivoDe[i]};
                }
                return;
            }
            for (int fila = 1; fila < g.Rows(); ++fila) {
                g.SetRow(fila);
                const QString articulo = Code(g.TextMatrix(fila, ColArticulo::IdArticulo), 25);
                const vb::Currency importe = valor(fila, ColArticulo::Cantidad) * valor(fila, columnaValor);
                const int antes = posicion.value(articulo.toUpper(), -1);
                if (conoce(articulo))
                    importes[antes].importe += importe;
                else
                    importes << Importe{articulo, importe, delLlamado};
            }
        }))
        return {};
    if (importes.isEmpty())
        return {};

    // 9. The stock account of each article; articles without one are left out on both
    // sides. The accounts are read in a few IN lists, not one condition per article.
    QHash<QString, QString> cuentaDe;   // each article's stock account, by its code in capitals
    QStringList cuentas;                // distinct, in order of reading
    QStringList codigos;
    for (const QString& articulo : std::as_const(articulos))
        codigos << Literal(articulo);
    for (const QString& lista : InLists(codigos)) {
        if (!RunSteps(trap, {
                [&] {
                    db.AbrirRecordset(QStringLiteral("select idarticulo, cuentacontableC from v_ma_articulos where idarticulo in (") + lista
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
    auto cuentaDelArticulo = [&](const QString& articulo) { return cuentaDe.value(vb::Trim(articulo).toUpper()); };

    // 10-12. The lines: a counter line for the total and a line per account on the other
    // side; whichever comes out negative changes side, so the entry balances. Movement by
    // movement, each movement makes its own two lines.
    QList<Linea> lineas;
    if (Movimientos) {
        for (const Importe& i : std::as_const(importes)) {
            const QString cuenta = cuentaDelArticulo(i.articulo);
            const Motivo& m = motivos[i.motivo];
            if (cuenta.isEmpty() || vb::Trim(m.contrapartida).isEmpty())
                continue;
            lineas << Linea(m.contrapartida, i.importe, EsDebito, i.motivo) << Linea(cuenta, i.importe, !EsDebito, i.motivo);
        }
    } else {
        std::sort(cuentas.begin(), cuentas.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        vb::Currency totalAsiento;
        QList<Linea> porCuenta;
        for (const QString& cuenta : std::as_const(cuentas)) {
            vb::Currency total;
            for (const Importe& i : std::as_const(importes))
                if (vouchergrids::SameCode(cuentaDelArticulo(i.articulo), cuenta))
                    total += i.importe;
            totalAsiento += total;
            porCuenta << Linea(cuenta, total, !EsDebito, delLlamado);
        }
        lineas << Linea(motivos[delLlamado].contrapartida, totalAsiento, EsDebito, delLlamado) << porCuenta;
    }

    // 13. Writing the lines. A new entry numbers every line, also one of 0 that is not
    // written. Appended, a line joins the voucher's line of its account and side, or
    // is numbered after the voucher's last line. The header total is the debit side.
    const bool nueva = !anexa || (!alCorrer && !escritas.hay);
    QList<Linea> aEscribir;
    QList<int> lugar;   // each line's place among the lines, those of 0 included
    if (Movimientos || !nueva) {
        QHash<QString, int> unida;
        for (int i = 0; i < lineas.size(); ++i) {
            const Linea& l = lineas[i];
            if (l.importe <= vb::Currency())
                continue;
            if (const auto it = unida.constFind(l.clave()); it != unida.cend()) {
                aEscribir[*it].importe += l.importe;
            } else {
                unida.insert(l.clave(), int(aEscribir.size()));
                aEscribir << l;
                lugar << i;
            }
        }
    } else {
        aEscribir = lineas;
    }
    vb::Currency cabImporte = escritas.debe;
    for (const Linea& l : std::as_const(aEscribir))
        if (l.debe && l.importe > vb::Currency())
            cabImporte += l.importe;

    const QString ahora = db.SQLValue(vb::Variant(vb::App::Now())).toString();
    const QString unegocio = gUNegocio.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0
                               ? gUNegocio
                               : db.SQLValue(vb::Variant(gUNegocio)).toString();
    const QString caja = vb::Trim(gCaja).isEmpty() ? QStringLiteral("NULL") : Literal(Code(gCaja, 4));
    // A line's sequence and entry number as the INSERT writes them: literals, or
    // expressions taken when it runs.
    auto insert = [&](const Linea& l, const QString& secuencia, const QString& numero) {
        const Motivo& m = motivos[l.motivo];
        QVector<CampoValor> campos{
            {QStringLiteral("Cuenta"), Literal(l.cuenta)},
            {QStringLiteral("Secuencia"), secuencia},
            {QStringLiteral("Mes_Operativo"), Literal(QString::number(mes))},
            {QStringLiteral("[Numero Asiento]"), numero},
            {QStringLiteral("Fecha"), Literal(Fecha)},
            {QStringLiteral("FechaSubDiario"), Literal(Fecha)},
            {QStringLiteral("Detalle"), Literal(m.detalle)},
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
            {QStringLiteral("CABCuenta"), Literal(vb::Trim(m.contrapartida))},
            {QStringLiteral("CABNombre"), Literal(m.codigo)},
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

    auto literal = [](qint64 n) { return Literal(QString::number(n)); };
    auto deLaLinea = [&](const Linea& l) {
        return QStringLiteral(" WHERE ") + comprobante + QStringLiteral(" AND CUENTA = ") + Literal(l.cuenta)
             + QStringLiteral(" AND [DEBE-HABER] = ") + Literal(l.lado());
    };
    auto sumaALaLinea = [&](const Linea& l) {
        return QStringLiteral("UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + ") + SqlAmount(l.importe) + deLaLinea(l);
    };

    QStringList sentencias;
    if (alCorrer) {
        // When the batch runs, with what it has written by then (the voucher's earlier
        // collects in the same batch too): a line joins the voucher's line of its account
        // and side, or goes after its last line under its entry number (the next of the
        // month when it has none, a new entry numbering from Secuencia); then every line
        // of the voucher takes the header total, the sum of its debit side. The line is
        // added, and taken back when it found one to join: statements that a script
        // splitter may run one by one, none of them conditional.
        const QString todas = QStringLiteral(" FROM MV_ASIENTOS");
        const QString delVoucher = todas + QStringLiteral(" WITH (UPDLOCK, HOLDLOCK) WHERE ") + comprobante;
        const QString numero = QStringLiteral("CASE WHEN EXISTS (SELECT [NUMERO ASIENTO]") + delVoucher
                             + QStringLiteral(") THEN (SELECT MAX([NUMERO ASIENTO])") + delVoucher + QStringLiteral(") ELSE ")
                             + NroAsientoAlCorrer(mes, periodo, tipoReg) + QStringLiteral(" END");
        for (int i = 0; i < aEscribir.size(); ++i) {
            const Linea& l = aEscribir[i];
            const QString secuencia = QStringLiteral("(SELECT ISNULL(MAX(Secuencia) + 1, ") + QString::number(Secuencia + lugar[i])
                                    + QLatin1Char(')') + delVoucher + QLatin1Char(')');
            const QString iguales = todas + deLaLinea(l) + QLatin1Char(')');
            sentencias << sumaALaLinea(l) + QStringLiteral(" AND Secuencia = (SELECT MIN(Secuencia)") + iguales
                       << insert(l, secuencia, numero)
                       << QStringLiteral("DELETE FROM MV_ASIENTOS") + deLaLinea(l) + QStringLiteral(" AND Secuencia = (SELECT MAX(Secuencia)")
                              + iguales + QStringLiteral(" AND (SELECT COUNT(*)") + iguales + QStringLiteral(" > 1");
        }
        if (!aEscribir.isEmpty())
            sentencias << QStringLiteral("UPDATE MV_ASIENTOS SET CABIMPORTE = (SELECT SUM(IMPORTE)") + todas + QStringLiteral(" WHERE ")
                              + comprobante + QStringLiteral(" AND [DEBE-HABER] = 'D') WHERE ") + comprobante;
        Secuencia = qint16(Secuencia + lineas.size());
    } else if (nueva && !Movimientos) {
        qint32 secuencia = Secuencia;
        for (const Linea& l : std::as_const(aEscribir)) {
            if (l.importe > vb::Currency())
                sentencias << insert(l, literal(secuencia), literal(qint64(UltimoNroAsiento)));
            ++secuencia;
        }
        Secuencia = qint16(secuencia);
    } else {
        qint32 siguiente = std::max<qint32>(Secuencia, escritas.ultimaSecuencia + 1);
        for (const Linea& l : std::as_const(aEscribir)) {
            if (escritas.claves.contains(l.clave()))
                sentencias << sumaALaLinea(l);
            else
                sentencias << insert(l, literal(siguiente++), literal(qint64(UltimoNroAsiento)));
        }
        // The lines written before keep the header total of the whole entry.
        if (escritas.hay && !aEscribir.isEmpty())
            sentencias << QStringLiteral("UPDATE MV_ASIENTOS SET CABIMPORTE = ") + SqlAmount(cabImporte) + QStringLiteral(" WHERE ")
                              + comprobante;
        Secuencia = qint16(siguiente);
    }

    // 14.
    QString resultado;
    for (const QString& s : std::as_const(sentencias))
        resultado += kCrLf + s;
    return resultado;
}

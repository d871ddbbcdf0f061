// AsignarDatosComprobante on a SQLite file: a stored delivery note of 1,000 article
// lines (1,000 articles, each line with its list, deposit, lots and serials, timber
// measures, taxes and fuel tax, in a delivery run with partial deliveries, for a "B"
// customer on loan) loaded into an invoice whose grids are laid out. Goal: at most 1 s
// for the load. Run by hand.
#include "BenchMainDatabase.h"
#include "BenchOperator.h"
#include "BenchProgram.h"

#include "frame/Config.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/GridColumns.h"

#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

using bench::ms;

namespace {

constexpr int kLines = 1000;
constexpr int kRounds = 5;

// The count goes in by replace(): QString::arg would take the printf patterns for its
// own place markers.
QString withCount(const char* sql)
{
    return QString::fromUtf8(sql).replace(QStringLiteral("LIMITE"), QString::number(kLines));
}

QStringList fillStatements()
{
    return {
        // An invoice of any number of lines: no page-line limit.
        QStringLiteral("UPDATE TA_CONFIG_IMP_CPTE SET CANTLINEAS = 0 WHERE TC = 'FC'"),
        QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'SI' WHERE CLAVE IN ('ENTREGAPARCIALREMITO', "
                       "'PIDEDEPOSITOENCPTES', 'MADERERA')"),
        QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = 'TI' WHERE CLAVE = 'MAD_TIRAS'"),
        withCount("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, Descripabrev, IDUNIDAD, idTipo, Presentacion, "
                  "TasaIVA, Costo, USALOTE, USASERIE, Perecedero, PIDEMEDIDAS, codigobarra, CuentaContable, "
                  "CodigoArtProveedor, CuentaProveedor) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < LIMITE) "
                  "SELECT 'MAD' || printf('%05d', i), 'Tabla de pino ' || i, 'TABLA ' || i, 'M3  ', 'VL', 'Paquete', "
                  "21, 100 + i, 1, 1, i % 2, 1, printf('%25s', '779' || printf('%010d', i)), '4101', 'PR-' || i, '210101' "
                  "FROM n"),
        withCount("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, PRECIO, CONIVA) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < LIMITE) "
                  "SELECT '   1', 'V', 'MAD' || printf('%05d', i), 1000 + i, i % 2 FROM n"),
        QStringLiteral("INSERT INTO V_MV_CPTE (TC, IDCOMPROBANTE, IdComplemento, FECHA, CUENTA, Nombre, CondicionIva, "
                       "Importe, Moneda, Cotizacion, IdReparto, EnComodato, UNEGOCIO, USUARIO) VALUES ('RM  ', "
                       "'000100009000R', 0, '2026-12-10 00:00:00', '110302', 'Asociación Mutual de Empleados Públicos', "
                       "'4', 0, '   1', 1, -1, 1, '   1', 'Vandrel')"),
        withCount("INSERT INTO V_MV_CPTEINSUMOS (TC, IDCOMPROBANTE, IdComplemento, Secuencia, IDARTICULO, Descripcion, "
                  "PALLETS, Cantidad, IdUnidad, IdUnidadBase, CantidadUd, Equiv_UDBase, CANT_KG, CANT_M3, Cant_BL, "
                  "Importe, Importe_S_IVA, Impuestos, iTC, Total, TotalFinal, Costo, PorcDto, IdLista, IdDeposito, "
                  "Exento, AlicIVA, Presentacion, Nro_Lote, Nro_Serie, ControladoPor, IdOrigen, Espesor, Ancho, "
                  "Ud_Pr, Importe_Ud) "
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < LIMITE) "
                  "SELECT 'RM  ', '000100009000R', 0, i, 'MAD' || printf('%05d', i), 'Tabla de pino ' || i, 0, "
                  "10 + i % 7, 'TI  ', 'M3  ', 0.5, 0.05, 12, 0.5, 1, 1210 + i, 1000 + i, 2, 1, (10 + i % 7) * (1210 + i), "
                  "(10 + i % 7) * (1210 + i), 600 + i, 5, '   1', '   1', 0, 21, 'Paquete x 10', "
                  "'|L-' || i || '|L-' || (i + 1) || '|', '|6|' || (4 + i % 7) || '|', 'ANMAT', '   1', 0.025, 0.1 + i * 0.001, "
                  "'M3', 1200 + i FROM n"),
    };
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    QElapsedTimer build;
    build.start();
    if (!program.createDatabase(QStringLiteral("bench.sqlite"),
                                {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")}, fillStatements()))
        return 1;
    std::printf("delivery note of %d article lines stored in %.0f ms\n", kLines, ms(build));
    if (!bench::openMainDatabase(QStringLiteral("bench.sqlite")))
        return 1;
    CargaConfiguracion(program.filePath(QString()));
    bench::NoOperator nobody;
    ui::SetOperator(&nobody);

    std::vector<double> layouts;
    std::vector<double> loads;
    int rows = 0;
    int filled = 0;
    for (int round = 0; round < kRounds; ++round) {
        QWidget form;
        ui::FlexGrid tareas(&form);
        ui::FlexGrid articulos(&form);
        ui::FlexGrid otros(&form);
        ClsCmnCptes cptes;
        QElapsedTimer t;
        t.start();
        cptes.InicializaGrids(&tareas, &articulos, &otros, nullptr, nullptr, nullptr, form, QStringLiteral("FC"), nullptr);
        layouts.push_back(ms(t));

        qint16 reparto = 0;
        QString letra = QStringLiteral("B");
        t.restart();
        cptes.AsignarDatosComprobante(QStringLiteral("RM"), QStringLiteral("000100009000R"), QStringLiteral("0"), &tareas,
                                      &articulos, &otros, vb::Variant(), nullptr, false, QString(), reparto, false,
                                      QString(), QStringLiteral("FC"), letra);
        loads.push_back(ms(t));

        rows = articulos.Rows() - 2;
        filled = 0;
        for (int col = 0; col < articulos.Cols(); ++col)
            if (!articulos.TextMatrix(rows, col).isEmpty())
                ++filled;
    }
    ui::SetOperator(nullptr);
    if (nobody.prompts > 0)
        return 1;
    std::sort(loads.begin(), loads.end());
    std::sort(layouts.begin(), layouts.end());
    std::printf("grids laid out for an invoice: median %.1f ms\n", layouts[kRounds / 2]);
    std::printf("AsignarDatosComprobante, %d article rows loaded (%d of %d columns filled in the last one):\n", rows,
                filled, int(ColArticulo::Count));
    std::printf("  median %.0f ms, best %.0f ms, worst %.0f ms (goal: 1000 ms)\n", loads[kRounds / 2], loads.front(),
                loads.back());
    gDBPrincipal.reset();
    return 0;
}

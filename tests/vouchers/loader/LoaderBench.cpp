#include "LoaderBench.h"

#include "frame/Config.h"
#include "frame/Startup.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/FlexGrid.h"
#include "platform/vb/App.h"

namespace loadertest {

Load From(const QString& tc, const QString& id, bool compras)
{
    Load load;
    load.tc = tc;
    load.id = id;
    load.compras = compras;
    if (compras)
        load.proveedor = QStringLiteral("210101");
    return load;
}

RunningAs::RunningAs(const QString& programa) : previous_(vb::App::EXEName())
{
    vb::App::SetEXEName(programa);
}

RunningAs::~RunningAs()
{
    vb::App::SetEXEName(previous_);
}

Bench::Bench(const QStringList& extra, const QString& destino)
    : db(extra)
{
    gUsuarioLogeado = QStringLiteral("Vandrel");
    CargaConfiguracion(db.folder.path());
    // A voucher object that reads the configuration the program would have at start-up.
    form.NuevoCptes();
    form.InicializaGrids(destino);
}

void Bench::Run(Load& load)
{
    form.Cptes().AsignarDatosComprobante(load.tc, load.id, load.complemento, form.MSFlexGrid1, form.MSFlexGrid2,
                                         form.MSFlexGrid3, vb::Variant(), load.cabecera, load.compras, load.proveedor,
                                         load.reparto, load.convertir, load.whrTareas, load.destino, load.letra);
}

QString Config(const char* clave, const char* valor)
{
    return QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '%1' WHERE CLAVE = '%2'")
        .arg(QLatin1String(valor), QLatin1String(clave));
}

QString Header(const QString& set, const QString& ids, const char* table)
{
    return QStringLiteral("UPDATE %1 SET %2 WHERE ID IN (%3)").arg(QLatin1String(table), set, ids);
}

QString Line(const QString& set, const QString& ids, const char* table)
{
    return Header(set, ids, table);
}

QString Article(const QString& set, const char* id)
{
    return QStringLiteral("UPDATE V_MA_ARTICULOS SET %1 WHERE IDARTICULO = '%2'").arg(set, QLatin1String(id));
}

QString PageLines(const char* tc, const char* letra, int lineas)
{
    return QStringLiteral("INSERT INTO TA_CONFIG_IMP_CPTE (ID, TC, LETRA, CANTLINEAS) VALUES (2600, '%1', '%2', %3)")
        .arg(QLatin1String(tc), QLatin1String(letra))
        .arg(lineas);
}

QStringList Column(const ui::FlexGrid& grid, int col)
{
    QStringList texts;
    for (int row = 1; row < grid.Rows(); ++row)
        texts << grid.TextMatrix(row, col);
    return texts;
}

QStringList Row(const ui::FlexGrid& grid, int row, int cols)
{
    QStringList texts;
    for (int col = 0; col < cols; ++col)
        texts << grid.TextMatrix(row, col);
    return texts;
}

QString At(int col, const QString& text)
{
    return QString::number(col) + QLatin1Char('=') + text;
}

QString Mismatches(const ui::FlexGrid& grid, int row, const QStringList& cells)
{
    QStringList out;
    for (const QString& cell : cells) {
        const int equals = cell.indexOf(QLatin1Char('='));
        const int col = cell.left(equals).toInt();
        const QString expected = cell.mid(equals + 1);
        const QString got = grid.TextMatrix(row, col);
        if (got != expected)
            out << QStringLiteral("row %1 column %2: got '%3', expected '%4'").arg(row).arg(col).arg(got, expected);
    }
    return out.join(QLatin1Char('\n'));
}

} // namespace loadertest

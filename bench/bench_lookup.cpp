// The list lookup on 100,000 accounts: opening it (statement, query, fill, first paint
// offscreen) and the incremental search of 1 to 6 typed characters, keystroke by
// keystroke. Goals: open at most 1.5 s, each keystroke at most 30 ms. Then the generic
// tree lookup on 20,000 codes of three levels: well under a second. Run by hand.
#include "BenchMainDatabase.h"
#include "BenchProgram.h"

#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/LookupListModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

using bench::ms;
using bench::pump;

namespace {

constexpr int kAccounts = 100000;

// The accounts: codes 000001..100000, descriptions of three pseudo-random syllables and
// a number, so that prefixes of one to six letters narrow the list step by step.
QString fillStatement()
{
    return QStringLiteral(
        "INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "SELECT printf('%06d', i), "
        "char(65 + (i * 7) % 26) || char(97 + (i * 13) % 23) || char(97 + (i * 17) % 19) || "
        "char(97 + (i * 29) % 17) || char(97 + (i * 31) % 13) || ' ' || char(97 + (i * 37) % 26) || "
        "' cuenta ' || i, 0 FROM n").arg(kAccounts);
}

constexpr int kTreeCodes = 20 + 20 * 20 + 20 * 20 * 49;

// Codes of three levels, 20 under the root, 20 under each of those and 49 under each
// of theirs: "01", "0101", "010101", ...
QString treeStatement()
{
    return QStringLiteral(
        "CREATE TABLE ARBOL (Codigo TEXT COLLATE NOCASE, Descripcion TEXT COLLATE NOCASE); "
        "INSERT INTO ARBOL (Codigo, Descripcion) "
        "WITH RECURSIVE a(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM a WHERE x < 20), "
        "c(z) AS (SELECT 1 UNION ALL SELECT z + 1 FROM c WHERE z < 49) "
        "SELECT printf('%02d', x), 'rubro ' || x FROM a "
        "UNION ALL SELECT printf('%02d%02d', a.x, b.x), 'subrubro' FROM a, a AS b "
        "UNION ALL SELECT printf('%02d%02d%02d', a.x, b.x, z), 'detalle' FROM a, a AS b, c");
}

} // namespace

int main(int argc, char* argv[])
{
    bench::Program program(argc, argv);
    if (!program.createDatabase(
            QStringLiteral("bench.sqlite"), {QStringLiteral("db/schema.sql")},
            {fillStatement(),
             QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TopConsArt', '%1')").arg(kAccounts),
             treeStatement()}))
        return 1;
    if (!bench::openMainDatabase(QStringLiteral("bench.sqlite")))
        return 1;
    InstalaConsultas();
    LookupDriverSetup setup;
    setup.gUsarMascarasConsultas = true;
    setup.gRutaMascaraConsultas = program.filePath(QStringLiteral("consultas.qkx"));
    ConfigureLookupDriver(setup);
    CreaMascarasConsultas();

    std::printf("list lookup on %d accounts\n", kAccounts);
    std::vector<double> opens;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        t.start();
        QString busqueda, where;
        bool configured = true;
        const QString sql = gConsultas->ArmaSentencia(QStringLiteral("MA_CUENTAS"), busqueda, where, QString(), configured);
        const double statement = ms(t);
        Lib_FrmCons3 frm;
        frm.SQL = sql;
        frm.CampoDevuelto = QStringLiteral("CODIGO");
        frm.Form_Load();
        const double loaded = ms(t);
        frm.show();
        frm.ListView1->viewport()->repaint();
        pump();
        const double painted = ms(t);
        opens.push_back(painted);
        std::printf("open %d: statement %6.1f ms, query and fill %7.1f ms, first paint %6.1f ms, total %7.1f ms (%d rows)\n",
                    round + 1, statement, loaded - statement, painted - loaded, painted, frm.model()->rowCount());

        if (round != 2) {
            frm.Form_Unload();
            continue;
        }
        // Keystrokes into the description box: words that exist and words that do not
        // (the whole list is read for those).
        const QStringList words{QStringLiteral("Mhexq"), QStringLiteral("Zzzzzz"), QStringLiteral("Kc"),
                                QStringLiteral("qwerty")};
        QComboBox* box = frm.CmbSearch.at(0);
        std::vector<double> keys;
        for (const QString& word : words) {
            box->setEditText(QString());
            pump();
            QString typed;
            for (const QChar c : word) {
                typed += c;
                QElapsedTimer k;
                k.start();
                box->setEditText(typed);
                frm.ListView1->viewport()->repaint();
                pump();
                keys.push_back(ms(k));
                std::printf("  typed %-7s -> row %6d  %6.2f ms\n", qPrintable(typed), frm.selectedRow() + 1, keys.back());
            }
        }
        std::sort(keys.begin(), keys.end());
        double sum = 0;
        for (double v : keys)
            sum += v;
        std::printf("keystrokes: %zu, mean %.2f ms, median %.2f ms, worst %.2f ms (goal 30 ms)\n", keys.size(),
                    sum / keys.size(), keys[keys.size() / 2], keys.back());

        QElapsedTimer s;
        s.start();
        frm.ListView1_ColumnClick(2);
        frm.ListView1->viewport()->repaint();
        pump();
        std::printf("sort by the second column: %.1f ms\n", ms(s));
        frm.Form_Unload();
    }
    std::sort(opens.begin(), opens.end());
    std::printf("open: best %.1f ms, worst %.1f ms (goal 1500 ms)\n", opens.front(), opens.back());

    std::printf("generic tree lookup on %d codes\n", kTreeCodes);
    for (int round = 0; round < 3; ++round) {
        Lib_FrmCons3Tree tree;
        tree.SQL = QStringLiteral("SELECT Codigo, Descripcion FROM ARBOL ORDER BY Codigo");
        tree.CampoDevuelto = QStringLiteral("CODIGO");
        QElapsedTimer t;
        t.start();
        tree.Form_Load();
        std::printf("build %d: %7.1f ms (%lld nodes; goal well under 1000 ms)\n", round + 1, ms(t),
                    static_cast<long long>(tree.Nodes().size()));
        tree.Form_Unload();
    }
    gConsultas.reset();
    gDBPrincipal.reset();
    return 0;
}

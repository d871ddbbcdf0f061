#include "NumberingFixture.h"
#include "data/DB_Dll.h"
#include "frame/ModGlobal.h"
#include "numbering/ast.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/oracle/OracleStandIn.h"
#include <QTest>
#include <optional>

namespace numtest {

namespace {

std::optional<testsupport::OracleStandIn>& standIn()
{
    static std::optional<testsupport::OracleStandIn> s;
    return s;
}

// One numbering book: the columns of one letter, and the rest as extra columns.
QString book(const QString& codigo, int talonario, const QString& letras, const QString& letra, int ultimo, int desde,
             int hasta, int sucursal, const QString& otrasColumnas = QString(), const QString& otrosValores = QString())
{
    const QString l = letra;
    QString columns = QStringLiteral("CODIGO, TALONARIO, LETRAS, %1_ULTIMO_NRO, %1_NRO_DESDE, %1_NRO_HASTA, %1_SUC_DEFAULT").arg(l);
    QString values = QStringLiteral("'%1', %2, %3, %4, %5, %6, %7")
                         .arg(codigo)
                         .arg(talonario)
                         .arg(letras.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + letras + QLatin1Char('\''))
                         .arg(ultimo)
                         .arg(desde)
                         .arg(hasta)
                         .arg(sucursal);
    if (!otrasColumnas.isEmpty()) {
        columns += QStringLiteral(", ") + otrasColumnas;
        values += QStringLiteral(", ") + otrosValores;
    }
    return QStringLiteral("INSERT INTO V_TA_CPTE (%1) VALUES (%2)").arg(columns, values);
}

QStringList fixtureRows()
{
    return {
        // Users: default branch and letter of OT, FC, NC and ND.
        QStringLiteral("INSERT INTO ta_usuarios (Nombre, Administrador, sucot, letot) VALUES ('operador', 1, NULL, NULL)"),
        QStringLiteral("INSERT INTO ta_usuarios (Nombre, Administrador, sucot, letot) VALUES ('cajero2', 1, '0002', 'B')"),
        QStringLiteral("INSERT INTO ta_usuarios (Nombre, Administrador, sucot, letot) VALUES ('cajero0', 1, '0000', 'B')"),
        QStringLiteral("INSERT INTO ta_usuarios (Nombre, Administrador, sucot, letot) VALUES ('sinletra', 1, '0002', ' ')"),

        // The reception's accounting type: letter X, branch 1, next number 15.
        book(QStringLiteral("MUT "), 1, QStringLiteral("X"), QStringLiteral("X"), 15, 1, 99999999, 1,
             QStringLiteral("SISTEMA"), QStringLiteral("'Contable'")),
        // The same with a stored next number of 20.
        book(QStringLiteral("MUV "), 1, QStringLiteral("X"), QStringLiteral("X"), 20, 1, 99999999, 1,
             QStringLiteral("SISTEMA"), QStringLiteral("'Contable'")),
        // MUA numbers from the books of MUT.
        QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_MUA', 'MUT ')"),
        QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_BLK', '   ')"),

        // Invoices: two books of letters A and B, branches 1 and 2.
        book(QStringLiteral("FC  "), 1, QStringLiteral("AB"), QStringLiteral("A"), 0, 1, 1000, 1,
             QStringLiteral("B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT, SISTEMA, Modificanumeracion"),
             QStringLiteral("7, 1, 1000, 1, 'VENTAS', 0")),
        book(QStringLiteral("FC  "), 2, QStringLiteral("AB"), QStringLiteral("A"), 50, 1, 1000, 2,
             QStringLiteral("B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT, SISTEMA, Modificanumeracion"),
             QStringLiteral("30, 1, 1000, 2, 'VENTAS', 1")),

        // Letter restriction: book 1 serves A only, book 2 A (branch 4) and B (branch 3).
        book(QStringLiteral("RC  "), 1, QStringLiteral("A"), QStringLiteral("A"), 5, 1, 100, 1),
        book(QStringLiteral("RC  "), 2, QStringLiteral("AB"), QStringLiteral("A"), 60, 1, 100, 4,
             QStringLiteral("B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT"), QStringLiteral("9, 1, 100, 3")),

        // Work orders keep the letter asked for.
        book(QStringLiteral("OT  "), 1, QStringLiteral("A"), QStringLiteral("A"), 3, 1, 100, 1,
             QStringLiteral("B_ULTIMO_NRO, B_NRO_DESDE, B_NRO_HASTA, B_SUC_DEFAULT"), QStringLiteral("11, 1, 100, 1")),

        // Used up: the only book; the first of two; a book without range.
        book(QStringLiteral("AG  "), 1, QStringLiteral("X"), QStringLiteral("X"), 100, 1, 100, 1),
        book(QStringLiteral("AH  "), 1, QStringLiteral("X"), QStringLiteral("X"), 100, 1, 100, 1),
        book(QStringLiteral("AH  "), 2, QStringLiteral("X"), QStringLiteral("X"), 8, 1, 100, 1),
        book(QStringLiteral("ZR  "), 1, QStringLiteral("X"), QStringLiteral("X"), 0, 0, 0, 1,
             QStringLiteral("Modificanumeracion"), QStringLiteral("1")),

        // Expiry: book 1 expires on 10/03/2024, book 2 never.
        book(QStringLiteral("VE  "), 1, QStringLiteral("X"), QStringLiteral("X"), 4, 1, 100, 1,
             QStringLiteral("VenceX"), QStringLiteral("'2024-03-10 00:00:00'")),
        book(QStringLiteral("VE  "), 2, QStringLiteral("X"), QStringLiteral("X"), 70, 1, 100, 1),

        // Business units: unit 2, none (null), none (empty); and a type with unit 5 only.
        book(QStringLiteral("UN  "), 1, QStringLiteral("X"), QStringLiteral("X"), 20, 1, 100, 1,
             QStringLiteral("UNEGOCIO"), QStringLiteral("'   2'")),
        book(QStringLiteral("UN  "), 2, QStringLiteral("X"), QStringLiteral("X"), 40, 1, 100, 1),
        book(QStringLiteral("UN  "), 3, QStringLiteral("X"), QStringLiteral("X"), 60, 1, 100, 1,
             QStringLiteral("UNEGOCIO"), QStringLiteral("''")),
        book(QStringLiteral("UM  "), 1, QStringLiteral("X"), QStringLiteral("X"), 33, 1, 100, 1,
             QStringLiteral("UNEGOCIO"), QStringLiteral("'   5'")),

        // Validation: ranges 1-100 and 101-200 of branch 1, 10-50 of branch 2, a book
        // without control (branch 5), an external book before a plain one (branch 6).
        book(QStringLiteral("VA  "), 1, QStringLiteral("X"), QStringLiteral("X"), 10, 1, 100, 1,
             QStringLiteral("VenceX"), QStringLiteral("'2024-03-10 00:00:00'")),
        book(QStringLiteral("VA  "), 2, QStringLiteral("X"), QStringLiteral("X"), 0, 101, 200, 1),
        book(QStringLiteral("VA  "), 3, QStringLiteral("X"), QStringLiteral("X"), 0, 10, 50, 2),
        book(QStringLiteral("VA  "), 4, QStringLiteral("X"), QStringLiteral("X"), 0, 0, 0, 5,
             QStringLiteral("Modificanumeracion"), QStringLiteral("1")),
        book(QStringLiteral("VA  "), 5, QStringLiteral("X"), QStringLiteral("X"), 0, 1, 100, 6,
             QStringLiteral("Externo"), QStringLiteral("1")),
        book(QStringLiteral("VA  "), 6, QStringLiteral("X"), QStringLiteral("X"), 0, 1, 100, 6),
        // An external type.
        book(QStringLiteral("VX  "), 1, QStringLiteral("X"), QStringLiteral("X"), 0, 1, 100, 1,
             QStringLiteral("EXTERNO"), QStringLiteral("1")),

        // Recording: a sales book, a purchase-order book, a four-letter type with letter B.
        book(QStringLiteral("VEN "), 1, QStringLiteral("A"), QStringLiteral("A"), 15, 1, 1000, 1,
             QStringLiteral("SISTEMA"), QStringLiteral("'VENTAS'")),
        book(QStringLiteral("OC  "), 1, QStringLiteral("X"), QStringLiteral("X"), 15, 1, 1000, 1,
             QStringLiteral("SISTEMA"), QStringLiteral("'COMPRAS'")),
        book(QStringLiteral("RECB"), 1, QStringLiteral("B"), QStringLiteral("B"), 15, 1, 1000, 3,
             QStringLiteral("SISTEMA"), QStringLiteral("'Contable'")),
        // The fallback store: OLD has only book 1 in V_TA_CPTE and book 2 in TA_Comprobantes;
        // TAO is only in TA_Comprobantes.
        book(QStringLiteral("OLD "), 1, QStringLiteral("X"), QStringLiteral("X"), 5, 1, 10, 1,
             QStringLiteral("SISTEMA"), QStringLiteral("'Contable'")),
        QStringLiteral("INSERT INTO TA_Comprobantes (CODIGO, SISTEMA, TALONARIO, X_ULTIMO_NRO, X_SUC_DEFAULT) "
                       "VALUES ('OLD ', 'Contable', 2, 40, 1)"),
        QStringLiteral("INSERT INTO TA_Comprobantes (CODIGO, SISTEMA, TALONARIO, X_ULTIMO_NRO, X_SUC_DEFAULT) "
                       "VALUES ('TAO ', 'STOCK', 1, 7, 1)"),
        // External book 7 only; a type whose only book is 3.
        book(QStringLiteral("EXT "), 7, QStringLiteral("X"), QStringLiteral("X"), 0, 1, 100, 1,
             QStringLiteral("Externo"), QStringLiteral("1")),
        book(QStringLiteral("SIN "), 3, QStringLiteral("X"), QStringLiteral("X"), 0, 1, 100, 1),

        // Voucher families.
        book(QStringLiteral("VJ  "), 1, QStringLiteral("A"), QStringLiteral("A"), 5, 1, 99999999, 1),
        book(QStringLiteral("AJP "), 1, QStringLiteral("X"), QStringLiteral("X"), 5, 1, 99999999, 1),
        book(QStringLiteral("CBFP"), 1, QStringLiteral("X"), QStringLiteral("X"), 3, 1, 99999999, 1),
        book(QStringLiteral("TOPE"), 1, QStringLiteral("X"), QStringLiteral("X"), 5, 1, 99999999, 1),
    };
}

} // namespace

void Open(const testsupport::TempProgramFolder& folder, const QStringList& extra, const QString& user)
{
    frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql")}, fixtureRows() + extra);
    frametest::OpenMain(kDb, user);
    if (standIn())
        testsupport::OpenMainOnOracle(kDb, user);
    gUsuarioLogeado = user;
}

void SetOracle(bool oracle)
{
    if (oracle)
        standIn().emplace();
    else
        standIn().reset();
}

QStringList OracleRefusals()
{
    return standIn() ? standIn()->refused() : QStringList();
}

void EngineRows()
{
    testsupport::EngineRows();
}

void StartOnEngine()
{
    Reset();
    SetOracle(testsupport::OnOracle());
}

QStringList EndOnEngine()
{
    const QStringList refused = OracleRefusals();
    Reset();
    SetOracle(false);
    return refused;
}

void Reset()
{
    frametest::ResetProgram();
    TalonarioActual = 0;
}

QList<QVariantList> Rows(const QString& sql)
{
    return frametest::Query(kDb, sql);
}

QVariant Scalar(const QString& sql)
{
    return frametest::Scalar(kDb, sql);
}

void Exec(const QString& sql)
{
    frametest::Exec(kDb, sql);
}

} // namespace numtest

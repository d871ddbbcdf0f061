#include "DbFixture.h"
#include <QTest>

namespace datatest {

DbFixture::DbFixture(const QStringList& statements, const QString& user)
{
    gDBPrincipal.reset();
    // The engine opens existing files only; an empty file is an empty database.
    folder.write(QStringLiteral("test.db"), QByteArray());
    DB_Dll& d = *gDBPrincipal;
    d.gServidor = QStringLiteral("SQLITE");
    d.gDBName = QStringLiteral("test.db");
    d.gUsuario = user;
    d.OpenServerADODB(false, 3, QString(), false, false);
    if (!d.gOpenFlag)
        qFatal("the test database did not open");
    for (const QString& s : statements)
        exec(s);
}

DbFixture::~DbFixture()
{
    gDBPrincipal.reset();
    gDBEstadisticas.reset();
    gConfidencialidad = false;
}

void DbFixture::exec(const QString& sql)
{
    gDBPrincipal->gCnn->Execute(sql);
}

vb::Variant DbFixture::scalar(const QString& sql)
{
    ado::Recordset rs = gDBPrincipal->gCnn->Execute(sql);
    if (rs.State() == ado::adStateClosed || rs.EOF())
        return vb::Variant::Null();
    return rs.Fields(0).Value();
}

} // namespace datatest

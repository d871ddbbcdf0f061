#include "VoucherFixture.h"

#include "tests/frame/FrameFixture.h"

namespace testsupport {

VoucherFixture::VoucherFixture(const QStringList& extra, const QString& user)
{
    frametest::ResetProgram();
    frametest::CreateDatabase(folder, kDb, {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")}, extra);
    frametest::OpenMain(kDb, user);
}

VoucherFixture::~VoucherFixture()
{
    frametest::ResetProgram();
}

void VoucherFixture::Exec(const QString& sql) const { frametest::Exec(kDb, sql); }

QVariant VoucherFixture::Scalar(const QString& sql) const { return frametest::Scalar(kDb, sql); }

QList<QVariantList> VoucherFixture::Query(const QString& sql) const { return frametest::Query(kDb, sql); }

void VoucherFixture::SetConfig(const QString& clave, const QVariant& valor) const
{
    const QString key = QString(clave).replace(QLatin1Char('\''), QStringLiteral("''"));
    Exec(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(key));
    if (valor.isNull())
        return;
    Exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
             .arg(key, valor.toString().replace(QLatin1Char('\''), QStringLiteral("''"))));
}

} // namespace testsupport

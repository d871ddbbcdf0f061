#include "RunWorkstations.h"

#include "tests/support/vouchers/VoucherFixture.h"

#include <QProcess>
#include <memory>
#include <vector>

namespace stocktest {

namespace {

std::unique_ptr<QProcess> start(const QString& exe, const testsupport::VoucherFixture& db, int first, int vouchers,
                                const QString& mode)
{
    auto p = std::make_unique<QProcess>();
    p->setProgram(exe);
    QStringList args{db.folder.path(), testsupport::VoucherFixture::kDb, QString::number(first), QString::number(vouchers)};
    if (!mode.isEmpty())
        args << mode;
    p->setArguments(args);
    p->start();
    return p;
}

QString finish(QProcess& p, int posted)
{
    const QString expected = QStringLiteral("POSTED %1 BOXES 0").arg(posted);
    if (!p.waitForFinished(180000))
        return QStringLiteral("a workstation did not end");
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    if (p.exitCode() != 0 || !out.contains(expected))
        return QStringLiteral("exit %1, expected \"%2\": ").arg(p.exitCode()).arg(expected) + out
               + QString::fromUtf8(p.readAllStandardError());
    return QString();
}

} // namespace

QString RunThreeWorkstations(const QString& exe, const testsupport::VoucherFixture& db, int perWorkstation, int posted,
                             const QString& mode)
{
    std::vector<std::unique_ptr<QProcess>> ws;
    for (int w = 0; w < 3; ++w)
        ws.push_back(start(exe, db, 1000 * (w + 1), perWorkstation, mode));
    for (auto& p : ws)
        if (const QString fallo = finish(*p, posted); !fallo.isEmpty())
            return fallo;
    return QString();
}

QString RunWorkstation(const QString& exe, const testsupport::VoucherFixture& db, int vouchers, int posted, const QString& mode)
{
    return finish(*start(exe, db, 1000, vouchers, mode), posted);
}

} // namespace stocktest

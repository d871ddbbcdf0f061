#include "RunWorkstations.h"

#include "tests/support/vouchers/VoucherFixture.h"

#include <QProcess>
#include <memory>
#include <vector>

namespace stocktest {

QString RunThreeWorkstations(const QString& exe, const testsupport::VoucherFixture& db, int perWorkstation, int posted,
                             const QString& mode)
{
    std::vector<std::unique_ptr<QProcess>> ws;
    for (int w = 0; w < 3; ++w) {
        auto p = std::make_unique<QProcess>();
        p->setProgram(exe);
        QStringList args{db.folder.path(), testsupport::VoucherFixture::kDb, QString::number(1000 * (w + 1)),
                         QString::number(perWorkstation)};
        if (!mode.isEmpty())
            args << mode;
        p->setArguments(args);
        p->start();
        ws.push_back(std::move(p));
    }
    const QString expected = QStringLiteral("POSTED %1 BOXES 0").arg(posted);
    for (auto& p : ws) {
        if (!p->waitForFinished(180000))
            return QStringLiteral("a workstation did not end");
        const QString out = QString::fromUtf8(p->readAllStandardOutput());
        if (p->exitCode() != 0 || !out.contains(expected))
            return QStringLiteral("exit %1, expected \"%2\": ").arg(p->exitCode()).arg(expected) + out
                   + QString::fromUtf8(p->readAllStandardError());
    }
    return QString();
}

} // namespace stocktest

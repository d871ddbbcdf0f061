#include "ReceptionTestSupport.h"

#include "tests/frame/FrameFixture.h"
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace receptiontest {

QList<QVariantList> rows(const QString& sql) { return frametest::Query(kDb, sql); }
QVariant scalar(const QString& sql) { return frametest::Scalar(kDb, sql); }
int count(const QString& sql) { return scalar(sql).toInt(); }

void ddl(const testsupport::TempProgramFolder& folder, const QString& sql)
{
    const QString name = QStringLiteral("ddl");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(folder.filePath(kDb));
        QVERIFY(db.open());
        QSqlQuery q(db);
        if (!q.exec(sql))
            QFAIL(qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace receptiontest

// createdb <file.sqlite> <sql file>...
// Creates (or opens) an SQLite database through the data layer's own provider and runs
// each SQL file as one batch, in order; the first failure stops it with exit code 1.
#include "platform/ado/Connection.h"
#include "platform/vb/VbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

void print(FILE* to, const QString& text)
{
    const QByteArray u = text.toLocal8Bit();
    std::fwrite(u.constData(), 1, size_t(u.size()), to);
    std::fputc('\n', to);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        print(stderr, QStringLiteral("usage: createdb <file.sqlite> <sql file>..."));
        return 2;
    }
    const QString target = QFileInfo(args[0]).absoluteFilePath();
    if (!QFileInfo::exists(target)) {
        // an empty file is an empty SQLite database
        QDir().mkpath(QFileInfo(target).path());
        QFile f(target);
        if (!f.open(QIODevice::WriteOnly)) {
            print(stderr, QStringLiteral("createdb: cannot create %1: %2").arg(target, f.errorString()));
            return 1;
        }
    }
    ado::Connection cnn;
    try {
        cnn.Open(QStringLiteral("Provider=SQLOLEDB;Server=SQLITE;Database=\"%1\"").arg(target));
    } catch (const vb::VbError& e) {
        print(stderr, QStringLiteral("createdb: cannot open %1: %2").arg(target, e.Description));
        return 1;
    }
    for (const QString& name : args.mid(1)) {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) {
            print(stderr, QStringLiteral("createdb: cannot read %1: %2").arg(name, f.errorString()));
            return 1;
        }
        const QString sql = QString::fromUtf8(f.readAll());
        try {
            cnn.Execute(sql);
        } catch (const vb::VbError& e) {
            QString detail = e.Description;
            if (cnn.Errors().Count() > 0)
                detail = QStringLiteral("%1 (native error %2)").arg(cnn.Errors().Item(0).Description).arg(cnn.Errors().Item(0).NativeError);
            print(stderr, QStringLiteral("createdb: %1 failed: %2").arg(name, detail));
            return 1;
        }
        print(stdout, QStringLiteral("createdb: %1 loaded into %2").arg(name, target));
    }
    return 0;
}

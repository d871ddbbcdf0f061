#include "platform/ado/ConnectionString.h"
#include "platform/vb/App.h"
#include "platform/vb/TextFile.h"
#include "platform/vb/VbError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace ado {

namespace {

[[noreturn]] void bad(const QString& why)
{
    throw vb::VbError(3706, why, QStringLiteral("ADODB.Connection"));
}

// The value of the first key present, without the braces it was quoted with.
QString value(const QMap<QString, QString>& kv, std::initializer_list<const char*> keys)
{
    for (const char* k : keys) {
        auto it = kv.constFind(QString::fromLatin1(k));
        if (it == kv.constEnd()) continue;
        if (it->size() >= 2 && it->startsWith(u'{') && it->endsWith(u'}')) return it->mid(1, it->size() - 2);
        return *it;
    }
    return {};
}

QString resolveSqliteFile(const QString& name)
{
    QString path = QString(name).replace(u'\\', u'/');
    if (path.isEmpty()) bad(QStringLiteral("The connection string names no database file."));
    const QString folder = vb::App::Path();
    auto find = [&](const QString& p) -> QString {
        QFileInfo fi(p);
        const QString dir = fi.isAbsolute() ? fi.path() : QDir(folder).filePath(fi.path());
        const QString found = vb::FindFileNoCase(dir, fi.fileName());
        return QFileInfo::exists(found) ? found : QString();
    };
    QString found = find(path);
    if (found.isEmpty() && QFileInfo(path).suffix().isEmpty()) found = find(path + QStringLiteral(".sqlite"));
    if (found.isEmpty()) {
        throw vb::VbError(-2147467259,
                          QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.").arg(name),
                          QStringLiteral("Microsoft OLE DB Provider for SQL Server"));
    }
    return QFileInfo(found).absoluteFilePath();
}

} // namespace

QString QuoteConnectionValue(const QString& v)
{
    if (v.contains(u';') || v.contains(u'{') || v.contains(u'}') || v.contains(u'=') || v.startsWith(u' ') || v.endsWith(u' '))
        return QLatin1Char('{') + QString(v).replace(QStringLiteral("}"), QStringLiteral("}}")) + QLatin1Char('}');
    return v;
}

QMap<QString, QString> ParseKeyValues(const QString& text)
{
    QMap<QString, QString> kv;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        const int eqAt = int(text.indexOf(u'=', i));
        if (eqAt < 0) break;
        const QString key = text.mid(i, eqAt - i).trimmed().toUpper();
        int j = eqAt + 1;
        while (j < n && text[j] == u' ') ++j;
        QString val;
        if (j < n && (text[j] == u'"' || text[j] == u'\'' || text[j] == u'{')) {
            const QChar close = text[j] == u'{' ? u'}' : text[j];
            int k = j + 1;
            while (k < n) {
                if (text[k] == close) {
                    if (k + 1 < n && text[k + 1] == close) { val += close; k += 2; continue; }
                    break;
                }
                val += text[k++];
            }
            if (close == u'}') val = QLatin1Char('{') + val + QLatin1Char('}');
            j = k + 1;
            while (j < n && text[j] != u';') ++j;
        } else {
            const int semi = int(text.indexOf(u';', j));
            const int end = semi < 0 ? n : semi;
            val = text.mid(j, end - j).trimmed();
            j = end;
        }
        if (!key.isEmpty() && !kv.contains(key)) kv.insert(key, val);
        i = j + 1;
    }
    return kv;
}

ConnectionSpec ParseConnectionString(const QString& text, const QString& user, const QString& password)
{
    if (text.trimmed().isEmpty()) bad(QStringLiteral("The connection string is empty."));
    const QMap<QString, QString> kv = ParseKeyValues(text);
    if (kv.isEmpty()) bad(QStringLiteral("The connection string cannot be read: \"%1\".").arg(text));
    const QString provider = value(kv, {"PROVIDER"});
    const QString p = provider.toUpper();
    const QString uid = !user.isEmpty() ? user : value(kv, {"UID", "USER ID", "USER"});
    const QString pwd = !password.isEmpty() ? password : value(kv, {"PWD", "PASSWORD"});
    ConnectionSpec target;
    target.provider = provider;

    if (p.startsWith(QLatin1String("SQLOLEDB")) || p.startsWith(QLatin1String("SQLNCLI")) || p.startsWith(QLatin1String("MSOLEDBSQL"))) {
        const QString server = value(kv, {"SERVER", "DATA SOURCE", "ADDRESS", "ADDR", "NETWORK ADDRESS"});
        target.database = value(kv, {"DATABASE", "INITIAL CATALOG"});
        if (server.compare(QLatin1String("SQLITE"), Qt::CaseInsensitive) == 0) {
            target.engine = ConnectionSpec::Sqlite;
            target.sqliteFile = resolveSqliteFile(target.database);
            return target;
        }
        if (server.isEmpty()) bad(QStringLiteral("The connection string names no server: \"%1\".").arg(text));
        // host\instance is read by FreeTDS itself; host,port and host:port become Port.
        QString host = server, port;
        const int sep = int(server.indexOf(QRegularExpression(QStringLiteral("[,:]"))));
        if (sep > 0) {
            host = server.left(sep).trimmed();
            port = server.mid(sep + 1).trimmed();
        }
        target.engine = ConnectionSpec::Odbc;
        target.dayMonthYear = true;
        target.odbc = QStringLiteral("DRIVER={FreeTDS};Server=%1;").arg(QuoteConnectionValue(host));
        if (!port.isEmpty()) target.odbc += QStringLiteral("Port=%1;").arg(QuoteConnectionValue(port));
        if (!target.database.isEmpty()) target.odbc += QStringLiteral("Database=%1;").arg(QuoteConnectionValue(target.database));
        if (!uid.isEmpty()) target.odbc += QStringLiteral("UID=%1;").arg(QuoteConnectionValue(uid));
        if (!pwd.isEmpty()) target.odbc += QStringLiteral("PWD=%1;").arg(QuoteConnectionValue(pwd));
        target.odbc += QStringLiteral("ClientCharset=UTF-8;");
        return target;
    }
    if (p.startsWith(QLatin1String("ORAOLEDB")) || p.startsWith(QLatin1String("MSDAORA"))) {
        target.database = value(kv, {"DATA SOURCE"});
        if (target.database.isEmpty()) bad(QStringLiteral("The connection string names no Oracle data source: \"%1\".").arg(text));
        target.engine = ConnectionSpec::Odbc;
        target.oracle = true;
        target.odbc = QStringLiteral("DSN=%1;").arg(QuoteConnectionValue(target.database));
        if (!uid.isEmpty()) target.odbc += QStringLiteral("UID=%1;").arg(QuoteConnectionValue(uid));
        if (!pwd.isEmpty()) target.odbc += QStringLiteral("PWD=%1;").arg(QuoteConnectionValue(pwd));
        return target;
    }
    if (p.startsWith(QLatin1String("MICROSOFT.JET.OLEDB")) || p.startsWith(QLatin1String("MICROSOFT.ACE.OLEDB"))) {
        target.engine = ConnectionSpec::Sqlite;
        target.database = value(kv, {"DATA SOURCE"});
        target.sqliteFile = resolveSqliteFile(target.database);
        return target;
    }
    if (p.isEmpty() || p.startsWith(QLatin1String("MSDASQL"))) {
        // An ODBC string handed through as it is (DRIVER=... or DSN=...).
        if (!kv.contains(QStringLiteral("DRIVER")) && !kv.contains(QStringLiteral("DSN")))
            bad(QStringLiteral("The connection string names neither a provider nor an ODBC driver: \"%1\".").arg(text));
        target.engine = ConnectionSpec::Odbc;
        target.provider = QStringLiteral("MSDASQL");
        target.database = value(kv, {"DATABASE", "INITIAL CATALOG"});
        QString odbc;
        for (auto it = kv.constBegin(); it != kv.constEnd(); ++it) {
            if (it.key() == QLatin1String("PROVIDER")) continue;
            if (!user.isEmpty() && (it.key() == QLatin1String("UID"))) continue;
            if (!password.isEmpty() && (it.key() == QLatin1String("PWD"))) continue;
            odbc += it.key() + QLatin1Char('=') + (it.value().startsWith(u'{') ? it.value() : QuoteConnectionValue(it.value())) + QLatin1Char(';');
        }
        if (!user.isEmpty()) odbc += QStringLiteral("UID=%1;").arg(QuoteConnectionValue(user));
        if (!password.isEmpty()) odbc += QStringLiteral("PWD=%1;").arg(QuoteConnectionValue(password));
        target.odbc = odbc;
        return target;
    }
    bad(QStringLiteral("Provider cannot be found. It may not be properly installed. (%1)").arg(provider));
}

} // namespace ado

#include "platform/ado/SqliteFunctions.h"
#include "platform/ado/SqliteDialect.h"
#include "platform/vb/App.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

QString argText(sqlite3_value* v)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return QString::fromUtf8(p, sqlite3_value_bytes(v));
}

void resultText(sqlite3_context* ctx, const QString& s)
{
    const QByteArray u = s.toUtf8();
    sqlite3_result_text(ctx, u.constData(), int(u.size()), SQLITE_TRANSIENT);
}

void fail(sqlite3_context* ctx, int native, const QString& message)
{
    const QByteArray u = (QStringLiteral("#%1#").arg(native) + message).toUtf8();
    sqlite3_result_error(ctx, u.constData(), int(u.size()));
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    return false;
}

QString rtrimBlanks(const QString& s)
{
    int n = int(s.size());
    while (n > 0 && s[n - 1] == u' ') --n;
    return s.left(n);
}

int collate(void*, int la, const void* a, int lb, const void* b)
{
    const auto* pa = static_cast<const unsigned char*>(a);
    const auto* pb = static_cast<const unsigned char*>(b);
    while (la > 0 && pa[la - 1] == ' ') --la;
    while (lb > 0 && pb[lb - 1] == ' ') --lb;
    // ASCII fast path
    const int n = std::min(la, lb);
    int i = 0;
    for (; i < n; ++i) {
        unsigned char ca = pa[i], cb = pb[i];
        if ((ca | cb) & 0x80) break;
        if (ca >= 'A' && ca <= 'Z') ca += 32;
        if (cb >= 'A' && cb <= 'Z') cb += 32;
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i == n && (i == la || !(pa[i] & 0x80)) && (i == lb || !(pb[i] & 0x80)))
        return la == lb ? 0 : (la < lb ? -1 : 1);
    const QString sa = QString::fromUtf8(reinterpret_cast<const char*>(pa) + i, la - i);
    const QString sb = QString::fromUtf8(reinterpret_cast<const char*>(pb) + i, lb - i);
    const int c = sa.compare(sb, Qt::CaseInsensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void fnGetdate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, vb::App::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

// The ID this connection's last INSERT gave (a trigger's inserts do not count);
// NULL before any, as SQL Server answers.
void fnScopeIdentity(sqlite3_context* ctx, int, sqlite3_value**)
{
    const sqlite3_int64 id = sqlite3_last_insert_rowid(sqlite3_context_db_handle(ctx));
    if (id == 0) return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, id);
}

// Text next to a number in an addition, turned into a number as SQL Server does (blanks
// around it ignored, a blank text is 0); text that is no number fails the statement.
void fnNum(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(ctx);
    case SQLITE_INTEGER: return sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    case SQLITE_FLOAT: return sqlite3_result_double(ctx, sqlite3_value_double(argv[0]));
    default: break;
    }
    const QString text = argText(argv[0]);
    const QString t = text.trimmed();
    if (t.isEmpty()) return sqlite3_result_int(ctx, 0);
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (number.match(t).hasMatch()) {
        bool whole = false;
        const qint64 v = t.toLongLong(&whole);
        if (whole) return sqlite3_result_int64(ctx, v);
        return sqlite3_result_double(ctx, t.toDouble());
    }
    fail(ctx, 245, QStringLiteral("Conversion failed when converting the varchar value '%1' to a number.").arg(text));
}

void fnLen(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, int(rtrimBlanks(argText(argv[0])).size()));
}

void fnCharindex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const QString find = argText(argv[0]);
    const QString in = argText(argv[1]);
    int start = argc > 2 ? sqlite3_value_int(argv[2]) : 1;
    if (start < 1) start = 1;
    if (find.isEmpty()) return sqlite3_result_int(ctx, 0);
    const qsizetype at = in.indexOf(find, start - 1, Qt::CaseInsensitive);
    sqlite3_result_int(ctx, at < 0 ? 0 : int(at + 1));
}

void fnUpper(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]).toUpper());
}

void fnLower(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]).toLower());
}

void fnSubstring(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const QString s = argText(argv[0]);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 len = sqlite3_value_int64(argv[2]);
    if (len < 0) return fail(ctx, 537, QStringLiteral("Invalid length parameter passed to the substring function."));
    // characters from start to start+len-1, positions counted from 1
    const qint64 from = std::max<qint64>(start, 1);
    const qint64 to = start + len;   // exclusive
    if (to <= from || from > s.size()) return resultText(ctx, QString());
    resultText(ctx, s.mid(from - 1, std::min<qint64>(to, s.size() + 1) - from));
}

void fnLeft(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return fail(ctx, 536, QStringLiteral("Invalid length parameter passed to the left function."));
    resultText(ctx, argText(argv[0]).left(n));
}

void fnRight(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0) return fail(ctx, 536, QStringLiteral("Invalid length parameter passed to the right function."));
    resultText(ctx, argText(argv[0]).right(n));
}

void fnSpace(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const int n = sqlite3_value_int(argv[0]);
    if (n < 0) return sqlite3_result_null(ctx);
    resultText(ctx, QString(n, u' '));
}

void fnReplicate(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const int n = sqlite3_value_int(argv[1]);
    if (n < 0) return sqlite3_result_null(ctx);
    resultText(ctx, argText(argv[0]).repeated(n));
}

// STR(number [, length [, decimals]]): right-aligned, rounded, '*' when it does not fit.
void fnStr(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const double v = sqlite3_value_double(argv[0]);
    const int length = argc > 1 ? sqlite3_value_int(argv[1]) : 10;
    int decimals = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
    if (length <= 0) return sqlite3_result_null(ctx);
    decimals = std::clamp(decimals, 0, 16);
    QString s = QString::number(v, 'f', decimals);
    while (s.size() > length && decimals > 0) s = QString::number(v, 'f', --decimals);
    if (s.size() > length) return resultText(ctx, QString(length, u'*'));
    resultText(ctx, s.rightJustified(length, u' '));
}

QString isoOf(sqlite3_value* v, bool* ok)
{
    QString iso;
    const QString text = argText(v).trimmed();
    if (text.size() >= 10 && text[4] == u'-' && SqlServerDate(QStringView(text).left(19), iso)) { *ok = true; return iso; }
    *ok = SqlServerDate(text, iso);
    return iso;
}

// CONVERT(type, value [, style]) for the forms the system writes: to texts (dates with
// styles 103, 108, 112, 120 ...), to whole numbers, to amounts and to dates.
void fnConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const QString type = argText(argv[0]).toUpper().remove(u' ');
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    const int style = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL ? sqlite3_value_int(argv[2]) : -1;
    sqlite3_value* v = argv[1];
    static const QRegularExpression sizeRe(QStringLiteral("\\((\\d+)\\)"));
    if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT"))) {
        QString out;
        bool ok = false;
        const QString iso = (style >= 0 && sqlite3_value_type(v) == SQLITE_TEXT) ? isoOf(v, &ok) : QString();
        if (ok) {
            const QDateTime d = QDateTime::fromString(iso, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            switch (style) {
            case 103: out = d.toString(QStringLiteral("dd/MM/yyyy")); break;
            case 3: out = d.toString(QStringLiteral("dd/MM/yy")); break;
            case 108: case 8: out = d.toString(QStringLiteral("HH:mm:ss")); break;
            case 112: out = d.toString(QStringLiteral("yyyyMMdd")); break;
            case 120: case 20: out = iso; break;
            case 101: out = d.toString(QStringLiteral("MM/dd/yyyy")); break;
            case 104: out = d.toString(QStringLiteral("dd.MM.yyyy")); break;
            case 105: out = d.toString(QStringLiteral("dd-MM-yyyy")); break;
            default: out = iso; break;
            }
        } else if (sqlite3_value_type(v) == SQLITE_FLOAT) {
            out = QString::number(sqlite3_value_double(v), 'g', 15);
        } else {
            out = argText(v);
        }
        const auto m = sizeRe.match(type);
        if (m.hasMatch()) out = out.left(m.captured(1).toInt());
        return resultText(ctx, out);
    }
    if (type.contains(QLatin1String("DATE"))) {
        bool ok = false;
        const QString iso = isoOf(v, &ok);
        if (!ok) return fail(ctx, 241, QStringLiteral("Conversion failed when converting date and/or time from character string."));
        return resultText(ctx, iso);
    }
    if (type.contains(QLatin1String("INT")) || type == QLatin1String("BIT")) {
        if (sqlite3_value_type(v) == SQLITE_INTEGER) return sqlite3_result_int64(ctx, sqlite3_value_int64(v));
        if (sqlite3_value_type(v) == SQLITE_FLOAT) return sqlite3_result_int64(ctx, qint64(std::trunc(sqlite3_value_double(v))));
        bool ok = false;
        const qint64 n = argText(v).trimmed().toLongLong(&ok);
        if (!ok) return fail(ctx, 245, QStringLiteral("Conversion failed when converting the varchar value '%1' to data type int.").arg(argText(v)));
        return sqlite3_result_int64(ctx, n);
    }
    // numbers with decimals
    if (sqlite3_value_type(v) == SQLITE_INTEGER || sqlite3_value_type(v) == SQLITE_FLOAT)
        return sqlite3_result_double(ctx, sqlite3_value_double(v));
    bool ok = false;
    const double d = argText(v).trimmed().toDouble(&ok);
    if (!ok) return fail(ctx, 8114, QStringLiteral("Error converting data type varchar to numeric."));
    sqlite3_result_double(ctx, d);
}

// A value bound where a DATETIME column is compared or stored: a text is read as SQL
// Server reads a date and written as the column keeps dates; other values pass.
void fnTsqlDate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_value* v = argv[0];
    if (sqlite3_value_type(v) != SQLITE_TEXT)
        return sqlite3_result_value(ctx, v);
    bool ok = false;
    const QString iso = isoOf(v, &ok);
    if (!ok) return fail(ctx, 241, QStringLiteral("Conversion failed when converting date and/or time from character string."));
    resultText(ctx, iso);
}

void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv, int which)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    bool ok = false;
    const QString iso = isoOf(argv[0], &ok);
    if (!ok) return fail(ctx, 241, QStringLiteral("Conversion failed when converting date and/or time from character string."));
    sqlite3_result_int(ctx, iso.mid(which == 0 ? 0 : which == 1 ? 5 : 8, which == 0 ? 4 : 2).toInt());
}
void fnYear(sqlite3_context* c, int n, sqlite3_value** a) { datePart(c, n, a, 0); }
void fnMonth(sqlite3_context* c, int n, sqlite3_value** a) { datePart(c, n, a, 1); }
void fnDay(sqlite3_context* c, int n, sqlite3_value** a) { datePart(c, n, a, 2); }

// LIKE as SQL Server reads it: % _ [set] [^set], case ignored across Unicode.
bool likeMatch(QStringView p, QStringView s, QChar esc)
{
    while (!p.isEmpty()) {
        const QChar c = p[0];
        if (c == esc && p.size() > 1) {
            if (s.isEmpty() || QString(p[1]).compare(QString(s[0]), Qt::CaseInsensitive) != 0) return false;
            p = p.mid(2);
            s = s.mid(1);
        } else if (c == u'%') {
            while (!p.isEmpty() && p[0] == u'%') p = p.mid(1);
            if (p.isEmpty()) return true;
            for (qsizetype i = 0; i <= s.size(); ++i)
                if (likeMatch(p, s.mid(i), esc)) return true;
            return false;
        } else if (c == u'_') {
            if (s.isEmpty()) return false;
            p = p.mid(1);
            s = s.mid(1);
        } else if (c == u'[') {
            const qsizetype close = p.indexOf(u']', 2);
            if (close < 0) {   // a lone bracket is literal
                if (s.isEmpty() || s[0] != u'[') return false;
                p = p.mid(1);
                s = s.mid(1);
                continue;
            }
            if (s.isEmpty()) return false;
            QStringView set = p.mid(1, close - 1);
            bool negate = false;
            if (!set.isEmpty() && set[0] == u'^') { negate = true; set = set.mid(1); }
            const QChar ch = QChar(s[0]).toCaseFolded();
            bool in = false;
            for (qsizetype i = 0; i < set.size(); ++i) {
                if (i + 2 < set.size() && set[i + 1] == u'-') {
                    const QChar lo = QChar(set[i]).toCaseFolded(), hi = QChar(set[i + 2]).toCaseFolded();
                    if (ch >= lo && ch <= hi) in = true;
                    i += 2;
                } else if (QChar(set[i]).toCaseFolded() == ch) {
                    in = true;
                }
            }
            if (in == negate) return false;
            p = p.mid(close + 1);
            s = s.mid(1);
        } else {
            if (s.isEmpty() || QChar(c).toCaseFolded() != QChar(s[0]).toCaseFolded()) return false;
            p = p.mid(1);
            s = s.mid(1);
        }
    }
    return s.isEmpty();
}

void fnLike(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv)) return sqlite3_result_null(ctx);
    const QString pattern = argText(argv[0]);
    const QString value = argText(argv[1]);
    const QString esc = argc > 2 ? argText(argv[2]) : QString();
    sqlite3_result_int(ctx, likeMatch(pattern, value, esc.isEmpty() ? QChar(0xFFFF) : esc[0]) ? 1 : 0);
}

} // namespace

int CompareNoCase(const QString& a, const QString& b)
{
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    return collate(nullptr, int(ua.size()), ua.constData(), int(ub.size()), ub.constData());
}

int SplitNativePrefix(QString& message)
{
    static const QRegularExpression re(QStringLiteral("#(\\d+)#"));
    const auto m = re.match(message);
    if (!m.hasMatch()) return 0;
    const int native = m.captured(1).toInt();
    message = message.mid(m.capturedEnd());
    return native;
}

bool RegisterFunctions(sqlite3* db)
{
    struct Fn { const char* name; int args; void (*f)(sqlite3_context*, int, sqlite3_value**); bool deterministic; };
    static const Fn fns[] = {
        {"getdate", 0, fnGetdate, false},
        {"scope_identity", 0, fnScopeIdentity, false},
        {"tsql_num", 1, fnNum, true},
        {"len", 1, fnLen, true},
        {"charindex", 2, fnCharindex, true},
        {"charindex", 3, fnCharindex, true},
        {"upper", 1, fnUpper, true},
        {"lower", 1, fnLower, true},
        {"substring", 3, fnSubstring, true},
        {"tsql_left", 2, fnLeft, true},
        {"tsql_right", 2, fnRight, true},
        {"space", 1, fnSpace, true},
        {"replicate", 2, fnReplicate, true},
        {"str", 1, fnStr, true},
        {"str", 2, fnStr, true},
        {"str", 3, fnStr, true},
        {"convert", 2, fnConvert, true},
        {"convert", 3, fnConvert, true},
        {"year", 1, fnYear, true},
        {"month", 1, fnMonth, true},
        {"day", 1, fnDay, true},
        {"tsql_date", 1, fnTsqlDate, true},
        {"like", 2, fnLike, true},
        {"like", 3, fnLike, true},
    };
    for (const Fn& f : fns) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, f.name, f.args, flags, nullptr, f.f, nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    return sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, nullptr, collate, nullptr) == SQLITE_OK;
}

} // namespace ado::sqlite

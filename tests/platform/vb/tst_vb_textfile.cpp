// Windows-1252 text files: codec, CR LF, line splitting, names without case, records.
#include "platform/vb/TextFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
QString u(const char* s) { return QString::fromUtf8(s); }
} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void codec_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("abc 123") << "abc 123";
        QTest::newRow("latin letters") << QByteArray("\xe1\xe9\xed\xf3\xfa\xf1\xd1\xfc") << u("áéíóúñÑü");
        QTest::newRow("euro and quotes") << QByteArray("\x80\x93\x94\x85") << u("€“”…");
        QTest::newRow("high table") << QByteArray("\x8a\x8c\x8e\x9a\x9c\x9e\x9f\x83\x99") << u("ŠŒŽšœžŸƒ™");
        QTest::newRow("undefined bytes keep their code point")
            << QByteArray("\x81\x8d\x8f\x90\x9d") << QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d");
        QTest::newRow("nbsp and y diaeresis") << QByteArray("\xa0\xff") << QString::fromUtf16(u"\u00a0\u00ff");
        QTest::newRow("nul") << QByteArray("a\0b", 3) << QString::fromUtf16(u"a\u0000b", 3);
    }
    void codec()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(vb::FromCp1252(bytes), text);
        QCOMPARE(vb::ToCp1252(text), bytes);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = vb::FromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(vb::ToCp1252(text), all);
    }

    void outsideCp1252IsQuestionMark()
    {
        QCOMPARE(vb::ToCp1252(u("Ωx")), QByteArray("?x"));
        QCOMPARE(vb::ToCp1252(u("a😀b")), QByteArray("a?b"));   // one mark per character
    }

    void writeAndReadLines()
    {
        const QString file = path(QStringLiteral("lines.txt"));
        QVERIFY(vb::WriteLines(file, {u("Señor"), QString(), u("€ 5")}));
        QCOMPARE(readBytes(file), QByteArray("Se\xf1or\r\n\r\n\x80 5\r\n"));
        QStringList lines;
        QVERIFY(vb::ReadLines(file, lines));
        QCOMPARE(lines, QStringList({u("Señor"), QString(), u("€ 5")}));
        QVERIFY(vb::WriteLines(file, {QStringLiteral("only")}));
        QCOMPARE(readBytes(file), QByteArray("only\r\n"));
    }

    void appendLine()
    {
        const QString file = path(QStringLiteral("QKERR.LOG"));
        QVERIFY(!QFile::exists(file));
        QVERIFY(vb::AppendLine(file, u("primera línea")));
        QVERIFY(vb::AppendLine(file, QStringLiteral("second")));
        QCOMPARE(readBytes(file), QByteArray("primera l\xednea\r\nsecond\r\n"));
    }

    void appendAfterUnendedLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("no end") << QByteArray("a,b") << QByteArray("a,b\r\nnew\r\n");
        QTest::newRow("LF end") << QByteArray("a,b\n") << QByteArray("a,b\nnew\r\n");
        QTest::newRow("CR end") << QByteArray("a,b\r") << QByteArray("a,b\rnew\r\n");
        QTest::newRow("empty file") << QByteArray() << QByteArray("new\r\n");
    }
    // The line before is never joined to the new one.
    void appendAfterUnendedLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QString file = path(QStringLiteral("BASES.TXT"));
        writeBytes(file, before);
        QVERIFY(vb::AppendLine(file, QStringLiteral("new")));
        QCOMPARE(readBytes(file), after);
    }

    void splitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList({"a", "b"});
        QTest::newRow("last line without break") << QByteArray("a\r\nb") << QStringList({"a", "b"});
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList({"a", "b"});
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList({"a", "b"});
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList({"a", "b", "c", "d"});
        QTest::newRow("blank lines") << QByteArray("\r\n\r\nx\r\n\r\n") << QStringList({"", "", "x", ""});
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList({"a", "", "b"});
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("tabs and blanks kept") << QByteArray(" a\t \r\n") << QStringList({" a\t "});
    }
    void splitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString file = path(QStringLiteral("split.txt"));
        writeBytes(file, bytes);
        QStringList read{QStringLiteral("stale")};
        QVERIFY(vb::ReadLines(file, read));
        QCOMPARE(read, lines);
    }

    void missingFile()
    {
        QStringList lines;
        QVERIFY(!vb::ReadLines(path(QStringLiteral("nope.txt")), lines));
        QByteArray record;
        QVERIFY(!vb::ReadRecord(path(QStringLiteral("nope.qkx")), 10, 1, record));
        QCOMPARE(vb::RecordCount(path(QStringLiteral("nope.qkx")), 10), 0);
        QVERIFY(!vb::AppendLine(path(QStringLiteral("no/such/folder.txt")), QStringLiteral("x")));
    }

    void namesWithoutCase()
    {
        QTemporaryDir folder;
        writeBytes(folder.path() + QStringLiteral("/BASES.TXT"), "x");
        QDir(folder.path()).mkdir(QStringLiteral("Styles"));
        writeBytes(folder.path() + QStringLiteral("/Styles/Azul.QSS"), "y");

        QCOMPARE(vb::FindFileNoCase(folder.path(), QStringLiteral("bases.txt")), folder.path() + "/BASES.TXT");
        QCOMPARE(vb::FindFileNoCase(folder.path(), QStringLiteral("BASES.TXT")), folder.path() + "/BASES.TXT");
        QCOMPARE(vb::FindFileNoCase(folder.path(), QStringLiteral("styles/azul.qss")),
                 folder.path() + "/Styles/Azul.QSS");
        QCOMPARE(vb::FindFileNoCase(folder.path(), QStringLiteral("consultas.qkx")),
                 folder.path() + "/consultas.qkx");
        QVERIFY(vb::FileExistsNoCase(folder.path(), QStringLiteral("Bases.Txt")));
        QVERIFY(!vb::FileExistsNoCase(folder.path(), QStringLiteral("consultas.qkx")));
    }

    void records()
    {
        const QString file = path(QStringLiteral("consultas.qkx"));
        QByteArray bytes;
        for (int r = 0; r < 3; ++r) {
            QByteArray rec(1202, ' ');
            rec[0] = char('A' + r);
            rec[1] = '\x81';
            rec[2] = '\0';
            rec[1201] = '\xff';
            bytes += rec;
        }
        bytes += "partial";
        writeBytes(file, bytes);

        QCOMPARE(vb::RecordCount(file, 1202), 3);
        QByteArray rec;
        QVERIFY(vb::ReadRecord(file, 1202, 2, rec));
        QCOMPARE(rec, bytes.mid(1202, 1202));
        QVERIFY(vb::ReadRecord(file, 1202, 3, rec));
        QCOMPARE(rec.at(0), 'C');
        QVERIFY(!vb::ReadRecord(file, 1202, 4, rec));   // the partial tail is no record
        QVERIFY(!vb::ReadRecord(file, 1202, 0, rec));
        QVERIFY(!vb::ReadRecord(file, 0, 1, rec));
    }

    void writeRecord()
    {
        const QString file = path(QStringLiteral("CONSULTASLEN.QKX"));
        QVERIFY(vb::WriteRecord(file, 8, 2, QByteArray("ab\x80")));
        QCOMPARE(readBytes(file), QByteArray("        ab\x80     "));
        QVERIFY(vb::WriteRecord(file, 8, 1, QByteArray("0123456789")));
        QCOMPARE(readBytes(file), QByteArray("01234567ab\x80     "));
        QCOMPARE(vb::RecordCount(file, 8), 2);
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_vb_textfile.moc"

// The form's skin chosen by the workstation's "Styles" value, the program's icon and the
// toolbars' style.
#include "FrameFixture.h"
#include "frame/ModGlobal.h"
#include "frame/Skin.h"
#include "platform/vb/App.h"
#include "tests/support/SourceTree.h"
#include "tests/support/TempProgramFolder.h"
#include "tests/support/TestMain.h"
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QVBoxLayout>

using testsupport::TempProgramFolder;

namespace {

const char* const kSkins[] = {"Styles/Vista.qss", "Styles/WinXP.Luna.qss", "Styles/WinXP.Royale.qss",
                              "Styles/iTunes/Normalitunes.qss", "Styles/Office2007.qss"};

// Each skin file of the folder names itself.
void writeSkins(const TempProgramFolder& folder)
{
    for (const char* skin : kSkins)
        folder.write(QString::fromLatin1(skin), QByteArray("/* ") + skin + " */ QDialog { background-color: #e0e0e0; }");
}

QByteArray ini(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
}

// Points the frame's error log at a folder for one test.
class TmpVariable {
public:
    explicit TmpVariable(const QString& value) : old_(qgetenv("tmp")), had_(qEnvironmentVariableIsSet("tmp"))
    {
        qputenv("tmp", value.toLocal8Bit());
    }
    ~TmpVariable()
    {
        if (had_) qputenv("tmp", old_); else qunsetenv("tmp");
    }

private:
    QByteArray old_;
    bool had_;
};

QStringList gWarnings;
void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    // Only what concerns style sheets: the offscreen platform has warnings of its own.
    if ((type == QtWarningMsg || type == QtCriticalMsg) && text.contains(QLatin1String("style"), Qt::CaseInsensitive))
        gWarnings << text;
}

QImage iconImage(const QWidget& w)
{
    return w.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestFrameSkin : public QObject {
    Q_OBJECT
private slots:
    void init() { frametest::ResetProgram(); }
    void cleanup() { vb::App::ResetAll(); }

    void skinChoice_data()
    {
        QTest::addColumn<QByteArray>("iniFile");   // empty: no INI file at all
        QTest::addColumn<QString>("skin");
        QTest::newRow("no INI file") << QByteArray() << "Styles/Vista.qss";
        QTest::newRow("no key for this user") << ini({"[OTROStyles]", "Styles=3"}) << "Styles/Vista.qss";
        QTest::newRow("1") << ini({"[OPERADORStyles]", "Styles=1"}) << "Styles/Vista.qss";
        QTest::newRow("2") << ini({"[OPERADORStyles]", "Styles=2"}) << "Styles/WinXP.Luna.qss";
        QTest::newRow("3") << ini({"[operadorstyles]", "styles=3"}) << "Styles/WinXP.Royale.qss";
        QTest::newRow("4") << ini({"[OPERADORStyles]", "Styles=4"}) << "Styles/iTunes/Normalitunes.qss";
        QTest::newRow("7") << ini({"[OPERADORStyles]", "Styles=7"}) << "Styles/Office2007.qss";
        QTest::newRow("0") << ini({"[OPERADORStyles]", "Styles=0"}) << "Styles/Office2007.qss";
        QTest::newRow("not a number") << ini({"[OPERADORStyles]", "Styles=azul"}) << "Styles/Office2007.qss";
        QTest::newRow("empty") << ini({"[OPERADORStyles]", "Styles="}) << "Styles/Office2007.qss";
        QTest::newRow("leading zero") << ini({"[OPERADORStyles]", "Styles=02"}) << "Styles/WinXP.Luna.qss";
    }
    void skinChoice()
    {
        QFETCH(QByteArray, iniFile);
        QFETCH(QString, skin);
        TempProgramFolder folder;
        writeSkins(folder);
        if (!iniFile.isEmpty())
            folder.write(QStringLiteral("TZ417qv.INI"), iniFile);
        QDialog form;
        AplicaSkin(&form);
        QVERIFY2(form.styleSheet().startsWith("/* " + skin + " */"), qPrintable(form.styleSheet()));
    }

    void aMissingSkinLeavesTheFormUsable()
    {
        TempProgramFolder folder;
        QTemporaryDir logFolder;
        TmpVariable tmp(logFolder.path());
        folder.write(QStringLiteral("TZ417qv.INI"), ini({"[OPERADORStyles]", "Styles=2"}));
        QDialog form;
        form.setStyleSheet(QStringLiteral("QDialog { background: red; }"));
        AplicaSkin(&form);
        QCOMPARE(form.styleSheet(), QString());
        QFile logFile(logFolder.filePath(QStringLiteral("QKERR.LOG")));
        QVERIFY(logFile.open(QIODevice::ReadOnly));
        const QString log = QString::fromLatin1(logFile.readAll());
        QVERIFY2(log.contains(QStringLiteral("AplicaSkin")) && log.contains(QStringLiteral("WinXP.Luna.qss")), qPrintable(log));
    }

    // The style sheets shipped with the program parse and style a form.
    void shippedSkins_data()
    {
        QTest::addColumn<QString>("skin");
        for (const char* skin : kSkins)
            QTest::newRow(skin) << QString::fromLatin1(skin);
    }
    void shippedSkins()
    {
        QFETCH(QString, skin);
        TempProgramFolder folder;
        folder.copyFromSource(QStringLiteral("styles/") + skin.mid(7), skin);
        const int value = int(std::find_if(std::begin(kSkins), std::end(kSkins), [&](const char* s) { return skin == s; })
                              - std::begin(kSkins)) + 1;
        folder.write(QStringLiteral("TZ417qv.INI"), ini({"[OPERADORStyles]", "Styles=" + QString::number(value)}));
        QDialog form;
        auto* layout = new QVBoxLayout(&form);
        auto* group = new QGroupBox(QStringLiteral("Datos"), &form);
        layout->addWidget(group);
        auto* button = new QPushButton(QStringLiteral("Aceptar"), &form);
        layout->addWidget(button);
        layout->addWidget(new QLineEdit(&form));
        layout->addWidget(new QTableWidget(3, 3, &form));
        layout->addWidget(new QToolBar(&form));
        gWarnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectWarnings);
        AplicaSkin(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.grab().toImage();
        qInstallMessageHandler(previous);
        QVERIFY(!form.styleSheet().isEmpty());
        QVERIFY2(gWarnings.isEmpty(), qPrintable(gWarnings.join('\n')));
        // The skin paints the form: its background is no longer the platform's default.
        QVERIFY(shot.pixelColor(2, 2) != QDialog().palette().color(QPalette::Window));
    }

    void theProgramsIcon()
    {
        TempProgramFolder folder;
        QWidget plain;
        AsignaIconoYEstilo(&plain);
        QVERIFY(!plain.windowIcon().isNull());
        QCOMPARE(iconImage(plain), IconoVandrel().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32));

        // A form with an icon of its own gets the program's icon too.
        QWidget own;
        QPixmap blue(32, 32);
        blue.fill(Qt::blue);
        own.setWindowIcon(QIcon(blue));
        AsignaIconoYEstilo(&own);
        QCOMPARE(iconImage(own), iconImage(plain));
    }

    void anIconFileInTheProgramFolder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("vandrel.ico") << QStringList{"VANDREL.ICO"} << QColor(Qt::green);
        QTest::newRow("vandrel.png") << QStringList{"vandrel.png"} << QColor(Qt::red);
        QTest::newRow("both: the .ico") << QStringList{"vandrel.png", "vandrel.ico"} << QColor(Qt::green);
    }
    void anIconFileInTheProgramFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QColor, colour);
        TempProgramFolder folder;
        for (const QString& name : files) {
            QImage image(32, 32, QImage::Format_ARGB32);
            image.fill(name.endsWith("png") ? Qt::red : Qt::green);
            QVERIFY(image.save(folder.filePath(name), name.endsWith("png") ? "png" : "ico"));
        }
        QWidget form;
        AsignaIconoYEstilo(&form);
        QCOMPARE(iconImage(form).pixelColor(16, 16), colour);
    }

    void toolbarStyle()
    {
        TempProgramFolder folder;
        gEstiloBarras = vb::Variant(2.0);
        QWidget form;
        QObject utilKor(&form);
        utilKor.setObjectName(QStringLiteral("UtilKor1"));
        utilKor.setProperty("StyleBar", 1.0);
        QObject withoutProperty(&form);
        withoutProperty.setObjectName(QStringLiteral("TBarRep1"));
        AsignaIconoYEstilo(&form);
        QCOMPARE(utilKor.property("StyleBar").toDouble(), 2.0);
        QVERIFY(!withoutProperty.property("StyleBar").isValid());

        // The MDI frame keeps its toolbars as they are.
        QWidget mdi;
        mdi.setObjectName(QStringLiteral("frmMDI"));
        QObject bar(&mdi);
        bar.setObjectName(QStringLiteral("Util0011"));
        bar.setProperty("StyleBar", 1.0);
        AsignaIconoYEstilo(&mdi);
        QCOMPARE(bar.property("StyleBar").toDouble(), 1.0);
        QVERIFY(!mdi.windowIcon().isNull());
    }
};

TESTSUPPORT_MAIN(TestFrameSkin)
#include "tst_frame_skin.moc"

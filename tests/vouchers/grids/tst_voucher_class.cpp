// The voucher class's construction: the settings it reads once from configuration.
#include "tests/frame/FrameFixture.h"
#include "tests/support/TestMain.h"
#include "tests/support/vouchers/VoucherFixture.h"
#include "vouchers/ClsCmnCptes.h"

#include <QTest>

using testsupport::VoucherFixture;

class TstClsCmnCptes : public QObject {
    Q_OBJECT

    static double piva(const ClsCmnCptes& c) { return c.PIVA; }
    static double pivaRec(const ClsCmnCptes& c) { return c.PIVARec; }
    static bool asientosXStock(const ClsCmnCptes& c) { return c.AsientosXStock; }

private slots:
    void newObjectFields()
    {
        VoucherFixture db;
        const ClsCmnCptes c;
        QCOMPARE(c.DebitoProveedor, false);
        QCOMPARE(c.NPP_Cliente, QString());
        QCOMPARE(c.NPP_IDCpte, QString());
        QCOMPARE(c.esElectronica, false);
        QCOMPARE(c.esCreditoElectronica, false);
        // The demo configuration: LenDescripcion 60, PIVA 21, PIVARec 10.5, AsientosXStock NO.
        QCOMPARE(c.gLenDesc, qint16(60));
        QCOMPARE(piva(c), 21.0);
        QCOMPARE(pivaRec(c), 10.5);
        QCOMPARE(asientosXStock(c), false);
    }

    void longestDescription_data()
    {
        QTest::addColumn<QVariant>("configured");   // null: no key
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QVariant() << 100;
        QTest::newRow("blank") << QVariant(" ") << 100;
        QTest::newRow("zero") << QVariant("0") << 100;
        QTest::newRow("no leading number") << QVariant("largo 80") << 100;
        QTest::newRow("80") << QVariant("80") << 80;
        QTest::newRow("80.5 to even") << QVariant("80.5") << 80;
        QTest::newRow("81.5 to even") << QVariant("81.5") << 82;
        QTest::newRow("negative stays") << QVariant("-5") << -5;
        QTest::newRow("leading number of a text") << QVariant("45 caracteres") << 45;
        QTest::newRow("largest 16-bit") << QVariant("32767") << 32767;
        // Beyond 16 bits the object is still created, with the default.
        QTest::newRow("above 16 bits") << QVariant("70000") << 100;
        QTest::newRow("below 16 bits") << QVariant("-40000") << 100;
        QTest::newRow("huge exponent") << QVariant("1E400") << 100;
    }
    void longestDescription()
    {
        QFETCH(QVariant, configured);
        QFETCH(int, expected);
        VoucherFixture db;
        db.SetConfig(QStringLiteral("LenDescripcion"), configured);
        QCOMPARE(ClsCmnCptes().gLenDesc, qint16(expected));
    }

    void stockEntriesSwitch_data()
    {
        QTest::addColumn<QVariant>("configured");
        QTest::addColumn<bool>("expected");
        QTest::newRow("si") << QVariant("si") << true;
        QTest::newRow("Si") << QVariant("Si") << true;
        QTest::newRow("SI") << QVariant("SI") << true;
        QTest::newRow("S") << QVariant("S") << false;
        QTest::newRow("YES") << QVariant("YES") << false;
        QTest::newRow("SI with a blank") << QVariant("SI ") << false;
        QTest::newRow("missing") << QVariant() << false;
    }
    void stockEntriesSwitch()
    {
        QFETCH(QVariant, configured);
        QFETCH(bool, expected);
        VoucherFixture db;
        db.SetConfig(QStringLiteral("AsientosXStock"), configured);
        QCOMPARE(asientosXStock(ClsCmnCptes()), expected);
    }

    void ratesMissingAreZero()
    {
        VoucherFixture db;
        db.SetConfig(QStringLiteral("PIVA"), QVariant());
        db.SetConfig(QStringLiteral("PIVARec"), QVariant());
        const ClsCmnCptes c;
        QCOMPARE(piva(c), 0.0);
        QCOMPARE(pivaRec(c), 0.0);
    }

    void settingsAreReadAtCreationOnly()
    {
        VoucherFixture db;
        const ClsCmnCptes before;
        db.SetConfig(QStringLiteral("PIVA"), QStringLiteral("27"));
        db.SetConfig(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
        db.SetConfig(QStringLiteral("LenDescripcion"), QStringLiteral("120"));
        const ClsCmnCptes after;
        QCOMPARE(piva(before), 21.0);
        QCOMPARE(asientosXStock(before), false);
        QCOMPARE(before.gLenDesc, qint16(60));
        QCOMPARE(piva(after), 27.0);
        QCOMPARE(asientosXStock(after), true);
        QCOMPARE(after.gLenDesc, qint16(120));
    }

    void withoutConnectionTheDefaults()
    {
        frametest::ResetProgram();
        const ClsCmnCptes c;
        QCOMPARE(c.gLenDesc, qint16(100));
        QCOMPARE(piva(c), 0.0);
        QCOMPARE(asientosXStock(c), false);
        frametest::ResetProgram();
    }
};

TESTSUPPORT_MAIN(TstClsCmnCptes)
#include "tst_voucher_class.moc"

#pragma once
// The voucher library's test database: a fresh company database from db/schema.sql and
// db/demo.sql (plus the statements a test adds) in a temporary program folder, opened as
// gDBPrincipal. The program-wide values are put back on creation and destruction.
#include "tests/support/TempProgramFolder.h"

#include <QList>
#include <QStringList>
#include <QVariant>

namespace testsupport {

class VoucherFixture {
public:
    inline static const QString kDb = QStringLiteral("comprobantes.sqlite");

    // `extra` runs after the demo rows, each statement on its own.
    explicit VoucherFixture(const QStringList& extra = {}, const QString& user = QStringLiteral("Vandrel"));
    ~VoucherFixture();
    VoucherFixture(const VoucherFixture&) = delete;
    VoucherFixture& operator=(const VoucherFixture&) = delete;

    // Reads and writes through a connection of their own.
    void Exec(const QString& sql) const;
    QVariant Scalar(const QString& sql) const;
    QList<QVariantList> Query(const QString& sql) const;
    // Sets a TA_CONFIGURACION key, adding it when missing (Null value: removes it).
    void SetConfig(const QString& clave, const QVariant& valor) const;

    TempProgramFolder folder;
};

} // namespace testsupport

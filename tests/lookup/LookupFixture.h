#pragma once
// A program folder with a database built from db/schema.sql plus a few rows of
// accounts and articles, opened as the main connection; the lookup driver starts fresh.
#include "lookup/Lib_ClsCons3.h"
#include "tests/support/TempProgramFolder.h"
#include <QStringList>

class QComboBox;

namespace lookuptest {

class LookupFixture {
public:
    explicit LookupFixture(const QStringList& statements = {});
    ~LookupFixture();
    void exec(const QString& sql);
    QList<QVariantList> query(const QString& sql);
    testsupport::TempProgramFolder folder;
};

// The list's texts in list order, one column.
QStringList columnTexts(const Lib_FrmCons3& frm, int column);

} // namespace lookuptest

#pragma once
// A program folder with a database built from db/schema.sql plus a few rows of
// accounts and articles, opened as the main connection; the lookup driver starts fresh.
#include "lookup/Lib_ClsCons3.h"
#include "tests/support/TempProgramFolder.h"
#include <QStringList>

class QAbstractItemView;
class QComboBox;
class QRect;

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

// Whether the view shows `text` whole in a cell of `rect`: it fits the rectangle the
// style lays a cell's text in (beside a check box when the cell has one).
bool showsWhole(const QAbstractItemView& view, const QRect& rect, const QString& text, bool checkBox = false);

} // namespace lookuptest

#pragma once
// The reception form started on a fresh demo database (schema and demo rows, plus the
// test's own statements) from the suite's command line, with a fixed clock and
// regional settings; the program-wide objects are put back afterwards.
#include "reception/frmRecepcionMutuales.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RegionalPin.h"
#include "tests/support/TempProgramFolder.h"
#include <QStringList>
#include <memory>

namespace receptiontest {

class ReceptionFixture {
public:
    // The clock stands on 9 December 2026, a day without stored rows.
    explicit ReceptionFixture(const QStringList& statements = {});
    ~ReceptionFixture();

    // Loads the form (its start-up runs); shown, it is the active window and the focus
    // has gone from the date box to the grid.
    frmRecepcionMutuales& open(bool show = true);
    frmRecepcionMutuales& form() { return *form_; }

    // Puts the grid cursor on the cell and gives the grid the focus.
    void goTo(int row, int col);
    // Types `text` on the current cell as an operator does (the first key opens the
    // editor, the rest goes to it), then presses `confirm` in the editor. An empty text
    // opens the editor with Enter, on the cell's own text.
    void typeCell(const QString& text, Qt::Key confirm = Qt::Key_Return);
    // Types account, voucher and amount on the current row from its account cell, leaving
    // the cursor on the business unit.
    void typeRow(const QString& cuenta, const QString& comprobante, const QString& importe);
    // The same, then the business unit as the account filled it in and the observations,
    // and saves the row with F2.
    void saveRow(const QString& cuenta, const QString& comprobante, const QString& importe, const QString& observaciones);
    // The same on a header box: focus, select all, type, confirm.
    void typeHeader(int index, const QString& text, Qt::Key confirm = Qt::Key_Return);
    // Presses a key on the grid as the operator does, the form seeing it first.
    void press(Qt::Key key);

    testsupport::TempProgramFolder folder;

private:
    testsupport::RegionalPin regional_;
    testsupport::FixedClock clock_{2026, 12, 9, 10, 30};
    std::unique_ptr<frmRecepcionMutuales> form_;
};

} // namespace receptiontest

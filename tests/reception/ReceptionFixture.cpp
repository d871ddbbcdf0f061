#include "ReceptionFixture.h"

#include "tests/frame/FrameFixture.h"
#include "platform/vb/App.h"
#include "widgets/Dll_Display.h"
#include <QApplication>
#include <QTest>

namespace receptiontest {

ReceptionFixture::ReceptionFixture(const QStringList& statements)
{
    frametest::ResetProgram();
    gDisplay.reset();
    frametest::CreateDatabase(folder, QStringLiteral("demo.sqlite"),
                              {QStringLiteral("db/schema.sql"), QStringLiteral("db/demo.sql")}, statements);
    frametest::CreateDatabase(folder, QStringLiteral("DE_RIVAVIVUZEDI.sqlite"), {QStringLiteral("db/stats.sql")});
    vb::App::SetCommand(frametest::kDemoLine);
}

ReceptionFixture::~ReceptionFixture()
{
    form_.reset();
    gDisplay.reset();
    frametest::ResetProgram();
}

frmRecepcionMutuales& ReceptionFixture::open(bool show)
{
    form_ = std::make_unique<frmRecepcionMutuales>();
    if (show) {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        form_->activateWindow();
        if (!QTest::qWaitForWindowActive(form_.get()))
            qWarning("the reception form did not become the active window");
        // The operator leaves the date box, its date unchanged, for the grid: nothing is
        // loaded (today's rows load on Enter).
        form_->MSFlexGrid1->setFocus(Qt::MouseFocusReason);
    } else {
        form_->Load();
    }
    return *form_;
}

void ReceptionFixture::goTo(int row, int col)
{
    form_->MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    form_->MSFlexGrid1->SetRow(row);
    form_->MSFlexGrid1->SetCol(col);
}

void ReceptionFixture::typeCell(const QString& text, Qt::Key confirm)
{
    if (text.isEmpty()) {
        QTest::keyClick(form_->MSFlexGrid1, Qt::Key_Return);
    } else {
        QTest::keyClicks(form_->MSFlexGrid1, text.left(1));
        if (text.size() > 1)
            QTest::keyClicks(form_->txtEdit, text.mid(1));
    }
    QTest::keyClick(form_->txtEdit, confirm);
}

void ReceptionFixture::typeRow(const QString& cuenta, const QString& comprobante, const QString& importe)
{
    typeCell(cuenta);
    typeCell(comprobante);
    typeCell(importe);
}

void ReceptionFixture::saveRow(const QString& cuenta, const QString& comprobante, const QString& importe,
                               const QString& observaciones)
{
    typeRow(cuenta, comprobante, importe);
    typeCell(QString());
    typeCell(observaciones);
    press(Qt::Key_F2);
}

void ReceptionFixture::typeHeader(int index, const QString& text, Qt::Key confirm)
{
    CajaTexto* box = form_->txtFields[index];
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
    QTest::keyClick(box, confirm);
}

void ReceptionFixture::press(Qt::Key key)
{
    form_->MSFlexGrid1->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(form_->MSFlexGrid1, key);
}

} // namespace receptiontest

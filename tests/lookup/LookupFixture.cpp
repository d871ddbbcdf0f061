#include "LookupFixture.h"
#include "../frame/FrameFixture.h"
#include "data/DB_Dll.h"
#include "lookup/LookupListModel.h"
#include "platform/ui/Metrics.h"
#include <QAbstractItemView>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace lookuptest {

namespace {
const QStringList kRows = {
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('1101', 'Caja', 0)"),
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('1102', 'banco nación', 0)"),
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('1103', 'Caja chica', 0)"),
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('1', 'ACTIVO', 1)"),
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('2101', 'Abonos a pagar', 0)"),
    QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Titulo) VALUES ('2102', 'acreedores varios', 0)"),
};
} // namespace

LookupFixture::LookupFixture(const QStringList& statements)
{
    frametest::ResetProgram();
    gConsultas.reset();
    ui::SetTwipsPerPixel(15);
    frametest::CreateDatabase(folder, QStringLiteral("test.sqlite"), {QStringLiteral("db/schema.sql")}, kRows + statements);
    frametest::OpenMain(QStringLiteral("test.sqlite"), QStringLiteral("operador"));
}

LookupFixture::~LookupFixture()
{
    gConsultas.reset();
    frametest::ResetProgram();
}

void LookupFixture::exec(const QString& sql)
{
    gDBPrincipal->gCnn->Execute(sql);
}

QList<QVariantList> LookupFixture::query(const QString& sql)
{
    return frametest::Query(QStringLiteral("test.sqlite"), sql);
}

QStringList columnTexts(const Lib_FrmCons3& frm, int column)
{
    QStringList texts;
    for (int r = 0; r < frm.model()->rowCount(); ++r)
        texts << frm.model()->text(r, column);
    return texts;
}

bool showsWhole(const QAbstractItemView& view, const QRect& rect, const QString& text, bool checkBox)
{
    QStyleOptionViewItem opt;
    opt.initFrom(&view);
    opt.font = view.font();
    opt.features = QStyleOptionViewItem::HasDisplay;
    if (checkBox)
        opt.features |= QStyleOptionViewItem::HasCheckIndicator;
    opt.text = text;
    opt.rect = rect;
    const QRect room = view.style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, &view);
    return QFontMetrics(opt.font).horizontalAdvance(text) <= room.width();
}

} // namespace lookuptest

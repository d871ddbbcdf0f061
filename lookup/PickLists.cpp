// The driver's pick lists: options and file lines shown in the list lookup.
#include "lookup/PickLists.h"
#include "frame/Format.h"
#include "lookup/LookupListModel.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Metrics.h"
#include "platform/ui/Operator.h"
#include "platform/vb/TextFile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableView>
#include <functional>

namespace {

// Twips per character of the widest text.
constexpr int kTwipsPerCharacter = 120;

// The options: the first element when it is itself a list, else the elements themselves.
QStringList optionList(const QVariantList& Opc)
{
    if (!Opc.isEmpty()) {
        const QVariant& first = Opc.first();
        if (first.typeId() == QMetaType::QStringList || first.typeId() == QMetaType::QVariantList)
            return first.toStringList();
    }
    QStringList options;
    for (const QVariant& option : Opc)
        options << option.toString();
    return options;
}

// A pick list has no query to narrow: F5 in its search box must not build one.
class NoServerFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && ui::VbKeyCode(*static_cast<QKeyEvent*>(event)) == ui::vbKeyF5)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

struct PickRows {
    QStringList texts;
    QVector<char> ticks;
    int widest = 0;   // characters of the widest text, title included
};

// Shows the rows in a list lookup prepared as a pick list; `read` takes the choice
// before the form goes.
void showPickList(const QString& Titulo, bool checks, const PickRows& rows, const std::function<void(Lib_FrmCons3&)>& read)
{
    Lib_FrmCons3 form;
    form.SQL.clear();
    form.Form_Load();
    form.setWindowTitle(Titulo);
    form.CmdNueva->hide();
    form.OrdenarPorLwv = true;
    form.SQL.clear();
    form.gConnString.clear();
    form.CampoDevuelto = Titulo;
    form.CheckBoxes = checks;
    form.model()->setCheckable(checks);

    NoServerFilter noFilter;
    if (!form.CmbSearch.isEmpty()) {
        QComboBox* box = form.CmbSearch.first();
        const QSignalBlocker quiet(box);
        box->setEditText(QString());
        box->installEventFilter(&noFilter);
        box->lineEdit()->installEventFilter(&noFilter);
    }
    // One column, headed with the title, as wide as the list.
    form.model()->reset({Titulo}, {}, QVector<QString>(rows.texts.begin(), rows.texts.end()), rows.ticks, {});
    form.ListView1->horizontalHeader()->setStretchLastSection(true);
    // The list opens on its first row, so that Enter chooses at once.
    if (form.model()->rowCount() > 0)
        form.ListView1->selectionModel()->setCurrentIndex(form.model()->index(0, 0),
                                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);

    const QScreen* screen = form.screen();
    const int screenTwips = screen ? ui::PixelsToTwips(screen->availableGeometry().width()) : 19200;
    const int wanted = rows.widest * kTwipsPerCharacter;
    const int widthTwips = wanted < screenTwips ? wanted : screenTwips;
    // Never narrower than its buttons need.
    form.resize(qMax(ui::TwipsToPixels(widthTwips), form.minimumSizeHint().width()), form.height());

    ui::ShowModal(form);
    read(form);
    if (!form.CmbSearch.isEmpty()) {
        form.CmbSearch.first()->removeEventFilter(&noFilter);
        form.CmbSearch.first()->lineEdit()->removeEventFilter(&noFilter);
    }
    form.Form_Unload();
}

} // namespace

QString CheckOpciones(Lib_ClsCons3& driver, const QString& Titulo, const Coleccion& CmpsDevueltos,
                      const QVariantList& Opc)
{
    Q_UNUSED(CmpsDevueltos);
    PickRows rows;
    rows.widest = int(Titulo.size());
    for (const QString& option : optionList(Opc)) {
        rows.texts << option.mid(1);
        rows.ticks << char(option.startsWith(QLatin1Char('1')) ? 1 : 0);
        rows.widest = qMax(rows.widest, int(option.size()));
    }
    showPickList(Titulo, true, rows, [&](Lib_FrmCons3& form) { driver.Valores = form.Valores; });
    return QString();
}

QString MenuOpciones(Lib_ClsCons3& driver, const QString& Titulo, const QVariantList& Opc)
{
    Q_UNUSED(driver);
    PickRows rows;
    rows.widest = int(Titulo.size());
    for (const QString& option : optionList(Opc)) {
        rows.texts << option;
        rows.ticks << 0;
        rows.widest = qMax(rows.widest, int(option.size()));
    }
    QString chosen;
    showPickList(Titulo, false, rows, [&](Lib_FrmCons3& form) {
        chosen = form.ValorDevuelto.isNull() ? QString() : form.ValorDevuelto.toString();
    });
    return chosen;
}

QString ConsultaDesdeArchivo(Lib_ClsCons3& driver, const QString& Titulo, const QString& QueArchivo,
                             const QString& Separador)
{
    Q_UNUSED(driver);
    Q_UNUSED(Separador);
    QString path = QueArchivo;
    if (!QFileInfo(path).isFile()) {
        const QFileInfo info(QueArchivo);
        path = vb::FindFileNoCase(info.path(), info.fileName());
    }
    QStringList lines;
    if (!ExisteArchivo(path) || !vb::ReadLines(path, lines)) {
        ui::MsgBox(QStringLiteral("No existe el archivo ") + QueArchivo + QStringLiteral(" que desea consultar consulta "),
                   ui::vbOKOnly);
        return QString();
    }
    PickRows rows;
    rows.widest = int(Titulo.size());
    for (const QString& line : std::as_const(lines)) {
        rows.texts << line;
        rows.ticks << 0;
        rows.widest = qMax(rows.widest, int(line.size()));
    }
    QString chosen;
    showPickList(Titulo, false, rows, [&](Lib_FrmCons3& form) {
        chosen = form.ValorDevuelto.isNull() ? QString() : form.ValorDevuelto.toString();
    });
    return chosen;
}

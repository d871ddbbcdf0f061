// Form icon, toolbar style and skin.
#include "frame/Skin.h"
#include "frame/ManejaError.h"
#include "frame/Startup.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "platform/vb/Strings.h"
#include "platform/vb/TextFile.h"
#include "platform/zeltrix/Services.h"
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <cmath>

namespace {

// The skin choice as a whole number; a text that is no number counts as 0.
int wholeNumber(const QString& text)
{
    const double v = vb::Val(text);
    if (!std::isfinite(v) || std::fabs(v) > 1e9)
        return 0;
    return int(std::nearbyint(v));   // halves to even, as VB converts
}

QPixmap paintedIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    QPainterPath frame;
    frame.addRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), size / 6.0, size / 6.0);
    p.fillPath(frame, QColor(0x1F, 0x4E, 0x79));
    QFont font;
    font.setBold(true);
    font.setPixelSize(int(size * 0.72));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("V"));
    return pixmap;
}

bool hasProperty(const QObject* o, const char* name)
{
    return o->metaObject()->indexOfProperty(name) >= 0 || o->dynamicPropertyNames().contains(QByteArray(name));
}

bool isMdiForm(const QWidget* form)
{
    QString type = QString::fromLatin1(form->metaObject()->className());
    type = type.mid(type.lastIndexOf(QLatin1Char(':')) + 1);
    return type.compare(QLatin1String("FRMMDI"), Qt::CaseInsensitive) == 0
        || form->objectName().compare(QLatin1String("FRMMDI"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString ArchivoSkin(int Estilo)
{
    switch (Estilo) {
    case 1: return QStringLiteral("Styles/Vista.qss");
    case 2: return QStringLiteral("Styles/WinXP.Luna.qss");
    case 3: return QStringLiteral("Styles/WinXP.Royale.qss");
    case 4: return QStringLiteral("Styles/iTunes/Normalitunes.qss");
    default: return QStringLiteral("Styles/Office2007.qss");
    }
}

void AplicaSkin(QWidget* Form)
{
    if (!Form)
        return;
    const QString value = ArchivoIni->LeeIni(QStringLiteral("tz417qv.ini"), vb::UCase(InfoEquipo->NombreUsuario()) + QStringLiteral("Styles"),
                                             QStringLiteral("Styles"), QStringLiteral("1"));
    const QString path = vb::FindFileNoCase(vb::App::Path(), ArchivoSkin(wholeNumber(value)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        // Without its skin the form is still fully usable: only the log keeps the fault.
        Form->setStyleSheet(QString());
        LogErrorSilently(vb::VbError(53, QStringLiteral("No se pudo leer el skin ") + path, QStringLiteral("AplicaSkin")),
                         QStringLiteral("AplicaSkin"));
        return;
    }
    Form->setStyleSheet(QString::fromUtf8(file.readAll()));
}

QIcon IconoVandrel()
{
    for (const QString& name : {QStringLiteral("vandrel.ico"), QStringLiteral("vandrel.png")}) {
        const QString path = vb::FindFileNoCase(vb::App::Path(), name);
        if (!QFileInfo::exists(path))
            continue;
        const QIcon icon(path);
        if (!icon.isNull() && !icon.availableSizes().isEmpty())
            return icon;
    }
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(paintedIcon(size));
    return icon;
}

void AsignaIconoYEstilo(QWidget* Form)
{
    if (!Form)
        return;
    Form->setWindowIcon(IconoVandrel());
    if (isMdiForm(Form))
        return;
    for (const char* name : {"UtilKor1", "TBarRep1", "Util0011"}) {
        QObject* control = Form->findChild<QObject*>(QString::fromLatin1(name));
        if (control && hasProperty(control, "StyleBar"))
            control->setProperty("StyleBar", gEstiloBarras.toQVariant());
    }
    ui::DoEvents();
}

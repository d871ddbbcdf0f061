// The program's entry: the Qt application, VB's command line, then the reception form,
// whose load starts the program up and whose unload ends it.
#include "data/DB_Dll.h"
#include "data/frmAcceso.h"
#include "frame/ManejaError.h"
#include "platform/ui/InterfaceFont.h"
#include "platform/vb/App.h"
#include "reception/frmRecepcionMutuales.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RecepcionMutuales"));
    ui::UseDesktopFontSize();

    // VB's Command: the arguments after the program name, joined by blanks.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    vb::App::SetCommandFromArgs(args);

    // The connection dialog with the known databases, for a start without connection data.
    data::InstalaFormularioAcceso([](const vb::VbError& e, const QString& r) { return int(ManejaError(e, std::nullopt, r)); });

    // Whichever way the program ends (Cerrar, the window, an error answer that ends
    // it), its database connections are closed first.
    vb::App::SetBeforeEnd(CloseAllConnections);

    frmRecepcionMutuales form;
    form.show();
    const int status = app.exec();
    CloseAllConnections();
    return status;
}

// The program's entry: the Qt application, VB's command line, start-up, then the main window.
#include "data/frmAcceso.h"
#include "frame/ManejaError.h"
#include "frame/Startup.h"
#include "platform/vb/App.h"

#include <QApplication>
#include <QMainWindow>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RecepcionMutuales"));

    // VB's Command: the arguments after the program name, joined by blanks.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    vb::App::SetCommandFromArgs(args);

    // The connection dialog with the known databases, for a start without connection data.
    data::InstalaFormularioAcceso([](const vb::VbError& e, const QString& r) { return int(ManejaError(e, std::nullopt, r)); });

    // Connects, loads the configuration and opens the run's access-log row; it ends the
    // program itself when no connection can be opened.
    QString cadenaConexion;
    InicializaSistema(false, QString(), cadenaConexion, 3);

    // Until the reception form lands, an empty main window.
    QMainWindow window;
    window.setObjectName(QStringLiteral("frmPrincipal"));
    window.setWindowTitle(QStringLiteral("Recepción de Mutuales"));
    window.resize(1024, 700);
    window.show();
    const int exitCode = app.exec();
    FinalizaSistema();
    return exitCode;
}

#include "StockWorkstation.h"

#include "frame/Config.h"
#include "frame/Startup.h"
#include "platform/ui/Operator.h"
#include "platform/vb/App.h"
#include "tests/frame/FrameFixture.h"
#include "tests/support/TestMain.h"

#include <cstdio>

namespace stocktest {

namespace {

// The platform is chosen before the application exists.
bool prepare()
{
    testsupport::PrepareTestProcess();
    return true;
}

} // namespace

Workstation::Workstation(int& argc, char** argv, QDate today)
    : prepared_(prepare())
    , app_(argc, argv)
    , clock_(today.year(), today.month(), today.day(), 10, 30)
{
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: %s <folder> <database> <first number> <vouchers>\n",
                     qPrintable(QCoreApplication::applicationName()));
        return;
    }
    vb::App::SetPath(args[1]);
    ui::SetOperator(&op_);
    frametest::OpenMain(args[2]);
    gPeriodo = 2026;
    gUsuarioLogeado = QStringLiteral("Vandrel");
    first_ = args[3].toInt();
    vouchers_ = args[4].toInt();
    mode_ = args.value(5);
    started_ = true;
}

Workstation::~Workstation()
{
    ui::SetOperator(nullptr);
}

QString Workstation::Numero(int i) const
{
    return QStringLiteral("%1").arg(first_ + i, 8, 10, QLatin1Char('0'));
}

int Workstation::Finish(int posted)
{
    std::printf("POSTED %d BOXES %d\n", posted, op_.boxes);
    std::fflush(stdout);
    return 0;
}

} // namespace stocktest

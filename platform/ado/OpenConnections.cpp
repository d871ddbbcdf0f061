#include "platform/ado/OpenConnections.h"
#include "platform/ado/Provider.h"

#include <QCoreApplication>
#include <QSet>

namespace ado {

namespace {

bool registryGone = false;
void closeAll();

// Built on the first connection, that is after Qt's list of connections and its
// drivers: destroyed before them, so the connections it closes still have their driver.
// The application object unloads the drivers when it goes: what is open then is closed
// first.
struct Registry {
    Registry()
    {
        if (QCoreApplication::instance())
            qAddPostRoutine(closeAll);
    }
    ~Registry()
    {
        closeAll();
        registryGone = true;
    }
    QSet<Provider*> open;
};

Registry& registry()
{
    static Registry r;
    return r;
}

void closeAll()
{
    if (registryGone)
        return;
    const QSet<Provider*> still = registry().open;
    for (Provider* p : still) {
        try { p->close(); } catch (...) {}
    }
}

} // namespace

void NoteOpened(Provider* provider)
{
    registry().open.insert(provider);
}

void NoteClosed(Provider* provider)
{
    if (!registryGone)
        registry().open.remove(provider);
}

int OpenConnectionCount()
{
    return registryGone ? 0 : int(registry().open.size());
}

} // namespace ado

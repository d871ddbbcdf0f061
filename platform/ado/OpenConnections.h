#pragma once
// The QtSql connections the providers hold open. Whatever order the program's objects
// are destroyed in at the end of the process, every connection still open is closed
// before Qt's own list of connections goes away. Internal to the data layer.

namespace ado {

class Provider;

// Called by a provider right after it has added its QtSql connection, and when it
// has removed it.
void NoteOpened(Provider* provider);
void NoteClosed(Provider* provider);

// How many connections are open now (for tests).
int OpenConnectionCount();

} // namespace ado

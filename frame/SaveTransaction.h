#pragma once
// One transaction of a save on the main connection, under the database's write lock
// from its first statement ("BEGIN TRANSACTION": SQLite takes the whole database there;
// on SQL Server the reads made in it carry lock hints). While it is open, an error that
// would open the data layer's error dialog is raised as data::ErrorInTransaction to the
// code that holds the transaction instead: nothing is shown while the lock is held.
#include <QString>

namespace ado {
class Recordset;
}

class SaveTransaction {
public:
    SaveTransaction() = default;
    ~SaveTransaction();   // rolls back what is still open
    SaveTransaction(const SaveTransaction&) = delete;
    SaveTransaction& operator=(const SaveTransaction&) = delete;

    // "BEGIN TRANSACTION". False when it could not begin.
    bool Begin();
    // "SAVE TRANSACTION point".
    bool Save(const QString& point);
    // "ROLLBACK TRANSACTION point": the work since the savepoint is undone, the rest of
    // the transaction stays. False when the savepoint is gone with the whole transaction
    // (the server ends it on a deadlock, for one).
    bool RollbackTo(const QString& point);
    // "COMMIT TRANSACTION"; a commit the server refuses is rolled back.
    bool Commit();
    // "ROLLBACK TRANSACTION"; nothing when no transaction is open.
    void Rollback();

    // A statement of the save, its rows (if any) into `rows`; false when it failed, the
    // failure kept as below and the connection's errors cleared.
    bool Run(const QString& statement, ado::Recordset* rows = nullptr);

    bool IsOpen() const { return open_; }
    // The last statement run through this that failed: the server's description and
    // number, and whether it waited for a lock in vain (running the whole transaction
    // again may succeed).
    QString FailureText() const { return failureText_; }
    int FailureNumber() const { return failureNumber_; }
    bool LockWait() const { return lockWait_; }

private:
    void ended();

    bool open_ = false;
    QString failureText_;
    int failureNumber_ = 0;
    bool lockWait_ = false;
};

#pragma once
// One transaction of a save on the main connection, under the database's write lock
// from its first statement ("BEGIN TRANSACTION": SQLite takes the whole database there;
// on SQL Server the reads made in it carry lock hints). While it is open, an error that
// would open the data layer's error dialog is raised as data::ErrorInTransaction to the
// code that holds the transaction instead: nothing is shown while the lock is held.
#include <QString>

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

    bool IsOpen() const { return open_; }
    // The last statement of these that failed: the server's description, and whether it
    // waited for a lock in vain (running the whole transaction again may succeed).
    QString FailureText() const { return failureText_; }
    bool LockWait() const { return lockWait_; }

private:
    bool run(const QString& statement);
    void ended();

    bool open_ = false;
    QString failureText_;
    bool lockWait_ = false;
};

#pragma once
// ADO's Recordset as the system uses it: a client-side snapshot (every row read on
// open), moves, fields by name or ordinal, and AddNew/Update on a single-table query.
#include <cstdio>
#include "platform/ado/Field.h"
#include <QString>
#include <QVector>
#include <memory>

// ADO's member is called EOF; the C library's macro of that name would hide it.
#undef EOF

namespace ado {

class Connection;

enum CursorTypeEnum : int { adOpenUnspecified = -1, adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum LockTypeEnum : int { adLockUnspecified = -1, adLockReadOnly = 1, adLockPessimistic = 2, adLockOptimistic = 3, adLockBatchOptimistic = 4 };
enum ObjectStateEnum : int { adStateClosed = 0, adStateOpen = 1 };
enum CursorLocationEnum : int { adUseServer = 2, adUseClient = 3 };

class Recordset {
public:
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Runs the statement on the connection and reads every row. 3705 when already open.
    // Unspecified cursor and lock types keep the values set before.
    void Open(const QString& source, Connection& connection, int cursorType = adOpenUnspecified,
              int lockType = adLockUnspecified, int options = -1);
    void Close();   // 3704 when closed
    int State() const;

    bool EOF() const;   // 3704 when closed
    bool BOF() const;
    void MoveFirst();
    void MoveNext();      // 3021 past the end
    void MovePrevious();  // 3021 before the start
    void MoveLast();
    int RecordCount() const;

    ado::Fields& Fields();
    Field& Fields(const QString& name) { return Fields().Item(name); }
    Field& Fields(int index) { return Fields().Item(index); }
    Field& operator()(const QString& name) { return Fields().Item(name); }

    // VB's GetRows: up to `rows` rows from the current one (-1: all), as [field][row];
    // the current row moves past them.
    QVector<QVector<vb::Variant>> GetRows(int rows = -1);

    // A new row whose fields are assigned and stored by Update (INSERT); assigning the
    // fields of an existing row and Update stores them (UPDATE by key or row id).
    void AddNew();
    void Update();
    void CancelUpdate();

    int CursorType() const;
    void SetCursorType(int type);
    int LockType() const;
    void SetLockType(int type);
    QString Source() const;

    // Used by Connection::Execute: a recordset over rows already read.
    static Recordset fromResult(std::shared_ptr<class ConnectionData> connection, const QString& source, struct ResultSet rows);

private:
    std::unique_ptr<RecordsetData> d_;
};

} // namespace ado

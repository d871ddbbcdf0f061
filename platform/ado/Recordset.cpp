#include "platform/ado/Recordset.h"
#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionData.h"
#include "platform/ado/SqlTokens.h"

#include <deque>
#include <optional>

namespace ado {

namespace {
const QString kSource = QStringLiteral("ADODB.Recordset");

[[noreturn]] void raise(int number)
{
    QString text;
    switch (number) {
    case adErrNoCurrentRecord:
        text = QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.");
        break;
    case adErrItemNotFound:
        text = QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.");
        break;
    case adErrObjectClosed: text = QStringLiteral("Operation is not allowed when the object is closed."); break;
    case adErrObjectOpen: text = QStringLiteral("Operation is not allowed when the object is open."); break;
    case adErrIllegalOperation: text = QStringLiteral("Operation is not allowed in this context."); break;
    case adErrFeatureNotAvailable:
        text = QStringLiteral("Current Recordset does not support updating. This may be a limitation of the provider, or of the selected locktype.");
        break;
    default: break;
    }
    throw vb::VbError(number, text, kSource);
}

// The one table a SELECT reads, or empty when it reads several or none.
QString singleTable(const QString& source)
{
    const std::vector<sql::Token> t = sql::Tokenize(source);
    int depth = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const auto& k = t[i];
        if (k.kind == sql::Token::Punct) {
            if (k.text == QLatin1String("(")) ++depth;
            else if (k.text == QLatin1String(")")) --depth;
            continue;
        }
        if (depth != 0 || k.kind != sql::Token::Word || k.text.compare(QLatin1String("FROM"), Qt::CaseInsensitive) != 0) continue;
        QStringList parts;
        size_t j = i + 1;
        auto sig = [&](size_t& at) {
            while (at < t.size() && (t[at].kind == sql::Token::Space || t[at].kind == sql::Token::Comment)) ++at;
            return at < t.size();
        };
        if (!sig(j)) return {};
        // name or owner.name
        while (j < t.size()) {
            const auto& n = t[j];
            if (n.kind == sql::Token::Word) parts.append(n.text);
            else if (n.kind == sql::Token::Bracketed || n.kind == sql::Token::DQuoted) parts.append(n.text.mid(1, n.text.size() - 2));
            else return {};
            ++j;
            if (j < t.size() && t[j].kind == sql::Token::Punct && t[j].text == QLatin1String(".")) { ++j; continue; }
            break;
        }
        // anything after the table at this level that joins another makes it several
        int d = 0;
        for (size_t k2 = j; k2 < t.size(); ++k2) {
            const auto& m = t[k2];
            if (m.kind == sql::Token::Punct) {
                if (m.text == QLatin1String("(")) ++d;
                else if (m.text == QLatin1String(")")) --d;
                else if (d == 0 && m.text == QLatin1String(",")) return {};
            } else if (d == 0 && m.kind == sql::Token::Word && m.text.compare(QLatin1String("JOIN"), Qt::CaseInsensitive) == 0) {
                return {};
            }
        }
        return parts.isEmpty() ? QString() : parts.last();
    }
    return {};
}
// A source that is only a table name reads the whole table, as ADO does when it is
// left to work out what the command is.
QString commandOf(const QString& source)
{
    // A name is made of name characters, dots and blanks, with brackets, double quotes or
    // comments around: any other character outside those makes a statement, and nearly
    // every statement shows one, so it is not cut into pieces to learn it.
    bool onlyNameCharacters = true;
    for (const QChar c : source) {
        if (c == u'[' || c == u'"' || c == u'-' || c == u'/') {
            onlyNameCharacters = true;
            break;
        }
        if (!(sql::IsNameCharacter(c) || c == u'.' || c.isSpace()))
            onlyNameCharacters = false;
    }
    if (!onlyNameCharacters)
        return source;
    const std::vector<sql::Token> t = sql::Tokenize(source);
    int names = 0;
    bool expectName = true;
    for (const auto& k : t) {
        if (k.kind == sql::Token::Space || k.kind == sql::Token::Comment) continue;
        const bool name = k.kind == sql::Token::Word || k.kind == sql::Token::Bracketed || k.kind == sql::Token::DQuoted;
        if (expectName && name) { ++names; expectName = false; continue; }
        if (!expectName && k.kind == sql::Token::Punct && k.text == QLatin1String(".")) { expectName = true; continue; }
        return source;
    }
    if (names == 0 || expectName) return source;
    static const QStringList keywords = {QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"), QStringLiteral("BEGIN"),
                                         QStringLiteral("GO"), QStringLiteral("PRINT"), QStringLiteral("RETURN")};
    if (names == 1 && keywords.contains(source.trimmed(), Qt::CaseInsensitive)) return source;
    return QStringLiteral("SELECT * FROM ") + source.trimmed();
}
} // namespace

class RecordsetData {
public:
    std::shared_ptr<ConnectionData> connection;
    ResultSet rs;
    QString source;
    bool open = false;
    int pos = 0;                 // current row; -1 before the first, rowCount after the last
    int cursorType = adOpenForwardOnly;
    int lockType = adLockReadOnly;
    std::deque<Field> fieldObjects;
    ado::Fields fields{this};
    enum Edit { None, Editing, Adding } edit = None;
    std::vector<std::optional<vb::Variant>> pending;
    int addedFrom = 0;           // where the cursor was before AddNew

    static Field makeField(RecordsetData* d, int i) { return Field(d, i); }

    void setResult(ResultSet r)
    {
        rs = std::move(r);
        fieldObjects.clear();
        for (int i = 0; i < rs.columns.size(); ++i) fieldObjects.push_back(makeField(this, i));
        pos = 0;
        open = true;
        edit = None;
        pending.clear();
    }
    void requireOpen() const { if (!open) raise(adErrObjectClosed); }
    int rows() const { return rs.rowCount(); }
    bool atRow() const { return pos >= 0 && pos < rows(); }
    int indexOf(const QString& name) const
    {
        for (int i = 0; i < rs.columns.size(); ++i)
            if (rs.columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
        return -1;
    }
    const vb::Variant& cell(int row, int col) const { return rs.cells[row * rs.columns.size() + col]; }
    vb::Variant& cell(int row, int col) { return rs.cells[row * rs.columns.size() + col]; }

    void update();
    void cancel()
    {
        if (edit == Adding) {
            rs.cells.resize(rs.cells.size() - rs.columns.size());
            pos = addedFrom;
        }
        edit = None;
        pending.clear();
    }
    void finishPendingEdit() { if (edit != None) update(); }
};

// ---------------------------------------------------------------- Field, Fields

QString Field::Name() const
{
    rs_->requireOpen();
    return rs_->rs.columns[index_].name;
}

vb::Variant Field::Value() const
{
    rs_->requireOpen();
    if (rs_->edit != RecordsetData::None && rs_->pending.size() > size_t(index_) && rs_->pending[index_])
        return *rs_->pending[index_];
    if (!rs_->atRow()) raise(adErrNoCurrentRecord);
    return rs_->cell(rs_->pos, index_);
}

void Field::SetValue(const vb::Variant& value)
{
    rs_->requireOpen();
    if (rs_->lockType == adLockReadOnly || rs_->lockType == adLockUnspecified) raise(adErrFeatureNotAvailable);
    if (rs_->edit == RecordsetData::None) {
        if (!rs_->atRow()) raise(adErrNoCurrentRecord);
        rs_->edit = RecordsetData::Editing;
    }
    rs_->pending.resize(rs_->rs.columns.size());
    rs_->pending[index_] = value;
}

int Field::Type() const
{
    rs_->requireOpen();
    return rs_->rs.columns[index_].type;
}

int Field::DefinedSize() const
{
    rs_->requireOpen();
    return rs_->rs.columns[index_].definedSize;
}

QString Field::BaseColumnName() const
{
    rs_->requireOpen();
    return rs_->rs.columns[index_].baseColumn;
}

int Fields::Count() const
{
    return rs_->open ? int(rs_->rs.columns.size()) : 0;
}

Field& Fields::Item(int index)
{
    rs_->requireOpen();
    if (index < 0 || index >= int(rs_->fieldObjects.size())) raise(adErrItemNotFound);
    return rs_->fieldObjects[index];
}

Field& Fields::Item(const QString& name)
{
    rs_->requireOpen();
    const int i = rs_->indexOf(name);
    if (i < 0) raise(adErrItemNotFound);
    return rs_->fieldObjects[i];
}

// ---------------------------------------------------------------- Update

void RecordsetData::update()
{
    if (edit == None) return;
    if (!connection || !connection->isOpen()) raise(adErrObjectClosed);
    const QString table = singleTable(source);
    if (table.isEmpty()) raise(adErrFeatureNotAvailable);
    RowChange change;
    change.table = table;
    change.insert = edit == Adding;
    for (int i = 0; i < rs.columns.size(); ++i) {
        if (i < int(pending.size()) && pending[i]) {
            const ColumnInfo& c = rs.columns[i];
            change.values.append({c.baseColumn.isEmpty() ? c.name : c.baseColumn, *pending[i]});
        }
    }
    Provider& p = connection->begin();
    if (!change.insert) {
        if (change.values.isEmpty()) { edit = None; pending.clear(); return; }
        const QStringList pk = p.primaryKey(table);
        auto column = [&](const QString& name) {
            for (int i = 0; i < rs.columns.size(); ++i) {
                const ColumnInfo& c = rs.columns[i];
                if ((c.baseColumn.isEmpty() ? c.name : c.baseColumn).compare(name, Qt::CaseInsensitive) == 0) return i;
            }
            return -1;
        };
        bool keyFound = !pk.isEmpty();
        for (const QString& k : pk) {
            const int i = column(k);
            if (i < 0) { keyFound = false; break; }
            change.key.append({k, cell(pos, i)});
        }
        if (!keyFound) {
            change.key.clear();
            for (int i = 0; i < rs.columns.size(); ++i) {
                const ColumnInfo& c = rs.columns[i];
                if (c.type == adLongVarBinary || c.type == adVarBinary) continue;
                change.key.append({c.baseColumn.isEmpty() ? c.name : c.baseColumn, cell(pos, i)});
            }
        }
    }
    const RowChangeResult r = p.applyRowChange(change, connection->errors);
    for (int i = 0; i < rs.columns.size(); ++i)
        if (i < int(pending.size()) && pending[i]) cell(pos, i) = *pending[i];
    if (change.insert && r.newId) {
        for (int i = 0; i < rs.columns.size(); ++i) {
            const ColumnInfo& c = rs.columns[i];
            const QString name = c.baseColumn.isEmpty() ? c.name : c.baseColumn;
            if (!r.idColumn.isEmpty() && name.compare(r.idColumn, Qt::CaseInsensitive) == 0 && cell(pos, i).isNull())
                cell(pos, i) = vb::Variant(int(*r.newId));
        }
    }
    edit = None;
    pending.clear();
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset() : d_(std::make_unique<RecordsetData>()) {}
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&& o) noexcept : d_(std::move(o.d_)) { o.d_ = std::make_unique<RecordsetData>(); }
Recordset& Recordset::operator=(Recordset&& o) noexcept
{
    if (this != &o) {
        // like VB's Set: this object becomes the other one, its types included
        d_ = std::move(o.d_);
        o.d_ = std::make_unique<RecordsetData>();
    }
    return *this;
}

Recordset Recordset::fromResult(std::shared_ptr<ConnectionData> connection, const QString& source, ResultSet rows)
{
    Recordset r;
    r.d_->connection = std::move(connection);
    r.d_->source = source;
    r.d_->cursorType = adOpenForwardOnly;
    r.d_->lockType = adLockReadOnly;
    r.d_->setResult(std::move(rows));
    return r;
}

void Recordset::Open(const QString& source, Connection& connection, int cursorType, int lockType, int)
{
    if (d_->open) raise(adErrObjectOpen);
    if (cursorType != adOpenUnspecified) d_->cursorType = cursorType;
    if (lockType != adLockUnspecified) d_->lockType = lockType;
    std::shared_ptr<ConnectionData> c = connection.data();
    Provider& p = c->begin();
    const QString command = commandOf(source);
    ExecResult r = p.execute(command, c->errors);
    d_->connection = c;
    d_->source = command;
    if (r.rows) {
        d_->setResult(std::move(*r.rows));
    } else {
        // a statement that returns no rows leaves the recordset closed, as in ADO
        d_->open = false;
    }
}

void Recordset::Close()
{
    d_->requireOpen();
    if (d_->edit != RecordsetData::None) raise(adErrIllegalOperation);
    d_->open = false;
    d_->rs = ResultSet();
    d_->fieldObjects.clear();
}

int Recordset::State() const { return d_->open ? adStateOpen : adStateClosed; }

bool Recordset::EOF() const
{
    d_->requireOpen();
    return d_->rows() == 0 || d_->pos >= d_->rows();
}

bool Recordset::BOF() const
{
    d_->requireOpen();
    return d_->rows() == 0 || d_->pos < 0;
}

void Recordset::MoveFirst()
{
    d_->requireOpen();
    d_->finishPendingEdit();
    if (d_->rows() == 0) raise(adErrNoCurrentRecord);
    d_->pos = 0;
}

void Recordset::MoveLast()
{
    d_->requireOpen();
    d_->finishPendingEdit();
    if (d_->rows() == 0) raise(adErrNoCurrentRecord);
    d_->pos = d_->rows() - 1;
}

void Recordset::MoveNext()
{
    d_->requireOpen();
    d_->finishPendingEdit();
    if (d_->rows() == 0 || d_->pos >= d_->rows()) raise(adErrNoCurrentRecord);
    ++d_->pos;
}

void Recordset::MovePrevious()
{
    d_->requireOpen();
    d_->finishPendingEdit();
    if (d_->rows() == 0 || d_->pos < 0) raise(adErrNoCurrentRecord);
    --d_->pos;
}

int Recordset::RecordCount() const
{
    d_->requireOpen();
    return d_->rows();
}

ado::Fields& Recordset::Fields()
{
    d_->requireOpen();
    return d_->fields;
}

QVector<QVector<vb::Variant>> Recordset::GetRows(int rows)
{
    d_->requireOpen();
    if (!d_->atRow()) raise(adErrNoCurrentRecord);
    const int cols = d_->rs.columns.size();
    const int available = d_->rows() - d_->pos;
    const int take = rows < 0 ? available : std::min(rows, available);
    QVector<QVector<vb::Variant>> out(cols);
    for (int c = 0; c < cols; ++c) {
        out[c].reserve(take);
        for (int r = 0; r < take; ++r) out[c].append(d_->cell(d_->pos + r, c));
    }
    d_->pos += take;
    return out;
}

void Recordset::AddNew()
{
    d_->requireOpen();
    if (d_->lockType == adLockReadOnly || d_->lockType == adLockUnspecified) raise(adErrFeatureNotAvailable);
    d_->finishPendingEdit();
    d_->addedFrom = d_->pos;
    for (int i = 0; i < d_->rs.columns.size(); ++i) d_->rs.cells.append(vb::Variant::Null());
    d_->pos = d_->rows() - 1;
    d_->edit = RecordsetData::Adding;
    d_->pending.assign(d_->rs.columns.size(), std::nullopt);
}

void Recordset::Update()
{
    d_->requireOpen();
    if (d_->edit == RecordsetData::None) return;
    // on failure the edit stays pending, for the caller to correct or cancel
    d_->update();
}

void Recordset::CancelUpdate()
{
    d_->requireOpen();
    d_->cancel();
}

int Recordset::CursorType() const { return d_->cursorType; }
void Recordset::SetCursorType(int type)
{
    if (d_->open) raise(adErrObjectOpen);
    d_->cursorType = type;
}
int Recordset::LockType() const { return d_->lockType; }
void Recordset::SetLockType(int type)
{
    if (d_->open) raise(adErrObjectOpen);
    d_->lockType = type;
}
QString Recordset::Source() const { return d_->source; }

} // namespace ado

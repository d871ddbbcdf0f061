#include "platform/ado/Command.h"
#include "platform/ado/Connection.h"
#include "platform/ado/ConnectionData.h"

namespace ado {

namespace {
const QString kSource = QStringLiteral("ADODB.Command");

[[noreturn]] void raise(int number, const QString& text)
{
    throw vb::VbError(number, text, kSource);
}

[[noreturn]] void wrongArgument()
{
    raise(3001, QStringLiteral("Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another."));
}
} // namespace

// ---- Parameter ----

Parameter::Parameter(const QString& name, int type, int direction, long size, const vb::Variant& value)
    : name_(name), type_(type), size_(size), value_(value)
{
    SetDirection(direction);
}

void Parameter::SetDirection(int direction)
{
    if (direction != adParamInput && direction != adParamUnknown)
        wrongArgument();
    direction_ = adParamInput;
}

// ---- Parameters ----

int Parameters::indexOf(const QString& name) const
{
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i].Name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Parameter& Parameters::Item(int index)
{
    if (index < 0 || index >= items_.size())
        raise(adErrItemNotFound, QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal."));
    return items_[index];
}

Parameter& Parameters::Item(const QString& name)
{
    return Item(indexOf(name));
}

void Parameters::Append(const Parameter& parameter)
{
    items_.append(parameter);
}

void Parameters::Delete(int index)
{
    Item(index);
    items_.removeAt(index);
}

void Parameters::Delete(const QString& name)
{
    Delete(indexOf(name));
}

// ---- Command ----

void Command::SetCommandType(int type)
{
    if (type != adCmdText && type != adCmdUnknown && type != adCmdUnspecified)
        wrongArgument();
    type_ = adCmdText;
}

Parameter Command::CreateParameter(const QString& name, int type, int direction, long size, const vb::Variant& value) const
{
    return Parameter(name, type, direction, size, value);
}

Recordset Command::Execute(long* recordsAffected)
{
    if (!connection_)
        raise(adErrInvalidConnection,
              QStringLiteral("The connection cannot be used to perform this operation. It is either closed or invalid in this context."));
    const std::shared_ptr<ConnectionData> d = connection_->data();
    Provider& provider = d->begin();
    QVector<BoundValue> values;
    for (const Parameter& p : parameters_.all())
        values.append(BoundValue{p.Value(), p.Type()});

    // The command's own timeout while it runs; the connection's again afterwards.
    struct Timeout {
        const std::shared_ptr<ConnectionData>& d;
        ~Timeout()
        {
            if (d->provider)
                d->provider->setCommandTimeout(d->commandTimeout);
        }
    } restore{d};
    provider.setCommandTimeout(timeout_);
    ExecResult r = provider.executeBound(text_, values, d->errors);
    if (recordsAffected)
        *recordsAffected = r.affected;
    if (!r.rows)
        return Recordset();
    return Recordset::fromResult(d, text_, std::move(*r.rows));
}

} // namespace ado

#pragma once
// ADO's Command with its Parameters: one statement whose ? markers take the values of the
// parameters, in the order they were appended. The values travel to the engine bound,
// never written into the statement's text, so a text holding quotes or SQL is only a text.
#include "platform/ado/Field.h"
#include "platform/ado/Recordset.h"
#include "platform/vb/Variant.h"
#include <QList>
#include <QString>

namespace ado {

class Connection;

enum CommandTypeEnum : int { adCmdUnspecified = -1, adCmdText = 1, adCmdUnknown = 8 };
enum ParameterDirectionEnum : int { adParamUnknown = 0, adParamInput = 1 };

class Parameter {
public:
    Parameter() = default;
    Parameter(const QString& name, int type, int direction, long size, const vb::Variant& value);

    QString Name() const { return name_; }
    void SetName(const QString& name) { name_ = name; }
    // DataTypeEnum. A date type reads a text value as a date (day/month/year or ISO).
    int Type() const { return type_; }
    void SetType(int type) { type_ = type; }
    // Only input parameters: a statement's markers take values, they give none back (3001).
    int Direction() const { return direction_; }
    void SetDirection(int direction);
    long Size() const { return size_; }
    void SetSize(long size) { size_ = size; }
    const vb::Variant& Value() const { return value_; }
    void SetValue(const vb::Variant& value) { value_ = value; }

private:
    QString name_;
    int type_ = adEmpty;
    int direction_ = adParamInput;
    long size_ = 0;
    vb::Variant value_;
};

class Parameters {
public:
    int Count() const { return int(items_.size()); }
    // By 0-based ordinal, or by name ignoring case; 3265 when missing.
    Parameter& Item(int index);
    Parameter& Item(const QString& name);
    Parameter& operator[](int index) { return Item(index); }
    Parameter& operator[](const QString& name) { return Item(name); }
    void Append(const Parameter& parameter);
    void Delete(int index);
    void Delete(const QString& name);

    const QList<Parameter>& all() const { return items_; }

private:
    int indexOf(const QString& name) const;
    QList<Parameter> items_;
};

class Command {
public:
    // The connection the command runs on; it must outlive the command's use.
    Connection* ActiveConnection() const { return connection_; }
    void SetActiveConnection(Connection& connection) { connection_ = &connection; }
    QString CommandText() const { return text_; }
    void SetCommandText(const QString& text) { text_ = text; }
    int CommandType() const { return type_; }
    // Text commands only (3001 for others): the system runs no stored procedures.
    void SetCommandType(int type);
    int CommandTimeout() const { return timeout_; }   // seconds; 30 by default
    void SetCommandTimeout(int seconds) { timeout_ = qMax(0, seconds); }

    ado::Parameters& Parameters() { return parameters_; }
    Parameter CreateParameter(const QString& name = {}, int type = adEmpty, int direction = adParamInput, long size = 0,
                              const vb::Variant& value = {}) const;

    // Runs the statement with the parameters' values. The rows of a statement that selects
    // (a closed recordset otherwise). 3709 without an open connection; a parameter count
    // that does not match the statement's markers is the provider's error.
    Recordset Execute(long* recordsAffected = nullptr);

private:
    Connection* connection_ = nullptr;
    QString text_;
    int type_ = adCmdText;
    int timeout_ = 30;
    ado::Parameters parameters_;
};

} // namespace ado

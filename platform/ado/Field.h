#pragma once
// ADO's Field and Fields: the columns of a recordset's current row.
#include "platform/vb/Variant.h"
#include <QString>

namespace ado {

// ADO data type codes, reported by Field::Type.
enum DataTypeEnum : int {
    adEmpty = 0, adSmallInt = 2, adInteger = 3, adSingle = 4, adDouble = 5, adCurrency = 6,
    adDate = 7, adBSTR = 8, adBoolean = 11, adDecimal = 14, adTinyInt = 16,
    adUnsignedTinyInt = 17, adBigInt = 20, adBinary = 128, adChar = 129, adWChar = 130,
    adNumeric = 131, adDBDate = 133, adDBTime = 134, adDBTimeStamp = 135,
    adVarChar = 200, adLongVarChar = 201, adVarWChar = 202, adLongVarWChar = 203,
    adVarBinary = 204, adLongVarBinary = 205,
};

// Whether a type code is one of the date and time types.
inline bool IsDateType(int type)
{
    return type == adDate || type == adDBDate || type == adDBTime || type == adDBTimeStamp;
}

class RecordsetData;

class Field {
public:
    QString Name() const;
    // The value in the current row; 3021 when there is none, 3704 on a closed recordset.
    vb::Variant Value() const;
    // Assigning changes the current (or newly added) row until Update.
    void SetValue(const vb::Variant& value);
    Field& operator=(const vb::Variant& value) { SetValue(value); return *this; }
    // rs("A") = rs2("B") assigns the value, as VB's default property does.
    Field& operator=(const Field& other) { SetValue(other.Value()); return *this; }
    operator vb::Variant() const { return Value(); }
    int Type() const;          // DataTypeEnum
    int DefinedSize() const;   // characters for texts, bytes for other types
    // The column of a table or view the field reads (ADO's BASECOLUMNNAME property);
    // empty for a value the statement computes.
    QString BaseColumnName() const;

    Field(const Field&) = default;

private:
    friend class RecordsetData;
    Field(RecordsetData* rs, int index) : rs_(rs), index_(index) {}
    RecordsetData* rs_;
    int index_;
};

class Fields {
public:
    int Count() const;
    // By 0-based ordinal, or by name ignoring case (the first match wins); 3265 when missing.
    Field& Item(int index);
    Field& Item(const QString& name);
    Field& operator[](int index) { return Item(index); }
    Field& operator[](const QString& name) { return Item(name); }
    Field& operator[](const char* name) { return Item(QString::fromUtf8(name)); }

private:
    friend class RecordsetData;
    explicit Fields(RecordsetData* rs) : rs_(rs) {}
    RecordsetData* rs_;
};

} // namespace ado

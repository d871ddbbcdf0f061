#include "platform/vb/VbError.h"

namespace vb {

VbError::VbError(int number, QString description, QString source)
    : Number(number), Description(std::move(description)), Source(std::move(source))
{
    if (Description.isEmpty())
        Description = StandardDescription(number);
}

const char* VbError::what() const noexcept
{
    try {
        what_ = QStringLiteral("Error %1: %2").arg(Number).arg(Description).toStdString();
        return what_.c_str();
    } catch (...) {
        return "VbError";
    }
}

QString StandardDescription(int number)
{
    switch (number) {
    case 3: return QStringLiteral("Return without GoSub");
    case 5: return QStringLiteral("Invalid procedure call or argument");
    case 6: return QStringLiteral("Overflow");
    case 7: return QStringLiteral("Out of memory");
    case 9: return QStringLiteral("Subscript out of range");
    case 11: return QStringLiteral("Division by zero");
    case 13: return QStringLiteral("Type mismatch");
    case 52: return QStringLiteral("Bad file name or number");
    case 53: return QStringLiteral("File not found");
    case 54: return QStringLiteral("Bad file mode");
    case 55: return QStringLiteral("File already open");
    case 57: return QStringLiteral("Device I/O error");
    case 58: return QStringLiteral("File already exists");
    case 61: return QStringLiteral("Disk full");
    case 62: return QStringLiteral("Input past end of file");
    case 70: return QStringLiteral("Permission denied");
    case 75: return QStringLiteral("Path/File access error");
    case 76: return QStringLiteral("Path not found");
    case 91: return QStringLiteral("Object variable or With block variable not set");
    case 94: return QStringLiteral("Invalid use of Null");
    case 360: return QStringLiteral("Object already loaded");
    case 380: return QStringLiteral("Invalid property value");
    case 381: return QStringLiteral("Invalid property array index");
    case 438: return QStringLiteral("Object doesn't support this property or method");
    case 440: return QStringLiteral("Automation error");
    case 3021: return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                     "Requested operation requires a current record.");
    case 3219: return QStringLiteral("Operation is not allowed in this context.");
    case 3265: return QStringLiteral("Item cannot be found in the collection corresponding to the "
                                     "requested name or ordinal.");
    case 3704: return QStringLiteral("Operation is not allowed when the object is closed.");
    case 3705: return QStringLiteral("Operation is not allowed when the object is open.");
    case 3709: return QStringLiteral("The connection cannot be used to perform this operation. "
                                     "It is either closed or invalid in this context.");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

void Raise(int number, const QString& description, const QString& source)
{
    throw VbError(number, description, source);
}

} // namespace vb

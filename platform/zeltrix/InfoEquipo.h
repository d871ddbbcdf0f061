#pragma once
// The workstation's machine and user names and a folder it may always write to.
// The operations are virtual so that a test can stand in a workstation of its own.
#include <QString>

namespace zeltrix {

class InfoEquipo {
public:
    virtual ~InfoEquipo() = default;
    // The host name.
    virtual QString NombreEquipo() const;
    // The login name of the user running the program.
    virtual QString NombreUsuario() const;
    // A writable folder: the user's cache folder, else the temporary folder.
    virtual QString CarpetaAlternativa() const;
};

} // namespace zeltrix

#pragma once
// Starting another program of the suite with the running connection and user, handed on
// the command line every program of the suite reads at start-up.
#include <QString>
#include <QStringList>
#include <functional>

// Programa: a name in the program folder, the same after "SHELL:", or "SHELL:" and a full
// path. Parametros loses everything up to its first blank (the caller's text too).
// IdTarea: the started process's id, 0 when nothing was started.
void MenuExes(const QString& Programa, QString& Parametros, qint32& IdTarea);
// Whether MenuExes finds a program file to start for Programa (in the program folder,
// at the full path given, or where the system finds programs).
bool ExisteProgramaHermano(const QString& Programa);

// How a program is started: true and its process id, or false. Tests stand in their own;
// empty puts back the real start (detached, never through a shell).
using SiblingStarter = std::function<bool(const QString& program, const QStringList& arguments, qint64* pid)>;
void SetSiblingStarter(SiblingStarter starter);

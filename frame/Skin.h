#pragma once
// The suite's look for a form: its icon, the style of its toolbars and the skin the
// workstation user chose.
#include <QIcon>
#include <QString>

class QWidget;

// Applies the skin of the workstation INI "Styles" value (section "<USER>Styles") to the
// form: a Qt style sheet under the program folder's Styles/. A skin that cannot be read
// leaves the form without skin and writes a line to the frame's error log.
void AplicaSkin(QWidget* Form);

// The program's icon on the form and gEstiloBarras on the "StyleBar" property of the
// form's toolbars UtilKor1, TBarRep1 and Util0011 (where they exist and have it).
void AsignaIconoYEstilo(QWidget* Form);

// The skin file for a "Styles" value, relative to the program folder.
QString ArchivoSkin(int Estilo);

// The program's icon: vandrel.ico (or vandrel.png) in the program folder, else the one
// built into the program.
QIcon IconoVandrel();

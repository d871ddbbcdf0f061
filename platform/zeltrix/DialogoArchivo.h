#pragma once
// The file-open dialog object: set the title and the filter, call ShowOpen, then read
// the chosen file name, or the cancel flag when the operator chose nothing.
#include <QString>

namespace zeltrix {

class DialogoArchivo {
public:
    QString DialogTitle;
    // Pairs of description and pattern separated by "|", as "Texto (*.txt)|*.TXT";
    // several patterns of one pair are separated by ";".
    QString Filter;
    QString FileName;       // the chosen file; "" after a cancel
    bool Cancelado = false; // True when the operator closed the dialog without a file

    void ShowOpen();
};

// The filter of the dialog object in the form of a Qt file dialog:
// "Texto|*.txt;*.log" becomes "Texto (*.txt *.log)", pairs joined by ";;".
QString QtFileFilter(const QString& filter);

} // namespace zeltrix

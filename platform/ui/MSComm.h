#pragma once
// The serial-port control MSComm, as far as the forms read it. No port is ever opened,
// so its communication event never fires.
#include <QObject>

namespace ui {

class MSComm : public QObject {
    Q_OBJECT
public:
    explicit MSComm(QObject* parent = nullptr);

    // The last communication event or error (comEvNone = 0 when there has been none).
    int CommEvent() const { return 0; }
    bool PortOpen() const { return false; }

signals:
    void OnComm();
};

} // namespace ui

#include "platform/ui/MSComm.h"

namespace ui {

MSComm::MSComm(QObject* parent) : QObject(parent) {}

} // namespace ui

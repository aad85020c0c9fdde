#include <keymapmanager/items/operationrecorderconfigitem.h>

#include <keymapmanager/config/vocabulary.h>

namespace ovelkeymapmanager {

OperationRecorderConfigItem::OperationRecorderConfigItem() {
    typeName = QLatin1String(TypeName::OperationRecorder);
}

OperationRecorderConfigItem::~OperationRecorderConfigItem() = default;

} // namespace ovelkeymapmanager

// OperationRecorderConfigItem: a recorded operation sequence; a macro item in all but its type
// name, "OperationRecorder".
#pragma once

#include <keymapmanager/items/macroconfigitem.h>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT OperationRecorderConfigItem : public MacroConfigItem {
public:
    OperationRecorderConfigItem();
    ~OperationRecorderConfigItem() override;
};

} // namespace ovelkeymapmanager

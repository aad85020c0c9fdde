#include <keymapmanager/document/documentdescription_p.h>

#include <keymapmanager/config/keymapconfig_p.h>
#include <keymapmanager/items/itemfactory_p.h>

namespace ovelkeymapmanager {

QList<KeymapMemberDescription> describeDocument() {
    QList<KeymapMemberDescription> members;
    describeItems(members);
    describeBlocks(members);
    return members;
}

} // namespace ovelkeymapmanager

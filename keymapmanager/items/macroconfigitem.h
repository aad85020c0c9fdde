// MacroConfigItem: macro text lines that the host runs when the key (or chord) is pressed and when
// it is released. The lines are kept exactly as given: never converted, trimmed or checked here.
#pragma once

#include <keymapmanager/items/composableconfigitem.h>

#include <QStringList>

namespace ovelkeymapmanager {

class OVEL_KEYMAPMANAGER_EXPORT MacroConfigItem : public ComposableConfigItem {
public:
    MacroConfigItem();
    ~MacroConfigItem() override;

    Poco::JSON::Object toJson() const override;
    // Appends the document's lines to the lists; an absent array leaves its list as it is.
    void fromJson(Poco::JSON::Object::Ptr object) override;

    QStringList pressActions;
    QStringList releaseActions;
};

} // namespace ovelkeymapmanager

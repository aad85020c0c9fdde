// MarcoScreenShotConVerter: the screenshot command with its corner positions ("screenshot 100,100
// 500,300" <-> "screenshot_rel:(0.100000,0.200000);(0.500000,0.600000)"). It reports a malformed
// line by returning an error text as the converted line.
#pragma once

#include <keymapmanager/macro/marcoconverter_p.h>

namespace ovelkeymapmanager {

class MarcoScreenShotConVerter final : public MarcoConVerter {
public:
    QString toEditingText() const override;
    QString toRunningText() const override;
};

} // namespace ovelkeymapmanager

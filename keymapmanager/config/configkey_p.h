// The JSON members of a key object.
#pragma once

#include <keymapmanager/config/configkey.h>
#include <keymapmanager/config/vocabulary.h>
#include <keymapmanager/json/jsonmembers_p.h>

namespace ovelkeymapmanager {

template <typename Io> void jsonMembers(Io& io, ConfigKey& key) {
    io.required("device", json::oneOf(key.device, Device::Values));
    io.required("text", key.text);
    io.required("scan_code", key.scanCode);
    io.required("virtual_key", key.virtualKey);
}

} // namespace ovelkeymapmanager

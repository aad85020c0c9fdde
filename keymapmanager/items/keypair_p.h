// One side of a pair item: {"key", "second_key"}, the second key only when it is complete.
#pragma once

#include <keymapmanager/config/configkey_p.h>
#include <keymapmanager/items/pairconfigitem.h>

namespace ovelkeymapmanager {

template <typename Io> void jsonMembers(Io& io, KeyPair& pair) {
    io.required("key", pair.key);
    io.optional("second_key", pair.secondKey,
                json::writtenWhen("a complete key", [&] { return pair.secondKey.isComplete(); }));
}

} // namespace ovelkeymapmanager

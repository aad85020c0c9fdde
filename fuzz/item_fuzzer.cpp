// Every item type reads the same arbitrary JSON object. Reading may stop with the JSON library's
// exceptions; an item that read its object writes JSON that a fresh item of its type reads back
// into the very same JSON, and it answers the key questions.
#include "support/fuzzsupport.h"

#include <keymapmanager/config/configitem.h>
#include <keymapmanager/items/itemfactory_p.h>

#include <memory>
#include <sstream>

using namespace ovelkeymapmanager;

namespace {

std::string stringify(const Poco::JSON::Object& object) {
    std::ostringstream out;
    object.stringify(out, 4);
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList typeNames = configItemTypeNames();
    const Poco::JSON::Object::Ptr object = fuzzsupport::parseObject(fuzzsupport::bytes(data, size));
    if (object.isNull())
        return 0;
    for (const QString& typeName : typeNames) {
        const std::unique_ptr<ConfigItem> item(createConfigItemByType(typeName));
        FUZZ_CHECK(item);
        if (!fuzzsupport::raisesOnlyLibraryExceptions([&] { item->fromJson(object); }))
            continue;
        const std::string written = stringify(item->toJson());
        const Poco::JSON::Object::Ptr again = fuzzsupport::parseObject(written);
        if (again.isNull())
            fuzzsupport::fail("an item wrote text that is not a JSON object", written);
        const std::unique_ptr<ConfigItem> copy(createConfigItemByType(typeName));
        if (!fuzzsupport::raisesOnlyLibraryExceptions([&] { copy->fromJson(again); }))
            fuzzsupport::fail("an item cannot read what it wrote", written);
        if (stringify(copy->toJson()) != written)
            fuzzsupport::fail("an item's JSON changes on reading it back", written);
        item->isKeyUnset();
        item->isKeyMatch(item->key);
    }
    return 0;
}

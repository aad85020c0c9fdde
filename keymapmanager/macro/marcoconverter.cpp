#include <keymapmanager/macro/marcoconverter_p.h>

namespace ovelkeymapmanager {

MarcoConVerter::~MarcoConVerter() = default;

void MarcoConVerter::setRunningText(const QString& text, const QRect& rect) {
    runningText = text;
    screenRectangle = rect;
}

void MarcoConVerter::setEditingText(const QString& text, const QRect& rect) {
    editingText = text;
    screenRectangle = rect;
}

bool MarcoConVerter::storeEditingText(const QString& text) {
    editingText = text;
    return true;
}

} // namespace ovelkeymapmanager

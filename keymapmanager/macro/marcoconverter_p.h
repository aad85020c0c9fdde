// MarcoConVerter: converts one macro line between its editing form (pixels, key names) and its
// running form (fractions of the screen rectangle, numeric codes).
#pragma once

#include <QRect>
#include <QString>

#include <memory>

namespace ovelkeymapmanager {

class MarcoConVerter {
public:
    MarcoConVerter() = default;
    virtual ~MarcoConVerter();

    virtual void setRunningText(const QString& text, const QRect& rect);
    virtual void setEditingText(const QString& text, const QRect& rect);
    // Stores the editing text alone; always succeeds.
    virtual bool storeEditingText(const QString& text);
    virtual QString toEditingText() const = 0;
    virtual QString toRunningText() const = 0;

    QString editingText;
    QString runningText;
    QRect screenRectangle;
    // Decimals of pixels made from fractions, and of fractions made from pixels.
    int pixelPrecision = 0;
    int fractionPrecision = 6;
};

using MarcoConVerterPtr = std::shared_ptr<MarcoConVerter>;

} // namespace ovelkeymapmanager

// Shared mechanics of the macro converters: compiled patterns, captures and the screen size.
#pragma once

#include <QRect>
#include <QRegularExpression>
#include <QString>

namespace ovelkeymapmanager {
namespace macro {

// Compiles a pattern at once, so that later searches from any thread only read it.
QRegularExpression compiled(const QString& pattern);

// The first capture of the first match of pattern in text; empty when nothing matches.
QString firstCapture(const QRegularExpression& pattern, const QString& text);
// The whole text of the last match of pattern in text; empty when nothing matches.
QString lastMatch(const QRegularExpression& pattern, const QString& text);

// The output of a line whose pixels would have to be divided by an empty rectangle.
QString invalidScreenRectangle();

// The size that positions in running text are fractions of. The rectangle's position does not
// count; width and height are Qt's (right - left + 1), taken without int overflow.
struct ScreenSize {
    explicit ScreenSize(const QRect& rect);
    bool isValid() const { return width > 0 && height > 0; }

    double width;
    double height;
};

} // namespace macro
} // namespace ovelkeymapmanager

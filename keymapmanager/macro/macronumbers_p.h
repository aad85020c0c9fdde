// Numbers of macro text: the screen size that positions refer to, and reading and writing decimals
// exactly as QString::toDouble and QString::number(value, 'f', decimals) do, minus their overhead.
#pragma once

#include <QRect>
#include <QString>
#include <QStringView>

namespace ovelkeymapmanager {
namespace macro {

// The size that positions in running text are fractions of. The rectangle's position does not
// count; width and height are Qt's (right - left + 1), taken without int overflow.
struct ScreenSize {
    explicit ScreenSize(const QRect& rect);
    bool isValid() const { return width > 0 && height > 0; }

    double width;
    double height;
};

// Plain unsigned decimal text ("12", "0.5", "5.") of up to 15 digits, read exactly as QString::toDouble
// reads it; false, leaving value alone, for any other text.
bool readPlainDecimal(QStringView text, double& value);
// Up to nine decimal digits and nothing else, read as QString::toInt reads them; false otherwise.
bool readPlainInt(QStringView text, int& value);
// The value of unsigned decimal text, as QString::toDouble gives it (without its success flag).
double decimalValue(QStringView text);
// Appends QString::number(value, 'f', decimals).
void appendFixed(QString& out, double value, int decimals);

} // namespace macro
} // namespace ovelkeymapmanager

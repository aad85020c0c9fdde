#include <keymapmanager/macro/macronumbers_p.h>

#include <algorithm>
#include <cmath>

namespace ovelkeymapmanager {
namespace macro {

namespace {

// Powers of ten that a double holds exactly.
constexpr double exactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int maxExactDigits = 15;
constexpr quint64 fives[] = {1, 5, 25, 125, 625, 3125, 15625};
constexpr int maxFastDecimals = 6;
// Below this, a value scaled by 10^6 and rounded fits in 63 bits.
constexpr double fastFixedLimit = 8796093022208.0; // 2^43

} // namespace

ScreenSize::ScreenSize(const QRect& rect)
    : width(double(qint64(rect.right()) - rect.left() + 1)),
      height(double(qint64(rect.bottom()) - rect.top() + 1)) {}

// Up to 15 digits, the digits read as an integer and divided by an exact power of ten round once,
// which is the correctly rounded value that toDouble also gives.
bool readPlainDecimal(QStringView text, double& value) {
    quint64 digits = 0;
    int count = 0;
    int decimals = 0;
    int point = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && count < maxExactDigits) {
            digits = digits * 10 + quint64(c.unicode() - '0');
            ++count;
            decimals += point >= 0 ? 1 : 0;
        } else if (c == QLatin1Char('.') && point < 0 && i > 0) {
            point = i;
        } else {
            return false;
        }
    }
    if (count == 0)
        return false;
    value = double(digits) / exactTens[decimals];
    return true;
}

bool readPlainInt(QStringView text, int& value) {
    if (text.isEmpty() || text.size() > 9)
        return false;
    int digits = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        digits = digits * 10 + (c.unicode() - '0');
    }
    value = digits;
    return true;
}

double decimalValue(QStringView text) {
    double value = 0;
    return readPlainDecimal(text, value) ? value : text.toDouble();
}

// value = m * 2^e with an integer m of 53 bits, so value * 10^d = m * 5^d * 2^(e + d) is an exact
// product whose rounding (halves away from zero, as QString::number rounds) is done on integers.
void appendFixed(QString& out, double value, int decimals) {
#if defined(__SIZEOF_INT128__)
    if (value >= 0 && value < fastFixedLimit && decimals >= 0 && decimals <= maxFastDecimals) {
        using Wide = unsigned __int128;
        int exponent = 0;
        const quint64 mantissa = quint64(std::ldexp(std::frexp(value, &exponent), 53));
        const Wide scaled = Wide(mantissa) * fives[decimals];
        const int shift = 53 - exponent - decimals;
        // The limit keeps shift above 0; past 126 the scaled value is far below one half.
        quint64 rounded = 0;
        if (shift < 127) {
            rounded = quint64(scaled >> shift);
            const Wide rest = scaled - (Wide(rounded) << shift);
            rounded += rest >= (Wide(1) << (shift - 1)) ? 1 : 0;
        }
        // Written backwards into the space appended to out.
        int digits = 1;
        for (quint64 rest = rounded / 10; rest > 0; rest /= 10)
            ++digits;
        const int length = std::max(1, digits - decimals) + (decimals > 0 ? decimals + 1 : 0);
        const int start = out.size();
        out.resize(start + length);
        QChar* at = out.data() + start + length;
        for (int i = 0; i < decimals; ++i, rounded /= 10)
            *--at = QLatin1Char(char('0' + rounded % 10));
        if (decimals > 0)
            *--at = QLatin1Char('.');
        do {
            *--at = QLatin1Char(char('0' + rounded % 10));
            rounded /= 10;
        } while (rounded > 0);
        return;
    }
#endif
    out += QString::number(value, 'f', decimals);
}

} // namespace macro
} // namespace ovelkeymapmanager

#include "Fonts.h"

#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace ui {
namespace {

QFont font(const char* family, const QStringList& standIns, int pixels, bool boldItalic)
{
    QFont font(family);
    font.setFamilies(QStringList {family} + standIns);
    font.setPixelSize(pixels);
    font.setBold(boldItalic);
    font.setItalic(boldItalic);
    // Unhinted metrics give the line heights the layouts are measured in.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont quizFont()
{
    return font("Times New Roman", {"Liberation Serif", "serif"}, 16, true);
}

QFont hintFont()
{
    return font("Times New Roman", {"Liberation Serif", "serif"}, 19, true);
}

QFont resultFont()
{
    return font("Arial", {"Liberation Sans", "sans-serif"}, 21, true);
}

QFont startPageFont()
{
    return font("MS Sans Serif", {"Liberation Sans", "sans-serif"}, 11, false);
}

// Font engines measure in 1/64 pixel; a metric within that of a whole pixel counts as whole.
int lineHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    constexpr double Tolerance = 1.0 / 64;
    return static_cast<int>(std::ceil(metrics.ascent() - Tolerance) + std::ceil(metrics.descent() - Tolerance));
}

namespace {

// "&x" shows as "x" and "&&" as "&".
QString withoutAcceleratorMarks(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

} // namespace

int textWidth(const QFont& font, const QString& line)
{
    const QFontMetricsF metrics(font);
    const double tabStop = 8 * metrics.averageCharWidth();
    double x = 0;
    const QStringList pieces = withoutAcceleratorMarks(line).split('\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = (std::floor(x / tabStop) + 1) * tabStop;
        x += metrics.horizontalAdvance(pieces[i]);
    }
    return static_cast<int>(std::lround(x));
}

} // namespace ui

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

int lineHeight(const QFont& font)
{
    const QFontMetricsF metrics(font);
    return static_cast<int>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent()));
}

} // namespace ui

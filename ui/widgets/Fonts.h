#pragma once

#include <QFont>

namespace ui {

// Font sizes are character heights in pixels, as the layouts give them.
QFont quizFont();        // Times New Roman, 16 px, bold italic
QFont hintFont();        // Times New Roman, 19 px, bold italic
QFont resultFont();      // Arial, 21 px, bold italic
QFont startPageFont();   // MS Sans Serif, 11 px

// The height of one line: the rounded-up ascent plus the rounded-up descent.
int lineHeight(const QFont& font);
// The width of one line of text as a label shows it: tabs expand to stops eight average
// characters apart, and accelerator marks take no room.
int textWidth(const QFont& font, const QString& line);

} // namespace ui

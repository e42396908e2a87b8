#pragma once

#include <QColor>

namespace ui {

inline const QColor Black(0, 0, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Red(255, 0, 0);
inline const QColor Yellow(255, 255, 0);
inline const QColor White(255, 255, 255);
// The toolkit has no title-bar colours; this is the classic inactive title bar's grey.
inline const QColor InactiveCaption(128, 128, 128);

} // namespace ui

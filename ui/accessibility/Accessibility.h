#pragma once

class QWidget;

namespace ui {

// Hands the program's own widget kinds to the system's accessibility layer (UI Automation,
// AT-SPI) by role, name and state; the toolkit's own kinds keep the toolkit's interfaces.
// Called once, before the windows are made.
void installAccessibleInterfaces();

// Artwork that says nothing is left out of what screen readers are told.
void markAsDecoration(QWidget& widget);
bool isDecoration(const QWidget& widget);

// Tells screen readers the panel's text whenever it appears, once the handler that showed it
// has filled it in.
void announceWhenShown(QWidget& panel);

} // namespace ui

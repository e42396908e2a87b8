#pragma once

#include <QPushButton>

namespace ui {

// The quiz window's push button that draws its own face: a raised face released, a flat one
// held down, a frame while it is the active button, an embossed caption while disabled, and a
// dotted focus rectangle while it is active and focused. It has no glyph, so its caption stands
// centred.
class PaintedButton : public QPushButton {
    Q_OBJECT

public:
    PaintedButton(const QString& caption, QWidget* parent, const QColor& captionColour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFace(QPainter& painter, QRect& face) const;
    void drawCaption(QPainter& painter, const QRect& face) const;

    QColor captionColour_;
};

} // namespace ui

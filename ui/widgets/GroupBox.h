#pragma once

#include <QWidget>

#include <string>

namespace ui {

// A panel that fills its area with its background colour and draws a 3-D frame of two one-pixel
// outlines, broken at the top by its caption on a patch of background. It takes no focus.
class GroupBox : public QWidget {
    Q_OBJECT

public:
    GroupBox(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& textColour,
             const QColor& background, const std::string& caption = {});

    const QString& caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor textColour_;
    QColor background_;
};

} // namespace ui

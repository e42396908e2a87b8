#pragma once

#include <QWidget>

#include <string>

namespace ui {

// A text on an opaque background that sizes itself to its text: it keeps its left and top and
// takes the size of the text's bounding box in its font. An empty text is measured as one
// space; tabs expand, line breaks start new lines, and "&" marks an accelerator.
class Label : public QWidget {
    Q_OBJECT

public:
    Label(QWidget* parent, QPoint position, const QFont& font, const QColor& textColour,
          const QColor& background, const std::string& text = {});

    std::string text() const { return text_.toStdString(); }
    void setText(const std::string& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString text_;
    QColor textColour_;
    QColor background_;
};

} // namespace ui

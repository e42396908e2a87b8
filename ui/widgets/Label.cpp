#include "Label.h"

#include "Fonts.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic;

} // namespace

Label::Label(QWidget* parent, QPoint position, const QFont& font, const QColor& textColour,
             const QColor& background, const std::string& text)
    : QWidget(parent), text_(QString::fromStdString(text)), textColour_(textColour),
      background_(background)
{
    setFont(font);
    move(position);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitToText();
}

void Label::setText(const std::string& text)
{
    text_ = QString::fromStdString(text);
    fitToText();
    update();
    // Screen readers know a label by its text.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void Label::fitToText()
{
    const QString measured = text_.isEmpty() ? QStringLiteral(" ") : text_;
    const QStringList lines = measured.split('\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, textWidth(font(), line));
    resize(width, static_cast<int>(lines.size()) * lineHeight(font()));
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setPen(textColour_);
    painter.setFont(font());
    painter.drawText(rect(), TextFlags, text_);
}

void Label::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToText();
    QWidget::changeEvent(event);
}

} // namespace ui

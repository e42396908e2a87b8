#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

namespace artwork {
namespace {

constexpr int Cell = 168;     // room for one thumbnail and its number
constexpr int Thumbnail = 152; // the longer side of a thumbnail
constexpr int Caption = 28;
constexpr int Columns = 12;
constexpr int Margin = 12;

} // namespace

ContactSheet::ContactSheet()
    : sheet_(2 * Margin + Columns * Cell, 2 * Margin + 2 * (Cell + Caption), QImage::Format_RGB32)
{
    sheet_.fill(QColor(0x40, 0x40, 0x40));
}

void ContactSheet::add(const Photograph& photograph, const QImage& image)
{
    const int row = photograph.folder == 0 ? 0 : 1;
    const QRect cell(Margin + nextInRow_[row]++ * Cell, Margin + row * (Cell + Caption), Cell, Cell + Caption);
    const QImage small = image.scaled(Thumbnail, Thumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    QPainter painter(&sheet_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(cell.left() + (Cell - small.width()) / 2, cell.top() + (Cell - small.height()) / 2, small);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRect caption(cell.left(), cell.top() + Cell, Cell, Caption);
    painter.drawText(caption, Qt::AlignCenter,
                     QStringLiteral("%1 (obr/%2)").arg(photograph.item).arg(photograph.folder));
}

} // namespace artwork

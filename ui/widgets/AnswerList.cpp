#include "AnswerList.h"

#include "Fonts.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QListView>

#include <algorithm>

namespace ui {
namespace {

constexpr int MostEntriesShown = 30;
constexpr qint64 PrefixPause = 500; // milliseconds

} // namespace

AnswerList::AnswerList(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(MostEntriesShown);
    auto* list = new QListView(this);
    list->setUniformItemSizes(true);
    setView(list);
    list->installEventFilter(this);
}

// Dropped, the list is as wide as the control and one line per entry high, plus its border.
void AnswerList::showPopup()
{
    QComboBox::showPopup();
    const int entries = std::clamp(count(), 1, MostEntriesShown);
    QWidget* popup = view()->window();
    const QPoint below = mapToGlobal(QPoint(0, height()));
    popup->setGeometry(below.x(), below.y(), width(), entries * lineHeight(font()) + 2);
}

// The entry found becomes the selection, and the highlighted entry of the dropped list.
bool AnswerList::searchFor(const QString& prefix)
{
    for (int entry = 0; entry < count(); ++entry) {
        if (itemText(entry).startsWith(prefix, Qt::CaseInsensitive)) {
            setCurrentIndex(entry);
            view()->setCurrentIndex(model()->index(entry, modelColumn()));
            return true;
        }
    }
    return false;
}

// Whether the key went to the search; a character that extends the prefix to no entry is left
// to the toolkit's own handling.
bool AnswerList::typeAhead(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Backspace) {
        prefix_.chop(1);
        return true;
    }
    const QString typed = event.text();
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return false;
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() >= PrefixPause)
        prefix_.clear();
    sinceLastKey_.start();
    if (!searchFor(prefix_ + typed))
        return false;
    prefix_ += typed;
    return true;
}

void AnswerList::keyPressEvent(QKeyEvent* event)
{
    if (!typeAhead(*event))
        QComboBox::keyPressEvent(event);
}

// While the list is dropped, its keys go to the list itself; the search is the same.
bool AnswerList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::KeyPress && typeAhead(static_cast<QKeyEvent&>(*event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

} // namespace ui

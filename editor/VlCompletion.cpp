// The completion engine's interaction: Ctrl+J, list keys, mouse, placement on the screen.
#include "VlCompletion.h"

#include "VlHLEditor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TVlEditorCompletionList::TVlEditorCompletionList(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint),
      fScrollTimer(new QTimer(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    connect(fScrollTimer, &QTimer::timeout, this, &TVlEditorCompletionList::ScrollTick);
}

void TVlEditorCompletionList::SetItems(const QStringList &items, int mode, const QString &separator, int itemHeight)
{
    fItems = items;
    fMode = mode;
    fSeparator = separator;
    fItemHeight = itemHeight;
    fTop = 0;
    fIndex = -1;
    update();
}

int TVlEditorCompletionList::VisibleCount() const
{
    return std::max(1, (height() - 2) / fItemHeight);
}

void TVlEditorCompletionList::SetItemIndex(int index)
{
    fIndex = index < 0 || index >= Count() ? -1 : index;
    if (fIndex >= 0) {
        if (fIndex < fTop)
            fTop = fIndex;
        else if (fIndex >= fTop + VisibleCount())
            fTop = fIndex - VisibleCount() + 1;
    }
    update();
}

void TVlEditorCompletionList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    for (int i = fTop; i < Count() && i < fTop + VisibleCount(); ++i)
        DrawItem(painter, i, QRect(1, 1 + (i - fTop) * fItemHeight, width() - 2, fItemHeight), i == fIndex);
}

void TVlEditorCompletionList::DrawItem(QPainter &painter, int index, const QRect &r, bool selected)
{
    const QPalette &pal = palette();
    painter.fillRect(r, pal.color(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(pal.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QFont font = painter.font();
    font.setBold(false);
    painter.setFont(font);
    const QString entry = fItems[index];
    const QRect text = r.adjusted(0, 2, -6, 0);
    // The right-hand text is drawn whole; the left-hand one ends short of it (with "..." when it
    // must), so the two never run into each other.
    const auto drawPair = [&](const QString &left, int leftMargin, const QString &right, bool rightBold) {
        QFont rightFont = font;
        rightFont.setBold(rightBold);
        const int rightWidth = QFontMetrics(rightFont).horizontalAdvance(right);
        const int room = text.width() - leftMargin - rightWidth - 6;
        painter.drawText(text.adjusted(leftMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         painter.fontMetrics().elidedText(left, Qt::ElideRight, std::max(0, room)));
        painter.setFont(rightFont);
        painter.drawText(text, Qt::AlignRight | Qt::AlignTop, right);
    };
    if (fMode == cmTemplates)
        drawPair(VlCompletionField(entry, 1, fSeparator), 3, VlCompletionField(entry, 0, fSeparator), true);
    else
        drawPair(VlCompletionField(entry, 0, fSeparator), 9, VlCompletionField(entry, 1, fSeparator).trimmed(), false);
}

void TVlEditorCompletionList::mousePressEvent(QMouseEvent *e)
{
    const int row = (static_cast<int>(e->position().y()) - 1) / fItemHeight;
    if (rect().contains(e->position().toPoint()))
        SetItemIndex(fTop + row);
}

void TVlEditorCompletionList::mouseMoveEvent(QMouseEvent *e)
{
    const int y = static_cast<int>(e->position().y());
    if (y >= 0 && y < height()) {
        fScrollTimer->stop();
        SetItemIndex(fTop + (y - 1) / fItemHeight);
        return;
    }
    // Dragging outside scrolls, faster when far beyond the edge.
    fScrollDirection = y < 0 ? -1 : 1;
    const int beyond = y < 0 ? -y : y - height();
    fScrollTimer->start(beyond > fItemHeight ? 50 : 200);
}

void TVlEditorCompletionList::mouseReleaseEvent(QMouseEvent *e)
{
    fScrollTimer->stop();
    if (e->button() != Qt::LeftButton)
        return;
    if (rect().contains(e->position().toPoint()))
        emit Accepted();
    else
        emit Dismissed();
}

void TVlEditorCompletionList::ScrollTick()
{
    SetItemIndex(std::clamp(fIndex + fScrollDirection, 0, std::max(0, Count() - 1)));
}

TVlCompletion::TVlCompletion(TVlHLEditor *editor)
    : QObject(editor), fEditor(editor), fList(new TVlEditorCompletionList(editor)),
      fSettings(VlDefaultCompletionSettings()), fPopupTimer(new QTimer(this))
{
    fList->hide();
    fPopupTimer->setSingleShot(true);
    connect(fPopupTimer, &QTimer::timeout, this, [this] { DropDown(cmIdentifiers, false); });
    connect(fList, &TVlEditorCompletionList::Accepted, this, [this] { Close(true); });
    connect(fList, &TVlEditorCompletionList::Dismissed, this, [this] { Close(false); });
}

bool TVlCompletion::Showing() const
{
    return fList->isVisible();
}

void TVlCompletion::Command(int command)
{
    // 1. Nothing in a read-only editor; a second press closes the list.
    if (fEditor->ReadOnly() || !fSettings.Enabled)
        return;
    if (Showing()) {
        Close(false);
        return;
    }
    DropDown(command == ecCompletionTemplates ? cmTemplates : cmIdentifiers, true);
}

void TVlCompletion::DropDown(int mode, bool force)
{
    // 2. The mode and its items.
    fMode = mode;
    const QStringList items = Items();
    if (items.isEmpty())
        return;
    // 3. Build and select; a complete word is inserted at once.
    const TVlEditorModel &model = fEditor->Model();
    const QString word = VlWordBeforeCaret(model.Line(model.Caret().Y), model.Caret().X);
    const QStringList list = VlBuildCompletionList(items, word);
    const int selected = VlSelectCompletion(list, word);
    if (!force && (selected < 0 || VlCompletionIsComplete(list, selected, word, fSettings.Separator)))
        return;
    fList->SetItems(list, mode, fSettings.Separator, fSettings.ItemHeight);
    if (VlCompletionIsComplete(list, selected, word, fSettings.Separator)) {
        fSelected = selected;
        Insert(selected);
        return;
    }
    // 4. Drop down under the caret, or above it near the bottom of the screen.
    const QRect cell = fEditor->CellRect({model.Caret().X, model.Caret().Y + 1});
    const int border = 1;
    QPoint topLeft = fEditor->viewport()->mapToGlobal(cell.topLeft()) - QPoint(2 * border, border);
    const int height = std::min(fSettings.DropDownCount, static_cast<int>(list.size())) * fSettings.ItemHeight + 2;
    const int width = fSettings.DropDownWidth > 0 ? fSettings.DropDownWidth : fEditor->width() + 2 * border;
    if (const QScreen *screen = fEditor->screen()) {
        const QRect area = screen->geometry();
        const int above = topLeft.y() - height - fEditor->RowHeight() + 1;
        if (topLeft.y() + height > area.bottom() && above >= area.top())
            topLeft.setY(above);
    }
    fList->setGeometry(topLeft.x(), topLeft.y(), width, height);
    fList->SetItemIndex(selected);
    fList->show();
    fList->raise();
    fEditor->installEventFilter(this);
    fEditor->window()->installEventFilter(this);
}

bool TVlCompletion::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange:
        if (watched == fEditor->window() || event->type() == QEvent::Hide)
            Close(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TVlCompletion::KeyDown(QKeyEvent *e)
{
    if (!Showing()) {
        fPopupTimer->stop();
        return false;
    }
    const int key = e->key();
    const bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const int page = fList->VisibleCount();
    const int index = fList->ItemIndex();
    const int last = fList->Count() - 1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Close(true);
        return true;
    case Qt::Key_Escape:
        Close(false);
        return true;
    case Qt::Key_Up: fList->SetItemIndex(std::max(0, index - 1)); return true;
    case Qt::Key_Down: fList->SetItemIndex(std::min(last, index + 1)); return true;
    case Qt::Key_PageUp: fList->SetItemIndex(std::max(0, index - page)); return true;
    case Qt::Key_PageDown: fList->SetItemIndex(std::min(last, index + page)); return true;
    case Qt::Key_Home: fList->SetItemIndex(0); return true;
    case Qt::Key_End: fList->SetItemIndex(last); return true;
    case Qt::Key_Backspace:
        return false; // typed first, the selection follows in CharTyped
    default:
        break;
    }
    const QString text = e->text();
    if (plain && text.size() == 1 && text[0].unicode() >= 0x20) {
        const char16_t c = text[0].unicode();
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            Close(true); // the character is typed after the insertion
        return false;
    }
    if (key == Qt::Key_J && (e->modifiers() & Qt::ControlModifier))
        return false; // the editor's Ctrl+J closes the list
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt)
        Close(false);
    return false;
}

void TVlCompletion::CharTyped(const QString &)
{
    if (Showing()) {
        Reselect();
        return;
    }
    if (fSettings.Enabled && !fSettings.Identifiers.isEmpty())
        fPopupTimer->start(fSettings.Interval);
}

void TVlCompletion::Reselect()
{
    const TVlEditorModel &model = fEditor->Model();
    const QString word = VlWordBeforeCaret(model.Line(model.Caret().Y), model.Caret().X);
    fList->SetItemIndex(VlSelectCompletion(fList->Items(), word));
}

void TVlCompletion::Close(bool insert)
{
    if (!Showing())
        return;
    fSelected = fList->ItemIndex();
    fList->hide();
    fEditor->removeEventFilter(this);
    fEditor->window()->removeEventFilter(this);
    fPopupTimer->stop();
    if (insert && fSelected >= 0)
        Insert(fSelected);
}

void TVlCompletion::Insert(int index)
{
    const QStringList list = fList->Items();
    if (index < 0 || index >= list.size())
        return;
    const QString text = VlCompletionField(list[index], fMode == cmTemplates ? 2 : 0, fSettings.Separator);
    VlInsertCompletionText(fEditor->Model(), text, fSettings);
    fEditor->Model().EnsureCaretVisible();
}

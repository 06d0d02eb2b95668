// TVlHLEditor: input, scrolling and the connection between the model and the painted cells.
#include "VlHLEditor.h"

#include "VlCompletion.h"
#include "VlHLParser.h"
#include "VlHighlighters.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

QColor VlToQColor(TColor color, const QPalette &palette)
{
    using namespace VlColors;
    if ((color & clSystemColor) == clSystemColor && color != clNone) {
        switch (color & 0xFF) {
        case 5: return palette.color(QPalette::Base);
        case 8: return palette.color(QPalette::Text);
        case 13: return palette.color(QPalette::Highlight);
        case 14: return palette.color(QPalette::HighlightedText);
        case 15: return palette.color(QPalette::Button);
        default: return palette.color(QPalette::WindowText);
        }
    }
    const auto rgb = static_cast<quint32>(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TVlHLEditor::TVlHLEditor(QWidget *parent)
    : QAbstractScrollArea(parent), fModel(new TVlEditorModel(this)), fCaretTimer(new QTimer(this))
{
    fCompletion = new TVlCompletion(this);
    fCells.resize(VlMaxColoredCells);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(13);
    SetEditorFont(font);
    fModel->States().SetScanner(VlLongStateScanner(fHighlighter));
    fModel->States().RescanAll(fModel->Lines());
    fModel->GetClipboardText = [] { return QApplication::clipboard()->text(); };
    fModel->SetClipboardText = [](const QString &text) { QApplication::clipboard()->setText(text); };
    fModel->OnCompletionCommand = [this](int command) { fCompletion->Command(command); };

    connect(fModel, &TVlEditorModel::CaretMoved, this, &TVlHLEditor::CaretWasMoved);
    connect(fModel, &TVlEditorModel::StatusChanged, this, &TVlHLEditor::ChangeStatus);
    connect(fModel, &TVlEditorModel::TextChanged, this, [this] {
        fLongestLine = 0;
        for (const QString &line : fModel->Lines())
            fLongestLine = std::max(fLongestLine, static_cast<int>(line.size()));
        UpdateScrollBars();
        viewport()->update();
        emit TextChanged();
    });
    connect(fModel, &TVlEditorModel::LongStatesChanged, viewport(), qOverload<>(&QWidget::update));
    connect(fModel, &TVlEditorModel::BookmarksChanged, viewport(), qOverload<>(&QWidget::update));
    connect(fModel, &TVlEditorModel::TopLineChanged, this, [this] {
        verticalScrollBar()->setValue(fModel->TopLine());
        viewport()->update();
    });
    connect(fCaretTimer, &QTimer::timeout, this, [this] {
        fCaretVisible = !fCaretVisible;
        viewport()->update(CellRect(fModel->Caret()).adjusted(-2, 0, 2, 0));
    });
    UpdateScrollBars();
}

TVlHLEditor::~TVlHLEditor() = default;

void TVlHLEditor::SetEditorFont(const QFont &font)
{
    // A style name (as a font dialog gives it) would override every weight and slant asked for
    // later: the chosen style is kept as weight and slant instead.
    QFont base = font;
    base.setStyleName(QString());
    setFont(base);
    viewport()->setFont(base);
    for (int style = 0; style < 16; ++style) {
        QFont &styled = fStyledFonts[style];
        styled = base;
        if (style & VlFontStyle(fsBold))
            styled.setWeight(std::max(base.weight(), QFont::Bold));
        styled.setItalic(base.italic() || (style & VlFontStyle(fsItalic)));
        styled.setUnderline(base.underline() || (style & VlFontStyle(fsUnderline)));
        styled.setStrikeOut(base.strikeOut() || (style & VlFontStyle(fsStrikeOut)));
    }
    UpdateMetrics();
}

const QFont &TVlHLEditor::StyledFont(std::uint8_t style) const
{
    return fStyledFonts[style & 15];
}

void TVlHLEditor::UpdateMetrics()
{
    const QFontMetrics fm(font());
    fCharWidth = std::max(1, fm.horizontalAdvance(QLatin1Char('W')));
    fRowHeight = std::max(1, fm.height());
    fAscent = fm.ascent();
    fModel->SetVisibleRows(std::max(1, viewport()->height() / fRowHeight));
    UpdateScrollBars();
    viewport()->update();
}

void TVlHLEditor::UpdateScrollBars()
{
    const int rows = fModel->VisibleRows();
    verticalScrollBar()->setRange(0, std::max(0, fModel->LineCount() - rows));
    verticalScrollBar()->setPageStep(rows);
    // Wide enough for the longest line and for the caret beyond it (only the first cells are
    // coloured; the rest of a long line is still text to reach and edit).
    const int columns = std::max(1, (viewport()->width() - fGutterWidth - 2) / fCharWidth);
    const int width = std::max({VlMaxColoredCells, fLongestLine + 1, fModel->Caret().X + 1});
    horizontalScrollBar()->setRange(0, std::max(0, width - columns));
    horizontalScrollBar()->setPageStep(columns);
}

int TVlHLEditor::LeftColumn() const
{
    return horizontalScrollBar()->value();
}

void TVlHLEditor::SetCaretXY(QPoint pos)
{
    SetCaret(pos.x() - 1, pos.y() - 1);
}

void TVlHLEditor::SetCaret(int x, int y)
{
    fModel->SetCaret({std::max(0, x), std::max(0, y)});
    fModel->EnsureCaretVisible();
}

int TVlHLEditor::SelStart() const
{
    return fModel->PosToOffset(fModel->SelAvail() ? fModel->SelBegin() : fModel->Caret());
}

void TVlHLEditor::SetSelStart(int offset)
{
    fModel->SetCaret(fModel->OffsetToPos(offset));
    fModel->EnsureCaretVisible();
}

int TVlHLEditor::SelLength() const
{
    if (!fModel->SelAvail())
        return 0;
    return fModel->PosToOffset(fModel->SelEnd()) - fModel->PosToOffset(fModel->SelBegin());
}

void TVlHLEditor::SetSelLength(int length)
{
    const int start = SelStart();
    fModel->SetSelection(fModel->OffsetToPos(start), fModel->OffsetToPos(start + std::max(0, length)));
    fModel->EnsureCaretVisible();
}

void TVlHLEditor::ExecuteCommand(int command, const QString &text)
{
    fModel->ExecuteCommand(command, text);
}

std::array<QString, 3> TVlHLEditor::StatusTexts() const
{
    const TVlPos c = fModel->Caret();
    QString mode;
    if (fModel->ReadOnly())
        mode = QStringLiteral("Только чтение");
    else if (fModel->Recording())
        mode = QStringLiteral("Запись");
    else
        mode = fModel->InsertMode() ? QStringLiteral("Вставка") : QStringLiteral("Перезапись");
    return {QStringLiteral("%1:%2").arg(c.Y + 1).arg(c.X + 1),
            fModel->Modified() ? QStringLiteral("Изменен") : QString(), mode};
}

void TVlHLEditor::SetHighlighter(TVlHighlighter hl)
{
    fHighlighter = hl;
    fModel->States().SetScanner(VlLongStateScanner(hl));
    fModel->States().RescanAll(fModel->Lines());
    viewport()->update();
}

void TVlHLEditor::SetSyntaxHighlighting(bool value)
{
    fSyntaxHighlighting = value;
    viewport()->update();
}

void TVlHLEditor::SetColors(const TVlColors &colors)
{
    fColors = colors;
    viewport()->update();
}

void TVlHLEditor::SetBackColor(TColor color)
{
    fBackColor = color;
    viewport()->update();
}

void TVlHLEditor::SetSelColors(TColor fore, TColor back)
{
    fSelForeColor = fore;
    fSelBackColor = back;
    viewport()->update();
}

void TVlHLEditor::SetRightMarginColor(TColor color)
{
    fRightMarginColor = color;
    viewport()->update();
}

void TVlHLEditor::SetRightMarginVisible(bool value)
{
    fRightMarginVisible = value;
    viewport()->update();
}

void TVlHLEditor::SetRightMargin(int column)
{
    fRightMargin = column;
    viewport()->update();
}

void TVlHLEditor::SetGutterWidth(int width)
{
    fGutterWidth = std::max(0, width);
    UpdateScrollBars();
    viewport()->update();
}

void TVlHLEditor::SetDecorator(TVlEditorDecorator *decorator)
{
    fDecorator = decorator;
    viewport()->update();
}

std::vector<TVlTokenClass> TVlHLEditor::LineClasses(int line)
{
    const QString text = fModel->Line(line);
    const int count = std::min(static_cast<int>(text.size()), VlMaxColoredCells);
    std::vector<TVlTokenClass> classes(count, TVlTokenClass::PlainText);
    if (fSyntaxHighlighting && count > 0) {
        const TVlLongState state = fModel->States().StateOf(fModel->Lines(), line);
        VlColorLine(fHighlighter, text, state, classes.data(), count);
    }
    return classes;
}

TVlPos TVlHLEditor::PosAt(QPoint p) const
{
    const int x = p.x() - fGutterWidth - 2 + fCharWidth / 2;
    return {std::max(0, x / fCharWidth + LeftColumn()), p.y() / fRowHeight + fModel->TopLine()};
}

QRect TVlHLEditor::CellRect(TVlPos pos) const
{
    return QRect(fGutterWidth + 2 + (pos.X - LeftColumn()) * fCharWidth,
                 (pos.Y - fModel->TopLine()) * fRowHeight, fCharWidth, fRowHeight);
}

void TVlHLEditor::CaretWasMoved()
{
    UpdateScrollBars();
    ScrollToCaret();
    fCaretVisible = true;
    viewport()->update();
    emit ChangeStatus();
}

void TVlHLEditor::ScrollToCaret()
{
    const int x = fModel->Caret().X;
    const int columns = std::max(1, horizontalScrollBar()->pageStep());
    if (x < LeftColumn())
        horizontalScrollBar()->setValue(x);
    else if (x >= LeftColumn() + columns)
        horizontalScrollBar()->setValue(x - columns + 1);
}

bool TVlHLEditor::event(QEvent *e)
{
    // Tab is an editor key, not a focus move.
    if (e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

namespace {
// Ctrl+Shift+digit arrives as the shifted symbol on most layouts.
int DigitKey(int key)
{
    static const QString shifted = QStringLiteral(")!@#$%^&*(");
    if (key < 128) {
        const qsizetype i = shifted.indexOf(QChar(key));
        if (i >= 0)
            return Qt::Key_0 + static_cast<int>(i);
    }
    return key;
}

bool IsTypedText(const QKeyEvent *e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    const bool altGr = (m & Qt::ControlModifier) && (m & Qt::AltModifier);
    if ((m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && !altGr)
        return false;
    const QString t = e->text();
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}
} // namespace

void TVlHLEditor::keyPressEvent(QKeyEvent *e)
{
    // The Linefeed key (what input tools send for a typed line break) breaks the line as Enter does.
    if (e->key() == '\n' && e->text() == QLatin1String("\n")) {
        QKeyEvent enter(e->type(), Qt::Key_Return, e->modifiers(), QStringLiteral("\r"), e->isAutoRepeat());
        keyPressEvent(&enter);
        e->setAccepted(enter.isAccepted());
        return;
    }
    if (fCompletion->KeyDown(e))
        return;
    int key = e->key();
    // A modifier pressed alone neither types nor ends a two-key sequence.
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr)
        return QAbstractScrollArea::keyPressEvent(e);
    Qt::KeyboardModifiers modifiers = e->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & Qt::ControlModifier) && (modifiers & Qt::ShiftModifier))
        key = DigitKey(key);
    if (key == Qt::Key_Backtab)
        modifiers |= Qt::ShiftModifier;
    int command = 0;
    switch (fKeyboard.Press(key, modifiers, command)) {
    case TVlKeyboard::TResult::Command:
        ExecuteCommand(command);
        if (command == ecBackspace)
            fCompletion->CharTyped(QString());
        break;
    case TVlKeyboard::TResult::Pending:
    case TVlKeyboard::TResult::Ignored:
        break;
    case TVlKeyboard::TResult::Unbound:
        if (!IsTypedText(e)) {
            QAbstractScrollArea::keyPressEvent(e);
            return;
        }
        ExecuteCommand(ecChar, e->text());
        fCompletion->CharTyped(e->text());
        break;
    }
    e->accept();
}

void TVlHLEditor::inputMethodEvent(QInputMethodEvent *e)
{
    if (!e->commitString().isEmpty())
        ExecuteCommand(ecChar, e->commitString());
    e->accept();
}

void TVlHLEditor::CancelPendingInput()
{
    fKeyboard.Cancel();
    fCompletion->Close(false);
}

void TVlHLEditor::mousePressEvent(QMouseEvent *e)
{
    CancelPendingInput();
    if (e->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(e);
    TVlPos pos = PosAt(e->position().toPoint());
    if (e->position().x() < fGutterWidth) {
        pos.X = 0;
        if (pos.Y < fModel->LineCount())
            emit GutterClicked(pos.Y);
    }
    if (e->modifiers() & Qt::ShiftModifier)
        fModel->MoveCaretKeepingSelection(pos);
    else
        fModel->SetCaret(pos);
    fMouseSelecting = true;
}

void TVlHLEditor::mouseMoveEvent(QMouseEvent *e)
{
    if (!fMouseSelecting)
        return;
    TVlPos pos = PosAt(e->position().toPoint());
    fModel->MoveCaretKeepingSelection(pos);
    fModel->EnsureCaretVisible();
}

void TVlHLEditor::mouseReleaseEvent(QMouseEvent *)
{
    fMouseSelecting = false;
}

void TVlHLEditor::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const TVlPos c = fModel->Caret();
    if (fModel->Options().DoubleClickLine)
        fModel->SetSelection({0, c.Y}, c.Y + 1 < fModel->LineCount() ? TVlPos{0, c.Y + 1}
                                                                     : TVlPos{static_cast<int>(fModel->Line(c.Y).size()), c.Y});
    else
        fModel->ExecuteCommand(ecSelWord);
    fMouseSelecting = false;
}

void TVlHLEditor::wheelEvent(QWheelEvent *e)
{
    // One line per 40 units: three lines for a standard notch.
    fWheelRemainder += e->angleDelta().y();
    const int lines = fWheelRemainder / 40;
    fWheelRemainder -= lines * 40;
    if (lines != 0)
        fModel->SetTopLine(fModel->TopLine() - lines);
    e->accept();
}

void TVlHLEditor::focusInEvent(QFocusEvent *e)
{
    fCaretTimer->start(500);
    fCaretVisible = true;
    viewport()->update();
    QAbstractScrollArea::focusInEvent(e);
}

void TVlHLEditor::focusOutEvent(QFocusEvent *e)
{
    fCaretTimer->stop();
    CancelPendingInput();
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(e);
}

void TVlHLEditor::scrollContentsBy(int, int)
{
    fModel->SetTopLine(verticalScrollBar()->value());
    viewport()->update();
}

void TVlHLEditor::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    fModel->SetVisibleRows(std::max(1, viewport()->height() / fRowHeight));
    UpdateScrollBars();
}

// TVlHLEditor: the highlighting source editor widget over TVlEditorModel.
#pragma once

#include "VlEditorCommon.h"
#include "VlEditorModel.h"
#include "VlKeyMap.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPoint>
#include <array>

class TVlCompletion;
class TVlEditorDecorator;
class QTimer;

// Resolves a stored colour (RGB or system colour) against a palette.
QColor VlToQColor(TColor color, const QPalette &palette);

class TVlHLEditor : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TVlHLEditor(QWidget *parent = nullptr);
    ~TVlHLEditor() override;

    TVlEditorModel &Model() { return *fModel; }
    const TVlEditorModel &Model() const { return *fModel; }

    // Text. Text() ends every line with CR LF; SetText accepts any line ends.
    QString Text() const { return fModel->Text(); }
    void SetText(const QString &text) { fModel->SetText(text); }
    int LineCount() const { return fModel->LineCount(); }
    QString Line(int index) const { return fModel->Line(index); }
    void AppendLine(const QString &line) { fModel->AppendLine(line); }
    void InsertLine(int index, const QString &line) { fModel->InsertLine(index, line); }
    void DeleteLine(int index) { fModel->DeleteLine(index); }
    void PutLine(int index, const QString &line) { fModel->PutLine(index, line); }

    // Selection and clipboard.
    QString SelText() const { return fModel->SelText(); }
    void SetSelText(const QString &text) { fModel->SetSelText(text); }
    bool SelAvail() const { return fModel->SelAvail(); }
    void SelectAll() { fModel->SelectAll(); }
    void ClearSelection() { fModel->ClearSelection(); }
    void CutToClipboard() { fModel->ExecuteCommand(ecClipboardCut); }
    void CopyToClipboard() { fModel->ExecuteCommand(ecClipboardCopy); }
    void PasteFromClipboard() { fModel->ExecuteCommand(ecClipBoardPaste); }
    void DeleteSelected() { fModel->ExecuteCommand(ecDeleteSelected); }

    // Undo.
    void Undo() { fModel->Undo(); }
    void Redo() { fModel->Redo(); }
    bool CanUndo() const { return fModel->CanUndo(); }
    bool CanRedo() const { return fModel->CanRedo(); }
    void BeginCompound() { fModel->BeginCompound(); }
    void EndCompound() { fModel->EndCompound(); }

    // Caret as (1-based column, 1-based line); CaretX/CaretY are 0-based.
    QPoint CaretXY() const { return {fModel->Caret().X + 1, fModel->Caret().Y + 1}; }
    void SetCaretXY(QPoint pos);
    int CaretX() const { return fModel->Caret().X; }
    int CaretY() const { return fModel->Caret().Y; }
    void SetCaret(int x, int y);

    // 0-based offsets into the CR LF-joined text.
    int SelStart() const;
    void SetSelStart(int offset);
    int SelLength() const;
    void SetSelLength(int length);

    bool Modified() const { return fModel->Modified(); }
    void SetModified(bool value) { fModel->SetModified(value); }
    bool ReadOnly() const { return fModel->ReadOnly(); }
    void SetReadOnly(bool value) { fModel->SetReadOnly(value); }
    bool InsertMode() const { return fModel->InsertMode(); }
    void SetInsertMode(bool value) { fModel->SetInsertMode(value); }
    bool Recording() const { return fModel->Recording(); }

    // A two-key command waiting for its second key (after Ctrl+K, Ctrl+O, Ctrl+Q ...).
    bool KeySequencePending() const { return fKeyboard.Pending(); }
    // Drops a waiting two-key command and closes the completion list without inserting: a click,
    // a focus change or a command of the window ends what the keyboard had started.
    void CancelPendingInput();

    // Runs a key-map command as if its key had been pressed.
    void ExecuteCommand(int command, const QString &text = QString());

    // The three status texts: "line:column", "Изменен" or empty, and the mode.
    std::array<QString, 3> StatusTexts() const;

    // Highlighting and appearance.
    TVlHighlighter Highlighter() const { return fHighlighter; }
    void SetHighlighter(TVlHighlighter hl);
    bool SyntaxHighlighting() const { return fSyntaxHighlighting; }
    void SetSyntaxHighlighting(bool value);
    TVlColors &Colors() { return fColors; }
    void SetColors(const TVlColors &colors);
    TColor BackColor() const { return fBackColor; }
    void SetBackColor(TColor color);
    TColor SelForeColor() const { return fSelForeColor; }
    TColor SelBackColor() const { return fSelBackColor; }
    void SetSelColors(TColor fore, TColor back);
    TColor RightMarginColor() const { return fRightMarginColor; }
    void SetRightMarginColor(TColor color);
    bool RightMarginVisible() const { return fRightMarginVisible; }
    void SetRightMarginVisible(bool value);
    int RightMargin() const { return fRightMargin; }
    void SetRightMargin(int column);
    int GutterWidth() const { return fGutterWidth; }
    void SetGutterWidth(int width);
    QString TabStops() const { return fModel->TabStops().Text(); }
    void SetTabStops(const QString &text) { fModel->SetTabStops(text); }
    TVlEditorOptions &Options() { return fModel->Options(); }
    // The chosen font's own style stays; token classes add bold, italic and the rest to it.
    void SetEditorFont(const QFont &font);
    // The font painted for a token style (VlFontStyle bits).
    const QFont &StyledFont(std::uint8_t style) const;
    int CharWidth() const { return fCharWidth; }
    int RowHeight() const { return fRowHeight; }

    // Cell colours of one line as they are painted (token classes, comment states included).
    std::vector<TVlTokenClass> LineClasses(int line);
    // The character cell under a viewport point (column and line, 0-based, not clamped).
    TVlPos PosAt(QPoint viewportPoint) const;
    // The viewport rectangle of a character cell.
    QRect CellRect(TVlPos pos) const;

    TVlCompletion &Completion() { return *fCompletion; }

    // Paints beside the text (none by default); the decorator must outlive the editor or be reset.
    void SetDecorator(TVlEditorDecorator *decorator);

signals:
    void ChangeStatus();
    void TextChanged();
    // After the gutter is painted, with its painter (line numbers and bookmarks already drawn).
    void PaintGutter(QPainter &painter);
    // A left click in the gutter beside a line of the text (0-based).
    void GutterClicked(int line);

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateMetrics();
    void UpdateScrollBars();
    void CaretWasMoved();
    void PaintLine(QPainter &painter, int line, int y, const QRect &clip);
    void PaintGutterArea(QPainter &painter, const QRect &clip);
    void ScrollToCaret();
    int LeftColumn() const;

    TVlEditorModel *fModel;
    TVlKeyboard fKeyboard;
    TVlCompletion *fCompletion;
    TVlHighlighter fHighlighter = TVlHighlighter::hlPascal;
    bool fSyntaxHighlighting = true;
    TVlColors fColors = TVlColors::MainWindowDefaults();
    TColor fBackColor = VlColors::clWindow;
    TColor fSelForeColor = VlColors::clHighlightText;
    TColor fSelBackColor = VlColors::clHighlight;
    TColor fRightMarginColor = VlColors::clSilver;
    TColor fBracketFrameColor = VlColors::clSilver;
    bool fRightMarginVisible = false;
    int fRightMargin = 80;
    int fGutterWidth = 30;
    int fCharWidth = 8;
    int fRowHeight = 16;
    int fAscent = 12;
    int fWheelRemainder = 0;
    int fLongestLine = 0; // characters, for the horizontal scroll range
    bool fMouseSelecting = false;
    bool fCaretVisible = true;
    QTimer *fCaretTimer;
    std::vector<TVlTokenClass> fCells; // reused for every painted line
    std::array<QFont, 16> fStyledFonts; // by VlFontStyle bits, made when the font is set
    TVlEditorDecorator *fDecorator = nullptr;
};

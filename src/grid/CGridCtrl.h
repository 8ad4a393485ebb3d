#pragma once

#include "GridPaintState.h"

#include <QPointer>
#include <QStringList>
#include <QTableWidget>
#include <QTimer>
#include <QVector>

class CGridCellCombo;
class QComboBox;
class QLineEdit;
class CGridCellEdit;
class CGridTypeAheadTip;

// How a cell is painted and what activating it does.
enum CellKind : int {
    CELL_TEXT = 0,      // plain read-only text
    CELL_BUTTON = 1,    // framed text with a three-dot button; activation calls OnCellButton
    CELL_EDIT = 2,      // framed text edited in a line edit
    CELL_DROPLIST = 3,  // framed text with a drop-down arrow; only the choices can be taken
    CELL_DROPDOWN = 4,  // as CELL_DROPLIST, with an editable text field
    CELL_CHECKED = 5,   // ticked check box, then the text; activation calls OnCellCheck
    CELL_UNCHECKED = 6, // empty check box, then the text
    CELL_LINE = 7,      // a horizontal rule, no text
};

// Style byte of GetCellStyle: any combination of these bits; 0 is the grid's own font.
enum FontStyle : quint8 {
    FONT_BOLD = 1,
    FONT_ITALIC = 2,
    FONT_UNDERLINE = 4,
    FONT_STRIKEOUT = 8,
};

// Column format, as given to InsertColumn.
enum ColumnFormat : int {
    LVCFMT_LEFT = 0,
    LVCFMT_RIGHT = 1,
    LVCFMT_CENTER = 2,
};

// A report-style list turned into a small grid: a focus cell moved by keys and mouse, cell kinds,
// colours and font styles asked of virtual hooks, in-place editors and type-ahead search in the
// focus column.
//
// The rows, cell texts, image indexes, the 32-bit item data of each row, the row selection and
// the focused row (the view's current index) all live in the item view; the grid itself keeps
// only the focus cell, the editor state and the search text.
//
// A subclass overrides the hooks: GetCellKind and GetCellStyle decide the look, GetCellChoices
// fills a drop-down, OnEndCellEdit stores (or refuses) an edit, CreateCellEdit may call this
// class's version and then adjust GetEditorLine() (a validator, say). OnKeyDown receives every
// key first; OnCellRClick gets a point in viewport coordinates (viewport()->mapToGlobal for a
// menu); OnColumnClick is the header click, made once an open edit has ended.
class CGridCtrl : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int TYPEAHEAD_TIMER = 1;
    static constexpr int kImageStrip = 17;   // width taken by a cell image when painted
    static constexpr int kImageIndent = 16;  // an editor starts this far right of a cell image
    static constexpr int kComboMinWidth = 70;
    static constexpr int kComboMaxHeight = 204;
    // Item-data roles: the row's 32-bit data sits on the item of column 0.
    static constexpr int ItemDataRole = Qt::UserRole;
    static constexpr int ImageRole = Qt::UserRole + 1;

    explicit CGridCtrl(QWidget *parent = nullptr);
    ~CGridCtrl() override;

    // ---- The list operations the owner fills and reads the grid with ----
    int InsertColumn(int column, const QString &heading, int format = LVCFMT_LEFT, int width = 80);
    int GetColumnCount() const { return columnCount(); }
    int GetColumnFormat(int column) const;
    QString GetColumnHeading(int column) const;
    int InsertItem(int row, const QString &text, int image = -1);
    bool DeleteItem(int row);
    void DeleteAllItems();
    int GetItemCount() const { return rowCount(); }
    bool SetItemText(int row, int column, const QString &text);
    QString GetItemText(int row, int column) const;
    bool SetItemData(int row, quint32 data);
    quint32 GetItemData(int row) const;
    bool SetItemImage(int row, int column, int image);
    int GetItemImage(int row, int column) const;
    // The small image list; cell image indexes refer to it.
    void SetImageList(const QVector<QPixmap> &images) { OnSetImageList(images); }
    const QVector<QPixmap> &GetImageList() const { return m_images; }
    bool HasImageList() const { return !m_images.isEmpty(); }

    bool IsRowSelected(int row) const;
    void SetRowSelected(int row, bool selected);
    QVector<int> GetSelectedRows() const; // ascending
    int GetSelectedCount() const;
    // The focused row (the one the view moves with the keyboard), or -1.
    int GetFocusedItem() const;
    void SetFocusedItem(int row);
    int GetTopIndex() const;
    int GetCountPerPage() const;

    // ---- The grid's own operations ----
    int GetFocusRow() const { return m_focusRow; }
    int GetFocusColumn() const { return m_focusColumn; }
    bool SetFocusCell(int row, int column, bool redraw);
    void SelectFocusRow();
    void RedrawRow(int row, bool onlyIfOnPage);
    bool HitTestCell(const QPoint &point, int &row, int &column, QRect &cellRect) const;
    bool GetCellRect(int row, int column, QRect &rect) const;
    int EnsureColumnVisible(int column);
    bool EnsureRowVisible(int row);
    bool EditCell(int row, int column, const QRect *rect = nullptr);
    const QFont &CreateCellFont(quint8 style);

    // Ends an open edit now, keeping what the editor holds, as Enter does (through
    // OnEndCellEdit). False when OnEndCellEdit refused it: the editor then stays open.
    bool EndEdit();

    // The open editor, if any: its cell and its widget.
    bool IsEditing() const { return m_editRow != -1; }
    int GetEditRow() const { return m_editRow; }
    int GetEditColumn() const { return m_editColumn; }
    QWidget *GetEditor() const;
    QLineEdit *GetEditorLine() const;     // the line editor, or null
    QComboBox *GetEditorCombo() const;    // the drop-down editor, or null

    // Type-ahead state.
    const QString &GetSearchText() const { return m_search; }
    bool IsSearchTimerActive() const { return m_searchTimer.isActive(); }
    int GetSearchTimeout() const { return m_searchTimeout; }
    QWidget *GetTypeAheadTip() const;
    QString GetTypeAheadTipText() const;

    const GridPaintState &PaintState() const { return m_paint; }
    // Paints one cell; false leaves it to the view. Called by the grid's delegate.
    bool PaintCell(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index);

    // ---- Hooks ----
    virtual CellKind GetCellKind(int row, int column);
    virtual bool GetCellStyle(int row, int column, QColor &text, QColor &background, quint8 &style);
    virtual void GetCellChoices(int row, int column, bool &useImages, QStringList &choices,
                                QVector<int> &images);
    virtual bool OnEndCellEdit(int row, int column, bool cancelled, const QString &text, int image);
    virtual void OnCellCheck(int row, int column);
    virtual void OnCellButton(int row, int column);
    virtual bool CreateCellEdit(int row, int column, const QRect &rect);
    virtual bool CreateCellCombo(int row, int column, const QRect &rect, bool editable);
    virtual bool OnCellLButtonDown(int row, int column, const QRect &rect, const QPoint &point);
    virtual void OnCellClick(int row, int column, const QRect &rect, const QPoint &point);
    virtual void OnCellRButtonDown(int row, int column, const QRect &rect, const QPoint &point);
    virtual void OnCellRClick(int row, int column, const QRect &rect, const QPoint &point);
    virtual void OnCellDblClk(int row, int column, const QRect &rect);
    virtual void OnColumnClick(int column);
    virtual void OnTypeAheadChar(QChar ch);
    virtual void CreateCellGlyphs();

    // ---- Event handlers, virtual so that a subclass replaces one by overriding it ----
    virtual void OnKeyDown(QKeyEvent *event);
    virtual void OnChar(QChar ch);
    virtual void OnLButtonDown(QMouseEvent *event);
    virtual void OnClick(const QPoint &point);
    virtual void OnLButtonDblClk(QMouseEvent *event);
    virtual void OnRButtonDown(QMouseEvent *event);
    virtual void OnRClick(const QPoint &point);
    virtual void OnTimer(int id);
    virtual void OnSetImageList(const QVector<QPixmap> &images);
    virtual void OnSysColorChange();

protected:
    // The painters: each paints the cell described by m_paint.
    virtual void DrawTextCell();
    virtual void DrawEditCell();
    virtual void DrawComboCell();
    virtual void DrawCheckCell();
    virtual void DrawButtonCell();
    virtual void DrawLineCell();
    // The text part all painters but DrawLineCell end with, on the rectangle they leave.
    void DrawTextBody(QRect rect);
    void DrawButtonGlyph(const QPixmap &glyph);

    // Modifier keys of the mouse or key event being handled.
    Qt::KeyboardModifiers EventModifiers() const { return m_modifiers; }
    // The default handling of the view, for a subclass handler that replaces ours.
    void DefaultKeyPress(QKeyEvent *event) { QTableWidget::keyPressEvent(event); }

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyboardSearch(const QString &search) override;

    GridPaintState m_paint;

private:
    void EndCellEdit(quint32 serial, bool cancelled);
    // Before rows are inserted, removed or rewritten: the edit ends on the row it was opened
    // on, and one OnEndCellEdit refuses is dropped, since its row is about to change.
    void EndEditBeforeRowChange();
    void CloseEditor();
    // Tells assistive technology that the focus is on the focus cell (when the grid has it).
    void TellFocusCell();
    bool InEditor(const QWidget *w) const; // the editor or one of its parts (the open list)
    void OnAppFocusChanged(QWidget *old, QWidget *now);
    void OpenedEditor(QWidget *editor, int row, int column);
    int GlyphHeight() const { return HasImageList() ? 16 : 13; }
    void UpdateRowHeight();
    QTableWidgetItem *ItemFor(int row, int column);

    bool m_destroying = false;
    int m_editRow = -1;
    int m_editColumn = -1;
    int m_focusRow = -1;
    int m_focusColumn = 0;
    quint16 m_editLimit = 100;
    quint16 m_textBufferSize = 255; // longest search text, in characters
    bool m_typeAhead = true;
    QString m_search;
    CGridTypeAheadTip *m_toolTip = nullptr;
    quint16 m_searchTimeout = 2500;

    QTimer m_searchTimer;
    QVector<QPixmap> m_images;
    QPointer<QWidget> m_editor;
    CGridCellEdit *m_lineEditor = nullptr; // m_editor when it is a line edit
    CGridCellCombo *m_comboEditor = nullptr;
    quint32 m_editSerial = 0;  // tells the end requests of one editor from those of the next
    bool m_ending = false;     // an edit is being ended; focus moves it causes are ignored
    bool m_pressEndedEdit = false; // the mouse press only ended an edit; its release does nothing
    bool m_pressActivated = false; // the last left press activated its cell (a second click)
    Qt::KeyboardModifiers m_modifiers;
};

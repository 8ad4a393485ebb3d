#pragma once

#include <QComboBox>

class QAbstractItemView;

// The in-place drop-down editor, list only or with an editable field. Enter or a mouse pick in
// the open list asks to keep the choice, Escape to cancel; moving through the open list with the
// keys ends nothing.
class CGridCellCombo : public QComboBox
{
    Q_OBJECT

public:
    CGridCellCombo(QWidget *parent, bool editable, int limit);
    // The widgets that belong to this editor although they are not its children (the popup).
    bool Owns(const QWidget *w) const;
    // Editable only: puts a cell text into the field, whole, and selects it.
    void SetCellText(const QString &text);
    void SetPopupBounds(int minWidth, int maxHeight);

signals:
    void endRequested(bool cancelled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractItemView *m_list = nullptr;
    QWidget *m_listViewport = nullptr;
    bool m_mousePick = false; // the left button went down in the open list
    int m_maxPopupHeight = 0;
};

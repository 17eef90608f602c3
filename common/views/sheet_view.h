#pragma once

// The grid of a sheet window: a table model over a Sheet, a delegate that
// draws raised and lowered runs, and a view that can commit an open edit.

#include "common/files/sheet.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStyledItemDelegate>
#include <QTableView>

namespace corvalen {

class SheetItemModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SheetItemModel(Sheet *sheet, QObject *parent = nullptr);

    // While editable every cell takes edits; otherwise the grid is a picture.
    void setEditable(bool editable);
    const Sheet &sheet() const { return *m_sheet; }
    // Sets a cell as typed and refreshes every shown value.
    void setInput(int row, int column, const QString &input);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void cellsRecomputed();

private:
    Sheet *m_sheet;
    bool m_editable = false;
    // The few fonts and colours of a sheet, made once.
    mutable QHash<QString, QVariant> m_fonts;
    mutable QHash<QString, QVariant> m_colors;
};

// Draws a cell's raised and lowered runs (the 3 of M3); other cells as usual.
class SheetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    SheetItemDelegate(const SheetItemModel *model, QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

Q_SIGNALS:
    // The text of an open cell editor as the user types it.
    void editorTextEdited(const QString &text) const;
    // Ctrl+Tab (forward) or Ctrl+Shift+Tab in a cell editor, after the
    // editor committed and closed: the keyboard leaves the grid.
    void leaveRequested(bool forward);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    const SheetItemModel *m_model;
};

class SheetView : public QTableView
{
public:
    explicit SheetView(QWidget *parent);
    // Commits the text of a cell editor that is open and closes it.
    void commitOpenEdit();
    // Sizes the columns to the shown texts (merged cells included), the
    // rows to the text height, and the view to the whole grid.
    void fitToContents();
    // Widens every column whose shown texts no longer fit, as after an
    // edit; no column narrows. Answers whether any column widened.
    bool widenToContents();
    // Active, the grid takes Tab between its cells; inactive, it is a
    // picture that Tab passes by (a click still selects for copying).
    void setCellNavigation(bool on);
    // Moves the keyboard focus out of the grid to the next or previous
    // control of the window.
    void leaveGrid(bool forward);
    // The selected cells' shown texts, tab-separated, onto the clipboard.
    void copySelection();
    QString selectionText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QList<int> contentWidths() const;
};

} // namespace corvalen

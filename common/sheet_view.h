#pragma once

// The grid of a sheet window: a table model over a Sheet, a delegate that
// draws raised and lowered runs, and a view that can commit an open edit.

#include "common/sheet.h"

#include <QAbstractTableModel>
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
};

// Draws a cell's raised and lowered runs (the 3 of M3); other cells as usual.
class SheetItemDelegate : public QStyledItemDelegate
{
public:
    SheetItemDelegate(const SheetItemModel *model, QObject *parent);
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

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
    // The selected cells' shown texts, tab-separated, onto the clipboard.
    void copySelection();
    QString selectionText() const;
};

} // namespace corvalen

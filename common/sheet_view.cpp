#include "common/sheet_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>

namespace corvalen {

namespace {

QFont cellFont(const QFont &base, const CellStyle &style)
{
    QFont font = base;
    font.setPointSize(style.pointSize);
    font.setBold(style.bold);
    return font;
}

// Text margin inside a cell, left and right.
constexpr int kCellPadding = 8;
constexpr int kMinimumColumnWidth = 48;

} // namespace

SheetItemModel::SheetItemModel(Sheet *sheet, QObject *parent) : QAbstractTableModel(parent), m_sheet(sheet)
{
}

void SheetItemModel::setEditable(bool editable)
{
    m_editable = editable;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void SheetItemModel::setInput(int row, int column, const QString &input)
{
    m_sheet->setInput(row, column, input);
    // Any formula may depend on the cell: every shown value is refreshed.
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT cellsRecomputed();
}

int SheetItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet->rowCount();
}

int SheetItemModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet->columnCount();
}

QVariant SheetItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int r = index.row();
    const int c = index.column();
    const bool covered = m_sheet->isCovered(r, c);
    switch (role) {
    case Qt::DisplayRole:
        return covered ? QString() : m_sheet->displayText(r, c);
    case Qt::EditRole:
        return m_sheet->input(r, c);
    case Qt::FontRole:
        return cellFont(QApplication::font(), m_sheet->style(r, c));
    case Qt::ForegroundRole: {
        const QString &color = m_sheet->style(r, c).color;
        return color.isEmpty() ? QVariant() : QVariant(QColor::fromString(color));
    }
    case Qt::TextAlignmentRole:
        // The general alignment: numbers right, error texts centred, texts left.
        switch (m_sheet->value(r, c).kind) {
        case SheetValue::Number:
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case SheetValue::Error:
            return QVariant(Qt::AlignCenter);
        default:
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default:
        return QVariant();
    }
}

bool SheetItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_editable)
        return false;
    setInput(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags SheetItemModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant SheetItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    return orientation == Qt::Horizontal ? columnName(section) : QString::number(section + 1);
}

SheetItemDelegate::SheetItemDelegate(const SheetItemModel *model, QObject *parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

void SheetItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QList<MarkupRun> runs = m_model->sheet().displayRuns(index.row(), index.column());
    const bool scripted = std::any_of(runs.cbegin(), runs.cend(), [](const MarkupRun &r) { return r.script != 0; });
    if (!scripted || m_model->sheet().isCovered(index.row(), index.column())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
    painter->save();
    painter->setClipRect(box);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text));
    const QFontMetrics base(opt.font);
    const int baseline = box.top() + (box.height() - base.height()) / 2 + base.ascent();
    int x = box.left();
    for (const MarkupRun &run : runs) {
        QFont font = opt.font;
        int y = baseline;
        if (run.script != 0) {
            font.setPointSizeF(opt.font.pointSizeF() * 0.7);
            y += run.script > 0 ? -base.ascent() * 2 / 5 : base.descent();
        }
        painter->setFont(font);
        painter->drawText(QPoint(x, y), run.text);
        x += QFontMetrics(font).horizontalAdvance(run.text);
    }
    painter->restore();
}

SheetView::SheetView(QWidget *parent) : QTableView(parent)
{
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto *copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &SheetView::copySelection);
    addAction(copy);
}

void SheetView::commitOpenEdit()
{
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void SheetView::fitToContents()
{
    auto *sheetModel = dynamic_cast<SheetItemModel *>(model());
    if (!sheetModel)
        return;
    const Sheet &sheet = sheetModel->sheet();
    auto textWidth = [&](int r, int c) {
        const QFontMetrics metrics(cellFont(font(), sheet.style(r, c)));
        return metrics.horizontalAdvance(sheet.displayText(r, c)) + 2 * kCellPadding;
    };
    QList<int> widths(sheet.columnCount(), kMinimumColumnWidth);
    for (int r = 0; r < sheet.rowCount(); ++r)
        for (int c = 0; c < sheet.columnCount(); ++c)
            if (!sheet.isCovered(r, c) && !sheet.mergeAt(r, c))
                widths[c] = qMax(widths[c], textWidth(r, c));
    // A merged text that its columns cannot hold widens the last of them.
    for (const CellRange &m : sheet.merges()) {
        int span = 0;
        for (int c = m.left; c <= m.right; ++c)
            span += widths[c];
        widths[m.right] += qMax(0, textWidth(m.top, m.left) - span);
    }
    for (int c = 0; c < sheet.columnCount(); ++c)
        setColumnWidth(c, widths[c]);
    int height = QFontMetrics(cellFont(font(), CellStyle())).height() + 6;
    for (int r = 0; r < sheet.rowCount(); ++r)
        for (int c = 0; c < sheet.columnCount(); ++c)
            height = qMax(height, QFontMetrics(cellFont(font(), sheet.style(r, c))).height() + 6);
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setMinimumSectionSize(height);
    updateGeometry();
}

QString SheetView::selectionText() const
{
    auto *sheetModel = dynamic_cast<SheetItemModel *>(model());
    const QModelIndexList indexes = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    if (!sheetModel || indexes.isEmpty())
        return QString();
    CellRange range{indexes.first().row(), indexes.first().column(), indexes.first().row(), indexes.first().column()};
    for (const QModelIndex &i : indexes) {
        range.top = qMin(range.top, i.row());
        range.bottom = qMax(range.bottom, i.row());
        range.left = qMin(range.left, i.column());
        range.right = qMax(range.right, i.column());
    }
    return sheetModel->sheet().copyText(range);
}

void SheetView::copySelection()
{
    const QString text = selectionText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace corvalen

#include "common/views/sheet_view.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <optional>

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
// A typed text longer than this is cut at the cell's edge, as in any sheet;
// numbers and error texts are never cut.
constexpr int kMaximumTextWidth = 400;

// Ctrl+Tab leaves the grid forward, Ctrl+Shift+Tab backward; Tab alone
// moves between cells. Empty for any other key.
std::optional<bool> leavingForward(const QKeyEvent *key)
{
    if (!(key->modifiers() & Qt::ControlModifier))
        return std::nullopt;
    if (key->key() == Qt::Key_Backtab)
        return false;
    if (key->key() == Qt::Key_Tab)
        return !(key->modifiers() & Qt::ShiftModifier);
    return std::nullopt;
}

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
    // Any formula may depend on the cell; only the cells whose shown text
    // changed are drawn again.
    QStringList before;
    before.reserve(rowCount() * columnCount());
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            before.append(m_sheet->displayText(r, c));
    m_sheet->setInput(row, column, input);
    int i = 0;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c, ++i)
            if (before.at(i) != m_sheet->displayText(r, c) || (r == row && c == column))
                Q_EMIT dataChanged(index(r, c), index(r, c));
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
    case Qt::FontRole: {
        const CellStyle &style = m_sheet->style(r, c);
        const QString key = QStringLiteral("%1%2").arg(style.pointSize).arg(style.bold ? u'b' : u'r');
        if (!m_fonts.contains(key))
            m_fonts.insert(key, cellFont(QApplication::font(), style));
        return m_fonts.value(key);
    }
    case Qt::ForegroundRole: {
        const QString &color = m_sheet->style(r, c).color;
        if (color.isEmpty())
            return QVariant();
        if (!m_colors.contains(color))
            m_colors.insert(color, QColor::fromString(color));
        return m_colors.value(color);
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
    return orientation == Qt::Horizontal ? columnName(section) : QStringLiteral("%1").arg(section + 1);
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

QWidget *SheetItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        connect(line, &QLineEdit::textChanged, this, &SheetItemDelegate::editorTextEdited);
    return editor;
}

bool SheetItemDelegate::eventFilter(QObject *object, QEvent *event)
{
    auto *editor = qobject_cast<QWidget *>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        if (const std::optional<bool> forward = leavingForward(static_cast<QKeyEvent *>(event))) {
            Q_EMIT commitData(editor);
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
            Q_EMIT leaveRequested(*forward);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

SheetView::SheetView(QWidget *parent) : QTableView(parent)
{
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void SheetView::setCellNavigation(bool on)
{
    setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
    setTabKeyNavigation(on);
}

void SheetView::leaveGrid(bool forward)
{
    // The item view's own handling would take Tab as a move to the next cell.
    QWidget::focusNextPrevChild(forward);
}

void SheetView::keyPressEvent(QKeyEvent *event)
{
    if (const std::optional<bool> forward = leavingForward(event)) {
        leaveGrid(*forward);
        event->accept();
        return;
    }
    // The view's own copy takes the current cell alone.
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        event->accept();
        return;
    }
    // Delete empties the selected cells of an editable sheet.
    if (event->key() == Qt::Key_Delete && state() != EditingState && selectionModel()) {
        const QModelIndexList cells = selectionModel()->selectedIndexes();
        if (!cells.isEmpty() && (model()->flags(cells.first()) & Qt::ItemIsEditable)) {
            for (const QModelIndex &cell : cells)
                model()->setData(cell, QString(), Qt::EditRole);
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SheetView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab out of a cell editor moves to the next cell without opening it,
    // as in any sheet; the item view would open the next cell's editor.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        const QModelIndex next =
            moveCursor(hint == QAbstractItemDelegate::EditNextItem ? MoveNext : MovePrevious, Qt::NoModifier);
        if (next.isValid())
            selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void SheetView::commitOpenEdit()
{
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QList<int> SheetView::contentWidths() const
{
    auto *sheetModel = dynamic_cast<SheetItemModel *>(model());
    if (!sheetModel)
        return {};
    const Sheet &sheet = sheetModel->sheet();
    // A sheet has a few styles; their metrics are made once per call.
    QHash<int, QFontMetrics> metricsBySize;
    auto textWidth = [&](int r, int c) {
        const CellStyle &style = sheet.style(r, c);
        const int key = style.pointSize * 2 + (style.bold ? 1 : 0);
        auto found = metricsBySize.find(key);
        if (found == metricsBySize.end())
            found = metricsBySize.insert(key, QFontMetrics(cellFont(font(), style)));
        const int width = found->horizontalAdvance(sheet.displayText(r, c)) + 2 * kCellPadding;
        return sheet.value(r, c).kind == SheetValue::Text ? qMin(width, kMaximumTextWidth) : width;
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
    return widths;
}

void SheetView::fitToContents()
{
    auto *sheetModel = dynamic_cast<SheetItemModel *>(model());
    if (!sheetModel)
        return;
    const Sheet &sheet = sheetModel->sheet();
    const QList<int> widths = contentWidths();
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c]);
    int height = QFontMetrics(cellFont(font(), CellStyle())).height() + 6;
    for (int r = 0; r < sheet.rowCount(); ++r)
        for (int c = 0; c < sheet.columnCount(); ++c)
            height = qMax(height, QFontMetrics(cellFont(font(), sheet.style(r, c))).height() + 6);
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setMinimumSectionSize(height);
    updateGeometry();
}

bool SheetView::widenToContents()
{
    const QList<int> widths = contentWidths();
    bool widened = false;
    for (int c = 0; c < widths.size(); ++c) {
        if (widths[c] > columnWidth(c)) {
            setColumnWidth(c, widths[c]);
            widened = true;
        }
    }
    if (widened)
        updateGeometry();
    return widened;
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

#include "common/views/picture_reference_window.h"


#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

namespace corvalen {

namespace {

QString oneLine(const QString &markup)
{
    return referencePlainText(markup).replace(u'\n', u' ').simplified();
}

// The header and body rows as text: cells tab-separated (a merged cell
// once), one row a line.
QString rowsText(const ReferencePage &page)
{
    QStringList lines;
    for (const QList<ReferenceRow> *rows : {&page.header, &page.body}) {
        for (const ReferenceRow &row : *rows) {
            QStringList cells;
            for (const ReferenceCell &cell : row)
                if (!cell.covered)
                    cells.append(cell.plainText().replace(u'\n', u' ').simplified());
            lines.append(cells.join(u'\t'));
        }
    }
    return lines.join(u'\n');
}

QString pictureName(const ReferencePage &page)
{
    QStringList titles;
    for (const QString &title : page.titles)
        titles.append(oneLine(title));
    if (!titles.isEmpty())
        return titles.join(u' ');
    for (const QString &heading : page.headings)
        titles.append(oneLine(heading));
    if (!titles.isEmpty())
        return titles.join(u' ');
    return rowsText(page).replace(u'\t', u' ').replace(u'\n', u' ').simplified();
}

} // namespace

TablePicture::TablePicture(std::shared_ptr<const TablePageLayout> layout, const ReferencePage &page,
                           QWidget *parent)
    : QWidget(parent), m_layout(std::move(layout))
{
    setObjectName(page.picture);
    setAccessibleName(pictureName(page));
    setAccessibleDescription(rowsText(page));
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TablePicture::sizeHint() const
{
    return m_layout->size();
}

void TablePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_layout->paint(painter);
    // A table that takes Tab (where its window scrolls it) shows that it
    // has the focus.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

PictureReferenceWindow::PictureReferenceWindow(std::shared_ptr<const ReferenceTable> table,
                                               std::shared_ptr<PageLayouts> layouts)
    : m_table(std::move(table)), m_layouts(layouts ? std::move(layouts) : std::make_shared<PageLayouts>())
{
}

void PictureReferenceWindow::build(QWidget *window)
{
    window->setWindowTitle(m_table->caption);
    auto *layout = new QVBoxLayout(window);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // All pages sit in one place; only the current one is visible.
    auto *pages = new QGridLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    m_pictures.clear();
    if (m_layouts->isEmpty())
        layOutPages();
    QSize largest;
    for (const auto &page : *m_layouts)
        largest = largest.expandedTo(page->size());
    for (int p = 0; p < m_table->pages.size(); ++p) {
        auto *picture = new TablePicture((*m_layouts)[p], m_table->pages[p], window);
        picture->setFixedSize(largest);  // every page fills the same sheet
        pages->addWidget(picture, 0, 0);
        m_pictures.append(picture);
    }
    layout->addLayout(pages);

    if (!m_table->label.isEmpty()) {
        auto *label = new QLabel(m_table->label, window);
        label->setObjectName(QStringLiteral("Label1"));
        layout->addWidget(label);
    }
    if (m_table->pages.size() > 1) {
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        for (int i = 0; i < m_table->pages.size(); ++i) {
            auto *button = new QPushButton(m_table->pages[i].button, window);
            button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
            QObject::connect(button, &QPushButton::clicked, button, [this, i] { showPage(i); });
            buttons->addWidget(button);
        }
        buttons->addStretch();
        layout->addLayout(buttons);
    }
    showPage(0);
}

void PictureReferenceWindow::layOutPages()
{
    // A continued table keeps its columns: pages of one column count share
    // the widest width of each column.
    QList<QList<int>> widths;
    for (const ReferencePage &page : m_table->pages)
        widths.append(TablePageLayout::columnTextWidths(page));
    for (int p = 0; p < widths.size(); ++p)
        for (int q = 0; q < widths.size(); ++q)
            if (widths[p].size() == widths[q].size())
                for (int c = 0; c < widths[p].size(); ++c)
                    widths[p][c] = qMax(widths[p][c], widths[q][c]);
    for (int p = 0; p < m_table->pages.size(); ++p)
        m_layouts->append(std::make_shared<const TablePageLayout>(m_table->pages[p], widths[p]));
}

void PictureReferenceWindow::showPage(int index)
{
    if (index < 0 || index >= m_pictures.size())
        return;
    // The page's own picture first, then the others hidden.
    if (m_pictures[index])
        m_pictures[index]->setVisible(true);
    for (int i = 0; i < m_pictures.size(); ++i)
        if (i != index && m_pictures[i])
            m_pictures[i]->setVisible(false);
}

const ReferencePage &formulaPage(const QString &path)
{
    static QHash<QString, ReferenceTable> tables;
    if (!tables.contains(path))
        tables.insert(path, loadBuiltInReferenceTable(path));
    return tables[path].pages.first();
}

TablePicture *formulaPicture(const QString &path, QWidget *parent)
{
    const ReferencePage &page = formulaPage(path);
    auto layout = std::make_shared<const TablePageLayout>(page, TablePageLayout::columnTextWidths(page));
    return new TablePicture(layout, page, parent);
}

} // namespace corvalen

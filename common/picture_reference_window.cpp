#include "common/picture_reference_window.h"

#include "common/tool_registry.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace corvalen {

namespace {

// Handbook pages are set in a Song (serif) face; Debian's fonts-noto-cjk
// ships one. Elsewhere the platform's serif face stands in.
QFont handbookFont()
{
    static const QFont font = [] {
        QFont f;
        const QStringList families = QFontDatabase::families();
        for (const char *name : {"Noto Serif CJK SC", "Source Han Serif SC", "SimSun", "AR PL UMing CN"}) {
            if (families.contains(QLatin1String(name))) {
                f.setFamily(QLatin1String(name));
                break;
            }
        }
        f.setStyleHint(QFont::Serif);
        f.setPointSizeF(10.5);  // 五号, the body size of handbook tables
        return f;
    }();
    return font;
}

// Markup of a table file to HTML: _{..} and ^{..} to sub/sup, \n to <br>.
QString markupHtml(const QString &markup)
{
    QString html;
    bool inScript = false;
    QString closeTag;
    for (int i = 0; i < markup.size(); ++i) {
        const QChar ch = markup.at(i);
        if (!inScript && (ch == QLatin1Char('_') || ch == QLatin1Char('^')) && i + 1 < markup.size()
            && markup.at(i + 1) == QLatin1Char('{')) {
            const bool sub = ch == QLatin1Char('_');
            html += sub ? QStringLiteral("<sub>") : QStringLiteral("<sup>");
            closeTag = sub ? QStringLiteral("</sub>") : QStringLiteral("</sup>");
            inScript = true;
            ++i;
        } else if (inScript && ch == QLatin1Char('}')) {
            html += closeTag;
            inScript = false;
        } else if (ch == QLatin1Char('\n')) {
            html += QStringLiteral("<br/>");
        } else if (ch == QLatin1Char('<')) {
            html += QStringLiteral("&lt;");
        } else if (ch == QLatin1Char('>')) {
            html += QStringLiteral("&gt;");
        } else if (ch == QLatin1Char('&')) {
            html += QStringLiteral("&amp;");
        } else if (ch == QLatin1Char(' ')) {
            html += QStringLiteral("&nbsp;");  // a cell never wraps at its blanks
        } else {
            html += ch;
        }
    }
    return html;
}

const char *alignName(QChar a)
{
    return a == QLatin1Char('l') ? "left" : a == QLatin1Char('r') ? "right" : "center";
}

// Cell padding and rule width of the drawn tables, in pixels.
constexpr int kPadding = 5;
constexpr int kRule = 1;
constexpr int kPageMargin = 14;
// A column's width as the layout takes it: text, padding, a rule and two
// pixels against rounding.
constexpr int kCellExtra = 2 * kPadding + kRule + 2;

// The width of the widest line of a markup text in `font`.
int textWidth(const QString &markup, const QFont &font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString &line : referencePlainText(markup).split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    return widest;
}

QFont titleFont()
{
    QFont f = handbookFont();
    f.setBold(true);
    f.setPointSizeF(12);
    return f;
}

QFont smallFont()
{
    QFont f = handbookFont();
    f.setPointSizeF(9);
    return f;
}

void appendRows(QString &html, const QList<ReferenceRow> &rows, const ReferencePage &page,
                const QList<int> &widths, bool header)
{
    for (const ReferenceRow &row : rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c) {
            const ReferenceCell &cell = row[c];
            if (cell.covered)
                continue;
            html += QStringLiteral("<td align=\"%1\" valign=\"middle\"")
                        .arg(QLatin1String(header ? "center" : alignName(page.align.at(c))));
            if (cell.colSpan > 1)
                html += QStringLiteral(" colspan=\"%1\"").arg(cell.colSpan);
            else
                html += QStringLiteral(" width=\"%1\"").arg(widths.at(c) + kCellExtra);
            if (cell.rowSpan > 1)
                html += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan);
            // A cell breaks only where its text says so, never to save width.
            html += QStringLiteral("><nobr>") + markupHtml(cell.text) + QStringLiteral("</nobr></td>");
        }
        html += QStringLiteral("</tr>");
    }
}

int tableWidth(const QList<int> &widths)
{
    int total = kRule;
    for (int w : widths)
        total += w + kCellExtra;
    return total;
}

} // namespace

QList<int> referenceColumnWidths(const ReferencePage &page)
{
    const QFont font = handbookFont();
    QList<int> widths(page.columnCount(), 0);
    QList<const ReferenceRow *> rows;
    for (const ReferenceRow &row : page.header)
        rows.append(&row);
    for (const ReferenceRow &row : page.body)
        rows.append(&row);
    // Single cells first; then a merged cell wider than its columns widens
    // them evenly.
    for (const ReferenceRow *row : rows)
        for (int c = 0; c < row->size(); ++c)
            if (!row->at(c).covered && row->at(c).colSpan == 1)
                widths[c] = qMax(widths[c], textWidth(row->at(c).text, font));
    for (const ReferenceRow *row : rows) {
        for (int c = 0; c < row->size(); ++c) {
            const ReferenceCell &cell = row->at(c);
            if (cell.covered || cell.colSpan == 1)
                continue;
            int have = (cell.colSpan - 1) * kCellExtra;
            for (int k = c; k < c + cell.colSpan; ++k)
                have += widths[k];
            const int missing = textWidth(cell.text, font) - have;
            for (int k = 0; missing > 0 && k < cell.colSpan; ++k)
                widths[c + k] += (missing + cell.colSpan - 1) / cell.colSpan;
        }
    }
    return widths;
}

QString referencePageHtml(const ReferencePage &page, const QList<int> &widths)
{
    QString html = QStringLiteral("<html><body>");
    for (const QString &line : page.headings)
        html += QStringLiteral("<p style=\"font-weight:bold; margin-bottom:6px\">") + markupHtml(line) + QStringLiteral("</p>");
    for (const QString &line : page.titles)
        html += QStringLiteral("<p align=\"center\" style=\"font-weight:bold; font-size:12pt; margin-bottom:4px\">")
            + markupHtml(line) + QStringLiteral("</p>");
    for (const QString &line : page.units)
        html += QStringLiteral("<p align=\"right\" style=\"margin-bottom:2px\">") + markupHtml(line) + QStringLiteral("</p>");
    html += QStringLiteral("<table border=\"%1\" cellspacing=\"0\" cellpadding=\"%2\" align=\"center\" "
                           "style=\"border-collapse:collapse; border-color:#000000; border-style:solid\">")
                .arg(kRule).arg(kPadding);
    appendRows(html, page.header, page, widths, true);
    appendRows(html, page.body, page, widths, false);
    html += QStringLiteral("</table>");
    for (const QString &line : page.notes)
        html += QStringLiteral("<p style=\"font-size:9pt; margin-top:4px; margin-bottom:0px\">") + markupHtml(line) + QStringLiteral("</p>");
    for (const QString &line : page.sources)
        html += QStringLiteral("<p align=\"right\" style=\"font-size:9pt; margin-top:4px\">") + markupHtml(line) + QStringLiteral("</p>");
    html += QStringLiteral("</body></html>");
    return html;
}

std::shared_ptr<QTextDocument> layoutReferencePage(const ReferencePage &page, const QList<int> &widths)
{
    // The page is as wide as its table or its widest title line; notes wrap
    // within that width, as printed under a table.
    int width = tableWidth(widths);
    for (const QString &line : page.titles)
        width = qMax(width, textWidth(line, titleFont()));
    for (const QString &line : page.headings + page.units)
        width = qMax(width, textWidth(line, handbookFont()));
    for (const QString &line : page.sources)
        width = qMax(width, textWidth(line, smallFont()));
    auto document = std::make_shared<QTextDocument>();
    document->setDefaultFont(handbookFont());
    document->setDocumentMargin(kPageMargin);
    document->setHtml(referencePageHtml(page, widths));
    document->setTextWidth(width + 2 * kPageMargin + 4);
    document->size();  // lays it out now, not at the first paint
    return document;
}

TablePicture::TablePicture(std::shared_ptr<QTextDocument> document, const QString &name, QWidget *parent)
    : QWidget(parent), m_document(std::move(document))
{
    setObjectName(name);
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TablePicture::~TablePicture() = default;

QSize TablePicture::sizeHint() const
{
    return m_document->size().toSize();
}

void TablePicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_document->drawContents(&painter);
}

PictureReferenceWindow::PictureReferenceWindow(std::shared_ptr<const ReferenceTable> table)
    : m_table(std::move(table))
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
    // A continued table keeps its columns: pages of one column count share
    // the widest width of each column.
    if (m_documents.isEmpty())
        layOutPages();
    QSize largest;
    for (int p = 0; p < m_table->pages.size(); ++p) {
        auto *picture = new TablePicture(m_documents[p], m_table->pages[p].picture, window);
        largest = largest.expandedTo(picture->size());
        pages->addWidget(picture, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        m_pictures.append(picture);
    }
    pages->setColumnMinimumWidth(0, largest.width());
    pages->setRowMinimumHeight(0, largest.height());
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
        widths.append(referenceColumnWidths(page));
    for (int p = 0; p < widths.size(); ++p)
        for (int q = 0; q < widths.size(); ++q)
            if (widths[p].size() == widths[q].size())
                for (int c = 0; c < widths[p].size(); ++c)
                    widths[p][c] = qMax(widths[p][c], widths[q][c]);
    for (int p = 0; p < m_table->pages.size(); ++p)
        m_documents.append(layoutReferencePage(m_table->pages[p], widths[p]));
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

void registerReferenceTables(ToolRegistry &registry, const QString &toolbox)
{
    const QString folder = QStringLiteral(":/data/%1/tables").arg(toolbox);
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.table")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        ReferenceTableResult result = loadReferenceTable(folder + QLatin1Char('/') + file);
        if (!result.ok())
            qFatal("%s", qPrintable(result.error));
        auto table = std::make_shared<const ReferenceTable>(std::move(result.table));
        registry.add(ToolInfo{table->window, toolbox, ToolKind::PictureReference,
                              [table] { return std::make_unique<PictureReferenceWindow>(table); }});
    }
}

} // namespace corvalen

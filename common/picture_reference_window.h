#pragma once

#include "common/reference_table.h"
#include "common/tool_window.h"

#include <QList>
#include <QPointer>
#include <memory>

class QTextDocument;

namespace corvalen {

class ToolRegistry;

// The drawn picture of one table page: a ruled, read-only handbook page,
// exactly as large as its content.
class TablePicture : public QWidget
{
public:
    TablePicture(std::shared_ptr<QTextDocument> document, const QString &name, QWidget *parent);
    ~TablePicture() override;
    QSize sizeHint() const override;
    const QTextDocument *document() const { return m_document.get(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<QTextDocument> m_document;
};

// Fixed column widths of a page: each column as wide as its widest line.
QList<int> referenceColumnWidths(const ReferencePage &page);
// The HTML of a page with those widths, and the page laid out from it.
QString referencePageHtml(const ReferencePage &page, const QList<int> &widths);
std::shared_ptr<QTextDocument> layoutReferencePage(const ReferencePage &page, const QList<int> &widths);

// A window showing a handbook table from a table file. With several pages it
// shows one at a time, switched by one button per page (Command1, ...).
class PictureReferenceWindow : public ToolWindow
{
public:
    explicit PictureReferenceWindow(std::shared_ptr<const ReferenceTable> table);
    const ReferenceTable &table() const { return *m_table; }

    // Shows page `index` (0-based) of an open window.
    void showPage(int index);

protected:
    void build(QWidget *window) override;

private:
    void layOutPages();

    std::shared_ptr<const ReferenceTable> m_table;
    // The pages laid out at the first opening; the content never changes,
    // so later openings draw the same layout again.
    QList<std::shared_ptr<QTextDocument>> m_documents;
    QList<QPointer<QWidget>> m_pictures;
};

// Registers every table file of ":/data/<toolbox>/tables/" as a
// PictureReference window under the name its file gives. A file that cannot
// be read or parsed stops the program with the file, line and reason.
void registerReferenceTables(ToolRegistry &registry, const QString &toolbox);

} // namespace corvalen

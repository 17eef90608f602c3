#pragma once

#include "common/files/reference_table.h"
#include "common/views/table_page_layout.h"
#include "common/forms/tool_window.h"

#include <QList>
#include <QPointer>
#include <memory>

namespace corvalen {


// The drawn picture of one table page: a ruled, read-only handbook page,
// exactly as large as its content. Screen readers read it as a picture
// named by the page's title (a formula without a title by the formula
// itself) and described by its rows: cells tab-separated, a row a line.
class TablePicture : public QWidget
{
    Q_OBJECT
public:
    TablePicture(std::shared_ptr<const TablePageLayout> layout, const ReferencePage &page, QWidget *parent);
    QSize sizeHint() const override;
    // Every line the picture shows, without markup.
    QString text() const { return m_layout->plainText(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const TablePageLayout> m_layout;
};

// The first page of a formula file (a table file that is no window of its
// own, such as data/risk/formulas/gas_leak.table), read once per run. The
// files are part of the program: one that does not parse stops it with the
// file, line and reason, so reading them all at registration finds a fault
// at start.
const ReferencePage &formulaPage(const QString &path);
// A picture of that page, drawn as a table page is.
TablePicture *formulaPicture(const QString &path, QWidget *parent);

// A window showing a handbook table from a table file. With several pages it
// shows one at a time in one place, switched by one button per page
// (Command1, ...).
class PictureReferenceWindow : public ToolWindow
{
public:
    // The pages of one table, placed once and drawn by every instance made
    // for that table.
    using PageLayouts = QList<std::shared_ptr<const TablePageLayout>>;

    // `layouts` is shared by the instances of one table (a warm-up instance
    // and the window's own); empty, it is worked out at the first build.
    explicit PictureReferenceWindow(std::shared_ptr<const ReferenceTable> table,
                                    std::shared_ptr<PageLayouts> layouts = {});
    const ReferenceTable &table() const { return *m_table; }

    // Shows page `index` (0-based) of an open window.
    void showPage(int index);

protected:
    void build(QWidget *window) override;

private:
    void layOutPages();

    std::shared_ptr<const ReferenceTable> m_table;
    // The pages placed at the first build; the content never changes, so
    // later openings draw the same layout again.
    std::shared_ptr<PageLayouts> m_layouts;
    QList<QPointer<QWidget>> m_pictures;
};

} // namespace corvalen

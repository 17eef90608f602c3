#include "common/embedded_spreadsheet_window.h"

#include "common/embedded_object.h"
#include "common/sheet_view.h"
#include "common/tool_registry.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace corvalen {

EmbeddedSpreadsheetWindow::EmbeddedSpreadsheetWindow(std::shared_ptr<const SheetFile> file)
    : m_file(std::move(file))
{
}

void EmbeddedSpreadsheetWindow::build(QWidget *window)
{
    // Every opening starts from the stored sheet.
    m_active = false;
    m_sheet = m_file ? m_file->sheet : Sheet();
    m_editRow = m_editColumn = -1;

    window->setWindowTitle(m_file ? m_file->caption : QString());
    auto *layout = new QVBoxLayout(window);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (m_file && !m_file->title.isEmpty()) {
        auto *title = new QLabel(m_file->title, window);
        title->setObjectName(QStringLiteral("Label1"));
        QFont font = title->font();
        font.setPointSize(12);
        title->setFont(font);
        layout->addWidget(title);
    }

    m_editLine = new QLineEdit(window);
    m_editLine->setObjectName(QStringLiteral("CellContent"));
    m_editLine->setAccessibleName(QStringLiteral("单元格内容"));
    layout->addWidget(m_editLine);

    m_view = new SheetView(window);
    m_view->setObjectName(QStringLiteral("OLE1"));
    m_view->setAccessibleName(window->windowTitle());
    m_model = new SheetItemModel(&*m_sheet, m_view);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new SheetItemDelegate(m_model, m_view));
    for (const CellRange &m : m_sheet->merges())
        m_view->setSpan(m.top, m.left, m.bottom - m.top + 1, m.right - m.left + 1);
    layout->addWidget(m_view);

    addEmbeddedObjectButtons(window, layout, sheetObjectTexts(), [this] { return activate(); },
                             [this] { closeObject(); });

    QObject::connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, m_view,
                     [this] { showCurrentCell(); });
    QObject::connect(m_view, &QAbstractItemView::doubleClicked, m_view, [this] {
        if (!m_active)
            activate();
    });
    QObject::connect(m_editLine, &QLineEdit::editingFinished, m_editLine, [this] { commitEditLine(); });
    QObject::connect(m_model, &SheetItemModel::cellsRecomputed, m_editLine, [this] {
        if (!m_editLine->isModified())
            showCurrentCell();
    });
    setActive(false);
}

bool EmbeddedSpreadsheetWindow::activate()
{
    if (!m_file || !m_view)
        return false;
    if (!m_active)
        setActive(true);
    m_view->setFocus();
    return true;
}

void EmbeddedSpreadsheetWindow::closeObject()
{
    if (!m_active || !m_view)
        return;
    m_view->commitOpenEdit();
    commitEditLine();
    setActive(false);
}

void EmbeddedSpreadsheetWindow::setActive(bool active)
{
    m_active = active;
    m_model->setEditable(active);
    m_view->horizontalHeader()->setVisible(active);
    m_view->verticalHeader()->setVisible(active);
    m_view->setEditTriggers(active ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                         | QAbstractItemView::AnyKeyPressed
                                   : QAbstractItemView::NoEditTriggers);
    m_editLine->setVisible(active);
    m_editLine->setReadOnly(!active);
    // The picture shows the sheet as it now stands, every text whole.
    m_view->fitToContents();
    showCurrentCell();
}

void EmbeddedSpreadsheetWindow::showCurrentCell()
{
    const QModelIndex current = m_view->currentIndex();
    m_editRow = current.isValid() ? current.row() : -1;
    m_editColumn = current.isValid() ? current.column() : -1;
    m_editLine->setText(current.isValid() ? m_sheet->input(m_editRow, m_editColumn) : QString());
    m_editLine->setModified(false);
}

void EmbeddedSpreadsheetWindow::commitEditLine()
{
    if (!m_active || !m_editLine->isModified() || m_editRow < 0)
        return;
    m_editLine->setModified(false);
    m_model->setInput(m_editRow, m_editColumn, m_editLine->text());
}

void registerSpreadsheets(ToolRegistry &registry, const QString &toolbox)
{
    const QString folder = QStringLiteral(":/data/%1/sheets").arg(toolbox);
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.sheet")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        SheetFileResult result = loadSheetFile(folder + QLatin1Char('/') + file);
        if (!result.ok())
            qFatal("%s", qPrintable(result.error));
        auto sheet = std::make_shared<const SheetFile>(std::move(result.file));
        registry.add(ToolInfo{sheet->window, toolbox, ToolKind::EmbeddedSpreadsheet,
                              [sheet] { return std::make_unique<EmbeddedSpreadsheetWindow>(sheet); }});
    }
}

} // namespace corvalen

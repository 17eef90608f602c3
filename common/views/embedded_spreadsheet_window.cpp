#include "common/views/embedded_spreadsheet_window.h"

#include "common/views/embedded_object.h"
#include "common/forms/form.h"
#include "common/forms/screen_fit.h"
#include "common/views/sheet_view.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>

namespace corvalen {

EmbeddedSpreadsheetWindow::EmbeddedSpreadsheetWindow(std::shared_ptr<const SheetFile> file)
    : m_file(std::move(file))
{
}

EmbeddedSpreadsheetWindow::~EmbeddedSpreadsheetWindow() = default;

void EmbeddedSpreadsheetWindow::build(QWidget *window)
{
    // Every opening starts from the stored sheet.
    m_active = false;
    m_sheet = m_file ? m_file->sheet : Sheet();
    m_editRow = m_editColumn = -1;

    window->setWindowTitle(m_file ? m_file->caption : QString());
    m_form = std::make_unique<Form>(window);
    Panel &top = m_form->top();
    if (m_file && !m_file->title.isEmpty()) {
        QLabel *title = top.label(QStringLiteral("Label1"), m_file->title);
        QFont font = title->font();
        font.setPointSize(12);
        title->setFont(font);
    }

    // The edit line, led by the current cell's name as in any sheet.
    Panel editRow = top.line();
    m_editBar = editRow.container();
    m_cellName = editRow.label(QStringLiteral("CellName"), QString());
    m_cellName->setMinimumWidth(48);
    m_editLine = new QLineEdit(m_editBar);
    m_editLine->setObjectName(QStringLiteral("CellContent"));
    // Named by the cell name beside it (showCurrentCell keeps the name).
    m_cellName->setBuddy(m_editLine);
    editRow.place(m_editLine);
    editRow.grid()->setColumnStretch(1, 1);
    // Escape drops what was typed into the edit line, as in a cell.
    auto *cancel = new QAction(m_editLine);
    cancel->setShortcut(Qt::Key_Escape);
    cancel->setShortcutContext(Qt::WidgetShortcut);
    m_editLine->addAction(cancel);
    QObject::connect(cancel, &QAction::triggered, m_editLine, [this] { showCurrentCell(); });

    m_view = new SheetView(window);
    m_view->setObjectName(QStringLiteral("OLE1"));
    // The grid is named by what the user reads above it: the title, or the
    // worksheet's name where the sheet has no title.
    if (m_file)
        m_view->setAccessibleName(m_file->title.isEmpty() ? m_file->worksheet : m_file->title);
    m_model = new SheetItemModel(&*m_sheet, m_view);
    m_view->setModel(m_model);
    auto *delegate = new SheetItemDelegate(m_model, m_view);
    m_view->setItemDelegate(delegate);
    QObject::connect(delegate, &SheetItemDelegate::leaveRequested, m_view, [this](bool forward) {
        m_view->leaveGrid(forward);
    });
    // An edit dropped with Escape leaves the edit line showing the cell again.
    QObject::connect(delegate, &QAbstractItemDelegate::closeEditor, m_editLine, [this] { showCurrentCell(); });
    // The edit line follows what is typed into a cell, as in any sheet.
    QObject::connect(delegate, &SheetItemDelegate::editorTextEdited, m_editLine, [this](const QString &text) {
        m_editLine->setText(text);
        m_editLine->setModified(false);
    });
    for (const CellRange &m : m_sheet->merges())
        m_view->setSpan(m.top, m.left, m.bottom - m.top + 1, m.right - m.left + 1);
    top.place(m_view);

    addEmbeddedObjectButtons(top, sheetObjectTexts(), [this] { return activate(); }, [this] { closeObject(); });
    // The picture opens without a cell marked.
    m_form->find(QStringLiteral("Command5"))->setFocus();

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
        // No amount is ever drawn cut: its column widens, and the window
        // with it as far as the screen allows.
        if (m_view->widenToContents())
            refitWindowToScreen(m_view->window(), true);
    });
    setActive(false);
}

void EmbeddedSpreadsheetWindow::unload()
{
    m_form.reset();
}

bool EmbeddedSpreadsheetWindow::activate()
{
    if (!m_file || !m_view)
        return false;
    if (!m_active)
        setActive(true);
    // The keyboard starts in a cell, as in any sheet.
    if (!m_view->currentIndex().isValid())
        m_view->setCurrentIndex(m_model->index(0, 0));
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
    m_view->setCellNavigation(active);
    m_editBar->setVisible(active);
    m_editLine->setReadOnly(!active);
    // The picture shows the sheet as it now stands, every text whole.
    m_view->fitToContents();
    showCurrentCell();
    // The window follows the grid within the screen; the grid scrolls
    // where the screen is too small for it.
    if (m_view->window()->isVisible())
        refitWindowToScreen(m_view->window());
}

void EmbeddedSpreadsheetWindow::showCurrentCell()
{
    const QModelIndex current = m_view->currentIndex();
    m_editRow = current.isValid() ? current.row() : -1;
    m_editColumn = current.isValid() ? current.column() : -1;
    m_cellName->setText(current.isValid() ? cellName(m_editRow, m_editColumn) : QString());
    m_editLine->setAccessibleName(m_cellName->text());
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

} // namespace corvalen

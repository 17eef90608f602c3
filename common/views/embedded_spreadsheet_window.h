#pragma once

#include "common/files/sheet_file.h"
#include "common/forms/tool_window.h"

#include <QPointer>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

namespace corvalen {

class Form;
class SheetItemModel;
class SheetView;

// A window holding a stored sheet. Inactive, the grid is the sheet's picture:
// read-only, without headers. Activated (Command5 or a double-click into the
// grid), every cell takes edits in place, with row and column headers and an
// edit line above the grid showing the current cell's content, and the
// amounts follow every edit. CommandClose commits an open edit and returns to
// the picture of the edited sheet; closing the window discards the edits.
class EmbeddedSpreadsheetWindow : public ToolWindow
{
public:
    // A window without a sheet cannot open it and says so when activated.
    explicit EmbeddedSpreadsheetWindow(std::shared_ptr<const SheetFile> file);
    ~EmbeddedSpreadsheetWindow() override;

    const SheetFile *file() const { return m_file.get(); }
    // The sheet the open window shows, with its edits.
    const Sheet *sheet() const { return m_sheet ? &*m_sheet : nullptr; }
    bool isActive() const { return m_active; }

    // The two operations of the buttons; activation answers false when the
    // sheet cannot be opened.
    bool activate();
    void closeObject();

protected:
    void build(QWidget *window) override;
    void unload() override;

private:
    void setActive(bool active);
    void showCurrentCell();
    void commitEditLine();

    std::shared_ptr<const SheetFile> m_file;
    std::optional<Sheet> m_sheet;
    bool m_active = false;
    QPointer<SheetView> m_view;
    QPointer<SheetItemModel> m_model;
    std::unique_ptr<Form> m_form;
    QPointer<QWidget> m_editBar;
    QPointer<QLabel> m_cellName;
    QPointer<QLineEdit> m_editLine;
    int m_editRow = -1;
    int m_editColumn = -1;
};

} // namespace corvalen

#pragma once

// The form layer: every calculator and model window builds its controls
// here, from field lists. A box's label is its buddy and gives the box its
// accessible name, so screen readers and tests find a box by the text a
// user reads beside it; a control without a caption of its own is named by
// the text beside it. Every control is found again by its control name.

#include "common/numbers/progress_state.h"
#include "common/forms/window_values.h"

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace corvalen {

// A text box of a tool window. `changed` follows every typed character, a
// paste and every write by code, also a write of the text the box already
// shows (the storage-tank chains count on it; QLineEdit's own textChanged
// stays silent then).
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);
    void write(const QString &text);

Q_SIGNALS:
    void changed();
};

// A multi-line box that shows a report: each report replaces the whole text.
// The lines are joined by LF, or by CR in the river and bay models; the text
// exactly as joined is kept for whoever copies or tests it.
class ReportBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ReportBox(QWidget *parent = nullptr);
    void showReport(const QStringList &lines, QChar separator = QLatin1Char('\n'));
    void showReport(const QString &text);
    const QString &report() const { return m_report; }

private:
    QString m_report;
};

// A label that echoes what the user typed: it shows as much as fits, with
// "…" where the text goes on, and never widens its window.
class EchoLabel : public QLabel
{
    Q_OBJECT
public:
    explicit EchoLabel(const QString &text, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The button beside a box that explains it: opens a window by its name, or
// shows a fixed message.
struct Explanation
{
    QString button;   // control name, e.g. "Command1"; empty: no button
    QString opens;    // a tool window's name
    QString message;  // shown with ShowExplanation when `opens` is empty
    QString caption = QStringLiteral("......?");
};

// The flags of a one-line box; a multi-line text is a note or a report.
enum FieldFlag {
    Numeric = 1,     // the numeric key filter
    SelectAll = 2,   // select the whole text on focus
    ReadOnly = 4,
    Bold = 8,
    BoldLabel = 16,  // the box's label in bold type too
    Result = 32,     // a box that shows a result: Tab reaches it after the inputs and buttons
};

// One labelled box: label | box | unit | explanation button.
struct Field
{
    QString name;       // the box's control name, e.g. "Text1"
    QString label;      // the text to its left; empty: no label of its own
    QString text = {};  // design-time text
    int flags = 0;
    QString unit = {};       // a text to its right
    Explanation explain = {};
    QString labelName = {};  // the label's control name, where the window names it
    QString toolTip = {};
    QColor color = {};       // text colour of the box
    QColor labelColor = {};
    QString accessibleName = {};  // for a box without a label: the text beside it
    int width = 0;  // the box's least width in pixels (kNumberWidth, ...); 0: as laid out
};

struct ListField
{
    QString name;   // e.g. "Combo1"
    QString label;  // the text to its left; empty: none
    QStringList items = {};
    bool editable = true;
    QString text = {};  // design-time text of an editable list
    QString labelName = {};
    QString accessibleName = {};
};

class Form;

// A container of the form filled from top to bottom, one row per call.
class Panel
{
public:
    Panel(Form *form, QWidget *container, QGridLayout *grid);

    TextBox *box(const Field &field);
    // A box that receives results; no key filter unless asked. Tab reaches
    // it after the inputs and buttons.
    TextBox *result(Field field);
    QPlainTextEdit *note(const QString &name, const QString &text, const QString &accessibleName);
    ReportBox *report(const QString &name, const QString &accessibleName);
    QComboBox *list(const ListField &field);
    QLabel *label(const QString &name, const QString &text);
    QLabel *title(const QString &name, const QString &text);
    // A label that opens an address (a page, a mail) when clicked, or on
    // Enter once Tab has reached it.
    QLabel *link(const QString &name, const QString &text, const QString &address, const QString &toolTip);
    // A sunken horizontal rule.
    QWidget *rule(const QString &name);
    // A label whose text follows what the user types (elided).
    EchoLabel *echo(const QString &name, const QString &text);
    // An option button; options of one group exclude each other.
    QRadioButton *option(const QString &name, const QString &caption, const QString &group = {});
    QCheckBox *check(const QString &name, const QString &caption);
    QPushButton *button(const QString &name, const QString &caption);
    QProgressBar *progress(const QString &name);

    // A row of controls side by side: each call of the returned panel adds
    // one control to the right.
    Panel line();
    Panel frame(const QString &name, const QString &caption);
    std::vector<Panel> columns(int count);
    std::vector<Panel> tabs(const QString &name, const QStringList &captions);
    void stretch();

    QWidget *container() const { return m_container; }
    QGridLayout *grid() const { return m_grid; }
    // Places any widget as the next row (or cell of a line).
    void place(QWidget *widget, Qt::Alignment alignment = {});

private:
    friend class Form;
    Form *m_form;
    QWidget *m_container;
    QGridLayout *m_grid;
    bool m_horizontal = false;
    int m_next = 0;
};

// The controls of one opened window, by control name.
class Form
{
public:
    explicit Form(QWidget *window);

    QWidget *window() const { return m_window; }
    Panel &top() { return m_top; }

    // A name the window does not have, or a control of another type than
    // asked for, is a programming error and stops the program with the
    // window and the name: a misspelt name must never read as "".
    template <class T = QWidget>
    T *get(const QString &name) const
    {
        QWidget *widget = find(name);
        T *control = qobject_cast<T *>(widget);
        if (widget && !control)
            refuseType(name, T::staticMetaObject.className());
        return control;
    }
    // Null only for an empty name (a field without that control).
    QWidget *find(const QString &name) const;
    TextBox *box(const QString &name) const { return get<TextBox>(name); }

    // The text a control shows: a box, a list's text, a label, a report, a
    // frame's caption.
    QString text(const QString &name) const;
    // Writes a box (a change, also when the text is the same), a label, a
    // list's text, a report or a frame's caption.
    void write(const QString &name, const QString &text) const;
    bool isChecked(const QString &name) const;
    void setChecked(const QString &name, bool checked) const;
    QButtonGroup *group(const QString &name);

    void remember(QWidget *widget);

    // The window-level values of the window's instance, of the type it keeps.
    template <class T>
    T &values() const
    {
        return m_values.get<T>();
    }
    void keepValues(const WindowValues &values) { m_values = values; }

private:
    [[noreturn]] void refuseType(const QString &name, const char *type) const;

    QWidget *m_window;
    Panel m_top;
    QHash<QString, QPointer<QWidget>> m_controls;
    QHash<QString, QButtonGroup *> m_groups;
    WindowValues m_values;
};

// The text a control shows: a box, a list's text, a label, a report, a
// multi-line or rich text, a button's caption, a frame's caption.
QString controlText(const QWidget *widget);

// Writes what a control shows: a box (a change, also when the text is the
// same), a list's text, a label, a report, a multi-line text, a frame's
// caption.
void writeControl(QWidget *widget, const QString &text);

// Gives a box the desktop's tooltip colours: the pale yellow of the result
// and note boxes that the windows set apart.
void setTipColours(QWidget *widget);

// A warning the reader must not miss, such as a look-up whose text is
// incomplete: a word-wrapped line in red, `LabelNotice`, as the next row.
QLabel *addNotice(Panel &panel, const QString &text);

// The width of a note's longest line in its font, so that a table laid out
// in text can be shown without wrapping.
int widestLineWidth(const QPlainTextEdit *note);

// Shows a model's progress state in its bar.
void showProgress(QProgressBar *bar, const ProgressState &state);

// The texts of list items that carry a `text`, in their order: the items of
// a list filled from a table of rows.
template <class Items>
QStringList itemTexts(const Items &items)
{
    QStringList texts;
    for (const auto &item : items)
        texts.append(item.text);
    return texts;
}

// Wraps a label's text into the accessible name of the control it names.
QString accessibleText(const QString &caption);

} // namespace corvalen

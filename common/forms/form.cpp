#include "common/forms/form.h"

#include "common/forms/controls.h"
#include "common/forms/desktop.h"
#include "common/forms/form_style.h"
#include "common/forms/input_helpers.h"
#include "common/forms/keyboard_access.h"
#include "common/forms/line_report_box.h"
#include "common/forms/tool_registry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace corvalen {

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

void TextBox::write(const QString &text)
{
    if (text == this->text())
        Q_EMIT changed();
    else
        setText(text);
}

ReportBox::ReportBox(QWidget *parent) : QPlainTextEdit(parent) {}

void ReportBox::showReport(const QStringList &lines, QChar separator)
{
    showReport(lines.join(separator));
}

void ReportBox::showReport(const QString &text)
{
    m_report = text;
    // The box breaks its lines at LF, CR and CR LF alike.
    setPlainText(text);
}

EchoLabel::EchoLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumWidth(fontMetrics().averageCharWidth() * 4);
}

QSize EchoLabel::sizeHint() const
{
    // As wide as a short echo, whatever was typed.
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.averageCharWidth() * 14, QLabel::sizeHint().height());
}

QSize EchoLabel::minimumSizeHint() const
{
    return QSize(minimumWidth(), QLabel::minimumSizeHint().height());
}

bool EchoLabel::event(QEvent *event)
{
    // The whole text, however long, is a tooltip away.
    if (event->type() == QEvent::ToolTip)
        setToolTip(text());
    return QLabel::event(event);
}

void EchoLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawText(area, int(alignment()), fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}

QString accessibleText(const QString &caption)
{
    QString text = caption.simplified();
    text.remove(QLatin1Char('&'));
    return text;
}

namespace {

// The bar's own range is fixed, so any single range maps onto it.
constexpr int kBarSteps = 1000;

class FocusUnderline : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            auto *widget = static_cast<QWidget *>(watched);
            QFont font = widget->font();
            font.setUnderline(event->type() == QEvent::FocusIn);
            widget->setFont(font);
        }
        return false;
    }
};

} // namespace

Panel::Panel(Form *form, QWidget *container, QGridLayout *grid)
    : m_form(form), m_container(container), m_grid(grid)
{
}

void Panel::place(QWidget *widget, Qt::Alignment alignment)
{
    if (m_horizontal)
        m_grid->addWidget(widget, 0, m_next++, alignment);
    else
        m_grid->addWidget(widget, m_next++, 0, 1, -1, alignment);
    m_form->remember(widget);
}

TextBox *Panel::box(const Field &field)
{
    auto *box = new TextBox(m_container);
    box->setObjectName(field.name);
    box->setText(field.text);
    box->setToolTip(field.toolTip);
    if (field.flags & Numeric)
        attachNumericFilter(box);
    if (field.flags & SelectAll)
        attachSelectAllOnFocus(box);
    box->setReadOnly(field.flags & ReadOnly);
    if (field.flags & (ReadOnly | Result))
        markResult(box);
    if (field.flags & Bold)
        setBoldFont(box);
    setTextColour(box, field.color);
    if (field.width > 0)
        box->setMinimumWidth(field.width);
    m_form->remember(box);

    QLabel *label = nullptr;
    if (!field.label.isEmpty()) {
        label = new QLabel(field.label, m_container);
        label->setObjectName(field.labelName);
        label->setBuddy(box);
        setTextColour(label, field.labelColor);
        if (field.flags & BoldLabel)
            setBoldFont(label);
        if (!field.labelName.isEmpty())
            m_form->remember(label);
    }
    box->setAccessibleName(accessibleText(field.accessibleName.isEmpty() ? field.label : field.accessibleName));

    // Rows of a column: label | box | unit and button; in a line the
    // pieces follow each other.
    auto *trailing = new QHBoxLayout;
    trailing->setContentsMargins(0, 0, 0, 0);
    if (!field.unit.isEmpty())
        trailing->addWidget(new QLabel(field.unit, m_container));
    if (!field.explain.button.isEmpty()) {
        auto *button = new QPushButton(field.explain.caption, m_container);
        button->setObjectName(field.explain.button);
        button->setAccessibleName(accessibleText(field.explain.caption) + u' ' + box->accessibleName());
        const Explanation explain = field.explain;
        QObject::connect(button, &QPushButton::clicked, button, [explain] {
            if (!explain.opens.isEmpty())
                ShowToolWindow(explain.opens);
            else
                ShowExplanation(explain.message);
        });
        trailing->addWidget(button);
        m_form->remember(button);
    }
    if (m_horizontal) {
        if (label)
            m_grid->addWidget(label, 0, m_next++);
        m_grid->addWidget(box, 0, m_next++);
        m_grid->addLayout(trailing, 0, m_next++);
    } else {
        if (label)
            m_grid->addWidget(label, m_next, 0, Qt::AlignRight);
        m_grid->addWidget(box, m_next, label ? 1 : 0, 1, label ? 1 : 2);
        m_grid->addLayout(trailing, m_next, 2);
        ++m_next;
    }
    return box;
}

TextBox *Panel::result(Field field)
{
    field.flags |= Result;
    return box(field);
}

QPlainTextEdit *Panel::note(const QString &name, const QString &text, const QString &accessibleName)
{
    auto *note = new QPlainTextEdit(text, m_container);
    note->setObjectName(name);
    note->setAccessibleName(accessibleName);
    place(note);
    return note;
}

ReportBox *Panel::report(const QString &name, const QString &accessibleName)
{
    auto *report = new ReportBox(m_container);
    report->setObjectName(name);
    report->setAccessibleName(accessibleName);
    place(report);
    return report;
}

QComboBox *Panel::list(const ListField &field)
{
    QComboBox *list = makeList(m_container, field.name, field.editable);
    fillList(list, field.items);
    if (field.editable)
        list->setEditText(field.text);
    list->setAccessibleName(accessibleText(field.accessibleName.isEmpty() ? field.label : field.accessibleName));
    m_form->remember(list);
    if (field.label.isEmpty()) {
        place(list);
        return list;
    }
    auto *label = new QLabel(field.label, m_container);
    label->setObjectName(field.labelName);
    label->setBuddy(list);
    if (!field.labelName.isEmpty())
        m_form->remember(label);
    if (m_horizontal) {
        m_grid->addWidget(label, 0, m_next++);
        m_grid->addWidget(list, 0, m_next++);
    } else {
        m_grid->addWidget(label, m_next, 0, Qt::AlignRight);
        m_grid->addWidget(list, m_next++, 1);
    }
    return list;
}

QLabel *Panel::label(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, m_container);
    label->setObjectName(name);
    place(label);
    return label;
}

QLabel *Panel::link(const QString &name, const QString &text, const QString &address, const QString &toolTip)
{
    // Marked before its text is set: setting a text fixes how the label
    // reads.
    auto *link = new QLabel(m_container);
    link->setObjectName(name);
    markLink(link);
    link->setText(text);
    place(link);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(toolTip);
    link->setTextInteractionFlags(Qt::NoTextInteraction);
    const auto open = [address] { OpenWithDefaultHandler(address); };
    onMouseClick(link, open);
    // Tab reaches it, Enter opens it, it is underlined while it has the
    // focus, and it reads as a link.
    link->setFocusPolicy(Qt::StrongFocus);
    link->setAccessibleName(accessibleText(text));
    onKey(link, {Qt::Key_Return, Qt::Key_Enter}, open);
    link->installEventFilter(new FocusUnderline(link));
    return link;
}

QWidget *Panel::rule(const QString &name)
{
    auto *rule = new QFrame(m_container);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    place(rule);
    return rule;
}

EchoLabel *Panel::echo(const QString &name, const QString &text)
{
    auto *label = new EchoLabel(text, m_container);
    label->setObjectName(name);
    place(label);
    return label;
}

QLabel *Panel::title(const QString &name, const QString &text)
{
    QLabel *title = label(name, text);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    return title;
}

QRadioButton *Panel::option(const QString &name, const QString &caption, const QString &group)
{
    auto *option = new QRadioButton(caption, m_container);
    option->setObjectName(name);
    option->setAccessibleName(accessibleText(caption));
    // Options of a container exclude each other unless the window groups
    // them itself.
    option->setAutoExclusive(group.isEmpty());
    if (!group.isEmpty())
        m_form->group(group)->addButton(option);
    place(option);
    return option;
}

QCheckBox *Panel::check(const QString &name, const QString &caption)
{
    auto *check = new QCheckBox(caption, m_container);
    check->setObjectName(name);
    check->setAccessibleName(accessibleText(caption));
    place(check);
    return check;
}

QPushButton *Panel::button(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, m_container);
    button->setObjectName(name);
    button->setAccessibleName(accessibleText(caption));
    place(button, m_horizontal ? Qt::Alignment() : Qt::AlignCenter);
    return button;
}

QProgressBar *Panel::progress(const QString &name)
{
    auto *bar = new QProgressBar(m_container);
    bar->setObjectName(name);
    // No text stands beside the models' bars.
    bar->setAccessibleName(QStringLiteral("计算进度"));
    bar->setTextVisible(false);
    // A hidden bar keeps its place so the window does not jump.
    QSizePolicy policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
    place(bar);
    return bar;
}

Panel Panel::line()
{
    auto *holder = new QWidget(m_container);
    auto *grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    if (m_horizontal)
        m_grid->addWidget(holder, 0, m_next++);
    else
        m_grid->addWidget(holder, m_next++, 0, 1, -1);
    Panel line(m_form, holder, grid);
    line.m_horizontal = true;
    return line;
}

Panel Panel::frame(const QString &name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, m_container);
    frame->setObjectName(name);
    place(frame);
    return Panel(m_form, frame, new QGridLayout(frame));
}

std::vector<Panel> Panel::columns(int count)
{
    Panel row = line();
    std::vector<Panel> columns;
    for (int i = 0; i < count; ++i) {
        auto *column = new QWidget(row.m_container);
        auto *grid = new QGridLayout(column);
        grid->setContentsMargins(0, 0, 0, 0);
        row.m_grid->addWidget(column, 0, i, Qt::AlignTop);
        columns.emplace_back(m_form, column, grid);
    }
    return columns;
}

std::vector<Panel> Panel::tabs(const QString &name, const QStringList &captions)
{
    auto *tabs = new QTabWidget(m_container);
    tabs->setObjectName(name);
    place(tabs);
    std::vector<Panel> pages;
    for (const QString &caption : captions) {
        auto *page = new QWidget(tabs);
        tabs->addTab(page, caption);
        pages.emplace_back(m_form, page, new QGridLayout(page));
    }
    return pages;
}

void Panel::stretch()
{
    if (m_horizontal)
        m_grid->setColumnStretch(m_next++, 1);
    else
        m_grid->setRowStretch(m_next++, 1);
}

void showProgress(QProgressBar *bar, const ProgressState &state)
{
    if (!bar)
        return;
    bar->setRange(0, kBarSteps);
    const double span = double(state.maximum) - double(state.minimum);
    const double share = span > 0 ? (double(state.value) - double(state.minimum)) / span : 0;
    bar->setValue(static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kBarSteps)));
    bar->setVisible(state.visible);
}

Form::Form(QWidget *window) : m_window(window), m_top(this, window, new QGridLayout(window)) {}

void Form::remember(QWidget *widget)
{
    const QString name = widget->objectName();
    if (name.isEmpty())
        return;
    if (m_controls.contains(name) && m_controls.value(name) != widget)
        qFatal("two controls named %s in one window", qPrintable(name));
    m_controls.insert(name, widget);
}

QWidget *Form::find(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    if (QWidget *widget = m_controls.value(name))
        return widget;
    if (QWidget *widget = m_window->findChild<QWidget *>(name))
        return widget;
    qFatal("window %s has no control named %s", qPrintable(m_window->windowTitle()), qPrintable(name));
}

void Form::refuseType(const QString &name, const char *type) const
{
    qFatal("window %s: control %s is no %s", qPrintable(m_window->windowTitle()), qPrintable(name), type);
}

QString Form::text(const QString &name) const
{
    return controlText(find(name));
}

QString controlText(const QWidget *widget)
{
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (auto *list = qobject_cast<const QComboBox *>(widget))
        return list->currentText();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *report = qobject_cast<const ReportBox *>(widget))
        return report->report();
    if (auto *lines = qobject_cast<const LineReportBox *>(widget))
        return lines->report();
    if (auto *note = qobject_cast<const QPlainTextEdit *>(widget))
        return note->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(widget))
        return rich->toPlainText();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return QString();
}

void Form::write(const QString &name, const QString &text) const
{
    writeControl(find(name), text);
}

void writeControl(QWidget *widget, const QString &text)
{
    if (auto *box = qobject_cast<TextBox *>(widget))
        box->write(text);
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        line->setText(text);
    else if (auto *list = qobject_cast<QComboBox *>(widget))
        list->setEditText(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *report = qobject_cast<ReportBox *>(widget))
        report->showReport(text);
    else if (auto *lines = qobject_cast<LineReportBox *>(widget))
        lines->showReport(text);
    else if (auto *note = qobject_cast<QPlainTextEdit *>(widget))
        note->setPlainText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        frame->setTitle(text);
}

void setTipColours(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    widget->setPalette(palette);
}

QLabel *addNotice(Panel &panel, const QString &text)
{
    QLabel *notice = panel.label(QStringLiteral("LabelNotice"), text);
    notice->setWordWrap(true);
    QPalette palette = notice->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    notice->setPalette(palette);
    return notice;
}

int widestLineWidth(const QPlainTextEdit *note)
{
    int widest = 0;
    for (const QString &line : note->toPlainText().split(u'\n'))
        widest = std::max(widest, note->fontMetrics().horizontalAdvance(line));
    return widest;
}

bool Form::isChecked(const QString &name) const
{
    auto *button = get<QAbstractButton>(name);
    return button && button->isChecked();
}

void Form::setChecked(const QString &name, bool checked) const
{
    if (auto *button = get<QAbstractButton>(name))
        button->setChecked(checked);
}

QButtonGroup *Form::group(const QString &name)
{
    QButtonGroup *&group = m_groups[name];
    if (!group)
        group = new QButtonGroup(m_window);
    return group;
}

} // namespace corvalen

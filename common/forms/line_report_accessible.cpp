#include "common/forms/line_report_accessible.h"

#include "common/forms/line_report_box.h"

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <utility>

namespace corvalen {
namespace {

class LineReportAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LineReportAccessible(LineReportBox *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    LineReportBox *box() const { return static_cast<LineReportBox *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->shownText();
        return QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->selectionStart() != box()->selectionEnd()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->selectionStart() != box()->selectionEnd() ? 1 : 0; }
    void addSelection(int start, int end) override { box()->select(start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->select(cursorPosition(), cursorPosition());
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            box()->select(start, end);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->select(position, position); }

    QString text(int start, int end) const override
    {
        return box()->shownText().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->shownText().size()); }

    QRect characterRect(int offset) const override
    {
        const QRect rect = box()->characterRect(offset);
        return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->positionAt(box()->viewport()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->ensureVisible(end);
        box()->ensureVisible(start);
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        Q_UNUSED(offset);
        return QString();
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        const auto [s, e] = unitAt(offset, type);
        return unitText(s > 0 ? s - 1 : -1, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        auto [s, e] = unitAt(offset, type);
        // A line's LF belongs to no line: the next line starts after it.
        if (isLineType(type) && e < characterCount())
            ++e;
        return unitText(e < characterCount() ? e : -1, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const override
    {
        return unitText(offset, type, start, end);
    }

private:
    static bool isLineType(QAccessible::TextBoundaryType type)
    {
        return type == QAccessible::LineBoundary || type == QAccessible::SentenceBoundary
            || type == QAccessible::ParagraphBoundary;
    }

    QString unitText(int offset, QAccessible::TextBoundaryType type, int *start, int *end) const
    {
        if (offset < 0 || offset > characterCount()) {
            *start = *end = -1;
            return QString();
        }
        std::tie(*start, *end) = unitAt(offset, type);
        return text(*start, *end);
    }

    // The character, word, line or whole text around an offset.
    std::pair<int, int> unitAt(int offset, QAccessible::TextBoundaryType type) const
    {
        const int count = characterCount();
        offset = std::clamp(offset, 0, count);
        if (type == QAccessible::NoBoundary)
            return {0, count};
        if (type == QAccessible::CharBoundary)
            return {offset, std::min(offset + 1, count)};
        const int line = box()->lineOf(offset);
        const int lineStart = box()->lineStart(line), lineEnd = box()->lineEnd(line);
        if (isLineType(type))
            return {lineStart, lineEnd};
        const QString lineText = text(lineStart, lineEnd);
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, lineText);
        words.setPosition(offset - lineStart);
        int s = words.isAtBoundary() ? offset - lineStart : int(words.toPreviousBoundary());
        words.setPosition(offset - lineStart);
        int e = int(words.toNextBoundary());
        if (s < 0)
            s = 0;
        if (e < 0)
            e = int(lineText.size());
        return {lineStart + s, lineStart + e};
    }
};

QAccessibleInterface *lineReportFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(LineReportBox::staticMetaObject.className()) && object && object->isWidgetType())
        return new LineReportAccessible(static_cast<LineReportBox *>(object));
    return nullptr;
}

} // namespace

void installLineReportAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(lineReportFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace corvalen

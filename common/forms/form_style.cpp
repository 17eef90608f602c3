#include "common/forms/form_style.h"

#include <QFontMetrics>
#include <QPalette>
#include <QWidget>

namespace corvalen {

QColor redShade(int red)
{
    return QColor(red, 0, 0);
}

QFont faceFont(Face face, qreal points)
{
    QFont font;
    switch (face) {
    case Face::Standard:
        break;
    case Face::Song:
        font = QFont(QStringLiteral("宋体"));
        break;
    case Face::Mono:
        font = QFont(QStringLiteral("Noto Sans Mono CJK SC"));
        font.setStyleHint(QFont::TypeWriter);
        break;
    }
    if (points > 0)
        font.setPointSizeF(points);
    return font;
}

void setFace(QWidget *widget, Face face, qreal points, bool bold)
{
    QFont font = faceFont(face, points);
    font.setBold(bold);
    widget->setFont(font);
}

void setPoints(QWidget *widget, qreal points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}

void setBoldFont(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    if (!colour.isValid())
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setNotePaper(QWidget *note)
{
    QPalette palette = note->palette();
    palette.setColor(QPalette::Base, kNotePaper);
    palette.setColor(QPalette::Text, kBlackText);
    note->setPalette(palette);
}

void setNoteLines(QWidget *note, int lines, bool atLeast)
{
    // The frame and the document margins take about 12 pixels.
    const int height = note->fontMetrics().lineSpacing() * lines + 12;
    if (atLeast)
        note->setMinimumHeight(height);
    else
        note->setFixedHeight(height);
}

} // namespace corvalen

#pragma once

// The look the tool windows share: the colours that set a box or label
// apart, the faces and the point sizes of their texts, a field's width and a
// note's height in lines. Windows take these from here and never name a
// colour, a face or a size of their own.

#include <QColor>
#include <QFont>

class QWidget;

namespace corvalen {

// Text colours of boxes and labels set apart from the rest: the green of
// inputs and results in the fuel, tank and boiler-ash windows, the red of
// the results that matter most.
inline const QColor kGreenText(0, 128, 0);
inline const QColor kRedText(255, 0, 0);
inline const QColor kBlackText(0, 0, 0);
// The pale yellow paper of a note set apart from the window.
inline const QColor kNotePaper(255, 255, 225);
// Gives a note black text on the pale yellow paper.
void setNotePaper(QWidget *note);
// A dark red of the given strength (0–255) on black: the air index bars.
QColor redShade(int red);

// Point sizes.
inline constexpr qreal kFootnotePoints = 7.5;  // small print beside a table
inline constexpr qreal kSmallPoints = 9;       // notes, overlays, monospace tables
inline constexpr qreal kBodyPoints = 10.5;     // the Song-style face of inputs and results
inline constexpr qreal kTitlePoints = 12;      // titles and headings
inline constexpr qreal kLargePoints = 14.25;   // the large results of a few windows
inline constexpr qreal kSignPoints = 18;       // a sign standing between two lists

enum class Face {
    Standard,  // the desktop's face
    Song,      // the Song-style face of Chinese print
    Mono,      // a monospace face with Chinese glyphs, for tables laid out in text
};

// A font of the face in the given size; 0 keeps the desktop's size.
QFont faceFont(Face face, qreal points = 0);
// Gives the widget the face and the size, bold or not.
void setFace(QWidget *widget, Face face, qreal points, bool bold = false);
// Changes the size of the widget's font and keeps its face and weight.
void setPoints(QWidget *widget, qreal points);
// Changes the weight of the widget's font and keeps its face and size.
void setBoldFont(QWidget *widget, bool bold = true);
// Sets the text colour of a box or label (its Text and WindowText roles).
void setTextColour(QWidget *widget, const QColor &colour);

// The widths of boxes, in pixels: a number box, a wide number box and a
// box for a long text.
inline constexpr int kNumberWidth = 110;
inline constexpr int kWideNumberWidth = 120;
// A note `lines` lines high in its own font, frame included; with `atLeast`
// it may grow taller with its window.
void setNoteLines(QWidget *note, int lines, bool atLeast = false);

} // namespace corvalen

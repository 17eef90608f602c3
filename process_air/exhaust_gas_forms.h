#pragma once

// The four exhaust-gas calculator windows differ only in this data: their
// texts, their input boxes and the calculator a press runs.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace corvalen {

struct ExhaustGasInput
{
    QString box;    // objectName of the input box, e.g. "Text8"
    QString label;  // caption of its label, an element of the array Label2
};

// One press: given the input texts in the order of the form's inputs, runs
// the steps on the window-level values the function holds and returns the
// value to show.
using ExhaustGasPress = std::function<float(const QStringList &texts)>;

struct ExhaustGasForm
{
    QString name;  // the window's name, also its caption
    QString title;
    std::vector<ExhaustGasInput> inputs;
    QString basisSentence;
    QString resultLabel;
    QString unitLabel;  // empty where the window has none
    // A calculator with its window-level values at zero.
    std::function<ExhaustGasPress()> newCalculator;
};

const std::vector<ExhaustGasForm> &exhaustGasForms();

// The text of the basis note: the handbook, then the window's own sentence.
QString exhaustGasBasisNote(const ExhaustGasForm &form);

} // namespace corvalen

#include "process_air/exhaust_gas_window.h"

#include "common/input_helpers.h"
#include "common/number_text.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvalen {
namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

ExhaustGasWindow::ExhaustGasWindow(const ExhaustGasForm &form)
    : m_form(form), m_press(form.newCalculator())
{
}

void ExhaustGasWindow::build(QWidget *window)
{
    window->setWindowTitle(m_form.name);
    auto *layout = new QVBoxLayout(window);

    QLabel *title = makeLabel(window, QStringLiteral("Label1"), m_form.title);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *middle = new QHBoxLayout;
    auto *inputs = new QGridLayout;
    m_inputs.clear();
    for (int i = 0; i < int(m_form.inputs.size()); ++i) {
        const ExhaustGasInput &input = m_form.inputs[i];
        // Label2 is an array of labels: element i is named Label2_i.
        QLabel *label = makeLabel(window, QStringLiteral("Label2_%1").arg(i), input.label);
        auto *box = new QLineEdit(window);
        box->setObjectName(input.box);
        label->setBuddy(box);
        attachNumericFilter(box);
        attachSelectAllOnFocus(box);
        inputs->addWidget(label, i, 0, Qt::AlignRight);
        inputs->addWidget(box, i, 1);
        m_inputs.append(box);
    }
    inputs->setRowStretch(int(m_form.inputs.size()), 1);
    middle->addLayout(inputs, 3);

    auto *basis = new QPlainTextEdit(exhaustGasBasisNote(m_form), window);
    basis->setObjectName(QStringLiteral("Text7"));
    basis->setAccessibleName(QStringLiteral("计算依据"));
    basis->setMinimumWidth(220);
    middle->addWidget(basis, 2);
    layout->addLayout(middle);

    auto *button = new QPushButton(QStringLiteral("计算"), window);
    button->setObjectName(QStringLiteral("Command2"));
    layout->addWidget(button, 0, Qt::AlignCenter);

    auto *resultLine = new QHBoxLayout;
    QLabel *resultLabel = makeLabel(window, QStringLiteral("Label3"), m_form.resultLabel);
    m_result = new QLineEdit(QStringLiteral(" "), window);
    m_result->setObjectName(QStringLiteral("Text6"));
    resultLabel->setBuddy(m_result);
    resultLine->addWidget(resultLabel);
    resultLine->addWidget(m_result, 1);
    if (!m_form.unitLabel.isEmpty())
        resultLine->addWidget(makeLabel(window, QStringLiteral("Label4"), m_form.unitLabel));
    layout->addLayout(resultLine);

    QObject::connect(button, &QPushButton::clicked, window, [this] { compute(); });
}

void ExhaustGasWindow::compute()
{
    QStringList texts;
    for (const QLineEdit *box : m_inputs)
        texts.append(box->text());
    m_result->setText(SingleText(m_press(texts)));
}

} // namespace corvalen

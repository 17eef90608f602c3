#include "risk/puff_model_window.h"

#include "common/controls.h"
#include "common/handoff_file.h"
#include "common/message_box.h"
#include "common/number_text.h"
#include "common/result_window.h"
#include "common/tool_registry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvalen {
namespace {

const QString kComputeCaption = QStringLiteral("计     算 ");
const QString kHelpWindow = QStringLiteral("风险评价之烟团帮助");

// A labelled input row: the label is the box's buddy, so the box carries the
// label's name for assistive tools.
QLineEdit *addRow(QGridLayout *grid, int row, const QString &label, const char *name,
                  const QString &text, const QString &toolTip = QString())
{
    auto *caption = new QLabel(label);
    auto *box = new QLineEdit(text);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(label);
    caption->setBuddy(box);
    if (!toolTip.isEmpty())
        box->setToolTip(toolTip);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QPushButton *makeButton(const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption.simplified());
    return button;
}

std::optional<double> numberIn(const QLineEdit *box)
{
    return ToDouble(box->text());
}

} // namespace

void PuffModelWindow::build(QWidget *window)
{
    window->setWindowTitle(QStringLiteral("风险评价之多烟团模式计算"));
    m_progressState = ProgressState();
    auto *layout = new QVBoxLayout(window);
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildPuffFrame(window));
    auto *right = new QVBoxLayout;
    right->addWidget(buildPointFrame(window));
    right->addWidget(buildDistanceFrame(window));
    right->addWidget(buildGridFrame(window));
    columns->addLayout(right);
    layout->addLayout(columns);
    m_progress = new QProgressBar(window);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setTextVisible(false);
    // The bar stays hidden until a computation shows it; its place is kept
    // so the window does not jump.
    QSizePolicy policy = m_progress->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(policy);
    layout->addWidget(m_progress);
    showProgress(m_progress, m_progressState);
    connectHandlers(window);
}

QWidget *PuffModelWindow::buildPuffFrame(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("参数输入"), parent);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    m_q = addRow(grid, 0, QStringLiteral("Q(事故期间烟团排放量:mg)："), "Text1", QStringLiteral("12000000"));
    m_sigmaX = addRow(grid, 1, QStringLiteral("σx(x方向扩散系数)："), "Text2", QStringLiteral("200"));
    m_sigmaY = addRow(grid, 2, QStringLiteral("σy(Y方向扩散系数)："), "Text3", QStringLiteral("200"));
    m_sigmaZ = addRow(grid, 3, QStringLiteral("σz(Z方向扩散系数)："), "Text4", QStringLiteral("100"));
    m_x0 = addRow(grid, 4, QStringLiteral("X0(烟团中心坐标)："), "Text8", QStringLiteral("0"));
    m_y0 = addRow(grid, 5, QStringLiteral("Y0(烟团中心坐标)："), "Text9", QStringLiteral("0"));
    m_z0 = addRow(grid, 6, QStringLiteral("Z0(烟团中心坐标)："), "Text10", QStringLiteral("1"));
    grid->setRowStretch(7, 1);
    return frame;
}

QWidget *PuffModelWindow::buildPointFrame(QWidget *parent)
{
    auto *frame = new QGroupBox(
        QStringLiteral("下风向地面某点的空气中污染物的浓度C(X,Y,0)(mg/M^3)："), parent);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *grid = new QGridLayout(frame);
    m_pointX = addRow(grid, 0, QStringLiteral("X(下风向地面某点坐标X)："), "Text18", QStringLiteral("200"));
    m_pointY = addRow(grid, 1, QStringLiteral("Y(下风向地面某点坐标Y)："), "Text17", QStringLiteral("100"));

    auto *line = new QHBoxLayout;
    auto *open = new QLabel(QStringLiteral("C("));
    open->setObjectName(QStringLiteral("Label7"));
    m_pointLabel = new QLabel(QStringLiteral("200,100,0"));
    m_pointLabel->setObjectName(QStringLiteral("Label12"));
    auto *close = new QLabel(QStringLiteral(")="));
    close->setObjectName(QStringLiteral("Label13"));
    m_result = new QLineEdit;
    m_result->setObjectName(QStringLiteral("Text7"));
    m_result->setAccessibleName(QStringLiteral("C(X,Y,0)"));
    close->setBuddy(m_result);
    line->addWidget(open);
    line->addWidget(m_pointLabel);
    line->addWidget(close);
    line->addWidget(m_result, 1);
    line->addWidget(makeButton(kComputeCaption, "Command1"));
    grid->addLayout(line, 2, 0, 1, 2);
    return frame;
}

QWidget *PuffModelWindow::buildDistanceFrame(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("下风向临界点距离L（X,0,0）的计算"), parent);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto *grid = new QGridLayout(frame);
    m_critical = addRow(grid, 0, QStringLiteral("请输入临界浓度（mg/M^3)："), "Text15", QStringLiteral("0.03"));
    m_distance = addRow(grid, 1, QStringLiteral("临界距离（M)："), "Text16", QString());
    QFont bold = m_distance->font();
    bold.setBold(true);
    m_distance->setFont(bold);
    grid->addWidget(makeButton(kComputeCaption, "Command4"), 0, 2);
    return frame;
}

QWidget *PuffModelWindow::buildGridFrame(QWidget *parent)
{
    auto *frame = new QGroupBox(
        QStringLiteral("下风向地面网格点空气中污染物的浓度计算（mg/M^3)"), parent);
    frame->setObjectName(QStringLiteral("Frame4"));
    auto *grid = new QGridLayout(frame);
    m_xRange = addRow(grid, 0, QStringLiteral("纵向范围（X）："), "Text13", QStringLiteral("5000"),
                      QStringLiteral("下风向距离"));
    m_xStep = addRow(grid, 1, QStringLiteral("纵向网格（XL）："), "Text12", QStringLiteral("500"),
                     QStringLiteral("下风向网格"));
    m_yRange = addRow(grid, 2, QStringLiteral("横向范围（Y）："), "Text14", QStringLiteral("1000"));
    m_yStep = addRow(grid, 3, QStringLiteral("横向网格（YL）："), "Text11", QStringLiteral("100"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(kComputeCaption, "Command2"));
    buttons->addWidget(makeButton(QStringLiteral("用前请查看帮助"), "Command3"));
    grid->addLayout(buttons, 4, 0, 1, 2);
    return frame;
}

void PuffModelWindow::connectHandlers(QWidget *window)
{
    auto button = [window](const char *name) {
        return window->findChild<QPushButton *>(QLatin1String(name));
    };
    QObject::connect(button("Command1"), &QPushButton::clicked, window, [this] { computePoint(); });
    QObject::connect(button("Command2"), &QPushButton::clicked, window, [this] { computeGrid(); });
    QObject::connect(button("Command3"), &QPushButton::clicked, window,
                     [] { ShowToolWindow(kHelpWindow); });
    QObject::connect(button("Command4"), &QPushButton::clicked, window, [this] { computeDistance(); });
    onChanged(m_sigmaX, window, [this] { mirrorSigma(m_sigmaX, m_sigmaY); });
    onChanged(m_sigmaY, window, [this] { mirrorSigma(m_sigmaY, m_sigmaX); });
    onChanged(m_pointX, window, [this] { updatePointLabel(); });
    onChanged(m_pointY, window, [this] { updatePointLabel(); });
    for (QLineEdit *box : {m_yStep.data(), m_xStep.data(), m_xRange.data(), m_yRange.data()})
        onChanged(box, window, [this] { resetProgress(); });
}

PuffInputs PuffModelWindow::readInputs() const
{
    return PuffInputs{numberIn(m_q), numberIn(m_sigmaX), numberIn(m_sigmaY), numberIn(m_sigmaZ),
                      numberIn(m_x0), numberIn(m_y0), numberIn(m_z0)};
}

void PuffModelWindow::computePoint()
{
    const float c = pointConcentration(readInputs(), numberIn(m_pointX), numberIn(m_pointY));
    m_result->setText(SingleText(c));
}

void PuffModelWindow::computeGrid()
{
    const PuffGridBounds bounds{floorOf(numberIn(m_xRange)), floorOf(numberIn(m_xStep)),
                                floorOf(numberIn(m_yRange)), floorOf(numberIn(m_yStep))};
    const PuffGrid grid = computePuffGrid(readInputs(), bounds);
    if (grid.outcome == PuffGridOutcome::BadBounds) {
        showMessage(QStringLiteral("纵向、横向的范围和网格须为数值，且网格取整后不能为0，网格计算未进行！"));
        return;
    }
    if (grid.outcome == PuffGridOutcome::TooManyPoints) {
        showMessage(QStringLiteral("网格点数超过%1个，网格计算未进行，请加大网格或缩小范围！")
                        .arg(kMaxGridPoints));
        return;
    }
    // The bar follows the rows: 0 to the x range, at the last row's x.
    for (double x : grid.xValues) {
        m_progressState.setMinimum(0);
        m_progressState.setMaximum(*bounds.xEnd);
        m_progressState.visible = true;
        m_progressState.setValue(x);
    }
    showProgress(m_progress, m_progressState);

    const HandOffTarget &target = handOffTarget(HandOffWriter::PuffModel);
    GridHandOffFile file{grid.xValues, grid.yValues, {}};
    file.valueTexts.reserve(grid.values.size());
    for (float value : grid.values)
        file.valueTexts.append(target.valueText(value));
    WriteHandOffFile(target.fileName, file.text(), target.resultWindow);
}

void PuffModelWindow::computeDistance()
{
    const CriticalDistance found = criticalDistance(readInputs(), numberIn(m_critical));
    // Every round sets the bar to 0..100 and the search ends it at 100.
    m_progressState.setMinimum(0);
    m_progressState.setMaximum(100);
    m_progressState.visible = true;
    m_progressState.setValue(100);
    showProgress(m_progress, m_progressState);
    m_distance->setText(found.found ? DoubleText(found.x)
                                    : QStringLiteral("25000M内未找到临界距离"));
}

void PuffModelWindow::mirrorSigma(QLineEdit *from, QLineEdit *to)
{
    // A box set to the text it holds raises no change, so the pair settles.
    if (to->text() != from->text())
        to->setText(from->text());
}

void PuffModelWindow::updatePointLabel()
{
    m_pointLabel->setText(m_pointX->text() + u',' + m_pointY->text() + QStringLiteral(",0"));
}

void PuffModelWindow::resetProgress()
{
    m_progressState.setMinimum(0);
    if (const std::optional<double> range = floorOf(numberIn(m_xRange)))
        m_progressState.setMaximum(*range);
    m_progressState.visible = true;
    m_progressState.setValue(0);
    showProgress(m_progress, m_progressState);
}

} // namespace corvalen

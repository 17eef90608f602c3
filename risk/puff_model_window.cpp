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

struct Field
{
    const char *name;
    const char *label;
    const char *text;  // design-time text
    const char *toolTip;
};

// Labelled input rows from row 0 on: each label is its box's buddy, so the
// box carries the label's name for assistive tools.
QList<QLineEdit *> addRows(QGridLayout *grid, std::initializer_list<Field> fields)
{
    QList<QLineEdit *> boxes;
    for (const Field &field : fields) {
        const QString label = QString::fromUtf8(field.label);
        auto *caption = new QLabel(label);
        auto *box = new QLineEdit(QString::fromUtf8(field.text));
        box->setObjectName(QLatin1String(field.name));
        box->setAccessibleName(label);
        box->setToolTip(QString::fromUtf8(field.toolTip));
        caption->setBuddy(box);
        grid->addWidget(caption, int(boxes.size()), 0);
        grid->addWidget(box, int(boxes.size()), 1);
        boxes.append(box);
    }
    return boxes;
}

// A captioned frame of the window with a grid for its rows.
QGridLayout *addFrame(QBoxLayout *layout, const QString &caption, const char *name)
{
    auto *frame = new QGroupBox(caption);
    frame->setObjectName(QLatin1String(name));
    layout->addWidget(frame);
    return new QGridLayout(frame);
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
    window->resize(860, 440);
    m_progressState = ProgressState();
    auto *layout = new QVBoxLayout(window);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns);
    buildPuffFrame(columns);
    auto *right = new QVBoxLayout;
    columns->addLayout(right);
    buildPointFrame(right);
    buildDistanceFrame(right);
    buildGridFrame(right);
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

void PuffModelWindow::buildPuffFrame(QBoxLayout *layout)
{
    QGridLayout *grid = addFrame(layout, QStringLiteral("参数输入"), "Frame1");
    const QList<QLineEdit *> boxes = addRows(grid, {
        {"Text1", "Q(事故期间烟团排放量:mg)：", "12000000", ""},
        {"Text2", "σx(x方向扩散系数)：", "200", ""},
        {"Text3", "σy(Y方向扩散系数)：", "200", ""},
        {"Text4", "σz(Z方向扩散系数)：", "100", ""},
        {"Text8", "X0(烟团中心坐标)：", "0", ""},
        {"Text9", "Y0(烟团中心坐标)：", "0", ""},
        {"Text10", "Z0(烟团中心坐标)：", "1", ""},
    });
    m_q = boxes[0], m_sigmaX = boxes[1], m_sigmaY = boxes[2], m_sigmaZ = boxes[3];
    m_x0 = boxes[4], m_y0 = boxes[5], m_z0 = boxes[6];
    grid->setRowStretch(int(boxes.size()), 1);
}

void PuffModelWindow::buildPointFrame(QBoxLayout *layout)
{
    QGridLayout *grid = addFrame(
        layout, QStringLiteral("下风向地面某点的空气中污染物的浓度C(X,Y,0)(mg/M^3)："), "Frame2");
    const QList<QLineEdit *> boxes = addRows(grid, {
        {"Text18", "X(下风向地面某点坐标X)：", "200", ""},
        {"Text17", "Y(下风向地面某点坐标Y)：", "100", ""},
    });
    m_pointX = boxes[0], m_pointY = boxes[1];

    // The result line C(x,y,0)= value, whose middle label names the point.
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
}

void PuffModelWindow::buildDistanceFrame(QBoxLayout *layout)
{
    QGridLayout *grid = addFrame(layout, QStringLiteral("下风向临界点距离L（X,0,0）的计算"), "Frame3");
    const QList<QLineEdit *> boxes = addRows(grid, {
        {"Text15", "请输入临界浓度（mg/M^3)：", "0.03", ""},
        {"Text16", "临界距离（M)：", "", ""},
    });
    m_critical = boxes[0], m_distance = boxes[1];
    QFont bold = m_distance->font();
    bold.setBold(true);
    m_distance->setFont(bold);
    grid->addWidget(makeButton(kComputeCaption, "Command4"), 0, 2);
}

void PuffModelWindow::buildGridFrame(QBoxLayout *layout)
{
    QGridLayout *grid = addFrame(
        layout, QStringLiteral("下风向地面网格点空气中污染物的浓度计算（mg/M^3)"), "Frame4");
    const QList<QLineEdit *> boxes = addRows(grid, {
        {"Text13", "纵向范围（X）：", "5000", "下风向距离"},
        {"Text12", "纵向网格（XL）：", "500", "下风向网格"},
        {"Text14", "横向范围（Y）：", "1000", ""},
        {"Text11", "横向网格（YL）：", "100", ""},
    });
    m_xRange = boxes[0], m_xStep = boxes[1], m_yRange = boxes[2], m_yStep = boxes[3];
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(kComputeCaption, "Command2"));
    buttons->addWidget(makeButton(QStringLiteral("用前请查看帮助"), "Command3"));
    grid->addLayout(buttons, int(boxes.size()), 0, 1, 2);
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
    // Every round that goes on sets the bar to 0..100 and shows it; a search
    // met in its first round has set nothing before it ends the bar at 100.
    if (!found.found || found.rounds > 1) {
        m_progressState.setMinimum(0);
        m_progressState.setMaximum(100);
        m_progressState.visible = true;
    }
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

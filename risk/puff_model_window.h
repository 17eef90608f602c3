#pragma once

#include "common/progress_state.h"
#include "common/tool_window.h"
#include "risk/puff_model.h"

#include <QPointer>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace corvalen {

// 风险评价之烟团模式: one puff's ground-level concentration at a point, over a
// grid (handed to its result window through the hand-off file) and the
// critical distance along the axis. Keeps nothing between clicks.
class PuffModelWindow : public ToolWindow
{
protected:
    void build(QWidget *window) override;

private:
    void buildPuffFrame(QBoxLayout *layout);
    void buildPointFrame(QBoxLayout *layout);
    void buildDistanceFrame(QBoxLayout *layout);
    void buildGridFrame(QBoxLayout *layout);
    void connectHandlers(QWidget *window);

    PuffInputs readInputs() const;
    void computePoint();
    void computeGrid();
    void computeDistance();
    void mirrorSigma(QLineEdit *from, QLineEdit *to);
    void updatePointLabel();
    void resetProgress();

    QPointer<QLineEdit> m_q, m_sigmaX, m_sigmaY, m_sigmaZ, m_x0, m_y0, m_z0;
    QPointer<QLineEdit> m_pointX, m_pointY, m_result;
    QPointer<QLabel> m_pointLabel;
    QPointer<QLineEdit> m_critical, m_distance;
    QPointer<QLineEdit> m_xRange, m_xStep, m_yRange, m_yStep;
    QPointer<QProgressBar> m_progress;
    ProgressState m_progressState;
};

} // namespace corvalen

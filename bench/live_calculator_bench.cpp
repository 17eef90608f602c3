// One keystroke in every registered live calculator: the key reaches the
// first box that has a change trigger, the window recomputes what the
// trigger names and repaints. Keys alternate between a digit and Backspace
// at the end of the text, so the box keeps its length.
#include "common/forms/form_window.h"
#include "common/forms/tool_registry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void sendKey(QWidget *box, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QCoreApplication::sendEvent(box, &release);
}

void BM_LiveKeystroke(benchmark::State &state, QString name)
{
    auto &registry = corvalen::ToolRegistry::global();
    corvalen::ShowToolWindow(name);
    auto *window = dynamic_cast<corvalen::FormWindow *>(registry.existingInstance(name));
    QLineEdit *box = nullptr;
    if (window && window->form()) {
        for (const corvalen::Trigger &trigger : window->spec().triggers) {
            if (trigger.event == corvalen::On::Change && !trigger.controls.isEmpty()) {
                box = window->form()->get<QLineEdit>(trigger.controls.first());
                if (box)
                    break;
            }
        }
    }
    if (!box) {
        state.SkipWithError("no box with a change trigger");
        return;
    }
    box->setFocus();
    box->end(false);
    bool digit = true;
    for (auto _ : state) {
        if (digit)
            sendKey(box, Qt::Key_1, QStringLiteral("1"));
        else
            sendKey(box, Qt::Key_Backspace, QString());
        digit = !digit;
        window->widget()->repaint();
    }
    registry.existingInstance(name)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void registerLiveKeystrokeBenchmarks()
{
    const auto &registry = corvalen::ToolRegistry::global();
    for (const QString &name : registry.names()) {
        if (registry.info(name)->kind != corvalen::ToolKind::LiveCalculator)
            continue;
        benchmark::RegisterBenchmark(("BM_LiveKeystroke/" + name.toStdString()).c_str(), BM_LiveKeystroke, name)
            ->Unit(benchmark::kMicrosecond);
    }
}

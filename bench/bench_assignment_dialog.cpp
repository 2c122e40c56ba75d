#include <benchmark/benchmark.h>

#include <QTimer>

#include "keys/AssignmentDialog.h"

namespace {

// A single-key slot of narrow held keys through its last step: the longest display there is.
// Its first layout keeps what the five rows and the 301 labels hold; every later pass lays
// out all of that again.
void LoadLongestSlot(qv::Model& model, int slot = 9, int32_t code = '1') {
    for (int k = 1; k < qv::kSteps; ++k) {
        model.KeyMap[0][slot][k] = code;
        model.KeyMapCombo[0][slot][k] = true;
    }
}

void BM_LayoutLongestDisplay(benchmark::State& state) {
    qv::Model model;
    LoadLongestSlot(model);
    qv::AssignmentDialog keys(model);
    QTimer::singleShot(0, &keys, [&] {
        keys.Timer1_Timer();
        for (auto _ : state) {
            keys.Timer1_Timer();
        }
        state.counters["steps"] = keys.Editor().ShownSteps();
        keys.reject();
    });
    keys.PopUp(9, 0);
}
BENCHMARK(BM_LayoutLongestDisplay);

// Opening the longest slot: loading it, showing the dialog, its first layout (which refuses
// what does not fit, with a beep each), and closing. Two such slots of different captions take
// turns, so every label moves on each opening.
void BM_PopUpLongestSlot(benchmark::State& state) {
    qv::Model model;
    LoadLongestSlot(model);
    LoadLongestSlot(model, 10, 'W');
    qv::AssignmentDialog keys(model);
    int16_t slot = 9;
    for (auto _ : state) {
        QTimer::singleShot(0, &keys, [&] {
            keys.Timer1_Timer();
            keys.reject();
        });
        keys.PopUp(slot, 0);
        slot = slot == 9 ? 10 : 9;
    }
}
BENCHMARK(BM_PopUpLongestSlot);

}  // namespace

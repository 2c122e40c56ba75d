#pragma once

#include <array>
#include <cstdint>

#include "device/DeviceLink.h"
#include "engine/EngineTimers.h"
#include "engine/HeldKeys.h"
#include "engine/PanelView.h"
#include "engine/SequenceRing.h"
#include "input/InputSink.h"
#include "input/InputSynth.h"
#include "model/Clock.h"
#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// The engine: one tick per timer event on the user-interface thread, then either the preview
// on the shown panel or the output to the focused program.
class Engine final {
public:
    // `ring` holds the sequences waiting to be played; `ccDriver` drives the high-resolution
    // timer, `ssDriver` the standard 10 ms one.
    Engine(Model& model, DeviceLink& link, Clock& clock, InputSink& sink, SequenceRing& ring,
           TimerDriver* ccDriver, TimerDriver* ssDriver);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // The panel comes after the engine and goes before it: it attaches itself once it stands
    // and detaches as it goes. A timer event ticks only while a view is attached; EngineTick and
    // StartEngine, called directly, need one.
    void AttachView(PanelView& view) { view_ = &view; }
    void DetachView() { view_ = nullptr; }

    void EngineTick();
    void ssTimer_Timer();
    void cctimer_Timer(int32_t milliseconds);
    void StartEngine();
    void SendOutputs();
    void PreviewOutputs();
    // Lets go of every key and mouse button the output holds, the ring's pending group
    // included, stops a running delay and counts the stick's slots as released, so that output
    // starts clean when it resumes. Does nothing unless output has run since the last stop.
    void StopOutput();

    // Start-up sets both ring indices once, after the controller has been opened.
    void SetRingStart(int16_t index) { ring_.SetStart(index); }

    PrecisionTimer ccTimer;
    PrecisionTimer ssTimer;
    PrecisionTimer DelayTimer;
    // Which of ccTimer and ssTimer runs, and whether the output is paused.
    EngineTimers Timers;

private:
    void DecodeReport();
    void RebuildButtonSlots();
    // No switch position leaves the mode as it was.
    void ReadModeSwitch();
    // DirActive afresh from the axes and the settings, shared by the output and the preview.
    void DetectDirections();
    bool InsideWalkZone() const;
    // Brings SlotHeld(slot) of an axis slot in line with `active`: +1 on a rise, -1 on a fall.
    int FollowHeld(int slot, bool active);
    void MoveMouse();
    void PressSlot(int slot);
    void ReleaseSlot(int slot);
    // The stick's key slots let go when mouse mode takes the stick over.
    void ReleaseStickSlots();

    Model& model_;
    DeviceLink& link_;
    Clock& clock_;
    PanelView* view_ = nullptr;
    InputSynth synth_;
    SequenceRing& ring_;
    HeldKeys held_;
    std::array<uint8_t, 7> inputReport_{};
    bool xOut_ = false;
    bool yOut_ = false;
    bool outputRan_ = false;
};

}  // namespace qv

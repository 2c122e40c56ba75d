#pragma once

#include <cstdint>

#include "input/InputSink.h"
#include "input/KeyTables.h"
#include "model/Model.h"
#include "model/PrecisionTimer.h"

namespace qv {

// Turns output codes into input records, one record per call, and arms the delay timer for a
// delay code. Keeps no state beyond its lookup tables.
class InputSynth final {
public:
    InputSynth(InputSink& sink, const PanelSettings& settings, PrecisionTimer& delayTimer);

    void SendKeyDown(int32_t code);
    void SendKeyUp(int32_t code);
    void SendMouseMove(int16_t x, int16_t y);
    void SendMouseWheel(int16_t delta);
    void SendLeftDown();
    void SendLeftUp();
    void SendRightDown();
    void SendRightUp();
    void SendMiddleDown();
    void SendMiddleUp();
    void StartDelay(uint8_t index);

private:
    void SendKey(int32_t code, uint32_t upFlag);
    void SendMouse(uint32_t flags, int32_t mouseData = 0);
    double MotionDivisor() const;

    InputSink& sink_;
    const PanelSettings& settings_;
    PrecisionTimer& delayTimer_;
    const ExtendedKeyTable ExtendedKey = FillExtendedKey();
    const DelayTableValues DelayTable = FillDelayTable();
    const ScanCodeTable scanCodes_ = FillScanCodes();
};

}  // namespace qv

// A window with one control of every kind, for the tests of the real window.
#pragma once

#include "ui/DialogLayout.h"

namespace veltrane::testing {

enum DemoId {
    kDemoDialog = 900,
    kLengthLabel = 100,  // "Д&лина" -> the edit after it
    kLengthEdit = 101,
    kResultField = 102,  // read-only, multi-line, centred
    kAmpersandLabel = 103,
    kLongLabel = 104,
    kLamp = 105,  // picture
    kFrame = 106,
    kLine = 107,
    kIconId = 108,
    kFlowButton = 109,  // picture button
    kRadioA = 110,
    kRadioB = 111,
    kRadioC = 112,
    kGasList = 113,
    kVelocitySlider = 114,
    kLengthSpin = 115,
    kCapacityBar = 116,
    kClip = 117,
    kReadOnlyEdit = 118,
    kTable = 119,
};

ui::DialogLayout DemoLayout();

}  // namespace veltrane::testing

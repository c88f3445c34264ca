// The fixed order in which the tuning run visits the tweak rows.
#pragma once

#include "tweaks/tuning_arms.h"

#include <span>

namespace brelk {

// One tested button of a walk position and the arm it runs when checked. The button is the
// number of a radio button ("RadioButton" + number); 0 runs the arm on every run.
struct WalkEntry {
    int position;
    int button;
    ArmId arm;
};

// Every position 1 to 78 in walk order, each with its tested buttons in test order.
std::span<const WalkEntry> walkOrder();

} // namespace brelk

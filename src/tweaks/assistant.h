// The tuning assistant (page 9): a beginner answers what the computer is used for, which
// aspects to optimise and how much risk to take; the assistant turns the answers into the rows'
// choices and starts the tuning run or opens the tuning list. The export and import pages share
// its part of the window's layout.
#pragma once

namespace brelk {
class MainWindow;
}

namespace brelk::tweaks {

void bindAssistantHandlers(MainWindow& w);

// showwizard: opens the assistant page, keeping the settings before any tuning as backup slot 1
// on a first start.
void showwizard(MainWindow& w);
// wizardstart: sets every row from the answers, then runs the tuning or opens the tuning list.
void wizardstart(MainWindow& w);

} // namespace brelk::tweaks

// The customisation dialog's fields that the export, the import and the assistant use. The
// dialog's own layout may not hold all of them yet; tests add the missing ones.
#pragma once

#include "ui/form.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <memory>
#include <string>

namespace testing_support {

// Adds Edit1-Edit5, Edit11, Edit12 and RadioButton1-RadioButton5 where the dialog lacks them, the
// profile buttons 2-4 as siblings of one another and 1 and 5 each alone; profile 2 selected.
inline void completeDialog(ui::Form& form7) {
    auto ensure = [&form7](const std::string& name, auto made, ui::Control* parent) {
        if (!form7.find(name)) form7.add(std::move(made), name, parent);
    };
    for (const char* edit : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit11", "Edit12"})
        ensure(edit, std::make_unique<ui::Edit>(), nullptr);
    ui::Control* profiles = dynamic_cast<ui::Control*>(form7.find("ScrollBox3"));
    if (!profiles && !form7.find("RadioButton2")) {
        form7.add(std::make_unique<ui::Panel>(), "TestProfiles", nullptr);
        profiles = &form7.get<ui::Control>("TestProfiles");
    }
    for (const char* name : {"RadioButton2", "RadioButton3", "RadioButton4"})
        ensure(name, std::make_unique<ui::RadioButton>(), profiles);
    for (const char* name : {"RadioButton1", "RadioButton5"}) {
        if (form7.find(name)) continue;
        const std::string holder = std::string("Test") + name;
        form7.add(std::make_unique<ui::Panel>(), holder, nullptr);
        form7.add(std::make_unique<ui::RadioButton>(), name, &form7.get<ui::Control>(holder));
    }
    if (!form7.get<ui::RadioButton>("RadioButton3").checked() &&
        !form7.get<ui::RadioButton>("RadioButton4").checked()) {
        form7.get<ui::RadioButton>("RadioButton2").setChecked(true);
    }
}

} // namespace testing_support

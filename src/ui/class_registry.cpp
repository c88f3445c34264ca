#include "ui/class_registry.h"

#include "ui/cool_form.h"
#include "ui/form.h"
#include "ui/input_controls.h"
#include "ui/list_view.h"
#include "ui/standard_controls.h"
#include "ui/string_grid.h"

namespace ui {

const ClassRegistry& ClassRegistry::standard() {
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        r.add<Label>("TLabel");
        r.add<Image>("TImage");
        r.add<Panel>("TPanel");
        r.add<GroupBox>("TGroupBox");
        r.add<Bevel>("TBevel");
        r.add<ScrollBox>("TScrollBox");
        r.add<Timer>("TTimer");
        r.add<CoolForm>("TCoolForm");
        r.add<Edit>("TEdit");
        r.add<Memo>("TMemo");
        r.add<Button>("TButton");
        r.add<CheckBox>("TCheckBox");
        r.add<RadioButton>("TRadioButton");
        r.add<ListBox>("TListBox");
        r.add<RadioGroup>("TRadioGroup");
        r.add<FileListBox>("TFileListBox");
        r.add<TrackBar>("TTrackBar");
        r.add<ProgressBar>("TProgressBar");
        r.add<Gauge>("TGauge");
        r.add<WebBrowser>("TWebBrowser");
        r.add<ListView>("TListView");
        r.add<StringGrid>("TStringGrid");
        return r;
    }();
    return registry;
}

void ClassRegistry::add(const std::string& className, Factory f) {
    factories_[lowerCase(className)] = std::move(f);
}

std::unique_ptr<Component> ClassRegistry::create(const std::string& className) const {
    auto it = factories_.find(lowerCase(className));
    return it == factories_.end() ? nullptr : it->second();
}

} // namespace ui

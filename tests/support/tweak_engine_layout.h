// A stand-in for the tuning page's controls that other parts of the program own (rows, edit
// fields, switches, gauges, progress timer), loaded into the main window after its own layout,
// and a stand-in customisation dialog with its page-file fields.
#pragma once

#include "shell/main_window.h"
#include "ui/class_registry.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <memory>
#include <string>
#include <vector>

namespace tweak_test {

// The buttons of a row: deactivate, no change, activate.
struct Row {
    int deact, none, act;
};

inline const std::vector<Row>& performanceRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        for (int n = 5; n <= 86; n += 3)
            r.push_back({n, n + 1, n + 2});
        for (int n : {185, 188, 212, 215, 233, 218, 221, 224, 227})
            r.push_back({n, n + 1, n + 2});
        return r;
    }();
    return rows;
}

// The rows of the other categories (their arms come later).
inline const std::vector<Row>& otherRows() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> r;
        for (int n = 89; n <= 152; n += 3)
            r.push_back({n, n + 1, n + 2});
        for (int n : {155, 158, 164, 167, 170, 173, 176, 179, 191, 194, 197, 200, 203, 206, 209})
            r.push_back({n, n + 1, n + 2});
        r.push_back({232, 231, 230});
        return r;
    }();
    return rows;
}

inline std::string radioButton(int n, bool checked) {
    return "      object RadioButton" + std::to_string(n) + ": TRadioButton\n" +
           (checked ? "        Checked = True\n" : "") + "      end\n";
}

inline std::string rowPanel(const Row& row) {
    return "    object RowPanel" + std::to_string(row.deact) + ": TPanel\n" +
           radioButton(row.deact, false) + radioButton(row.none, true) +
           radioButton(row.act, false) + "    end\n";
}

inline std::string edit(const std::string& name, const std::string& text) {
    return "    object " + name + ": TEdit\n      Text = '" + text + "'\n    end\n";
}

inline std::string tuningPageFragment() {
    std::string text = "inherited Form2: TForm2\n  inherited ScrollBox1: TScrollBox\n";
    text += edit("Edit1", "C:\\WINDOWS") + edit("Edit2", "512") + edit("Edit3", "Lizenznehmer") +
            edit("Edit4", "Organisation");
    text += "    object TrackBar1: TTrackBar\n      Max = 600\n    end\n"
            "    object Label36: TLabel\n      Caption = 'Tuningprozedur starten >'\n"
            "      OnClick = tuning\n    end\n"
            "    object Gauge1: TGauge\n      Visible = False\n    end\n"
            "    object GroupBox2: TGroupBox\n"
            "      object RadioButton3: TRadioButton\n        Checked = True\n      end\n"
            "      object RadioButton4: TRadioButton\n      end\n    end\n"
            "    object SpyModePanel: TPanel\n"
            "      object RadioButton1: TRadioButton\n      end\n"
            "      object RadioButton2: TRadioButton\n        Checked = True\n      end\n"
            "    end\n"
            "    object CheckBox2: TCheckBox\n      Checked = True\n    end\n"
            "    object CheckBox3: TCheckBox\n      Checked = True\n    end\n";
    for (const Row& row : performanceRows())
        text += rowPanel(row);
    for (const Row& row : otherRows())
        text += rowPanel(row);
    text += "  end\n"
            "  inherited ScrollBox9: TScrollBox\n"
            "    object Gauge2: TGauge\n      Visible = False\n    end\n  end\n"
            "  inherited ScrollBox8: TScrollBox\n"
            "    object Gauge3: TGauge\n      Visible = False\n    end\n  end\n"
            "  object Timer1: TTimer\n    Enabled = False\n  end\n"
            "end\n";
    return text;
}

inline void loadTuningPage(brelk::MainWindow& w) {
    w.loadLayout(tuningPageFragment(), brelk::brelkClasses(), w.ctx.resources);
}

// The customisation dialog's page-file fields: drive letter, minimum and maximum MB.
inline std::unique_ptr<ui::Form> pageFileDialog(ui::Application& app,
                                                const ui::ResourceStore& resources) {
    auto form = std::make_unique<ui::Form>(app, "TForm7");
    form->loadLayout("object Form7: TForm7\n" + edit("Edit1", "384") + edit("Edit2", "768") +
                         edit("Edit3", "C") + "end\n",
                     ui::ClassRegistry::standard(), resources);
    return form;
}

enum class Column { deact, none, act };

inline void setRows(brelk::MainWindow& w, const std::vector<Row>& rows, Column column) {
    for (const Row& row : rows) {
        int n = column == Column::deact ? row.deact : column == Column::none ? row.none : row.act;
        w.c<ui::RadioButton>("RadioButton" + std::to_string(n)).setChecked(true);
    }
}

} // namespace tweak_test

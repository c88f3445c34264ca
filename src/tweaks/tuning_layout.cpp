#include "tweaks/tuning_layout.h"

#include "tweaks/layout_builder.h"
#include "tweaks/tweak_rows.h"
#include "ui/layout_text.h"

#include <string>

namespace brelk::tweaks {
namespace {

// Geometry of the list. The scroll box shows 358 pixels beside its vertical scroll bar; every
// row ends before that, so the list never scrolls sideways.
constexpr int kListWidth = 375, kListHeight = 137;
constexpr int kContentWidth = 356;
constexpr int kStripWidth = 354; // title strips and group boxes end here
constexpr int kColumn = 296;     // left edge of the button panels and the header images
constexpr int kGearLeft = 276;   // settings gears stand just left of the buttons
constexpr int kCaptionLeft = 22;
constexpr int kRowHeight = 19, kDelayRowHeight = 24;
constexpr int kTitleHeight = 21, kTitleGap = 4;
constexpr int kGap = 6; // between the blocks of the list
constexpr int kCheckHeight = 20, kSwitchHeight = 22;

constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kEditBack = 0xCAE4FF, kEditFont = 0x3D79DE;
constexpr ui::Color kGaugeBack = 0xDBDBDB, kGaugeFore = 0x5FB3FE;

const char* const kHeaderHints[3] = {
    "Sämtliche Tuningoptionen dieser Kategorie deaktivieren (es werden die Standardwerte geladen)",
    "Es werden keine Änderungen an den Tuningoptionen dieser Kategorie vorgenommen",
    "Sämtliche Tuningoptionen dieser Kategorie aktivieren",
};

LayoutNode picture(const std::string& name, const char* resource, int left, int top, int width,
                   int height) {
    LayoutNode n(name, "TImage");
    n.bounds(left, top, width, height).text("Picture.Resource", resource);
    return n;
}

LayoutNode label(const std::string& name, int left, int top, std::string_view caption) {
    LayoutNode n(name, "TLabel");
    n.num("Left", left).num("Top", top).text("Caption", caption).flag("Transparent", true);
    return n;
}

LayoutNode edit(const char* name, int left, int top, int width, std::string_view text) {
    LayoutNode n(name, "TEdit");
    n.bounds(left, top, width, 19).ident("BorderStyle", "bsNone");
    if (!text.empty()) n.text("Text", text);
    n.color("Color", kEditBack).color("Font.Color", kEditFont);
    return n;
}

LayoutNode radio(const std::string& name, int left, int top, int width, std::string_view caption) {
    LayoutNode n(name, "TRadioButton");
    n.bounds(left, top, width, 17).color("Color", kWhite);
    if (!caption.empty()) n.text("Caption", caption);
    return n;
}

LayoutNode container(const char* name, int top, int height) {
    LayoutNode n(name, "TPanel");
    n.bounds(0, top, kContentWidth, height).ident("BevelOuter", "bvNone").color("Color", kWhite);
    n.ident("OnMouseMove", "rollover");
    return n;
}

// Title strip, title, header image and the three column buttons of a category, at top.
void addCategoryHeader(LayoutNode& parent, const Category& c, int top) {
    const std::string key = c.key;
    parent.add(picture(key + "TitleBack", "category_title.bmp", 0, top, kStripWidth, kTitleHeight));
    parent.add(label(c.titleLabel, 8, top + 4, c.title)
                   .color("Font.Color", kWhite)
                   .set("Font.Style", {"fsBold"}));
    LayoutNode header = picture(key + "Header", "category_header.bmp", kColumn, top, 58, 21);
    if (c.headerHint) header.text("Hint", c.headerHint).flag("ShowHint", true);
    parent.add(std::move(header));
    for (int column = 0; column < 3; ++column) {
        LayoutNode button(c.headerLabels[column], "TLabel");
        button.bounds(kColumn + 2 + 19 * column, top + 2, 17, 17).flag("AutoSize", false);
        button.ident("Cursor", "crHandPoint").text("Hint", kHeaderHints[column]);
        button.flag("ShowHint", true).flag("Transparent", true);
        button.ident("OnClick", c.handlers[column]);
        parent.add(std::move(button));
    }
}

// The row's three buttons on their panel, over a stretched background picture.
LayoutNode buttonPanel(const TweakRow& row, int top) {
    LayoutNode panel(row.panel, "TPanel");
    panel.bounds(kColumn, top + 1, 58, 17).ident("BevelOuter", "bvNone").color("Color", kWhite);
    const std::string back = "TweakBack" + std::to_string(row.buttons[Deactivate]);
    panel.add(picture(back, "row_back.bmp", 0, 0, 58, 17).flag("Stretch", true));
    const int first = row.narrow ? 2 : 3;
    for (int column = 0; column < 3; ++column) {
        LayoutNode button = radio(buttonName(row, Column(column)), first + 19 * column, 0, 15, "");
        if (column == NoChange) {
            button.flag("Checked", true);
            if (row.oneShot) button.flag("Enabled", false);
        }
        panel.add(std::move(button));
    }
    return panel;
}

int rowHeight(const TweakRow& row) {
    switch (row.extra) {
    case RowExtra::StartMenuDelay:
        return kDelayRowHeight;
    case RowExtra::CompanionOptions:
        return kRowHeight + 2 * kCheckHeight;
    case RowExtra::None:
        break;
    }
    return kRowHeight;
}

// What stands beside or below a row's buttons.
void addRowExtra(LayoutNode& parent, const TweakRow& row, int top) {
    switch (row.extra) {
    case RowExtra::None:
        return;
    case RowExtra::StartMenuDelay: {
        LayoutNode bar("TrackBar1", "TTrackBar");
        bar.bounds(145, top, 100, 22).num("Max", 600).num("Frequency", 10).num("Position", 0);
        bar.ident("TickStyle", "tsNone").color("Color", kWhite);
        bar.ident("OnChange", "trackstatus");
        parent.add(std::move(bar));
        parent.add(label("Label2", 248, top + 3, "0 ms")
                       .flag("ShowHint", true)
                       .ident("OnMouseMove", "Showhintlabel2"));
        return;
    }
    case RowExtra::CompanionOptions: {
        const char* const names[] = {"CheckBox2", "CheckBox3"};
        const char* const captions[] = {"Arbeitsspeicher verwalten",
                                        "Anti Spionage-Optionen ausführen"};
        for (int i = 0; i < 2; ++i) {
            LayoutNode box(names[i], "TCheckBox");
            box.bounds(kCaptionLeft, top + kRowHeight + kCheckHeight * i, 220, 17);
            box.color("Color", kWhite);
            box.text("Caption", captions[i]).flag("Checked", true);
            parent.add(std::move(box));
        }
        return;
    }
    }
}

// One row at top: icon, caption, settings gear, buttons and what stands beside them.
void addRow(LayoutNode& parent, const TweakRow& row, int top) {
    const Category& c = category(row.category);
    parent.add(picture(iconName(row), c.icon, 0, top + 2, 20, 15)
                   .flag("Center", true)
                   .flag("Transparent", true));
    LayoutNode caption = label(captionLabelName(row), kCaptionLeft, top + 3, row.caption);
    caption.text("Hint", row.hint).flag("ShowHint", true);
    if (row.label) caption.ident("OnMouseMove", std::string("Showhint") + row.label);
    parent.add(std::move(caption));
    if (row.gear >= 0) {
        const SettingsGear& g = settingsGears()[row.gear];
        parent.add(picture(g.plain, "gear.bmp", kGearLeft, top + 1, 16, 16)
                       .flag("Transparent", true)
                       .ident("OnMouseMove", g.hoverHandler));
        parent.add(picture(g.hot, "gear_over.bmp", kGearLeft, top + 1, 16, 16)
                       .flag("Transparent", true)
                       .flag("Visible", false)
                       .ident("Cursor", "crHandPoint")
                       .ident("OnClick", g.openHandler));
    }
    parent.add(buttonPanel(row, top));
    addRowExtra(parent, row, top);
}

// The rows of a category from top; returns the top of what follows them.
int addRows(LayoutNode& parent, CategoryId id, int top) {
    for (const TweakRow& row : tweakRows()) {
        if (row.category != id) continue;
        addRow(parent, row, top);
        top += rowHeight(row);
    }
    return top;
}

int rowsHeight(CategoryId id) {
    int height = 0;
    for (const TweakRow& row : tweakRows()) {
        if (row.category == id) height += rowHeight(row);
    }
    return height;
}

// A category in its own container panel at top; the anti-spying mode switch stands between
// the header and the rows. Returns the top of what follows it.
int addCategoryPanel(LayoutNode& list, CategoryId id, int top) {
    const Category& c = category(id);
    const int switchHeight = id == CategoryId::AntiSpying ? kSwitchHeight : 0;
    const int height = kTitleHeight + kTitleGap + switchHeight + rowsHeight(id) + kTitleGap;
    LayoutNode panel = container(c.container, top, height);
    addCategoryHeader(panel, c, 0);
    int y = kTitleHeight + kTitleGap;
    if (id == CategoryId::AntiSpying) {
        panel.add(radio("RadioButton1", kCaptionLeft, y, 90, "einmalig")
                      .ident("OnClick", "RadioButton1Click"));
        panel.add(radio("RadioButton2", kCaptionLeft + 100, y, 90, "dauerhaft")
                      .flag("Checked", true)
                      .ident("OnClick", "RadioButton2Click"));
        y += switchHeight;
    }
    addRows(panel, id, y);
    list.add(std::move(panel));
    return top + height + kGap;
}

LayoutNode groupBox(const char* name, std::string_view caption, int top, int height) {
    LayoutNode box(name, "TGroupBox");
    box.bounds(2, top, kStripWidth - 2, height).text("Caption", caption);
    box.color("Color", kWhite).ident("OnMouseMove", "rollover");
    return box;
}

// System facts, filled at start.
int addSystemFacts(LayoutNode& list, int top) {
    LayoutNode box = groupBox("GroupBox1", " Systemangaben  ", top, 90);
    struct Fact {
        const char *caption, *editName, *click, *hover;
        bool readOnly;
    };
    const Fact facts[] = {
        {"Arbeitsspeicher (in MB)", "Edit2", "Edit2Click", nullptr, true},
        {"Betriebssystem", "Edit7", "Edit7Click", nullptr, true},
        {"Betriebssystempfad", "Edit1", nullptr, "Edit1rollover", false},
    };
    int y = 18;
    for (const Fact& f : facts) {
        box.add(label(std::string(f.editName) + "Caption", 10, y + 3, f.caption));
        LayoutNode field = edit(f.editName, 150, y, 190, "");
        if (f.readOnly) field.flag("ReadOnly", true);
        if (f.click) field.ident("OnClick", f.click);
        if (f.hover) field.ident("OnMouseMove", f.hover);
        box.add(std::move(field));
        y += 23;
    }
    list.add(std::move(box));
    return top + 90 + kGap;
}

// The link that reads the current settings into the rows, with its status text.
int addScanLink(LayoutNode& list, int top) {
    list.add(picture("Image142", "link_arrow.bmp", 4, top, 16, 16)
                 .flag("Transparent", true)
                 .ident("Cursor", "crHandPoint")
                 .ident("OnClick", "scansettings")
                 .ident("OnMouseMove", "Image142MouseMove"));
    list.add(picture("Image147", "link_arrow_over.bmp", 4, top, 16, 16)
                 .flag("Transparent", true)
                 .flag("Visible", false)
                 .ident("Cursor", "crHandPoint")
                 .ident("OnClick", "scansettings"));
    list.add(label("Label123", kCaptionLeft, top + 1, "Einstellungen scannen >>")
                 .ident("Cursor", "crHandPoint")
                 .ident("OnClick", "scansettings"));
    list.add(label("Label137", 180, top + 1, "... bitte warten ...").flag("Visible", false));
    return top + 16 + kGap;
}

int addRegistration(LayoutNode& list, int top) {
    LayoutNode box = groupBox("Lizenzinformationen", " Registrierungsdaten ", top, 46);
    box.add(edit("Edit3", 10, 18, 160, "Lizenznehmer").ident("OnMouseMove", "Edit3rollover"));
    box.add(edit("Edit4", 180, 18, 160, "Organisation").ident("OnMouseMove", "Edit4rollover"));
    list.add(std::move(box));
    return top + 46 + kGap;
}

int addUserScope(LayoutNode& list, int top) {
    LayoutNode box = groupBox("GroupBox2", " Tuningoptionen übernehmen für ...  ", top, 44);
    box.add(radio("RadioButton3", 10, 18, 160, "angemeldeten Benutzer").flag("Checked", true));
    box.add(radio("RadioButton4", 180, 18, 150, "alle Benutzer "));
    list.add(std::move(box));
    return top + 44 + kGap;
}

// The list in the scroll box, top to bottom.
LayoutNode tuningList() {
    LayoutNode list("ScrollBox1", "TScrollBox", true);
    list.num("Width", kListWidth).num("Height", kListHeight);
    int y = addSystemFacts(list, 4);
    y = addScanLink(list, y);
    addCategoryHeader(list, category(CategoryId::Performance), y);
    y = addRows(list, CategoryId::Performance, y + kTitleHeight + kTitleGap) + kGap;
    y = addCategoryPanel(list, CategoryId::Appearance, y);
    y = addRegistration(list, y);
    for (CategoryId id : {CategoryId::Internet, CategoryId::Security, CategoryId::AntiSpying,
                          CategoryId::ProgramOptions}) {
        y = addCategoryPanel(list, id, y);
    }
    addUserScope(list, y);
    return list;
}

// Below the list: the start link of the run and the page's progress gauge.
void addStartLink(LayoutNode& page) {
    constexpr int top = kListHeight + 13;
    page.add(picture("Image72", "link_arrow.bmp", 6, top, 16, 16)
                 .flag("Transparent", true)
                 .ident("OnMouseMove", "tuningrolloverp2"));
    page.add(picture("Image73", "link_arrow_over.bmp", 6, top, 16, 16)
                 .flag("Transparent", true)
                 .flag("Visible", false)
                 .ident("Cursor", "crHandPoint")
                 .ident("OnClick", "tuning"));
    page.add(label("Label36", 26, top + 1, "Tuningprozedur starten\u00a0>")
                 .ident("Cursor", "crHandPoint")
                 .ident("OnClick", "tuning")
                 .ident("OnMouseMove", "tuningrolloverp2"));
    LayoutNode gauge("Gauge1", "TGauge");
    gauge.bounds(196, top + 1, 170, 14).ident("BorderStyle", "bsNone");
    gauge.num("MinValue", 0).num("MaxValue", 100).num("Progress", 0);
    gauge.color("BackColor", kGaugeBack).color("ForeColor", kGaugeFore).flag("Visible", false);
    page.add(std::move(gauge));
}

} // namespace

ui::LayoutObject tuningPageLayout() {
    LayoutNode page("Panel2", "TPanel", true);
    page.add(tuningList());
    addStartLink(page);
    LayoutNode form("Form2", "TForm2", true);
    form.add(std::move(page));
    return form.take();
}

std::string tuningPageLayoutText() {
    return ui::writeLayout(tuningPageLayout());
}

} // namespace brelk::tweaks

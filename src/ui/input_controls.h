// Native input and display controls: edits, memo, buttons, check boxes, radio buttons, list
// box, track bar, progress bar, the gauge and the embedded web browser.
#pragma once

#include "ui/control.h"
#include "ui/standard_controls.h"

#include <string>
#include <vector>

namespace ui {

// A one-line text field.
class Edit : public Control {
  public:
    Edit() : Edit("TEdit") {}
    const std::string& text() const { return text_; }
    void setText(std::string t);
    bool readOnly() const { return readOnly_; }
    int maxLength() const { return maxLength_; }
    bool passwordChar() const { return password_; }
    // False for BorderStyle bsNone.
    bool border() const { return border_; }
    // The user typed: the realisation reports the new text.
    void userChangedText(std::string t);
    Handler onChange;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    explicit Edit(std::string className) : Control(std::move(className), true) {
        setColor(colors::Window);
    }
    bool tabStopByDefault() const override { return true; }

  private:
    std::string text_;
    bool readOnly_ = false, password_ = false, border_ = true;
    int maxLength_ = 0;
};

// A multi-line text field; its lines are its content.
class Memo : public Edit {
  public:
    Memo() : Edit("TMemo") {}
    const std::vector<std::string>& lines() const { return lines_; }
    void clear();
    void addLine(std::string line);
    void setLines(std::vector<std::string> lines);
    // The lines joined with CR LF, each line ended, as the class library saves a memo.
    std::string joinedText() const;
    // The lines as the text field shows them: separated by CR LF, the last one not ended.
    std::string displayText() const;
    // The user edited the field: the realisation reports its whole text (displayText form).
    // Runs the change handler.
    void userChangedLines(const std::string& displayText);
    // Counts the times the lines were replaced or cleared rather than appended to, so that a
    // realisation can add just the new lines when this count has not moved.
    unsigned long replacements() const { return replacements_; }
    bool scrollBars() const { return vScroll_ || hScroll_; }
    bool verticalScrollBar() const { return vScroll_; }
    bool horizontalScrollBar() const { return hScroll_; }
    bool wordWrap() const { return wordWrap_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    std::vector<std::string> lines_;
    unsigned long replacements_ = 0;
    bool vScroll_ = false, hScroll_ = false, wordWrap_ = true;
};

class Button : public Control {
  public:
    Button() : Control("TButton", true) { acceptCaption(); }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    bool tabStopByDefault() const override { return true; }
};

// Base of check box and radio button: a caption and a checked state.
class CheckControl : public Control {
  public:
    bool checked() const { return checked_; }
    virtual void setChecked(bool c);
    // The caption breaks into further lines where it is wider than the control.
    bool wordWrap() const { return wordWrap_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    // Check boxes and radio buttons show their parent's colour around the box and caption.
    explicit CheckControl(std::string className) : Control(std::move(className), true) {
        acceptCaption();
        useParentColor();
    }
    void storeChecked(bool c);
    bool tabStopByDefault() const override { return true; }

  private:
    bool checked_ = false;
    bool wordWrap_ = false;
};

// Clicking toggles the box, then runs the click handler.
class CheckBox : public CheckControl {
  public:
    CheckBox() : CheckControl("TCheckBox") {}
    // Setting the state from code runs the click handler too, as the class library does.
    void setChecked(bool c) override;

  protected:
    bool clickBehaviour() override;
};

// Checking a radio button unchecks its siblings (same parent). A click checks the button and
// runs its click handler only when it was unchecked.
class RadioButton : public CheckControl {
  public:
    RadioButton() : CheckControl("TRadioButton") {}
    void setChecked(bool c) override;

  protected:
    bool clickBehaviour() override;
    // Tab reaches a group of radio buttons at its checked one.
    bool tabStopByDefault() const override { return checked(); }
};

class ListBox : public Control {
  public:
    ListBox() : ListBox("TListBox") {}
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);
    void clear();
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    // The user picked an entry in the realisation.
    void userSelected(int i);
    bool sorted() const { return sorted_; }
    // False for BorderStyle bsNone.
    bool border() const { return border_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    explicit ListBox(std::string className) : Control(std::move(className), true) {
        setColor(colors::Window);
    }
    bool tabStopByDefault() const override { return true; }

  private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool sorted_ = false, border_ = true;
};

// A group box that shows its items as radio buttons, one below the other; one item (or
// none, -1) is selected. Picking an item runs the click handler.
class RadioGroup : public GroupBox {
  public:
    RadioGroup() : GroupBox("TRadioGroup") {}
    const std::vector<std::string>& items() const { return items_; }
    void clear();
    void addItem(std::string item);
    int itemIndex() const { return itemIndex_; }
    // An index outside the items selects none.
    void setItemIndex(int i);
    // The user picked an item in the realisation.
    void userSelected(int i);
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    // Tab reaches the group at its selected item, or its first when none is selected.
    bool tabStopByDefault() const override { return !items_.empty(); }

  private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A list box showing the files of one folder that match its mask, sorted by name without
// regard to case. The caller reads the folder and hands over the names.
class FileListBox : public ListBox {
  public:
    FileListBox() : ListBox("TFileListBox") {}
    const std::string& mask() const { return mask_; }
    // The folder shown, as given, normally with its trailing backslash.
    const std::string& directory() const { return directory_; }
    // Shows the files of a folder; the first one becomes selected.
    void showFolder(std::string directory, std::vector<std::string> fileNames);
    // The folder followed by the selected file's name; empty without a selection.
    std::string selectedPath() const;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    std::string mask_ = "*.*";
    std::string directory_;
};

// A position between a minimum and a maximum, set by dragging (track bar) or shown (progress).
class RangeControl : public Control {
  public:
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    // Clamped to the range.
    void setPosition(int p);
    void setRange(int min, int max);
    Handler onChange;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    RangeControl(std::string className, bool windowed, int max)
        : Control(std::move(className), windowed), max_(max) {}

  private:
    int min_ = 0, max_;
    int position_ = 0;
};

// Shows its parent's colour around the slider.
class TrackBar : public RangeControl {
  public:
    TrackBar() : RangeControl("TTrackBar", true, 10) { useParentColor(); }
    // The user moved the slider; runs the change handler.
    void userMoved(int position);
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  protected:
    bool tabStopByDefault() const override { return true; }
};

class ProgressBar : public RangeControl {
  public:
    ProgressBar() : RangeControl("TProgressBar", true, 100) {}
    // One continuous bar instead of separate blocks.
    bool smooth() const { return smooth_; }
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    bool smooth_ = false;
};

// A painted bar showing a progress between 0 and its maximum, with the percentage.
class Gauge : public RangeControl {
  public:
    Gauge() : RangeControl("TGauge", false, 100) {}
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);
    Color backColor() const { return backColor_; }
    bool showText() const { return showText_; }
    // A one-pixel frame; false for BorderStyle bsNone.
    bool border() const { return border_; }
    // Progress in percent of the range, as the gauge shows it.
    int percentDone() const;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    Color foreColor_ = colors::Black, backColor_ = colors::White;
    bool showText_ = true, border_ = true;
};

// The realisation of the web browser: it navigates and styles the loaded document. It
// throws ui::Exception when the browser engine cannot do so.
class BrowserPeer : public Peer {
  public:
    virtual void navigate(const std::string& url) = 0;
    virtual void setBodyStyle(const std::string& property, const std::string& value) = 0;
};

// The system's web-browser control.
class WebBrowser : public Control {
  public:
    WebBrowser() : Control("TWebBrowser", true) {}
    // Opens a page. Without a browser engine (or when it fails) raises ui::Exception.
    void navigate(const std::string& url);
    void setBodyStyle(const std::string& property, const std::string& value);
    const std::string& url() const { return url_; }
    // The realisation reports that a navigation completed, or that a document is complete.
    void navigationCompleted();
    void documentCompleted();
    Handler onNavigateComplete2, onDocumentComplete;
    bool applyProperty(const LayoutProperty& p, LoadContext& ctx) override;

  private:
    std::string url_;
};

} // namespace ui

// The skin and start-button archives: one mechanism, two instances. A search fetches the
// archive's list file and fills its list box; a click on a line previews the entry in the
// archive's browser; the download image fetches the selected entry into the archive folder.
#pragma once

#include <string>
#include <vector>

namespace brelk {

class MainWindow;

struct Archive {
    const char* statusLabel;     // "- bitte warten -" while working
    const char* listBox;         // one line per entry, hidden until a search
    const char* previewBrowser;  // styled when a page arrives
    const char* downloadImage;   // hidden until a preview
    const char* line;            // shown after a search
    const char* listServerPath;  // list file on the server
    const char* listFile;        // list file beside the program
    const char* countKey;        // in section Options
    const char* entriesSection;  // file names by entry number
    const char* serverFolder;    // files and previews on the server
    const char* updateSubFolder; // made sure of by the search, below update\modules
    const char* targetFolder;    // download target beside the program
    bool previewBaseLimited;     // the preview keeps the server base to 150 characters
    const char* listDownloadFailed;
    const char* listFileMissing;
    const char* imported;
    const char* importFailed;
};

const Archive& skinArchive();
const Archive& startButtonArchive();

// table: the file names of the archive's last search, entry i for line i of its list box.
void searchArchive(MainWindow& w, const Archive& a, std::vector<std::string>& table);
void previewArchiveEntry(MainWindow& w, const Archive& a);
void downloadArchiveEntry(MainWindow& w, const Archive& a, const std::vector<std::string>& table);

// The handlers of both archive pages.
void bindArchiveHandlers(MainWindow& w);

} // namespace brelk

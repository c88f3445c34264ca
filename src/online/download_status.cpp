#include "online/download_status.h"

#include "ui/input_controls.h"
#include "ui/standard_controls.h"

namespace brelk {
namespace {

struct StatusLine {
    std::uint32_t code;
    const char* text;
    bool resetsGauge;
    bool showsProgress;
};

constexpr StatusLine kStatusLines[] = {
    {platform::bindstatus::findingResource, "Datei wurde gefunden...", false, false},
    {platform::bindstatus::connecting, "Es wird verbunden...", false, false},
    {platform::bindstatus::beginDownloadData, "Der Download wurde gestartet...", true, false},
    {platform::bindstatus::downloadingData, "Datei wird heruntergeladen...", false, true},
    {platform::bindstatus::endDownloadData, "Download abgeschlossen...", false, false},
};

} // namespace

int downloadPercent(std::uint32_t progress, std::uint32_t progressMax) {
    if (progressMax == 0) return 0;
    const auto percent = static_cast<std::uint64_t>(progress) * 100u / progressMax;
    return percent > 100u ? 100 : static_cast<int>(percent);
}

cDownloadStatusCallback::cDownloadStatusCallback(ui::Label& status, ui::Gauge& gauge,
                                                 std::function<void()> processMessages,
                                                 std::function<bool()> ending)
    : status_(status), gauge_(gauge), processMessages_(std::move(processMessages)),
      ending_(std::move(ending)) {}

void cDownloadStatusCallback::onProgress(std::uint32_t progress, std::uint32_t progressMax,
                                         std::uint32_t statusCode, const std::string&) {
    for (const auto& line : kStatusLines) {
        if (line.code != statusCode) continue;
        if (line.resetsGauge) gauge_.setPosition(0);
        if (line.showsProgress) gauge_.setPosition(downloadPercent(progress, progressMax));
        status_.setCaption(line.text);
    }
    if (processMessages_) processMessages_();
}

void cDownloadStatusCallback::waiting() {
    if (processMessages_) processMessages_();
}

bool cDownloadStatusCallback::cancelled() {
    return ending_ && ending_();
}

} // namespace brelk

// The download status of the update page: every report of a running download shows its stage
// in Label142 and its progress in Gauge5.
#pragma once

#include "platform/network.h"

#include <functional>

namespace ui {
class Gauge;
class Label;
} // namespace ui

namespace brelk {

class cDownloadStatusCallback : public platform::DownloadStatus {
  public:
    // processMessages keeps the window painted while the download blocks it; the download
    // stops at its next step once ending says so.
    cDownloadStatusCallback(ui::Label& status, ui::Gauge& gauge,
                            std::function<void()> processMessages,
                            std::function<bool()> ending = {});

    void onProgress(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t statusCode,
                    const std::string& statusText) override;
    // The window stays alive while the download waits for the server, too.
    void waiting() override;
    bool cancelled() override;

  private:
    ui::Label& status_;
    ui::Gauge& gauge_;
    std::function<void()> processMessages_;
    std::function<bool()> ending_;
};

// The percentage of a download: progress * 100 / total without overflow; 0 for an unknown
// total. The gauge clamps what lies outside 0..100.
int downloadPercent(std::uint32_t progress, std::uint32_t progressMax);

} // namespace brelk

#include "platform/win32/transfer_thread.h"

#include <memory>
#include <thread>

namespace platform {

TransferJob::TransferJob() : done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

TransferJob::~TransferJob() {
    if (done_) CloseHandle(done_);
}

void TransferJob::report(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t code,
                         std::string text) {
    std::lock_guard<std::mutex> hold(lock_);
    reports_.push_back({progress, progressMax, code, std::move(text)});
}

bool TransferJob::cancelled() {
    std::lock_guard<std::mutex> hold(lock_);
    return cancelled_;
}

void TransferJob::finish(const std::function<bool()>& commit) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        result_ = !cancelled_ && commit();
        finished_ = true;
    }
    if (done_) SetEvent(done_);
}

std::vector<TransferJob::Report> TransferJob::takeReports() {
    std::lock_guard<std::mutex> hold(lock_);
    std::vector<Report> out;
    out.swap(reports_);
    return out;
}

bool TransferJob::finished() {
    std::lock_guard<std::mutex> hold(lock_);
    return finished_;
}

bool TransferJob::result() {
    std::lock_guard<std::mutex> hold(lock_);
    return result_;
}

void TransferJob::cancel() {
    std::lock_guard<std::mutex> hold(lock_);
    cancelled_ = true;
}

namespace {

// Tells the work to stop when the waiting ends for any reason (a limit, an exception).
struct CancelOnExit {
    TransferJob& job;
    ~CancelOnExit() { job.cancel(); }
};

constexpr DWORD kPollMilliseconds = 50;

} // namespace

bool runTransfer(std::function<void(TransferJob&)> work, DownloadStatus* status,
                 const TransferLimits& limits) {
    auto job = std::make_shared<TransferJob>();
    if (!job->doneEvent()) return false;
    try {
        std::thread([job, work = std::move(work)] {
            try {
                work(*job);
            } catch (...) {
            }
            if (!job->finished()) job->finish([] { return false; });
        }).detach();
    } catch (const std::exception&) {
        return false;
    }
    CancelOnExit guard{*job};
    using clock = std::chrono::steady_clock;
    const auto start = clock::now();
    auto lastReport = start;
    HANDLE done = job->doneEvent();
    for (;;) {
        MsgWaitForMultipleObjects(1, &done, FALSE, kPollMilliseconds, QS_ALLINPUT);
        const bool finished = job->finished();
        const auto reports = job->takeReports();
        const auto now = clock::now();
        if (!reports.empty()) lastReport = now;
        for (const auto& r : reports) {
            if (status) status->onProgress(r.progress, r.progressMax, r.code, r.text);
        }
        if (finished) return job->result();
        if (status) status->waiting();
        if (now - start > limits.overall || now - lastReport > limits.quiet) {
            // After this the work commits nothing; it may have done so just before.
            job->cancel();
            return job->finished() && job->result();
        }
    }
}

} // namespace platform

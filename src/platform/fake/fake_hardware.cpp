#include "platform/fake/fake_hardware.h"

#include <algorithm>

namespace platform {
namespace {

class FakeDynDataKey : public DynDataKey {
  public:
    FakeDynDataKey(FakeHardware& hw, std::string path) : hw_(hw), path_(std::move(path)) {
        ++hw_.openDynKeys;
    }
    ~FakeDynDataKey() override { --hw_.openDynKeys; }

    std::optional<std::uint32_t> readDword(const std::string& name) override {
        hw_.dynReads.push_back(path_ + "\\" + name);
        const auto& values = hw_.dynData[path_];
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }

  private:
    FakeHardware& hw_;
    std::string path_;
};

} // namespace

PerfQueryResult FakeHardware::queryPerformanceData(const std::string& objects,
                                                   std::span<std::uint8_t> buffer) {
    perfQueries.push_back({objects, buffer.size()});
    if (!perfBlock) return {PerfQueryStatus::Failed, 0};
    if (perfBlock->size() > buffer.size()) return {PerfQueryStatus::MoreData, 0};
    std::copy(perfBlock->begin(), perfBlock->end(), buffer.begin());
    return {PerfQueryStatus::Ok, perfBlock->size()};
}

std::unique_ptr<DynDataKey> FakeHardware::openDynData(const std::string& path, bool fullAccess) {
    dynOpens.push_back({path, fullAccess});
    if (!dynData.contains(path)) return nullptr;
    return std::make_unique<FakeDynDataKey>(*this, path);
}

bool FakeHardware::setPriorityClass(std::uint32_t p) {
    prioritySets.push_back(p);
    if (refusePriority) return false;
    priority = p;
    return true;
}

void FakeHardware::sleep(std::chrono::milliseconds duration) {
    priorityWhileSleeping.push_back(priority);
    tsc += static_cast<std::uint64_t>(clockMhz * 1000.0 * static_cast<double>(duration.count()));
}

} // namespace platform

#include "collect/collection_pass.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace zor06::collect {

std::vector<StationReport> CollectPass(const std::vector<CollectionTarget>& targets,
                                       const PassSettings& pass, store::CollectionStore& store,
                                       int jobs, const StationDone& done) {
    StoreAccess access(store);
    std::vector<StationReport> reports(targets.size());
    std::mutex doneMutex;
    const auto collect = [&](std::size_t i) {
        reports[i] = CollectStation(targets[i], pass, access);
        if (done) {
            const std::lock_guard lock(doneMutex);
            done(reports[i]);
        }
    };
    std::vector<std::size_t> network;
    std::vector<std::size_t> telephone;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        (targets[i].kind == link::LinkKind::Telephone ? telephone : network).push_back(i);
    }
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t n = next++; n < network.size(); n = next++) {
            collect(network[n]);
        }
    };
    const auto workers = static_cast<std::size_t>(std::max(1, jobs));
    std::vector<std::jthread> threads;
    for (std::size_t w = 0; w < std::min(workers, network.size()); ++w) {
        threads.emplace_back(worker);
    }
    // The modem's calls meanwhile, one after another, on this thread.
    for (const std::size_t i : telephone) {
        collect(i);
    }
    threads.clear();  // joins
    return reports;
}

}  // namespace zor06::collect

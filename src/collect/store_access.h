// The one writer of a collection database that several stations' collections share: each call
// runs alone.
#pragma once

#include <mutex>
#include <utility>

#include "store/collection_store.h"

namespace zor06::collect {

class StoreAccess {
public:
    explicit StoreAccess(store::CollectionStore& store) : store_(store) {}
    // `use(store)` with the database to itself; the error text it leaves is read in the same call.
    template <class Use>
    auto With(Use&& use) {
        const std::lock_guard lock(mutex_);
        return std::forward<Use>(use)(store_);
    }

private:
    std::mutex mutex_;
    store::CollectionStore& store_;
};

}  // namespace zor06::collect

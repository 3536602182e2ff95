#pragma once
// Reads the lock keys' states from the window system. One reading of all the
// indicators serves several questions that come within a few milliseconds.

#include <memory>
#include <optional>

#include "shell/services.h"

namespace lullara::detail {

class LockKeyReader {
public:
    LockKeyReader();
    ~LockKeyReader();
    LockKeyReader(const LockKeyReader &) = delete;
    LockKeyReader &operator=(const LockKeyReader &) = delete;
    // The key's state; std::nullopt where the window system cannot tell.
    std::optional<bool> read(Shell::LockKey key);

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace lullara::detail

#pragma once
// Planted: a part that opens itself to the composition root above it.

namespace fixture {

class Part {
    friend class Root;
};

} // namespace fixture

#pragma once
// A class of the composition root, for the layer check's planted faults.

namespace fixture {

class Root {};

} // namespace fixture

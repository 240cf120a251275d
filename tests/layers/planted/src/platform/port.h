#pragma once
// Planted: a port that names a part of a layer above it without including it.

namespace fixture {

class Part;

} // namespace fixture

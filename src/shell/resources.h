#pragma once
namespace lullara {
// Makes the built-in pictures available (safe to call more than once).
void initResources();
} // namespace lullara

#pragma once

namespace Images {

// Registers the compiled-in image resources with Qt. A static library's resources are not
// registered on their own; the loaders of ResourceImages call this before their first use, so
// callers never need to. Safe to call any number of times, from any thread.
void Initialise();

} // namespace Images

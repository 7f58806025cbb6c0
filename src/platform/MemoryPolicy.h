#pragma once

// How the program's heap treats the large blocks a big text needs.
namespace MemoryPolicy {

// Keeps blocks of up to 64 MB in the heap, and up to 128 MB freed at its top, instead of handing
// each back to the system when it is freed. A command over a text of ten megabytes then reuses
// the memory the last one freed rather than having every page of its copies cleared afresh,
// which on its own costs more than the command's work. Called once, first thing.
void KeepLargeBlocksForReuse();

}  // namespace MemoryPolicy

// The B+ trees of a help file (internal directory, |CONTEXT, |KWBTREE,
// |TTLBTREE): a header, then fixed-size pages; the leaves form a list that
// holds every entry in key order.
#pragma once

#include <functional>

#include "hlpfile/byte_reader.h"

namespace veldor::hlp {

// Calls `onEntry` once for each leaf entry, in order, with a reader placed
// at the entry; the callback reads exactly one entry. Fails when the header
// is wrong, a page number is out of range, a page repeats or an entry
// overruns its page.
void ForEachBtreeEntry(Bytes tree, const char* what,
                       const std::function<void(ByteReader& entry)>& onEntry);

}  // namespace veldor::hlp

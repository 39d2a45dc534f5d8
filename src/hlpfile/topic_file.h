// |TOPIC: blocks of (possibly LZ77-compressed) topic links. A link is a
// topic header (title, macros, browse sequence) or a paragraph record whose
// formatting commands are interleaved with strings of (possibly phrase-
// compressed) text.
#pragma once

#include <vector>

#include "hlpfile/byte_reader.h"
#include "hlpfile/help_document.h"
#include "hlpfile/phrases.h"
#include "hlpfile/system_file.h"

namespace veldor::hlp {

// Reads every topic of `topic` into `document.topics`, in file order.
void ReadTopics(Bytes topic, const SystemInfo& system, const PhraseTable& phrases,
                HelpDocument& document);

}  // namespace veldor::hlp

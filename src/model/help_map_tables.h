// The working tables of the Visual C++ help map (hmNames, hmValues,
// hmKnownNames, hmNameOfValue, allowedHelpIds), derived from the document's
// hmLines and hidPrefixes. Rebuilt whenever a project is read.
#pragma once

namespace veldor {

class CVeldorDoc;

void RebuildHelpMapTables(CVeldorDoc& doc);

}  // namespace veldor

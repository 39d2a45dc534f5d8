#include "model/help_map_tables.h"

#include "model/document.h"

namespace veldor {

void RebuildHelpMapTables(CVeldorDoc& doc) {
  doc.hmNames.clear();
  doc.hmValues.clear();
  doc.hmKnownNames.clear();
  doc.hmNameOfValue.clear();
  doc.allowedHelpIds.clear();
}

}  // namespace veldor

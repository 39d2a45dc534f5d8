// Lays a topic out in Qt text documents: fonts, sizes, colours, alignment,
// indents, spacing, boxes, table rows and pictures. Links become anchors
// "link:N" (N indexes the topic's links) and picture hot spots
// "hot:P:N" (picture |bmP, hot spot N) or "hotem:E:N" (picture E stored in
// the topic).
#pragma once

#include <QTextDocument>

#include "hlpfile/help_document.h"

namespace veldor::viewer {

// Pixels for a length in half points (at 96 dots per inch).
int HalfPointsToPixels(int halfPoints);

// Fills `nonScrolling` with the paragraphs of the non-scrolling region of
// `topic` and `scrolling` with the others.
void RenderTopic(const hlp::HelpDocument& document, int topic, QTextDocument& nonScrolling,
                 QTextDocument& scrolling);

}  // namespace veldor::viewer

// The HTML of subjects and of a topic's page. Every subject type writes
// itself into the paragraph buffer of its page: text-bearing subjects as a
// font element, images as an image (linked for a "Saut" action), jumps as
// a link around their font element.
#pragma once

#include <string>

namespace veldor {

class CTopic;
class CTypeEdit;
class HtmlPageNames;

// SIZE of the font element: the height (logical units) times -1/1.29,
// truncated, held to 6..48, divided by 6.
int HtmlFontSize(int height);

// "<B>", "<I>", "<U>" as the style asks, "<FONT SIZE=n COLOR="#rrggbb">",
// the escaped `text`, "</FONT>" and the closing tags in reverse order.
std::string HtmlFontElement(const CTypeEdit& subject);

// Appends the subject's HTML to `paragraph`, by type: images (4) and
// jumps (5) have their own form, every other subject is its font element.
// Links lead to the page `pages` gives for the target.
void WriteHtml(const CTypeEdit& subject, std::string& paragraph, const HtmlPageNames& pages);

// The whole page of a topic, with CR LF line ends, as written to its file.
std::string HtmlPageText(const CTopic& topic, const HtmlPageNames& pages);

}  // namespace veldor

#pragma once

#include <QString>
#include <pugixml.hpp>

// Children of a node as the Pocket Query layout counts them. The loader stores the text that
// opens an element in the element itself rather than in a child node of its own (it roughly
// halves the nodes of a real query); these helpers count that text as the first child again,
// so positions and counts are those of the document as written.

// The number of direct children; comments and processing instructions count.
qsizetype childCount(pugi::xml_node node);

// The child at a 0-based position; null past the end and for the stored text at position 0,
// which is no node (and has no children of its own).
pugi::xml_node childAt(pugi::xml_node node, qsizetype position);

// Whether the node has any child at all, stored text included.
bool hasChildren(pugi::xml_node node);

// The text inside an element: the value of its first child, whatever its kind; empty when it
// has none or the first child is an element.
QString textInside(pugi::xml_node element);

#include "project/NodeChildren.h"

namespace {

// Text kept in the element itself: the text that stood before its first child node.
bool hasStoredText(pugi::xml_node node) {
    return node.type() == pugi::node_element && *node.value() != '\0';
}

} // namespace

qsizetype childCount(pugi::xml_node node) {
    qsizetype count = hasStoredText(node) ? 1 : 0;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        ++count;
    return count;
}

pugi::xml_node childAt(pugi::xml_node node, qsizetype position) {
    if (hasStoredText(node)) {
        if (position == 0)
            return {};
        --position;
    }
    pugi::xml_node child = node.first_child();
    for (; child && position > 0; --position)
        child = child.next_sibling();
    return position == 0 ? child : pugi::xml_node();
}

bool hasChildren(pugi::xml_node node) {
    return hasStoredText(node) || node.first_child();
}

QString textInside(pugi::xml_node element) {
    if (hasStoredText(element))
        return QString::fromUtf8(element.value());
    const pugi::xml_node first = element.first_child();
    if (!first || first.type() == pugi::node_element)
        return {};
    return QString::fromUtf8(first.value());
}

#include "project/project.h"

#include "platform/Failure.h"

namespace {

QString fileLabel(const project& p) {
    return p.GPXFile.isEmpty() ? p.name + QStringLiteral(".gpx") : p.GPXFile.displayName();
}

// The text inside the root's child at a header position, or a Failure that says which
// header element is missing.
QString headerText(const project& p, int position, const QString& what) {
    if (!p.xcontent)
        throw Failure(QStringLiteral("The GPX file %1 has not been loaded.").arg(fileLabel(p)));
    if (childCount(p.xcontent) <= position)
        throw Failure(QStringLiteral("The GPX file %1 is not a Pocket Query: its header ends "
                                     "before the %2.")
                          .arg(fileLabel(p), what));
    const pugi::xml_node child = childAt(p.xcontent, position);
    if (!hasChildren(child))
        throw Failure(QStringLiteral("The GPX file %1 is not a Pocket Query: the %2 is empty.")
                          .arg(fileLabel(p), what));
    return textInside(child);
}

} // namespace

QString project::getXMLChild(const QString& key) const {
    if (key == u"name")
        return headerText(*this, 0, QStringLiteral("Pocket Query name"));
    if (key == u"time")
        return headerText(*this, 4, QStringLiteral("file date"));
    if (key == u"numberOfCaches") {
        if (!xcontent)
            throw Failure(
                QStringLiteral("The GPX file %1 has not been loaded.").arg(fileLabel(*this)));
        return QString::number(childCount(xcontent) - kHeaderChildren);
    }
    return {};
}

#pragma once

#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

// Writes one cache element as the text it takes in a part file: the element with all its
// attributes and descendants, without indentation or line breaks.
//
// A part's root carries no namespace declarations, but a Pocket Query's caches use prefixes
// (groundspeak:) declared on the source's root. Written bare, such a cache is not valid
// namespaced XML and GPX readers reject the whole part. So the namespace declarations of
// the source root are repeated on each cache element that does not declare them itself,
// which keeps every name of the cache in the namespace it had in the source.
class CacheSerializer {
public:
    explicit CacheSerializer(pugi::xml_node sourceRoot);

    // The cache's text as UTF-8, replacing the content of `out` (whose buffer is reused).
    void serialize(pugi::xml_node cache, std::string& out) const;

private:
    // Name ("xmlns" or "xmlns:prefix") and value of each declaration on the source root.
    std::vector<std::pair<std::string, std::string>> m_declarations;
};

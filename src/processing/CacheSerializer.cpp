#include "processing/CacheSerializer.h"

#include <cstring>

namespace {

// pugixml's output sink, appending to a string.
class StringSink : public pugi::xml_writer {
public:
    explicit StringSink(std::string& target) : m_target(target) {}
    void write(const void* data, size_t size) override {
        m_target.append(static_cast<const char*>(data), size);
    }

private:
    std::string& m_target;
};

bool isDeclaration(const char* name) {
    return std::strcmp(name, "xmlns") == 0 || std::strncmp(name, "xmlns:", 6) == 0;
}

// An attribute value as it may stand between double quotes.
std::string escapedValue(const char* value) {
    std::string out;
    for (const char* p = value; *p; ++p) {
        switch (*p) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += *p;
        }
    }
    return out;
}

} // namespace

CacheSerializer::CacheSerializer(pugi::xml_node sourceRoot) {
    for (const pugi::xml_attribute a : sourceRoot.attributes())
        if (isDeclaration(a.name()))
            m_declarations.emplace_back(a.name(), escapedValue(a.value()));
}

void CacheSerializer::serialize(pugi::xml_node cache, std::string& out) const {
    out.clear();
    StringSink sink(out);
    cache.print(sink, "", pugi::format_raw);
    if (cache.type() != pugi::node_element || m_declarations.empty())
        return;

    std::string missing;
    for (const auto& [name, value] : m_declarations)
        if (!cache.attribute(name.c_str()))
            missing += ' ' + name + "=\"" + value + '"';
    // The printed element starts with '<' and its name; its attributes follow.
    out.insert(1 + std::strlen(cache.name()), missing);
}

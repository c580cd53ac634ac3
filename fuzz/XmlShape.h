#pragma once
// Parses an XML document with expat and records its elements in document order: the path of
// each element from the root, its attributes, and the text directly inside it.

#include <expat.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx::fuzz {

struct XmlElement {
    std::string path; // "gpx/trk/trkseg/trkpt"
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
};

struct XmlShape {
    bool wellFormed = false;
    std::vector<XmlElement> elements;
};

inline XmlShape ParseXml(std::string_view document) {
    struct State {
        XmlShape shape;
        std::vector<std::size_t> open; // indexes into shape.elements
    } state;
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(
        parser,
        [](void* user, const XML_Char* name, const XML_Char** attributes) {
            auto& s = *static_cast<State*>(user);
            XmlElement element;
            element.path = s.open.empty() ? std::string(name)
                                          : s.shape.elements[s.open.back()].path + "/" + name;
            for (std::size_t i = 0; attributes[i]; i += 2)
                element.attributes.emplace_back(attributes[i], attributes[i + 1]);
            s.open.push_back(s.shape.elements.size());
            s.shape.elements.push_back(std::move(element));
        },
        [](void* user, const XML_Char*) { static_cast<State*>(user)->open.pop_back(); });
    XML_SetCharacterDataHandler(parser, [](void* user, const XML_Char* text, int length) {
        auto& s = *static_cast<State*>(user);
        if (!s.open.empty())
            s.shape.elements[s.open.back()].text.append(text, static_cast<std::size_t>(length));
    });
    state.shape.wellFormed =
        XML_Parse(parser, document.data(), static_cast<int>(document.size()), 1) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return state.shape;
}

} // namespace vx::fuzz

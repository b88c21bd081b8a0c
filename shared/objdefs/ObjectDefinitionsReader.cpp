#include "objdefs/ObjectDefinitionsReader.h"

#include <pugixml.hpp>
#include <cctype>
#include <set>

namespace objdefs {

namespace {

constexpr const char* kRoot = "OBJECT_DEFINITIONS";

// Reads one document; every failure names the source and the element at fault.
class Parser {
public:
    explicit Parser(std::string source) : source_(std::move(source)) {}

    DefinitionsContent Read(const pugi::xml_node& root) {
        if (std::string(root.name()) != kRoot)
            Fail("the root element is <" + std::string(root.name()) + ">, expected <" + kRoot + ">");
        DefinitionsContent content;
        content.version = root.attribute("VERSION").value();
        for (pugi::xml_node node : root.child("TYPES").children("TYPE")) content.types.push_back(ReadType(node));
        CheckUnique(content.types, "type");
        for (pugi::xml_node node : root.child("LINKS").children("LINK")) content.links.push_back(ReadLink(node, content));
        CheckUniqueLinks(content.links);
        for (pugi::xml_node node : root.child("VALUE_LISTS").children("VALUE_LIST"))
            content.valueLists.push_back(ReadValueList(node));
        for (pugi::xml_node node : root.child("CATEGORIES").children("CATEGORY"))
            content.categories.push_back(ReadCategory(node, content));
        for (pugi::xml_node node : root.child("PREFERENCES").children("PREF"))
            content.preferences.push_back({Required(node, "NAME"), node.attribute("VALUE").value()});
        return content;
    }

    [[noreturn]] void Fail(const std::string& why) const { throw DefinitionsError(source_ + ": " + why); }

private:
    std::string Required(const pugi::xml_node& node, const char* attribute) const {
        std::string value = node.attribute(attribute).value();
        if (value.empty())
            Fail("<" + std::string(node.name()) + "> at offset " + std::to_string(node.offset_debug()) +
                 " has no " + attribute);
        return value;
    }

    DataType ReadDataType(const pugi::xml_node& node, const std::string& owner) const {
        std::string type = node.attribute("TYPE").as_string("text");
        if (SameText(type, "text")) return DataType::Text;
        if (SameText(type, "number")) return DataType::Number;
        if (SameText(type, "date")) return DataType::Date;
        Fail("attribute " + owner + " has the type '" + type + "'; expected text, number or date");
    }

    AttributeDef ReadAttribute(const pugi::xml_node& node, const std::string& ownerName) const {
        AttributeDef a;
        a.shortName = Required(node, "NAME");
        a.name = ownerName + "." + a.shortName;
        a.type = ReadDataType(node, a.name);
        a.label = node.attribute("LABEL").as_string(a.shortName.c_str());
        a.column = node.attribute("COLUMN").as_string(a.shortName.c_str());
        a.keyOrder = node.attribute("KEY").as_int(0);
        if (a.keyOrder < 0) Fail("attribute " + a.name + " has a negative KEY");
        a.isVirtual = node.attribute("VIRTUAL").as_bool(false);
        a.length = node.attribute("LENGTH").as_int(0);
        a.valueList = node.attribute("VALUE_LIST").value();
        a.hasDefault = static_cast<bool>(node.attribute("DEFAULT"));
        a.defaultValue = node.attribute("DEFAULT").value();
        return a;
    }

    std::vector<AttributeDef> ReadAttributes(const pugi::xml_node& parent, const std::string& ownerName) const {
        std::vector<AttributeDef> attributes;
        for (pugi::xml_node node : parent.children("ATTR")) attributes.push_back(ReadAttribute(node, ownerName));
        CheckUnique(attributes, "attribute");
        return attributes;
    }

    TypeDef ReadType(const pugi::xml_node& node) const {
        TypeDef t;
        t.name = Required(node, "NAME");
        t.label = node.attribute("LABEL").as_string(t.name.c_str());
        t.table = node.attribute("TABLE").value();
        t.attributes = ReadAttributes(node, t.name);
        return t;
    }

    LinkDef ReadLink(const pugi::xml_node& node, const DefinitionsContent& content) const {
        LinkDef l;
        l.name = Required(node, "NAME");
        l.linkType = Required(node, "TYPE");
        l.from = KnownType(Required(node, "FROM"), content, l.name);
        l.to = KnownType(Required(node, "TO"), content, l.name);
        l.table = node.attribute("TABLE").value();
        l.label = node.attribute("LABEL").as_string(l.name.c_str());
        l.reverseLabel = node.attribute("REVERSE_LABEL").as_string(l.label.c_str());
        l.attributes = ReadAttributes(node, l.name);
        return l;
    }

    std::string KnownType(const std::string& name, const DefinitionsContent& content, const std::string& user) const {
        for (const TypeDef& t : content.types)
            if (SameText(t.name, name)) return t.name;
        Fail(user + " refers to the undefined type '" + name + "'");
    }

    ValueList ReadValueList(const pugi::xml_node& node) const {
        ValueList list;
        list.name = Required(node, "NAME");
        list.description = node.attribute("DESC").as_string(list.name.c_str());
        for (pugi::xml_node value : node.children("VALUE")) {
            std::string code = Required(value, "CODE");
            list.values.push_back({code, value.attribute("DESC").as_string(code.c_str())});
        }
        return list;
    }

    CategoryDef ReadCategory(const pugi::xml_node& node, const DefinitionsContent& content) const {
        CategoryDef c;
        c.name = Required(node, "NAME");
        c.objectType = KnownType(Required(node, "OBJECT"), content, c.name);
        c.attributes = ReadAttributes(node, c.objectType);
        return c;
    }

    template <class Record>
    void CheckUnique(const std::vector<Record>& records, const char* what) const {
        std::set<std::string> seen;
        for (const Record& r : records) {
            std::string folded;
            for (char ch : r.name) folded += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            if (!seen.insert(folded).second) Fail(std::string("the ") + what + " " + r.name + " is defined twice");
        }
    }

    // A link name may join several pairs of types, but each pair only once.
    void CheckUniqueLinks(const std::vector<LinkDef>& links) const {
        for (size_t i = 0; i < links.size(); ++i)
            for (size_t j = 0; j < i; ++j)
                if (SameText(links[i].name, links[j].name) && SameText(links[i].from, links[j].from) &&
                    SameText(links[i].to, links[j].to))
                    Fail("the link " + links[i].name + " from " + links[i].from + " to " + links[i].to +
                         " is defined twice");
    }

    std::string source_;
};

std::shared_ptr<const ObjectDefinitions> Build(const pugi::xml_parse_result& parsed,
                                              std::shared_ptr<pugi::xml_document> document, const std::string& source) {
    Parser parser(source);
    if (!parsed)
        parser.Fail(std::string("not well-formed XML (") + parsed.description() + " at offset " +
                    std::to_string(parsed.offset) + ")");
    DefinitionsContent content = parser.Read(document->document_element());
    return std::make_shared<const ObjectDefinitions>(std::move(content), std::move(document), source);
}

}  // namespace

std::shared_ptr<const ObjectDefinitions> ObjectDefinitionsReader::ReadFile(const std::string& path) {
    auto document = std::make_shared<pugi::xml_document>();
    pugi::xml_parse_result parsed = document->load_file(path.c_str());
    if (parsed.status == pugi::status_file_not_found || parsed.status == pugi::status_io_error)
        throw DefinitionsError(path + ": the object-definitions file cannot be read");
    return Build(parsed, std::move(document), path);
}

std::shared_ptr<const ObjectDefinitions> ObjectDefinitionsReader::ReadText(const std::string& text,
                                                                           const std::string& source) {
    auto document = std::make_shared<pugi::xml_document>();
    pugi::xml_parse_result parsed = document->load_string(text.c_str());
    return Build(parsed, std::move(document), source);
}

}  // namespace objdefs

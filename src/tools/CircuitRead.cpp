#include "tools/CircuitRead.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

namespace td {

namespace {

constexpr const char* NoLine = "the file holds no circuit line";

using Json = nlohmann::json;

// A GeoJSON position array: [lon, lat] with an optional height.
bool ReadPositions(const Json& coords, std::vector<GeoPoint>& out) {
    if (!coords.is_array())
        return false;
    for (const Json& p : coords) {
        if (!p.is_array() || p.size() < 2 || !p[0].is_number() || !p[1].is_number())
            return false;
        out.push_back({p[0].get<double>(), p[1].get<double>()});
    }
    return true;
}

bool ReadGeometry(const Json& geometry, std::vector<GeoPoint>& out) {
    if (!geometry.is_object() || !geometry.contains("coordinates"))
        return false;
    const std::string type = geometry.value("type", "");
    const Json& c = geometry["coordinates"];
    if (type == "LineString")
        return ReadPositions(c, out);
    // A multi-line's first line, a polygon's outer ring.
    if ((type == "MultiLineString" || type == "Polygon") && c.is_array() && !c.empty())
        return ReadPositions(c[0], out);
    return false;
}

std::string FeatureName(const Json& feature) {
    const Json* props = feature.contains("properties") ? &feature["properties"] : nullptr;
    if (props && props->is_object())
        for (const char* key : {"Name", "name"})
            if (props->contains(key) && (*props)[key].is_string())
                return (*props)[key].get<std::string>();
    return {};
}

bool ReadGeoJson(const std::string& text, CircuitLine& line, std::string& error) {
    const Json doc = Json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) {
        error = "the file is not valid GeoJSON";
        return false;
    }
    std::vector<const Json*> features;
    const std::string type = doc.value("type", "");
    if (type == "FeatureCollection" && doc.contains("features") && doc["features"].is_array()) {
        for (const Json& f : doc["features"])
            features.push_back(&f);
    } else if (type == "Feature") {
        features.push_back(&doc);
    }
    for (const Json* f : features) {
        if (!f->is_object() || !f->contains("geometry"))
            continue;
        std::vector<GeoPoint> points;
        if (ReadGeometry((*f)["geometry"], points)) {
            line.points = std::move(points);
            line.name = FeatureName(*f);
            if (line.name.empty() && doc.contains("name") && doc["name"].is_string())
                line.name = doc["name"].get<std::string>();
            return true;
        }
    }
    error = NoLine;
    return false;
}

bool ReadNumber(const char* text, double& value) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return static_cast<bool>(in >> value);
}

// Elements are matched by local name, so that any namespace prefix reads.
const char* LocalName(const pugi::xml_node& n) {
    const char* name = n.name();
    const char* colon = std::strchr(name, ':');
    return colon ? colon + 1 : name;
}

pugi::xml_node FirstDescendant(const pugi::xml_node& root, const char* name) {
    return root.find_node([&](const pugi::xml_node& n) {
        return n.type() == pugi::node_element && std::strcmp(LocalName(n), name) == 0;
    });
}

std::string ChildText(const pugi::xml_node& n, const char* name) {
    for (const pugi::xml_node& c : n.children())
        if (c.type() == pugi::node_element && std::strcmp(LocalName(c), name) == 0)
            return c.text().get();
    return {};
}

bool ReadGpx(const pugi::xml_node& gpx, CircuitLine& line, std::string& error) {
    for (const char* owner : {"trk", "rte"}) {
        const char* pointName = owner[0] == 't' ? "trkpt" : "rtept";
        const pugi::xml_node first = FirstDescendant(gpx, pointName);
        if (!first)
            continue;
        // The points of the first segment (or route) holding any.
        for (pugi::xml_node p = first; p; p = p.next_sibling()) {
            if (p.type() != pugi::node_element || std::strcmp(LocalName(p), pointName) != 0)
                continue;
            double lat = 0, lon = 0;
            if (!ReadNumber(p.attribute("lat").value(), lat) ||
                !ReadNumber(p.attribute("lon").value(), lon)) {
                error = "a GPX point has no readable lat and lon";
                return false;
            }
            line.points.push_back({lon, lat});
        }
        pugi::xml_node o = first.parent();
        while (o && std::strcmp(LocalName(o), owner) != 0)
            o = o.parent();
        line.name = o ? ChildText(o, "name") : "";
        if (line.name.empty())
            line.name = ChildText(FirstDescendant(gpx, "metadata"), "name");
        return true;
    }
    error = NoLine;
    return false;
}

bool ReadKml(const pugi::xml_node& kml, CircuitLine& line, std::string& error) {
    const pugi::xml_node ls = FirstDescendant(kml, "LineString");
    if (!ls) {
        error = NoLine;
        return false;
    }
    // Tuples "lon,lat[,alt]" separated by white space.
    std::istringstream in(ChildText(ls, "coordinates"));
    in.imbue(std::locale::classic());
    std::string tuple;
    while (in >> tuple) {
        std::istringstream t(tuple);
        t.imbue(std::locale::classic());
        double lon = 0, lat = 0;
        char comma = 0;
        if (!(t >> lon >> comma >> lat) || comma != ',') {
            error = "a KML coordinate \"" + tuple + "\" is not \"lon,lat\"";
            return false;
        }
        line.points.push_back({lon, lat});
    }
    // The name of the placemark holding the line, else of the document.
    for (pugi::xml_node o = ls.parent(); o; o = o.parent()) {
        if (o.type() != pugi::node_element)
            continue;
        line.name = ChildText(o, "name");
        if (!line.name.empty())
            break;
    }
    return true;
}

} // namespace

bool ReadCircuitText(const std::string& text, CircuitLine& line, std::string& error) {
    line = {};
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    // A byte-order mark before either kind of text.
    if (text.compare(i, 3, "\xEF\xBB\xBF") == 0)
        i += 3;
    if (i < text.size() && text[i] == '{')
        return ReadGeoJson(text.substr(i), line, error);
    if (i < text.size() && text[i] == '<') {
        pugi::xml_document doc;
        if (!doc.load_buffer(text.data() + i, text.size() - i)) {
            error = "the file is not valid XML";
            return false;
        }
        const pugi::xml_node root = doc.document_element();
        if (std::strcmp(LocalName(root), "gpx") == 0)
            return ReadGpx(root, line, error);
        if (std::strcmp(LocalName(root), "kml") == 0)
            return ReadKml(root, line, error);
    }
    error = "the file is neither GeoJSON, GPX nor KML";
    return false;
}

bool ReadCircuitFile(const std::string& path, CircuitLine& line, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
        error = "cannot read \"" + path + "\"";
        return false;
    }
    return ReadCircuitText(text.str(), line, error);
}

} // namespace td

#include "render/meshes/ObjReader.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fg {

namespace {

struct Vec2 {
    float u = 0.0f;
    float v = 0.0f;
};
struct Position {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Every whitespace-separated token counts, comments included, so the arrays
// are as large as the file's token counts say.
void countRecords(const std::string& text, ObjModel& model) {
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        if (token == "v") ++model.positionCount;
        else if (token == "vt") ++model.texCoordCount;
        else if (token == "f") ++model.faceCount;
    }
}

ObjReadResult failure(int lineNumber, const std::string& what) {
    ObjReadResult result;
    result.error = "line " + std::to_string(lineNumber) + ": " + what;
    return result;
}

bool readFloats(std::istringstream& in, float* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (!(in >> values[i])) return false;
    }
    return true;
}

// A field of a reference: empty reads as 0; anything but plain digits is refused.
bool parseIndex(const std::string& field, long* value) {
    if (field.empty()) {
        *value = 0;
        return true;
    }
    const char* end = field.data() + field.size();
    const auto [stop, code] = std::from_chars(field.data(), end, *value);
    return code == std::errc() && stop == end && *value >= 0;
}

struct Reference {
    long position = 0;
    long texCoord = 0;
};

// "p", "p/t", "p//n" and "p/t/n"; missing fields read as 0.
bool parseReference(const std::string& text, Reference* reference) {
    std::string fields[3];
    int field = 0;
    for (char c : text) {
        if (c == '/') {
            if (++field > 2) return false;
        } else {
            fields[field] += c;
        }
    }
    long normal = 0;
    return parseIndex(fields[0], &reference->position) && parseIndex(fields[1], &reference->texCoord) &&
           parseIndex(fields[2], &normal);
}

}  // namespace

ObjReadResult parseObj(const std::string& text) {
    ObjModel model;
    countRecords(text, model);
    std::vector<Position> positions(static_cast<std::size_t>(model.positionCount));
    std::vector<Vec2> texCoords(static_cast<std::size_t>(model.texCoordCount));

    std::size_t nextPosition = 0;
    std::size_t nextTexCoord = 0;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    std::vector<Reference> corners;  // of the face line being read
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::istringstream in(line);
        std::string keyword;
        if (!(in >> keyword)) continue;
        if (keyword == "v") {
            float p[3];
            if (!readFloats(in, p, 3)) return failure(lineNumber, "a position needs three numbers");
            positions[nextPosition++] = {-p[0], p[1], p[2]};
        } else if (keyword == "vt") {
            float t[2];
            if (!readFloats(in, t, 2)) return failure(lineNumber, "a texture coordinate needs two numbers");
            texCoords[nextTexCoord++] = {t[0], 1.0f - t[1]};
        } else if (keyword == "f") {
            corners.clear();
            std::string word;
            while (in >> word) {
                // A trailing comment ends the face.
                if (word.front() == '#') break;
                Reference reference;
                if (!parseReference(word, &reference)) {
                    return failure(lineNumber, "unsupported vertex reference \"" + word + "\"");
                }
                if (reference.position < 1 || reference.position > model.positionCount) {
                    return failure(lineNumber, "position index " + std::to_string(reference.position) +
                                                   " is outside 1.." + std::to_string(model.positionCount));
                }
                if (reference.texCoord > model.texCoordCount) {
                    return failure(lineNumber, "texture index " + std::to_string(reference.texCoord) +
                                                   " is outside 1.." + std::to_string(model.texCoordCount));
                }
                corners.push_back(reference);
            }
            if (corners.size() < 3) return failure(lineNumber, "a face needs three vertex references");
            // A polygon becomes a fan around its first corner: (1, k, k + 1)
            // for each k, so a triangle is exactly the one face it was.
            // Only faces read from a face line are built: "f" tokens elsewhere
            // (comments) would add empty triangles that draw nothing.
            for (std::size_t k = 1; k + 1 < corners.size(); ++k) {
                // Reversed to stay front-facing after the mirror.
                for (const Reference* reference : {&corners[k + 1], &corners[k], &corners[0]}) {
                    const Position& p = positions[static_cast<std::size_t>(reference->position - 1)];
                    const Vec2 t = reference->texCoord == 0
                                       ? Vec2{}
                                       : texCoords[static_cast<std::size_t>(reference->texCoord - 1)];
                    model.vertices.push_back({p.x, p.y, p.z, t.u, t.v});
                }
            }
        }
    }
    model.indices.resize(model.vertices.size());
    for (std::size_t i = 0; i < model.indices.size(); ++i) model.indices[i] = static_cast<unsigned>(i);
    ObjReadResult result;
    result.ok = true;
    result.model = std::move(model);
    return result;
}

ObjReadResult readObj(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ObjReadResult result;
        result.error = "cannot open \"" + path + "\"";
        return result;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseObj(text.str());
}

}  // namespace fg

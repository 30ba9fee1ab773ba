#include "render/meshes/ShapeGeometry.h"

#include <cmath>

namespace fg {

namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

SubMesh cylinderStrip(int stepDegrees) {
    SubMesh strip;
    for (int d = 0; d <= 360; d += stepDegrees) {
        const float s = static_cast<float>(std::sin(d * kRadiansPerDegree));
        const float c = static_cast<float>(std::cos(d * kRadiansPerDegree));
        const float u = static_cast<float>(d) / 360.0f;
        strip.push_back({-0.5f * s, 0.5f * c, 0.0f, u, 1.0f});
        strip.push_back({-0.5f * s, 0.5f * c, -1.0f, u, 0.0f});
    }
    return strip;
}

// The point at latitude theta (0 = pole, 90 = rim) and longitude phi, with
// the texture projected along z so that its centre lies on the pole.
MeshVertex hemispherePoint(int thetaDegrees, int phiDegrees) {
    const double theta = thetaDegrees * kRadiansPerDegree;
    const double phi = phiDegrees * kRadiansPerDegree;
    const float x = static_cast<float>(-0.5 * std::sin(theta) * std::cos(phi));
    const float y = static_cast<float>(-0.5 * std::sin(theta) * std::sin(phi));
    const float z = static_cast<float>(-0.5 * std::cos(theta));
    return {x, y, z, x + 0.5f, y + 0.5f};
}

std::vector<SubMesh> hemisphereStrips(int stepDegrees) {
    std::vector<SubMesh> strips;
    for (int phi = 360; phi > 0; phi -= stepDegrees) {
        SubMesh strip;
        for (int theta = 0; theta <= 90; theta += stepDegrees) {
            strip.push_back(hemispherePoint(theta, phi));
            strip.push_back(hemispherePoint(theta, phi + stepDegrees));
        }
        strips.push_back(std::move(strip));
    }
    return strips;
}

}  // namespace

VertexSets polyGeometry() {
    const SubMesh square{
        {-0.5f, 0.5f, 0.0f, 0.0f, 0.0f},
        {0.5f, 0.5f, 0.0f, 1.0f, 0.0f},
        {-0.5f, -0.5f, 0.0f, 0.0f, 1.0f},
        {0.5f, -0.5f, 0.0f, 1.0f, 1.0f},
    };
    return {std::vector<SubMesh>{square}, std::vector<SubMesh>{square}};
}

VertexSets cylinderGeometry() {
    return {std::vector<SubMesh>{cylinderStrip(45)}, std::vector<SubMesh>{cylinderStrip(5)}};
}

VertexSets hemisphereGeometry() {
    return {hemisphereStrips(15), hemisphereStrips(5)};
}

}  // namespace fg

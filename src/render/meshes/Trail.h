#pragma once
// The ribbon mesh of trail particles, rebuilt from each particle's points at
// every draw. Its vertices are already in world space, so it is drawn one
// particle at a time with view × projection only.

#include <span>

#include "render/meshes/Primitive.h"
#include "render/meshes/TrailGeometry.h"

namespace fg {

class Trail : public Primitive {
public:
    Trail();

    bool instanceable() const override { return false; }
    // The export draws a trail one segment at a time, each a strip of four
    // vertices: two triangles sharing an edge, which cover a pixel twice
    // only when their windings differ, and then culling drops one.
    bool coversPixelsOnce(const PolyInstance&) const override { return true; }
    // A trail needs its points: drawing it as a plain run draws nothing.
    void drawInstances(PolyProgram&, const MeshDraw&, const InstanceRun&) override {}

    // `particle` is a run of one instance carrying the particle's colour and
    // texture transform with an identity world matrix.
    void drawTrail(PolyProgram& program, const MeshDraw& draw, std::span<const TrailPoint> points,
                   bool changingThickness, const InstanceRun& particle);

private:
    GlBuffer m_vertices;
    GlVertexArray m_layout;
};

}  // namespace fg

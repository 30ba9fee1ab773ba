#pragma once
// The GPU side of a particle mesh and its draw. One draw call covers a run of
// particles that share the mesh, texture, blend mode, pass and under-cut:
// their world matrices, colours, texture cells and ring scales arrive as
// instances. A lone particle is a run of one.

#include <functional>
#include <memory>
#include <vector>

#include "render/GlHandle.h"
#include "render/PolyProgram.h"
#include "render/camera/Camera.h"
#include "render/meshes/MeshVertex.h"

namespace fg {

// What every particle of one draw call shares.
struct MeshDraw {
    const Camera* camera = nullptr;
    GLuint texture = 0;     // the particle texture (the white one when it has none)
    GLuint sampler = 0;
    int pass = 0;           // 0 opaque, 1 translucent
    bool isAdd = false;
    bool exportMode = false;
    bool underCut = false;
    int targetWidth = 1;    // the exported frame size, for the export programs' copy lookup
    int targetHeight = 1;
    // Export only: where the programs read what is already drawn (see
    // PolyProgram::canRead).
    DestinationRead destination = DestinationRead::Copy;
    // Export only: copies the target into the copy texture after each sub-mesh.
    std::function<void()> afterSubMesh;
};

// A run of instances in an instance buffer.
struct InstanceRun {
    GLuint buffer = 0;
    std::size_t byteOffset = 0;  // of the first instance
    int count = 0;
};

// The Poly constants of one draw: per-particle values for a lone draw, or
// view × projection with identities when the particles come as instances.
PolyConstants meshConstants(const MeshDraw& draw, const Mat4& world, const Mat4& texMatrix, const float color[4],
                            bool worldInInstances);

// One instance describing a particle: its world matrix, colour, texture
// transform and (cylinders only) ring scales.
PolyInstance makeInstance(const Mat4& world, const float color[4], const Mat4& texMatrix, Vec3f bottomScale,
                          Vec3f topScale);

// Binds the program chosen by `vertex` and the draw's pass, export flag and
// blend mode, with the constants, texture and sampler.
void bindMeshDraw(PolyProgram& program, PolyVertexEntry vertex, const MeshDraw& draw,
                  const PolyConstants& constants);

class Primitive {
public:
    virtual ~Primitive() = default;

    // Draws the run with the set chosen by the export flag.
    virtual void drawInstances(PolyProgram& program, const MeshDraw& draw, const InstanceRun& run);
    // Whether a run of several particles can share one call.
    virtual bool instanceable() const { return true; }
    // Whether the set the export flag chooses is one strip.
    bool drawsOneStrip(bool exportMode) const {
        const std::vector<SubMesh>& subMeshes = m_sets[exportMode ? kExportSet : kPreviewSet].subMeshes;
        return subMeshes.size() == 1;
    }
    // Whether no pixel is covered twice by one export sub-mesh of the
    // particle `instance` drawn under one culling mode. True for convex
    // surfaces: a ray meets their front faces at most once and their back
    // faces at most once, whatever the (affine) world matrix. An OBJ model
    // is one draw of all its triangles, which may overlap.
    virtual bool coversPixelsOnce(const PolyInstance& instance) const {
        (void)instance;
        return false;
    }
    // The preview sub-meshes (triangle strips), for batches that build the
    // particles' vertices themselves; empty for meshes that draw their own
    // way (OBJ models, trails).
    const std::vector<SubMesh>& previewSubMeshes() const { return m_sets[kPreviewSet].subMeshes; }
    // The export sub-meshes (empty for OBJ models and trails, as above).
    const std::vector<SubMesh>& exportSubMeshes() const { return m_sets[kExportSet].subMeshes; }
    // The entry that draws this mesh from instances; VS_Cylinder scales the rings.
    virtual PolyVertexEntry vertexEntry() const { return PolyVertexEntry::VS; }

protected:
    Primitive() = default;
    // Uploads both vertex sets into one buffer per set.
    void upload(const VertexSets& sets);
    // Binds the draw's program, constants, texture and sampler.
    void prepare(PolyProgram& program, const MeshDraw& draw, const PolyConstants& constants) const;
    // Draws the sub-meshes of one set in order, stopping at the first with
    // fewer than 3 vertices.
    void drawSubMeshes(const std::vector<SubMesh>& subMeshes, GLuint vertexBuffer, GLuint layout,
                       const MeshDraw& draw, const InstanceRun& run) const;

private:
    struct GpuSet {
        std::vector<SubMesh> subMeshes;
        GlBuffer vertices;
        GlVertexArray layout;
    };
    GpuSet m_sets[2];
};

// The flat square: billboards and planes.
class Poly : public Primitive {
public:
    Poly();
    bool coversPixelsOnce(const PolyInstance&) const override { return true; }
};

class Cylinder : public Primitive {
public:
    Cylinder();
    // A tube between two round rings is a convex frustum while both rings
    // keep their orientation; a ring scaled by a negative factor turns the
    // tube into two cones meeting at a point, whose faces can overlap.
    bool coversPixelsOnce(const PolyInstance& instance) const override;

    PolyVertexEntry vertexEntry() const override { return PolyVertexEntry::VS_Cylinder; }
};

class Hemisphere : public Primitive {
public:
    Hemisphere();
    bool coversPixelsOnce(const PolyInstance&) const override { return true; }
};

}  // namespace fg

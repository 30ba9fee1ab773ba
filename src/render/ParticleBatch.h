#pragma once
// Collects the particle draws of one pass in draw order and issues them as
// few calls as possible: consecutive draws that share mesh, texture, blend
// mode and under-cut become one instanced call. Order inside a call is the
// collection order, so the picture is the same as drawing one by one.

#include <functional>
#include <span>
#include <vector>

#include "render/InstanceBuffer.h"
#include "render/RenderStates.h"
#include "render/meshes/Primitive.h"
#include "render/meshes/Trail.h"

namespace fg {

struct ParticleDraw {
    Primitive* mesh = nullptr;
    GLuint texture = 0;
    bool isAdd = false;
    bool underCut = false;
    PolyInstance instance{};
    // Trail meshes only: the particle's points and thickness rule (its
    // instance then has an identity world matrix).
    std::span<const TrailPoint> trail;
    bool changingThickness = false;
};

class ParticleBatch {
public:
    // `shared` holds what every draw of the pass has in common (camera,
    // sampler, pass, export flag, target size); texture, blend and under-cut
    // are filled in per call. With `instancing` off, or while exporting,
    // every particle gets its own call.
    ParticleBatch(PolyProgram& program, InstanceBuffer& instances, const MeshDraw& shared, bool instancing);

    void add(const ParticleDraw& draw) { m_draws.push_back(draw); }
    // Issues everything collected so far, then starts empty.
    void flush();
    // Number of draw calls the last flushes issued.
    int callCount() const { return m_calls; }

private:
    bool sameCall(const ParticleDraw& a, const ParticleDraw& b) const;
    void issue(std::size_t first, std::size_t count);

    PolyProgram& m_program;
    InstanceBuffer& m_instances;
    MeshDraw m_shared;
    bool m_instancing;
    std::vector<ParticleDraw> m_draws;
    std::vector<PolyInstance> m_upload;
    int m_calls = 0;
};

}  // namespace fg

#pragma once
// Collects the particle draws of one pass in draw order and issues them as
// few calls as possible: consecutive draws that share mesh, texture, blend
// mode and under-cut become one call. Order inside a call is the collection
// order, so the picture is the same as drawing one by one.
//
// A run of a built-in shape (square, cylinder, hemisphere) is drawn from
// vertices the batch moves into world space itself: one indexed triangle
// list, projected by VS_World. That spares software GL its per-instance
// vertex work, and keeps each particle's sub-meshes together, in particle
// order, where an instanced call would draw sub-mesh by sub-mesh. OBJ
// models stay instanced; trails always draw alone.

#include <functional>
#include <span>
#include <vector>

#include "render/InstanceBuffer.h"
#include "render/RenderStates.h"
#include "render/meshes/Primitive.h"
#include "render/meshes/Trail.h"

namespace fg {

// How far a batch may merge consecutive draws into one call.
enum class Batching {
    PerParticle,     // every particle its own call
    // Runs of a mesh drawn in one strip become one instanced call: each
    // vertex is computed exactly as in its own call, and the particles
    // follow one another as they would call by call.
    OneStripInstances,
    // Runs of any built-in shape become one call of world-space triangles
    // (the preview's path); OBJ models run instanced.
    WorldVertices,
};

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
    // are filled in per call.
    ParticleBatch(PolyProgram& program, InstanceBuffer& instances, const MeshDraw& shared, Batching batching);

    void add(const ParticleDraw& draw) { m_draws.push_back(draw); }
    // Issues everything collected so far, then starts empty.
    void flush();
    // Number of draw calls the last flushes issued.
    int callCount() const { return m_calls; }

private:
    // One call: draws [first, first + count), either as world-space
    // triangles (indices [firstIndex, firstIndex + indexCount) of the world
    // stream) or as instances starting at `firstInstance`.
    struct Call {
        std::size_t first = 0;
        std::size_t count = 0;
        bool world = false;
        std::size_t firstInstance = 0;
        std::size_t firstIndex = 0;
        std::size_t indexCount = 0;
    };

    bool sameCall(const ParticleDraw& a, const ParticleDraw& b) const;
    bool buildsVertices(const Primitive& mesh) const;
    void planWorld(Call& call);
    void planInstances(Call& call);
    void issue(const Call& call);

    PolyProgram& m_program;
    InstanceBuffer& m_instances;
    MeshDraw m_shared;
    Batching m_batching;
    std::vector<ParticleDraw> m_draws;
    std::vector<PolyInstance> m_upload;
    std::vector<Call> m_plan;
    int m_calls = 0;
};

}  // namespace fg

// The simulation's results, bit for bit, as fixed digests. The digests were
// taken from the straightforward implementation of the step (every curve
// evaluated per particle, plain vector code, the whole particle record) and
// must never change: a faster step has to give exactly the same numbers.
// A digest that differs means some value changed in at least one bit.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "GeneratedEffects.h"
#include "SimulationTestSupport.h"
#include "persistence/OpenProject.h"
#include "persistence/Workspace.h"
#include "simulation/ParticleTransforms.h"

namespace fg {
namespace {

constexpr int kFrames = 150;

// FNV-1a, 64 bits.
class Digest {
public:
    void add(const std::string& text) {
        for (const char c : text) addByte(static_cast<unsigned char>(c));
    }
    void add(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) addByte(static_cast<unsigned char>((value >> (8 * i)) & 0xFFu));
    }
    void add(float value) { add(std::bit_cast<std::uint32_t>(value)); }
    void add(Vec3f v) {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    void add(const Mat4& m) {
        for (const auto& row : m.m)
            for (const float value : row) add(value);
    }
    std::uint64_t value() const { return m_hash; }

private:
    void addByte(unsigned char byte) {
        m_hash ^= byte;
        m_hash *= 1099511628211ull;
    }
    std::uint64_t m_hash = 14695981039346656037ull;
};

struct Digests {
    std::uint64_t dump = 0;   // the `simulate` lines
    std::uint64_t draw = 0;   // what a draw reads besides them: turns, self rotations, trails
    std::uint64_t lines = 0;  // particles listed over the run, so an empty run cannot pass unnoticed
};

Digests run(const EditorState& g, bool loop) {
    Simulation sim(g);
    sim.setLoop(loop);
    sim.restart();
    Digest dump;
    Digest draw;
    Digests out;
    std::string line;
    for (int f = 0; f < kFrames; ++f) {
        sim.step();
        line.clear();
        appendSimulateLine(sim, sim.frame() - 1, line);
        dump.add(line);
        const ParticleList& list = sim.particles();
        list.forEach([&](const Particle& p) {
            const WorldInputs in = worldInputs(p, sim.nodeOf(p).params, list.parentOf(p));
            draw.add(in.turn);
            draw.add(in.selfRotation);
            draw.add(in.travel);
            draw.add(static_cast<std::uint32_t>(p.trail.size()));
            for (const TrailPoint& t : p.trail) {
                draw.add(t.position);
                draw.add(t.width);
            }
            ++out.lines;
        });
    }
    out.dump = dump.value();
    out.draw = draw.value();
    return out;
}

void expectDigests(const Digests& got, const Digests& expected, const std::string& what) {
    char text[160];
    std::snprintf(text, sizeof text, "{0x%016llxull, 0x%016llxull, %llu}", static_cast<unsigned long long>(got.dump),
                  static_cast<unsigned long long>(got.draw), static_cast<unsigned long long>(got.lines));
    EXPECT_EQ(got.dump, expected.dump) << what << " now gives " << text;
    EXPECT_EQ(got.draw, expected.draw) << what << " now gives " << text;
    EXPECT_EQ(got.lines, expected.lines) << what << " now gives " << text;
}

// ---- the sample projects -----------------------------------------------------

struct SampleCase {
    const char* file;
    Digests expected;
};

constexpr SampleCase kSamples[] = {
    {"fire.nbx", {0xea6e7ad931dd3fe0ull, 0x447afd14161f64deull, 8247}},
    {"magic_circle.nbx", {0x654ea3837cc577aaull, 0x898a78bdce3e8665ull, 1350}},
    {"sparkle.nbx", {0x2abc4c379b061956ull, 0x54a384aa6ba3ce0cull, 11166}},
};

TEST(SimulateIdentity, SampleProjectsGiveTheRecordedResults) {
    const char* source = std::getenv("FULGRANE3D_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::string error;
    std::optional<ScopedWorkspace> workspace = ScopedWorkspace::create(
        std::filesystem::temp_directory_path() / "fg-simulate-identity", &error);
    ASSERT_TRUE(workspace) << error;
    for (const SampleCase& sample : kSamples) {
        EditorState g;
        g.workDir = workspace->path().string();
        const OpenProjectResult opened =
            openProjectForTool(g, std::string(source) + "/resources/samples/" + sample.file);
        ASSERT_TRUE(opened.ok) << sample.file;
        expectDigests(run(g, false), sample.expected, sample.file);
        ASSERT_TRUE(workspace->renew().ok);
    }
}

// ---- generated effects -------------------------------------------------------

constexpr Digests kFeatureEffects[] = {
    {0xf71f5321bd402124ull, 0x322a81c39481a4f2ull, 5680},  // feature effect 1
    {0x3e4dad9eabae25f3ull, 0xa5ee341b66cea1cfull, 9894},  // looped
    {0xa21ff81975d8f1dcull, 0xba01585648487c05ull, 10011},  // feature effect 2
    {0x95288a8362806a47ull, 0xf37c47c2a9cac8acull, 16550},  // looped
    {0xc773a86a7f709fe3ull, 0xb07738ff1f151d97ull, 120079},  // feature effect 3
    {0x718faf2f48b16b3eull, 0x743e6b63b227bde1ull, 382606},  // looped
    {0x71b67d29cc480017ull, 0xaab17940b631fec3ull, 879},  // feature effect 4
    {0x71b67d29cc480017ull, 0xaab17940b631fec3ull, 879},  // looped
    {0xf6b5c12bfbca11b9ull, 0xb5cedfce5ec07115ull, 1755},  // feature effect 5
    {0x0ecb1916a6910561ull, 0x4a00cadac7a8ee71ull, 4067},  // looped
    {0x6a6e89972b6af4c4ull, 0x0fcd90b3f0c85d27ull, 32085},  // feature effect 6
    {0xb16992ac41d4da42ull, 0xff476170f3a5c19cull, 36386},  // looped
    {0xf47525f1d72e3b6full, 0xd5c05ab82797680dull, 6070},  // feature effect 7
    {0x3367d486284de86bull, 0x35d16a9a91ee4332ull, 26474},  // looped
    {0x339f7a18ceca693bull, 0x23d5b9ddd0272c33ull, 6648},  // feature effect 8
    {0x68f7a89c1a68627dull, 0xa78f567bb2234a3full, 7922},  // looped
    {0xc33178a38feae92full, 0x282109f0620d7f1aull, 8567},  // feature effect 9
    {0x4e06f4fbf0634e7cull, 0x29b1c2be3aaa0b2dull, 47592},  // looped
    {0xbc455669bfdd1923ull, 0x761aa2c432a0dd0full, 11214},  // feature effect 10
    {0x3c05b8edc7996177ull, 0x0dabcf55ff0cc647ull, 15190},  // looped
    {0x83ccc7a9646340e6ull, 0x916f8ff7a0bf8af4ull, 2279},  // feature effect 11
    {0xb0f180bb793d12d8ull, 0xc678193e20a8f347ull, 12932},  // looped
    {0x1f5f6cdb1bff829eull, 0x274c28c649137b5bull, 18387},  // feature effect 12
    {0xc6e07d27841a6a81ull, 0x22af71d30dc1a148ull, 45936},  // looped
    {0xd8be420915037ebbull, 0x6d4c3028e69e266bull, 30572},  // feature effect 13
    {0x02c6811f614b0833ull, 0x5aa5e6c74bc8780full, 39558},  // looped
    {0xd724721e01b6d6c1ull, 0x27476db88c65529eull, 5163},  // feature effect 14
    {0x7886da970e28eba3ull, 0x09eb53bea99c5522ull, 7178},  // looped
    {0xeffb96d8163bc128ull, 0x53d19055ce684d9cull, 4819},  // feature effect 15
    {0x53b85128ba6b20a6ull, 0x478dcc0b38846a64ull, 4823},  // looped
    {0x0be09bcc66ec7461ull, 0x6986f71e8f74829full, 1126},  // feature effect 16
    {0x0be09bcc66ec7461ull, 0x6986f71e8f74829full, 1126},  // looped
    {0xbff694d2bb53f037ull, 0x4bfcf4a53e840e4bull, 9360},  // feature effect 17
    {0x987d43d62aa24f6cull, 0xa6e980d8c68ac985ull, 24034},  // looped
    {0x489436546686440bull, 0xb6fd5f2af6375047ull, 35086},  // feature effect 18
    {0x3d85b0bcf9b23eb6ull, 0xb477e46595a6a9bcull, 42398},  // looped
    {0xb7b67dedc649c813ull, 0x6c51b53e9db06782ull, 1591},  // feature effect 19
    {0x4682184997c4c589ull, 0xc761803a154c4817ull, 3677},  // looped
    {0x24d026e6413b7188ull, 0x967ccd3e0412817full, 6337},  // feature effect 20
    {0xd31b132532e09022ull, 0x3c349f8fb866b2d4ull, 8336},  // looped
};

constexpr Digests kLoopEffects[] = {
    {0x1a742bb60fce5c27ull, 0x97b80b4e912e338full, 2668},  // loop effect 1
    {0x2e55cb9cd06f842full, 0x89e0dc44bcce3461ull, 5047},  // looped
    {0xbaa5a642d805a165ull, 0x123db9714df11d20ull, 1343},  // loop effect 2
    {0x0829680a2c9fc0b5ull, 0x2ec7be243f27b886ull, 2051},  // looped
    {0x72bfa06ccbf603cdull, 0x195b3adbc1d84e03ull, 1339},  // loop effect 3
    {0x8e2fc80ffae56883ull, 0x469aaed847f9b2ddull, 1991},  // looped
    {0xc14544aa41f30911ull, 0xe7d16ed176516186ull, 17474},  // loop effect 4
    {0x633b847162397c1full, 0xad9744d4d7159cfdull, 32397},  // looped
    {0x0615fe3269a8e8d1ull, 0x0866967eb7c4d95dull, 1268},  // loop effect 5
    {0xfba9d702c5e4956cull, 0x38ccd4d981e1c40bull, 2683},  // looped
    {0x65f0d111d91e5c8dull, 0x693a9a35631cf934ull, 8681},  // loop effect 6
    {0x8b86dee54eda61d7ull, 0xe4beb2c534001e80ull, 15126},  // looped
};

TEST(SimulateIdentity, GeneratedEffectsGiveTheRecordedResults) {
    // Every effect once without and once with loop mode.
    std::uint32_t seed = 1;
    for (const Digests& expected : kFeatureEffects) {
        const bool loop = seed % 2 == 0;
        expectDigests(run(test::generatedFeatureEffect((seed + 1) / 2), loop), expected,
                      "feature effect " + std::to_string((seed + 1) / 2) + (loop ? " looped" : ""));
        ++seed;
    }
    seed = 1;
    for (const Digests& expected : kLoopEffects) {
        const bool loop = seed % 2 == 0;
        expectDigests(run(test::generatedLoopEffect((seed + 1) / 2), loop), expected,
                      "loop effect " + std::to_string((seed + 1) / 2) + (loop ? " looped" : ""));
        ++seed;
    }
}

}  // namespace
}  // namespace fg

#pragma once
// Editable curves mapping a particle's normalised age to a factor. Control
// points live on a 0..100 grid with y growing downwards; rebuild() turns them
// into 101 samples that evaluate() interpolates.

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fg {

struct GraphPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const GraphPoint&, const GraphPoint&) = default;
};

using GraphPoints = std::vector<GraphPoint>;
using SampleArray = std::array<float, 101>;

// The point clipboard shared by every curve of every node (not the system
// clipboard). The editor owns one and hands it to copy/paste.
struct PointClipboard {
    GraphPoints points;
};

// The 101 samples, published so that a reading thread sees either the whole
// old table or the whole new one. One writer (the editing thread) and any
// number of readers; readers never block and never allocate.
class SampleTable {
public:
    SampleTable() = default;
    SampleTable(const SampleTable& other) { publish(other.snapshot()); }
    SampleTable& operator=(const SampleTable& other) {
        if (this != &other) publish(other.snapshot());
        return *this;
    }

    void publish(const SampleArray& samples);
    SampleArray snapshot() const;
    // Samples i and i + 1 (i + 1 clamped to 100) from one consistent table.
    void readPair(int i, float& a, float& b) const;

private:
    std::atomic<std::uint32_t> m_sequence{0};
    std::array<std::atomic<float>, 101> m_samples{};
};

class Graph {
public:
    // Caption limit in cp932 bytes (the stored field holds 31 and the NUL).
    static constexpr std::size_t kNameBytes = 31;
    static constexpr int kMarkerSize = 8;  // point marker side and drawing margin
    static constexpr int kPickRadius = 8;  // right-click delete distance, 0..100 scale

    // A rising curve starts at (0, 100), (100, 0); a plain one at (0, 0), (100, 0).
    Graph(std::string_view name, bool rising);
    virtual ~Graph() = default;
    Graph(const Graph&) = default;
    Graph& operator=(const Graph&) = default;

    bool isSpeed() const { return m_isSpeed; }
    const std::string& name() const { return m_name; }
    void setName(std::string_view name);

    // Recomputes the samples from the points (the plain or the speed rule).
    // Fewer than two points keep the previous samples; a point list that is
    // not ascending from 0 to 100 is repaired first. Points with equal x stay
    // as they are and make a vertical jump. Any finite points give finite
    // samples.
    void rebuild();

    // Factor at age `position` of a life of `span` frames: 0..1, or -1..+1
    // for the speed curve. A table lookup; never allocates.
    float evaluate(int position, int span) const;

    int pointCount() const { return static_cast<int>(m_points.size()); }
    GraphPoint point(int index) const { return m_points.at(static_cast<std::size_t>(index)); }
    const GraphPoints& points() const { return m_points; }
    // Appends without sorting or rebuilding (callers rebuild afterwards).
    void addPoint(float x, float y) { m_points.push_back({x, y}); }
    void clearPoints() { m_points.clear(); }
    // Replaces the whole list without rebuilding (the curve editor's drags).
    void setPoints(GraphPoints points) { m_points = std::move(points); }

    void copyPoints(PointClipboard& clipboard) const;
    void pastePoints(const PointClipboard& clipboard);
    // Copies the other curve's points and name; the caller rebuilds.
    void assignFrom(const Graph& other);

    SampleArray samples() const { return m_table.snapshot(); }

    // Editing state of the curve window.
    GraphPoints dragBase;
    int selected = -1;

protected:
    Graph(std::string_view name, bool rising, bool isSpeed);

private:
    std::string m_name;
    GraphPoints m_points;
    SampleTable m_table;
    bool m_isSpeed = false;
    bool m_rising = false;  // which initial points a broken list falls back to
};

// Speed factor curve: same storage, -1..+1 result, and segments whose ends lie
// on one side of the zero line (y = 50) do not cross it.
class GraphSpeed : public Graph {
public:
    explicit GraphSpeed(std::string_view name);
};

// The pure curve arithmetic, exposed for tests and benchmarks.
namespace curve {
// Adds 0.5 (or subtracts it for v <= 0) in double and truncates toward zero;
// saturates at the int range, NaN gives 0.
int nearest(double v);
// At least two finite points, x never descending, from x = 0 to x = 100.
// Points may share an x (a vertical jump).
bool isWellFormed(const GraphPoints& points);
// Repairs only what the rebuild cannot walk: drops points with non-finite
// values, clamps x to 0..100, sorts by x (stable, so points sharing an x keep
// their order) and pins the ends to 0 and 100. Returns false when nothing
// usable is left (fewer than two points, or all at one x): the caller then
// falls back to the initial points.
bool repair(GraphPoints& points);
// Rebuilds `samples` in place from well-formed points.
void rebuildSamples(const GraphPoints& points, bool speedRule, SampleArray& samples);
float evaluateSamples(const SampleArray& samples, bool speed, int position, int span);
// Whether every sample is zero (either sign). Both samples an evaluation
// interpolates between are then zero, so is their weighted sum, and the
// factor is exactly kZeroCurveFactor at every position and span, the speed
// curve's included: readers may skip the lookup.
bool isZero(const SampleArray& samples);
inline constexpr float kZeroCurveFactor = 1.0f;
float evaluateTable(const SampleTable& table, bool speed, int position, int span);
}  // namespace curve

}  // namespace fg

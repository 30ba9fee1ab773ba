#include "model/Graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Cp932.h"

namespace fg {

// ---- sample table ---------------------------------------------------------
// A sequence lock built from atomic operations alone (no fences, which thread
// checkers cannot follow): the writer makes the counter odd, stores every
// sample with release and makes the counter even again. A reader loads the
// counter, then the samples with acquire, then the counter again. A sample
// stored by a publish that is under way carries the odd counter with it
// (release/acquire), so the second load sees that publish and the reader
// retries; an unchanged even counter means one whole table. On x86 and
// AArch64 these orders cost nothing more than plain loads and stores.

void SampleTable::publish(const SampleArray& samples) {
    const std::uint32_t start = m_sequence.load(std::memory_order_relaxed);
    m_sequence.store(start + 1, std::memory_order_relaxed);
    for (std::size_t i = 0; i < samples.size(); ++i) m_samples[i].store(samples[i], std::memory_order_release);
    m_sequence.store(start + 2, std::memory_order_release);
}

SampleArray SampleTable::snapshot() const {
    SampleArray out{};
    for (;;) {
        const std::uint32_t before = m_sequence.load(std::memory_order_acquire);
        if (before & 1u) continue;
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = m_samples[i].load(std::memory_order_acquire);
        if (m_sequence.load(std::memory_order_relaxed) == before) return out;
    }
}

void SampleTable::readPair(int i, float& a, float& b) const {
    const auto first = static_cast<std::size_t>(i);
    const std::size_t second = std::min<std::size_t>(first + 1, 100);
    for (;;) {
        const std::uint32_t before = m_sequence.load(std::memory_order_acquire);
        if (before & 1u) continue;
        a = m_samples[first].load(std::memory_order_acquire);
        b = m_samples[second].load(std::memory_order_acquire);
        if (m_sequence.load(std::memory_order_relaxed) == before) return;
    }
}

// ---- curve arithmetic -------------------------------------------------------

namespace curve {
namespace {

GraphPoint operator-(GraphPoint a, GraphPoint b) { return {a.x - b.x, a.y - b.y}; }

// Unit vector from `from` towards `to` in float; a zero vector stays zero.
// Points so far apart that the float difference or its length overflows are
// measured in double, so the tangent keeps its direction instead of turning
// into NaN (or silently into zero).
GraphPoint direction(GraphPoint from, GraphPoint to) {
    const GraphPoint v = to - from;
    const float length = std::sqrt(v.x * v.x + v.y * v.y);
    if (std::isfinite(length)) {
        if (length == 0.0f) return {0.0f, 0.0f};
        return {v.x / length, v.y / length};
    }
    const double dx = static_cast<double>(to.x) - static_cast<double>(from.x);
    const double dy = static_cast<double>(to.y) - static_cast<double>(from.y);
    const double wide = std::hypot(dx, dy);
    return {static_cast<float>(dx / wide), static_cast<float>(dy / wide)};
}

GraphPoint offset(GraphPoint base, GraphPoint direction, float h) {
    return {base.x + direction.x * h, base.y + direction.y * h};
}

// Truncation toward zero, saturating like nearest() (no undefined conversion).
int truncToInt(float v) {
    if (std::isnan(v)) return 0;
    constexpr float kMin = static_cast<float>(std::numeric_limits<int>::min());
    constexpr float kMax = 2147483520.0f;  // the largest float below 2^31
    return static_cast<int>(std::clamp(v, kMin, kMax));
}

// Writes a sample, ignoring indices outside the table.
void put(SampleArray& samples, int index, float value) {
    if (index >= 0 && index <= 100) samples[static_cast<std::size_t>(index)] = value;
}

// The speed curve's rule: a segment whose ends lie on one side of the zero
// line (y = 50) does not cross it.
float keepSide(float sample, float y0, float y1) {
    if (y0 >= 50.0f && y1 >= 50.0f && sample < 50.0f) sample = 50.0f;
    if (y0 <= 50.0f && y1 <= 50.0f && sample > 50.0f) sample = 50.0f;
    return sample;
}

// One coordinate of the Bézier point: float terms added left to right. Far
// out control values can overflow that sum; it is then taken in double,
// where it cannot, so the clamp that follows gets a number, never NaN.
float bezier(float k0, float k1, float k2, float k3, float p0, float p1, float p2, float p3) {
    const float sum = k0 * p0 + k1 * p1 + k2 * p2 + k3 * p3;
    if (std::isfinite(sum)) return sum;
    const auto wide = [](float k, float p) { return static_cast<double>(k) * static_cast<double>(p); };
    const double exact = wide(k0, p0) + wide(k1, p1) + wide(k2, p2) + wide(k3, p3);
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(exact, -kLargest, kLargest));
}

// Walks the Bézier segment A, C1, C2, B and fills the samples it passes.
// Points with equal x make a vertical jump: the step 1 / (x1 - x0) would be
// infinite, so the walk ends before it writes anything and the ends written
// afterwards (the later point's y last) make the jump.
void walkSegment(GraphPoint a, GraphPoint c1, GraphPoint c2, GraphPoint b, bool speedRule, SampleArray& samples) {
    if (!(b.x > a.x)) return;
    const float step = 1.0f / (b.x - a.x);
    float pX = 0.0f;
    float pY = 0.0f;
    for (float t = 0.0f; t <= 1.2; t += step) {
        const float s = 1.0f - t;
        const float k0 = (s * s) * s;
        const float k1 = ((3.0f * s) * s) * t;
        const float k2 = ((3.0f * s) * t) * t;
        const float k3 = (t * t) * t;
        const float x = bezier(k0, k1, k2, k3, a.x, c1.x, c2.x, b.x);
        const float y = std::clamp(bezier(k0, k1, k2, k3, a.y, c1.y, c2.y, b.y), 0.0f, 100.0f);
        if (x > 100.0f) break;
        if (t > 0.0f) {
            const int end = nearest(x);
            int g = 0;
            for (int j = nearest(pX); j < end; ++j, ++g) {
                const float value = (y - pY) / (x - pX) * static_cast<float>(g) + pY;
                float sample = static_cast<float>(nearest(value));
                if (speedRule) sample = keepSide(sample, a.y, b.y);
                put(samples, j, sample);
            }
        }
        pX = x;
        pY = y;
    }
}

// (a + b) / 2 in float; halves first where the sum would overflow (a stored
// point's y may be anything finite).
float average(float a, float b) {
    const float sum = (a + b) * 0.5f;
    return std::isfinite(sum) ? sum : a * 0.5f + b * 0.5f;
}

// 30 passes of neighbour averaging between the segment's ends; the end
// samples and the one just before the right end stay fixed.
void smoothSegment(float x0, float x1, SampleArray& samples) {
    const int from = std::max(truncToInt(x0 + 1.0f), 1);
    const int to = std::min(truncToInt(x1 - 1.0f), 100);
    if (from >= to) return;
    SampleArray before{};
    for (int pass = 0; pass < 30; ++pass) {
        before = samples;
        for (int i = from; i < to; ++i) {
            const auto k = static_cast<std::size_t>(i);
            samples[k] = average(before[k - 1], before[k + 1]);
        }
    }
}

}  // namespace

int nearest(double v) {
    // Saturates outside the int range and reads NaN as 0: a conversion the
    // result cannot hold would be undefined.
    if (std::isnan(v)) return 0;
    const double rounded = v > 0.0 ? v + 0.5 : v - 0.5;
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(rounded, kMin, kMax));
}

bool isWellFormed(const GraphPoints& points) {
    if (points.size() < 2) return false;
    if (points.front().x != 0.0f || points.back().x != 100.0f) return false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y)) return false;
        if (i > 0 && !(points[i - 1].x <= points[i].x)) return false;
    }
    return true;
}

bool repair(GraphPoints& points) {
    const auto unusable = [](GraphPoint p) { return !std::isfinite(p.x) || !std::isfinite(p.y); };
    points.erase(std::remove_if(points.begin(), points.end(), unusable), points.end());
    for (GraphPoint& p : points) p.x = std::clamp(p.x, 0.0f, 100.0f);
    // Stable: points that share an x keep their order, which decides the jump.
    std::stable_sort(points.begin(), points.end(), [](GraphPoint a, GraphPoint b) { return a.x < b.x; });
    if (points.size() < 2 || points.front().x == points.back().x) return false;
    points.front().x = 0.0f;
    points.back().x = 100.0f;
    return true;
}

void rebuildSamples(const GraphPoints& points, bool speedRule, SampleArray& samples) {
    const std::size_t n = points.size();
    if (n < 2) return;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const GraphPoint a = points[k];
        const GraphPoint b = points[k + 1];
        const float h = (b.x - a.x) * 0.5f;
        const GraphPoint c1 = a.x == 0.0f ? a : offset(a, direction(points[k - 1], points[k + 1]), h);
        const GraphPoint c2 = b.x == 100.0f ? b : offset(b, direction(points[k + 2], points[k]), h);
        walkSegment(a, c1, c2, b, speedRule, samples);
        put(samples, truncToInt(a.x), a.y);
        put(samples, truncToInt(b.x), b.y);
        smoothSegment(a.x, b.x, samples);
    }
}

namespace {

// The interpolated sample v at (position, span); bad input reads the last sample.
template <typename ReadPair>
float interpolate(int position, int span, ReadPair&& readPair) {
    float a = 0.0f;
    float b = 0.0f;
    if (span < 1) {
        readPair(100, a, b);
        return a;
    }
    const int u = std::max(std::min(position, span), 0);
    const float c = static_cast<float>(u) * 100.0f / static_cast<float>(span);
    const int i = truncToInt(c);
    readPair(i, a, b);
    if (i >= 100) return a;
    const float f = c - static_cast<float>(i);
    const float v = (1.0f - f) * a + b * f;
    if (std::isfinite(v)) return v;
    // Two samples near the float limit can round past it.
    const double wide = (1.0 - static_cast<double>(f)) * static_cast<double>(a) + static_cast<double>(b) * f;
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(wide, -kLargest, kLargest));
}

float toFactor(float v, bool speed) {
    const float r = (100.0f - v) / 100.0f;
    if (!speed) return r;
    return static_cast<float>(static_cast<double>(r) * 2.0 - 1.0);
}

}  // namespace

float evaluateSamples(const SampleArray& samples, bool speed, int position, int span) {
    const float v = interpolate(position, span, [&](int i, float& a, float& b) {
        a = samples[static_cast<std::size_t>(i)];
        b = samples[static_cast<std::size_t>(std::min(i + 1, 100))];
    });
    return toFactor(v, speed);
}

bool isZero(const SampleArray& samples) {
    return std::all_of(samples.begin(), samples.end(), [](float s) { return s == 0.0f; });
}

float evaluateTable(const SampleTable& table, bool speed, int position, int span) {
    const float v = interpolate(position, span, [&](int i, float& a, float& b) { table.readPair(i, a, b); });
    return toFactor(v, speed);
}

}  // namespace curve

// ---- Graph -----------------------------------------------------------------

namespace {
GraphPoints initialPoints(bool rising) {
    return rising ? GraphPoints{{0.0f, 100.0f}, {100.0f, 0.0f}} : GraphPoints{{0.0f, 0.0f}, {100.0f, 0.0f}};
}
}  // namespace

Graph::Graph(std::string_view name, bool rising) : Graph(name, rising, false) {}

Graph::Graph(std::string_view name, bool rising, bool isSpeed)
    : m_points(initialPoints(rising)), m_isSpeed(isSpeed), m_rising(rising) {
    setName(name);
    // The first table is built by the plain rule even for the speed curve;
    // for the initial points both rules give the same samples.
    SampleArray samples{};
    curve::rebuildSamples(m_points, false, samples);
    m_table.publish(samples);
}

GraphSpeed::GraphSpeed(std::string_view name) : Graph(name, false, true) {}

void Graph::setName(std::string_view name) { m_name = cutToCp932Bytes(name, kNameBytes); }

void Graph::rebuild() {
    if (m_points.size() < 2) return;
    if (!curve::isWellFormed(m_points) && !curve::repair(m_points)) m_points = initialPoints(m_rising);
    SampleArray samples = m_table.snapshot();
    curve::rebuildSamples(m_points, m_isSpeed, samples);
    m_table.publish(samples);
}

float Graph::evaluate(int position, int span) const {
    return curve::evaluateTable(m_table, m_isSpeed, position, span);
}

void Graph::copyPoints(PointClipboard& clipboard) const { clipboard.points = m_points; }

void Graph::pastePoints(const PointClipboard& clipboard) {
    if (clipboard.points.size() < 2) return;
    m_points = clipboard.points;
    rebuild();
}

void Graph::assignFrom(const Graph& other) {
    m_points = other.m_points;
    m_name = other.m_name;
}

}  // namespace fg

#pragma once
// What the user asks of the preview's time, handed from the editor thread to
// the preview worker: play or pause, the speed, and jumps to a frame or
// single steps. Every member is safe to call from either thread.
//
// A frame here is a place on the timeline: the steps simulated since the
// pass began, 0 (nothing simulated yet) to the project's frame count. It is
// what the view's frame counter shows and what `render --frame F` draws.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

namespace fg {

enum class PlaybackSpeed : std::uint8_t { Quarter, Half, Normal, Double };

// Quarter frames per frame of the project's rate: 1, 2, 4 or 8.
constexpr std::int32_t quartersOf(PlaybackSpeed speed) { return 1 << static_cast<int>(speed); }

class PlaybackControl {
public:
    void setPlaying(bool playing) { m_playing.store(playing); }
    bool playing() const { return m_playing.load(); }
    void setSpeed(PlaybackSpeed speed) { m_speed.store(speed); }
    PlaybackSpeed speed() const { return m_speed.load(); }

    // The worker goes to `frame` at its next pass (a later jump replaces an
    // earlier one not yet made, and drops the steps asked before it).
    void requestFrame(std::uint32_t frame) {
        const std::lock_guard lock(m_mutex);
        m_request.frame = frame;
        m_request.steps = 0;
    }
    // `delta` frames on (negative: back) from where the worker is when it
    // gets there; steps asked in a row add up.
    void requestSteps(std::int32_t delta) {
        const std::lock_guard lock(m_mutex);
        m_request.steps += delta;
    }

    // Worker side: what was asked since the last call. A jump comes first,
    // then the steps asked after it.
    struct Request {
        std::optional<std::uint32_t> frame;
        std::int32_t steps = 0;
        bool empty() const { return !frame && steps == 0; }
    };
    Request takeRequest() {
        const std::lock_guard lock(m_mutex);
        Request taken = m_request;
        m_request = {};
        return taken;
    }

private:
    std::atomic<bool> m_playing{true};
    std::atomic<PlaybackSpeed> m_speed{PlaybackSpeed::Normal};
    std::mutex m_mutex;
    Request m_request;
};

}  // namespace fg

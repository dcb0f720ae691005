#include "beeper_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gorvo::media {

namespace {

constexpr double kEdgeMs = 1.5;      // fade in and out of every tone: no clicks between tones
constexpr double kRollOffHz = 6500;  // a piezo disc gives little above this
constexpr double kDcBlockHz = 120;   // nor does it give any bass

// Smooths the step of a square wave that falls between two samples (polynomial band-limited
// step), which keeps the high tones from folding back as audible whistles.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double square(double phase, double dt, double duty) {
    double v = phase < duty ? 1.0 : -1.0;
    v += blep(phase, dt);
    v -= blep(std::fmod(phase + 1.0 - duty, 1.0), dt);
    return v - (2.0 * duty - 1.0);  // remove the wave's own DC so fades do not thump
}

double envelope(const Tone& tone, double t_ms) {
    double e = 1.0;
    if (tone.decay_ms > 0) e = std::exp(-t_ms / tone.decay_ms);
    const double edge = std::min(kEdgeMs, tone.ms / 3.0);
    if (t_ms < edge) e *= t_ms / edge;
    if (tone.ms - t_ms < edge) e *= std::max(0.0, (tone.ms - t_ms) / edge);
    return e * tone.level;
}

size_t sample_count(double ms, int rate) {
    return static_cast<size_t>(std::llround(ms * rate / 1000.0));
}

// Appends one tone; a glide moves evenly on a musical (logarithmic) scale.
void add_tone(const Tone& tone, int rate, double& phase, std::vector<float>& out) {
    const size_t n = sample_count(tone.ms, rate);
    for (size_t i = 0; i < n; ++i) {
        const double t_ms = 1000.0 * static_cast<double>(i) / rate;
        if (tone.rest) {
            out.push_back(0.0f);
            continue;
        }
        const double hz = tone.start_hz * std::pow(tone.end_hz / tone.start_hz, t_ms / tone.ms);
        const double dt = hz / rate;
        out.push_back(static_cast<float>(square(phase, dt, tone.duty) * envelope(tone, t_ms)));
        phase = std::fmod(phase + dt, 1.0);
    }
}

void shape_like_a_piezo(std::vector<float>& s, int rate) {
    const double low = 1.0 - std::exp(-2.0 * std::numbers::pi * kRollOffHz / rate);
    const double high = std::exp(-2.0 * std::numbers::pi * kDcBlockHz / rate);
    double lp = 0, prev_in = 0, hp = 0;
    for (float& x : s) {
        lp += low * (x - lp);
        hp = high * (hp + lp - prev_in);
        prev_in = lp;
        x = static_cast<float>(hp);
    }
}

}  // namespace

std::vector<float> render_recipe(const Recipe& recipe, int rate) {
    std::vector<float> out;
    double phase = 0;
    for (const Tone& tone : recipe.tones) {
        if (tone.rest) phase = 0;  // every beep starts the same way, like a driven beeper
        add_tone(tone, rate, phase, out);
    }
    shape_like_a_piezo(out, rate);
    return out;
}

Pcm16 normalise_to_pcm16(const std::vector<float>& samples, double peak) {
    Pcm16 pcm;
    double loudest = 0;
    for (float x : samples)
        loudest = std::max(loudest, std::fabs(static_cast<double>(x)));
    if (loudest < 1e-9 || !(peak > 0 && peak < 1)) {
        pcm.error = loudest < 1e-9 ? "silent" : "peak must lie between 0 and 1";
        return pcm;
    }
    const double gain = peak * 32767.0 / loudest;
    pcm.samples.reserve(samples.size());
    for (float x : samples) {
        const double v = std::clamp(std::round(x * gain), -32766.0, 32766.0);
        pcm.samples.push_back(static_cast<std::int16_t>(v));
    }
    return pcm;
}

}  // namespace gorvo::media

#include "tools/make_soundpack/pluck_synth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// A deterministic noise source (a 32-bit linear congruential generator), in -1..1.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state(seed * 2654435761u + 1u) {}
    double Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t state;
};

// Where the note sits between the lowest (C3, 0) and the highest (E7, 1) note of the pack.
double Register(double frequency) {
    return std::clamp(std::log2(frequency / 65.406) / std::log2(1318.5 / 65.406), 0.0, 1.0);
}

// First-order allpass (c + z^-1) / (1 + c z^-1): its phase delay at w, in frames.
double AllpassDelay(double c, double w) {
    const std::complex<double> z = std::polar(1.0, -w);
    const std::complex<double> h = (c + z) / (1.0 + c * z);
    double phase = std::arg(h);
    if (phase > 0) {
        phase -= 2 * kPi;
    }
    return -phase / w;
}

// The allpass coefficient whose phase delay at w is delay (0.1..1.9 frames), by bisection:
// the delay falls as c rises.
double AllpassForDelay(double delay, double w) {
    double low = -0.999;
    double high = 0.999;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (low + high);
        if (AllpassDelay(mid, w) > delay) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return 0.5 * (low + high);
}

// A two-pole resonator (constant peak gain), one guitar-body mode.
class Resonator {
public:
    Resonator(double frequency, double q, double rate) {
        const double w = 2 * kPi * frequency / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double Process(double x) {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// The string's loss filter: a symmetric three-tap lowpass [a, 1 - 2a, a], which delays every
// frequency by exactly one frame, so only the allpass needs tuning.
struct LossFilter {
    double a;
    double Gain(double w) const { return (1 - 2 * a) + 2 * a * std::cos(w); }
};

}  // namespace

double PluckLoopPeriod(double frequency, double rate) {
    return rate / frequency;
}

std::vector<std::int16_t> SynthesizePluck(const PluckParameters& p) {
    const double where = Register(p.frequency);
    const double period = PluckLoopPeriod(p.frequency, p.rate);
    const double w0 = 2 * kPi * p.frequency / p.rate;

    // Low strings ring longer and darker; high ones are brighter and shorter.
    const LossFilter loss{0.22 - 0.18 * where};
    const double decaySeconds = 3.6 - 2.4 * where;  // fundamental falls 60 dB in this time
    const double perPeriod = std::pow(10.0, -3.0 / (decaySeconds * p.frequency));
    const double g = std::min(perPeriod / loss.Gain(w0), 0.99995);

    // Delay line of n frames + one frame of loss filter + the allpass's fraction.
    const int n = std::max(2, static_cast<int>(std::floor(period - 1.0 - 0.3)));
    const double fraction = period - n - 1.0;
    const double c = AllpassForDelay(fraction, w0);

    // The pick: noise, softened more for low notes, with the notch of a pluck an eighth of
    // the string from the bridge, and no DC.
    Noise noise(p.seed);
    std::vector<double> line(static_cast<std::size_t>(n));
    double smooth = 0.0;
    const double softness = 0.55 - 0.35 * where;
    for (double& v : line) {
        smooth += (1.0 - softness) * (noise.Next() - smooth);
        v = smooth;
    }
    const int pickAt = std::max(1, static_cast<int>(std::lround(n / 8.0)));
    std::vector<double> shaped(line.size());
    for (int i = 0; i < n; ++i) {
        shaped[static_cast<std::size_t>(i)] =
            line[static_cast<std::size_t>(i)] - line[static_cast<std::size_t>((i + n - pickAt) % n)];
    }
    double mean = 0.0;
    for (double v : shaped) {
        mean += v;
    }
    mean /= n;
    for (double& v : shaped) {
        v -= mean;
    }
    line = shaped;

    Resonator air(98.0, 12.0, p.rate);
    Resonator top(204.0, 14.0, p.rate);
    Resonator back(392.0, 10.0, p.rate);
    Resonator bright(2400.0, 3.0, p.rate);

    const auto frames = static_cast<std::size_t>(std::lround(p.seconds * p.rate));
    std::vector<double> out(frames);
    std::size_t head = 0;           // the delay line's oldest frame
    double lossIn1 = 0, lossIn2 = 0;  // the loss filter's previous inputs
    double apIn1 = 0, apOut1 = 0;   // the allpass's previous input and output
    double dcIn = 0, dcOut = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double delayed = line[head];
        const double lossOut = g * (loss.a * delayed + (1 - 2 * loss.a) * lossIn1 + loss.a * lossIn2);
        lossIn2 = lossIn1;
        lossIn1 = delayed;
        const double apOut = c * lossOut + apIn1 - c * apOut1;
        apIn1 = lossOut;
        apOut1 = apOut;
        line[head] = apOut;
        head = (head + 1) % line.size();

        const double string = delayed;
        const double body = 1.6 * air.Process(string) + 1.2 * top.Process(string) +
                            0.7 * back.Process(string) + 0.25 * bright.Process(string);
        const double mixed = 0.75 * string + body;
        // Remove any DC the resonators leave.
        dcOut = mixed - dcIn + 0.995 * dcOut;
        dcIn = mixed;
        out[i] = dcOut;
    }

    // Loudness: the first quarter second at about -12 dB, peaks below full scale; the last
    // 60 ms fade out so the note never ends in a click.
    const std::size_t attack = std::min(frames, static_cast<std::size_t>(p.rate / 4));
    double energy = 0.0;
    double peak = 1e-9;
    for (std::size_t i = 0; i < frames; ++i) {
        if (i < attack) {
            energy += out[i] * out[i];
        }
        peak = std::max(peak, std::fabs(out[i]));
    }
    const double rms = std::sqrt(energy / std::max<std::size_t>(attack, 1));
    const double scale = std::min(0.25 / std::max(rms, 1e-9), 0.95 / peak);
    const std::size_t fade = std::min(frames, static_cast<std::size_t>(0.06 * p.rate));
    std::vector<std::int16_t> result(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        double v = out[i] * scale;
        const std::size_t left = frames - i;
        if (left <= fade) {
            v *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(left - 1) / fade);
        }
        result[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return result;
}

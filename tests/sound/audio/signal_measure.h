#pragma once

// Measurements on rendered sound for the audio tests.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <vector>

// The strongest frequency near `expected` (within +-searchCents), to about 0.1 cent: a
// Hann-windowed single-bin DFT scanned over the range, refined by a parabola.
inline double MeasureFrequency(std::span<const std::int16_t> frames, int rate, double expected,
                               double searchCents = 60.0) {
    const std::size_t n = frames.size();
    std::vector<double> windowed(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (n - 1));
        windowed[i] = w * frames[i];
    }
    const auto power = [&](double cents) {
        const double f = expected * std::exp2(cents / 1200.0);
        const double w = 2.0 * std::numbers::pi * f / rate;
        double re = 0.0;
        double im = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            re += windowed[i] * std::cos(w * i);
            im += windowed[i] * std::sin(w * i);
        }
        return re * re + im * im;
    };
    const double step = 0.5;
    double best = -searchCents;
    double bestPower = -1.0;
    for (double c = -searchCents; c <= searchCents; c += step) {
        const double p = power(c);
        if (p > bestPower) {
            bestPower = p;
            best = c;
        }
    }
    const double left = power(best - step);
    const double right = power(best + step);
    const double denominator = left - 2.0 * bestPower + right;
    const double offset = denominator == 0.0 ? 0.0 : 0.5 * (left - right) / denominator;
    return expected * std::exp2((best + offset * step) / 1200.0);
}

inline double CentsBetween(double measured, double expected) {
    return 1200.0 * std::log2(measured / expected);
}

inline double Rms(std::span<const std::int16_t> frames) {
    double sum = 0.0;
    for (const std::int16_t f : frames) {
        sum += static_cast<double>(f) * f;
    }
    return frames.empty() ? 0.0 : std::sqrt(sum / frames.size());
}

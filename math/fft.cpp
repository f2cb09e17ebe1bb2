#include "math/fft.h"

#include <bit>
#include <numbers>
#include <stdexcept>
#include <utility>

namespace quorvel::math {

Fft::Fft(std::size_t size) : size_(size), twiddles_(size / 2), reversed_(size) {
    if (size < 2 || !std::has_single_bit(size))
        throw std::invalid_argument("transform length must be a power of two");
    for (std::size_t j = 0; j < size / 2; ++j)
        twiddles_[j] = std::polar(
            1.0, -2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(size));
    const int bits = std::countr_zero(size);
    for (std::size_t j = 0; j < size; ++j) {
        std::uint32_t r = 0;
        for (int b = 0; b < bits; ++b)
            r |= static_cast<std::uint32_t>((j >> b) & 1u) << (bits - 1 - b);
        reversed_[j] = r;
    }
}

void Fft::forward(Spectrum& data) const {
    transform(data, false);
}

void Fft::inverse(Spectrum& data) const {
    transform(data, true);
    const double scale = 1.0 / static_cast<double>(size_);
    for (auto& x : data)
        x *= scale;
}

void Fft::transform(Spectrum& data, bool inverse) const {
    if (data.size() != size_) throw std::invalid_argument("data length differs from the plan");
    for (std::size_t j = 0; j < size_; ++j)
        if (j < reversed_[j]) std::swap(data[j], data[reversed_[j]]);
    const double sign = inverse ? -1.0 : 1.0;
    for (std::size_t half = 1; half < size_; half *= 2) {
        const std::size_t stride = size_ / (2 * half);
        for (std::size_t block = 0; block < size_; block += 2 * half) {
            for (std::size_t j = 0; j < half; ++j) {
                // Spelled out: std::complex's product guards against infinities we never have.
                const double wr = twiddles_[j * stride].real();
                const double wi = sign * twiddles_[j * stride].imag();
                auto& a = data[block + j];
                auto& b = data[block + j + half];
                const double br = b.real() * wr - b.imag() * wi;
                const double bi = b.real() * wi + b.imag() * wr;
                b = {a.real() - br, a.imag() - bi};
                a = {a.real() + br, a.imag() + bi};
            }
        }
    }
}

}  // namespace quorvel::math

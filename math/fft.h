#pragma once

#include <complex>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvel::math {

using Spectrum = std::vector<std::complex<double>>;

// Radix-2 discrete Fourier transform of one power-of-two length. The plan keeps the twiddles
// and the bit-reversed order, so repeated transforms cost only the butterflies.
class Fft {
public:
    explicit Fft(std::size_t size);
    std::size_t size() const { return size_; }
    // X[k] = sum over j of x[j] e^(-2 pi i j k / N), in place.
    void forward(Spectrum& data) const;
    // The inverse of forward, scaled by 1 / N.
    void inverse(Spectrum& data) const;

private:
    void transform(Spectrum& data, bool inverse) const;

    std::size_t size_;
    Spectrum twiddles_;  // e^(-2 pi i j / N) for j < N / 2, each computed directly for accuracy
    std::vector<std::uint32_t> reversed_;
};

}  // namespace quorvel::math

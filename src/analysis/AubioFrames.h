#pragma once

#include <aubio/aubio.h>

#include <functional>
#include <memory>
#include <vector>

namespace kelvaro {

// aubio's objects, owned here so that every analysis creates and frees its own (no object is
// shared between threads; aubio guards its FFT planning itself).
struct AubioFvecDeleter
{
    void operator()(fvec_t* v) const { del_fvec(v); }
};
struct AubioCvecDeleter
{
    void operator()(cvec_t* v) const { del_cvec(v); }
};
using AubioFvec = std::unique_ptr<fvec_t, AubioFvecDeleter>;
using AubioCvec = std::unique_ptr<cvec_t, AubioCvecDeleter>;

/// Feeds samples to an aubio object that slides a window of windowSize over hop-sized blocks,
/// so that the window handed over for frame i (i = 0 .. frames-1) is centred on the middle of
/// frame i (sample i * hop + hop / 2); samples outside the signal are zeros. process(i, block)
/// is called once per frame with the block that completes frame i's window, in order, after a
/// few process(-1, block) calls whose blocks only fill the window.
void feedCentredFrames(const std::vector<float>& samples, int windowSize, int hop, int frames,
                       const std::function<void(int, const fvec_t*)>& process);

} // namespace kelvaro

#pragma once

namespace quorbel {

// The quantity of the single FFT graph, with the codes the window has always given
// them: imaginary parts, real parts, real parts on the scale of the largest part, the
// modulus; None while no single quantity is shown.
enum class Quantity { Imaginary = 1, Real = 2, RealGlobal = 3, Rho = 8, None = -1 };

}  // namespace quorbel

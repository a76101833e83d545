#include "surface.h"

#include "extended.h"
#include "fast_path.h"
#include "surface_formulas.h"

namespace calc {

TSurfaceData SurfaceGeometry(const TPlanform& planform, double innerSpan) {
  // Copies, so that the flag watch can name every input it must fence in.
  TPlanform input = planform;
  double inner = innerSpan;
  TSurfaceData result;
  if (RanWithoutException([&] { result = SurfaceGeometryWith<long double>(input, inner); }, input, inner, result)) {
    return result;
  }
  // Nothing of the unfinished result reaches the caller: this throws at the
  // failing step, or returns the value where no step fails after all.
  return SurfaceGeometryWith<Ext>(planform, innerSpan);
}

}  // namespace calc

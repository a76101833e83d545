#include "surface.h"

#include "extended.h"
#include "fast_path.h"
#include "surface_formulas.h"

namespace calc {
namespace {

struct GeometryState {
  TPlanform Planform;
  double InnerSpan;
  TSurfaceData Result;
};

}  // namespace

TSurfaceData SurfaceGeometry(const TPlanform& planform, double innerSpan) {
  GeometryState state{planform, innerSpan, {}};
  const auto fast = [](GeometryState& s) { s.Result = SurfaceGeometryWith<long double>(s.Planform, s.InnerSpan); };
  if (RanWithoutException(state, fast)) return state.Result;
  // Nothing of the unfinished result reaches the caller: this throws at the
  // failing step, or returns the value where no step fails after all.
  return SurfaceGeometryWith<Ext>(planform, innerSpan);
}

}  // namespace calc

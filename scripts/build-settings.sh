# Sourced by run.sh and test.sh: the normal build they share. One folder, one
# build type and the same options, so that whichever runs second reuses what
# the first compiled. CGCALC_TESTS is each script's own choice: turning it on
# or off only adds or drops the test programs and rebuilds nothing else.
normal_build=build
normal_options=(
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
  -DCGCALC_GUI=ON -DCGCALC_BENCH=OFF -DCGCALC_FUZZ=OFF -DCGCALC_SANITIZE=OFF
)

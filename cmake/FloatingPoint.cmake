# The computing code reads the floating-point status flags after arithmetic,
# so the compiler must neither fold nor move operations that can raise them.
# Only that code, with its tests and benchmarks, gets these flags; the Qt
# code keeps the usual optimizations.
#
# The chart is left out: its pixel arithmetic never reads the flags and runs
# in the default rounding mode, which is the one the compiler folds in.
set(STILLWISE_FLOAT_OPTIONS -frounding-math -ftrapping-math)
foreach(target IN ITEMS
    runtime numtext model analysis commands
    runtime_tests numtext_tests model_tests analysis_tests commands_tests
    model_bench numtext_bench)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE ${STILLWISE_FLOAT_OPTIONS})
  endif()
endforeach()

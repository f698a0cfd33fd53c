# The tests of a build of their own for time_limits.cmake with a limit of 60 s: none, a zero one
# (which ctest takes for none) and one over it are named; one at it and one under it are not.
add_test(Sin true)
add_test(Cero true)
set_tests_properties(Cero PROPERTIES TIMEOUT 0)
add_test(Largo true)
set_tests_properties(Largo PROPERTIES TIMEOUT 61)
add_test(Justo true)
set_tests_properties(Justo PROPERTIES TIMEOUT 60)
add_test(Corto true)
set_tests_properties(Corto PROPERTIES TIMEOUT 0.5)

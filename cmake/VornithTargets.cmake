# Shared target settings: warnings on, sources gathered per folder so that a new file needs
# no edit of the build.

function(vornith_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
endfunction()

# vornith_library(NAME DIR [RECURSE] [DEPS ...]): a static library of the sources in DIR
# (and its subfolders with RECURSE). A layer with no sources yet is an interface library,
# so that its dependants still configure and link.
function(vornith_library name dir)
    cmake_parse_arguments(ARG "RECURSE" "" "DEPS" ${ARGN})
    if(ARG_RECURSE)
        file(GLOB_RECURSE files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    else()
        file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    endif()
    set(cpp ${files})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(cpp)
        add_library(${name} STATIC ${files})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
        vornith_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# The longest any test may run, in seconds: a test that hangs fails after it, whoever runs ctest.
set(VORNITH_TEST_TIMEOUT 300)

# vornith_limit_tests(): the time limit for every test that the calling folder has added with
# add_test (vornith_test's tests have it already).
function(vornith_limit_tests)
    get_property(tests DIRECTORY PROPERTY TESTS)
    if(tests)
        set_tests_properties(${tests} PROPERTIES TIMEOUT ${VORNITH_TEST_TIMEOUT})
    endif()
endfunction()

# vornith_test(NAME DIR [DEPS ...]): one GoogleTest program of the tests in DIR, run through
# CTest headless.
function(vornith_test name dir)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    if(NOT files)
        return()
    endif()
    add_executable(${name} ${files})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} vornith_test_support GTest::gtest)
    vornith_warnings(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT ${VORNITH_TEST_TIMEOUT})
endfunction()

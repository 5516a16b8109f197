# zorvy_glob_sources(OUT RECURSE): the .cpp files of the calling folder, and of its subfolders when
# RECURSE is true.
function(zorvy_glob_sources out recurse)
  if(recurse)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  else()
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zorvy_library(NAME [RECURSE] DEPS lib... [PACKAGES pkg-config-module...])
# One static library from every .cpp in the calling folder (with RECURSE, also in its subfolders).
function(zorvy_library name)
  cmake_parse_arguments(ARG "RECURSE" "" "DEPS;PACKAGES;LIBS" ${ARGN})
  zorvy_glob_sources(sources ${ARG_RECURSE})
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_LIBS})
  if(ARG_PACKAGES)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(${name}_pkgs REQUIRED IMPORTED_TARGET ${ARG_PACKAGES})
    target_link_libraries(${name} PUBLIC PkgConfig::${name}_pkgs)
  endif()
endfunction()

# zorvy_tests(NAME [RECURSE] DEPS lib... [PACKAGES pkg-config-module...] [LIBS target...] [LABELS label...])
# One GoogleTest binary from every .cpp in the calling tests folder (with RECURSE, also in its
# subfolders); each test case is one ctest test.
function(zorvy_tests name)
  cmake_parse_arguments(ARG "RECURSE" "" "DEPS;PACKAGES;LIBS;LABELS" ${ARGN})
  zorvy_glob_sources(sources ${ARG_RECURSE})
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  if(ZORVY_SANITIZE)
    # Test sources are macro-heavy and do little work themselves: unoptimised they compile several times faster.
    target_compile_options(${name} PRIVATE -O0)
    # Each test runs in a process of its own. A position-independent program under the sanitizers carries
    # millions of relocations that the loader applies at every start, most of a quick test's time.
    target_link_options(${name} PRIVATE -no-pie)
  endif()
  if(ARG_PACKAGES)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(${name}_pkgs REQUIRED IMPORTED_TARGET ${ARG_PACKAGES})
    target_link_libraries(${name} PRIVATE PkgConfig::${name}_pkgs)
  endif()
  target_compile_definitions(${name} PRIVATE
    ZORVY_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS "${ARG_LABELS}")
endfunction()

# zorvy_benchmark(NAME DEPS lib...)
# One Google Benchmark binary from every .cpp in the calling bench folder.
function(zorvy_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  # Benchmarks are small and each file keeps its own fixtures: always compiled one by one.
  set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE
    ZORVY_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endfunction()

# zorvy_tool(NAME DEPS lib... [PACKAGES pkg-config-module...])
# A developer tool (for example a table generator) from every .cpp in the calling tools folder.
function(zorvy_tool name)
  cmake_parse_arguments(ARG "" "" "DEPS;PACKAGES;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} ${ARG_LIBS})
  if(ARG_PACKAGES)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(${name}_pkgs REQUIRED IMPORTED_TARGET ${ARG_PACKAGES})
    target_link_libraries(${name} PRIVATE PkgConfig::${name}_pkgs)
  endif()
endfunction()

# Linux: the simulated Windows PC, the unit tests and the fuzz targets.
file(GLOB SIM_SOURCES CONFIGURE_DEPENDS platform/sim/*.cpp)
add_library(kelvane_sim STATIC ${SIM_SOURCES})
target_link_libraries(kelvane_sim PUBLIC kelvane_core simpc)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB UNIT_TEST_SOURCES CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(kelvane_tests ${UNIT_TEST_SOURCES})
target_link_libraries(kelvane_tests PRIVATE kelvane_sim GTest::gtest GTest::gtest_main)
target_compile_definitions(kelvane_tests PRIVATE KELVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
include(GoogleTest)
gtest_discover_tests(kelvane_tests DISCOVERY_TIMEOUT 60)

option(KELVANE_FUZZ "Build the libFuzzer targets (clang)" OFF)
if(KELVANE_FUZZ)
  # The program's own code runs under the sanitizers and with coverage, not
  # just the fuzz entry points: a fault is caught where it happens.
  set(KELVANE_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  foreach(lib kelvane_core simpc kelvane_sim)
    target_compile_options(${lib} PRIVATE ${KELVANE_SANITIZERS} -fsanitize=fuzzer-no-link)
  endforeach()
  target_compile_options(kelvane_tests PRIVATE ${KELVANE_SANITIZERS})
  target_link_options(kelvane_tests PRIVATE ${KELVANE_SANITIZERS})
  file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
  foreach(src ${FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE kelvane_sim)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer ${KELVANE_SANITIZERS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer ${KELVANE_SANITIZERS})
  endforeach()
endif()

# The probe's native twin (tools/probe): its sub-commands on a simulated PC,
# for comparison with probe.exe under Wine.
add_executable(probe_native tools/probe/ProbeCommands.cpp tools/probe/native/probe_native.cpp)
target_link_libraries(probe_native PRIVATE kelvane_sim)
if(KELVANE_FUZZ)
  target_link_options(probe_native PRIVATE ${KELVANE_SANITIZERS})
endif()

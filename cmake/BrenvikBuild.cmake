# Build policy in one place: every target links brenvik_build_cfg.
add_library(brenvik_build_cfg INTERFACE)
target_compile_features(brenvik_build_cfg INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(brenvik_build_cfg INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wnull-dereference -Wformat=2
  $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op>)
target_compile_definitions(brenvik_build_cfg INTERFACE _GLIBCXX_ASSERTIONS)
if(BRENVIK_WERROR)
  target_compile_options(brenvik_build_cfg INTERFACE -Werror)
endif()
if(BRENVIK_SANITIZE)
  target_compile_options(brenvik_build_cfg INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(brenvik_build_cfg INTERFACE -fsanitize=address,undefined)
  # g++ 12 reports uninitialised members inside libstdc++ (<regex>, <functional>) once the
  # sanitizers instrument optimised code; the warning is unreliable there.
  target_compile_options(brenvik_build_cfg INTERFACE
    $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
endif()

# brenvik_core_library(NAME SOURCES... DEPS ...): one static library per core subsystem folder.
function(brenvik_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC brenvik_build_cfg ${ARG_DEPS})
endfunction()

# brenvik_subsystem(NAME DEPS ...): the library of one src/ folder from every .cpp in it.
# A folder with no sources yet is an interface target, so the dependency graph stays whole.
function(brenvik_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    brenvik_core_library(${name} SOURCES ${sources} DEPS ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE brenvik_build_cfg ${ARG_DEPS})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
  endif()
endfunction()

# The layers of the program and the two checks that keep them apart.
#
# Every folder of src/ builds one library that links only the layers below it. Two checks run
# with every build:
# - pw_check_layer_includes: a source of a layer includes headers only from the folders the
#   layer may use ("core/...", "elements/...", ...); any other project header fails the build.
# - pw_check_layer_links: the layer's library, with every object in it, is linked against the
#   layers below and nothing else, so a call into a layer above fails to link.

set(PW_LAYER_FOLDERS core text elements scales panel render cli ui)

# pw_check_layer_includes(target folder allowed-folder...)
function(pw_check_layer_includes target folder)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/${folder}/*.h ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} "-DALLOWED=${folder};${ARGN}"
      "-DLAYERS=${PW_LAYER_FOLDERS}" "-DSOURCES=${sources}" -DSTAMP=${stamp}
      -P ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/check_layer_includes.cmake
    COMMENT "Checking the includes of src/${folder}"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# pw_check_layer_links(target): links all of the target's objects into a program of their own.
function(pw_check_layer_links target)
  set(main ${CMAKE_CURRENT_BINARY_DIR}/${target}_link_check.cpp)
  file(CONFIGURE OUTPUT ${main} CONTENT "int main() { return 0; }\n")
  add_executable(${target}_link_check ${main})
  target_link_libraries(${target}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${target}>")
endfunction()

# pw_layer(target folder allowed-folder...): both checks for one layer.
function(pw_layer target folder)
  pw_check_layer_includes(${target} ${folder} ${ARGN})
  pw_check_layer_links(${target})
endfunction()

# Checks of the sources: formatting targets and warnings as errors.

# CI builds with -DKELVARO_WERROR=ON (scripts/test) so that a new warning fails.
option(KELVARO_WERROR "Treat compiler warnings as errors" OFF)
if(KELVARO_WERROR)
  add_compile_options(-Werror)
endif()

# `format` rewrites the tracked C++ sources; `format-check` only reports differences.
add_custom_target(format
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/format
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Formatting the C++ sources"
  VERBATIM)
add_custom_target(format-check
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/format --check
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Checking the formatting of the C++ sources"
  VERBATIM)
